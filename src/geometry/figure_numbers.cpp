#include "geometry/figure_numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <numbers>
#include <numeric>
#include <span>
#include <unordered_map>

#include "catalog/related_figures.h"
#include "geometry/point_index.h"
#include "geometry/value_sort.h"
#include "model/face_access.h"
#include "model/huge_pages.h"

namespace gyro {

namespace {

constexpr double kPi = std::numbers::pi;
// Positions and lengths closer than this share of the figure's size are one.
constexpr double kRelativeTolerance = 1e-7;
// Angles closer than this (degrees) are one value.
constexpr double kAngleTolerance = 1e-6;

// One polygon of a face, with corners merged to distinct positions.
struct Polygon {
    int32_t face = 0;
    std::span<const int32_t> corners;  // in Topology::cornerList
    Vec3 normal;   // unit; follows the winding where the winding gives one
    Vec3 centre;   // mean of the corners
    double signedArea = 0.0;  // along `normal`, each region counted as often as the boundary winds round it
    FaceKind kind;
};

// One side of an edge: a polygon walks it from a to b (forward: a < b).
struct Side {
    int32_t polygon = 0;
    bool forward = true;
};

struct Topology {
    Topology() = default;
    Topology(const Topology&) = delete;  // the polygons point into cornerList
    Topology(Topology&&) = default;
    std::vector<Vec3> points;
    std::vector<Polygon> polygons;
    std::vector<int32_t> cornerList;  // the corners of all polygons, polygon by polygon
    std::vector<std::array<int32_t, 2>> edges;
    std::vector<Side> sideList;                            // the sides of all edges, edge by edge
    std::vector<std::pair<uint32_t, uint32_t>> edgeSides;  // per edge: first side in `sideList`, count
    std::span<const Side> SidesOf(size_t e) const {
        return {sideList.data() + edgeSides[e].first, edgeSides[e].second};
    }
    std::vector<std::array<int32_t, 2>> segments;  // the extra lines, as point pairs
};

// n copies of a value in a new array offered huge pages.
template <class T>
std::vector<T> LargeFilled(size_t n, T value) {
    std::vector<T> array;
    ReserveLarge(array, n);
    array.assign(n, value);
    return array;
}

// A copy of [first, last) in a new array offered huge pages.
template <class T>
std::vector<T> LargeCopy(const T* first, const T* last) {
    std::vector<T> array;
    ReserveLarge(array, static_cast<size_t>(last - first));
    array.assign(first, last);
    return array;
}

uint64_t EdgeKey(int32_t a, int32_t b) {
    const auto lo = static_cast<uint32_t>(std::min(a, b));
    const auto hi = static_cast<uint32_t>(std::max(a, b));
    return (static_cast<uint64_t>(lo) << 32) | hi;
}

Vec3 Normalised(Vec3 v) {
    const double l = Length(v);
    return l > 0.0 ? v / l : v;
}

// The polygon's plane normal even when its signed area vanishes (a crossed
// quadrilateral): the corner cross products turned to one side and summed.
Vec3 PlaneNormal(const std::vector<Vec3>& p, Vec3 centre) {
    Vec3 sum;
    Vec3 first;
    for (size_t i = 0; i < p.size(); ++i) {
        Vec3 c = Cross(p[i] - centre, p[(i + 1) % p.size()] - centre);
        if (Length(first) == 0.0) {
            first = c;
        } else if (Dot(c, first) < 0.0) {
            c = -c;
        }
        sum = sum + c;
    }
    return Normalised(sum);
}

FaceKind ClassifyPolygon(const std::vector<Vec3>& p, Vec3 normal, double tolerance) {
    FaceKind kind;
    const auto n = static_cast<int32_t>(p.size());
    kind.corners = n;
    if (n < 3 || Length(normal) == 0.0) {
        kind.shape = FaceKind::Shape::Degenerate;
        return kind;
    }
    if (n == 3) {
        // A triangle that turns the same way at each corner, at none straight
        // on, turns once round: its three turns add up to a full turn.
        int positive = 0;
        int negative = 0;
        for (int32_t i = 0; i < 3; ++i) {
            const Vec3 e1 = p[static_cast<size_t>(i)] - p[static_cast<size_t>((i + 2) % 3)];
            const Vec3 e2 = p[static_cast<size_t>((i + 1) % 3)] - p[static_cast<size_t>(i)];
            const Vec3 cross = Cross(e1, e2);
            if (Length(cross) <= tolerance * (Length(e1) + Length(e2))) break;
            const double turn = Dot(normal, cross);
            positive += turn > 0.0;
            negative += turn < 0.0;
        }
        if (positive == 3 || negative == 3) {
            kind.shape = FaceKind::Shape::Convex;
            return kind;
        }
    }
    double total = 0.0;
    int positive = 0;
    int negative = 0;
    for (int32_t i = 0; i < n; ++i) {
        const Vec3 e1 = p[static_cast<size_t>(i)] - p[static_cast<size_t>((i + n - 1) % n)];
        const Vec3 e2 = p[static_cast<size_t>((i + 1) % n)] - p[static_cast<size_t>(i)];
        const double turn = std::atan2(Dot(normal, Cross(e1, e2)), Dot(e1, e2));
        total += turn;
        if (Length(Cross(e1, e2)) <= tolerance * (Length(e1) + Length(e2))) continue;  // straight on
        (turn > 0.0 ? positive : negative)++;
    }
    const auto winding = static_cast<int32_t>(std::lround(std::fabs(total) / (2.0 * kPi)));
    kind.winding = std::max(winding, 1);
    if (positive == 0 || negative == 0) {
        kind.shape = winding <= 1 ? FaceKind::Shape::Convex : FaceKind::Shape::Star;
        if (winding == 0) kind.shape = FaceKind::Shape::Degenerate;
    } else if (winding == 1) {
        kind.shape = FaceKind::Shape::Concave;
    } else if (n == 4 && winding == 0) {
        kind.shape = FaceKind::Shape::Crossed;
    } else {
        kind.shape = FaceKind::Shape::SelfIntersecting;
    }
    return kind;
}

Topology BuildTopology(const Solid& solid, double tolerance, FigureNumbers& out) {
    Topology t;
    PointIndex index(tolerance);
    index.Reserve(solid.vertices.size());  // at most one point per vertex
    std::vector<int32_t> merged;
    ReserveLarge(merged, solid.vertices.size());
    merged.assign(solid.vertices.size(), -1);
    RecentPoints recent(index);
    auto mergedOf = [&](int32_t v) {
        if (v < 0 || static_cast<size_t>(v) >= solid.vertices.size()) return -1;
        int32_t& m = merged[static_cast<size_t>(v)];
        if (m < 0) m = recent.Insert(solid.vertices[static_cast<size_t>(v)]);
        return m;
    };
    size_t polygons = 0;
    size_t corners = 0;
    for (const Face& face : solid.faces) {
        polygons += static_cast<size_t>(std::max(face.polygonCount, 0));
        corners += face.corners.size();
    }
    ReserveLarge(t.polygons, polygons);
    ReserveLarge(t.cornerList, corners);
    std::vector<std::pair<size_t, size_t>> starts;  // per polygon: first corner in the list, count
    ReserveLarge(starts, polygons);
    for (int32_t f = 0; f < solid.faceCount(); ++f) {
        const Face& face = solid.faces[static_cast<size_t>(f)];
        // Only whole polygons that the corner array really holds are read.
        const int32_t stored = StoredCorners(face);
        const int32_t count = face.polygonSize > 0 ? std::min(face.polygonCount, stored / face.polygonSize) : 0;
        if (count <= 0) {
            ++out.emptyFaceSlots;
            continue;
        }
        ++out.faces;
        for (int32_t k = 0; k < count; ++k) {
            Polygon polygon;
            polygon.face = out.faces - 1;
            const size_t first = t.cornerList.size();
            for (int32_t i = 0; i < face.polygonSize; ++i) {
                const int32_t m = mergedOf(face.corners[static_cast<size_t>(k * face.polygonSize + i)]);
                if (m < 0) continue;
                if (t.cornerList.size() > first && t.cornerList.back() == m) continue;
                t.cornerList.push_back(m);
            }
            while (t.cornerList.size() > first + 1 && t.cornerList[first] == t.cornerList.back()) {
                t.cornerList.pop_back();
            }
            starts.push_back({first, t.cornerList.size() - first});
            t.polygons.push_back(std::move(polygon));
        }
    }
    // The list is complete: the polygons may point into it now.
    for (size_t i = 0; i < t.polygons.size(); ++i) {
        t.polygons[i].corners = {t.cornerList.data() + starts[i].first, starts[i].second};
    }
    // The ends of the extra lines are vertices too (a figure may be lines only).
    for (const Segment& s : solid.segments) {
        const int32_t a = mergedOf(s.a);
        const int32_t b = mergedOf(s.b);
        if (a >= 0 && b >= 0 && a != b) t.segments.push_back({a, b});
    }
    t.points = index.TakePoints();

    // Every side of every polygon, in walking order; edges are numbered in the
    // order of their first side.
    struct Walk {
        uint64_t key;
        Side side;
    };
    std::vector<Walk> walks;
    ReserveLarge(walks, t.cornerList.size());
    std::vector<Vec3> p;
    for (size_t pi = 0; pi < t.polygons.size(); ++pi) {
        Polygon& polygon = t.polygons[pi];
        p.clear();
        for (const int32_t v : polygon.corners) p.push_back(t.points[static_cast<size_t>(v)]);
        Vec3 centre;
        for (const Vec3& v : p) centre = centre + v;
        if (!p.empty()) centre = centre / static_cast<double>(p.size());
        polygon.centre = centre;
        Vec3 newell;
        for (size_t i = 0; i < p.size(); ++i) newell = newell + Cross(p[i] - centre, p[(i + 1) % p.size()] - centre);
        polygon.normal = Length(newell) > tolerance * tolerance ? Normalised(newell) : PlaneNormal(p, centre);
        polygon.signedArea = Length(newell) / 2.0;
        polygon.kind = ClassifyPolygon(p, polygon.normal, tolerance);
        if (polygon.corners.size() < 2) continue;
        for (size_t i = 0; i < polygon.corners.size(); ++i) {
            const int32_t a = polygon.corners[i];
            const int32_t b = polygon.corners[(i + 1) % polygon.corners.size()];
            walks.push_back({EdgeKey(a, b), {static_cast<int32_t>(pi), a < b}});
        }
    }
    // The walks in the order of (edge key, walk): counted out by their lower
    // end, then each lower end's few walks put in order of the upper end,
    // keeping the walk order among equals.
    std::vector<uint32_t> bucket = LargeFilled<uint32_t>(t.points.size() + 1, 0);
    for (const Walk& w : walks) ++bucket[static_cast<size_t>(w.key >> 32) + 1];
    for (size_t v = 0; v + 1 < bucket.size(); ++v) bucket[v + 1] += bucket[v];
    std::vector<uint32_t> sorted;  // indices into `walks`
    ReserveLarge(sorted, walks.size());
    sorted.resize(walks.size());
    {
        std::vector<uint32_t> fill = LargeCopy(bucket.data(), bucket.data() + bucket.size() - 1);
        for (size_t i = 0; i < walks.size(); ++i) sorted[fill[static_cast<size_t>(walks[i].key >> 32)]++] = static_cast<uint32_t>(i);
    }
    const auto before = [&](uint32_t x, uint32_t y) { return walks[x].key < walks[y].key || (walks[x].key == walks[y].key && x < y); };
    for (size_t v = 0; v + 1 < bucket.size(); ++v) {
        const size_t lo = bucket[v];
        const size_t hi = bucket[v + 1];
        if (hi - lo > 32) {
            std::sort(sorted.begin() + static_cast<std::ptrdiff_t>(lo), sorted.begin() + static_cast<std::ptrdiff_t>(hi), before);
            continue;
        }
        for (size_t i = lo + 1; i < hi; ++i) {  // insertion: stable, and the walks are already in order
            const uint32_t w = sorted[i];
            size_t k = i;
            for (; k > lo && walks[sorted[k - 1]].key > walks[w].key; --k) sorted[k] = sorted[k - 1];
            sorted[k] = w;
        }
    }
    // Edges are numbered in the order of their first walk: the first of each
    // run of one key is its earliest walk.
    constexpr uint32_t kNoRun = UINT32_MAX;
    std::vector<uint32_t> runStartOf;  // per walk: where its run starts in `sorted`, if it is the run's first
    ReserveLarge(runStartOf, walks.size());
    runStartOf.assign(walks.size(), kNoRun);
    size_t runCount = 0;
    for (size_t i = 0; i < sorted.size(); ++i) {
        if (i == 0 || walks[sorted[i]].key != walks[sorted[i - 1]].key) {
            runStartOf[sorted[i]] = static_cast<uint32_t>(i);
            ++runCount;
        }
    }
    ReserveLarge(t.edges, runCount);
    ReserveLarge(t.edgeSides, runCount);
    ReserveLarge(t.sideList, walks.size());
    for (const uint32_t w : sorted) t.sideList.push_back(walks[w].side);
    for (const uint32_t start : runStartOf) {
        if (start == kNoRun) continue;
        const uint64_t key = walks[sorted[start]].key;
        t.edges.push_back({static_cast<int32_t>(key >> 32), static_cast<int32_t>(key & 0xffffffffu)});
        size_t end = start;
        while (end < sorted.size() && walks[sorted[end]].key == key) ++end;
        t.edgeSides.push_back({start, static_cast<uint32_t>(end - start)});
    }
    return t;
}

// Faces by kind. A compound face of p polygons {n/k} is {pn/pk}.
void CountFaceKinds(const Solid& solid, const Topology& t, FigureNumbers& out) {
    std::vector<CountedKind> kinds;
    size_t pi = 0;
    for (int32_t f = 0; f < out.faces; ++f) {
        if (pi >= t.polygons.size()) break;
        FaceKind kind = t.polygons[pi].kind;
        size_t polygons = 0;
        while (pi < t.polygons.size() && t.polygons[pi].face == f) {
            ++pi;
            ++polygons;
        }
        kind.polygons = static_cast<int32_t>(polygons);
        auto it = std::find_if(kinds.begin(), kinds.end(), [&](const CountedKind& c) { return c.kind == kind; });
        if (it == kinds.end()) {
            kinds.push_back({kind, 1});
        } else {
            ++it->count;
        }
    }
    (void)solid;
    std::sort(kinds.begin(), kinds.end(), [](const CountedKind& a, const CountedKind& b) {
        const auto key = [](const FaceKind& k) {
            return std::tuple(k.corners * k.polygons, k.winding * k.polygons, static_cast<int>(k.shape));
        };
        return key(a.kind) < key(b.kind);
    });
    out.faceKinds = std::move(kinds);
}

// The sides' sort key inside a vertex configuration.
std::tuple<int32_t, int32_t, int> LabelKey(const FaceKind& k) {
    return {k.corners, k.winding, static_cast<int>(k.shape)};
}

std::string CanonicalCycle(const std::vector<const FaceKind*>& cycle) {
    const size_t n = cycle.size();
    std::vector<size_t> best;
    for (int dir = 0; dir < 2; ++dir) {
        for (size_t start = 0; start < n; ++start) {
            std::vector<size_t> seq(n);
            for (size_t i = 0; i < n; ++i) seq[i] = dir == 0 ? (start + i) % n : (start + n - i) % n;
            if (best.empty() || std::lexicographical_compare(seq.begin(), seq.end(), best.begin(), best.end(),
                                                             [&](size_t x, size_t y) {
                                                                 return LabelKey(*cycle[x]) < LabelKey(*cycle[y]);
                                                             })) {
                best = seq;
            }
        }
    }
    std::string text;
    for (const size_t i : best) {
        if (!text.empty()) text += '.';
        text += FaceKindLabel(*cycle[i]);
    }
    return text;
}

void VertexConfigurations(const Topology& t, FigureNumbers& out) {
    // Each occurrence of a vertex in a polygon joins its two neighbours in the
    // vertex figure.
    struct Link {
        int32_t a, b;
        const FaceKind* kind;
    };
    // All links, vertex by vertex: those of vertex v from linkStart[v] on.
    std::vector<uint32_t> linkStart = LargeFilled<uint32_t>(t.points.size() + 1, 0);
    for (const Polygon& p : t.polygons) {
        if (p.corners.size() < 3) continue;
        for (const int32_t v : p.corners) ++linkStart[static_cast<size_t>(v) + 1];
    }
    for (size_t v = 0; v < t.points.size(); ++v) linkStart[v + 1] += linkStart[v];
    std::vector<Link> allLinks;
    ReserveLarge(allLinks, linkStart.back());
    allLinks.resize(linkStart.back());
    std::vector<uint32_t> fill = LargeCopy(linkStart.data(), linkStart.data() + linkStart.size() - 1);
    for (const Polygon& p : t.polygons) {
        const size_t n = p.corners.size();
        if (n < 3) continue;
        for (size_t i = 0; i < n; ++i) {
            allLinks[fill[static_cast<size_t>(p.corners[i])]++] = {p.corners[(i + n - 1) % n], p.corners[(i + 1) % n], &p.kind};
        }
    }
    std::map<std::string, int32_t> counts;
    auto kindLess = [](const std::vector<FaceKind>& x, const std::vector<FaceKind>& y) {
        auto key = [](const FaceKind& k) { return std::tuple(k.corners, k.winding, k.polygons, static_cast<int>(k.shape)); };
        return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(),
                                            [&](const FaceKind& a, const FaceKind& b) { return key(a) < key(b); });
    };
    std::map<std::vector<FaceKind>, int32_t, decltype(kindLess)> walks(kindLess);
    bool manyFaces = false;
    // Per vertex: (neighbour, link) for both ends of every link, sorted, so the
    // links at one neighbour lie together.
    std::vector<std::pair<int32_t, uint32_t>> at;
    std::vector<bool> used;
    std::vector<const FaceKind*> order;
    std::vector<FaceKind> walk;  // the kinds of `order`, one vertex at a time
    for (size_t v = 0; v < t.points.size(); ++v) {
        const std::span<const Link> vertexLinks(allLinks.data() + linkStart[v], linkStart[v + 1] - linkStart[v]);
        if (vertexLinks.empty()) continue;
        at.clear();
        for (size_t i = 0; i < vertexLinks.size(); ++i) {
            at.push_back({vertexLinks[i].a, static_cast<uint32_t>(i)});
            at.push_back({vertexLinks[i].b, static_cast<uint32_t>(i)});
        }
        std::sort(at.begin(), at.end());
        bool cycle = true;
        for (size_t i = 0; i < at.size();) {
            size_t j = i;
            while (j < at.size() && at[j].first == at[i].first) ++j;
            if (j - i > 2) manyFaces = true;
            if (j - i != 2) cycle = false;
            i = j;
        }
        order.clear();
        if (cycle) {
            // Walk the links from the first; one cycle uses every link.
            size_t link = 0;
            int32_t node = vertexLinks[0].b;
            used.assign(vertexLinks.size(), false);
            while (!used[link]) {
                used[link] = true;
                order.push_back(vertexLinks[link].kind);
                // Every neighbour has exactly two links here: the pair at `node`.
                const auto pair = std::lower_bound(at.begin(), at.end(), std::pair<int32_t, uint32_t>{node, 0u});
                const size_t next = pair->second == link ? (pair + 1)->second : pair->second;
                node = vertexLinks[next].a == node ? vertexLinks[next].b : vertexLinks[next].a;
                link = next;
            }
            cycle = order.size() == vertexLinks.size();
        }
        if (!cycle) {
            ++out.verticesNotOneCycle;
            continue;
        }
        // Cycles are written out once per distinct walk, not once per vertex.
        walk.clear();
        for (const FaceKind* kind : order) walk.push_back(*kind);
        if (const auto known = walks.find(walk); known != walks.end()) {
            ++known->second;
        } else {
            walks.emplace(walk, 1);
        }
    }
    for (const auto& [walk, count] : walks) {
        std::vector<const FaceKind*> cycle;
        for (const FaceKind& kind : walk) cycle.push_back(&kind);
        counts[CanonicalCycle(cycle)] += count;
    }
    for (const auto& [text, count] : counts) out.vertexConfigurations.push_back({text, count});
    std::sort(out.vertexConfigurations.begin(), out.vertexConfigurations.end(),
              [](const CountedText& a, const CountedText& b) { return a.count > b.count || (a.count == b.count && a.text < b.text); });
    if (out.verticesNotOneCycle > 0) out.vertexConfigurationNote = manyFaces ? Omission::EdgeInManyFaces : Omission::VertexNotOneCycle;
}

// Signs per face that make every shared edge run both ways; empty when the
// surface cannot be oriented. Also counts the pieces.
std::vector<int> OrientFaces(const Topology& t, int32_t faces, bool& orientable, int32_t& pieces) {
    // Neighbours of each face as one array with a start per face:
    // (face, same direction), in the order the edges list them.
    std::vector<uint32_t> first = LargeFilled<uint32_t>(static_cast<size_t>(faces) + 1, 0);
    auto eachPair = [&](auto&& visit) {
        for (size_t e = 0; e < t.edges.size(); ++e) {
            const std::span<const Side> sides = t.SidesOf(e);
            for (size_t i = 0; i + 1 < sides.size(); ++i) {
                for (size_t j = i + 1; j < sides.size(); ++j) {
                    const int32_t f1 = t.polygons[static_cast<size_t>(sides[i].polygon)].face;
                    const int32_t f2 = t.polygons[static_cast<size_t>(sides[j].polygon)].face;
                    // Two sides that walk the edge the same way need opposite signs.
                    visit(f1, f2, sides[i].forward == sides[j].forward);
                }
            }
        }
    };
    eachPair([&](int32_t f1, int32_t f2, bool) {
        ++first[static_cast<size_t>(f1) + 1];
        ++first[static_cast<size_t>(f2) + 1];
    });
    for (size_t f = 0; f < static_cast<size_t>(faces); ++f) first[f + 1] += first[f];
    std::vector<std::pair<int32_t, bool>> links;
    ReserveLarge(links, first.back());
    links.resize(first.back());
    std::vector<uint32_t> fill = LargeCopy(first.data(), first.data() + first.size() - 1);
    eachPair([&](int32_t f1, int32_t f2, bool same) {
        links[fill[static_cast<size_t>(f1)]++] = {f2, same};
        links[fill[static_cast<size_t>(f2)]++] = {f1, same};
    });
    std::vector<int> sign = LargeFilled<int>(static_cast<size_t>(faces), 0);
    orientable = true;
    pieces = 0;
    std::vector<int32_t> stack;
    for (int32_t start = 0; start < faces; ++start) {
        if (sign[static_cast<size_t>(start)] != 0) continue;
        ++pieces;
        sign[static_cast<size_t>(start)] = 1;
        stack.push_back(start);
        while (!stack.empty()) {
            const int32_t f = stack.back();
            stack.pop_back();
            for (uint32_t l = first[static_cast<size_t>(f)]; l < first[static_cast<size_t>(f) + 1]; ++l) {
                const auto [g, same] = links[l];
                const int want = same ? -sign[static_cast<size_t>(f)] : sign[static_cast<size_t>(f)];
                if (sign[static_cast<size_t>(g)] == 0) {
                    sign[static_cast<size_t>(g)] = want;
                    stack.push_back(g);
                } else if (sign[static_cast<size_t>(g)] != want) {
                    orientable = false;
                }
            }
        }
    }
    return sign;
}

// Solid angle of the triangle a, b, c seen from the origin, signed by its winding.
double SolidAngle(Vec3 a, Vec3 b, Vec3 c) {
    const double la = Length(a), lb = Length(b), lc = Length(c);
    const double numerator = Dot(a, Cross(b, c));
    const double denominator = la * lb * lc + Dot(a, b) * lc + Dot(a, c) * lb + Dot(b, c) * la;
    return 2.0 * std::atan2(numerator, denominator);
}

Radius RadiusOf(const std::vector<double>& values, double tolerance) {
    Radius r;
    if (values.empty()) return r;
    const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    r.min = *lo;
    r.max = *hi;
    r.onSphere = r.max - r.min <= tolerance;
    if (r.onSphere) r.min = r.max = std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
    return r;
}

// The point equidistant from the points (least squares), if the system is solvable.
std::optional<Vec3> SphereCentre(const std::vector<Vec3>& p) {
    if (p.size() < 4) return std::nullopt;
    // |x|² = 2 c·x + k: normal equations of the unknowns (c, k).
    double m[4][5] = {};
    for (const Vec3& v : p) {
        const double row[4] = {2 * v.x, 2 * v.y, 2 * v.z, 1.0};
        const double rhs = Dot(v, v);
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < 4; ++j) m[i][j] += row[i] * row[j];
            m[i][4] += row[i] * rhs;
        }
    }
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 4; ++r) {
            if (std::fabs(m[r][col]) > std::fabs(m[pivot][col])) pivot = r;
        }
        if (std::fabs(m[pivot][col]) < 1e-300) return std::nullopt;
        std::swap(m[col], m[pivot]);
        for (int r = 0; r < 4; ++r) {
            if (r == col) continue;
            const double f = m[r][col] / m[col][col];
            for (int j = col; j < 5; ++j) m[r][j] -= f * m[col][j];
        }
    }
    const Vec3 c{m[0][4] / m[0][0], m[1][4] / m[1][1], m[2][4] / m[2][2]};
    if (!std::isfinite(c.x) || !std::isfinite(c.y) || !std::isfinite(c.z)) return std::nullopt;
    return c;
}

