#include "dialogs/family_dialog_values.h"

#include <algorithm>
#include <limits>

#include "model/limits.h"

namespace gyro {

namespace family_dialog {

std::optional<int64_t> ParseInteger(std::string_view typed) {
    // A Japanese input method types full-width digits, signs and spaces; they
    // count as their ASCII forms.
    std::string ascii;
    for (size_t i = 0; i < typed.size(); ++i) {
        const std::string_view rest = typed.substr(i);
        if (rest.size() >= 3 && rest.substr(0, 2) == "\xEF\xBC" && static_cast<unsigned char>(rest[2]) >= 0x90 &&
            static_cast<unsigned char>(rest[2]) <= 0x99) {
            ascii += static_cast<char>('0' + (static_cast<unsigned char>(rest[2]) - 0x90));
            i += 2;
        } else if (rest.starts_with("\xEF\xBC\x8D") || rest.starts_with("\xE2\x88\x92")) {  // － −
            ascii += '-';
            i += 2;
        } else if (rest.starts_with("\xEF\xBC\x8B")) {  // ＋
            ascii += '+';
            i += 2;
        } else if (rest.starts_with("\xE3\x80\x80")) {  // ideographic space
            ascii += ' ';
            i += 2;
        } else {
            ascii += typed[i];
        }
    }
    std::string_view text = ascii;
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 18) return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

}  // namespace family_dialog

namespace {

using family_dialog::ParseInteger;

template <class T>
bool Fits(int64_t v) {
    return v >= std::numeric_limits<T>::min() && v <= std::numeric_limits<T>::max();
}

// The typed value when the field can hold it; otherwise the value in force is
// written back, and the field becomes the one to look at if none is yet.
template <class T, size_t N>
std::optional<int64_t> Read(const std::array<std::string, N>& text, int field, T current,
                            std::array<std::optional<std::string>, N>& rewrite, int& focus) {
    const std::optional<int64_t> v = ParseInteger(text[size_t(field)]);
    if (v && Fits<T>(*v)) return v;
    rewrite[size_t(field)] = std::to_string(current);
    if (focus < 0) focus = field;
    return std::nullopt;
}

void Mark(int field, int& focus) {
    if (focus < 0) focus = field;
}

int8_t OneIf(bool on) { return on ? 1 : 0; }

}  // namespace

namespace prism_dialog {

Values FromSolid(const Solid& solid) {
    const BuildParams& p = solid.params;
    Values v;
    v.text = {std::to_string(p.conn), std::to_string(p.conpn), std::to_string(p.conh),
              std::to_string(p.conwx), std::to_string(p.conwz), std::to_string(p.consx),
              std::to_string(p.consz), std::to_string(p.conarg), std::to_string(p.conapm)};
    v.flags = {p.conhang != 0, p.conzeqx != 0, p.conyeqx != 0, p.congais != 0, p.conhensez != 0, p.conarchi != 0};
    const bool own = std::find(kFigures.begin(), kFigures.end(), solid.zukei) != kFigures.end();
    v.figure = own ? solid.zukei : kFigures[0];
    return v;
}

Check CheckValues(const Values& values, const BuildParams& current) {
    Check c;
    // The counts are read whole; only a value that passes is cut to 16 bits.
    const std::optional<int64_t> n = Read(values.text, kCorners, int64_t{current.conn}, c.rewrite, c.focus);
    const std::optional<int64_t> k = Read(values.text, kStep, int64_t{current.conpn}, c.rewrite, c.focus);
    if (n) {
        if (*n > kMaxCorners) {
            c.tooManyCorners = true;
            c.rewrite[kCorners] = std::to_string(*n);
            Mark(kCorners, c.focus);
        } else if (*n < 2) {
            c.rewrite[kCorners] = std::to_string(2);
            Mark(kCorners, c.focus);
        }
        // Against the count as typed, as the user sees the pair.
        if (k && *k > *n / 2) {
            c.rewrite[kStep] = std::to_string(*n / 2);
            Mark(kStep, c.focus);
        } else if (k && *k < 1) {
            c.rewrite[kStep] = std::to_string(1);
            Mark(kStep, c.focus);
        }
    }
    Read(values.text, kHeight, current.conh, c.rewrite, c.focus);
    Read(values.text, kWidthX, current.conwx, c.rewrite, c.focus);
    Read(values.text, kWidthZ, current.conwz, c.rewrite, c.focus);
    Read(values.text, kShearX, current.consx, c.rewrite, c.focus);
    Read(values.text, kShearZ, current.consz, c.rewrite, c.focus);
    // Any whole number of degrees is taken round to -359..359.
    Read(values.text, kBaseAngle, int64_t{current.conarg}, c.rewrite, c.focus);
    Read(values.text, kTwist, int64_t{current.conapm}, c.rewrite, c.focus);
    c.accepted = !c.tooManyCorners && c.focus < 0;
    return c;
}

void Store(const Values& values, Solid& solid) {
    BuildParams& p = solid.params;
    auto value = [&](int field) { return ParseInteger(values.text[size_t(field)]).value_or(0); };
    p.conn = WrapInt16(value(kCorners));
    p.conpn = WrapInt16(value(kStep));
    p.conh = static_cast<int32_t>(value(kHeight));
    p.conwx = static_cast<int32_t>(value(kWidthX));
    p.conwz = static_cast<int32_t>(value(kWidthZ));
    p.consx = static_cast<int32_t>(value(kShearX));
    p.consz = static_cast<int32_t>(value(kShearZ));
    p.conarg = static_cast<int16_t>(value(kBaseAngle) % 360);
    p.conapm = static_cast<int16_t>(value(kTwist) % 360);
    p.conhang = OneIf(values.flags[kHalfStep]);
    p.conzeqx = OneIf(values.flags[kZEqualsX]);
    p.conyeqx = OneIf(values.flags[kYEqualsX]);
    p.congais = OneIf(values.flags[kCircumradius]);
    p.conhensez = OneIf(values.flags[kEdgeTangent]);
    p.conarchi = OneIf(values.flags[kArchimedean]);
    solid.zukei = values.figure;
}

}  // namespace prism_dialog

namespace hue_dialog {

Values FromParams(const BuildParams& params) {
    return {{std::to_string(params.sikisouhz), std::to_string(params.sikisoufq), std::to_string(params.sikisourt)}};
}

Check CheckValues(const Values& values, const BuildParams& current) {
    Check c;
    Read(values.text, kRevolutions, current.sikisouhz, c.rewrite, c.focus);
    Read(values.text, kStartHue, int64_t{current.sikisoufq}, c.rewrite, c.focus);
    Read(values.text, kSwirl, current.sikisourt, c.rewrite, c.focus);
    c.accepted = c.focus < 0;
    return c;
}

void Store(const Values& values, BuildParams& params) {
    auto value = [&](int field) { return ParseInteger(values.text[size_t(field)]).value_or(0); };
    params.sikisouhz = static_cast<int16_t>(value(kRevolutions));
    int64_t hue = value(kStartHue) % 1530;
    if (hue < 0) hue += 1530;
    params.sikisoufq = static_cast<int16_t>(hue);
    params.sikisourt = static_cast<int16_t>(value(kSwirl));
}

}  // namespace hue_dialog

}  // namespace gyro
