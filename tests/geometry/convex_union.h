#pragma once

// The volume a compound of convex solids encloses, worked out without the
// outer surface: each piece is the half-spaces of its face planes, the common
// part of any set of pieces is a box cut down by their planes, and the union
// follows by inclusion and exclusion over every set of pieces. Plain doubles.

#include <vector>

#include "model/solid.h"

namespace gyro::testing {

struct HalfSpace {
    Vec3 normal;  // unit length, pointing out of the piece
    double offset = 0.0;  // the piece is normal . x <= offset
};

using ConvexPiece = std::vector<HalfSpace>;

// The figure's faces grouped into pieces (faces joined by a common edge), each
// as the half-spaces of its faces. Empty when some piece is not convex (a
// vertex of it beyond one of its own face planes) or has no volume.
std::vector<ConvexPiece> ConvexPieces(const Solid& solid);

// The volume common to all the given half-spaces, cut out of the cube
// |x|, |y|, |z| <= reach (which must hold all of it).
double CommonVolume(const std::vector<HalfSpace>& halfSpaces, double reach);

// The volume of the union of the pieces, by inclusion and exclusion.
double UnionVolume(const std::vector<ConvexPiece>& pieces, double reach);

}  // namespace gyro::testing
