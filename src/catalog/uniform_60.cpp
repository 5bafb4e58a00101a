// The non-convex uniform polyhedra on the three 60-vertex icosahedral sets
// (the rhombicosidodecahedron, truncated dodecahedron and truncated icosahedron
// families), the compound of twenty octahedra and the frames of these sets.
// Each table gives one face per orbit of the turns about the z axis and the
// half turn about the x axis, written against the set's fixed numbering; star
// polygons are written in star order.

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

// Twenty octahedra: the 40 triangles on the three-fold axes and 120 others.
constexpr StarOrbit k38Faces[] = {
    {3, 1, 1, 3, Spread::Full, {0, 29, 15}},
    {3, 1, 1, 3, Spread::Full, {5, 22, 39}},
    {3, 1, 1, 2, Spread::Full, {0, 15, 59}},
    {3, 1, 1, 2, Spread::Full, {5, 39, 52}},
    {3, 1, 1, 2, Spread::Full, {6, 53, 10}},
    {3, 1, 1, 2, Spread::Full, {15, 29, 30}},
    {3, 1, 1, 2, Spread::Full, {9, 13, 16}},
    {3, 1, 1, 2, Spread::Full, {1, 47, 25}},
    {3, 1, 1, 3, Spread::Full, {0, 24, 26}},
    {3, 1, 1, 3, Spread::Full, {5, 48, 41}},
    {3, 1, 1, 2, Spread::Full, {0, 56, 24}},
    {3, 1, 1, 2, Spread::Full, {5, 11, 48}},
    {3, 1, 1, 2, Spread::Full, {6, 49, 42}},
    {3, 1, 1, 2, Spread::Full, {8, 12, 15}},
    {3, 1, 1, 2, Spread::Full, {16, 31, 27}},
    {3, 1, 1, 2, Spread::Full, {4, 25, 52}},
};

// 24 pentagrams, 20 triangles on the three-fold axes, 60 snub triangles (one hand).
constexpr StarOrbit k128Faces[] = {
    {5, 1, 2, 6, Spread::Full, {0, 45, 12, 19, 56}},
    {5, 1, 2, 6, Spread::OnZAxis, {5, 9, 13, 7, 11}},
    {5, 1, 2, 6, Spread::Full, {0, 59, 20, 7, 54}},
    {5, 1, 2, 6, Spread::OnZAxis, {6, 10, 14, 8, 12}},
    {3, 1, 1, 3, Spread::Full, {0, 29, 15}},
    {3, 1, 1, 3, Spread::Full, {5, 22, 39}},
    {3, 1, 1, 2, Spread::Full, {0, 15, 59}},
    {3, 1, 1, 2, Spread::Full, {5, 39, 52}},
    {3, 1, 1, 2, Spread::Full, {6, 53, 10}},
    {3, 1, 1, 2, Spread::Full, {15, 29, 30}},
    {3, 1, 1, 2, Spread::Full, {9, 13, 16}},
    {3, 1, 1, 2, Spread::Full, {1, 47, 25}},
};

// As 128 with each coplanar pair of pentagrams one face.
constexpr StarOrbit k130Faces[] = {
    {5, 2, 4, 6, Spread::Full, {0, 45, 12, 19, 56, 1, 55, 22, 9, 46}},
    {5, 2, 4, 6, Spread::OnZAxis, {5, 9, 13, 7, 11, 6, 10, 14, 8, 12}},
    {0, 0, 0, 0, Spread::Empty, {12}},
    {3, 1, 1, 3, Spread::Full, {0, 29, 15}},
    {3, 1, 1, 3, Spread::Full, {5, 22, 39}},
    {3, 1, 1, 2, Spread::Full, {0, 15, 59}},
    {3, 1, 1, 2, Spread::Full, {5, 39, 52}},
    {3, 1, 1, 2, Spread::Full, {6, 53, 10}},
    {3, 1, 1, 2, Spread::Full, {15, 29, 30}},
    {3, 1, 1, 2, Spread::Full, {9, 13, 16}},
    {3, 1, 1, 2, Spread::Full, {1, 47, 25}},
};

