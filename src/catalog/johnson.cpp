// The Johnson solids J1-J92 (figure 299 + J), the mirror images of the chiral
// J44-J48 (393-397) and the extra rhombicosidodecahedral solid 392. This file
// maps figure numbers to the construction of each group; only Japanese names
// are written (the catalogue has no English ones for this family).

#include <array>

#include "catalog/builders.h"
#include "catalog/catalogue.h"
#include "catalog/johnson_builders.h"

namespace gyro {

namespace {

using namespace johnson;

struct PyramidRow {
    ShapeId figure;
    PyramidStack stack;
};

constexpr PyramidRow kPyramidStacks[] = {
    {300, {4, Band::None, 1}},      {301, {5, Band::None, 1}},      {306, {3, Band::Prism, 1}},
    {307, {4, Band::Prism, 1}},     {308, {5, Band::Prism, 1}},     {309, {4, Band::Antiprism, 1}},
    {310, {5, Band::Antiprism, 1}}, {311, {3, Band::None, 2}},      {312, {5, Band::None, 2}},
    {313, {3, Band::Prism, 2}},     {314, {4, Band::Prism, 2}},     {315, {5, Band::Prism, 2}},
    {316, {4, Band::Antiprism, 2}},
};

struct CupolaRow {
    ShapeId figure;
    CupolaStack stack;
};

constexpr bool kOrtho = false;
constexpr bool kGyro = true;
constexpr Cap C = Cap::Cupola;
constexpr Cap R = Cap::Rotunda;
constexpr Cap kOpen = Cap::None;

constexpr CupolaRow kCupolaStacks[] = {
    {302, {3, C, Band::None, kOpen, kOrtho, 1}},
    {303, {4, C, Band::None, kOpen, kOrtho, 1}},
    {304, {5, C, Band::None, kOpen, kOrtho, 1}},
    {305, {5, R, Band::None, kOpen, kOrtho, 1}},
    {317, {3, C, Band::Prism, kOpen, kOrtho, 1}},
    {318, {4, C, Band::Prism, kOpen, kOrtho, 1}},
    {319, {5, C, Band::Prism, kOpen, kOrtho, 1}},
    {320, {5, R, Band::Prism, kOpen, kOrtho, 1}},
    {321, {3, C, Band::Antiprism, kOpen, kOrtho, 1}},
    {322, {4, C, Band::Antiprism, kOpen, kOrtho, 1}},
    {323, {5, C, Band::Antiprism, kOpen, kOrtho, 1}},
    {324, {5, R, Band::Antiprism, kOpen, kOrtho, 1}},
    // The gyrobifastigium: two digonal cupolae (triangular prisms) turned apart.
    {325, {2, C, Band::None, C, kGyro, 1}},
    {326, {3, C, Band::None, C, kOrtho, 1}},
    {327, {4, C, Band::None, C, kOrtho, 1}},
    {328, {4, C, Band::None, C, kGyro, 1}},
    {329, {5, C, Band::None, C, kOrtho, 1}},
    {330, {5, C, Band::None, C, kGyro, 1}},
    {331, {5, C, Band::None, R, kOrtho, 1}},
    {332, {5, C, Band::None, R, kGyro, 1}},
    {333, {5, R, Band::None, R, kOrtho, 1}},
    {334, {3, C, Band::Prism, C, kOrtho, 1}},
    {335, {3, C, Band::Prism, C, kGyro, 1}},
    {336, {4, C, Band::Prism, C, kGyro, 1}},
    {337, {5, C, Band::Prism, C, kOrtho, 1}},
    {338, {5, C, Band::Prism, C, kGyro, 1}},
    {339, {5, C, Band::Prism, R, kOrtho, 1}},
    {340, {5, C, Band::Prism, R, kGyro, 1}},
    {341, {5, R, Band::Prism, R, kOrtho, 1}},
    {342, {5, R, Band::Prism, R, kGyro, 1}},
    {343, {3, C, Band::Antiprism, C, kOrtho, 1}},
    {344, {4, C, Band::Antiprism, C, kOrtho, 1}},
    {345, {5, C, Band::Antiprism, C, kOrtho, 1}},
    {346, {5, C, Band::Antiprism, R, kOrtho, 1}},
    {347, {5, R, Band::Antiprism, R, kOrtho, 1}},
    // Mirror images: the same stacks with the antiprism twisted the other way.
    {393, {3, C, Band::Antiprism, C, kOrtho, -1}},
    {394, {4, C, Band::Antiprism, C, kOrtho, -1}},
    {395, {5, C, Band::Antiprism, C, kOrtho, -1}},
    {396, {5, C, Band::Antiprism, R, kOrtho, -1}},
    {397, {5, R, Band::Antiprism, R, kOrtho, -1}},
};

// The rhombicosidodecahedron's cupolae by pentagon: 0 on top, 1 at the
// bottom (para), 7 and 9 below, meta to the top and to each other; -1 unused.
struct RhombicRow {
    ShapeId figure;
    std::array<int32_t, 3> turned;
    std::array<int32_t, 3> removed;
};

constexpr std::array<int32_t, 3> kNone = {-1, -1, -1};

constexpr RhombicRow kRhombicSolids[] = {
    {371, {0, -1, -1}, kNone},       // J72 gyrate
    {372, {0, 1, -1}, kNone},        // J73 parabigyrate
    {373, {0, 7, -1}, kNone},        // J74 metabigyrate
    {374, {0, 7, 9}, kNone},         // J75 trigyrate
    {375, kNone, {0, -1, -1}},       // J76 diminished
    {376, {1, -1, -1}, {0, -1, -1}}, // J77 paragyrate diminished
    {377, {7, -1, -1}, {0, -1, -1}}, // J78 metagyrate diminished
    {378, {7, 9, -1}, {0, -1, -1}},  // J79 bigyrate diminished
    {379, kNone, {0, 1, -1}},        // J80 parabidiminished
    {380, kNone, {0, 7, -1}},        // J81 metabidiminished
    {381, {9, -1, -1}, {0, 7, -1}},  // J82 gyrate bidiminished
    {382, kNone, {0, 7, 9}},         // J83 tridiminished
    // The "pants": the waist (top) and two legs (7, 9) open. Every other
    // choice of non-overlapping cupolae is a named solid as well.
    {392, kNone, {0, 7, 9}},
};

template <class Row, size_t N>
const Row* FindRow(const Row (&rows)[N], ShapeId figure) {
    for (const Row& row : rows) {
        if (row.figure == figure) return &row;
    }
    return nullptr;
}

// Writes the mesh; false for a number that is not built here.
bool BuildMesh(Solid& solid, ShapeId figure) {
    if (const PyramidRow* row = FindRow(kPyramidStacks, figure)) {
        BuildPyramidStack(solid, row->stack);
        return true;
    }
    if (const CupolaRow* row = FindRow(kCupolaStacks, figure)) {
        BuildCupolaStack(solid, row->stack);
        return true;
    }
    const int32_t j = figure - 299;
    switch (j) {
        // Prisms with square pyramids on chosen sides: para and meta as the
        // names say (J55 opposite sides, J56 and J53 one side apart).
        case 49: BuildAugmentedPrism(solid, 3, std::array{0}); return true;
        case 50: BuildAugmentedPrism(solid, 3, std::array{0, 1}); return true;
        case 51: BuildAugmentedPrism(solid, 3, std::array{0, 1, 2}); return true;
        case 52: BuildAugmentedPrism(solid, 5, std::array{0}); return true;
        case 53: BuildAugmentedPrism(solid, 5, std::array{0, 2}); return true;
        case 54: BuildAugmentedPrism(solid, 6, std::array{0}); return true;
        case 55: BuildAugmentedPrism(solid, 6, std::array{0, 3}); return true;
        case 56: BuildAugmentedPrism(solid, 6, std::array{0, 2}); return true;
        case 57: BuildAugmentedPrism(solid, 6, std::array{0, 2, 4}); return true;
        // The dodecahedron's top face, its opposite (para), a face of the lower
        // ring (meta), and two lower faces apart from each other (tri).
        case 58: BuildAugmentedDodecahedron(solid, std::array{0}); return true;
        case 59: BuildAugmentedDodecahedron(solid, std::array{0, 1}); return true;
        case 60: BuildAugmentedDodecahedron(solid, std::array{0, 7}); return true;
        case 61: BuildAugmentedDodecahedron(solid, std::array{0, 7, 9}); return true;
        case 62:
        case 63:
        case 64: BuildDiminishedIcosahedron(solid, j); return true;
        case 65:
        case 66:
        case 67: BuildAugmentedTruncated(solid, j); return true;
        // The truncated dodecahedron's top decagon, its opposite, a decagon
        // of the lower ring (meta) and two of those apart from each other.
        case 68: BuildAugmentedTruncatedDodecahedron(solid, std::array{0}); return true;
        case 69: BuildAugmentedTruncatedDodecahedron(solid, std::array{0, 1}); return true;
        case 70: BuildAugmentedTruncatedDodecahedron(solid, std::array{0, 7}); return true;
        case 71: BuildAugmentedTruncatedDodecahedron(solid, std::array{0, 7, 9}); return true;
        default: break;
    }
    if (const RhombicRow* row = FindRow(kRhombicSolids, figure)) {
        std::array<CupolaState, 12> cupolae{};
        for (int32_t c : row->turned) {
            if (c >= 0) cupolae[c] = CupolaState::Turned;
        }
        for (int32_t c : row->removed) {
            if (c >= 0) cupolae[c] = CupolaState::Removed;
        }
        BuildRhombicosidodecahedral(solid, cupolae);
        return true;
    }
    if (j >= 84 && j <= 92) {
        BuildSpecialJohnson(solid, j);
        return true;
    }
    return false;
}

}  // namespace

int BuildJohnsonFamily(Solid& solid, ShapeId figure) {
    if (!BuildMesh(solid, figure)) return 0;
    WriteFigureNames(solid, figure);
    return 1;
}

}  // namespace gyro
