#include "model/solid_ops.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/face_access.h"

namespace gyro {

namespace {

constexpr int32_t kMaxCount16 = 32767;

}  // namespace

bool ResizeVertices(Solid& solid, int32_t n) {
    if (!TryResize(solid.vertices, static_cast<size_t>(std::max(n, 0)))) {
        // Faces and segments index the vertices that were just lost.
        ClearMesh(solid);
        return false;
    }
    return true;
}

bool ResizeSegments(Solid& solid, int32_t n) {
    return TryResize(solid.segments, static_cast<size_t>(std::max(n, 0)));
}

bool ResizeFaces(Solid& solid, int32_t n) {
    return TryResize(solid.faces, static_cast<size_t>(std::max(n, 0)));
}

void ClearMesh(Solid& solid) {
    std::vector<Vec3>().swap(solid.vertices);
    std::vector<Segment>().swap(solid.segments);
    std::vector<Face>().swap(solid.faces);
    solid.convex = false;
}

bool SetFacePolygons(Face& face, int32_t n, int32_t k) {
    // Counts are 16-bit; refusing larger ones keeps the total corner count within
    // 32 bits and stops a caller from writing past a silently shortened array.
    const bool inRange = n >= 0 && k >= 0 && n <= kMaxCount16 && k <= kMaxCount16;
    if (!inRange || !TryResize(face.corners, static_cast<size_t>(n) * static_cast<size_t>(k))) {
        std::vector<int32_t>().swap(face.corners);
        face.polygonSize = 0;
        face.polygonCount = 0;
        return false;
    }
    std::fill(face.corners.begin(), face.corners.end(), 0);
    face.polygonSize = n;
    face.polygonCount = k;
    for (int slot = 0; slot < 4; ++slot) face.colours[slot] = 0x00FFFFFF;
    return true;
}

bool SetFacePolygon(Face& face, int32_t n) { return SetFacePolygons(face, n, 1); }

void SetStarFace(Face& face, int32_t n, int32_t k, int32_t first, int32_t dir) {
    if (n < 2 || k < 1) {
        SetFacePolygons(face, 0, 0);
        return;
    }
    dir = dir < 0 ? -1 : 1;
    int32_t e = k;
    if (n < 2 * int64_t{e % n}) e = n - (e % n);  // fold the step to at most n/2
    int32_t g = e;
    while (g > 1 && (n % g != 0 || e % g != 0)) --g;
    const int32_t size = n / g;
    if (!SetFacePolygons(face, size, g)) return;
    for (int32_t i = 0; i < g; ++i) {
        // The added e * size + n keeps h positive while it walks backwards.
        int64_t h = int64_t{e} * size + n + int64_t{dir} * i;
        for (int32_t j = 0; j < size; ++j) {
            face.corners[static_cast<size_t>(i) * size + j] = first + static_cast<int32_t>(((h % n) + n) % n);
            h += int64_t{e} * dir;
        }
    }
    face.starStep = static_cast<int16_t>(e);
}

void CopyFaceShifted(Face& dst, const Face& src, int32_t shift) {
    if (&dst == &src) {
        for (int32_t& corner : dst.corners) corner += shift;
        return;
    }
    if (SetFacePolygons(dst, src.polygonCount > 0 ? src.polygonSize : 0, src.polygonCount)) {
        const size_t n = std::min(dst.corners.size(), src.corners.size());
        for (size_t i = 0; i < n; ++i) dst.corners[i] = shift + src.corners[i];
    }
    dst.colours = src.colours;
    dst.starStep = src.starStep;
}

void ReverseFace(Face& face) {
    const int32_t total = StoredCorners(face);
    for (int32_t i = 0; i < (total - 1) / 2; ++i) std::swap(face.corners[i + 1], face.corners[total - 1 - i]);
}

void AppendSolid(Solid& dst, const Solid& src, int64_t colour6, int64_t colour5) {
    // Counts are taken first so that appending a solid to itself stays finite.
    const int32_t shift = dst.vertexCount();
    const int32_t oldFaces = dst.faceCount();
    const int32_t addVertices = src.vertexCount();
    const int32_t addFaces = src.faceCount();
    if (!ResizeVertices(dst, shift + addVertices)) return;
    for (int32_t i = 0; i < addVertices; ++i) dst.vertices[shift + i] = src.vertices[i];
    if (!ResizeFaces(dst, oldFaces + addFaces)) return;
    for (int32_t f = 0; f < addFaces; ++f) {
        Face& face = dst.faces[oldFaces + f];
        CopyFaceShifted(face, src.faces[f], shift);
        if (colour6 >= 0) face.colours[6] = static_cast<Colour>(colour6);
        if (colour5 >= 0) face.colours[5] = static_cast<Colour>(colour5);
    }
}

Vec3 FaceCentroid(const Face& face, const std::vector<Vec3>& vertices) {
    const int32_t n = FirstPolygonCorners(face);
    if (n == 0) return {};
    Vec3 sum;
    for (int32_t i = 0; i < n; ++i) sum = sum + VertexAt(vertices, face.corners[i]);
    return sum / n;
}

Vec3 FaceNormal(const Face& face, const std::vector<Vec3>& vertices) {
    const int32_t n = FirstPolygonCorners(face);
    if (n < 3) return {};
    const Vec3 p0 = VertexAt(vertices, face.corners[0]);
    Vec3 sum;
    for (int32_t i = 1; i < n; ++i) {
        sum = sum - Cross(VertexAt(vertices, face.corners[i]) - p0, VertexAt(vertices, face.corners[(i + 1) % n]) - p0);
    }
    if (Length(sum) < 1e-6) {
        // The first polygon has no area to speak of: span the plane with the first
        // corner that differs from corner 0 and the last corner of the whole face.
        const int32_t total = StoredCorners(face);
        Vec3 a = p0;
        for (int32_t i = 1; i < total; ++i) {
            const Vec3 p = VertexAt(vertices, face.corners[i]);
            if (!(p == p0)) {
                a = p;
                break;
            }
        }
        const Vec3 b = VertexAt(vertices, face.corners[total - 1]);
        if (a == p0 || b == p0) return {};
        sum = -Cross(a - p0, b - p0);
    }
    const double len = Length(sum);
    return len != 0.0 ? sum / len : sum;
}

void ScaleToRadius(Solid& solid, double r) {
    double far = 0.0;
    for (const Vec3& v : solid.vertices) far = std::max(far, Length(v));
    if (solid.vertices.empty() || far == 0.0 || !std::isfinite(far)) return;
    const double k = r / far;
    for (Vec3& v : solid.vertices) v = v * k;
}

double IntPower(double x, int32_t n) {
    uint32_t e = n < 0 ? 0u - static_cast<uint32_t>(n) : static_cast<uint32_t>(n);
    double result = 1.0;
    double base = x;
    while (e > 0) {
        if (e & 1u) result *= base;
        base *= base;
        e >>= 1;
    }
    return n < 0 ? 1.0 / result : result;
}

double SinDeg(double a) {
    if (!std::isfinite(a)) return std::sin(a);
    a = std::fmod(a, 360.0);
    if (a < 0) a += 360.0;
    // sqrt(0.5) is the double nearest to 1/sqrt(2).
    const double r = std::sqrt(0.5);
    if (a == 45.0 || a == 135.0) return r;
    if (a == 225.0 || a == 315.0) return -r;
    // Measure from the nearest multiple of 90 degrees so that those are exact.
    const double d = std::acos(-1.0) / 180.0;
    if (a < 45.0) return std::sin(a * d);
    if (a < 135.0) return std::cos((a - 90.0) * d);
    if (a < 225.0) return -std::sin((a - 180.0) * d);
    if (a < 315.0) return -std::cos((a - 270.0) * d);
    return std::sin((a - 360.0) * d);
}

double CosDeg(double a) { return SinDeg(a + 90.0); }

void ResetPalette(Solid& solid) {
    solid.params.palette = kDefaultPalette;
    solid.params.sikisouhz = 1;
    solid.params.sikisoufq = 0;
    solid.params.sikisourt = 1;
}

}  // namespace gyro
