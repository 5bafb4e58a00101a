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
// J84-J90 rest on constants given to 11-17 digits: their edges agree to about 1e-8.
constexpr test::InvariantOptions kFitted{.closed = true, .oriented = true, .convex = true, .equalEdges = true,
                                         .tolerance = 1e-7};
// J86 keeps three empty face slots that J87 fills.
constexpr test::InvariantOptions kFittedWithGaps{.closed = true, .oriented = true, .convex = true,
                                                 .equalEdges = true, .allowEmptyFaces = true, .tolerance = 1e-7};

// Edge lengths: rings of circumradius 800 carry the n-gon of the pyramid
// stacks (2 L sin(180/n)) and the 2n-gon of the cupola stacks (2 L sin(90/n)).
const double kEdge3 = 1600.0 * std::sin(std::numbers::pi / 3.0);   // 1385.64
const double kEdge4 = 1600.0 * std::sin(std::numbers::pi / 4.0);   // 1131.37
const double kEdge5 = 1600.0 * std::sin(std::numbers::pi / 5.0);   // 940.45
const double kEdge6 = 800.0;                            // 2 L sin 30
const double kEdge8 = 1600.0 * std::sin(std::numbers::pi / 8.0);   // 612.29
const double kEdge10 = 1600.0 * std::sin(std::numbers::pi / 10.0); // 494.43
// Edges of the regular and truncated solids of circumradius 800.
const double kDodecahedronEdge = 3200.0 / (std::sqrt(3.0) * (1.0 + std::sqrt(5.0)));  // 570.92
const double kIcosahedronEdge = 3200.0 / std::sqrt(10.0 + 2.0 * std::sqrt(5.0));      // 841.17
const double kTetrahedronEdge = 800.0 * std::sqrt(8.0 / 3.0);
// The solids on Archimedean bases grow with kikaku as their bases do.
const double kRhombRatio = std::sqrt(15.0 - 2.0 * std::sqrt(5.0)) / 3.0;
const double kRhombEdge = 1600.0 / std::sqrt(11.0 + 4.0 * std::sqrt(5.0));  // 358.27
const double kTruncatedDodecahedronRatio = std::sqrt(125.0 - 40.0 * std::sqrt(5.0)) / 5.0;
const double kTruncatedDodecahedronEdge = 3200.0 / std::sqrt(74.0 + 30.0 * std::sqrt(5.0));  // 269.41
// A cupola's top reaches beyond the truncated dodecahedron's circumsphere.
constexpr double kAugmentedTruncatedRadius = 844.1456524154286;
const double kTruncatedCubeEdge = 1600.0 / std::sqrt(3.0) / (1.0 + std::sqrt(2.0));   // 382.63

// One row a solid. Vertex, edge and face counts and face types are those of
// the public tables of the Johnson solids; the edge count is checked below.
struct JohnsonRow {
    FigureFacts facts;
    int32_t edges;
};

