#include "geometry/outer_planes.h"

#include "geometry/close_points.h"

#include <CGAL/Constrained_Delaunay_triangulation_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Triangulation_vertex_base_with_info_2.h>
#include <CGAL/box_intersection_d.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <unordered_map>

namespace gyro::outer {
namespace {

using K = CGAL::Exact_predicates_inexact_constructions_kernel;
using Vb = CGAL::Triangulation_vertex_base_with_info_2<int32_t, K>;
using Fb = CGAL::Constrained_triangulation_face_base_2<K>;
using Tds = CGAL::Triangulation_data_structure_2<Vb, Fb>;
using Cdt = CGAL::Constrained_Delaunay_triangulation_2<K, Tds, CGAL::No_constraint_intersection_tag>;

struct Box3 {
    Vec3 lo{1e300, 1e300, 1e300};
    Vec3 hi{-1e300, -1e300, -1e300};
    void Add(Vec3 p) {
        lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
        hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
    }
};

struct Plane {
    Vec3 n;  // unit
    double d = 0.0;
    Vec3 u, v;  // a frame in the plane
    std::vector<int32_t> triangles;
    std::vector<int32_t> vertices;
    Box3 box;
    std::vector<int32_t> lines;  // lines that lie in it
    std::vector<int32_t> edges;  // its triangles' edges that lie on none of its lines
    std::vector<int32_t> touches;  // points where another plane's pieces touch its own
};

// A point on a carrier, by its place along it.
struct OnCarrier {
    double at = 0.0;
    int32_t point = -1;
};

struct Interval {
    double from = 0.0;
    double to = 0.0;
    int32_t first = -1;  // the points at its ends
    int32_t last = -1;
};

struct Line {
    Vec3 o, dir;
    std::vector<int32_t> planes;
    std::vector<std::pair<int32_t, Interval>> spans;  // by plane: where that plane's pieces are cut along it
    std::vector<int32_t> points;
};

struct Edge {
    int32_t a = -1;
    int32_t b = -1;
    std::vector<int32_t> points;
};

struct Key3Hash {
    size_t operator()(const std::array<int32_t, 3>& k) const {
        uint64_t h = 1469598103934665603ULL;
        for (const int32_t v : k) h = (h ^ static_cast<uint32_t>(v)) * 1099511628211ULL;
        return static_cast<size_t>(h ^ (h >> 29));
    }
};

uint64_t EdgeKey(int32_t a, int32_t b) {
    if (a > b) std::swap(a, b);
    return (static_cast<uint64_t>(static_cast<uint32_t>(a)) << 32) | static_cast<uint32_t>(b);
}

Vec3 Unit(Vec3 v) {
    const double l = Length(v);
    return l > 0.0 ? v / l : v;
}

// Merges closed intervals that overlap or touch within `tol`.
std::vector<Interval> Union(std::vector<Interval> list, double tol) {
    std::sort(list.begin(), list.end(), [](const Interval& x, const Interval& y) { return x.from < y.from; });
    std::vector<Interval> out;
    for (const Interval& i : list) {
        if (!out.empty() && i.from <= out.back().to + tol) {
            if (i.to > out.back().to) {
                out.back().to = i.to;
                out.back().last = i.last;
            }
        } else {
            out.push_back(i);
        }
    }
    return out;
}

class Cutter {
public:
    Cutter(const std::vector<Vec3>& points, const std::vector<SoupTriangle>& triangles, double tol,
           const OuterOptions& options)
        : soup_(triangles), tol_(tol), options_(options), points_(points) {}

    bool Run(PlanePieces& out, std::string& why) {
        if (!FindPlanes(why)) return false;
        if (Cancelled()) return Fail(why, "cancelled");
        if (!FindLines(why)) return false;
        if (Cancelled()) return Fail(why, "cancelled");
        TakeEdges();
        for (size_t p = 0; p < planes_.size(); ++p) {
            if ((p & 31) == 0 && Cancelled()) return Fail(why, "cancelled");
            if (!FindCrossings(static_cast<int32_t>(p), why)) return false;
        }
        Weld();
        for (size_t p = 0; p < planes_.size(); ++p) {
            if ((p & 31) == 0 && Cancelled()) return Fail(why, "cancelled");
            PutPointsOnCarriers(static_cast<int32_t>(p));
        }
        if (!OrderCarriers(why)) return false;
        for (size_t p = 0; p < planes_.size(); ++p) {
            if ((p & 31) == 0 && Cancelled()) return Fail(why, "cancelled");
            if (!Triangulate(static_cast<int32_t>(p), out, why)) return false;
        }
        // Only the points in use.
        std::vector<int32_t> renumber(points_.size(), -1);
        std::vector<Vec3> used;
        for (auto& t : out.triangles) {
            for (int32_t& c : t) {
                int32_t& r = renumber[static_cast<size_t>(c)];
                if (r < 0) {
                    r = static_cast<int32_t>(used.size());
                    used.push_back(points_[static_cast<size_t>(c)]);
                }
                c = r;
            }
        }
        out.points = std::move(used);
        for (const Plane& plane : planes_) out.planeNormal.push_back(plane.n);
        return true;
    }

private:
    static bool Fail(std::string& why, const char* text) {
        why = text;
        return false;
    }
    bool Cancelled() const { return options_.cancel && options_.cancel->load(); }

    const Vec3& P(int32_t i) const { return points_[static_cast<size_t>(i)]; }
    double Dist(int32_t point, const Plane& plane) const { return Dot(plane.n, P(point)) - plane.d; }
    int Sign(double d) const { return d > tol_ ? 1 : (d < -tol_ ? -1 : 0); }

