#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "model/char_conv.h"

namespace gyro {
namespace {

// The C-library fallbacks, used where the standard library lacks the
// floating-point conversions (the web build), give exactly what the standard
// library gives here: the same text, the same end, the same error, the same value.

TEST(CharConv, FixedSixDecimalsAsTheStandardLibrary) {
    const double values[] = {0.0, -0.0, 1.0, -1.0, 0.5e-6, 0.4999e-6, -0.5e-6, 1.0000005, 2.0000005,
                             123456.7890125, 1e100, -1.7e100, 1e-300, 0.1, 1.0 / 3.0,
                             std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min()};
    for (double v : values) {
        char ours[400], theirs[400];
        const auto a = ToCharsFixed6ByC(ours, ours + sizeof ours, v);
        const auto b = std::to_chars(theirs, theirs + sizeof theirs, v, std::chars_format::fixed, 6);
        ASSERT_EQ(a.ec, b.ec) << v;
        EXPECT_EQ(std::string(ours, a.ptr), std::string(theirs, b.ptr)) << v;
    }
    char small[4];
    EXPECT_EQ(ToCharsFixed6ByC(small, small + sizeof small, 1.0).ec, std::errc::value_too_large);
}

TEST(CharConv, ParsingAsTheStandardLibrary) {
    struct Case {
        const char* text;
        std::chars_format format;
    };
    const auto general = std::chars_format::general;
    const auto hex = std::chars_format::hex;
    const Case cases[] = {
        {"1.5", general},   {"1.5e3x", general}, {".5", general},      {"5.", general},     {"e5", general},
        {"", general},      {" 1", general},     {"+1", general},      {"-1", general},     {"inf", general},
        {"INFINITY", general}, {"nan", general}, {"0x1p3", general},   {"1e400", general},  {"1e-400", general},
        {"1e", general},    {"1e+", general},    {"12abc", general},   {"0.000001", general},
        {"1p+0", hex},      {"1.8p1", hex},      {"x", hex},           {"ffp-4", hex},      {".8p1", hex},
        {"1p", hex},        {"0x1p0", hex},      {"1.fffffffffffffp+1023", hex}, {"g", hex}, {" 1p0", hex},
    };
    for (const Case& c : cases) {
        const char* const first = c.text;
        const char* const last = c.text + std::strlen(c.text);
        double ours = -7.0, theirs = -7.0;
        const auto a = FromCharsDoubleByC(first, last, ours, c.format);
        const auto b = std::from_chars(first, last, theirs, c.format);
        ASSERT_EQ(a.ec, b.ec) << '"' << c.text << '"';
        EXPECT_EQ(a.ptr - first, b.ptr - first) << '"' << c.text << '"';
        if (b.ec == std::errc{}) {
            if (std::isnan(theirs)) {
                EXPECT_TRUE(std::isnan(ours)) << c.text;
            } else {
                EXPECT_EQ(ours, theirs) << '"' << c.text << '"';
            }
        }
    }
}

}  // namespace
}  // namespace gyro
