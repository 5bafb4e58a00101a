#include "model/face_shape.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "model/face_access.h"
#include "model/huge_pages.h"
#include "model/solid_ops.h"

namespace gyro {

namespace {

constexpr double kPi = 3.14159265358979323846;

double Extent(const Solid& solid) {
    double r = 0;
    for (const Vec3& v : solid.vertices) r = std::max({r, std::fabs(v.x), std::fabs(v.y), std::fabs(v.z)});
    return r;
}

// The area vector of a polygon, pointing the way FaceNormal does (outwards for a
// face wound the usual way), twice the area long.
Vec3 AreaVector(const std::vector<Vec3>& p) {
    Vec3 sum;
    for (size_t i = 1; i + 1 < p.size(); ++i) sum = sum - Cross(p[i] - p[0], p[i + 1] - p[0]);
    return sum;
}

// (P0 - P1) x (P2 - P1): the renderer's normal of three corners.
Vec3 TurnNormal(Vec3 p0, Vec3 p1, Vec3 p2) { return Cross(p0 - p1, p2 - p1); }

// The normal from the first three distinct corners starting at `start` (the next
// corner at another position, then the next one differing from that), as the
// renderer's facing test and light take it.
Vec3 StartNormal(const std::vector<Vec3>& p, size_t start) {
    const size_t n = p.size();
    auto at = [&](size_t i) { return p[(start + i) % n]; };
    size_t i1 = 1;
    while (i1 < n && at(i1) == at(0)) ++i1;
    if (i1 >= n) return {};
    size_t i2 = i1 + 1;
    while (i2 < n && at(i2) == at(i1)) ++i2;
    if (i2 >= n) return {};
    return TurnNormal(at(0), at(i1), at(i2));
}

}  // namespace

int32_t MendFaceStarts(Solid& solid) {
    const double extent = Extent(solid);
    const double minArea = 1e-9 * extent * extent;
    int32_t mended = 0;
    std::vector<Vec3> p;
    for (Face& face : solid.faces) {
        const int32_t n = face.polygonSize;
        if (face.polygonCount != 1 || n < 4 || StoredCorners(face) < n) continue;
        p.resize(static_cast<size_t>(n));
        for (int32_t i = 0; i < n; ++i) p[static_cast<size_t>(i)] = VertexAt(solid.vertices, face.corners[i]);
        const Vec3 area = AreaVector(p);
        if (!(Length(area) > minArea)) continue;  // crossed faces whose halves cancel, slivers
        if (Dot(StartNormal(p, 0), area) > 0) continue;
        for (size_t start = 1; start < p.size(); ++start) {
            if (Dot(StartNormal(p, start), area) > 0) {
                std::rotate(face.corners.begin(), face.corners.begin() + static_cast<std::ptrdiff_t>(start),
                            face.corners.begin() + n);
                ++mended;
                break;
            }
        }
    }
    return mended;
}

bool IsClosedOriented(const Solid& solid) {
    if (solid.faces.empty()) return false;
    const auto vertexCount = static_cast<uint32_t>(solid.vertices.size());
    const double extent = Extent(solid);
    const double minArea = 1e-9 * extent * extent;
    // A signed sum of a hash of every edge is zero when each edge is walked as
    // often one way as the other. It costs one pass without memory, so an open
    // surface (the Koch sheet) is told apart before the sort below.
    uint64_t signature = 0;
    for (const Face& face : solid.faces) {
        const int32_t size = face.polygonSize;
        if (face.polygonCount <= 0 || size < 3 || StoredCorners(face) < TotalCorners(face)) return false;
        for (int32_t k = 0; k < face.polygonCount; ++k) {
            const int32_t* c = face.corners.data() + static_cast<ptrdiff_t>(k) * size;
            for (int32_t j = 0; j < size; ++j) {
                const auto a = static_cast<uint32_t>(c[j]), b = static_cast<uint32_t>(c[(j + 1) % size]);
                if (a == b) continue;
                const uint64_t key = a < b ? uint64_t{a} << 32 | b : uint64_t{b} << 32 | a;
                uint64_t h = key * 0x9E3779B97F4A7C15ull;
                h ^= h >> 31;
                h *= 0xBF58476D1CE4E5B9ull;
                h ^= h >> 29;
                signature += a < b ? h : 0 - h;
            }
        }
    }
    if (signature != 0) return false;
    // The walks of each edge are counted out by the edge's lower end, so that
    // an end's few edges are checked on their own (no sort of every edge).
    std::vector<uint32_t> start;
    ReserveLarge(start, static_cast<size_t>(vertexCount) + 1);
    start.assign(static_cast<size_t>(vertexCount) + 1, 0);
    for (const Face& face : solid.faces) {  // every face was found whole above
        const int32_t size = face.polygonSize;
        for (int32_t i = 0; i < TotalCorners(face); ++i) {
            const int32_t* c = face.corners.data() + i - i % size;
            const auto a = static_cast<uint32_t>(face.corners[static_cast<size_t>(i)]);
            const auto b = static_cast<uint32_t>(c[(i % size + 1) % size]);
            if (a != b && a < vertexCount && b < vertexCount) ++start[std::min(a, b) + 1];
        }
    }
    for (size_t v = 0; v < vertexCount; ++v) start[v + 1] += start[v];
    std::vector<std::pair<uint32_t, int32_t>> walks;  // per lower end: (upper end, +1 or -1)
    ReserveLarge(walks, start.back());
    walks.resize(start.back());
    std::vector<uint32_t> fill;
    ReserveLarge(fill, vertexCount);
    fill.assign(start.begin(), start.end() - 1);
    std::vector<Vec3> p;
    for (const Face& face : solid.faces) {
        const int32_t size = face.polygonSize;
        if (face.polygonCount <= 0 || size < 3 || StoredCorners(face) < TotalCorners(face)) return false;
        for (int32_t k = 0; k < face.polygonCount; ++k) {
            const int32_t* c = face.corners.data() + static_cast<ptrdiff_t>(k) * size;
            // Every outline must turn at the face's first corners as it turns as a
            // whole, so that the facing test tells its sides apart (not so for a
            // crossed face, whose halves face opposite ways).
            p.resize(static_cast<size_t>(size));
            for (int32_t j = 0; j < size; ++j) p[static_cast<size_t>(j)] = VertexAt(solid.vertices, c[j]);
            const Vec3 area = AreaVector(p);
            if (!(Length(area) > minArea)) return false;
            if (k == 0 && !(Dot(StartNormal(p, 0), area) > 0)) return false;
            if (k > 0 && !(Dot(AreaVector(p), StartNormal(p, 0)) > 0)) return false;
            for (int32_t j = 0; j < size; ++j) {
                const auto a = static_cast<uint32_t>(c[j]), b = static_cast<uint32_t>(c[(j + 1) % size]);
                if (a >= vertexCount || b >= vertexCount) return false;
                if (a == b) continue;
                walks[fill[std::min(a, b)]++] = {std::max(a, b), a < b ? 1 : -1};
            }
        }
    }
    for (size_t v = 0; v < vertexCount; ++v) {
        const auto first = walks.begin() + start[v];
        const auto last = walks.begin() + start[v + 1];
        std::sort(first, last);
        for (auto i = first; i != last;) {
            int32_t balance = 0;
            auto j = i;
            for (; j != last && j->first == i->first; ++j) balance += j->second;
            if (balance != 0) return false;
            i = j;
        }
    }
    return true;
}

bool IsConvexSolid(const Solid& solid) {
    const size_t faceCount = solid.faces.size();
    const size_t vertexCount = solid.vertices.size();
    if (solid.fractalDepthMax != 0 || !solid.segments.empty() || faceCount < 4) return false;
    const double extent = Extent(solid);
    if (!(extent > 0) || !std::isfinite(extent)) return false;
    const double eps = 1e-9 * extent;

    Vec3 centre;
    for (const Vec3& v : solid.vertices) centre = centre + v;
    centre = centre / static_cast<double>(vertexCount);

    // The checks of each face alone come first, so that a figure that fails one
    // (most non-convex figures, at their first faces) never touches the
    // per-vertex and per-edge arrays, which for a large mesh are most of the cost.
    std::vector<Vec3> normals;
    std::vector<double> offsets;
    normals.reserve(faceCount);
    offsets.reserve(faceCount);
    std::vector<Vec3> p;
    auto cornersOf = [&](const Face& face) {
        const int32_t n = face.polygonSize;
        if (face.polygonCount != 1 || n < 3 || StoredCorners(face) < n) return false;
        p.resize(static_cast<size_t>(n));
        for (int32_t i = 0; i < n; ++i) {
            const int32_t c = face.corners[i];
            if (c < 0 || static_cast<size_t>(c) >= vertexCount) return false;
            p[static_cast<size_t>(i)] = solid.vertices[static_cast<size_t>(c)];
        }
        return true;
    };
    for (size_t f = 0; f < faceCount; ++f) {
        if (!cornersOf(solid.faces[f])) return false;
        const Vec3 area = AreaVector(p);
        const double areaLength = Length(area);
        if (!(areaLength > eps * extent)) return false;
        const Vec3 normal = area / areaLength;
        const double offset = Dot(normal, p[0]);
        if (!(offset - Dot(normal, centre) > eps)) return false;  // wound inwards, or through the centre
        // The facing test's corners must see the face as its area does.
        if (!(Dot(StartNormal(p, 0), normal) > eps * extent)) return false;
        for (size_t i = 0; i < p.size(); ++i) {
            const Vec3 prev = p[(i + p.size() - 1) % p.size()];
            const Vec3 next = p[(i + 1) % p.size()];
            if (std::fabs(Dot(normal, p[i]) - offset) > eps) return false;  // not flat
            const Vec3 u = prev - p[i], w = next - p[i];
            if (!(Length(u) > eps && Length(w) > eps)) return false;  // repeated corner
            if (Dot(TurnNormal(prev, p[i], next), normal) < -eps * extent) return false;  // reflex corner
            if (!(Length(p[i] - centre) > eps)) return false;
        }
        normals.push_back(normal);
        offsets.push_back(offset);
    }

    struct HalfEdge {
        uint32_t a, b, face;
    };
    std::vector<HalfEdge> halfEdges;
    size_t corners = 0;
    for (const Face& face : solid.faces) corners += static_cast<size_t>(face.polygonSize);
    halfEdges.reserve(corners);
    // Per vertex, the angles of its faces' corners seen along the line from the
    // centre: they add up to one turn when the faces go round the vertex once,
    // and to two or more round a star vertex such as the great icosahedron's.
    std::vector<double> turn(vertexCount, 0.0);
    for (size_t f = 0; f < faceCount; ++f) {
        const Face& face = solid.faces[f];
        cornersOf(face);
        for (size_t i = 0; i < p.size(); ++i) {
            const Vec3 prev = p[(i + p.size() - 1) % p.size()];
            const Vec3 next = p[(i + 1) % p.size()];
            const Vec3 u = prev - p[i], w = next - p[i];
            const Vec3 axis = p[i] - centre;
            const Vec3 a = axis / Length(axis);
            const Vec3 uf = u - a * Dot(u, a), wf = w - a * Dot(w, a);
            turn[static_cast<size_t>(face.corners[static_cast<int32_t>(i)])] +=
                std::atan2(Dot(Cross(uf, wf), a), Dot(uf, wf));
            halfEdges.push_back({static_cast<uint32_t>(face.corners[static_cast<int32_t>(i)]),
                                 static_cast<uint32_t>(face.corners[static_cast<int32_t>((i + 1) % p.size())]),
                                 static_cast<uint32_t>(f)});
        }
    }
    for (size_t v = 0; v < vertexCount; ++v) {
        if (std::fabs(turn[v]) > 2 * kPi + 1e-6) return false;  // faces wind round the vertex more than once
    }

    // Every edge in exactly two faces, once each way, folding outwards; the faces
    // joined into one surface.
    std::sort(halfEdges.begin(), halfEdges.end(), [](const HalfEdge& x, const HalfEdge& y) {
        const auto kx = std::minmax(x.a, x.b), ky = std::minmax(y.a, y.b);
        return kx < ky;
    });
    std::vector<uint32_t> parent(faceCount);
    std::iota(parent.begin(), parent.end(), 0u);
    auto root = [&parent](uint32_t x) {
        while (parent[x] != x) x = parent[x] = parent[parent[x]];
        return x;
    };
    auto beyond = [&](uint32_t f, uint32_t g) {  // how far face g reaches outside the plane of face f
        double most = -1e300;
        const Face& face = solid.faces[g];
        for (int32_t i = 0; i < face.polygonSize; ++i)
            most = std::max(most, Dot(normals[f], solid.vertices[static_cast<size_t>(face.corners[i])]) - offsets[f]);
        return most;
    };
    if (halfEdges.size() % 2 != 0) return false;
    for (size_t i = 0; i < halfEdges.size(); i += 2) {
        const HalfEdge& x = halfEdges[i];
        const HalfEdge& y = halfEdges[i + 1];
        if (x.a != y.b || x.b != y.a || x.a == x.b) return false;
        if (i + 2 < halfEdges.size() && std::minmax(halfEdges[i + 2].a, halfEdges[i + 2].b) == std::minmax(x.a, x.b))
            return false;
        if (beyond(x.face, y.face) > eps || beyond(y.face, x.face) > eps) return false;
        parent[root(x.face)] = root(y.face);
    }
    const uint32_t first = root(0);
    for (uint32_t f = 1; f < faceCount; ++f) {
        if (root(f) != first) return false;
    }
    return true;
}

}  // namespace gyro