// 40 triangles, 60 squares through the centre, 24 pentagrams.
constexpr StarOrbit k132Faces[] = {
    {3, 1, 1, 3, Spread::Full, {0, 29, 15}},
    {3, 1, 1, 3, Spread::Full, {5, 22, 39}},
    {3, 1, 1, 3, Spread::Full, {0, 24, 26}},
    {3, 1, 1, 3, Spread::Full, {5, 48, 41}},
    {4, 1, 1, 5, Spread::Full, {0, 15, 30, 45}},
    {4, 1, 1, 4, Spread::Full, {5, 9, 35, 39}},
    {4, 1, 1, 5, Spread::Full, {6, 23, 36, 53}},
    {4, 1, 1, 4, Spread::Full, {15, 29, 45, 59}},
    {4, 1, 1, 5, Spread::Full, {9, 16, 39, 46}},
    {4, 1, 1, 4, Spread::Full, {1, 25, 31, 55}},
    {5, 1, 2, 6, Spread::Full, {0, 45, 12, 19, 56}},
    {5, 1, 2, 6, Spread::OnZAxis, {5, 9, 13, 7, 11}},
    {5, 1, 2, 6, Spread::Full, {0, 59, 20, 7, 54}},
    {5, 1, 2, 6, Spread::OnZAxis, {6, 10, 14, 8, 12}},
};

// As 132 with coplanar pentagrams and triangles merged in pairs.
constexpr StarOrbit k133Faces[] = {
    {3, 2, 2, 3, Spread::Full, {0, 29, 15, 4, 22, 25}},
    {3, 2, 2, 3, Spread::Full, {5, 22, 39, 12, 38, 15}},
    {0, 0, 0, 0, Spread::Empty, {20}},
    {4, 1, 1, 5, Spread::Full, {0, 15, 30, 45}},
    {4, 1, 1, 4, Spread::Full, {5, 9, 35, 39}},
    {4, 1, 1, 5, Spread::Full, {6, 23, 36, 53}},
    {4, 1, 1, 4, Spread::Full, {15, 29, 45, 59}},
    {4, 1, 1, 5, Spread::Full, {9, 16, 39, 46}},
    {4, 1, 1, 4, Spread::Full, {1, 25, 31, 55}},
    {5, 2, 4, 6, Spread::Full, {0, 45, 12, 19, 56, 1, 55, 22, 9, 46}},
    {5, 2, 4, 6, Spread::OnZAxis, {5, 9, 13, 7, 11, 6, 10, 14, 8, 12}},
    {0, 0, 0, 0, Spread::Empty, {12}},
};

// As 132 with the 120 snub triangles of both hands instead of the 40.
constexpr StarOrbit k135Faces[] = {
    {3, 1, 1, 2, Spread::Full, {0, 15, 59}},
    {3, 1, 1, 2, Spread::Full, {5, 39, 52}},
    {3, 1, 1, 2, Spread::Full, {6, 53, 10}},
    {3, 1, 1, 2, Spread::Full, {15, 29, 30}},
    {3, 1, 1, 2, Spread::Full, {9, 13, 16}},
    {3, 1, 1, 2, Spread::Full, {1, 47, 25}},
    {3, 1, 1, 2, Spread::Full, {0, 56, 24}},
    {3, 1, 1, 2, Spread::Full, {5, 11, 48}},
    {3, 1, 1, 2, Spread::Full, {6, 49, 42}},
    {3, 1, 1, 2, Spread::Full, {8, 12, 15}},
    {3, 1, 1, 2, Spread::Full, {16, 31, 27}},
    {3, 1, 1, 2, Spread::Full, {4, 25, 52}},
    {4, 1, 1, 5, Spread::Full, {0, 15, 30, 45}},
    {4, 1, 1, 4, Spread::Full, {5, 9, 35, 39}},
    {4, 1, 1, 5, Spread::Full, {6, 23, 36, 53}},
    {4, 1, 1, 4, Spread::Full, {15, 29, 45, 59}},
    {4, 1, 1, 5, Spread::Full, {9, 16, 39, 46}},
    {4, 1, 1, 4, Spread::Full, {1, 25, 31, 55}},
    {5, 1, 2, 6, Spread::Full, {0, 45, 12, 19, 56}},
    {5, 1, 2, 6, Spread::OnZAxis, {5, 9, 13, 7, 11}},
    {5, 1, 2, 6, Spread::Full, {0, 59, 20, 7, 54}},
    {5, 1, 2, 6, Spread::OnZAxis, {6, 10, 14, 8, 12}},
};

