#include "geometry/close_points.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <unordered_map>

namespace gyro {

std::vector<int32_t> FirstOfClosePoints(const std::vector<Vec3>& points, double tolerance) {
    std::vector<int32_t> first(points.size());
    std::iota(first.begin(), first.end(), 0);
    const auto find = [&](int32_t a) {
        while (first[static_cast<size_t>(a)] != a) {
            first[static_cast<size_t>(a)] = first[static_cast<size_t>(first[static_cast<size_t>(a)])];
            a = first[static_cast<size_t>(a)];
        }
        return a;
    };
    // Cubes as wide as the tolerance: a point's neighbours lie in the 27 round it.
    const auto cell = [&](double v) { return static_cast<int64_t>(std::floor(v / tolerance)); };
    const auto key = [](int64_t x, int64_t y, int64_t z) {
        const auto h = [](int64_t v) { return static_cast<uint64_t>(v) * 0x9E3779B97F4A7C15ULL; };
        return h(x) ^ (h(y) << 21 | h(y) >> 43) ^ (h(z) << 42 | h(z) >> 22);
    };
    std::unordered_map<uint64_t, std::vector<int32_t>> cells;
    for (size_t i = 0; i < points.size(); ++i) {
        const Vec3 p = points[i];
        const int64_t cx = cell(p.x), cy = cell(p.y), cz = cell(p.z);
        for (int64_t dx = -1; dx <= 1; ++dx) {
            for (int64_t dy = -1; dy <= 1; ++dy) {
                for (int64_t dz = -1; dz <= 1; ++dz) {
                    const auto it = cells.find(key(cx + dx, cy + dy, cz + dz));
                    if (it == cells.end()) continue;
                    for (const int32_t j : it->second) {
                        const Vec3 q = points[static_cast<size_t>(j)];
                        if (std::abs(q.x - p.x) > tolerance || std::abs(q.y - p.y) > tolerance ||
                            std::abs(q.z - p.z) > tolerance) {
                            continue;
                        }
                        const int32_t a = find(static_cast<int32_t>(i));
                        const int32_t b = find(j);
                        if (a != b) first[static_cast<size_t>(std::max(a, b))] = std::min(a, b);  // the first point stays
                    }
                }
            }
        }
        cells[key(cx, cy, cz)].push_back(static_cast<int32_t>(i));
    }
    for (size_t i = 0; i < first.size(); ++i) first[i] = find(static_cast<int32_t>(i));
    return first;
}

}  // namespace gyro
