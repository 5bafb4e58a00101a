#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "catalog/vertex_sets.h"
#include "model/solid_ops.h"
#include "state/dispatcher.h"
#include "support/figure_table.h"
#include "support/invariants.h"

namespace gyro {
namespace {

using test::FigureTable;
using test::InvariantOptions;

const double kS5 = std::sqrt(5.0);

// Star solids: one edge length, every face turned away from the centre. Those
// with faces through the centre or coplanar twins merged are not orientable.
constexpr InvariantOptions kStar{.closed = true, .equalEdges = true};
// Edges in four faces (the great disnub dirhombidodecahedron).
constexpr InvariantOptions kOpenStar{.equalEdges = true};
// Coplanar twins merged into one face leave their slots empty.
constexpr InvariantOptions kMerged{.closed = true, .equalEdges = true, .allowEmptyFaces = true};
constexpr InvariantOptions kMergedOpen{.equalEdges = true, .allowEmptyFaces = true};
constexpr InvariantOptions kFrame = test::kConvexSolid;
// Duals of solids with faces through the centre: bands out to far points.
constexpr InvariantOptions kFarBands{.planar = false, .outward = false};
constexpr InvariantOptions kDual{};

// Circumradii at kikaku -1 of the vertex sets, from their documented sizes,
// and each set's growth per step of kikaku.
const double kQ60 = std::sqrt(15.0 - 2.0 * kS5) / 3.0;
double PentagramSetRadius() {
    const double x = std::sqrt(5.0 * kS5 - 10.0);
    const double a = (3.0 - kS5) / (x + 1.0);
    return 800.0 / kQ60 * std::sqrt(1.0 + a * a);
}
const double kQTd = std::sqrt(125.0 - 40.0 * kS5) / 5.0;
double TruncatedDodecahedronSetRadius(double mu) {
    const double t1 = (3.0 - kS5) * (mu * std::cos(2.0 * M_PI / 5.0) + 1.0 - mu);
    const double g1 = (3.0 - kS5) * mu * std::sin(2.0 * M_PI / 5.0);
    return 800.0 / kQTd * std::sqrt(1.0 + t1 * t1 + g1 * g1);
}
const double kQTi = std::sqrt((17.0 - 6.0 * kS5) / 3.0);
double TruncatedIcosahedronSetRadius(double lambda) {
    const double d = 800.0 * 3.0 / std::sqrt(4.0 / kS5 + 5.0);
    const double z = lambda / kS5 + 1.0 - lambda;
    return d * std::sqrt(4.0 * lambda * lambda / 5.0 + z * z);
}
const double kQ120 = std::sqrt(35.0 - 2.0 * kS5) / 5.0;
double Set120Radius(kit::Icosahedral120 m) {
    return 800.0 / kQ120 * std::sqrt(1.0 + m.beta * m.beta + m.gamma * m.gamma);
}
double SnubSetRatio(kit::SnubIcosahedral m) {
    return std::sqrt(m.kappa * m.kappa + 1.0 + m.epsilon * m.epsilon -
                     2.0 * m.kappa * m.epsilon * std::sin(M_PI / 5.0));
}

const double kMuRetrosnub = (3.0 * kS5 + 9.0 - std::sqrt(46.0 * kS5 + 102.0)) / 4.0;
const double kLambdaSnub = ((kS5 + 3.0) * 3.0 - (kS5 + 1.0) * std::sqrt((9.0 * kS5 + 19.0) / 2.0)) / 4.0;

const double kR60 = PentagramSetRadius();
const double kRTd = TruncatedDodecahedronSetRadius((5.0 - kS5) / 10.0);
const double kRRetro = TruncatedDodecahedronSetRadius(kMuRetrosnub);
const double kRTi3 = TruncatedIcosahedronSetRadius((3.0 - kS5) / 2.0);
const double kRTi5 = TruncatedIcosahedronSetRadius((5.0 - kS5) / 10.0);
const double kRTiS = TruncatedIcosahedronSetRadius(kLambdaSnub);
const double kR157 = Set120Radius(kit::IcositruncatedDodecadodecahedronMember());
const double kR159 = Set120Radius(kit::TruncatedDodecadodecahedronMember());
const double kR161 = Set120Radius(kit::GreatTruncatedIcosidodecahedronMember());

// Face counts and kinds of the uniform polyhedra as published (Wenninger,
// Maeder's list); a {6/2} or a merged pair of pentagrams counts all its corners.
const test::FigureFacts kUniform[] = {
    {38, 60, 160, {{3, 160}}, kR60, 1, kStar, 0, 0, kQ60},
    {127, 60, 62, {{3, 20}, {4, 30}, {5, 12}}, kR60, 2, kFrame, 0, 0, kQ60},
    {128, 60, 104, {{3, 80}, {5, 24}}, kR60, 1, kStar, 0, 0, kQ60},
    {129, 60, 104, {{3, 80}, {5, 24}}, kR60, 1, kStar, 0, 0, kQ60},
    {130, 60, 104, {{0, 12}, {3, 80}, {10, 12}}, kR60, 1, kMerged, 0, 0, kQ60},
    {131, 60, 104, {{0, 12}, {3, 80}, {10, 12}}, kR60, 1, kMerged, 0, 0, kQ60},
    {132, 60, 124, {{3, 40}, {4, 60}, {5, 24}}, kR60, 1, kStar, 0, 0, kQ60},
    {133, 60, 124, {{0, 32}, {4, 60}, {6, 20}, {10, 12}}, kR60, 1, kMerged, 0, 0, kQ60},
    {134, 60, 124, {{0, 32}, {4, 60}, {6, 20}, {10, 12}}, kR60, 1, kMerged, 0, 0, kQ60},
    {135, 60, 204, {{3, 120}, {4, 60}, {5, 24}}, kR60, 1, kOpenStar, 0, 0, kQ60},
    {136, 60, 204, {{0, 12}, {3, 120}, {4, 60}, {10, 12}}, kR60, 1, kMergedOpen, 0, 0, kQ60},
    {137, 60, 204, {{0, 12}, {3, 120}, {4, 60}, {10, 12}}, kR60, 1, kMergedOpen, 0, 0, kQ60},
    {138, 60, 44, {{3, 20}, {5, 12}, {10, 12}}, kRTd, 1, kStar, 0, 0, kQTd},
    {139, 60, 52, {{3, 20}, {5, 12}, {6, 20}}, kRTd, 1, kStar, 0, 0, kQTd},
    {140, 60, 32, {{6, 20}, {10, 12}}, kRTd, 1, kStar, 0, 0, kQTd},
    {141, 60, 32, {{3, 20}, {10, 12}}, kRRetro, 3, kFrame, 0, 0, kQTd},
    {142, 60, 112, {{3, 100}, {5, 12}}, kRRetro, 1, kStar, 0, 0, kQTd},
    {143, 60, 92, {{3, 60}, {5, 12}, {6, 20}}, kRRetro, 1, kStar, 0, 0, kQTd},
    {144, 60, 32, {{5, 12}, {6, 20}}, kRTi5, 3, kFrame, 0, 0, kQTi},
    {145, 60, 24, {{5, 12}, {10, 12}}, kRTi5, 1, kStar, 0, 0, kQTi},
    {146, 60, 44, {{3, 20}, {5, 12}, {10, 12}}, kRTi5, 1, kStar, 0, 0, kQTi},
    {147, 60, 62, {{3, 20}, {4, 30}, {5, 12}}, kRTi5, 1, kStar, 0, 0, kQTi},
    {148, 60, 42, {{4, 30}, {10, 12}}, kRTi5, 1, kStar, 0, 0, kQTi},
    {149, 60, 32, {{5, 12}, {6, 20}}, kRTi3, 3, kFrame, 0, 0, kQTi},
    {150, 60, 54, {{4, 30}, {5, 24}}, kRTi3, 1, kStar, 0, 0, kQTi},
    {151, 60, 44, {{5, 24}, {6, 20}}, kRTi3, 1, kStar, 0, 0, kQTi},
    {152, 60, 50, {{4, 30}, {6, 20}}, kRTi3, 1, kStar, 0, 0, kQTi},
    {153, 60, 32, {{5, 12}, {6, 20}}, kRTiS, 3, kFrame, 0, 0, kQTi},
    {154, 60, 112, {{3, 100}, {5, 12}}, kRTiS, 1, kStar, 0, 0, kQTi},
    {155, 60, 92, {{3, 60}, {5, 12}, {6, 20}}, kRTiS, 1, kStar, 0, 0, kQTi},
    {156, 120, 62, {{4, 30}, {6, 20}, {10, 12}}, kR157, 3, kFrame, 0, 0, kQ120},
    {157, 120, 44, {{6, 20}, {10, 24}}, kR157, 1, kStar, 0, 0, kQ120},
    {158, 120, 62, {{4, 30}, {6, 20}, {10, 12}}, kR159, 3, kFrame, 0, 0, kQ120},
    {159, 120, 54, {{4, 30}, {10, 24}}, kR159, 1, kStar, 0, 0, kQ120},
    {160, 120, 62, {{4, 30}, {6, 20}, {10, 12}}, kR161, 3, kFrame, 0, 0, kQ120},
    {161, 120, 62, {{4, 30}, {6, 20}, {10, 12}}, kR161, 1, kStar, 0, 0, kQ120},
    {162, 60, 92, {{3, 80}, {5, 12}}, 800, 3, kFrame, 0, 0, SnubSetRatio(kit::kSnubDodecadodecahedron)},
    {163, 60, 84, {{3, 60}, {5, 24}}, 800, 1, kStar, 0, 0, SnubSetRatio(kit::kSnubDodecadodecahedron)},
    {164, 60, 92, {{3, 80}, {5, 12}}, 800, 3, kFrame, 0, 0, SnubSetRatio(kit::kSnubDodecadodecahedron)},
    {165, 60, 84, {{3, 60}, {5, 24}}, 800, 1, kStar, 0, 0, SnubSetRatio(kit::kSnubDodecadodecahedron)},
    {166, 60, 92, {{3, 80}, {5, 12}}, 800, 3, kFrame, 0, 0, SnubSetRatio(kit::kInvertedSnubDodecadodecahedron)},
    {167, 60, 84, {{3, 60}, {5, 24}}, 800, 1, kStar, 0, 0, SnubSetRatio(kit::kInvertedSnubDodecadodecahedron)},
    {169, 60, 84, {{3, 60}, {5, 24}}, 800, 1, kStar, 0, 0, SnubSetRatio(kit::kInvertedSnubDodecadodecahedron)},
    {170, 60, 92, {{3, 80}, {5, 12}}, 800, 3, kFrame, 0, 0, SnubSetRatio(kit::kSnubIcosidodecadodecahedron)},
    {171, 60, 104, {{3, 80}, {5, 24}}, 800, 1, kStar, 0, 0, SnubSetRatio(kit::kSnubIcosidodecadodecahedron)},
    {173, 60, 104, {{3, 80}, {5, 24}}, 800, 1, kStar, 0, 0, SnubSetRatio(kit::kSnubIcosidodecadodecahedron)},
    {174, 60, 92, {{3, 80}, {5, 12}}, 800, 3, kFrame, 0, 0, SnubSetRatio(kit::kGreatSnubIcosidodecahedron)},
    {175, 60, 92, {{3, 80}, {5, 12}}, 800, 1, kStar, 0, 0, SnubSetRatio(kit::kGreatSnubIcosidodecahedron)},
    {177, 60, 92, {{3, 80}, {5, 12}}, 800, 1, kStar, 0, 0, SnubSetRatio(kit::kGreatSnubIcosidodecahedron)},
    {178, 60, 92, {{3, 80}, {5, 12}}, 800, 3, kFrame, 0, 0, SnubSetRatio(kit::kGreatInvertedSnubIcosidodecahedron)},
    {179, 60, 92, {{3, 80}, {5, 12}}, 800, 1, kStar, 0, 0, SnubSetRatio(kit::kGreatInvertedSnubIcosidodecahedron)},
    {181, 60, 92, {{3, 80}, {5, 12}}, 800, 1, kStar, 0, 0, SnubSetRatio(kit::kGreatInvertedSnubIcosidodecahedron)},
    {182, 60, 92, {{3, 80}, {5, 12}}, 800, 3, kFrame, 0, 0, SnubSetRatio(kit::kGreatRetrosnubIcosidodecahedron)},
    {183, 60, 92, {{3, 80}, {5, 12}}, 800, 1, kStar, 0, 0, SnubSetRatio(kit::kGreatRetrosnubIcosidodecahedron)},
    {185, 60, 92, {{3, 80}, {5, 12}}, 800, 1, kStar, 0, 0, SnubSetRatio(kit::kGreatRetrosnubIcosidodecahedron)},
    // Duals: a face per primal vertex, on the sphere of 800 at every size standard.
    {237, 104, 60, {{6, 60}}, 800, 1, kDual},
    {238, 104, 60, {{6, 60}}, 800, 1, kDual},
    {239, 992, 60, {{32, 60}}, 800, 1, kFarBands},
    {240, 1632, 60, {{48, 60}}, 800, 1, kFarBands},
    {241, 44, 60, {{4, 60}}, 800, 1, kDual},
    {245, 24, 60, {{3, 60}}, 800, 1, kDual},
    {247, 62, 60, {{4, 60}}, 800, 1, kDual},
    {253, 44, 120, {{3, 120}}, 800, 1, kDual},
    {255, 62, 120, {{3, 120}}, 800, 1, kDual},
    {258, 84, 60, {{5, 60}}, 800, 1, kDual},
    {266, 92, 60, {{5, 60}}, 800, 1, kDual},
    {267, 92, 60, {{5, 60}}, 800, 1, kDual},
};
INSTANTIATE_TEST_SUITE_P(UniformIcosahedral, FigureTable, ::testing::ValuesIn(kUniform),
                         [](const auto& info) { return "Figure" + std::to_string(info.param.figure); });

Solid Build(ShapeId figure, int8_t kikaku = -1) {
    Solid solid;
    solid.params.kikaku = kikaku;
    BuildFigure(solid, figure);
    return solid;
}

// Circumradius : edge as published for the named solid: the face choice on the
// shared vertex set must give the solid of that name, not another faceting.
struct EdgeFact {
    ShapeId figure;
    double radiusOverEdge;
    int32_t edges;
};
const EdgeFact kEdgeFacts[] = {
    {38, std::sqrt(0.5), 240},
    {128, std::sqrt(0.5), 180},
    {132, std::sqrt(0.5), 240},
    {135, std::sqrt(0.5), 240},
    {145, 0.0, 90},
    {147, std::sqrt(11.0 - 4.0 * kS5) / 2.0, 120},
    {150, std::sqrt(7.0) / 2.0, 120},
    {151, std::sqrt(7.0) / 2.0, 120},
    {152, std::sqrt(7.0) / 2.0, 120},
    {157, 2.0, 180},
    {159, std::sqrt(11.0) / 2.0, 180},
    {161, std::sqrt(31.0 - 12.0 * kS5) / 2.0, 180},
    {142, 0.0, 180},
    {154, 0.0, 180},
    {163, 0.0, 150},
    {171, 0.0, 180},
    {175, 0.0, 150},
};

TEST(UniformIcosahedral, EdgesMatchTheNamedSolid) {
    for (const EdgeFact& fact : kEdgeFacts) {
        const test::SolidMeasures m = test::Measure(Build(fact.figure));
        EXPECT_EQ(m.edgeCount, fact.edges) << fact.figure;
        if (fact.radiusOverEdge > 0.0) {
            EXPECT_NEAR(m.vertexRadius.max / m.edgeLength.max, fact.radiusOverEdge, 1e-9) << fact.figure;
        }
    }
}

// The half turn about the x axis is a symmetry of each 60-vertex set, and the
// partner maps name the right vertices.
TEST(UniformIcosahedral, HalfTurnMapsNameTheTurnedVertex) {
    struct Case {
        void (*write)(std::vector<Vec3>&);
        int32_t (*halfTurn)(int32_t);
    };
    const Case cases[] = {
        {[](std::vector<Vec3>& v) { kit::WriteRhombicosidodecahedronFamily(v, 0, 1.0, 0.7); },
         kit::RhombicosidodecahedronHalfTurn},
        {[](std::vector<Vec3>& v) { kit::WriteTruncatedDodecahedronFamily(v, 0, 1.0, 0.3); },
         kit::TruncatedDodecahedronHalfTurn},
        {[](std::vector<Vec3>& v) { kit::WriteTruncatedIcosahedronFamily(v, 0, 1.0, 0.3); },
         kit::TruncatedIcosahedronHalfTurn},
    };
    for (const Case& c : cases) {
        std::vector<Vec3> v(60);
        c.write(v);
        for (int32_t i = 0; i < 60; ++i) {
            const Vec3 turned{v[i].x, -v[i].y, -v[i].z};
            EXPECT_NEAR(Length(v[c.halfTurn(i)] - turned), 0.0, 1e-12) << i;
        }
    }
}

// A mirror image is its figure with x negated vertex by vertex and every face
// read the other way round.
TEST(UniformIcosahedral, MirrorImagesNegateXAndReverseFaces) {
    for (const auto& [mirror, original] : {std::pair<ShapeId, ShapeId>{165, 163}, {129, 128}, {185, 183}}) {
        const Solid a = Build(mirror);
        const Solid b = Build(original);
        ASSERT_EQ(a.vertexCount(), b.vertexCount());
        ASSERT_EQ(a.faceCount(), b.faceCount());
        for (int32_t i = 0; i < a.vertexCount(); ++i) {
            EXPECT_EQ(a.vertices[i].x, -b.vertices[i].x);
            EXPECT_EQ(a.vertices[i].y, b.vertices[i].y);
        }
        for (int32_t f = 0; f < a.faceCount(); ++f) {
            const auto& p = a.faces[f].corners;
            const auto& q = b.faces[f].corners;
            ASSERT_EQ(p.size(), q.size());
            for (size_t i = 0; i < p.size(); ++i) EXPECT_EQ(p[i], q[(q.size() - i) % q.size()]) << mirror;
        }
    }
}

// A merged face is two faces of its twin drawn as one: same vertices, and the
// polygons of every merged face are faces of the twin.
TEST(UniformIcosahedral, MergedFacesAreTheTwinsCoplanarPairs) {
    for (const auto& [merged, twin] : {std::pair<ShapeId, ShapeId>{143, 142}, {155, 154}, {130, 128}, {133, 132}}) {
        const Solid a = Build(merged);
        const Solid b = Build(twin);
        ASSERT_EQ(a.vertexCount(), b.vertexCount());
        for (int32_t i = 0; i < a.vertexCount(); ++i) EXPECT_EQ(Length(a.vertices[i] - b.vertices[i]), 0.0);
        std::set<std::set<int32_t>> twinFaces;
        for (const Face& face : b.faces) twinFaces.insert({face.corners.begin(), face.corners.end()});
        int merges = 0;
        for (const Face& face : a.faces) {
            for (int32_t p = 0; p < face.polygonCount; ++p) {
                const auto first = face.corners.begin() + p * face.polygonSize;
                EXPECT_TRUE(twinFaces.count({first, first + face.polygonSize})) << merged;
            }
            if (face.polygonCount == 2) ++merges;
        }
        EXPECT_GT(merges, 0) << merged;
    }
}

// The dual's face of a primal vertex runs once round every primal face at that
// vertex, also where edges lie in four faces: one band per face, none twice.
TEST(UniformIcosahedral, DualRingsTakeEveryFaceAtTheVertexOnce) {
    for (const auto& [dual, primal] : {std::pair<ShapeId, ShapeId>{240, 135}, {239, 132}}) {
        const Solid p = Build(primal);
        const Solid d = Build(dual);
        const int32_t n = p.faceCount();
        ASSERT_EQ(d.faceCount(), p.vertexCount());
        for (int32_t v = 0; v < p.vertexCount(); ++v) {
            std::multiset<int32_t> around;
            for (int32_t f = 0; f < n; ++f) {
                const auto& c = p.faces[f].corners;
                if (std::find(c.begin(), c.end(), v) != c.end()) around.insert(f);
            }
            std::multiset<int32_t> ring;
            const Face& face = d.faces[v];
            for (int32_t q = 0; q < face.polygonCount; ++q) ring.insert(face.corners[4 * q] % n);
            EXPECT_EQ(ring, around) << dual << " vertex " << v;
        }
    }
}

}  // namespace
}  // namespace gyro
