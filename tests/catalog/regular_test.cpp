#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <utility>
#include <vector>

#include "catalog/builders.h"
#include "catalog/catalogue.h"
#include "state/app_state.h"
#include "state/dispatcher.h"
#include "model/solid_ops.h"
#include "support/figure_table.h"
#include "support/invariants.h"

namespace gyro {
namespace {

using test::CornerCounts;
using test::InvariantOptions;

constexpr InvariantOptions kConvexRegular = test::kConvexEqualEdges;
constexpr InvariantOptions kClosed = test::kClosedSolid;
constexpr InvariantOptions kClosedEqualEdges{.closed = true, .oriented = true, .equalEdges = true};
// Star solids: every edge between two faces, each face turned away from the centre.
constexpr InvariantOptions kStarEqualEdges{.closed = true, .equalEdges = true};
constexpr InvariantOptions kStar{.closed = true};
// Hemi-polyhedra: faces through the centre, not orientable.
constexpr InvariantOptions kHemi{.closed = true, .equalEdges = true};
// Duals of hemi-polyhedra: bands to far points stand in for vertices at infinity.
constexpr InvariantOptions kFarBands{.planar = false, .outward = false};

const double kPhi = (1.0 + std::sqrt(5.0)) / 2.0;
// The icosahedron's circumradius : inradius.
const double kIcosahedronRatio = std::sqrt(15.0 - 6.0 * std::sqrt(5.0));
// Around an icosahedron of circumradius 800: the tetrahedron over four of its
// faces, and the cube on whose faces its corners lie.
const double kTetrahedronAroundIcosahedron = 3.0 * 800.0 / kIcosahedronRatio;
const double kCubeAroundIcosahedron = kTetrahedronAroundIcosahedron / kPhi;
// Corners of the truncated dodecahedron inside a dodecahedron of circumradius 800.
constexpr double kTruncatedInDodecahedron = 758.1629996774983;
constexpr InvariantOptions kWire{};

// What one figure must show when built with the default parameters (kikaku -1).
using test::FigureFacts;

// The regular solids grow with kikaku by their own ratios; the rows hold at kikaku -1.
class RegularFigure : public ::testing::TestWithParam<FigureFacts> {};

TEST_P(RegularFigure, ShowsItsFacts) { test::ExpectFigureFacts(GetParam(), -1); }

const FigureFacts kFigures[] = {
    {1, 4, 4, {{3, 4}}, 800, 3, kConvexRegular},
    {2, 4, 4, {{3, 4}}, 800, 3, kConvexRegular},
    {3, 8, 4, {{3, 4}}, 800, 2, kClosedEqualEdges},
    {4, 8, 4, {{3, 4}}, 800, 2, kClosedEqualEdges},
    {5, 8, 6, {{4, 6}}, 800, 6, kConvexRegular},
    {6, 8, 6, {{4, 6}}, 800, 1, kConvexRegular},
    {7, 6, 8, {{3, 8}}, 800, 6, kConvexRegular},
    {8, 6, 8, {{3, 8}}, 800, 1, kConvexRegular},
    {9, 20, 12, {{5, 12}}, 800, 6, kConvexRegular},
    {10, 20, 12, {{5, 12}}, 800, 1, kConvexRegular},
    {11, 12, 20, {{3, 20}}, 800, 6, kConvexRegular},
    {12, 12, 20, {{3, 20}}, 800, 1, kConvexRegular},

    {15, 20, 12, {{5, 12}}, 800, 6, kStarEqualEdges},
    {16, 32, 60, {{3, 60}}, 800, 1, kClosed},
    {17, 32, 12, {{10, 12}}, 800, 6, kClosed},
    {18, 12, 12, {{5, 12}}, 800, 6, kStarEqualEdges},
    {19, 32, 60, {{3, 60}}, 800, 1, kClosed},
    {20, 32, 12, {{10, 12}}, 800, 6, kClosed},
    {21, 12, 12, {{5, 12}}, 800, 6, kStarEqualEdges},
    {22, 12, 20, {{3, 20}}, 800, 2, kStarEqualEdges},

    {23, 8, 8, {{3, 8}}, 800, 2, kClosedEqualEdges},
    {24, 20, 20, {{3, 20}}, 800, 2, kClosedEqualEdges},
    {25, 20, 40, {{3, 40}}, 800, 4, kClosedEqualEdges},
    {26, 20, 30, {{4, 30}}, 800, 2, kClosedEqualEdges},
    {28, 92, 20, {{9, 20}}, 800, 2, kStar},
    {29, 92, 20, {{18, 20}}, 800, 2, kClosed},
    {30, 92, 20, {{9, 20}}, 800, 2, kStar},
    {31, 92, 32, {{5, 12}, {6, 20}}, 800, 2, test::kConvexSolid},

    {90, 6, 7, {{3, 4}, {4, 3}}, 800, 1, kHemi},
    {91, 6, 7, {{3, 4}, {4, 3}}, 800, 1, kHemi},
    {106, 20, 32, {{3, 20}, {5, 12}}, 800, 1, kStarEqualEdges},
    {107, 20, 32, {{3, 20}, {5, 12}}, 800, 1, kStarEqualEdges},
    {108, 20, 24, {{5, 24}}, 800, 1, kStarEqualEdges},

    // Duals: scaled to the circumradius baseSizeA; patternCount stays the primal's.
    {200, 8, 6, {{4, 6}}, 800, 6, kConvexRegular},
    {201, 56, 6, {{16, 6}}, 800, 1, kFarBands},
    {268, 56, 6, {{16, 6}}, 800, 1, kFarBands},
    {216, 32, 20, {{6, 20}}, 800, 1, {}},
    {217, 32, 20, {{6, 20}}, 800, 1, {}},
    {218, 24, 20, {{6, 20}}, 800, 1, {}},

    {420, 20, 0, {}, 800, 1, kWire, 0, 18},
    {421, 20, 0, {}, 800, 1, kWire, 0, 24},
    {422, 12, 0, {}, 800, 1, kWire, 0, 18},
    {423, 12, 0, {}, 800, 1, kWire, 0, 24},
    {424, 20, 0, {}, 800, 1, kWire, 0, 18},
    {425, 20, 0, {}, 800, 1, kWire, 0, 36},
    {426, 20, 0, {}, 800, 1, kWire, 0, 42},
    {427, 20, 0, {}, 800, 1, kWire, 0, 48},
    {428, 20, 22, {{3, 4}, {4, 6}, {5, 12}}, 800, 1, kClosed},
    {429, 20, 0, {}, 800, 1, kWire, 0, 24},
    {430, 32, 0, {}, kCubeAroundIcosahedron, 1, kWire, 0, 42},
    {431, 34, 0, {}, kTetrahedronAroundIcosahedron, 1, kWire, 0, 18},
    {432, 34, 0, {}, kTetrahedronAroundIcosahedron, 1, kWire, 0, 36},
    {433, 34, 0, {}, kTetrahedronAroundIcosahedron, 1, kWire, 0, 42},
    {434, 34, 0, {}, kTetrahedronAroundIcosahedron, 1, kWire, 0, 48},
    {435, 34, 32, {{3, 32}}, kTetrahedronAroundIcosahedron, 1, kClosed},
    {436, 34, 0, {}, kTetrahedronAroundIcosahedron, 1, kWire, 0, 12},
    {437, 38, 50, {{3, 32}, {4, 6}, {5, 12}}, 800, 1, kClosed},

    {440, 4, 4, {{3, 4}}, 800, 3, kConvexRegular, 7},
    {441, 20, 6, {{4, 6}}, 800, 6, kConvexRegular, 4},
    {442, 6, 8, {{3, 8}}, 800, 6, kConvexRegular, 6},
    {443, 20, 12, {{5, 12}}, 800, 6, kConvexRegular, 4},
    {444, 12, 20, {{3, 20}}, 800, 6, kConvexRegular, 4},

    {452, 120, 12, {{10, 12}}, kTruncatedInDodecahedron, 1, {.equalEdges = true}},

    {460, 8, 12, {{3, 12}}, 800, 3, kClosedEqualEdges},
    {461, 20, 36, {{3, 36}}, 800, 3, kClosed},
    {462, 14, 24, {{3, 24}}, 800, 6, kClosedEqualEdges},
    {463, 38, 72, {{3, 72}}, 800, 6, kClosed},
    {464, 14, 24, {{3, 24}}, 800, 6, kClosedEqualEdges},
    {465, 32, 60, {{3, 60}}, 800, 6, kClosedEqualEdges},
    {466, 92, 180, {{3, 180}}, 800, 6, kClosed},
    {467, 32, 60, {{3, 60}}, 800, 6, kClosedEqualEdges},
    {477, 32, 60, {{3, 60}}, 800, 6, kClosedEqualEdges},
};

INSTANTIATE_TEST_SUITE_P(Table, RegularFigure, ::testing::ValuesIn(kFigures),
                         [](const auto& info) { return "Figure" + std::to_string(info.param.figure); });

// Segment lengths of a wire figure, each with how many segments have it.
using LengthCounts = std::vector<std::pair<double, int>>;

LengthCounts SegmentLengths(const Solid& solid) {
    LengthCounts counts;
    for (const Segment& s : solid.segments) {
        const double length = Length(solid.vertices[s.a] - solid.vertices[s.b]);
        auto it = std::find_if(counts.begin(), counts.end(),
                               [length](const auto& c) { return std::abs(c.first - length) < 1e-6; });
        if (it == counts.end()) {
            counts.push_back({length, 1});
        } else {
            ++it->second;
        }
    }
    std::sort(counts.begin(), counts.end());
    return counts;
}

TEST(RegularFamily, WireFiguresDrawTheEdgesOfTheirSolids) {
    Solid dodecahedron;
    BuildFigure(dodecahedron, 9);
    Solid icosahedron;
    BuildFigure(icosahedron, 11);
    const double d = test::Measure(dodecahedron).edgeLength.min;  // inside it: cube phi d, tetrahedron sqrt 2 phi d
    const double cube = kPhi * d;
    const double tetrahedron = std::sqrt(2.0) * cube;
    const double i = test::Measure(icosahedron).edgeLength.min;
    const double octahedronOut = std::sqrt(2.0) * kPhi * kPhi / std::sqrt(kPhi * kPhi + 1.0) * 800.0;
    const double tetrahedronOut = 2.0 * octahedronOut;
    const double cubeOut = 2.0 * kCubeAroundIcosahedron / std::sqrt(3.0);
    const std::pair<ShapeId, LengthCounts> expected[] = {
        {420, {{d, 18}}},
        {421, {{d, 24}}},
        {422, {{i, 18}}},
        {423, {{i, 24}}},
        {424, {{cube, 12}, {tetrahedron, 6}}},
        {425, {{d, 30}, {tetrahedron, 6}}},
        {426, {{d, 30}, {cube, 12}}},
        {427, {{d, 30}, {cube, 12}, {tetrahedron, 6}}},
        {429, {{d, 6}, {cube, 12}, {kPhi * kPhi * d, 6}}},  // rectangles over the six ridges, and the cube
        {430, {{i, 30}, {cubeOut, 12}}},
        {431, {{octahedronOut, 12}, {tetrahedronOut, 6}}},
        {432, {{i, 30}, {tetrahedronOut, 6}}},
        {433, {{i, 30}, {octahedronOut, 12}}},
        {434, {{i, 30}, {octahedronOut, 12}, {tetrahedronOut, 6}}},
        {436, {{i, 6}, {kPhi * i, 6}}},  // golden rectangles
    };
    for (const auto& [figure, lengths] : expected) {
        Solid solid;
        BuildFigure(solid, figure);
        const LengthCounts got = SegmentLengths(solid);
        ASSERT_EQ(got.size(), lengths.size()) << figure;
        for (size_t k = 0; k < got.size(); ++k) {
            EXPECT_NEAR(got[k].first, lengths[k].first, 1e-6) << figure;
            EXPECT_EQ(got[k].second, lengths[k].second) << figure;
        }
        // Every corner of the shared vertex sets is written, drawn or not.
        for (size_t a = 0; a < solid.vertices.size(); ++a) {
            EXPECT_GT(Length(solid.vertices[a]), 1.0) << figure << ":" << a;
            for (size_t b = 0; b < a; ++b) {
                EXPECT_GT(Length(solid.vertices[a] - solid.vertices[b]), 1.0) << figure << ":" << a << "," << b;
            }
        }
    }
    // The four parts of the dodecahedron meet along these edges first.
    Solid divided;
    BuildFigure(divided, 420);
    ASSERT_GE(divided.segmentCount(), 4);
    const int32_t first[4][2] = {{3, 4}, {3, 13}, {10, 0}, {10, 17}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(divided.segments[k].a, first[k][0]);
        EXPECT_EQ(divided.segments[k].b, first[k][1]);
    }
}

TEST(RegularFamily, EightTrigramsGrowFromOneOrigin) {
    Solid solid;
    BuildFigure(solid, 520);
    EXPECT_EQ(solid.nameJa, "八卦体");
    ASSERT_EQ(solid.vertexCount(), 15);
    ASSERT_EQ(solid.faceCount(), 14);
    EXPECT_EQ(solid.patternCount, 1);
    const double branch = 800.0 / std::sqrt(3.0);
    std::vector<int> parents(15, 0);
    for (const Face& face : solid.faces) {
        ASSERT_EQ(face.polygonCount, 1);
        ASSERT_EQ(face.polygonSize, 2);
        EXPECT_NEAR(Length(solid.vertices[face.corners[0]] - solid.vertices[face.corners[1]]), branch, 1e-9);
        ++parents[face.corners[1]];
    }
    // A tree: every vertex but the origin has one parent; the eight trigrams
    // are the cube's corners.
    EXPECT_EQ(parents[0], 0);
    for (int v = 1; v < 15; ++v) EXPECT_EQ(parents[v], 1) << v;
    EXPECT_TRUE(solid.vertices[0] == Vec3{});
    for (int v = 7; v < 15; ++v) EXPECT_NEAR(Length(solid.vertices[v]), 800.0, 1e-9) << v;
}

Solid Built(ShapeId figure, int8_t kikaku, int8_t conhensez = 0) {
    Solid solid;
    solid.params.kikaku = kikaku;
    solid.params.conhensez = conhensez;
    BuildFigure(solid, figure);
    return solid;
}

TEST(RegularFamily, SizeStandardScalesTheTetrahedronByItsRatio) {
    const double expected[] = {800.0, 800.0 * std::sqrt(3.0), 2400.0};
    for (int8_t k = -1; k <= 1; ++k) {
        const Solid solid = Built(1, k);
        ASSERT_EQ(solid.vertexCount(), 4);
        EXPECT_NEAR(solid.vertices[0].z, expected[k + 1], 1e-9) << int{k};
        EXPECT_NEAR(test::Measure(solid).vertexRadius.max, expected[k + 1], 1e-9) << int{k};
    }
}

TEST(RegularFamily, SizeStandardPutsSphereOnVerticesOrFaces) {
    // -1: vertices on the sphere of 800; 1: faces touch it; 0: the geometric
    // mean of circumradius and inradius is 800.
    for (ShapeId figure : {1, 5, 6, 7, 8, 9, 10, 11, 12}) {
        EXPECT_NEAR(test::Measure(Built(figure, -1)).vertexRadius.max, 800.0, 1e-6) << figure;
        const test::SolidMeasures middle = test::Measure(Built(figure, 0));
        EXPECT_NEAR(middle.vertexRadius.max * middle.faceDistance.min, 800.0 * 800.0, 1e-6) << figure;
        const test::SolidMeasures m = test::Measure(Built(figure, 1));
        EXPECT_NEAR(m.faceDistance.min, 800.0, 1e-6) << figure;
        EXPECT_TRUE(m.faceDistance.IsConstant()) << figure;
    }
    const Solid cube = Built(5, 1);
    EXPECT_NEAR(cube.vertices[0].x, 800.0, 1e-9);
    EXPECT_NEAR(cube.vertices[0].y, 800.0, 1e-9);
    EXPECT_NEAR(cube.vertices[0].z, 800.0, 1e-9);
    const Solid small = Built(5, -1);
    EXPECT_NEAR(small.vertices[0].x, 800.0 / std::sqrt(3.0), 1e-9);
}

TEST(RegularFamily, EdgeTangentSizingGivesDualsOneMidsphere) {
    // As the dual compounds build them: cube and octahedron, dodecahedron and
    // icosahedron cross at their edge midpoints on the sphere of 800.
    for (ShapeId figure : {5, 7, 9, 11, 1}) {
        const test::SolidMeasures m = test::Measure(Built(figure, 0, 1));
        EXPECT_NEAR(m.edgeMidRadius.max, 800.0, 1e-6) << figure;
    }
    const test::SolidMeasures cube = test::Measure(Built(5, -1, 1));
    const test::SolidMeasures octahedron = test::Measure(Built(7, 1, 1));
    EXPECT_NEAR(cube.edgeMidRadius.max * octahedron.edgeMidRadius.max, 800.0 * 800.0, 1e-6);
}

TEST(RegularFamily, ReturningToTheFirstSizeGivesTheFirstCoordinates) {
    for (ShapeId figure : {1, 5, 9, 11}) {
        Solid solid = Built(figure, -1);
        const std::vector<Vec3> first = solid.vertices;
        solid.params.kikaku = 0;
        Rebuild(solid);
        solid.params.kikaku = -1;
        Rebuild(solid);
        ASSERT_EQ(solid.vertices.size(), first.size());
        for (size_t i = 0; i < first.size(); ++i) EXPECT_TRUE(solid.vertices[i] == first[i]) << figure << ":" << i;
    }
}

TEST(RegularFamily, CubeCarriesItsSixPatterns) {
    Solid solid;
    BuildFigure(solid, 5);
    EXPECT_EQ(solid.nameJa, "立方体 / 正六面体");
    EXPECT_EQ(solid.nameEn, "Cube / Regular hexahedron");
    ASSERT_EQ(solid.faceCount(), 6);
    // Rows: patterns; columns: top, bottom, y+, x+, y-, x- (palette indices).
    const int expected[6][6] = {
        {8, 8, 0, 1, 2, 3}, {0, 2, 1, 1, 1, 1}, {0, 1, 0, 0, 1, 1},
        {1, 1, 2, 0, 2, 0}, {0, 2, 0, 1, 1, 2}, {1, 1, 1, 1, 1, 1},
    };
    const Vec3 outward[6] = {{0, 0, 1}, {0, 0, -1}, {0, 1, 0}, {1, 0, 0}, {0, -1, 0}, {-1, 0, 0}};
    for (int f = 0; f < 6; ++f) {
        const Vec3 n = FaceNormal(solid.faces[f], solid.vertices);
        EXPECT_NEAR(Dot(n, outward[f]), 1.0, 1e-12) << f;
        for (int p = 0; p < 6; ++p) {
            EXPECT_EQ(solid.faces[f].colours[p], kDefaultPalette[expected[p][f]]) << "face " << f << " pattern " << p;
        }
    }
    // A palette change reaches the faces on the next build.
    solid.params.palette[8] = 0x00123456;
    Rebuild(solid);
    EXPECT_EQ(solid.faces[0].colours[0], 0x00123456u);
}

TEST(RegularFamily, FixedPositions) {
    const Solid mirrored = Built(2, -1);
    EXPECT_NEAR(mirrored.vertices[0].z, -800.0, 1e-9);
    // The dodecahedron's top face: plane z = r, a regular pentagon of circumradius (3 - sqrt 5) r.
    const Solid dodecahedron = Built(9, -1);
    const double r = 800.0 / std::sqrt(15.0 - 6.0 * std::sqrt(5.0));
    for (int i = 0; i < 5; ++i) {
        const Vec3 v = dodecahedron.vertices[dodecahedron.faces[0].corners[i]];
        EXPECT_NEAR(v.z, r, 1e-9);
        EXPECT_NEAR(std::hypot(v.x, v.y), (3.0 - std::sqrt(5.0)) * r, 1e-9);
    }
    EXPECT_EQ(Built(477, -1).nameJa, "正十二面体");
    EXPECT_DOUBLE_EQ(Built(441, -1).fractalRatio, 1.0 / 3.0);
    EXPECT_DOUBLE_EQ(Built(443, -1).fractalRatio, (5.0 - std::sqrt(5.0)) / 10.0);
}

TEST(RegularFamily, StarFacesFollowTheFacesTheyShareColoursWith) {
    // Face f of every solid painted with the dodecahedral patterns faces the
    // same way as the dodecahedron's face f; the great icosahedron's faces
    // follow the icosahedron's likewise.
    const std::pair<ShapeId, ShapeId> pairs[] = {{15, 9}, {17, 9}, {18, 9}, {20, 9}, {21, 9}, {22, 11}, {28, 11}};
    for (const auto& [figure, base] : pairs) {
        const Solid star = Built(figure, -1);
        const Solid regular = Built(base, -1);
        ASSERT_EQ(star.faceCount(), regular.faceCount()) << figure;
        for (int32_t f = 0; f < star.faceCount(); ++f) {
            const Vec3 a = FaceNormal(star.faces[f], star.vertices);
            const Vec3 b = FaceNormal(regular.faces[f], regular.vertices);
            EXPECT_NEAR(Dot(a, b), 1.0, 1e-9) << figure << " face " << f;
            if (star.patternCount == 6) {
                EXPECT_EQ(star.faces[f].colours, regular.faces[f].colours) << figure;
            }
        }
    }
}

TEST(RegularFamily, FreshStateHoldsTheCube) {
    AppState state;
    InitAppState(state);
    EXPECT_EQ(state.solid.zukei, 5);
    EXPECT_EQ(state.solid.params.kikaku, -1);
    EXPECT_EQ(state.solid.patternCount, 6);
    EXPECT_EQ(state.solid.fractalDepthMax, 0);
    EXPECT_EQ(state.solid.vertexCount(), 8);
    EXPECT_EQ(state.solid.faceCount(), 6);
}

}  // namespace
}  // namespace gyro