    // The faces, each in one plane; faces in one plane share it.
    bool FindPlanes(std::string& why) {
        std::unordered_map<int32_t, std::vector<int32_t>> byFace;
        std::vector<int32_t> faceOrder;
        for (size_t t = 0; t < soup_.size(); ++t) {
            auto [it, fresh] = byFace.try_emplace(soup_[t].face);
            if (fresh) faceOrder.push_back(soup_[t].face);
            it->second.push_back(static_cast<int32_t>(t));
        }
        std::unordered_map<uint64_t, std::vector<int32_t>> byNormal;
        for (const int32_t face : faceOrder) {
            const std::vector<int32_t>& tris = byFace[face];
            Vec3 ref{};
            double best = -1.0;
            for (const int32_t t : tris) {
                const auto& v = soup_[static_cast<size_t>(t)].v;
                const Vec3 n = Cross(P(v[1]) - P(v[0]), P(v[2]) - P(v[0]));
                if (Length(n) > best) {
                    best = Length(n);
                    ref = n;
                }
            }
            Vec3 sum{};
            for (const int32_t t : tris) {
                const auto& v = soup_[static_cast<size_t>(t)].v;
                const Vec3 n = Cross(P(v[1]) - P(v[0]), P(v[2]) - P(v[0]));
                sum = sum + (Dot(n, ref) < 0.0 ? -n : n);
            }
            if (!(Length(sum) > 0.0)) return Fail(why, "a face without area");
            Plane plane;
            plane.n = Unit(sum);
            double dsum = 0.0;
            int count = 0;
            for (const int32_t t : tris) {
                for (const int32_t c : soup_[static_cast<size_t>(t)].v) {
                    dsum += Dot(plane.n, P(c));
                    ++count;
                }
            }
            plane.d = dsum / count;
            for (const int32_t t : tris) {
                for (const int32_t c : soup_[static_cast<size_t>(t)].v) {
                    if (std::abs(Dist(c, plane)) > tol_) return Fail(why, "a face is not flat");
                }
            }
            // The same plane as a face before? Planes are found by their
            // normals, either way round, in cells of a millionth.
            int32_t found = -1;
            const auto cell = [](double v) { return static_cast<int64_t>(std::floor(v * 1e6)); };
            const auto normalKey = [](int64_t x, int64_t y, int64_t z) {
                const auto h = [](int64_t v) { return static_cast<uint64_t>(v) * 0x9E3779B97F4A7C15ULL; };
                return h(x) ^ (h(y) << 21 | h(y) >> 43) ^ (h(z) << 42 | h(z) >> 22);
            };
            const int64_t cx = cell(plane.n.x), cy = cell(plane.n.y), cz = cell(plane.n.z);
            for (int64_t dx = -1; dx <= 1 && found < 0; ++dx) {
                for (int64_t dy = -1; dy <= 1 && found < 0; ++dy) {
                    for (int64_t dz = -1; dz <= 1 && found < 0; ++dz) {
                        const auto it = byNormal.find(normalKey(cx + dx, cy + dy, cz + dz));
                        if (it == byNormal.end()) continue;
                        for (const int32_t q : it->second) {
                            const Plane& other = planes_[static_cast<size_t>(q)];
                            if (std::abs(Dot(other.n, plane.n)) < 1.0 - 1e-12) continue;
                            bool all = true;
                            for (const int32_t t : tris) {
                                for (const int32_t c : soup_[static_cast<size_t>(t)].v) all = all && Sign(Dist(c, other)) == 0;
                            }
                            if (all) {
                                found = q;
                                break;
                            }
                        }
                    }
                }
            }
            if (found < 0) {
                found = static_cast<int32_t>(planes_.size());
                byNormal[normalKey(cx, cy, cz)].push_back(found);
                byNormal[normalKey(cell(-plane.n.x), cell(-plane.n.y), cell(-plane.n.z))].push_back(found);
                const Vec3 axis = std::abs(plane.n.x) < 0.6 ? Vec3{1, 0, 0} : Vec3{0, 1, 0};
                plane.u = Unit(Cross(plane.n, axis));
                plane.v = Cross(plane.n, plane.u);
                planes_.push_back(plane);
            }
            Plane& into = planes_[static_cast<size_t>(found)];
            for (const int32_t t : tris) {
                into.triangles.push_back(t);
                for (const int32_t c : soup_[static_cast<size_t>(t)].v) {
                    into.vertices.push_back(c);
                    into.box.Add(P(c));
                }
            }
        }
        for (Plane& plane : planes_) {
            std::sort(plane.triangles.begin(), plane.triangles.end());
            std::sort(plane.vertices.begin(), plane.vertices.end());
            plane.vertices.erase(std::unique(plane.vertices.begin(), plane.vertices.end()), plane.vertices.end());
        }
        return true;
    }

    // Where edge a-b crosses plane q (a below b by index), once for every caller.
    int32_t EdgeCrossing(int32_t a, int32_t b, int32_t q) {
        if (a > b) std::swap(a, b);
        const std::array<int32_t, 3> key{a, b, q};
        const auto it = edgeCrossings_.find(key);
        if (it != edgeCrossings_.end()) return it->second;
        const Plane& plane = planes_[static_cast<size_t>(q)];
        const double da = Dist(a, plane);
        const double db = Dist(b, plane);
        const double t = da / (da - db);
        const auto id = static_cast<int32_t>(points_.size());
        points_.push_back(P(a) + (P(b) - P(a)) * t);
        edgeCrossings_.emplace(key, id);
        return id;
    }