FigureFacts Facts(ShapeId figure, int32_t v, int32_t f, test::CornerCounts corners, double radius,
                  int16_t patterns, double edge, test::InvariantOptions invariants = kJohnson, double sizeRatio = 1.0) {
    return {.figure = figure, .vertices = v, .faces = f, .corners = std::move(corners), .circumradius = radius,
            .patternCount = patterns, .invariants = invariants, .sizeRatio = sizeRatio, .edge = edge};
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
    // Prisms with square pyramids on their sides.
    {Facts(348, 7, 8, {{3, 6}, {4, 2}}, 1379.7958971132714, 1, kEdge3), 13},             // J49
    {Facts(349, 8, 11, {{3, 10}, {4, 1}}, 1379.7958971132714, 1, kEdge3), 17},           // J50
    {Facts(350, 9, 14, {{3, 14}}, 1379.7958971132714, 1, kEdge3), 21},                   // J51
    {Facts(351, 11, 10, {{3, 4}, {4, 4}, {5, 2}}, 1312.2166959438832, 1, kEdge5), 19},   // J52
    {Facts(352, 12, 13, {{3, 8}, {4, 3}, {5, 2}}, 1312.2166959438832, 1, kEdge5), 23},   // J53
    {Facts(353, 13, 11, {{3, 4}, {4, 5}, {6, 2}}, 1258.5057479767888, 1, kEdge6), 22},   // J54
    {Facts(354, 14, 14, {{3, 8}, {4, 4}, {6, 2}}, 1258.5057479767888, 1, kEdge6), 26},   // J55
    {Facts(355, 14, 14, {{3, 8}, {4, 4}, {6, 2}}, 1258.5057479767888, 1, kEdge6), 26},   // J56
    {Facts(356, 15, 17, {{3, 12}, {4, 3}, {6, 2}}, 1258.5057479767888, 1, kEdge6), 30},  // J57
    // The dodecahedron (circumradius 800) with pentagonal pyramids; 32 vertex slots.
    {Facts(357, 32, 16, {{3, 5}, {5, 11}}, 935.8715363695409, 1, kDodecahedronEdge), 35},   // J58
    {Facts(358, 32, 20, {{3, 10}, {5, 10}}, 935.8715363695409, 1, kDodecahedronEdge), 40},  // J59
    {Facts(359, 32, 20, {{3, 10}, {5, 10}}, 935.8715363695409, 1, kDodecahedronEdge), 40},  // J60
    {Facts(360, 32, 24, {{3, 15}, {5, 9}}, 935.8715363695409, 1, kDodecahedronEdge), 45},  // J61
    // The icosahedron (circumradius 800) with vertices cut off; 13 vertex slots.
    {Facts(361, 13, 12, {{3, 10}, {5, 2}}, 800, 6, kIcosahedronEdge), 20},               // J62
    {Facts(362, 13, 8, {{3, 5}, {5, 3}}, 800, 6, kIcosahedronEdge), 15},                 // J63
    {Facts(363, 13, 10, {{3, 7}, {5, 3}}, 1322.5358266855785, 6, kIcosahedronEdge), 18},  // J64
    // Truncated tetrahedron and cube (from circumradius-800 solids) with cupolae.
    {Facts(364, 15, 14, {{3, 8}, {4, 3}, {6, 3}}, 671.0963942462889, 2, kTetrahedronEdge / 3.0), 27},  // J65
    {Facts(365, 28, 22, {{3, 12}, {4, 5}, {8, 5}}, 780.8186304155812, 6, kTruncatedCubeEdge), 48},    // J66
    {Facts(366, 32, 30, {{3, 16}, {4, 10}, {8, 4}}, 780.8186304155812, 6, kTruncatedCubeEdge), 60},   // J67
    // The truncated dodecahedron (circumradius 800 at kikaku -1) with pentagonal cupolae.
    {Facts(367, 65, 42, {{3, 25}, {4, 5}, {5, 1}, {10, 11}}, kAugmentedTruncatedRadius, 1, kTruncatedDodecahedronEdge,
           kJohnson, kTruncatedDodecahedronRatio), 105},   // J68
    {Facts(368, 70, 52, {{3, 30}, {4, 10}, {5, 2}, {10, 10}}, kAugmentedTruncatedRadius, 1, kTruncatedDodecahedronEdge,
           kJohnson, kTruncatedDodecahedronRatio), 120},   // J69
    {Facts(369, 70, 52, {{3, 30}, {4, 10}, {5, 2}, {10, 10}}, kAugmentedTruncatedRadius, 1, kTruncatedDodecahedronEdge,
           kJohnson, kTruncatedDodecahedronRatio), 120},   // J70
    {Facts(370, 75, 62, {{3, 35}, {4, 15}, {5, 3}, {10, 9}}, kAugmentedTruncatedRadius, 1, kTruncatedDodecahedronEdge,
           kJohnson, kTruncatedDodecahedronRatio), 135},   // J71
    // The rhombicosidodecahedron (circumradius 800) with cupolae turned or cut off; 60 vertex slots.
    {Facts(371, 60, 62, {{3, 20}, {4, 30}, {5, 12}}, 800, 2, kRhombEdge, kJohnson, kRhombRatio), 120},  // J72
    {Facts(372, 60, 62, {{3, 20}, {4, 30}, {5, 12}}, 800, 2, kRhombEdge, kJohnson, kRhombRatio), 120},  // J73
    {Facts(373, 60, 62, {{3, 20}, {4, 30}, {5, 12}}, 800, 2, kRhombEdge, kJohnson, kRhombRatio), 120},  // J74
    {Facts(374, 60, 62, {{3, 20}, {4, 30}, {5, 12}}, 800, 2, kRhombEdge, kJohnson, kRhombRatio), 120},  // J75
    {Facts(375, 60, 52, {{3, 15}, {4, 25}, {5, 11}, {10, 1}}, 800, 2, kRhombEdge, kJohnson, kRhombRatio), 105},  // J76
    {Facts(376, 60, 52, {{3, 15}, {4, 25}, {5, 11}, {10, 1}}, 800, 2, kRhombEdge, kJohnson, kRhombRatio), 105},  // J77
    {Facts(377, 60, 52, {{3, 15}, {4, 25}, {5, 11}, {10, 1}}, 800, 2, kRhombEdge, kJohnson, kRhombRatio), 105},  // J78
    {Facts(378, 60, 52, {{3, 15}, {4, 25}, {5, 11}, {10, 1}}, 800, 2, kRhombEdge, kJohnson, kRhombRatio), 105},  // J79
    {Facts(379, 60, 42, {{3, 10}, {4, 20}, {5, 10}, {10, 2}}, 800, 2, kRhombEdge, kJohnson, kRhombRatio), 90},   // J80
    {Facts(380, 60, 42, {{3, 10}, {4, 20}, {5, 10}, {10, 2}}, 800, 2, kRhombEdge, kJohnson, kRhombRatio), 90},   // J81
    {Facts(381, 60, 42, {{3, 10}, {4, 20}, {5, 10}, {10, 2}}, 800, 2, kRhombEdge, kJohnson, kRhombRatio), 90},   // J82
    {Facts(382, 60, 32, {{3, 5}, {4, 15}, {5, 9}, {10, 3}}, 800, 2, kRhombEdge, kJohnson, kRhombRatio), 75},     // J83
    {Facts(392, 60, 32, {{3, 5}, {4, 15}, {5, 9}, {10, 3}}, 800, 2, kRhombEdge, kJohnson, kRhombRatio), 75},     // pants
    // Individual solids: J84 in fixed coordinates, the others from L = 800.
    {Facts(383, 8, 12, {{3, 12}}, 632.2711859017086, 3, 680, kFitted), 18},                       // J84
    {Facts(384, 16, 26, {{3, 24}, {4, 2}}, 1388.5555835018056, 1, kEdge4, kFitted), 40},          // J85
    {Facts(385, 10, 17, {{0, 3}, {3, 12}, {4, 2}}, 1581.6088934954378, 1, 1600, kFittedWithGaps), 22},  // J86
    {Facts(386, 11, 17, {{3, 16}, {4, 1}}, 1879.5267992177376, 1, 1600, kFitted), 26},            // J87
    {Facts(387, 12, 18, {{3, 16}, {4, 2}}, 2073.5367490264834, 1, 1600, kFitted), 28},            // J88
    {Facts(388, 14, 21, {{3, 18}, {4, 3}}, 1928.6328096087614, 1, 1600, kFitted), 33},            // J89
    {Facts(389, 16, 24, {{3, 20}, {4, 4}}, 1939.753827123133, 1, 1600, kFitted), 38},             // J90
    {Facts(390, 14, 14, {{3, 8}, {4, 2}, {5, 4}}, 2242.013661510518, 1, 1600), 26},      // J91
    {Facts(391, 18, 20, {{3, 13}, {4, 3}, {5, 3}, {6, 1}}, 2094.427190999916, 1, kEdge3), 36},  // J92
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

// Where the added, turned or cut parts sit: the angles between the directions
// of the parts. Para parts lie opposite (180), meta ones one place further
// than neighbours.
enum class PartKind : uint8_t {
    Apexes,     // vertices beyond the base solid's circumsphere
    Pentagons,  // pentagons (added cupolae, or pentagons left by cut vertices)
    Cupolae,    // rhombicosidodecahedron: rims of removed cupolae and turned pentagons
};

struct PlacementRow {
    ShapeId figure;
    PartKind kind;
    double baseRadius;           // Apexes: the base solid's circumradius
    std::vector<double> angles;  // between every two parts, ascending
};

const double kMetaFace = std::acos(-1.0 / std::sqrt(5.0)) * 180.0 / std::numbers::pi;  // 116.57
const std::vector<double> kMetaTriple = {kMetaFace, kMetaFace, kMetaFace};

const PlacementRow kPlacements[] = {
    {349, PartKind::Apexes, 1100, {120}},        // J50: two sides of the triangular prism
    {352, PartKind::Apexes, 1000, {144}},        // J53: pentagonal prism, one side between
    {354, PartKind::Apexes, 900, {180}},         // J55: para
    {355, PartKind::Apexes, 900, {120}},         // J56: meta
    {356, PartKind::Apexes, 900, {120, 120, 120}},  // J57: every other side
    {358, PartKind::Apexes, 801, {180}},         // J59: opposite faces of the dodecahedron
    {359, PartKind::Apexes, 801, {kMetaFace}},   // J60
    {360, PartKind::Apexes, 801, kMetaTriple},   // J61
    {361, PartKind::Pentagons, 0, {kMetaFace}},  // J62: the cut vertices neither neighbours nor opposite
    {362, PartKind::Pentagons, 0, kMetaTriple},  // J63
    {368, PartKind::Pentagons, 0, {180}},        // J69
    {369, PartKind::Pentagons, 0, {kMetaFace}},  // J70
    {370, PartKind::Pentagons, 0, kMetaTriple},  // J71
    {371, PartKind::Cupolae, 0, {}},             // J72: one turned cupola
    {372, PartKind::Cupolae, 0, {180}},          // J73
    {373, PartKind::Cupolae, 0, {kMetaFace}},    // J74
    {374, PartKind::Cupolae, 0, kMetaTriple},    // J75
    {376, PartKind::Cupolae, 0, {180}},          // J77
    {377, PartKind::Cupolae, 0, {kMetaFace}},    // J78
    {378, PartKind::Cupolae, 0, kMetaTriple},    // J79
    {379, PartKind::Cupolae, 0, {180}},          // J80
    {380, PartKind::Cupolae, 0, {kMetaFace}},    // J81
    {381, PartKind::Cupolae, 0, kMetaTriple},    // J82
    {382, PartKind::Cupolae, 0, kMetaTriple},    // J83
};

bool HasVertexAt(const Solid& solid, const Vec3& p) {
    return std::any_of(solid.vertices.begin(), solid.vertices.end(),
                       [&](const Vec3& v) { return Length(v - p) < 1e-6; });
}

std::vector<Vec3> Parts(const Solid& solid, const PlacementRow& row) {
    std::vector<Vec3> parts;
    if (row.kind == PartKind::Apexes) {
        for (const Vec3& v : solid.vertices) {
            if (Length(v) > row.baseRadius) parts.push_back(v);
        }
        return parts;
    }
    const Solid base = Built(44);
    for (const Face& f : solid.faces) {
        const int32_t n = TotalCorners(f);
        bool part = n == 5;
        if (row.kind == PartKind::Cupolae) {
            const bool moved = n == 5 && std::any_of(f.corners.begin(), f.corners.end(), [&](int32_t v) {
                return !HasVertexAt(base, solid.vertices[v]);
            });
            part = n == 10 || moved;
        }
        if (part) parts.push_back(FaceCentroid(f, solid.vertices));
    }
    return parts;
}

TEST(Johnson, AugmentedAndDiminishedPartsSitWhereTheNamesSay) {
    for (const PlacementRow& row : kPlacements) {
        const Solid solid = Built(row.figure);
        const std::vector<Vec3> parts = Parts(solid, row);
        // k parts make k (k - 1) / 2 pairs.
        const auto pairs = row.angles.size();
        EXPECT_EQ(parts.size() * (parts.size() - 1) / 2, pairs) << row.figure;
        EXPECT_EQ(parts.size(), static_cast<size_t>(1 + std::lround(std::sqrt(1.0 + 8.0 * pairs))) / 2) << row.figure;
        std::vector<double> angles;
        for (size_t i = 0; i < parts.size(); ++i) {
            for (size_t k = i + 1; k < parts.size(); ++k) {
                const double c = Dot(parts[i], parts[k]) / (Length(parts[i]) * Length(parts[k]));
                angles.push_back(std::acos(std::clamp(c, -1.0, 1.0)) * 180.0 / std::numbers::pi);
            }
        }
        std::sort(angles.begin(), angles.end());
        ASSERT_EQ(angles.size(), row.angles.size()) << row.figure;
        for (size_t i = 0; i < angles.size(); ++i) EXPECT_NEAR(angles[i], row.angles[i], 1e-6) << row.figure;
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
