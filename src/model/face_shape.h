#pragma once

#include <cstdint>

#include "model/solid.h"

namespace gyro {

// What the shape of a built mesh tells the renderer.
//
// The facing test and the light take a face's normal from its first three
// distinct corners. A concave face whose corner list starts at a reflex corner
// turns the other way there, so it would be drawn and lit inside out.
// MendFaceStarts starts every such face at a corner that turns like the face as a
// whole (faces of one outline with a clear area; the outline itself, and so its
// fill, stays as it was) and returns how many faces it changed.
int32_t MendFaceStarts(Solid& solid);

// True for a convex solid whose faces all lie on its hull, wound outwards: one
// closed surface, every face a flat convex polygon, every edge a convex fold and
// every vertex surrounded once. Drawing its front faces in any order is then exact.
// Fractal figures and solids with segments are never taken as convex.
bool IsConvexSolid(const Solid& solid);

}  // namespace gyro
