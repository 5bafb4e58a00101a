#include "geometry/net.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <numbers>
#include <queue>
#include <random>
#include <tuple>
#include <unordered_map>

#include "model/translate_mark.h"

namespace gyro {

namespace {

Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
Vec2 operator*(Vec2 a, double s) { return {a.x * s, a.y * s}; }
double Len(Vec2 a) { return std::hypot(a.x, a.y); }

struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

Box BoxOf(const Vec2* p, size_t n) {
    Box b{p[0].x, p[0].y, p[0].x, p[0].y};
    for (size_t i = 1; i < n; ++i) {
        b.x0 = std::min(b.x0, p[i].x);
        b.y0 = std::min(b.y0, p[i].y);
        b.x1 = std::max(b.x1, p[i].x);
        b.y1 = std::max(b.y1, p[i].y);
    }
    return b;
}

// Boxes that only touch cannot hold meeting interiors.
bool BoxesCross(const Box& a, const Box& b) { return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1; }

int32_t LocalIndex(const NetFace& f, int32_t point) {
    const auto it = std::lower_bound(f.points.begin(), f.points.end(), point);
    return static_cast<int32_t>(it - f.points.begin());
}


// A triangle whose normal is shorter than this part of its face's widest
// one's is a sliver: its rounding may turn it either way.
constexpr double kSureFacing = 1e-9;

// The faces: each original face's triangles joined across their shared edges,
// where they face the same way. A face the surface meets from both sides (the
// two sides of a wall without thickness, a face the outside reaches both above
// and below) gives a net face for each side, each seen from outside.
std::vector<NetFace> GroupFaces(const OuterSurface& s, std::vector<int32_t>& faceOfTriangle) {
    const size_t n = s.triangles.size();
    const auto normalOf = [&](size_t t) {
        const auto& tri = s.triangles[t];
        const Vec3 a = s.points[static_cast<size_t>(tri[0])];
        return Cross(s.points[static_cast<size_t>(tri[1])] - a, s.points[static_cast<size_t>(tri[2])] - a);
    };
    std::vector<int32_t> parent(n);
    for (size_t i = 0; i < n; ++i) parent[i] = static_cast<int32_t>(i);
    const auto find = [&](int32_t x) {
        while (parent[static_cast<size_t>(x)] != x) {
            parent[static_cast<size_t>(x)] = parent[static_cast<size_t>(parent[static_cast<size_t>(x)])];
            x = parent[static_cast<size_t>(x)];
        }
        return x;
    };
    std::map<std::pair<int32_t, int32_t>, int32_t> halfEdge;
    for (size_t t = 0; t < n; ++t) {
        for (int k = 0; k < 3; ++k) {
            halfEdge[{s.triangles[t][static_cast<size_t>(k)], s.triangles[t][static_cast<size_t>((k + 1) % 3)]}] =
                static_cast<int32_t>(t);
        }
    }
    // Which way each triangle faces, against the widest triangle of its face
    // that it reaches across shared edges (fractal copies of a face lie in
    // other planes): +1 or -1 when clearly one way, 0 for a sliver whose
    // normal is only rounding (or far too small beside the widest one's to say).
    const auto sameFace = [&](int32_t t, int32_t& u, const std::pair<int32_t, int32_t>& key) {
        const auto twin = halfEdge.find({key.second, key.first});
        if (twin == halfEdge.end()) return false;
        u = twin->second;
        return s.triangleFace[static_cast<size_t>(t)] == s.triangleFace[static_cast<size_t>(u)];
    };
    std::vector<int8_t> groupFacing(n, 0);  // by root
    const auto join = [&](int32_t t, int32_t u) {
        const int32_t a = find(t), b = find(u);
        if (a == b) return;
        const int32_t root = std::min(a, b);
        groupFacing[static_cast<size_t>(root)] =
            groupFacing[static_cast<size_t>(a)] != 0 ? groupFacing[static_cast<size_t>(a)] : groupFacing[static_cast<size_t>(b)];
        parent[static_cast<size_t>(std::max(a, b))] = root;
    };
    for (const auto& [key, t] : halfEdge) {
        int32_t u = 0;
        if (sameFace(t, u, key)) join(t, u);
    }
    std::vector<Vec3> widest(n);  // by root
    for (size_t t = 0; t < n; ++t) {
        Vec3& w = widest[static_cast<size_t>(find(static_cast<int32_t>(t)))];
        const Vec3 c = normalOf(t);
        if (Length(c) > Length(w)) w = c;
    }
    std::vector<int8_t> facing(n, 0);
    for (size_t t = 0; t < n; ++t) {
        const Vec3 c = normalOf(t);
        const Vec3 w = widest[static_cast<size_t>(find(static_cast<int32_t>(t)))];
        const double d = Dot(c, w);
        if (!(Length(c) > kSureFacing * Length(w))) continue;
        if (d > 0.5 * Length(c) * Length(w)) facing[t] = 1;
        if (d < -0.5 * Length(c) * Length(w)) facing[t] = -1;
    }
    // Triangles of one face that face the same way are joined, and so are
    // slivers among themselves; then each group of slivers joins one group
    // beside it, so that slivers never join the two sides of a face.
    for (size_t i = 0; i < n; ++i) parent[i] = static_cast<int32_t>(i);
    groupFacing = facing;
    for (const bool slivers : {false, true}) {
        for (const auto& [key, t] : halfEdge) {
            int32_t u = 0;
            if (!sameFace(t, u, key)) continue;
            if (!slivers) {
                if (facing[static_cast<size_t>(t)] == facing[static_cast<size_t>(u)]) join(t, u);
                continue;
            }
            const int8_t ft = groupFacing[static_cast<size_t>(find(t))];
            const int8_t fu = groupFacing[static_cast<size_t>(find(u))];
            if ((ft == 0) != (fu == 0)) join(t, u);
        }
    }
    std::vector<NetFace> faces;
    std::vector<int32_t> faceOfRoot(n, -1);
    faceOfTriangle.assign(n, -1);
    for (size_t t = 0; t < n; ++t) {
        const auto r = static_cast<size_t>(find(static_cast<int32_t>(t)));
        if (faceOfRoot[r] < 0) {
            faceOfRoot[r] = static_cast<int32_t>(faces.size());
            faces.emplace_back();
            faces.back().face = s.triangleFace[t];
        }
        faceOfTriangle[t] = faceOfRoot[r];
    }
    // Corners and the plane of each face.
    std::vector<std::vector<int32_t>> tris(faces.size());
    for (size_t t = 0; t < n; ++t) tris[static_cast<size_t>(faceOfTriangle[t])].push_back(static_cast<int32_t>(t));
    for (size_t f = 0; f < faces.size(); ++f) {
        NetFace& face = faces[f];
        Vec3 normal{};
        for (const int32_t t : tris[f]) {
            const auto& tri = s.triangles[static_cast<size_t>(t)];
            for (const int32_t p : tri) face.points.push_back(p);
            const Vec3 a = s.points[static_cast<size_t>(tri[0])];
            normal = normal + Cross(s.points[static_cast<size_t>(tri[1])] - a, s.points[static_cast<size_t>(tri[2])] - a);
        }
        std::sort(face.points.begin(), face.points.end());
        face.points.erase(std::unique(face.points.begin(), face.points.end()), face.points.end());
        for (const int32_t t : tris[f]) {
            const auto& tri = s.triangles[static_cast<size_t>(t)];
            face.triangles.push_back({LocalIndex(face, tri[0]), LocalIndex(face, tri[1]), LocalIndex(face, tri[2])});
        }
        // The plane through the face's widest corner triangle (its first
        // corner, the corner farthest from it, the corner farthest from the
        // line of those two) is perpendicular to its longest reach even when
        // every triangle is a sliver whose own normal is rounding; the sum of
        // the triangles' normals says which side is outside.
        const auto at = [&](size_t i) { return s.points[static_cast<size_t>(face.points[i])]; };
        size_t far = 0;
        for (size_t i = 1; i < face.points.size(); ++i) {
            if (Length(at(i) - at(0)) > Length(at(far) - at(0))) far = i;
        }
        Vec3 widest{};
        for (size_t i = 1; i < face.points.size(); ++i) {
            const Vec3 w = Cross(at(far) - at(0), at(i) - at(0));
            if (Length(w) > Length(widest)) widest = w;
        }
        // Rounding can tip a sliver's cross product towards its own length;
        // made square to the reach again, the face keeps its lengths. Corners
        // all on one line take any plane through it.
        const Vec3 reach = at(far) - at(0);
        Vec3 chosen = Length(widest) > 0 ? widest : normal;
        if (!(Length(chosen) > 0)) chosen = Cross(reach, std::abs(reach.x) < std::abs(reach.y) ? Vec3{1, 0, 0} : Vec3{0, 1, 0});
        if (Dot(reach, reach) > 0) chosen = chosen - reach * (Dot(chosen, reach) / Dot(reach, reach));
        if (Dot(chosen, normal) < 0) chosen = -chosen;
        const double len = Length(chosen);
        face.normal = len > 0 ? chosen / len : Vec3{0, 0, 1};
    }
    return faces;
}

// Edges between faces, by face pair, with their segments in the lower face's order.
std::vector<NetEdge> FindEdges(const OuterSurface& s, const std::vector<int32_t>& faceOfTriangle) {
    std::map<std::pair<int32_t, int32_t>, int32_t> halfEdge;
    for (size_t t = 0; t < s.triangles.size(); ++t) {
        for (int k = 0; k < 3; ++k) {
            halfEdge[{s.triangles[t][static_cast<size_t>(k)], s.triangles[t][static_cast<size_t>((k + 1) % 3)]}] =
                static_cast<int32_t>(t);
        }
    }
    std::map<std::pair<int32_t, int32_t>, NetEdge> byPair;
    for (const auto& [key, t] : halfEdge) {
        const auto twin = halfEdge.find({key.second, key.first});
        if (twin == halfEdge.end()) continue;
        const int32_t fa = faceOfTriangle[static_cast<size_t>(t)];
        const int32_t fb = faceOfTriangle[static_cast<size_t>(twin->second)];
        if (fa >= fb) continue;  // inside a face, or seen from the other side
        NetEdge& e = byPair[{fa, fb}];
        e.a = fa;
        e.b = fb;
        e.segments.push_back({key.first, key.second});
    }
    std::vector<NetEdge> edges;
    edges.reserve(byPair.size());
    for (auto& [key, e] : byPair) {
        // Chains: segments that follow on one another, start to end.
        std::map<int32_t, int32_t> next;
        std::map<int32_t, int> incoming;
        for (const auto& seg : e.segments) {
            next[seg[0]] = seg[1];
            ++incoming[seg[1]];
        }
        for (const auto& seg : e.segments) {
            if (incoming.count(seg[0]) != 0) continue;
            int32_t end = seg[0];
            for (size_t guard = 0; guard <= e.segments.size(); ++guard) {
                const auto it = next.find(end);
                if (it == next.end()) break;
                end = it->second;
            }
            e.chains.push_back({seg[0], end, 0});
        }
        if (e.chains.empty()) {  // a closed ring cannot lie on one line; keep each segment
            for (const auto& seg : e.segments) e.chains.push_back({seg[0], seg[1], 0});
        }
        edges.push_back(std::move(e));
    }
    return edges;
}

// Each face in its own plane, corners as seen from outside (counter-clockwise
// in x right, y up).
void FlattenFaces(const OuterSurface& s, std::vector<NetFace>& faces) {
    for (NetFace& f : faces) {
        // The first axis along the face's longest side.
        Vec3 u{};
        double best = -1;
        for (const auto& tri : f.triangles) {
            for (int k = 0; k < 3; ++k) {
                const Vec3 d = s.points[static_cast<size_t>(f.points[static_cast<size_t>(tri[static_cast<size_t>((k + 1) % 3)])])] -
                               s.points[static_cast<size_t>(f.points[static_cast<size_t>(tri[static_cast<size_t>(k)])])];
                const double l = Length(d);
                if (l > best) {
                    best = l;
                    u = d;
                }
            }
        }
        u = u - f.normal * Dot(u, f.normal);
        const double lu = Length(u);
        u = lu > 0 ? u / lu : Vec3{1, 0, 0};
        const Vec3 v = Cross(f.normal, u);
        const Vec3 o = s.points[static_cast<size_t>(f.points[0])];
        f.at.resize(f.points.size());
        for (size_t i = 0; i < f.points.size(); ++i) {
            const Vec3 d = s.points[static_cast<size_t>(f.points[i])] - o;
            f.at[i] = {Dot(d, u), Dot(d, v)};
        }
    }
}

// The triangles of one piece on a grid of cells, for the overlap test.
class PieceGrid {
public:
    explicit PieceGrid(double cell) : cell_(cell) {}

