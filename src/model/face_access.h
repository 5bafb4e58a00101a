#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "model/solid.h"

namespace gyro {

// Guarded reads for the construction operations: a face whose counts and corner
// array disagree, or a corner index outside the vertex array, must never make an
// operation read out of bounds. A missing vertex reads as the centre.

inline Vec3 VertexAt(const std::vector<Vec3>& vertices, int32_t index) {
    return index >= 0 && static_cast<size_t>(index) < vertices.size() ? vertices[static_cast<size_t>(index)]
                                                                       : Vec3{};
}

// Corners the face really holds, over all its polygons.
inline int32_t StoredCorners(const Face& face) {
    return static_cast<int32_t>(std::min<int64_t>(TotalCorners(face), static_cast<int64_t>(face.corners.size())));
}

// Corners of the first polygon that the face really holds.
inline int32_t FirstPolygonCorners(const Face& face) {
    if (face.polygonCount <= 0 || face.polygonSize <= 0) return 0;
    return static_cast<int32_t>(std::min<int64_t>(face.polygonSize, static_cast<int64_t>(face.corners.size())));
}

}  // namespace gyro
