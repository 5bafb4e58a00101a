#include "geometry/outer_exact.h"
#include "geometry/close_points.h"
#include "geometry/outer_planes.h"

#include <CGAL/Constrained_Delaunay_triangulation_2.h>
#include <CGAL/Constrained_triangulation_plus_2.h>
#include <CGAL/Exact_predicates_exact_constructions_kernel.h>
#include <CGAL/Projection_traits_xy_3.h>
#include <CGAL/Projection_traits_xz_3.h>
#include <CGAL/Projection_traits_yz_3.h>
#include <CGAL/Triangulation_vertex_base_with_info_2.h>
#include <CGAL/box_intersection_d.h>
#include <CGAL/intersections.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <map>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <utility>

namespace gyro::outer {

namespace {

using K = CGAL::Epeck;
using P3 = K::Point_3;
using Seg3 = K::Segment_3;
using Tri3 = K::Triangle_3;
using FT = K::FT;

struct LessXYZ {
    bool operator()(const P3& a, const P3& b) const { return CGAL::compare_xyz(a, b) == CGAL::SMALLER; }
};

// Every exact point once, by exact equality.
class PointIndex {
public:
    int32_t Add(const P3& p) {
        const auto [it, inserted] = index_.emplace(p, static_cast<int32_t>(points_.size()));
        if (inserted) points_.push_back(p);
        return it->second;
    }
    const std::vector<P3>& points() const { return points_; }

private:
    std::map<P3, int32_t, LessXYZ> index_;
    std::vector<P3> points_;
};

// This file is built with the library's thread safety off (see CMakeLists.txt):
// its lazy numbers then share static objects without atomic counts, so only one
// thread at a time may run the exact steps. The others wait for their turn,
// and stop waiting when their caller calls the work off.
class ExactTurn {
public:
    explicit ExactTurn(const std::atomic<bool>* cancel) : lock_(Lock(), std::defer_lock) {
        while (!lock_.try_lock_for(std::chrono::milliseconds(20))) {
            if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) return;
        }
    }
    bool held() const { return lock_.owns_lock(); }

private:
    static std::timed_mutex& Lock() {
        static std::timed_mutex lock;
        return lock;
    }
    std::unique_lock<std::timed_mutex> lock_;
};

bool Cancelled(const OuterOptions& options) {
    return options.cancel != nullptr && options.cancel->load(std::memory_order_relaxed);
}

void Progress(const OuterOptions& options, double fraction) {
    if (options.progress) options.progress(fraction);
}

// The constraints a triangle collects from its crossings with the others.
struct Cuts {
    std::vector<P3> points;
    std::vector<std::pair<P3, P3>> segments;
};

void AddPolygonCuts(Cuts& cuts, const std::vector<P3>& polygon) {
    for (size_t i = 0; i < polygon.size(); ++i) {
        const P3& a = polygon[i];
        const P3& b = polygon[(i + 1) % polygon.size()];
        if (a != b) cuts.segments.emplace_back(a, b);
    }
}

void AddIntersection(Cuts& first, Cuts& second, const Tri3& a, const Tri3& b) {
    const auto result = CGAL::intersection(a, b);
    if (!result) return;
    if (const P3* p = boost::get<P3>(&*result)) {
        first.points.push_back(*p);
        second.points.push_back(*p);
    } else if (const Seg3* s = boost::get<Seg3>(&*result)) {
        first.segments.emplace_back(s->source(), s->target());
        second.segments.emplace_back(s->source(), s->target());
    } else if (const Tri3* t = boost::get<Tri3>(&*result)) {
        const std::vector<P3> polygon{t->vertex(0), t->vertex(1), t->vertex(2)};
        AddPolygonCuts(first, polygon);
        AddPolygonCuts(second, polygon);
    } else if (const auto* polygon = boost::get<std::vector<P3>>(&*result)) {
        AddPolygonCuts(first, *polygon);
        AddPolygonCuts(second, *polygon);
    }
}

// The triangle cut by its constraints, triangulated in the axis plane its
// normal leans to most; constraint crossings are computed exactly. Delaunay,
// so that two coplanar triangles that overlap cut their common part into the
// same pieces (it is closed off by the same constraints in both).
template <class Traits>
bool CutTriangle(const std::vector<P3>& boundary, const Cuts& cuts, const OuterOptions& options,
                 std::vector<std::array<P3, 3>>& pieces) {
    // The "plus" triangulation computes each crossing from the whole cuts, not
    // from pieces of cuts already split at other crossings: the exact numbers
    // stay small however many cuts cross one triangle.
    using CT = CGAL::Constrained_triangulation_plus_2<
        CGAL::Constrained_Delaunay_triangulation_2<Traits, CGAL::Default, CGAL::Exact_intersections_tag>>;
    CT ct;
    for (size_t i = 0; i < boundary.size(); ++i) {
        const P3& a = boundary[i];
        const P3& b = boundary[(i + 1) % boundary.size()];
        if (a != b) ct.insert_constraint(a, b);
    }
    for (const P3& p : cuts.points) ct.insert(p);
    // One triangle crossed by many others can take long: listen for a cancel between cuts.
    size_t inserted = 0;
    for (const auto& [a, b] : cuts.segments) {
        if ((++inserted & 15) == 0 && Cancelled(options)) return false;
        if (a != b) ct.insert_constraint(a, b);
    }
    // Keep the pieces inside the boundary (all of them, while every cut lies
    // exactly within the triangle).
    const auto orientation = Traits().orientation_2_object();
    const auto compareY = Traits().compare_y_2_object();
    auto inside = [&](const P3& p) {
        int w = 0;
        for (size_t i = 0; i < boundary.size(); ++i) {
            const P3& a = boundary[i];
            const P3& b = boundary[(i + 1) % boundary.size()];
            if (compareY(a, p) != CGAL::LARGER) {
                if (compareY(b, p) == CGAL::LARGER && orientation(a, b, p) == CGAL::LEFT_TURN) ++w;
            } else if (compareY(b, p) != CGAL::LARGER && orientation(a, b, p) == CGAL::RIGHT_TURN) {
                --w;
            }
        }
        return w != 0;
    };
    for (auto f = ct.finite_faces_begin(); f != ct.finite_faces_end(); ++f) {
        const P3 centre = CGAL::centroid(f->vertex(0)->point(), f->vertex(1)->point(), f->vertex(2)->point());
        if (!inside(centre)) continue;
        pieces.push_back({f->vertex(0)->point(), f->vertex(1)->point(), f->vertex(2)->point()});
    }
    return true;
}

// The triangle's normal in doubles, and the axis it leans to most (0 x, 1 y, 2 z).
int LeaningAxis(const Tri3& triangle, Vec3& normal) {
    const K::Vector_3 n = CGAL::cross_product(triangle.vertex(1) - triangle.vertex(0),
                                              triangle.vertex(2) - triangle.vertex(0));
    normal = {CGAL::to_double(n.x()), CGAL::to_double(n.y()), CGAL::to_double(n.z())};
    const double nx = std::abs(normal.x);
    const double ny = std::abs(normal.y);
    const double nz = std::abs(normal.z);
    if (nz >= nx && nz >= ny) return 2;
    return ny >= nx ? 1 : 0;
}

// False when cancelled.
bool CutTriangleAnyPlane(const Tri3& triangle, const std::vector<P3>& boundary, const Cuts& cuts,
                         const OuterOptions& options, std::vector<std::array<P3, 3>>& pieces) {
    Vec3 normal;
    switch (LeaningAxis(triangle, normal)) {
        case 2: return CutTriangle<CGAL::Projection_traits_xy_3<K>>(boundary, cuts, options, pieces);
        case 1: return CutTriangle<CGAL::Projection_traits_xz_3<K>>(boundary, cuts, options, pieces);
        default: return CutTriangle<CGAL::Projection_traits_yz_3<K>>(boundary, cuts, options, pieces);
    }
}

struct Complex {
    std::vector<P3> points;
    std::vector<std::array<int32_t, 3>> triangles;
    std::vector<int32_t> face;
    // The input triangle each piece was cut from, whose plane holds it exactly;
    // -1 once snapping has moved one of its corners.
    std::vector<int32_t> source;
    // Per input triangle: the axis its normal leans to most (0 x, 1 y, 2 z), and
    // its unit normal in doubles.
    std::vector<int8_t> sourceAxis;
    std::vector<Vec3> sourceNormal;
};

uint64_t EdgeKey(int32_t a, int32_t b) {
    if (a > b) std::swap(a, b);
    return (static_cast<uint64_t>(static_cast<uint32_t>(a)) << 32) | static_cast<uint32_t>(b);
}

// Sign of the volume (b - a) x (c - a) . (d - a): which side of the oriented
// plane a, b, c the point d lies on.
int Side(const P3& a, const P3& b, const P3& c, const P3& d) {
    const CGAL::Orientation o = CGAL::orientation(a, b, c, d);
    return o == CGAL::POSITIVE ? 1 : (o == CGAL::NEGATIVE ? -1 : 0);
}

CGAL::Orientation TurnAlong(int axis, const P3& a, const P3& b, const P3& c);

struct Walker {
    const Complex& complex;
    // (edge, triangle) for every side of every triangle, by edge: one array
    // rather than a list per edge, which a cut of many pieces pays for dearly.
    std::vector<std::pair<uint64_t, int32_t>> sides;

