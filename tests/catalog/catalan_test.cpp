#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <ostream>
#include <set>
#include <utility>
#include <vector>

#include "catalog/catalogue.h"
#include "model/solid.h"
#include "state/dispatcher.h"
#include "support/figure_table.h"
#include "support/invariants.h"

namespace gyro {
namespace {

using test::FigureFacts;
using test::FigureTable;
using test::InvariantOptions;

const double kSqrt2 = std::sqrt(2.0);
const double kSqrt5 = std::sqrt(5.0);
const double kPhi = (1.0 + kSqrt5) / 2.0;

constexpr InvariantOptions kCatalan = test::kConvexSolid;
constexpr InvariantOptions kRhombic = test::kConvexEqualEdges;
// Stellations and stars: closed and consistently wound, faces crossing.
constexpr InvariantOptions kStar{.closed = true, .oriented = true};
constexpr InvariantOptions kStarRhombic{.closed = true, .oriented = true, .equalEdges = true};
// The rhombic hexecontahedron is concave: some face planes have vertices outside.
constexpr InvariantOptions kConcaveRhombic{.closed = true, .oriented = true, .equalEdges = true};

// The partners' ratios q, by which each solid grows with kikaku.
const double kCuboctahedronQ = kSqrt2;
const double kIcosidodecahedronQ = std::sqrt((5.0 - kSqrt5) / 2.0);
const double kRhombicuboctahedronQ = std::sqrt(7.0 - 4.0 * kSqrt2);
const double kRhombicosidodecahedronQ = std::sqrt(15.0 - 2.0 * kSqrt5) / 3.0;
const double kTruncatedTetrahedronQ = std::sqrt(33.0) / 3.0;
const double kTruncatedOctahedronQ = std::sqrt(5.0 / 3.0);
const double kTruncatedCubeQ = std::sqrt(5.0 - 2.0 * kSqrt2);
const double kTruncatedIcosahedronQ = std::sqrt((17.0 - 6.0 * kSqrt5) / 3.0);
const double kTruncatedDodecahedronQ = std::sqrt(125.0 - 40.0 * kSqrt5) / 5.0;
const double kTruncatedCuboctahedronQ = std::sqrt(2.0 * kSqrt2 + 69.0) / 7.0;
const double kTruncatedIcosidodecahedronQ = std::sqrt(35.0 - 2.0 * kSqrt5) / 5.0;
constexpr double kSnubCubeQ = 1.175999901320675;
constexpr double kSnubDodecahedronQ = 1.0883033063941197;

// Counts, patterns, soundness and size at kikaku -1, 0, 1; circumradius 800 at -1.
const FigureFacts kCatalanFigures[] = {
    {60, 14, 12, {{4, 12}}, 800, 7, kRhombic, 0, 0, kCuboctahedronQ, 400 * std::sqrt(3.0)},
    {61, 32, 30, {{4, 30}}, 800, 4, kRhombic, 0, 0, kIcosidodecahedronQ, 800 / kPhi},
    {62, 22, 20, {{4, 20}}, 800, 2, kRhombic, 0, 0, 1.25, 546.3037},
    {63, 14, 12, {{4, 12}}, 800, 2, kRhombic, 0, 0, 1.25, 581.2341},
    {64, 26, 24, {{4, 24}}, 800, 3, kCatalan, 0, 0, kRhombicuboctahedronQ},
    {65, 26, 24, {{4, 24}}, 800, 3, kCatalan, 0, 0, kRhombicuboctahedronQ},
    {66, 62, 60, {{4, 60}}, 800, 1, kCatalan, 0, 0, kRhombicosidodecahedronQ},
    {67, 8, 12, {{3, 12}}, 800, 2, kCatalan, 0, 0, kTruncatedTetrahedronQ},
    {68, 8, 12, {{3, 12}}, 800, 2, kCatalan, 0, 0, kTruncatedTetrahedronQ},
    {69, 14, 24, {{3, 24}}, 800, 5, kCatalan, 0, 0, kTruncatedOctahedronQ},
    {70, 14, 24, {{3, 24}}, 800, 3, kCatalan, 0, 0, kTruncatedCubeQ},
    {71, 32, 60, {{3, 60}}, 800, 2, kCatalan, 0, 0, kTruncatedIcosahedronQ},
    {72, 32, 60, {{3, 60}}, 800, 2, kCatalan, 0, 0, kTruncatedDodecahedronQ},
    {73, 26, 48, {{3, 48}}, 800, 7, kCatalan, 0, 0, kTruncatedCuboctahedronQ},
    {74, 62, 120, {{3, 120}}, 800, 7, kCatalan, 0, 0, kTruncatedIcosidodecahedronQ},
    {75, 38, 24, {{5, 24}}, 800, 4, kCatalan, 0, 0, kSnubCubeQ},
    {76, 38, 24, {{5, 24}}, 800, 4, kCatalan, 0, 0, kSnubCubeQ},
    {77, 92, 60, {{5, 60}}, 800, 3, kCatalan, 0, 0, kSnubDodecahedronQ},
    {78, 92, 60, {{5, 60}}, 800, 3, kCatalan, 0, 0, kSnubDodecahedronQ},
    {79, 62, 60, {{4, 60}}, 800, 1, kConcaveRhombic, 0, 0, 1.0, 800 / std::sqrt(3.0 + 6.0 / kSqrt5)},
    {80, 52, 60, {{4, 60}}, 800, 3, kStarRhombic, 0, 0, 1.0, 494.4272},
    {81, 52, 60, {{4, 60}}, 800, 3, kStarRhombic, 0, 0, 1.0, 542.9729},
    {82, 52, 60, {{4, 60}}, 800, 3, kStarRhombic, 0, 0, 1.0, 494.4272},
    {83, 92, 90, {{4, 90}}, 800, 1, kRhombic, 0, 0, 1.0, 305.5728},
    {84, 18, 24, {{3, 24}}, 800, 2, kStar, 0, 0, 1.5},
    {85, 24, 30, {{4, 30}}, 800, 4, kStarRhombic, 0, 0, 1.0, 728.4742},
    {86, 32, 30, {{4, 30}}, 800, 4, kStarRhombic, 0, 0, kIcosidodecahedronQ, 878.5479},
    {87, 32, 20, {{6, 20}}, 800, 2, kStarRhombic, 0, 0, kTruncatedDodecahedronQ, 498.9982},
    {447, 14, 12, {{4, 12}}, 800, 7, kRhombic, 4, 0, kCuboctahedronQ, 400 * std::sqrt(3.0)},
    {448, 32, 30, {{4, 30}}, 800, 4, kRhombic, 3, 0, kIcosidodecahedronQ, 800 / kPhi},
};

INSTANTIATE_TEST_SUITE_P(Catalan, FigureTable, ::testing::ValuesIn(kCatalanFigures));

Solid Built(ShapeId figure, int8_t kikaku, int8_t conhensez = 0) {
    Solid solid;
    solid.params.kikaku = kikaku;
    solid.params.conhensez = conhensez;
    BuildFigure(solid, figure);
    return solid;
}

// Every polygon edge once, as an ordered pair.
std::set<std::pair<int32_t, int32_t>> Edges(const Solid& solid) {
    std::set<std::pair<int32_t, int32_t>> edges;
    for (const Face& face : solid.faces) {
        const size_t n = face.corners.size();
        for (size_t i = 0; i < n; ++i) {
            const int32_t a = face.corners[i];
            const int32_t b = face.corners[(i + 1) % n];
            edges.insert({std::min(a, b), std::max(a, b)});
        }
    }
    return edges;
}

// Distances of the edges from the centre (nearest points of the segments):
// the midsphere of a Catalan solid touches every edge, not at its midpoint.
test::Range EdgeTangentRadius(const Solid& solid) {
    test::Range range{1e300, 0.0, 0};
    for (const auto& [a, b] : Edges(solid)) {
        const Vec3 p = solid.vertices[a];
        const Vec3 d = solid.vertices[b] - p;
        const double t = std::clamp(-Dot(p, d) / Dot(d, d), 0.0, 1.0);
        const double r = Length(p + d * t);
        range.min = std::min(range.min, r);
        range.max = std::max(range.max, r);
        ++range.count;
    }
    return range;
}

// ---- Reciprocity with the Archimedean partners --------------------------------

struct Partner {
    ShapeId figure;
    double partnerCircumradius;  // at kikaku 0
    double edgeTangentMidradius; // the partner's midradius at kikaku 0 with conhensez
    double edgeTangentGrowth;    // its growth per step of kikaku, squared
};

void PrintTo(const Partner& p, std::ostream* os) { *os << "figure " << p.figure; }

// Circumradii: 800 sqrt(q) of the partner. Edge-tangent midradii: 800 where the
// partner sizes itself by its midsphere; the truncated solids' own formulas
// give 639.14 (45), 686.70 (47), 742.18 (48), 743.17 (49), 781.30 (50).
const Partner kPartners[] = {
    {60, 951.3656920, 800.0, 1.5},
    {61, 867.3898333, 800.0, 1.25},
    {64, 861.2332185, 800.0, 4.0 - 2.0 * kSqrt2},
    {65, 861.2332185, 800.0, 4.0 - 2.0 * kSqrt2},
    {66, 831.9829506, 800.0, 10.0 / 9.0},
    {67, 1107.0260602, 639.1417938, kTruncatedTetrahedronQ},
    {68, 1107.0260602, 639.1417938, kTruncatedTetrahedronQ},
    {69, 908.9754932, 742.1753823, kTruncatedOctahedronQ},
    {70, 971.1439055, 686.7024411, kTruncatedCubeQ},
    {71, 836.3524183, 781.2973115, kTruncatedIcosahedronQ},
    {72, 873.6492743, 743.1704614, kTruncatedDodecahedronQ},
    {73, 880.2682872, 800.0, 12.0 / (10.0 - kSqrt2)},
    {74, 840.9672621, 800.0, 1.2},
    {75, 867.5482332, 800.0, 1.1914878839531187},
    {77, 834.5742125, 800.0, 1.120694041666721},
};

class CatalanPartner : public ::testing::TestWithParam<Partner> {};

TEST_P(CatalanPartner, IsReciprocalToItsPartnerAtKikakuZero) {
    const Partner& row = GetParam();
    const Solid solid = Built(row.figure, 0);
    const test::SolidMeasures m = test::Measure(solid);
    EXPECT_TRUE(m.faceDistance.IsConstant(1e-9)) << m.faceDistance.min << " " << m.faceDistance.max;
    EXPECT_TRUE(EdgeTangentRadius(solid).IsConstant(1e-9));
    EXPECT_NEAR(m.faceDistance.min * row.partnerCircumradius, 800.0 * 800.0, 1e-3);
}

TEST_P(CatalanPartner, TakesThePartnersMidsphereForACompound) {
    const Partner& row = GetParam();
    for (int8_t kikaku : {-1, 0, 1}) {
        const test::Range r = EdgeTangentRadius(Built(row.figure, kikaku, 1));
        const double expected = row.edgeTangentMidradius * std::pow(row.edgeTangentGrowth, kikaku / 2.0);
        EXPECT_TRUE(r.IsConstant(1e-9)) << int{kikaku};
        EXPECT_NEAR(r.max, expected, 1e-6) << int{kikaku};
    }
}

INSTANTIATE_TEST_SUITE_P(Catalan, CatalanPartner, ::testing::ValuesIn(kPartners));

// Built for a dual compound (conhensez), every edge of the Catalan solid
// crosses an edge of its Archimedean partner at right angles where both touch
// the common midsphere: the partner's position, orientation and size all agree.
TEST(CatalanSolids, EdgesCrossThePartnersInTheDualCompounds) {
    auto tangents = [](const Solid& solid) {
        std::vector<std::pair<Vec3, Vec3>> points;  // nearest point of each edge, edge direction
        for (const auto& [a, b] : Edges(solid)) {
            const Vec3 p = solid.vertices[a];
            const Vec3 d = solid.vertices[b] - p;
            points.push_back({p + d * (-Dot(p, d) / Dot(d, d)), d / Length(d)});
        }
        return points;
    };
    for (ShapeId compound = 503; compound <= 519; ++compound) {
        const FigureInfo* info = FindFigure(compound);
        ASSERT_NE(info, nullptr);
        for (int8_t kikaku : {-1, 0, 1}) {
            const auto archimedean = tangents(Built(info->base, kikaku, 1));
            const auto catalan = tangents(Built(info->finish.partner, kikaku, 1));
            ASSERT_EQ(archimedean.size(), catalan.size()) << compound;
            for (const auto& tangent : catalan) {
                // Named apart, not bound: clang 14 cannot capture a structured binding.
                const auto& point = tangent.first;
                const auto& direction = tangent.second;
                const auto match = std::find_if(archimedean.begin(), archimedean.end(), [&](const auto& other) {
                    return Length(other.first - point) < 1e-6 * 800;
                });
                ASSERT_NE(match, archimedean.end()) << compound << " at kikaku " << int{kikaku};
                EXPECT_NEAR(Dot(match->second, direction), 0.0, 1e-9) << compound;
            }
        }
    }
}

// ---- Shapes against published proportions -----------------------------------------

struct Shape {
    ShapeId figure;
    int eulerCharacteristic;
    double edgeRatio;      // longest : shortest edge (1: all equal)
    double diagonalRatio;  // long : short diagonal of every rhombus (0: not rhombic)
    bool congruentFaces;
};

void PrintTo(const Shape& s, std::ostream* os) { *os << "figure " << s.figure; }

const Shape kShapes[] = {
    {60, 2, 1.0, kSqrt2, true},
    {61, 2, 1.0, kPhi, true},
    {62, 2, 1.0, kPhi, true},
    {63, 2, 1.0, kPhi, true},
    {64, 2, 2.0 - 1.0 / kSqrt2, 0, true},
    {65, 2, 2.0 - 1.0 / kSqrt2, 0, true},  // congruent, though not all alike in their surroundings
    {66, 2, (7.0 + kSqrt5) / 6.0, 0, true},
    {67, 2, 5.0 / 3.0, 0, true},
    {69, 2, 4.0 / 3.0, 0, true},
    {70, 2, 1.0 + 1.0 / kSqrt2, 0, true},
    {71, 2, 1.1273220, 0, true},
    {72, 2, (15.0 + kSqrt5) / 10.0, 0, true},
    {73, 2, 1.6306019, 0, true},
    {75, 2, 1.4196434, 0, true},
    {77, 2, 1.7498525, 0, true},
    {79, 2, 1.0, kPhi, true},
    {80, -8, 1.0, kPhi, true},
    {81, -8, 1.0, kPhi, true},
    {83, 2, 1.0, 0, false},  // sixty broad and thirty slim rhombi
    {84, 6, 2.0 / std::sqrt(3.0), 0, true},
    {85, -6, 1.0, kPhi * kPhi, true},
    {86, 2, 1.0, kPhi, true},
    {87, -8, 1.0, 0, true},
};

class CatalanShape : public ::testing::TestWithParam<Shape> {};

// The sorted distances between the corners of a face: equal for congruent faces.
std::vector<double> Chords(const Solid& solid, const Face& face) {
    std::vector<double> chords;
    for (size_t i = 0; i < face.corners.size(); ++i) {
        for (size_t j = i + 1; j < face.corners.size(); ++j) {
            chords.push_back(Length(solid.vertices[face.corners[i]] - solid.vertices[face.corners[j]]));
        }
    }
    std::sort(chords.begin(), chords.end());
    return chords;
}

TEST_P(CatalanShape, HasThePublishedProportions) {
    const Shape& row = GetParam();
    const Solid solid = Built(row.figure, -1);
    const test::SolidMeasures m = test::Measure(solid);
    EXPECT_NEAR(m.edgeLength.max / m.edgeLength.min, row.edgeRatio, 1e-6);
    EXPECT_EQ(solid.vertexCount() - m.edgeCount + solid.faceCount(), row.eulerCharacteristic);
    if (row.diagonalRatio > 0) {
        for (const Face& face : solid.faces) {
            const auto& c = face.corners;
            const double d1 = Length(solid.vertices[c[0]] - solid.vertices[c[2]]);
            const double d2 = Length(solid.vertices[c[1]] - solid.vertices[c[3]]);
            EXPECT_NEAR(std::max(d1, d2) / std::min(d1, d2), row.diagonalRatio, 1e-9);
        }
    }
    const std::vector<double> first = Chords(solid, solid.faces[0]);
    bool congruent = true;
    for (const Face& face : solid.faces) {
        const std::vector<double> chords = Chords(solid, face);
        for (size_t i = 0; i < chords.size(); ++i) congruent = congruent && std::abs(chords[i] - first[i]) < 1e-6;
    }
    EXPECT_EQ(congruent, row.congruentFaces);
}

INSTANTIATE_TEST_SUITE_P(Catalan, CatalanShape, ::testing::ValuesIn(kShapes));

// ---- Single facts -------------------------------------------------------------------

TEST(CatalanSolids, RhombicDodecahedronStandsOnItsTopVertex) {
    const Solid inscribed = Built(60, -1);
    EXPECT_DOUBLE_EQ(inscribed.vertices[0].z, 800.0);
    EXPECT_DOUBLE_EQ(inscribed.vertices[0].x, 0.0);
    const Solid circumscribed = Built(60, 1);
    EXPECT_NEAR(circumscribed.vertices[0].z, 800.0 * kSqrt2, 1e-9);
}

TEST(CatalanSolids, MirrorImagesNegateXVertexByVertex) {
    const std::pair<ShapeId, ShapeId> pairs[] = {{75, 76}, {77, 78}};
    for (const auto& [plain, mirror] : pairs) {
        const Solid a = Built(plain, -1);
        const Solid b = Built(mirror, -1);
        ASSERT_EQ(a.vertexCount(), b.vertexCount());
        for (int32_t i = 0; i < a.vertexCount(); ++i) {
            EXPECT_EQ(b.vertices[i].x, -a.vertices[i].x) << mirror << " " << i;
            EXPECT_EQ(b.vertices[i].y, a.vertices[i].y) << mirror << " " << i;
            EXPECT_EQ(b.vertices[i].z, a.vertices[i].z) << mirror << " " << i;
        }
    }
    const Solid triakis = Built(67, -1);
    const Solid turned = Built(68, -1);
    for (int32_t i = 0; i < triakis.vertexCount(); ++i) EXPECT_EQ(turned.vertices[i].z, -triakis.vertices[i].z);
}

TEST(CatalanSolids, PseudoDeltoidalIcositetrahedronTurnsOnlyTheBottomCap) {
    const Solid plain = Built(64, -1);
    const Solid pseudo = Built(65, -1);
    ASSERT_EQ(plain.vertexCount(), pseudo.vertexCount());
    int turned = 0;
    for (int32_t i = 0; i < plain.vertexCount(); ++i) {
        const Vec3 p = plain.vertices[i];
        const Vec3 q = pseudo.vertices[i];
        if (Length(p - q) < 1e-9) continue;
        // A quarter of a right angle about z, towards +x from +y.
        const Vec3 expected{(p.x + p.y) / kSqrt2, (p.y - p.x) / kSqrt2, p.z};
        EXPECT_LT(Length(q - expected), 1e-9) << i;
        EXPECT_LT(p.z, 0.0) << i;
        ++turned;
    }
    EXPECT_EQ(turned, 8);
}

}  // namespace
}  // namespace gyro
