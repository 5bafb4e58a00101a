#include "dialogs/field_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace gyro {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t CountChars(std::string_view s) {
    // Continuation bytes of UTF-8 do not start a character.
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::size_t SkipBlanks(std::string_view s, std::size_t i) {
    while (i < s.size() && IsBlank(s[i])) ++i;
    return i;
}

std::size_t SkipDigits(std::string_view s, std::size_t i) {
    while (i < s.size() && IsDigit(s[i])) ++i;
    return i;
}

}  // namespace

EditField MakeField(std::string text, int limit) {
    const std::size_t typed = limit > 1 ? static_cast<std::size_t>(limit - 1) : 0;
    EditField field;
    field.room = std::max(typed, CountChars(text));
    field.text = std::move(text);
    return field;
}

void Rewrite(EditField& field, std::string text) {
    field.room = std::max(field.room, CountChars(text));
    field.text = std::move(text);
}

std::string FormatInt(int64_t value) { return std::to_string(value); }

std::string FormatFixed(double value) {
    // The longest double in fixed notation has 309 integer digits; grow until it fits.
    std::string out(32, '\0');
    for (;;) {
        const auto [end, ec] = std::to_chars(out.data(), out.data() + out.size(), value, std::chars_format::fixed, 6);
        if (ec == std::errc()) {
            out.resize(static_cast<std::size_t>(end - out.data()));
            return out;
        }
        out.resize(out.size() * 2);
    }
}

int64_t ParseIntPrefix(std::string_view s) {
    std::size_t i = SkipBlanks(s, 0);
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    // Far beyond any field width; the cap only keeps a long digit run from overflowing.
    constexpr int64_t kCap = int64_t{1} << 62;
    int64_t value = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i) value = value > kCap / 10 ? kCap : std::min(kCap, value * 10 + (s[i] - '0'));
    return negative ? -value : value;
}

double ParseDoublePrefix(std::string_view s) {
    std::size_t i = SkipBlanks(s, 0);
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    const std::size_t start = i;
    std::size_t end = SkipDigits(s, i);
    bool digits = end > start;
    if (end < s.size() && s[end] == '.') {
        const std::size_t fractionEnd = SkipDigits(s, end + 1);
        digits = digits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!digits) return 0.0;
    if (end < s.size() && (s[end] == 'e' || s[end] == 'E')) {
        std::size_t e = end + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
        const std::size_t exponentEnd = SkipDigits(s, e);
        if (exponentEnd > e) end = exponentEnd;
    }
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(s.data() + start, s.data() + end, value, std::chars_format::general);
    // Too large (or too small) for a double: not a number the viewer can use.
    if (ec != std::errc() || ptr != s.data() + end || !std::isfinite(value)) return 0.0;
    return negative ? -value : value;
}

std::string_view KeptText(const EditField& field) {
    std::string_view s = field.text;
    std::size_t chars = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((s[i] & 0xC0) == 0x80) continue;
        if (chars++ == field.room) return s.substr(0, i);
    }
    return s;
}

int64_t ReadInt(const EditField& field) { return ParseIntPrefix(KeptText(field)); }

double ReadDouble(const EditField& field) { return ParseDoublePrefix(KeptText(field)); }

}  // namespace gyro
