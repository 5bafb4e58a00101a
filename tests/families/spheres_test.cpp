#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "families/families.h"
#include "model/colour.h"
#include "state/dispatcher.h"
#include "support/invariants.h"

namespace gyro {
namespace {

using test::CornerCounts;
using test::InvariantOptions;

Solid Built(ShapeId figure, void (*setup)(BuildParams&) = nullptr) {
    Solid solid;
    if (setup != nullptr) setup(solid.params);
    EXPECT_NE(BuildFigure(solid, figure), 0);
    return solid;
}

// ---- Counts, face kinds and soundness of typical shapes -------------------

struct SphereRow {
    const char* what;
    ShapeId figure;
    void (*setup)(BuildParams&);
    int32_t vertices;
    int32_t faces;
    CornerCounts corners;
    InvariantOptions invariants;
};

void PrintTo(const SphereRow& row, std::ostream* os) { *os << row.what; }

constexpr InvariantOptions kConvex{.closed = true, .oriented = true, .convex = true};
constexpr InvariantOptions kClosed{.closed = true, .oriented = true};
// Rings that wind round the axis several times cross themselves; the torus
// has faces turned towards its axis.
constexpr InvariantOptions kClosedAnyWay{.outward = false, .closed = true, .oriented = true};

const SphereRow kRows[] = {
    {"defaults: two poles, seven rings of 16", 415, nullptr, 114, 128, {{3, 32}, {4, 96}}, kConvex},
    {"caps: eight rings, two flat 16-gons", 415, [](BuildParams& p) { p.sphtei = 1; }, 128, 114,
     {{4, 112}, {16, 2}}, kConvex},
    {"odd meridian: top pole, flat bottom", 415, [](BuildParams& p) { p.sphm = 9; }, 65, 65,
     {{3, 16}, {4, 48}, {16, 1}}, kConvex},
    {"odd meridian with caps: flat top, bottom pole", 415,
     [](BuildParams& p) {
         p.sphm = 9;
         p.sphtei = 1;
     },
     65, 65, {{3, 16}, {4, 48}, {16, 1}}, kConvex},
    {"three meridian corners: a pole over a flat ring", 415, [](BuildParams& p) { p.sphm = 3; }, 17, 17,
     {{3, 16}, {16, 1}}, kConvex},
    {"two meridian corners with caps: a disc of two faces", 415,
     [](BuildParams& p) {
         p.sphm = 2;
         p.sphtei = 1;
     },
     16, 2, {{16, 2}}, {.outward = false, .closed = true, .oriented = true}},
    {"star rings {16/3}", 415, [](BuildParams& p) { p.sphpn = 3; }, 114, 128, {{3, 32}, {4, 96}},
     kClosedAnyWay},
    {"star caps {16/6}: two octagons each", 415,
     [](BuildParams& p) {
         p.sphpn = 6;
         p.sphtei = 1;
     },
     128, 114, {{4, 112}, {16, 2}}, kClosedAnyWay},
    {"meridian step 3", 415, [](BuildParams& p) { p.sphpm = 3; }, 114, 128, {{3, 32}, {4, 96}}, kClosedAnyWay},
    {"128 x 128 ellipsoid", 415,
     [](BuildParams& p) {
         p.sphn = 128;
         p.sphm = 128;
     },
     2 + 128 * 63, 128 * 64, {{3, 256}, {4, 128 * 62}}, kConvex},
    {"torus defaults", 416, nullptr, 256, 256, {{4, 256}}, kClosedAnyWay},
    {"torus with shifted tube rings", 416, [](BuildParams& p) { p.sphtei = 1; }, 256, 256, {{4, 256}},
     kClosedAnyWay},
    {"torus with steps 3 and 5", 416,
     [](BuildParams& p) {
         p.sphpn = 3;
         p.sphpm = 5;
     },
     256, 256, {{4, 256}}, kClosedAnyWay},
    {"128 x 128 torus", 416,
     [](BuildParams& p) {
         p.sphn = 128;
         p.sphm = 128;
     },
     16384, 16384, {{4, 16384}}, kClosedAnyWay},
};

class SphereTable : public ::testing::TestWithParam<SphereRow> {};

TEST_P(SphereTable, ShowsItsCountsAndIsSound) {
    const SphereRow& row = GetParam();
    const Solid solid = Built(row.figure, row.setup);
    EXPECT_EQ(solid.vertexCount(), row.vertices);
    EXPECT_EQ(solid.faceCount(), row.faces);
    EXPECT_EQ(test::Measure(solid).facesByCorners, row.corners);
    EXPECT_EQ(solid.patternCount, row.figure == 415 ? 3 : 5);
    EXPECT_TRUE(test::SolidIsSound(solid, row.invariants));
}

INSTANTIATE_TEST_SUITE_P(Spheres, SphereTable, ::testing::ValuesIn(kRows));

// ---- Every count and step ---------------------------------------------------

// Directed edge uses by vertex index, whatever the positions.
struct EdgeUse {
    int forward = 0;
    int backward = 0;
};

std::map<std::pair<int32_t, int32_t>, EdgeUse> EdgeUses(const Solid& solid) {
    std::map<std::pair<int32_t, int32_t>, EdgeUse> uses;
    for (const Face& face : solid.faces) {
        for (int32_t q = 0; q < face.polygonCount; ++q) {
            const int32_t* c = face.corners.data() + static_cast<size_t>(q) * face.polygonSize;
            for (int32_t i = 0; i < face.polygonSize; ++i) {
                const int32_t a = c[i];
                const int32_t b = c[(i + 1) % face.polygonSize];
                EdgeUse& use = uses[{std::min(a, b), std::max(a, b)}];
                (a < b ? use.forward : use.backward) += 1;
            }
        }
    }
    return uses;
}

// Every face has corners, every corner index is a vertex, every vertex is finite.
::testing::AssertionResult IndicesValid(const Solid& solid) {
    for (const Vec3& v : solid.vertices) {
        if (!std::isfinite(v.x) || !std::isfinite(v.y) || !std::isfinite(v.z)) {
            return ::testing::AssertionFailure() << "a vertex is not finite";
        }
    }
    for (int32_t f = 0; f < solid.faceCount(); ++f) {
        const Face& face = solid.faces[f];
        if (face.polygonCount < 1 || face.polygonSize < 2 ||
            face.corners.size() != static_cast<size_t>(face.polygonCount) * face.polygonSize) {
            return ::testing::AssertionFailure() << "face " << f << " is empty or miscounted";
        }
        for (int32_t c : face.corners) {
            if (c < 0 || c >= solid.vertexCount()) return ::testing::AssertionFailure() << "face " << f << " has corner " << c;
        }
    }
    return ::testing::AssertionSuccess();
}

// Every corner index is a vertex, every vertex is a corner of some face (none
// is left at the origin unwritten), and, unless a ring or the meridian steps by
// half its count (then an edge is walked by two faces each way), every edge is
// walked once in each direction.
TEST(Spheres, EveryCountAndStepGivesValidIndicesAndAClosedMesh) {
    Solid solid;
    for (ShapeId figure : {415, 416}) {
        for (int16_t n = 2; n <= 16; ++n) {
            for (int16_t m = 2; m <= 16; ++m) {
                for (int8_t caps : {0, 1}) {
                    for (int16_t k = 1; k <= n / 2; ++k) {
                        for (int16_t p = 1; p <= m / 2; ++p) {
                            solid.params.sphn = n;
                            solid.params.sphm = m;
                            solid.params.sphpn = k;
                            solid.params.sphpm = p;
                            solid.params.sphtei = caps;
                            ASSERT_NE(BuildFigure(solid, figure), 0);
                            SCOPED_TRACE(::testing::Message() << figure << " " << n << "/" << k << " x " << m << "/"
                                                              << p << " caps " << int{caps});
                            ASSERT_TRUE(IndicesValid(solid));
                            std::vector<int> used(static_cast<size_t>(solid.vertexCount()), 0);
                            for (const Face& face : solid.faces) {
                                for (int32_t c : face.corners) used[static_cast<size_t>(c)] = 1;
                            }
                            EXPECT_EQ(std::count(used.begin(), used.end(), 0), 0);
                            const bool twoCornerLines = figure == 415 && m == 2 && caps == 0;
                            const bool halfStep = 2 * k == n || (figure == 416 && 2 * p == m);
                            if (twoCornerLines || halfStep) continue;
                            for (const auto& [edge, use] : EdgeUses(solid)) {
                                EXPECT_TRUE(use.forward == 1 && use.backward == 1)
                                    << "edge " << edge.first << "-" << edge.second;
                            }
                        }
                    }
                }
            }
        }
    }
}

// Two meridian corners without caps: no rings, only the line between the poles.
TEST(Spheres, TwoMeridianCornersWithoutCapsGiveTheAxisAsLines) {
    const Solid solid = Built(415, [](BuildParams& p) { p.sphm = 2; });
    ASSERT_EQ(solid.vertexCount(), 2);
    EXPECT_EQ(solid.vertices[0], (Vec3{0, 800, 0}));
    EXPECT_EQ(solid.vertices[1], (Vec3{0, -800, 0}));
    ASSERT_EQ(solid.faceCount(), 16);
    for (const Face& face : solid.faces) EXPECT_EQ(face.corners, (std::vector<int32_t>{0, 1}));
}

// Values no key, dialog or settings file lets through still build a sound mesh.
TEST(Spheres, OutOfRangeParametersNeverReachTheIndexArithmetic) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<const char*, void (*)(BuildParams&)> kCases[] = {
        {"meridian step 0", [](BuildParams& p) { p.sphpm = 0; }},
        {"meridian step -5", [](BuildParams& p) { p.sphpm = -5; }},
        {"meridian step beyond half", [](BuildParams& p) { p.sphpm = 100; }},
        {"ring step 0", [](BuildParams& p) { p.sphpn = 0; }},
        {"ring step beyond half", [](BuildParams& p) { p.sphpn = 99; }},
        {"caps flag 7", [](BuildParams& p) { p.sphtei = 7; }},
        {"half-step flag -1", [](BuildParams& p) { p.sphhang = -1; }},
        {"counts below 2", [](BuildParams& p) {
             p.sphn = -3;
             p.sphm = 1;
         }},
        {"counts far beyond the cell limit", [](BuildParams& p) {
             p.sphn = 30000;
             p.sphm = 30000;
         }},
        {"negative exponents", [](BuildParams& p) {
             p.sphspn = -2;
             p.sphspm = -0.5;
         }},
    };
    for (const auto& [what, setup] : kCases) {
        for (ShapeId figure : {415, 416}) {
            SCOPED_TRACE(::testing::Message() << what << ", figure " << figure);
            const Solid solid = Built(figure, setup);
            EXPECT_TRUE(IndicesValid(solid));
            EXPECT_LE(solid.faceCount(), 16384);
        }
    }
    for (ShapeId figure : {415, 416}) {
        Solid solid;
        solid.params.sphspn = nan;
        solid.params.sphspm = -nan;
        ASSERT_NE(BuildFigure(solid, figure), 0);
        EXPECT_TRUE(IndicesValid(solid)) << figure;
    }
}

// ---- Shape ------------------------------------------------------------------

double EllipsoidValue(const Vec3& v, double rx, double ry, double rz) {
    return v.x * v.x / (rx * rx) + v.y * v.y / (ry * ry) + v.z * v.z / (rz * rz);
}

TEST(Spheres, WithExponentOneEveryVertexLiesOnTheEllipsoid) {
    const std::pair<const char*, void (*)(BuildParams&)> kCases[] = {
        {"poles", [](BuildParams&) {}},
        {"caps, turned rings", [](BuildParams& p) {
             p.sphtei = 1;
             p.spharg = 30;
             p.sphhang = 0;
         }},
        {"odd meridian, star rings", [](BuildParams& p) {
             p.sphm = 11;
             p.sphn = 9;
             p.sphpn = 4;
         }},
        {"exponents switched off", [](BuildParams& p) {
             p.sphspon = 0;
             p.sphspn = 0.2;
             p.sphspm = 3;
         }},
    };
    for (const auto& [what, setup] : kCases) {
        Solid solid;
        solid.params.sphwx = 500;
        solid.params.sphwy = 900;
        solid.params.sphwz = 300;
        setup(solid.params);
        ASSERT_NE(BuildFigure(solid, 415), 0);
        for (const Vec3& v : solid.vertices) EXPECT_NEAR(EllipsoidValue(v, 500, 900, 300), 1.0, 1e-12) << what;
    }
}

TEST(Spheres, RadiiFollowTheXRadiusWhenAsked) {
    const Solid solid = Built(415, [](BuildParams& p) {
        p.sphwx = 500;
        p.sphwy = 900;
        p.sphwz = 300;
        p.sphzeqx = 1;
        p.sphyeqx = 1;
    });
    for (const Vec3& v : solid.vertices) EXPECT_NEAR(Length(v), 500, 1e-9);
}

// Without "幅＝外接円径" the radius is the ring polygon's inradius: the
// equator hexagon of inradius 600 has its corners at 692.8203.
TEST(Spheres, RadiiAsInradiiPutTheRingEdgesOnTheRadius) {
    const Solid solid = Built(415, [](BuildParams& p) {
        p.sphn = 6;
        p.sphm = 4;
        p.sphgais = 0;
        p.sphwx = 600;
        p.sphwz = 600;
    });
    ASSERT_EQ(solid.vertexCount(), 8);  // two poles and the equator
    for (int32_t i = 1; i <= 6; ++i) {
        EXPECT_NEAR(Length(solid.vertices[i]), 692.8203230275509, 1e-9);
        EXPECT_NEAR(Length((solid.vertices[i] + solid.vertices[i % 6 + 1]) / 2), 600, 1e-9);
    }
    EXPECT_NEAR(solid.vertices[0].y, 800, 1e-9);  // the y radius is not scaled
}

// Exponent 0 is the sign function: every coordinate is on a face of the
// 1600-unit box or on an axis, the poles and the equator included.
TEST(Spheres, ExponentZeroGivesABox) {
    const Solid solid = Built(415, [](BuildParams& p) {
        p.sphn = 8;
        p.sphm = 8;
        p.sphhang = 0;
        p.sphspn = 0;
        p.sphspm = 0;
    });
    for (const Vec3& v : solid.vertices) {
        for (double c : {v.x, v.y, v.z}) EXPECT_TRUE(c == 0 || std::abs(c) == 800) << v.x << " " << v.y << " " << v.z;
    }
    EXPECT_EQ(solid.vertices.front(), (Vec3{0, 800, 0}));
    EXPECT_EQ(solid.vertices.back(), (Vec3{0, -800, 0}));
    EXPECT_NEAR(test::Measure(solid).vertexRadius.max, 800 * std::sqrt(3.0), 1e-9);
}

// The special profile is the plain one turned by 45 degrees, which changes
// nothing while the exponent is 1.
TEST(Spheres, SpecialProfileWithExponentOneIsThePlainOne) {
    for (ShapeId figure : {415, 416}) {
        const Solid plain = Built(figure);
        const Solid special = Built(figure, [](BuildParams& p) { p.sphsphg = 1; });
        ASSERT_EQ(plain.vertexCount(), special.vertexCount());
        for (int32_t i = 0; i < plain.vertexCount(); ++i) {
            EXPECT_NEAR(Length(plain.vertices[i] - special.vertices[i]), 0, 1e-9) << figure << " vertex " << i;
        }
    }
}

// The torus: ring radius 800, the tube 800 (the y radius) high and, for the
// 16-gon of its cross-section, 203.918 (200 over cos 11.25 degrees) across.
TEST(Spheres, TorusSpansItsRingAndTubeRadii) {
    const Solid torus = Built(416);
    double minY = 0, maxY = 0, minR = 1e9, maxR = 0;
    for (const Vec3& v : torus.vertices) {
        minY = std::min(minY, v.y);
        maxY = std::max(maxY, v.y);
        minR = std::min(minR, std::hypot(v.x, v.z));
        maxR = std::max(maxR, std::hypot(v.x, v.z));
    }
    EXPECT_NEAR(maxY, 800, 1e-9);
    EXPECT_NEAR(minY, -800, 1e-9);
    EXPECT_NEAR(maxR, 800 + 203.91823164166368, 1e-9);
    EXPECT_NEAR(minR, 800 - 203.91823164166368, 1e-9);
}

// ---- Names and colours --------------------------------------------------------

struct NameRow {
    ShapeId figure;
    int8_t on;
    double spn;
    double spm;
    const char* name;
};

TEST(Spheres, NamesFollowTheExponents) {
    const NameRow kNames[] = {
        {415, 1, 1.0, 1.0, "球状"},
        {415, 1, 0.5, 1.0, "超二次楕円体状"},
        {415, 1, 1.0, 2.0, "超二次楕円体状"},
        {415, 0, 0.5, 0.5, "球状"},
        {416, 1, 1.0, 1.0, "トーラス状"},
        {416, 1, 1.0, 3.0, "超二次トーラス状"},
        {416, 0, 3.0, 3.0, "トーラス状"},
    };
    for (const NameRow& row : kNames) {
        Solid solid;
        solid.params.sphspon = row.on;
        solid.params.sphspn = row.spn;
        solid.params.sphspm = row.spm;
        ASSERT_NE(BuildFigure(solid, row.figure), 0);
        EXPECT_EQ(solid.nameJa, row.name) << row.figure << " " << int{row.on} << " " << row.spn << " " << row.spm;
        EXPECT_EQ(solid.nameEn, "");
    }
}

TEST(Spheres, EllipsoidColoursByHalfBandAndHue) {
    const Solid solid = Built(415);
    const BuildParams& p = solid.params;
    for (int32_t f = 0; f < 128; ++f) {
        EXPECT_EQ(solid.faces[f].colours[0], f < 64 ? p.palette[0] : p.palette[3]) << f;
    }
    EXPECT_EQ(solid.faces[1].colours[1], HueColour(95));        // 1530 / 16
    EXPECT_EQ(solid.faces[5 * 16].colours[2], HueColour(1051));  // band 5 of 8: 11 * 1530 / 16
    // An odd count of bands has an equator band of its own.
    const Solid eighteen = Built(415, [](BuildParams& q) { q.sphm = 18; });
    EXPECT_EQ(eighteen.faces[4 * 16].colours[0], p.palette[4]);
    EXPECT_EQ(eighteen.faces[5 * 16].colours[0], p.palette[3]);
    // The vortex turned backwards counts the bands from the bottom.
    const Solid back = Built(415, [](BuildParams& q) { q.sikisourt = -1; });
    EXPECT_EQ(back.faces[2 * 16].colours[1], HueColour(573));  // (8 - 2) * 1530 / 16
}

// Hue positions of large hue settings pass 32 bits before they are reduced.
TEST(Spheres, LargeHueSettingsAreComputedWithoutOverflow) {
    const Solid ellipsoid = Built(415, [](BuildParams& p) {
        p.sikisouhz = 1000;
        p.sikisourt = 1000;
    });
    // (15 + 7 * 1000) * 1000 * 1530 / 16 = 670,809,375, which is 765 on the circle.
    EXPECT_EQ(ellipsoid.faces[127].colours[1], HueColour(765));
    const Solid torus = Built(416, [](BuildParams& p) {
        p.sikisouhz = 1001;
        p.sikisourt = -30000;
    });
    // Tube ring 3, corner 14: ((64 - 14) * 30000 + 56) * 1001 * 765 / 16 / 2 = 35,896,574,463, which is 573.
    EXPECT_EQ(torus.faces[14 + 3 * 16].colours[1], HueColour(573));
}

// ---- Building into a solid that already holds a mesh --------------------------

bool SameMesh(const Solid& a, const Solid& b) {
    if (a.vertices != b.vertices || a.faceCount() != b.faceCount() || a.patternCount != b.patternCount) return false;
    for (int32_t f = 0; f < a.faceCount(); ++f) {
        const Face& x = a.faces[f];
        const Face& y = b.faces[f];
        if (x.corners != y.corners || x.polygonSize != y.polygonSize || x.polygonCount != y.polygonCount ||
            x.colours != y.colours || x.starStep != y.starStep) {
            return false;
        }
    }
    return a.segments.empty() && b.segments.empty() && a.nameJa == b.nameJa;
}

TEST(Spheres, BuildingOverAnotherMeshGivesTheSameSolidAsAFreshBuild) {
    Solid reused;
    // A solid with segments, star faces and per-blob colours left in it.
    ASSERT_NE(BuildFigure(reused, 416), 0);
    for (Face& face : reused.faces) face.colours = {1, 2, 3, 4, 5, 6, 7};
    reused.faces[0].starStep = 3;
    reused.segments.push_back({0, 1});
    reused.params.sphtei = 1;
    reused.params.sphpn = 6;
    ASSERT_NE(BuildSphereFamily(reused, 415), 0);
    const Solid fresh = Built(415, [](BuildParams& p) {
        p.sphtei = 1;
        p.sphpn = 6;
    });
    EXPECT_TRUE(SameMesh(reused, fresh));
    EXPECT_EQ(reused.zukei, 415);
}

TEST(Spheres, RebuildingAtTheSameSizeKeepsTheArrays) {
    Solid solid;
    ASSERT_NE(BuildSphereFamily(solid, 415), 0);
    const Vec3* vertices = solid.vertices.data();
    const Face* faces = solid.faces.data();
    const int32_t* corners = solid.faces[70].corners.data();
    solid.params.sphwx = 300;  // a smaller blob, as the blob tree builds them
    ASSERT_NE(BuildSphereFamily(solid, 415), 0);
    EXPECT_EQ(solid.vertices.data(), vertices);
    EXPECT_EQ(solid.faces.data(), faces);
    EXPECT_EQ(solid.faces[70].corners.data(), corners);
    EXPECT_EQ(BuildSphereFamily(solid, 414), 0);
    EXPECT_EQ(solid.vertices.data(), vertices);
}

}  // namespace
}  // namespace gyro
