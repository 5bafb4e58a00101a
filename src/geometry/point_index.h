#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "model/huge_pages.h"
#include "model/vec3.h"

namespace gyro {

// Finds a stored point within `tolerance` of a query point (in each
// coordinate). Space is cut into cubes twice the tolerance wide, so the box
// round a query touches at most two cubes along each axis: eight at most are
// searched. The cubes sit in one open-addressed table of point indices (a
// cube is known by the position of any of its points), and the points of a
// cube are chained through `next_`, so an insert allocates nothing but the
// table's growth.
class PointIndex {
public:
    explicit PointIndex(double tolerance) : tolerance_(tolerance), inverseCell_(1.0 / (2.0 * tolerance)) {}

    // Index of a stored point within the tolerance, or -1. Where several are,
    // the one stored first.
    int32_t Find(Vec3 p) const {
        if (slots_.empty()) return -1;
        // A stored point equal to the query is the only one within the
        // tolerance (stored points are more than the tolerance apart), and
        // lies in the query's own cube: the common case of a shared corner.
        const Key own = KeyOf(p);
        for (int32_t i = MayHold(own) ? Head(own) : -1; i >= 0; i = next_[static_cast<size_t>(i)]) {
            const Vec3& q = points_[static_cast<size_t>(i)];
            if (q.x == p.x && q.y == p.y && q.z == p.z) return i;
        }
        const Key lo = KeyOf({p.x - tolerance_, p.y - tolerance_, p.z - tolerance_});
        const Key hi = KeyOf({p.x + tolerance_, p.y + tolerance_, p.z + tolerance_});
        int32_t best = -1;
        for (int64_t x = lo.x; x <= hi.x; ++x) {
            for (int64_t y = lo.y; y <= hi.y; ++y) {
                for (int64_t z = lo.z; z <= hi.z; ++z) {
                    if (!MayHold({x, y, z})) continue;
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
        const Key key = KeyOf(p);
        int32_t& head = slots_[Probe(key)];
        if (head == kFree) ++used_;
        Occupy(key);
        points_.push_back(p);
        next_.push_back(head);  // the cube's points, newest first
        head = index;
        return index;
    }

    // Room for n distinct points, so that the arrays of a large mesh grow
    // without copies and touch their memory a huge page at a time.
    void Reserve(size_t n) {
        if (n <= points_.capacity()) return;
        std::vector<Vec3> points;
        std::vector<int32_t> next;
        ReserveLarge(points, n);
        ReserveLarge(next, n);
        points.assign(points_.begin(), points_.end());
        next.assign(next_.begin(), next_.end());
        points_ = std::move(points);
        next_ = std::move(next);
    }

    const std::vector<Vec3>& points() const { return points_; }
    // The stored points, moved out: the index is empty afterwards.
    std::vector<Vec3> TakePoints() {
        std::vector<Vec3> points = std::move(points_);
        *this = PointIndex(tolerance_);
        return points;
    }

private:
    struct Key {
        int64_t x, y, z;
        bool operator==(const Key&) const = default;
    };
    static constexpr int32_t kFree = -1;

    // Cells far out (or a point that is not finite) share the outermost cells;
    // the distance test still tells points apart.
    // (A product by the inverse width rises with v as the quotient does, and
    // that is all the search needs: a point within the tolerance lies in the
    // cubes of the box's corners or between them.)
    int64_t CellOf(double v) const {
        const double c = std::floor(v * inverseCell_);
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
    // The slot holding the key, or the free slot where it would go. A slot
    // holds only the newest point of its cube: the cube is that point's.
    size_t Probe(const Key& k) const {
        const size_t mask = slots_.size() - 1;
        size_t s = static_cast<size_t>(Hash(k)) & mask;
        while (slots_[s] != kFree && !(KeyOf(points_[static_cast<size_t>(slots_[s])]) == k)) s = (s + 1) & mask;
        return s;
    }
    int32_t Head(const Key& k) const { return slots_[Probe(k)]; }
    // False where the cube surely holds no point: a bit per hashed cube, small
    // enough to stay in cache, so that the empty cubes round a new point cost
    // no probe of the large table.
    bool MayHold(const Key& k) const {
        const uint64_t bit = OccupiedBit(k);
        return (occupied_[bit >> 6] >> (bit & 63)) & 1u;
    }
    void Occupy(const Key& k) {
        const uint64_t bit = OccupiedBit(k);
        occupied_[bit >> 6] |= uint64_t{1} << (bit & 63);
    }
    // Eight bits per slot of the table, from the high bits of the hash (the
    // slot comes from the low ones).
    uint64_t OccupiedBit(const Key& k) const { return (Hash(k) >> 20) & (occupied_.size() * 64 - 1); }
    void Grow() {
        std::vector<int32_t> old = std::move(slots_);
        const size_t size = old.empty() ? 64 : old.size() * 2;
        slots_.clear();
        ReserveLarge(slots_, size);
        slots_.assign(size, kFree);
        occupied_.clear();
        ReserveLarge(occupied_, size / 8);
        occupied_.assign(size / 8, 0);
        for (const int32_t head : old) {
            if (head == kFree) continue;
            const Key key = KeyOf(points_[static_cast<size_t>(head)]);
            slots_[Probe(key)] = head;
            Occupy(key);
        }
    }

    double tolerance_;
    double inverseCell_;  // cubes per unit length
    std::vector<Vec3> points_;
    std::vector<int32_t> next_;  // the next point of the same cube, or -1
    std::vector<int32_t> slots_;  // the newest point of a cube, or kFree; a power of two long, at most half in use
    std::vector<uint64_t> occupied_;  // a bit per hashed cube that holds a point
    size_t used_ = 0;
};

// The index's answers for the last few distinct positions inserted, kept by
// their exact coordinates in a small table that stays in cache: a mesh that
// stores each face's corners apart (the Koch surface: six copies of most
// points, near one another in the array) asks for the same position again
// soon, and three lookups in four are answered here without the index's large
// table. An answer kept here is the one the index gives again: a stored point
// equal to the query is the only one within the tolerance, and otherwise the
// earliest stored point within the tolerance stays the earliest.
class RecentPoints {
public:
    explicit RecentPoints(PointIndex& index) : index_(index) {}

    // What `index.Insert(p)` answers.
    int32_t Insert(Vec3 p) {
        Entry& e = entries_[Slot(p)];
        if (e.index >= 0 && e.p.x == p.x && e.p.y == p.y && e.p.z == p.z) return e.index;
        e.p = p;
        e.index = index_.Insert(p);
        return e.index;
    }

private:
    struct Entry {
        Vec3 p;
        int32_t index = -1;
    };
    static size_t Slot(Vec3 p) {
        uint64_t h = std::bit_cast<uint64_t>(p.x) * 0x9E3779B97F4A7C15ull ^
                     std::bit_cast<uint64_t>(p.y) * 0xC2B2AE3D27D4EB4Full ^
                     std::bit_cast<uint64_t>(p.z) * 0x165667B19E3779F9ull;
        h ^= h >> 29;
        return static_cast<size_t>(h >> 7) & (kEntries - 1);
    }
    static constexpr size_t kEntries = 256;
    PointIndex& index_;
    std::array<Entry, kEntries> entries_{};
};

}  // namespace gyro