// As 135 with coplanar pentagrams merged in pairs.
constexpr StarOrbit k136Faces[] = {
    {3, 1, 1, 2, Spread::Full, {0, 15, 59}},
    {3, 1, 1, 2, Spread::Full, {5, 39, 52}},
    {3, 1, 1, 2, Spread::Full, {6, 53, 10}},
    {3, 1, 1, 2, Spread::Full, {15, 29, 30}},
    {3, 1, 1, 2, Spread::Full, {9, 13, 16}},
    {3, 1, 1, 2, Spread::Full, {1, 47, 25}},
    {3, 1, 1, 2, Spread::Full, {0, 56, 24}},
    {3, 1, 1, 2, Spread::Full, {5, 11, 48}},
    {3, 1, 1, 2, Spread::Full, {6, 49, 42}},
    {3, 1, 1, 2, Spread::Full, {8, 12, 15}},
    {3, 1, 1, 2, Spread::Full, {16, 31, 27}},
    {3, 1, 1, 2, Spread::Full, {4, 25, 52}},
    {4, 1, 1, 5, Spread::Full, {0, 15, 30, 45}},
    {4, 1, 1, 4, Spread::Full, {5, 9, 35, 39}},
    {4, 1, 1, 5, Spread::Full, {6, 23, 36, 53}},
    {4, 1, 1, 4, Spread::Full, {15, 29, 45, 59}},
    {4, 1, 1, 5, Spread::Full, {9, 16, 39, 46}},
    {4, 1, 1, 4, Spread::Full, {1, 25, 31, 55}},
    {5, 2, 4, 6, Spread::Full, {0, 45, 12, 19, 56, 1, 55, 22, 9, 46}},
    {5, 2, 4, 6, Spread::OnZAxis, {5, 9, 13, 7, 11, 6, 10, 14, 8, 12}},
    {0, 0, 0, 0, Spread::Empty, {12}},
};

// Great ditrigonal dodecicosidodecahedron (138).
constexpr StarOrbit k138Faces[] = {
    {3, 1, 1, 0, Spread::Full, {0, 16, 3}},
    {3, 1, 1, 0, Spread::Full, {10, 54, 55}},
    {5, 1, 1, 2, Spread::Full, {0, 7, 27, 47, 20}},
    {5, 1, 1, 2, Spread::OnZAxis, {10, 11, 12, 13, 14}},
    {10, 1, 3, 7, Spread::OnZAxis, {0, 3, 6, 9, 2, 5, 8, 1, 4, 7}},
    {10, 1, 3, 7, Spread::Full, {0, 20, 21, 1, 15, 56, 11, 10, 55, 16}},
};

// Great icosicosidodecahedron (139).
constexpr StarOrbit k139Faces[] = {
    {3, 1, 1, 0, Spread::Full, {0, 16, 3}},
    {3, 1, 1, 0, Spread::Full, {10, 54, 55}},
    {5, 1, 1, 2, Spread::Full, {0, 7, 27, 47, 20}},
    {5, 1, 1, 2, Spread::OnZAxis, {10, 11, 12, 13, 14}},
    {6, 1, 1, 3, Spread::Full, {0, 20, 43, 44, 23, 3}},
    {6, 1, 1, 3, Spread::Full, {1, 4, 18, 52, 53, 15}},
};

// Great dodecicosahedron (140).
constexpr StarOrbit k140Faces[] = {
    {10, 1, 3, 7, Spread::OnZAxis, {0, 3, 6, 9, 2, 5, 8, 1, 4, 7}},
    {10, 1, 3, 7, Spread::Full, {0, 20, 21, 1, 15, 56, 11, 10, 55, 16}},
    {6, 1, 1, 3, Spread::Full, {0, 20, 43, 44, 23, 3}},
    {6, 1, 1, 3, Spread::Full, {1, 4, 18, 52, 53, 15}},
};

