// The five regular solids in their standard positions, their orientation
// variants, and the Menger sponge's base.

#include <cmath>

#include "catalog/regular_builders.h"
#include "catalog/build_kit.h"
#include "model/solid_ops.h"

namespace gyro::regular {

namespace {

template <size_t Corners, size_t Faces, size_t Patterns>
void WriteFacesWithPatterns(Solid& solid, const std::array<std::array<int32_t, Corners>, Faces>& faces,
                            const std::array<std::array<uint8_t, Faces>, Patterns>& patterns) {
    for (size_t f = 0; f < Faces; ++f) {
        Face& face = solid.faces[f];
        SetPolygon(face, faces[f]);
        for (size_t p = 0; p < Patterns; ++p) face.colours[p] = solid.params.palette[patterns[p][f]];
    }
    solid.patternCount = static_cast<int16_t>(Patterns);
}

// Faces that carry one colour each in slot 0 (patternCount stays 1).
template <size_t Corners, size_t Faces>
void WriteFacesOneColour(Solid& solid, const std::array<std::array<int32_t, Corners>, Faces>& faces,
                         const std::array<uint8_t, Faces>& colours) {
    for (size_t f = 0; f < Faces; ++f) {
        SetPolygon(solid.faces[f], faces[f]);
        PaintFaceOneColour(solid.faces[f], solid.params, colours[f], 1);
    }
}

}  // namespace

void BuildTetrahedron(Solid& solid) {
    if (!SizeMesh(solid, 4, 4)) return;
    WriteTetrahedron(solid.vertices, 0, ReferenceLength(solid.params, TetrahedronRatio()));
    WriteFacesWithPatterns(solid, kTetrahedronFaces, kTetrahedronPatterns);
}

void BuildTetrahedronInCube(Solid& solid, int32_t which) {
    // The two sets of alternate cube corners, ordered so that the tetrahedron's
    // own face list winds outwards.
    constexpr std::array<std::array<int32_t, 4>, 2> kSets = {{{0, 5, 2, 7}, {1, 3, 4, 6}}};
    constexpr std::array<std::array<uint8_t, 4>, 2> kPatterns = {{{1, 2, 3, 0}, {0, 0, 0, 0}}};
    if (!SizeMesh(solid, 8, 4)) return;
    WriteCube(solid.vertices, 0, ReferenceLength(solid.params, CubeRatio()));
    const auto& set = kSets[which != 0 ? 1 : 0];
    for (int32_t f = 0; f < 4; ++f) {
        const Triangle& t = kTetrahedronFaces[f];
        SetPolygon(solid.faces[f], {set[t[0]], set[t[1]], set[t[2]]});
        PaintFace(solid.faces[f], solid.params, {kPatterns[0][f], kPatterns[1][f]});
    }
    solid.patternCount = 2;
}

void BuildCube(Solid& solid) {
    if (!SizeMesh(solid, 8, 6)) return;
    WriteCube(solid.vertices, 0, ReferenceLength(solid.params, CubeRatio()));
    WriteFacesWithPatterns(solid, kCubeFaces, kCubePatterns);
}

void BuildCubeOnVertex(Solid& solid) {
    // Body diagonal on the z axis: a tetrahedron and its negative.
    constexpr std::array<Quad, 6> kFaces = {{
        {0, 6, 1, 7}, {0, 7, 2, 5}, {0, 5, 3, 6}, {1, 4, 2, 7}, {1, 6, 3, 4}, {2, 4, 3, 5},
    }};
    constexpr std::array<uint8_t, 6> kColours = {0, 1, 2, 2, 1, 0};  // opposite faces alike
    if (!SizeMesh(solid, 8, 6)) return;
    const double R = ReferenceLength(solid.params, CubeRatio()) * std::sqrt(3.0);
    WriteTetrahedron(solid.vertices, 0, R);
    solid.vertices[4] = {0.0, 0.0, -R};
    for (int32_t i = 1; i < 4; ++i) solid.vertices[4 + i] = -solid.vertices[i];
    WriteFacesOneColour(solid, kFaces, kColours);
}

void BuildOctahedron(Solid& solid) {
    if (!SizeMesh(solid, 6, 8)) return;
    WriteOctahedron(solid.vertices, 0, ReferenceLength(solid.params, OctahedronRatio()));
    WriteFacesWithPatterns(solid, kOctahedronFaces, kOctahedronPatterns);
}

void BuildOctahedronOnFace(Solid& solid) {
    // A triangle on top and its negative below; faces f and f + 4 are opposite.
    constexpr std::array<Triangle, 8> kFaces = {{
        {0, 1, 2}, {0, 5, 1}, {1, 3, 2}, {0, 2, 4}, {3, 5, 4}, {2, 3, 4}, {0, 4, 5}, {1, 5, 3},
    }};
    constexpr std::array<uint8_t, 8> kColours = {4, 5, 6, 7, 4, 5, 6, 7};
    if (!SizeMesh(solid, 6, 8)) return;
    const double R = ReferenceLength(solid.params, OctahedronRatio());
    for (int32_t m = 0; m < 3; ++m) {
        solid.vertices[m] = RingPoint(std::sqrt(6.0) * R / 3.0, m, 3, std::sqrt(3.0) * R / 3.0);
        solid.vertices[m + 3] = -solid.vertices[m];
    }
    WriteFacesOneColour(solid, kFaces, kColours);
}

void BuildDodecahedron(Solid& solid) {
    if (!SizeMesh(solid, 20, 12)) return;
    WriteDodecahedron(solid.vertices, 0, ReferenceLength(solid.params, DodecahedronRatio()));
    for (int32_t f = 0; f < 12; ++f) SetPolygon(solid.faces[f], DodecahedronFace(f));
    PaintDodecahedral(solid, 0);
}

void BuildDodecahedronAxisAligned(Solid& solid) {
    // The cube's corners (c, c, c) with the twelve points (0, ±c/φ, ±cφ) and
    // their cyclic arrangements.
    constexpr std::array<Pentagon, 12> kFaces = {{
        {0, 12, 1, 9, 8}, {0, 8, 3, 17, 16}, {0, 16, 4, 13, 12}, {1, 19, 18, 2, 9},
        {1, 12, 13, 5, 19}, {2, 15, 3, 8, 9}, {2, 18, 6, 14, 15}, {3, 15, 14, 7, 17},
        {4, 11, 10, 5, 13}, {4, 16, 17, 7, 11}, {5, 10, 6, 18, 19}, {6, 10, 11, 7, 14},
    }};
    constexpr std::array<uint8_t, 12> kColours = {0, 1, 2, 3, 4, 5, 2, 4, 5, 3, 1, 0};  // opposite faces alike
    SizeRatio ratio = DodecahedronRatio();
    ratio.base = &BuildParams::baseSizeB;
    if (!SizeMesh(solid, 20, 12)) return;
    const double r = ReferenceLength(solid.params, ratio);
    const double c = r * ratio.q / std::sqrt(3.0);  // half the edge of the inscribed cube
    const double phi = (1.0 + std::sqrt(5.0)) / 2.0;
    const double a = c / phi;
    const double b = c * phi;
    std::vector<Vec3>& v = solid.vertices;
    WriteCube(v, 0, c);
    v[8] = {0, a, b};
    v[9] = {0, -a, b};
    v[10] = {0, -a, -b};
    v[11] = {0, a, -b};
    v[12] = {b, 0, a};
    v[13] = {b, 0, -a};
    v[14] = {-b, 0, -a};
    v[15] = {-b, 0, a};
    v[16] = {a, b, 0};
    v[17] = {-a, b, 0};
    v[18] = {-a, -b, 0};
    v[19] = {a, -b, 0};
    WriteFacesOneColour(solid, kFaces, kColours);
}

void BuildIcosahedron(Solid& solid) {
    if (!SizeMesh(solid, 12, 20)) return;
    WriteIcosahedron(solid.vertices, 0, ReferenceLength(solid.params, IcosahedronRatio()));
    for (int32_t f = 0; f < 20; ++f) {
        SetPolygon(solid.faces[f], IcosahedronFace(f));
        for (int32_t p = 0; p < 6; ++p) solid.faces[f].colours[p] = solid.params.palette[kIcosahedronPatterns[p][f]];
    }
    solid.patternCount = 6;
}

void BuildIcosahedronAxisAligned(Solid& solid) {
    constexpr std::array<Triangle, 20> kFaces = {{
        {0, 1, 8}, {0, 9, 1}, {0, 4, 5}, {0, 8, 4}, {0, 5, 9}, {1, 6, 7}, {1, 9, 6},
        {1, 7, 8}, {2, 10, 3}, {2, 3, 11}, {2, 7, 6}, {2, 6, 10}, {2, 11, 7}, {3, 5, 4},
        {3, 4, 11}, {3, 10, 5}, {4, 8, 11}, {5, 10, 9}, {6, 9, 10}, {7, 11, 8},
    }};
    // The five-colour pattern of the icosahedron carried over face by face.
    constexpr std::array<uint8_t, 20> kColours = {3, 2, 0, 4, 1, 1, 3, 4, 3, 2, 0, 4, 1, 1, 3, 4, 0, 2, 0, 2};
    SizeRatio ratio = IcosahedronRatio();
    ratio.base = &BuildParams::baseSizeB;
    if (!SizeMesh(solid, 12, 20)) return;
    const double R = ReferenceLength(solid.params, ratio);
    const double a = R * std::sqrt((5.0 - std::sqrt(5.0)) / 10.0);
    const double b = R * std::sqrt((5.0 + std::sqrt(5.0)) / 10.0);
    std::vector<Vec3>& v = solid.vertices;
    v[0] = {a, 0, b};
    v[1] = {-a, 0, b};
    v[2] = {-a, 0, -b};
    v[3] = {a, 0, -b};
    v[4] = {b, a, 0};
    v[5] = {b, -a, 0};
    v[6] = {-b, -a, 0};
    v[7] = {-b, a, 0};
    v[8] = {0, b, a};
    v[9] = {0, -b, a};
    v[10] = {0, -b, -a};
    v[11] = {0, b, -a};
    WriteFacesOneColour(solid, kFaces, kColours);
}

void BuildMengerBase(Solid& solid) {
    // The cube's faces over its corners, plus the twelve edge midpoints: the
    // twenty places where the sponge puts its smaller copies.
    constexpr int t[4] = {0, 1, 0, -1};
    BuildCube(solid);
    if (solid.vertexCount() != 8 || !ResizeVertices(solid, 20)) return;
    const double r = ReferenceLength(solid.params, CubeRatio());
    for (int32_t j = 0; j < 4; ++j) {
        solid.vertices[8 + j] = {t[j] * r, t[(j + 1) % 4] * r, r};
        solid.vertices[12 + j] = {t[j] * r, t[(j + 1) % 4] * r, -r};
        solid.vertices[16 + j] = {(t[(j + 1) % 4] + t[j]) * r, (t[(j + 1) % 4] - t[j]) * r, 0.0};
    }
}

}  // namespace gyro::regular