std::vector<CountedValue> Cluster(std::vector<double> values, double tolerance) {
    SortValues(values);
    std::vector<CountedValue> out;
    double sum = 0.0;
    for (size_t i = 0; i < values.size(); ++i) {
        if (out.empty() || values[i] - values[i - 1] > tolerance) {
            if (!out.empty()) out.back().value = sum / out.back().count;
            out.push_back({values[i], 0});
            sum = 0.0;
        }
        ++out.back().count;
        sum += values[i];
    }
    if (!out.empty()) out.back().value = sum / out.back().count;
    return out;
}

}  // namespace

std::string FaceKindLabel(const FaceKind& kind) {
    const int32_t n = kind.corners * kind.polygons;
    const int32_t k = kind.winding * kind.polygons;
    switch (kind.shape) {
        case FaceKind::Shape::Crossed:
            return std::to_string(n) + "x";
        case FaceKind::Shape::Degenerate:
            return "0";
        default:
            break;
    }
    return k > 1 ? std::to_string(n) + "/" + std::to_string(k) : std::to_string(n);
}

std::string FaceKindName(const FaceKind& kind) {
    const std::string corners = std::to_string(kind.corners);
    switch (kind.shape) {
        case FaceKind::Shape::Crossed:
            return "crossed quadrilateral";
        case FaceKind::Shape::Concave:
            return kind.corners == 4 ? "concave quadrilateral" : "concave " + corners + "-gon";
        case FaceKind::Shape::SelfIntersecting:
            return "self-intersecting " + corners + "-gon";
        case FaceKind::Shape::Degenerate:
            return "degenerate " + corners + "-gon";
        default:
            std::string name = "{";
            name += FaceKindLabel(kind);
            name += '}';
            return name;
    }
}

