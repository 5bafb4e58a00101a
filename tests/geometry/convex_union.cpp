#include "geometry/convex_union.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <utility>

namespace gyro::testing {

namespace {

using Polygon = std::vector<Vec3>;

// Twice the vector area of a planar polygon (Newell).
Vec3 AreaVector(const Polygon& polygon) {
    Vec3 sum{};
    for (size_t i = 0; i < polygon.size(); ++i) sum = sum + Cross(polygon[i], polygon[(i + 1) % polygon.size()]);
    return sum;
}

std::vector<Polygon> Box(double reach) {
    const double r = reach;
    const Vec3 c[8] = {{-r, -r, -r}, {r, -r, -r}, {r, r, -r}, {-r, r, -r},
                       {-r, -r, r},  {r, -r, r},  {r, r, r},  {-r, r, r}};
    return {{c[0], c[3], c[2], c[1]}, {c[4], c[5], c[6], c[7]}, {c[0], c[1], c[5], c[4]},
            {c[2], c[3], c[7], c[6]}, {c[1], c[2], c[6], c[5]}, {c[0], c[4], c[7], c[3]}};
}

// Keeps the part of a convex polyhedron (its faces) where normal . x <= offset
// and closes the cut with a new face. A plane that cuts nothing (a face plane
// met a second time, as where two pieces share a plane) changes nothing.
std::vector<Polygon> Clip(const std::vector<Polygon>& faces, const HalfSpace& h, double tolerance) {
    auto side = [&](Vec3 p) { return Dot(h.normal, p) - h.offset; };
    bool cuts = false;
    for (const Polygon& face : faces) {
        for (const Vec3& p : face) cuts = cuts || side(p) > tolerance;
    }
    if (!cuts) return faces;
    std::vector<Polygon> kept;
    Polygon cut;
    for (const Polygon& face : faces) {
        Polygon part;
        for (size_t i = 0; i < face.size(); ++i) {
            const Vec3 a = face[i];
            const Vec3 b = face[(i + 1) % face.size()];
            const double da = side(a);
            const double db = side(b);
            if (da <= tolerance) part.push_back(a);
            if (std::abs(da) <= tolerance) cut.push_back(a);
            if ((da < -tolerance && db > tolerance) || (da > tolerance && db < -tolerance)) {
                const Vec3 p = a + (b - a) * (da / (da - db));
                part.push_back(p);
                cut.push_back(p);
            }
        }
        if (part.size() >= 3) kept.push_back(part);
    }
    if (cut.size() >= 3) {
        Vec3 centre{};
        for (const Vec3& p : cut) centre = centre + p;
        centre = centre / static_cast<double>(cut.size());
        Vec3 u{};
        for (const Vec3& p : cut) {
            if (Length(p - centre) > Length(u)) u = p - centre;
        }
        const Vec3 w = Cross(h.normal, u);
        std::sort(cut.begin(), cut.end(), [&](Vec3 p, Vec3 q) {
            return std::atan2(Dot(p - centre, w), Dot(p - centre, u)) <
                   std::atan2(Dot(q - centre, w), Dot(q - centre, u));
        });
        kept.push_back(cut);
    }
    return kept;
}

// Pyramids from a point inside over every face: no use of how faces are wound.
double Volume(const std::vector<Polygon>& faces) {
    Vec3 inside{};
    size_t count = 0;
    for (const Polygon& face : faces) {
        for (const Vec3& p : face) inside = inside + p;
        count += face.size();
    }
    if (count == 0) return 0.0;
    inside = inside / static_cast<double>(count);
    double volume = 0.0;
    for (const Polygon& face : faces) {
        const Vec3 area = AreaVector(face);
        volume += std::abs(Dot(area, face[0] - inside)) / 6.0;
    }
    return volume;
}

int Find(std::vector<int>& parent, int i) {
    while (parent[i] != i) i = parent[i] = parent[parent[i]];
    return i;
}

}  // namespace

std::vector<ConvexPiece> ConvexPieces(const Solid& solid) {
    const int faceCount = static_cast<int>(solid.faces.size());
    std::vector<int> parent(faceCount);
    std::iota(parent.begin(), parent.end(), 0);
    std::map<std::pair<int32_t, int32_t>, int> edgeFace;
    for (int f = 0; f < faceCount; ++f) {
        const std::vector<int32_t>& corners = solid.faces[f].corners;
        for (size_t i = 0; i < corners.size(); ++i) {
            const int32_t a = corners[i];
            const int32_t b = corners[(i + 1) % corners.size()];
            const auto [it, fresh] = edgeFace.emplace(std::minmax(a, b), f);
            if (!fresh) parent[Find(parent, f)] = Find(parent, it->second);
        }
    }
    std::map<int, std::vector<int>> groups;
    for (int f = 0; f < faceCount; ++f) groups[Find(parent, f)].push_back(f);

    std::vector<ConvexPiece> pieces;
    for (const auto& [root, faces] : groups) {
        std::vector<Vec3> points;
        for (const int f : faces) {
            for (const int32_t c : solid.faces[f].corners) points.push_back(solid.vertices[c]);
        }
        Vec3 centre{};
        double reach = 0.0;
        for (const Vec3& p : points) centre = centre + p;
        centre = centre / static_cast<double>(points.size());
        for (const Vec3& p : points) reach = std::max(reach, Length(p - centre));
        ConvexPiece piece;
        for (const int f : faces) {
            Polygon polygon;
            for (const int32_t c : solid.faces[f].corners) polygon.push_back(solid.vertices[c]);
            Vec3 normal = AreaVector(polygon);
            if (Length(normal) == 0.0) return {};
            normal = normal / Length(normal);
            double offset = Dot(normal, polygon[0]);
            if (Dot(normal, centre) > offset) {
                normal = -normal;
                offset = -offset;
            }
            if (offset - Dot(normal, centre) < 1e-6 * reach) return {};  // the centre on a face: no volume
            piece.push_back({normal, offset});
        }
        for (const HalfSpace& h : piece) {
            for (const Vec3& p : points) {
                if (Dot(h.normal, p) - h.offset > 1e-9 * reach) return {};
            }
        }
        pieces.push_back(piece);
    }
    return pieces;
}

double CommonVolume(const std::vector<HalfSpace>& halfSpaces, double reach) {
    std::vector<Polygon> faces = Box(reach);
    const double tolerance = 1e-12 * reach;
    for (const HalfSpace& h : halfSpaces) {
        faces = Clip(faces, h, tolerance);
        if (faces.empty()) return 0.0;
    }
    return Volume(faces);
}

double UnionVolume(const std::vector<ConvexPiece>& pieces, double reach) {
    const size_t n = pieces.size();
    double total = 0.0;
    for (size_t set = 1; set < (size_t{1} << n); ++set) {
        std::vector<HalfSpace> common;
        int members = 0;
        for (size_t i = 0; i < n; ++i) {
            if ((set >> i) & 1) {
                common.insert(common.end(), pieces[i].begin(), pieces[i].end());
                ++members;
            }
        }
        total += (members % 2 == 1 ? 1.0 : -1.0) * CommonVolume(common, reach);
    }
    return total;
}

}  // namespace gyro::testing