    // The point three planes share.
    int32_t PlanesCrossing(int32_t p, int32_t q, int32_t r) {
        std::array<int32_t, 3> key{p, q, r};
        std::sort(key.begin(), key.end());
        const auto it = planeCrossings_.find(key);
        if (it != planeCrossings_.end()) return it->second;
        const Plane& a = planes_[static_cast<size_t>(key[0])];
        const Plane& b = planes_[static_cast<size_t>(key[1])];
        const Plane& c = planes_[static_cast<size_t>(key[2])];
        const Vec3 bc = Cross(b.n, c.n);
        const double det = Dot(a.n, bc);
        const Vec3 x = (bc * a.d + Cross(c.n, a.n) * b.d + Cross(a.n, b.n) * c.d) / det;
        const auto id = static_cast<int32_t>(points_.size());
        points_.push_back(x);
        planeCrossings_.emplace(key, id);
        return id;
    }

    // Where triangle t meets plane q, along the line o + s dir: false when it
    // only touches it at a point or misses it.
    bool Trace(int32_t t, int32_t q, Vec3 o, Vec3 dir, Interval& out, bool& flat) {
        const auto& v = soup_[static_cast<size_t>(t)].v;
        const Plane& plane = planes_[static_cast<size_t>(q)];
        double d[3];
        int s[3];
        for (int i = 0; i < 3; ++i) {
            d[i] = Dist(v[static_cast<size_t>(i)], plane);
            s[i] = Sign(d[i]);
        }
        if (s[0] == 0 && s[1] == 0 && s[2] == 0) {
            flat = true;
            return false;
        }
        int32_t ends[3];
        int count = 0;
        for (int i = 0; i < 3; ++i) {
            if (s[i] == 0) ends[count++] = v[static_cast<size_t>(i)];
        }
        for (int i = 0; i < 3; ++i) {
            const int j = (i + 1) % 3;
            if (s[i] * s[j] < 0) ends[count++] = EdgeCrossing(v[static_cast<size_t>(i)], v[static_cast<size_t>(j)], q);
        }
        if (count < 2) return false;
        double a = Dot(dir, P(ends[0]) - o);
        double b = Dot(dir, P(ends[1]) - o);
        out = a <= b ? Interval{a, b, ends[0], ends[1]} : Interval{b, a, ends[1], ends[0]};
        return out.to - out.from > tol_;
    }

