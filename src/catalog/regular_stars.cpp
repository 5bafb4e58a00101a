// The Kepler-Poinsot solids, the tetrahemihexahedron and the three ditrigonal
// solids. All stand on the vertices of a regular solid; the star faces are
// written through those vertices.

#include <cmath>

#include "catalog/regular_builders.h"
#include "catalog/build_kit.h"
#include "model/solid_ops.h"

namespace gyro::regular {

namespace {

using Decagon = std::array<int32_t, 10>;

// Each face of the great stellated dodecahedron as its outline: a pentagram
// tip (a dodecahedron vertex) followed by the inner corner towards the next
// tip (a vertex of the hidden icosahedron, 20-31). Face f lies perpendicular to
// the axis of dodecahedron face f; the tips are the five vertices around that
// axis at height (sqrt 5 - 2) r.
constexpr std::array<Decagon, 12> kGreatStellatedOutlines = {{
    {10, 23, 11, 24, 12, 20, 13, 21, 14, 22}, {15, 27, 19, 26, 18, 25, 17, 29, 16, 28},
    {1, 24, 19, 27, 5, 28, 16, 21, 4, 30},    {0, 30, 2, 20, 15, 28, 6, 29, 17, 22},
    {1, 30, 3, 21, 16, 29, 7, 25, 18, 23},    {2, 30, 4, 22, 17, 25, 8, 26, 19, 24},
    {0, 23, 18, 26, 9, 27, 15, 20, 3, 30},    {0, 22, 14, 29, 6, 31, 9, 26, 11, 23},
    {1, 23, 10, 25, 7, 31, 5, 27, 12, 24},    {2, 24, 11, 26, 8, 31, 6, 28, 13, 20},
    {3, 20, 12, 27, 9, 31, 7, 29, 14, 21},    {4, 21, 13, 28, 5, 31, 8, 25, 10, 22},
}};

// The same for the small stellated dodecahedron: tips are icosahedron vertices
// (the five neighbours of the vertex on the face's axis), inner corners the
// vertices of the hidden dodecahedron (12 + its own numbering).
constexpr std::array<Decagon, 12> kSmallStellatedOutlines = {{
    {1, 15, 2, 16, 3, 12, 4, 13, 5, 14},   {6, 19, 10, 18, 9, 17, 8, 21, 7, 20},
    {0, 14, 5, 24, 8, 27, 9, 25, 2, 15},   {0, 15, 1, 25, 9, 28, 10, 26, 3, 16},
    {0, 16, 2, 26, 10, 29, 6, 22, 4, 12},  {0, 12, 3, 22, 6, 30, 7, 23, 5, 13},
    {0, 13, 4, 23, 7, 31, 8, 24, 1, 14},   {3, 29, 10, 19, 11, 20, 7, 30, 4, 22},
    {4, 30, 6, 20, 11, 21, 8, 31, 5, 23},  {1, 24, 5, 31, 7, 21, 11, 17, 9, 27},
    {1, 27, 8, 17, 11, 18, 10, 28, 2, 25}, {2, 28, 9, 18, 11, 19, 6, 29, 3, 26},
}};

// The great icosahedron: face f is parallel to icosahedron face f and passes
// through the three vertices of the second layer along its normal.
constexpr std::array<Triangle, 20> kGreatIcosahedronFaces = {{
    {2, 6, 5}, {1, 3, 7},  {2, 4, 8},  {3, 5, 9},  {1, 10, 4}, {1, 7, 10}, {2, 8, 6},
    {3, 9, 7}, {4, 10, 8}, {5, 6, 9},  {0, 10, 7}, {0, 6, 8},  {0, 7, 9},  {0, 8, 10},
    {0, 9, 6}, {2, 5, 11}, {1, 11, 3}, {2, 11, 4}, {3, 11, 5}, {1, 4, 11},
}};

// The three neighbours of each dodecahedron vertex, wound so that their
// triangle faces away from the centre.
constexpr std::array<Triangle, 20> kDodecahedronNeighbours = {{
    {1, 4, 10},  {0, 11, 2},  {1, 12, 3},  {2, 13, 4},  {0, 3, 14},  {6, 15, 9},  {5, 7, 16},
    {6, 8, 17},  {7, 9, 18},  {5, 19, 8},  {0, 17, 18}, {1, 18, 19}, {2, 19, 15}, {3, 15, 16},
    {4, 16, 17}, {5, 13, 12}, {6, 14, 13}, {7, 10, 14}, {8, 11, 10}, {9, 12, 11},
}};

Pentagon Tips(const Decagon& outline) { return {outline[0], outline[2], outline[4], outline[6], outline[8]}; }

// Writes one star solid's twelve faces in the requested form from its outlines.
void WriteStarFaces(Solid& solid, const std::array<Decagon, 12>& outlines, StarForm form) {
    if (form == StarForm::Triangles) {
        // The five tips of every pentagram, each with its two inner corners.
        for (int32_t f = 0; f < 12; ++f) {
            const Decagon& o = outlines[f];
            for (int32_t j = 0; j < 5; ++j) {
                Face& face = solid.faces[5 * f + j];
                SetPolygon(face, {o[2 * j], o[2 * j + 1], o[(2 * j + 9) % 10]});
                PaintFaceOneColour(face, solid.params, kDodecahedronPatterns[0][f], 1);
            }
        }
        return;
    }
    for (int32_t f = 0; f < 12; ++f) {
        if (form == StarForm::Outlines) {
            SetPolygon(solid.faces[f], outlines[f]);
        } else {
            SetPentagram(solid.faces[f], Tips(outlines[f]));
        }
    }
    PaintDodecahedral(solid, 0);
}

}  // namespace

void BuildGreatStellatedDodecahedron(Solid& solid, StarForm form) {
    const bool plain = form == StarForm::StarFaces;
    if (!SizeMesh(solid, plain ? 20 : 32, form == StarForm::Triangles ? 60 : 12)) return;
    const double r = ReferenceLength(solid.params, DodecahedronRatio());
    WriteDodecahedron(solid.vertices, 0, r);
    if (!plain) {
        // The hidden icosahedron whose faces carry the twenty spikes.
        const double s5 = std::sqrt(5.0);
        for (int32_t j = 0; j < 5; ++j) {
            solid.vertices[20 + j] = RingPoint(-2.0 * (s5 - 2.0) * r, j, 5, (s5 - 2.0) * r);
            solid.vertices[25 + j] = -solid.vertices[20 + j];
        }
        solid.vertices[30] = {0.0, 0.0, (5.0 - 2.0 * s5) * r};
        solid.vertices[31] = {0.0, 0.0, -(5.0 - 2.0 * s5) * r};
    }
    WriteStarFaces(solid, kGreatStellatedOutlines, form);
}

void BuildSmallStellatedDodecahedron(Solid& solid, StarForm form) {
    const bool plain = form == StarForm::StarFaces;
    if (!SizeMesh(solid, plain ? 12 : 32, form == StarForm::Triangles ? 60 : 12)) return;
    const double R = ReferenceLength(solid.params, IcosahedronRatio());
    WriteIcosahedron(solid.vertices, 0, R);
    if (!plain) {
        // The hidden dodecahedron whose faces carry the twelve spikes; its face
        // planes are those of the star's pentagrams.
        const double s5 = std::sqrt(5.0);
        for (int32_t j = 0; j < 5; ++j) {
            solid.vertices[12 + j] = RingPoint((3.0 * s5 - 5.0) * R / 5.0, j, 5, R / s5);
            solid.vertices[17 + j] = -solid.vertices[12 + j];
            solid.vertices[22 + j] = RingPoint((5.0 - s5) * R / 5.0, j, 5, (5.0 - 2.0 * s5) * R / 5.0);
            solid.vertices[27 + j] = -solid.vertices[22 + j];
        }
    }
    WriteStarFaces(solid, kSmallStellatedOutlines, form);
}

void BuildGreatDodecahedron(Solid& solid) {
    // The pentagons through each vertex's five neighbours: the small stellated
    // dodecahedron's planes with convex faces.
    if (!SizeMesh(solid, 12, 12)) return;
    WriteIcosahedron(solid.vertices, 0, ReferenceLength(solid.params, IcosahedronRatio()));
    for (int32_t f = 0; f < 12; ++f) SetPolygon(solid.faces[f], Tips(kSmallStellatedOutlines[f]));
    PaintDodecahedral(solid, 0);
}

void BuildGreatIcosahedron(Solid& solid) {
    if (!SizeMesh(solid, 12, 20)) return;
    WriteIcosahedron(solid.vertices, 0, ReferenceLength(solid.params, IcosahedronRatio()));
    for (int32_t f = 0; f < 20; ++f) {
        SetPolygon(solid.faces[f], kGreatIcosahedronFaces[f]);
        PaintFace(solid.faces[f], solid.params, {kIcosahedronPatterns[0][f], kIcosahedronPatterns[5][f]});
    }
    solid.patternCount = 2;
}

void BuildTetrahemihexahedron(Solid& solid) {
    // Four alternate triangles of the octahedron and its three central squares.
    if (!SizeMesh(solid, 6, 7)) return;
    WriteOctahedron(solid.vertices, 0, ReferenceLength(solid.params, OctahedronRatio()));
    constexpr std::array<Triangle, 4> kTriangles = {{{0, 1, 2}, {0, 3, 4}, {5, 3, 2}, {5, 1, 4}}};
    constexpr std::array<Quad, 3> kSquares = {{{1, 2, 3, 4}, {0, 1, 5, 3}, {0, 2, 5, 4}}};
    for (int32_t f = 0; f < 4; ++f) {
        SetPolygon(solid.faces[f], kTriangles[f]);
        PaintFaceOneColour(solid.faces[f], solid.params, 0, 1);
    }
    for (int32_t f = 0; f < 3; ++f) {
        SetPolygon(solid.faces[4 + f], kSquares[f]);
        PaintFaceOneColour(solid.faces[4 + f], solid.params, 1, 1);
    }
}

void BuildDitrigonal(Solid& solid, Ditrigonal which) {
    // All three share the dodecahedron's vertices and its face diagonals as
    // edges. Triangles: the neighbours of each vertex. Pentagrams: on the
    // dodecahedron's faces. Pentagons: the tips of the great stellated
    // dodecahedron's pentagrams.
    constexpr uint8_t kTriangleColour = 0;
    constexpr uint8_t kPentagonColour = 2;
    constexpr uint8_t kPentagramColour = 6;
    const bool triangles = which != Ditrigonal::Dodecadodecahedron;
    const bool pentagons = which != Ditrigonal::SmallIcosidodecahedron;
    const bool pentagrams = which != Ditrigonal::GreatIcosidodecahedron;
    if (!SizeMesh(solid, 20, (triangles ? 20 : 0) + (pentagons ? 12 : 0) + (pentagrams ? 12 : 0))) return;
    WriteDodecahedron(solid.vertices, 0, ReferenceLength(solid.params, DodecahedronRatio()));
    int32_t next = 0;
    if (triangles) {
        for (const Triangle& t : kDodecahedronNeighbours) {
            SetPolygon(solid.faces[next], t);
            PaintFaceOneColour(solid.faces[next++], solid.params, kTriangleColour, 1);
        }
    }
    if (pentagons) {
        for (const Decagon& outline : kGreatStellatedOutlines) {
            SetPolygon(solid.faces[next], Tips(outline));
            PaintFaceOneColour(solid.faces[next++], solid.params, kPentagonColour, 1);
        }
    }
    if (pentagrams) {
        for (int32_t f = 0; f < 12; ++f) {
            SetPentagram(solid.faces[next], DodecahedronFace(f));
            PaintFaceOneColour(solid.faces[next++], solid.params, kPentagramColour, 1);
        }
    }
}

}  // namespace gyro::regular
