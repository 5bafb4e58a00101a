#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "model/colour.h"
#include "model/solid_ops.h"
#include "render/colouring.h"
#include "render/lighting.h"
#include "render/render_frame.h"
#include "state/app_state.h"
#include "render/raster_surface.h"
#include "render/recording_surface.h"

namespace gyro {
namespace {

using test::RecordingSurface;
using Kind = RecordingSurface::Kind;

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;

// An 800-unit cube; vertex i has x, y, z positive where bits 0, 1, 2 of i are set.
Solid MakeCube() {
    Solid s;
    for (int i = 0; i < 8; ++i) s.vertices.push_back({i & 1 ? 400.0 : -400.0, i & 2 ? 400.0 : -400.0, i & 4 ? 400.0 : -400.0});
    const int32_t faces[6][4] = {{4, 6, 7, 5}, {0, 1, 3, 2}, {1, 5, 7, 3}, {0, 2, 6, 4}, {2, 3, 7, 6}, {0, 4, 5, 1}};
    s.faces.resize(6);
    for (int f = 0; f < 6; ++f) {
        SetFacePolygon(s.faces[f], 4);
        s.faces[f].corners.assign(faces[f], faces[f] + 4);
    }
    return s;
}

// Looking at the cube's (+,+,+) corner: faces +x, +y, +z (stored 0, 2, 4) face the viewer.
AppState CubeState() {
    AppState state;
    state.solid = MakeCube();
    const double a = 1 / std::sqrt(2.0), b = 1 / std::sqrt(6.0), c = 1 / std::sqrt(3.0);
    state.view.ax = {{{a, b, c}, {-a, b, c}, {0, -2 * b, c}}};
    return state;
}

RecordingSurface Draw(AppState& state) {
    RecordingSurface surface(state.solid.params.viewx, state.solid.params.viewy);
    RenderFrame(state, surface);
    return surface;
}

// Index of the first and last call of a kind and colour, -1 when absent.
std::pair<int, int> Span(const RecordingSurface& s, Kind kind, Colour colour) {
    int first = -1, last = -1;
    for (int i = 0; i < static_cast<int>(s.calls.size()); ++i) {
        if (s.calls[i].kind == kind && s.calls[i].colour == colour) {
            if (first < 0) first = i;
            last = i;
        }
    }
    return {first, last};
}

TEST(RenderFrame, StartValuesShadeFrontFacesThenBlackBackEdgesThenWhiteFrontEdges) {
    AppState state = CubeState();
    const RecordingSurface s = Draw(state);
    ASSERT_FALSE(s.calls.empty());
    const auto& bg = s.calls.front();
    EXPECT_EQ(bg.kind, Kind::Rect);
    EXPECT_EQ(bg.colour, kBlack);
    EXPECT_EQ(bg.points[1].x, 256);
    EXPECT_EQ(bg.points[1].y, 256);

    const auto fills = s.Of(Kind::Polygons);
    ASSERT_EQ(fills.size(), 3u);
    // The three faces are equally inclined to the light from the viewer: one grey shade.
    const DisplaySettings& d = state.display;
    const double v = 1 / std::sqrt(3.0);
    const double brightness = (d.lightmax - d.lightmin) * v / 100 + d.lightmin / 100.0;
    for (const auto& f : fills) {
        EXPECT_EQ(f.counts, std::vector<int32_t>{4});
        EXPECT_EQ(f.colour, ShadeColour(d, 0x808080, brightness));
    }
    EXPECT_EQ(s.CountLines(kWhite, 1), 24);  // front edges in the fill and the visible pass
    EXPECT_EQ(s.CountLines(kBlack, 1), 12);  // back edges
    EXPECT_EQ(s.Count(Kind::Line), 36);
    const auto black = Span(s, Kind::Line, kBlack);
    EXPECT_GT(black.first, Span(s, Kind::Polygons, fills[0].colour).second);  // drawn over the fills
    EXPECT_LT(black.second, s.calls.size() - 12);                              // and under the last white pass
    for (size_t i = s.calls.size() - 12; i < s.calls.size(); ++i) EXPECT_EQ(s.calls[i].colour, kWhite);
    // The nearest corner is at the centre of the picture.
    std::set<std::pair<int, int>> corners;
    for (const auto& f : fills)
        for (const Point& p : f.points) corners.insert({p.x, p.y});
    EXPECT_EQ(corners.count({128, 128}), 1u);
    EXPECT_EQ(corners.size(), 7u);
}

TEST(RenderFrame, OutlineModes) {
    AppState state = CubeState();
    state.display.facecolmode = 0;  // every face's outline, nothing else
    RecordingSurface s = Draw(state);
    EXPECT_EQ(s.Count(Kind::Polygons), 0);
    EXPECT_EQ(s.CountLines(kWhite, 1), 24);
    EXPECT_EQ(s.Count(Kind::Line), 24);

    for (int8_t mode : {int8_t{1}, int8_t{12}, int8_t{127}}) {  // beyond 11: unfilled like 1
        state.display.facecolmode = mode;
        s = Draw(state);
        EXPECT_EQ(s.Count(Kind::Polygons), 0) << int{mode};
        EXPECT_EQ(s.CountLines(kWhite, 1), 24) << int{mode};
        EXPECT_EQ(s.CountLines(kBlack, 1), 12) << int{mode};
    }
    state.display.facecolmode = -3;  // negative: like the start value
    EXPECT_EQ(Draw(state).Count(Kind::Polygons), 3);
}

TEST(RenderFrame, InsideViewFillsTheFarFacesUnderTheNearOutlines) {
    AppState state = CubeState();
    state.display.rezerse = 1;
    const RecordingSurface s = Draw(state);
    EXPECT_EQ(s.Count(Kind::Polygons), 3);
    EXPECT_EQ(s.CountLines(kBlack, 1), 24);  // far faces: fill pass and hidden pass
    EXPECT_EQ(s.CountLines(kWhite, 1), 12);  // near faces last
    for (size_t i = s.calls.size() - 12; i < s.calls.size(); ++i) EXPECT_EQ(s.calls[i].colour, kWhite);
}

TEST(RenderFrame, LineWidthsAndNoLines) {
    AppState state = CubeState();
    state.display.penbold = 0;  // hidden lines "same as visible": thick too
    RecordingSurface s = Draw(state);
    EXPECT_EQ(s.CountLines(kBlack, 3), 12);
    EXPECT_EQ(s.CountLines(kWhite, 3), 24);

    state.display.penbold = 2;  // no lines, and hidden lines follow
    s = Draw(state);
    EXPECT_EQ(s.Count(Kind::Polygons), 3);
    EXPECT_EQ(s.Count(Kind::Line), 0);

    state.display.urapenbold = 1;  // explicit thin hidden lines still show
    s = Draw(state);
    EXPECT_EQ(s.CountLines(kBlack, 1), 12);
    EXPECT_EQ(s.Count(Kind::Line), 12);

    state.display.urapenbold = 3;
    state.solid.segments = {{0, 7}};  // a solid with segments keeps its lines one pixel wide
    s = Draw(state);
    EXPECT_EQ(s.CountLines(kWhite, 1), 13);
    EXPECT_EQ(s.Count(Kind::Line), 13);

    state.display.penbold = 1;
    state.display.urapenbold = 2;  // no hidden lines: the fill pass already drew the front edges
    state.solid.segments.clear();
    s = Draw(state);
    EXPECT_EQ(s.CountLines(kWhite, 1), 12);
    EXPECT_EQ(s.Count(Kind::Line), 12);
}

TEST(RenderFrame, CyanBackgroundGivesRedLines) {
    AppState state = CubeState();
    state.display.bkmode = 2;
    state.display.urapencolmode = 6;
    const RecordingSurface s = Draw(state);
    EXPECT_EQ(s.calls.front().colour, 0x00FFFF00u);
    EXPECT_EQ(s.CountLines(0x000000FF, 1), 24);
    EXPECT_EQ(s.CountLines(BlendColour(0x00FFFF00, 0x000000FF, 128), 1), 12);
}

TEST(RenderFrame, StereoDrawsTwoShiftedImagesWithTheirCentrePoints) {
    AppState state = CubeState();
    state.display.stereoon = 1;
    state.display.ctpix = 1;
    state.display.person = 0;
    const RecordingSurface s = Draw(state);
    const auto pixels = s.Of(Kind::Pixel);
    ASSERT_EQ(pixels.size(), 2u);
    EXPECT_EQ(pixels[0].points[0].x, 0);
    EXPECT_EQ(pixels[1].points[0].x, 256);
    EXPECT_EQ(pixels[1].points[0].x - pixels[0].points[0].x, 2 * state.display.stereodist);
    EXPECT_EQ(pixels[0].points[0].y, 128);
    EXPECT_EQ(pixels[0].colour, kWhite);

    // Without perspective the images differ only by the shift (up to each one's rounding).
    const auto fills = s.Of(Kind::Polygons);
    ASSERT_EQ(fills.size(), 6u);
    EXPECT_NEAR(fills[3].points[0].x - fills[0].points[0].x, 256, 1);
    EXPECT_EQ(fills[3].points[0].y, fills[0].points[0].y);
    int firstPixel = -1, secondFill = -1, fillsSeen = 0;
    for (int i = 0; i < static_cast<int>(s.calls.size()); ++i) {
        if (s.calls[i].kind == Kind::Pixel && firstPixel < 0) firstPixel = i;
        if (s.calls[i].kind == Kind::Polygons && ++fillsSeen == 4) secondFill = i;
    }
    EXPECT_LT(firstPixel, secondFill);
    EXPECT_EQ(s.calls.back().kind, Kind::Pixel);
}

TEST(RenderFrame, NothingDrawnWithoutAnImage) {
    AppState state = CubeState();
    state.display.persdz = 0;
    state.display.ctpix = 1;
    RecordingSurface s = Draw(state);
    EXPECT_EQ(s.calls.size(), 2u);  // background and centre point only
    EXPECT_EQ(s.Count(Kind::Pixel), 1);

    // Zoomed so far that the near corner passes the eye: the faces through it are
    // skipped, the far faces are still drawn, and no coordinate runs away.
    state.display.persdz = 500;
    state.view.rad = 8;
    s = Draw(state);
    EXPECT_EQ(s.Count(Kind::Polygons), 0);
    EXPECT_EQ(s.CountLines(kBlack, 1), 12);
    EXPECT_EQ(s.CountLines(kWhite, 1), 0);
    for (const auto& c : s.calls)
        for (const Point& p : c.points) {
            EXPECT_LE(std::abs(int64_t{p.x}), kPixelLimit);
            EXPECT_LE(std::abs(int64_t{p.y}), kPixelLimit);
        }
}

TEST(RenderFrame, MalformedFacesAndSegmentsAreSkipped) {
    AppState state = CubeState();
    state.display.facecolmode = 0;
    Solid& s = state.solid;
    s.faces.resize(3);
    s.faces[0].corners = {0, 1, 3, 99};     // index past the vertices
    s.faces[1].polygonSize = 1;             // one corner only
    s.faces[1].polygonCount = 1;
    s.faces[1].corners = {0};
    s.faces[2].polygonSize = 2;             // a two-corner face is a line there and back
    s.faces[2].polygonCount = 1;
    s.faces[2].corners = {0, 7};
    s.segments = {{0, -1}, {8, 1}, {1, 2}};
    const RecordingSurface r = Draw(state);
    EXPECT_EQ(r.Count(Kind::Line), 3);
}

TEST(RenderFrame, FractalCopiesFarthestFirstColouredByTopBranch) {
    AppState state = CubeState();
    state.solid.fractalDepthMax = 2;
    state.solid.fractalRatio = 0.5;
    state.display.facecolmode = 10;
    state.display.penbold = 2;  // fills only
    state.display.fracn = 0;
    EXPECT_EQ(Draw(state).Count(Kind::Polygons), 3);
    state.display.fracn = 2;
    EXPECT_EQ(Draw(state).Count(Kind::Polygons), 3 * 64);
    state.display.fracn = 100;  // beyond the figure's limit: held to it
    EXPECT_EQ(Draw(state).Count(Kind::Polygons), 3 * 64);

    state.display.fracn = 1;
    state.display.lightmode = 0;  // base colours unshaded
    const auto fills = Draw(state).Of(Kind::Polygons);
    ASSERT_EQ(fills.size(), 24u);
    const auto& palette = state.solid.params.palette;
    EXPECT_EQ(fills.front().colour, palette[0]);  // vertex 0 (-,-,-) is the farthest
    EXPECT_EQ(fills.back().colour, palette[7]);   // vertex 7 (+,+,+) the nearest
    std::set<Colour> colours;
    for (const auto& f : fills) colours.insert(f.colour);
    EXPECT_EQ(colours.size(), 8u);
    // The copies are half size, each touching its vertex: the near copy's near corner is the cube's.
    bool touches = false;
    for (const Point& p : fills.back().points) touches |= p.x == 128 && p.y == 128;
    EXPECT_TRUE(touches);
}

TEST(RenderFrame, AutoRotationSetsTheOrientationFirst) {
    AppState state = CubeState();
    state.view.autoroton = 1;
    state.view.autorotarg1 = 450;
    state.view.autorotarg2 = 300;
    ViewState expected = state.view;
    SetAutoRotationAxes(expected);
    Draw(state);
    EXPECT_EQ(state.view.ax, expected.ax);
}

TEST(CreateBackBuffer, SizesTheAreaAndTheBuffer) {
    AppState state;
    EXPECT_TRUE(CreateBackBuffer(state, 300, 200));
    EXPECT_EQ(state.solid.params.viewx, 300);
    EXPECT_EQ(state.solid.params.viewy, 200);
    EXPECT_EQ(state.display.backBuffer.width, 300);
    EXPECT_EQ(state.display.backBuffer.pixels.size(), 60000u);
    EXPECT_TRUE(CreateBackBuffer(state, 0, -7));
    EXPECT_EQ(state.solid.params.viewx, 1);
    EXPECT_EQ(state.solid.params.viewy, 1);
    EXPECT_EQ(state.display.backBuffer.pixels.size(), 1u);
    EXPECT_TRUE(CreateBackBuffer(state, 4, kMaxViewSide + 5));
    EXPECT_EQ(state.solid.params.viewy, kMaxViewSide);
    EXPECT_EQ(state.display.backBuffer.height, kMaxViewSide);
}

TEST(RenderFrame, DrawsIntoTheBackBufferOnlyOnceItExists) {
    AppState state = CubeState();
    RenderFrame(state);  // no buffer yet: nothing happens
    ASSERT_TRUE(CreateBackBuffer(state, 64, 48));
    state.display.bkmode = 1;
    state.view.rad = 0.5;
    RenderFrame(state);
    const BackBuffer& b = state.display.backBuffer;
    EXPECT_EQ(b.pixels[0], 0x00FFFFFFu);                // background
    EXPECT_EQ(b.pixels[24 * 64 + 32], 0x00000000u);      // the nearest corner: black lines on white
    EXPECT_NE(b.pixels[18 * 64 + 32], 0x00FFFFFFu);      // inside the top face: shaded
}

}  // namespace
}  // namespace gyro
