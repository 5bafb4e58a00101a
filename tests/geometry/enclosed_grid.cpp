#include "geometry/enclosed_grid.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <limits>
#include <vector>

#include "model/face_access.h"

namespace gyro::testing {

namespace {

struct FacePolygon {
    Vec3 normal;
    double offset = 0.0;
    Vec3 u, w;                                  // a basis of the plane
    std::vector<std::array<double, 2>> corners;  // in that basis
};

// The normal of a planar polygon from its largest corner triangle: a crossed
// polygon's two lobes cancel in Newell's sum, not here.
Vec3 PolygonNormal(const std::vector<Vec3>& corners) {
    Vec3 best{};
    for (size_t i = 0; i < corners.size(); ++i) {
        for (size_t j = i + 1; j < corners.size(); ++j) {
            for (size_t k = j + 1; k < corners.size(); ++k) {
                const Vec3 c = Cross(corners[j] - corners[i], corners[k] - corners[i]);
                if (Length(c) > Length(best)) best = c;
            }
        }
    }
    return best;
}

std::vector<FacePolygon> Polygons(const Solid& solid) {
    std::vector<FacePolygon> out;
    for (const Face& face : solid.faces) {
        const int32_t stored = StoredCorners(face);
        for (int32_t p = 0; face.polygonSize > 0 && (p + 1) * face.polygonSize <= stored; ++p) {
            std::vector<Vec3> corners;
            for (int32_t c = 0; c < face.polygonSize; ++c) {
                corners.push_back(solid.vertices[static_cast<size_t>(face.corners[static_cast<size_t>(p * face.polygonSize + c)])]);
            }
            const Vec3 n = PolygonNormal(corners);
            if (!(Length(n) > 0.0)) continue;
            FacePolygon polygon;
            polygon.normal = n / Length(n);
            polygon.offset = Dot(polygon.normal, corners[0]);
            polygon.u = std::abs(polygon.normal.x) < 0.6 ? Cross(polygon.normal, Vec3{1, 0, 0}) : Cross(polygon.normal, Vec3{0, 1, 0});
            polygon.u = polygon.u / Length(polygon.u);
            polygon.w = Cross(polygon.normal, polygon.u);
            for (const Vec3& c : corners) polygon.corners.push_back({Dot(c, polygon.u), Dot(c, polygon.w)});
            out.push_back(std::move(polygon));
        }
    }
    return out;
}

int Winding(const std::vector<std::array<double, 2>>& ring, double x, double y) {
    int w = 0;
    for (size_t k = 0; k < ring.size(); ++k) {
        const auto& a = ring[k];
        const auto& b = ring[(k + 1) % ring.size()];
        const double cross = (b[0] - a[0]) * (y - a[1]) - (x - a[0]) * (b[1] - a[1]);
        if (a[1] <= y) {
            if (b[1] > y && cross > 0) ++w;
        } else if (b[1] <= y && cross < 0) {
            --w;
        }
    }
    return w;
}

bool CrossesAFace(const std::vector<FacePolygon>& polygons, Vec3 from, Vec3 to) {
    for (const FacePolygon& p : polygons) {
        const double da = Dot(p.normal, from) - p.offset;
        const double db = Dot(p.normal, to) - p.offset;
        if ((da > 0) == (db > 0)) continue;
        const Vec3 x = from + (to - from) * (da / (da - db));
        if (Winding(p.corners, Dot(x, p.u), Dot(x, p.w)) != 0) return true;
    }
    return false;
}

double PointTriangleDistance(Vec3 p, Vec3 a, Vec3 b, Vec3 c) {
    const Vec3 n = Cross(b - a, c - a);
    const double len = Length(n);
    if (len > 0.0) {
        const Vec3 unit = n / len;
        const Vec3 q = p - unit * Dot(unit, p - a);
        const bool inside = Dot(Cross(b - a, q - a), n) >= 0 && Dot(Cross(c - b, q - b), n) >= 0 &&
                            Dot(Cross(a - c, q - c), n) >= 0;
        if (inside) return std::abs(Dot(unit, p - a));
    }
    auto segment = [&](Vec3 s, Vec3 e) {
        const Vec3 d = e - s;
        const double l2 = Dot(d, d);
        const double t = l2 > 0 ? std::clamp(Dot(p - s, d) / l2, 0.0, 1.0) : 0.0;
        return Length(p - (s + d * t));
    };
    return std::min({segment(a, b), segment(b, c), segment(c, a)});
}

}  // namespace

GridComparison CompareWithGrid(const Solid& solid, const OuterSurface& surface, int cells) {
    GridComparison result;
    double extent = 0.0;
    for (const Vec3& v : solid.vertices) extent = std::max({extent, std::abs(v.x), std::abs(v.y), std::abs(v.z)});
    const int n = cells;
    const double half = 1.05 * extent;
    const double h = 2 * half / n;
    result.spacing = h;
    // Off-centre, so that grid lines miss the figure's edges and corners.
    auto at = [&](int i, int j, int k) {
        return Vec3{-half + (i + 0.5) * h + 1.3e-4 * h, -half + (j + 0.5) * h + 2.9e-4 * h, -half + (k + 0.5) * h + 4.7e-4 * h};
    };
    auto index = [&](int i, int j, int k) { return (static_cast<size_t>(i) * n + j) * n + k; };

    const std::vector<FacePolygon> polygons = Polygons(solid);
    std::vector<char> reached(static_cast<size_t>(n) * n * n, 0);
    std::deque<std::array<int, 3>> queue;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            for (int k = 0; k < n; ++k) {
                if (i == 0 || j == 0 || k == 0 || i == n - 1 || j == n - 1 || k == n - 1) {
                    reached[index(i, j, k)] = 1;
                    queue.push_back({i, j, k});
                }
            }
        }
    }
    const int steps[6][3] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    while (!queue.empty()) {
        const auto c = queue.front();
        queue.pop_front();
        for (const auto& s : steps) {
            const int a = c[0] + s[0], b = c[1] + s[1], e = c[2] + s[2];
            if (a < 0 || b < 0 || e < 0 || a >= n || b >= n || e >= n || reached[index(a, b, e)]) continue;
            if (CrossesAFace(polygons, at(c[0], c[1], c[2]), at(a, b, e))) continue;
            reached[index(a, b, e)] = 1;
            queue.push_back({a, b, e});
        }
    }

    // The surface's winding along each line of points in x: each triangle the
    // line passes through adds its crossing, signed by the triangle's facing.
    std::vector<std::vector<std::pair<double, int>>> crossings(static_cast<size_t>(n) * n);
    for (const auto& t : surface.triangles) {
        const Vec3 a = surface.points[static_cast<size_t>(t[0])];
        const Vec3 b = surface.points[static_cast<size_t>(t[1])];
        const Vec3 c = surface.points[static_cast<size_t>(t[2])];
        const double area = (b.y - a.y) * (c.z - a.z) - (b.z - a.z) * (c.y - a.y);  // normal's x, doubled
        if (area == 0.0) continue;
        const double y0 = std::min({a.y, b.y, c.y}), y1 = std::max({a.y, b.y, c.y});
        const double z0 = std::min({a.z, b.z, c.z}), z1 = std::max({a.z, b.z, c.z});
        for (int j = std::max(0, static_cast<int>((y0 + half) / h) - 1); j < n && at(0, j, 0).y <= y1; ++j) {
            for (int k = std::max(0, static_cast<int>((z0 + half) / h) - 1); k < n && at(0, 0, k).z <= z1; ++k) {
                const Vec3 p = at(0, j, k);
                const double wa = (b.y - p.y) * (c.z - p.z) - (b.z - p.z) * (c.y - p.y);
                const double wb = (c.y - p.y) * (a.z - p.z) - (c.z - p.z) * (a.y - p.y);
                const double wc = (a.y - p.y) * (b.z - p.z) - (a.z - p.z) * (b.y - p.y);
                const bool in = area > 0 ? (wa >= 0 && wb >= 0 && wc >= 0) : (wa <= 0 && wb <= 0 && wc <= 0);
                if (!in) continue;
                const double x = (wa * a.x + wb * b.x + wc * c.x) / area;
                crossings[static_cast<size_t>(j) * n + k].emplace_back(x, area > 0 ? -1 : 1);
            }
        }
    }

    std::vector<std::array<int, 3>> suspects;
    for (int j = 0; j < n; ++j) {
        for (int k = 0; k < n; ++k) {
            auto& line = crossings[static_cast<size_t>(j) * n + k];
            std::sort(line.begin(), line.end());
            size_t next = 0;
            int winding = 0;
            for (int i = 0; i < n; ++i) {
                const Vec3 p = at(i, j, k);
                while (next < line.size() && line[next].first < p.x) winding += line[next++].second;
                const bool inside = winding != 0;
                const bool enclosed = !reached[index(i, j, k)];
                ++result.points;
                result.insideSurface += inside ? 1 : 0;
                result.enclosedByFaces += enclosed ? 1 : 0;
                if (inside && !enclosed) {
                    if (result.firstFault.empty()) {
                        result.firstFault = "reached from outside but inside the surface at (" + std::to_string(p.x) +
                                            ", " + std::to_string(p.y) + ", " + std::to_string(p.z) + ")";
                    }
                    ++result.surfaceTooLarge;
                } else if (enclosed && !inside) {
                    suspects.push_back({i, j, k});
                }
            }
        }
    }
    for (const auto& s : suspects) {
        const Vec3 p = at(s[0], s[1], s[2]);
        double nearest = std::numeric_limits<double>::infinity();
        for (const auto& t : surface.triangles) {
            nearest = std::min(nearest, PointTriangleDistance(p, surface.points[static_cast<size_t>(t[0])],
                                                              surface.points[static_cast<size_t>(t[1])],
                                                              surface.points[static_cast<size_t>(t[2])]));
            if (nearest <= 2 * h) break;
        }
        if (nearest > 2 * h) {
            if (result.firstFault.empty()) {
                result.firstFault = "enclosed by the faces but outside the surface at (" + std::to_string(p.x) + ", " +
                                    std::to_string(p.y) + ", " + std::to_string(p.z) + ")";
            }
            ++result.surfaceTooSmall;
        }
    }
    return result;
}

}  // namespace gyro::testing