    explicit Walker(const Complex& c, const std::vector<bool>& removed) : complex(c) {
        sides.reserve(3 * c.triangles.size());
        for (size_t t = 0; t < c.triangles.size(); ++t) {
            if (removed[t]) continue;
            const auto& v = c.triangles[t];
            for (int i = 0; i < 3; ++i) sides.emplace_back(EdgeKey(v[i], v[(i + 1) % 3]), static_cast<int32_t>(t));
        }
        std::sort(sides.begin(), sides.end());
    }

    // The triangles on an edge, as a range of `sides`.
    struct OnEdge {
        const std::pair<uint64_t, int32_t>* first;
        const std::pair<uint64_t, int32_t>* last;
        struct Iterator {
            const std::pair<uint64_t, int32_t>* at;
            int32_t operator*() const { return at->second; }
            Iterator& operator++() {
                ++at;
                return *this;
            }
            bool operator!=(const Iterator& o) const { return at != o.at; }
        };
        Iterator begin() const { return {first}; }
        Iterator end() const { return {last}; }
    };
    OnEdge TrianglesOn(uint64_t edge) const {
        const auto lo = std::lower_bound(sides.begin(), sides.end(), std::make_pair(edge, std::numeric_limits<int32_t>::min()));
        auto hi = lo;
        while (hi != sides.end() && hi->first == edge) ++hi;
        return {sides.data() + (lo - sides.begin()), sides.data() + (hi - sides.begin())};
    }

    const P3& Pt(int32_t i) const { return complex.points[static_cast<size_t>(i)]; }

    // Whether w and x lie on one side of the line u-v, all in the plane of t.
    // Pieces of one source count as lying in its plane, which they need not do
    // exactly once rounded (pieces cut in doubles): they are seen along the
    // axis the source's normal leans to most, the others as they lie.
    bool SameSideInPlane(int32_t t, int32_t other, const P3& pu, const P3& pv, const P3& pw, const P3& x) const {
        const int32_t from = complex.source[static_cast<size_t>(t)];
        if (from >= 0 && from == complex.source[static_cast<size_t>(other)]) {
            const int axis = complex.sourceAxis[static_cast<size_t>(from)];
            const CGAL::Orientation turnW = TurnAlong(axis, pu, pv, pw);
            return turnW != CGAL::COLLINEAR && turnW == TurnAlong(axis, pu, pv, x);
        }
        return CGAL::coplanar_orientation(pu, pv, pw, x) == CGAL::POSITIVE;
    }

    int32_t Third(int32_t t, int32_t u, int32_t v) const {
        for (int32_t x : complex.triangles[static_cast<size_t>(t)]) {
            if (x != u && x != v) return x;
        }
        return -1;
    }

