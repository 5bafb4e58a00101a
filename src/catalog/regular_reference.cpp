// Reference combinations: how the regular solids sit in one another, drawn as
// line segments between their corners (or, for 428, 435 and 437, as faces).
// Also the unnamed decagon shell (452) and the eight-trigram tree (520).

#include <cmath>
#include <vector>

#include "catalog/regular_builders.h"
#include "catalog/build_kit.h"
#include "model/solid_ops.h"

namespace gyro::regular {

namespace {

using Pair = std::array<int32_t, 2>;

// Palette colours of the solids in the combinations with faces.
constexpr uint8_t kTetrahedronColour = 0;
constexpr uint8_t kCubeColour = 1;
constexpr uint8_t kDodecahedronColour = 2;
constexpr uint8_t kIcosahedronColour = 3;
constexpr uint8_t kOctahedronColour = 4;

// The dodecahedron's surface cut into four parts of three faces, one part
// around each corner of kTetrahedronOnDodecahedron: its edges that do not meet
// those corners.
constexpr std::array<Pair, 18> kDodecahedronInFour = {{
    {3, 4},  {3, 13}, {10, 0},  {10, 17}, {0, 1},   {0, 4},   {1, 11},  {6, 7},   {6, 16},
    {7, 8},  {7, 17}, {8, 9},   {9, 19},  {11, 19}, {12, 15}, {12, 19}, {13, 15}, {13, 16},
}};

// Cut into six parts of two faces, one over each face of the inscribed cube:
// its edges that meet the cube's corners (all but the six ridges).
constexpr std::array<Pair, 24> kDodecahedronInSix = {{
    {0, 1},   {0, 4},   {0, 10},  {1, 2},   {2, 3},   {2, 12},  {3, 13},  {4, 14},
    {5, 6},   {5, 9},   {5, 15},  {6, 7},   {7, 8},   {7, 17},  {8, 18},  {9, 19},
    {10, 18}, {11, 18}, {11, 19}, {12, 19}, {13, 15}, {13, 16}, {14, 16}, {14, 17},
}};

// The dodecahedron's corners off the cube lie on three golden rectangles, whose
// short sides are the six ridges.
constexpr std::array<Quad, 3> kDodecahedronRectangles = {{{1, 11, 6, 16}, {3, 4, 8, 9}, {10, 17, 15, 12}}};

// The icosahedron's edges dual to those ridges; the three golden rectangles
// through its corners have them as short sides.
constexpr std::array<Pair, 6> kIcosahedronRidges = {{{0, 2}, {3, 6}, {4, 5}, {7, 11}, {1, 8}, {9, 10}}};
constexpr std::array<Quad, 3> kIcosahedronRectangles = {{{4, 5, 9, 10}, {0, 2, 11, 7}, {3, 6, 8, 1}}};

// The octahedron over six points numbered so that k and k + 3 are opposite.
constexpr std::array<Triangle, 8> kOctahedronOnPairs = {{
    {0, 1, 2}, {0, 5, 1}, {0, 2, 4}, {0, 4, 5}, {1, 3, 2}, {1, 5, 3}, {2, 3, 4}, {3, 5, 4},
}};
// Edges of kTetrahedronOnDodecahedron's corners as indices 0-3, in that order:
// opposite edges are k and k + 3, so their midpoints make an octahedron.
constexpr std::array<Pair, 6> kTetrahedronEdges = {{{0, 1}, {0, 2}, {0, 3}, {2, 3}, {1, 3}, {1, 2}}};

std::array<Triangle, 4> TetrahedronOver(const std::array<int32_t, 4>& corners) {
    std::array<Triangle, 4> faces{};
    for (size_t f = 0; f < 4; ++f) {
        for (size_t i = 0; i < 3; ++i) faces[f][i] = corners[kTetrahedronFaces[f][i]];
    }
    return faces;
}

std::array<Pentagon, 12> DodecahedronFaces() {
    std::array<Pentagon, 12> faces{};
    for (int32_t f = 0; f < 12; ++f) faces[f] = DodecahedronFace(f);
    return faces;
}

std::array<Triangle, 20> IcosahedronFaces() {
    std::array<Triangle, 20> faces{};
    for (int32_t f = 0; f < 20; ++f) faces[f] = IcosahedronFace(f);
    return faces;
}

// 420-429, 437: the dodecahedron's corners, then for 437 an icosahedron
// (20-31) inside the octahedron (32-37) on the midpoints of the tetrahedron's
// edges; the tetrahedron sits in the cube and the cube in the dodecahedron.
void BuildOnDodecahedron(Solid& solid, ShapeId figure) {
    const int32_t vertices = figure == 437 ? 38 : 20;
    if (!SizeMesh(solid, vertices, 0)) return;
    const double r = ReferenceLength(solid.params, DodecahedronRatio());
    WriteDodecahedron(solid.vertices, 0, r);

    const std::array<Pentagon, 12> dodecahedron = DodecahedronFaces();
    const std::array<Triangle, 4> tetrahedron = TetrahedronOver(kTetrahedronOnDodecahedron);
    const std::span<const Pentagon> dodecahedronFaces(dodecahedron);
    const std::span<const Triangle> tetrahedronFaces(tetrahedron);
    const std::span<const Quad> cubeFaces(kCubeOnDodecahedron);
    MeshCollector c(solid);
    switch (figure) {
        case 420:
            for (const Pair& s : kDodecahedronInFour) c.Segment(s[0], s[1]);
            break;
        case 421:
            for (const Pair& s : kDodecahedronInSix) c.Segment(s[0], s[1]);
            break;
        case 424:
            c.Edges(cubeFaces);
            c.Edges(tetrahedronFaces);
            break;
        case 425:
            c.Edges(dodecahedronFaces);
            c.Edges(tetrahedronFaces);
            break;
        case 426:
            c.Edges(dodecahedronFaces);
            c.Edges(cubeFaces);
            break;
        case 427:
            c.Edges(dodecahedronFaces);
            c.Edges(cubeFaces);
            c.Edges(tetrahedronFaces);
            break;
        case 429:
            c.Rectangles(kDodecahedronRectangles);
            c.Edges(cubeFaces);
            break;
        case 428:
        case 437:
            c.Faces(tetrahedronFaces, kTetrahedronColour);
            c.Faces(cubeFaces, kCubeColour);
            c.Faces(dodecahedronFaces, kDodecahedronColour);
            if (figure == 437) {
                // The icosahedron's corners cut the octahedron's edges in the
                // golden ratio; the icosahedron is the dodecahedron's dual.
                std::vector<Vec3>& v = solid.vertices;
                WriteIcosahedron(v, 20, (5.0 - 2.0 * std::sqrt(5.0)) * r);
                for (size_t k = 0; k < 6; ++k) {
                    const Pair& e = kTetrahedronEdges[k];
                    v[32 + k] = (v[kTetrahedronOnDodecahedron[e[0]]] + v[kTetrahedronOnDodecahedron[e[1]]]) * 0.5;
                }
                const std::array<Triangle, 20> icosahedron = IcosahedronFaces();
                c.Faces(std::span<const Triangle>(icosahedron), kIcosahedronColour, 20);
                c.Faces(std::span<const Triangle>(kOctahedronOnPairs), kOctahedronColour, 32);
            }
            break;
        default: break;
    }
    c.Finish();
}

// 430-436: the icosahedron's corners (0-11), then for 430 its dual
// dodecahedron (12-31), on eight of whose corners stands the cube that the
// icosahedron's corners lie on; for the others the octahedron on whose edges
// they lie (12-17), the tetrahedron on the octahedron's corners (18-21) and the
// octahedron's edge midpoints (22-33). Each set is written whole whatever a
// figure draws of it, so the figures of a group share their corners.
void BuildOnIcosahedron(Solid& solid, ShapeId figure) {
    const int32_t vertices = figure == 430 ? 32 : 34;
    if (!SizeMesh(solid, vertices, 0)) return;
    std::vector<Vec3>& v = solid.vertices;
    WriteIcosahedron(v, 0, ReferenceLength(solid.params, IcosahedronRatio()));
    const double phi = (1.0 + std::sqrt(5.0)) / 2.0;
    auto faceSum = [&v](int32_t f) {
        const Triangle t = IcosahedronFace(f);
        return v[t[0]] + v[t[1]] + v[t[2]];
    };
    if (figure == 430) {
        // Icosahedron face i points at dodecahedron corner i.
        for (int32_t i = 0; i < 20; ++i) v[12 + i] = faceSum(i) / phi;
    } else {
        for (size_t k = 0; k < 6; ++k) {
            v[12 + k] = (v[kIcosahedronRidges[k][0]] + v[kIcosahedronRidges[k][1]]) * (phi / 2.0);
        }
        for (size_t k = 0; k < 4; ++k) v[18 + k] = faceSum(kTetrahedronOnDodecahedron[k]);
        // Every pair of the octahedron's corners but the three opposite ones.
        size_t next = 22;
        for (int32_t a = 0; a < 6; ++a) {
            for (int32_t b = a + 1; b < 6; ++b) {
                if (b != a + 3) v[next++] = (v[12 + a] + v[12 + b]) * 0.5;
            }
        }
    }

    const std::array<Triangle, 20> icosahedron = IcosahedronFaces();
    const std::span<const Triangle> icosahedronFaces(icosahedron);
    const std::span<const Triangle> octahedronFaces(kOctahedronOnPairs);
    const std::span<const Triangle> tetrahedronFaces(kTetrahedronFaces);
    MeshCollector c(solid);
    switch (figure) {
        case 430:
            c.Edges(icosahedronFaces);
            c.Edges(std::span<const Quad>(kCubeOnDodecahedron), 12);
            break;
        case 431:
            c.Edges(octahedronFaces, 12);
            c.Edges(tetrahedronFaces, 18);
            break;
        case 432:
            c.Edges(icosahedronFaces);
            c.Edges(tetrahedronFaces, 18);
            break;
        case 433:
            c.Edges(icosahedronFaces);
            c.Edges(octahedronFaces, 12);
            break;
        case 434:
            c.Edges(icosahedronFaces);
            c.Edges(octahedronFaces, 12);
            c.Edges(tetrahedronFaces, 18);
            break;
        case 435:
            c.Faces(icosahedronFaces, kIcosahedronColour);
            c.Faces(octahedronFaces, kOctahedronColour, 12);
            c.Faces(tetrahedronFaces, kTetrahedronColour, 18);
            break;
        case 436: c.Rectangles(kIcosahedronRectangles); break;
        default: break;
    }
    c.Finish();
}

// 422, 423: the icosahedron's edges less those inside the parts: four
// triangles of one tetrahedral class (four parts), or the six ridges (six parts).
void BuildIcosahedronDivided(Solid& solid, bool sixParts) {
    if (!SizeMesh(solid, 12, 0)) return;
    WriteIcosahedron(solid.vertices, 0, ReferenceLength(solid.params, IcosahedronRatio()));
    auto inside = [sixParts](int32_t a, int32_t b) {
        if (sixParts) {
            for (const Pair& e : kIcosahedronRidges) {
                if ((e[0] == a && e[1] == b) || (e[0] == b && e[1] == a)) return true;
            }
            return false;
        }
        for (int32_t f : kTetrahedronOnDodecahedron) {
            const Triangle t = IcosahedronFace(f);
            const bool hasA = t[0] == a || t[1] == a || t[2] == a;
            const bool hasB = t[0] == b || t[1] == b || t[2] == b;
            if (hasA && hasB) return true;
        }
        return false;
    };
    MeshCollector c(solid);
    for (int32_t f = 0; f < 20; ++f) {
        const Triangle t = IcosahedronFace(f);
        for (int32_t i = 0; i < 3; ++i) {
            const int32_t a = t[i];
            const int32_t b = t[(i + 1) % 3];
            if (a < b && !inside(a, b)) c.Segment(a, b);
        }
    }
    c.Finish();
}

}  // namespace

bool BuildReferenceCombination(Solid& solid, ShapeId figure) {
    if (figure == 422 || figure == 423) {
        BuildIcosahedronDivided(solid, figure == 423);
    } else if ((figure >= 420 && figure <= 429) || figure == 437) {
        BuildOnDodecahedron(solid, figure);
    } else if (figure >= 430 && figure <= 436) {
        BuildOnIcosahedron(solid, figure);
    } else {
        return false;
    }
    return true;
}

void BuildDecagonShell(Solid& solid) {
    // A regular decagon in the plane of every dodecahedron face: the face cut
    // at its corners, each side divided (5 - sqrt 5) / 10 from either end. Each
    // decagon has corners of its own, 10f .. 10f + 9.
    if (!SizeMesh(solid, 120, 12)) return;
    std::vector<Vec3> corners(20);
    WriteDodecahedron(corners, 0, ReferenceLength(solid.params, DodecahedronRatio()));
    const double cut = (5.0 - std::sqrt(5.0)) / 10.0;
    for (int32_t f = 0; f < 12; ++f) {
        const Pentagon p = DodecahedronFace(f);
        std::array<int32_t, 10> decagon{};
        for (int32_t j = 0; j < 5; ++j) {
            const Vec3 a = corners[p[j]];
            const Vec3 b = corners[p[(j + 1) % 5]];
            solid.vertices[10 * f + 2 * j] = a + (b - a) * cut;
            solid.vertices[10 * f + 2 * j + 1] = b - (b - a) * cut;
            decagon[2 * j] = 10 * f + 2 * j;
            decagon[2 * j + 1] = 10 * f + 2 * j + 1;
        }
        SetPolygon(solid.faces[f], decagon);
        PaintFaceOneColour(solid.faces[f], solid.params, kDodecahedronPatterns[0][f], 1);
    }
}

void BuildBaguaTree(Solid& solid) {
    // The eight trigrams grown from one origin: the first line splits along z,
    // the second along y, the third along x, so that the eight trigrams are the
    // cube's corners. Vertex 0 is the origin; the children of vertex i are
    // 2i + 1 (yang, +) and 2i + 2 (yin, -). Each branch is a two-corner face
    // coloured by its generation.
    constexpr int32_t kNodes = 15;
    if (!SizeMesh(solid, kNodes, kNodes - 1)) return;
    const double s = ReferenceLength(solid.params, CubeRatio());
    solid.vertices[0] = {0.0, 0.0, 0.0};
    for (int32_t i = 1; i < kNodes; ++i) {
        const int32_t parent = (i - 1) / 2;
        const double sign = (i % 2 == 1) ? 1.0 : -1.0;
        const int32_t generation = i < 3 ? 1 : i < 7 ? 2 : 3;
        Vec3 p = solid.vertices[parent];
        if (generation == 1) p.z = sign * s;
        if (generation == 2) p.y = sign * s;
        if (generation == 3) p.x = sign * s;
        solid.vertices[i] = p;
        Face& face = solid.faces[i - 1];
        SetPolygon(face, {parent, i});
        PaintFaceOneColour(face, solid.params, static_cast<uint8_t>(generation - 1), 1);
    }
}

}  // namespace gyro::regular
