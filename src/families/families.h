#pragma once

#include "model/solid.h"

namespace gyro {

// The generated families. Each builder returns 0 when the number is not one of
// its own, otherwise builds it and returns nonzero.
int BuildParametricFamily(Solid& solid, ShapeId figure);  // pyramids, prisms, spheres, tori
int BuildKochSurface(Solid& solid, ShapeId figure);       // 451

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

}  // namespace gyro