    // Side s (+1/-1) of triangle t, relative to its stored corner order, faces
    // the outside. Across edge (u, v) (in stored order, third corner w), the
    // neighbour is the first half-plane met turning from t towards that side;
    // returns it with the side of it that faces the same region.
    std::pair<int32_t, int> Across(int32_t t, int s, int32_t u, int32_t v) const {
        const int32_t w = Third(t, u, v);
        const P3& pu = Pt(u);
        const P3& pv = Pt(v);
        const P3& pw = Pt(w);
        // Angle classes: 0 inside (0, pi), 1 exactly pi, 2 inside (pi, 2 pi).
        auto halfOf = [&](int32_t x) {
            const int side = s * Side(pu, pv, pw, Pt(x));
            return side > 0 ? 0 : (side == 0 ? 1 : 2);
        };
        int32_t best = -1;
        int bestHalf = 3;
        for (const int32_t other : TrianglesOn(EdgeKey(u, v))) {
            if (other == t) continue;
            const int32_t x = Third(other, u, v);
            // Pieces of one input triangle lie exactly in one plane: no exact sign needed.
            const int32_t from = complex.source[static_cast<size_t>(t)];
            const int half = from >= 0 && from == complex.source[static_cast<size_t>(other)] ? 1 : halfOf(x);
            // (half 1 is x in t's plane; the exact sign is not asked for twice)
            if (half == 1 && SameSideInPlane(t, other, pu, pv, pw, Pt(x))) {
                continue;  // the same half-plane as t: a duplicate piece, never a turn
            }
            bool better = false;
            if (best < 0 || half < bestHalf) {
                better = true;
            } else if (half == bestHalf && half != 1) {
                // Within one open half: x comes first when the best lies beyond x.
                const P3& pb = Pt(Third(best, u, v));
                const int bSide = Side(pu, pv, Pt(x), pb);
                const int wSide = Side(pu, pv, Pt(x), pw);
                better = half == 0 ? (bSide != 0 && bSide == -wSide) : (bSide != 0 && bSide == wSide);
            }
            if (better) {
                best = other;
                bestHalf = half;
            }
        }
        if (best < 0) {
            // Nothing else on this edge: the walk turns round the free edge onto t's other side.
            return {t, -s};
        }
        const auto& tv = complex.triangles[static_cast<size_t>(best)];
        const P3& a = Pt(tv[0]);
        const P3& b = Pt(tv[1]);
        const P3& c = Pt(tv[2]);
        int side = 0;
        if (bestHalf == 0) {
            side = Side(a, b, c, pw);
        } else if (bestHalf == 2) {
            side = -Side(a, b, c, pw);
        } else {
            // Coplanar with t, opposite half-plane: the outside is on t's side.
            const K::Vector_3 n = CGAL::cross_product(pv - pu, pw - pu);
            const P3 probe = pu + (s > 0 ? n : -n);
            side = Side(a, b, c, probe);
        }
        return {best, side > 0 ? 1 : -1};
    }
};

// A triangle reached from far away, and which of its sides faces out: the
// last triangle a segment from far away to a point inside some triangle
// crosses in its interior, before any other.
// `targets` are the triangles to aim at; when `componentOf` is given, the
// first triangle met must lie in `component` (a piece of the surface apart
// from those walked already), else the aim is blocked and the next is tried.
bool FindSeed(const Complex& complex, const std::vector<bool>& removed, const OuterOptions& options,
              const std::vector<int32_t>& targets, const std::vector<int32_t>* componentOf, int32_t component,
              int32_t& seed, int& side, std::string& why, const std::vector<bool>* walked = nullptr) {
    if (std::all_of(removed.begin(), removed.end(), [](bool r) { return r; })) {
        why = "the outside reaches every face from both sides";
        return false;
    }
    // A far point beyond every point's box.
    double maxAbs = 1.0;
    for (const P3& p : complex.points) {
        maxAbs = std::max({maxAbs, std::abs(CGAL::to_double(p.x())), std::abs(CGAL::to_double(p.y())),
                           std::abs(CGAL::to_double(p.z()))});
    }
    const double far = 4.0 * maxAbs + 1.0;
    const P3 farPoints[] = {{far, 0.37 * far, 0.21 * far}, {-0.29 * far, far, 0.43 * far},
                            {0.17 * far, -0.31 * far, far}, {-far, -0.13 * far, 0.59 * far}};
    const size_t count = complex.triangles.size();
    // Boxes first: the exact test runs only where a triangle's box meets the segment's.
    std::vector<CGAL::Bbox_3> boxes(count);
    for (size_t t = 0; t < count; ++t) {
        const auto& v = complex.triangles[t];
        boxes[t] = complex.points[static_cast<size_t>(v[0])].bbox() + complex.points[static_cast<size_t>(v[1])].bbox() +
                   complex.points[static_cast<size_t>(v[2])].bbox();
    }
    // Aim at the centroids of a few triangles; a hit on an edge or in a plane
    // containing the segment tries the next aim.
    const size_t stride = std::max<size_t>(1, targets.size() / 37);
    for (const P3& farPoint : farPoints) {
        for (size_t aimed = 0; aimed < targets.size(); aimed += stride) {
            const auto target = static_cast<size_t>(targets[aimed]);
            if (removed[target]) continue;
            const auto& tv = complex.triangles[target];
            const P3 aim = CGAL::centroid(complex.points[static_cast<size_t>(tv[0])],
                                          complex.points[static_cast<size_t>(tv[1])],
                                          complex.points[static_cast<size_t>(tv[2])]);
            if (Cancelled(options)) {
                why = "cancelled";
                return false;
            }
            // Through the aim and a little beyond it: a segment ending exactly
            // in the target's plane leaves every test there to exact numbers,
            // and one running on across the figure meets its centre, where
            // symmetric figures put many edges and points.
            const P3 end = aim + (aim - farPoint) / 1024;
            const CGAL::Bbox_3 rayBox = farPoint.bbox() + end.bbox();
            // The segment in doubles, and a margin wider than the end's
            // uncertainty and the clipping's rounding: the exact tests below
            // run only for triangles whose box the segment comes near (the
            // box of the whole segment holds a large share of the figure).
            const CGAL::Bbox_3 endBox = end.bbox();
            const std::array<double, 3> from{CGAL::to_double(farPoint.x()), CGAL::to_double(farPoint.y()),
                                             CGAL::to_double(farPoint.z())};
            std::array<double, 3> to{};
            double margin = 1e-9 * far;
            for (int k = 0; k < 3; ++k) {
                to[static_cast<size_t>(k)] = 0.5 * (endBox.min(k) + endBox.max(k));
                margin += endBox.max(k) - endBox.min(k);
            }
            // Predicates only: a point is constructed just for the nearest
            // crossing so far, to tell whether another lies before it.
            bool clean = true;
            int32_t first = -1;
            P3 firstHit;
            std::vector<int32_t> crossed;  // with `walked`: every triangle the segment crosses cleanly
            for (size_t t = 0; t < count && clean; ++t) {
                if (removed[t] || !CGAL::do_overlap(rayBox, boxes[t])) continue;
                if (!SegmentMayMeetBox(from, to, {boxes[t].xmin(), boxes[t].ymin(), boxes[t].zmin()},
                                       {boxes[t].xmax(), boxes[t].ymax(), boxes[t].zmax()}, margin)) {
                    continue;
                }
                const auto& v = complex.triangles[t];
                const P3& a = complex.points[static_cast<size_t>(v[0])];
                const P3& b = complex.points[static_cast<size_t>(v[1])];
                const P3& c = complex.points[static_cast<size_t>(v[2])];
                const CGAL::Orientation fromSide = CGAL::orientation(a, b, c, farPoint);
                const CGAL::Orientation endSide = CGAL::orientation(a, b, c, end);
                if (fromSide == endSide) continue;  // both ends on one side of the plane (or in it)
                if (fromSide == CGAL::ZERO || endSide == CGAL::ZERO) {
                    clean = false;  // an end in the triangle's plane
                    break;
                }
                const CGAL::Orientation ab = CGAL::orientation(farPoint, end, a, b);
                const CGAL::Orientation bc = CGAL::orientation(farPoint, end, b, c);
                const CGAL::Orientation ca = CGAL::orientation(farPoint, end, c, a);
                if (ab == CGAL::ZERO || bc == CGAL::ZERO || ca == CGAL::ZERO) {
                    // Through an edge or a corner, unless the line passes the triangle by.
                    if ((ab == bc || ab == CGAL::ZERO || bc == CGAL::ZERO) &&
                        (bc == ca || bc == CGAL::ZERO || ca == CGAL::ZERO) &&
                        (ca == ab || ca == CGAL::ZERO || ab == CGAL::ZERO)) {
                        clean = false;
                    }
                    continue;
                }
                if (ab != bc || bc != ca) continue;  // the line passes beside the triangle
                if (walked != nullptr) crossed.push_back(static_cast<int32_t>(t));
                // Before the nearest so far when that one lies beyond this plane, seen from far away.
                if (first >= 0) {
                    const CGAL::Orientation firstSide = CGAL::orientation(a, b, c, firstHit);
                    if (firstSide == CGAL::ZERO) {
                        clean = false;  // two crossings at one point
                        break;
                    }
                    if (firstSide == fromSide) continue;
                }
                const auto hit = CGAL::intersection(Seg3(farPoint, end), K::Plane_3(a, b, c));
                const P3* p = hit ? boost::get<P3>(&*hit) : nullptr;
                if (p == nullptr) {
                    clean = false;
                    break;
                }
                first = static_cast<int32_t>(t);
                firstHit = *p;
            }
            if (clean && walked != nullptr && first >= 0 && (*walked)[static_cast<size_t>(first)]) {
                // Shells walked already are closed: the segment passes through
                // them in and out again, and the first triangle not walked that
                // it meets outside all of them is met from the outside.
                std::vector<std::pair<P3, int32_t>> hits;
                for (const int32_t t : crossed) {
                    const auto& v = complex.triangles[static_cast<size_t>(t)];
                    const auto hit = CGAL::intersection(Seg3(farPoint, end),
                                                        K::Plane_3(complex.points[static_cast<size_t>(v[0])],
                                                                   complex.points[static_cast<size_t>(v[1])],
                                                                   complex.points[static_cast<size_t>(v[2])]));
                    const P3* p = hit ? boost::get<P3>(&*hit) : nullptr;
                    if (p == nullptr) {
                        clean = false;
                        break;
                    }
                    hits.emplace_back(*p, t);
                }
                if (!clean) continue;
                std::sort(hits.begin(), hits.end(), [&](const auto& a, const auto& b) {
                    return CGAL::compare_distance_to_point(farPoint, a.first, b.first) == CGAL::SMALLER;
                });
                int inside = 0;
                first = -1;
                for (size_t k = 0; k < hits.size() && clean; ++k) {
                    if (k > 0 && hits[k].first == hits[k - 1].first) clean = false;  // two crossings at one point
                    const auto t = static_cast<size_t>(hits[k].second);
                    if ((*walked)[t]) {
                        inside ^= 1;
                    } else if (inside == 0) {
                        first = hits[k].second;
                        break;
                    }
                }
                if (!clean) continue;
            }
            if (!clean || first < 0) continue;
            if (componentOf != nullptr && (*componentOf)[static_cast<size_t>(first)] != component) continue;
            const auto& v = complex.triangles[static_cast<size_t>(first)];
            seed = first;
            side = Side(complex.points[static_cast<size_t>(v[0])], complex.points[static_cast<size_t>(v[1])],
                        complex.points[static_cast<size_t>(v[2])], farPoint);
            if (side != 0) return true;
        }
    }
    why = "no ray from outside met a face cleanly";
    return false;
}

// Whether two triangles that share corners (the same points of the caller's)
// meet only in what they share, told by predicates on the input doubles where
// constructing their crossing would build new points whose equality with the
// corners only exact numbers can tell. A side in common: out of one plane the
// two planes meet in its line, and each triangle meets that line in the side;
// in one plane, when the third corners lie on either side of it. One corner in
// common: when the other two of either lie strictly on one side of the other's
// plane, that triangle touches the plane only there.
bool MeetOnlyInSharedCorners(const Tri3& a, const std::array<int32_t, 3>& ca, const Tri3& b,
                             const std::array<int32_t, 3>& cb) {
    int shared = 0;
    int aShared[3] = {-1, -1, -1};  // per corner of a: the corner of b at the same point
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k < 3; ++k) {
            if (ca[static_cast<size_t>(i)] == cb[static_cast<size_t>(k)]) {
                aShared[i] = k;
                ++shared;
            }
        }
    }
    if (shared == 2) {
        int aOwn = 0;
        while (aShared[aOwn] >= 0) ++aOwn;
        int bOwn = 3 - aShared[(aOwn + 1) % 3] - aShared[(aOwn + 2) % 3];
        const P3& p = a.vertex((aOwn + 1) % 3);
        const P3& q = a.vertex((aOwn + 2) % 3);
        const P3& r = a.vertex(aOwn);
        const P3& t = b.vertex(bOwn);
        if (CGAL::orientation(p, q, r, t) != CGAL::COPLANAR) return true;
        return CGAL::coplanar_orientation(p, q, r, t) == CGAL::NEGATIVE;
    }
    if (shared == 1) {
        const auto strictlyOneSide = [](const Tri3& plane, const P3& x, const P3& y) {
            const CGAL::Orientation ox = CGAL::orientation(plane.vertex(0), plane.vertex(1), plane.vertex(2), x);
            return ox != CGAL::COPLANAR && ox == CGAL::orientation(plane.vertex(0), plane.vertex(1), plane.vertex(2), y);
        };
        int aCorner = 0;
        while (aShared[aCorner] < 0) ++aCorner;
        const int bCorner = aShared[aCorner];
        return strictlyOneSide(b, a.vertex((aCorner + 1) % 3), a.vertex((aCorner + 2) % 3)) ||
               strictlyOneSide(a, b.vertex((bCorner + 1) % 3), b.vertex((bCorner + 2) % 3));
    }
    return false;
}

