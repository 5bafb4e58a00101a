// The chiral non-convex snubs on the snub icosahedral set, each with the
// frame of its vertex set (faces as the snub dodecahedron's). One face per
// orbit of the turns about the z axis and the half turn about the x axis,
// written against the set's fixed numbering. The mirror images are rows.

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

// Snub dodecadodecahedron (163).
constexpr StarOrbit k163Faces[] = {
    {3, 1, 1, 4, Spread::Full, {0, 22, 2}},
    {3, 1, 1, 4, Spread::Full, {5, 45, 7}},
    {3, 1, 1, 4, Spread::Full, {6, 13, 8}},
    {3, 1, 1, 4, Spread::Full, {2, 9, 7}},
    {3, 1, 1, 4, Spread::Full, {5, 8, 26}},
    {3, 1, 1, 4, Spread::Full, {6, 9, 54}},
    {5, 1, 1, 2, Spread::Full, {0, 12, 40, 36, 24}},
    {5, 1, 1, 2, Spread::OnZAxis, {8, 13, 18, 23, 28}},
    {5, 1, 2, 6, Spread::OnZAxis, {0, 2, 4, 1, 3}},
    {5, 1, 2, 6, Spread::Full, {5, 7, 9, 6, 8}},
};

// Inverted snub dodecadodecahedron (167).
constexpr StarOrbit k167Faces[] = {
    {3, 1, 1, 4, Spread::Full, {0, 11, 36}},
    {3, 1, 1, 4, Spread::Full, {5, 25, 31}},
    {3, 1, 1, 4, Spread::Full, {6, 53, 42}},
    {3, 1, 1, 4, Spread::Full, {7, 49, 19}},
    {3, 1, 1, 4, Spread::Full, {8, 12, 23}},
    {3, 1, 1, 4, Spread::Full, {1, 55, 9}},
    {5, 1, 1, 2, Spread::Full, {0, 29, 52, 48, 11}},
    {5, 1, 1, 2, Spread::OnZAxis, {5, 10, 15, 20, 25}},
    {5, 1, 2, 6, Spread::Full, {0, 40, 24, 12, 36}},
    {5, 1, 2, 6, Spread::OnZAxis, {8, 18, 28, 13, 23}},
};

// Snub icosidodecadodecahedron (171).
constexpr StarOrbit k171Faces[] = {
    {3, 1, 1, 4, Spread::Full, {0, 2, 13}},
    {3, 1, 1, 4, Spread::Full, {5, 7, 27}},
    {3, 1, 1, 4, Spread::Full, {6, 8, 50}},
    {3, 1, 1, 4, Spread::Full, {7, 9, 46}},
    {3, 1, 1, 4, Spread::Full, {5, 14, 8}},
    {3, 1, 1, 4, Spread::Full, {3, 9, 6}},
    {3, 1, 1, 0, Spread::Full, {0, 13, 19}},
    {3, 1, 1, 0, Spread::Full, {5, 27, 51}},
    {5, 1, 1, 2, Spread::Full, {0, 16, 39, 55, 28}},
    {5, 1, 1, 2, Spread::OnZAxis, {7, 12, 17, 22, 27}},
    {5, 1, 2, 6, Spread::OnZAxis, {0, 2, 4, 1, 3}},
    {5, 1, 2, 6, Spread::Full, {5, 7, 9, 6, 8}},
};

// Great snub icosidodecahedron (175).
constexpr StarOrbit k175Faces[] = {
    {3, 1, 1, 4, Spread::Full, {0, 27, 14}},
    {3, 1, 1, 4, Spread::Full, {5, 13, 28}},
    {3, 1, 1, 4, Spread::Full, {2, 51, 6}},
    {3, 1, 1, 4, Spread::Full, {7, 26, 47}},
    {3, 1, 1, 4, Spread::Full, {8, 54, 10}},
    {3, 1, 1, 4, Spread::Full, {4, 9, 45}},
    {3, 1, 1, 0, Spread::Full, {0, 21, 27}},
    {3, 1, 1, 0, Spread::Full, {5, 49, 13}},
    {5, 1, 2, 6, Spread::Full, {0, 40, 24, 12, 36}},
    {5, 1, 2, 6, Spread::OnZAxis, {8, 18, 28, 13, 23}},
};

