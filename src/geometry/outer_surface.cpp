#include "geometry/outer_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <unordered_map>

#include "geometry/outer_exact.h"
#include "model/face_access.h"

namespace gyro {

namespace {

using outer::SoupTriangle;

class UnionFind {
public:
    explicit UnionFind(size_t n) : parent_(n) { std::iota(parent_.begin(), parent_.end(), size_t{0}); }
    size_t Find(size_t a) {
        while (parent_[a] != a) {
            parent_[a] = parent_[parent_[a]];
            a = parent_[a];
        }
        return a;
    }
    void Join(size_t a, size_t b) { parent_[Find(a)] = Find(b); }

private:
    std::vector<size_t> parent_;
};

// Points closer than the tolerance become one. The builders' doubles put a
// point that several faces share a few units in the last place apart; welding
// them before the exact step keeps it from cutting slivers between them.
class PointWelder {
public:
    explicit PointWelder(double tolerance) : tol_(tolerance) {}

    int32_t Add(Vec3 p) {
        const int64_t cx = Cell(p.x), cy = Cell(p.y), cz = Cell(p.z);
        for (int64_t dx = -1; dx <= 1; ++dx) {
            for (int64_t dy = -1; dy <= 1; ++dy) {
                for (int64_t dz = -1; dz <= 1; ++dz) {
                    const auto it = cells_.find(Key(cx + dx, cy + dy, cz + dz));
                    if (it == cells_.end()) continue;
                    for (const int32_t i : it->second) {
                        const Vec3 q = points_[static_cast<size_t>(i)];
                        if (std::abs(q.x - p.x) <= tol_ && std::abs(q.y - p.y) <= tol_ && std::abs(q.z - p.z) <= tol_) {
                            return i;
                        }
                    }
                }
            }
        }
        const auto index = static_cast<int32_t>(points_.size());
        points_.push_back(p);
        cells_[Key(cx, cy, cz)].push_back(index);
        return index;
    }
    const std::vector<Vec3>& points() const { return points_; }

private:
    int64_t Cell(double v) const { return static_cast<int64_t>(std::floor(v / tol_)); }
    static uint64_t Key(int64_t x, int64_t y, int64_t z) {
        const auto h = [](int64_t v) { return static_cast<uint64_t>(v) * 0x9E3779B97F4A7C15ULL; };
        return h(x) ^ (h(y) << 21 | h(y) >> 43) ^ (h(z) << 42 | h(z) >> 22);
    }

