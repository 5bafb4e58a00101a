#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
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

// Star and hemi solids: every edge between exactly two faces, one edge length,
// every face that misses the centre turned away from it.
constexpr InvariantOptions kStar{.closed = true, .equalEdges = true};
// The same, and the outward winding is also consistent across every edge.
constexpr InvariantOptions kOrientedStar{.closed = true, .oriented = true, .equalEdges = true};
constexpr InvariantOptions kFrame = test::kConvexSolid;
constexpr InvariantOptions kCompound{.closed = true, .oriented = true, .equalEdges = true};
constexpr InvariantOptions kFiniteDual{.closed = true};
// Duals of hemi-polyhedra: bands to far points stand in for vertices at infinity.
constexpr InvariantOptions kFarBands{.planar = false, .outward = false};

const double kS2 = std::sqrt(2.0);
const double kS5 = std::sqrt(5.0);

// Circumradius : inradius of the convex solid whose vertices each set shares;
// kikaku grows the figures by it.
const double kQCuboctahedron = kS2;
const double kQRhombicuboctahedron = std::sqrt(7.0 - 4.0 * kS2);
const double kQTruncatedCube = std::sqrt(5.0 - 2.0 * kS2);
const double kQTruncatedCuboctahedron = std::sqrt(2.0 * kS2 + 69.0) / 7.0;
const double kQIcosidodecahedron = std::sqrt((5.0 - kS5) / 2.0);
const double kQRhombicosidodecahedron = std::sqrt(15.0 - 2.0 * kS5) / 3.0;
const double kQTruncatedIcosahedron = std::sqrt((17.0 - 6.0 * kS5) / 3.0);

// Circumradii at kikaku -1 where the set's member is not the convex solid.
constexpr double kRCubitruncated = 724.1244029495914;
constexpr double kRGreatTruncated = 767.8520315399858;
constexpr double kRTruncatedGreatIcosahedron = 853.6097912535598;
constexpr double kRSmallIcosicosidodecahedron = 776.7851556560894;
constexpr double kRTriangularPrisms = 791.8411251831797;
constexpr double kRPentagonalPrisms = 812.9237039469959;

// Edges from the published circumradius : edge ratios of the uniform polyhedra
// (and of the uniform prisms for the compounds).
const double kEdgeCuboctahedral = 800.0;                                              // R/e = 1
const double kEdgeSmallCubicuboctahedron = 1600.0 / std::sqrt(5.0 + 2.0 * kS2);       // 571.85
const double kEdgeStellatedTruncatedHexahedron = 1600.0 / std::sqrt(7.0 - 4.0 * kS2);  // 1380.57
const double kEdgeGreatCubicuboctahedron = 1600.0 / std::sqrt(5.0 - 2.0 * kS2);        // 1085.76
const double kEdgeCubitruncated = kRCubitruncated * 2.0 / std::sqrt(7.0);             // R/e = sqrt7 / 2
const double kEdgeGreatTruncated = kRGreatTruncated * 2.0 / std::sqrt(13.0 - 6.0 * kS2);
const double kEdgeSmallDodecahemidodecahedron = 1600.0 / (1.0 + kS5);                 // R/e = phi
const double kEdgeDodecadodecahedron = 800.0;                                         // R/e = 1
const double kEdgeGreatIcosidodecahedron = 800.0 * (1.0 + kS5) / 2.0;                 // R/e = 1/phi
const double kEdgeSmallDodecicosidodecahedron = 1600.0 / std::sqrt(11.0 + 4.0 * kS5);  // 358.27
const double kEdgeSmallStellatedTruncated = 3200.0 / std::sqrt(34.0 - 10.0 * kS5);    // 937.96
const double kEdgeTruncatedGreatIcosahedron = kRTruncatedGreatIcosahedron * 4.0 / std::sqrt(58.0 - 18.0 * kS5);
const double kEdgeSmallIcosicosidodecahedron = kRSmallIcosicosidodecahedron * 4.0 / std::sqrt(34.0 + 6.0 * kS5);
const double kEdgeGreatStellatedTruncated = kRSmallIcosicosidodecahedron * 4.0 / std::sqrt(74.0 - 30.0 * kS5);
const double kEdgeTriangularPrism = kRTriangularPrisms / std::sqrt(7.0 / 12.0);
const double kEdgePentagonalPrism =
    kRPentagonalPrisms / std::sqrt(0.25 + 1.0 / (4.0 * std::pow(std::sin(M_PI / 5.0), 2)));
