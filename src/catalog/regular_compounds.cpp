// Compounds of regular solids on one shared vertex set, and the complete
// icosahedron (the last stellation of the icosahedron).

#include <cmath>

#include "catalog/regular_builders.h"
#include "catalog/build_kit.h"
#include "model/solid_ops.h"

namespace gyro::regular {

namespace {

void WriteTetrahedronFaces(Solid& solid, int32_t firstFace, const std::array<int32_t, 4>& corners, int32_t turn) {
    for (int32_t f = 0; f < 4; ++f) {
        const Triangle& t = kTetrahedronFaces[f];
        SetPolygon(solid.faces[firstFace + f], {DodecahedronTurn(corners[t[0]], turn),
                                                DodecahedronTurn(corners[t[1]], turn),
                                                DodecahedronTurn(corners[t[2]], turn)});
    }
}

bool SizeOnDodecahedron(Solid& solid, int32_t faces) {
    if (!SizeMesh(solid, 20, faces)) return false;
    WriteDodecahedron(solid.vertices, 0, ReferenceLength(solid.params, DodecahedronRatio()));
    return true;
}

}  // namespace

void BuildStellatedOctahedron(Solid& solid) {
    // The two tetrahedra of the cube's alternate corners; face 4 + k of the
    // second is parallel to face kParallel[k] of the first.
    constexpr std::array<std::array<int32_t, 4>, 2> kSets = {{{0, 5, 2, 7}, {1, 3, 4, 6}}};
    constexpr std::array<uint8_t, 8> kParallelPairs = {4, 5, 6, 7, 7, 5, 6, 4};
    if (!SizeMesh(solid, 8, 8)) return;
    WriteCube(solid.vertices, 0, ReferenceLength(solid.params, CubeRatio()));
    for (int32_t s = 0; s < 2; ++s) {
        for (int32_t f = 0; f < 4; ++f) {
            const Triangle& t = kTetrahedronFaces[f];
            Face& face = solid.faces[4 * s + f];
            SetPolygon(face, {kSets[s][t[0]], kSets[s][t[1]], kSets[s][t[2]]});
            PaintFace(face, solid.params, {static_cast<uint8_t>(s), kParallelPairs[4 * s + f]});
        }
    }
    solid.patternCount = 2;
}

void BuildFiveTetrahedra(Solid& solid) {
    if (!SizeOnDodecahedron(solid, 20)) return;
    for (int32_t k = 0; k < 5; ++k) {
        WriteTetrahedronFaces(solid, 4 * k, kTetrahedronOnDodecahedron, k);
        for (int32_t f = 0; f < 4; ++f) PaintFace(solid.faces[4 * k + f], solid.params, {static_cast<uint8_t>(k), 0});
    }
    solid.patternCount = 2;
}

void BuildTenTetrahedra(Solid& solid) {
    // Patterns: the five stellated octahedra; the two hands; one hand in five
    // colours against the other in white; one colour.
    if (!SizeOnDodecahedron(solid, 40)) return;
    for (int32_t k = 0; k < 5; ++k) {
        const auto colour = static_cast<uint8_t>(k);
        WriteTetrahedronFaces(solid, 8 * k, kTetrahedronOnDodecahedron, k);
        WriteTetrahedronFaces(solid, 8 * k + 4, kMirrorTetrahedronOnDodecahedron, k);
        for (int32_t f = 0; f < 4; ++f) {
            PaintFace(solid.faces[8 * k + f], solid.params, {colour, 0, colour, 0});
            PaintFace(solid.faces[8 * k + 4 + f], solid.params, {colour, 1, 8, 0});
        }
    }
    solid.patternCount = 4;
}

void BuildFiveCubes(Solid& solid) {
    if (!SizeOnDodecahedron(solid, 30)) return;
    for (int32_t k = 0; k < 5; ++k) {
        for (int32_t f = 0; f < 6; ++f) {
            const Quad& q = kCubeOnDodecahedron[f];
            Face& face = solid.faces[6 * k + f];
            SetPolygon(face, {DodecahedronTurn(q[0], k), DodecahedronTurn(q[1], k), DodecahedronTurn(q[2], k),
                              DodecahedronTurn(q[3], k)});
            PaintFace(face, solid.params, {static_cast<uint8_t>(k), 0});
        }
    }
    solid.patternCount = 2;
}

// ---- Complete icosahedron ------------------------------------------------
//
// Vertices, from an icosahedron v0 .. v11 (a vertex on top):
//   0-11   phi^3 v_i: the tips on the five-fold axes;
//   12-31  v_a + v_b + v_c for icosahedron face f = (a, b, c): on the three-fold axes;
//   32-91  phi^2 v_a + phi^4 v_b for the edge a -> b, the e-th edge of face f,
//          at 32 + 3f + e: the outermost points, three face planes meeting.
// Each face plane holds nine outermost points; the face is the star {9/4}
// through them, and its outline alternates them with nine inner points.

namespace {

constexpr int32_t kCompleteVertices = 92;

// A vertex of the complete icosahedron turned 72k degrees about the z axis.
int32_t CompleteTurn(int32_t x, int32_t k) {
    if (x < 12) return IcosahedronTurn(x, k);
    if (x < 32) return 12 + IcosahedronFaceTurn(x - 12, k);
    const int32_t y = x - 32;
    return 32 + 3 * IcosahedronFaceTurn(y / 3, k) + y % 3;
}

// Outlines of the face planes of icosahedron faces 0, 5, 10 and 15; the other
// faces are these turned about the z axis. Even places: outermost points in
// order around the face; odd places: the inner corners between them.
constexpr std::array<std::array<int32_t, 18>, 4> kOutlines = {{
    {41, 15, 42, 2, 82, 26, 83, 29, 84, 6, 57, 30, 67, 23, 65, 5, 69, 14},
    {39, 24, 91, 31, 89, 7, 87, 20, 53, 19, 54, 10, 76, 28, 71, 25, 72, 1},
    {36, 13, 37, 0, 43, 16, 75, 26, 76, 10, 50, 19, 58, 20, 56, 7, 89, 23},
    {38, 5, 65, 31, 60, 21, 61, 11, 55, 18, 81, 28, 82, 2, 44, 15, 40, 14},
}};

// The convex hull of the outermost points: a pentagon across each five-fold
// axis (for icosahedron vertices 0, 1, 6 and 11) and a hexagon across each
// three-fold axis (for icosahedron faces 0, 5, 10 and 15); turned likewise.
constexpr std::array<Pentagon, 4> kHullPentagons = {{
    {34, 37, 40, 43, 46}, {39, 68, 79, 72, 41}, {53, 57, 86, 64, 84}, {49, 61, 58, 55, 52},
}};
constexpr std::array<std::array<int32_t, 6>, 4> kHullHexagons = {{
    {32, 63, 33, 35, 34, 46}, {47, 78, 48, 59, 49, 52}, {33, 63, 85, 64, 86, 62}, {48, 78, 73, 79, 68, 77},
}};

void WriteCompleteVertices(Solid& solid) {
    const double s5 = std::sqrt(5.0);
    const double phi = (1.0 + s5) / 2.0;
    const double phi2 = phi * phi;
    const double phi4 = phi2 * phi2;
    // Size by the outermost points; q is their distance over that of the face planes.
    const double farRadius = std::sqrt(phi4 + phi4 * phi4 + 2.0 * phi4 * phi2 / s5);  // for |v| = 1
    SizeRatio ratio = IcosahedronRatio();
    ratio.q *= farRadius;
    ratio.qEdge = ratio.q;
    const double R = ReferenceLength(solid.params, ratio) / farRadius;

    std::vector<Vec3>& v = solid.vertices;
    WriteIcosahedron(v, 0, R);
    for (int32_t f = 0; f < 20; ++f) {
        const Triangle t = IcosahedronFace(f);
        v[12 + f] = v[t[0]] + v[t[1]] + v[t[2]];
        for (int32_t e = 0; e < 3; ++e) v[32 + 3 * f + e] = phi2 * v[t[e]] + phi4 * v[t[(e + 1) % 3]];
    }
    for (int32_t i = 0; i < 12; ++i) v[i] = v[i] * (phi2 * phi);
}

}  // namespace

void BuildCompleteIcosahedron(Solid& solid, CompleteIcosahedronForm form) {
    const bool hull = form == CompleteIcosahedronForm::Hull;
    if (!SizeMesh(solid, kCompleteVertices, hull ? 32 : 20)) return;
    WriteCompleteVertices(solid);
    solid.patternCount = 2;
    if (hull) {
        // Patterns: pentagons against hexagons; opposite faces alike.
        for (int32_t i = 0; i < 12; ++i) {
            const int32_t rep = i == 0 ? 0 : i == 11 ? 3 : i <= 5 ? 1 : 2;
            const int32_t k = (i == 0 || i == 11) ? 0 : (i - 1) % 5;
            std::array<int32_t, 5> corners{};
            for (int32_t j = 0; j < 5; ++j) corners[j] = CompleteTurn(kHullPentagons[rep][j], k);
            SetPolygon(solid.faces[i], corners);
            PaintFace(solid.faces[i], solid.params, {2, kDodecahedronPatterns[0][i == 0 ? 0 : i == 11 ? 1 : i + 1]});
        }
        for (int32_t f = 0; f < 20; ++f) {
            std::array<int32_t, 6> corners{};
            for (int32_t j = 0; j < 6; ++j) corners[j] = CompleteTurn(kHullHexagons[f / 5][j], f % 5);
            SetPolygon(solid.faces[12 + f], corners);
            PaintFace(solid.faces[12 + f], solid.params, {3, kIcosahedronPatterns[0][f]});
        }
        return;
    }
    for (int32_t f = 0; f < 20; ++f) {
        std::array<int32_t, 18> outline{};
        for (int32_t j = 0; j < 18; ++j) outline[j] = CompleteTurn(kOutlines[f / 5][j], f % 5);
        Face& face = solid.faces[f];
        if (form == CompleteIcosahedronForm::Outlines) {
            SetPolygon(face, outline);
        } else {
            std::array<int32_t, 9> star{};
            for (int32_t j = 0; j < 9; ++j) star[j] = outline[2 * ((4 * j) % 9)];
            SetPolygon(face, star, 4);
        }
        if (form == CompleteIcosahedronForm::StarFacesByBelt) {
            PaintFace(face, solid.params, {kIcosahedronPatterns[1][f], kIcosahedronPatterns[2][f]});
        } else {
            PaintFace(face, solid.params, {kIcosahedronPatterns[0][f], kIcosahedronPatterns[5][f]});
        }
    }
}

}  // namespace gyro::regular