// Great inverted snub icosidodecahedron (179).
constexpr StarOrbit k179Faces[] = {
    {3, 1, 1, 4, Spread::Full, {0, 39, 26}},
    {3, 1, 1, 4, Spread::Full, {5, 34, 12}},
    {3, 1, 1, 4, Spread::Full, {1, 6, 40}},
    {3, 1, 1, 4, Spread::Full, {7, 17, 25}},
    {3, 1, 1, 4, Spread::Full, {8, 21, 53}},
    {3, 1, 1, 4, Spread::Full, {9, 58, 49}},
    {3, 1, 1, 0, Spread::Full, {0, 45, 37}},
    {3, 1, 1, 0, Spread::Full, {6, 59, 43}},
    {5, 1, 2, 6, Spread::Full, {0, 39, 28, 16, 55}},
    {5, 1, 2, 6, Spread::OnZAxis, {7, 17, 27, 12, 22}},
};

// Great retrosnub icosidodecahedron (183).
constexpr StarOrbit k183Faces[] = {
    {3, 1, 1, 4, Spread::Full, {0, 42, 59}},
    {3, 1, 1, 4, Spread::Full, {5, 56, 40}},
    {3, 1, 1, 4, Spread::Full, {6, 32, 17}},
    {3, 1, 1, 4, Spread::Full, {7, 43, 21}},
    {3, 1, 1, 4, Spread::Full, {8, 15, 58}},
    {3, 1, 1, 4, Spread::Full, {9, 24, 34}},
    {3, 1, 1, 0, Spread::Full, {0, 49, 57}},
    {3, 1, 1, 0, Spread::Full, {5, 21, 43}},
    {5, 1, 2, 6, Spread::Full, {0, 46, 15, 8, 42}},
    {5, 1, 2, 6, Spread::OnZAxis, {9, 19, 29, 14, 24}},
};

// The convex hull of the snub dodecadodecahedron's vertices; the snub
// icosidodecadodecahedron's hull has the same faces over its own vertices.
constexpr OrbitFace k162Frame[] = {
    {3, Axis::Three, false, {17, 23, 0}},
    {3, Axis::None, false, {18, 17, 0}},
    {3, Axis::None, false, {23, 1, 0}},
    {5, Axis::Five, true, {2, 3, 4, 0, 1}},
    {3, Axis::Three, false, {54, 46, 5}},
    {3, Axis::None, false, {46, 6, 5}},
    {3, Axis::None, false, {50, 54, 5}},
    {5, Axis::Five, false, {7, 8, 9, 5, 6}},
    {3, Axis::None, false, {14, 7, 6}},
    {3, Axis::None, false, {14, 13, 7}},
};

// The convex hull of the inverted snub dodecadodecahedron's vertices.
constexpr OrbitFace k166Frame[] = {
    {3, Axis::None, false, {18, 17, 0}},
    {3, Axis::None, false, {4, 18, 0}},
    {3, Axis::Three, false, {17, 23, 0}},
    {5, Axis::Five, true, {2, 3, 4, 0, 1}},
    {3, Axis::None, false, {50, 54, 5}},
    {3, Axis::Three, false, {54, 46, 5}},
    {3, Axis::None, false, {46, 6, 5}},
    {5, Axis::Five, false, {7, 8, 9, 5, 6}},
    {3, Axis::None, false, {14, 7, 6}},
    {3, Axis::None, false, {14, 13, 7}},
};

