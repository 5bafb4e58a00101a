#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "catalog/catalogue.h"
#include "state/dispatcher.h"
#include "support/invariants.h"

namespace gyro {
namespace {

using test::InvariantOptions;

// Counts of one figure as a function of the base's corner count n:
// vertices = vn n + vc, and so on. `sides` faces of `sideCorners` corners
// (times n) and `bases` faces over the whole base ring.
struct FamilyRow {
    ShapeId figure;
    int vn, vc, fn, fc;
    int sideCorners, sidesPerN, bases;
    int16_t patternCount;
    bool crossed;
};

const FamilyRow kRows[] = {
    {400, 1, 1, 1, 1, 3, 1, 1, 2, false}, {401, 1, 1, 1, 1, 3, 1, 1, 2, false},
    {402, 2, 0, 1, 2, 4, 1, 2, 3, false}, {403, 2, 0, 1, 2, 4, 1, 2, 3, false},
    {404, 1, 2, 2, 0, 3, 2, 0, 3, false}, {405, 1, 2, 2, 0, 3, 2, 0, 3, false},
    {406, 2, 0, 2, 2, 3, 2, 2, 6, false}, {407, 2, 0, 2, 2, 3, 2, 2, 6, false},
    {408, 2, 0, 2, 2, 3, 2, 2, 6, true},  {409, 2, 0, 2, 2, 3, 2, 2, 6, true},
    {410, 2, 2, 2, 0, 4, 2, 0, 3, false}, {411, 2, 2, 2, 0, 4, 2, 0, 3, false},
    {412, 2, 2, 2, 0, 4, 2, 0, 3, true},  {413, 2, 2, 2, 0, 4, 2, 0, 3, true},
    {414, 1, 0, 0, 2, 3, 0, 2, 1, false}, {417, 2, 2, 4, 0, 3, 4, 0, 6, false},
    {418, 4, 0, 2, 2, 5, 2, 2, 3, false},
};

bool AlwaysArchimedeanAndCrossed(ShapeId figure) { return figure == 409 || figure == 413; }

Solid Build(ShapeId figure, int n, int k, void (*adjust)(BuildParams&) = nullptr) {
    Solid solid;
    solid.params.conn = static_cast<int16_t>(n);
    solid.params.conpn = static_cast<int16_t>(k);
    if (adjust) adjust(solid.params);
    EXPECT_EQ(BuildFigure(solid, figure), 1) << figure;
    return solid;
}

// Problems of the invariant check, less the two-corner polygons that a base
// {2k/k} rightly has.
std::vector<std::string> ProblemsBeyondDigons(const Solid& solid, const InvariantOptions& options) {
    std::vector<std::string> left;
    for (const std::string& p : test::CheckSolid(solid, options).problems) {
        if (p.find("has polygons of 2 corners") == std::string::npos) left.push_back(p);
    }
    return left;
}

TEST(PrismFamily, CountsShapesAndWindingsForEveryStarBase) {
    std::vector<std::pair<int, int>> bases = {{4095, 1}};
    for (int n = 2; n <= 12; ++n) {
        for (int k = 1; k <= n / 2; ++k) bases.emplace_back(n, k);
    }
    for (const FamilyRow& row : kRows) {
        for (const auto& [n, k] : bases) {
            SCOPED_TRACE(::testing::Message() << "figure " << row.figure << " {" << n << "/" << k << "}");
            const Solid solid = Build(row.figure, n, k);
            EXPECT_EQ(solid.nameJa, FindFigure(row.figure)->nameJa);
            // A crossed Archimedean antiprism needs a base narrower than 120 degrees a step.
            if (AlwaysArchimedeanAndCrossed(row.figure) && 3 * k <= n) {
                EXPECT_EQ(solid.vertexCount() + solid.faceCount(), 0);
                continue;
            }
            EXPECT_EQ(solid.vertexCount(), row.vn * n + row.vc);
            EXPECT_EQ(solid.faceCount(), row.fn * n + row.fc);
            EXPECT_EQ(solid.patternCount, row.patternCount);
            test::CornerCounts expected;
            if (row.sidesPerN) expected[row.sideCorners] += row.sidesPerN * n;
            if (row.bases) expected[n] += row.bases;
            EXPECT_EQ(test::Measure(solid).facesByCorners, expected);

            const bool digons = n == 2 * k;
            // A crossed antiprism's sides are turned to face outwards and its bases
            // are not, so they meet along the base edges wound the same way.
            const bool oriented = !digons && !(row.crossed && row.bases > 0);
            const InvariantOptions options{.closed = !digons, .oriented = oriented, .tolerance = 1e-6};
            const auto problems = ProblemsBeyondDigons(solid, options);
            EXPECT_TRUE(problems.empty()) << problems.front();
        }
    }
}

TEST(PrismFamily, DefaultCoordinates) {
    const Solid pyramid = Build(400, 3, 1);
    EXPECT_EQ(pyramid.vertices[0], (Vec3{0, 800, 0}));
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(pyramid.vertices[size_t(i)].y, -800.0);
        EXPECT_NEAR(std::hypot(pyramid.vertices[size_t(i)].x, pyramid.vertices[size_t(i)].z), 600.0, 1e-9);
    }
    const Solid prism = Build(402, 3, 1);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(prism.vertices[size_t(i)].y, i < 3 ? 800.0 : -800.0);
    // The kites of the anti-bipyramid meet the rings a third of the apex height
    // up, and the apex comes down to keep the corners within 800.
    const Solid antiBipyramid = Build(410, 3, 1);
    EXPECT_NEAR(antiBipyramid.vertices[0].y, 2400.0 / std::sqrt(10.0), 1e-9);  // 758.9
    EXPECT_NEAR(antiBipyramid.vertices[2].y, 800.0 / std::sqrt(10.0), 1e-9);
}

TEST(PrismFamily, HalfStepsInradiiAndDigons) {
    // The default half step puts the first corner 60 degrees round from -z;
    // the upside-down pyramid's own half step cancels it.
    EXPECT_NEAR(Build(400, 3, 1).vertices[1].x, 300.0 * std::sqrt(3.0), 1e-9);
    const Solid inverted = Build(401, 3, 1);
    EXPECT_NEAR(Length(inverted.vertices[1] - Vec3{0, 800, -600}), 0.0, 1e-9);
    // Widths read as inradii: a triangle's circumradius is twice its inradius.
    const Solid inradius = Build(402, 3, 1, [](BuildParams& p) { p.congais = 0; });
    EXPECT_NEAR(Length(inradius.vertices[0] - Vec3{0, 800, 0}), 1200.0, 1e-9);
    // {4/2}: the prism's bases are two digons each; with a correction the
    // bipyramid's ring has no finite place and spreads to the window's diagonal.
    const Solid prism = Build(402, 4, 2);
    EXPECT_EQ(prism.faces[0].polygonCount * 10 + prism.faces[0].polygonSize, 22);
    const Solid spread = Build(404, 4, 2, [](BuildParams& p) { p.conhensez = 1; });
    EXPECT_NEAR(std::hypot(spread.vertices[2].x, spread.vertices[2].z), 600.0 * std::hypot(256.0, 256.0), 1e-6);
}

// With equal width and height and the Archimedean correction at kikaku -1 the
// figures are the uniform ones: equal edges, corners on the sphere of the width.
struct UniformRow {
    ShapeId figure;
    int n, k;
    double edge;  // at circumradius 800; 0 when not checked
    const char* what;
};

const UniformRow kUniform[] = {
    {403, 4, 1, 1600 / std::sqrt(3.0), "cube"},
    {403, 6, 1, 0, "hexagonal prism"},
    {403, 5, 2, 0, "pentagrammic prism"},
    {405, 4, 1, 800 * std::sqrt(2.0), "octahedron"},
    {407, 3, 1, 800 * std::sqrt(2.0), "octahedron"},
    {407, 5, 1, 800 / 0.9510565162951535, "pentagonal antiprism (icosahedron less two corners)"},
    {407, 5, 2, 0, "pentagrammic antiprism"},
    {409, 5, 2, 0, "pentagrammic crossed antiprism"},
    {409, 8, 3, 0, "octagrammic crossed antiprism"},
    {411, 3, 1, 1600 / std::sqrt(3.0), "cube on a corner"},
};

TEST(PrismFamily, ArchimedeanCorrectionGivesUniformSolids) {
    for (const UniformRow& row : kUniform) {
        SCOPED_TRACE(::testing::Message() << row.figure << " " << row.what);
        const Solid solid = Build(row.figure, row.n, row.k, [](BuildParams& p) {
            p.conwx = 800;
            p.conyeqx = 1;
        });
        const bool crossed = row.figure == 409;
        EXPECT_TRUE(test::SolidIsSound(solid, {.closed = true, .oriented = !crossed, .equalEdges = true}));
        const test::SolidMeasures m = test::Measure(solid);
        EXPECT_NEAR(m.vertexRadius.max, 800.0, 1e-9);
        EXPECT_NEAR(m.vertexRadius.min, 800.0, 1e-9);
        if (row.edge > 0) {
            EXPECT_NEAR(m.edgeLength.max, row.edge, 1e-9);
        }
    }
}

TEST(PrismFamily, FiguresThatCannotExistAreNamedButEmpty) {
    // A crossed triangular antiprism would have to be infinitely tall, and so
    // would the apexes of the crossed anti-bipyramid corrected to its edges.
    const auto edgeTangent = [](BuildParams& p) { p.conhensez = 1; };
    for (const Solid& solid : {Build(409, 3, 1), Build(413, 6, 2), Build(412, 3, 1, edgeTangent)}) {
        EXPECT_EQ(solid.vertexCount() + solid.faceCount(), 0) << solid.zukei;
        EXPECT_EQ(solid.patternCount, 1);
        EXPECT_EQ(solid.nameJa, FindFigure(solid.zukei)->nameJa);
    }
    // {5/2} crossed and corrected does exist.
    EXPECT_EQ(Build(408, 5, 2, [](BuildParams& p) { p.conarchi = 1; }).vertexCount(), 10);
}

TEST(PrismFamily, SweepOfKeysAndFlagsBuildsOnlyFiniteFigures) {
    constexpr int16_t kTwists[] = {0, 90, -170, 350, 360, -360};
    Solid solid;
    for (const FamilyRow& row : kRows) {
        for (int n = 2; n <= 12; ++n) {
            for (int k = 1; k <= n / 2; ++k) {
                for (int16_t twist : kTwists) {
                    for (int flags = 0; flags < 64; ++flags) {
                        for (int8_t kikaku : {-1, 0, 1}) {
                            BuildParams& p = solid.params;
                            p.conn = static_cast<int16_t>(n);
                            p.conpn = static_cast<int16_t>(k);
                            p.conapm = twist;
                            int8_t* const flagFields[] = {&p.conhang, &p.conzeqx,   &p.conyeqx,
                                                          &p.congais, &p.conhensez, &p.conarchi};
                            for (int b = 0; b < 6; ++b) *flagFields[b] = static_cast<int8_t>((flags >> b) & 1);
                            p.kikaku = kikaku;
                            ASSERT_EQ(BuildFigure(solid, row.figure), 1);
                            // Only the crossed figures have parameters they cannot be built with.
                            if (solid.vertexCount() == 0) {
                                ASSERT_TRUE(row.crossed) << row.figure << " {" << n << "/" << k << "} twist "
                                                         << twist << " flags " << flags;
                                ASSERT_EQ(solid.faceCount(), 0);
                                continue;
                            }
                            ASSERT_EQ(solid.vertexCount(), row.vn * n + row.vc);
                            for (const Vec3& v : solid.vertices) {
                                ASSERT_TRUE(std::abs(v.x) <= 1e9 && std::abs(v.y) <= 1e9 && std::abs(v.z) <= 1e9)
                                    << row.figure << " {" << n << "/" << k << "} twist " << twist << " flags "
                                    << flags << " kikaku " << int{kikaku};
                            }
                            for (const Face& f : solid.faces) {
                                for (int32_t c : f.corners) ASSERT_TRUE(c >= 0 && c < solid.vertexCount());
                            }
                        }
                    }
                }
            }
        }
    }
}

TEST(PrismFamily, SideHuesGoRoundTheCircleWithoutOverflow) {
    // 45 corners divide the circle's 765 half steps, so adding 90 revolutions
    // (two per corner) or 1530 to the start gives the same colours: the
    // extreme 16-bit settings must colour as their small equivalents do.
    for (ShapeId figure : {400, 402, 404, 406, 410, 418}) {
        SCOPED_TRACE(::testing::Message() << "figure " << figure);
        auto extreme = [](BuildParams& p) {
            p.conhensez = 1;
            p.sikisouhz = 32767;
            p.sikisoufq = -32768;
        };
        auto small = [](BuildParams& p) {
            p.conhensez = 1;
            p.sikisouhz = 32767 - 364 * 90;
            p.sikisoufq = -32768 + 22 * 1530;
        };
        const Solid a = Build(figure, 45, 22, extreme);
        const Solid b = Build(figure, 45, 22, small);
        ASSERT_GT(a.faceCount(), 0);
        ASSERT_EQ(a.faceCount(), b.faceCount());
        for (int f = 0; f < a.faceCount(); ++f) EXPECT_EQ(a.faces[size_t(f)].colours, b.faces[size_t(f)].colours) << f;
    }
}

}  // namespace
}  // namespace gyro
