#include "io/area_count.h"

#include <gtest/gtest.h>

#include "state/app_state.h"
#include "state/dispatcher.h"
#include "render/render_frame.h"

namespace gyro {
namespace {

// The start state showing no solid at all: only the background (and the
// centre point when it is switched on) is drawn.
struct EmptyView {
    AppState state;
    EmptyView(int w, int h) {
        InitAppState(state);
        BuildFigure(state.solid, 999);  // no builder knows it
        CreateBackBuffer(state, w, h);
    }
    std::string Draw() {
        RenderFrame(state);
        return ProjectedAreaMessage(state.display.backBuffer, state.display);
    }
};

std::string AreaText(int area) {
    return "面積：" + std::to_string(area) + "px\n注：背景色と同じ色はカウントされません。";
}

TEST(ProjectedArea, BackgroundOnlyIsZeroAndTheCentrePointIsOne) {
    EmptyView view(200, 150);
    EXPECT_EQ(view.Draw(), AreaText(0));
    view.state.display.ctpix = 1;
    EXPECT_EQ(view.Draw(), AreaText(1));
    // Both eyes of a stereo pair carry a centre point.
    view.state.display.stereoon = 1;
    view.state.display.stereodist = 40;
    EXPECT_EQ(view.Draw(), AreaText(2));
}

TEST(ProjectedArea, CountsAgainstTheBackgroundOfEveryMode) {
    for (int8_t mode : {0, 1, 2}) {
        EmptyView view(64, 48);
        view.state.display.bkmode = mode;
        view.state.display.bkcol = 0x00123456;
        EXPECT_EQ(view.Draw(), AreaText(0)) << int(mode);
        // Three pixels in the colours the other modes use as background.
        std::vector<uint32_t>& px = view.state.display.backBuffer.pixels;
        px[0] = 0x00000000;
        px[1] = 0x00FFFFFF;
        px[2] = 0x00123456;
        EXPECT_EQ(ProjectedAreaMessage(view.state.display.backBuffer, view.state.display), AreaText(2)) << int(mode);
    }
}

TEST(ProjectedArea, RefusesPicturesOfTwoToTheTwentyPixels) {
    BackBuffer big;
    big.width = 1024;
    big.height = 1024;
    big.pixels.assign(size_t{1024} * 1024, 0x00FFFFFF);
    EXPECT_FALSE(CountProjectedArea(big, 0).has_value());
    DisplaySettings display;
    EXPECT_EQ(ProjectedAreaMessage(big, display), "画面サイズが大き過ぎるので敬遠します。");

    big.height = 1023;
    big.pixels.resize(size_t{1024} * 1023);
    EXPECT_EQ(CountProjectedArea(big, 0), int64_t{1024} * 1023);
    EXPECT_EQ(CountProjectedArea(big, 0x00FFFFFF), 0);
    EXPECT_EQ(CountProjectedArea(BackBuffer{}, 0), 0);
}

}  // namespace
}  // namespace gyro
