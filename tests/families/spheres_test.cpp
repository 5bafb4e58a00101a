#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <ostream>
#include <utility>
#include <vector>

#include "families/families.h"
#include "model/colour.h"
#include "state/dispatcher.h"
#include "support/invariants.h"

namespace gyro {
namespace {

using test::InvariantOptions;

// Counts, steps and caps of a mesh; 0 keeps the default.
struct Counts {
    int16_t n = 0, kn = 0, m = 0, km = 0;
    int8_t caps = 0;
};

Solid Built(ShapeId figure, Counts c = {}, void (*setup)(BuildParams&) = nullptr) {
    Solid solid;
    BuildParams& p = solid.params;
    if (c.n) p.sphn = c.n;
    if (c.kn) p.sphpn = c.kn;
    if (c.m) p.sphm = c.m;
    if (c.km) p.sphpm = c.km;
    p.sphtei = c.caps;
    if (setup != nullptr) setup(p);
    EXPECT_NE(BuildFigure(solid, figure), 0);
    return solid;
}

// ---- Counts, face kinds and soundness of typical shapes -------------------

constexpr InvariantOptions kConvex{.closed = true, .oriented = true, .convex = true};
// Star rings cross themselves; the torus has faces turned towards its axis.
constexpr InvariantOptions kClosed{.outward = false, .closed = true, .oriented = true};

struct SphereRow {
    ShapeId figure;
    Counts counts;
    int32_t vertices;
    int32_t faces;
    test::CornerCounts corners;
    InvariantOptions invariants;
};

void PrintTo(const SphereRow& r, std::ostream* os) {
    *os << r.figure << ": " << r.counts.n << "/" << r.counts.kn << " x " << r.counts.m << "/" << r.counts.km
        << " caps " << int{r.counts.caps};
}

const SphereRow kRows[] = {
    {415, {}, 114, 128, {{3, 32}, {4, 96}}, kConvex},  // two poles, seven rings of 16
    {415, {.caps = 1}, 128, 114, {{4, 112}, {16, 2}}, kConvex},
    {415, {.m = 9}, 65, 65, {{3, 16}, {4, 48}, {16, 1}}, kConvex},  // top pole, flat bottom
    {415, {.m = 9, .caps = 1}, 65, 65, {{3, 16}, {4, 48}, {16, 1}}, kConvex},  // flat top, bottom pole
    {415, {.m = 3}, 17, 17, {{3, 16}, {16, 1}}, kConvex},
    {415, {.m = 2, .caps = 1}, 16, 2, {{16, 2}}, kClosed},  // a disc of two faces
    {415, {.kn = 3}, 114, 128, {{3, 32}, {4, 96}}, kClosed},
    {415, {.kn = 6, .caps = 1}, 128, 114, {{4, 112}, {16, 2}}, kClosed},  // caps of two octagons
    {415, {.n = 128, .m = 128}, 2 + 128 * 63, 128 * 64, {{3, 256}, {4, 128 * 62}}, kConvex},
    {416, {}, 256, 256, {{4, 256}}, kClosed},
    {416, {.kn = 3, .km = 5, .caps = 1}, 256, 256, {{4, 256}}, kClosed},
    {416, {.n = 128, .m = 128}, 16384, 16384, {{4, 16384}}, kClosed},
};

class SphereTable : public ::testing::TestWithParam<SphereRow> {};

TEST_P(SphereTable, ShowsItsCountsAndIsSound) {
    const SphereRow& row = GetParam();
    const Solid solid = Built(row.figure, row.counts);
    EXPECT_EQ(solid.vertexCount(), row.vertices);
    EXPECT_EQ(solid.faceCount(), row.faces);
    EXPECT_EQ(test::Measure(solid).facesByCorners, row.corners);
    EXPECT_EQ(solid.patternCount, row.figure == 415 ? 3 : 5);
    EXPECT_TRUE(test::SolidIsSound(solid, row.invariants));
}

INSTANTIATE_TEST_SUITE_P(Spheres, SphereTable, ::testing::ValuesIn(kRows));

// ---- Every count and step -------------------------------------------------

// Every face has corners, every corner is a vertex, every vertex is finite and
// a corner of some face (none is left unwritten at the origin).
::testing::AssertionResult IndicesValid(const Solid& solid) {
    std::vector<int> used(static_cast<size_t>(solid.vertexCount()), 0);
    for (const Face& face : solid.faces) {
        if (face.polygonCount < 1 || face.corners.size() != size_t(face.polygonCount) * face.polygonSize) {
            return ::testing::AssertionFailure() << "a face is empty or miscounted";
        }
        for (int32_t c : face.corners) {
            if (c < 0 || c >= solid.vertexCount()) return ::testing::AssertionFailure() << "corner " << c;
            used[size_t(c)] = 1;
        }
    }
    for (const Vec3& v : solid.vertices) {
        if (!std::isfinite(v.x + v.y + v.z)) return ::testing::AssertionFailure() << "a vertex is not finite";
    }
    if (std::count(used.begin(), used.end(), 0) != 0) return ::testing::AssertionFailure() << "an unused vertex";
    return ::testing::AssertionSuccess();
}

// Unless a ring or the torus's meridian steps by half its count (then an edge
// is walked by two faces each way), every edge is walked once each way.
TEST(Spheres, EveryCountAndStepGivesValidIndicesAndAClosedMesh) {
    for (ShapeId figure : {415, 416}) {
        for (int16_t n = 2; n <= 16; ++n) {
            for (int16_t m = 2; m <= 16; ++m) {
                for (int16_t kn = 1; kn <= n / 2; ++kn) {
                    for (int16_t km = 1; km <= m / 2; ++km) {
                        for (int8_t caps : {0, 1}) {
                            const Solid solid = Built(figure, {n, kn, m, km, caps});
                            SCOPED_TRACE(::testing::Message() << figure << ": " << n << "/" << kn << " x " << m
                                                              << "/" << km << " caps " << int{caps});
                            ASSERT_TRUE(IndicesValid(solid));
                            const bool lines = figure == 415 && m == 2 && caps == 0;  // two-corner faces
                            if (lines || 2 * kn == n || (figure == 416 && 2 * km == m)) continue;
                            std::map<std::pair<int32_t, int32_t>, int> walks;  // +1 forwards, +100 backwards
                            for (const Face& f : solid.faces) {
                                for (size_t i = 0; i < f.corners.size(); ++i) {
                                    const size_t first = i / size_t(f.polygonSize) * size_t(f.polygonSize);
                                    const int32_t a = f.corners[i];
                                    const int32_t b = f.corners[first + (i + 1 - first) % size_t(f.polygonSize)];
                                    walks[{std::min(a, b), std::max(a, b)}] += a < b ? 1 : 100;
                                }
                            }
                            for (const auto& [edge, w] : walks) ASSERT_EQ(w, 101) << edge.first << "-" << edge.second;
                        }
                    }
                }
            }
        }
    }
}

// Values no key, dialog or settings file lets through still give a sound mesh.
TEST(Spheres, OutOfRangeParametersNeverReachTheIndexArithmetic) {
    const Counts kCounts[] = {{.km = -5}, {.km = 100}, {.kn = 99}, {.n = -3, .m = 1}, {.n = 30000, .m = 30000}};
    void (*const kSetups[])(BuildParams&) = {
        [](BuildParams& p) { p.sphtei = 7; },
        [](BuildParams& p) { p.sphhang = -1; },
        [](BuildParams& p) { p.sphpn = p.sphpm = 0; },
        [](BuildParams& p) { p.sphspn = -2, p.sphspm = std::numeric_limits<double>::quiet_NaN(); },
    };
    for (ShapeId figure : {415, 416}) {
        for (const Counts& c : kCounts) {
            const Solid solid = Built(figure, c);
            EXPECT_TRUE(IndicesValid(solid)) << figure << ": " << c.n << "/" << c.kn << " x " << c.m << "/" << c.km;
            EXPECT_LE(solid.faceCount(), 16384);
        }
        for (auto setup : kSetups) EXPECT_TRUE(IndicesValid(Built(figure, {}, setup))) << figure;
    }
}

// ---- Shape, names and colours ------------------------------------------------

TEST(Spheres, WithExponentOneEveryVertexLiesOnTheEllipsoid) {
    const Counts kCounts[] = {{}, {.caps = 1}, {.n = 9, .kn = 4, .m = 11}, {.m = 11, .caps = 1}};
    for (const Counts& c : kCounts) {
        const Solid solid = Built(415, c, [](BuildParams& p) {
            p.sphwx = 500, p.sphwy = 900, p.sphwz = 300, p.spharg = 30;
            p.sphspon = 0, p.sphspn = 0.2;  // exponents switched off
        });
        for (const Vec3& v : solid.vertices) {
            EXPECT_NEAR(v.x * v.x / 250000 + v.y * v.y / 810000 + v.z * v.z / 90000, 1.0, 1e-12);
        }
    }
}

// Exponent 0 is the sign function: every coordinate is on a face of the
// 1600-unit box or on an axis, the poles and the equator included.
TEST(Spheres, ExponentZeroGivesABox) {
    const Solid solid = Built(415, {.n = 8, .m = 8}, [](BuildParams& p) { p.sphhang = 0, p.sphspn = p.sphspm = 0; });
    for (const Vec3& v : solid.vertices) {
        for (double c : {v.x, v.y, v.z}) EXPECT_TRUE(c == 0 || std::abs(c) == 800) << v.x << " " << v.y << " " << v.z;
    }
    EXPECT_EQ(solid.vertices.front(), (Vec3{0, 800, 0}));
    EXPECT_EQ(solid.vertices.back(), (Vec3{0, -800, 0}));
    EXPECT_NEAR(test::Measure(solid).vertexRadius.max, 800 * std::sqrt(3.0), 1e-9);
}

TEST(Spheres, NamesFollowTheExponents) {
    struct Row {
        ShapeId figure;
        int8_t on;
        double spn, spm;
        const char* name;
    };
    const Row kNames[] = {
        {415, 1, 1.0, 1.0, "球状"},     {415, 1, 0.5, 1.0, "超二次楕円体状"}, {415, 0, 0.5, 0.5, "球状"},
        {416, 1, 1.0, 1.0, "トーラス状"}, {416, 1, 1.0, 3.0, "超二次トーラス状"}, {416, 0, 3.0, 3.0, "トーラス状"},
    };
    for (const Row& row : kNames) {
        Solid solid;
        solid.params.sphspon = row.on;
        solid.params.sphspn = row.spn;
        solid.params.sphspm = row.spm;
        ASSERT_NE(BuildFigure(solid, row.figure), 0);
        EXPECT_EQ(solid.nameJa, row.name) << row.figure << " " << int{row.on} << " " << row.spn << " " << row.spm;
    }
}

// Hue positions of large hue settings pass 32 bits before they are reduced.
TEST(Spheres, LargeHueSettingsAreComputedWithoutOverflow) {
    const Solid ellipsoid = Built(415, {}, [](BuildParams& p) { p.sikisouhz = 1000, p.sikisourt = 1000; });
    // (15 + 7 * 1000) * 1000 * 1530 / 16 = 670,809,375, which is 765 on the circle.
    EXPECT_EQ(ellipsoid.faces[127].colours[1], HueColour(765));
    const Solid torus = Built(416, {}, [](BuildParams& p) { p.sikisouhz = 1001, p.sikisourt = -30000; });
    // Tube ring 3, corner 14: ((64 - 14) * 30000 + 56) * 1001 * 765 / 16 / 2 = 35,896,574,463, which is 573.
    EXPECT_EQ(torus.faces[14 + 3 * 16].colours[1], HueColour(573));
}

// The widths are the circumradius of each ring polygon, or with sphgais 0 its
// inradius: a regular n-gon of inradius r has its corners at r / cos(180/n)
// degrees, 100 * sqrt(2) for a square and 200 / sqrt(3) for a hexagon. The ring
// corners are the vertices farthest from the axis (the torus's tube is shrunk
// to nothing, so that every vertex is a ring corner).
TEST(Spheres, RingWidthIsTheCircumradiusOrTheInradius) {
    struct Row {
        ShapeId figure;
        int16_t n;
        int8_t gais;
        double corner;
    };
    const Row kRings[] = {
        {415, 4, 1, 100.0}, {415, 4, 0, 141.42135623730951}, {415, 6, 0, 115.47005383792516},
        {416, 4, 1, 100.0}, {416, 4, 0, 141.42135623730951}, {416, 6, 0, 115.47005383792516},
        {415, 2, 0, 0.0},  // a 2-gon has no inradius: the ring closes up on the axis
    };
    for (const Row& row : kRings) {
        SCOPED_TRACE(::testing::Message() << row.figure << ": " << row.n << " corners, sphgais " << int{row.gais});
        Solid solid;
        BuildParams& p = solid.params;
        p.sphn = row.n, p.sphm = 4, p.sphgais = row.gais;
        p.sphwx = p.sphwz = 100, p.sphwy = 50, p.sphtwx = p.sphtwz = 0;
        ASSERT_NE(BuildFigure(solid, row.figure), 0);
        double farthest = 0.0;
        for (const Vec3& v : solid.vertices) farthest = std::max(farthest, std::hypot(v.x, v.z));
        EXPECT_NEAR(farthest, row.corner, 1e-9);
    }
}

// ---- Building into a solid that already holds a mesh ------------------------

TEST(Spheres, BuildingOverAnotherMeshReusesItAndLeavesNothingBehind) {
    Solid reused;
    // Segments, star steps and per-blob colours left in it.
    ASSERT_NE(BuildFigure(reused, 416), 0);
    for (Face& face : reused.faces) face.colours = {1, 2, 3, 4, 5, 6, 7};
    reused.faces[0].starStep = 3;
    reused.segments.push_back({0, 1});
    reused.params.sphtei = 1;
    reused.params.sphpn = 6;
    const Vec3* vertices = reused.vertices.data();
    const int32_t* corners = reused.faces[70].corners.data();
    ASSERT_NE(BuildSphereFamily(reused, 415), 0);
    EXPECT_EQ(reused.vertices.data(), vertices);  // 128 of the torus's 256
    EXPECT_EQ(reused.faces[70].corners.data(), corners);

    const Solid fresh = Built(415, {.kn = 6, .caps = 1});
    EXPECT_EQ(reused.vertices, fresh.vertices);
    ASSERT_EQ(reused.faceCount(), fresh.faceCount());
    for (int32_t f = 0; f < fresh.faceCount(); ++f) {
        const Face& a = reused.faces[f];
        const Face& b = fresh.faces[f];
        EXPECT_TRUE(a.corners == b.corners && a.polygonSize == b.polygonSize && a.polygonCount == b.polygonCount &&
                    a.colours == b.colours && a.starStep == b.starStep)
            << "face " << f;
    }
    EXPECT_TRUE(reused.segments.empty());
    EXPECT_EQ(reused.nameJa, fresh.nameJa);
    EXPECT_EQ(BuildSphereFamily(reused, 414), 0);
}

}  // namespace
}  // namespace gyro