const double kEdgePentagrammicPrism = 800.0 / std::sqrt(0.25 + 1.0 / (4.0 * std::pow(std::sin(2.0 * M_PI / 5.0), 2)));

// Vertex, face and face-type counts as published for each uniform polyhedron
// (the edge counts follow from them: 24, 48, 36, 72, 60, 90, 120).
const FigureFacts kUniform[] = {
    {92, 12, 10, {{4, 6}, {6, 4}}, 800, 1, kStar, 0, 0, kQCuboctahedron, kEdgeCuboctahedral},
    {93, 12, 12, {{3, 8}, {6, 4}}, 800, 1, kStar, 0, 0, kQCuboctahedron, kEdgeCuboctahedral},
    {94, 24, 20, {{3, 8}, {4, 6}, {8, 6}}, 800, 1, kStar, 0, 0, kQRhombicuboctahedron, kEdgeSmallCubicuboctahedron},
    {95, 24, 18, {{4, 12}, {8, 6}}, 800, 1, kStar, 0, 0, kQRhombicuboctahedron, kEdgeSmallCubicuboctahedron},
    {96, 24, 14, {{3, 8}, {8, 6}}, 800, 1, kOrientedStar, 0, 0, kQRhombicuboctahedron,
     kEdgeStellatedTruncatedHexahedron},
    {97, 24, 20, {{3, 8}, {4, 6}, {8, 6}}, 800, 1, kOrientedStar, 0, 0, kQTruncatedCube, kEdgeGreatCubicuboctahedron},
    {98, 24, 26, {{3, 8}, {4, 18}}, 800, 1, kStar, 0, 0, kQTruncatedCube, kEdgeGreatCubicuboctahedron},
    {99, 24, 26, {{3, 8}, {4, 18}}, 800, 1, kStar, 0, 0, kQTruncatedCube, kEdgeGreatCubicuboctahedron},
    {100, 24, 34, {{3, 32}, {8, 2}}, 800, 1, kFrame, 0, 0, kQTruncatedCube},
    {101, 24, 18, {{4, 12}, {8, 6}}, 800, 1, kStar, 0, 0, kQTruncatedCube, kEdgeGreatCubicuboctahedron},
    {102, 48, 26, {{4, 12}, {6, 8}, {8, 6}}, kRCubitruncated, 3, kFrame, 0, 0, kQTruncatedCuboctahedron},
    {103, 48, 20, {{6, 8}, {8, 12}}, kRCubitruncated, 1, kOrientedStar, 0, 0, kQTruncatedCuboctahedron,
     kEdgeCubitruncated},
    {104, 48, 26, {{4, 12}, {6, 8}, {8, 6}}, kRGreatTruncated, 3, kFrame, 0, 0, kQTruncatedCuboctahedron},
    {105, 48, 26, {{4, 12}, {6, 8}, {8, 6}}, kRGreatTruncated, 1, kStar, 0, 0, kQTruncatedCuboctahedron,
     kEdgeGreatTruncated},

    {109, 30, 18, {{5, 12}, {10, 6}}, 800, 1, kStar, 0, 0, kQIcosidodecahedron, kEdgeSmallDodecahemidodecahedron},
    {110, 30, 26, {{3, 20}, {10, 6}}, 800, 1, kStar, 0, 0, kQIcosidodecahedron, kEdgeSmallDodecahemidodecahedron},
    {111, 30, 24, {{5, 24}}, 800, 1, kOrientedStar, 0, 0, kQIcosidodecahedron, kEdgeDodecadodecahedron},
    {112, 30, 22, {{5, 12}, {6, 10}}, 800, 1, kStar, 0, 0, kQIcosidodecahedron, kEdgeDodecadodecahedron},
    {113, 30, 22, {{5, 12}, {6, 10}}, 800, 1, kStar, 0, 0, kQIcosidodecahedron, kEdgeDodecadodecahedron},
    {114, 30, 32, {{3, 20}, {5, 12}}, 800, 1, kOrientedStar, 0, 0, kQIcosidodecahedron, kEdgeGreatIcosidodecahedron},
    {115, 30, 18, {{5, 12}, {10, 6}}, 800, 1, kStar, 0, 0, kQIcosidodecahedron, kEdgeGreatIcosidodecahedron},
    {116, 30, 26, {{3, 20}, {10, 6}}, 800, 1, kStar, 0, 0, kQIcosidodecahedron, kEdgeGreatIcosidodecahedron},
    {117, 60, 44, {{3, 20}, {5, 12}, {10, 12}}, 800, 1, kStar, 0, 0, kQRhombicosidodecahedron,
     kEdgeSmallDodecicosidodecahedron},
    {118, 60, 42, {{4, 30}, {10, 12}}, 800, 1, kStar, 0, 0, kQRhombicosidodecahedron,
     kEdgeSmallDodecicosidodecahedron},
    {119, 60, 24, {{5, 12}, {10, 12}}, 800, 1, kOrientedStar, 0, 0, kQRhombicosidodecahedron,
     kEdgeSmallStellatedTruncated},
    {120, 60, 62, {{3, 20}, {4, 30}, {5, 12}}, kRTruncatedGreatIcosahedron, 2, kFrame, 0, 0,
     kQRhombicosidodecahedron},
    {121, 60, 32, {{5, 12}, {6, 20}}, kRTruncatedGreatIcosahedron, 1, kOrientedStar, 0, 0, kQRhombicosidodecahedron,
     kEdgeTruncatedGreatIcosahedron},
    {122, 60, 62, {{3, 20}, {4, 30}, {5, 12}}, kRSmallIcosicosidodecahedron, 2, kFrame, 0, 0,
     kQRhombicosidodecahedron},
    {123, 60, 52, {{3, 20}, {5, 12}, {6, 20}}, kRSmallIcosicosidodecahedron, 1, kOrientedStar, 0, 0,
     kQRhombicosidodecahedron, kEdgeSmallIcosicosidodecahedron},
    {124, 60, 44, {{3, 20}, {5, 12}, {10, 12}}, kRSmallIcosicosidodecahedron, 1, kStar, 0, 0,
     kQRhombicosidodecahedron, kEdgeSmallIcosicosidodecahedron},
    {125, 60, 32, {{6, 20}, {10, 12}}, kRSmallIcosicosidodecahedron, 1, kStar, 0, 0, kQRhombicosidodecahedron,
     kEdgeSmallIcosicosidodecahedron},
    {126, 60, 32, {{3, 20}, {10, 12}}, kRSmallIcosicosidodecahedron, 1, kOrientedStar, 0, 0,
     kQRhombicosidodecahedron, kEdgeGreatStellatedTruncated},

    // Compounds of uniform prisms: two bases and a square per base edge each.
    {32, 60, 50, {{3, 20}, {4, 30}}, kRTriangularPrisms, 1, kCompound, 0, 0, kQTruncatedIcosahedron,
     kEdgeTriangularPrism},
    {33, 60, 100, {{3, 40}, {4, 60}}, kRTriangularPrisms, 1, kCompound, 0, 0, kQTruncatedIcosahedron,
     kEdgeTriangularPrism},
    {34, 60, 42, {{4, 30}, {5, 12}}, kRPentagonalPrisms, 1, kCompound, 0, 0, kQTruncatedIcosahedron,
     kEdgePentagonalPrism},
    {35, 60, 84, {{4, 60}, {5, 24}}, kRPentagonalPrisms, 1, kCompound, 0, 0, kQTruncatedIcosahedron,
     kEdgePentagonalPrism},
    {36, 60, 42, {{4, 30}, {5, 12}}, 800, 1, kCompound, 0, 0, kQRhombicosidodecahedron, kEdgePentagrammicPrism},
    {37, 60, 84, {{4, 60}, {5, 24}}, 800, 1, kCompound, 0, 0, kQRhombicosidodecahedron, kEdgePentagrammicPrism},

    // Duals: circumradius baseSizeA at every kikaku. A finite dual has a vertex
    // per primal face and a face per primal vertex with as many corners as the
    // vertex has edges; a hemi-polyhedron's dual has 2b far points per primal
    // face (b corners on its faces through the centre) and bands of quadrilaterals.
    {203, 120, 12, {{16, 12}}, 800, 1, kFarBands},
    {204, 144, 12, {{16, 12}}, 800, 1, kFarBands},
    {207, 20, 24, {{4, 24}}, 800, 1, kFiniteDual},
    {208, 18, 24, {{4, 24}}, 800, 1, kFiniteDual},
    {209, 14, 24, {{3, 24}}, 800, 1, kFiniteDual},
    {210, 20, 24, {{4, 24}}, 800, 1, kFiniteDual},
    {211, 26, 24, {{4, 24}}, 800, 1, kFiniteDual},
    {212, 26, 24, {{4, 24}}, 800, 1, kFiniteDual},
    {213, 18, 24, {{4, 24}}, 800, 1, kFiniteDual},
    {214, 20, 48, {{3, 48}}, 800, 1, kFiniteDual},
    {215, 26, 48, {{3, 48}}, 800, 1, kFiniteDual},
    {220, 360, 30, {{16, 30}}, 800, 1, kFarBands},
    {221, 520, 30, {{16, 30}}, 800, 1, kFarBands},
    {222, 24, 30, {{4, 30}}, 800, 1, kFiniteDual},
    {223, 264, 30, {{16, 30}}, 800, 1, kFarBands},
    {224, 264, 30, {{16, 30}}, 800, 1, kFarBands},
    {225, 32, 30, {{4, 30}}, 800, 1, kFiniteDual},
    {226, 360, 30, {{16, 30}}, 800, 1, kFarBands},
    {227, 520, 30, {{16, 30}}, 800, 1, kFarBands},
    {229, 44, 60, {{4, 60}}, 800, 1, kFiniteDual},
    {230, 42, 60, {{4, 60}}, 800, 1, kFiniteDual},
    {231, 24, 60, {{3, 60}}, 800, 1, kFiniteDual},
    {232, 32, 60, {{3, 60}}, 800, 1, kFiniteDual},
    {233, 52, 60, {{4, 60}}, 800, 1, kFiniteDual},
    {234, 44, 60, {{4, 60}}, 800, 1, kFiniteDual},
    {235, 32, 60, {{4, 60}}, 800, 1, kFiniteDual},
    {236, 32, 60, {{3, 60}}, 800, 1, kFiniteDual},
};

