#include "geometry/symmetry.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <initializer_list>
#include <set>
#include <string_view>
#include <unordered_set>

#include "geometry/point_index.h"

namespace gyro {

namespace {

Vec3 Apply(const Isometry& m, Vec3 v) {
    return {m[0] * v.x + m[1] * v.y + m[2] * v.z, m[3] * v.x + m[4] * v.y + m[5] * v.z,
            m[6] * v.x + m[7] * v.y + m[8] * v.z};
}

double Determinant(const Isometry& m) {
    return m[0] * (m[4] * m[8] - m[5] * m[7]) - m[1] * (m[3] * m[8] - m[5] * m[6]) +
           m[2] * (m[3] * m[7] - m[4] * m[6]);
}

double Trace(const Isometry& m) { return m[0] + m[4] + m[8]; }

// Columns a, b, c.
Isometry FromColumns(Vec3 a, Vec3 b, Vec3 c) { return {a.x, b.x, c.x, a.y, b.y, c.y, a.z, b.z, c.z}; }

std::optional<Isometry> Inverse(const Isometry& m) {
    const double det = Determinant(m);
    if (det == 0.0 || !std::isfinite(det)) return std::nullopt;
    const double s = 1.0 / det;
    return Isometry{(m[4] * m[8] - m[5] * m[7]) * s, (m[2] * m[7] - m[1] * m[8]) * s, (m[1] * m[5] - m[2] * m[4]) * s,
                   (m[5] * m[6] - m[3] * m[8]) * s, (m[0] * m[8] - m[2] * m[6]) * s, (m[2] * m[3] - m[0] * m[5]) * s,
                   (m[3] * m[7] - m[4] * m[6]) * s, (m[1] * m[6] - m[0] * m[7]) * s, (m[0] * m[4] - m[1] * m[3]) * s};
}

Isometry Product(const Isometry& a, const Isometry& b) {
    Isometry r{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            r[static_cast<size_t>(3 * i + j)] = a[static_cast<size_t>(3 * i)] * b[static_cast<size_t>(j)] +
                                                a[static_cast<size_t>(3 * i + 1)] * b[static_cast<size_t>(3 + j)] +
                                                a[static_cast<size_t>(3 * i + 2)] * b[static_cast<size_t>(6 + j)];
        }
    }
    return r;
}

Vec3 Normalised(Vec3 v) {
    const double l = Length(v);
    return l > 0.0 ? v / l : v;
}

// A direction with its sign fixed, so that an axis and its opposite compare equal.
Vec3 Unsigned(Vec3 v) {
    const double big = std::max({std::fabs(v.x), std::fabs(v.y), std::fabs(v.z)});
    const double first = std::fabs(v.x) > 0.5 * big ? v.x : (std::fabs(v.y) > 0.5 * big ? v.y : v.z);
    return first < 0.0 ? -v : v;
}

// The unit vector u of a matrix u uᵀ: its largest column.
Vec3 DirectionOfProjector(const Isometry& p) {
    int best = 0;
    for (int j = 1; j < 3; ++j) {
        if (p[static_cast<size_t>(4 * j)] > p[static_cast<size_t>(4 * best)]) best = j;
    }
    const auto j = static_cast<size_t>(best);
    return Normalised({p[j], p[3 + j], p[6 + j]});
}

struct Rotation {
    Vec3 axis;
    double angle = 0.0;  // radians, 0..pi
};

Rotation RotationOf(const Isometry& r) {
    const double c = std::clamp((Trace(r) - 1.0) / 2.0, -1.0, 1.0);
    Rotation rot{{}, std::acos(c)};
    const Vec3 skew{r[7] - r[5], r[2] - r[6], r[3] - r[1]};
    if (Length(skew) > 1e-6) {
        rot.axis = Normalised(skew);
    } else {  // a half turn: (R + I) / 2 = a aᵀ
        rot.axis = DirectionOfProjector({(r[0] + 1) / 2, r[1] / 2, r[2] / 2, r[3] / 2, (r[4] + 1) / 2, r[5] / 2,
                                         r[6] / 2, r[7] / 2, (r[8] + 1) / 2});
    }
    rot.axis = Unsigned(rot.axis);
    return rot;
}

// The normal of a reflection M = I - 2 n nᵀ.
Vec3 MirrorNormal(const Isometry& m) {
    return Unsigned(DirectionOfProjector(
        {(1 - m[0]) / 2, -m[1] / 2, -m[2] / 2, -m[3] / 2, (1 - m[4]) / 2, -m[5] / 2, -m[6] / 2, -m[7] / 2, (1 - m[8]) / 2}));
}

bool Parallel(Vec3 a, Vec3 b) { return std::fabs(Dot(a, b)) > 1.0 - 1e-6; }

struct Axis {
    Vec3 direction;
    int order = 1;
};

// Joins pieces of a name without temporaries of `const char* + std::string`.
std::string Join(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) text.append(part);
    return text;
}

