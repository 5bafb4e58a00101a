#include "io/settings_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <ostream>
#include <variant>

#include "io/atomic_write.h"
#include "model/char_conv.h"
#include "model/limits.h"
#include "model/translate_mark.h"
#include "state/dispatcher.h"

namespace gyro {

namespace {

// A line longer than this is read as several lines, each piece on its own.
constexpr size_t kPieceLength = 199;

// A settings field, typed by its storage width; the type decides how the value is
// written ("%d", "%08x" for colours, "%lf") and read.
using FieldRef = std::variant<int8_t*, int16_t*, int32_t*, Colour*, double*>;

struct KeyDef {
    std::string_view name;  // the key without its bracketed indices
    int dims;               // 0, 1 or 2 bracketed indices
    int extent;             // each index runs over 0 .. extent-1
    FieldRef (*field)(AppState&, int, int);
    bool exponent = false;  // super-quadric exponent: clamped to 0..kMaxSuperExponent on reading
};

#define GYRO_PARAM(f) [](AppState& s, int, int) -> FieldRef { return &s.solid.params.f; }
#define GYRO_DISPLAY(f) [](AppState& s, int, int) -> FieldRef { return &s.display.f; }
#define GYRO_VIEW(f) [](AppState& s, int, int) -> FieldRef { return &s.view.f; }

// In the order they are written.
constexpr KeyDef kKeys[] = {
    {"zukei", 0, 1, [](AppState& s, int, int) -> FieldRef { return &s.solid.zukei; }},
    {"kikaku", 0, 1, GYRO_PARAM(kikaku)},
    {"conn", 0, 1, GYRO_PARAM(conn)},
    {"conpn", 0, 1, GYRO_PARAM(conpn)},
    {"conh", 0, 1, GYRO_PARAM(conh)},
    {"conwx", 0, 1, GYRO_PARAM(conwx)},
    {"conwz", 0, 1, GYRO_PARAM(conwz)},
    {"consx", 0, 1, GYRO_PARAM(consx)},
    {"consz", 0, 1, GYRO_PARAM(consz)},
    {"conarg", 0, 1, GYRO_PARAM(conarg)},
    {"conhang", 0, 1, GYRO_PARAM(conhang)},
    {"conzeqx", 0, 1, GYRO_PARAM(conzeqx)},
    {"conyeqx", 0, 1, GYRO_PARAM(conyeqx)},
    {"congais", 0, 1, GYRO_PARAM(congais)},
    {"conhensez", 0, 1, GYRO_PARAM(conhensez)},
    {"conarchi", 0, 1, GYRO_PARAM(conarchi)},
    {"conapm", 0, 1, GYRO_PARAM(conapm)},
    {"sphn", 0, 1, GYRO_PARAM(sphn)},
    {"sphpn", 0, 1, GYRO_PARAM(sphpn)},
    {"sphm", 0, 1, GYRO_PARAM(sphm)},
    {"sphpm", 0, 1, GYRO_PARAM(sphpm)},
    {"sphwx", 0, 1, GYRO_PARAM(sphwx)},
    {"sphwy", 0, 1, GYRO_PARAM(sphwy)},
    {"sphwz", 0, 1, GYRO_PARAM(sphwz)},
    {"sphsx", 0, 1, GYRO_PARAM(sphsx)},
    {"sphsz", 0, 1, GYRO_PARAM(sphsz)},
    {"sphtx", 0, 1, GYRO_PARAM(sphtx)},
    {"sphtz", 0, 1, GYRO_PARAM(sphtz)},
    {"spharg", 0, 1, GYRO_PARAM(spharg)},
    {"sphhang", 0, 1, GYRO_PARAM(sphhang)},
    {"sphzeqx", 0, 1, GYRO_PARAM(sphzeqx)},
    {"sphyeqx", 0, 1, GYRO_PARAM(sphyeqx)},
    {"sphgais", 0, 1, GYRO_PARAM(sphgais)},
    {"sphtei", 0, 1, GYRO_PARAM(sphtei)},
    {"sphspon", 0, 1, GYRO_PARAM(sphspon)},
    {"sphsphg", 0, 1, GYRO_PARAM(sphsphg)},
    {"sphspn", 0, 1, GYRO_PARAM(sphspn), true},
    {"sphspm", 0, 1, GYRO_PARAM(sphspm), true},
    {"sphtwx", 0, 1, GYRO_PARAM(sphtwx)},
    {"sphtwz", 0, 1, GYRO_PARAM(sphtwz)},
    {"fracn", 0, 1, GYRO_DISPLAY(fracn)},
    {"viewx", 0, 1, GYRO_PARAM(viewx)},
    {"viewy", 0, 1, GYRO_PARAM(viewy)},
    {"facecolmode", 0, 1, GYRO_DISPLAY(facecolmode)},
    {"facecol", 0, 1, GYRO_DISPLAY(facecol)},
    {"orgcolpat", 0, 1, GYRO_DISPLAY(orgcolpat)},
    {"penbold", 0, 1, GYRO_DISPLAY(penbold)},
    {"pencolmode", 0, 1, GYRO_DISPLAY(pencolmode)},
    {"pencol", 0, 1, GYRO_DISPLAY(pencol)},
    {"urapenbold", 0, 1, GYRO_DISPLAY(urapenbold)},
    {"urapencolmode", 0, 1, GYRO_DISPLAY(urapencolmode)},
    {"urapencol", 0, 1, GYRO_DISPLAY(urapencol)},
    {"bkmode", 0, 1, GYRO_DISPLAY(bkmode)},
    {"bkcol", 0, 1, GYRO_DISPLAY(bkcol)},
    {"ax", 2, 3, [](AppState& s, int i, int j) -> FieldRef { return &s.view.ax[i][j]; }},
    {"rad", 0, 1, GYRO_VIEW(rad)},
    {"nax", 1, 3, [](AppState& s, int i, int) -> FieldRef { return &s.view.nax[i]; }},
    {"nang", 0, 1, GYRO_VIEW(nang)},
    {"njim", 0, 1, GYRO_VIEW(njim)},
    {"lightmode", 0, 1, GYRO_DISPLAY(lightmode)},
    {"lightang1", 0, 1, GYRO_DISPLAY(lightang1)},
    {"lightang2", 0, 1, GYRO_DISPLAY(lightang2)},
    {"lightang1v", 0, 1, GYRO_DISPLAY(lightang1v)},
    {"lightang2v", 0, 1, GYRO_DISPLAY(lightang2v)},
    {"lightdep", 0, 1, GYRO_DISPLAY(lightdep)},
    {"lightmin", 0, 1, GYRO_DISPLAY(lightmin)},
    {"lightmax", 0, 1, GYRO_DISPLAY(lightmax)},
    {"lightsquare", 0, 1, GYRO_DISPLAY(lightsquare)},
    {"lightmirror", 0, 1, GYRO_DISPLAY(lightmirror)},
    {"lightmove", 0, 1, GYRO_DISPLAY(lightmove)},
    {"shadowcol", 0, 1, GYRO_DISPLAY(shadowcol)},
    {"lightcol", 0, 1, GYRO_DISPLAY(lightcol)},
    {"col", 1, kPaletteSize,
     [](AppState& s, int i, int) -> FieldRef { return &s.solid.params.palette[static_cast<size_t>(i)]; }},
    {"sikisouhz", 0, 1, GYRO_PARAM(sikisouhz)},
    {"sikisourt", 0, 1, GYRO_PARAM(sikisourt)},
    {"sikisoufq", 0, 1, GYRO_PARAM(sikisoufq)},
    {"person", 0, 1, GYRO_DISPLAY(person)},
    {"persdz", 0, 1, GYRO_DISPLAY(persdz)},
    {"perssx", 0, 1, GYRO_DISPLAY(perssx)},
    {"perssy", 0, 1, GYRO_DISPLAY(perssy)},
    {"stereoon", 0, 1, GYRO_DISPLAY(stereoon)},
    {"stereodip", 0, 1, GYRO_DISPLAY(stereodip)},
    {"stereodist", 0, 1, GYRO_DISPLAY(stereodist)},
    {"rezerse", 0, 1, GYRO_DISPLAY(rezerse)},
    {"symmet", 0, 1, GYRO_DISPLAY(symmet)},
    {"ctpix", 0, 1, GYRO_DISPLAY(ctpix)},
    {"exactdepth", 0, 1, GYRO_DISPLAY(exactdepth)},
    {"autoroton", 0, 1, GYRO_VIEW(autoroton)},
    {"autorotarg1v", 0, 1, GYRO_VIEW(autorotarg1v)},
    {"autorotarg2v", 0, 1, GYRO_VIEW(autorotarg2v)},
    {"fitwindow", 0, 1, GYRO_DISPLAY(fitwindow)},
    {"infopanel", 0, 1, GYRO_DISPLAY(infopanel)},
};

#undef GYRO_PARAM
#undef GYRO_DISPLAY
#undef GYRO_VIEW

constexpr int CountLines() {
    int lines = 0;
    for (const KeyDef& key : kKeys) {
        lines += key.dims == 0 ? 1 : key.dims == 1 ? key.extent : key.extent * key.extent;
    }
    return lines;
}
static_assert(CountLines() == kSettingsLineCount);

// ---- Writing -------------------------------------------------------------

void AppendInt(std::string& out, int32_t value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void AppendValue(std::string& out, const FieldRef& field) {
    std::visit(
        [&out](auto* p) {
            using T = std::remove_pointer_t<decltype(p)>;
            if constexpr (std::is_same_v<T, double>) {
                // "%lf": fixed notation, six decimals. A value past kMaxSavedMagnitude
                // (a turn of rows typed at the edge can reach 1.7e100) is written at
                // the edge, where its line still loads back as written.
                const double v = std::isnan(*p) ? *p : std::clamp(*p, -kMaxSavedMagnitude, kMaxSavedMagnitude);
                char buffer[400];
                const auto result = ToCharsFixed6(buffer, buffer + sizeof buffer, v);
                if (result.ec != std::errc{}) return;
                // A value that rounds to zero is written without its sign: "-0.000000"
                // would load as a zero that is saved again as "0.000000".
                const char* first = buffer;
                const char* const end = result.ptr;
                if (*first == '-' && std::all_of(first + 1, end, [](char c) { return c == '0' || c == '.'; }))
                    ++first;
                out.append(first, end);
            } else if constexpr (std::is_same_v<T, Colour>) {
                // "%08x".
                char buffer[8];
                const auto result = std::to_chars(buffer, buffer + sizeof buffer, *p, 16);
                out.append(static_cast<size_t>(8 - (result.ptr - buffer)), '0');
                out.append(buffer, result.ptr);
            } else {
                AppendInt(out, *p);  // 8- and 16-bit fields print sign-extended
            }
        },
        field);
}

// ---- Reading -------------------------------------------------------------
// Each scanner skips leading white space, converts the longest valid prefix and
// leaves the rest of the line alone. A value that does not fit its type is a
// failed conversion.

void SkipSpace(std::string_view& s) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;  // C isspace
    s.remove_prefix(i);
}

bool Consume(std::string_view& s, std::string_view literal) {
    if (!s.starts_with(literal)) return false;
    s.remove_prefix(literal.size());
    return true;
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Optional sign; returns true for '-'.
bool ScanSign(std::string_view& s) {
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        const bool negative = s[0] == '-';
        s.remove_prefix(1);
        return negative;
    }
    return false;
}

// "%d": a signed decimal within 32 bits.
bool ScanInt(std::string_view& s, int32_t& value) {
    SkipSpace(s);
    std::string_view rest = s;
    const bool negative = ScanSign(rest);
    uint64_t magnitude = 0;
    const auto result = std::from_chars(rest.data(), rest.data() + rest.size(), magnitude);
    if (result.ec != std::errc{}) return false;
    const uint64_t limit = negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
    if (magnitude > limit) return false;
    value = static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude));
    s.remove_prefix(static_cast<size_t>(result.ptr - s.data()));
    return true;
}