    // Whether the triangle's interior meets any triangle in the grid.
    bool Meets(const std::array<Vec2, 3>& t) {
        const Box b = BoxOf(t.data(), 3);
        ++stamp_;
        bool hit = false;
        Visit(b, [&](std::vector<int32_t>& list) {
            for (const int32_t i : list) {
                if (hit) return;
                if (seen_[static_cast<size_t>(i)] == stamp_) continue;
                seen_[static_cast<size_t>(i)] = stamp_;
                if (BoxesCross(b, boxes_[static_cast<size_t>(i)]) && TriangleInteriorsMeet(t, tris_[static_cast<size_t>(i)])) {
                    hit = true;
                }
            }
        });
        return hit;
    }

    void Add(const std::array<Vec2, 3>& t) {
        const auto index = static_cast<int32_t>(tris_.size());
        tris_.push_back(t);
        boxes_.push_back(BoxOf(t.data(), 3));
        seen_.push_back(0);
        Visit(boxes_.back(), [&](std::vector<int32_t>& list) { list.push_back(index); });
    }

private:
    template <typename F>
    void Visit(const Box& b, F&& f) {
        const auto cx0 = static_cast<int64_t>(std::floor(b.x0 / cell_));
        const auto cx1 = static_cast<int64_t>(std::floor(b.x1 / cell_));
        const auto cy0 = static_cast<int64_t>(std::floor(b.y0 / cell_));
        const auto cy1 = static_cast<int64_t>(std::floor(b.y1 / cell_));
        for (int64_t x = cx0; x <= cx1; ++x) {
            for (int64_t y = cy0; y <= cy1; ++y) {
                f(cells_[static_cast<uint64_t>(x) * 0x9E3779B97F4A7C15ULL ^ static_cast<uint64_t>(y)]);
            }
        }
    }

