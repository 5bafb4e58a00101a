#include <gtest/gtest.h>

#include "model/colour.h"
#include "model/solid_ops.h"
#include "render/colouring.h"

namespace gyro {
namespace {

// One face per test, its normal pointing along `n` (a triangle at the origin).
struct OneFace {
    Solid solid;
    DisplaySettings d;

    explicit OneFace(Vec3 n = {0, 0, 1}, int corners = 3) {
        // Two directions across n, wound so that FaceNormal gives n back.
        const Vec3 helper = std::fabs(n.x) < 0.5 ? Vec3{1, 0, 0} : Vec3{0, 1, 0};
        const Vec3 u = Cross(n, helper);
        const Vec3 v = Cross(n, u);
        solid.vertices = {{0, 0, 0}, u + v, u};
        solid.faces.resize(1);
        SetFacePolygon(solid.faces[0], corners);
        for (int i = 0; i < corners; ++i) solid.faces[0].corners[i] = i % 3;
    }
    Colour Base(int mode, int32_t index = 0) {
        d.facecolmode = static_cast<int8_t>(mode);
        return FaceBaseColour(solid.faces[0], index, solid, d);
    }
};

TEST(FaceBaseColour, EightColoursCycle) {
    OneFace f;
    const Colour expected[] = {0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF, 0x000000, 0x0000FF};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(f.Base(3, i), expected[i]) << "face " << i;
}

TEST(FaceBaseColour, TwentySevenColoursAndTwelveHues) {
    OneFace f;
    EXPECT_EQ(f.Base(4, 0), RgbColour(255, 0, 0));
    EXPECT_EQ(f.Base(4, 1), RgbColour(0, 128, 0));
    EXPECT_EQ(f.Base(4, 2), RgbColour(128, 128, 0));
    EXPECT_EQ(f.Base(4, 27), f.Base(4, 0));
    EXPECT_EQ(f.Base(5, 1), HueColour(127));
    EXPECT_EQ(f.Base(5, 12), f.Base(5, 0));
    EXPECT_EQ(f.Base(5, 1000000), HueColour(1000000 * 255 / 2));  // large meshes do not overflow
}

TEST(FaceBaseColour, ByTotalCornerCount) {
    const BuildParams params;
    EXPECT_EQ(OneFace({0, 0, 1}, 3).Base(6), params.palette[0]);
    EXPECT_EQ(OneFace({0, 0, 1}, 5).Base(6), params.palette[2]);
    EXPECT_EQ(OneFace({0, 0, 1}, 7).Base(6), params.palette[8]);
    EXPECT_EQ(OneFace({0, 0, 1}, 12).Base(6), params.palette[8]);
    OneFace twoTriangles;  // counted as a hexagon
    SetFacePolygons(twoTriangles.solid.faces[0], 3, 2);
    EXPECT_EQ(twoTriangles.Base(6), params.palette[3]);
}

TEST(FaceBaseColour, ByDirectionWithPoles) {
    const BuildParams params;
    EXPECT_EQ(OneFace({0, 0, -1}).Base(7), params.palette[9]);
    EXPECT_EQ(OneFace({0, 0, 1}).Base(7), params.palette[8]);
    EXPECT_EQ(OneFace({0, 0, -1}).Base(8), params.palette[9]);
    const Colour tilted = OneFace({0, 0.000001, -1}).Base(7);
    EXPECT_NE(tilted, params.palette[9]);
    EXPECT_EQ(tilted, HueColour(1147));  // phi = pi/2, theta just below pi: q = trunc(-1147.49...)
    // Equator: theta = pi/2, phi = 0, weight 0 in mode 8.
    EXPECT_EQ(OneFace({1, 0, 0}).Base(7), RgbColour(128, 255, 0));
    EXPECT_EQ(OneFace({1, 0, 0}).Base(8), RgbColour(128, 255, 0));
    // Half-way up: mode 8 mixes half the white pole in.
    OneFace up({1, 0, 1});
    EXPECT_EQ(up.Base(8), BlendColour(params.palette[8], up.Base(7), 128));
}

TEST(FaceBaseColour, IntrinsicFractalSingleAndGrey) {
    OneFace f;
    f.solid.patternCount = 2;
    f.solid.faces[0].colours = {11, 22, 33, 44, 55, 66, 77};
    f.d.orgcolpat = 1;
    EXPECT_EQ(f.Base(9), 22u);
    for (int16_t stray : {2, 7, 300, -1}) {  // beyond the figure's patterns: pattern 0
        f.d.orgcolpat = stray;
        EXPECT_EQ(f.Base(9), 11u) << stray;
    }
    f.solid.fractalTopIndex = 13;
    EXPECT_EQ(f.Base(10), f.solid.params.palette[3]);
    f.d.facecol = 0x123456;
    EXPECT_EQ(f.Base(11), 0x123456u);
    const Colour byLightMode[] = {0x808080, 0xFFFFFF, 0x000000, 0x808080};
    for (int8_t m = 0; m < 4; ++m) {
        f.d.lightmode = m;
        EXPECT_EQ(f.Base(2), byLightMode[m]);
    }
    f.d.lightmode = 9;  // stray: like the start value 3
    EXPECT_EQ(f.Base(2), 0x808080u);
    f.d.lightmode = 3;
    EXPECT_EQ(f.Base(-5), 0x808080u);  // stray negative mode: the start value's grey
}

TEST(LineColours, FollowBackgroundAndVisibleLines) {
    DisplaySettings d;
    EXPECT_EQ(BackgroundColour(d), 0x000000u);
    EXPECT_EQ(LineColour(d), 0xFFFFFFu);   // opposite of black
    EXPECT_EQ(HiddenColour(d), 0x000000u);  // same as the background
    d.bkmode = 2;
    d.bkcol = 0x00FFFF00;  // cyan
    EXPECT_EQ(BackgroundColour(d), 0x00FFFF00u);
    EXPECT_EQ(LineColour(d), 0x000000FFu);  // red
    d.urapencolmode = 5;
    EXPECT_EQ(HiddenColour(d), 0x00FFFF00u);

    d.bkmode = 0;
    d.pencolmode = 1;
    d.urapencolmode = 6;
    EXPECT_EQ(HiddenColour(d), 0x00808080u);
    d.bkmode = 1;
    d.pencolmode = 0;
    EXPECT_EQ(HiddenColour(d), 0x00808080u);
    d.pencolmode = 4;
    d.pencol = 0x0000FF00;
    d.urapencolmode = 4;
    EXPECT_EQ(HiddenColour(d), 0x0000FF00u);
    d.urapencolmode = 7;
    d.urapencol = 0x00ABCDEF;
    EXPECT_EQ(HiddenColour(d), 0x00ABCDEFu);
}

TEST(LineColours, StrayModesBehaveLikeTheStartValues) {
    DisplaySettings stray;
    stray.bkmode = 3;
    stray.pencolmode = -1;
    stray.urapencolmode = 8;
    const DisplaySettings start;
    EXPECT_EQ(BackgroundColour(stray), BackgroundColour(start));
    EXPECT_EQ(LineColour(stray), LineColour(start));
    EXPECT_EQ(HiddenColour(stray), HiddenColour(start));
    EXPECT_EQ(EffectiveFaceColMode(12), 1);  // above the table: unfilled like "不透明"
    EXPECT_EQ(EffectiveFaceColMode(-1), 2);
    stray.penbold = 0;
    stray.urapenbold = 44;  // like "same as the visible lines"
    EXPECT_EQ(HiddenWidthMode(stray), 0);
}

}  // namespace
}  // namespace gyro
