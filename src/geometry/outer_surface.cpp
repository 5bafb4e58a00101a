#include "geometry/outer_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <numeric>
#include <unordered_map>

#include "geometry/outer_exact.h"
#include "geometry/outer_planes.h"
#include "geometry/outer_slivers.h"
#include "geometry/point_index.h"
#include "model/face_access.h"
#include "model/translate_mark.h"

namespace gyro {

namespace {

using outer::SoupTriangle;

// How far, as a part of the figure's extent, a triangle's corner may lie off
// its face's plane after the clean-up: well above the tolerance a collapse
// moves a point by, far below any face a wrong label would name.
constexpr double kOffFaceTolerance = 1e-7;

// The cut in doubles is tried for figures of at most this many triangles: on
// the two generated meshes beyond it (the Koch surface and the blob tree) it
// would run for minutes before the exact cut starts.
constexpr size_t kMostTrianglesCutInDoubles = 100'000;

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

// The normal of the corner triangle the first corner spans with the corner
// farthest from it and the corner farthest from that line: a sound normal for
// any planar ring that is not a line, whatever its winding.
Vec3 WidestCornerNormal(const std::vector<Vec3>& ring) {
    if (ring.size() < 3) return {};
    size_t far = 0;
    for (size_t i = 1; i < ring.size(); ++i) {
        if (Length(ring[i] - ring[0]) > Length(ring[far] - ring[0])) far = i;
    }
    Vec3 best{};
    for (size_t i = 1; i < ring.size(); ++i) {
        const Vec3 c = Cross(ring[far] - ring[0], ring[i] - ring[0]);
        if (Length(c) > Length(best)) best = c;
    }
    return best;
}

// Turning the same way at every corner, and once round: a ring that turns
// the same way twice round (a pentagram, its corners in star order) is no
// convex face, and a fan of it fills more than the nonzero rule does.
bool IsConvex(const std::vector<Vec3>& ring) {
    const Vec3 n = NewellNormal(ring);
    const double length = Length(n);
    if (length == 0.0) return false;
    double turned = 0.0;
    for (size_t i = 0; i < ring.size(); ++i) {
        const Vec3 a = ring[i];
        const Vec3 b = ring[(i + 1) % ring.size()];
        const Vec3 c = ring[(i + 2) % ring.size()];
        const double turn = Dot(Cross(b - a, c - b), n);
        if (turn <= 0.0) return false;
        turned += std::atan2(turn / length, Dot(b - a, c - b));
    }
    return turned < 3.0 * std::acos(-1.0);
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

struct Ring {
    int32_t face = 0;
    std::vector<int32_t> points;  // welded indices
    bool split = false;           // points of other faces' crossings were put on its edges
};

// The rings of every face (one per polygon), by welded points, without
// repeated corners.
std::vector<Ring> FaceRings(const Solid& solid, PointWelder& welder) {
    std::vector<int32_t> welded(solid.vertices.size());
    for (size_t i = 0; i < solid.vertices.size(); ++i) welded[i] = welder.Add(solid.vertices[i]);
    std::vector<Ring> rings;
    for (int32_t f = 0; f < solid.faceCount(); ++f) {
        const Face& face = solid.faces[static_cast<size_t>(f)];
        const int32_t stored = StoredCorners(face);
        for (int32_t p = 0; face.polygonSize > 0 && (p + 1) * face.polygonSize <= stored; ++p) {
            Ring ring{f, {}};
            for (int32_t c = 0; c < face.polygonSize; ++c) {
                const int32_t index = face.corners[static_cast<size_t>(p * face.polygonSize + c)];
                if (index < 0 || index >= solid.vertexCount()) continue;
                const int32_t w = welded[static_cast<size_t>(index)];
                if (ring.points.empty() || ring.points.back() != w) ring.points.push_back(w);
            }
            while (ring.points.size() > 1 && ring.points.front() == ring.points.back()) ring.points.pop_back();
            if (ring.points.size() >= 3) rings.push_back(std::move(ring));
        }
    }
    return rings;
}

struct Plane {
    Vec3 normal;
    double offset = 0.0;
};

// One ring of a face added to its normal, the sum of its corners and their
// count. A crossed ring (a bow tie) encloses as much one way as the other, and
// its Newell normal vanishes into rounding: then its normal comes from its
// widest corner triangle. Rings of one face may wind either way; their normals
// are summed alike.
void AddRing(const std::vector<Vec3>& ring, Vec3& normal, Vec3& sum, double& count) {
    Vec3 rn = NewellNormal(ring);
    const Vec3 wide = WidestCornerNormal(ring);
    if (!(Length(rn) > 1e-6 * Length(wide))) rn = wide;
    normal = Dot(normal, rn) < 0 ? normal - rn : normal + rn;
    for (const Vec3& q : ring) sum = sum + q;
    count += static_cast<double>(ring.size());
}

// The plane of a face's rings (Newell's normal, through their mean), turned so
// that its largest component is positive: both windings give one plane.
bool FacePlane(const std::vector<Vec3>& points, const std::vector<const Ring*>& rings, Plane& plane) {
    Vec3 n{};
    Vec3 mean{};
    double count = 0;
    std::vector<Vec3> ringPoints;
    for (const Ring* ring : rings) {
        ringPoints.clear();
        for (const int32_t i : ring->points) ringPoints.push_back(points[static_cast<size_t>(i)]);
        AddRing(ringPoints, n, mean, count);
    }
    const double length = Length(n);
    if (!(length > 0.0)) return false;
    n = n / length;
    const double ax = std::abs(n.x), ay = std::abs(n.y), az = std::abs(n.z);
    const double lead = ax >= ay && ax >= az ? n.x : (ay >= az ? n.y : n.z);
    if (lead < 0) n = -n;
    plane.normal = n;
    plane.offset = Dot(n, mean / count);
    return true;
}

// A ring edge a crossing lies on: its ends (welded) and the place along it.
struct EdgeHit {
    int32_t a = -1;
    int32_t b = -1;
    double along = 0.0;
};

// A point of the plane's region back in space: a ring corner is itself; a
// crossing lies on ring edges, and is put on the nearest of them in space.
// Every ring edge it lies on (within the tolerance) is reported, so that all
// faces sharing any of those edges are cut at the same point: a crossing of two
// faces' edges lies on both, and a face beyond either edge that missed it would
// leave a crack for the outside to leak through.
Vec3 Lift(const outer::RegionPoint& q, const std::vector<outer::RegionPoint>& local, const std::vector<int32_t>& welded,
          const std::vector<Vec3>& points, const std::vector<std::vector<int32_t>>& rings, const Plane& plane, Vec3 u,
          Vec3 w, double tolerance, std::vector<EdgeHit>& hits) {
    hits.clear();
    double bestDistance = std::numeric_limits<double>::infinity();
    Vec3 best = plane.normal * plane.offset + u * q.x + w * q.y;
    for (const auto& ring : rings) {
        for (size_t i = 0; i < ring.size(); ++i) {
            const auto a = static_cast<size_t>(ring[i]);
            const auto b = static_cast<size_t>(ring[(i + 1) % ring.size()]);
            const double ex = local[b].x - local[a].x, ey = local[b].y - local[a].y;
            const double len2 = ex * ex + ey * ey;
            if (!(len2 > 0.0)) continue;
            const double t = std::clamp(((q.x - local[a].x) * ex + (q.y - local[a].y) * ey) / len2, 0.0, 1.0);
            const double dx = local[a].x + t * ex - q.x, dy = local[a].y + t * ey - q.y;
            const double distance = dx * dx + dy * dy;
            if (distance <= tolerance * tolerance) hits.push_back({welded[a], welded[b], t});
            if (distance < bestDistance) {
                bestDistance = distance;
                const Vec3 pa = points[static_cast<size_t>(welded[a])];
                const Vec3 pb = points[static_cast<size_t>(welded[b])];
                best = pa + (pb - pa) * t;
            }
        }
    }
    return best;
}

// Every face cut into triangles without moving its edges. Faces are taken
// together by plane: the rings of one plane are filled by the nonzero rule
// (each face's own rings together) and cut at their crossings, so no two
// triangles of one plane overlap; the exact step would otherwise cut slivers
// between copies of a plane a rounding error apart. A convex face alone in
// its plane is fanned from a corner.
uint64_t UndirectedKey(int32_t a, int32_t b) {
    if (a > b) std::swap(a, b);
    return (static_cast<uint64_t>(static_cast<uint32_t>(a)) << 32) | static_cast<uint32_t>(b);
}

// False when cancelled.
bool TriangulateFaces(const Solid& solid, PointWelder& welder, double extent, const OuterOptions& options,
                      std::vector<SoupTriangle>& soup) {
    std::vector<Ring> rings = FaceRings(solid, welder);
    // Crossings found on a ring edge, by undirected edge: (place from the
    // lower-numbered end, point). A second pass puts them on every ring with
    // that edge, so that faces sharing an edge are cut at the same points.
    std::unordered_map<uint64_t, std::vector<std::pair<double, int32_t>>> onEdge;
    const double scale = std::max(extent, 1.0);
    const double tolerance = 1e-9 * scale;  // as the welder's
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) {
            if (onEdge.empty()) return true;
            soup.clear();
            for (auto& [key, list] : onEdge) {
                // One place per point: a crossing met from two planes may come twice.
                std::sort(list.begin(), list.end());
                std::vector<int32_t> kept;
                list.erase(std::remove_if(list.begin(), list.end(),
                                          [&](const auto& x) {
                                              if (std::find(kept.begin(), kept.end(), x.second) != kept.end()) return true;
                                              kept.push_back(x.second);
                                              return false;
                                          }),
                           list.end());
            }
            for (Ring& ring : rings) {
                std::vector<int32_t> out;
                for (size_t i = 0; i < ring.points.size(); ++i) {
                    const int32_t a = ring.points[i];
                    const int32_t b = ring.points[(i + 1) % ring.points.size()];
                    out.push_back(a);
                    const auto it = onEdge.find(UndirectedKey(a, b));
                    if (it == onEdge.end()) continue;
                    std::vector<int32_t> between;
                    for (const auto& [t, q] : it->second) {
                        if (q != a && q != b) between.push_back(q);
                    }
                    if (a > b) std::reverse(between.begin(), between.end());
                    for (const int32_t q : between) {
                        if (out.back() != q) out.push_back(q);
                    }
                    ring.split = ring.split || !between.empty();
                }
                ring.points = std::move(out);
            }
        }
        // Faces by plane, a relative 1e-9 apart at most.
        std::map<std::array<int64_t, 4>, std::vector<int32_t>> groups;  // plane key -> faces
        std::map<int32_t, std::vector<const Ring*>> ringsOf;
        for (const Ring& ring : rings) ringsOf[ring.face].push_back(&ring);
        std::map<int32_t, Plane> planeOf;
        for (const auto& [face, faceRings] : ringsOf) {
            Plane plane;
            if (!FacePlane(welder.points(), faceRings, plane)) {
                // No plane at all (its corners on one line): nothing to fill.
                continue;
            }
            planeOf[face] = plane;
            const auto q = [](double v) { return static_cast<int64_t>(std::llround(v * 1e9)); };
            groups[{q(plane.normal.x), q(plane.normal.y), q(plane.normal.z), q(plane.offset / scale)}].push_back(face);
        }

        for (const auto& [key, faces] : groups) {
            if (options.cancel != nullptr && options.cancel->load(std::memory_order_relaxed)) return false;
            if (faces.size() == 1 && ringsOf[faces[0]].size() == 1 && !ringsOf[faces[0]][0]->split) {
                const Ring& ring = *ringsOf[faces[0]][0];
                std::vector<Vec3> ringPoints;
                for (const int32_t i : ring.points) ringPoints.push_back(welder.points()[static_cast<size_t>(i)]);
                if (ring.points.size() == 3 ||
                    (solid.faces[static_cast<size_t>(ring.face)].starStep <= 1 && IsConvex(ringPoints))) {
                    for (size_t i = 1; i + 1 < ring.points.size(); ++i) {
                        soup.push_back({{ring.points[0], ring.points[i], ring.points[i + 1]}, ring.face});
                    }
                    continue;
                }
            }
            const Plane& plane = planeOf[faces[0]];
            // A basis of the plane.
            const Vec3 n = plane.normal;
            Vec3 u = std::abs(n.x) < 0.6 ? Cross(n, Vec3{1, 0, 0}) : Cross(n, Vec3{0, 1, 0});
            u = u / Length(u);
            const Vec3 w = Cross(n, u);

            std::vector<outer::RegionPoint> local;
            std::vector<int32_t> welded;  // local point -> welded index
            std::unordered_map<int32_t, int32_t> localOf;
            std::vector<std::vector<int32_t>> localRings;
            std::vector<int32_t> owners;
            for (const int32_t face : faces) {
                for (const Ring* ring : ringsOf[face]) {
                    std::vector<int32_t> r;
                    for (const int32_t i : ring->points) {
                        const auto [it, inserted] = localOf.emplace(i, static_cast<int32_t>(local.size()));
                        if (inserted) {
                            const Vec3 p = welder.points()[static_cast<size_t>(i)];
                            local.push_back({Dot(p, u), Dot(p, w), i});
                            welded.push_back(i);
                        }
                        r.push_back(it->second);
                    }
                    localRings.push_back(std::move(r));
                    owners.push_back(face);
                }
            }
            std::vector<outer::RegionTriangle> pieces;
            const size_t before = local.size();
            outer::FillPlaneRegion(local, localRings, owners, pieces, options.cancel);
            if (options.cancel != nullptr && options.cancel->load(std::memory_order_relaxed)) return false;
            const std::vector<Vec3> points = welder.points();
            std::vector<EdgeHit> hits;
            for (size_t i = before; i < local.size(); ++i) {
                const int32_t q =
                    welder.Add(Lift(local[i], local, welded, points, localRings, plane, u, w, tolerance, hits));
                welded.push_back(q);
                for (const EdgeHit& hit : hits) {
                    if (pass == 0 && hit.a != hit.b && q != hit.a && q != hit.b) {
                        onEdge[UndirectedKey(hit.a, hit.b)].emplace_back(hit.a < hit.b ? hit.along : 1.0 - hit.along, q);
                    }
                }
            }
            for (const outer::RegionTriangle& piece : pieces) {
                const std::array<int32_t, 3> v{welded[static_cast<size_t>(piece.corner[0])],
                                               welded[static_cast<size_t>(piece.corner[1])],
                                               welded[static_cast<size_t>(piece.corner[2])]};
                if (v[0] == v[1] || v[1] == v[2] || v[2] == v[0]) continue;
                soup.push_back({v, piece.owner});
            }
        }
    }
    return true;
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

// Two shells that touch along an edge (fractal copies edge to edge, two
// cubes sharing an edge) put four walked triangles on it. The walk pairs each
// with the one across the outside; then the corners at both ends form one fan
// round both shells, no point is split, and the edge is left with two
// triangles each way. Paired across the inside instead (each triangle with the
// other one running the edge its opposite way), each shell closes on its own
// copy of the edge, whose ends then split. Edges with more than four are left
// alone. Returns whether any pairing changed.
bool PairAcrossTheInside(outer::WalkOutput& walk) {
    struct Use {
        int32_t triangle;
        int32_t edge;  // the triangle's edge i runs from corner i to corner i + 1
    };
    std::unordered_map<uint64_t, std::vector<Use>> uses;
    for (size_t t = 0; t < walk.triangles.size(); ++t) {
        for (int32_t i = 0; i < 3; ++i) {
            const int32_t a = walk.triangles[t][static_cast<size_t>(i)];
            const int32_t b = walk.triangles[t][static_cast<size_t>((i + 1) % 3)];
            const auto lo = static_cast<uint32_t>(std::min(a, b));
            const auto hi = static_cast<uint32_t>(std::max(a, b));
            uses[(static_cast<uint64_t>(lo) << 32) | hi].push_back({static_cast<int32_t>(t), i});
        }
    }
    bool changed = false;
    for (const auto& [edge, list] : uses) {
        if (list.size() != 4) continue;
        auto from = [&](const Use& u) {
            return walk.triangles[static_cast<size_t>(u.triangle)][static_cast<size_t>(u.edge)];
        };
        const int32_t a = from(list[0]);
        if (std::count_if(list.begin(), list.end(), [&](const Use& u) { return from(u) == a; }) != 2) continue;
        std::array<int32_t, 4> partner{};
        bool sound = true;
        for (size_t k = 0; k < 4 && sound; ++k) {
            const int32_t across = walk.next[static_cast<size_t>(list[k].triangle)][static_cast<size_t>(list[k].edge)];
            int32_t other = -1;
            for (size_t m = 0; m < 4; ++m) {
                if (from(list[m]) != from(list[k]) && list[m].triangle != across) other = list[m].triangle;
            }
            sound = other >= 0 && across != other &&
                    std::any_of(list.begin(), list.end(), [&](const Use& u) { return u.triangle == across; });
            partner[k] = other;
        }
        if (!sound) continue;
        for (size_t k = 0; k < 4; ++k) {
            walk.next[static_cast<size_t>(list[k].triangle)][static_cast<size_t>(list[k].edge)] = partner[k];
        }
        changed = true;
    }
    return changed;
}

// Edges the exact step made a hair long (where the builders' doubles missed an
// intended coincidence) are collapsed one by one on the manifold surface: the
// two triangles beside the edge go, their outer neighbours become neighbours,
// and one end takes the other's place. An edge whose ends share more
// neighbours than the two opposite corners is left, so the surface stays a
// 2-manifold. `next` pairs the triangles' edges as in the walk. True when
// some edge went.
bool CollapseShortEdges(OuterSurface& surface, std::vector<std::array<int32_t, 3>>& next, std::vector<int32_t>& faces,
                        double tolerance) {
    auto& tris = surface.triangles;
    const size_t n = tris.size();
    std::vector<bool> alive(n, true);
    std::vector<std::vector<int32_t>> incident(surface.points.size());
    for (size_t t = 0; t < n; ++t) {
        for (const int32_t v : tris[t]) incident[static_cast<size_t>(v)].push_back(static_cast<int32_t>(t));
    }
    auto edgeIndex = [&](int32_t t, int32_t a, int32_t b) {
        const auto& v = tris[static_cast<size_t>(t)];
        for (int i = 0; i < 3; ++i) {
            if (v[static_cast<size_t>(i)] == a && v[static_cast<size_t>((i + 1) % 3)] == b) return i;
        }
        return -1;
    };
    auto neighbours = [&](int32_t p) {
        std::vector<int32_t> out;
        for (const int32_t t : incident[static_cast<size_t>(p)]) {
            if (!alive[static_cast<size_t>(t)]) continue;
            for (const int32_t v : tris[static_cast<size_t>(t)]) {
                if (v != p) out.push_back(v);
            }
        }
        std::sort(out.begin(), out.end());
        out.erase(std::unique(out.begin(), out.end()), out.end());
        return out;
    };
    // Joins the two outer neighbours of a triangle that goes, across its edges j and k.
    auto bridge = [&](int32_t t, int j, int k) {
        const int32_t x = next[static_cast<size_t>(t)][static_cast<size_t>(j)];
        const int32_t y = next[static_cast<size_t>(t)][static_cast<size_t>(k)];
        for (auto& slot : next[static_cast<size_t>(x)]) {
            if (slot == t) slot = y;
        }
        for (auto& slot : next[static_cast<size_t>(y)]) {
            if (slot == t) slot = x;
        }
    };
    bool changed = true;
    while (changed) {
        changed = false;
        for (size_t t = 0; t < n; ++t) {
            if (!alive[t]) continue;
            for (int i = 0; i < 3 && alive[t]; ++i) {
                const int32_t a = tris[t][static_cast<size_t>(i)];
                const int32_t b = tris[t][static_cast<size_t>((i + 1) % 3)];
                const Vec3 d = surface.points[static_cast<size_t>(a)] - surface.points[static_cast<size_t>(b)];
                if (std::max({std::abs(d.x), std::abs(d.y), std::abs(d.z)}) > tolerance) continue;
                const int32_t u = next[t][static_cast<size_t>(i)];
                if (u == static_cast<int32_t>(t) || !alive[static_cast<size_t>(u)]) continue;
                const int32_t c = tris[t][static_cast<size_t>((i + 2) % 3)];
                const int ui = edgeIndex(u, b, a);
                if (ui < 0) continue;
                const int32_t e = tris[static_cast<size_t>(u)][static_cast<size_t>((ui + 2) % 3)];
                if (c == e) continue;
                // The link condition.
                const std::vector<int32_t> na = neighbours(a);
                const std::vector<int32_t> nb = neighbours(b);
                std::vector<int32_t> common;
                std::set_intersection(na.begin(), na.end(), nb.begin(), nb.end(), std::back_inserter(common));
                if (common.size() != 2) continue;
                // Also the neighbours of the triangles that go must differ, or
                // a pair of triangles would fold onto each other.
                if (next[t][static_cast<size_t>((i + 1) % 3)] == next[t][static_cast<size_t>((i + 2) % 3)]) continue;
                bridge(static_cast<int32_t>(t), (i + 1) % 3, (i + 2) % 3);
                bridge(u, (ui + 1) % 3, (ui + 2) % 3);
                alive[t] = false;
                alive[static_cast<size_t>(u)] = false;
                for (const int32_t s : incident[static_cast<size_t>(b)]) {
                    if (!alive[static_cast<size_t>(s)]) continue;
                    for (int32_t& v : tris[static_cast<size_t>(s)]) {
                        if (v == b) v = a;
                    }
                    incident[static_cast<size_t>(a)].push_back(s);
                }
                incident[static_cast<size_t>(b)].clear();
                changed = true;
            }
        }
    }
    // Keep what is left, numbered afresh.
    std::vector<int32_t> newIndex(n, -1);
    int32_t count = 0;
    for (size_t t = 0; t < n; ++t) {
        if (alive[t]) newIndex[t] = count++;
    }
    if (count == static_cast<int32_t>(n)) return false;
    std::vector<std::array<int32_t, 3>> keptTris, keptNext;
    std::vector<int32_t> keptFaces;
    for (size_t t = 0; t < n; ++t) {
        if (!alive[t]) continue;
        keptTris.push_back(tris[t]);
        keptFaces.push_back(faces[t]);
        std::array<int32_t, 3> m{};
        for (size_t i = 0; i < 3; ++i) m[i] = newIndex[static_cast<size_t>(next[t][i])];
        keptNext.push_back(m);
    }
    std::vector<int32_t> pointIndex(surface.points.size(), -1);
    std::vector<Vec3> points;
    for (auto& tri : keptTris) {
        for (int32_t& v : tri) {
            int32_t& r = pointIndex[static_cast<size_t>(v)];
            if (r < 0) {
                r = static_cast<int32_t>(points.size());
                points.push_back(surface.points[static_cast<size_t>(v)]);
            }
            v = r;
        }
    }
    surface.points = std::move(points);
    tris = std::move(keptTris);
    next = std::move(keptNext);
    faces = std::move(keptFaces);
    return true;
}

// Hair-thin triangles whose corner lies on the opposite edge (no short edge to
// collapse) go by flipping that edge: with the neighbour across it, the two
// become two sound triangles in the neighbour's plane, with its face. True
// when some edge was flipped.
bool FlipCaps(OuterSurface& surface, std::vector<std::array<int32_t, 3>>& next, std::vector<int32_t>& faces,
              double tolerance) {
    bool flipped = false;
    auto& tris = surface.triangles;
    std::vector<std::vector<int32_t>> incident(surface.points.size());
    for (size_t t = 0; t < tris.size(); ++t) {
        for (const int32_t v : tris[t]) incident[static_cast<size_t>(v)].push_back(static_cast<int32_t>(t));
    }
    auto has = [&](int32_t t, int32_t v) {
        const auto& x = tris[static_cast<size_t>(t)];
        return x[0] == v || x[1] == v || x[2] == v;
    };
    auto hasEdge = [&](int32_t c, int32_t d) {
        for (const int32_t t : incident[static_cast<size_t>(c)]) {
            if (has(t, c) && has(t, d)) return true;
        }
        return false;
    };
    auto pt = [&](int32_t v) { return surface.points[static_cast<size_t>(v)]; };
    for (int round = 0; round < 8; ++round) {
        bool changed = false;
        for (size_t t = 0; t < tris.size(); ++t) {
            // The longest edge a -> b, and the corner c.
            int i = 0;
            double longest = -1;
            for (int k = 0; k < 3; ++k) {
                const double l = Length(pt(tris[t][static_cast<size_t>((k + 1) % 3)]) - pt(tris[t][static_cast<size_t>(k)]));
                if (l > longest) {
                    longest = l;
                    i = k;
                }
            }
            const int32_t a = tris[t][static_cast<size_t>(i)];
            const int32_t b = tris[t][static_cast<size_t>((i + 1) % 3)];
            const int32_t c = tris[t][static_cast<size_t>((i + 2) % 3)];
            const double height = Length(Cross(pt(b) - pt(a), pt(c) - pt(a))) / std::max(longest, 1e-300);
            if (!(height < tolerance)) continue;
            const int32_t u = next[t][static_cast<size_t>(i)];
            if (u == static_cast<int32_t>(t)) continue;
            const auto& uv = tris[static_cast<size_t>(u)];
            int ui = -1;
            for (int k = 0; k < 3; ++k) {
                if (uv[static_cast<size_t>(k)] == b && uv[static_cast<size_t>((k + 1) % 3)] == a) ui = k;
            }
            if (ui < 0) continue;
            const int32_t d = uv[static_cast<size_t>((ui + 2) % 3)];
            if (d == c || hasEdge(c, d)) continue;
            const int32_t x1 = next[t][static_cast<size_t>((i + 1) % 3)];  // across b -> c
            const int32_t x2 = next[t][static_cast<size_t>((i + 2) % 3)];  // across c -> a
            const int32_t y1 = next[static_cast<size_t>(u)][static_cast<size_t>((ui + 1) % 3)];  // across a -> d
            const int32_t y2 = next[static_cast<size_t>(u)][static_cast<size_t>((ui + 2) % 3)];  // across d -> b
            const auto tt = static_cast<int32_t>(t);
            if (x1 == u || x2 == u || y1 == tt || y2 == tt) continue;
            // t becomes (a, d, c), u becomes (d, b, c).
            tris[t] = {a, d, c};
            next[t] = {y1, u, x2};
            tris[static_cast<size_t>(u)] = {d, b, c};
            next[static_cast<size_t>(u)] = {y2, x1, tt};
            for (auto& slot : next[static_cast<size_t>(x1)]) {
                if (slot == tt) slot = u;
            }
            for (auto& slot : next[static_cast<size_t>(y1)]) {
                if (slot == u) slot = tt;
            }
            faces[t] = faces[static_cast<size_t>(u)];
            incident[static_cast<size_t>(d)].push_back(tt);
            incident[static_cast<size_t>(c)].push_back(u);
            changed = true;
            flipped = true;
        }
        if (!changed) break;
    }
    return flipped;
}

// Where the surface touches itself along a line, one sheet may keep a corner
// on the other's edge a rounding error off its line, so that the two pass
// through each other there. Such an edge is split at a corner of its own at
// that point's position (a new point: the sheets stay apart), so that they
// meet in shared points. `next` and `faces` are kept in step.
void SplitEdgesAtCorners(OuterSurface& surface, std::vector<std::array<int32_t, 3>>& next,
                         std::vector<int32_t>& faces, double tolerance) {
    auto& tris = surface.triangles;
    auto& pts = surface.points;
    std::vector<int32_t> byX(pts.size());
    std::iota(byX.begin(), byX.end(), 0);
    std::sort(byX.begin(), byX.end(), [&](int32_t a, int32_t b) { return pts[static_cast<size_t>(a)].x < pts[static_cast<size_t>(b)].x; });
    const auto same = [](Vec3 p, Vec3 q) { return p.x == q.x && p.y == q.y && p.z == q.z; };
    const auto near = [&](Vec3 p, Vec3 q) {
        const Vec3 d = p - q;
        return std::max({std::abs(d.x), std::abs(d.y), std::abs(d.z)}) <= tolerance;
    };
    // Corners found on each edge (by its ends, in the lower-numbered
    // triangle's order), by place along it. Ends, not triangles: a triangle
    // split along one edge is a fan of new triangles by the time its next
    // edge comes.
    std::map<std::pair<int32_t, int32_t>, std::vector<std::pair<double, int32_t>>> splits;
    for (size_t t = 0; t < tris.size(); ++t) {
        for (size_t i = 0; i < 3; ++i) {
            const int32_t u = next[t][i];
            if (u < static_cast<int32_t>(t)) continue;
            const Vec3 a = pts[static_cast<size_t>(tris[t][i])];
            const Vec3 b = pts[static_cast<size_t>(tris[t][(i + 1) % 3])];
            const Vec3 e = b - a;
            const double length2 = Dot(e, e);
            if (!(length2 > 0.0)) continue;
            const double x0 = std::min(a.x, b.x) - tolerance;
            const double x1 = std::max(a.x, b.x) + tolerance;
            auto it = std::lower_bound(byX.begin(), byX.end(), x0,
                                       [&](int32_t k, double x) { return pts[static_cast<size_t>(k)].x < x; });
            for (; it != byX.end() && pts[static_cast<size_t>(*it)].x <= x1; ++it) {
                const Vec3 p = pts[static_cast<size_t>(*it)];
                if (near(p, a) || near(p, b)) continue;
                const double along = Dot(p - a, e) / length2;
                if (!(along > 0.0 && along < 1.0)) continue;
                if (!near(a + e * along, p)) continue;
                // One corner per place: copies of a point at one position count once.
                auto& list = splits[{tris[t][i], tris[t][(i + 1) % 3]}];
                if (std::none_of(list.begin(), list.end(), [&](const auto& q) {
                        return same(pts[static_cast<size_t>(q.second)], p);
                    })) {
                    list.emplace_back(along, *it);
                }
            }
        }
    }
    if (splits.empty()) return;
    // Which triangle now holds each directed edge.
    std::map<std::pair<int32_t, int32_t>, int32_t> holder;
    for (size_t t = 0; t < tris.size(); ++t) {
        for (size_t i = 0; i < 3; ++i) holder[{tris[t][i], tris[t][(i + 1) % 3]}] = static_cast<int32_t>(t);
    }
    const auto retarget = [&](int32_t neighbour, int32_t from, int32_t to) {
        if (neighbour < 0) return;
        for (auto& slot : next[static_cast<size_t>(neighbour)]) {
            if (slot == from) slot = to;
        }
    };
    // Fans triangle `t` from its corner opposite edge a -> b over `corners`
    // (along a -> b); returns the triangles from the one at a to the one at b.
    const auto fan = [&](int32_t t, int32_t a, int32_t b, const std::vector<int32_t>& corners) {
        const auto tv = tris[static_cast<size_t>(t)];
        size_t i = 0;
        while (!(tv[i] == a && tv[(i + 1) % 3] == b)) ++i;
        const int32_t c = tv[(i + 2) % 3];
        const int32_t acrossBC = next[static_cast<size_t>(t)][(i + 1) % 3];
        const int32_t acrossCA = next[static_cast<size_t>(t)][(i + 2) % 3];
        std::vector<int32_t> row{t};
        for (size_t k = 0; k < corners.size(); ++k) {
            row.push_back(static_cast<int32_t>(tris.size()));
            tris.push_back({});
            next.push_back({});
            faces.push_back(faces[static_cast<size_t>(t)]);
        }
        std::vector<int32_t> along{a};
        along.insert(along.end(), corners.begin(), corners.end());
        along.push_back(b);
        for (size_t k = 0; k < row.size(); ++k) {
            const auto r = static_cast<size_t>(row[k]);
            tris[r] = {along[k], along[k + 1], c};
            next[r][0] = -1;  // set by the caller, across the split edge
            next[r][1] = k + 1 < row.size() ? row[k + 1] : acrossBC;
            next[r][2] = k > 0 ? row[k - 1] : acrossCA;
            holder[{along[k], along[k + 1]}] = row[k];
            holder[{along[k + 1], c}] = row[k];
            holder[{c, along[k]}] = row[k];
        }
        retarget(acrossBC, t, row.back());
        return row;
    };
    for (auto& [edge, list] : splits) {
        const auto [a, b] = edge;
        const auto one = holder.find({a, b});
        const auto other = holder.find({b, a});
        if (one == holder.end() || other == holder.end()) continue;
        std::sort(list.begin(), list.end());
        const int32_t t = one->second;
        const int32_t u = other->second;
        // Two triangles that share more than this edge are left alone.
        if (t == u || std::count(next[static_cast<size_t>(t)].begin(), next[static_cast<size_t>(t)].end(), u) != 1) {
            continue;
        }
        std::vector<int32_t> corners;
        for (const auto& [place, p] : list) {
            corners.push_back(static_cast<int32_t>(pts.size()));
            pts.push_back(pts[static_cast<size_t>(p)]);
        }
        std::vector<int32_t> backwards(corners.rbegin(), corners.rend());
        const std::vector<int32_t> forth = fan(t, a, b, corners);
        const std::vector<int32_t> back = fan(u, b, a, backwards);
        for (size_t k = 0; k < forth.size(); ++k) {
            next[static_cast<size_t>(forth[k])][0] = back[back.size() - 1 - k];
            next[static_cast<size_t>(back[back.size() - 1 - k])][0] = forth[k];
        }
    }
}

// Points closer than the tolerance that no edge joins any more (where the
// surface touches itself at a point the exact step built as several, a few
// units in the last place apart) take the position of the first of them, so
// that the sheets meet in one point instead of passing through each other
// by a rounding error. A group whose move would turn a triangle over stays
// as it is.
void UniteNearPoints(OuterSurface& surface, double tolerance) {
    const size_t n = surface.points.size();
    // Each point's group is the first point within the tolerance of it.
    PointIndex index(tolerance);
    std::vector<size_t> firstOf;  // stored point -> the surface point that stored it
    std::vector<size_t> first(n);
    const auto same = [](Vec3 p, Vec3 q) { return p.x == q.x && p.y == q.y && p.z == q.z; };
    bool any = false;
    for (size_t i = 0; i < n; ++i) {
        const auto k = static_cast<size_t>(index.Insert(surface.points[i]));
        if (k == firstOf.size()) firstOf.push_back(i);
        first[i] = firstOf[k];
        any = any || !same(surface.points[first[i]], surface.points[i]);
    }
    if (!any) return;
    std::vector<std::vector<int32_t>> incident(n);
    for (size_t t = 0; t < surface.triangles.size(); ++t) {
        for (const int32_t v : surface.triangles[t]) incident[static_cast<size_t>(v)].push_back(static_cast<int32_t>(t));
    }
    // The points each group moves.
    std::unordered_map<size_t, std::vector<size_t>> members;
    for (size_t i = 0; i < n; ++i) {
        if (!same(surface.points[first[i]], surface.points[i])) members[first[i]].push_back(i);
    }
    const auto normal = [&](const std::array<int32_t, 3>& t, const std::vector<Vec3>& at) {
        return Cross(at[static_cast<size_t>(t[1])] - at[static_cast<size_t>(t[0])],
                     at[static_cast<size_t>(t[2])] - at[static_cast<size_t>(t[0])]);
    };
    std::vector<Vec3> moved = surface.points;
    std::vector<size_t> roots;
    for (const auto& [root, list] : members) roots.push_back(root);
    std::sort(roots.begin(), roots.end());
    for (const size_t root : roots) {
        const Vec3 target = surface.points[root];
        for (const size_t i : members[root]) moved[i] = target;
        bool sound = true;
        for (const size_t i : members[root]) {
            for (const int32_t t : incident[i]) {
                const auto& tri = surface.triangles[static_cast<size_t>(t)];
                if (!(Dot(normal(tri, surface.points), normal(tri, moved)) > 0.0)) sound = false;
            }
        }
        if (!sound) {
            for (const size_t i : members[root]) moved[i] = surface.points[i];
        }
    }
    surface.points = std::move(moved);
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

bool outer::RemoveFinPairs(WalkOutput& walk) {
    const size_t n = walk.triangles.size();
    // Each point by the first point at its position.
    std::map<std::array<double, 3>, int32_t> firstAt;
    std::vector<int32_t> same(walk.points.size());
    for (size_t i = 0; i < walk.points.size(); ++i) {
        const Vec3 p = walk.points[i];
        same[i] = firstAt.emplace(std::array<double, 3>{p.x, p.y, p.z}, static_cast<int32_t>(i)).first->second;
    }
    const auto corners = [&](size_t t) {
        const auto& v = walk.triangles[t];
        return std::array<int32_t, 3>{same[static_cast<size_t>(v[0])], same[static_cast<size_t>(v[1])],
                                      same[static_cast<size_t>(v[2])]};
    };
    // A triangle's corners turned so that the least leads: one key per
    // triangle and turning direction.
    const auto lead = [](std::array<int32_t, 3> v) {
        while (v[0] > v[1] || v[0] > v[2]) v = {v[1], v[2], v[0]};
        return v;
    };
    std::vector<std::array<int32_t, 3>> next = walk.next;
    // Triangle x, paired with `from` across its side a -> b, is paired with
    // `to` instead (only that side: x may meet `from` along another too).
    const auto repair = [&](int32_t x, int32_t from, int32_t to, int32_t a, int32_t b) {
        const auto v = corners(static_cast<size_t>(x));
        auto& slots = next[static_cast<size_t>(x)];
        for (size_t k = 0; k < 3; ++k) {
            if (v[k] == a && v[(k + 1) % 3] == b && slots[k] == from) {
                slots[k] = to;
                return;
            }
        }
        for (auto& slot : slots) {
            if (slot == from) {
                slot = to;
                return;
            }
        }
    };
    std::vector<bool> gone(n, false);
    bool any = false;
    // First the triangles with two corners at one position (no area): the
    // triangles beyond their two other sides are paired across them. The
    // triangle beyond the side without length has no area either and goes too.
    for (size_t t = 0; t < n; ++t) {
        const auto v = corners(t);
        if (v[0] != v[1] && v[1] != v[2] && v[2] != v[0]) continue;
        std::vector<size_t> sides;
        for (size_t i = 0; i < 3; ++i) {
            if (v[i] != v[(i + 1) % 3]) sides.push_back(i);
        }
        const auto self = static_cast<int32_t>(t);
        // Two sides towards one triangle: that one has no area either, and
        // the two are paired with each other only.
        if (sides.size() == 2 && next[t][sides[0]] != next[t][sides[1]]) {
            const int32_t x = next[t][sides[0]], y = next[t][sides[1]];
            if (x == self || y == self) return false;
            repair(x, self, y, v[(sides[0] + 1) % 3], v[sides[0]]);
            repair(y, self, x, v[(sides[1] + 1) % 3], v[sides[1]]);
        }
        gone[t] = true;
        any = true;
    }
    std::map<std::array<int32_t, 3>, std::vector<int32_t>> byCorners;
    for (size_t t = 0; t < n; ++t) {
        if (!gone[t]) byCorners[lead(corners(t))].push_back(static_cast<int32_t>(t));
    }
    std::vector<std::pair<int32_t, int32_t>> pairs;
    for (size_t t = 0; t < n; ++t) {
        if (gone[t]) continue;
        const auto v = corners(t);
        const auto it = byCorners.find(lead({v[0], v[2], v[1]}));
        if (it == byCorners.end()) continue;
        for (const int32_t u : it->second) {
            if (gone[static_cast<size_t>(u)]) continue;
            gone[t] = gone[static_cast<size_t>(u)] = true;
            pairs.emplace_back(static_cast<int32_t>(t), u);
            break;
        }
    }
    if (pairs.empty() && !any) return false;
    for (const auto& [t, u] : pairs) {
        const auto tv = corners(static_cast<size_t>(t));
        const auto uv = corners(static_cast<size_t>(u));
        for (size_t i = 0; i < 3; ++i) {
            size_t j = 0;
            while (j < 3 && !(uv[j] == tv[(i + 1) % 3] && uv[(j + 1) % 3] == tv[i])) ++j;
            if (j == 3) return false;
            const int32_t x = next[static_cast<size_t>(t)][i];
            const int32_t y = next[static_cast<size_t>(u)][j];
            if (x == u || y == t) continue;  // the pair's own edge
            repair(x, t, y, tv[(i + 1) % 3], tv[i]);
            repair(y, u, x, tv[i], tv[(i + 1) % 3]);
        }
    }
    std::vector<int32_t> index(n, -1);
    int32_t kept = 0;
    for (size_t t = 0; t < n; ++t) {
        if (!gone[t]) index[t] = kept++;
    }
    WalkOutput out;
    out.points = walk.points;
    out.refinedTriangles = walk.refinedTriangles;
    out.snapped = walk.snapped;
    for (size_t t = 0; t < n; ++t) {
        if (gone[t]) continue;
        out.triangles.push_back(corners(t));
        out.face.push_back(walk.face[t]);
        std::array<int32_t, 3> across{};
        for (size_t i = 0; i < 3; ++i) {
            across[i] = index[static_cast<size_t>(next[t][i])];
            if (across[i] < 0) return false;  // paired with a triangle that went
        }
        out.next.push_back(across);
    }
    walk = std::move(out);
    return true;
}

void outer::RemoveSlivers(OuterSurface& surface, std::vector<std::array<int32_t, 3>>& next,
                          std::vector<int32_t>& faces, double tolerance) {
    // A flip can leave a needle beside a short edge that the link kept from
    // collapsing before: collapse again until no cap is left to flip.
    for (int round = 0; round < 8; ++round) {
        CollapseShortEdges(surface, next, faces, tolerance);
        if (!FlipCaps(surface, next, faces, tolerance)) break;
    }
    UniteNearPoints(surface, tolerance);
    SplitEdgesAtCorners(surface, next, faces, tolerance);
}

std::string OuterRefusalText(OuterRefusal refusal) {
    switch (refusal) {
        case OuterRefusal::None: return "";
        case OuterRefusal::Empty: return GYRO_TRANSLATE_NOOP("Messages", "図形が空");
        case OuterRefusal::OnlySegments: return GYRO_TRANSLATE_NOOP("Messages", "辺だけで面がない");
        case OuterRefusal::ReachesInfinity: return GYRO_TRANSLATE_NOOP("Messages", "無限遠に届く");
        case OuterRefusal::NoVolume: return GYRO_TRANSLATE_NOOP("Messages", "面が体積を囲まない");
        case OuterRefusal::TooLarge: return GYRO_TRANSLATE_NOOP("Messages", "立体にするには大きすぎる");
        case OuterRefusal::Cancelled: return GYRO_TRANSLATE_NOOP("Messages", "取り消された");
        case OuterRefusal::Failed: return GYRO_TRANSLATE_NOOP("Messages", "外側の面が閉じなかった");
    }
    return "";
}

std::string OuterRefusalEnglish(OuterRefusal refusal) {
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

int64_t TrianglesOffTheirFaces(const Solid& solid, const std::vector<Vec3>& points,
                               const std::vector<std::array<int32_t, 3>>& triangles, const std::vector<int32_t>& faces,
                               double tolerance) {
    // Each face's plane: Newell's normal over its corners (the widest corner
    // triangle's for a crossed face whose Newell normal vanishes), through their mean.
    std::vector<Vec3> normal(solid.faces.size());
    std::vector<Vec3> centre(solid.faces.size());
    std::vector<Vec3> ring;
    for (size_t f = 0; f < solid.faces.size(); ++f) {
        const Face& face = solid.faces[f];
        const int32_t size = std::max(face.polygonSize, 0);
        Vec3 n{}, sum{};
        double count = 0;
        for (int32_t p = 0; p < face.polygonCount; ++p) {
            ring.clear();
            for (int32_t k = 0; k < size; ++k) {
                const auto at = static_cast<size_t>(p) * static_cast<size_t>(size) + static_cast<size_t>(k);
                if (at >= face.corners.size()) break;
                const auto v = static_cast<size_t>(face.corners[at]);
                if (v < solid.vertices.size()) ring.push_back(solid.vertices[v]);
            }
            AddRing(ring, n, sum, count);
        }
        const double length = Length(n);
        normal[f] = length > 0 ? n / length : Vec3{};
        centre[f] = count > 0 ? sum / count : Vec3{};
    }
    int64_t off = 0;
    for (size_t t = 0; t < triangles.size() && t < faces.size(); ++t) {
        const auto f = static_cast<size_t>(faces[t]);
        if (f >= solid.faces.size() || !(Length(normal[f]) > 0)) continue;  // a face without a plane fills nothing
        for (const int32_t v : triangles[t]) {
            if (std::abs(Dot(points[static_cast<size_t>(v)] - centre[f], normal[f])) > tolerance) {
                ++off;
                break;
            }
        }
    }
    return off;
}

static OuterResult FinishSurface(const Solid& figure, const Solid& solid, double extent, outer::WalkOutput& walk,
                                 bool keepToFaces);

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
    if (!TriangulateFaces(solid, welder, extent, options, soup)) return Refuse(OuterRefusal::Cancelled);
    if (soup.empty()) return Refuse(OuterRefusal::Empty);
    if (static_cast<int64_t>(soup.size()) > options.triangleLimit) {
        return Refuse(OuterRefusal::TooLarge, "more than " + std::to_string(options.triangleLimit) + " triangles");
    }

    // First the cut in doubles, which is quick where it holds; it is taken
    // only when its surface passes every check the exact one would.
    // (Not for the very largest meshes, where a failed attempt costs long.)
    if (options.cutInDoubles && soup.size() <= kMostTrianglesCutInDoubles) {
        outer::PlanePieces pieces;
        std::string why;
        if (outer::CutAlongPlanes(welder.points(), soup, 1e-9 * std::max(extent, 1.0), options, pieces, why)) {
            outer::WalkOutput walk;
            const outer::ExactOutcome walked = outer::WalkPlanePieces(pieces, options, walk, why);
            if (walked == outer::ExactOutcome::Cancelled) return Refuse(OuterRefusal::Cancelled);
            if (walked == outer::ExactOutcome::Done) {
                OuterResult quick = FinishSurface(figure, solid, extent, walk, true);
                if (quick.ok() && !SurfaceSelfIntersects(quick.surface)) {
                    if (options.progress) options.progress(1.0);
                    quick.surface.cutInDoubles = true;
                    return quick;
                }
            }
        }
        if (options.cancel && options.cancel->load()) return Refuse(OuterRefusal::Cancelled);
    }

    outer::WalkOutput walk;
    std::string detail;
    switch (outer::RefineAndWalk(welder.points(), soup, options, walk, detail)) {
        case outer::ExactOutcome::Done: break;
        case outer::ExactOutcome::TooLarge: return Refuse(OuterRefusal::TooLarge, detail);
        case outer::ExactOutcome::Cancelled: return Refuse(OuterRefusal::Cancelled);
        case outer::ExactOutcome::NoVolume: return Refuse(OuterRefusal::NoVolume, detail);
    }
    OuterResult result = FinishSurface(figure, solid, extent, walk, false);
    if (result.ok() && options.progress) options.progress(1.0);
    return result;
}

// The walked surface made a manifold, cleaned of slivers and fins, measured
// and checked; with `keepToFaces`, also refused when a triangle lies off the
// plane of the face it names.
static OuterResult FinishSurface(const Solid& figure, const Solid& solid, double extent, outer::WalkOutput& walk,
                                 bool keepToFaces) {
    OuterResult result;
    OuterSurface& surface = result.surface;
    if (!SplitIntoManifold(walk, surface)) return Refuse(OuterRefusal::Failed, "the walk paired edges that differ");
    if (!CheckSurface(surface.points, surface.triangles).closed && PairAcrossTheInside(walk) &&
        !SplitIntoManifold(walk, surface)) {
        return Refuse(OuterRefusal::Failed, "the walk paired edges that differ");
    }
    // The surface with its hair-thin slivers collapsed, when it stays sound.
    std::vector<std::array<int32_t, 3>> pairing = walk.next;
    {
        OuterSurface collapsed = surface;
        std::vector<std::array<int32_t, 3>> next = walk.next;
        std::vector<int32_t> faces = walk.face;
        outer::RemoveSlivers(collapsed, next, faces, 1e-9 * std::max(extent, 1.0));
        const SurfaceCheck check = CheckSurface(collapsed.points, collapsed.triangles);
        // Taken only when it is still the same surface: sound, and each
        // triangle still in its face's plane (a collapse moves a point by the
        // tolerance at most).
        if (check.closed && check.manifold && check.outward &&
            TrianglesOffTheirFaces(solid, collapsed.points, collapsed.triangles, faces,
                                   kOffFaceTolerance * std::max(extent, 1.0)) == 0) {
            surface = std::move(collapsed);
            walk.face = std::move(faces);
            pairing = std::move(next);
        }
    }
    // Then walls without thickness, when the surface stays sound without them.
    {
        outer::WalkOutput finless;
        finless.points = surface.points;
        finless.triangles = surface.triangles;
        finless.face = walk.face;
        finless.next = std::move(pairing);
        OuterSurface trial;
        if (outer::RemoveFinPairs(finless) && SplitIntoManifold(finless, trial)) {
            const SurfaceCheck check = CheckSurface(trial.points, trial.triangles);
            if (check.closed && check.manifold && check.outward) {
                // Touching itself: two of its points at one position.
                std::vector<std::array<double, 3>> at;
                at.reserve(trial.points.size());
                for (const Vec3& p : trial.points) at.push_back({p.x, p.y, p.z});
                std::sort(at.begin(), at.end());
                trial.touchesItself = std::adjacent_find(at.begin(), at.end()) != at.end();
                surface = std::move(trial);
                walk.face = std::move(finless.face);
            }
        }
    }
    if (keepToFaces && TrianglesOffTheirFaces(solid, surface.points, surface.triangles, walk.face,
                                              kOffFaceTolerance * std::max(extent, 1.0)) != 0) {
        return Refuse(OuterRefusal::Failed, "a triangle lies off its face's plane");
    }
    surface.triangleFace = walk.face;
    surface.snapped = walk.snapped;
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
    // Points duplicated where the surface touches itself count as one: the
    // pieces may meet there, and nowhere else.
    return outer::MeshSelfIntersects(surface.points, surface.triangles);
}

}  // namespace gyro
