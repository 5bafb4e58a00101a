#include "state/scaled_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "render/colouring.h"
#include "state/dispatcher.h"
#include "support/picture_box.h"

namespace gyro {
namespace {

struct Style {
    const char* name;
    ShapeId figure;
    int8_t person;
    int8_t stereoon;
    double rad;
};

AppState Started(const Style& style) {
    AppState state;
    InitAppState(state);
    ChangeFigure(state, style.figure);
    state.display.person = style.person;
    state.display.stereoon = style.stereoon;
    state.view.rad = style.rad;
    CreateBackBuffer(state, 200, 150);
    return state;
}

// Drawn at twice the pixels, the picture covers twice the box (within the two
// pixels that rounding may move an edge), and the state, its back buffer
// included, is as it was.
TEST(ScaledFrame, TwiceThePixelsShowTheSamePicture) {
    const Style styles[] = {
        {"cube in perspective", 5, 1, 0, 1.0},
        {"dodecahedron, parallel", 9, 0, 0, 1.3},
        {"icosahedron, stereo pair", 11, 1, 1, 0.7},
        {"J91 as shown", 390, 1, 0, 1.0},
    };
    for (const Style& style : styles) {
        SCOPED_TRACE(style.name);
        AppState state = Started(style);
        RenderFrame(state);
        const BackBuffer logical = state.display.backBuffer;
        const ViewState view = state.view;
        const DisplaySettings display = state.display;

        BackBuffer fine;
        ASSERT_TRUE(RenderFrameAtScale(state, 2.0, fine));
        EXPECT_EQ(fine.width, 400);
        EXPECT_EQ(fine.height, 300);
        EXPECT_EQ(state.display.backBuffer.pixels, logical.pixels);
        EXPECT_EQ(state.solid.params.viewx, 200);
        EXPECT_EQ(state.solid.params.viewy, 150);
        EXPECT_EQ(state.view.rad, view.rad);
        EXPECT_EQ(state.display.persdz, display.persdz);
        EXPECT_EQ(state.display.stereodist, display.stereodist);

        const Colour background = BackgroundColour(state.display);
        const test::PictureBox a = test::CoveredBox(logical, background);
        const test::PictureBox b = test::CoveredBox(fine, background);
        ASSERT_FALSE(a.empty());
        EXPECT_NEAR(b.x0, 2 * a.x0, 2);
        EXPECT_NEAR(b.y0, 2 * a.y0, 2);
        EXPECT_NEAR(b.x1, 2 * a.x1 + 1, 2);
        EXPECT_NEAR(b.y1, 2 * a.y1 + 1, 2);

        // Finer, not bigger blocks: some 2 x 2 cell on an edge holds two colours.
        int mixed = 0;
        for (int y = 0; y + 1 < fine.height; y += 2) {
            for (int x = 0; x + 1 < fine.width; x += 2) {
                const auto at = [&](int px, int py) { return fine.pixels[size_t(py) * size_t(fine.width) + size_t(px)]; };
                const Colour c = at(x, y);
                if (at(x + 1, y) != c || at(x, y + 1) != c || at(x + 1, y + 1) != c) ++mixed;
            }
        }
        EXPECT_GT(mixed, 50);
    }
}

TEST(ScaledFrame, ScaleOneIsTheFrameItselfAndNonsenseScalesDrawNothing) {
    AppState state = Started({"cube", 5, 1, 0, 1.0});
    RenderFrame(state);
    BackBuffer same;
    ASSERT_TRUE(RenderFrameAtScale(state, 1.0, same));
    EXPECT_EQ(same.pixels, state.display.backBuffer.pixels);

    for (double scale : {0.0, -2.0, std::nan(""), std::numeric_limits<double>::infinity(), 100.0}) {
        BackBuffer none;
        EXPECT_FALSE(RenderFrameAtScale(state, scale, none)) << scale;  // 100: past the view limits
        EXPECT_FALSE(none.exists());
    }
}

}  // namespace
}  // namespace gyro
