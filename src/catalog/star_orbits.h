#pragma once

// Face lists of the non-convex uniform polyhedra on the icosahedral vertex
// sets: one face per orbit of the five turns about the z axis and the set's
// partner map (as the convex solids' orbit tables), extended to faces of
// several polygons (coplanar faces drawn as one compound star face), faces
// that their partner map carries onto a turn of themselves, and blocks of
// face slots left empty.

#include <array>
#include <cstdint>
#include <span>

#include "catalog/face_tables.h"
#include "model/solid.h"

namespace gyro::kit {

enum class Spread : uint8_t {
    Full,     // five turns and their five partners
    OnZAxis,  // the face on the z axis and its partner
    Turns,    // five turns; the partners are the same faces again
    Empty,    // index[0] empty face slots (coplanar faces merged into their twins)
};

// polygons × corners indices, the polygons of a compound face one after the
// other, each wound outwards; step is the star step {n/step} of the whole face.
struct StarOrbit {
    uint8_t corners;
    uint8_t polygons;
    uint8_t step;
    uint8_t colour;  // palette index
    Spread spread;
    std::array<uint8_t, 10> index;
};

int32_t StarOrbitFaceCount(std::span<const StarOrbit> orbits);

// Writes faces firstFace ... of the sized solid and paints each in its
// palette colour in every slot. Returns the next face.
int32_t WriteStarOrbits(Solid& solid, int32_t firstFace, std::span<const StarOrbit> orbits, const OrbitMaps& maps);

// The frames (convex hulls of a star solid's vertices): faces from an orbit
// table, painted in `patterns` patterns: by kind, the faces on the five-fold
// axes in five colours, the faces on the three-fold axes in five colours.
void WriteFrame(Solid& solid, std::span<const OrbitFace> faces, const OrbitMaps& maps, int16_t patterns);

}  // namespace gyro::kit
