// The duals of the two snub solids, on the snub constants: the pentagonal
// icositetrahedron (75) and the pentagonal hexecontahedron (77). Each vertex is
// the pole of a face of the snub solid (its centre pushed out to midradius^2 /
// distance), each face the ring of poles round a snub vertex, starting at the
// square or pentagon. The face lists of the snub solids are written against
// the vertex numbering of their sets; the rings were read off them once.

#include <array>
#include <cmath>
#include <span>
#include <vector>

#include "catalog/catalan_builders.h"
#include "catalog/vertex_sets.h"
#include "model/solid_ops.h"

namespace gyro::catalan {

namespace {

constexpr std::array<Quad, 6> kSnubCubeSquares = {{
    {0, 1, 2, 3}, {4, 20, 16, 8}, {5, 23, 19, 9}, {6, 22, 18, 10}, {7, 21, 17, 11}, {12, 13, 14, 15},
}};
constexpr std::array<Triangle, 32> kSnubCubeTriangles = {{
    {0, 3, 4}, {0, 4, 8}, {0, 5, 1}, {0, 8, 5}, {1, 5, 9}, {1, 6, 2}, {1, 9, 6}, {2, 6, 10},
    {2, 7, 3}, {2, 10, 7}, {3, 7, 11}, {3, 11, 4}, {4, 11, 20}, {5, 8, 23}, {6, 9, 22}, {7, 10, 21},
    {8, 16, 23}, {9, 19, 22}, {10, 18, 21}, {11, 17, 20}, {12, 15, 16}, {12, 16, 20}, {12, 17, 13}, {12, 20, 17},
    {13, 17, 21}, {13, 18, 14}, {13, 21, 18}, {14, 18, 22}, {14, 19, 15}, {14, 22, 19}, {15, 19, 23}, {15, 23, 16},
}};
constexpr std::array<Pentagon, 24> kPentagonalIcositetrahedronFaces = {{
    {0, 6, 7, 9, 8}, {0, 8, 10, 12, 11}, {0, 11, 13, 15, 14}, {0, 14, 16, 17, 6}, {1, 7, 6, 17, 18}, {2, 10, 8, 9, 19},
    {3, 13, 11, 12, 20}, {4, 16, 14, 15, 21}, {1, 22, 19, 9, 7}, {2, 23, 20, 12, 10}, {3, 24, 21, 15, 13}, {4, 25, 18, 17, 16},
    {5, 26, 27, 29, 28}, {5, 28, 30, 32, 31}, {5, 31, 33, 35, 34}, {5, 34, 36, 37, 26}, {1, 27, 26, 37, 22}, {4, 30, 28, 29, 25},
    {3, 33, 31, 32, 24}, {2, 36, 34, 35, 23}, {1, 18, 25, 29, 27}, {4, 21, 24, 32, 30}, {3, 20, 23, 35, 33}, {2, 19, 22, 37, 36},
}};
constexpr std::array<Triangle, 80> kSnubDodecahedronTriangles = {{
    {0, 4, 18}, {0, 17, 23}, {0, 18, 17}, {0, 23, 1}, {1, 22, 28}, {1, 23, 22}, {1, 28, 2}, {2, 8, 3},
    {2, 27, 8}, {2, 28, 27}, {3, 7, 13}, {3, 8, 7}, {3, 13, 4}, {4, 12, 18}, {4, 13, 12}, {5, 9, 50},
    {5, 46, 6}, {5, 50, 54}, {5, 54, 46}, {6, 14, 7}, {6, 45, 14}, {6, 46, 45}, {7, 14, 13}, {8, 27, 9},
    {9, 26, 50}, {9, 27, 26}, {10, 14, 45}, {10, 41, 11}, {10, 45, 49}, {10, 49, 41}, {11, 19, 12}, {11, 40, 19},
    {11, 41, 40}, {12, 19, 18}, {15, 19, 40}, {15, 36, 16}, {15, 40, 44}, {15, 44, 36}, {16, 24, 17}, {16, 35, 24},
    {16, 36, 35}, {17, 24, 23}, {20, 24, 35}, {20, 35, 39}, {20, 39, 56}, {20, 56, 21}, {21, 29, 22}, {21, 55, 29},
    {21, 56, 55}, {22, 29, 28}, {25, 29, 55}, {25, 51, 26}, {25, 55, 59}, {25, 59, 51}, {26, 51, 50}, {30, 34, 48},
    {30, 47, 53}, {30, 48, 47}, {30, 53, 31}, {31, 52, 58}, {31, 53, 52}, {31, 58, 32}, {32, 38, 33}, {32, 57, 38},
    {32, 58, 57}, {33, 37, 43}, {33, 38, 37}, {33, 43, 34}, {34, 42, 48}, {34, 43, 42}, {36, 44, 37}, {37, 44, 43},
    {38, 57, 39}, {39, 57, 56}, {41, 49, 42}, {42, 49, 48}, {46, 54, 47}, {47, 54, 53}, {51, 59, 52}, {52, 59, 58},
}};
constexpr std::array<Pentagon, 60> kPentagonalHexecontahedronFaces = {{
    {0, 12, 14, 13, 15}, {0, 15, 17, 16, 18}, {0, 18, 21, 20, 19}, {0, 19, 23, 22, 24}, {0, 24, 26, 25, 12}, {1, 27, 29, 30, 28},
    {1, 28, 33, 32, 31}, {1, 31, 34, 22, 23}, {1, 23, 19, 20, 35}, {1, 35, 37, 36, 27}, {2, 38, 40, 41, 39}, {2, 39, 44, 43, 42},
    {2, 42, 45, 25, 26}, {2, 26, 24, 22, 34}, {2, 34, 31, 32, 38}, {3, 46, 48, 49, 47}, {3, 47, 52, 51, 50}, {3, 50, 53, 13, 14},
    {3, 14, 12, 25, 45}, {3, 45, 42, 43, 46}, {4, 54, 55, 56, 57}, {4, 57, 60, 59, 58}, {4, 58, 61, 16, 17}, {4, 17, 15, 13, 53},
    {4, 53, 50, 51, 54}, {5, 62, 64, 65, 63}, {5, 63, 66, 36, 37}, {5, 37, 35, 20, 21}, {5, 21, 18, 16, 61}, {5, 61, 58, 59, 62},
    {6, 67, 69, 68, 70}, {6, 70, 72, 71, 73}, {6, 73, 76, 75, 74}, {6, 74, 78, 77, 79}, {6, 79, 81, 80, 67}, {7, 55, 54, 51, 52},
    {7, 52, 47, 49, 82}, {7, 82, 83, 77, 78}, {7, 78, 74, 75, 84}, {7, 84, 85, 56, 55}, {8, 48, 46, 43, 44}, {8, 44, 39, 41, 86},
    {8, 86, 87, 80, 81}, {8, 81, 79, 77, 83}, {8, 83, 82, 49, 48}, {9, 40, 38, 32, 33}, {9, 33, 28, 30, 88}, {9, 88, 89, 68, 69},
    {9, 69, 67, 80, 87}, {9, 87, 86, 41, 40}, {10, 29, 27, 36, 66}, {10, 66, 63, 65, 90}, {10, 90, 91, 71, 72}, {10, 72, 70, 68, 89},
    {10, 89, 88, 30, 29}, {11, 64, 62, 59, 60}, {11, 60, 57, 56, 85}, {11, 85, 84, 75, 76}, {11, 76, 73, 71, 91}, {11, 91, 90, 65, 64},
}};

void SetColour(Solid& solid, size_t face, int pattern, uint8_t index) {
    solid.faces[face].colours[pattern] = solid.params.palette[index % kPaletteSize];
}

// The pole of a face whose corners lie on the midsphere's tangent edges:
// its centre times midradius^2 / |centre|^2.
Vec3 Pole(const std::vector<Vec3>& v, std::span<const int32_t> corners, double midradius) {
    Vec3 centre;
    for (int32_t c : corners) centre = centre + v[c];
    centre = centre / static_cast<double>(corners.size());
    return centre * (midradius * midradius / Dot(centre, centre));
}

double Midradius(const std::vector<Vec3>& v, int32_t a, int32_t b) { return Length((v[a] + v[b]) / 2.0); }

void ScaleVertices(Solid& solid, double factor) {
    for (Vec3& p : solid.vertices) p = p * factor;
}

}  // namespace

void BuildPentagonalIcositetrahedron(Solid& solid) {
    std::vector<Vec3> snub(kSnubCubeVertices);
    WriteSnubCube(snub, 0, 1.0);
    const double m = Midradius(snub, 0, 1);
    if (!SizeMesh(solid, 38, 24)) return;
    for (int32_t f = 0; f < 6; ++f) solid.vertices[f] = Pole(snub, kSnubCubeSquares[f], m);
    for (int32_t f = 0; f < 32; ++f) solid.vertices[6 + f] = Pole(snub, kSnubCubeTriangles[f], m);
    // Squares at distance 1: their poles (m^2) are the farthest vertices; the
    // snub cube's circumradius is q, so the inradius is m^2 / q. Sized for a
    // compound, qEdge is (midradius : square distance)^2, the same for both.
    const CatalanSize size{CatalanRatio(SnubCubeRatio())};
    ScaleVertices(solid, CatalanScale(solid.params, size, m * m, m * m / size.ratio.q));
    // Patterns: by the square (six colours), opposite squares alike, by the
    // place round the square, the places alternately.
    for (int32_t p = 0; p < 24; ++p) {
        SetPolygon(solid.faces[p], kPentagonalIcositetrahedronFaces[p]);
        const int32_t square = kPentagonalIcositetrahedronFaces[p][0];
        int32_t place = 0;
        while (place < 3 && kSnubCubeSquares[square][place] != p) ++place;
        constexpr std::array<uint8_t, 6> kOpposite = {0, 1, 2, 1, 2, 0};
        const std::array<uint8_t, 4> colours = {static_cast<uint8_t>(square), kOpposite[square],
                                                static_cast<uint8_t>(place), static_cast<uint8_t>(place % 2)};
        for (int k = 0; k < 4; ++k) SetColour(solid, p, k, colours[k]);
    }
    solid.patternCount = 4;
}

void BuildPentagonalHexecontahedron(Solid& solid) {
    const SnubIcosahedral member = SnubDodecahedronMember();
    std::vector<Vec3> snub(kIcosahedral60Vertices);
    WriteSnubIcosahedral(snub, 0, 1.0, member);
    const double m = Midradius(snub, 0, 1);
    if (!SizeMesh(solid, 92, 60)) return;
    for (int32_t f = 0; f < 12; ++f) {
        const std::array<int32_t, 5> pentagon = {5 * f, 5 * f + 1, 5 * f + 2, 5 * f + 3, 5 * f + 4};
        solid.vertices[f] = Pole(snub, pentagon, m);
    }
    for (int32_t f = 0; f < 80; ++f) solid.vertices[12 + f] = Pole(snub, kSnubDodecahedronTriangles[f], m);
    const CatalanSize size{CatalanRatio(SnubIcosahedralRatio(member))};
    ScaleVertices(solid, CatalanScale(solid.params, size, m * m, m * m / size.ratio.q));
    // Patterns: by the place round the pentagon, by the pentagon (a pentagon
    // and its half-turn image alike), one colour.
    for (int32_t p = 0; p < 60; ++p) {
        SetPolygon(solid.faces[p], kPentagonalHexecontahedronFaces[p]);
        const int32_t pentagon = p / 5;
        SetColour(solid, p, 0, static_cast<uint8_t>(p % 5));
        SetColour(solid, p, 1, static_cast<uint8_t>(pentagon % 6));
        SetColour(solid, p, 2, 5);
    }
    solid.patternCount = 3;
}

}  // namespace gyro::catalan