    // The lines along which two planes' pieces meet.
    bool FindLines(std::string& why) {
        struct Carrier {
            int32_t p, q;
            Vec3 o, dir;
            std::vector<Interval> spans;
            std::vector<int32_t> points;
        };
        std::vector<Carrier> carriers;
        std::vector<std::vector<int32_t>> carriersOf(planes_.size());
        // Pairs of planes whose boxes meet, in order.
        using Box = CGAL::Box_intersection_d::Box_with_info_d<double, 3, int32_t>;
        std::vector<Box> boxes;
        boxes.reserve(planes_.size());
        for (size_t p = 0; p < planes_.size(); ++p) {
            const Box3& b = planes_[p].box;
            double lo[3] = {b.lo.x - tol_, b.lo.y - tol_, b.lo.z - tol_};
            double hi[3] = {b.hi.x + tol_, b.hi.y + tol_, b.hi.z + tol_};
            boxes.emplace_back(lo, hi, static_cast<int32_t>(p));
        }
        std::vector<std::pair<int32_t, int32_t>> pairs;
        CGAL::box_self_intersection_d(boxes.begin(), boxes.end(), [&](const Box& x, const Box& y) {
            pairs.emplace_back(std::min(x.info(), y.info()), std::max(x.info(), y.info()));
        });
        std::sort(pairs.begin(), pairs.end());
        for (size_t k = 0; k < pairs.size(); ++k) {
            if ((k & 1023) == 0 && Cancelled()) return Fail(why, "cancelled");
            const auto p = static_cast<size_t>(pairs[k].first);
            const auto q = static_cast<size_t>(pairs[k].second);
            const Plane& a = planes_[p];
            {
                const Plane& b = planes_[q];
                const auto side = [&](const Plane& of, const Plane& to) {
                    int below = 0, above = 0;
                    for (const int32_t c : of.vertices) {
                        const int s = Sign(Dist(c, to));
                        below += s <= 0;
                        above += s >= 0;
                    }
                    return below > 0 && above > 0;
                };
                if (!side(a, b) || !side(b, a)) continue;
                const Vec3 cross = Cross(a.n, b.n);
                const double sine = Length(cross);
                if (sine < 1e-6) return Fail(why, "two planes nearly parallel meet");
                const double c = Dot(a.n, b.n);
                const Vec3 o = (a.n * (a.d - b.d * c) + b.n * (b.d - a.d * c)) / (1.0 - c * c);
                const Vec3 dir = cross / sine;
                std::vector<Interval> onA, onB;  // a's pieces along the line, b's
                bool flat = false;
                Interval span;
                for (const int32_t t : a.triangles) {
                    if (Trace(t, static_cast<int32_t>(q), o, dir, span, flat)) onA.push_back(span);
                }
                for (const int32_t t : b.triangles) {
                    if (Trace(t, static_cast<int32_t>(p), o, dir, span, flat)) onB.push_back(span);
                }
                if (flat) return Fail(why, "a triangle lies in another face's plane");
                if (onA.empty() || onB.empty()) continue;
                std::vector<int32_t> ends;
                for (const Interval& i : onA) ends.insert(ends.end(), {i.first, i.last});
                for (const Interval& i : onB) ends.insert(ends.end(), {i.first, i.last});
                const std::vector<Interval> ua = Union(onA, tol_);
                const std::vector<Interval> ub = Union(onB, tol_);
                Carrier carrier{static_cast<int32_t>(p), static_cast<int32_t>(q), o, dir, {}, {}};
                for (const Interval& x : ua) {
                    for (const Interval& y : ub) {
                        Interval both;
                        both.from = std::max(x.from, y.from);
                        both.first = x.from >= y.from ? x.first : y.first;
                        both.to = std::min(x.to, y.to);
                        both.last = x.to <= y.to ? x.last : y.last;
                        if (both.to - both.from > tol_) {
                            carrier.spans.push_back(both);
                        } else if (both.to - both.from >= -tol_) {
                            // The two touch at a point: a corner of both cuts.
                            for (const size_t plane : {p, q}) {
                                planes_[plane].touches.insert(planes_[plane].touches.end(), {both.first, both.last});
                            }
                        }
                    }
                }
                if (carrier.spans.empty()) continue;
                for (const int32_t e : ends) {
                    const double at = Dot(dir, P(e) - o);
                    for (const Interval& i : carrier.spans) {
                        if (at >= i.from - tol_ && at <= i.to + tol_) {
                            carrier.points.push_back(e);
                            break;
                        }
                    }
                }
                carriersOf[p].push_back(static_cast<int32_t>(carriers.size()));
                carriersOf[q].push_back(static_cast<int32_t>(carriers.size()));
                carriers.push_back(std::move(carrier));
            }
        }
        // Carriers of one plane along one line (three or more planes through it) are one line.
        std::vector<int32_t> parent(carriers.size());
        std::iota(parent.begin(), parent.end(), 0);
        const auto find = [&](int32_t x) {
            while (parent[static_cast<size_t>(x)] != x) x = parent[static_cast<size_t>(x)] = parent[static_cast<size_t>(parent[static_cast<size_t>(x)])];
            return x;
        };
        for (const auto& list : carriersOf) {
            for (size_t i = 0; i < list.size(); ++i) {
                const Carrier& x = carriers[static_cast<size_t>(list[i])];
                for (size_t j = i + 1; j < list.size(); ++j) {
                    const Carrier& y = carriers[static_cast<size_t>(list[j])];
                    if (Length(Cross(x.dir, y.dir)) > 1e-9) continue;
                    const Vec3 off = y.o - x.o;
                    if (Length(off - x.dir * Dot(off, x.dir)) > tol_) continue;
                    parent[static_cast<size_t>(find(list[i]))] = find(list[j]);
                }
            }
        }
        std::vector<int32_t> lineOf(carriers.size(), -1);
        for (size_t c = 0; c < carriers.size(); ++c) {
            const int32_t root = find(static_cast<int32_t>(c));
            if (lineOf[static_cast<size_t>(root)] < 0) {
                lineOf[static_cast<size_t>(root)] = static_cast<int32_t>(lines_.size());
                Line line;
                line.o = carriers[static_cast<size_t>(root)].o;
                line.dir = carriers[static_cast<size_t>(root)].dir;
                lines_.push_back(line);
            }
            lineOf[c] = lineOf[static_cast<size_t>(root)];
        }
        for (size_t c = 0; c < carriers.size(); ++c) {
            const Carrier& carrier = carriers[c];
            const int32_t l = lineOf[c];
            Line& line = lines_[static_cast<size_t>(l)];
            for (const int32_t plane : {carrier.p, carrier.q}) {
                if (std::find(line.planes.begin(), line.planes.end(), plane) == line.planes.end()) {
                    line.planes.push_back(plane);
                    planes_[static_cast<size_t>(plane)].lines.push_back(l);
                }
                for (const Interval& i : carrier.spans) {
                    line.spans.emplace_back(plane, Along(line, i.first, i.last));
                }
            }
            line.points.insert(line.points.end(), carrier.points.begin(), carrier.points.end());
        }
        return true;
    }

    Interval Along(const Line& line, int32_t a, int32_t b) const {
        const double x = Dot(line.dir, P(a) - line.o);
        const double y = Dot(line.dir, P(b) - line.o);
        return x <= y ? Interval{x, y, a, b} : Interval{y, x, b, a};
    }

    double DistanceToLine(const Line& line, Vec3 x) const {
        const Vec3 off = x - line.o;
        return Length(off - line.dir * Dot(off, line.dir));
    }

    bool OnSpans(const Line& line, int32_t plane, double at, double margin) const {
        for (const auto& [p, i] : line.spans) {
            if (p == plane && at >= i.from - margin && at <= i.to + margin) return true;
        }
        return false;
    }