// The convex hull of the great snub icosidodecahedron's vertices; the great
// inverted snub icosidodecahedron's hull has the same faces over its own.
constexpr OrbitFace k174Frame[] = {
    {3, Axis::None, false, {4, 18, 0}},
    {3, Axis::None, false, {18, 17, 0}},
    {5, Axis::Five, true, {2, 3, 4, 0, 1}},
    {3, Axis::Three, false, {17, 23, 0}},
    {3, Axis::None, false, {9, 50, 5}},
    {5, Axis::Five, false, {7, 8, 9, 5, 6}},
    {3, Axis::None, false, {46, 6, 5}},
    {3, Axis::Three, false, {54, 46, 5}},
    {3, Axis::None, false, {14, 7, 6}},
    {3, Axis::None, false, {14, 13, 7}},
};

// The convex hull of the great retrosnub icosidodecahedron's vertices.
constexpr OrbitFace k182Frame[] = {
    {5, Axis::Five, true, {2, 3, 4, 0, 1}},
    {3, Axis::None, false, {23, 1, 0}},
    {3, Axis::None, false, {18, 17, 0}},
    {3, Axis::Three, false, {17, 23, 0}},
    {5, Axis::Five, false, {7, 8, 9, 5, 6}},
    {3, Axis::None, false, {9, 50, 5}},
    {3, Axis::None, false, {46, 6, 5}},
    {3, Axis::Three, false, {54, 46, 5}},
    {3, Axis::None, false, {14, 7, 6}},
    {3, Axis::None, false, {14, 13, 7}},
};

constexpr OrbitMaps kSnubMaps{SnubIcosahedralTurn, SnubIcosahedralHalfTurn, false};

void WriteSet(Solid& solid, SnubIcosahedral member) {
    WriteSnubIcosahedral(solid.vertices, 0, ReferenceLength(solid.params, SnubIcosahedralRatio(member)), member);
}

template <size_t N>
void BuildStar(Solid& solid, SnubIcosahedral member, const StarOrbit (&faces)[N]) {
    if (!SizeMesh(solid, kIcosahedral60Vertices, StarOrbitFaceCount(faces))) return;
    WriteSet(solid, member);
    WriteStarOrbits(solid, 0, faces, kSnubMaps);
    solid.patternCount = 1;
}

template <size_t N>
void BuildFrame(Solid& solid, SnubIcosahedral member, const OrbitFace (&faces)[N]) {
    if (!SizeMesh(solid, kIcosahedral60Vertices, OrbitFaceCount(faces))) return;
    WriteSet(solid, member);
    WriteFrame(solid, faces, kSnubMaps, 3);
}

}  // namespace

int BuildIcosahedralSnubUniform(Solid& solid, ShapeId figure) {
    switch (figure) {
        case 162: BuildFrame(solid, kSnubDodecadodecahedron, k162Frame); break;
        case 163: BuildStar(solid, kSnubDodecadodecahedron, k163Faces); break;
        case 166: BuildFrame(solid, kInvertedSnubDodecadodecahedron, k166Frame); break;
        case 167: BuildStar(solid, kInvertedSnubDodecadodecahedron, k167Faces); break;
        case 170: BuildFrame(solid, kSnubIcosidodecadodecahedron, k162Frame); break;
        case 171: BuildStar(solid, kSnubIcosidodecadodecahedron, k171Faces); break;
        case 174: BuildFrame(solid, kGreatSnubIcosidodecahedron, k174Frame); break;
        case 175: BuildStar(solid, kGreatSnubIcosidodecahedron, k175Faces); break;
        case 178: BuildFrame(solid, kGreatInvertedSnubIcosidodecahedron, k174Frame); break;
        case 179: BuildStar(solid, kGreatInvertedSnubIcosidodecahedron, k179Faces); break;
        case 182: BuildFrame(solid, kGreatRetrosnubIcosidodecahedron, k182Frame); break;
        case 183: BuildStar(solid, kGreatRetrosnubIcosidodecahedron, k183Faces); break;
        default: return 0;
    }
    WriteFigureNames(solid, figure);
    return 1;
}

}  // namespace gyro
