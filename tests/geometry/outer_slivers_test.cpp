// The slivers the exact step leaves where the builders' doubles miss an
// intended coincidence: small closed surfaces with points a hair apart, as
// the walk hands them over, must come out with no triangle thinner than the
// tolerance and no two points closer than it, still closed and enclosing the
// same volume.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "geometry/outer_slivers.h"
#include "geometry/outer_surface.h"

namespace gyro {
namespace {

using Tri = std::array<int32_t, 3>;

// The walk's pairing of a closed mesh: across each edge, the triangle that
// has it the other way.
std::vector<Tri> Pairing(const std::vector<Tri>& triangles) {
    std::map<std::pair<int32_t, int32_t>, int32_t> owner;
    for (size_t t = 0; t < triangles.size(); ++t) {
        for (size_t i = 0; i < 3; ++i) owner[{triangles[t][i], triangles[t][(i + 1) % 3]}] = static_cast<int32_t>(t);
    }
    std::vector<Tri> next(triangles.size());
    for (size_t t = 0; t < triangles.size(); ++t) {
        for (size_t i = 0; i < 3; ++i) next[t][i] = owner.at({triangles[t][(i + 1) % 3], triangles[t][i]});
    }
    return next;
}

double Volume(const OuterSurface& s) {
    double v = 0.0;
    for (const Tri& t : s.triangles) {
        v += Dot(s.points[static_cast<size_t>(t[0])],
                 Cross(s.points[static_cast<size_t>(t[1])], s.points[static_cast<size_t>(t[2])]));
    }
    return v / 6.0;
}

// Runs the clean-up and checks what a slicer and the net need of its result.
void ExpectCleanAfterRemovingSlivers(const std::string& what, std::vector<Vec3> points, std::vector<Tri> triangles,
                                     double expectedVolume) {
    SCOPED_TRACE(what);
    const double tolerance = 1e-9;
    OuterSurface surface;
    surface.points = std::move(points);
    surface.triangles = std::move(triangles);
    ASSERT_TRUE(CheckSurface(surface.points, surface.triangles).closed);
    std::vector<Tri> next = Pairing(surface.triangles);
    // Each triangle is its own face: whatever the clean-up makes of it must
    // stay in its plane, or a net would flatten a bent face.
    const OuterSurface given = surface;
    std::vector<int32_t> faces(surface.triangles.size());
    std::iota(faces.begin(), faces.end(), 0);
    outer::RemoveSlivers(surface, next, faces, tolerance);

    ASSERT_EQ(faces.size(), surface.triangles.size());
    const SurfaceCheck check = CheckSurface(surface.points, surface.triangles);
    EXPECT_TRUE(check.closed && check.manifold && check.outward)
        << check.badEdges << " bad edges, " << check.badPoints << " pinched points";
    EXPECT_EQ(next, Pairing(surface.triangles)) << "the pairing no longer matches the triangles";
    EXPECT_NEAR(Volume(surface), expectedVolume, 1e-12 * expectedVolume);
    for (const Tri& t : surface.triangles) {
        const Vec3 a = surface.points[static_cast<size_t>(t[0])];
        const Vec3 b = surface.points[static_cast<size_t>(t[1])];
        const Vec3 c = surface.points[static_cast<size_t>(t[2])];
        const double longest = std::max({Length(b - a), Length(c - b), Length(a - c)});
        EXPECT_GT(Length(Cross(b - a, c - a)) / longest, tolerance)
            << "a sliver (" << t[0] << ", " << t[1] << ", " << t[2] << ") is left";
    }
    for (size_t i = 0; i < surface.points.size(); ++i) {
        for (size_t j = i + 1; j < surface.points.size(); ++j) {
            const double gap = Length(surface.points[i] - surface.points[j]);
            EXPECT_TRUE(gap == 0.0 || gap > tolerance) << "points " << i << " and " << j << " lie " << gap << " apart";
        }
    }
    EXPECT_FALSE(SurfaceSelfIntersects(surface));
    for (size_t t = 0; t < surface.triangles.size(); ++t) {
        const Tri& face = given.triangles[static_cast<size_t>(faces[t])];
        const Vec3 o = given.points[static_cast<size_t>(face[0])];
        Vec3 n = Cross(given.points[static_cast<size_t>(face[1])] - o, given.points[static_cast<size_t>(face[2])] - o);
        n = n / Length(n);
        for (const int32_t v : surface.triangles[t]) {
            EXPECT_LE(std::abs(Dot(surface.points[static_cast<size_t>(v)] - o, n)), tolerance)
                << "triangle " << t << " left the plane of its face " << faces[t];
        }
    }
}

// The octahedron of corners (+-1, 0, 0), (0, +-1, 0), (0, 0, +-1): volume 4/3.
const std::vector<Vec3> kOctahedron{{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
const std::vector<Tri> kOctahedronFaces{{0, 2, 4}, {2, 1, 4}, {1, 3, 4}, {3, 0, 4},
                                        {2, 0, 5}, {1, 2, 5}, {3, 1, 5}, {0, 3, 5}};

// The middle of the edge 0-2, built once from each face beside it: one point
// a hair into the face above, one a hair into the face below. Each face keeps
// a cap along the whole edge; flipping either cap leaves two needles whose
// short edge joins the two points, which only a further collapse takes away.
TEST(OuterSlivers, AMiddlePointBuiltTwiceLeavesNoCapOrNeedle) {
    std::vector<Vec3> points = kOctahedron;
    const Vec3 middle{0.5, 0.5, 0.0};
    const double hair = 1e-14;
    points.push_back(middle + Vec3{-0.5, -0.5, 1.0} * hair);   // 6: towards 4
    points.push_back(middle + Vec3{-0.5, -0.5, -1.0} * hair);  // 7: towards 5
    std::vector<Tri> faces{{0, 6, 4}, {6, 2, 4}, {0, 2, 6}, {2, 7, 5}, {7, 0, 5}, {2, 0, 7}};
    for (size_t f = 1; f < kOctahedronFaces.size(); ++f) {
        if (f != 4) faces.push_back(kOctahedronFaces[f]);
    }
    ExpectCleanAfterRemovingSlivers("middle built twice", points, faces, 4.0 / 3.0);
}

// Two octahedra corner to corner, the corner they share built as two points
// a rounding error apart so that one tip pokes into the other: no edge joins
// them, so they must take one position for the surface to touch itself
// there instead of passing through itself.
TEST(OuterSlivers, TipsARoundingErrorApartMeetInOnePoint) {
    std::vector<Vec3> points = kOctahedron;
    std::vector<Tri> faces = kOctahedronFaces;
    // The second octahedron sits above the first, its lowest corner (index 6 + 5)
    // a hair below the first's top corner 4.
    const Vec3 lift{0.0, 0.0, 2.0 - 4e-16};
    for (const Vec3& p : kOctahedron) points.push_back(p + lift);
    for (const Tri& t : kOctahedronFaces) faces.push_back({t[0] + 6, t[1] + 6, t[2] + 6});
    {
        OuterSurface before;
        before.points = points;
        before.triangles = faces;
        ASSERT_TRUE(SurfaceSelfIntersects(before)) << "the tips should overlap before";
    }
    ExpectCleanAfterRemovingSlivers("tips a hair apart", points, faces, 8.0 / 3.0);
}

// The box lo..hi as twelve outward triangles; corner k is at x of bit 0, y of bit 1, z of bit 2.
void AddBox(Vec3 lo, Vec3 hi, std::vector<Vec3>& points, std::vector<Tri>& triangles) {
    const auto base = static_cast<int32_t>(points.size());
    for (int k = 0; k < 8; ++k) points.push_back({k & 1 ? hi.x : lo.x, k & 2 ? hi.y : lo.y, k & 4 ? hi.z : lo.z});
    const int quads[6][4] = {{0, 4, 6, 2}, {1, 3, 7, 5}, {0, 1, 5, 4}, {2, 6, 7, 3}, {0, 2, 3, 1}, {4, 5, 7, 6}};
    for (const auto& q : quads) {
        triangles.push_back({base + q[0], base + q[1], base + q[2]});
        triangles.push_back({base + q[0], base + q[2], base + q[3]});
    }
}

// Both triangles beside edge a-b cut at a new corner at `at`.
void SplitEdge(int32_t a, int32_t b, Vec3 at, std::vector<Vec3>& points, std::vector<Tri>& triangles) {
    const auto m = static_cast<int32_t>(points.size());
    points.push_back(at);
    const size_t count = triangles.size();
    for (size_t t = 0; t < count; ++t) {
        for (size_t i = 0; i < 3; ++i) {
            const int32_t p = triangles[t][i];
            const int32_t q = triangles[t][(i + 1) % 3];
            if ((p == a && q == b) || (p == b && q == a)) {
                const int32_t c = triangles[t][(i + 2) % 3];
                triangles[t] = {p, m, c};
                triangles.push_back({m, q, c});
                break;
            }
        }
    }
}

// Two boxes meeting along an edge, one of them with a corner on that edge a
// rounding error inside the other: the other's edge must be cut there too, so
// that the two meet in shared points instead of crossing.
TEST(OuterSlivers, ACornerOnAnotherSheetsEdgeCutsThatEdge) {
    std::vector<Vec3> points;
    std::vector<Tri> faces;
    AddBox({0, 0, 0}, {1, 1, 1}, points, faces);
    AddBox({1, 1, 0}, {2, 2, 1}, points, faces);
    const double hair = 1e-15;
    SplitEdge(8, 12, {1 - hair, 1 - hair, 0.5}, points, faces);  // the second box's edge x = y = 1
    {
        OuterSurface before;
        before.points = points;
        before.triangles = faces;
        ASSERT_TRUE(SurfaceSelfIntersects(before)) << "the boxes should cross before";
    }
    ExpectCleanAfterRemovingSlivers("corner on an edge", points, faces, 2.0);
}

// A third box below the first along another side of the same triangle, with
// a corner a hair inside the first box too: that triangle is cut along two of
// its sides, the second after the first cut has made a fan of it.
TEST(OuterSlivers, CornersOnTwoSidesOfOneTriangleCutEachSide) {
    std::vector<Vec3> points;
    std::vector<Tri> faces;
    AddBox({0, 0, 0}, {1, 1, 1}, points, faces);
    AddBox({1, 1, 0}, {2, 2, 1}, points, faces);
    AddBox({0, 1, -1}, {1, 2, 0}, points, faces);
    const double hair = 1e-15;
    SplitEdge(8, 12, {1 - hair, 1 - hair, 0.5}, points, faces);  // the second box's edge x = y = 1
    SplitEdge(20, 21, {0.5, 1 - hair, hair}, points, faces);     // the third box's edge y = 1, z = 0
    ExpectCleanAfterRemovingSlivers("corners on two sides", points, faces, 3.0);
}

// Two boxes face to face, each closed on its own points, as the walk hands
// them over where a gap of a few units in the last place between them let the
// outside in: the shared face comes twice, turned opposite ways. The wall
// goes and one box is left, closed and of the same volume; a box alone is
// left as it is.
TEST(OuterSlivers, AWallWithoutThicknessGoes) {
    const auto walkOf = [](const std::vector<Vec3>& points, const std::vector<Tri>& triangles) {
        outer::WalkOutput walk;
        walk.points = points;
        walk.triangles = triangles;
        walk.next = Pairing(triangles);
        for (size_t t = 0; t < triangles.size(); ++t) walk.face.push_back(static_cast<int32_t>(t));
        return walk;
    };
    std::vector<Vec3> points;
    std::vector<Tri> triangles;
    AddBox({0, 0, 0}, {1, 1, 1}, points, triangles);
    outer::WalkOutput alone = walkOf(points, triangles);
    EXPECT_FALSE(outer::RemoveFinPairs(alone));
    EXPECT_EQ(alone.triangles, triangles);

    AddBox({1, 0, 0}, {2, 1, 1}, points, triangles);
    outer::WalkOutput walk = walkOf(points, triangles);
    ASSERT_TRUE(outer::RemoveFinPairs(walk));
    EXPECT_EQ(walk.triangles.size(), 20u);  // 24 less the wall's two triangles each way
    EXPECT_EQ(walk.next, Pairing(walk.triangles)) << "the triangles beyond the wall are paired across it";
    OuterSurface surface;
    surface.points = walk.points;
    surface.triangles = walk.triangles;
    const SurfaceCheck check = CheckSurface(surface.points, surface.triangles);
    EXPECT_TRUE(check.closed && check.manifold && check.outward);
    EXPECT_NEAR(Volume(surface), 2.0, 1e-12);
    // A side cut at a point at its own end leaves a triangle without area on
    // each side of it: both go, and the box is as it was.
    std::vector<Vec3> boxPoints;
    std::vector<Tri> boxTriangles;
    AddBox({0, 0, 0}, {1, 1, 1}, boxPoints, boxTriangles);
    SplitEdge(0, 4, boxPoints[0], boxPoints, boxTriangles);  // the edge along z at x = y = 0
    outer::WalkOutput cut = walkOf(boxPoints, boxTriangles);
    ASSERT_TRUE(outer::RemoveFinPairs(cut));
    EXPECT_EQ(cut.triangles.size(), 12u);
    EXPECT_EQ(cut.next, Pairing(cut.triangles));
    EXPECT_TRUE(CheckSurface(cut.points, cut.triangles).closed);

    for (size_t t = 0; t < walk.triangles.size(); ++t) {
        const auto x = [&](int k) { return walk.points[static_cast<size_t>(walk.triangles[t][static_cast<size_t>(k)])].x; };
        EXPECT_FALSE(x(0) == 1.0 && x(1) == 1.0 && x(2) == 1.0) << "a triangle of the wall is left (" << walk.face[t] << ")";
    }
}

}  // namespace
}  // namespace gyro
