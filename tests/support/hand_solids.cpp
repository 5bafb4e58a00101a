#include "support/hand_solids.h"

#include <algorithm>
#include <cmath>

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
