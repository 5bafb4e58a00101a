#include "geometry/outer_exact.h"

#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/box_intersection_d.h>
#include <CGAL/intersections.h>

#include <algorithm>
#include <map>

namespace gyro::outer {

namespace {

using K = CGAL::Epick;
using P3 = K::Point_3;
using Tri = K::Triangle_3;
using Seg = K::Segment_3;

// Two triangles that share corners (by position) may meet there and nowhere
// else; decided with the library's exact predicates on the doubles.
bool Clash(const std::array<P3, 3>& s, const std::array<P3, 3>& t) {
    std::array<int, 3> inT{-1, -1, -1};  // for each corner of s, the corner of t at the same place
    int shared = 0;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            if (s[static_cast<size_t>(i)] == t[static_cast<size_t>(j)]) inT[static_cast<size_t>(i)] = j;
        }
        shared += inT[static_cast<size_t>(i)] >= 0 ? 1 : 0;
    }
    const Tri ts(s[0], s[1], s[2]);
    const Tri tt(t[0], t[1], t[2]);
    if (shared == 0) return CGAL::do_intersect(ts, tt);
    if (shared == 3) return true;  // the same triangle twice
    if (shared == 2) {
        int i = 0;
        while (inT[static_cast<size_t>(i)] >= 0) ++i;  // s's corner off the shared edge
        int j = 0;
        while (j == inT[0] || j == inT[1] || j == inT[2]) ++j;  // t's
        const P3& p = s[static_cast<size_t>((i + 1) % 3)];
        const P3& q = s[static_cast<size_t>((i + 2) % 3)];
        const P3& a = s[static_cast<size_t>(i)];
        const P3& b = t[static_cast<size_t>(j)];
        // Across a shared edge they overlap only when coplanar on the same side.
        return CGAL::coplanar(p, q, a, b) && CGAL::coplanar_orientation(p, q, a, b) == CGAL::POSITIVE;
    }
    // One shared corner: the opposite edge of either must miss the other triangle.
    int i = 0;
    while (inT[static_cast<size_t>(i)] < 0) ++i;
    const int j = inT[static_cast<size_t>(i)];
    const Seg sOpposite(s[static_cast<size_t>((i + 1) % 3)], s[static_cast<size_t>((i + 2) % 3)]);
    const Seg tOpposite(t[static_cast<size_t>((j + 1) % 3)], t[static_cast<size_t>((j + 2) % 3)]);
    if (CGAL::do_intersect(sOpposite, tt) || CGAL::do_intersect(tOpposite, ts)) return true;
    const P3& p = s[static_cast<size_t>(i)];
    if (!CGAL::coplanar(p, s[static_cast<size_t>((i + 1) % 3)], s[static_cast<size_t>((i + 2) % 3)],
                        t[static_cast<size_t>((j + 1) % 3)]) ||
        !CGAL::coplanar(p, s[static_cast<size_t>((i + 1) % 3)], s[static_cast<size_t>((i + 2) % 3)],
                        t[static_cast<size_t>((j + 2) % 3)])) {
        return false;
    }
    // Coplanar with one shared corner: they overlap when an edge from it runs inside the other.
    for (int k = 1; k <= 2; ++k) {
        const Seg sEdge(p, s[static_cast<size_t>((i + k) % 3)]);
        const Seg tEdge(p, t[static_cast<size_t>((j + k) % 3)]);
        if (CGAL::do_intersect(tt, Seg(CGAL::midpoint(sEdge.source(), sEdge.target()), sEdge.target()))) return true;
        if (CGAL::do_intersect(ts, Seg(CGAL::midpoint(tEdge.source(), tEdge.target()), tEdge.target()))) return true;
    }
    return false;
}

}  // namespace

bool MeshSelfIntersects(const std::vector<Vec3>& points, const std::vector<std::array<int32_t, 3>>& triangles) {
    std::vector<std::array<P3, 3>> tris;
    tris.reserve(triangles.size());
    for (const auto& t : triangles) {
        std::array<P3, 3> corners;
        for (size_t i = 0; i < 3; ++i) {
            const Vec3& p = points[static_cast<size_t>(t[i])];
            corners[i] = P3(p.x, p.y, p.z);
        }
        if (CGAL::collinear(corners[0], corners[1], corners[2])) return true;  // a flat sliver
        tris.push_back(corners);
    }
    using Box = CGAL::Box_intersection_d::Box_with_info_d<double, 3, size_t>;
    std::vector<Box> boxes;
    boxes.reserve(tris.size());
    for (size_t i = 0; i < tris.size(); ++i) {
        boxes.emplace_back(Tri(tris[i][0], tris[i][1], tris[i][2]).bbox(), i);
    }
    bool found = false;
    CGAL::box_self_intersection_d(boxes.begin(), boxes.end(), [&](const Box& a, const Box& b) {
        if (!found && Clash(tris[a.info()], tris[b.info()])) found = true;
    });
    return found;
}

}  // namespace gyro::outer
