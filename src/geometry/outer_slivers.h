#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "geometry/outer_exact.h"
#include "geometry/outer_surface.h"

namespace gyro::outer {

// The walked surface without the hair-thin slivers the exact step leaves where
// the builders' doubles missed an intended coincidence: edges shorter than
// `tolerance` collapse, caps (a corner on the opposite edge) are flipped away,
// again until neither is left, points still closer than `tolerance` that no
// edge joins (the surface touching itself) take one position, and an edge
// with another sheet's corner on it (touching along a line) is cut there at a
// point of its own at that position. `next[t][i]`
// is the triangle across edge i of t (the walk's pairing), `faces` the face of
// each triangle; all three are kept in step. The result may be unsound where
// the link of an edge forbids a collapse; the caller checks it.
void RemoveSlivers(OuterSurface& surface, std::vector<std::array<int32_t, 3>>& next, std::vector<int32_t>& faces,
                   double tolerance);

// Walked triangles that lie on each other turned opposite ways, once rounded
// to doubles, are the two sides of a wall without thickness: two parts of the
// figure meeting face to face with a gap of a few units in the last place
// between them, which the outside reaches. Each such pair goes, and so does
// each triangle with two corners at one position (no area); the triangles
// beyond their sides are paired across them instead, and points at one
// position become one (the manifold split separates them again where
// needed). True when some triangle went; `walk` is unchanged otherwise, and
// also when the pairing does not allow it.
bool RemoveFinPairs(WalkOutput& walk);

}  // namespace gyro::outer
