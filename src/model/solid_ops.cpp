#include "model/solid_ops.h"

#include <cmath>
#include <new>

#include "model/dispatcher.h"

namespace gyro {

bool ResizeVertices(Solid& solid, int32_t n) {
    if (n < 0) n = 0;
    try {
        solid.vertices.resize(static_cast<size_t>(n));
    } catch (const std::bad_alloc&) {
        std::vector<Vec3>().swap(solid.vertices);
        return false;
    }
    return true;
}

bool ResizeSegments(Solid& solid, int32_t n) {
    if (n < 0) n = 0;
    try {
        solid.segments.resize(static_cast<size_t>(n));
    } catch (const std::bad_alloc&) {
        std::vector<Segment>().swap(solid.segments);
        return false;
    }
    return true;
}

bool ResizeFaces(Solid& solid, int32_t n) {
    if (n < 0) n = 0;
    try {
        solid.faces.resize(static_cast<size_t>(n));
    } catch (const std::bad_alloc&) {
        std::vector<Face>().swap(solid.faces);
        return false;
    }
    return true;
}

void ClearMesh(Solid& solid) {
    std::vector<Vec3>().swap(solid.vertices);
    std::vector<Segment>().swap(solid.segments);
    std::vector<Face>().swap(solid.faces);
}

bool SetFacePolygons(Face& face, int32_t n, int32_t k) {
    n = static_cast<int16_t>(n);
    k = static_cast<int16_t>(k);
    if (n < 0) n = 0;
    if (k < 0) k = 0;
    try {
        face.corners.assign(static_cast<size_t>(n) * static_cast<size_t>(k), 0);
    } catch (const std::bad_alloc&) {
        std::vector<int32_t>().swap(face.corners);
        face.polygonSize = 0;
        face.polygonCount = 0;
        return false;
    }
    face.polygonSize = n;
    face.polygonCount = k;
    for (int slot = 0; slot < 4; ++slot) face.colours[slot] = 0x00FFFFFF;
    return true;
}

bool SetFacePolygon(Face& face, int32_t n) { return SetFacePolygons(face, n, 1); }

void SetStarFace(Face& face, int32_t n, int32_t k, int32_t first, int32_t dir) {
    if (n < 2 || k < 1) return;
    int32_t e = k;
    if (n < 2 * (e % n)) e = n - (e % n);
    int32_t g = e;
    while (g > 1 && (n % g != 0 || e % g != 0)) --g;
    const int32_t size = n / g;
    if (!SetFacePolygons(face, size, g)) return;
    for (int32_t i = 0; i < g; ++i) {
        int64_t h = int64_t{e} * size + n + int64_t{dir} * i;
        for (int32_t j = 0; j < size; ++j) {
            face.corners[static_cast<size_t>(i * size + j)] = first + static_cast<int32_t>(((h % n) + n) % n);
            h += int64_t{e} * dir;
        }
    }
    face.starStep = static_cast<int16_t>(e);
}

void CopyFaceShifted(Face& dst, const Face& src, int32_t shift) {
    if (SetFacePolygons(dst, src.polygonCount > 0 ? src.polygonSize : 0, src.polygonCount)) {
        for (size_t i = 0; i < dst.corners.size() && i < src.corners.size(); ++i) {
            dst.corners[i] = shift + src.corners[i];
        }
    }
    dst.colours = src.colours;
    dst.starStep = src.starStep;
}

void ReverseFace(Face& face) {
    const int32_t total = TotalCorners(face);
    for (int32_t i = 0; i < (total - 1) / 2; ++i) std::swap(face.corners[i + 1], face.corners[total - 1 - i]);
}

void AppendSolid(Solid& dst, const Solid& src, int64_t colour6, int64_t colour5) {
    const int32_t shift = dst.vertexCount();
    const int32_t oldFaces = dst.faceCount();
    if (!ResizeVertices(dst, shift + src.vertexCount())) return;
    for (int32_t i = 0; i < src.vertexCount(); ++i) dst.vertices[shift + i] = src.vertices[i];
    if (!ResizeFaces(dst, oldFaces + src.faceCount())) return;
    for (int32_t f = 0; f < src.faceCount(); ++f) {
        Face& face = dst.faces[oldFaces + f];
        CopyFaceShifted(face, src.faces[f], shift);
        if (colour6 >= 0) face.colours[6] = static_cast<Colour>(colour6);
        if (colour5 >= 0) face.colours[5] = static_cast<Colour>(colour5);
    }
}

Vec3 FaceCentroid(const Face& face, const std::vector<Vec3>& vertices) {
    if (face.polygonCount <= 0 || face.polygonSize <= 0) return {};
    Vec3 sum;
    for (int32_t i = 0; i < face.polygonSize; ++i) sum = sum + vertices[face.corners[i]];
    return sum / face.polygonSize;
}

Vec3 FaceNormal(const Face& face, const std::vector<Vec3>& vertices) {
    const int32_t n = face.polygonCount > 0 ? face.polygonSize : 0;
    if (n < 3) return {};
    const Vec3 p0 = vertices[face.corners[0]];
    Vec3 sum;
    for (int32_t i = 1; i < n; ++i) {
        sum = sum - Cross(vertices[face.corners[i]] - p0, vertices[face.corners[(i + 1) % n]] - p0);
    }
    if (Length(sum) < 1e-6) {
        // The leading corners coincide or are collinear: take the first distinct
        // corner and the last corner of the whole list instead.
        const int32_t total = TotalCorners(face);
        Vec3 a = p0;
        for (int32_t i = 1; i < total; ++i) {
            if (!(vertices[face.corners[i]] == p0)) {
                a = vertices[face.corners[i]];
                break;
            }
        }
        Vec3 b = vertices[face.corners[total - 1]];
        if (b == p0 || a == p0) return {};
        sum = -Cross(a - p0, b - p0);
    }
    const double len = Length(sum);
    return len != 0.0 ? sum / len : sum;
}

void ScaleToRadius(Solid& solid, double r) {
    double far = 0.0;
    for (const Vec3& v : solid.vertices) far = std::max(far, Length(v));
    if (solid.vertices.empty() || far == 0.0) return;
    const double k = r / far;
    for (Vec3& v : solid.vertices) v = v * k;
}

double IntPower(double x, int32_t n) {
    int64_t e = n < 0 ? -int64_t{n} : n;
    double result = 1.0;
    double base = x;
    while (e > 0) {
        if (e & 1) result *= base;
        base *= base;
        e >>= 1;
    }
    return n < 0 ? 1.0 / result : result;
}

double SinDeg(double a) {
    if (!std::isfinite(a)) return std::sin(a);
    a = std::fmod(a, 360.0);
    if (a < 0) a += 360.0;
    const double r = std::sqrt(0.5);
    if (a == 45.0 || a == 135.0) return r;
    if (a == 225.0 || a == 315.0) return -r;
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

void InitSolid(Solid& solid) {
    solid.params = BuildParams{};
    ClearMesh(solid);
    ResetPalette(solid);
    BuildFigure(solid, 5);
}

}  // namespace gyro