// 60 snub triangles, 40 in coplanar pairs, 12 pentagrams.
constexpr StarOrbit k142Faces[] = {
    {3, 1, 1, 0, Spread::Full, {0, 25, 34}},
    {3, 1, 1, 0, Spread::Full, {10, 49, 26}},
    {3, 1, 1, 4, Spread::Full, {0, 36, 25}},
    {3, 1, 1, 4, Spread::Full, {1, 26, 35}},
    {3, 1, 1, 4, Spread::Full, {10, 46, 49}},
    {3, 1, 1, 4, Spread::Full, {15, 58, 51}},
    {3, 1, 1, 4, Spread::Full, {12, 20, 31}},
    {3, 1, 1, 4, Spread::Full, {14, 30, 21}},
    {3, 1, 1, 0, Spread::Full, {0, 51, 36}},
    {3, 1, 1, 0, Spread::Full, {10, 23, 46}},
    {5, 1, 2, 6, Spread::Full, {0, 44, 5, 56, 59}},
    {5, 1, 2, 6, Spread::OnZAxis, {15, 17, 19, 16, 18}},
};

// As 142 with each coplanar pair of triangles one hexagram {6/2}.
constexpr StarOrbit k143Faces[] = {
    {3, 2, 2, 0, Spread::Full, {0, 25, 34, 5, 31, 20}},
    {3, 2, 2, 0, Spread::Full, {10, 49, 26, 14, 21, 45}},
    {3, 1, 1, 4, Spread::Full, {0, 36, 25}},
    {3, 1, 1, 4, Spread::Full, {1, 26, 35}},
    {3, 1, 1, 4, Spread::Full, {10, 46, 49}},
    {3, 1, 1, 4, Spread::Full, {15, 58, 51}},
    {3, 1, 1, 4, Spread::Full, {12, 20, 31}},
    {3, 1, 1, 4, Spread::Full, {14, 30, 21}},
    {5, 1, 2, 6, Spread::Full, {0, 44, 5, 56, 59}},
    {5, 1, 2, 6, Spread::OnZAxis, {15, 17, 19, 16, 18}},
};

// Truncated great dodecahedron (145).
constexpr StarOrbit k145Faces[] = {
    {10, 1, 1, 5, Spread::Full, {0, 5, 20, 55, 46, 47, 58, 23, 7, 2}},
    {10, 1, 1, 5, Spread::OnZAxis, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19}},
    {5, 1, 2, 6, Spread::OnZAxis, {0, 2, 4, 1, 3}},
    {5, 1, 2, 6, Spread::Full, {5, 29, 10, 19, 20}},
};

// Great dodecicosidodecahedron (146).
constexpr StarOrbit k146Faces[] = {
    {3, 1, 1, 0, Spread::Full, {0, 23, 26}},
    {3, 1, 1, 0, Spread::Full, {5, 43, 46}},
    {5, 1, 2, 6, Spread::Full, {0, 54, 11, 18, 55}},
    {5, 1, 2, 6, Spread::OnZAxis, {5, 7, 9, 6, 8}},
    {10, 1, 3, 7, Spread::Full, {0, 55, 58, 2, 20, 47, 7, 5, 46, 23}},
    {10, 1, 3, 7, Spread::OnZAxis, {10, 13, 16, 19, 12, 15, 18, 11, 14, 17}},
};

// (Uniform)Great rhombicosidodecahedron (147).
constexpr StarOrbit k147Faces[] = {
    {3, 1, 1, 0, Spread::Full, {0, 23, 26}},
    {3, 1, 1, 0, Spread::Full, {5, 43, 46}},
    {4, 1, 1, 1, Spread::Turns, {0, 54, 34, 23}},
    {4, 1, 1, 1, Spread::Full, {5, 7, 40, 43}},
    {4, 1, 1, 1, Spread::Full, {10, 57, 50, 17}},
    {4, 1, 1, 1, Spread::Turns, {2, 20, 33, 59}},
    {5, 1, 2, 6, Spread::Full, {0, 54, 11, 18, 55}},
    {5, 1, 2, 6, Spread::OnZAxis, {5, 7, 9, 6, 8}},
};

// Great rhombidodecahedron (148).
constexpr StarOrbit k148Faces[] = {
    {4, 1, 1, 1, Spread::Turns, {0, 54, 34, 23}},
    {4, 1, 1, 1, Spread::Full, {5, 7, 40, 43}},
    {4, 1, 1, 1, Spread::Full, {10, 57, 50, 17}},
    {4, 1, 1, 1, Spread::Turns, {2, 20, 33, 59}},
    {10, 1, 3, 7, Spread::Full, {0, 55, 58, 2, 20, 47, 7, 5, 46, 23}},
    {10, 1, 3, 7, Spread::OnZAxis, {10, 13, 16, 19, 12, 15, 18, 11, 14, 17}},
};

