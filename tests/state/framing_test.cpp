#include "state/framing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "catalog/catalogue.h"
#include "render/colouring.h"
#include "state/dispatcher.h"
#include "support/picture_box.h"

namespace gyro {
namespace {

// Drawn at the start settings, every figure stays this many pixels inside the
// 256 x 256 start picture.
constexpr int kMinMargin = 2;

// Every figure of the catalogue, chosen as a user chooses it and drawn at the
// start settings: its covered box keeps a margin to every edge.
TEST(Framing, EveryFigureFitsTheStartPicture) {
    std::vector<ShapeId> empty;
    for (const FigureInfo& info : AllFigures()) {
        SCOPED_TRACE(info.number);
        AppState state;
        InitAppState(state);
        ChangeFigure(state, info.number);
        ASSERT_TRUE(CreateBackBuffer(state, state.solid.params.viewx, state.solid.params.viewy));
        RenderFrame(state);
        const BackBuffer& b = state.display.backBuffer;
        EXPECT_EQ(b.width, 256);
        const test::PictureBox box = test::CoveredBox(b, BackgroundColour(state.display));
        if (box.empty()) {
            empty.push_back(info.number);
            continue;
        }
        EXPECT_GE(box.Margin(b.width, b.height), kMinMargin)
            << "box " << box.x0 << "," << box.y0 << " .. " << box.x1 << "," << box.y1;
    }
    // The pyramid-family members that do not exist for the start base {3/1},
    // and the Koch surface, a flat sheet that the start view sees from behind
    // (its hidden lines drawn in the background colour).
    EXPECT_EQ(empty, (std::vector<ShapeId>{409, 413, 451}));
}

// The figure as built against the figure as shown: the same, bit for bit,
// unless it reached the border of the start picture; then every vertex is the
// built one times one factor below 1, so the parts of a combination keep their
// relations. The blob tree is moved, not scaled, to have its box centred.
TEST(Framing, OnlyFiguresThatReachTheBorderAreScaledAndThenAsAWhole) {
    std::vector<ShapeId> scaled;
    for (const FigureInfo& info : AllFigures()) {
        SCOPED_TRACE(info.number);
        Solid built;
        BuildFigure(built, info.number);
        Solid shown = built;
        const double factor = FrameForStartView(shown);
        ASSERT_EQ(shown.vertices.size(), built.vertices.size());
        ASSERT_EQ(shown.faces.size(), built.faces.size());
        if (info.number == 453) {
            const Vec3 shift = shown.vertices.front() - built.vertices.front();
            Vec3 lo = shown.vertices.front(), hi = lo;
            for (size_t i = 0; i < built.vertices.size(); ++i) {
                const Vec3 d = shown.vertices[i] - built.vertices[i] - shift;
                ASSERT_LT(std::fabs(d.x) + std::fabs(d.y) + std::fabs(d.z), 1e-9);
                lo = {std::min(lo.x, shown.vertices[i].x), std::min(lo.y, shown.vertices[i].y),
                      std::min(lo.z, shown.vertices[i].z)};
                hi = {std::max(hi.x, shown.vertices[i].x), std::max(hi.y, shown.vertices[i].y),
                      std::max(hi.z, shown.vertices[i].z)};
            }
            EXPECT_NEAR(lo.x + hi.x, 0.0, 1e-9);
            EXPECT_NEAR(lo.y + hi.y, 0.0, 1e-9);
            EXPECT_NEAR(lo.z + hi.z, 0.0, 1e-9);
            EXPECT_EQ(factor, 1.0);
            continue;
        }
        if (factor == 1.0) {
            for (size_t i = 0; i < built.vertices.size(); ++i) ASSERT_TRUE(shown.vertices[i] == built.vertices[i]);
            continue;
        }
        scaled.push_back(info.number);
        EXPECT_GT(factor, 0.0);
        EXPECT_LT(factor, 1.0);
        EXPECT_LT(StartViewScale(built, 1), 1.0);  // it did reach the border
        EXPECT_GE(StartViewScale(shown, kFrameMargin), 1.0 - 1e-12);  // and now keeps the margin
        for (size_t i = 0; i < built.vertices.size(); ++i) {
            const Vec3 d = shown.vertices[i] - factor * built.vertices[i];
            ASSERT_LT(std::fabs(d.x) + std::fabs(d.y) + std::fabs(d.z), 1e-9);
        }
    }
    // J50, J51, J53, J64, J85-J92 and the combinations with the outer tetrahedron.
    EXPECT_EQ(scaled, (std::vector<ShapeId>{349, 350, 352, 363, 384, 385, 386, 387, 388, 389, 390, 391, 431, 432,
                                            434, 435}));
}

// The factor belongs to the figure: another size standard neither frames a
// figure that fits at the start nor changes the factor of one that does not.
TEST(Framing, TheSizeStandardKeepsItsRatios) {
    for (const ShapeId figure : {1, 5, 25, 431, 434}) {
        SCOPED_TRACE(figure);
        for (const int8_t kikaku : {-1, 0, 1}) {
            Solid built;
            built.params.kikaku = kikaku;
            BuildFigure(built, figure);
            Solid shown = built;
            const double factor = FrameForStartView(shown);
            EXPECT_EQ(factor, FigureFrameScale(figure));
            EXPECT_EQ(factor < 1.0, figure > 400);  // 431 and 434 are framed
            for (size_t i = 0; i < built.vertices.size(); ++i) {
                const Vec3 d = shown.vertices[i] - factor * built.vertices[i];
                ASSERT_LT(std::fabs(d.x) + std::fabs(d.y) + std::fabs(d.z), 1e-9);
            }
        }
    }
}

// Sizes a user sets are the user's: a prism far larger than the picture stays so.
TEST(Framing, FamiliesWithUserSizesAreLeftAsBuilt) {
    Solid solid;
    solid.params.conh = 20000;
    BuildFigure(solid, 402);
    const Solid built = solid;
    EXPECT_LT(StartViewScale(built, 1), 1.0);
    EXPECT_EQ(FrameForStartView(solid), 1.0);
    for (size_t i = 0; i < built.vertices.size(); ++i) EXPECT_TRUE(solid.vertices[i] == built.vertices[i]);
}

}  // namespace
}  // namespace gyro
