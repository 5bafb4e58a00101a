#pragma once

#include "model/solid.h"

namespace gyro {

// The generated families. Each builder returns 0 when the number is not one of
// its own, otherwise builds it and returns nonzero.
int BuildParametricFamily(Solid& solid, ShapeId figure);  // pyramids, prisms, spheres, tori
int BuildKochSurface(Solid& solid, ShapeId figure);       // 451
int BuildBlobTree(Solid& solid, ShapeId figure);          // 453

// Pyramids, prisms, bipyramids, antiprisms, anti-bipyramids and the polygon
// (400-414, 417, 418) from the con... parameters. A figure that cannot exist
// with the parameters given (or whose coordinates would run off to infinity)
// is named but left empty; the result is still 1.
bool IsPrismFamilyFigure(ShapeId figure);
int BuildPrismFamily(Solid& solid, ShapeId figure);

// The ellipsoid (415) and the torus (416) of the solid's sphere parameters,
// with their names. Writes into the arrays the solid already holds, so that a
// solid rebuilt at the same or a smaller size allocates nothing; does not need
// the mesh cleared first. Returns 0 for any other number.
int BuildSphereFamily(Solid& solid, ShapeId figure);

// The blob tree's random numbers: x <- x * 214013 + 2531011 (mod 2^32), each
// draw (x >> 16) & 0x7FFF, from 0 to 32767. A fresh generator starts at 0.
struct BlobRandom {
    uint32_t state = 0;
    int32_t Next();
};

// How the blob tree grows: the first blob's centre, the direction it grows in,
// its scale against the sphere radii, the children's mean length (relative to
// their parent) with its spread, the branch counts, the cone of directions
// (in half-turns), the reach (how far apart a child's and its parent's
// surfaces sit), the first blob's hue and the depth of branching.
struct BlobTreeShape {
    Vec3 position{-400, -300, -800};
    Vec3 direction{0, 1, 0};
    double scale = 0.3;
    double length = 0.73;
    double spread = 0.15;
    int32_t minBranches = 1;
    int32_t maxBranches = 4;
    double cone = 0.8;
    double reach = 0.95;
    int32_t hue = 255;
    int32_t depth = 11;
};

// Appends the tree's ellipsoids (the target's sphere parameters, each made
// coarser as it gets smaller) to the target, every face carrying the blob's
// hue in colour slot 6 and a random dark colour in slot 5. A blob that would
// take the target past faceBudget faces is not added, nor is any after it, but
// the random numbers are drawn as if they were. Running out of memory leaves
// the target empty.
void GrowBlobTree(Solid& target, BlobRandom& random, const BlobTreeShape& shape, int64_t faceBudget);

}  // namespace gyro