    double cell_;
    uint32_t stamp_ = 0;
    std::vector<std::array<Vec2, 3>> tris_;
    std::vector<Box> boxes_;
    std::vector<uint32_t> seen_;
    std::unordered_map<uint64_t, std::vector<int32_t>> cells_;  // only looked up, never walked
};

std::array<Vec2, 3> TriangleAt(const std::array<int32_t, 3>& t, const std::vector<Vec2>& at) {
    return {at[static_cast<size_t>(t[0])], at[static_cast<size_t>(t[1])], at[static_cast<size_t>(t[2])]};
}

// The shortest hinge, as a part of the figure's size (0.02 mm on a net 200 mm across).
constexpr double kShortestHinge = 1e-4;

using PlacedPoints = std::map<int32_t, std::vector<Vec2>>;  // surface point -> where a piece has it

// Where the child's corners go when it hangs on the parent (at `pat`) across
// `edge`, from the child's own plane coordinates `flat`: the hinge's longest
// segment sets the turn, every hinge point keeps the parent's coordinates, and
// a corner the piece already has at (nearly) this place takes the same ones.
std::vector<Vec2> Hinge(const NetFace& pf, const std::vector<Vec2>& pat, const NetFace& cf, const std::vector<Vec2>& flat,
                        const NetEdge& edge, const PlacedPoints& placed, double snap) {
    std::array<int32_t, 2> hinge = edge.segments[0];
    double longest = -1;
    for (const auto& seg : edge.segments) {
        const double l = Len(pat[static_cast<size_t>(LocalIndex(pf, seg[1]))] - pat[static_cast<size_t>(LocalIndex(pf, seg[0]))]);
        if (l > longest) {
            longest = l;
            hinge = seg;
        }
    }
    const Vec2 p0 = pat[static_cast<size_t>(LocalIndex(pf, hinge[0]))];
    const Vec2 p1 = pat[static_cast<size_t>(LocalIndex(pf, hinge[1]))];
    const Vec2 c0 = flat[static_cast<size_t>(LocalIndex(cf, hinge[0]))];
    const Vec2 c1 = flat[static_cast<size_t>(LocalIndex(cf, hinge[1]))];
    const double turn = std::atan2(p1.y - p0.y, p1.x - p0.x) - std::atan2(c1.y - c0.y, c1.x - c0.x);
    const double cs = std::cos(turn), sn = std::sin(turn);
    std::vector<Vec2> at(flat.size());
    for (size_t i = 0; i < at.size(); ++i) {
        const Vec2 d = flat[i] - c0;
        at[i] = Vec2{p0.x + cs * d.x - sn * d.y, p0.y + sn * d.x + cs * d.y};
        const auto it = placed.find(cf.points[i]);
        if (it == placed.end()) continue;
        for (const Vec2 q : it->second) {
            if (std::abs(q.x - at[i].x) <= snap && std::abs(q.y - at[i].y) <= snap) {
                at[i] = q;
                break;
            }
        }
    }
    for (const auto& seg : edge.segments) {
        for (const int32_t p : seg) {
            const auto i = static_cast<size_t>(LocalIndex(cf, p));
            at[i] = pat[static_cast<size_t>(LocalIndex(pf, p))];
            // A point of the face at the very same place (the surface touching
            // itself there) goes where the hinge point goes.
            for (size_t j = 0; j < at.size(); ++j) {
                if (flat[j].x == flat[i].x && flat[j].y == flat[i].y) at[j] = at[i];
            }
        }
    }
    return at;
}

// How far a hinge's points may lie off its line, as a part of the figure's size
// (a collapsed sliver may have moved a point by 1e-9 of it).
constexpr double kOnOneLine = 1e-7;

// Whether every point of the segments lies within `tolerance` of the line of the longest one.
bool OnOneLine(const OuterSurface& s, const std::vector<std::array<int32_t, 2>>& segments, double tolerance) {
    Vec3 p0{}, along{};
    for (const auto& seg : segments) {
        const Vec3 d = s.points[static_cast<size_t>(seg[1])] - s.points[static_cast<size_t>(seg[0])];
        if (Length(d) > Length(along)) {
            along = d;
            p0 = s.points[static_cast<size_t>(seg[0])];
        }
    }
    const double length = Length(along);
    if (!(length > 0)) return false;
    for (const auto& seg : segments) {
        for (const int32_t p : seg) {
            if (Length(Cross(s.points[static_cast<size_t>(p)] - p0, along)) > tolerance * length) return false;
        }
    }
    return true;
}

struct Unfolding {
    std::vector<int32_t> piece, parent, parentEdge;
    std::vector<std::vector<Vec2>> at;  // per face, in its piece's plane
    int32_t pieces = 0;
};

// One spanning forest grown hinge by hinge, longest hinges first (shaken by
// `seed` when above 0), a face joining a piece only where it overlaps none of
// the piece's faces. A face no hinge can take starts a piece of its own.
bool Unfold(const std::vector<NetFace>& faces, const std::vector<NetEdge>& edges, const OuterSurface& s,
            uint32_t seed, double cell, double snap, double quantum, const std::atomic<bool>* cancel, Unfolding& u) {
    const size_t n = faces.size();
    u.piece.assign(n, -1);
    u.parent.assign(n, -1);
    u.parentEdge.assign(n, -1);
    u.at.assign(n, {});
    u.pieces = 0;
    std::vector<std::vector<int32_t>> edgesOf(n);
    std::vector<double> weight(edges.size());
    std::mt19937 random(seed);
    // A hinge turns about its longest segment; one shorter than this joins two
    // faces at what is on paper a point, which no one can fold (and whose line
    // the corners' rounding decides): such an edge is cut.
    Vec3 lo = s.points.empty() ? Vec3{} : s.points[0], hi = lo;
    for (const Vec3& p : s.points) {
        lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
        hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
    }
    const double shortestHinge = kShortestHinge * Length(hi - lo);
    for (size_t e = 0; e < edges.size(); ++e) {
        double len = 0, longest = 0;
        for (const auto& seg : edges[e].segments) {
            const double l = Length(s.points[static_cast<size_t>(seg[1])] - s.points[static_cast<size_t>(seg[0])]);
            len += l;
            longest = std::max(longest, l);
        }
        if (!(longest >= shortestHinge)) continue;  // never offered as a hinge
        // Two faces in one plane (the two sides of a wall) may meet along
        // pieces of several lines; such an edge cannot fold and is cut.
        if (!OnOneLine(s, edges[e].segments, kOnOneLine * Length(hi - lo))) continue;
        edgesOf[static_cast<size_t>(edges[e].a)].push_back(static_cast<int32_t>(e));
        edgesOf[static_cast<size_t>(edges[e].b)].push_back(static_cast<int32_t>(e));
        weight[e] = seed == 0 ? len : len * (0.5 + static_cast<double>(random()) / 4294967296.0);
    }
    std::vector<double> area(n, 0.0);
    for (size_t f = 0; f < n; ++f) {
        for (const auto& t : faces[f].triangles) {
            const Vec2 a = faces[f].at[static_cast<size_t>(t[0])];
            const Vec2 b = faces[f].at[static_cast<size_t>(t[1])];
            const Vec2 c = faces[f].at[static_cast<size_t>(t[2])];
            area[f] += 0.5 * ((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x));
        }
    }
    std::vector<int32_t> order(n);
    for (size_t i = 0; i < n; ++i) order[i] = static_cast<int32_t>(i);
    // Largest faces first; faces of (nearly) one size in index order, so that
    // both unfoldings, whatever their rounding, start from the same faces.
    double largest = 0;
    for (double& a : area) {
        a = std::abs(a);
        largest = std::max(largest, a);
    }
    std::vector<int64_t> rank(n);
    for (size_t f = 0; f < n; ++f) rank[f] = largest > 0 ? std::llround(area[f] / largest * 1e6) : 0;
    std::stable_sort(order.begin(), order.end(),
                     [&](int32_t x, int32_t y) { return rank[static_cast<size_t>(x)] > rank[static_cast<size_t>(y)]; });

    using Item = std::tuple<double, int32_t, int32_t>;  // weight, -edge (lower edge first on ties), child
    for (const int32_t root : order) {
        if (u.piece[static_cast<size_t>(root)] >= 0) continue;
        if (cancel != nullptr && cancel->load()) return false;
        const int32_t pieceIndex = u.pieces++;
        PieceGrid grid(cell);
        PlacedPoints placed;
        const auto place = [&](int32_t f, std::vector<Vec2> at) {
            const NetFace& face = faces[static_cast<size_t>(f)];
            for (const auto& t : face.triangles) {
                if (Orient2d(at[static_cast<size_t>(t[0])], at[static_cast<size_t>(t[1])], at[static_cast<size_t>(t[2])]) != 0) {
                    grid.Add(TriangleAt(t, at));
                }
            }
            for (size_t i = 0; i < face.points.size(); ++i) placed[face.points[i]].push_back(at[i]);
            u.piece[static_cast<size_t>(f)] = pieceIndex;
            u.at[static_cast<size_t>(f)] = std::move(at);
        };
        place(root, faces[static_cast<size_t>(root)].at);
        std::priority_queue<Item> queue;
        const auto offer = [&](int32_t f) {
            for (const int32_t e : edgesOf[static_cast<size_t>(f)]) {
                const NetEdge& edge = edges[static_cast<size_t>(e)];
                const int32_t other = edge.a == f ? edge.b : edge.a;
                if (u.piece[static_cast<size_t>(other)] < 0) queue.emplace(weight[static_cast<size_t>(e)], -e, other);
            }
        };
        offer(root);
        while (!queue.empty()) {
            const auto [w, negEdge, child] = queue.top();
            queue.pop();
            if (u.piece[static_cast<size_t>(child)] >= 0) continue;
            const NetEdge& edge = edges[static_cast<size_t>(-negEdge)];
            const int32_t parent = edge.a == child ? edge.b : edge.a;
            const NetFace& cf = faces[static_cast<size_t>(child)];
            std::vector<Vec2> at = Hinge(faces[static_cast<size_t>(parent)], u.at[static_cast<size_t>(parent)], cf, cf.at,
                                         edge, placed, snap);
            if (quantum > 0) {
                for (Vec2& q : at) q = {std::round(q.x / quantum) * quantum, std::round(q.y / quantum) * quantum};
            }
            bool clash = false;
            for (const auto& t : cf.triangles) {
                if (Orient2d(at[static_cast<size_t>(t[0])], at[static_cast<size_t>(t[1])], at[static_cast<size_t>(t[2])]) == 0) continue;
                if (grid.Meets(TriangleAt(t, at))) {
                    clash = true;
                    break;
                }
            }
            if (clash) continue;
            u.parent[static_cast<size_t>(child)] = parent;
            u.parentEdge[static_cast<size_t>(child)] = -negEdge;
            place(child, std::move(at));
            offer(child);
        }
    }
    return true;
}

// The corners of a tab on the chain p -> q, the face on its left, `h` high,
// its sides leaning in by `h * lean` (a triangle on a chain too short for that).
std::vector<Vec2> TabCorners(Vec2 p, Vec2 q, double h, double lean) {
    const Vec2 d = q - p;
    const double len = Len(d);
    const Vec2 t = d * (1.0 / len);
    const Vec2 out{t.y, -t.x};
    const double in = h * lean;
    if (len > 2.2 * in) return {p, p + out * h + t * in, q + out * h - t * in, q};
    const double hh = std::min(h, 0.5 * len / lean);
    return {p, p + d * 0.5 + out * hh, q};
}

// Tab shapes tried in turn, (height, lean): full, lower, then steeper sides for
// chains that end in a narrow notch of the piece.
constexpr std::array<std::array<double, 2>, 6> kTabShapes{{{1.0, 1.0}, {0.5, 1.0}, {1.0, 2.5}, {0.5, 3.0}, {0.3, 6.0}, {0.15, 12.0}}};

std::vector<std::array<Vec2, 3>> FanOf(const std::vector<Vec2>& poly) {
    std::vector<std::array<Vec2, 3>> out;
    for (size_t i = 1; i + 1 < poly.size(); ++i) out.push_back({poly[0], poly[i], poly[i + 1]});
    return out;
}

// Each piece as the unfolding leaves it, before it goes onto a page.
struct Trees {
    Unfolding u;
    std::vector<NetEdge> edges;  // with folds, cuts and their numbers
    std::vector<NetTab> tabs;    // in the unfolding's coordinates
    int32_t missingTabs = 0;
};

// The best of a few trees over `faces` (their `at`: each face in its own
// plane, in the coordinates the unfolding works in), with folds, cuts and
// tabs `tabHeight` high at most. Coordinates are kept to multiples of
// `quantum` when it is above 0, so that moving a piece by such a multiple is exact.
bool GrowTrees(const OuterSurface& surface, const std::vector<NetFace>& faces, const std::vector<NetEdge>& edges,
               const NetOptions& options, double cell, double snap, double quantum, double tabHeight, bool mirrored,
               Trees& out) {
    const size_t n = faces.size();
    const int trees = options.trees > 0 ? options.trees : (n <= 300 ? 6 : (n <= 3000 ? 3 : 1));
    for (int k = 0; k < trees; ++k) {
        Unfolding u;
        if (!Unfold(faces, edges, surface, static_cast<uint32_t>(k), cell, snap, quantum, options.cancel, u)) return false;
        if (k == 0 || u.pieces < out.u.pieces) out.u = std::move(u);
        if (out.u.pieces == 1) break;
    }
    const Unfolding& u = out.u;
    out.edges = edges;
    int32_t label = 0;
    for (size_t e = 0; e < out.edges.size(); ++e) {
        NetEdge& edge = out.edges[e];
        const bool fold = u.parentEdge[static_cast<size_t>(edge.b)] == static_cast<int32_t>(e) ||
                          u.parentEdge[static_cast<size_t>(edge.a)] == static_cast<int32_t>(e);
        for (NetChain& c : edge.chains) c.label = fold ? 0 : ++label;
        if (fold) {
            const auto& seg = edge.segments[0];
            const Vec3 along = surface.points[static_cast<size_t>(seg[1])] - surface.points[static_cast<size_t>(seg[0])];
            const bool convex = Dot(Cross(faces[static_cast<size_t>(edge.a)].normal, faces[static_cast<size_t>(edge.b)].normal), along) > 0;
            edge.line = convex ? NetLine::Mountain : NetLine::Valley;  // seen from the printed side
        } else {
            edge.line = NetLine::Cut;
        }
    }
    if (!options.tabs) return true;
    // Tabs on a grid of each piece's faces, nothing overlapping.
    std::vector<PieceGrid> grids;
    for (int32_t p = 0; p < u.pieces; ++p) grids.emplace_back(cell);
    for (size_t f = 0; f < n; ++f) {
        for (const auto& t : faces[f].triangles) {
            const auto tri = TriangleAt(t, u.at[f]);
            if (Orient2d(tri[0], tri[1], tri[2]) != 0) grids[static_cast<size_t>(u.piece[f])].Add(tri);
        }
    }
    const auto quantize = [&](Vec2 p) {
        return quantum > 0 ? Vec2{std::round(p.x / quantum) * quantum, std::round(p.y / quantum) * quantum} : p;
    };
    for (size_t e = 0; e < out.edges.size(); ++e) {
        const NetEdge& edge = out.edges[e];
        if (edge.line != NetLine::Cut) continue;
        for (size_t c = 0; c < edge.chains.size(); ++c) {
            bool done = false;
            for (const auto& [shrink, lean] : kTabShapes) {
                for (const bool onA : {true, false}) {
                    if (done) break;
                    const int32_t f = onA ? edge.a : edge.b;
                    const NetFace& face = faces[static_cast<size_t>(f)];
                    Vec2 p = u.at[static_cast<size_t>(f)][static_cast<size_t>(LocalIndex(face, onA ? edge.chains[c].from : edge.chains[c].to))];
                    Vec2 q = u.at[static_cast<size_t>(f)][static_cast<size_t>(LocalIndex(face, onA ? edge.chains[c].to : edge.chains[c].from))];
                    if (mirrored) std::swap(p, q);  // the face is on the left of p -> q either way
                    const double len = Len(q - p);
                    if (!(len > snap)) continue;
                    const double h = std::min(0.3 * len, tabHeight) * shrink;
                    std::vector<Vec2> corners = TabCorners(p, q, h, lean);
                    for (Vec2& v : corners) v = quantize(v);
                    PieceGrid& grid = grids[static_cast<size_t>(u.piece[static_cast<size_t>(f)])];
                    const auto fan = FanOf(corners);
                    bool clash = false;
                    for (const auto& t : fan) clash = clash || grid.Meets(t);
                    if (clash) continue;
                    for (const auto& t : fan) grid.Add(t);
                    out.tabs.push_back({static_cast<int32_t>(e), static_cast<int32_t>(c), f, std::move(corners)});
                    done = true;
                }
                if (done) break;
            }
            if (!done) ++out.missingTabs;
        }
    }
    return true;
}

// The box of each piece, faces and tabs.
std::vector<Box> PieceBoxes(const Trees& t) {
    std::vector<Box> boxes(static_cast<size_t>(t.u.pieces), Box{1e300, 1e300, -1e300, -1e300});
    const auto take = [&](int32_t piece, Vec2 p) {
        Box& b = boxes[static_cast<size_t>(piece)];
        b = {std::min(b.x0, p.x), std::min(b.y0, p.y), std::max(b.x1, p.x), std::max(b.y1, p.y)};
    };
    for (size_t f = 0; f < t.u.at.size(); ++f) {
        for (const Vec2 p : t.u.at[f]) take(t.u.piece[f], p);
    }
    for (const NetTab& tab : t.tabs) {
        for (const Vec2 p : tab.corners) take(t.u.piece[static_cast<size_t>(tab.face)], p);
    }
    return boxes;
}

// The largest scale at which every box fits the area, either way round.
double LargestScale(const std::vector<Box>& boxes, double areaW, double areaH) {
    double scale = 1e300;
    for (const Box& b : boxes) {
        const double w = std::max(b.x1 - b.x0, 1e-300), h = std::max(b.y1 - b.y0, 1e-300);
        scale = std::min(scale, std::max(std::min(areaW / w, areaH / h), std::min(areaW / h, areaH / w)));
    }
    return scale;
}

// The whole net: a first unfolding in the model's units finds the scale, a
// second one works in page millimetres (seen from outside, y down), and its
// pieces only move by exact steps onto the pages, so that every overlap test
// was made on the very coordinates that are drawn.
bool LayOut(const OuterSurface& surface, double longestEdge, const NetOptions& options, double cell, double size,
            Net& net, NetResult& result) {
    std::string& message = result.message;
    const PageSize page = NetPageSize(options.page);
    net.page = page;
    net.marginMm = options.marginMm;
    const double areaW = page.width - 2 * options.marginMm;
    const double areaH = page.height - 2 * options.marginMm - kNetHeaderMm;
    const double tabHeight = 0.12 * longestEdge;

    Trees model;
    if (!GrowTrees(surface, net.faces, net.edges, options, cell, size * 1e-9, 0.0, tabHeight, false, model)) {
        message = kNetCancelled;
        result.problem = NetProblem::Cancelled;
        return false;
    }
    if (options.progress) options.progress(0.5);
    double most = 0;
    // Each piece's first face turned so that the piece takes the smallest box.
    std::vector<double> turns(net.faces.size(), 0.0);
    std::vector<Box> turnedBoxes(static_cast<size_t>(model.u.pieces));
    for (int32_t p = 0; p < model.u.pieces; ++p) {
        int32_t root = -1;
        for (size_t f = 0; f < net.faces.size() && root < 0; ++f) {
            if (model.u.piece[f] == p && model.u.parent[f] < 0) root = static_cast<int32_t>(f);
        }
        double bestArea = 1e300, bestGrow = 0;
        for (int k = 0; k < 36; ++k) {
            const double turn = k * std::numbers::pi / 36;
            const double cs = std::cos(turn), sn = std::sin(turn);
            Box b{1e300, 1e300, -1e300, -1e300};
            const auto take = [&](Vec2 q) {
                const Vec2 r{cs * q.x - sn * q.y, sn * q.x + cs * q.y};
                b = {std::min(b.x0, r.x), std::min(b.y0, r.y), std::max(b.x1, r.x), std::max(b.y1, r.y)};
            };
            for (size_t f = 0; f < net.faces.size(); ++f) {
                if (model.u.piece[f] != p) continue;
                for (const Vec2 q : model.u.at[f]) take(q);
            }
            for (const NetTab& tab : model.tabs) {
                if (model.u.piece[static_cast<size_t>(tab.face)] != p) continue;
                for (const Vec2 q : tab.corners) take(q);
            }
            // The turn that lets the piece grow most on the page, then the smallest box.
            const double w = std::max(b.x1 - b.x0, 1e-300), h = std::max(b.y1 - b.y0, 1e-300);
            const double grow = std::max(std::min(areaW / w, areaH / h), std::min(areaW / h, areaH / w));
            const double area = w * h;
            if (grow > bestGrow * (1 + 1e-9) || (grow >= bestGrow * (1 - 1e-9) && area < bestArea * (1 - 1e-9))) {
                bestGrow = grow;
                bestArea = area;
                turns[static_cast<size_t>(root)] = turn;
                turnedBoxes[static_cast<size_t>(p)] = b;
            }
        }
    }
    most = LargestScale(turnedBoxes, areaW, areaH) * longestEdge * (1 - 1e-6);
    if (options.edgeMm > 0 && options.edgeMm > most) {
        char text[160];
        std::snprintf(text, sizeof text, "at an edge of %.1f mm a piece does not fit on the page; %.1f mm is the most",
                      options.edgeMm, std::floor(most * 10) / 10);
        message = text;
        result.problem = NetProblem::EdgeTooLong;
        result.mostEdgeMm = std::floor(most * 10) / 10;
        return false;
    }
    constexpr double kQuantum = 1.0 / 1099511627776.0;  // 2^-40 mm
    Trees paper;
    std::vector<Box> boxes;
    for (int attempt = 0;; ++attempt) {
        net.edgeMm = options.edgeMm > 0 ? options.edgeMm : std::floor(most * 10) / 10;  // a round figure for the page
        if (!(net.edgeMm > 0)) {
            message = "the pieces are too small to print at 0.1 mm an edge";
            result.problem = NetProblem::TooSmall;
            return false;
        }
        net.mmPerUnit = net.edgeMm / longestEdge;
        const double s = net.mmPerUnit;
        std::vector<NetFace> faces = net.faces;
        for (size_t f = 0; f < faces.size(); ++f) {
            const double cs = std::cos(turns[f]), sn = std::sin(turns[f]);
            for (Vec2& p : faces[f].at) {
                const Vec2 r{cs * p.x - sn * p.y, sn * p.x + cs * p.y};
                p = {std::round(r.x * s / kQuantum) * kQuantum, std::round(-r.y * s / kQuantum) * kQuantum};
            }
        }
        paper = Trees{};
        if (!GrowTrees(surface, faces, net.edges, options, cell * s, size * s * 1e-9, kQuantum, tabHeight * s, true, paper)) {
            message = kNetCancelled;
            result.problem = NetProblem::Cancelled;
            return false;
        }
        boxes = PieceBoxes(paper);
        const double room = LargestScale(boxes, areaW, areaH);
        if (room >= 1.0) break;
        // The second unfolding came out larger than the first (its rounding
        // chose other hinges): smaller by what it lacks.
        if (options.edgeMm > 0 || attempt == 8) {
            message = "the pieces do not fit on the page at this edge length";
            result.problem = NetProblem::DoesNotFit;
            return false;
        }
        most = net.edgeMm * std::min(room, 0.99) * (1 - 1e-6);
    }
    if (options.progress) options.progress(0.9);

    // Shelves of pieces, tallest first; a piece lies across unless it fits only upright.
    const int32_t pieces = paper.u.pieces;
    std::vector<bool> turned(static_cast<size_t>(pieces), false);
    std::vector<int32_t> order(static_cast<size_t>(pieces));
    for (int32_t p = 0; p < pieces; ++p) {
        const Box& b = boxes[static_cast<size_t>(p)];
        const double w = b.x1 - b.x0, h = b.y1 - b.y0;
        turned[static_cast<size_t>(p)] = !(w <= areaW && h <= areaH) || (h > w && h <= areaW && w <= areaH);
        order[static_cast<size_t>(p)] = p;
    }
    const auto height = [&](int32_t p) {
        const Box& b = boxes[static_cast<size_t>(p)];
        return turned[static_cast<size_t>(p)] ? b.x1 - b.x0 : b.y1 - b.y0;
    };
    const auto width = [&](int32_t p) {
        const Box& b = boxes[static_cast<size_t>(p)];
        return turned[static_cast<size_t>(p)] ? b.y1 - b.y0 : b.x1 - b.x0;
    };
    std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) { return height(a) > height(b); });
    std::vector<int32_t> depth(net.faces.size(), 0);
    for (size_t f = 0; f < net.faces.size(); ++f) {
        for (int32_t g = paper.u.parent[f]; g >= 0; g = paper.u.parent[static_cast<size_t>(g)]) ++depth[f];
    }
    std::vector<std::vector<int32_t>> facesOf(static_cast<size_t>(pieces));
    for (size_t f = 0; f < net.faces.size(); ++f) facesOf[static_cast<size_t>(paper.u.piece[f])].push_back(static_cast<int32_t>(f));
    std::vector<Vec2> shift(static_cast<size_t>(pieces));
    net.pieces.assign(static_cast<size_t>(pieces), NetPiece{});
    int32_t pageIndex = 0;
    double shelfTop = 0, shelfHeight = 0, x = 0;
    int32_t number = 0;
    const auto quantize = [&](double v) { return std::ceil(v / kQuantum) * kQuantum; };
    for (const int32_t p : order) {
        const double w = width(p), h = height(p);
        if (x > 0 && x + w > areaW) {  // next shelf
            shelfTop += shelfHeight + kNetGapMm;
            shelfHeight = 0;
            x = 0;
        }
        if (shelfTop > 0 && shelfTop + h > areaH) {  // next page
            ++pageIndex;
            shelfTop = 0;
            shelfHeight = 0;
            x = 0;
        }
        NetPiece& piece = net.pieces[static_cast<size_t>(p)];
        piece.number = ++number;
        piece.page = pageIndex;
        piece.faces = facesOf[static_cast<size_t>(p)];
        std::stable_sort(piece.faces.begin(), piece.faces.end(),
                         [&](int32_t a, int32_t b) { return depth[static_cast<size_t>(a)] < depth[static_cast<size_t>(b)]; });
        // A quarter turn (x, y) -> (-y, x) and a shift by whole quanta are exact.
        const Box& b = boxes[static_cast<size_t>(p)];
        const double left = options.marginMm + x, top = options.marginMm + kNetHeaderMm + shelfTop;
        const bool turn = turned[static_cast<size_t>(p)];
        const Vec2 move = turn ? Vec2{quantize(left + b.y1), quantize(top - b.x0)} : Vec2{quantize(left - b.x0), quantize(top - b.y0)};
        const auto place = [&](Vec2 q) { return turn ? Vec2{-q.y + move.x, q.x + move.y} : Vec2{q.x + move.x, q.y + move.y}; };
        for (const int32_t f : piece.faces) {
            NetFace& face = net.faces[static_cast<size_t>(f)];
            face.piece = p;
            face.parent = paper.u.parent[static_cast<size_t>(f)];
            face.parentEdge = paper.u.parentEdge[static_cast<size_t>(f)];
            face.at = paper.u.at[static_cast<size_t>(f)];
            for (Vec2& q : face.at) q = place(q);
        }
        for (NetTab& tab : paper.tabs) {
            if (paper.u.piece[static_cast<size_t>(tab.face)] != p) continue;
            for (Vec2& q : tab.corners) q = place(q);
        }
        piece.boxMin = {left, top};
        piece.boxMax = {left + w, top + h};
        // The number at the centre of the root face's largest triangle.
        const NetFace& root = net.faces[static_cast<size_t>(piece.faces[0])];
        double bestArea = -1;
        for (const auto& t : root.triangles) {
            const auto tri = TriangleAt(t, root.at);
            const double a = std::abs((tri[1].x - tri[0].x) * (tri[2].y - tri[0].y) - (tri[1].y - tri[0].y) * (tri[2].x - tri[0].x));
            if (a > bestArea) {
                bestArea = a;
                piece.labelAt = {(tri[0].x + tri[1].x + tri[2].x) / 3, (tri[0].y + tri[1].y + tri[2].y) / 3};
            }
        }
        x += w + kNetGapMm;
        shelfHeight = std::max(shelfHeight, h);
    }
    net.pages = pageIndex + 1;
    net.edges = std::move(paper.edges);
    net.tabs = std::move(paper.tabs);
    net.missingTabs = paper.missingTabs;
    return true;
}

}  // namespace