INSTANTIATE_TEST_SUITE_P(Uniform, FigureTable, ::testing::ValuesIn(kUniform));

Solid Built(ShapeId figure) {
    Solid solid;
    BuildFigure(solid, figure);
    return solid;
}

// Faces by {corners / starStep}; a plain polygon has step 1.
using StarCounts = std::map<std::pair<int32_t, int32_t>, int32_t>;

StarCounts CountByStep(const Solid& solid) {
    StarCounts counts;
    for (const Face& face : solid.faces) ++counts[{static_cast<int32_t>(face.corners.size()), int32_t{face.starStep}}];
    return counts;
}

struct StarRow {
    ShapeId figure;
    StarCounts faces;
};

// The star polygons as published: {8/3} octagrams, {5/2} pentagrams and
// {10/3} decagrams, beside the plain faces.
const StarRow kStarRows[] = {
    {96, {{{3, 1}, 8}, {{8, 3}, 6}}},
    {97, {{{3, 1}, 8}, {{4, 1}, 6}, {{8, 3}, 6}}},
    {101, {{{4, 1}, 12}, {{8, 3}, 6}}},
    {103, {{{6, 1}, 8}, {{8, 1}, 6}, {{8, 3}, 6}}},
    {105, {{{4, 1}, 12}, {{6, 1}, 8}, {{8, 3}, 6}}},
    {111, {{{5, 1}, 12}, {{5, 2}, 12}}},
    {112, {{{5, 2}, 12}, {{6, 1}, 10}}},
    {113, {{{5, 1}, 12}, {{6, 1}, 10}}},
    {114, {{{3, 1}, 20}, {{5, 2}, 12}}},
    {115, {{{5, 2}, 12}, {{10, 3}, 6}}},
    {116, {{{3, 1}, 20}, {{10, 3}, 6}}},
    {119, {{{5, 1}, 12}, {{10, 3}, 12}}},
    {121, {{{5, 2}, 12}, {{6, 1}, 20}}},
    {123, {{{3, 1}, 20}, {{5, 2}, 12}, {{6, 1}, 20}}},
    {124, {{{3, 1}, 20}, {{5, 2}, 12}, {{10, 1}, 12}}},
    {126, {{{3, 1}, 20}, {{10, 3}, 12}}},
    {36, {{{4, 1}, 30}, {{5, 2}, 12}}},
    {34, {{{4, 1}, 30}, {{5, 1}, 12}}},
};

