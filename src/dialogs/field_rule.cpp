#include "dialogs/field_rule.h"

#include <charconv>
#include <cmath>
#include <string>

namespace gyro {

std::optional<double> ParseWholeNumber(std::string_view text, bool integer) {
    // The minus sign U+2212 (E2 88 92 in UTF-8) as '-'.
    std::string s;
    s.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 3) == "\xE2\x88\x92") {
            s.push_back('-');
            i += 2;
        } else {
            s.push_back(text[i]);
        }
    }
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    const size_t last = s.find_last_not_of(" \t");
    std::string_view body(s.data() + first, last - first + 1);
    bool negative = false;
    if (body.front() == '+' || body.front() == '-') {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    if (body.empty() || !((body.front() >= '0' && body.front() <= '9') || (!integer && body.front() == '.'))) {
        return std::nullopt;
    }
    for (char c : body) {
        const bool digit = c >= '0' && c <= '9';
        if (!digit && (integer || (c != '.' && c != 'e' && c != 'E' && c != '+' && c != '-'))) return std::nullopt;
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value,
                                           integer ? std::chars_format::fixed : std::chars_format::general);
    if (ec != std::errc() || end != body.data() + body.size() || !std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

FieldFault CheckField(const EditField& field, const FieldRange& range) {
    const std::optional<double> value = ParseWholeNumber(KeptText(field), range.integer);
    if (!value) return FieldFault::NotANumber;
    const bool aboveLowest = range.lowestOpen ? *value > range.lowest : *value >= range.lowest;
    return aboveLowest && *value <= range.highest ? FieldFault::None : FieldFault::OutOfRange;
}

}  // namespace gyro
