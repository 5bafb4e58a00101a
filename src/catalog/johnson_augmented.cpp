// Johnson solids made by adding pyramids or cupolae to the faces of a prism, a
// regular or a truncated solid, or by cutting vertices off the icosahedron:
// J49-J67. Every face is listed clockwise as seen from outside, as the base
// solids list theirs, so a pyramid or cupola on a face inherits its winding.

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "catalog/build_kit.h"
#include "catalog/johnson_builders.h"
#include "model/solid_ops.h"

namespace gyro::johnson {

namespace {

Vec3 Centroid(const MeshBuilder& m, std::span<const int32_t> corners) {
    Vec3 c{};
    for (int32_t v : corners) c = c + m.Point(v);
    return c * (1.0 / static_cast<double>(corners.size()));
}

// The vertex over a regular face of a centred solid at the given height (the
// face's centroid points along its normal).
Vec3 OverFace(const MeshBuilder& m, std::span<const int32_t> corners, double height) {
    const Vec3 c = Centroid(m, corners);
    return c + c * (height / Length(c));
}

// A pyramid of equilateral triangles on a regular face; the apex is `apex`.
void WritePyramidFaces(MeshBuilder& m, std::span<const int32_t> corners, int32_t apex,
                       std::initializer_list<uint8_t> colours) {
    const size_t n = corners.size();
    for (size_t i = 0; i < n; ++i) m.Face({apex, corners[i], corners[(i + 1) % n]}, colours);
}

double PyramidHeight(double edge, int32_t n) {
    const double s = SinDeg(180.0 / n);
    return edge * std::sqrt(1.0 - 1.0 / (4.0 * s * s));
}

// A truncated solid from a regular one whose faces are listed clockwise from
// outside: the fraction `cut` of every edge is taken off at both ends, each old
// face becomes a 2k-gon (its first edge along an old edge) and each old vertex
// a triangle. The new vertices are numbered as the faces first reach them.
struct Truncated {
    std::vector<std::vector<int32_t>> bigFaces;   // one per old face
    std::vector<std::vector<int32_t>> triangles;  // one per old vertex
};

template <size_t K>
Truncated Truncate(MeshBuilder& m, const std::vector<Vec3>& old, std::span<const std::array<int32_t, K>> faces,
                   double cut) {
    const auto count = static_cast<int32_t>(old.size());
    std::map<std::pair<int32_t, int32_t>, int32_t> near;  // (a, b): the point near a on edge ab
    auto point = [&](int32_t a, int32_t b) {
        auto [it, added] = near.try_emplace({a, b}, 0);
        if (added) it->second = m.Vertex(old[a] + (old[b] - old[a]) * cut);
        return it->second;
    };
    Truncated t;
    std::vector<std::map<int32_t, int32_t>> corner(static_cast<size_t>(count));  // at a: next -> previous
    for (const auto& f : faces) {
        std::vector<int32_t> big;
        for (size_t i = 0; i < K; ++i) {
            const int32_t a = f[i];
            const int32_t b = f[(i + 1) % K];
            const int32_t p = f[(i + K - 1) % K];
            big.push_back(point(a, b));
            big.push_back(point(b, a));
            // The triangle at a runs against this face: from the point towards b to the one towards p.
            corner[a][point(a, b)] = point(a, p);
        }
        t.bigFaces.push_back(big);
    }
    for (int32_t a = 0; a < count; ++a) {
        std::vector<int32_t> tri;
        int32_t v = corner[a].begin()->first;
        for (size_t i = 0; i < corner[a].size(); ++i) {
            tri.push_back(v);
            v = corner[a][v];
        }
        t.triangles.push_back(tri);
    }
    return t;
}

}  // namespace

void WriteCupolaOn(MeshBuilder& m, std::span<const int32_t> base, int32_t offset, std::span<const int32_t> slots,
                   const FaceColours& colours) {
    const auto n = static_cast<int32_t>(base.size() / 2);
    auto B = [&](int32_t k) { return base[static_cast<size_t>((k + offset) % (2 * n))]; };
    const double edge = Length(m.Point(base[0]) - m.Point(base[1]));
    const double s = SinDeg(180.0 / n);
    const double smallRadius = edge / (2.0 * s);
    const double height = edge * std::sqrt(1.0 - 1.0 / (4.0 * s * s));
    const Vec3 c = Centroid(m, base);
    const Vec3 up = c * (1.0 / Length(c));
    std::vector<int32_t> small;
    for (int32_t j = 0; j < n; ++j) {
        // Each small vertex stands over the middle of a triangle's rim edge.
        const Vec3 mid = (m.Point(B(2 * j)) + m.Point(B(2 * j + 1))) * 0.5;
        const Vec3 out = mid - c;
        const Vec3 p = c + out * (smallRadius / Length(out)) + up * height;
        if (slots.empty()) {
            small.push_back(m.Vertex(p));
        } else {
            small.push_back(slots[static_cast<size_t>(j)]);
            m.At(small.back()) = p;
        }
    }
    FaceColours top = colours, triangle = colours, square = colours;
    top[0] = PolygonColour(n);
    triangle[0] = PolygonColour(3);
    square[0] = PolygonColour(4);
    m.Face(small, top);
    for (int32_t j = 0; j < n; ++j) {
        const int32_t a = small[static_cast<size_t>(j)];
        const int32_t b = small[static_cast<size_t>((j + 1) % n)];
        m.Face(std::vector<int32_t>{a, B(2 * j), B(2 * j + 1)}, triangle);
        m.Face(std::vector<int32_t>{b, a, B(2 * j + 1), B(2 * j + 2)}, square);
    }
}

void BuildAugmentedPrism(Solid& solid, int32_t n, std::span<const int32_t> augmentedSides) {
    MeshBuilder m(1);
    const double L = solid.params.baseSizeA;
    const double edge = 2.0 * L * SinDeg(180.0 / n);
    for (int32_t k = 0; k < n; ++k) m.Vertex(kit::RingPoint(L, k, n, edge / 2.0));
    for (int32_t k = 0; k < n; ++k) m.Vertex(kit::RingPoint(L, k, n, -edge / 2.0));
    std::vector<int32_t> top, bottom;
    for (int32_t k = 0; k < n; ++k) {
        top.push_back(k);
        bottom.push_back(n + (n - k) % n);
    }
    m.Face(top, {PolygonColour(n)});
    m.Face(bottom, {PolygonColour(n)});
    const double height = edge / std::sqrt(2.0);
    for (int32_t k = 0; k < n; ++k) {
        const std::vector<int32_t> side = {(k + 1) % n, k, n + k, n + (k + 1) % n};
        if (std::find(augmentedSides.begin(), augmentedSides.end(), k) == augmentedSides.end()) {
            m.Face(side, {PolygonColour(4)});
        } else {
            WritePyramidFaces(m, side, m.Vertex(OverFace(m, side, height)), {PolygonColour(3)});
        }
    }
    m.Write(solid);
}

void BuildAugmentedDodecahedron(Solid& solid, std::span<const int32_t> augmentedFaces) {
    MeshBuilder m(1);
    const double L = solid.params.baseSizeA;
    // Circumradius L; 32 vertex slots, the apex over face f in slot 20 + f.
    m.ReserveSlots(32);
    std::vector<Vec3> v(20);
    kit::WriteDodecahedron(v, 0, L / std::sqrt(15.0 - 6.0 * std::sqrt(5.0)));
    for (int32_t i = 0; i < 20; ++i) m.At(i) = v[i];
    const double edge = 4.0 * L / (std::sqrt(3.0) * (1.0 + std::sqrt(5.0)));
    for (int32_t f = 0; f < 12; ++f) {
        const kit::Pentagon face = kit::DodecahedronFace(f);
        if (std::find(augmentedFaces.begin(), augmentedFaces.end(), f) == augmentedFaces.end()) {
            m.Face(face, {PolygonColour(5)});
        } else {
            m.At(20 + f) = OverFace(m, face, PyramidHeight(edge, 5));
            WritePyramidFaces(m, face, 20 + f, {PolygonColour(3)});
        }
    }
    m.Write(solid);
}

void BuildDiminishedIcosahedron(Solid& solid, int32_t j) {
    MeshBuilder m(6);
    const double L = solid.params.baseSizeA;
    // Circumradius L; 13 vertex slots, the last for J64's apex.
    m.ReserveSlots(13);
    std::vector<Vec3> v(12);
    kit::WriteIcosahedron(v, 0, L);
    for (int32_t i = 0; i < 12; ++i) m.At(i) = v[i];
    // The faces that stay when the top vertex and one or two vertices of the
    // lower ring (not neighbours of each other) are cut off, and the pentagons
    // left by the cuts, listed around the vertex that was removed.
    static constexpr int32_t kKeptMeta[] = {5, 6, 9, 11, 12, 13, 14, 15, 16, 19};
    static constexpr int32_t kKeptTri[] = {6, 11, 13, 14, 16};
    static constexpr int32_t kCutTop[] = {3, 4, 5, 1, 2};
    static constexpr int32_t kCut6[] = {10, 11, 7, 4, 3};
    static constexpr int32_t kCut8[] = {11, 9, 1, 5, 7};
    // J64: a tetrahedron on the triangle that all three pentagons border.
    constexpr int32_t kAugmentedFace = 11;
    const std::span<const int32_t> kept = j == 62 ? std::span<const int32_t>(kKeptMeta) : std::span<const int32_t>(kKeptTri);
    const FaceColours cut{kBaseColour, kBaseColour, kBaseColour, kBaseColour, kBaseColour, kBaseColour, 0};
    for (int32_t f : kept) {
        const kit::Triangle t = kit::IcosahedronFace(f);
        FaceColours colours{};
        for (int32_t p = 0; p < 6; ++p) colours[p] = kit::kIcosahedronPatterns[p][f];
        if (j == 64 && f == kAugmentedFace) {
            const double edge = 4.0 * L / std::sqrt(10.0 + 2.0 * std::sqrt(5.0));
            m.At(12) = OverFace(m, t, PyramidHeight(edge, 3));
            for (size_t i = 0; i < 3; ++i) m.Face(std::vector<int32_t>{12, t[i], t[(i + 1) % 3]}, colours);
        } else {
            m.Face(t, colours);
        }
    }
    m.Face(kCutTop, cut);
    m.Face(kCut6, cut);
    if (j != 62) m.Face(kCut8, cut);
    // The slots of the cut vertices stay, unused, at the centre.
    for (int32_t removed : {0, 6, 8}) {
        if (removed != 8 || j != 62) m.At(removed) = {};
    }
    m.Write(solid);
}

void BuildAugmentedTruncated(Solid& solid, int32_t j) {
    const double L = solid.params.baseSizeA;
    const bool tetrahedral = j == 65;
    MeshBuilder m(tetrahedral ? 2 : 6);
    std::vector<Vec3> old;
    Truncated t;
    if (tetrahedral) {
        old.resize(4);
        kit::WriteTetrahedron(old, 0, L);
        t = Truncate(m, old, std::span<const kit::Triangle>(kit::kTetrahedronFaces), 1.0 / 3.0);
    } else {
        old.resize(8);
        kit::WriteCube(old, 0, L / std::sqrt(3.0));
        t = Truncate(m, old, std::span<const kit::Quad>(kit::kCubeFaces), 1.0 / (2.0 + std::sqrt(2.0)));
    }
    // The cupolae sit on the big face 0 (J65, J66) or on faces 0 and 1, the
    // cube's top and bottom (J67). Beyond the first pattern (by polygon), big
    // faces take the base solid's face colours, a cupola those of its face, and
    // the small triangles one colour.
    const int32_t augmented = j == 67 ? 2 : 1;
    const int16_t patterns = tetrahedral ? 2 : 6;
    auto bigColours = [&](size_t f) {
        FaceColours c{};
        c[0] = PolygonColour(tetrahedral ? 6 : 8);
        for (int32_t p = 1; p < patterns; ++p) {
            c[p] = tetrahedral ? kit::kTetrahedronPatterns[0][f] : kit::kCubePatterns[p][f];
        }
        return c;
    };
    FaceColours small{};
    for (int32_t p = 1; p < patterns; ++p) small[p] = kBaseColour;
    small[0] = PolygonColour(3);
    for (size_t f = 0; f < t.bigFaces.size(); ++f) {
        if (static_cast<int32_t>(f) < augmented) continue;
        m.Face(t.bigFaces[f], bigColours(f));
    }
    for (const auto& tri : t.triangles) m.Face(tri, small);
    // The cupola's triangles go over the edges the face shares with its big
    // neighbours (the even ones); over the others they would lie flat against
    // the small triangles.
    for (int32_t f = 0; f < augmented; ++f) WriteCupolaOn(m, t.bigFaces[f], 0, {}, bigColours(f));
    m.Write(solid);
}

}  // namespace gyro::johnson
