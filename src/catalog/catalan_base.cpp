#include "catalog/catalan_base.h"

#include <algorithm>
#include <cmath>

namespace gyro::catalan {

Vec3 Unit(Vec3 v) { return v / Length(v); }

Vec3 Base::EdgeAxis(int32_t e) const { return Unit(vertices[edges[e].a] + vertices[edges[e].b]); }

int32_t Base::ThirdCorner(int32_t face, int32_t a, int32_t b) const {
    for (int32_t c : faces[face]) {
        if (c != a && c != b) return c;
    }
    return a;
}

int32_t Base::FaceAcross(int32_t face, int32_t a, int32_t b) const {
    const Edge& e = edges[EdgeOf(a, b)];
    return e.left == face ? e.right : e.left;
}

int32_t Base::AwayFace(int32_t a, int32_t b) const {
    const Edge& e = edges[EdgeOf(a, b)];
    const int32_t c = ThirdCorner(e.left, a, b);
    const int32_t d = ThirdCorner(e.right, a, b);
    for (size_t f = 0; f < faces.size(); ++f) {
        const auto& k = faces[f];
        auto has = [&k](int32_t x) { return std::find(k.begin(), k.end(), x) != k.end(); };
        if (has(a) && !has(b) && !has(c) && !has(d)) return Count(f);
    }
    return e.left;
}

namespace {

template <class FaceList>
Base MakeBase(std::vector<Vec3> vertices, const FaceList& faces) {
    Base base;
    for (Vec3& v : vertices) v = Unit(v);
    base.vertices = std::move(vertices);
    for (const auto& f : faces) base.faces.emplace_back(f.begin(), f.end());
    std::map<std::pair<int32_t, int32_t>, int32_t> faceOf;
    for (size_t f = 0; f < base.faces.size(); ++f) {
        const auto& c = base.faces[f];
        Vec3 centre;
        for (int32_t v : c) centre = centre + base.vertices[v];
        base.faceAxes.push_back(Unit(centre));
        for (size_t i = 0; i < c.size(); ++i) faceOf[{c[i], c[(i + 1) % c.size()]}] = Count(f);
    }
    for (size_t f = 0; f < base.faces.size(); ++f) {
        const auto& c = base.faces[f];
        for (size_t i = 0; i < c.size(); ++i) {
            const int32_t a = c[i];
            const int32_t b = c[(i + 1) % c.size()];
            if (base.edgeIndex.count({a, b}) != 0) continue;
            const int32_t e = Count(base.edges.size());
            base.edges.push_back({a, b, Count(f), faceOf.at({b, a})});
            base.edgeIndex[{a, b}] = e;
            base.edgeIndex[{b, a}] = e;
        }
    }
    return base;
}

}  // namespace

Base TetrahedronBase() {
    std::vector<Vec3> v(kit::kTetrahedronVertices);
    kit::WriteTetrahedron(v, 0, 1.0);
    return MakeBase(std::move(v), kit::kTetrahedronFaces);
}

Base CubeBase() {
    std::vector<Vec3> v(kit::kCubeVertices);
    kit::WriteCube(v, 0, 1.0);
    return MakeBase(std::move(v), kit::kCubeFaces);
}

Base OctahedronBase() {
    std::vector<Vec3> v(kit::kOctahedronVertices);
    kit::WriteOctahedron(v, 0, 1.0);
    return MakeBase(std::move(v), kit::kOctahedronFaces);
}

Base DodecahedronBase() {
    std::vector<Vec3> v(kit::kDodecahedronVertices);
    kit::WriteDodecahedron(v, 0, 1.0);
    std::vector<kit::Pentagon> faces;
    for (int32_t f = 0; f < 12; ++f) faces.push_back(kit::DodecahedronFace(f));
    return MakeBase(std::move(v), faces);
}

Base IcosahedronBase() {
    std::vector<Vec3> v(kit::kIcosahedronVertices);
    kit::WriteIcosahedron(v, 0, 1.0);
    std::vector<kit::Triangle> faces;
    for (int32_t f = 0; f < 20; ++f) faces.push_back(kit::IcosahedronFace(f));
    return MakeBase(std::move(v), faces);
}

std::vector<Flag> Flags(const Base& base) {
    std::vector<Flag> flags;
    for (size_t f = 0; f < base.faces.size(); ++f) {
        const auto& c = base.faces[f];
        const size_t n = c.size();
        for (size_t i = 0; i < n; ++i) {
            flags.push_back({Count(f), c[i], base.EdgeOf(c[(i + n - 1) % n], c[i]), base.EdgeOf(c[i], c[(i + 1) % n])});
        }
    }
    return flags;
}

}  // namespace gyro::catalan
