#include "support/hand_solids.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "model/solid_ops.h"

namespace gyro::test {

namespace {

// Orders a triangle so that FaceNormal, which is minus the right-hand normal,
// points away from the origin.
void AddOutwardTriangle(Solid& solid, int32_t a, int32_t b, int32_t c) {
    const Vec3& pa = solid.vertices[a];
    const Vec3 rightHand = Cross(solid.vertices[b] - pa, solid.vertices[c] - pa);
    if (Dot(rightHand, pa + solid.vertices[b] + solid.vertices[c]) < 0) {
        AddFace(solid, {a, b, c});
    } else {
        AddFace(solid, {a, c, b});
    }
}

Solid OctahedronVertices(double r) {
    Solid solid;
    solid.vertices = {{r, 0, 0}, {-r, 0, 0}, {0, r, 0}, {0, -r, 0}, {0, 0, r}, {0, 0, -r}};
    return solid;
}

}  // namespace

Face& AddFace(Solid& solid, std::initializer_list<int32_t> corners) {
    Face& face = solid.faces.emplace_back();
    SetFacePolygon(face, static_cast<int32_t>(corners.size()));
    std::copy(corners.begin(), corners.end(), face.corners.begin());
    return face;
}

Solid MakeCube(double edge) {
    Solid solid;
    const double h = edge / 2;
    for (int i = 0; i < 8; ++i) solid.vertices.push_back({i & 4 ? h : -h, i & 2 ? h : -h, i & 1 ? h : -h});
    AddFace(solid, {4, 5, 7, 6});  // +x
    AddFace(solid, {0, 2, 3, 1});  // -x
    AddFace(solid, {2, 6, 7, 3});  // +y
    AddFace(solid, {0, 1, 5, 4});  // -y
    AddFace(solid, {1, 3, 7, 5});  // +z
    AddFace(solid, {0, 4, 6, 2});  // -z
    return solid;
}

Solid MakeTetrahedron(double circumradius) {
    Solid solid;
    const double a = circumradius / std::sqrt(3.0);
    solid.vertices = {{a, a, a}, {a, -a, -a}, {-a, a, -a}, {-a, -a, a}};
    AddOutwardTriangle(solid, 1, 2, 3);
    AddOutwardTriangle(solid, 0, 2, 3);
    AddOutwardTriangle(solid, 0, 1, 3);
    AddOutwardTriangle(solid, 0, 1, 2);
    return solid;
}

Solid MakeOctahedron(double circumradius) {
    Solid solid = OctahedronVertices(circumradius);
    for (int32_t x : {0, 1}) {
        for (int32_t y : {2, 3}) {
            for (int32_t z : {4, 5}) AddOutwardTriangle(solid, x, y, z);
        }
    }
    return solid;
}

Solid MakeGreatDodecahedron(double circumradius) {
    Solid solid;
    const double phi = (1 + std::sqrt(5.0)) / 2;
    for (double a : {-1.0, 1.0}) {
        for (double b : {-phi, phi}) {
            solid.vertices.push_back({0, a, b});
            solid.vertices.push_back({a, b, 0});
            solid.vertices.push_back({b, 0, a});
        }
    }
    const double scale = circumradius / Length(solid.vertices[0]);
    for (Vec3& v : solid.vertices) v = v * scale;
    const double edge = 2 * scale;
    for (int32_t v = 0; v < 12; ++v) {
        // The five neighbours of v, in turn about the axis through v.
        const Vec3 axis = solid.vertices[v] / Length(solid.vertices[v]);
        std::vector<std::pair<double, int32_t>> ring;
        Vec3 u{}, w{};
        for (int32_t m = 0; m < 12; ++m) {
            const Vec3 d = solid.vertices[m] - solid.vertices[v];
            if (std::abs(Length(d) - edge) > 1e-9 * edge) continue;
            const Vec3 flat = d - axis * Dot(d, axis);
            if (Length(u) == 0) {
                u = flat / Length(flat);
                w = Cross(axis, u);
            }
            ring.push_back({std::atan2(Dot(flat, w), Dot(flat, u)), m});
        }
        std::sort(ring.begin(), ring.end());
        Face& face = solid.faces.emplace_back();
        SetFacePolygon(face, 5);
        for (int32_t i = 0; i < 5; ++i) face.corners[i] = ring[i].second;
        // Counter-clockwise about the outward axis is inward for FaceNormal.
        ReverseFace(face);
    }
    return solid;
}

Solid MakeTetrahemihexahedron(double circumradius) {
    Solid solid = OctahedronVertices(circumradius);
    AddOutwardTriangle(solid, 0, 2, 4);  // (+, +, +)
    AddOutwardTriangle(solid, 0, 3, 5);  // (+, -, -)
    AddOutwardTriangle(solid, 1, 2, 5);  // (-, +, -)
    AddOutwardTriangle(solid, 1, 3, 4);  // (-, -, +)
    AddFace(solid, {0, 2, 1, 3});        // xy square
    AddFace(solid, {2, 4, 3, 5});        // yz square
    AddFace(solid, {4, 0, 5, 1});        // zx square
    return solid;
}

}  // namespace gyro::test
