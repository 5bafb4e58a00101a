// The Johnson solids J1-J92 (figure 299 + J), the mirror images of the chiral
// J44-J48 (393-397) and the extra rhombicosidodecahedral solid 392. This file
// maps figure numbers to the construction of each group; only Japanese names
// are written (the catalogue has no English ones for this family).

#include <array>
#include <optional>

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
    return false;
}

}  // namespace

int BuildJohnsonFamily(Solid& solid, ShapeId figure) {
    if (!BuildMesh(solid, figure)) return 0;
    WriteFigureNames(solid, figure);
    return 1;
}

}  // namespace gyro