uint64_t EdgeKey(int32_t a, int32_t b) {
    const auto lo = static_cast<uint32_t>(std::min(a, b));
    const auto hi = static_cast<uint32_t>(std::max(a, b));
    return (static_cast<uint64_t>(lo) << 32) | hi;
}

}  // namespace

PointGroup NamePointGroup(const std::vector<Isometry>& isometries) {
    std::vector<Axis> axes;
    std::vector<Vec3> mirrors;
    bool inversion = false;
    int improper = 0;
    int rotations = 0;  // proper elements, the identity included
    for (const Isometry& m : isometries) {
        if (Determinant(m) < 0.0) {
            ++improper;
            const double t = Trace(m);
            if (t < -3.0 + 1e-6) inversion = true;
            if (std::fabs(t - 1.0) < 1e-6) mirrors.push_back(MirrorNormal(m));
            continue;
        }
        ++rotations;
        const Rotation r = RotationOf(m);
        if (r.angle < 1e-6) continue;  // the identity
        const int order = static_cast<int>(std::lround(2.0 * std::numbers::pi / r.angle));
        auto it = std::find_if(axes.begin(), axes.end(), [&](const Axis& a) { return Parallel(a.direction, r.axis); });
        if (it == axes.end()) {
            axes.push_back({r.axis, order});
        } else {
            it->order = std::max(it->order, order);
        }
    }

    PointGroup group;
    group.order = static_cast<int32_t>(isometries.size());
    group.chiral = improper == 0;
    int maxOrder = 1;
    int manyFold = 0;  // axes of order 3 or more
    for (const Axis& a : axes) {
        maxOrder = std::max(maxOrder, a.order);
        if (a.order >= 3) ++manyFold;
    }
    if (manyFold > 1) {
        const std::string_view base = maxOrder >= 5 ? "I" : (maxOrder == 4 ? "O" : "T");
        if (improper == 0) {
            group.name = Join({base});
        } else if (base != "T") {
            group.name = Join({base, "h"});
        } else {
            group.name = inversion ? "Th" : "Td";
        }
        return group;
    }

    const int n = maxOrder;
    const std::string ns = std::to_string(n);
    auto mirrorAlongAxisOfOrder = [&](int order) {
        for (const Vec3& normal : mirrors) {
            for (const Axis& a : axes) {
                if (a.order == order && Parallel(normal, a.direction)) return true;
            }
        }
        return false;
    };
    if (n >= 2 && rotations == 2 * n) {  // a dihedral group: n two-fold axes across the main one
        if (improper == 0) {
            group.name = Join({"D", ns});
        } else {
            group.name = Join({"D", ns, mirrorAlongAxisOfOrder(n) ? "h" : "d"});
        }
        return group;
    }
    if (n == 1) {
        group.name = improper == 0 ? "C1" : (inversion ? "Ci" : "Cs");
        return group;
    }
    if (improper == 0) {
        group.name = Join({"C", ns});
    } else if (mirrorAlongAxisOfOrder(n)) {
        group.name = Join({"C", ns, "h"});
    } else if (!mirrors.empty()) {
        group.name = Join({"C", ns, "v"});
    } else {
        group.name = Join({"S", std::to_string(2 * n)});
    }
    return group;
}