PageSize NetPageSize(NetPage page) {
    switch (page) {
        case NetPage::Letter: return {215.9, 279.4};
        case NetPage::A3: return {297.0, 420.0};
        case NetPage::A4: break;
    }
    return {210.0, 297.0};
}

bool ParseNetPage(const std::string& name, NetPage& page) {
    std::string lower = name;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "a4") page = NetPage::A4;
    else if (lower == "letter") page = NetPage::Letter;
    else if (lower == "a3") page = NetPage::A3;
    else return false;
    return true;
}

bool TriangleInteriorsMeet(const std::array<Vec2, 3>& s0, const std::array<Vec2, 3>& t0) {
    std::array<Vec2, 3> s = s0, t = t0;
    const int os = Orient2d(s[0], s[1], s[2]);
    const int ot = Orient2d(t[0], t[1], t[2]);
    if (os == 0 || ot == 0) return false;
    if (os < 0) std::swap(s[1], s[2]);
    if (ot < 0) std::swap(t[1], t[2]);
    // Convex shapes with disjoint interiors are parted by the line of one of their sides.
    const auto parts = [](const std::array<Vec2, 3>& a, const std::array<Vec2, 3>& b) {
        for (int i = 0; i < 3; ++i) {
            const Vec2 p = a[static_cast<size_t>(i)], q = a[static_cast<size_t>((i + 1) % 3)];
            if (Orient2d(p, q, b[0]) <= 0 && Orient2d(p, q, b[1]) <= 0 && Orient2d(p, q, b[2]) <= 0) return true;
        }
        return false;
    };
    return !parts(s, t) && !parts(t, s);
}

