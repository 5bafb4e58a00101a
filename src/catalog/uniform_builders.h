#pragma once

// Builders of the non-convex uniform polyhedra on the icosahedral 60- and
// 120-vertex sets and the chiral snubs, with the frames (convex hulls) of their
// vertex sets. Each returns 0 for a number that is not its own and writes the
// names of the figures it builds. Mirror images and duals are catalogue rows.

#include "model/solid.h"

namespace gyro {

int BuildIcosahedral60Uniform(Solid& solid, ShapeId figure);   // 38, 127-155 (not 129, 131)
int BuildIcosahedral120Uniform(Solid& solid, ShapeId figure);  // 156-161
int BuildIcosahedralSnubUniform(Solid& solid, ShapeId figure); // 162-183 (not the mirrors)

}  // namespace gyro