// "%x": hexadecimal of any length within 32 bits, with an optional 0x prefix.
bool ScanHex(std::string_view& s, uint32_t& value) {
    SkipSpace(s);
    std::string_view rest = s;
    const bool negative = ScanSign(rest);
    if (rest.size() > 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X') &&
        IsHexDigit(rest[2])) {
        rest.remove_prefix(2);
    }
    uint64_t magnitude = 0;
    const auto result = std::from_chars(rest.data(), rest.data() + rest.size(), magnitude, 16);
    if (result.ec != std::errc{} || magnitude > 0xFFFFFFFFu) return false;
    // A minus sign negates modulo 2^32, so "-1" is ffffffff.
    value = static_cast<uint32_t>(negative ? (0 - magnitude) : magnitude);
    s.remove_prefix(static_cast<size_t>(result.ptr - s.data()));
    return true;
}

// "%lf": a finite double. inf, nan and values beyond the double range are refused,
// unless `nonFinite` lets them through (as infinities and NaN) for a caller that
// clamps them.
bool ScanDouble(std::string_view& s, double& value, bool nonFinite = false) {
    SkipSpace(s);
    std::string_view rest = s;
    const bool negative = ScanSign(rest);
    std::chars_format format = std::chars_format::general;
    if (rest.size() > 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X') &&
        (IsHexDigit(rest[2]) || rest[2] == '.')) {
        rest.remove_prefix(2);
        format = std::chars_format::hex;
    }
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) return false;  // from_chars would take '-'
    double parsed = 0;
    const auto result = FromCharsDouble(rest.data(), rest.data() + rest.size(), parsed, format);
    if (nonFinite && result.ec == std::errc::result_out_of_range) {
        // Beyond the double range: an overflow is infinite, an underflow zero.
        const std::string_view digits(rest.data(), static_cast<size_t>(result.ptr - rest.data()));
        const size_t mark = digits.find_first_of(format == std::chars_format::hex ? "pP" : "eE");
        const bool underflow = mark != std::string_view::npos && mark + 1 < digits.size() && digits[mark + 1] == '-';
        parsed = underflow ? 0.0 : HUGE_VAL;
    } else if (result.ec != std::errc{} || (!nonFinite && !std::isfinite(parsed))) {
        return false;
    }
    value = negative ? -parsed : parsed;
    s.remove_prefix(static_cast<size_t>(result.ptr - s.data()));
    return true;
}

