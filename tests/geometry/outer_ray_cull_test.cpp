#include <gtest/gtest.h>

#include <array>

#include "geometry/outer_exact.h"

namespace gyro::outer {
namespace {

using A3 = std::array<double, 3>;

// The seed rays skip a triangle when its box is surely missed: a miss reported
// for a box the segment does meet would hide the nearest crossing, so every
// row that meets must say so, at the edges of the cases the clipping splits.
TEST(OuterRayCull, SegmentMeetsOrSurelyMissesTheBox) {
    const A3 lo{0.0, 0.0, 0.0};
    const A3 hi{1.0, 1.0, 1.0};
    struct Row {
        const char* what;
        A3 p, q;
        double margin;
        bool meets;
    };
    const Row rows[] = {
        {"through the middle", {-1, -1, -1}, {2, 2, 2}, 0.0, true},
        {"reversed", {2, 2, 2}, {-1, -1, -1}, 0.0, true},
        {"ends inside", {5, 0.5, 0.5}, {0.5, 0.5, 0.5}, 0.0, true},
        {"wholly inside", {0.2, 0.2, 0.2}, {0.8, 0.7, 0.6}, 0.0, true},
        {"a point inside", {0.5, 0.5, 0.5}, {0.5, 0.5, 0.5}, 0.0, true},
        {"a point outside", {1.5, 0.5, 0.5}, {1.5, 0.5, 0.5}, 0.0, false},
        {"along x within the slabs", {-3, 0.5, 0.5}, {3, 0.5, 0.5}, 0.0, true},
        {"along x beside the box", {-3, 1.5, 0.5}, {3, 1.5, 0.5}, 0.0, false},
        {"along x on a face", {-3, 1.0, 0.5}, {3, 1.0, 0.5}, 0.0, true},
        {"stops short", {-3, 0.5, 0.5}, {-0.5, 0.5, 0.5}, 0.0, false},
        {"starts beyond", {1.5, 0.5, 0.5}, {3, 0.5, 0.5}, 0.0, false},
        {"through a corner", {-1, -1, 0}, {1, 1, 2}, 0.0, true},
        {"past a corner", {-1, 0.1, 0.5}, {0.1, -1, 0.5}, 0.0, false},
        {"past a corner within the margin", {-1, 0.1, 0.5}, {0.1, -1, 0.5}, 0.5, true},
        {"slanted, lines cross but not the segment", {2, -1, 0.5}, {3, 2, 0.5}, 0.0, false},
        {"long ray from far away", {400, 148, 84}, {0.5, 0.5, 0.5}, 1e-9, true},
        {"long ray passing by", {400, 148, 84}, {0.5, 3.0, 0.5}, 1e-9, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SegmentMayMeetBox(row.p, row.q, lo, hi, row.margin), row.meets) << row.what;
    }
}

}  // namespace
}  // namespace gyro::outer
