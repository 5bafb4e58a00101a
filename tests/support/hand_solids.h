#pragma once

// Small solids written out from coordinates, for tests that must not depend on
// the catalogue builders. All are centred on the origin and wound so that
// FaceNormal points outwards (except the faces through the centre).

#include <cstdint>
#include <initializer_list>

#include "model/solid.h"

namespace gyro::test {

// Appends a single-polygon face with the given corners.
Face& AddFace(Solid& solid, std::initializer_list<int32_t> corners);

Solid MakeCube(double edge);                    // vertex i: x = bit 2, y = bit 1, z = bit 0 (set: +)
Solid MakeTetrahedron(double circumradius);
Solid MakeOctahedron(double circumradius);      // vertices +x, -x, +y, -y, +z, -z
// The icosahedron's twelve vertices with the twelve pentagons through each
// vertex's neighbours, which cut through one another (a star solid whose
// vertex figure is a pentagram).
Solid MakeGreatDodecahedron(double circumradius);
// The octahedron's six vertices with four of its triangles and the three
// squares through the centre (a hemi-polyhedron).
Solid MakeTetrahemihexahedron(double circumradius);

}  // namespace gyro::test
