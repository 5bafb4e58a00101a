#include "catalog/star_orbits.h"

#include <algorithm>
#include <vector>

#include "catalog/build_kit.h"
#include "model/solid_ops.h"

namespace gyro::kit {

int32_t StarOrbitFaceCount(std::span<const StarOrbit> orbits) {
    int32_t n = 0;
    for (const StarOrbit& o : orbits) {
        switch (o.spread) {
            case Spread::Full: n += 10; break;
            case Spread::OnZAxis: n += 2; break;
            case Spread::Turns: n += 5; break;
            case Spread::Empty: n += o.index[0]; break;
        }
    }
    return n;
}

int32_t WriteStarOrbits(Solid& solid, int32_t firstFace, std::span<const StarOrbit> orbits, const OrbitMaps& maps) {
    int32_t f = firstFace;
    auto write = [&](const StarOrbit& o, int32_t k, bool partner) {
        if (f >= solid.faceCount()) return;
        Face& face = solid.faces[f++];
        if (!SetFacePolygons(face, o.corners, o.polygons)) return;
        for (int32_t p = 0; p < o.polygons; ++p) {
            for (int32_t i = 0; i < o.corners; ++i) {
                // A point reflection turns the face inside out; reading each
                // polygon backwards (its first corner kept) winds it outwards again.
                const int32_t j = partner && maps.partnerIsPointReflection && i > 0 ? o.corners - i : i;
                int32_t v = maps.turn(o.index[p * o.corners + j], k);
                if (partner) v = maps.partner(v);
                face.corners[p * o.corners + i] = v;
            }
        }
        face.starStep = o.step;
        PaintFaceOneColour(face, solid.params, o.colour, kColourSlots);
    };
    for (const StarOrbit& o : orbits) {
        if (o.spread == Spread::Empty) {
            f = std::min(f + o.index[0], solid.faceCount());
            continue;
        }
        const int32_t turns = o.spread == Spread::OnZAxis ? 1 : 5;
        for (int32_t k = 0; k < turns; ++k) write(o, k, false);
        if (o.spread == Spread::Turns) continue;
        for (int32_t k = 0; k < turns; ++k) write(o, k, true);
    }
    return f;
}

namespace {

uint8_t FrameColour(const FaceTag& tag, int32_t p) {
    if (p == 0) return ColourOfKind(tag.corners);
    if (p == 1) return IcosahedralAxisColour(tag);
    if (tag.axis == Axis::Five) return kWhite;
    return tag.axis == Axis::Three ? tag.slot % 5 : ColourOfKind(tag.corners);
}

}  // namespace

void WriteFrame(Solid& solid, std::span<const OrbitFace> faces, const OrbitMaps& maps, int16_t patterns) {
    std::vector<FaceTag> tags;
    WriteOrbitFaces(solid, 0, 0, faces, maps, tags);
    PaintPatterns(solid, tags, patterns, FrameColour);
}

}  // namespace gyro::kit