std::string NetProblemText(const NetResult& result) {
    switch (result.problem) {
        case NetProblem::None:
            return {};
        case NetProblem::Cancelled:
            return GYRO_TRANSLATE_NOOP("Messages", "取り消されました");
        case NetProblem::OuterRefused: {
            std::string text = OuterRefusalText(result.outerRefusal);
            if (!result.outerDetail.empty()) text += "\n" + result.outerDetail;
            return text;
        }
        case NetProblem::NoSurface:
            return GYRO_TRANSLATE_NOOP("Messages", "展開する外側の面がありません");
        case NetProblem::EdgeTooLong: {
            char most[32];
            std::snprintf(most, sizeof most, "%.1f", result.mostEdgeMm);
            return std::string(GYRO_TRANSLATE_NOOP("Messages", "この辺の長さではページに収まらない部品があります。辺の長さの最大 (mm):")) +
                   "\n" + most;
        }
        case NetProblem::TooSmall:
            return GYRO_TRANSLATE_NOOP("Messages", "部品が小さすぎて、辺 0.1 mm でも印刷できません");
        case NetProblem::DoesNotFit:
            return GYRO_TRANSLATE_NOOP("Messages", "この辺の長さでは部品がページに収まりません");
    }
    return {};
}

NetResult MakeFigureNet(const Solid& solid, int fractalLevel, const NetOptions& options) {
    OuterOptions outerOptions;
    outerOptions.fractalLevel = fractalLevel;
    outerOptions.cancel = options.cancel;
    if (options.progress) outerOptions.progress = [&](double x) { options.progress(0.7 * x); };
    const OuterResult outer = ComputeOuterSurface(solid, outerOptions);
    if (!outer.ok()) {
        NetResult result;
        if (outer.refusal == OuterRefusal::Cancelled) {
            result.message = kNetCancelled;
            result.problem = NetProblem::Cancelled;
            return result;
        }
        result.problem = NetProblem::OuterRefused;
        result.message = OuterRefusalText(outer.refusal);
        if (!outer.detail.empty()) result.message += "\n" + outer.detail;
        result.outerRefusal = outer.refusal;
        result.outerDetail = outer.detail;
        return result;
    }
    NetOptions netOptions = options;
    if (options.progress) netOptions.progress = [&](double x) { options.progress(0.7 + 0.3 * x); };
    const Solid expanded = fractalLevel > 0 ? ExpandFractalCopies(solid, fractalLevel) : Solid{};
    return MakeNet(outer.surface, LongestFaceEdge(fractalLevel > 0 ? expanded : solid), netOptions);
}