    double tol_;
    std::vector<Vec3> points_;
    std::unordered_map<uint64_t, std::vector<int32_t>> cells_;
};

Vec3 NewellNormal(const std::vector<Vec3>& ring) {
    Vec3 n{};
    for (size_t i = 0; i < ring.size(); ++i) {
        const Vec3 a = ring[i];
        const Vec3 b = ring[(i + 1) % ring.size()];
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return n;
}

bool IsConvex(const std::vector<Vec3>& ring) {
    const Vec3 n = NewellNormal(ring);
    if (Length(n) == 0.0) return false;
    for (size_t i = 0; i < ring.size(); ++i) {
        const Vec3 a = ring[i];
        const Vec3 b = ring[(i + 1) % ring.size()];
        const Vec3 c = ring[(i + 2) % ring.size()];
        if (Dot(Cross(b - a, c - b), n) <= 0.0) return false;
    }
    return true;
}

// Faces standing in for a vertex at infinity: several quadrilateral bands out
// to far points, some collapsed onto one point (the dual of a face through the centre).
bool IsFarBandFace(const Face& face) {
    if (face.polygonCount < 2 || face.polygonSize != 4 || StoredCorners(face) < TotalCorners(face)) return false;
    for (int32_t p = 0; p < face.polygonCount; ++p) {
        const int32_t* q = face.corners.data() + 4 * p;
        if (q[0] == q[1] && q[1] == q[2] && q[2] == q[3]) return true;
    }
    return false;
}

double Extent(const std::vector<Vec3>& points) {
    double extent = 0.0;
    for (const Vec3& p : points) extent = std::max({extent, std::abs(p.x), std::abs(p.y), std::abs(p.z)});
    return extent;
}

// Every face cut into triangles without moving its edges: convex polygons are
// fanned from a corner, stars and other polygons from their centre, which
// fills them by the nonzero rule.
void TriangulateFaces(const Solid& solid, PointWelder& welder, std::vector<SoupTriangle>& soup) {
    std::vector<int32_t> welded(solid.vertices.size());
    for (size_t i = 0; i < solid.vertices.size(); ++i) welded[i] = welder.Add(solid.vertices[i]);
    std::vector<int32_t> ring;
    std::vector<Vec3> ringPoints;
    for (int32_t f = 0; f < solid.faceCount(); ++f) {
        const Face& face = solid.faces[static_cast<size_t>(f)];
        const int32_t stored = StoredCorners(face);
        for (int32_t p = 0; face.polygonSize > 0 && (p + 1) * face.polygonSize <= stored; ++p) {
            ring.clear();
            for (int32_t c = 0; c < face.polygonSize; ++c) {
                const int32_t index = face.corners[static_cast<size_t>(p * face.polygonSize + c)];
                if (index < 0 || index >= solid.vertexCount()) continue;
                const int32_t w = welded[static_cast<size_t>(index)];
                if (ring.empty() || ring.back() != w) ring.push_back(w);
            }
            while (ring.size() > 1 && ring.front() == ring.back()) ring.pop_back();
            if (ring.size() < 3) continue;
            if (ring.size() == 3) {
                soup.push_back({{ring[0], ring[1], ring[2]}, f});
                continue;
            }
            ringPoints.clear();
            for (const int32_t i : ring) ringPoints.push_back(welder.points()[static_cast<size_t>(i)]);
            if (face.starStep <= 1 && IsConvex(ringPoints)) {
                for (size_t i = 1; i + 1 < ring.size(); ++i) soup.push_back({{ring[0], ring[i], ring[i + 1]}, f});
                continue;
            }
            Vec3 centre{};
            for (const Vec3& q : ringPoints) centre = centre + q;
            const int32_t c = welder.Add(centre / static_cast<double>(ringPoints.size()));
            for (size_t i = 0; i < ring.size(); ++i) {
                const int32_t a = ring[i];
                const int32_t b = ring[(i + 1) % ring.size()];
                if (a != c && b != c) soup.push_back({{c, a, b}, f});
            }
        }
    }
}

// Corners joined across the walk's pairing become one point; a point whose
// triangles form several fans (the surface touching itself) becomes several.
bool SplitIntoManifold(const outer::WalkOutput& walk, OuterSurface& surface) {
    const size_t n = walk.triangles.size();
    UnionFind corners(3 * n);
    UnionFind shells(n);
    for (size_t t = 0; t < n; ++t) {
        const auto& o = walk.triangles[t];
        for (size_t i = 0; i < 3; ++i) {
            const int32_t a = o[i];
            const int32_t b = o[(i + 1) % 3];
            const auto m = static_cast<size_t>(walk.next[t][i]);
            const auto& q = walk.triangles[m];
            size_t j = 3;
            for (size_t k = 0; k < 3; ++k) {
                if (q[k] == b && q[(k + 1) % 3] == a) j = k;
            }
            if (j == 3) return false;  // the pairing must meet the same edge the other way
            corners.Join(3 * t + i, 3 * m + (j + 1) % 3);
            corners.Join(3 * t + (i + 1) % 3, 3 * m + j);
            shells.Join(t, m);
        }
    }
    std::unordered_map<size_t, int32_t> pointOf;
    surface.points.clear();
    surface.triangles.assign(n, {});
    for (size_t t = 0; t < n; ++t) {
        for (size_t i = 0; i < 3; ++i) {
            const auto [it, inserted] = pointOf.emplace(corners.Find(3 * t + i), static_cast<int32_t>(surface.points.size()));
            if (inserted) surface.points.push_back(walk.points[static_cast<size_t>(walk.triangles[t][i])]);
            surface.triangles[t][i] = it->second;
        }
    }
    surface.touchesItself = surface.points.size() > walk.points.size();
    int32_t shellCount = 0;
    for (size_t t = 0; t < n; ++t) shellCount += shells.Find(t) == t ? 1 : 0;
    surface.shells = shellCount;
    return true;
}

// Points the exact step made a hair apart (where the builders' doubles missed
// an intended coincidence) become one, and the slivers between them go. The
// pairing across each edge is found again: the one triangle the other way, or
// where shells touch, the one the walk paired it with.
bool CollapseSlivers(outer::WalkOutput& walk, double tolerance) {
    PointWelder welder(tolerance);
    std::vector<int32_t> cluster(walk.points.size());
    for (size_t i = 0; i < walk.points.size(); ++i) cluster[i] = welder.Add(walk.points[i]);
    if (welder.points().size() == walk.points.size()) return true;  // nothing to collapse

    std::vector<int32_t> newIndex(walk.triangles.size(), -1);
    std::vector<std::array<int32_t, 3>> triangles;
    std::vector<int32_t> faces;
    for (size_t t = 0; t < walk.triangles.size(); ++t) {
        const auto& o = walk.triangles[t];
        const std::array<int32_t, 3> c{cluster[static_cast<size_t>(o[0])], cluster[static_cast<size_t>(o[1])],
                                       cluster[static_cast<size_t>(o[2])]};
        if (c[0] == c[1] || c[1] == c[2] || c[2] == c[0]) continue;
        newIndex[t] = static_cast<int32_t>(triangles.size());
        triangles.push_back(c);
        faces.push_back(walk.face[t]);
    }
    auto key = [](int32_t a, int32_t b) {
        return (static_cast<uint64_t>(static_cast<uint32_t>(a)) << 32) | static_cast<uint32_t>(b);
    };
    std::unordered_map<uint64_t, std::vector<int32_t>> byEdge;
    for (size_t t = 0; t < triangles.size(); ++t) {
        for (size_t i = 0; i < 3; ++i) byEdge[key(triangles[t][i], triangles[t][(i + 1) % 3])].push_back(static_cast<int32_t>(t));
    }
    std::vector<std::array<int32_t, 3>> next(triangles.size());
    for (size_t old = 0; old < walk.triangles.size(); ++old) {
        const int32_t t = newIndex[old];
        if (t < 0) continue;
        for (size_t i = 0; i < 3; ++i) {
            const int32_t a = triangles[static_cast<size_t>(t)][i];
            const int32_t b = triangles[static_cast<size_t>(t)][(i + 1) % 3];
            const auto it = byEdge.find(key(b, a));
            if (it == byEdge.end()) return false;
            if (it->second.size() == 1) {
                next[static_cast<size_t>(t)][i] = it->second[0];
                continue;
            }
            // Several: the walk's own partner, if it is still there. The
            // triangle's edge i keeps its place, as corners keep their order.
            const int32_t partner = newIndex[static_cast<size_t>(walk.next[old][i])];
            if (partner < 0 || std::find(it->second.begin(), it->second.end(), partner) == it->second.end()) return false;
            next[static_cast<size_t>(t)][i] = partner;
        }
    }
    std::vector<Vec3> points = welder.points();
    walk.points = std::move(points);
    walk.triangles = std::move(triangles);
    walk.face = std::move(faces);
    walk.next = std::move(next);
    return true;
}

void Measure(OuterSurface& surface) {
    double volume = 0.0;
    double area = 0.0;
    for (const auto& t : surface.triangles) {
        const Vec3 a = surface.points[static_cast<size_t>(t[0])];
        const Vec3 b = surface.points[static_cast<size_t>(t[1])];
        const Vec3 c = surface.points[static_cast<size_t>(t[2])];
        volume += Dot(a, Cross(b, c));
        area += Length(Cross(b - a, c - a));
    }
    surface.volume = volume / 6.0;
    surface.area = area / 2.0;
}

OuterResult Refuse(OuterRefusal refusal, std::string detail = {}) {
    OuterResult result;
    result.refusal = refusal;
    result.detail = std::move(detail);
    return result;
}

void ExpandInto(const Solid& solid, int level, Vec3 offset, double scale, Solid& out) {
    if (level > 0) {
        for (const Vec3& v : solid.vertices) {
            ExpandInto(solid, level - 1, v * scale * (1 - solid.fractalRatio) + offset, scale * solid.fractalRatio, out);
        }
        return;
    }
    const auto base = static_cast<int32_t>(out.vertices.size());
    for (const Vec3& v : solid.vertices) out.vertices.push_back(v * scale + offset);
    for (Face face : solid.faces) {
        for (int32_t& c : face.corners) c += base;
        out.faces.push_back(std::move(face));
    }
}

}  // namespace

std::string OuterRefusalText(OuterRefusal refusal) {
    switch (refusal) {
        case OuterRefusal::None: return "";
        case OuterRefusal::Empty: return "the figure is empty";
        case OuterRefusal::OnlySegments: return "the figure has only edges and no faces";
        case OuterRefusal::ReachesInfinity: return "the figure reaches to infinity";
        case OuterRefusal::NoVolume: return "the faces enclose no volume";
        case OuterRefusal::TooLarge: return "the figure is too large to make solid";
        case OuterRefusal::Cancelled: return "cancelled";
        case OuterRefusal::Failed: return "the outer surface did not come out closed";
    }
    return "";
}

Solid ExpandFractalCopies(const Solid& solid, int level) {
    if (solid.fractalDepthMax == 0 || level <= 0) return solid;
    Solid out;
    out.params = solid.params;
    out.zukei = solid.zukei;
    out.nameJa = solid.nameJa;
    out.nameEn = solid.nameEn;
    out.patternCount = solid.patternCount;
    ExpandInto(solid, std::min<int>(level, solid.fractalDepthMax), Vec3{}, 1.0, out);
    return out;
}

OuterResult ComputeOuterSurface(const Solid& figure, const OuterOptions& options) {
    const Solid expanded = ExpandFractalCopies(figure, options.fractalLevel);
    const Solid& solid = expanded;
    if (solid.faces.empty()) {
        return Refuse(solid.segments.empty() ? OuterRefusal::Empty : OuterRefusal::OnlySegments);
    }
    if (std::any_of(solid.faces.begin(), solid.faces.end(), IsFarBandFace)) {
        return Refuse(OuterRefusal::ReachesInfinity);
    }
    const double extent = Extent(solid.vertices);
    if (!std::isfinite(extent)) return Refuse(OuterRefusal::Failed, "a vertex is not a finite number");
    PointWelder welder(1e-9 * std::max(extent, 1.0));
    std::vector<SoupTriangle> soup;
    TriangulateFaces(solid, welder, soup);
    if (soup.empty()) return Refuse(OuterRefusal::Empty);
    if (static_cast<int64_t>(soup.size()) > options.triangleLimit) {
        return Refuse(OuterRefusal::TooLarge, "more than " + std::to_string(options.triangleLimit) + " triangles");
    }

    outer::WalkOutput walk;
    std::string detail;
    switch (outer::RefineAndWalk(welder.points(), soup, options, walk, detail)) {
        case outer::ExactOutcome::Done: break;
        case outer::ExactOutcome::TooLarge: return Refuse(OuterRefusal::TooLarge, detail);
        case outer::ExactOutcome::Cancelled: return Refuse(OuterRefusal::Cancelled);
        case outer::ExactOutcome::NoVolume: return Refuse(OuterRefusal::NoVolume, detail);
    }

    OuterResult result;
    OuterSurface& surface = result.surface;
    // The surface with the slivers collapsed, when it stays sound; the exact one otherwise.
    outer::WalkOutput collapsed = walk;
    if (CollapseSlivers(collapsed, 1e-9 * std::max(extent, 1.0)) && SplitIntoManifold(collapsed, surface)) {
        const SurfaceCheck check = CheckSurface(surface.points, surface.triangles);
        if (check.closed && check.manifold && check.outward) walk = std::move(collapsed);
    }
    if (!SplitIntoManifold(walk, surface)) return Refuse(OuterRefusal::Failed, "the walk paired edges that differ");
    surface.triangleFace = walk.face;
    surface.faceColours.reserve(figure.faces.size());
    for (const Face& face : figure.faces) surface.faceColours.push_back(face.colours);
    if (solid.faces.size() != figure.faces.size()) {
        // Fractal copies: copy k of face f is face k * F + f.
        const size_t f = figure.faces.size();
        for (int32_t& face : surface.triangleFace) face = f ? static_cast<int32_t>(static_cast<size_t>(face) % f) : 0;
    }
    Measure(surface);
    // A flat figure encloses nothing: its volume vanishes next to its size.
    if (!(surface.volume > 1e-9 * extent * extent * extent)) {
        return Refuse(OuterRefusal::NoVolume, "the faces are flat");
    }
    const SurfaceCheck check = CheckSurface(surface.points, surface.triangles);
    if (!check.closed || !check.manifold || !check.outward) {
        return Refuse(OuterRefusal::Failed, std::to_string(check.badEdges) + " open edges, " +
                                                std::to_string(check.badPoints) + " pinched points");
    }
    if (options.progress) options.progress(1.0);
    return result;
}

SurfaceCheck CheckSurface(const std::vector<Vec3>& points, const std::vector<std::array<int32_t, 3>>& triangles) {
    SurfaceCheck check;
    auto key = [](int32_t a, int32_t b) {
        return (static_cast<uint64_t>(static_cast<uint32_t>(a)) << 32) | static_cast<uint32_t>(b);
    };
    std::unordered_map<uint64_t, int32_t> directed;
    for (const auto& t : triangles) {
        for (size_t i = 0; i < 3; ++i) ++directed[key(t[i], t[(i + 1) % 3])];
    }
    for (const auto& [edge, count] : directed) {
        const auto a = static_cast<int32_t>(edge >> 32);
        const auto b = static_cast<int32_t>(edge & 0xFFFFFFFFu);
        const auto back = directed.find(key(b, a));
        if (count != 1 || back == directed.end() || back->second != 1 || a == b) ++check.badEdges;
    }
    check.closed = check.badEdges == 0 && !triangles.empty();

    // Corners at one point joined across shared edges: one fan per point.
    UnionFind fans(3 * triangles.size());
    std::unordered_map<uint64_t, size_t> cornerAtEdge;  // directed edge a->b: the corner at a
    for (size_t t = 0; t < triangles.size(); ++t) {
        for (size_t i = 0; i < 3; ++i) cornerAtEdge[key(triangles[t][i], triangles[t][(i + 1) % 3])] = 3 * t + i;
    }
    for (size_t t = 0; t < triangles.size(); ++t) {
        for (size_t i = 0; i < 3; ++i) {
            // Edge a->b of t meets b->a of its neighbour: t's corner at b is the neighbour's corner at b.
            const int32_t a = triangles[t][i];
            const int32_t b = triangles[t][(i + 1) % 3];
            const auto it = cornerAtEdge.find(key(b, a));
            if (it != cornerAtEdge.end()) fans.Join(3 * t + (i + 1) % 3, it->second);
        }
    }
    std::unordered_map<int32_t, size_t> fanOfPoint;
    for (size_t c = 0; c < 3 * triangles.size(); ++c) {
        const int32_t p = triangles[c / 3][c % 3];
        const size_t root = fans.Find(c);
        const auto [it, inserted] = fanOfPoint.emplace(p, root);
        if (!inserted && it->second != root) {
            ++check.badPoints;
            it->second = root;  // count each further fan once more
        }
    }
    check.manifold = check.badPoints == 0 && check.closed;

    double volume = 0.0;
    for (const auto& t : triangles) {
        volume += Dot(points[static_cast<size_t>(t[0])],
                      Cross(points[static_cast<size_t>(t[1])], points[static_cast<size_t>(t[2])]));
    }
    check.outward = volume > 0.0;
    return check;
}

bool SurfaceSelfIntersects(const OuterSurface& surface) {
    // Shells may touch each other (their points were duplicated): each is checked on its own.
    UnionFind shells(surface.points.size());
    for (const auto& t : surface.triangles) {
        shells.Join(static_cast<size_t>(t[0]), static_cast<size_t>(t[1]));
        shells.Join(static_cast<size_t>(t[1]), static_cast<size_t>(t[2]));
    }
    std::unordered_map<size_t, std::vector<std::array<int32_t, 3>>> byShell;
    for (const auto& t : surface.triangles) byShell[shells.Find(static_cast<size_t>(t[0]))].push_back(t);
    for (const auto& [root, triangles] : byShell) {
        if (outer::MeshSelfIntersects(surface.points, triangles)) return true;
    }
    return false;
}

}  // namespace gyro
