#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "catalog/catalogue.h"
#include "model/solid_ops.h"
#include "state/dispatcher.h"
#include "support/figure_table.h"
#include "support/invariants.h"

namespace gyro {
namespace {

using test::FigureFacts;
using test::FigureTable;

constexpr test::InvariantOptions kJohnson = test::kConvexEqualEdges;

// Edge lengths: rings of circumradius 800 carry the n-gon of the pyramid
// stacks (2 L sin(180/n)) and the 2n-gon of the cupola stacks (2 L sin(90/n)).
const double kEdge3 = 1600.0 * std::sin(std::numbers::pi / 3.0);   // 1385.64
const double kEdge4 = 1600.0 * std::sin(std::numbers::pi / 4.0);   // 1131.37
const double kEdge5 = 1600.0 * std::sin(std::numbers::pi / 5.0);   // 940.45
const double kEdge6 = 800.0;                            // 2 L sin 30
const double kEdge8 = 1600.0 * std::sin(std::numbers::pi / 8.0);   // 612.29
const double kEdge10 = 1600.0 * std::sin(std::numbers::pi / 10.0); // 494.43

// One row a solid. Vertex, edge and face counts and face types are those of
// the public tables of the Johnson solids; the edge count is checked below.
struct JohnsonRow {
    FigureFacts facts;
    int32_t edges;
};

FigureFacts Facts(ShapeId figure, int32_t v, int32_t f, test::CornerCounts corners, double radius,
                  int16_t patterns, double edge) {
    return {.figure = figure, .vertices = v, .faces = f, .corners = std::move(corners), .circumradius = radius,
            .patternCount = patterns, .invariants = kJohnson, .edge = edge};
}

const JohnsonRow kRows[] = {
    // Pyramids, elongated and gyroelongated pyramids, bipyramids.
    {Facts(300, 5, 5, {{3, 4}, {4, 1}}, 800, 1, kEdge4), 8},                             // J1
    {Facts(301, 6, 6, {{3, 5}, {5, 1}}, 800, 1, kEdge5), 10},                            // J2
    {Facts(306, 7, 7, {{3, 4}, {4, 3}}, 1824.191172926027, 1, kEdge3), 12},              // J7
    {Facts(307, 9, 9, {{3, 4}, {4, 5}}, 1365.6854249492383, 1, kEdge4), 16},             // J8
    {Facts(308, 11, 11, {{3, 5}, {4, 5}, {5, 1}}, 964.6553928338943, 1, kEdge5), 20},    // J9
    {Facts(309, 9, 13, {{3, 12}, {4, 1}}, 1275.6828460010888, 1, kEdge4), 20},           // J10
    {Facts(310, 11, 16, {{3, 15}, {5, 1}}, 894.4271909999159, 1, kEdge5), 25},           // J11
    {Facts(311, 5, 6, {{3, 6}}, 1131.370849898476, 3, kEdge3), 9},                       // J12
    {Facts(312, 7, 10, {{3, 10}}, 800, 3, kEdge5), 15},                                  // J13
    {Facts(313, 8, 9, {{3, 6}, {4, 3}}, 1824.191172926027, 1, kEdge3), 15},              // J14
    {Facts(314, 10, 12, {{3, 8}, {4, 4}}, 1365.6854249492383, 1, kEdge4), 20},           // J15
    {Facts(315, 12, 15, {{3, 10}, {4, 5}}, 964.6553928338943, 1, kEdge5), 25},           // J16
    {Facts(316, 10, 16, {{3, 16}}, 1275.6828460010888, 1, kEdge4), 24},                  // J17
    // Cupolae and the rotunda, elongated and gyroelongated.
    {Facts(302, 9, 8, {{3, 4}, {4, 3}, {6, 1}}, 800, 2, kEdge6), 15},                    // J3
    {Facts(303, 12, 10, {{3, 4}, {4, 5}, {8, 1}}, 800, 2, kEdge8), 20},                  // J4
    {Facts(304, 15, 12, {{3, 5}, {4, 5}, {5, 1}, {10, 1}}, 800, 2, kEdge10), 25},        // J5
    {Facts(305, 20, 17, {{3, 10}, {5, 6}, {10, 1}}, 800, 2, kEdge10), 35},               // J6
    {Facts(317, 15, 14, {{3, 4}, {4, 9}, {6, 1}}, 1150.0251352878095, 2, kEdge6), 27},   // J18
    {Facts(318, 20, 18, {{3, 4}, {4, 13}, {8, 1}}, 856.5779766140995, 2, kEdge8), 36},   // J19
    {Facts(319, 25, 22, {{3, 5}, {4, 15}, {5, 1}, {10, 1}}, 837.3258396825079, 2, kEdge10), 45},  // J20
    {Facts(320, 30, 27, {{3, 10}, {4, 10}, {5, 6}, {10, 1}}, 1018.6179232451501, 2, kEdge10), 55},  // J21
    {Facts(321, 15, 20, {{3, 16}, {4, 3}, {6, 1}}, 1097.3734206199028, 2, kEdge6), 33},  // J22
    {Facts(322, 20, 26, {{3, 20}, {4, 5}, {8, 1}}, 842.2394436405342, 2, kEdge8), 44},   // J23
    {Facts(323, 25, 32, {{3, 25}, {4, 5}, {5, 1}, {10, 1}}, 827.9206767646681, 2, kEdge10), 55},  // J24
    {Facts(324, 30, 37, {{3, 30}, {5, 6}, {10, 1}}, 987.7355749429606, 2, kEdge10), 65},  // J25
    // Bicupolae, cupolarotundae, birotundae; J26 at the digonal cupola's edge 2 L sin 45.
    {Facts(325, 8, 8, {{3, 4}, {4, 4}}, 1131.370849898476, 2, kEdge4), 14},              // J26
    {Facts(326, 12, 14, {{3, 8}, {4, 6}}, 800, 2, kEdge6), 24},                          // J27
    {Facts(327, 16, 18, {{3, 8}, {4, 10}}, 800, 2, kEdge8), 32},                         // J28
    {Facts(328, 16, 18, {{3, 8}, {4, 10}}, 800, 2, kEdge8), 32},                         // J29
    {Facts(329, 20, 22, {{3, 10}, {4, 10}, {5, 2}}, 800, 2, kEdge10), 40},               // J30
    {Facts(330, 20, 22, {{3, 10}, {4, 10}, {5, 2}}, 800, 2, kEdge10), 40},               // J31
    {Facts(331, 25, 27, {{3, 15}, {4, 5}, {5, 7}}, 800, 2, kEdge10), 50},                // J32
    {Facts(332, 25, 27, {{3, 15}, {4, 5}, {5, 7}}, 800, 2, kEdge10), 50},                // J33
    {Facts(333, 30, 32, {{3, 20}, {5, 12}}, 800, 2, kEdge10), 60},                       // J34
    {Facts(334, 18, 20, {{3, 8}, {4, 12}}, 1150.0251352878095, 2, kEdge6), 36},          // J35
    {Facts(335, 18, 20, {{3, 8}, {4, 12}}, 1150.0251352878095, 2, kEdge6), 36},          // J36
    {Facts(336, 24, 26, {{3, 8}, {4, 18}}, 856.5779766140995, 2, kEdge8), 48},           // J37
    {Facts(337, 30, 32, {{3, 10}, {4, 20}, {5, 2}}, 837.3258396825079, 2, kEdge10), 60},  // J38
    {Facts(338, 30, 32, {{3, 10}, {4, 20}, {5, 2}}, 837.3258396825079, 2, kEdge10), 60},  // J39
    {Facts(339, 35, 37, {{3, 15}, {4, 15}, {5, 7}}, 1018.6179232451501, 2, kEdge10), 70},  // J40
    {Facts(340, 35, 37, {{3, 15}, {4, 15}, {5, 7}}, 1018.6179232451501, 2, kEdge10), 70},  // J41
    {Facts(341, 40, 42, {{3, 20}, {4, 10}, {5, 12}}, 1018.6179232451501, 2, kEdge10), 80},  // J42
    {Facts(342, 40, 42, {{3, 20}, {4, 10}, {5, 12}}, 1018.6179232451501, 2, kEdge10), 80},  // J43
    {Facts(343, 18, 26, {{3, 20}, {4, 6}}, 1097.3734206199028, 2, kEdge6), 42},          // J44
    {Facts(344, 24, 34, {{3, 24}, {4, 10}}, 842.2394436405342, 2, kEdge8), 56},          // J45
    {Facts(345, 30, 42, {{3, 30}, {4, 10}, {5, 2}}, 827.9206767646681, 2, kEdge10), 70},  // J46
    {Facts(346, 35, 47, {{3, 35}, {4, 5}, {5, 7}}, 987.7355749429606, 2, kEdge10), 80},  // J47
    {Facts(347, 40, 52, {{3, 40}, {5, 12}}, 987.7355749429606, 2, kEdge10), 90},         // J48
    {Facts(393, 18, 26, {{3, 20}, {4, 6}}, 1097.3734206199028, 2, kEdge6), 42},          // J44 mirrored
    {Facts(394, 24, 34, {{3, 24}, {4, 10}}, 842.2394436405342, 2, kEdge8), 56},
    {Facts(395, 30, 42, {{3, 30}, {4, 10}, {5, 2}}, 827.9206767646681, 2, kEdge10), 70},
    {Facts(396, 35, 47, {{3, 35}, {4, 5}, {5, 7}}, 987.7355749429606, 2, kEdge10), 80},
    {Facts(397, 40, 52, {{3, 40}, {5, 12}}, 987.7355749429606, 2, kEdge10), 90},
};

std::vector<FigureFacts> AllFacts() {
    std::vector<FigureFacts> facts;
    for (const JohnsonRow& row : kRows) facts.push_back(row.facts);
    return facts;
}

INSTANTIATE_TEST_SUITE_P(Johnson, FigureTable, ::testing::ValuesIn(AllFacts()));

Solid Built(ShapeId figure) {
    Solid solid;
    BuildFigure(solid, figure);
    return solid;
}

TEST(Johnson, EdgeCountsAndNoEnglishNames) {
    for (const JohnsonRow& row : kRows) {
        const Solid solid = Built(row.facts.figure);
        EXPECT_EQ(test::Measure(solid).edgeCount, row.edges) << row.facts.figure;
        EXPECT_TRUE(solid.nameEn.empty()) << row.facts.figure;
        EXPECT_EQ(solid.nameJa, FindFigure(row.facts.figure)->nameJa);
    }
}

TEST(Johnson, SquarePyramidStandsOnTheReferenceSquare) {
    for (int8_t kikaku : {-1, 0, 1}) {
        Solid solid;
        solid.params.kikaku = kikaku;
        BuildFigure(solid, 300);
        // Base corners at 800 from the axis, the apex 800 above the square.
        const std::vector<Vec3> expected = {{0, 800, 0}, {800, 0, 0}, {0, -800, 0}, {-800, 0, 0}, {0, 0, 800}};
        ASSERT_EQ(solid.vertices.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_NEAR(solid.vertices[i].x, expected[i].x, 1e-9) << i;
            EXPECT_NEAR(solid.vertices[i].y, expected[i].y, 1e-9) << i;
            EXPECT_NEAR(solid.vertices[i].z, expected[i].z, 1e-9) << i;
        }
    }
}

TEST(Johnson, ElongatedSquarePyramidIsACubeWithAPyramid) {
    const Solid solid = Built(307);
    // Eight corners of a cube of edge 800 sqrt 2 and one apex 800 above a face.
    const double half = 400.0 * std::sqrt(2.0);
    int cubeCorners = 0;
    for (const Vec3& v : solid.vertices) {
        if (std::abs(std::abs(v.z) - half) < 1e-9 && std::abs(std::hypot(v.x, v.y) - 800.0) < 1e-9) ++cubeCorners;
    }
    EXPECT_EQ(cubeCorners, 8);
    const double top = std::max_element(solid.vertices.begin(), solid.vertices.end(),
                                        [](const Vec3& a, const Vec3& b) { return a.z < b.z; })->z;
    EXPECT_NEAR(top, half + 800.0, 1e-9);
}

// Azimuths (degrees, 0 .. 360) of the vertices at the highest or lowest level.
std::vector<double> EndAzimuths(const Solid& solid, bool highest) {
    double level = highest ? -1e18 : 1e18;
    for (const Vec3& v : solid.vertices) level = highest ? std::max(level, v.z) : std::min(level, v.z);
    std::vector<double> azimuths;
    for (const Vec3& v : solid.vertices) {
        if (std::abs(v.z - level) > 1e-6) continue;
        double a = std::atan2(v.x, v.y) * 180.0 / std::numbers::pi;
        if (a < 0) a += 360.0;
        azimuths.push_back(a);
    }
    std::sort(azimuths.begin(), azimuths.end());
    return azimuths;
}

// True when the lower end polygon is the upper one turned by `turn` degrees.
bool EndsTurnedBy(const Solid& solid, double turn) {
    const std::vector<double> top = EndAzimuths(solid, true);
    const std::vector<double> bottom = EndAzimuths(solid, false);
    if (top.size() != bottom.size()) return false;
    return std::all_of(top.begin(), top.end(), [&](double a) {
        return std::any_of(bottom.begin(), bottom.end(), [&](double b) {
            const double d = std::fmod(std::abs(a + turn - b), 360.0);
            return d < 1e-6 || 360.0 - d < 1e-6;
        });
    });
}

// Ortho: the two caps' end polygons line up; gyro: they are turned by 180/n.
struct IsomerRow {
    ShapeId figure;
    double gyroTurn;  // 0 for ortho
};

const IsomerRow kIsomers[] = {
    {325, 90},                                          // J26: the ridges cross
    {326, 0},  {327, 0},  {328, 45}, {329, 0}, {330, 36},  // J27-J31
    {331, 0},  {332, 36}, {333, 0},                        // J32-J34
    {334, 0},  {335, 60}, {336, 45}, {337, 0}, {338, 36},  // J35-J39
    {339, 0},  {340, 36}, {341, 0},  {342, 36},            // J40-J43
};

TEST(Johnson, OrthoAndGyroIsomersAreTheNamedOnes) {
    for (const IsomerRow& row : kIsomers) {
        const Solid solid = Built(row.figure);
        EXPECT_TRUE(EndsTurnedBy(solid, row.gyroTurn)) << row.figure;
        if (row.gyroTurn != 0) {
            EXPECT_FALSE(EndsTurnedBy(solid, 0)) << row.figure;
        }
    }
}

TEST(Johnson, MirrorImagesReflectTheirTwinsVertexForVertex) {
    for (ShapeId twin = 343; twin <= 347; ++twin) {
        const ShapeId mirror = static_cast<ShapeId>(twin + 50);
        const Solid a = Built(twin);
        const Solid b = Built(mirror);
        ASSERT_EQ(a.vertexCount(), b.vertexCount()) << mirror;
        ASSERT_EQ(a.faceCount(), b.faceCount()) << mirror;
        for (int32_t i = 0; i < a.vertexCount(); ++i) {
            EXPECT_NEAR(b.vertices[i].x, -a.vertices[i].x, 1e-9) << mirror << " vertex " << i;
            EXPECT_NEAR(b.vertices[i].y, a.vertices[i].y, 1e-9) << mirror << " vertex " << i;
            EXPECT_NEAR(b.vertices[i].z, a.vertices[i].z, 1e-9) << mirror << " vertex " << i;
        }
        for (int32_t f = 0; f < a.faceCount(); ++f) EXPECT_EQ(TotalCorners(a.faces[f]), TotalCorners(b.faces[f]));
        // Chiral: the twin cannot be turned onto its mirror about the axis, so
        // its lower end is turned against the upper by neither 0 nor 180/n.
        EXPECT_FALSE(EndsTurnedBy(a, 0)) << twin;
    }
}

TEST(Johnson, StepsWalkTheBuiltFiguresWithMirrorsAfterTheirTwins) {
    ShapeId figure = 343;
    for (ShapeId expected : {393, 344, 394, 345, 395, 346, 396, 347, 397, 348}) {
        figure = StepFigure(figure, 1);
        EXPECT_EQ(figure, expected);
        if (test::IsPendingFigure(figure)) continue;
        const Solid solid = Built(figure);
        EXPECT_GT(solid.faceCount(), 0) << figure;
    }
    EXPECT_EQ(StepFigure(300, -1), 391);
}

}  // namespace
}  // namespace gyro
