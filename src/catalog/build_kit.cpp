#include "catalog/build_kit.h"

#include <algorithm>
#include <cmath>

#include "model/solid_ops.h"

namespace gyro::kit {

// ---- Size standard -------------------------------------------------------

SizeRatio TetrahedronRatio() { return {3.0, 3.0, SizeForm::Circumradius, &BuildParams::baseSizeA}; }
SizeRatio CubeRatio() { return {std::sqrt(3.0), 2.0, SizeForm::FaceDistance, &BuildParams::baseSizeB}; }
SizeRatio OctahedronRatio() { return {std::sqrt(3.0), 2.0, SizeForm::Circumradius, &BuildParams::baseSizeB}; }

namespace {
// Circumradius : inradius of the dodecahedron and of the icosahedron alike.
double PentagonalRatio() { return std::sqrt(15.0 - 6.0 * std::sqrt(5.0)); }
double PentagonalEdgeRatio() { return (5.0 - std::sqrt(5.0)) / 2.0; }
}  // namespace

SizeRatio DodecahedronRatio() {
    return {PentagonalRatio(), PentagonalEdgeRatio(), SizeForm::FaceDistance, &BuildParams::baseSizeC};
}
SizeRatio IcosahedronRatio() {
    return {PentagonalRatio(), PentagonalEdgeRatio(), SizeForm::Circumradius, &BuildParams::baseSizeC};
}

double ReferenceLength(const BuildParams& params, const SizeRatio& ratio) {
    const double q = params.conhensez != 0 ? ratio.qEdge : ratio.q;
    const double k = params.kikaku;
    const double exponent = ratio.form == SizeForm::Circumradius ? (k + 1.0) / 2.0 : (k - 1.0) / 2.0;
    return static_cast<double>(params.*ratio.base) * std::pow(q, exponent);
}

// ---- Vertex sets ---------------------------------------------------------

Vec3 RingPoint(double radius, int32_t m, int32_t n, double z) {
    const double a = 360.0 * m / n;
    return {radius * SinDeg(a), radius * CosDeg(a), z};
}

void WriteTetrahedron(std::vector<Vec3>& v, int32_t first, double R) {
    const double s2 = std::sqrt(2.0);
    const double s6 = std::sqrt(6.0);
    v[first + 0] = {0.0, 0.0, R};
    v[first + 1] = {0.0, 2.0 * s2 * R / 3.0, -R / 3.0};
    v[first + 2] = {s6 * R / 3.0, -s2 * R / 3.0, -R / 3.0};
    v[first + 3] = {-s6 * R / 3.0, -s2 * R / 3.0, -R / 3.0};
}

void WriteCube(std::vector<Vec3>& v, int32_t first, double r) {
    constexpr int t[4] = {0, 1, 0, -1};
    for (int32_t j = 0; j < 4; ++j) {
        const double x = (t[(j + 1) % 4] + t[j]) * r;
        const double y = (t[(j + 1) % 4] - t[j]) * r;
        v[first + j] = {x, y, r};
        v[first + j + 4] = {x, y, -r};
    }
}

void WriteOctahedron(std::vector<Vec3>& v, int32_t first, double R) {
    v[first + 0] = {0.0, 0.0, R};
    v[first + 1] = {0.0, R, 0.0};
    v[first + 2] = {R, 0.0, 0.0};
    v[first + 3] = {0.0, -R, 0.0};
    v[first + 4] = {-R, 0.0, 0.0};
    v[first + 5] = {0.0, 0.0, -R};
}

void WriteDodecahedron(std::vector<Vec3>& v, int32_t first, double r) {
    const double s5 = std::sqrt(5.0);
    for (int32_t j = 0; j < 5; ++j) {
        v[first + j] = RingPoint((3.0 - s5) * r, j, 5, r);
        v[first + 5 + j] = -v[first + j];
        v[first + 10 + j] = RingPoint((s5 - 1.0) * r, j, 5, (s5 - 2.0) * r);
        v[first + 15 + j] = -v[first + 10 + j];
    }
}

void WriteIcosahedron(std::vector<Vec3>& v, int32_t first, double R) {
    const double s5 = std::sqrt(5.0);
    v[first + 0] = {0.0, 0.0, R};
    v[first + 11] = {0.0, 0.0, -R};
    for (int32_t j = 0; j < 5; ++j) {
        v[first + 1 + j] = RingPoint(-2.0 * R / s5, j, 5, R / s5);
        v[first + 6 + j] = -v[first + 1 + j];
    }
}

// ---- Faces ---------------------------------------------------------------

const std::array<Triangle, 4> kTetrahedronFaces = {{{0, 1, 2}, {0, 2, 3}, {0, 3, 1}, {1, 3, 2}}};

const std::array<Quad, 6> kCubeFaces = {{
    {0, 1, 2, 3},  // top
    {4, 7, 6, 5},  // bottom
    {0, 3, 7, 4},  // y+
    {1, 0, 4, 5},  // x+
    {2, 1, 5, 6},  // y-
    {3, 2, 6, 7},  // x-
}};

const std::array<Triangle, 8> kOctahedronFaces = {{
    {0, 1, 2}, {0, 2, 3}, {0, 3, 4}, {0, 4, 1},
    {5, 2, 1}, {5, 3, 2}, {5, 4, 3}, {5, 1, 4},
}};

Pentagon DodecahedronFace(int32_t f) {
    if (f == 0) return {0, 1, 2, 3, 4};
    if (f == 1) return {5, 9, 8, 7, 6};
    const int32_t u = (f - 2) % 5;
    const int32_t a = (u + 3) % 5;
    const int32_t b = (u + 2) % 5;
    if (f < 7) return {15 + u, 10 + a, a, b, 10 + b};
    return {10 + u, 15 + b, 5 + b, 5 + a, 15 + a};
}

Triangle IcosahedronFace(int32_t f) {
    const int32_t v = f % 5;
    const int32_t p = (v + 2) % 5;
    const int32_t q = (v + 3) % 5;
    switch (f / 5) {
        case 0: return {0, p + 1, q + 1};
        case 1: return {11, q + 6, p + 6};
        case 2: return {v + 6, q + 1, p + 1};
        default: return {v + 1, p + 6, q + 6};
    }
}

const std::array<int32_t, 12> kDodecahedronFaceAxis = {0, 11, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

const std::array<int32_t, 4> kTetrahedronOnDodecahedron = {2, 5, 14, 18};
const std::array<int32_t, 4> kMirrorTetrahedronOnDodecahedron = {0, 13, 7, 19};
const std::array<int32_t, 8> kCubeOnDodecahedronCorners = {0, 2, 5, 7, 13, 14, 18, 19};
const std::array<Quad, 6> kCubeOnDodecahedron = {{
    {0, 2, 13, 14}, {0, 18, 19, 2}, {0, 14, 7, 18}, {2, 19, 5, 13}, {5, 7, 14, 13}, {5, 19, 18, 7},
}};

// ---- Colour patterns -----------------------------------------------------

const std::array<std::array<uint8_t, 4>, 3> kTetrahedronPatterns = {{
    {1, 2, 3, 0},  // four colours
    {0, 0, 0, 1},  // the base apart
    {0, 1, 1, 0},  // opposite edges split the colours
}};

const std::array<std::array<uint8_t, 6>, 6> kCubePatterns = {{
    {8, 8, 0, 1, 2, 3},
    {0, 2, 1, 1, 1, 1},
    {0, 1, 0, 0, 1, 1},
    {1, 1, 2, 0, 2, 0},
    {0, 2, 0, 1, 1, 2},
    {1, 1, 1, 1, 1, 1},
}};

const std::array<std::array<uint8_t, 8>, 6> kOctahedronPatterns = {{
    {4, 5, 6, 7, 6, 7, 4, 5},
    {0, 0, 0, 0, 1, 1, 1, 1},
    {0, 1, 2, 1, 1, 2, 3, 2},
    {1, 2, 1, 2, 2, 1, 2, 1},
    {0, 4, 2, 4, 4, 3, 4, 1},
    {4, 1, 4, 3, 2, 4, 0, 4},
}};

const std::array<std::array<uint8_t, 20>, 6> kIcosahedronPatterns = {{
    {0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0},
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 3, 3, 3, 3, 3},
    {0, 0, 3, 1, 0, 0, 3, 3, 3, 2, 0, 2, 2, 1, 2, 1, 1, 3, 1, 2},
    {0, 0, 2, 3, 0, 0, 1, 3, 3, 3, 0, 1, 2, 1, 1, 2, 1, 2, 3, 2},
    {0, 2, 0, 0, 1, 0, 1, 0, 0, 2, 0, 0, 1, 2, 0, 0, 0, 2, 1, 0},
    {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2},
}};

const std::array<std::array<uint8_t, 12>, 6> kDodecahedronPatterns = {{
    {8, 8, 0, 1, 2, 3, 4, 0, 1, 2, 3, 4},
    {1, 1, 0, 0, 0, 0, 0, 3, 3, 3, 3, 3},
    {0, 3, 1, 1, 0, 0, 2, 3, 2, 2, 1, 3},
    {0, 3, 2, 1, 0, 0, 2, 3, 3, 2, 1, 1},
    {0, 0, 0, 1, 3, 3, 1, 0, 1, 3, 3, 1},
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
}};

// ---- Face writing --------------------------------------------------------

bool SizeMesh(Solid& solid, int32_t vertices, int32_t faces, int32_t segments) {
    if (ResizeVertices(solid, vertices) && ResizeFaces(solid, faces) && ResizeSegments(solid, segments)) {
        return true;
    }
    ClearMesh(solid);
    return false;
}

void SetPolygon(Face& face, std::span<const int32_t> corners, int16_t starStep) {
    if (!SetFacePolygon(face, static_cast<int32_t>(corners.size()))) return;
    std::copy(corners.begin(), corners.end(), face.corners.begin());
    face.starStep = starStep;
}

void SetPolygon(Face& face, std::initializer_list<int32_t> corners, int16_t starStep) {
    SetPolygon(face, std::span<const int32_t>(corners.begin(), corners.size()), starStep);
}

void SetPentagram(Face& face, const Pentagon& p) { SetPolygon(face, {p[0], p[2], p[4], p[1], p[3]}, 2); }

void PaintFace(Face& face, const BuildParams& params, std::span<const uint8_t> indices) {
    const size_t n = std::min(indices.size(), face.colours.size());
    for (size_t slot = 0; slot < n; ++slot) face.colours[slot] = params.palette[indices[slot] % kPaletteSize];
}

void PaintFace(Face& face, const BuildParams& params, std::initializer_list<uint8_t> indices) {
    PaintFace(face, params, std::span<const uint8_t>(indices.begin(), indices.size()));
}

void PaintFaceOneColour(Face& face, const BuildParams& params, uint8_t index, int32_t count) {
    for (int32_t slot = 0; slot < count && slot < kColourSlots; ++slot) {
        face.colours[slot] = params.palette[index % kPaletteSize];
    }
}

void PaintDodecahedral(Solid& solid, int32_t firstFace) {
    for (int32_t f = 0; f < 12 && firstFace + f < solid.faceCount(); ++f) {
        for (int32_t p = 0; p < 6; ++p) {
            solid.faces[firstFace + f].colours[p] = solid.params.palette[kDodecahedronPatterns[p][f]];
        }
    }
    solid.patternCount = 6;
}

void SetSegments(Solid& solid, std::span<const std::array<int32_t, 2>> segments) {
    if (!ResizeSegments(solid, static_cast<int32_t>(segments.size()))) return;
    for (size_t i = 0; i < segments.size(); ++i) solid.segments[i] = {segments[i][0], segments[i][1]};
}

}  // namespace gyro::kit
