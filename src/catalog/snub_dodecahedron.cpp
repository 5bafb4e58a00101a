// The snub dodecahedron. The mirror image (56) is a catalogue row: this solid
// mirrored in x. The pentagonal hexecontahedra and the chiral non-convex snubs
// on the same vertex set are further cases of this family.

#include <cstdint>
#include <vector>

#include "catalog/build_kit.h"
#include "catalog/builders.h"
#include "catalog/catalan_builders.h"
#include "catalog/catalogue.h"
#include "catalog/face_tables.h"
#include "catalog/uniform_builders.h"
#include "catalog/vertex_sets.h"

namespace gyro {

namespace {

using namespace kit;

// One face of each orbit under the turns about the z axis and the half turn
// about the x axis: the pentagons, the 20 triangles on the three-fold axes and
// the 60 that touch a pentagon.
constexpr OrbitFace kSnubDodecahedronOrbits[] = {
    {5, Axis::Five, true, {0, 1, 2, 3, 4}},
    {5, Axis::Five, false, {5, 6, 7, 8, 9}},
    {3, Axis::Three, false, {0, 17, 23}},
    {3, Axis::Three, false, {5, 54, 46}},
    {3, Axis::None, false, {0, 4, 18}},
    {3, Axis::None, false, {0, 18, 17}},
    {3, Axis::None, false, {5, 9, 50}},
    {3, Axis::None, false, {5, 46, 6}},
    {3, Axis::None, false, {6, 14, 7}},
    {3, Axis::None, false, {7, 14, 13}},
};

constexpr OrbitMaps kSnubMaps{SnubIcosahedralTurn, SnubIcosahedralHalfTurn, false};

// Pattern 1: the pentagons in five colours, the triangles white; pattern 2:
// the triangles on the three-fold axes apart from the others.
uint8_t SnubDodecahedronColour(const FaceTag& tag, int32_t p) {
    if (p == 0) return ColourOfKind(tag.corners);
    if (p == 1) return IcosahedralAxisColour(tag);
    if (tag.axis == Axis::Five) return 2;
    return tag.axis == Axis::Three ? 7 : 0;
}

void BuildSnubDodecahedron(Solid& solid) {
    if (!SizeMesh(solid, kIcosahedral60Vertices, OrbitFaceCount(kSnubDodecahedronOrbits))) return;
    const SnubIcosahedral member = SnubDodecahedronMember();
    WriteSnubIcosahedral(solid.vertices, 0, ReferenceLength(solid.params, SnubIcosahedralRatio(member)), member);
    std::vector<FaceTag> tags;
    WriteOrbitFaces(solid, 0, 0, kSnubDodecahedronOrbits, kSnubMaps, tags);
    PaintPatterns(solid, tags, 3, SnubDodecahedronColour);
}

}  // namespace

int BuildSnubDodecahedronFamily(Solid& solid, ShapeId figure) {
    if (BuildIcosahedralSnubUniform(solid, figure)) return 1;
    switch (figure) {
        case 55: BuildSnubDodecahedron(solid); break;
        case 77: catalan::BuildPentagonalHexecontahedron(solid); break;
        default: return 0;
    }
    WriteFigureNames(solid, figure);
    return 1;
}

}  // namespace gyro
