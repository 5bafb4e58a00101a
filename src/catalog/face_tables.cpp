#include "catalog/face_tables.h"

#include <algorithm>

#include "catalog/build_kit.h"
#include "model/solid_ops.h"

namespace gyro::kit {

int32_t OrbitFaceCount(std::span<const OrbitFace> orbits) {
    int32_t n = 0;
    for (const OrbitFace& o : orbits) n += o.onZAxis ? 2 : 10;
    return n;
}

int32_t WriteTableFaces(Solid& solid, int32_t firstFace, int32_t firstVertex, std::span<const TableFace> faces,
                        std::vector<FaceTag>& tags) {
    int32_t f = firstFace;
    for (const TableFace& t : faces) {
        if (f >= solid.faceCount()) break;
        std::array<int32_t, 10> corners{};
        for (int32_t i = 0; i < t.corners; ++i) corners[i] = firstVertex + t.index[i];
        SetPolygon(solid.faces[f++], std::span<const int32_t>(corners.data(), t.corners));
        tags.push_back({t.corners, t.axis, t.slot});
    }
    return f;
}

int32_t WriteOrbitFaces(Solid& solid, int32_t firstFace, int32_t firstVertex, std::span<const OrbitFace> orbits,
                        const OrbitMaps& maps, std::vector<FaceTag>& tags) {
    int32_t f = firstFace;
    auto write = [&](const OrbitFace& o, auto&& map, uint8_t slot) {
        if (f >= solid.faceCount()) return;
        std::array<int32_t, 10> corners{};
        for (int32_t i = 0; i < o.corners; ++i) corners[i] = firstVertex + map(o.index[i]);
        SetPolygon(solid.faces[f++], std::span<const int32_t>(corners.data(), o.corners));
        tags.push_back({o.corners, o.axis, slot});
    };
    for (const OrbitFace& o : orbits) {
        const int32_t turns = o.onZAxis ? 1 : 5;
        for (int32_t k = 0; k < turns; ++k) {
            write(o, [&](int32_t v) { return maps.turn(v, k); }, static_cast<uint8_t>(o.onZAxis ? 5 : k));
        }
        for (int32_t k = 0; k < turns; ++k) {
            OrbitFace image = o;
            // A point reflection turns the face inside out; reading it backwards
            // (corner 0 kept first) winds it outwards again.
            if (maps.partnerIsPointReflection) std::reverse(image.index.begin() + 1, image.index.begin() + o.corners);
            write(image, [&](int32_t v) { return maps.partner(maps.turn(v, k)); },
                  static_cast<uint8_t>(o.onZAxis ? 5 : k));
        }
    }
    return f;
}

void PaintPatterns(Solid& solid, const std::vector<FaceTag>& tags, int16_t patterns, ColourRule rule) {
    const int32_t n = std::min<int32_t>(solid.faceCount(), static_cast<int32_t>(tags.size()));
    for (int32_t f = 0; f < n; ++f) {
        for (int32_t p = 0; p < patterns; ++p) solid.faces[f].colours[p] = solid.params.palette[rule(tags[f], p)];
    }
    solid.patternCount = patterns;
}

uint8_t ColourOfKind(int32_t corners) {
    switch (corners) {
        case 3: return 0;
        case 4: return 1;
        case 5: return 2;
        case 6: return 3;
        case 8: return 4;
        case 10: return 5;
        default: return kWhite;
    }
}

uint8_t OctahedralAxisColour(const FaceTag& tag) {
    if (tag.axis == Axis::Four) return kCubePatterns[3][tag.slot % 6];
    if (tag.axis == Axis::Three) return kOctahedronPatterns[0][tag.slot % 8];
    return kWhite;
}

uint8_t IcosahedralAxisColour(const FaceTag& tag) {
    if (tag.axis == Axis::Five && tag.slot < 5) return tag.slot;
    return kWhite;
}

}  // namespace gyro::kit