enum class LineResult { NoMatch, Dropped, Applied };

// Stores a converted value, cut to the field's width.
void Store(const FieldRef& field, int32_t number, uint32_t colour, double real, bool exponent) {
    std::visit(
        [&](auto* p) {
            using T = std::remove_pointer_t<decltype(p)>;
            if constexpr (std::is_same_v<T, double>) {
                // "v <= 0 gives 0": a read -0 must not come back as -0.000000; a
                // value that is not a number gives the top of the range.
                if (!exponent) *p = real;
                else if (std::isnan(real)) *p = kMaxSuperExponent;
                else *p = real <= 0 ? 0.0 : std::min(real, kMaxSuperExponent);
            } else if constexpr (std::is_same_v<T, Colour>) {
                *p = colour & 0x00FFFFFFu;
            } else {
                if constexpr (std::is_same_v<T, int16_t>) *p = WrapInt16(number);
                else *p = static_cast<T>(number);  // keeps the low bits
            }
        },
        field);
}

// Tries one key's reading format on a line. The literal text must match exactly
// (so "lightang1v:" is not "lightang1:") and every value must convert.
LineResult TryKey(const KeyDef& key, std::string_view line, AppState& state) {
    if (!Consume(line, key.name)) return LineResult::NoMatch;
    int32_t index[2] = {0, 0};
    for (int d = 0; d < key.dims; ++d) {
        if (!Consume(line, "[") || !ScanInt(line, index[d]) || !Consume(line, "]")) {
            return LineResult::NoMatch;
        }
    }
    if (!Consume(line, ":")) return LineResult::NoMatch;

    const FieldRef probe = key.field(state, 0, 0);
    int32_t number = 0;
    uint32_t colour = 0;
    double real = 0;
    const bool converted = std::visit(
        [&](auto* p) {
            using T = std::remove_pointer_t<decltype(p)>;
            if constexpr (std::is_same_v<T, double>) return ScanDouble(line, real, key.exponent);
            else if constexpr (std::is_same_v<T, Colour>) return ScanHex(line, colour);
            else return ScanInt(line, number);
        },
        probe);
    if (!converted) return LineResult::NoMatch;

    for (int d = 0; d < key.dims; ++d) {
        if (index[d] < 0 || index[d] >= key.extent) return LineResult::Dropped;
    }
    Store(key.field(state, index[0], index[1]), number, colour, real, key.exponent);
    return LineResult::Applied;
}

