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

}  // namespace gyro
