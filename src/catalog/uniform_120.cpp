// The non-convex uniform polyhedra on the 120-vertex icosahedral set and the
// frames of their vertex sets. One face per orbit of the turns about the z axis
// and the opposite vertex, written against the set's fixed numbering.

#include <cstdint>

#include "catalog/build_kit.h"
#include "catalog/catalogue.h"
#include "catalog/face_tables.h"
#include "catalog/star_orbits.h"
#include "catalog/uniform_builders.h"
#include "catalog/vertex_sets.h"

namespace gyro {

namespace {

using namespace kit;

// Icositruncated dodecadodecahedron (157).
constexpr StarOrbit k157Faces[] = {
    {6, 1, 1, 3, Spread::Full, {0, 15, 36, 37, 18, 3}},
    {6, 1, 1, 3, Spread::Full, {20, 50, 105, 106, 51, 21}},
    {10, 1, 1, 5, Spread::Full, {0, 7, 12, 42, 117, 98, 99, 110, 45, 15}},
    {10, 1, 1, 5, Spread::OnZAxis, {20, 21, 22, 23, 24, 25, 26, 27, 28, 29}},
    {10, 1, 3, 7, Spread::OnZAxis, {0, 3, 6, 9, 2, 5, 8, 1, 4, 7}},
    {10, 1, 3, 7, Spread::Full, {10, 39, 50, 20, 29, 59, 30, 19, 49, 40}},
};

// Truncated dodecadodecahedron (159).
constexpr StarOrbit k159Faces[] = {
    {4, 1, 1, 1, Spread::Full, {0, 7, 23, 24}},
    {4, 1, 1, 1, Spread::Full, {10, 40, 41, 11}},
    {4, 1, 1, 1, Spread::Full, {30, 59, 95, 116}},
    {10, 1, 1, 5, Spread::Full, {0, 3, 29, 59, 95, 76, 77, 98, 54, 24}},
    {10, 1, 1, 5, Spread::OnZAxis, {40, 41, 42, 43, 44, 45, 46, 47, 48, 49}},
    {10, 1, 3, 7, Spread::OnZAxis, {0, 3, 6, 9, 2, 5, 8, 1, 4, 7}},
    {10, 1, 3, 7, Spread::Full, {10, 39, 50, 20, 29, 59, 30, 19, 49, 40}},
};

// Great truncated icosidodecahedron (161).
constexpr StarOrbit k161Faces[] = {
    {4, 1, 1, 1, Spread::Full, {0, 101, 102, 3}},
    {4, 1, 1, 1, Spread::Full, {10, 15, 36, 39}},
    {4, 1, 1, 1, Spread::Full, {21, 114, 84, 51}},
    {6, 1, 1, 3, Spread::Full, {0, 7, 106, 76, 71, 101}},
    {6, 1, 1, 3, Spread::Full, {21, 22, 119, 90, 93, 114}},
    {10, 1, 3, 7, Spread::OnZAxis, {0, 3, 6, 9, 2, 5, 8, 1, 4, 7}},
    {10, 1, 3, 7, Spread::Full, {10, 39, 50, 20, 29, 59, 30, 19, 49, 40}},
};

// The convex hull of the icositruncated dodecadodecahedron's vertices.
constexpr OrbitFace k156Frame[] = {
    {10, Axis::Five, true, {5, 6, 7, 8, 9, 0, 1, 2, 3, 4}},
    {4, Axis::None, false, {16, 1, 0, 15}},
    {6, Axis::Three, false, {24, 25, 15, 0, 9, 14}},
    {10, Axis::Five, false, {59, 50, 40, 30, 20, 10, 19, 29, 39, 49}},
    {4, Axis::None, false, {31, 21, 20, 30}},
    {6, Axis::Three, false, {116, 41, 31, 30, 40, 115}},
    {4, Axis::None, false, {105, 115, 40, 50}},
};

// The convex hull of the truncated dodecadodecahedron's vertices.
constexpr OrbitFace k158Frame[] = {
    {10, Axis::Five, true, {4, 5, 6, 7, 8, 9, 0, 1, 2, 3}},
    {6, Axis::Three, false, {24, 25, 15, 0, 9, 14}},
    {4, Axis::None, false, {16, 1, 0, 15}},
    {10, Axis::Five, false, {49, 59, 50, 40, 30, 20, 10, 19, 29, 39}},
    {4, Axis::None, false, {31, 21, 20, 30}},
    {6, Axis::Three, false, {116, 41, 31, 30, 40, 115}},
    {4, Axis::None, false, {50, 105, 115, 40}},
};

// The convex hull of the great truncated icosidodecahedron's vertices.
constexpr OrbitFace k160Frame[] = {
    {6, Axis::Three, false, {9, 25, 24, 0, 15, 14}},
    {4, Axis::None, false, {16, 15, 0, 1}},
    {10, Axis::Five, false, {101, 111, 37, 27, 1, 0, 24, 34, 110, 100}},
    {10, Axis::Five, true, {15, 16, 17, 18, 19, 10, 11, 12, 13, 14}},
    {4, Axis::None, false, {21, 31, 30, 20}},
    {6, Axis::Three, false, {40, 41, 116, 30, 31, 115}},
    {4, Axis::None, false, {115, 105, 50, 40}},
};

constexpr OrbitMaps kIcosahedral120Maps{Icosahedral120Turn, Icosahedral120Antipode, true};

void WriteSet(Solid& solid, Icosahedral120 member) {
    WriteIcosahedral120(solid.vertices, 0, ReferenceLength(solid.params, TruncatedIcosidodecahedronRatio()), member);
}

template <size_t N>
void BuildStar(Solid& solid, Icosahedral120 member, const StarOrbit (&faces)[N]) {
    if (!SizeMesh(solid, kIcosahedral120Vertices, StarOrbitFaceCount(faces))) return;
    WriteSet(solid, member);
    WriteStarOrbits(solid, 0, faces, kIcosahedral120Maps);
    solid.patternCount = 1;
}

template <size_t N>
void BuildFrame(Solid& solid, Icosahedral120 member, const OrbitFace (&faces)[N]) {
    if (!SizeMesh(solid, kIcosahedral120Vertices, OrbitFaceCount(faces))) return;
    WriteSet(solid, member);
    WriteFrame(solid, faces, kIcosahedral120Maps, 3);
}

}  // namespace

int BuildIcosahedral120Uniform(Solid& solid, ShapeId figure) {
    switch (figure) {
        case 156: BuildFrame(solid, IcositruncatedDodecadodecahedronMember(), k156Frame); break;
        case 157: BuildStar(solid, IcositruncatedDodecadodecahedronMember(), k157Faces); break;
        case 158: BuildFrame(solid, TruncatedDodecadodecahedronMember(), k158Frame); break;
        case 159: BuildStar(solid, TruncatedDodecadodecahedronMember(), k159Faces); break;
        case 160: BuildFrame(solid, GreatTruncatedIcosidodecahedronMember(), k160Frame); break;
        case 161: BuildStar(solid, GreatTruncatedIcosidodecahedronMember(), k161Faces); break;
        default: return 0;
    }
    WriteFigureNames(solid, figure);
    return 1;
}

}  // namespace gyro
