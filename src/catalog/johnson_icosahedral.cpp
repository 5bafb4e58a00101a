// The Johnson solids cut from Archimedean solids with icosahedral symmetry:
// the truncated dodecahedron with pentagonal cupolae on decagons (J68-J71) and
// the rhombicosidodecahedron with cupolae turned or removed (J72-J83, 392).
// Both scale with kikaku like their Archimedean base. The face tables follow
// the numbering of the shared vertex sets.

#include <algorithm>
#include <array>
#include <vector>

#include "catalog/build_kit.h"
#include "catalog/johnson_builders.h"
#include "catalog/vertex_sets.h"

namespace gyro::johnson {

namespace {

// ---- Rhombicosidodecahedron ----------------------------------------------------
// The 62 faces: pentagons 0-11, triangles 12-31, squares 32-61.
constexpr int32_t kPentagons[12][5] = {
    {0, 1, 2, 3, 4}, {30, 34, 33, 32, 31}, {5, 14, 24, 25, 15}, {7, 6, 16, 26, 17}, {9, 8, 18, 27, 19},
    {11, 10, 20, 28, 21}, {13, 12, 22, 29, 23}, {35, 45, 55, 54, 44}, {37, 47, 56, 46, 36},
    {39, 49, 57, 48, 38}, {41, 51, 58, 50, 40}, {43, 53, 59, 52, 42},
};
constexpr int32_t kTriangles[20][3] = {
    {0, 9, 10}, {1, 11, 12}, {2, 13, 14}, {3, 5, 6}, {4, 7, 8}, {30, 40, 39}, {31, 42, 41}, {32, 44, 43},
    {33, 36, 35}, {34, 38, 37}, {15, 58, 16}, {17, 59, 18}, {19, 55, 20}, {21, 56, 22}, {23, 57, 24},
    {45, 46, 28}, {47, 48, 29}, {49, 50, 25}, {51, 52, 26}, {53, 54, 27},
};
constexpr int32_t kSquares[30][4] = {
    {0, 4, 8, 9}, {1, 0, 10, 11}, {2, 1, 12, 13}, {3, 2, 14, 5}, {4, 3, 6, 7}, {30, 39, 38, 34},
    {31, 41, 40, 30}, {32, 43, 42, 31}, {33, 35, 44, 32}, {34, 37, 36, 33}, {5, 15, 16, 6}, {7, 17, 18, 8},
    {9, 19, 20, 10}, {11, 21, 22, 12}, {13, 23, 24, 14}, {35, 36, 46, 45}, {37, 38, 48, 47},
    {39, 40, 50, 49}, {41, 42, 52, 51}, {43, 44, 54, 53}, {15, 25, 50, 58}, {17, 26, 52, 59},
    {19, 27, 54, 55}, {21, 28, 46, 56}, {23, 29, 48, 57}, {45, 28, 20, 55}, {47, 29, 22, 56},
    {49, 25, 24, 57}, {51, 26, 16, 58}, {53, 27, 18, 59},
};
// For every pentagon: the rim of its cupola, a regular decagon listed as the
// face it leaves when the cupola is removed, its first edge under one of the
// cupola's triangles; and the ten faces of the cupola besides the pentagon.
constexpr int32_t kCupolaRims[12][10] = {
    {9, 10, 11, 12, 13, 14, 5, 6, 7, 8}, {40, 39, 38, 37, 36, 35, 44, 43, 42, 41},
    {2, 13, 23, 57, 49, 50, 58, 16, 6, 3}, {3, 5, 15, 58, 51, 52, 59, 18, 8, 4},
    {10, 0, 4, 7, 17, 59, 53, 54, 55, 20}, {0, 9, 19, 55, 45, 46, 56, 22, 12, 1},
    {1, 11, 21, 56, 47, 48, 57, 24, 14, 2}, {43, 32, 33, 36, 46, 28, 20, 19, 27, 53},
    {35, 33, 34, 38, 48, 29, 22, 21, 28, 45}, {30, 40, 50, 25, 24, 23, 29, 47, 37, 34},
    {39, 30, 31, 42, 52, 26, 16, 15, 25, 49}, {41, 31, 32, 44, 54, 27, 18, 17, 26, 51},
};
constexpr int32_t kCupolaFaces[12][10] = {
    {12, 13, 14, 15, 16, 32, 33, 34, 35, 36}, {17, 18, 19, 20, 21, 37, 38, 39, 40, 41},
    {14, 15, 22, 26, 29, 35, 42, 46, 52, 59}, {15, 16, 22, 23, 30, 36, 42, 43, 53, 60},
    {12, 16, 23, 24, 31, 32, 43, 44, 54, 61}, {12, 13, 24, 25, 27, 33, 44, 45, 55, 57},
    {13, 14, 25, 26, 28, 34, 45, 46, 56, 58}, {19, 20, 24, 27, 31, 40, 47, 51, 54, 57},
    {20, 21, 25, 27, 28, 41, 47, 48, 55, 58}, {17, 21, 26, 28, 29, 37, 48, 49, 56, 59},
    {17, 18, 22, 29, 30, 38, 49, 50, 52, 60}, {18, 19, 23, 30, 31, 39, 50, 51, 53, 61},
};
// ---- Truncated dodecahedron ------------------------------------------------------
// Decagons (first edge shared with another decagon) and triangles.
constexpr int32_t kDecagons[12][10] = {
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {39, 38, 37, 36, 35, 34, 33, 32, 31, 30},
    {10, 15, 20, 55, 56, 21, 16, 11, 1, 0}, {11, 16, 22, 57, 58, 23, 17, 12, 3, 2},
    {12, 17, 24, 59, 50, 25, 18, 13, 5, 4}, {13, 18, 26, 51, 52, 27, 19, 14, 7, 6},
    {14, 19, 28, 53, 54, 29, 15, 10, 9, 8}, {30, 31, 41, 46, 51, 26, 25, 50, 45, 40},
    {32, 33, 42, 47, 53, 28, 27, 52, 46, 41}, {34, 35, 43, 48, 55, 20, 29, 54, 47, 42},
    {36, 37, 44, 49, 57, 22, 21, 56, 48, 43}, {38, 39, 40, 45, 59, 24, 23, 58, 49, 44},
};
constexpr int32_t kSmallTriangles[20][3] = {
    {0, 9, 10}, {2, 1, 11}, {4, 3, 12}, {6, 5, 13}, {8, 7, 14}, {30, 40, 39}, {32, 41, 31}, {34, 42, 33},
    {36, 43, 35}, {38, 44, 37}, {15, 29, 20}, {16, 21, 22}, {17, 23, 24}, {18, 25, 26}, {19, 27, 28},
    {45, 50, 59}, {46, 52, 51}, {47, 54, 53}, {48, 56, 55}, {49, 58, 57},
};

constexpr uint8_t kTurnedColour = 6;  // second pattern: faces of a turned cupola
constexpr uint8_t kRimColour = 5;     // a removed cupola's decagon

}  // namespace

void BuildAugmentedTruncatedDodecahedron(Solid& solid, std::span<const int32_t> decagons) {
    MeshBuilder m(1);
    std::vector<Vec3> v(60);
    kit::WriteTruncatedDodecahedronFamily(v, 0, kit::TruncatedDodecahedronSize(solid.params),
                                          kit::TruncatedDodecahedronMu());
    for (const Vec3& p : v) m.Vertex(p);
    auto augmented = [&](int32_t d) { return std::find(decagons.begin(), decagons.end(), d) != decagons.end(); };
    for (int32_t d = 0; d < 12; ++d) {
        if (!augmented(d)) m.Face(kDecagons[d], {PolygonColour(10)});
    }
    for (const auto& t : kSmallTriangles) m.Face(t, {PolygonColour(3)});
    // The cupola's triangles over the edges between decagons: over the others
    // they would lie flat against the small triangles.
    for (int32_t d : decagons) WriteCupolaOn(m, kDecagons[d], 0, {}, FaceColours{});
    m.Write(solid);
}

void BuildRhombicosidodecahedral(Solid& solid, const std::array<CupolaState, 12>& cupolae) {
    MeshBuilder m(2);
    std::vector<Vec3> v(60);
    kit::WriteRhombicosidodecahedronFamily(v, 0, kit::ReferenceLength(solid.params, kit::RhombicosidodecahedronRatio()),
                                           kit::RhombicosidodecahedronX());
    for (const Vec3& p : v) m.Vertex(p);
    std::array<bool, 62> dropped{};
    for (int32_t c = 0; c < 12; ++c) {
        if (cupolae[c] == CupolaState::Kept) continue;
        dropped[c] = true;
        for (int32_t f : kCupolaFaces[c]) dropped[f] = true;
    }
    for (int32_t f = 0; f < 12; ++f) {
        if (!dropped[f]) m.Face(kPentagons[f], {PolygonColour(5)});
    }
    for (int32_t f = 0; f < 20; ++f) {
        if (!dropped[12 + f]) m.Face(kTriangles[f], {PolygonColour(3)});
    }
    for (int32_t f = 0; f < 30; ++f) {
        if (!dropped[32 + f]) m.Face(kSquares[f], {PolygonColour(4)});
    }
    for (int32_t c = 0; c < 12; ++c) {
        if (cupolae[c] == CupolaState::Turned) {
            // Turned by 36 degrees: the triangles move over the rim edges the
            // squares stood on; the pentagon keeps its vertex slots.
            FaceColours colours{};
            colours[1] = kTurnedColour;
            WriteCupolaOn(m, kCupolaRims[c], 1, kPentagons[c], colours);
        } else if (cupolae[c] == CupolaState::Removed) {
            m.Face(kCupolaRims[c], {PolygonColour(10), kRimColour});
            // Its pentagon's slots stay, unused, at the centre.
            for (int32_t p : kPentagons[c]) m.At(p) = {};
        }
    }
    m.Write(solid);
}

}  // namespace gyro::johnson
