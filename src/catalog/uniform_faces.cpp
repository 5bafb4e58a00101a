#include "catalog/uniform_faces.h"

#include <algorithm>

#include "catalog/build_kit.h"
#include "catalog/catalogue.h"
#include "model/solid_ops.h"

namespace gyro::kit {

namespace {

constexpr uint8_t kPentagramColour = 6;
constexpr uint8_t kOctagramColour = 7;  // and the decagram {10/3}

}  // namespace

uint8_t UniformKindColour(const UniformFace& face, int32_t /*pattern*/) {
    if (face.step == 1) return ColourOfKind(face.corners);
    return face.corners == 5 ? kPentagramColour : kOctagramColour;
}

uint8_t OctahedralFrameColour(const UniformFace& face, int32_t pattern) {
    if (pattern == 1) return OctahedralAxisColour({face.corners, face.axis, face.slot});
    if (pattern == 2 && face.corners == 8) return kWhite;
    return ColourOfKind(face.corners);
}

uint8_t IcosahedralFrameColour(const UniformFace& face, int32_t pattern) {
    if (pattern == 1) return IcosahedralAxisColour({face.corners, face.axis, face.slot});
    if (pattern == 2 && face.axis == Axis::Five) return kWhite;
    return ColourOfKind(face.corners);
}

uint8_t ComponentColour(const UniformFace& face, int32_t /*pattern*/) { return face.slot % 8; }

void BuildUniformFigure(Solid& solid, int32_t vertices, std::span<const UniformFace> faces, int16_t patterns,
                        UniformColourRule rule, void (*writeVertices)(Solid&)) {
    if (!SizeMesh(solid, vertices, static_cast<int32_t>(faces.size()))) return;
    writeVertices(solid);
    for (size_t f = 0; f < faces.size(); ++f) {
        const UniformFace& u = faces[f];
        std::array<int32_t, 10> corners{};
        std::copy_n(u.index.begin(), u.corners, corners.begin());
        Face& face = solid.faces[f];
        SetPolygon(face, std::span<const int32_t>(corners.data(), u.corners), u.step);
        for (int32_t p = 0; p < patterns; ++p) face.colours[p] = solid.params.palette[rule(u, p)];
    }
    solid.patternCount = patterns;
}

int BuildFromUniformRows(Solid& solid, ShapeId figure, std::span<const UniformFigure> rows) {
    for (const UniformFigure& row : rows) {
        if (row.figure != figure) continue;
        BuildUniformFigure(solid, row.vertices, row.faces, row.patterns, row.rule, row.writeVertices);
        WriteFigureNames(solid, figure);
        return 1;
    }
    return 0;
}

}  // namespace gyro::kit