// Rhombidodecadodecahedron (150).
constexpr StarOrbit k150Faces[] = {
    {4, 1, 1, 1, Spread::Full, {0, 11, 12, 2}},
    {4, 1, 1, 1, Spread::Full, {5, 9, 28, 29}},
    {4, 1, 1, 1, Spread::Turns, {11, 55, 46, 22}},
    {4, 1, 1, 1, Spread::Turns, {12, 21, 47, 58}},
    {5, 1, 1, 2, Spread::Full, {0, 18, 54, 55, 11}},
    {5, 1, 1, 2, Spread::OnZAxis, {5, 6, 7, 8, 9}},
    {5, 1, 2, 6, Spread::OnZAxis, {0, 2, 4, 1, 3}},
    {5, 1, 2, 6, Spread::Full, {5, 29, 10, 19, 20}},
};

// Icosidodecadodecahedron (151).
constexpr StarOrbit k151Faces[] = {
    {5, 1, 1, 2, Spread::Full, {0, 18, 54, 55, 11}},
    {5, 1, 1, 2, Spread::OnZAxis, {5, 6, 7, 8, 9}},
    {5, 1, 2, 6, Spread::OnZAxis, {0, 2, 4, 1, 3}},
    {5, 1, 2, 6, Spread::Full, {5, 29, 10, 19, 20}},
    {6, 1, 1, 3, Spread::Full, {0, 2, 15, 26, 27, 18}},
    {6, 1, 1, 3, Spread::Full, {5, 29, 45, 46, 22, 6}},
};

// Rhombicosahedron (152).
constexpr StarOrbit k152Faces[] = {
    {4, 1, 1, 1, Spread::Full, {0, 11, 12, 2}},
    {4, 1, 1, 1, Spread::Full, {5, 9, 28, 29}},
    {4, 1, 1, 1, Spread::Turns, {11, 55, 46, 22}},
    {4, 1, 1, 1, Spread::Turns, {12, 21, 47, 58}},
    {6, 1, 1, 3, Spread::Full, {0, 2, 15, 26, 27, 18}},
    {6, 1, 1, 3, Spread::Full, {5, 29, 45, 46, 22, 6}},
};

// 60 snub triangles, 40 in coplanar pairs, 12 pentagrams.
constexpr StarOrbit k154Faces[] = {
    {3, 1, 1, 4, Spread::Full, {0, 6, 2}},
    {3, 1, 1, 4, Spread::Full, {5, 18, 29}},
    {3, 1, 1, 4, Spread::Full, {0, 19, 10}},
    {3, 1, 1, 4, Spread::Full, {11, 56, 22}},
    {3, 1, 1, 4, Spread::Full, {5, 20, 11}},
    {3, 1, 1, 4, Spread::Full, {12, 21, 57}},
    {3, 1, 1, 0, Spread::Full, {0, 10, 6}},
    {3, 1, 1, 0, Spread::Full, {11, 20, 56}},
    {3, 1, 1, 0, Spread::Full, {0, 9, 19}},
    {3, 1, 1, 0, Spread::Full, {10, 55, 21}},
    {5, 1, 2, 6, Spread::OnZAxis, {0, 2, 4, 1, 3}},
    {5, 1, 2, 6, Spread::Full, {5, 29, 10, 19, 20}},
};

// As 154 with each coplanar pair of triangles one hexagram {6/2}.
constexpr StarOrbit k155Faces[] = {
    {3, 1, 1, 4, Spread::Full, {0, 6, 2}},
    {3, 1, 1, 4, Spread::Full, {5, 18, 29}},
    {3, 1, 1, 4, Spread::Full, {0, 19, 10}},
    {3, 1, 1, 4, Spread::Full, {11, 56, 22}},
    {3, 1, 1, 4, Spread::Full, {5, 20, 11}},
    {3, 1, 1, 4, Spread::Full, {12, 21, 57}},
    {3, 2, 2, 0, Spread::Full, {0, 10, 6, 1, 5, 11}},
    {3, 2, 2, 0, Spread::Full, {11, 20, 56, 10, 55, 21}},
    {5, 1, 2, 6, Spread::OnZAxis, {0, 2, 4, 1, 3}},
    {5, 1, 2, 6, Spread::Full, {5, 29, 10, 19, 20}},
};

