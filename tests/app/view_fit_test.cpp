#include "app/view_fit.h"

#include <gtest/gtest.h>

#include "shell/shell_state.h"
#include "model/limits.h"

namespace gyro {
namespace {

TEST(ViewFit, TheClientAreaAboveTheBandWithinTheLimits) {
    struct Row {
        int64_t w, h;
        ClientView expected;
    };
    const Row rows[] = {
        {256, 288, {256, 256}},
        {1920, 1040, {1920, 1040 - kStatusBandHeight}},
        {300, kStatusBandHeight, {300, kMinViewSide}},       // no room above the band
        {0, 0, {kMinViewSide, kMinViewSide}},
        {-5, -100, {kMinViewSide, kMinViewSide}},
        {20000, 9000, {kMaxViewSide, kMaxViewSide}},
        {int64_t{1} << 40, 500, {kMaxViewSide, 500 - kStatusBandHeight}},
    };
    for (const Row& row : rows) EXPECT_EQ(ViewForClient(row.w, row.h), row.expected) << row.w << "x" << row.h;
}

TEST(ViewFit, WhichWindowShapesSetTheDrawingArea) {
    struct Row {
        int8_t fitwindow;
        WindowShape shape;
        bool sets;
    };
    const Row rows[] = {
        {0, WindowShape::Normal, true},     {0, WindowShape::Maximised, false},
        {0, WindowShape::Minimised, false}, {1, WindowShape::Normal, true},
        {1, WindowShape::Maximised, true},  {1, WindowShape::Minimised, false},
    };
    for (const Row& row : rows) {
        DisplaySettings d;
        d.fitwindow = row.fitwindow;
        EXPECT_EQ(ClientSizeSetsView(d, row.shape), row.sets) << int{row.fitwindow} << " " << int(row.shape);
    }
    EXPECT_EQ(DisplaySettings{}.fitwindow, 0);  // off at start
}

}  // namespace
}  // namespace gyro