double LongestFaceEdge(const Solid& solid) {
    double best = 0.0;
    for (const Face& f : solid.faces) {
        for (int32_t k = 0; k < f.polygonCount; ++k) {
            for (int32_t i = 0; i < f.polygonSize; ++i) {
                const auto a = static_cast<size_t>(f.corners[static_cast<size_t>(k * f.polygonSize + i)]);
                const auto b = static_cast<size_t>(f.corners[static_cast<size_t>(k * f.polygonSize + (i + 1) % f.polygonSize)]);
                if (a < solid.vertices.size() && b < solid.vertices.size()) {
                    best = std::max(best, Length(solid.vertices[a] - solid.vertices[b]));
                }
            }
        }
    }
    return best;
}

NetResult MakeNet(const OuterSurface& surface, double longestEdge, const NetOptions& options) {
    NetResult result;
    Net& net = result.net;
    const auto progress = [&](double x) {
        if (options.progress) options.progress(x);
    };
    if (surface.triangles.empty()) {
        result.message = "the figure has no outer surface to unfold";
        result.problem = NetProblem::NoSurface;
        return result;
    }
    std::vector<int32_t> faceOfTriangle;
    net.faces = GroupFaces(surface, faceOfTriangle);
    net.edges = FindEdges(surface, faceOfTriangle);
    net.faceColours = surface.faceColours;
    FlattenFaces(surface, net.faces);
    progress(0.1);

    Vec3 lo = surface.points[0], hi = surface.points[0];
    for (const Vec3 p : surface.points) {
        lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
        hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
    }
    const double size = std::max(Length(hi - lo), 1e-300);
    if (!(longestEdge > 0)) longestEdge = size;
    double meanEdge = 0;
    size_t edgeCount = 0;
    for (const NetEdge& e : net.edges) {
        for (const auto& seg : e.segments) {
            meanEdge += Length(surface.points[static_cast<size_t>(seg[1])] - surface.points[static_cast<size_t>(seg[0])]);
            ++edgeCount;
        }
    }
    meanEdge = edgeCount > 0 ? meanEdge / static_cast<double>(edgeCount) : size;
    const double cell = std::max(meanEdge * 2.0, size * 1e-6);

    if (!LayOut(surface, longestEdge, options, cell, size, net, result)) return result;
    progress(1.0);
    result.ok = true;
    return result;
}

}  // namespace gyro