// The convex hull of the great snub dodecicosidodecahedron's vertices.
constexpr OrbitFace k127Frame[] = {
    {5, Axis::Five, true, {2, 3, 4, 0, 1}},
    {4, Axis::None, false, {10, 11, 1, 0}},
    {3, Axis::Three, false, {9, 10, 0}},
    {5, Axis::Five, false, {24, 25, 15, 5, 14}},
    {4, Axis::None, false, {16, 6, 5, 15}},
    {4, Axis::None, false, {25, 50, 58, 15}},
    {3, Axis::Three, false, {58, 16, 15}},
};

// The convex hull of the small retrosnub icosicosidodecahedron's vertices.
constexpr OrbitFace k141Frame[] = {
    {10, Axis::Five, true, {5, 6, 7, 8, 9, 0, 1, 2, 3, 4}},
    {10, Axis::Five, false, {55, 56, 21, 16, 11, 1, 0, 10, 15, 20}},
    {3, Axis::Three, false, {9, 10, 0}},
    {3, Axis::Three, false, {29, 20, 15}},
};

// The convex hull of the truncated great dodecahedron's vertices.
constexpr OrbitFace k144Frame[] = {
    {5, Axis::Five, true, {2, 3, 4, 0, 1}},
    {6, Axis::Three, false, {10, 11, 6, 1, 0, 5}},
    {5, Axis::Five, false, {29, 20, 10, 5, 19}},
    {6, Axis::Three, false, {56, 21, 11, 10, 20, 55}},
};

// The convex hull of the rhombidodecadodecahedron's vertices.
constexpr OrbitFace k149Frame[] = {
    {6, Axis::Three, false, {11, 6, 1, 0, 5, 10}},
    {5, Axis::Five, true, {2, 3, 4, 0, 1}},
    {5, Axis::Five, false, {29, 20, 10, 5, 19}},
    {6, Axis::Three, false, {55, 56, 21, 11, 10, 20}},
};

// The convex hull of the small snub icosicosidodecahedron's vertices.
constexpr OrbitFace k153Frame[] = {
    {6, Axis::Three, false, {11, 6, 1, 0, 5, 10}},
    {5, Axis::Five, true, {2, 3, 4, 0, 1}},
    {5, Axis::Five, false, {29, 20, 10, 5, 19}},
    {6, Axis::Three, false, {55, 56, 21, 11, 10, 20}},
};

constexpr OrbitMaps kRhombicosidodecahedronHalfTurns{RhombicosidodecahedronTurn, RhombicosidodecahedronHalfTurn, false};
constexpr OrbitMaps kTruncatedDodecahedronHalfTurns{TruncatedDodecahedronTurn, TruncatedDodecahedronHalfTurn, false};
constexpr OrbitMaps kTruncatedIcosahedronHalfTurns{TruncatedIcosahedronTurn, TruncatedIcosahedronHalfTurn, false};

enum class Set60 : uint8_t { Pentagrams, Retrosnub, TruncatedDodecahedron, PrismCompound, PentagonalPrismCompound, Snub };

const OrbitMaps& MapsOf(Set60 set) {
    switch (set) {
        case Set60::Pentagrams: return kRhombicosidodecahedronHalfTurns;
        case Set60::Retrosnub:
        case Set60::TruncatedDodecahedron: return kTruncatedDodecahedronHalfTurns;
        default: return kTruncatedIcosahedronHalfTurns;
    }
}

