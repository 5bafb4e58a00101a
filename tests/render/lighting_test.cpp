#include <gtest/gtest.h>

#include <cmath>

#include "model/colour.h"
#include "render/lighting.h"
#include "view/motion.h"

namespace gyro {
namespace {

constexpr Colour kGrey = 0x808080;
constexpr Colour kBase = 0x204080;

double Brightness(const DisplaySettings& d, Vec3 n) { return FaceBrightness(d, LightVector(d), n, Length(n)); }

void ExpectVecNear(Vec3 a, Vec3 b) {
    EXPECT_NEAR(a.x, b.x, 1e-12);
    EXPECT_NEAR(a.y, b.y, 1e-12);
    EXPECT_NEAR(a.z, b.z, 1e-12);
}

TEST(Lighting, StartValuesShadeAndGloss) {
    const DisplaySettings d;
    ExpectVecNear(LightVector(d), {0, 0, 1});
    const double facing = Brightness(d, {0, 0, 5});
    EXPECT_NEAR(facing, 0.95, 1e-12);
    EXPECT_EQ(ShadeColour(d, kBase, facing), BlendColour(d.lightcol, kBase, 230));
    const double edgeOn = Brightness(d, {3, 0, 0});
    EXPECT_NEAR(edgeOn, 0.05, 1e-12);
    EXPECT_EQ(ShadeColour(d, kBase, edgeOn), BlendColour(kBase, d.shadowcol, 25));
    const double sixty = Brightness(d, {std::sqrt(3.0), 0, 1});
    EXPECT_NEAR(sixty, 0.5, 1e-12);
    EXPECT_EQ(ShadeColour(d, kBase, 0.5), kBase);
    EXPECT_NEAR(Brightness(d, {0, 0, -1}), 0.05, 1e-12);  // turned away: the minimum
}

TEST(Lighting, WrapAroundAndSCurve) {
    DisplaySettings d;
    d.lightmin = 0;
    d.lightmax = 100;  // brightness = I
    d.lightdep = 100;
    EXPECT_NEAR(Brightness(d, {0, 0, -1}), 0.0, 1e-12);
    EXPECT_NEAR(Brightness(d, {1, 0, 0}), 0.5, 1e-12);
    d.lightdep = 0;
    d.lightsquare = 1;
    EXPECT_NEAR(Brightness(d, {std::sqrt(15.0), 0, 1}), 0.125, 1e-12);    // I = 0.25
    EXPECT_NEAR(Brightness(d, {std::sqrt(7.0), 0, 3}), 0.875, 1e-12);     // I = 0.75
    EXPECT_NEAR(Brightness(d, {std::sqrt(3.0), 0, 1}), 0.5, 1e-12);
    d.lightsquare = 0;
    d.lightdep = -100;  // below what the settings check allows: treated as -99, never NaN
    const double b = Brightness(d, {0, 0, 1});
    EXPECT_NEAR(b, 1.0, 1e-12);
    EXPECT_NEAR(Brightness(d, {1, 0, 0}), 0.0, 1e-12);
}

TEST(Lighting, MirrorFormula) {
    DisplaySettings d;
    d.lightmin = 0;
    d.lightmax = 100;
    d.lightmirror = 1;
    EXPECT_NEAR(Brightness(d, {0, 0, 2}), 1.0, 1e-12);
    EXPECT_NEAR(Brightness(d, {1, 0, 1}), 0.0, 1e-12);
}

TEST(Lighting, ShadeColourByLightMode) {
    DisplaySettings d;
    d.shadowcol = 0x000010;
    d.lightcol = 0xF0F0F0;
    // lightmode: {brightness 0, brightness 1}
    const Colour ends[4][2] = {{kBase, kBase}, {0x000010, kBase}, {kBase, 0xF0F0F0}, {0x000010, 0xF0F0F0}};
    for (int8_t m = 0; m < 4; ++m) {
        d.lightmode = m;
        EXPECT_EQ(ShadeColour(d, kBase, 0.0), ends[m][0]) << int{m};
        EXPECT_EQ(ShadeColour(d, kBase, 1.0), ends[m][1]) << int{m};
    }
    EXPECT_EQ(ShadeColour(d, kGrey, 0.25), BlendColour(kGrey, 0x000010, 128));
    // Brightness beyond [0, 1] (unchecked settings) or NaN stays within the blend range.
    EXPECT_EQ(ShadeColour(d, kBase, 7.0), 0xF0F0F0u);
    EXPECT_EQ(ShadeColour(d, kBase, -7.0), 0x000010u);
    EXPECT_EQ(ShadeColour(d, kBase, std::nan("")), kBase);
}

TEST(Lighting, AnglesAndDrift) {
    DisplaySettings d;
    d.lightang1 = 900;
    ExpectVecNear(LightVector(d), {1, 0, 0});  // longitude swings the light to the right
    d.lightang1 = 0;
    d.lightang2 = 900;
    ExpectVecNear(LightVector(d), {0, 1, 0});  // latitude raises it
    d.lightang2 = 0;

    ViewState view;
    for (int frame = 0; frame < 60; ++frame) AdvancePeriodicMotion(view, d);
    ExpectVecNear(LightVector(d), {0, 0, 1});  // drift counts only with lightmove
    d.lightmove = 1;
    ExpectVecNear(LightVector(d), {1, 0, 0});
    for (int frame = 60; frame < 240; ++frame) AdvancePeriodicMotion(view, d);
    ExpectVecNear(LightVector(d), {0, 0, 1});  // one turn in 240 frames
    d.lightang1 = 32000;
    d.lightang1ofs = 1000;  // the sum wraps as a 16-bit value
    const double a = static_cast<int16_t>(33000) * std::acos(-1.0) / 1800;
    ExpectVecNear(LightVector(d), {std::sin(a), 0, std::cos(a)});
}

}  // namespace
}  // namespace gyro
