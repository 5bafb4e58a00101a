#pragma once

#include <cstdint>

#include "model/solid.h"

namespace gyro {

// A derived figure is its base figure built in full, then changed by one
// finishing operation: a mirror, the polar dual, pyramids on every face, the
// fractal fields that make the renderer draw shrunken copies, or a partner
// figure built beside it (the compounds of a solid and its dual).
enum class FinishOp : uint8_t { None, MirrorThroughCentre, MirrorX, Dual, Pyramids, Fractal, CompoundWith };

struct Finishing {
    FinishOp op = FinishOp::None;
    int8_t amount = 0;   // Dual: colour modulus; Pyramids: +1 raised, -1 sunk; Fractal: depth limit
    int8_t times = 1;    // Pyramids: how many times they are raised or sunk
    double ratio = 0.0;  // Fractal: scale of each child copy
    ShapeId partner = 0; // CompoundWith: the second figure
};

constexpr Finishing MirroredThroughCentre() { return {FinishOp::MirrorThroughCentre}; }
constexpr Finishing MirroredInX() { return {FinishOp::MirrorX}; }
// Faces of the dual are coloured palette[v mod colourModulus] by primal vertex v.
constexpr Finishing DualWithColours(int8_t colourModulus) { return {FinishOp::Dual, colourModulus}; }
constexpr Finishing PyramidsRaised(int8_t times) { return {FinishOp::Pyramids, 1, times}; }
constexpr Finishing PyramidsSunk(int8_t times) { return {FinishOp::Pyramids, -1, times}; }
constexpr Finishing FractalCopies(int8_t depthMax, double ratio) { return {FinishOp::Fractal, depthMax, 1, ratio}; }
// Both figures built edge-tangent (conhensez) so that their edges cross; the
// dispatcher builds this one, since it needs a second figure.
constexpr Finishing CompoundWith(ShapeId partner) { return {FinishOp::CompoundWith, 0, 1, 0.0, partner}; }

// Colour moduli of the duals: octahedral and icosahedral symmetry.
inline constexpr int8_t kOctahedralDualColours = 8;
inline constexpr int8_t kIcosahedralDualColours = 10;

// Applies the operation to a built base figure; names and numbers are left
// alone. CompoundWith is not applied here (see the dispatcher).
void ApplyFinishing(Solid& solid, const Finishing& finishing);

}  // namespace gyro
