#pragma once

// A triangle mesh as a slicer reads an STL file: every corner rounded to 32-bit
// floats, and corners with equal coordinates made one point.

#include <array>
#include <cstdint>
#include <vector>

#include "model/vec3.h"

namespace gyro::test {

struct FloatMesh {
    std::vector<Vec3> points;                        // each coordinate a float
    std::vector<std::array<int32_t, 3>> triangles;   // into `points`
    int64_t degenerate = 0;                          // triangles left with a repeated corner
    double volume = 0.0;                             // from the rounded corners
};

FloatMesh WeldAsFloats(const std::vector<std::array<Vec3, 3>>& corners);

// Edges not walked as often one way as the other: 0 when the mesh is
// watertight, also where parts meet along an edge (two triangles each way).
int64_t UnbalancedEdges(const FloatMesh& mesh);

}  // namespace gyro::test
