#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "model/solid_ops.h"
#include "state/dispatcher.h"
#include "support/figure_table.h"
#include "support/invariants.h"

namespace gyro {
namespace {

using test::FigureFacts;
using test::FigureTable;
using test::InvariantOptions;

constexpr InvariantOptions kConvex = test::kConvexEqualEdges;
constexpr InvariantOptions kDual = test::kConvexSolid;
// Pyramids on every face: closed and consistently wound, still one edge length.
constexpr InvariantOptions kPyramids{.closed = true, .oriented = true, .equalEdges = true};

const double kS2 = std::sqrt(2.0);
const double kS5 = std::sqrt(5.0);
const double kPhi = (1.0 + kS5) / 2.0;

// Circumradius : inradius (the distance of the largest faces), by which kikaku
// grows each solid.
const double kQCuboctahedron = kS2;
const double kQIcosidodecahedron = std::sqrt((5.0 - kS5) / 2.0);
const double kQRhombicuboctahedron = std::sqrt(7.0 - 4.0 * kS2);
const double kQRhombicosidodecahedron = std::sqrt(15.0 - 2.0 * kS5) / 3.0;
const double kQTruncatedTetrahedron = std::sqrt(33.0) / 3.0;
const double kQTruncatedCube = std::sqrt(5.0 - 2.0 * kS2);
const double kQTruncatedOctahedron = std::sqrt(5.0 / 3.0);
const double kQTruncatedDodecahedron = std::sqrt(125.0 - 40.0 * kS5) / 5.0;
const double kQTruncatedIcosahedron = std::sqrt((17.0 - 6.0 * kS5) / 3.0);
const double kQTruncatedCuboctahedron = std::sqrt(2.0 * kS2 + 69.0) / 7.0;
const double kQTruncatedIcosidodecahedron = std::sqrt(35.0 - 2.0 * kS5) / 5.0;
constexpr double kQSnubCube = 1.175999901320675;
constexpr double kQSnubDodecahedron = 1.0883033063941197;

// Edges at circumradius 800, from the published circumradius : edge ratios.
const double kEdgeIcosidodecahedron = 800.0 / kPhi;                                 // 494.43
const double kEdgeRhombicuboctahedron = 1600.0 / std::sqrt(5.0 + 2.0 * kS2);        // 571.85
const double kEdgeRhombicosidodecahedron = 1600.0 / std::sqrt(11.0 + 4.0 * kS5);    // 358.27
const double kEdgeTruncatedTetrahedron = 3200.0 / std::sqrt(22.0);                  // 682.24
const double kEdgeTruncatedCube = 1600.0 / std::sqrt(7.0 + 4.0 * kS2);              // 449.74
const double kEdgeTruncatedOctahedron = 1600.0 / std::sqrt(10.0);                   // 505.96
const double kEdgeTruncatedDodecahedron = 3200.0 / std::sqrt(74.0 + 30.0 * kS5);    // 269.41
const double kEdgeTruncatedIcosahedron = 3200.0 / std::sqrt(58.0 + 18.0 * kS5);     // 322.84
const double kEdgeTruncatedCuboctahedron = 1600.0 / std::sqrt(13.0 + 6.0 * kS2);    // 345.18
const double kEdgeTruncatedIcosidodecahedron = 1600.0 / std::sqrt(31.0 + 12.0 * kS5);  // 210.39
const double kEdgeSnubCube = 800.0 / 1.3437133737446017;                            // 595.37
const double kEdgeSnubDodecahedron = 800.0 / 2.1558373751156397;                    // 371.086

const FigureFacts kArchimedean[] = {
    {27, 30, 40, {{3, 40}}, 800, 2, kPyramids, 0, 0, kQIcosidodecahedron, 800.0 * kS2},

    {40, 12, 14, {{3, 8}, {4, 6}}, 800, 2, kConvex, 0, 0, kQCuboctahedron, 800.0},
    {41, 30, 32, {{3, 20}, {5, 12}}, 800, 2, kConvex, 0, 0, kQIcosidodecahedron, kEdgeIcosidodecahedron},
    {42, 24, 26, {{3, 8}, {4, 18}}, 800, 2, kConvex, 0, 0, kQRhombicuboctahedron, kEdgeRhombicuboctahedron},
    {43, 24, 26, {{3, 8}, {4, 18}}, 800, 2, kConvex, 0, 0, kQRhombicuboctahedron, kEdgeRhombicuboctahedron},
    {44, 60, 62, {{3, 20}, {4, 30}, {5, 12}}, 800, 2, kConvex, 0, 0, kQRhombicosidodecahedron,
     kEdgeRhombicosidodecahedron},
    {45, 12, 8, {{3, 4}, {6, 4}}, 800, 2, kConvex, 0, 0, kQTruncatedTetrahedron, kEdgeTruncatedTetrahedron},
    {46, 12, 8, {{3, 4}, {6, 4}}, 800, 2, kConvex, 0, 0, kQTruncatedTetrahedron, kEdgeTruncatedTetrahedron},
    {47, 24, 14, {{3, 8}, {8, 6}}, 800, 6, kConvex, 0, 0, kQTruncatedCube, kEdgeTruncatedCube},
    {48, 24, 14, {{4, 6}, {6, 8}}, 800, 2, kConvex, 0, 0, kQTruncatedOctahedron, kEdgeTruncatedOctahedron},
    {49, 60, 32, {{3, 20}, {10, 12}}, 800, 3, kConvex, 0, 0, kQTruncatedDodecahedron, kEdgeTruncatedDodecahedron},
    {50, 60, 32, {{5, 12}, {6, 20}}, 800, 3, kConvex, 0, 0, kQTruncatedIcosahedron, kEdgeTruncatedIcosahedron},
    {51, 48, 26, {{4, 12}, {6, 8}, {8, 6}}, 800, 3, kConvex, 0, 0, kQTruncatedCuboctahedron,
     kEdgeTruncatedCuboctahedron},
    {52, 120, 62, {{4, 30}, {6, 20}, {10, 12}}, 800, 3, kConvex, 0, 0, kQTruncatedIcosidodecahedron,
     kEdgeTruncatedIcosidodecahedron},
    {53, 24, 38, {{3, 32}, {4, 6}}, 800, 3, kConvex, 0, 0, kQSnubCube, kEdgeSnubCube},
    {54, 24, 38, {{3, 32}, {4, 6}}, 800, 3, kConvex, 0, 0, kQSnubCube, kEdgeSnubCube},
    {55, 60, 92, {{3, 80}, {5, 12}}, 800, 3, kConvex, 0, 0, kQSnubDodecahedron, kEdgeSnubDodecahedron},
    {56, 60, 92, {{3, 80}, {5, 12}}, 800, 3, kConvex, 0, 0, kQSnubDodecahedron, kEdgeSnubDodecahedron},

    // Duals: circumradius baseSizeA at every kikaku, one face per primal vertex.
    {202, 14, 12, {{4, 12}}, 800, 2, kDual},
    {205, 26, 24, {{4, 24}}, 800, 2, kDual},
    {206, 26, 24, {{4, 24}}, 800, 2, kDual},
    {219, 32, 30, {{4, 30}}, 800, 2, kDual},
    {228, 62, 60, {{4, 60}}, 800, 2, kDual},

    {445, 12, 14, {{3, 8}, {4, 6}}, 800, 2, kConvex, 4, 0, kQCuboctahedron, 800.0},
    {446, 30, 32, {{3, 20}, {5, 12}}, 800, 2, kConvex, 2, 0, kQIcosidodecahedron, kEdgeIcosidodecahedron},
    {449, 24, 26, {{3, 8}, {4, 18}}, 800, 2, kConvex, 3, 0, kQRhombicuboctahedron, kEdgeRhombicuboctahedron},
    {450, 60, 62, {{3, 20}, {4, 30}, {5, 12}}, 800, 2, kConvex, 2, 0, kQRhombicosidodecahedron,
     kEdgeRhombicosidodecahedron},

    // A pyramid on every face: V + F vertices, one triangle per base corner,
    // never beyond the base's circumradius.
    {468, 26, 48, {{3, 48}}, 800, 2, kPyramids, 0, 0, kQCuboctahedron},
    {469, 62, 120, {{3, 120}}, 800, 2, kPyramids, 0, 0, kQIcosidodecahedron},
    {470, 50, 96, {{3, 96}}, 800, 2, kPyramids, 0, 0, kQRhombicuboctahedron},
    {471, 50, 96, {{3, 96}}, 800, 2, kPyramids, 0, 0, kQRhombicuboctahedron},
    {472, 122, 240, {{3, 240}}, 800, 2, kPyramids, 0, 0, kQRhombicosidodecahedron},
    {473, 62, 120, {{3, 120}}, 800, 3, kPyramids, 0, 0, kQSnubCube},
    {474, 62, 120, {{3, 120}}, 800, 3, kPyramids, 0, 0, kQSnubCube},
    {475, 152, 300, {{3, 300}}, 800, 3, kPyramids, 0, 0, kQSnubDodecahedron},
    {476, 152, 300, {{3, 300}}, 800, 3, kPyramids, 0, 0, kQSnubDodecahedron},
    {478, 26, 48, {{3, 48}}, 800, 2, kPyramids, 0, 0, kQCuboctahedron},
    {479, 62, 120, {{3, 120}}, 800, 2, kPyramids, 0, 0, kQIcosidodecahedron},
    {480, 50, 96, {{3, 96}}, 800, 2, kPyramids, 0, 0, kQRhombicuboctahedron},
    {481, 50, 96, {{3, 96}}, 800, 2, kPyramids, 0, 0, kQRhombicuboctahedron},
    {482, 122, 240, {{3, 240}}, 800, 2, kPyramids, 0, 0, kQRhombicosidodecahedron},
    {483, 62, 120, {{3, 120}}, 800, 3, kPyramids, 0, 0, kQSnubCube},
    {484, 62, 120, {{3, 120}}, 800, 3, kPyramids, 0, 0, kQSnubCube},
    {485, 152, 300, {{3, 300}}, 800, 3, kPyramids, 0, 0, kQSnubDodecahedron},
    {486, 152, 300, {{3, 300}}, 800, 3, kPyramids, 0, 0, kQSnubDodecahedron},
};

INSTANTIATE_TEST_SUITE_P(Archimedean, FigureTable, ::testing::ValuesIn(kArchimedean),
                         [](const auto& info) { return "Figure" + std::to_string(info.param.figure); });

Solid Build(ShapeId figure, int8_t kikaku = -1, int8_t conhensez = 0) {
    Solid solid;
    solid.params.kikaku = kikaku;
    solid.params.conhensez = conhensez;
    BuildFigure(solid, figure);
    return solid;
}

// The size standard scales the whole solid and changes nothing else: the same
// faces, corners and colours, every vertex moved out by one factor.
TEST(Archimedean, KikakuOnlyScales) {
    for (const FigureFacts& row : kArchimedean) {
        if (row.figure < 40 || row.figure > 56) continue;
        const Solid small = Build(row.figure, -1);
        const Solid large = Build(row.figure, 1);
        ASSERT_EQ(small.vertexCount(), large.vertexCount()) << row.figure;
        ASSERT_EQ(small.faceCount(), large.faceCount()) << row.figure;
        for (int32_t i = 0; i < small.vertexCount(); ++i) {
            EXPECT_NEAR(Length(large.vertices[i] - small.vertices[i] * row.sizeRatio), 0.0, 1e-9) << row.figure;
        }
        for (int32_t f = 0; f < small.faceCount(); ++f) {
            EXPECT_EQ(small.faces[f].corners, large.faces[f].corners) << row.figure;
            EXPECT_EQ(small.faces[f].colours, large.faces[f].colours) << row.figure;
        }
    }
}

// At kikaku 1 the largest faces touch the reference sphere.
TEST(Archimedean, CircumscribedSizeStandardPutsTheLargestFacesOnTheSphere) {
    for (ShapeId figure : {40, 41, 42, 43, 44, 45, 47, 48, 49, 50, 51, 52, 53, 55}) {
        const test::SolidMeasures m = test::Measure(Build(figure, 1));
        EXPECT_NEAR(m.faceDistance.min, 800.0, 1e-6) << figure;
    }
    // The truncated cuboctahedron's octagons lie in the planes x, y, z = +-800.
    const Solid solid = Build(51, 1);
    for (const Face& face : solid.faces) {
        if (face.polygonSize != 8) continue;
        const Vec3 c = FaceCentroid(face, solid.vertices);
        EXPECT_NEAR(std::abs(c.x) + std::abs(c.y) + std::abs(c.z), 800.0, 1e-9);
    }
}

// Sized by their edges for a compound with their duals: most solids put their
// midsphere on the reference sphere at kikaku 0; the truncated solids keep the
// sizes their partners are made to match.
TEST(Archimedean, EdgeTangentSizingAtTheMidsphereStandard) {
    const std::map<ShapeId, double> midradius = {
        {40, 800.0}, {41, 800.0}, {42, 800.0}, {43, 800.0},  {44, 800.0},   {51, 800.0},   {52, 800.0},
        {53, 800.0}, {55, 800.0}, {45, 639.1}, {47, 686.7}, {48, 742.2}, {49, 743.2}, {50, 781.3},
    };
    for (const auto& [figure, radius] : midradius) {
        const Solid solid = Build(figure, 0, 1);
        const test::SolidMeasures m = test::Measure(solid);
        EXPECT_TRUE(m.edgeMidRadius.IsConstant(1e-9)) << figure;
        EXPECT_NEAR(m.edgeMidRadius.max, radius, radius == 800.0 ? 1e-6 : 0.05) << figure;
        EXPECT_TRUE(test::SolidIsSound(solid, kConvex)) << figure;
    }
}

TEST(Archimedean, SnubCubeStartsWithItsPublishedVertex) {
    const Solid solid = Build(53, 1);
    EXPECT_NEAR(solid.vertices[0].x, 0.29559774252208476 * 800.0, 1e-6);  // 236.478
    EXPECT_NEAR(solid.vertices[0].y, 0.5436890126920764 * 800.0, 1e-6);   // 434.951
    EXPECT_NEAR(solid.vertices[0].z, 800.0, 1e-9);
}

// The mirror images keep the index order with x negated and stay outward.
TEST(Archimedean, MirrorImagesNegateXVertexByVertex) {
    for (auto [plain, mirror] : {std::pair<ShapeId, ShapeId>{53, 54}, {55, 56}}) {
        const Solid a = Build(plain);
        const Solid b = Build(mirror);
        ASSERT_EQ(a.vertexCount(), b.vertexCount());
        for (int32_t i = 0; i < a.vertexCount(); ++i) {
            const Vec3 p = a.vertices[i];
            EXPECT_EQ(b.vertices[i], (Vec3{-p.x, p.y, p.z})) << mirror << " " << i;
        }
        EXPECT_EQ(a.nameJa, b.nameJa);
    }
    // 46 is 45 turned through the centre, its top triangle marked apart.
    const Solid a = Build(45);
    const Solid b = Build(46);
    for (int32_t i = 0; i < a.vertexCount(); ++i) EXPECT_EQ(b.vertices[i], -a.vertices[i]) << i;
    EXPECT_NE(a.faces[0].colours[0], b.faces[0].colours[0]);
    EXPECT_NE(a.faces[0].colours[1], b.faces[0].colours[1]);
    for (int32_t f = 1; f < a.faceCount(); ++f) EXPECT_EQ(a.faces[f].colours, b.faces[f].colours) << f;
}

TEST(Archimedean, FiveOctahedraAreFiveColourGroupsOfEight) {
    const Solid solid = Build(27);
    std::map<Colour, int> groups;
    for (const Face& face : solid.faces) ++groups[face.colours[0]];
    ASSERT_EQ(groups.size(), 5u);
    for (const auto& [colour, count] : groups) EXPECT_EQ(count, 8) << colour;
    // Each octahedron on six of the 30 vertices, none shared.
    std::map<int32_t, int> used;
    for (const Face& face : solid.faces) {
        for (int32_t v : face.corners) used[v] = 1;
    }
    EXPECT_EQ(used.size(), 30u);
}

// Duals: a face per primal vertex with as many corners as its degree, on the
// sphere of baseSizeA whatever the size standard.
TEST(Archimedean, DualsKeepTheirSizeAtEveryStandard) {
    for (ShapeId figure : {202, 205, 206, 219, 228}) {
        for (int8_t kikaku : {-1, 0, 1}) {
            const test::SolidMeasures m = test::Measure(Build(figure, kikaku));
            EXPECT_NEAR(m.vertexRadius.max, 800.0, 1e-6) << figure << " " << int{kikaku};
        }
    }
}

// Raised or sunk pyramids never reach beyond the base; sunk into the
// cuboctahedron they all meet at the centre.
TEST(Archimedean, SunkPyramidsOfTheCuboctahedronMeetAtTheCentre) {
    const Solid solid = Build(478);
    for (int32_t apex = 12; apex < 26; ++apex) EXPECT_NEAR(Length(solid.vertices[apex]), 0.0, 1e-9) << apex;
    for (int32_t v = 0; v < 12; ++v) EXPECT_NEAR(Length(solid.vertices[v]), 800.0, 1e-9) << v;
}

}  // namespace
}  // namespace gyro
