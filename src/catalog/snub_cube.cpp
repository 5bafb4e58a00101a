// The snub cube. The mirror image (54) is a catalogue row: this solid mirrored in x.
// The pentagonal icositetrahedra, duals in shape, are further cases of this family.

#include <cstdint>
#include <iterator>
#include <vector>

#include "catalog/build_kit.h"
#include "catalog/builders.h"
#include "catalog/catalan_builders.h"
#include "catalog/catalogue.h"
#include "catalog/face_tables.h"
#include "catalog/vertex_sets.h"

namespace gyro {

namespace {

using namespace kit;

// The six squares, the eight triangles on the cube's diagonals and the 24
// between them, in the twist of WriteSnubCube.
constexpr TableFace kSnubCubeFaces[] = {
    {4, Axis::Four, 0, {0, 1, 2, 3}},
    {4, Axis::Four, 2, {4, 20, 16, 8}},
    {4, Axis::Four, 3, {5, 23, 19, 9}},
    {4, Axis::Four, 4, {6, 22, 18, 10}},
    {4, Axis::Four, 5, {7, 21, 17, 11}},
    {4, Axis::Four, 1, {12, 13, 14, 15}},
    {3, Axis::Three, 0, {0, 8, 5}},
    {3, Axis::Three, 1, {1, 9, 6}},
    {3, Axis::Three, 2, {2, 10, 7}},
    {3, Axis::Three, 3, {3, 11, 4}},
    {3, Axis::Three, 7, {12, 20, 17}},
    {3, Axis::Three, 6, {13, 21, 18}},
    {3, Axis::Three, 5, {14, 22, 19}},
    {3, Axis::Three, 4, {15, 23, 16}},
    {3, Axis::None, 0, {0, 3, 4}},
    {3, Axis::None, 0, {0, 4, 8}},
    {3, Axis::None, 0, {0, 5, 1}},
    {3, Axis::None, 0, {1, 5, 9}},
    {3, Axis::None, 0, {1, 6, 2}},
    {3, Axis::None, 0, {2, 6, 10}},
    {3, Axis::None, 0, {2, 7, 3}},
    {3, Axis::None, 0, {3, 7, 11}},
    {3, Axis::None, 0, {4, 11, 20}},
    {3, Axis::None, 0, {5, 8, 23}},
    {3, Axis::None, 0, {6, 9, 22}},
    {3, Axis::None, 0, {7, 10, 21}},
    {3, Axis::None, 0, {8, 16, 23}},
    {3, Axis::None, 0, {9, 19, 22}},
    {3, Axis::None, 0, {10, 18, 21}},
    {3, Axis::None, 0, {11, 17, 20}},
    {3, Axis::None, 0, {12, 15, 16}},
    {3, Axis::None, 0, {12, 16, 20}},
    {3, Axis::None, 0, {12, 17, 13}},
    {3, Axis::None, 0, {13, 17, 21}},
    {3, Axis::None, 0, {13, 18, 14}},
    {3, Axis::None, 0, {14, 18, 22}},
    {3, Axis::None, 0, {14, 19, 15}},
    {3, Axis::None, 0, {15, 19, 23}},
};

// Pattern 1: opposite squares and corner triangles alike, the other triangles
// white; pattern 2: the corner triangles apart from the rest.
uint8_t SnubCubeColour(const FaceTag& tag, int32_t p) {
    if (p == 0) return ColourOfKind(tag.corners);
    if (p == 1) return OctahedralAxisColour(tag);
    if (tag.axis == Axis::Four) return 1;
    return tag.axis == Axis::Three ? kWhite : 0;
}

void BuildSnubCube(Solid& solid) {
    constexpr auto kFaces = static_cast<int32_t>(std::size(kSnubCubeFaces));
    if (!SizeMesh(solid, kSnubCubeVertices, kFaces)) return;
    WriteSnubCube(solid.vertices, 0, ReferenceLength(solid.params, SnubCubeRatio()));
    std::vector<FaceTag> tags;
    WriteTableFaces(solid, 0, 0, kSnubCubeFaces, tags);
    PaintPatterns(solid, tags, 3, SnubCubeColour);
}

}  // namespace

int BuildSnubCubeFamily(Solid& solid, ShapeId figure) {
    switch (figure) {
        case 53: BuildSnubCube(solid); break;
        case 75: catalan::BuildPentagonalIcositetrahedron(solid); break;
        default: return 0;
    }
    WriteFigureNames(solid, figure);
    return 1;
}

}  // namespace gyro