SymmetryResult FindPointGroup(const SymmetryFigure& figure, double tolerance, int32_t maxPoints,
                              const std::atomic<bool>* cancel) {
    SymmetryResult result;
    const size_t n = figure.points.size();
    if (n == 0) return result;
    if (n > static_cast<size_t>(maxPoints)) {
        result.outcome = SymmetryOutcome::TooLarge;
        return result;
    }
    // Points closer than the tolerance are one point to the search: the centre
    // is the centroid of those points, and edges and faces are compared
    // through the index's numbering (`one`), which is also what a lookup of a
    // mapped point answers.
    PointIndex index(tolerance);
    std::vector<int32_t> one(n);
    std::vector<bool> stands;  // the first of the points that are one: it stands for them
    stands.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        const size_t before = index.points().size();
        one[i] = index.Insert(figure.points[i]);
        stands.push_back(index.points().size() > before);
    }
    Vec3 centre;
    for (const Vec3& p : index.points()) centre = centre + p;
    centre = centre / static_cast<double>(index.points().size());
    result.centre = centre;

    std::vector<Vec3> q(n);
    std::vector<double> r(n);
    for (size_t i = 0; i < n; ++i) {
        q[i] = figure.points[i] - centre;
        r[i] = Length(q[i]);
    }
    auto oneOf = [&](int32_t v) { return v >= 0 && static_cast<size_t>(v) < n ? one[static_cast<size_t>(v)] : v; };

    // Shells of points at one distance from the centre.
    std::vector<size_t> order(n);
    for (size_t i = 0; i < n; ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return r[a] < r[b]; });
    std::vector<int> shellOf(n, 0);
    std::vector<std::vector<size_t>> shells;
    for (size_t k = 0; k < n; ++k) {
        const size_t i = order[k];
        if (shells.empty() || r[i] - r[shells.back().back()] > tolerance) shells.emplace_back();
        shells.back().push_back(i);
        shellOf[i] = static_cast<int>(shells.size() - 1);
    }

    // Reference a: from the smallest shell off the centre; b: not on a's line,
    // from the smallest shell that has such a point, nearest to a.
    auto shellSize = [&](size_t i) { return shells[static_cast<size_t>(shellOf[i])].size(); };
    size_t a = n;
    for (size_t i = 0; i < n; ++i) {
        if (r[i] > tolerance && (a == n || shellSize(i) < shellSize(a))) a = i;
    }
    size_t b = n;
    if (a != n) {
        for (size_t i = 0; i < n; ++i) {
            if (r[i] <= tolerance || Length(Cross(q[a], q[i])) <= tolerance * r[a]) continue;
            if (b == n || shellSize(i) < shellSize(b) ||
                (shellSize(i) == shellSize(b) && Length(q[i] - q[a]) < Length(q[b] - q[a]))) {
                b = i;
            }
        }
    }
    if (b == n) {
        result.outcome = SymmetryOutcome::VerticesOnALine;
        return result;
    }

    std::unordered_set<uint64_t> edges;
    for (const auto& e : figure.edges) edges.insert(EdgeKey(oneOf(e[0]), oneOf(e[1])));
    std::set<std::vector<int32_t>> faces;
    for (std::vector<int32_t> f : figure.faces) {
        for (int32_t& v : f) v = oneOf(v);
        std::sort(f.begin(), f.end());
        faces.insert(std::move(f));
    }

    const Vec3 c = Cross(q[a], q[b]);
    const auto frameInverse = Inverse(FromColumns(q[a], q[b], c));
    if (!frameInverse) return result;
    const double ab = Length(q[a] - q[b]);
    const auto& shellA = shells[static_cast<size_t>(shellOf[a])];
    const auto& shellB = shells[static_cast<size_t>(shellOf[b])];
    std::vector<int32_t> image(n);
    std::vector<int32_t> mapped;
    for (const size_t a2 : shellA) {
        if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
            result.outcome = SymmetryOutcome::Cancelled;
            result.isometries.clear();
            return result;
        }
        for (const size_t b2 : shellB) {
            if (!stands[a2] || !stands[b2]) continue;  // each map is tried once
            if (b2 == a2 || std::fabs(Length(q[a2] - q[b2]) - ab) > tolerance) continue;
            const Vec3 c2 = Cross(q[a2], q[b2]);
            for (const double sign : {1.0, -1.0}) {
                const Isometry m = Product(FromColumns(q[a2], q[b2], c2 * sign), *frameInverse);
                bool ok = true;
                for (size_t i = 0; i < n && ok; ++i) {
                    image[i] = index.Find(Apply(m, q[i]) + centre);
                    ok = image[i] >= 0;
                }
                for (size_t e = 0; e < figure.edges.size() && ok; ++e) {
                    const auto& edge = figure.edges[e];
                    ok = edges.count(EdgeKey(image[static_cast<size_t>(edge[0])], image[static_cast<size_t>(edge[1])])) > 0;
                }
                for (size_t f = 0; f < figure.faces.size() && ok; ++f) {
                    mapped.clear();
                    for (const int32_t v : figure.faces[f]) mapped.push_back(image[static_cast<size_t>(v)]);
                    std::sort(mapped.begin(), mapped.end());
                    ok = faces.count(mapped) > 0;
                }
                if (ok) result.isometries.push_back(m);
            }
        }
    }
    if (result.isometries.empty()) return result;  // cannot happen: the identity always maps
    result.outcome = SymmetryOutcome::Found;
    result.group = NamePointGroup(result.isometries);
    return result;
}

}  // namespace gyro
