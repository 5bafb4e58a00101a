#pragma once

// Face lists of the non-convex uniform polyhedra, their frames and the prism
// compounds, written in full over the shared vertex sets (vertex_sets.h), and
// the builders that write them. A figure is one table; a later figure on the
// same vertex set is one more table and one more dispatch line.

#include <array>
#include <cstdint>
#include <span>

#include "catalog/face_tables.h"
#include "model/solid.h"

namespace gyro::kit {

// One face: `corners` vertices walked as the star polygon {corners/step}
// (step 1: a plain polygon). A face that misses the centre is wound outwards;
// a face through the centre (hemi-polyhedra) has no outside and keeps the
// winding of its ring. axis and slot as in TableFace; in a compound, slot
// numbers the component the face belongs to.
struct UniformFace {
    uint8_t corners;
    uint8_t step;
    Axis axis;
    uint8_t slot;
    std::array<uint8_t, 10> index;
};

// Palette index of a face in pattern p.
using UniformColourRule = uint8_t (*)(const UniformFace& face, int32_t pattern);

// Faces by kind: the palette's triangle ... decagon colours, the star
// polygons in colours of their own. The only pattern of the star solids.
uint8_t UniformKindColour(const UniformFace& face, int32_t pattern);
// Frames: by kind; then opposite faces on the symmetry axes alike (octahedral
// or icosahedral); then the largest faces white, the others by kind.
uint8_t OctahedralFrameColour(const UniformFace& face, int32_t pattern);
uint8_t IcosahedralFrameColour(const UniformFace& face, int32_t pattern);
// Compounds: one colour per component.
uint8_t ComponentColour(const UniformFace& face, int32_t pattern);

// Sizes the mesh, lets writeVertices fill the vertex set, writes the faces and
// paints `patterns` patterns. On allocation failure the mesh stays empty.
void BuildUniformFigure(Solid& solid, int32_t vertices, std::span<const UniformFace> faces, int16_t patterns,
                        UniformColourRule rule, void (*writeVertices)(Solid&));

// One row per figure: its vertex set, its faces and its colour patterns.
struct UniformFigure {
    ShapeId figure;
    int32_t vertices;
    std::span<const UniformFace> faces;
    int16_t patterns;
    UniformColourRule rule;
    void (*writeVertices)(Solid&);
};

// Builds the row of `figure` with its names; 0 when no row has it.
int BuildFromUniformRows(Solid& solid, ShapeId figure, std::span<const UniformFigure> rows);

}  // namespace gyro::kit

namespace gyro {

// Each returns 0 when the number is not one of its own, otherwise builds the
// figure with its names and returns nonzero.
int BuildUniformOctahedral(Solid& solid, ShapeId figure);   // 92-105
int BuildUniformIcosahedral(Solid& solid, ShapeId figure);  // 109-126
int BuildPrismCompound(Solid& solid, ShapeId figure);       // 32-37

}  // namespace gyro