ExactOutcome Refine(const std::vector<Vec3>& points, const std::vector<SoupTriangle>& triangles,
                    const OuterOptions& options, Complex& complex) {
    std::vector<Tri3> tris;
    std::vector<int32_t> faces;
    std::vector<std::array<int32_t, 3>> corners;  // the caller's point indices of each
    tris.reserve(triangles.size());
    for (const SoupTriangle& t : triangles) {
        const Vec3& a = points[static_cast<size_t>(t.v[0])];
        const Vec3& b = points[static_cast<size_t>(t.v[1])];
        const Vec3& c = points[static_cast<size_t>(t.v[2])];
        Tri3 tri(P3(a.x, a.y, a.z), P3(b.x, b.y, b.z), P3(c.x, c.y, c.z));
        if (tri.is_degenerate()) continue;
        tris.push_back(tri);
        faces.push_back(t.face);
        corners.push_back(t.v);
    }

    using Box = CGAL::Box_intersection_d::Box_with_info_d<double, 3, size_t>;
    std::vector<Box> boxes;
    boxes.reserve(tris.size());
    for (size_t i = 0; i < tris.size(); ++i) boxes.emplace_back(tris[i].bbox(), i);
    std::vector<std::pair<size_t, size_t>> pairs;
    CGAL::box_self_intersection_d(boxes.begin(), boxes.end(), [&](const Box& a, const Box& b) {
        pairs.emplace_back(a.info(), b.info());
    });
    if (Cancelled(options)) return ExactOutcome::Cancelled;
    Progress(options, 0.1);

    std::vector<Cuts> cuts(tris.size());
    for (size_t k = 0; k < pairs.size(); ++k) {
        if ((k & 255) == 0) {
            if (Cancelled(options)) return ExactOutcome::Cancelled;
            Progress(options, 0.1 + 0.4 * static_cast<double>(k) / static_cast<double>(pairs.size()));
        }
        const auto [i, j] = pairs[k];
        if (MeetOnlyInSharedCorners(tris[i], corners[i], tris[j], corners[j])) continue;
        if (CGAL::do_intersect(tris[i], tris[j])) AddIntersection(cuts[i], cuts[j], tris[i], tris[j]);
    }

    complex.sourceAxis.reserve(tris.size());
    complex.sourceNormal.reserve(tris.size());
    for (const Tri3& tri : tris) {
        Vec3 normal;
        complex.sourceAxis.push_back(static_cast<int8_t>(LeaningAxis(tri, normal)));
        const double length = Length(normal);
        complex.sourceNormal.push_back(length > 0.0 ? normal / length : normal);
    }
    PointIndex index;
    std::map<std::array<int32_t, 3>, size_t> seen;  // a piece met twice (coplanar overlap) is kept once
    std::vector<std::array<P3, 3>> pieces;
    for (size_t i = 0; i < tris.size(); ++i) {
        if (Cancelled(options)) return ExactOutcome::Cancelled;
        if ((i & 63) == 0) {
            Progress(options, 0.5 + 0.4 * static_cast<double>(i) / static_cast<double>(tris.size()));
        }
        pieces.clear();
        if (cuts[i].points.empty() && cuts[i].segments.empty()) {
            pieces.push_back({tris[i].vertex(0), tris[i].vertex(1), tris[i].vertex(2)});
        } else {
            if (!CutTriangleAnyPlane(tris[i], {tris[i].vertex(0), tris[i].vertex(1), tris[i].vertex(2)}, cuts[i],
                                     options, pieces)) {
                return ExactOutcome::Cancelled;
            }
        }
        for (const auto& piece : pieces) {
            std::array<int32_t, 3> v{index.Add(piece[0]), index.Add(piece[1]), index.Add(piece[2])};
            std::array<int32_t, 3> key = v;
            std::sort(key.begin(), key.end());
            if (!seen.emplace(key, complex.triangles.size()).second) continue;
            complex.triangles.push_back(v);
            complex.face.push_back(faces[i]);
            complex.source.push_back(static_cast<int32_t>(i));
        }
        if (static_cast<int64_t>(complex.triangles.size()) > options.triangleLimit) return ExactOutcome::TooLarge;
    }
    complex.points = index.points();
    return ExactOutcome::Done;
}