LineResult ApplyLine(std::string_view line, AppState& state) {
    for (const KeyDef& key : kKeys) {
        const LineResult result = TryKey(key, line, state);
        if (result != LineResult::NoMatch) return result;
    }
    return LineResult::NoMatch;
}

// Applies every line without validating; returns how many were applied.
int ApplyText(std::string_view text, AppState& state) {
    // Editors on other systems may start the file with a UTF-8 byte-order mark;
    // it is not part of the first key.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
    int applied = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        // One piece: up to kPieceLength characters, a CR LF or LF ending it
        // early and counting as one character.
        const size_t start = pos;
        size_t length = 0;
        while (pos < text.size() && length < kPieceLength) {
            const char c = text[pos];
            if (c == '\n') {
                ++pos;
                break;
            }
            if (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
                pos += 2;
                break;
            }
            ++pos;
            ++length;
        }
        if (ApplyLine(text.substr(start, pos - start), state) == LineResult::Applied) ++applied;
    }
    return applied;
}

std::string Describe(const std::string& what, const std::string& path, int error) {
    std::string message = what + "\n" + path;
    if (error != 0) message += ": " + std::string(std::strerror(error));
    return message;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

Status ReadSettingsText(const std::string& path, std::string& text) {
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return Status::Error(Describe(GYRO_TRANSLATE_NOOP("Messages", "設定ファイルを開けません。"), path, errno));
    text.clear();
    char buffer[65536];
    for (;;) {
        const size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
        if (n > 0) {
            if (text.size() + n > kMaxSettingsFileBytes) {
                return Status::Error(Describe(GYRO_TRANSLATE_NOOP("Messages", "設定ファイルとしては大き過ぎます。"), path, 0));
            }
            text.append(buffer, n);
        }
        if (n < sizeof buffer) break;
    }
    if (std::ferror(file.get())) {
        return Status::Error(Describe(GYRO_TRANSLATE_NOOP("Messages", "設定ファイルを読み込めません。"), path, errno));
    }
    return Status::Ok();
}

void KeepFlag(int8_t& flag) {
    if (flag != 0) flag = 1;
}

template <typename T>
void KeepMode(T& mode, int lowest, int highest, T start) {
    if (mode < lowest || mode > highest) mode = start;
}

}  // namespace

