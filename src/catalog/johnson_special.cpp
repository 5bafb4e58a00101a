// J84-J92: the Johnson solids that are no stack of rings. Each is written from
// closed formulas in L = baseSizeA with one fitted constant where the solid's
// shape has no closed form in square roots (J84-J90), or in closed form (J91,
// J92). The snub disphenoid is the exception: fixed coordinates with edge 680.

#include <array>
#include <cmath>
#include <vector>

#include "catalog/johnson_builders.h"
#include "model/solid_ops.h"

namespace gyro::johnson {

namespace {

using Triangle = std::array<int32_t, 3>;

void BuildSnubDisphenoid(MeshBuilder& m) {
    const double b = std::sqrt(78155.87915298168) / 2.0;
    const double a = 74513.9419588 / b;
    const double c = 438.31730564;
    for (const Vec3& p : {Vec3{a, 0, 340}, Vec3{a, 0, -340}, Vec3{-b, 0, c}, Vec3{-b, 0, -c}, Vec3{b, c, 0},
                          Vec3{-a, 340, 0}, Vec3{-a, -340, 0}, Vec3{b, -c, 0}}) {
        m.Vertex(p);
    }
    // Patterns: one colour, the two halves about the vertices 2 and 3, four colours.
    const int32_t faces[12][3] = {{0, 4, 1}, {0, 1, 7}, {2, 4, 0}, {2, 5, 4}, {2, 6, 5}, {2, 7, 6},
                                  {2, 0, 7}, {3, 1, 4}, {3, 4, 5}, {3, 5, 6}, {3, 6, 7}, {3, 7, 1}};
    for (int32_t f = 0; f < 12; ++f) {
        m.Face(faces[f], {0, static_cast<uint8_t>(f < 7 ? 0 : 1), static_cast<uint8_t>(f % 4)});
    }
}

void BuildSnubSquareAntiprism(MeshBuilder& m, double L) {
    const double mm = 1.715731736910613 * L;
    const double w = std::sqrt(2.0 * L * L - mm * mm * (2.0 - std::sqrt(2.0))) / 2.0;
    const double e = std::sqrt(std::sqrt(2.0) * L * mm + L * L - mm * mm);
    for (double a : {45.0, 135.0, 225.0, 315.0}) m.Vertex({L * SinDeg(a), L * CosDeg(a), e + w});
    for (int32_t c = 0; c < 4; ++c) m.Vertex({mm * SinDeg(90.0 * c), mm * CosDeg(90.0 * c), w});
    for (int32_t c = 0; c < 4; ++c) m.Vertex({L * SinDeg(90.0 * c), L * CosDeg(90.0 * c), -(e + w)});
    for (double a : {-45.0, 45.0, 135.0, 225.0}) m.Vertex({mm * SinDeg(a), mm * CosDeg(a), -w});

    m.Face({0, 1, 2, 3}, {2});
    m.Face({8, 11, 10, 9}, {2});
    for (int32_t t = 0; t < 4; ++t) m.Face({t, (t + 3) % 4, 4 + t}, {0});
    for (int32_t t = 0; t < 4; ++t) m.Face({8 + t, 8 + (t + 1) % 4, 12 + (t + 1) % 4}, {0});
    for (int32_t t = 0; t < 4; ++t) m.Face({4 + t, 12 + (t + 1) % 4, t}, {1});
    for (int32_t t = 0; t < 4; ++t) m.Face({4 + t, (t + 3) % 4, 12 + t}, {3});
    for (int32_t t = 0; t < 4; ++t) m.Face({12 + t, 8 + t, 4 + t}, {1});
    for (int32_t t = 0; t < 4; ++t) m.Face({12 + t, 4 + (t + 3) % 4, 8 + (t + 3) % 4}, {3});
}

// J86 and, with a square pyramid on its face 0, J87. Both keep 17 face slots;
// J86 leaves the last three empty.
void BuildSphenocorona(MeshBuilder& m, double L, bool augmented) {
    const double z = 1.0447138573672767 * L;
    const double k = std::sqrt(4.0 * L * L - z * z);
    const double j = std::sqrt(2.0 * L * k - 2.0 * L * L + z * z);
    const double g = std::sqrt(3.0 * L * L - std::pow(j + z - 2.0 * L * L / z, 2.0));
    const double h = std::sqrt(3.0 * L * L - g * g);
    for (const Vec3& p : {Vec3{0, L, z}, Vec3{0, -L, z}, Vec3{k, L, 0}, Vec3{k, -L, 0}, Vec3{-k, L, 0},
                          Vec3{-k, -L, 0}, Vec3{0, g, h - j}, Vec3{0, -g, h - j}, Vec3{L, 0, -j}, Vec3{-L, 0, -j}}) {
        m.Vertex(p);
    }
    if (augmented) m.Vertex({z / std::sqrt(2.0) + k / 2.0, 0, k / std::sqrt(2.0) + z / 2.0});

    if (augmented) {
        m.Face({1, 0, 10}, {5});
    } else {
        m.Face({1, 0, 2, 3}, {2});
    }
    m.Face({0, 1, 5, 4}, {2});
    for (auto f : {Triangle{0, 6, 2}, {0, 4, 6}, {1, 3, 7}, {1, 7, 5}}) m.Face(f, {0});
    for (auto f : {Triangle{3, 2, 8}, {4, 5, 9}}) m.Face(f, {1});
    for (auto f : {Triangle{6, 9, 8}, {7, 8, 9}}) m.Face(f, {3});
    for (auto f : {Triangle{6, 8, 2}, {6, 4, 9}, {7, 3, 8}, {7, 9, 5}}) m.Face(f, {4});
    if (augmented) {
        for (auto f : {Triangle{0, 2, 10}, {2, 3, 10}, {3, 1, 10}}) m.Face(f, {5});
    } else {
        for (int32_t i = 0; i < 3; ++i) m.EmptyFace();
    }
}

void BuildSphenomegacorona(MeshBuilder& m, double L) {
    const double u = 1.6079940250565632 * L;
    const double k = std::sqrt(4.0 * L * L - u * u);
    const double d = (u * u - k * k) / (2.0 * u);
    const double r = std::sqrt(u * u - d * d);
    const double p = std::sqrt(3.0 * L * L - (k - L) * (k - L));
    const double pk = p * p + k * k;
    const double c = (p * std::sqrt(12.0 * L * L * (L * L + p * p) - pk * pk) + pk * L) / (2.0 * (L * L + p * p));
    const double l = std::sqrt(3.0 * L * L - c * c);
    for (const Vec3& v : {Vec3{0, L, u}, Vec3{0, -L, u}, Vec3{k, L, 0}, Vec3{k, -L, 0}, Vec3{-k, L, 0},
                          Vec3{-k, -L, 0}, Vec3{0, r + L, d}, Vec3{0, -(r + L), d}, Vec3{0, c, l - p},
                          Vec3{0, -c, l - p}, Vec3{L, 0, -p}, Vec3{-L, 0, -p}}) {
        m.Vertex(v);
    }
    m.Face({1, 0, 2, 3}, {2});
    m.Face({0, 1, 5, 4}, {2});
    for (auto f : {Triangle{0, 6, 2}, {0, 4, 6}, {1, 3, 7}, {1, 7, 5}}) m.Face(f, {0});
    for (auto f : {Triangle{3, 2, 10}, {4, 5, 11}}) m.Face(f, {1});
    for (auto f : {Triangle{8, 10, 2}, {8, 4, 11}}) m.Face(f, {4});
    for (auto f : {Triangle{8, 11, 10}, {9, 10, 11}}) m.Face(f, {3});
    for (auto f : {Triangle{9, 3, 10}, {9, 11, 5}}) m.Face(f, {4});
    for (auto f : {Triangle{6, 8, 2}, {6, 4, 8}, {7, 3, 9}, {7, 9, 5}}) m.Face(f, {5});
}

void BuildHebesphenomegacorona(MeshBuilder& m, double L) {
    const double u = 1.9524121756414008 * L;
    const double v = std::sqrt(4.0 * L * L - u * u) + L;
    const double d = (u * u - v * v + L * L) / (2.0 * u);
    const double y = std::sqrt(4.0 * L * L - v * v - d * d);
    const double s = std::sqrt(3.0 * L * L - (v - L) * (v - L));
    const double sv = s * s + v * v;
    const double c = (s * std::sqrt(12.0 * L * L * (s * s + L * L) - sv * sv) + sv * L) / (2.0 * (s * s + L * L));
    const double l = std::sqrt(3.0 * L * L - c * c);
    for (const Vec3& p : {Vec3{L, L, u}, Vec3{L, -L, u}, Vec3{-L, L, u}, Vec3{-L, -L, u}, Vec3{v, L, 0},
                          Vec3{v, -L, 0}, Vec3{-v, L, 0}, Vec3{-v, -L, 0}, Vec3{0, y + L, d}, Vec3{0, -(y + L), d},
                          Vec3{0, c, l - s}, Vec3{0, -c, l - s}, Vec3{L, 0, -s}, Vec3{-L, 0, -s}}) {
        m.Vertex(p);
    }
    m.Face({0, 1, 3, 2}, {6});
    m.Face({1, 0, 4, 5}, {2});
    m.Face({2, 3, 7, 6}, {2});
    m.Face({8, 0, 2}, {7});
    m.Face({9, 3, 1}, {7});
    for (auto f : {Triangle{8, 4, 0}, {8, 2, 6}, {9, 1, 5}, {9, 7, 3}}) m.Face(f, {0});
    m.Face({5, 4, 12}, {1});     // 9
    m.Face({11, 12, 13}, {3});   // 10
    m.Face({10, 12, 4}, {4});    // 11
    m.Face({6, 7, 13}, {1});     // 12
    m.Face({10, 13, 12}, {3});   // 13
    for (auto f : {Triangle{10, 6, 13}, {11, 5, 12}, {11, 13, 7}}) m.Face(f, {4});  // 14-16
    for (auto f : {Triangle{8, 10, 4}, {8, 6, 10}, {9, 5, 11}, {9, 11, 7}}) m.Face(f, {5});
}

void BuildDisphenocingulum(MeshBuilder& m, double L) {
    const double u = 1.5342622279668998 * L;
    const double f = std::sqrt(4.0 * L * L - u * u);
    const double e = std::sqrt(L * L - (L - u) * (L - u) / 2.0);
    const double a = e + f;
    const double b = (e * e + u * u - a * a) * e / ((u - L) * (e - a));
    const double g = std::sqrt(3.0 * L * L - (u - b) * (u - b));
    const double d = g - e;
    for (const Vec3& p : {Vec3{0, L, a}, Vec3{0, -L, a}, Vec3{u, L, e}, Vec3{u, -L, e}, Vec3{-u, L, e},
                          Vec3{-u, -L, e}, Vec3{0, b, d}, Vec3{0, -b, d}, Vec3{b, 0, -d}, Vec3{-b, 0, -d},
                          Vec3{L, u, -e}, Vec3{L, -u, -e}, Vec3{-L, u, -e}, Vec3{-L, -u, -e}, Vec3{L, 0, -a},
                          Vec3{-L, 0, -a}}) {
        m.Vertex(p);
    }
    m.Face({1, 0, 2, 3}, {2});
    m.Face({0, 1, 5, 4}, {2});
    for (auto t : {Triangle{0, 6, 2}, {0, 4, 6}, {1, 3, 7}, {1, 7, 5}}) m.Face(t, {0});
    for (auto t : {Triangle{3, 2, 8}, {4, 5, 9}}) m.Face(t, {1});
    m.Face({10, 12, 15, 14}, {3});
    m.Face({13, 11, 14, 15}, {3});
    for (auto t : {Triangle{10, 8, 2}, {12, 4, 9}, {11, 3, 8}, {13, 9, 5}}) m.Face(t, {4});
    for (auto t : {Triangle{6, 10, 2}, {6, 4, 12}, {7, 3, 11}, {7, 13, 5}}) m.Face(t, {5});
    for (auto t : {Triangle{14, 11, 8}, {14, 8, 10}, {15, 9, 13}, {15, 12, 9}}) m.Face(t, {0});
    for (auto t : {Triangle{12, 10, 6}, {11, 13, 7}}) m.Face(t, {1});
}

void BuildBilunabirotunda(MeshBuilder& m, double L) {
    const double h = (std::sqrt(5.0) + 1.0) * L / 2.0;
    const double c = (SinDeg(72.0) / SinDeg(36.0) + 1.0) * L;
    for (const Vec3& p : {Vec3{0, 0, h}, Vec3{h, L, L}, Vec3{h, -L, L}, Vec3{-h, L, L}, Vec3{-h, -L, L},
                          Vec3{0, 0, -h}, Vec3{h, L, -L}, Vec3{h, -L, -L}, Vec3{-h, L, -L}, Vec3{-h, -L, -L},
                          Vec3{L, c, 0}, Vec3{L, -c, 0}, Vec3{-L, c, 0}, Vec3{-L, -c, 0}}) {
        m.Vertex(p);
    }
    m.Face({0, 3, 12, 10, 1}, {1});
    m.Face({0, 2, 11, 13, 4}, {1});
    m.Face({5, 6, 10, 12, 8}, {1});
    m.Face({5, 9, 13, 11, 7}, {1});
    m.Face({2, 1, 6, 7}, {2});
    m.Face({3, 4, 9, 8}, {2});
    for (auto t : {Triangle{0, 1, 2}, {0, 4, 3}, {5, 7, 6}, {5, 8, 9}}) m.Face(t, {0});
    for (auto t : {Triangle{10, 6, 1}, {11, 2, 7}, {12, 3, 8}, {13, 9, 4}}) m.Face(t, {3});
}

void BuildTriangularHebesphenorotunda(MeshBuilder& m, double L) {
    const double s = SinDeg(36.0);
    const double t = SinDeg(72.0);
    const double a = (s + t) * L / t;
    const double w = s * L / t;
    const double e = (std::sqrt(5.0) / 2.0 + 1.0) * L;
    const double n = ((std::sqrt(5.0) + 3.0) * (s + t) / (4.0 * t) + 0.5) * L;
    const double q = std::sqrt(2.25 - std::pow(1.5 - n / L, 2.0)) * L;
    const double r = std::sqrt(3.0) * L / 2.0;
    m.ReserveSlots(18);
    for (int32_t d = 0; d < 3; ++d) {
        const double sa = SinDeg(120.0 * d);
        const double ca = CosDeg(120.0 * d);
        m.At(d) = {L * sa, L * ca, a};
        m.At(2 * d + 3) = {e * sa - r * ca, r * sa + e * ca, w};
        m.At(2 * d + 4) = {e * sa + r * ca, e * ca - r * sa, w};
        m.At(9 + d) = {-n * sa, -n * ca, 0};
    }
    const double beta[6] = {-30, 30, 90, 150, 210, 270};
    for (int32_t i = 0; i < 6; ++i) {
        m.At(12 + i) = {std::sqrt(3.0) * L * SinDeg(beta[i]), std::sqrt(3.0) * L * CosDeg(beta[i]), -q};
    }
    // Faces in the order 0, 1-3, 4-6, ..., 16-18, 19.
    std::array<std::vector<int32_t>, 20> faces;
    std::array<uint8_t, 20> colours{};
    faces[0] = {0, 1, 2};
    colours[0] = 3;
    faces[19] = {12, 17, 16, 15, 14, 13};
    colours[19] = 4;
    for (int32_t d = 0; d < 3; ++d) {
        const int32_t p = (d + 1) % 3;
        const int32_t o = (d + 2) % 3;
        faces[1 + d] = {d, 4 + 2 * d, o + 9, 2 * p + 3, p};
        colours[1 + d] = 1;
        faces[4 + d] = {d, 3 + 2 * d, 4 + 2 * d};
        colours[4 + d] = 0;
        faces[7 + d] = {4 + 2 * d, 3 + 2 * d, 12 + 2 * d, 13 + 2 * d};
        colours[7 + d] = 2;
        faces[10 + d] = {d + 9, 2 * p + 13, 2 * o + 12};
        colours[10 + d] = 0;
        faces[13 + d] = {d + 9, 2 * o + 12, 2 * o + 3};
        colours[13 + d] = 3;
        faces[16 + d] = {d + 9, 2 * p + 4, 2 * p + 13};
        colours[16 + d] = 3;
    }
    for (size_t f = 0; f < faces.size(); ++f) m.Face(faces[f], {colours[f]});
}

}  // namespace

void BuildSpecialJohnson(Solid& solid, int32_t j) {
    const double L = solid.params.baseSizeA;
    MeshBuilder mesh(j == 84 ? 3 : 1);
    switch (j) {
        case 84: BuildSnubDisphenoid(mesh); break;
        case 85: BuildSnubSquareAntiprism(mesh, L); break;
        case 86: BuildSphenocorona(mesh, L, false); break;
        case 87: BuildSphenocorona(mesh, L, true); break;
        case 88: BuildSphenomegacorona(mesh, L); break;
        case 89: BuildHebesphenomegacorona(mesh, L); break;
        case 90: BuildDisphenocingulum(mesh, L); break;
        case 91: BuildBilunabirotunda(mesh, L); break;
        case 92: BuildTriangularHebesphenorotunda(mesh, L); break;
        default: return;
    }
    mesh.Write(solid);
}

}  // namespace gyro::johnson
