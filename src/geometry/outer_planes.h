#pragma once

// The faces cut along each other in doubles, plane by plane, where the exact
// cut would be slow: every crossing point is worked out once from the planes
// and edges it lies on, points closer than the tolerance are made one, and
// each plane is triangulated with its share of the cuts. Nothing here is
// trusted on its own: the caller walks the pieces with exact predicates and
// checks the surface, and takes the exact cut when anything fails.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "geometry/outer_exact.h"

namespace gyro::outer {

struct PlanePieces {
    std::vector<Vec3> points;
    std::vector<std::array<int32_t, 3>> triangles;  // corner order of no meaning
    std::vector<int32_t> face;                      // original face of each triangle
    std::vector<int32_t> plane;                     // the plane it lies in (faces in one plane share it)
    std::vector<Vec3> planeNormal;                  // unit, by plane
};

// False, with the reason in `why`, when the cut cannot be made consistently
// in doubles (faces bent out of their plane, planes nearly parallel, edges
// that overlap, a triangulation that would need points of its own); then
// nothing in `out` is of use.
bool CutAlongPlanes(const std::vector<Vec3>& points, const std::vector<SoupTriangle>& triangles, double tolerance,
                    const OuterOptions& options, PlanePieces& out, std::string& why);

}  // namespace gyro::outer
