#include "support/invariants.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/solid_ops.h"
#include "support/hand_solids.h"

namespace gyro::test {
namespace {

constexpr InvariantOptions kStrict = kConvexEqualEdges;

TEST(Invariants, HandSolidsAreSound) {
    EXPECT_TRUE(SolidIsSound(MakeCube(400), kStrict));
    EXPECT_TRUE(SolidIsSound(MakeTetrahedron(800), kStrict));
    EXPECT_TRUE(SolidIsSound(MakeOctahedron(800), kStrict));
    // Faces through the centre and a one-sided surface: closed, but not orientable.
    EXPECT_TRUE(SolidIsSound(MakeTetrahemihexahedron(800), {.closed = true}));
    EXPECT_FALSE(SolidIsSound(MakeTetrahemihexahedron(800), {.closed = true, .oriented = true}));
}

TEST(Invariants, MeasuresOfTheCube) {
    const double e = 400;
    const SolidMeasures m = Measure(MakeCube(e));
    EXPECT_NEAR(m.vertexRadius.max, e * std::sqrt(3.0) / 2, 1e-9);
    EXPECT_TRUE(m.vertexRadius.IsConstant());
    EXPECT_NEAR(m.faceDistance.min, e / 2, 1e-9);
    EXPECT_TRUE(m.faceDistance.IsConstant());
    EXPECT_NEAR(m.edgeMidRadius.min, e / std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(m.edgeLength.max, e, 1e-9);
    EXPECT_EQ(m.edgeCount, 12);
    EXPECT_EQ(m.facesByCorners, (CornerCounts{{4, 6}}));
}

TEST(Invariants, EachFaultIsReported) {
    Solid inward = MakeCube(400);
    ReverseFace(inward.faces[2]);
    const InvariantReport r = CheckSolid(inward, kStrict);
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.Summary().find("face 2 faces inwards"), std::string::npos) << r.Summary();
    EXPECT_NE(r.Summary().find("x forwards"), std::string::npos) << r.Summary();

    Solid bent = MakeCube(400);
    bent.vertices[7].x += 1;
    EXPECT_FALSE(CheckSolid(bent, {}).ok());                       // +x, +y, +z faces not planar
    EXPECT_FALSE(CheckSolid(bent, {.planar = false, .equalEdges = true}).ok());

    Solid broken = MakeCube(400);
    broken.faces[0].corners[1] = 8;
    broken.faces[1].corners.pop_back();
    broken.faces.emplace_back();
    broken.segments.push_back({0, -1});
    const InvariantReport b = CheckSolid(broken, {});
    EXPECT_EQ(b.problems.size(), 4u) << b.Summary();
    EXPECT_TRUE(CheckSolid(MakeCube(1), {.allowEmptyFaces = true}).ok());

    // Equilateral pyramids on a cube stand out beyond the rhombic dodecahedron:
    // closed, outward and equal-edged, but not convex.
    Solid spiky = MakeCube(400);
    RaisePyramids(spiky, 1);
    EXPECT_TRUE(CheckSolid(spiky, {.closed = true, .oriented = true, .equalEdges = true}).ok());
    EXPECT_FALSE(CheckSolid(spiky, {.convex = true}).ok());
}

}  // namespace
}  // namespace gyro::test
