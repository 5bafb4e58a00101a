// The Catalan solids that stand on the flags of a regular solid P: their
// vertices lie on the axes through P's vertices, face centres and edge
// midpoints, at the pole distances of the Archimedean partner's faces, and
// their faces are listed from P's faces:
//   kis (triakis, tetrakis, pentakis): a triangle on every edge of every face;
//   rhombic: one rhombus per edge of P (two vertices of P, two face poles);
//   deltoidal: one kite per corner of every face (face, edge, vertex, edge);
//   disdyakis: the deltoidal kite cut in two along its diagonal.
// Every face keeps the winding of the face of P it comes from, so it faces
// outwards as P's faces do.

#include <algorithm>
#include <cmath>
#include <vector>

#include "catalog/catalan_base.h"
#include "catalog/catalan_builders.h"
#include "catalog/vertex_sets.h"
#include "model/solid_ops.h"

namespace gyro::catalan {

SizeRatio CatalanRatio(SizeRatio partner) {
    partner.form = partner.form == SizeForm::Circumradius ? SizeForm::FaceDistance : SizeForm::Circumradius;
    return partner;
}

double CatalanScale(const BuildParams& params, const CatalanSize& size, double circumradius, double inradius) {
    if (params.conhensez != 0 && size.partnerMidradius != nullptr) return size.partnerMidradius(params);
    const double length = ReferenceLength(params, size.ratio);
    return length / (size.ratio.form == SizeForm::Circumradius ? circumradius : inradius);
}

namespace {

const double kSqrt2 = std::sqrt(2.0);
const double kSqrt5 = std::sqrt(5.0);

// ---- Pole distances --------------------------------------------------------
// An Archimedean solid with midradius 1 and half-edge eps has its regular
// n-gons at distance sqrt(1 - eps^2 cot^2(pi/n)); the pole of such a face, the
// Catalan vertex on its axis, lies at the reciprocal. The partner's
// circumradius is sqrt(1 + eps^2), so the Catalan inradius is its reciprocal.

double CotSquared(int n) {
    switch (n) {
        case 3: return 1.0 / 3.0;
        case 4: return 1.0;
        case 5: return 1.0 + 2.0 / kSqrt5;
        case 6: return 3.0;
        case 8: return 3.0 + 2.0 * kSqrt2;
        default: return 5.0 + 2.0 * kSqrt5;  // 10
    }
}

double Pole(double eps, int n) { return 1.0 / std::sqrt(1.0 - eps * eps * CotSquared(n)); }
double Inradius(double eps) { return 1.0 / std::sqrt(1.0 + eps * eps); }

// Half-edge : midradius of the partners.
const double kIcosidodecahedronEps = 1.0 / std::sqrt(5.0 + 2.0 * kSqrt5);
const double kRhombicuboctahedronEps = 1.0 / std::sqrt(4.0 + 2.0 * kSqrt2);
const double kRhombicosidodecahedronEps = 1.0 / std::sqrt(10.0 + 4.0 * kSqrt5);
const double kTruncatedTetrahedronEps = kSqrt2 / 3.0;
const double kTruncatedCubeEps = 1.0 / (2.0 + kSqrt2);
const double kTruncatedOctahedronEps = 1.0 / 3.0;
const double kTruncatedDodecahedronEps = 2.0 / (5.0 + 3.0 * kSqrt5);
const double kTruncatedIcosahedronEps = 2.0 / (3.0 + 3.0 * kSqrt5);
const double kTruncatedCuboctahedronEps = 1.0 / std::sqrt(12.0 + 6.0 * kSqrt2);
const double kTruncatedIcosidodecahedronEps = 1.0 / std::sqrt(30.0 + 12.0 * kSqrt5);

// ---- Sizes -----------------------------------------------------------------
// A Catalan solid takes its partner's ratio q in the other form: the partner's
// nearest faces are at r, its circumradius q r; the Catalan solid's farthest
// vertices are the poles of those faces. With conhensez the partners of the
// first group size themselves by qEdge so that their midsphere has radius
// base × qEdge^(kikaku/2); the Catalan solid, read the same way, then has that
// midsphere too. The truncated solids size themselves by formulas of their
// own, so their partners take the midradius those formulas give.

SizeRatio Ratio(double q, int32_t BuildParams::*base, SizeForm form = SizeForm::Circumradius) {
    return {q, q, form, base};
}

// The truncated solids' midradii from their own sizes (vertex_sets.h).
double TruncatedTetrahedronMidradius(const BuildParams& p) {
    return TruncatedTetrahedronSize(p) / std::sqrt(3.0);  // circumradius sqrt33 o / 9, midradius 3/sqrt11 of it
}
double TruncatedCubeMidradius(const BuildParams& p) { return kSqrt2 * TruncatedCubeSize(p); }
double TruncatedOctahedronMidradius(const BuildParams& p) { return TruncatedOctahedronSize(p) / kSqrt2; }
double TruncatedDodecahedronMidradius(const BuildParams& p) {
    return TruncatedDodecahedronSize(p) * Pole(kTruncatedDodecahedronEps, 10);  // the decagons' distance
}
double TruncatedIcosahedronMidradius(const BuildParams& p) {
    const double circumradius = TruncatedIcosahedronSize(p) * std::sqrt(4.0 / kSqrt5 + 5.0) / 3.0;
    return circumradius * Inradius(kTruncatedIcosahedronEps);
}

// ---- Writers -------------------------------------------------------------------

// Vertices: P's vertices at vertexPole, then the face poles, then (edgePole > 0)
// the edge poles, all times scale.
void WritePoles(Solid& solid, const Base& base, double vertexPole, double facePole, double edgePole, double scale) {
    std::vector<Vec3>& out = solid.vertices;
    size_t i = 0;
    for (const Vec3& v : base.vertices) out[i++] = v * (vertexPole * scale);
    for (const Vec3& f : base.faceAxes) out[i++] = f * (facePole * scale);
    if (edgePole <= 0.0) return;
    for (size_t e = 0; e < base.edges.size(); ++e) out[i++] = base.EdgeAxis(static_cast<int32_t>(e)) * (edgePole * scale);
}

// A pyramid on every face of P; face order follows the flags (the triangle on
// the edge leaving each corner).
std::vector<Flag> WriteKis(Solid& solid, const Base& base, double vertexPole, double apexPole, double scale) {
    const std::vector<Flag> flags = Flags(base);
    const int32_t nv = Count(base.vertices.size());
    if (!SizeMesh(solid, nv + Count(base.faces.size()), Count(flags.size()))) return {};
    WritePoles(solid, base, vertexPole, apexPole, 0.0, scale);
    for (size_t i = 0; i < flags.size(); ++i) {
        const Edge& e = base.edges[flags[i].edgeAfter];
        const int32_t next = e.a == flags[i].vertex ? e.b : e.a;
        SetPolygon(solid.faces[i], {nv + flags[i].face, flags[i].vertex, next});
    }
    return flags;
}

// One rhombus per edge of P, in edge order.
void WriteRhombic(Solid& solid, const Base& base, double vertexPole, double facePole, double scale) {
    const int32_t nv = Count(base.vertices.size());
    if (!SizeMesh(solid, nv + Count(base.faces.size()), Count(base.edges.size()))) return;
    WritePoles(solid, base, vertexPole, facePole, 0.0, scale);
    for (size_t i = 0; i < base.edges.size(); ++i) {
        const Edge& e = base.edges[i];
        SetPolygon(solid.faces[i], {e.a, nv + e.right, e.b, nv + e.left});
    }
}

// Vertex index of edge pole e and face pole f in the deltoidal and disdyakis solids.
int32_t EdgePole(const Base& base, int32_t e) { return Count(base.vertices.size() + base.faces.size()) + e; }
int32_t FacePole(const Base& base, int32_t f) { return Count(base.vertices.size()) + f; }

// One kite per flag.
std::vector<Flag> WriteDeltoidal(Solid& solid, const Base& base, double vertexPole, double facePole, double edgePole,
                                 double scale) {
    const std::vector<Flag> flags = Flags(base);
    const size_t nv = base.vertices.size() + base.faces.size() + base.edges.size();
    if (!SizeMesh(solid, Count(nv), Count(flags.size()))) return {};
    WritePoles(solid, base, vertexPole, facePole, edgePole, scale);
    for (size_t i = 0; i < flags.size(); ++i) {
        const Flag& g = flags[i];
        SetPolygon(solid.faces[i],
                   {FacePole(base, g.face), EdgePole(base, g.edgeBefore), g.vertex, EdgePole(base, g.edgeAfter)});
    }
    return flags;
}

// Two triangles per flag: faces 2i and 2i + 1 halve flag i's kite.
std::vector<Flag> WriteDisdyakis(Solid& solid, const Base& base, double vertexPole, double facePole, double edgePole,
                                 double scale) {
    const std::vector<Flag> flags = Flags(base);
    const size_t nv = base.vertices.size() + base.faces.size() + base.edges.size();
    if (!SizeMesh(solid, Count(nv), Count(2 * flags.size()))) return {};
    WritePoles(solid, base, vertexPole, facePole, edgePole, scale);
    for (size_t i = 0; i < flags.size(); ++i) {
        const Flag& g = flags[i];
        SetPolygon(solid.faces[2 * i], {FacePole(base, g.face), EdgePole(base, g.edgeBefore), g.vertex});
        SetPolygon(solid.faces[2 * i + 1], {FacePole(base, g.face), g.vertex, EdgePole(base, g.edgeAfter)});
    }
    return flags;
}

// ---- Colours -----------------------------------------------------------------

void SetColour(Solid& solid, size_t face, int pattern, uint8_t index) {
    solid.faces[face].colours[pattern] = solid.params.palette[index % kPaletteSize];
}

// The two tetrahedra among the cube's corners (0, 2, 5, 7 and 1, 3, 4, 6).
uint8_t CubeCornerClass(int32_t v) { return (v == 0 || v == 2 || v == 5 || v == 7) ? 0 : 1; }

}  // namespace

// ---- Rhombic solids ---------------------------------------------------------------

void BuildRhombicDodecahedron(Solid& solid) {
    // The six four-valent vertices at s, the eight three-valent ones at s sqrt3 / 2.
    // Patterns: the proper three-colouring (by the axis a face's normal misses),
    // opposite faces alike, three layers, the faces around the corners of either
    // tetrahedron, the faces at the poles against the belt, one colour.
    constexpr std::array<std::array<uint8_t, 12>, 7> kPatterns = {{
        {1, 0, 1, 0, 2, 2, 2, 2, 1, 0, 1, 0},
        {0, 1, 2, 3, 4, 5, 4, 5, 2, 3, 0, 1},
        {0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2},
        {0, 3, 3, 0, 0, 1, 3, 2, 1, 1, 2, 2},
        {4, 4, 5, 5, 6, 4, 7, 5, 6, 7, 7, 6},
        {0, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0},
        {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
    }};
    if (!SizeMesh(solid, 14, 12)) return;
    const double s = ReferenceLength(solid.params, CatalanRatio(CuboctahedronRatio()));
    const double h = s / 2.0;
    std::vector<Vec3>& v = solid.vertices;
    v[0] = {0.0, 0.0, s};
    v[1] = {h, h, h};
    v[2] = {h, -h, h};
    v[3] = {-h, -h, h};
    v[4] = {-h, h, h};
    v[5] = {0.0, s, 0.0};
    v[6] = {s, 0.0, 0.0};
    v[7] = {0.0, -s, 0.0};
    v[8] = {-s, 0.0, 0.0};
    for (int32_t i = 1; i <= 4; ++i) v[8 + i] = {v[i].x, v[i].y, -h};
    v[13] = {0.0, 0.0, -s};
    for (int32_t i = 1; i <= 4; ++i) {
        const int32_t m = i % 4;
        SetPolygon(solid.faces[i - 1], {0, i, 5 + m, 1 + m});
        SetPolygon(solid.faces[3 + i], {4 + i, 8 + i, 5 + m, i});
        SetPolygon(solid.faces[7 + i], {13, 9 + m, 5 + m, 8 + i});
    }
    for (size_t f = 0; f < 12; ++f) {
        for (int p = 0; p < 7; ++p) SetColour(solid, f, p, kPatterns[p][f]);
    }
    solid.patternCount = 7;
}

void BuildRhombicTriacontahedron(Solid& solid) {
    // On the icosahedron: its twelve vertices (five-valent) and twenty face
    // poles (three-valent), one rhombus per icosahedron edge.
    const CatalanSize size{CatalanRatio(IcosidodecahedronRatio())};
    const Base base = IcosahedronBase();
    const double eps = kIcosidodecahedronEps;
    const double p5 = Pole(eps, 5);
    const double p3 = Pole(eps, 3);
    WriteRhombic(solid, base, p5, p3, CatalanScale(solid.params, size, std::max(p5, p3), Inradius(eps)));
    if (solid.faceCount() != 30) return;
    // Patterns: by the five-colour pattern of the icosahedron face on the
    // rhombus's left, the upper and lower half against the belt, by the
    // five-valent vertex nearer the top, one colour.
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

// ---- Deltoidal solids ---------------------------------------------------------------

void BuildDeltoidalIcositetrahedron(Solid& solid, bool pseudo) {
    const CatalanSize size{CatalanRatio(RhombicuboctahedronRatio())};
    const Base base = CubeBase();
    const double eps = kRhombicuboctahedronEps;
    const double p3 = Pole(eps, 3);
    const double p4 = Pole(eps, 4);
    const std::vector<Flag> flags =
        WriteDeltoidal(solid, base, p3, p4, p4, CatalanScale(solid.params, size, std::max(p3, p4), Inradius(eps)));
    if (flags.empty()) return;
    for (size_t i = 0; i < flags.size(); ++i) {
        SetColour(solid, i, 0, kCubePatterns[0][flags[i].face]);
        SetColour(solid, i, 1, CubeCornerClass(flags[i].vertex));
        SetColour(solid, i, 2, kCubePatterns[3][flags[i].face]);
    }
    solid.patternCount = 3;
    if (!pseudo) return;

    // The dual of the pseudo-rhombicuboctahedron: the cap under the bottom face
    // (its four corner poles and four edge poles) turned 45 degrees about the
    // z axis, and the eight kites along the seam joined to the turned cap. Side
    // face 2 + j faces compass angle 90j; top corner j and bottom corner 4 + j
    // sit at 90j + 45 before the turn.
    std::vector<Vec3>& v = solid.vertices;
    auto turn = [](Vec3 p) { return Vec3{(p.x + p.y) / kSqrt2, (p.y - p.x) / kSqrt2, p.z}; };
    const int32_t bottomFace = 1;
    for (int32_t c = 4; c < 8; ++c) v[c] = turn(v[c]);
    for (int32_t e = 0; e < Count(base.edges.size()); ++e) {
        if (base.edges[e].a >= 4 && base.edges[e].b >= 4) v[EdgePole(base, e)] = turn(v[EdgePole(base, e)]);
    }
    auto edgePole = [&](int32_t a, int32_t b) { return EdgePole(base, base.EdgeOf(a, b)); };
    for (size_t i = 0; i < flags.size(); ++i) {
        const Flag& g = flags[i];
        if (g.face == bottomFace || g.vertex < 4 || g.face < 2) continue;
        const int32_t j = g.face - 2;
        const int32_t face = FacePole(base, g.face);
        const int32_t under = 4 + (j + 3) % 4;  // the turned corner now below this side face
        if (g.vertex == 4 + j) {
            // The seam at 90j + 45, along the upright edge (j, 4 + j).
            SetPolygon(solid.faces[i], {face, under, edgePole(under, 4 + j), edgePole(j, 4 + j)});
        } else {
            // The seam at 90j - 45, along the upright edge ((j + 3) % 4, under).
            SetPolygon(solid.faces[i], {face, edgePole((j + 3) % 4, under), edgePole(4 + (j + 2) % 4, under), under});
        }
    }
}

void BuildDeltoidalHexecontahedron(Solid& solid) {
    const CatalanSize size{CatalanRatio(RhombicosidodecahedronRatio())};
    const Base base = DodecahedronBase();
    const double eps = kRhombicosidodecahedronEps;
    const double p3 = Pole(eps, 3);
    const double p4 = Pole(eps, 4);
    const double p5 = Pole(eps, 5);
    const std::vector<Flag> flags = WriteDeltoidal(
        solid, base, p3, p5, p4, CatalanScale(solid.params, size, std::max({p3, p4, p5}), Inradius(eps)));
    for (size_t i = 0; i < flags.size(); ++i) SetColour(solid, i, 0, kDodecahedronPatterns[0][flags[i].face]);
}

// ---- Kis solids -----------------------------------------------------------------------

void BuildTriakisTetrahedron(Solid& solid) {
    // Six-valent vertices on the tetrahedron's corners (a corner on top), the
    // apexes on the axes of its faces, below.
    const CatalanSize size{Ratio(std::sqrt(33.0) / 3.0, &BuildParams::baseSizeA), TruncatedTetrahedronMidradius};
    const Base base = TetrahedronBase();
    const double eps = kTruncatedTetrahedronEps;
    const double p6 = Pole(eps, 6);
    const double p3 = Pole(eps, 3);
    const std::vector<Flag> flags =
        WriteKis(solid, base, p6, p3, CatalanScale(solid.params, size, std::max(p6, p3), Inradius(eps)));
    // Patterns: by the tetrahedron face, by the tetrahedron edge under the
    // triangle (opposite edges alike).
    for (size_t i = 0; i < flags.size(); ++i) {
        const Edge& e = base.edges[flags[i].edgeAfter];
        SetColour(solid, i, 0, kTetrahedronPatterns[0][flags[i].face]);
        SetColour(solid, i, 1, static_cast<uint8_t>((e.a ^ e.b) - 1));
    }
    if (!flags.empty()) solid.patternCount = 2;
}

void BuildTetrakisHexahedron(Solid& solid) {
    const CatalanSize size{Ratio(std::sqrt(5.0 / 3.0), &BuildParams::baseSizeB, SizeForm::FaceDistance),
                           TruncatedOctahedronMidradius};
    const Base base = CubeBase();
    const double eps = kTruncatedOctahedronEps;
    const double p6 = Pole(eps, 6);
    const double p4 = Pole(eps, 4);
    const std::vector<Flag> flags =
        WriteKis(solid, base, p6, p4, CatalanScale(solid.params, size, std::max(p6, p4), Inradius(eps)));
    for (size_t i = 0; i < flags.size(); ++i) {
        for (int p = 0; p < 5; ++p) SetColour(solid, i, p, kCubePatterns[p][flags[i].face]);
    }
    if (!flags.empty()) solid.patternCount = 5;
}

void BuildTriakisOctahedron(Solid& solid) {
    const double q = std::sqrt(5.0 - 2.0 * kSqrt2);
    const CatalanSize size{Ratio(q, &BuildParams::baseSizeB), TruncatedCubeMidradius};
    const Base base = OctahedronBase();
    const double eps = kTruncatedCubeEps;
    const double p8 = Pole(eps, 8);
    const double p3 = Pole(eps, 3);
    const std::vector<Flag> flags =
        WriteKis(solid, base, p8, p3, CatalanScale(solid.params, size, std::max(p8, p3), Inradius(eps)));
    for (size_t i = 0; i < flags.size(); ++i) {
        for (int p = 0; p < 3; ++p) SetColour(solid, i, p, kOctahedronPatterns[p][flags[i].face]);
    }
    if (!flags.empty()) solid.patternCount = 3;
}

void BuildPentakisDodecahedron(Solid& solid) {
    const double q = std::sqrt((17.0 - 6.0 * kSqrt5) / 3.0);
    const CatalanSize size{Ratio(q, &BuildParams::baseSizeC, SizeForm::FaceDistance), TruncatedIcosahedronMidradius};
    const Base base = DodecahedronBase();
    const double eps = kTruncatedIcosahedronEps;
    const double p6 = Pole(eps, 6);
    const double p5 = Pole(eps, 5);
    const std::vector<Flag> flags =
        WriteKis(solid, base, p6, p5, CatalanScale(solid.params, size, std::max(p6, p5), Inradius(eps)));
    for (size_t i = 0; i < flags.size(); ++i) {
        for (int p = 0; p < 2; ++p) SetColour(solid, i, p, kDodecahedronPatterns[p][flags[i].face]);
    }
    if (!flags.empty()) solid.patternCount = 2;
}

void BuildTriakisIcosahedron(Solid& solid) {
    const double q = std::sqrt(125.0 - 40.0 * kSqrt5) / 5.0;
    const CatalanSize size{Ratio(q, &BuildParams::baseSizeC), TruncatedDodecahedronMidradius};
    const Base base = IcosahedronBase();
    const double eps = kTruncatedDodecahedronEps;
    const double p10 = Pole(eps, 10);
    const double p3 = Pole(eps, 3);
    const std::vector<Flag> flags =
        WriteKis(solid, base, p10, p3, CatalanScale(solid.params, size, std::max(p10, p3), Inradius(eps)));
    for (size_t i = 0; i < flags.size(); ++i) {
        for (int p = 0; p < 2; ++p) SetColour(solid, i, p, kIcosahedronPatterns[p][flags[i].face]);
    }
    if (!flags.empty()) solid.patternCount = 2;
}

// ---- Disdyakis solids ---------------------------------------------------------------------

void BuildDisdyakisDodecahedron(Solid& solid) {
    const CatalanSize size{CatalanRatio(TruncatedCuboctahedronRatio())};
    const Base base = CubeBase();
    const double eps = kTruncatedCuboctahedronEps;
    const double p6 = Pole(eps, 6);
    const double p8 = Pole(eps, 8);
    const double p4 = Pole(eps, 4);
    const std::vector<Flag> flags = WriteDisdyakis(
        solid, base, p6, p8, p4, CatalanScale(solid.params, size, std::max({p4, p6, p8}), Inradius(eps)));
    // Patterns: five of the cube's, by the cube face; the two halves of every
    // kite apart (no two neighbours alike); by the tetrahedron of the corner.
    for (size_t i = 0; i < flags.size(); ++i) {
        for (size_t half = 0; half < 2; ++half) {
            const size_t f = 2 * i + half;
            for (int p = 0; p < 5; ++p) SetColour(solid, f, p, kCubePatterns[p][flags[i].face]);
            SetColour(solid, f, 5, static_cast<uint8_t>(half));
            SetColour(solid, f, 6, static_cast<uint8_t>(2 + CubeCornerClass(flags[i].vertex)));
        }
    }
    if (!flags.empty()) solid.patternCount = 7;
}

void BuildDisdyakisTriacontahedron(Solid& solid) {
    const CatalanSize size{CatalanRatio(TruncatedIcosidodecahedronRatio())};
    const Base base = DodecahedronBase();
    const double eps = kTruncatedIcosidodecahedronEps;
    const double p6 = Pole(eps, 6);
    const double p10 = Pole(eps, 10);
    const double p4 = Pole(eps, 4);
    const std::vector<Flag> flags = WriteDisdyakis(
        solid, base, p6, p10, p4, CatalanScale(solid.params, size, std::max({p4, p6, p10}), Inradius(eps)));
    // Patterns: the six dodecahedral ones, by the dodecahedron face; the two
    // halves of every kite apart.
    for (size_t i = 0; i < flags.size(); ++i) {
        for (size_t half = 0; half < 2; ++half) {
            const size_t f = 2 * i + half;
            for (int p = 0; p < 6; ++p) SetColour(solid, f, p, kDodecahedronPatterns[p][flags[i].face]);
            SetColour(solid, f, 6, static_cast<uint8_t>(half));
        }
    }
    if (!flags.empty()) solid.patternCount = 7;
}

}  // namespace gyro::catalan
