// The rhombic zonohedra (62, 63, 83) and the stellated isohedral solids on the
// icosahedron's and the rhombic dodecahedron's axes (79-82, 84-87).

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "catalog/catalan_base.h"
#include "catalog/catalan_builders.h"
#include "catalog/vertex_sets.h"
#include "model/solid_ops.h"

namespace gyro::catalan {

namespace {

const double kSqrt5 = std::sqrt(5.0);
const double kPhi = (1.0 + kSqrt5) / 2.0;

void SetColour(Solid& solid, size_t face, int pattern, uint8_t index) {
    solid.faces[face].colours[pattern] = solid.params.palette[index % kPaletteSize];
}

// Opposite icosahedron vertices alike: 0 and 11 in one colour, the rings in five.
uint8_t IcosahedronAxisColour(int32_t v) { return v == 0 || v == 11 ? 0 : static_cast<uint8_t>((v - 1) % 5 + 1); }

// ---- Zonohedra ----------------------------------------------------------------
// The sum of the segments [-u/2, u/2] over the zone vectors: for every pair
// (i, j) of zones a rhombus on each side, placed by the signs of the other
// zones against the pair's normal. A vertex is the sum of ±u/2 over all zones,
// numbered as it is first met. Rhombus k of pair (i, j) is face 2 * pairIndex + k,
// k = 0 on the side of u_i × u_j.

struct ZoneFace {
    int32_t i;
    int32_t j;
    int32_t side;  // 0: on the side of u_i x u_j, 1: opposite
};

std::vector<ZoneFace> WriteZonohedron(Solid& solid, const std::vector<Vec3>& zones, double circumradius) {
    const auto n = static_cast<int32_t>(zones.size());
    const int32_t faces = n * (n - 1);
    if (!SizeMesh(solid, faces + 2, faces)) return {};
    std::vector<int32_t> vertexOf(size_t{1} << n, -1);
    int32_t vertexCount = 0;
    auto vertex = [&](uint32_t signs) {
        int32_t& index = vertexOf[signs];
        if (index < 0 && vertexCount < faces + 2) {
            Vec3 p;
            for (int32_t k = 0; k < n; ++k) p = p + zones[k] * (((signs >> k) & 1U) != 0 ? 0.5 : -0.5);
            index = vertexCount++;
            solid.vertices[index] = p;
        }
        return std::max(index, 0);
    };
    std::vector<ZoneFace> out;
    for (int32_t i = 0; i < n; ++i) {
        for (int32_t j = i + 1; j < n; ++j) {
            const Vec3 normal = Cross(zones[i], zones[j]);
            for (int32_t side = 0; side < 2; ++side) {
                uint32_t signs = 0;
                for (int32_t k = 0; k < n; ++k) {
                    if (k != i && k != j && (Dot(normal, zones[k]) > 0.0) == (side == 0)) signs |= 1U << k;
                }
                const uint32_t bi = 1U << i;
                const uint32_t bj = 1U << j;
                // Round the rhombus from -u_i - u_j: anticlockwise about u_i x u_j,
                // so clockwise seen from outside on side 0.
                std::array<int32_t, 4> c = {vertex(signs), vertex(signs | bi), vertex(signs | bi | bj),
                                            vertex(signs | bj)};
                if (side == 0) std::swap(c[1], c[3]);
                const size_t f = out.size();
                SetPolygon(solid.faces[f], c);
                out.push_back({i, j, side});
            }
        }
    }
    ScaleToRadius(solid, circumradius);
    return out;
}

SizeRatio FixedRatio(double q, int32_t BuildParams::*base) { return {q, q, SizeForm::Circumradius, base}; }

}  // namespace

void BuildRhombicIcosahedron(Solid& solid) {
    // The rhombic triacontahedron without the zone of the z axis: five-valent
    // vertices on the z axis.
    std::vector<Vec3> zones;
    for (int32_t j = 0; j < 5; ++j) zones.push_back(RingPoint(-2.0 / kSqrt5, j, 5, 1.0 / kSqrt5));
    const auto faces =
        WriteZonohedron(solid, zones, ReferenceLength(solid.params, FixedRatio(1.25, &BuildParams::baseSizeC)));
    // Patterns: the rhombi round the poles against those of the belt (zones
    // next to each other in the ring or not); the upper half against the lower.
    for (size_t f = 0; f < faces.size(); ++f) {
        const int32_t gap = faces[f].j - faces[f].i;
        SetColour(solid, f, 0, gap == 1 || gap == 4 ? 0 : 1);
        SetColour(solid, f, 1, static_cast<uint8_t>(2 + faces[f].side));
    }
    if (!faces.empty()) solid.patternCount = 2;
}

void BuildBilinskiDodecahedron(Solid& solid) {
    // Four of the icosahedron's six axes, (0, ±1, φ) and (±1, φ, 0): a face
    // across the z axis, golden rhombi.
    const std::vector<Vec3> zones = {{0.0, 1.0, kPhi}, {0.0, -1.0, kPhi}, {1.0, kPhi, 0.0}, {-1.0, kPhi, 0.0}};
    const auto faces =
        WriteZonohedron(solid, zones, ReferenceLength(solid.params, FixedRatio(1.25, &BuildParams::baseSizeB)));
    // Patterns: opposite faces alike (by zone pair); one side against the other.
    for (size_t f = 0; f < faces.size(); ++f) {
        SetColour(solid, f, 0, static_cast<uint8_t>(f / 2));
        SetColour(solid, f, 1, static_cast<uint8_t>(faces[f].side));
    }
    if (!faces.empty()) solid.patternCount = 2;
}

void BuildRhombicEnneacontahedron(Solid& solid) {
    // The zones of the ten three-fold axes (the dodecahedron's corners, one of
    // each opposite pair): sixty broad and thirty slim rhombi. It has no ratio
    // of its own in the size standard, so it keeps circumradius baseSizeC.
    std::vector<Vec3> corners(kDodecahedronVertices);
    WriteDodecahedron(corners, 0, 1.0);
    std::vector<Vec3> zones;
    for (int32_t v : {0, 1, 2, 3, 4, 10, 11, 12, 13, 14}) zones.push_back(Unit(corners[v]));
    const auto faces = WriteZonohedron(solid, zones, solid.params.baseSizeC);
    // The broad rhombi (zones at 70.5 degrees) in col[0], the slim ones in col[1].
    for (size_t f = 0; f < faces.size(); ++f) {
        const double c = std::abs(Dot(zones[faces[f].i], zones[faces[f].j]));
        SetColour(solid, f, 0, c < 0.5 ? 0 : 1);
    }
}

// ---- On the icosahedron ------------------------------------------------------------

void BuildRhombicHexecontahedron(Solid& solid) {
    // Twenty golden rhombohedra round the centre, one on each icosahedron
    // face: the icosahedron's vertices u (the inner, five-valent corners), the
    // sums of two (four-valent) and of three (the tips). Circumradius baseSizeC.
    const Base base = IcosahedronBase();
    const std::vector<Flag> flags = Flags(base);
    const int32_t edges = Count(base.edges.size());
    if (!SizeMesh(solid, 12 + edges + 20, Count(flags.size()))) return;
    const Triangle first = IcosahedronFace(0);
    const Vec3 tip = base.vertices[first[0]] + base.vertices[first[1]] + base.vertices[first[2]];
    const double a = solid.params.baseSizeC / Length(tip);
    std::vector<Vec3>& v = solid.vertices;
    for (int32_t i = 0; i < 12; ++i) v[i] = base.vertices[i] * a;
    for (int32_t e = 0; e < edges; ++e) v[12 + e] = (base.vertices[base.edges[e].a] + base.vertices[base.edges[e].b]) * a;
    for (int32_t f = 0; f < 20; ++f) {
        Vec3 sum;
        for (int32_t c : base.faces[f]) sum = sum + base.vertices[c];
        v[12 + edges + f] = sum * a;
    }
    for (size_t i = 0; i < flags.size(); ++i) {
        const Flag& g = flags[i];
        SetPolygon(solid.faces[i], {g.vertex, 12 + g.edgeAfter, 12 + edges + g.face, 12 + g.edgeBefore});
        SetColour(solid, i, 0, kIcosahedronPatterns[0][g.face]);
    }
}

void BuildStarRhombicHexecontahedron(Solid& solid, int32_t variant) {
    // Sixty golden rhombi over twelve five-valent vertices A on the
    // icosahedron's axes and two shells of twenty on its face axes, T
    // (three-valent) and S (six-valent); each rhombus joins A and T by its long
    // diagonal and two S by its short one. Variant 0 has T inside at 1/φ of S
    // (A at sqrt((5 + √5)/6)), with T on a face at A and S on the faces beside
    // it; variant 1 has T outside at φ (A at sqrt((5 - √5)/6)), on the face at
    // a neighbour of A that turns away from A, with S on the faces beyond T's
    // edges at that neighbour. These are the only two ways of closing such a
    // surface on these axes, so variant 2 draws variant 0's surface with its
    // colour patterns in the other order. Circumradius baseSizeC.
    const Base base = IcosahedronBase();
    const std::vector<Flag> flags = Flags(base);
    if (!SizeMesh(solid, 52, Count(flags.size()))) return;
    const bool inner = variant != 1;
    const double rA = std::sqrt((5.0 + (inner ? kSqrt5 : -kSqrt5)) / 6.0);
    const double rT = inner ? 1.0 / kPhi : kPhi;
    const double scale = solid.params.baseSizeC / std::max({rA, rT, 1.0});
    std::vector<Vec3>& v = solid.vertices;
    for (int32_t i = 0; i < 12; ++i) v[i] = base.vertices[i] * (rA * scale);
    for (int32_t f = 0; f < 20; ++f) {
        v[12 + f] = base.faceAxes[f] * (rT * scale);
        v[32 + f] = base.faceAxes[f] * scale;
    }
    for (size_t i = 0; i < flags.size(); ++i) {
        const Flag& g = flags[i];
        const Edge& before = base.edges[g.edgeBefore];
        const Edge& after = base.edges[g.edgeAfter];
        const int32_t prev = before.a == g.vertex ? before.b : before.a;
        const int32_t next = after.a == g.vertex ? after.b : after.a;
        int32_t t = g.face;
        int32_t s1 = base.FaceAcross(g.face, g.vertex, next);
        int32_t s2 = base.FaceAcross(g.face, prev, g.vertex);
        if (!inner) {
            // T on the face at the next corner that turns away from A, S on the
            // faces beyond T's edges at that corner.
            t = base.AwayFace(next, g.vertex);
            const auto& k = base.faces[t];
            const int32_t at = Count(std::find(k.begin(), k.end(), next) - k.begin());
            s1 = base.FaceAcross(t, next, k[(at + 1) % 3]);
            s2 = base.FaceAcross(t, k[(at + 2) % 3], next);
        }
        SetPolygon(solid.faces[i], {g.vertex, 32 + s1, 12 + t, 32 + s2});
        const std::array<uint8_t, 3> colours = {IcosahedronAxisColour(g.vertex), kIcosahedronPatterns[0][t],
                                                kIcosahedronPatterns[1][t]};
        for (int p = 0; p < 3; ++p) SetColour(solid, i, p, colours[variant == 2 ? 2 - p : p]);
    }
    solid.patternCount = 3;
}

namespace {

// Patterns of the solids with one rhombus per icosahedron edge: the
// icosahedron's five-colour pattern by the face on the rhombus's left, the
// upper half, the belt and the lower half, by the upper of the two five-valent
// ends, one colour.
void PaintEdgeRhombi(Solid& solid, const Base& base) {
    for (size_t i = 0; i < base.edges.size(); ++i) {
        const Edge& e = base.edges[i];
        SetColour(solid, i, 0, kIcosahedronPatterns[0][e.left]);
        const double z = base.vertices[e.a].z + base.vertices[e.b].z;
        SetColour(solid, i, 1, z > 1e-9 ? 0 : (z < -1e-9 ? 2 : 1));
        SetColour(solid, i, 2, static_cast<uint8_t>(std::min(e.a, e.b) % 5));
        SetColour(solid, i, 3, 5);
    }
    solid.patternCount = 4;
}

}  // namespace

void BuildMedialRhombicTriacontahedron(Solid& solid) {
    // The polar of the dodecadodecahedron: its pentagrams' poles (inner, 0-11)
    // and its pentagons' poles (φ times further out, 12-23) on the twelve
    // five-fold axes. The rhombus across icosahedron edge (a, b) joins a and b
    // inside with the two vertices opposite the edge outside. No ratio of its
    // own in the size standard: circumradius baseSizeC.
    const Base base = IcosahedronBase();
    if (!SizeMesh(solid, 24, Count(base.edges.size()))) return;
    const double outer = solid.params.baseSizeC;
    for (int32_t i = 0; i < 12; ++i) {
        solid.vertices[i] = base.vertices[i] * (outer / kPhi);
        solid.vertices[12 + i] = base.vertices[i] * outer;
    }
    for (size_t i = 0; i < base.edges.size(); ++i) {
        const Edge& e = base.edges[i];
        const int32_t c = base.ThirdCorner(e.left, e.a, e.b);
        const int32_t d = base.ThirdCorner(e.right, e.a, e.b);
        SetPolygon(solid.faces[i], {e.a, 12 + d, e.b, 12 + c});
    }
    PaintEdgeRhombi(solid, base);
}

void BuildGreatRhombicTriacontahedron(Solid& solid) {
    // The polar of the great icosidodecahedron (midradius 1 with its vertices
    // at the icosidodecahedron's): its pentagrams' poles at 5(√5 - 1)/8 on the
    // five-fold axes (0-11), its triangles' poles at (15 - 5√5)/8 over
    // sqrt((5 - 2√5)/3) on the face axes (12-31). The rhombus across
    // icosahedron edge (a, b) joins the two vertices opposite the edge with the
    // faces at a and b that turn away from it. Sized like the rhombic
    // triacontahedron.
    const Base base = IcosahedronBase();
    if (!SizeMesh(solid, 32, Count(base.edges.size()))) return;
    const double pentagramPole = 5.0 * (kSqrt5 - 1.0) / 8.0;
    const double trianglePole = (15.0 - 5.0 * kSqrt5) / 8.0 / std::sqrt((5.0 - 2.0 * kSqrt5) / 3.0);
    const double scale = ReferenceLength(solid.params, CatalanRatio(IcosidodecahedronRatio())) / trianglePole;
    for (int32_t i = 0; i < 12; ++i) solid.vertices[i] = base.vertices[i] * (pentagramPole * scale);
    for (int32_t f = 0; f < 20; ++f) solid.vertices[12 + f] = base.faceAxes[f] * (trianglePole * scale);
    for (size_t i = 0; i < base.edges.size(); ++i) {
        const Edge& e = base.edges[i];
        const int32_t c = base.ThirdCorner(e.left, e.a, e.b);
        const int32_t d = base.ThirdCorner(e.right, e.a, e.b);
        SetPolygon(solid.faces[i], {12 + base.AwayFace(e.a, e.b), d, 12 + base.AwayFace(e.b, e.a), c});
    }
    PaintEdgeRhombi(solid, base);
}

void BuildSmallTriambicIcosahedron(Solid& solid) {
    // The polar of the small ditrigonal icosidodecahedron (circumradius 1):
    // its triangles' poles at 2/√5 on the face axes (12-31), its pentagrams'
    // poles on the five-fold axes (0-11). One hexagon per icosahedron face
    // (p, q, r), alternating its corners with the faces beyond its edges.
    // Sized like the triakis icosahedron.
    const Base base = IcosahedronBase();
    if (!SizeMesh(solid, 32, 20)) return;
    const double trianglePole = 2.0 / kSqrt5;
    const double pentagramPole = 2.0 * std::sqrt(15.0) / (3.0 * std::sqrt(5.0 + 2.0 * kSqrt5));
    const double q = std::sqrt(125.0 - 40.0 * kSqrt5) / 5.0;
    const double scale = ReferenceLength(solid.params, FixedRatio(q, &BuildParams::baseSizeC)) / trianglePole;
    for (int32_t i = 0; i < 12; ++i) solid.vertices[i] = base.vertices[i] * (pentagramPole * scale);
    for (int32_t f = 0; f < 20; ++f) solid.vertices[12 + f] = base.faceAxes[f] * (trianglePole * scale);
    for (int32_t f = 0; f < 20; ++f) {
        const auto& c = base.faces[f];
        SetPolygon(solid.faces[f], {c[0], 12 + base.FaceAcross(f, c[0], c[1]), c[1],
                                    12 + base.FaceAcross(f, c[1], c[2]), c[2], 12 + base.FaceAcross(f, c[2], c[0])});
        SetColour(solid, f, 0, kIcosahedronPatterns[0][f]);
        SetColour(solid, f, 1, kIcosahedronPatterns[1][f]);
    }
    solid.patternCount = 2;
}

// ---- On the rhombic dodecahedron -------------------------------------------------------

void BuildFirstStellatedRhombicDodecahedron(Solid& solid) {
    // Three flattened octahedra, one along each axis: apexes at s on the axis,
    // the square of (±s, ±s) across it. Every face lies in a plane of the
    // rhombic dodecahedron whose four-valent vertices are at s; each plane
    // carries two of the twenty-four triangles. Circumradius s√2 = R of the size standard.
    if (!SizeMesh(solid, 18, 24)) return;
    const double R = ReferenceLength(solid.params, FixedRatio(1.5, &BuildParams::baseSizeB));
    const double s = R / std::sqrt(2.0);
    // The octahedron along z: kit vertex order (top, the four round, bottom),
    // the square turned 45 degrees.
    std::array<Vec3, 6> along{};
    along[0] = {0.0, 0.0, s};
    for (int32_t m = 0; m < 4; ++m) along[1 + m] = RingPoint(R, 2 * m + 1, 8, 0.0);
    along[5] = {0.0, 0.0, -s};
    for (int32_t k = 0; k < 3; ++k) {
        for (int32_t i = 0; i < 6; ++i) {
            Vec3 p = along[i];
            for (int32_t turn = 0; turn < k; ++turn) p = {p.z, p.x, p.y};  // z axis -> x axis -> y axis
            solid.vertices[6 * k + i] = p;
        }
        for (int32_t f = 0; f < 8; ++f) {
            const Triangle& t = kOctahedronFaces[f];
            const size_t face = 8 * k + f;
            SetPolygon(solid.faces[face], {6 * k + t[0], 6 * k + t[1], 6 * k + t[2]});
            SetColour(solid, face, 0, static_cast<uint8_t>(k));
        }
    }
    // Second pattern: the two triangles in one plane alike, opposite planes alike.
    for (size_t f = 0; f < 24; ++f) {
        const Vec3 n = FaceNormal(solid.faces[f], solid.vertices);
        const std::array<double, 3> c = {n.x, n.y, n.z};
        int32_t zero = 0;
        for (int32_t i = 1; i < 3; ++i) {
            if (std::abs(c[i]) < std::abs(c[zero])) zero = i;
        }
        const double product = c[(zero + 1) % 3] * c[(zero + 2) % 3];
        SetColour(solid, f, 1, static_cast<uint8_t>(2 * zero + (product > 0.0 ? 0 : 1)));
    }
    solid.patternCount = 2;
}

}  // namespace gyro::catalan
