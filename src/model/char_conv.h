#pragma once

// Floating-point text conversions with the rules of std::to_chars and
// std::from_chars. Standard libraries without the floating-point overloads
// (libc++ before 14, as in the web build) get a fallback over the C library
// that keeps those rules: no leading blanks or sign, no "0x" taken in the
// general format, the end of the longest valid prefix reported.

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

namespace gyro {

// The fallbacks over the C library, defined everywhere so that they are tested
// against the standard library where it has the overloads.
inline std::to_chars_result ToCharsFixed6ByC(char* first, char* last, double value) {
    // The longest "%.6f" of a double is 317 characters and its terminating zero.
    char text[400];
    const int n = std::snprintf(text, sizeof text, "%.6f", value);
    if (n < 0 || n >= static_cast<int>(sizeof text) || n > last - first) return {last, std::errc::value_too_large};
    std::memcpy(first, text, static_cast<size_t>(n));
    return {first + n, std::errc{}};
}

inline std::from_chars_result FromCharsDoubleByC(const char* first, const char* last, double& value,
                                                 std::chars_format format) {
    const bool hex = format == std::chars_format::hex;
    const auto isHexDigit = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    };
    // A minus sign is taken, a plus sign is not.
    const bool negative = first != last && *first == '-';
    const char* const digits = first + (negative ? 1 : 0);
    if (digits == last) return {first, std::errc::invalid_argument};
    const char c = *digits;
    const bool startsWell = hex ? (isHexDigit(c) || c == '.')
                                : ((c >= '0' && c <= '9') || c == '.' || c == 'i' || c == 'I' || c == 'n' ||
                                   c == 'N');
    if (!startsWell) return {first, std::errc::invalid_argument};
    std::string text = negative ? "-" : "";
    if (hex) text += "0x";
    // strtod would read "0x..." as hexadecimal; the general format stops after the 0.
    if (!hex && last - digits > 1 && c == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        text += '0';
    } else {
        text.append(digits, last);
    }
    const size_t prefix = hex ? 2 : 0;  // "0x", which is not in the caller's text
    char* end = nullptr;
    errno = 0;
    const double parsed = std::strtod(text.c_str(), &end);
    const size_t used = static_cast<size_t>(end - text.c_str());
    if (used <= prefix + (negative ? 1 : 0)) return {first, std::errc::invalid_argument};
    const char* const stop = first + (used - prefix);
    if (errno == ERANGE) return {stop, std::errc::result_out_of_range};
    value = parsed;
    return {stop, std::errc{}};
}

// "%.6f" of `value` into [first, last).
inline std::to_chars_result ToCharsFixed6(char* first, char* last, double value) {
#if defined(__cpp_lib_to_chars)
    return std::to_chars(first, last, value, std::chars_format::fixed, 6);
#else
    return ToCharsFixed6ByC(first, last, value);
#endif
}

// std::from_chars(first, last, value, format) for `general` or `hex`.
inline std::from_chars_result FromCharsDouble(const char* first, const char* last, double& value,
                                              std::chars_format format) {
#if defined(__cpp_lib_to_chars)
    return std::from_chars(first, last, value, format);
#else
    return FromCharsDoubleByC(first, last, value, format);
#endif
}

}  // namespace gyro
