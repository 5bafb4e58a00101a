#include <gtest/gtest.h>

#include "model/colour.h"

namespace gyro {
namespace {

TEST(BlendColour, WeightsAreClampedAndRounded) {
    EXPECT_EQ(BlendColour(0x00FFFFFF, 0x00000000, 128), 0x00808080u);
    EXPECT_EQ(BlendColour(0x00123456, 0x00ABCDEF, 256), 0x00123456u);
    EXPECT_EQ(BlendColour(0x00123456, 0x00ABCDEF, 300), 0x00123456u);
    EXPECT_EQ(BlendColour(0x00123456, 0x00ABCDEF, 0), 0x00ABCDEFu);
    // A 16-bit value with the top bit set is negative and gives the second colour.
    EXPECT_EQ(BlendColour(0x00123456, 0x00ABCDEF, 0xFFFF), 0x00ABCDEFu);
    EXPECT_EQ(BlendColour(0x00123456, 0x00ABCDEF, -1), 0x00ABCDEFu);
    // The top byte never leaks into the result.
    EXPECT_EQ(BlendColour(0xFF000000, 0xFF000000, 128) & 0xFF000000u, 0u);
}

TEST(HueColour, CircleWrapsBothWays) {
    EXPECT_EQ(HueColour(0), 0x000000FFu);
    EXPECT_EQ(HueColour(1530), HueColour(0));
    EXPECT_EQ(HueColour(-1), HueColour(1529));
    EXPECT_EQ(HueColour(1529), RgbColour(255, 0, 1));
    EXPECT_EQ(HueColour(-1530 * 3 + 510), HueColour(510));
}

TEST(HueColour, SegmentsMeetWithoutRepeating) {
    EXPECT_EQ(RedOf(HueColour(256)), 254);
    EXPECT_EQ(BlueOf(HueColour(511)), 1);
    EXPECT_EQ(HueColour(255), RgbColour(255, 255, 0));
    EXPECT_EQ(HueColour(765), RgbColour(0, 255, 255));
    EXPECT_EQ(HueColour(1020), RgbColour(0, 0, 255));
    EXPECT_EQ(HueColour(1275), RgbColour(255, 0, 255));
    for (int h = 0; h < 1530; ++h) {
        EXPECT_NE(HueColour(h), HueColour(h + 1)) << h;
    }
}

}  // namespace
}  // namespace gyro
