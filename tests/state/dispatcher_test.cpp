#include "state/dispatcher.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/solid_ops.h"

namespace gyro {
namespace {

AppState Showing(ShapeId figure, int16_t orgcolpat, int8_t fracn) {
    AppState state;
    InitAppState(state);
    ChangeFigure(state, figure);
    state.display.orgcolpat = orgcolpat;
    state.display.fracn = fracn;
    return state;
}

TEST(ChangeFigure, BringsThePatternBackIntoRangeWhereRebuildDoesNot) {
    AppState state = Showing(5, 4, 1);  // the cube's fifth of six patterns
    ChangeFigure(state, 9);
    EXPECT_EQ(state.display.orgcolpat, 4);  // the dodecahedron has six as well
    ChangeFigure(state, 6);                 // one pattern
    EXPECT_EQ(state.display.orgcolpat, 0);

    state = Showing(5, 4, 1);
    state.solid.zukei = 6;
    Rebuild(state.solid);
    EXPECT_EQ(state.solid.patternCount, 1);
    EXPECT_EQ(state.display.orgcolpat, 4);  // a rebuild leaves the display alone

    state = Showing(5, -3, 1);
    ChangeFigure(state, 5);
    EXPECT_EQ(state.display.orgcolpat, 0);
}

// A pattern is kept only below the new figure's count: the count itself is one
// past the last pattern.
TEST(ChangeFigure, KeepsAPatternOnlyBelowTheNewFiguresCount) {
    struct Row {
        ShapeId from;
        int16_t orgcolpat;
        ShapeId to;
        int16_t kept;
    };
    const Row kRows[] = {
        {5, 2, 400, 0},  // the pyramid has two patterns
        {5, 1, 400, 1},
        {416, 3, 415, 0},  // the torus has five, the ellipsoid three
        {416, 2, 415, 2},
        {5, 5, 9, 5},      // six and six
    };
    for (const Row& row : kRows) {
        AppState state = Showing(row.from, row.orgcolpat, 0);
        ChangeFigure(state, row.to);
        EXPECT_EQ(state.display.orgcolpat, row.kept) << row.from << " pattern " << row.orgcolpat << " -> " << row.to;
        EXPECT_LT(state.display.orgcolpat, state.solid.patternCount);
    }
}

TEST(ChangeFigure, LowersTheFractalDepthToTheFiguresLimit) {
    AppState state = Showing(5, 0, 5);
    ChangeFigure(state, 441);  // depth limit 4
    EXPECT_EQ(state.display.fracn, 4);
    state.display.fracn = 3;
    ChangeFigure(state, 440);  // depth limit 7
    EXPECT_EQ(state.display.fracn, 3);

    state = Showing(441, 0, 9);
    ChangeFigure(state, 5);  // an ordinary figure sets no limit
    EXPECT_EQ(state.display.fracn, 9);
    state.display.fracn = -2;
    ChangeFigure(state, 5);
    EXPECT_EQ(state.display.fracn, 0);
}

TEST(BuildFigure, ResetsThePerFigureFieldsAndLeavesUnknownNumbersEmpty) {
    Solid solid;
    InitSolid(solid);
    ASSERT_NE(BuildFigure(solid, 443), 0);
    ASSERT_EQ(solid.fractalDepthMax, 4);
    for (ShapeId unknown : {0, 13, 999, -7}) {
        EXPECT_EQ(BuildFigure(solid, unknown), 0) << unknown;
        EXPECT_EQ(solid.zukei, unknown);
        EXPECT_EQ(solid.vertexCount(), 0);
        EXPECT_EQ(solid.faceCount(), 0);
        EXPECT_EQ(solid.segmentCount(), 0);
        EXPECT_EQ(solid.patternCount, 1);
        EXPECT_EQ(solid.fractalDepthMax, 0);
        EXPECT_TRUE(solid.nameJa.empty());
        EXPECT_TRUE(solid.nameEn.empty());
        BuildFigure(solid, 9);
    }
    // A figure without an English name does not keep the previous one.
    BuildFigure(solid, 6);
    EXPECT_EQ(solid.nameJa, "立方体");
    EXPECT_TRUE(solid.nameEn.empty());
}

TEST(BuildFigure, KochSurfaceIsSevenLevelsOfOneFlatTriangle) {
    Solid solid;
    InitSolid(solid);  // conn 3: no bump
    ASSERT_NE(BuildFigure(solid, 451), 0);
    ASSERT_EQ(solid.faceCount(), 279936);
    ASSERT_EQ(solid.vertexCount(), 839808);
    EXPECT_EQ(solid.patternCount, 1);
    EXPECT_EQ(solid.fractalDepthMax, 0);
    EXPECT_TRUE(solid.nameJa.empty());
    // The whole triangle's corners: P0 leads the first block at every level,
    // P1 the second and P2 the third.
    int32_t blocks = 0;  // 3 (6^0 + ... + 6^6) vertices
    for (int32_t level = 0; level < 7; ++level) blocks += 3 * static_cast<int32_t>(IntPower(6, level));
    const double s = 800.0;
    const double h = std::sqrt(3.0) * s / 2;
    EXPECT_EQ(Length(solid.vertices[0] - Vec3{-h, -s / 2, 0}), 0.0);
    EXPECT_NEAR(Length(solid.vertices[blocks + 1] - Vec3{h, -s / 2, 0}), 0.0, 1e-9);
    EXPECT_NEAR(Length(solid.vertices[2 * blocks + 2] - Vec3{0, s, 0}), 0.0, 1e-9);
    for (int32_t f = 0; f < solid.faceCount(); f += 997) {
        const Face& face = solid.faces[f];
        ASSERT_EQ(TotalCorners(face), 3);
        for (int32_t c : face.corners) EXPECT_EQ(solid.vertices[c].z, 0.0);
    }
}

TEST(Lifecycle, InitSolidStartsFromTheDefaults) {
    Solid solid;
    solid.params.palette[3] = 0x00123456;
    solid.params.sikisourt = -2;
    solid.params.kikaku = 1;
    solid.params.conn = 9;
    solid.patternCount = 5;
    solid.fractalDepthMax = 3;
    solid.zukei = 40;
    InitSolid(solid);
    EXPECT_EQ(solid.params.kikaku, -1);
    EXPECT_EQ(solid.params.conn, 3);
    EXPECT_EQ(solid.params.palette, kDefaultPalette);
    EXPECT_EQ(solid.params.sikisourt, 1);
    EXPECT_EQ(solid.zukei, 5);
    EXPECT_EQ(solid.patternCount, 6);  // the cube carries six colour patterns
    EXPECT_EQ(solid.fractalDepthMax, 0);
}

}  // namespace
}  // namespace gyro
