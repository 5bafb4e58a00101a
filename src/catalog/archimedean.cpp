// The Archimedean solids on the shared vertex sets (the snub cube and the snub
// dodecahedron have builders of their own), the pseudo-rhombicuboctahedron and
// the compound of five octahedra on the icosidodecahedron's vertices.
// Derived figures (mirrors, duals, pyramids, fractal bases) are catalogue rows.

#include <array>
#include <cstdint>
#include <vector>

#include "catalog/build_kit.h"
#include "catalog/builders.h"
#include "catalog/catalogue.h"
#include "catalog/face_tables.h"
#include "catalog/uniform_builders.h"
#include "catalog/uniform_faces.h"
#include "catalog/vertex_sets.h"
#include "model/solid_ops.h"

namespace gyro {

namespace {

using namespace kit;

// ---- Octahedral solids: every face written out ----------------------------

// Faces over the numbering of each vertex set (vertex_sets.h), by kind; the
// slot names the cube or octahedron face a face lies on, for the colours.

constexpr TableFace kCuboctahedronFaces[] = {
    {3, Axis::Three, 3, {0, 3, 7}},
    {3, Axis::Three, 0, {0, 4, 1}},
    {3, Axis::Three, 1, {1, 5, 2}},
    {3, Axis::Three, 2, {2, 6, 3}},
    {3, Axis::Three, 4, {4, 8, 9}},
    {3, Axis::Three, 5, {5, 9, 10}},
    {3, Axis::Three, 6, {6, 10, 11}},
    {3, Axis::Three, 7, {7, 11, 8}},
    {4, Axis::Four, 0, {0, 1, 2, 3}},
    {4, Axis::Four, 2, {0, 7, 8, 4}},
    {4, Axis::Four, 3, {1, 4, 9, 5}},
    {4, Axis::Four, 4, {2, 5, 10, 6}},
    {4, Axis::Four, 5, {3, 6, 11, 7}},
    {4, Axis::Four, 1, {8, 11, 10, 9}},
};

constexpr TableFace kRhombicuboctahedronFaces[] = {
    {3, Axis::Three, 0, {0, 4, 5}},
    {3, Axis::Three, 1, {1, 6, 7}},
    {3, Axis::Three, 2, {2, 8, 9}},
    {3, Axis::Three, 3, {3, 10, 11}},
    {3, Axis::Three, 4, {12, 20, 13}},
    {3, Axis::Three, 5, {14, 21, 15}},
    {3, Axis::Three, 6, {16, 22, 17}},
    {3, Axis::Three, 7, {18, 23, 19}},
    {4, Axis::Four, 0, {0, 1, 2, 3}},
    {4, Axis::None, 0, {0, 3, 11, 4}},
    {4, Axis::None, 0, {0, 5, 6, 1}},
    {4, Axis::None, 0, {1, 7, 8, 2}},
    {4, Axis::None, 0, {2, 9, 10, 3}},
    {4, Axis::Four, 2, {4, 11, 19, 12}},
    {4, Axis::None, 0, {4, 12, 13, 5}},
    {4, Axis::Four, 3, {5, 13, 14, 6}},
    {4, Axis::None, 0, {6, 14, 15, 7}},
    {4, Axis::Four, 4, {7, 15, 16, 8}},
    {4, Axis::None, 0, {8, 16, 17, 9}},
    {4, Axis::Four, 5, {9, 17, 18, 10}},
    {4, Axis::None, 0, {10, 18, 19, 11}},
    {4, Axis::None, 0, {12, 19, 23, 20}},
    {4, Axis::None, 0, {13, 20, 21, 14}},
    {4, Axis::None, 0, {15, 21, 22, 16}},
    {4, Axis::None, 0, {17, 22, 23, 18}},
    {4, Axis::Four, 1, {20, 23, 22, 21}},
};

// The bottom cupola turned 45 degrees against the rest (J37).
constexpr TableFace kPseudoRhombicuboctahedronFaces[] = {
    {3, Axis::Three, 0, {0, 4, 5}},
    {3, Axis::Three, 1, {1, 6, 7}},
    {3, Axis::Three, 2, {2, 8, 9}},
    {3, Axis::Three, 3, {3, 10, 11}},
    {3, Axis::None, 0, {12, 19, 20}},
    {3, Axis::None, 0, {13, 21, 14}},
    {3, Axis::None, 0, {15, 22, 16}},
    {3, Axis::None, 0, {17, 23, 18}},
    {4, Axis::Four, 0, {0, 1, 2, 3}},
    {4, Axis::None, 0, {0, 3, 11, 4}},
    {4, Axis::None, 0, {0, 5, 6, 1}},
    {4, Axis::None, 0, {1, 7, 8, 2}},
    {4, Axis::None, 0, {2, 9, 10, 3}},
    {4, Axis::Four, 2, {4, 11, 19, 12}},
    {4, Axis::None, 0, {4, 12, 13, 5}},
    {4, Axis::Four, 3, {5, 13, 14, 6}},
    {4, Axis::None, 0, {6, 14, 15, 7}},
    {4, Axis::Four, 4, {7, 15, 16, 8}},
    {4, Axis::None, 0, {8, 16, 17, 9}},
    {4, Axis::Four, 5, {9, 17, 18, 10}},
    {4, Axis::None, 0, {10, 18, 19, 11}},
    {4, Axis::None, 0, {12, 20, 21, 13}},
    {4, Axis::None, 0, {14, 21, 22, 15}},
    {4, Axis::None, 0, {16, 22, 23, 17}},
    {4, Axis::None, 0, {18, 23, 20, 19}},
    {4, Axis::Four, 1, {20, 23, 22, 21}},
};

constexpr TableFace kTruncatedCubeFaces[] = {
    {3, Axis::Three, 0, {0, 8, 1}},
    {3, Axis::Three, 1, {2, 9, 3}},
    {3, Axis::Three, 2, {4, 10, 5}},
    {3, Axis::Three, 3, {6, 11, 7}},
    {3, Axis::Three, 4, {12, 16, 17}},
    {3, Axis::Three, 5, {13, 18, 19}},
    {3, Axis::Three, 6, {14, 20, 21}},
    {3, Axis::Three, 7, {15, 22, 23}},
    {8, Axis::Four, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
    {8, Axis::Four, 2, {0, 7, 11, 15, 23, 16, 12, 8}},
    {8, Axis::Four, 3, {1, 8, 12, 17, 18, 13, 9, 2}},
    {8, Axis::Four, 4, {3, 9, 13, 19, 20, 14, 10, 4}},
    {8, Axis::Four, 5, {5, 10, 14, 21, 22, 15, 11, 6}},
    {8, Axis::Four, 1, {16, 23, 22, 21, 20, 19, 18, 17}},
};

constexpr TableFace kTruncatedOctahedronFaces[] = {
    {4, Axis::Four, 0, {0, 1, 2, 3}},
    {4, Axis::Four, 2, {4, 15, 16, 8}},
    {4, Axis::Four, 3, {5, 9, 17, 10}},
    {4, Axis::Four, 4, {6, 11, 18, 12}},
    {4, Axis::Four, 5, {7, 13, 19, 14}},
    {4, Axis::Four, 1, {20, 23, 22, 21}},
    {6, Axis::Three, 3, {0, 3, 7, 14, 15, 4}},
    {6, Axis::Three, 0, {0, 4, 8, 9, 5, 1}},
    {6, Axis::Three, 1, {1, 5, 10, 11, 6, 2}},
    {6, Axis::Three, 2, {2, 6, 12, 13, 7, 3}},
    {6, Axis::Three, 4, {8, 16, 20, 21, 17, 9}},
    {6, Axis::Three, 5, {10, 17, 21, 22, 18, 11}},
    {6, Axis::Three, 6, {12, 18, 22, 23, 19, 13}},
    {6, Axis::Three, 7, {14, 19, 23, 20, 16, 15}},
};

// The 48-vertex set with the truncated cuboctahedron's a and b.
constexpr TableFace kTruncatedCuboctahedronFaces[] = {
    {4, Axis::None, 0, {0, 7, 15, 8}},
    {4, Axis::None, 0, {1, 9, 10, 2}},
    {4, Axis::None, 0, {3, 11, 12, 4}},
    {4, Axis::None, 0, {5, 13, 14, 6}},
    {4, Axis::None, 0, {16, 24, 25, 17}},
    {4, Axis::None, 0, {18, 26, 27, 19}},
    {4, Axis::None, 0, {20, 28, 29, 21}},
    {4, Axis::None, 0, {22, 30, 31, 23}},
    {4, Axis::None, 0, {32, 39, 47, 40}},
    {4, Axis::None, 0, {33, 41, 42, 34}},
    {4, Axis::None, 0, {35, 43, 44, 36}},
    {4, Axis::None, 0, {37, 45, 46, 38}},
    {6, Axis::Three, 0, {0, 8, 16, 17, 9, 1}},
    {6, Axis::Three, 1, {2, 10, 18, 19, 11, 3}},
    {6, Axis::Three, 2, {4, 12, 20, 21, 13, 5}},
    {6, Axis::Three, 3, {6, 14, 22, 23, 15, 7}},
    {6, Axis::Three, 4, {24, 32, 40, 41, 33, 25}},
    {6, Axis::Three, 5, {26, 34, 42, 43, 35, 27}},
    {6, Axis::Three, 6, {28, 36, 44, 45, 37, 29}},
    {6, Axis::Three, 7, {30, 38, 46, 47, 39, 31}},
    {8, Axis::Four, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
    {8, Axis::Four, 2, {8, 15, 23, 31, 39, 32, 24, 16}},
    {8, Axis::Four, 3, {9, 17, 25, 33, 34, 26, 18, 10}},
    {8, Axis::Four, 4, {11, 19, 27, 35, 36, 28, 20, 12}},
    {8, Axis::Four, 5, {13, 21, 29, 37, 38, 30, 22, 14}},
    {8, Axis::Four, 1, {40, 47, 46, 45, 44, 43, 42, 41}},
};

// The truncated tetrahedron: face 0 is the top triangle; a hexagon's slot is
// the tetrahedron face (kTetrahedronFaces order) it lies in.
constexpr TableFace kTruncatedTetrahedronFaces[] = {
    {3, Axis::Three, 0, {0, 1, 2}},
    {6, Axis::Three, 0, {0, 3, 6, 7, 4, 1}},
    {6, Axis::Three, 2, {0, 2, 5, 10, 11, 3}},
    {6, Axis::Three, 1, {1, 4, 8, 9, 5, 2}},
    {3, Axis::Three, 1, {3, 11, 6}},
    {3, Axis::Three, 2, {4, 7, 8}},
    {3, Axis::Three, 3, {5, 9, 10}},
    {6, Axis::Three, 3, {6, 11, 10, 9, 8, 7}},
};

// ---- Icosahedral solids: one face per orbit ----------------------------------

constexpr OrbitFace kIcosidodecahedronOrbits[] = {
    {5, Axis::Five, true, {0, 1, 2, 3, 4}},
    {5, Axis::Five, false, {0, 12, 27, 28, 13}},
    {3, Axis::Three, false, {0, 4, 12}},
    {3, Axis::Three, false, {10, 22, 23}},
};

constexpr OrbitFace kRhombicosidodecahedronOrbits[] = {
    {5, Axis::Five, true, {0, 1, 2, 3, 4}},
    {5, Axis::Five, false, {5, 14, 24, 25, 15}},
    {3, Axis::Three, false, {0, 9, 10}},
    {3, Axis::Three, false, {15, 58, 16}},
    {4, Axis::None, false, {0, 4, 8, 9}},
    {4, Axis::None, false, {5, 15, 16, 6}},
    {4, Axis::None, false, {15, 25, 50, 58}},
};

constexpr OrbitFace kTruncatedDodecahedronOrbits[] = {
    {10, Axis::Five, true, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
    {10, Axis::Five, false, {0, 10, 15, 20, 55, 56, 21, 16, 11, 1}},
    {3, Axis::Three, false, {0, 9, 10}},
    {3, Axis::Three, false, {15, 29, 20}},
};

constexpr OrbitFace kTruncatedIcosahedronOrbits[] = {
    {5, Axis::Five, true, {0, 1, 2, 3, 4}},
    {5, Axis::Five, false, {5, 19, 29, 20, 10}},
    {6, Axis::Three, false, {0, 4, 9, 18, 19, 5}},
    {6, Axis::Three, false, {10, 20, 55, 56, 21, 11}},
};

constexpr OrbitFace kTruncatedIcosidodecahedronOrbits[] = {
    {10, Axis::Five, true, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
    {10, Axis::Five, false, {10, 19, 29, 39, 49, 59, 50, 40, 30, 20}},
    {6, Axis::Three, false, {0, 9, 14, 24, 25, 15}},
    {6, Axis::Three, false, {30, 40, 115, 116, 41, 31}},
    {4, Axis::None, false, {0, 15, 16, 1}},
    {4, Axis::None, false, {20, 30, 31, 21}},
    {4, Axis::None, false, {40, 50, 105, 115}},
};

constexpr OrbitMaps kIcosidodecahedronMaps{IcosidodecahedronTurn, IcosidodecahedronAntipode, true};
constexpr OrbitMaps kRhombicosidodecahedronMaps{RhombicosidodecahedronTurn, Icosahedral60Antipode, true};
constexpr OrbitMaps kTruncatedDodecahedronMaps{TruncatedDodecahedronTurn, Icosahedral60Antipode, true};
constexpr OrbitMaps kTruncatedIcosahedronMaps{TruncatedIcosahedronTurn, Icosahedral60Antipode, true};
constexpr OrbitMaps kTruncatedIcosidodecahedronMaps{Icosahedral120Turn, Icosahedral120Antipode, true};

// ---- Colour patterns ------------------------------------------------------------
// Pattern 0 colours every face by its kind (the palette's triangle, square,
// pentagon, hexagon, octagon and decagon colours); the others follow the
// solid's symmetry axes.

uint8_t KindThenAxes(const FaceTag& tag, int32_t p) {
    return p == 0 ? ColourOfKind(tag.corners) : OctahedralAxisColour(tag);
}

uint8_t KindThenFiveFold(const FaceTag& tag, int32_t p) {
    return p == 0 ? ColourOfKind(tag.corners) : IcosahedralAxisColour(tag);
}

// The hexagons in the tetrahedron's four colours, the triangles white.
uint8_t TruncatedTetrahedronColour(const FaceTag& tag, int32_t p) {
    if (p == 0) return ColourOfKind(tag.corners);
    return tag.corners == 6 ? kTetrahedronPatterns[0][tag.slot % 4] : kWhite;
}

// The octagons take the cube's colourings, the triangles the octahedron's
// opposite faces alike.
uint8_t TruncatedCubeColour(const FaceTag& tag, int32_t p) {
    if (p == 0) return ColourOfKind(tag.corners);
    if (tag.axis == Axis::Four) return kCubePatterns[(p - 1) % 5][tag.slot % 6];
    return OctahedralAxisColour(tag);
}

// Third pattern: the largest faces white, the others by kind.
uint8_t TruncatedCuboctahedronColour(const FaceTag& tag, int32_t p) {
    if (p == 2) return tag.axis == Axis::Four ? kWhite : ColourOfKind(tag.corners);
    return KindThenAxes(tag, p);
}

uint8_t TruncatedDodecahedronColour(const FaceTag& tag, int32_t p) {
    if (p == 2) return tag.axis == Axis::Five ? kWhite : tag.slot % 5;
    return KindThenFiveFold(tag, p);
}

// Second pattern: the football, black pentagons on white hexagons.
uint8_t TruncatedIcosahedronColour(const FaceTag& tag, int32_t p) {
    if (p == 1) return tag.axis == Axis::Five ? kBlack : kWhite;
    return KindThenFiveFold(tag, p == 2 ? 1 : p);
}

uint8_t TruncatedIcosidodecahedronColour(const FaceTag& tag, int32_t p) {
    if (p == 2) {
        if (tag.axis == Axis::Five) return kWhite;
        return tag.axis == Axis::Three ? tag.slot % 5 : ColourOfKind(tag.corners);
    }
    return KindThenFiveFold(tag, p);
}

// ---- Builders --------------------------------------------------------------------

template <size_t N>
void BuildFromTable(Solid& solid, int32_t vertices, const TableFace (&faces)[N], int16_t patterns, ColourRule rule,
                    void (*writeVertices)(Solid&)) {
    if (!SizeMesh(solid, vertices, static_cast<int32_t>(N))) return;
    writeVertices(solid);
    std::vector<FaceTag> tags;
    WriteTableFaces(solid, 0, 0, faces, tags);
    PaintPatterns(solid, tags, patterns, rule);
}

template <size_t N>
void BuildFromOrbits(Solid& solid, int32_t vertices, const OrbitFace (&orbits)[N], const OrbitMaps& maps,
                     int16_t patterns, ColourRule rule, void (*writeVertices)(Solid&)) {
    if (!SizeMesh(solid, vertices, OrbitFaceCount(orbits))) return;
    writeVertices(solid);
    std::vector<FaceTag> tags;
    WriteOrbitFaces(solid, 0, 0, orbits, maps, tags);
    PaintPatterns(solid, tags, patterns, rule);
}

void BuildTruncatedTetrahedron(Solid& solid, bool markTop) {
    BuildFromTable(solid, kTruncatedTetrahedronVertices, kTruncatedTetrahedronFaces, 2, TruncatedTetrahedronColour,
                   [](Solid& s) { WriteTruncatedTetrahedron(s.vertices, 0, TruncatedTetrahedronSize(s.params)); });
    // The copy that is turned through the centre keeps its top triangle marked,
    // so the turn can be seen.
    if (markTop && solid.faceCount() > 0) PaintFaceOneColour(solid.faces[0], solid.params, 7, solid.patternCount);
}

// Five octahedra on the icosidodecahedron's vertices: one octahedron on six of
// them (in the roles of the octahedron's vertices top, +y, +x, -y, -x, bottom)
// and its four turns about the z axis.
void BuildFiveOctahedra(Solid& solid) {
    constexpr std::array<int32_t, 6> kOctahedron = {20, 0, 15, 5, 10, 25};
    if (!SizeMesh(solid, kIcosidodecahedronVertices, 40)) return;
    WriteIcosidodecahedron(solid.vertices, 0, ReferenceLength(solid.params, IcosidodecahedronRatio()));
    for (int32_t k = 0; k < 5; ++k) {
        for (int32_t f = 0; f < 8; ++f) {
            const Triangle& t = kOctahedronFaces[f];
            Face& face = solid.faces[8 * k + f];
            SetPolygon(face, {IcosidodecahedronTurn(kOctahedron[t[0]], k), IcosidodecahedronTurn(kOctahedron[t[1]], k),
                              IcosidodecahedronTurn(kOctahedron[t[2]], k)});
            // Each octahedron in a colour of its own; each in its two tetrahedral classes.
            PaintFace(face, solid.params, {static_cast<uint8_t>(k), kOctahedronPatterns[3][f]});
        }
    }
    solid.patternCount = 2;
}

}  // namespace

int BuildArchimedeanFamily(Solid& solid, ShapeId figure) {
    if (BuildUniformOctahedral(solid, figure) || BuildUniformIcosahedral(solid, figure) ||
        BuildPrismCompound(solid, figure)) {
        return 1;
    }
    if (BuildIcosahedral60Uniform(solid, figure) || BuildIcosahedral120Uniform(solid, figure)) return 1;
    switch (figure) {
        case 27: BuildFiveOctahedra(solid); break;
        case 40:
            BuildFromTable(solid, kCuboctahedronVertices, kCuboctahedronFaces, 2, KindThenAxes, [](Solid& s) {
                WriteCuboctahedron(s.vertices, 0, ReferenceLength(s.params, CuboctahedronRatio()));
            });
            break;
        case 41:
            BuildFromOrbits(solid, kIcosidodecahedronVertices, kIcosidodecahedronOrbits, kIcosidodecahedronMaps, 2,
                            KindThenFiveFold, [](Solid& s) {
                                WriteIcosidodecahedron(s.vertices, 0,
                                                       ReferenceLength(s.params, IcosidodecahedronRatio()));
                            });
            break;
        case 42:
            BuildFromTable(solid, kRhombicuboctahedronVertices, kRhombicuboctahedronFaces, 2, KindThenAxes,
                           [](Solid& s) {
                               WriteRhombicuboctahedron(s.vertices, 0,
                                                        ReferenceLength(s.params, RhombicuboctahedronRatio()));
                           });
            break;
        case 43:
            BuildFromTable(solid, kRhombicuboctahedronVertices, kPseudoRhombicuboctahedronFaces, 2, KindThenAxes,
                           [](Solid& s) {
                               WriteRhombicuboctahedron(s.vertices, 0,
                                                        ReferenceLength(s.params, RhombicuboctahedronRatio()),
                                                        RhombicuboctahedronForm::Pseudo);
                           });
            break;
        case 44:
            BuildFromOrbits(solid, kIcosahedral60Vertices, kRhombicosidodecahedronOrbits,
                            kRhombicosidodecahedronMaps, 2, KindThenFiveFold, [](Solid& s) {
                                WriteRhombicosidodecahedronFamily(
                                    s.vertices, 0, ReferenceLength(s.params, RhombicosidodecahedronRatio()),
                                    RhombicosidodecahedronX());
                            });
            break;
        case 45: BuildTruncatedTetrahedron(solid, false); break;
        case 46:
            BuildTruncatedTetrahedron(solid, true);
            MirrorThroughCentre(solid);
            break;
        case 47:
            BuildFromTable(solid, kTruncatedCubeVertices, kTruncatedCubeFaces, 6, TruncatedCubeColour,
                           [](Solid& s) { WriteTruncatedCube(s.vertices, 0, TruncatedCubeSize(s.params)); });
            break;
        case 48:
            BuildFromTable(solid, kTruncatedOctahedronVertices, kTruncatedOctahedronFaces, 2, KindThenAxes,
                           [](Solid& s) { WriteTruncatedOctahedron(s.vertices, 0, TruncatedOctahedronSize(s.params)); });
            break;
        case 49:
            BuildFromOrbits(solid, kIcosahedral60Vertices, kTruncatedDodecahedronOrbits, kTruncatedDodecahedronMaps,
                            3, TruncatedDodecahedronColour, [](Solid& s) {
                                WriteTruncatedDodecahedronFamily(s.vertices, 0, TruncatedDodecahedronSize(s.params),
                                                                 TruncatedDodecahedronMu());
                            });
            break;
        case 50:
            BuildFromOrbits(solid, kIcosahedral60Vertices, kTruncatedIcosahedronOrbits, kTruncatedIcosahedronMaps, 3,
                            TruncatedIcosahedronColour, [](Solid& s) {
                                WriteTruncatedIcosahedronFamily(s.vertices, 0, TruncatedIcosahedronSize(s.params),
                                                                TruncatedIcosahedronLambda());
                            });
            break;
        case 51:
            BuildFromTable(solid, kTruncatedCuboctahedronVertices, kTruncatedCuboctahedronFaces, 3,
                           TruncatedCuboctahedronColour, [](Solid& s) {
                               WriteOctahedral48(s.vertices, 0, ReferenceLength(s.params, TruncatedCuboctahedronRatio()),
                                                 TruncatedCuboctahedronMember());
                           });
            break;
        case 52:
            BuildFromOrbits(solid, kIcosahedral120Vertices, kTruncatedIcosidodecahedronOrbits,
                            kTruncatedIcosidodecahedronMaps, 3, TruncatedIcosidodecahedronColour, [](Solid& s) {
                                WriteIcosahedral120(s.vertices, 0,
                                                    ReferenceLength(s.params, TruncatedIcosidodecahedronRatio()),
                                                    TruncatedIcosidodecahedronMember());
                            });
            break;
        default: return 0;
    }
    WriteFigureNames(solid, figure);
    return 1;
}

}  // namespace gyro