void SaveSettings(const AppState& state, std::ostream& out) {
    const std::string text = SaveSettings(state);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

std::string SaveSettings(const AppState& state) {
    // The key table hands out mutable references; saving only reads through them.
    AppState& source = const_cast<AppState&>(state);
    std::string out;
    out.reserve(kSettingsLineCount * 24);
    for (const KeyDef& key : kKeys) {
        const int rows = key.dims >= 1 ? key.extent : 1;
        const int columns = key.dims == 2 ? key.extent : 1;
        for (int i = 0; i < rows; ++i) {
            for (int j = 0; j < columns; ++j) {
                out += key.name;
                if (key.dims >= 1) {
                    out += '[';
                    AppendInt(out, i);
                    out += ']';
                }
                if (key.dims == 2) {
                    out += '[';
                    AppendInt(out, j);
                    out += ']';
                }
                out += ':';
                AppendValue(out, key.field(source, i, j));
                out += "\r\n";
            }
        }
    }
    return out;
}

Status SaveSettings(const AppState& state, const std::string& path) {
    const Status written = WriteFileAtomically(path, SaveSettings(state));
    if (!written.ok()) return Status::Error(std::string(GYRO_TRANSLATE_NOOP("Messages", "設定ファイルを保存できません。")) + "\n" + written.message);
    return written;
}

namespace {

// Files written before the drawing mode was saved draw exactly, whatever the
// viewer showed before; a file that holds no setting changes nothing.
int ApplySettingsText(std::string_view text, AppState& state) {
    const int8_t before = state.display.exactdepth;
    state.display.exactdepth = 1;
    const int applied = ApplyText(text, state);
    if (applied == 0) state.display.exactdepth = before;
    return applied;
}

}  // namespace

int LoadSettingsFromText(std::string_view text, AppState& state) {
    const int applied = ApplySettingsText(text, state);
    ValidateSettings(state);
    return applied;
}

Status LoadSettings(const std::string& path, AppState& state) {
    // The whole file is read before anything is applied, so a read error cannot
    // leave the settings half loaded.
    std::string text;
    const Status read = ReadSettingsText(path, text);
    if (!read.ok()) return read;
    if (ApplySettingsText(text, state) == 0) {
        return Status::Error(Describe(GYRO_TRANSLATE_NOOP("Messages", "設定が見つかりません。"), path, 0));
    }
    ValidateSettings(state);
    return Status::Ok();
}

void ValidateSettings(AppState& state) {
    BuildParams& p = state.solid.params;
    DisplaySettings& d = state.display;
    ViewState& v = state.view;

    p.viewx = std::clamp(p.viewx, kMinViewSide, kMaxViewSide);
    p.viewy = std::clamp(p.viewy, kMinViewSide, kMaxViewSide);

    if (d.lightdep < -99) d.lightdep = -99;
    d.lightmax = std::clamp<int16_t>(d.lightmax, 0, 100);
    if (d.lightmin < 0) d.lightmin = 0;
    if (d.lightmin > d.lightmax) d.lightmin = d.lightmax;

    p.conn = std::clamp<int16_t>(p.conn, 2, kMaxCorners);
    if (p.conpn > p.conn / 2) p.conpn = static_cast<int16_t>(p.conn / 2);
    if (p.conpn < 1) p.conpn = 1;

    if (p.sphn < 2) p.sphn = 2;
    if (p.sphm < 2) p.sphm = 2;
    if (p.sphn > kMaxSphereCount) p.sphn = kMaxSphereCount;
    if (p.sphn * p.sphm > kMaxSphereCells) p.sphm = static_cast<int16_t>(kMaxSphereCells / p.sphn);
    if (p.sphpn > p.sphn / 2) p.sphpn = static_cast<int16_t>(p.sphn / 2);
    if (p.sphpn < 1) p.sphpn = 1;
    // The meridian step is bounded by its count just as the ring step is.
    if (p.sphpm > p.sphm / 2) p.sphpm = static_cast<int16_t>(p.sphm / 2);
    if (p.sphpm < 1) p.sphpm = 1;

    // A zoom that is not a positive number would make every frame empty or garbage.
    if (!(std::isfinite(v.rad) && v.rad > 0)) v.rad = 1.0;
    // Beyond kMaxSavedMagnitude a saved value would not load as saved. Nothing
    // on screen changes that far out.
    auto keepSavable = [](double& x) { x = std::clamp(x, -kMaxSavedMagnitude, kMaxSavedMagnitude); };
    for (auto& row : v.ax) {
        for (double& x : row) keepSavable(x);
    }
    for (double& x : v.nax) keepSavable(x);
    keepSavable(v.nang);
    keepSavable(v.rad);

    // Flags are tested both as "nonzero" and as "== 1"; keep them unambiguous.
    for (int8_t* flag : {&p.conhang, &p.conzeqx, &p.conyeqx, &p.congais, &p.conhensez, &p.conarchi,
                         &p.sphhang, &p.sphzeqx, &p.sphyeqx, &p.sphgais, &p.sphtei, &p.sphspon,
                         &p.sphsphg, &v.njim, &v.autoroton, &d.lightsquare, &d.lightmirror,
                         &d.lightmove, &d.person, &d.stereoon, &d.rezerse, &d.symmet, &d.ctpix, &d.exactdepth,
                         &d.fitwindow, &d.infopanel}) {
        KeepFlag(*flag);
    }

    // A mode that no menu entry produces goes back to its start value.
    const BuildParams startParams{};
    const DisplaySettings start{};
    KeepMode(p.kikaku, -1, 1, startParams.kikaku);
    // A colouring mode above the last one is kept: it draws unfilled, like
    // kFaceOpaque, and is saved again as read. A negative one goes back.
    if (d.facecolmode < kFaceTransparent) d.facecolmode = start.facecolmode;
    KeepMode(d.penbold, 0, 2, start.penbold);
    KeepMode(d.pencolmode, 0, 4, start.pencolmode);
    KeepMode(d.urapenbold, 0, 3, start.urapenbold);
    KeepMode(d.urapencolmode, 0, 7, start.urapencolmode);
    KeepMode(d.bkmode, 0, 2, start.bkmode);
    KeepMode(d.lightmode, 0, 3, start.lightmode);

    for (Colour* colour : {&d.facecol, &d.pencol, &d.urapencol, &d.bkcol, &d.shadowcol, &d.lightcol}) {
        *colour &= 0x00FFFFFFu;
    }
    for (Colour& colour : p.palette) colour &= 0x00FFFFFFu;
}

Status LoadSettingsFile(const std::string& path, AppState& state) {
    const Status loaded = LoadSettings(path, state);
    if (!loaded.ok()) return loaded;
    Rebuild(state.solid);
    ClampDisplayToFigure(state);
    return loaded;
}

}  // namespace gyro