// A point's coordinates as doubles, near enough for telling points a
// tolerance apart: the filtered value where it is tight, else the exact one.
Vec3 Approximate(const P3& p) {
    const auto near = [](const FT& v) {
        const auto& i = v.approx();
        if (i.sup() - i.inf() <= 1e-12 * (std::abs(i.inf()) + 1.0)) return 0.5 * (i.inf() + i.sup());
        return CGAL::to_double(v.exact());
    };
    return {near(p.x()), near(p.y()), near(p.z())};
}

// Sign of the turn a, b, c seen along the axis (0 x, 1 y, 2 z): exact.
CGAL::Orientation TurnAlong(int axis, const P3& a, const P3& b, const P3& c) {
    const auto flat = [axis](const P3& p) {
        if (axis == 2) return K::Point_2(p.x(), p.y());
        if (axis == 1) return K::Point_2(p.x(), p.z());
        return K::Point_2(p.y(), p.z());
    };
    return CGAL::orientation(flat(a), flat(b), flat(c));
}

// Undoes the moves of SnapClosePoints (`target`, per point) that would turn a
// piece over within its input triangle's plane (across a line a hair away) or
// tilt it out of that plane (a sliver whose far corner lands on another face's
// plane): either folds the piece onto a neighbour, and the walk then meets
// triangles from both sides and loses volume. Repeated until no piece that
// keeps three corners is turned or tilted.
void KeepPiecesInPlane(const Complex& complex, const std::vector<Vec3>& near, std::vector<int32_t>& target) {
    // A sound piece moved by the tolerance tilts far less than this (radians).
    constexpr double kTilt = 1e-4;
    std::vector<int8_t> before(complex.triangles.size(), 2);  // its turn before moving; 2 not yet asked
    for (bool changed = true; changed;) {
        changed = false;
        for (size_t t = 0; t < complex.triangles.size(); ++t) {
            const auto& o = complex.triangles[t];
            const std::array<int32_t, 3> v{target[static_cast<size_t>(o[0])], target[static_cast<size_t>(o[1])],
                                           target[static_cast<size_t>(o[2])]};
            if (v == o || v[0] == v[1] || v[1] == v[2] || v[2] == v[0] || complex.source[t] < 0) continue;
            const auto from = static_cast<size_t>(complex.source[t]);
            const Vec3 a = near[static_cast<size_t>(v[0])];
            const Vec3 normal = Cross(near[static_cast<size_t>(v[1])] - a, near[static_cast<size_t>(v[2])] - a);
            const double length = Length(normal);
            bool keep = !(length > 0.0) || Length(Cross(normal / length, complex.sourceNormal[from])) > kTilt;
            if (!keep) {
                const int axis = complex.sourceAxis[from];
                const auto at = [&](int32_t i) -> const P3& { return complex.points[static_cast<size_t>(i)]; };
                if (before[t] == 2) before[t] = static_cast<int8_t>(TurnAlong(axis, at(o[0]), at(o[1]), at(o[2])));
                keep = TurnAlong(axis, at(v[0]), at(v[1]), at(v[2])) != before[t];
            }
            if (!keep) continue;
            for (size_t i = 0; i < 3; ++i) {
                if (v[i] != o[i]) target[static_cast<size_t>(o[i])] = o[i];
            }
            changed = true;
        }
    }
}

// Points of the cut closer than the tolerance become one, the first of them.
// The builders' doubles miss intended coincidences by a few units in the last
// place (four face planes through one point meet in four points; a crossing
// found in a face's plane and again by another face comes out twice), and the
// exact cut keeps each of them apart: between them lie hair-thin slivers that
// fold over their neighbours once rounded to doubles. Triangles left with a
// repeated corner go; a triangle met twice is kept once. A point whose move
// would fold a piece onto its neighbour stays where it is (KeepPiecesInPlane).
bool SnapClosePoints(Complex& complex, double tolerance) {
    const size_t n = complex.points.size();
    std::vector<Vec3> near(n);
    for (size_t i = 0; i < n; ++i) near[i] = Approximate(complex.points[i]);
    std::vector<int32_t> target = FirstOfClosePoints(near, tolerance);
    bool any = false;
    for (size_t i = 0; i < n && !any; ++i) any = target[i] != static_cast<int32_t>(i);
    if (!any) return false;
    KeepPiecesInPlane(complex, near, target);
    bool moved = false;
    for (size_t i = 0; i < n && !moved; ++i) moved = target[i] != static_cast<int32_t>(i);
    if (!moved) return false;
    std::vector<std::array<int32_t, 3>> triangles;
    std::vector<int32_t> face;
    std::vector<int32_t> source;
    std::map<std::array<int32_t, 3>, size_t> seen;
    for (size_t t = 0; t < complex.triangles.size(); ++t) {
        std::array<int32_t, 3> v{};
        for (size_t i = 0; i < 3; ++i) v[i] = target[static_cast<size_t>(complex.triangles[t][i])];
        if (v[0] == v[1] || v[1] == v[2] || v[2] == v[0]) continue;
        std::array<int32_t, 3> sorted = v;
        std::sort(sorted.begin(), sorted.end());
        if (!seen.emplace(sorted, triangles.size()).second) continue;
        triangles.push_back(v);
        face.push_back(complex.face[t]);
        const bool moved = v[0] != complex.triangles[t][0] || v[1] != complex.triangles[t][1] ||
                           v[2] != complex.triangles[t][2];
        source.push_back(moved ? -1 : complex.source[t]);
    }
    complex.triangles = std::move(triangles);
    complex.face = std::move(face);
    complex.source = std::move(source);
    return true;
}