    // Each plane's triangle edges: on one of its lines they become part of
    // that line; the others are cut on their own.
    void TakeEdges() {
        for (size_t p = 0; p < planes_.size(); ++p) {
            Plane& plane = planes_[p];
            std::vector<uint64_t> seen;
            for (const int32_t t : plane.triangles) {
                const auto& v = soup_[static_cast<size_t>(t)].v;
                for (int i = 0; i < 3; ++i) {
                    const int32_t a = v[static_cast<size_t>(i)];
                    const int32_t b = v[static_cast<size_t>((i + 1) % 3)];
                    const uint64_t key = EdgeKey(a, b);
                    if (std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
                    seen.push_back(key);
                    int32_t on = -1;
                    for (const int32_t l : plane.lines) {
                        const Line& line = lines_[static_cast<size_t>(l)];
                        if (DistanceToLine(line, P(a)) <= tol_ && DistanceToLine(line, P(b)) <= tol_) {
                            on = l;
                            break;
                        }
                    }
                    if (on >= 0) {
                        Line& line = lines_[static_cast<size_t>(on)];
                        line.spans.emplace_back(static_cast<int32_t>(p), Along(line, a, b));
                        line.points.insert(line.points.end(), {a, b});
                        continue;
                    }
                    auto [it, fresh] = edgeIndex_.try_emplace(key, static_cast<int32_t>(edges_.size()));
                    if (fresh) {
                        Edge edge;
                        edge.a = std::min(a, b);
                        edge.b = std::max(a, b);
                        edge.points = {edge.a, edge.b};
                        edges_.push_back(edge);
                    }
                    plane.edges.push_back(it->second);
                }
            }
        }
    }

    struct Segment2 {
        double x0, y0, x1, y1;
        double lox, hix, loy, hiy;
        int32_t line = -1;  // or
        int32_t edge = -1;
        Interval span;      // of a line, in its places
    };

    // Crossings of the plane's lines and edges with each other, and the
    // plane's corners lying on them; each put on both carriers.
    bool FindCrossings(int32_t p, std::string& why) {
        const Plane& plane = planes_[static_cast<size_t>(p)];
        const auto flat = [&](Vec3 x) { return std::array<double, 2>{Dot(plane.u, x), Dot(plane.v, x)}; };
        std::vector<Segment2> segments;
        const auto add = [&](Vec3 a, Vec3 b, int32_t line, int32_t edge, Interval span) {
            const auto fa = flat(a);
            const auto fb = flat(b);
            Segment2 s{fa[0], fa[1], fb[0], fb[1], std::min(fa[0], fb[0]) - tol_, std::max(fa[0], fb[0]) + tol_,
                       std::min(fa[1], fb[1]) - tol_, std::max(fa[1], fb[1]) + tol_, line, edge, span};
            segments.push_back(s);
        };
        for (const int32_t l : plane.lines) {
            const Line& line = lines_[static_cast<size_t>(l)];
            std::vector<Interval> mine;
            for (const auto& [q, i] : line.spans) {
                if (q == p) mine.push_back(i);
            }
            for (const Interval& i : Union(mine, tol_)) add(P(i.first), P(i.last), l, -1, i);
        }
        for (const int32_t e : plane.edges) {
            add(P(edges_[static_cast<size_t>(e)].a), P(edges_[static_cast<size_t>(e)].b), -1, e, {});
        }
        // The plane's corners on its lines and edges, where they are not ends.
        for (const int32_t c : plane.vertices) {
            const auto fc = flat(P(c));
            for (const Segment2& s : segments) {
                if (fc[0] < s.lox || fc[0] > s.hix || fc[1] < s.loy || fc[1] > s.hiy) continue;
                if (s.line >= 0) {
                    Line& line = lines_[static_cast<size_t>(s.line)];
                    const double at = Dot(line.dir, P(c) - line.o);
                    if (DistanceToLine(line, P(c)) <= tol_ && at >= s.span.from - tol_ && at <= s.span.to + tol_) {
                        line.points.push_back(c);
                    }
                } else {
                    Edge& edge = edges_[static_cast<size_t>(s.edge)];
                    if (c == edge.a || c == edge.b) continue;
                    const Vec3 ab = P(edge.b) - P(edge.a);
                    const double t = Dot(P(c) - P(edge.a), ab) / Dot(ab, ab);
                    if (t <= 0.0 || t >= 1.0) continue;
                    if (Length(P(edge.a) + ab * t - P(c)) <= tol_) edge.points.push_back(c);
                }
            }
        }
        std::sort(segments.begin(), segments.end(), [](const Segment2& a, const Segment2& b) { return a.lox < b.lox; });
        for (size_t i = 0; i < segments.size(); ++i) {
            const Segment2& s = segments[i];
            for (size_t j = i + 1; j < segments.size() && segments[j].lox <= s.hix; ++j) {
                const Segment2& r = segments[j];
                if (r.loy > s.hiy || s.loy > r.hiy) continue;
                if (s.line >= 0 && r.line >= 0) {
                    if (s.line == r.line) continue;
                    if (!LineLine(p, s, r, why)) return false;
                } else if (s.line >= 0 || r.line >= 0) {
                    if (!LineEdge(p, s.line >= 0 ? s : r, s.line >= 0 ? r : s, why)) return false;
                } else {
                    if (!EdgeEdge(plane, s.edge, r.edge, why)) return false;
                }
            }
        }
        return true;
    }

    int32_t OtherPlane(const Line& line, int32_t p) const {
        int32_t best = -1;
        for (const int32_t q : line.planes) {
            if (q != p && (best < 0 || q < best)) best = q;
        }
        return best;
    }

    bool LineLine(int32_t p, const Segment2& s, const Segment2& r, std::string& why) {
        Line& a = lines_[static_cast<size_t>(s.line)];
        Line& b = lines_[static_cast<size_t>(r.line)];
        if (Length(Cross(a.dir, b.dir)) < 1e-9) return true;  // parallel, apart
        const int32_t qa = OtherPlane(a, p);
        const int32_t qb = OtherPlane(b, p);
        if (qa < 0 || qb < 0 || qa == qb) return Fail(why, "two lines of one plane pair");
        const Plane& pa = planes_[static_cast<size_t>(qa)];
        const Plane& pb = planes_[static_cast<size_t>(qb)];
        if (std::abs(Dot(planes_[static_cast<size_t>(p)].n, Cross(pa.n, pb.n))) < 1e-6) {
            return Fail(why, "three planes nearly through one line");
        }
        const int32_t x = PlanesCrossing(p, qa, qb);
        const double atA = Dot(a.dir, P(x) - a.o);
        const double atB = Dot(b.dir, P(x) - b.o);
        if (atA < s.span.from - tol_ || atA > s.span.to + tol_ || atB < r.span.from - tol_ || atB > r.span.to + tol_) {
            return true;
        }
        a.points.push_back(x);
        b.points.push_back(x);
        return true;
    }

    bool LineEdge(int32_t p, const Segment2& s, const Segment2& r, std::string& why) {
        Line& line = lines_[static_cast<size_t>(s.line)];
        Edge& edge = edges_[static_cast<size_t>(r.edge)];
        const int32_t q = OtherPlane(line, p);
        if (q < 0) return Fail(why, "a line of one plane");
        const Plane& other = planes_[static_cast<size_t>(q)];
        const double da = Dist(edge.a, other);
        const double db = Dist(edge.b, other);
        const int sa = Sign(da);
        const int sb = Sign(db);
        int32_t x = -1;
        if (sa == 0 && sb == 0) return Fail(why, "an edge along a line it is not part of");
        if (sa == 0) {
            x = edge.a;
        } else if (sb == 0) {
            x = edge.b;
        } else if (sa != sb) {
            x = EdgeCrossing(edge.a, edge.b, q);
        } else {
            return true;
        }
        const double at = Dot(line.dir, P(x) - line.o);
        if (at < s.span.from - tol_ || at > s.span.to + tol_) return true;
        if (DistanceToLine(line, P(x)) > 4 * tol_) return Fail(why, "a crossing off its line");
        line.points.push_back(x);
        if (x != edge.a && x != edge.b) edge.points.push_back(x);
        return true;
    }

    bool EdgeEdge(const Plane& plane, int32_t e1, int32_t e2, std::string& why) {
        Edge& a = edges_[static_cast<size_t>(e1)];
        Edge& b = edges_[static_cast<size_t>(e2)];
        const auto flat = [&](int32_t i) { return std::array<double, 2>{Dot(plane.u, P(i)), Dot(plane.v, P(i))}; };
        // Signed distances of one edge's ends from the other's line, in the plane.
        const auto sides = [&](const Edge& of, const Edge& to, double& s0, double& s1) {
            const auto p = flat(to.a);
            const auto q = flat(to.b);
            const double dx = q[0] - p[0], dy = q[1] - p[1];
            const double len = std::hypot(dx, dy);
            const auto x = flat(of.a);
            const auto y = flat(of.b);
            s0 = ((x[0] - p[0]) * dy - (x[1] - p[1]) * dx) / len;
            s1 = ((y[0] - p[0]) * dy - (y[1] - p[1]) * dx) / len;
        };
        double a0, a1, b0, b1;
        sides(a, b, a0, a1);
        sides(b, a, b0, b1);
        const bool shared = a.a == b.a || a.a == b.b || a.b == b.a || a.b == b.b;
        if (Sign(a0) == 0 && Sign(a1) == 0) {
            // Collinear: overlapping is more than this cut handles.
            const Vec3 d = P(b.b) - P(b.a);
            const double len2 = Dot(d, d);
            const double ta = Dot(P(a.a) - P(b.a), d) / len2;
            const double tb = Dot(P(a.b) - P(b.a), d) / len2;
            const double margin = tol_ / std::sqrt(len2);
            if (std::max(ta, tb) > margin && std::min(ta, tb) < 1.0 - margin) return Fail(why, "edges overlap");
            return true;
        }
        if (shared) return true;
        const int s0 = Sign(a0), s1 = Sign(a1), t0 = Sign(b0), t1 = Sign(b1);
        if (s0 * s1 > 0 || t0 * t1 > 0) return true;
        if (s0 == 0 || s1 == 0 || t0 == 0 || t1 == 0) return true;  // an end on the other: the corners' pass put it there
        const double t = b0 / (b0 - b1);  // along a
        const std::array<int32_t, 3> key{std::min(e1, e2), std::max(e1, e2), -1};
        int32_t x;
        const auto it = edgeCrossings_.find(key);
        if (it != edgeCrossings_.end()) {
            x = it->second;
        } else {
            x = static_cast<int32_t>(points_.size());
            points_.push_back(P(a.a) + (P(a.b) - P(a.a)) * t);
            edgeCrossings_.emplace(key, x);
        }
        a.points.push_back(x);
        b.points.push_back(x);
        return true;
    }

    // Points closer than the tolerance become one, the first of them (the
    // caller's points come first, so they keep their own coordinates).
    void Weld() { rep_ = FirstOfClosePoints(points_, tol_); }

    // Every point of a plane's cut that lies on one of its carriers, welded
    // points included: three carriers through one point find it in pairs, and
    // the pairs' points, made one, need not all have been put on the third.
    void PutPointsOnCarriers(int32_t p) {
        Plane& plane = planes_[static_cast<size_t>(p)];
        std::vector<int32_t> mine;
        for (const int32_t c : plane.vertices) mine.push_back(rep_[static_cast<size_t>(c)]);
        for (int32_t& c : plane.touches) {
            c = rep_[static_cast<size_t>(c)];
            mine.push_back(c);
        }
        for (const int32_t l : plane.lines) {
            for (const int32_t x : lines_[static_cast<size_t>(l)].points) mine.push_back(rep_[static_cast<size_t>(x)]);
        }
        for (const int32_t e : plane.edges) {
            for (const int32_t x : edges_[static_cast<size_t>(e)].points) mine.push_back(rep_[static_cast<size_t>(x)]);
        }
        std::sort(mine.begin(), mine.end());
        mine.erase(std::unique(mine.begin(), mine.end()), mine.end());
        for (const int32_t l : plane.lines) {
            Line& line = lines_[static_cast<size_t>(l)];
            double from = 1e300, to = -1e300;
            for (const auto& [q, i] : line.spans) {
                if (q != p) continue;
                from = std::min(from, i.from);
                to = std::max(to, i.to);
            }
            for (const int32_t x : mine) {
                const double at = Dot(line.dir, P(x) - line.o);
                if (at < from - tol_ || at > to + tol_ || DistanceToLine(line, P(x)) > tol_) continue;
                line.points.push_back(x);
            }
        }
        for (const int32_t e : plane.edges) {
            Edge& edge = edges_[static_cast<size_t>(e)];
            const Vec3 a = P(edge.a);
            const Vec3 ab = P(edge.b) - a;
            const double len2 = Dot(ab, ab);
            for (const int32_t x : mine) {
                const double t = Dot(P(x) - a, ab) / len2;
                if (t <= 0.0 || t >= 1.0 || Length(a + ab * t - P(x)) > tol_) continue;
                edge.points.push_back(x);
            }
        }
    }

    // A carrier's points, welded, in order along it; false when a point comes twice apart.
    bool Order(std::vector<int32_t>& list, Vec3 o, Vec3 dir) {
        std::vector<OnCarrier> on;
        on.reserve(list.size());
        for (const int32_t x : list) {
            const int32_t r = rep_[static_cast<size_t>(x)];
            on.push_back({Dot(dir, P(r) - o), r});
        }
        std::sort(on.begin(), on.end(), [](const OnCarrier& a, const OnCarrier& b) {
            return a.at < b.at || (a.at == b.at && a.point < b.point);
        });
        list.clear();
        for (const OnCarrier& x : on) {
            if (!list.empty() && list.back() == x.point) continue;
            list.push_back(x.point);
        }
        std::vector<int32_t> sorted = list;
        std::sort(sorted.begin(), sorted.end());
        return std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end();
    }

    bool OrderCarriers(std::string& why) {
        for (Line& line : lines_) {
            if (!Order(line.points, line.o, line.dir)) return Fail(why, "points out of order along a line");
        }
        for (Edge& edge : edges_) {
            if (!Order(edge.points, P(edge.a), P(edge.b) - P(edge.a))) return Fail(why, "points out of order along an edge");
        }
        return true;
    }

    bool Triangulate(int32_t p, PlanePieces& out, std::string& why) {
        const Plane& plane = planes_[static_cast<size_t>(p)];
        std::vector<std::pair<int32_t, int32_t>> constraints;
        for (const int32_t l : plane.lines) {
            const Line& line = lines_[static_cast<size_t>(l)];
            std::vector<Interval> mine;
            for (const auto& [q, i] : line.spans) {
                if (q == p) mine.push_back(i);
            }
            mine = Union(mine, tol_);
            for (size_t i = 0; i + 1 < line.points.size(); ++i) {
                const int32_t a = line.points[i];
                const int32_t b = line.points[i + 1];
                const double mid = 0.5 * (Dot(line.dir, P(a) - line.o) + Dot(line.dir, P(b) - line.o));
                for (const Interval& x : mine) {
                    if (mid > x.from && mid < x.to) {
                        constraints.emplace_back(a, b);
                        break;
                    }
                }
            }
        }
        for (const int32_t e : plane.edges) {
            const Edge& edge = edges_[static_cast<size_t>(e)];
            for (size_t i = 0; i + 1 < edge.points.size(); ++i) constraints.emplace_back(edge.points[i], edge.points[i + 1]);
        }
        Cdt cdt;
        if (vertexOf_.size() < points_.size()) {
            vertexOf_.resize(points_.size());
            stamp_.resize(points_.size(), -1);
        }
        const auto insert = [&](int32_t point) {
            const auto at = static_cast<size_t>(point);
            if (stamp_[at] == p) return vertexOf_[at];
            const Vec3 x = P(point);
            const size_t before = cdt.number_of_vertices();
            Cdt::Vertex_handle h = cdt.insert(K::Point_2(Dot(plane.u, x), Dot(plane.v, x)));
            if (cdt.number_of_vertices() == before) return Cdt::Vertex_handle();  // another point's place
            h->info() = point;
            stamp_[at] = p;
            vertexOf_[at] = h;
            return h;
        };
        for (const int32_t c : plane.vertices) {
            if (insert(rep_[static_cast<size_t>(c)]) == Cdt::Vertex_handle()) return Fail(why, "two points at one place");
        }
        for (const int32_t c : plane.touches) {
            if (insert(c) == Cdt::Vertex_handle()) return Fail(why, "two points at one place");
        }
        try {
            for (const auto& [a, b] : constraints) {
                const Cdt::Vertex_handle ha = insert(a);
                const Cdt::Vertex_handle hb = insert(b);
                if (ha == Cdt::Vertex_handle() || hb == Cdt::Vertex_handle()) return Fail(why, "two points at one place");
                if (ha != hb) cdt.insert_constraint(ha, hb);
            }
        } catch (const std::exception&) {
            return Fail(why, "cuts in one plane cross");
        }
        // Where each point lies along the plane's carriers.
        struct Place {
            int32_t point;
            int at;
            const std::vector<int32_t>* list;
            bool operator<(const Place& o) const { return point < o.point; }
        };
        std::vector<Place> places;
        const auto place = [&](const std::vector<int32_t>& list) {
            for (size_t i = 0; i < list.size(); ++i) places.push_back({list[i], static_cast<int>(i), &list});
        };
        const auto placesOf = [&](int32_t point) {
            return std::equal_range(places.begin(), places.end(), Place{point, 0, nullptr});
        };
        for (const int32_t l : plane.lines) place(lines_[static_cast<size_t>(l)].points);
        for (const int32_t e : plane.edges) place(edges_[static_cast<size_t>(e)].points);
        std::sort(places.begin(), places.end());
        // The plane's triangles, flat.
        std::vector<std::array<K::Point_2, 3>> flatTris;
        flatTris.reserve(plane.triangles.size());
        for (const int32_t t : plane.triangles) {
            std::array<K::Point_2, 3> f;
            for (int i = 0; i < 3; ++i) {
                const Vec3 x = P(soup_[static_cast<size_t>(t)].v[static_cast<size_t>(i)]);
                f[static_cast<size_t>(i)] = K::Point_2(Dot(plane.u, x), Dot(plane.v, x));
            }
            flatTris.push_back(f);
        }
        for (auto f = cdt.finite_faces_begin(); f != cdt.finite_faces_end(); ++f) {
            std::array<int32_t, 3> corners{};
            for (int i = 0; i < 3; ++i) corners[static_cast<size_t>(i)] = f->vertex(i)->info();
            const K::Point_2 c = CGAL::centroid(f->vertex(0)->point(), f->vertex(1)->point(), f->vertex(2)->point());
            int32_t owner = -1;
            for (size_t k = 0; k < flatTris.size() && owner < 0; ++k) {
                const auto& g = flatTris[k];
                const CGAL::Orientation o0 = CGAL::orientation(g[0], g[1], c);
                const CGAL::Orientation o1 = CGAL::orientation(g[1], g[2], c);
                const CGAL::Orientation o2 = CGAL::orientation(g[2], g[0], c);
                if (o0 != CGAL::COLLINEAR && o0 == o1 && o1 == o2) owner = plane.triangles[k];
            }
            if (owner < 0) continue;
            const int32_t face = soup_[static_cast<size_t>(owner)].face;
            const auto emit = [&](int32_t a, int32_t b, int32_t c) {
                out.triangles.push_back({a, b, c});
                out.face.push_back(face);
                out.plane.push_back(p);
            };
            // A side that passes over points of its carrier (they lie a hair
            // off its straight line in this plane's doubles) is split at them.
            std::array<std::vector<int32_t>, 3> between;
            bool sliver = false;
            int split = 0;
            for (int i = 0; i < 3 && !sliver; ++i) {
                const int32_t a = corners[static_cast<size_t>(i)];
                const int32_t b = corners[static_cast<size_t>((i + 1) % 3)];
                const int32_t c = corners[static_cast<size_t>((i + 2) % 3)];
                const auto [a0, a1] = placesOf(a);
                const auto [b0, b1] = placesOf(b);
                for (auto pa = a0; pa != a1; ++pa) {
                    for (auto pb = b0; pb != b1; ++pb) {
                        const int at = pa->at;
                        const int bt = pb->at;
                        if (pa->list != pb->list || std::abs(at - bt) <= 1) continue;
                        const std::vector<int32_t>& list = *pa->list;
                        if (std::find(list.begin(), list.end(), c) != list.end()) sliver = true;
                        auto& mid = between[static_cast<size_t>(i)];
                        if (mid.empty()) {
                            const int step = bt > at ? 1 : -1;
                            for (int k = at + step; k != bt; k += step) mid.push_back(list[static_cast<size_t>(k)]);
                            ++split;
                        }
                    }
                }
            }
            if (sliver) continue;  // three points of one line: no area
            if (split == 0) {
                emit(corners[0], corners[1], corners[2]);
            } else if (split == 1) {
                int i = 0;
                while (between[static_cast<size_t>(i)].empty()) ++i;
                const int32_t a = corners[static_cast<size_t>(i)];
                const int32_t b = corners[static_cast<size_t>((i + 1) % 3)];
                const int32_t c = corners[static_cast<size_t>((i + 2) % 3)];
                int32_t from = a;
                for (const int32_t m : between[static_cast<size_t>(i)]) {
                    emit(from, m, c);
                    from = m;
                }
                emit(from, b, c);
            } else {
                // Several sides: a fan from a point of its own in the middle.
                const auto centre = static_cast<int32_t>(points_.size());
                points_.push_back((P(corners[0]) + P(corners[1]) + P(corners[2])) / 3.0);
                for (int i = 0; i < 3; ++i) {
                    int32_t from = corners[static_cast<size_t>(i)];
                    for (const int32_t m : between[static_cast<size_t>(i)]) {
                        emit(from, m, centre);
                        from = m;
                    }
                    emit(from, corners[static_cast<size_t>((i + 1) % 3)], centre);
                }
            }
        }
        return true;
    }

    const std::vector<SoupTriangle>& soup_;
    const double tol_;
    const OuterOptions& options_;
    std::vector<Vec3> points_;  // the caller's, then the crossings
    std::vector<int32_t> rep_;  // the point each is welded to
    std::vector<Cdt::Vertex_handle> vertexOf_;  // by point, in the plane of stamp_
    std::vector<int32_t> stamp_;
    std::vector<Plane> planes_;
    std::vector<Line> lines_;
    std::vector<Edge> edges_;
    std::unordered_map<uint64_t, int32_t> edgeIndex_;
    std::unordered_map<std::array<int32_t, 3>, int32_t, Key3Hash> edgeCrossings_;
    std::unordered_map<std::array<int32_t, 3>, int32_t, Key3Hash> planeCrossings_;
};

}  // namespace

bool CutAlongPlanes(const std::vector<Vec3>& points, const std::vector<SoupTriangle>& triangles, double tolerance,
                    const OuterOptions& options, PlanePieces& out, std::string& why) {
    out = {};
    Cutter cutter(points, triangles, tolerance, options);
    return cutter.Run(out, why);
}

}  // namespace gyro::outer