TEST(Uniform, StarFacesCarryTheirStep) {
    for (const StarRow& row : kStarRows) {
        EXPECT_EQ(CountByStep(Built(row.figure)), row.faces) << "figure " << row.figure;
    }
}

int32_t FacesThroughTheCentre(const Solid& solid) {
    int32_t n = 0;
    for (const Face& face : solid.faces) {
        if (std::abs(Dot(FaceNormal(face, solid.vertices), FaceCentroid(face, solid.vertices))) < 1e-6) ++n;
    }
    return n;
}

// Only the hemi-polyhedra have faces through the centre; the rhombihexahedra
// share their octagons' planes with no such face.
TEST(Uniform, OnlyHemiPolyhedraHaveFacesThroughTheCentre) {
    const std::map<ShapeId, int32_t> hemi = {{92, 4}, {93, 4}, {109, 6}, {110, 6},
                                             {112, 10}, {113, 10}, {115, 6}, {116, 6}};
    for (ShapeId figure = 92; figure <= 126; ++figure) {
        if (figure >= 106 && figure <= 108) continue;
        const auto it = hemi.find(figure);
        EXPECT_EQ(FacesThroughTheCentre(Built(figure)), it == hemi.end() ? 0 : it->second) << "figure " << figure;
    }
}

// A frame is the convex hull of its star polyhedron's vertices.
TEST(Uniform, FramesStandOnTheirSolidsVertices) {
    for (const auto& [frame, solid] : std::vector<std::pair<ShapeId, ShapeId>>{
             {100, 99}, {102, 103}, {104, 105}, {120, 121}, {122, 123}}) {
        const Solid a = Built(frame);
        const Solid b = Built(solid);
        ASSERT_EQ(a.vertexCount(), b.vertexCount());
        for (int32_t v = 0; v < a.vertexCount(); ++v) {
            EXPECT_NEAR(Length(a.vertices[v] - b.vertices[v]), 0.0, 1e-9) << frame << " vertex " << v;
        }
    }
}

// A prism's vertex lies on one base and two sides: three faces in a compound
// of one prism to an axis, six where two prisms meet at every vertex.
TEST(Uniform, PrismCompoundsUseEveryVertexOnceOrTwice) {
    for (const auto& [figure, uses] : std::vector<std::pair<ShapeId, int>>{
             {32, 1}, {33, 2}, {34, 1}, {35, 2}, {36, 1}, {37, 2}}) {
        const Solid solid = Built(figure);
        std::vector<std::set<int32_t>> faces(solid.vertexCount());
        for (int32_t f = 0; f < solid.faceCount(); ++f) {
            for (int32_t c : solid.faces[f].corners) faces[c].insert(f);
        }
        for (int32_t v = 0; v < solid.vertexCount(); ++v) {
            EXPECT_EQ(static_cast<int>(faces[v].size()), 3 * uses) << "figure " << figure << " vertex " << v;
        }
    }
}

}  // namespace
}  // namespace gyro
