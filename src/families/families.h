#pragma once

#include "model/solid.h"

namespace gyro {

// The generated families. Each builder returns 0 when the number is not one of
// its own, otherwise builds it and returns nonzero.
int BuildParametricFamily(Solid& solid, ShapeId figure);  // pyramids, prisms, spheres, tori
int BuildKochSurface(Solid& solid, ShapeId figure);       // 451

}  // namespace gyro
