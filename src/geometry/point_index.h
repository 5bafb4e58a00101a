#pragma once

#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "model/vec3.h"

namespace gyro {

// Finds a stored point within `tolerance` of a query point: a hash of cubes
// twice the tolerance wide, searched with their neighbours.
class PointIndex {
public:
    explicit PointIndex(double tolerance) : tolerance_(tolerance), cell_(2.0 * tolerance) {}

    // Index of a stored point within the tolerance, or -1.
    int32_t Find(Vec3 p) const {
        const Key k = KeyOf(p);
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dz = -1; dz <= 1; ++dz) {
                    const auto it = cells_.find(Hash({k.x + dx, k.y + dy, k.z + dz}));
                    if (it == cells_.end()) continue;
                    for (const int32_t i : it->second) {
                        const Vec3 d = points_[static_cast<size_t>(i)] - p;
                        if (std::fabs(d.x) <= tolerance_ && std::fabs(d.y) <= tolerance_ &&
                            std::fabs(d.z) <= tolerance_) {
                            return i;
                        }
                    }
                }
            }
        }
        return -1;
    }

    // The index of the point: an existing one within the tolerance, or a new one.
    int32_t Insert(Vec3 p) {
        const int32_t found = Find(p);
        if (found >= 0) return found;
        const auto index = static_cast<int32_t>(points_.size());
        points_.push_back(p);
        cells_[Hash(KeyOf(p))].push_back(index);
        return index;
    }

    const std::vector<Vec3>& points() const { return points_; }

private:
    struct Key {
        int64_t x, y, z;
    };
    // Cells far out (or a point that is not finite) share the outermost cells;
    // the distance test still tells points apart.
    int64_t CellOf(double v) const {
        const double c = std::floor(v / cell_);
        if (!(c > -1e15)) return static_cast<int64_t>(-1e15);
        if (!(c < 1e15)) return static_cast<int64_t>(1e15);
        return static_cast<int64_t>(c);
    }
    Key KeyOf(Vec3 p) const { return {CellOf(p.x), CellOf(p.y), CellOf(p.z)}; }
    static uint64_t Hash(Key k) {
        return static_cast<uint64_t>(k.x) * 0x9E3779B97F4A7C15ull ^ static_cast<uint64_t>(k.y) * 0xC2B2AE3D27D4EB4Full ^
               static_cast<uint64_t>(k.z) * 0x165667B19E3779F9ull;
    }

    double tolerance_;
    double cell_;
    std::vector<Vec3> points_;
    std::unordered_map<uint64_t, std::vector<int32_t>> cells_;
};

}  // namespace gyro