// Which caller's point a triangulation vertex is, plus one; crossings the
// triangulation makes keep 0.
struct PointTag {
    int32_t index = 0;
};

// Winding number of p about a ring, decided exactly.
int Winding(const K::Point_2& p, const std::vector<K::Point_2>& ring) {
    int w = 0;
    for (size_t i = 0; i < ring.size(); ++i) {
        const K::Point_2& a = ring[i];
        const K::Point_2& b = ring[(i + 1) % ring.size()];
        if (CGAL::compare_y(a, p) != CGAL::LARGER) {
            if (CGAL::compare_y(b, p) == CGAL::LARGER && CGAL::orientation(a, b, p) == CGAL::LEFT_TURN) ++w;
        } else if (CGAL::compare_y(b, p) != CGAL::LARGER && CGAL::orientation(a, b, p) == CGAL::RIGHT_TURN) {
            --w;
        }
    }
    return w;
}

}  // namespace

bool SegmentMayMeetBox(const std::array<double, 3>& p, const std::array<double, 3>& q,
                       const std::array<double, 3>& lo, const std::array<double, 3>& hi, double margin) {
    double t0 = 0.0;
    double t1 = 1.0;
    for (size_t k = 0; k < 3; ++k) {
        const double low = lo[k] - margin;
        const double high = hi[k] + margin;
        const double d = q[k] - p[k];
        if (d == 0.0) {
            if (p[k] < low || p[k] > high) return false;
            continue;
        }
        double a = (low - p[k]) / d;
        double b = (high - p[k]) / d;
        if (a > b) std::swap(a, b);
        t0 = std::max(t0, a);
        t1 = std::min(t1, b);
        if (t0 > t1) return false;
    }
    return true;
}

