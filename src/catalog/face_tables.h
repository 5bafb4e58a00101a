#pragma once

// Face lists of the solids built on the shared vertex sets, written either in
// full (the octahedral solids) or as one face per orbit of the turns about the
// z axis and the set's partner map (the icosahedral ones), together with what
// the colour patterns need to know of each face: its corner count and the
// symmetry axis through its centre.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "model/solid.h"

namespace gyro::kit {

// The symmetry axis through a face's centre.
enum class Axis : uint8_t { None, Three, Four, Five };

// A face written in full, wound outwards. slot: on a four-fold axis, the cube
// face (kCubeFaces order) it lies on; on a three-fold axis, the octahedron face
// (kOctahedronFaces order) or, for tetrahedral solids, the tetrahedron face.
struct TableFace {
    uint8_t corners;
    Axis axis;
    uint8_t slot;
    std::array<uint8_t, 10> index;
};

// One face of an orbit: its five turns about the z axis and their partners
// (two faces only when it lies on the z axis), wound outwards.
struct OrbitFace {
    uint8_t corners;
    Axis axis;
    bool onZAxis;
    std::array<uint8_t, 10> index;
};

// What the colour patterns know of a written face. slot: from TableFace, or
// for orbit faces the turn 0-4 that made it (its partner shares it), 5 on the z axis.
struct FaceTag {
    int32_t corners = 0;
    Axis axis = Axis::None;
    uint8_t slot = 0;
};

// How an orbit's partner is found: the opposite vertex (the face turns round,
// so it is written backwards) or a half turn (written in the same order).
struct OrbitMaps {
    int32_t (*turn)(int32_t v, int32_t k);
    int32_t (*partner)(int32_t v);
    bool partnerIsPointReflection;
};

int32_t OrbitFaceCount(std::span<const OrbitFace> orbits);

// Write faces firstFace ... of the sized solid, each vertex index shifted by
// firstVertex; one tag per face is appended to `tags`. Return the next face.
int32_t WriteTableFaces(Solid& solid, int32_t firstFace, int32_t firstVertex, std::span<const TableFace> faces,
                        std::vector<FaceTag>& tags);
int32_t WriteOrbitFaces(Solid& solid, int32_t firstFace, int32_t firstVertex, std::span<const OrbitFace> orbits,
                        const OrbitMaps& maps, std::vector<FaceTag>& tags);

// Palette index of a face in pattern p.
using ColourRule = uint8_t (*)(const FaceTag& tag, int32_t pattern);

// Paints every tagged face (face i has tags[i]) in patterns 0 .. patterns-1
// and sets patternCount.
void PaintPatterns(Solid& solid, const std::vector<FaceTag>& tags, int16_t patterns, ColourRule rule);

// Palette colours named after the faces they colour by default.
uint8_t ColourOfKind(int32_t corners);  // 3 -> 0, 4 -> 1, 5 -> 2, 6 -> 3, 8 -> 4, 10 -> 5
inline constexpr uint8_t kWhite = 8;
inline constexpr uint8_t kBlack = 9;

// Opposite faces alike: faces on the cube's axes in three colours, faces on
// its diagonals in four others, every other face white.
uint8_t OctahedralAxisColour(const FaceTag& tag);
// Faces on the five-fold axes in five colours by their turn (white on the z
// axis), every other face white.
uint8_t IcosahedralAxisColour(const FaceTag& tag);

}  // namespace gyro::kit
