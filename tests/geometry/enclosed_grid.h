#pragma once

// An independent look at what a figure encloses, for the outer surface's tests:
// a grid of points, flooded from outside by steps that cross no face (faces
// filled by the nonzero rule, in double precision), compared with the points
// the surface winds round (rays along x, counted exactly once per crossing).

#include <cstdint>
#include <string>

#include "geometry/outer_surface.h"
#include "model/solid.h"

namespace gyro::testing {

struct GridComparison {
    int64_t points = 0;             // grid points looked at
    int64_t enclosedByFaces = 0;    // not reached from outside
    int64_t insideSurface = 0;      // wound round by the surface
    int64_t surfaceTooLarge = 0;    // inside the surface, yet reached from outside
    int64_t surfaceTooSmall = 0;    // enclosed by the faces, outside the surface, far from it
    double spacing = 0.0;           // grid step
    std::string firstFault;         // where the first disagreement is

    bool agrees() const { return surfaceTooLarge == 0 && surfaceTooSmall == 0; }
};

// `cells` points along each axis across the figure's box. A point enclosed by
// the faces but outside the surface is a fault only farther than two grid steps
// from the surface: nearer, the flood may merely have been stopped in a crevice
// narrower than the grid.
GridComparison CompareWithGrid(const Solid& solid, const OuterSurface& surface, int cells);

}  // namespace gyro::testing
