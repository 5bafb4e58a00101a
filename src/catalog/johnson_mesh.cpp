#include <algorithm>

#include "catalog/build_kit.h"
#include "catalog/johnson_builders.h"
#include "model/solid_ops.h"

namespace gyro::johnson {

uint8_t PolygonColour(int32_t corners) {
    switch (corners) {
        case 3: return 0;
        case 4: return 1;
        case 5: return 2;
        case 6: return 3;
        case 8: return 4;
        case 10: return 5;
        default: return 6;
    }
}

void MeshBuilder::Face(std::span<const int32_t> corners, std::initializer_list<uint8_t> colours) {
    FaceColours all{};
    size_t p = 0;
    for (uint8_t c : colours) {
        if (p < all.size()) all[p++] = c;
    }
    // A colour given for fewer patterns than the solid has carries on to the rest.
    for (; p < all.size() && colours.size() > 0; ++p) all[p] = *(colours.end() - 1);
    Face(corners, all);
}

void MeshBuilder::Face(std::span<const int32_t> corners, const FaceColours& colours) {
    starts_.push_back(static_cast<int32_t>(corners_.size()));
    corners_.insert(corners_.end(), corners.begin(), corners.end());
    colours_.push_back(colours);
}

void MeshBuilder::Write(Solid& solid) const {
    const auto faceCount = static_cast<int32_t>(starts_.size());
    if (!kit::SizeMesh(solid, VertexCount(), faceCount)) return;
    std::copy(vertices_.begin(), vertices_.end(), solid.vertices.begin());
    for (int32_t f = 0; f < faceCount; ++f) {
        const int32_t begin = starts_[f];
        const int32_t end = f + 1 < faceCount ? starts_[f + 1] : static_cast<int32_t>(corners_.size());
        if (end == begin) continue;  // an empty slot
        gyro::Face& face = solid.faces[f];
        kit::SetPolygon(face, std::span<const int32_t>(corners_.data() + begin, static_cast<size_t>(end - begin)));
        kit::PaintFace(face, solid.params, std::span<const uint8_t>(colours_[f].data(), static_cast<size_t>(patternCount_)));
    }
    solid.patternCount = patternCount_;
}

}  // namespace gyro::johnson
