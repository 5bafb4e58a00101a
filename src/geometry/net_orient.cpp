#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>

#include "geometry/net.h"

namespace gyro {

// The library's filtered predicate is exact on double input: a net's faces that
// only touch along a hinge or at a corner are never taken for overlapping.
int Orient2d(Vec2 a, Vec2 b, Vec2 c) {
    using K = CGAL::Epick;
    const CGAL::Orientation o = CGAL::orientation(K::Point_2(a.x, a.y), K::Point_2(b.x, b.y), K::Point_2(c.x, c.y));
    return o == CGAL::LEFT_TURN ? 1 : (o == CGAL::RIGHT_TURN ? -1 : 0);
}

}  // namespace gyro
