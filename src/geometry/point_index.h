#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "model/vec3.h"

namespace gyro {

// Finds a stored point within `tolerance` of a query point (in each
// coordinate). Space is cut into cubes twice the tolerance wide, so the box
// round a query touches at most two cubes along each axis: eight at most are
// searched. The cubes sit in one open-addressed table, and the points of a
// cube are chained through `next_`, so an insert allocates nothing but the
// table's growth.
class PointIndex {
public:
    explicit PointIndex(double tolerance) : tolerance_(tolerance), cell_(2.0 * tolerance) {}

    // Index of a stored point within the tolerance, or -1. Where several are,
    // the one stored first.
    int32_t Find(Vec3 p) const {
        if (slots_.empty()) return -1;
        // A stored point equal to the query is the only one within the
        // tolerance (stored points are more than the tolerance apart), and
        // lies in the query's own cube: the common case of a shared corner.
        for (int32_t i = Head(KeyOf(p)); i >= 0; i = next_[static_cast<size_t>(i)]) {
            const Vec3& q = points_[static_cast<size_t>(i)];
            if (q.x == p.x && q.y == p.y && q.z == p.z) return i;
        }
        const Key lo = KeyOf({p.x - tolerance_, p.y - tolerance_, p.z - tolerance_});
        const Key hi = KeyOf({p.x + tolerance_, p.y + tolerance_, p.z + tolerance_});
        int32_t best = -1;
        for (int64_t x = lo.x; x <= hi.x; ++x) {
            for (int64_t y = lo.y; y <= hi.y; ++y) {
                for (int64_t z = lo.z; z <= hi.z; ++z) {
                    for (int32_t i = Head({x, y, z}); i >= 0; i = next_[static_cast<size_t>(i)]) {
                        if (best >= 0 && i > best) continue;
                        const Vec3 d = points_[static_cast<size_t>(i)] - p;
                        if (std::fabs(d.x) <= tolerance_ && std::fabs(d.y) <= tolerance_ &&
                            std::fabs(d.z) <= tolerance_) {
                            best = i;
                        }
                    }
                }
            }
        }
        return best;
    }

    // The index of the point: an existing one within the tolerance, or a new one.
    int32_t Insert(Vec3 p) {
        const int32_t found = Find(p);
        if (found >= 0) return found;
        const auto index = static_cast<int32_t>(points_.size());
        if (2 * (used_ + 1) > slots_.size()) Grow();
        Slot& slot = SlotOf(KeyOf(p));
        if (slot.head < 0) ++used_;
        points_.push_back(p);
        next_.push_back(slot.head);  // the cube's points, newest first
        slot.head = index;
        return index;
    }

    const std::vector<Vec3>& points() const { return points_; }

private:
    struct Key {
        int64_t x, y, z;
        bool operator==(const Key&) const = default;
    };
    struct Slot {
        Key key{};
        int32_t head = -1;  // -1: the slot is free
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
    static uint64_t Hash(const Key& k) {
        const uint64_t h = static_cast<uint64_t>(k.x) * 0x9E3779B97F4A7C15ull ^
                           static_cast<uint64_t>(k.y) * 0xC2B2AE3D27D4EB4Full ^
                           static_cast<uint64_t>(k.z) * 0x165667B19E3779F9ull;
        return h ^ (h >> 29);
    }
    // The slot holding the key, or the free slot where it would go.
    size_t Probe(const Key& k) const {
        const size_t mask = slots_.size() - 1;
        size_t s = static_cast<size_t>(Hash(k)) & mask;
        while (slots_[s].head >= 0 && !(slots_[s].key == k)) s = (s + 1) & mask;
        return s;
    }
    int32_t Head(const Key& k) const { return slots_[Probe(k)].head; }
    Slot& SlotOf(const Key& k) {
        Slot& slot = slots_[Probe(k)];
        slot.key = k;
        return slot;
    }
    void Grow() {
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{});
        for (const Slot& s : old) {
            if (s.head >= 0) slots_[Probe(s.key)] = s;
        }
    }

    double tolerance_;
    double cell_;
    std::vector<Vec3> points_;
    std::vector<int32_t> next_;  // the next point of the same cube, or -1
    std::vector<Slot> slots_;    // a power of two long, at most half in use
    size_t used_ = 0;
};

}  // namespace gyro