void WriteSet(Solid& solid, Set60 set) {
    const BuildParams& p = solid.params;
    switch (set) {
        case Set60::Pentagrams:
            WriteRhombicosidodecahedronFamily(solid.vertices, 0, ReferenceLength(p, RhombicosidodecahedronRatio()),
                                              GreatSnubDodecicosidodecahedronX());
            break;
        case Set60::Retrosnub:
            WriteTruncatedDodecahedronFamily(solid.vertices, 0, TruncatedDodecahedronSize(p),
                                             SmallRetrosnubIcosicosidodecahedronMu());
            break;
        case Set60::TruncatedDodecahedron:
            WriteTruncatedDodecahedronFamily(solid.vertices, 0, TruncatedDodecahedronSize(p), TruncatedDodecahedronMu());
            break;
        case Set60::PrismCompound:
            WriteTruncatedIcosahedronFamily(solid.vertices, 0, TruncatedIcosahedronSize(p), PrismCompoundLambda());
            break;
        case Set60::PentagonalPrismCompound:
            WriteTruncatedIcosahedronFamily(solid.vertices, 0, TruncatedIcosahedronSize(p),
                                            PentagonalPrismCompoundLambda());
            break;
        case Set60::Snub:
            WriteTruncatedIcosahedronFamily(solid.vertices, 0, TruncatedIcosahedronSize(p),
                                            SmallSnubIcosicosidodecahedronLambda());
            break;
    }
}

template <size_t N>
void BuildStar(Solid& solid, Set60 set, const StarOrbit (&faces)[N]) {
    if (!SizeMesh(solid, kIcosahedral60Vertices, StarOrbitFaceCount(faces))) return;
    WriteSet(solid, set);
    WriteStarOrbits(solid, 0, faces, MapsOf(set));
    solid.patternCount = 1;
}

// The frames are not chiral: their tables pair each face with its opposite.
template <size_t N>
void BuildFrame(Solid& solid, Set60 set, const OrbitFace (&faces)[N], int16_t patterns) {
    if (!SizeMesh(solid, kIcosahedral60Vertices, OrbitFaceCount(faces))) return;
    WriteSet(solid, set);
    const OrbitMaps& maps = MapsOf(set);
    WriteFrame(solid, faces, {maps.turn, Icosahedral60Antipode, true}, patterns);
}

}  // namespace

int BuildIcosahedral60Uniform(Solid& solid, ShapeId figure) {
    switch (figure) {
        case 38: BuildStar(solid, Set60::Pentagrams, k38Faces); break;
        case 127: BuildFrame(solid, Set60::Pentagrams, k127Frame, 2); break;
        case 128: BuildStar(solid, Set60::Pentagrams, k128Faces); break;
        case 130: BuildStar(solid, Set60::Pentagrams, k130Faces); break;
        case 132: BuildStar(solid, Set60::Pentagrams, k132Faces); break;
        // 134 and 137 are written exactly as 133 and 136.
        case 133:
        case 134: BuildStar(solid, Set60::Pentagrams, k133Faces); break;
        case 135: BuildStar(solid, Set60::Pentagrams, k135Faces); break;
        case 136:
        case 137: BuildStar(solid, Set60::Pentagrams, k136Faces); break;
        case 138: BuildStar(solid, Set60::TruncatedDodecahedron, k138Faces); break;
        case 139: BuildStar(solid, Set60::TruncatedDodecahedron, k139Faces); break;
        case 140: BuildStar(solid, Set60::TruncatedDodecahedron, k140Faces); break;
        case 141: BuildFrame(solid, Set60::Retrosnub, k141Frame, 3); break;
        case 142: BuildStar(solid, Set60::Retrosnub, k142Faces); break;
        case 143: BuildStar(solid, Set60::Retrosnub, k143Faces); break;
        case 144: BuildFrame(solid, Set60::PentagonalPrismCompound, k144Frame, 3); break;
        case 145: BuildStar(solid, Set60::PentagonalPrismCompound, k145Faces); break;
        case 146: BuildStar(solid, Set60::PentagonalPrismCompound, k146Faces); break;
        case 147: BuildStar(solid, Set60::PentagonalPrismCompound, k147Faces); break;
        case 148: BuildStar(solid, Set60::PentagonalPrismCompound, k148Faces); break;
        case 149: BuildFrame(solid, Set60::PrismCompound, k149Frame, 3); break;
        case 150: BuildStar(solid, Set60::PrismCompound, k150Faces); break;
        case 151: BuildStar(solid, Set60::PrismCompound, k151Faces); break;
        case 152: BuildStar(solid, Set60::PrismCompound, k152Faces); break;
        case 153: BuildFrame(solid, Set60::Snub, k153Frame, 3); break;
        case 154: BuildStar(solid, Set60::Snub, k154Faces); break;
        case 155: BuildStar(solid, Set60::Snub, k155Faces); break;
        default: return 0;
    }
    WriteFigureNames(solid, figure);
    return 1;
}

}  // namespace gyro
