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

bool Within(int64_t v, const FieldRange& range) {
    const double d = static_cast<double>(v);
    return d >= range.lowest && d <= range.highest;
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

FieldRange RangeOf(int field, const Values& values) {
    switch (field) {
        case kCorners: return {2, kMaxCorners};
        case kStep: {
            const std::optional<int64_t> n = ParseInteger(values.text[kCorners]);
            const int64_t half = n && *n >= 2 && *n <= kMaxCorners ? *n / 2 : kMaxCorners / 2;
            return {1, static_cast<double>(half)};
        }
        case kBaseAngle:
        case kTwist: return kAnyIntegerRange;  // taken round to -359..359
        default: return kInt32Range;
    }
}

Check CheckValues(const Values& values) {
    Check c;
    auto refuse = [&](int field) {
        if (c.focus >= 0) return;
        c.focus = field;
        c.range = RangeOf(field, values);
    };
    for (int i = 0; i < kFieldCount; ++i) {
        if (values.enabled[size_t(i)] && !ParseInteger(values.text[size_t(i)])) refuse(i);
    }
    if (c.focus >= 0) return c;

    // The counts are read whole; only a value that passes is cut to 16 bits.
    const int64_t n = *ParseInteger(values.text[kCorners]);
    const int64_t k = *ParseInteger(values.text[kStep]);
    if (n > kMaxCorners) {
        c.tooManyCorners = true;
        c.rewrite[kCorners] = std::to_string(n);
        refuse(kCorners);
    } else if (n < 2) {
        c.rewrite[kCorners] = std::to_string(2);
        refuse(kCorners);
    }
    // Against the count as typed, as the user sees the pair.
    if (k > n / 2) {
        c.rewrite[kStep] = std::to_string(n / 2);
        refuse(kStep);
    } else if (k < 1) {
        c.rewrite[kStep] = std::to_string(1);
        refuse(kStep);
    }
    for (int i = kHeight; i < kFieldCount; ++i) {
        if (values.enabled[size_t(i)] && !Within(*ParseInteger(values.text[size_t(i)]), RangeOf(i, values))) refuse(i);
    }
    c.accepted = !c.tooManyCorners && c.focus < 0;
    return c;
}

void Store(const Values& values, Solid& solid) {
    BuildParams& p = solid.params;
    auto value = [&](int field, int64_t current) {
        const std::optional<int64_t> v = ParseInteger(values.text[size_t(field)]);
        return v && Within(*v, RangeOf(field, values)) ? *v : current;
    };
    p.conn = WrapInt16(value(kCorners, p.conn));
    p.conpn = WrapInt16(value(kStep, p.conpn));
    p.conh = static_cast<int32_t>(value(kHeight, p.conh));
    p.conwx = static_cast<int32_t>(value(kWidthX, p.conwx));
    p.conwz = static_cast<int32_t>(value(kWidthZ, p.conwz));
    p.consx = static_cast<int32_t>(value(kShearX, p.consx));
    p.consz = static_cast<int32_t>(value(kShearZ, p.consz));
    p.conarg = static_cast<int16_t>(value(kBaseAngle, p.conarg) % 360);
    p.conapm = static_cast<int16_t>(value(kTwist, p.conapm) % 360);
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

FieldRange RangeOf(int field) { return field == kStartHue ? kAnyIntegerRange : kInt16Range; }

Check CheckValues(const Values& values) {
    Check c;
    for (int i = 0; i < kFieldCount; ++i) {
        const std::optional<int64_t> v = ParseInteger(values.text[size_t(i)]);
        if (!v || !Within(*v, RangeOf(i))) {
            c.focus = i;
            c.range = RangeOf(i);
            return c;
        }
    }
    c.accepted = true;
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