FigureNumbers ComputeFigureNumbers(const Solid& solid, int32_t maxSymmetryVertices, const std::atomic<bool>* cancel) {
    FigureNumbers out;
    out.figure = solid.zukei;
    out.nameJa = solid.nameJa;
    out.nameEn = solid.nameEn;
    out.segments = solid.segmentCount();

    double size = 0.0;
    for (const Vec3& v : solid.vertices) {
        const double l = Length(v);
        if (std::isfinite(l)) size = std::max(size, l);
    }
    const double tolerance = std::max(size, 1e-300) * kRelativeTolerance;
    // A figure of many faces takes a large part of a second before the point
    // group: a raised flag is looked at between the stages as well.
    const auto calledOff = [cancel, &out] {
        out.cancelled = cancel != nullptr && cancel->load(std::memory_order_relaxed);
        return out.cancelled;
    };
    if (calledOff()) return out;
    const Topology t = BuildTopology(solid, tolerance, out);
    out.vertices = static_cast<int32_t>(t.points.size());
    out.edges = static_cast<int32_t>(t.edges.size());
    if (calledOff()) return out;
    CountFaceKinds(solid, t, out);
    VertexConfigurations(t, out);
    if (calledOff()) return out;

    // Topology of the surface.
    const auto polygonCount = static_cast<int32_t>(t.polygons.size());
    out.eulerCharacteristic = out.vertices - out.edges + polygonCount;
    bool open = false;
    bool many = false;
    for (size_t e = 0; e < t.edges.size(); ++e) {
        const size_t sides = t.edgeSides[e].second;
        open = open || sides < 2;
        many = many || sides > 2;
    }
    bool orientable = false;
    const std::vector<int> sign = OrientFaces(t, out.faces, orientable, out.pieces);
    const bool closedManifold = out.faces > 0 && !open && !many && out.verticesNotOneCycle == 0;
    if (out.faces == 0) {
        out.orientableNote = out.genusNote = out.densityNote = out.measureNote = Omission::NoFaces;
    } else if (many) {
        out.orientableNote = out.genusNote = out.densityNote = out.measureNote = Omission::EdgeInManyFaces;
    } else {
        out.orientable = orientable;
        if (open) {
            out.genusNote = out.densityNote = out.measureNote = Omission::OpenSurface;
        } else if (!orientable) {
            out.genusNote = out.densityNote = out.measureNote = Omission::NotOrientable;
        } else if (!closedManifold) {
            out.genusNote = out.densityNote = Omission::VertexNotOneCycle;
        }
    }

    // The centre: the centroid of the vertices, which symmetry keeps fixed.
    Vec3 centre;
    for (const Vec3& p : t.points) centre = centre + p;
    if (!t.points.empty()) centre = centre / static_cast<double>(t.points.size());

    // Area, volume and density of closed orientable surfaces. `orientation`
    // turns the face signs outwards.
    double orientation = 1.0;
    double winding = 0.0;  // signed, with the faces turned by `orientation`
    if (out.faces > 0 && !open && !many && orientable) {
        double area = 0.0;
        double volume = 0.0;
        double volumeScale = 0.0;  // the sum of the pieces' sizes, to tell a zero sum from rounding
        double solidAngle = 0.0;
        bool centreOnFace = false;
        for (const Polygon& p : t.polygons) {
            const double s = sign[static_cast<size_t>(p.face)];
            area += p.signedArea;
            const size_t n = p.corners.size();
            for (size_t i = 1; i + 1 < n; ++i) {
                const Vec3 a = t.points[static_cast<size_t>(p.corners[0])] - centre;
                const Vec3 b = t.points[static_cast<size_t>(p.corners[i])] - centre;
                const Vec3 c = t.points[static_cast<size_t>(p.corners[i + 1])] - centre;
                const double piece = Dot(a, Cross(b, c)) / 6.0;
                volume += s * piece;
                volumeScale += std::fabs(piece);
                solidAngle += s * SolidAngle(a, b, c);
            }
            if (std::fabs(Dot(p.centre - centre, p.normal)) <= tolerance) centreOnFace = true;
        }
        // Where the regions wound round in opposite senses cancel (the
        // ditrigonal dodecadodecahedron), the sum is zero and what is left is
        // rounding: the volume is zero and the winding round the centre alone
        // sets which side is out.
        if (std::fabs(volume) <= 1e-9 * volumeScale) {
            volume = 0.0;
            orientation = solidAngle < 0.0 ? -1.0 : 1.0;
        } else {
            orientation = volume < 0.0 ? -1.0 : 1.0;
        }
        out.area = area;
        out.volume = volume == 0.0 ? 0.0 : orientation * volume;  // never "-0"
        if (closedManifold) {
            winding = orientation * solidAngle / (4.0 * kPi);
            if (centreOnFace) {
                out.densityNote = Omission::CentreOnSurface;
            } else if (std::fabs(winding - std::round(winding)) > 1e-6) {
                out.densityNote = Omission::NotWhole;
            } else {
                // The density is how often the surface winds round the centre,
                // whichever way round: a figure whose volume counts positive
                // may wind round its centre the other way (the great truncated
                // cuboctahedron).
                out.density = static_cast<int32_t>(std::abs(std::lround(winding)));
            }
            if (out.pieces == 1) {
                out.genus = (2 - out.eulerCharacteristic) / 2;
            } else {
                out.genusNote = Omission::SeveralPieces;
            }
        }
    }

    // Convex: every vertex on the inner side of every face plane, and every face convex.
    // (Every face against every vertex: the other long part besides the symmetry.)
    const auto cancelled = [cancel] { return cancel != nullptr && cancel->load(std::memory_order_relaxed); };
    out.cancelled = cancelled();
    if (out.cancelled) return out;
    out.convex = out.faces > 0 && closedManifold && orientable;
    for (const Polygon& p : t.polygons) {
        if (!out.convex) break;
        if (cancelled()) {
            out.cancelled = true;
            return out;
        }
        if (p.kind.shape != FaceKind::Shape::Convex) out.convex = false;
        const double s = orientation * sign[static_cast<size_t>(p.face)];
        for (const Vec3& v : t.points) {
            if (s * Dot(v - p.centre, p.normal) > tolerance) {
                out.convex = false;
                break;
            }
        }
    }

    if (out.volume) out.volumeCountsDensity = !out.convex;

    // Symmetry.
    SymmetryResult symmetry;
    if (!t.points.empty() && t.points.size() > static_cast<size_t>(maxSymmetryVertices)) {
        // The search's own answer for too many points, without a copy of them.
        symmetry.outcome = SymmetryOutcome::TooLarge;
    } else {
        SymmetryFigure figure;
        figure.points = t.points;
        if (t.points.size() <= static_cast<size_t>(std::max(maxSymmetryVertices, 0))) {  // else no search
            // The extra lines are drawn like edges, so they must map onto each other too.
            figure.edges = t.edges;
            figure.edges.insert(figure.edges.end(), t.segments.begin(), t.segments.end());
            for (const Polygon& p : t.polygons) figure.faces.emplace_back(p.corners.begin(), p.corners.end());
        }
        symmetry = FindPointGroup(figure, tolerance * 10.0, maxSymmetryVertices, cancel);
    }
    switch (symmetry.outcome) {
        case SymmetryOutcome::Found:
            out.symmetry = symmetry.group;
            out.chiral = symmetry.group.chiral;
            break;
        case SymmetryOutcome::VerticesOnALine:
            out.symmetryNote = Omission::VerticesOnALine;
            break;
        case SymmetryOutcome::TooLarge:
            out.symmetryNote = Omission::TooLarge;
            break;
        case SymmetryOutcome::NoPoints:
            out.symmetryNote = Omission::NoFaces;
            break;
        case SymmetryOutcome::Cancelled:
            out.cancelled = true;
            return out;
    }

    // Radii: about the centre of a sphere through the vertices where there is
    // one, else about the centroid.
    std::vector<double> distances;
    ReserveLarge(distances, t.points.size());
    Vec3 sphereCentre = centre;
    if (const auto c = SphereCentre(t.points)) {
        bool fits = true;
        const double r0 = Length(t.points.front() - *c);
        for (const Vec3& p : t.points) fits = fits && std::fabs(Length(p - *c) - r0) <= tolerance * 10.0;
        if (fits) sphereCentre = *c;
    }
    for (const Vec3& p : t.points) distances.push_back(Length(p - sphereCentre));
    out.circumradius = RadiusOf(distances, tolerance * 10.0);
    auto edgeDistances = [&](Vec3 from) {
        std::vector<double> d;
        ReserveLarge(d, t.edges.size());
        for (const auto& e : t.edges) {
            const Vec3 a = t.points[static_cast<size_t>(e[0])];
            const Vec3 dir = Normalised(t.points[static_cast<size_t>(e[1])] - a);
            d.push_back(Length(Cross(from - a, dir)));
        }
        return d;
    };
    auto planeDistances = [&](Vec3 from) {
        std::vector<double> d;
        ReserveLarge(d, t.polygons.size());
        for (const Polygon& p : t.polygons) {
            if (p.kind.shape != FaceKind::Shape::Degenerate) d.push_back(std::fabs(Dot(p.centre - from, p.normal)));
        }
        return d;
    };
    out.midradius = RadiusOf(edgeDistances(sphereCentre), tolerance * 10.0);
    if (!out.midradius.onSphere) {
        const Radius aboutCentroid = RadiusOf(edgeDistances(centre), tolerance * 10.0);
        if (aboutCentroid.onSphere) out.midradius = aboutCentroid;
    }
    out.inradius = RadiusOf(planeDistances(sphereCentre), tolerance * 10.0);
    if (!out.inradius.onSphere) {
        const Radius aboutCentroid = RadiusOf(planeDistances(centre), tolerance * 10.0);
        if (aboutCentroid.onSphere) out.inradius = aboutCentroid;
    }

    // Edge lengths.
    std::vector<double> lengths;
    ReserveLarge(lengths, t.edges.size());
    for (const auto& e : t.edges) {
        lengths.push_back(Length(t.points[static_cast<size_t>(e[1])] - t.points[static_cast<size_t>(e[0])]));
    }
    out.edgeLengths = Cluster(std::move(lengths), tolerance * 10.0);
    if (!out.edgeLengths.empty()) out.shortestEdge = out.edgeLengths.front().value;

    // Dihedral angles at edges between two faces, measured inside the figure.
    std::vector<double> angles;
    ReserveLarge(angles, t.edges.size());
    for (size_t e = 0; e < t.edges.size(); ++e) {
        const std::span<const Side> sides = t.SidesOf(e);
        if (sides.size() != 2) {
            ++out.edgesWithoutAngle;
            continue;
        }
        const Vec3 a = t.points[static_cast<size_t>(t.edges[e][0])];
        const Vec3 dir = Normalised(t.points[static_cast<size_t>(t.edges[e][1])] - a);
        Vec3 inward[2];
        Vec3 normal[2];
        for (int k = 0; k < 2; ++k) {
            const Polygon& p = t.polygons[static_cast<size_t>(sides[static_cast<size_t>(k)].polygon)];
            const Vec3 toCentre = p.centre - a;
            inward[k] = Normalised(toCentre - dir * Dot(toCentre, dir));
            normal[k] = p.normal * (orientable && !many ? orientation * sign[static_cast<size_t>(p.face)] : 1.0);
        }
        // Figures that wind once round their inside get the angle measured
        // inside them, reflex where the surface folds in; star figures the
        // angle between the face planes that the tables give, 180 degrees less
        // the angle between the outer normals; surfaces without a side the
        // angle between the faces themselves.
        double angle = std::acos(std::clamp(Dot(inward[0], inward[1]), -1.0, 1.0)) * 180.0 / kPi;
        if (orientable && !many) {
            if (out.density && std::lround(winding) == 1) {
                if (Dot(inward[1], normal[0]) > 1e-9) angle = 360.0 - angle;
            } else {
                angle = 180.0 - std::acos(std::clamp(Dot(normal[0], normal[1]), -1.0, 1.0)) * 180.0 / kPi;
            }
        }
        angles.push_back(angle);
    }
    out.dihedralAngles = Cluster(std::move(angles), kAngleTolerance);

    const CatalogueRelations related = RelatedFigures(solid.zukei);
    out.related = {related.dual, related.compoundWithDual, related.base, related.partner,
                   out.symmetry && out.chiral ? related.mirror : static_cast<ShapeId>(0)};
    return out;
}

OuterMeasures MeasureOuterSurface(const Solid& solid, int fractalLevel, const std::atomic<bool>* cancel) {
    OuterOptions options;
    options.fractalLevel = solid.fractalDepthMax > 0 ? fractalLevel : 0;
    options.cancel = cancel;
    const OuterResult result = ComputeOuterSurface(solid, options);
    OuterMeasures measures;
    measures.refusal = result.refusal;
    measures.computed = result.refusal != OuterRefusal::Cancelled;
    if (result.ok()) {
        measures.volume = result.surface.volume;
        measures.area = result.surface.area;
    }
    return measures;
}

}  // namespace gyro