void FillPlaneRegion(std::vector<RegionPoint>& points, const std::vector<std::vector<int32_t>>& rings,
                     const std::vector<int32_t>& ringOwner, std::vector<RegionTriangle>& out,
                     const std::atomic<bool>* cancel) {
    const ExactTurn turn(cancel);  // before any exact object (see RefineAndWalk)
    if (!turn.held()) return;
    using Vb = CGAL::Triangulation_vertex_base_with_info_2<PointTag, K>;
    using Fb = CGAL::Constrained_triangulation_face_base_2<K>;
    using Tds = CGAL::Triangulation_data_structure_2<Vb, Fb>;
    using CDT = CGAL::Constrained_triangulation_plus_2<
        CGAL::Constrained_Delaunay_triangulation_2<K, Tds, CGAL::Exact_intersections_tag>>;
    using P2 = K::Point_2;
    CDT cdt;
    std::vector<CDT::Vertex_handle> handle(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        handle[i] = cdt.insert(P2(points[i].x, points[i].y));
        handle[i]->info().index = static_cast<int32_t>(i) + 1;
    }
    std::vector<std::vector<P2>> ringPoints(rings.size());
    for (size_t r = 0; r < rings.size(); ++r) {
        const auto& ring = rings[r];
        for (size_t i = 0; i < ring.size(); ++i) {
            const auto a = static_cast<size_t>(ring[i]);
            const auto b = static_cast<size_t>(ring[(i + 1) % ring.size()]);
            ringPoints[r].push_back(handle[a]->point());
            if (a != b && handle[a] != handle[b]) cdt.insert_constraint(handle[a], handle[b]);
        }
    }
    for (auto v = cdt.finite_vertices_begin(); v != cdt.finite_vertices_end(); ++v) {
        if (v->info().index == 0) {
            v->info().index = static_cast<int32_t>(points.size()) + 1;
            points.push_back({CGAL::to_double(v->point().x()), CGAL::to_double(v->point().y()), -1});
        }
    }
    // Each ring's box, a little wide: a point outside it is wound round 0 times,
    // without the exact count (many small rings share a plane in a fractal).
    struct Box2 {
        double x0, y0, x1, y1;
    };
    std::vector<Box2> ringBox(rings.size());
    for (size_t r = 0; r < rings.size(); ++r) {
        Box2 b{std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(),
               -std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
        for (const int32_t i : rings[r]) {
            const RegionPoint& q = points[static_cast<size_t>(i)];
            b = {std::min(b.x0, q.x), std::min(b.y0, q.y), std::max(b.x1, q.x), std::max(b.y1, q.y)};
        }
        const double margin = 1e-9 * (std::abs(b.x0) + std::abs(b.x1) + std::abs(b.y0) + std::abs(b.y1) + 1.0);
        ringBox[r] = {b.x0 - margin, b.y0 - margin, b.x1 + margin, b.y1 + margin};
    }
    // Owners in ring order: the first whose rings wind round a piece owns it.
    size_t seen = 0;
    for (auto f = cdt.finite_faces_begin(); f != cdt.finite_faces_end(); ++f) {
        if ((++seen & 255) == 0 && cancel != nullptr && cancel->load(std::memory_order_relaxed)) return;
        const P2 centre = CGAL::centroid(f->vertex(0)->point(), f->vertex(1)->point(), f->vertex(2)->point());
        const double cx = CGAL::to_double(centre.x());
        const double cy = CGAL::to_double(centre.y());
        int32_t owner = -1;
        int winding = 0;
        for (size_t r = 0; r < rings.size(); ++r) {
            if (r > 0 && ringOwner[r] != ringOwner[r - 1]) {
                if (winding != 0) break;
                winding = 0;
            }
            owner = ringOwner[r];
            const Box2& b = ringBox[r];
            if (cx < b.x0 || cx > b.x1 || cy < b.y0 || cy > b.y1) continue;
            winding += Winding(centre, ringPoints[r]);
        }
        if (winding == 0) continue;
        out.push_back({{f->vertex(0)->info().index - 1, f->vertex(1)->info().index - 1, f->vertex(2)->info().index - 1},
                       owner});
    }
}

namespace {

// Whether p lies inside the closed surface of `surface` (outward corner
// order): 1 inside, 0 outside, -1 when no ray from far away crossed every
// triangle it met cleanly through its inside. Predicates only, no new points.
// The boxes of a surface's triangles and how far out its points reach, worked
// out once for the many probes of one walk.
struct SurfaceBoxes {
    std::vector<CGAL::Bbox_3> boxes;
    double maxAbs = 1.0;

    SurfaceBoxes(const Complex& complex, const std::vector<std::array<int32_t, 3>>& surface) {
        boxes.reserve(surface.size());
        for (const auto& t : surface) {
            CGAL::Bbox_3 box;
            for (const int32_t v : t) {
                const CGAL::Bbox_3 b = complex.points[static_cast<size_t>(v)].bbox();
                maxAbs = std::max({maxAbs, std::abs(b.xmin()), std::abs(b.xmax()), std::abs(b.ymin()),
                                   std::abs(b.ymax()), std::abs(b.zmin()), std::abs(b.zmax())});
                box += b;
            }
            boxes.push_back(box);
        }
    }
};

int InsideClosed(const Complex& complex, const std::vector<std::array<int32_t, 3>>& surface,
                 const SurfaceBoxes& surfaceBoxes, const P3& p) {
    const double far = 4.0 * surfaceBoxes.maxAbs + 1.0;
    const P3 farPoints[] = {{far, 0.37 * far, 0.21 * far}, {-0.29 * far, far, 0.43 * far},
                            {0.17 * far, -0.31 * far, far}, {-far, -0.13 * far, 0.59 * far}};
    for (const P3& from : farPoints) {
        const CGAL::Bbox_3 rayBox = from.bbox() + p.bbox();
        int winding = 0;
        bool clean = true;
        for (size_t t = 0; t < surface.size() && clean; ++t) {
            if (!CGAL::do_overlap(rayBox, surfaceBoxes.boxes[t])) continue;
            const P3& a = complex.points[static_cast<size_t>(surface[t][0])];
            const P3& b = complex.points[static_cast<size_t>(surface[t][1])];
            const P3& c = complex.points[static_cast<size_t>(surface[t][2])];
            const CGAL::Orientation sideFrom = CGAL::orientation(a, b, c, from);
            const CGAL::Orientation sideP = CGAL::orientation(a, b, c, p);
            if (sideP == CGAL::ZERO || sideFrom == CGAL::ZERO) {
                clean = false;  // an end in the triangle's plane
                break;
            }
            if (sideFrom == sideP) continue;  // both ends on one side: no crossing
            const CGAL::Orientation ab = CGAL::orientation(from, p, a, b);
            const CGAL::Orientation bc = CGAL::orientation(from, p, b, c);
            const CGAL::Orientation ca = CGAL::orientation(from, p, c, a);
            if (ab == CGAL::ZERO || bc == CGAL::ZERO || ca == CGAL::ZERO) {
                // Through an edge or a corner, unless it passes the triangle by.
                if ((ab == bc || ab == CGAL::ZERO || bc == CGAL::ZERO) && (bc == ca || bc == CGAL::ZERO || ca == CGAL::ZERO) &&
                    (ca == ab || ca == CGAL::ZERO || ab == CGAL::ZERO)) {
                    clean = false;
                }
                continue;
            }
            if (ab != bc || bc != ca) continue;  // the line passes beside the triangle
            winding += sideFrom == CGAL::POSITIVE ? 1 : -1;  // from outside to inside: entering
        }
        if (clean) return winding != 0 ? 1 : 0;
    }
    return -1;
}

// The walk over the triangles the outside reaches (see RefineAndWalk);
// `passes` tells how many walks it took (more than one when fins were met).
ExactOutcome Walk(const Complex& complex, const OuterOptions& options, WalkOutput& out, std::string& detail,
                  int& passes, bool onePassOnly = false) {
    std::vector<bool> removed(complex.triangles.size(), false);
    // Each pass takes away the triangles the outside reaches from both sides.
    for (int pass = 0; pass < 64; ++pass) {
        passes = pass + 1;
        if (Cancelled(options)) return ExactOutcome::Cancelled;
        int32_t seed = -1;
        int seedSide = 0;
        std::vector<int32_t> all;
        for (size_t t = 0; t < complex.triangles.size(); ++t) {
            if (!removed[t]) all.push_back(static_cast<int32_t>(t));
        }
        if (!FindSeed(complex, removed, options, all, nullptr, -1, seed, seedSide, detail)) {
            return Cancelled(options) ? ExactOutcome::Cancelled : ExactOutcome::NoVolume;
        }
        const Walker walker(complex, removed);

        // Visited (triangle, side) states: index into the output, by 2 t + (side > 0).
        std::unordered_map<int64_t, int32_t> state;
        std::vector<std::pair<int32_t, int>> order;
        // With `onePassOnly`, a triangle met from both sides ends the walk at once.
        bool metFromBoth = false;
        auto visit = [&](int32_t t, int s) {
            const int64_t key = 2 * static_cast<int64_t>(t) + (s > 0 ? 1 : 0);
            const auto [it, inserted] = state.emplace(key, static_cast<int32_t>(order.size()));
            if (inserted) {
                order.emplace_back(t, s);
                if (onePassOnly && state.count(key ^ 1)) metFromBoth = true;
            }
            return it->second;
        };
        visit(seed, seedSide);
        std::vector<std::array<int32_t, 3>> next;
        std::vector<std::array<int32_t, 3>> oriented;
        size_t k = 0;
        // Shells apart from those walked (copies of a fractal, parts of a
        // compound meeting only at points) are found by a ray of their own:
        // one whose first triangle met is theirs lies outside every shell.
        bool lookForMore = true;
        for (;;) {
        for (; k < order.size(); ++k) {
            if ((k & 1023) == 0 && Cancelled(options)) return ExactOutcome::Cancelled;
            if (metFromBoth) {
                detail = "the walk met pieces from both sides";
                return ExactOutcome::NoVolume;
            }
            const auto [t, s] = order[k];
            const auto& v = complex.triangles[static_cast<size_t>(t)];
            // Outward corner order: stored order when the outside is on the positive side.
            const std::array<int32_t, 3> o = s > 0 ? v : std::array<int32_t, 3>{v[0], v[2], v[1]};
            std::array<int32_t, 3> across{};
            for (int i = 0; i < 3; ++i) {
                const int32_t a = o[static_cast<size_t>(i)];
                const int32_t b = o[static_cast<size_t>((i + 1) % 3)];
                // Across() wants the edge in stored order.
                const bool stored = (v[0] == a && v[1] == b) || (v[1] == a && v[2] == b) || (v[2] == a && v[0] == b);
                const auto [n, ns] = stored ? walker.Across(t, s, a, b) : walker.Across(t, s, b, a);
                across[static_cast<size_t>(i)] = visit(n, ns);
            }
            oriented.push_back(o);
            next.push_back(across);
        }
        if (!lookForMore) break;
        lookForMore = false;
        // Pieces of triangles joined across edges, among those not walked.
        std::vector<bool> walked(complex.triangles.size(), false);
        for (const auto& [t, side] : order) walked[static_cast<size_t>(t)] = true;
        std::vector<int32_t> componentOf(complex.triangles.size(), -1);
        std::vector<std::vector<int32_t>> components;
        for (size_t start = 0; start < complex.triangles.size(); ++start) {
            if (removed[start] || walked[start] || componentOf[start] >= 0) continue;
            const auto id = static_cast<int32_t>(components.size());
            components.emplace_back();
            std::vector<int32_t> stack{static_cast<int32_t>(start)};
            componentOf[start] = id;
            while (!stack.empty()) {
                const int32_t t = stack.back();
                stack.pop_back();
                components.back().push_back(t);
                const auto& v = complex.triangles[static_cast<size_t>(t)];
                for (int i = 0; i < 3; ++i) {
                    for (const int32_t u : walker.TrianglesOn(EdgeKey(v[i], v[(i + 1) % 3]))) {
                        if (componentOf[static_cast<size_t>(u)] < 0 && !walked[static_cast<size_t>(u)]) {
                            componentOf[static_cast<size_t>(u)] = id;
                            stack.push_back(u);
                        }
                    }
                }
            }
        }
        std::optional<SurfaceBoxes> surfaceBoxes;
        if (!components.empty()) surfaceBoxes.emplace(complex, oriented);
        for (size_t c = 0; c < components.size(); ++c) {
            if (Cancelled(options)) return ExactOutcome::Cancelled;
            int32_t more = -1;
            int moreSide = 0;
            std::string why;
            // Most pieces not walked lie inside the surface walked so far: one
            // ray tells, where looking for a clean view of them takes many.
            // A probe in the plane of a surface triangle tells nothing (a piece
            // of a face the surface runs along): then another triangle's.
            int inside = -1;
            const size_t probeStep = std::max<size_t>(1, components[c].size() / 3);
            for (size_t i = 0; i < components[c].size() && i < 3 * probeStep && inside < 0; i += probeStep) {
                const auto& tri = complex.triangles[static_cast<size_t>(components[c][i])];
                const P3 probe = CGAL::centroid(complex.points[static_cast<size_t>(tri[0])],
                                                complex.points[static_cast<size_t>(tri[1])],
                                                complex.points[static_cast<size_t>(tri[2])]);
                inside = InsideClosed(complex, oriented, *surfaceBoxes, probe);
            }
            if (inside == 1) continue;
            // A few aims each, and every aim costs a ray.
            std::vector<int32_t> aims;
            const size_t step = std::max<size_t>(1, components[c].size() / 6);
            for (size_t i = 0; i < components[c].size(); i += step) aims.push_back(components[c][i]);
            if (FindSeed(complex, removed, options, aims, &componentOf, static_cast<int32_t>(c), more, moreSide, why,
                         &walked)) {
                visit(more, moreSide);
                lookForMore = true;
            }
        }
        if (k == order.size()) break;
        }

        std::vector<bool> both(complex.triangles.size(), false);
        bool anyBoth = false;
        for (const auto& [t, s] : order) {
            if (s > 0 && state.count(2 * static_cast<int64_t>(t))) {
                both[static_cast<size_t>(t)] = true;
                anyBoth = true;
            }
        }
        if (!anyBoth) {
            // Only the points the surface uses, rounded to doubles.
            std::vector<int32_t> renumber(complex.points.size(), -1);
            out.points.clear();
            out.triangles.clear();
            out.face.clear();
            for (size_t k = 0; k < oriented.size(); ++k) {
                std::array<int32_t, 3> tri{};
                for (int i = 0; i < 3; ++i) {
                    const int32_t p = oriented[k][static_cast<size_t>(i)];
                    int32_t& r = renumber[static_cast<size_t>(p)];
                    if (r < 0) {
                        r = static_cast<int32_t>(out.points.size());
                        const P3& e = complex.points[static_cast<size_t>(p)];
                        out.points.push_back({CGAL::to_double(e.x().exact()), CGAL::to_double(e.y().exact()),
                                              CGAL::to_double(e.z().exact())});
                    }
                    tri[static_cast<size_t>(i)] = r;
                }
                out.triangles.push_back(tri);
                out.face.push_back(complex.face[static_cast<size_t>(order[k].first)]);
            }
            out.next = std::move(next);
            return ExactOutcome::Done;
        }
        for (size_t t = 0; t < both.size(); ++t) {
            if (both[t]) removed[t] = true;
        }
    }
    detail = "thin walls were met again and again";
    return ExactOutcome::NoVolume;
}

}  // namespace

ExactOutcome WalkPlanePieces(const PlanePieces& pieces, const OuterOptions& options, WalkOutput& out,
                             std::string& detail) {
    const ExactTurn turn(options.cancel);
    if (!turn.held()) return ExactOutcome::Cancelled;
    Complex complex;
    complex.points.reserve(pieces.points.size());
    for (const Vec3& p : pieces.points) complex.points.emplace_back(p.x, p.y, p.z);
    complex.triangles = pieces.triangles;
    complex.face = pieces.face;
    // Pieces of one plane count as lying in it, as pieces of one triangle do.
    complex.source = pieces.plane;
    for (const Vec3& n : pieces.planeNormal) {
        const double ax = std::abs(n.x), ay = std::abs(n.y), az = std::abs(n.z);
        complex.sourceAxis.push_back(static_cast<int8_t>(az >= ax && az >= ay ? 2 : (ay >= ax ? 1 : 0)));
        complex.sourceNormal.push_back(n);
    }
    int passes = 0;
    const ExactOutcome walked = Walk(complex, options, out, detail, passes, true);
    out.refinedTriangles = static_cast<int64_t>(pieces.triangles.size());
    if (walked == ExactOutcome::Done && passes != 1) {
        detail = "the walk met pieces from both sides";
        return ExactOutcome::NoVolume;
    }
    return walked;
}

ExactOutcome RefineAndWalk(const std::vector<Vec3>& points, const std::vector<SoupTriangle>& triangles,
                           const OuterOptions& options, WalkOutput& out, std::string& detail) {
    const ExactTurn turn(options.cancel);  // before any exact object, so that it is let go after them all
    if (!turn.held()) return ExactOutcome::Cancelled;
    Complex complex;
    if (const ExactOutcome refined = Refine(points, triangles, options, complex); refined != ExactOutcome::Done) {
        if (refined == ExactOutcome::TooLarge) {
            detail = "the faces cut each other into more than " + std::to_string(options.triangleLimit) + " pieces";
        }
        return refined;
    }
    out.refinedTriangles = static_cast<int64_t>(complex.triangles.size());

    // Points of the cut a hair apart are made one first, and that complex is
    // walked. Snapping moves points by less than the tolerance and folds no
    // piece onto its neighbour. Should the walk still meet triangles from both
    // sides (more than one pass), the snapped surface is not trusted even where
    // it encloses the same volume (267's net overlapped itself), and the exact
    // complex is walked instead, slivers and all.
    double extent = 1.0;
    for (const Vec3& p : points) extent = std::max({extent, std::abs(p.x), std::abs(p.y), std::abs(p.z)});
    if (options.snapClosePoints) {
        Complex snapped = complex;
        if (SnapClosePoints(snapped, 1e-9 * extent)) {
            WalkOutput snappedOut;
            std::string why;
            int passes = 0;
            const ExactOutcome outcome = Walk(snapped, options, snappedOut, why, passes);
            if (outcome == ExactOutcome::Cancelled) return outcome;
            if (outcome == ExactOutcome::Done && passes == 1) {
                snappedOut.refinedTriangles = out.refinedTriangles;
                snappedOut.snapped = true;
                out = std::move(snappedOut);
                return ExactOutcome::Done;
            }
        }
    }
    int passes = 0;
    const int64_t refined = out.refinedTriangles;
    const ExactOutcome walked = Walk(complex, options, out, detail, passes);
    out.refinedTriangles = refined;
    return walked;
}

}  // namespace gyro::outer
