// The octahedral non-convex uniform polyhedra and their frames, on the
// vertex sets of the cuboctahedron, the rhombicuboctahedron, the truncated
// cube (and its pseudo form) and the 48-vertex set. Their duals are catalogue
// rows.

#include <array>
#include <cstdint>

#include "catalog/build_kit.h"
#include "catalog/uniform_faces.h"
#include "catalog/vertex_sets.h"

namespace gyro {

namespace {

using namespace kit;

// Cubohemioctahedron: the cuboctahedron's squares and the four hexagons through the centre.
constexpr UniformFace kCubohemioctahedron[] = {
    {4, 1, Axis::Four, 3, {1, 4, 9, 5}},
    {4, 1, Axis::Four, 2, {8, 4, 0, 7}},
    {4, 1, Axis::Four, 0, {0, 1, 2, 3}},
    {4, 1, Axis::Four, 5, {11, 7, 3, 6}},
    {4, 1, Axis::Four, 4, {2, 5, 10, 6}},
    {4, 1, Axis::Four, 1, {10, 9, 8, 11}},
    {6, 1, Axis::Three, 0, {8, 9, 5, 2, 3, 7}},
    {6, 1, Axis::Three, 4, {10, 5, 1, 0, 7, 11}},
    {6, 1, Axis::Three, 1, {0, 4, 9, 10, 6, 3}},
    {6, 1, Axis::Three, 5, {2, 1, 4, 8, 11, 6}},
};

// Octahemioctahedron: the cuboctahedron's triangles and the hexagons through the centre.
constexpr UniformFace kOctahemioctahedron[] = {
    {3, 1, Axis::Three, 0, {4, 1, 0}},
    {3, 1, Axis::Three, 4, {9, 4, 8}},
    {3, 1, Axis::Three, 1, {1, 5, 2}},
    {3, 1, Axis::Three, 5, {5, 9, 10}},
    {3, 1, Axis::Three, 3, {0, 3, 7}},
    {3, 1, Axis::Three, 7, {8, 7, 11}},
    {3, 1, Axis::Three, 2, {2, 6, 3}},
    {3, 1, Axis::Three, 6, {10, 11, 6}},
    {6, 1, Axis::Three, 0, {8, 9, 5, 2, 3, 7}},
    {6, 1, Axis::Three, 4, {10, 5, 1, 0, 7, 11}},
    {6, 1, Axis::Three, 1, {0, 4, 9, 10, 6, 3}},
    {6, 1, Axis::Three, 5, {2, 1, 4, 8, 11, 6}},
};

// Small cubicuboctahedron: triangles and axial squares of the rhombicuboctahedron, octagons across it.
constexpr UniformFace kSmallCubicuboctahedron[] = {
    {3, 1, Axis::Three, 0, {5, 0, 4}},
    {3, 1, Axis::Three, 4, {13, 12, 20}},
    {3, 1, Axis::Three, 1, {6, 7, 1}},
    {3, 1, Axis::Three, 5, {14, 21, 15}},
    {3, 1, Axis::Three, 3, {11, 3, 10}},
    {3, 1, Axis::Three, 7, {23, 19, 18}},
    {3, 1, Axis::Three, 2, {2, 8, 9}},
    {3, 1, Axis::Three, 6, {16, 22, 17}},
    {4, 1, Axis::Four, 3, {5, 13, 14, 6}},
    {4, 1, Axis::Four, 2, {12, 4, 11, 19}},
    {4, 1, Axis::Four, 0, {0, 1, 2, 3}},
    {4, 1, Axis::Four, 5, {18, 10, 9, 17}},
    {4, 1, Axis::Four, 4, {7, 15, 16, 8}},
    {4, 1, Axis::Four, 1, {21, 20, 23, 22}},
    {8, 1, Axis::Four, 3, {0, 4, 12, 20, 21, 15, 7, 1}},
    {8, 1, Axis::Four, 2, {20, 13, 5, 0, 3, 10, 18, 23}},
    {8, 1, Axis::Four, 0, {4, 5, 6, 7, 8, 9, 10, 11}},
    {8, 1, Axis::Four, 5, {23, 19, 11, 3, 2, 8, 16, 22}},
    {8, 1, Axis::Four, 4, {1, 6, 14, 21, 22, 17, 9, 2}},
    {8, 1, Axis::Four, 1, {15, 14, 13, 12, 19, 18, 17, 16}},
};

// Small rhombihexahedron: the twelve oblique squares and the same octagons.
constexpr UniformFace kSmallRhombihexahedron[] = {
    {4, 1, Axis::None, 0, {13, 5, 4, 12}},
    {4, 1, Axis::None, 0, {6, 14, 15, 7}},
    {4, 1, Axis::None, 0, {19, 11, 10, 18}},
    {4, 1, Axis::None, 0, {8, 16, 17, 9}},
    {4, 1, Axis::None, 0, {5, 6, 1, 0}},
    {4, 1, Axis::None, 0, {14, 13, 20, 21}},
    {4, 1, Axis::None, 0, {3, 2, 9, 10}},
    {4, 1, Axis::None, 0, {22, 23, 18, 17}},
    {4, 1, Axis::None, 0, {4, 0, 3, 11}},
    {4, 1, Axis::None, 0, {20, 12, 19, 23}},
    {4, 1, Axis::None, 0, {1, 7, 8, 2}},
    {4, 1, Axis::None, 0, {15, 21, 22, 16}},
    {8, 1, Axis::Four, 3, {0, 4, 12, 20, 21, 15, 7, 1}},
    {8, 1, Axis::Four, 2, {20, 13, 5, 0, 3, 10, 18, 23}},
    {8, 1, Axis::Four, 0, {4, 5, 6, 7, 8, 9, 10, 11}},
    {8, 1, Axis::Four, 5, {23, 19, 11, 3, 2, 8, 16, 22}},
    {8, 1, Axis::Four, 4, {1, 6, 14, 21, 22, 17, 9, 2}},
    {8, 1, Axis::Four, 1, {15, 14, 13, 12, 19, 18, 17, 16}},
};

// Stellated truncated hexahedron: large triangles and octagrams {8/3}.
constexpr UniformFace kStellatedTruncatedHexahedron[] = {
    {3, 1, Axis::Three, 0, {14, 2, 19}},
    {3, 1, Axis::Three, 4, {6, 11, 22}},
    {3, 1, Axis::Three, 1, {13, 16, 3}},
    {3, 1, Axis::Three, 5, {5, 23, 8}},
    {3, 1, Axis::Three, 3, {12, 1, 17}},
    {3, 1, Axis::Three, 7, {21, 4, 9}},
    {3, 1, Axis::Three, 2, {0, 15, 18}},
    {3, 1, Axis::Three, 6, {7, 20, 10}},
    {8, 3, Axis::Four, 3, {0, 20, 7, 4, 21, 1, 12, 15}},
    {8, 3, Axis::Four, 2, {20, 0, 18, 13, 3, 23, 5, 10}},
    {8, 3, Axis::Four, 0, {4, 7, 10, 5, 8, 11, 6, 9}},
    {8, 3, Axis::Four, 5, {23, 3, 16, 19, 2, 22, 11, 8}},
    {8, 3, Axis::Four, 4, {1, 21, 9, 6, 22, 2, 14, 17}},
    {8, 3, Axis::Four, 1, {15, 12, 17, 14, 19, 16, 13, 18}},
};

// Great cubicuboctahedron: triangles, squares and octagrams over the truncated cube's vertices.
constexpr UniformFace kGreatCubicuboctahedron[] = {
    {3, 1, Axis::Three, 0, {12, 2, 7}},
    {3, 1, Axis::Three, 4, {18, 8, 23}},
    {3, 1, Axis::Three, 1, {1, 13, 4}},
    {3, 1, Axis::Three, 5, {9, 17, 20}},
    {3, 1, Axis::Three, 3, {0, 5, 15}},
    {3, 1, Axis::Three, 7, {16, 11, 21}},
    {3, 1, Axis::Three, 2, {3, 14, 6}},
    {3, 1, Axis::Three, 6, {19, 22, 10}},
    {4, 1, Axis::Four, 3, {0, 16, 19, 3}},
    {4, 1, Axis::Four, 2, {17, 1, 6, 22}},
    {4, 1, Axis::Four, 0, {8, 9, 10, 11}},
    {4, 1, Axis::Four, 5, {23, 7, 4, 20}},
    {4, 1, Axis::Four, 4, {2, 18, 21, 5}},
    {4, 1, Axis::Four, 1, {13, 12, 15, 14}},
    {8, 3, Axis::Four, 3, {1, 17, 9, 8, 18, 2, 12, 13}},
    {8, 3, Axis::Four, 2, {16, 0, 15, 12, 7, 23, 8, 11}},
    {8, 3, Axis::Four, 0, {0, 3, 6, 1, 4, 7, 2, 5}},
    {8, 3, Axis::Four, 5, {22, 6, 14, 15, 5, 21, 11, 10}},
    {8, 3, Axis::Four, 4, {3, 19, 10, 9, 20, 4, 13, 14}},
    {8, 3, Axis::Four, 1, {19, 16, 21, 18, 23, 20, 17, 22}},
};

// Uniform great rhombicuboctahedron: triangles, six axial and twelve oblique squares.
constexpr UniformFace kUniformGreatRhombicuboctahedron[] = {
    {3, 1, Axis::Three, 0, {12, 2, 7}},
    {3, 1, Axis::Three, 4, {18, 8, 23}},
    {3, 1, Axis::Three, 1, {1, 13, 4}},
    {3, 1, Axis::Three, 5, {9, 17, 20}},
    {3, 1, Axis::Three, 3, {0, 5, 15}},
    {3, 1, Axis::Three, 7, {16, 11, 21}},
    {3, 1, Axis::Three, 2, {3, 14, 6}},
    {3, 1, Axis::Three, 6, {19, 22, 10}},
    {4, 1, Axis::Four, 3, {0, 16, 19, 3}},
    {4, 1, Axis::Four, 2, {17, 1, 6, 22}},
    {4, 1, Axis::Four, 0, {8, 9, 10, 11}},
    {4, 1, Axis::Four, 5, {23, 7, 4, 20}},
    {4, 1, Axis::Four, 4, {2, 18, 21, 5}},
    {4, 1, Axis::Four, 1, {13, 12, 15, 14}},
    {4, 1, Axis::None, 0, {18, 2, 7, 23}},
    {4, 1, Axis::None, 0, {1, 17, 20, 4}},
    {4, 1, Axis::None, 0, {16, 0, 5, 21}},
    {4, 1, Axis::None, 0, {3, 19, 22, 6}},
    {4, 1, Axis::None, 0, {12, 13, 4, 7}},
    {4, 1, Axis::None, 0, {9, 8, 23, 20}},
    {4, 1, Axis::None, 0, {0, 3, 14, 15}},
    {4, 1, Axis::None, 0, {19, 16, 11, 10}},
    {4, 1, Axis::None, 0, {12, 2, 5, 15}},
    {4, 1, Axis::None, 0, {18, 8, 11, 21}},
    {4, 1, Axis::None, 0, {1, 13, 14, 6}},
    {4, 1, Axis::None, 0, {9, 17, 22, 10}},
};

// Its pseudo form, the lower part turned 45 degrees.
constexpr UniformFace kPseudoGreatRhombicuboctahedron[] = {
    {3, 1, Axis::None, 0, {0, 13, 3}},
    {3, 1, Axis::None, 0, {1, 6, 12}},
    {3, 1, Axis::None, 0, {2, 14, 5}},
    {3, 1, Axis::None, 0, {4, 15, 7}},
    {3, 1, Axis::None, 0, {8, 16, 19}},
    {3, 1, Axis::None, 0, {9, 18, 21}},
    {3, 1, Axis::None, 0, {10, 20, 23}},
    {3, 1, Axis::None, 0, {11, 22, 17}},
    {4, 1, Axis::None, 0, {0, 13, 14, 5}},
    {4, 1, Axis::None, 0, {3, 20, 23, 6}},
    {4, 1, Axis::None, 0, {4, 15, 12, 1}},
    {4, 1, Axis::None, 0, {6, 12, 13, 3}},
    {4, 1, Axis::None, 0, {6, 23, 18, 1}},
    {4, 1, Axis::None, 0, {9, 10, 11, 8}},
    {4, 1, Axis::None, 0, {11, 10, 20, 17}},
    {4, 1, Axis::None, 0, {15, 7, 2, 14}},
    {4, 1, Axis::None, 0, {15, 14, 13, 12}},
    {4, 1, Axis::None, 0, {16, 7, 4, 21}},
    {4, 1, Axis::None, 0, {16, 19, 2, 7}},
    {4, 1, Axis::None, 0, {18, 21, 4, 1}},
    {4, 1, Axis::None, 0, {18, 23, 10, 9}},
    {4, 1, Axis::None, 0, {19, 8, 11, 22}},
    {4, 1, Axis::None, 0, {19, 22, 5, 2}},
    {4, 1, Axis::None, 0, {20, 3, 0, 17}},
    {4, 1, Axis::None, 0, {21, 9, 8, 16}},
    {4, 1, Axis::None, 0, {22, 17, 0, 5}},
};

// The convex hull of the pseudo form.
constexpr UniformFace kPseudoGreatRhombicuboctahedronFrame[] = {
    {8, 1, Axis::Four, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
    {3, 1, Axis::Three, 0, {8, 1, 0}},
    {3, 1, Axis::None, 0, {12, 0, 7}},
    {3, 1, Axis::None, 0, {8, 0, 12}},
    {3, 1, Axis::None, 0, {1, 13, 2}},
    {3, 1, Axis::None, 0, {1, 8, 13}},
    {3, 1, Axis::Three, 1, {2, 9, 3}},
    {3, 1, Axis::None, 0, {13, 9, 2}},
    {3, 1, Axis::None, 0, {3, 14, 4}},
    {3, 1, Axis::None, 0, {3, 9, 14}},
    {3, 1, Axis::Three, 2, {4, 10, 5}},
    {3, 1, Axis::None, 0, {14, 10, 4}},
    {3, 1, Axis::None, 0, {15, 6, 5}},
    {3, 1, Axis::None, 0, {15, 5, 10}},
    {3, 1, Axis::Three, 3, {7, 6, 11}},
    {3, 1, Axis::None, 0, {11, 6, 15}},
    {3, 1, Axis::None, 0, {12, 7, 11}},
    {3, 1, Axis::None, 0, {8, 12, 17}},
    {3, 1, Axis::None, 0, {13, 8, 18}},
    {3, 1, Axis::None, 0, {18, 8, 17}},
    {3, 1, Axis::None, 0, {13, 19, 9}},
    {3, 1, Axis::None, 0, {9, 20, 14}},
    {3, 1, Axis::None, 0, {9, 19, 20}},
    {3, 1, Axis::None, 0, {14, 21, 10}},
    {3, 1, Axis::None, 0, {10, 22, 15}},
    {3, 1, Axis::None, 0, {21, 22, 10}},
    {3, 1, Axis::None, 0, {16, 12, 11}},
    {3, 1, Axis::None, 0, {23, 11, 15}},
    {3, 1, Axis::None, 0, {16, 11, 23}},
    {3, 1, Axis::None, 0, {17, 12, 16}},
    {3, 1, Axis::None, 0, {13, 18, 19}},
    {3, 1, Axis::None, 0, {14, 20, 21}},
    {3, 1, Axis::None, 0, {22, 23, 15}},
    {8, 1, Axis::Four, 1, {20, 19, 18, 17, 16, 23, 22, 21}},
};

// Great rhombihexahedron: oblique squares and octagrams.
constexpr UniformFace kGreatRhombihexahedron[] = {
    {4, 1, Axis::None, 0, {18, 2, 7, 23}},
    {4, 1, Axis::None, 0, {1, 17, 20, 4}},
    {4, 1, Axis::None, 0, {16, 0, 5, 21}},
    {4, 1, Axis::None, 0, {3, 19, 22, 6}},
    {4, 1, Axis::None, 0, {12, 13, 4, 7}},
    {4, 1, Axis::None, 0, {9, 8, 23, 20}},
    {4, 1, Axis::None, 0, {0, 3, 14, 15}},
    {4, 1, Axis::None, 0, {19, 16, 11, 10}},
    {4, 1, Axis::None, 0, {12, 2, 5, 15}},
    {4, 1, Axis::None, 0, {18, 8, 11, 21}},
    {4, 1, Axis::None, 0, {1, 13, 14, 6}},
    {4, 1, Axis::None, 0, {9, 17, 22, 10}},
    {8, 3, Axis::Four, 3, {1, 17, 9, 8, 18, 2, 12, 13}},
    {8, 3, Axis::Four, 2, {16, 0, 15, 12, 7, 23, 8, 11}},
    {8, 3, Axis::Four, 0, {0, 3, 6, 1, 4, 7, 2, 5}},
    {8, 3, Axis::Four, 5, {22, 6, 14, 15, 5, 21, 11, 10}},
    {8, 3, Axis::Four, 4, {3, 19, 10, 9, 20, 4, 13, 14}},
    {8, 3, Axis::Four, 1, {19, 16, 21, 18, 23, 20, 17, 22}},
};

// Convex hull of the cubitruncated cuboctahedron's vertices.
constexpr UniformFace kCubitruncatedCuboctahedronFrame[] = {
    {8, 1, Axis::Four, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
    {6, 1, Axis::Three, 0, {17, 9, 1, 0, 8, 16}},
    {4, 1, Axis::None, 0, {8, 0, 7, 15}},
    {4, 1, Axis::None, 0, {9, 10, 2, 1}},
    {6, 1, Axis::Three, 1, {10, 18, 19, 11, 3, 2}},
    {4, 1, Axis::None, 0, {3, 11, 12, 4}},
    {6, 1, Axis::Three, 2, {5, 4, 12, 20, 21, 13}},
    {4, 1, Axis::None, 0, {6, 5, 13, 14}},
    {6, 1, Axis::Three, 3, {23, 15, 7, 6, 14, 22}},
    {8, 1, Axis::Four, 2, {32, 24, 16, 8, 15, 23, 31, 39}},
    {8, 1, Axis::Four, 3, {9, 17, 25, 33, 34, 26, 18, 10}},
    {8, 1, Axis::Four, 4, {11, 19, 27, 35, 36, 28, 20, 12}},
    {8, 1, Axis::Four, 5, {38, 30, 22, 14, 13, 21, 29, 37}},
    {4, 1, Axis::None, 0, {25, 17, 16, 24}},
    {4, 1, Axis::None, 0, {18, 26, 27, 19}},
    {4, 1, Axis::None, 0, {20, 28, 29, 21}},
    {4, 1, Axis::None, 0, {31, 23, 22, 30}},
    {6, 1, Axis::Three, 4, {33, 25, 24, 32, 40, 41}},
    {6, 1, Axis::Three, 5, {26, 34, 42, 43, 35, 27}},
    {6, 1, Axis::Three, 6, {28, 36, 44, 45, 37, 29}},
    {6, 1, Axis::Three, 7, {46, 47, 39, 31, 30, 38}},
    {4, 1, Axis::None, 0, {40, 32, 39, 47}},
    {4, 1, Axis::None, 0, {34, 33, 41, 42}},
    {4, 1, Axis::None, 0, {35, 43, 44, 36}},
    {4, 1, Axis::None, 0, {45, 46, 38, 37}},
    {8, 1, Axis::Four, 1, {43, 42, 41, 40, 47, 46, 45, 44}},
};

// Cubitruncated cuboctahedron: hexagons, octagons and octagrams.
constexpr UniformFace kCubitruncatedCuboctahedron[] = {
    {6, 1, Axis::Three, 0, {24, 25, 10, 2, 7, 15}},
    {6, 1, Axis::Three, 4, {42, 34, 17, 16, 39, 47}},
    {6, 1, Axis::Three, 1, {1, 9, 26, 27, 12, 4}},
    {6, 1, Axis::Three, 5, {19, 18, 33, 41, 44, 36}},
    {6, 1, Axis::Three, 3, {31, 8, 0, 5, 13, 30}},
    {6, 1, Axis::Three, 7, {45, 40, 32, 23, 22, 37}},
    {6, 1, Axis::Three, 2, {6, 3, 11, 28, 29, 14}},
    {6, 1, Axis::Three, 6, {20, 35, 43, 46, 38, 21}},
    {8, 1, Axis::Four, 3, {0, 8, 32, 40, 43, 35, 11, 3}},
    {8, 1, Axis::Four, 2, {41, 33, 9, 1, 6, 14, 38, 46}},
    {8, 1, Axis::Four, 0, {16, 17, 18, 19, 20, 21, 22, 23}},
    {8, 1, Axis::Four, 5, {47, 39, 15, 7, 4, 12, 36, 44}},
    {8, 1, Axis::Four, 4, {2, 10, 34, 42, 45, 37, 13, 5}},
    {8, 1, Axis::Four, 1, {27, 26, 25, 24, 31, 30, 29, 28}},
    {8, 3, Axis::Four, 3, {9, 33, 18, 17, 34, 10, 25, 26}},
    {8, 3, Axis::Four, 2, {32, 8, 31, 24, 15, 39, 16, 23}},
    {8, 3, Axis::Four, 0, {0, 3, 6, 1, 4, 7, 2, 5}},
    {8, 3, Axis::Four, 5, {38, 14, 29, 30, 13, 37, 22, 21}},
    {8, 3, Axis::Four, 4, {11, 35, 20, 19, 36, 12, 27, 28}},
    {8, 3, Axis::Four, 1, {43, 40, 45, 42, 47, 44, 41, 46}},
};

// Convex hull of the great truncated cuboctahedron's vertices.
constexpr UniformFace kGreatTruncatedCuboctahedronFrame[] = {
    {8, 1, Axis::Four, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
    {6, 1, Axis::Three, 0, {17, 9, 1, 0, 8, 16}},
    {4, 1, Axis::None, 0, {8, 0, 7, 15}},
    {4, 1, Axis::None, 0, {9, 10, 2, 1}},
    {6, 1, Axis::Three, 1, {10, 18, 19, 11, 3, 2}},
    {4, 1, Axis::None, 0, {3, 11, 12, 4}},
    {6, 1, Axis::Three, 2, {5, 4, 12, 20, 21, 13}},
    {4, 1, Axis::None, 0, {6, 5, 13, 14}},
    {6, 1, Axis::Three, 3, {23, 15, 7, 6, 14, 22}},
    {8, 1, Axis::Four, 2, {32, 24, 16, 8, 15, 23, 31, 39}},
    {8, 1, Axis::Four, 3, {9, 17, 25, 33, 34, 26, 18, 10}},
    {8, 1, Axis::Four, 4, {11, 19, 27, 35, 36, 28, 20, 12}},
    {8, 1, Axis::Four, 5, {38, 30, 22, 14, 13, 21, 29, 37}},
    {4, 1, Axis::None, 0, {25, 17, 16, 24}},
    {4, 1, Axis::None, 0, {18, 26, 27, 19}},
    {4, 1, Axis::None, 0, {20, 28, 29, 21}},
    {4, 1, Axis::None, 0, {31, 23, 22, 30}},
    {6, 1, Axis::Three, 4, {33, 25, 24, 32, 40, 41}},
    {6, 1, Axis::Three, 5, {26, 34, 42, 43, 35, 27}},
    {6, 1, Axis::Three, 6, {28, 36, 44, 45, 37, 29}},
    {6, 1, Axis::Three, 7, {46, 47, 39, 31, 30, 38}},
    {4, 1, Axis::None, 0, {40, 32, 39, 47}},
    {4, 1, Axis::None, 0, {34, 33, 41, 42}},
    {4, 1, Axis::None, 0, {35, 43, 44, 36}},
    {4, 1, Axis::None, 0, {45, 46, 38, 37}},
    {8, 1, Axis::Four, 1, {43, 42, 41, 40, 47, 46, 45, 44}},
};

// Great truncated cuboctahedron: squares, hexagons and octagrams.
constexpr UniformFace kGreatTruncatedCuboctahedron[] = {
    {4, 1, Axis::None, 0, {33, 9, 8, 32}},
    {4, 1, Axis::None, 0, {10, 34, 35, 11}},
    {4, 1, Axis::None, 0, {39, 15, 14, 38}},
    {4, 1, Axis::None, 0, {12, 36, 37, 13}},
    {4, 1, Axis::None, 0, {17, 18, 3, 0}},
    {4, 1, Axis::None, 0, {26, 25, 40, 43}},
    {4, 1, Axis::None, 0, {7, 4, 21, 22}},
    {4, 1, Axis::None, 0, {44, 47, 30, 29}},
    {4, 1, Axis::None, 0, {16, 1, 6, 23}},
    {4, 1, Axis::None, 0, {41, 24, 31, 46}},
    {4, 1, Axis::None, 0, {2, 19, 20, 5}},
    {4, 1, Axis::None, 0, {27, 42, 45, 28}},
    {6, 1, Axis::Three, 0, {32, 33, 18, 3, 6, 23}},
    {6, 1, Axis::Three, 4, {43, 26, 9, 8, 31, 46}},
    {6, 1, Axis::Three, 1, {0, 17, 34, 35, 20, 5}},
    {6, 1, Axis::Three, 5, {11, 10, 25, 40, 45, 28}},
    {6, 1, Axis::Three, 3, {16, 1, 4, 21, 38, 39}},
    {6, 1, Axis::Three, 7, {41, 24, 15, 14, 29, 44}},
    {6, 1, Axis::Three, 2, {2, 19, 36, 37, 22, 7}},
    {6, 1, Axis::Three, 6, {27, 42, 47, 30, 13, 12}},
    {8, 3, Axis::Four, 3, {9, 33, 18, 17, 34, 10, 25, 26}},
    {8, 3, Axis::Four, 2, {32, 8, 31, 24, 15, 39, 16, 23}},
    {8, 3, Axis::Four, 0, {0, 3, 6, 1, 4, 7, 2, 5}},
    {8, 3, Axis::Four, 5, {38, 14, 29, 30, 13, 37, 22, 21}},
    {8, 3, Axis::Four, 4, {11, 35, 20, 19, 36, 12, 27, 28}},
    {8, 3, Axis::Four, 1, {43, 40, 45, 42, 47, 44, 41, 46}},
};

void WriteCuboctahedronSet(Solid& s) { WriteCuboctahedron(s.vertices, 0, ReferenceLength(s.params, CuboctahedronRatio())); }

void WriteRhombicuboctahedronSet(Solid& s) {
    WriteRhombicuboctahedron(s.vertices, 0, ReferenceLength(s.params, RhombicuboctahedronRatio()));
}

void WriteTruncatedCubeSet(Solid& s) { WriteTruncatedCube(s.vertices, 0, TruncatedCubeSize(s.params)); }

void WritePseudoTruncatedCubeSet(Solid& s) {
    WriteTruncatedCube(s.vertices, 0, TruncatedCubeSize(s.params), TruncatedCubeForm::Pseudo);
}

void WriteCubitruncatedSet(Solid& s) {
    WriteOctahedral48(s.vertices, 0, ReferenceLength(s.params, TruncatedCuboctahedronRatio()),
                      CubitruncatedCuboctahedronMember());
}

void WriteGreatTruncatedSet(Solid& s) {
    WriteOctahedral48(s.vertices, 0, ReferenceLength(s.params, TruncatedCuboctahedronRatio()),
                      GreatTruncatedCuboctahedronMember());
}

const UniformFigure kFigures[] = {
    {92, kCuboctahedronVertices, kCubohemioctahedron, 1, UniformKindColour, WriteCuboctahedronSet},
    {93, kCuboctahedronVertices, kOctahemioctahedron, 1, UniformKindColour, WriteCuboctahedronSet},
    {94, kRhombicuboctahedronVertices, kSmallCubicuboctahedron, 1, UniformKindColour, WriteRhombicuboctahedronSet},
    {95, kRhombicuboctahedronVertices, kSmallRhombihexahedron, 1, UniformKindColour, WriteRhombicuboctahedronSet},
    {96, kRhombicuboctahedronVertices, kStellatedTruncatedHexahedron, 1, UniformKindColour,
     WriteRhombicuboctahedronSet},
    {97, kTruncatedCubeVertices, kGreatCubicuboctahedron, 1, UniformKindColour, WriteTruncatedCubeSet},
    {98, kTruncatedCubeVertices, kUniformGreatRhombicuboctahedron, 1, UniformKindColour, WriteTruncatedCubeSet},
    {99, kTruncatedCubeVertices, kPseudoGreatRhombicuboctahedron, 1, UniformKindColour, WritePseudoTruncatedCubeSet},
    {100, kTruncatedCubeVertices, kPseudoGreatRhombicuboctahedronFrame, 1, UniformKindColour,
     WritePseudoTruncatedCubeSet},
    {101, kTruncatedCubeVertices, kGreatRhombihexahedron, 1, UniformKindColour, WriteTruncatedCubeSet},
    {102, kTruncatedCuboctahedronVertices, kCubitruncatedCuboctahedronFrame, 3, OctahedralFrameColour,
     WriteCubitruncatedSet},
    {103, kTruncatedCuboctahedronVertices, kCubitruncatedCuboctahedron, 1, UniformKindColour, WriteCubitruncatedSet},
    {104, kTruncatedCuboctahedronVertices, kGreatTruncatedCuboctahedronFrame, 3, OctahedralFrameColour,
     WriteGreatTruncatedSet},
    {105, kTruncatedCuboctahedronVertices, kGreatTruncatedCuboctahedron, 1, UniformKindColour,
     WriteGreatTruncatedSet},
};

}  // namespace

int BuildUniformOctahedral(Solid& solid, ShapeId figure) { return kit::BuildFromUniformRows(solid, figure, kFigures); }

}  // namespace gyro
