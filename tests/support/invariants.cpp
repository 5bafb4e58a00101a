#include "support/invariants.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <unordered_map>

#include "model/solid_ops.h"

namespace gyro::test {

namespace {

constexpr size_t kMaxProblems = 200;

struct EdgeUse {
    int32_t forward = 0;   // used as (low, high)
    int32_t backward = 0;  // used as (high, low)
};

uint64_t EdgeKey(int32_t a, int32_t b) {
    const auto lo = static_cast<uint32_t>(std::min(a, b));
    const auto hi = static_cast<uint32_t>(std::max(a, b));
    return (uint64_t{lo} << 32) | hi;
}

bool InRange(const Solid& solid, int32_t index) { return index >= 0 && index < solid.vertexCount(); }

// Undirected polygon edges with their use counts; edges with an index out of
// range or both ends equal are left out.
std::unordered_map<uint64_t, EdgeUse> CollectEdges(const Solid& solid) {
    std::unordered_map<uint64_t, EdgeUse> edges;
    for (const Face& face : solid.faces) {
        if (face.polygonCount <= 0 || face.polygonSize <= 0 ||
            face.corners.size() != static_cast<size_t>(TotalCorners(face))) {
            continue;
        }
        const int32_t s = face.polygonSize;
        for (int32_t p = 0; p < face.polygonCount; ++p) {
            for (int32_t i = 0; i < s; ++i) {
                const int32_t a = face.corners[p * s + i];
                const int32_t b = face.corners[p * s + (i + 1) % s];
                if (a == b || !InRange(solid, a) || !InRange(solid, b)) continue;
                EdgeUse& use = edges[EdgeKey(a, b)];
                (a < b ? use.forward : use.backward) += 1;
            }
        }
    }
    return edges;
}

void Extend(Range& range, double value) {
    if (range.count == 0) {
        range.min = range.max = value;
    } else {
        range.min = std::min(range.min, value);
        range.max = std::max(range.max, value);
    }
    ++range.count;
}

class Problems {
public:
    explicit Problems(std::vector<std::string>& list) : list_(list) {}
    ~Problems() {
        if (suppressed_ > 0) list_.push_back("... and " + std::to_string(suppressed_) + " more");
    }
    template <class... Parts>
    void Add(const Parts&... parts) {
        if (list_.size() >= kMaxProblems) {
            ++suppressed_;
            return;
        }
        std::ostringstream out;
        (out << ... << parts);
        list_.push_back(out.str());
    }

private:
    std::vector<std::string>& list_;
    size_t suppressed_ = 0;
};

}  // namespace

bool Range::IsConstant(double relTolerance) const {
    if (count == 0) return true;
    const double scale = std::max({std::abs(min), std::abs(max), 1e-300});
    return max - min <= relTolerance * scale;
}

std::string InvariantReport::Summary(size_t maxLines) const {
    std::ostringstream out;
    for (size_t i = 0; i < problems.size() && i < maxLines; ++i) out << problems[i] << '\n';
    if (problems.size() > maxLines) out << "(" << problems.size() - maxLines << " more lines)\n";
    return out.str();
}

SolidMeasures Measure(const Solid& solid) {
    SolidMeasures m;
    for (const Vec3& v : solid.vertices) Extend(m.vertexRadius, Length(v));
    for (const Face& face : solid.faces) {
        ++m.facesByCorners[TotalCorners(face)];
        const bool indicesOk = face.corners.size() == static_cast<size_t>(TotalCorners(face)) &&
                               std::all_of(face.corners.begin(), face.corners.end(),
                                           [&](int32_t c) { return InRange(solid, c); });
        if (!indicesOk) continue;
        const Vec3 normal = FaceNormal(face, solid.vertices);
        if (normal == Vec3{}) continue;
        Extend(m.faceDistance, std::abs(Dot(normal, FaceCentroid(face, solid.vertices))));
    }
    const auto edges = CollectEdges(solid);
    m.edgeCount = static_cast<int32_t>(edges.size());
    for (const auto& [key, use] : edges) {
        const Vec3 a = solid.vertices[key >> 32];
        const Vec3 b = solid.vertices[key & 0xFFFFFFFFu];
        Extend(m.edgeLength, Length(b - a));
        Extend(m.edgeMidRadius, Length((a + b) * 0.5));
    }
    return m;
}

InvariantReport CheckSolid(const Solid& solid, const InvariantOptions& options) {
    InvariantReport report;
    report.measures = Measure(solid);
    Problems problems(report.problems);
    const double scale = report.measures.vertexRadius.count > 0 && report.measures.vertexRadius.max > 0
                             ? report.measures.vertexRadius.max
                             : 1.0;
    const double tol = options.tolerance * scale;

    if (solid.patternCount < 1 || solid.patternCount > kColourSlots) {
        problems.Add("patternCount ", solid.patternCount, " is outside 1..7");
    }
    for (int32_t i = 0; i < solid.vertexCount(); ++i) {
        const Vec3 v = solid.vertices[i];
        if (!std::isfinite(v.x) || !std::isfinite(v.y) || !std::isfinite(v.z)) problems.Add("vertex ", i, " is not finite");
    }
    for (int32_t i = 0; i < solid.segmentCount(); ++i) {
        const Segment& s = solid.segments[i];
        if (!InRange(solid, s.a) || !InRange(solid, s.b)) problems.Add("segment ", i, " has an index out of range");
    }

    for (int32_t f = 0; f < solid.faceCount(); ++f) {
        const Face& face = solid.faces[f];
        if (face.polygonCount < 0 || face.polygonSize < 0) {
            problems.Add("face ", f, " has negative counts");
            continue;
        }
        if (face.corners.size() != static_cast<size_t>(TotalCorners(face))) {
            problems.Add("face ", f, " holds ", face.corners.size(), " corners for ", face.polygonCount, " x ",
                         face.polygonSize);
            continue;
        }
        if (face.starStep < 1) problems.Add("face ", f, " has starStep ", face.starStep);
        if (TotalCorners(face) == 0) {
            if (!options.allowEmptyFaces) problems.Add("face ", f, " is empty");
            continue;
        }
        if (face.polygonSize < 3) {
            problems.Add("face ", f, " has polygons of ", face.polygonSize, " corners");
            continue;
        }
        bool indicesOk = true;
        for (int32_t c : face.corners) {
            if (!InRange(solid, c)) {
                problems.Add("face ", f, " has corner index ", c, " out of range");
                indicesOk = false;
                break;
            }
        }
        if (!indicesOk) continue;
        const Vec3 normal = FaceNormal(face, solid.vertices);
        if (normal == Vec3{}) {
            problems.Add("face ", f, " has no normal (degenerate)");
            continue;
        }
        const Vec3 centroid = FaceCentroid(face, solid.vertices);
        if (options.planar) {
            for (int32_t c : face.corners) {
                const double off = Dot(normal, solid.vertices[c] - centroid);
                if (std::abs(off) > tol) {
                    problems.Add("face ", f, " is not planar: corner ", c, " lies ", off, " off its plane");
                    break;
                }
            }
        }
        const double side = Dot(normal, centroid);
        if (options.outward && side < -tol) problems.Add("face ", f, " faces inwards (normal . centroid = ", side, ")");
        if (options.convex) {
            for (int32_t v = 0; v < solid.vertexCount(); ++v) {
                const double off = Dot(normal, solid.vertices[v] - centroid);
                if (off > tol) {
                    problems.Add("vertex ", v, " lies ", off, " outside the plane of face ", f);
                    break;
                }
            }
        }
    }

    if (options.closed || options.oriented) {
        for (const auto& [key, use] : CollectEdges(solid)) {
            const bool closedOk = !options.closed || use.forward + use.backward == 2;
            const bool orientedOk = !options.oriented || (use.forward <= 1 && use.backward <= 1);
            if (!closedOk || !orientedOk) {
                problems.Add("edge ", key >> 32, "-", key & 0xFFFFFFFFu, " is used ", use.forward, " x forwards and ",
                             use.backward, " x backwards");
            }
        }
    }
    if (options.equalEdges && !report.measures.edgeLength.IsConstant(options.tolerance)) {
        problems.Add("edge lengths range from ", report.measures.edgeLength.min, " to ", report.measures.edgeLength.max);
    }
    return report;
}

::testing::AssertionResult SolidIsSound(const Solid& solid, const InvariantOptions& options) {
    const InvariantReport report = CheckSolid(solid, options);
    if (report.ok()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "figure " << solid.zukei << " (" << solid.nameEn << "): "
                                         << report.problems.size() << " problem(s)\n"
                                         << report.Summary();
}

}  // namespace gyro::test
