#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "render/raster_surface.h"
#include "render/render_frame.h"
#include "state/app_state.h"
#include "state/dispatcher.h"

namespace gyro {
namespace {

// The rasterizer behind a surface that asks for every call and takes outlines
// line by line: the frame as drawn before any call is left out.
class EveryCallSurface final : public Surface {
public:
    explicit EveryCallSurface(BackBuffer& buffer) : inner_(buffer) {}
    int32_t Width() const override { return inner_.Width(); }
    int32_t Height() const override { return inner_.Height(); }
    void FillRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, Colour colour) override {
        inner_.FillRect(x0, y0, x1, y1, colour);
    }
    void FillPolygons(const Point* points, const int32_t* counts, int32_t polygonCount, Colour colour) override {
        inner_.FillPolygons(points, counts, polygonCount, colour);
    }
    void DrawLine(Point a, Point b, int32_t width, Colour colour) override { inner_.DrawLine(a, b, width, colour); }
    void SetPixel(int32_t x, int32_t y, Colour colour) override { inner_.SetPixel(x, y, colour); }
    bool ClearDepth() override { return inner_.ClearDepth(); }
    void FillPolygonsDepth(const Point* points, const int32_t* counts, int32_t polygonCount, const DepthPlane& plane,
                           uint32_t id, bool paint, Colour colour) override {
        inner_.FillPolygonsDepth(points, counts, polygonCount, plane, id, paint, colour);
    }
    void DrawLineDepth(Point a, Point b, float ka, float kb, uint32_t idA, uint32_t idB, float slack, bool front,
                       int32_t width, Colour colour) override {
        inner_.DrawLineDepth(a, b, ka, kb, idA, idB, slack, front, width, colour);
    }
    void SetPixelDepth(int32_t x, int32_t y, float key, uint32_t id, Colour colour) override {
        inner_.SetPixelDepth(x, y, key, id, colour);
    }

private:
    RasterSurface inner_;
};

struct FrameCase {
    const char* name;
    ShapeId figure;
    int8_t fracn;
    void (*setup)(AppState&);
};

void TurnedView(AppState& s) {
    const double a = 1 / std::sqrt(2.0), b = 1 / std::sqrt(6.0), c = 1 / std::sqrt(3.0);
    s.view.ax = {{{a, b, c}, {-a, b, c}, {0, -2 * b, c}}};
}

const FrameCase kCases[] = {
    {"tetrahedra, face on", 440, 7, [](AppState&) {}},
    {"tetrahedra, thick lines", 440, 6, [](AppState& s) { TurnedView(s); s.display.penbold = 0; }},
    {"dodecahedra", 443, 2, TurnedView},
    {"dodecahedra, reversed", 443, 2, [](AppState& s) { TurnedView(s); s.display.rezerse = 1; }},
    {"dodecahedra, reversed thick", 443, 2,
     [](AppState& s) { TurnedView(s); s.display.rezerse = 1; s.display.penbold = 0; s.display.urapenbold = 0; }},
    {"dodecahedra, transparent", 443, 2, [](AppState& s) { TurnedView(s); s.display.facecolmode = 0; }},
    {"dodecahedra, opaque", 443, 2, [](AppState& s) { TurnedView(s); s.display.facecolmode = 1; }},
    {"dodecahedra, no hidden lines", 443, 2, [](AppState& s) { TurnedView(s); s.display.urapenbold = 2; }},
    {"dodecahedra, no lines", 443, 2, [](AppState& s) { TurnedView(s); s.display.penbold = 2; }},
    {"icosahedra, stereo", 444, 2, [](AppState& s) { TurnedView(s); s.display.stereoon = 1; }},
    // Zoomed in, many copies lie off the picture or reach across its border.
    {"cuboctahedra, zoomed", 445, 3, [](AppState& s) { TurnedView(s); s.view.rad = 12; s.display.penbold = 0; }},
    // The eye close by: some copies are behind it, some cut through its plane.
    {"rhombic triacontahedra, eye close", 448, 2,
     [](AppState& s) { TurnedView(s); s.display.persdz = 40; s.view.rad = 4; }},
    // Zoomed far out, whole copies shrink to a pixel.
    {"octahedra, tiny", 442, 6, [](AppState& s) { TurnedView(s); s.view.rad = 0.03; }},
    // At the deepest levels most copies fall within two by two pixels.
    {"dodecahedra, deepest", 443, 4, TurnedView},
    {"dodecahedra, deepest, face on", 443, 4, [](AppState&) {}},
    {"icosahedra, deepest, stereo", 444, 4, [](AppState& s) { TurnedView(s); s.display.stereoon = 1; }},
    {"icosahedra, deepest, opaque", 444, 4, [](AppState& s) { TurnedView(s); s.display.facecolmode = 1; }},
    {"octahedra, deepest, own colours", 442, 6,
     [](AppState& s) { TurnedView(s); s.display.facecolmode = 9; s.display.urapencolmode = 5; }},
    {"tetrahedra, deepest, parallel view", 440, 7, [](AppState& s) { TurnedView(s); s.display.person = 0; }},
    {"cube", 5, 0, [](AppState& s) { TurnedView(s); s.display.penbold = 0; }},
    {"ellipsoid, coloured", 415, 0, [](AppState& s) { TurnedView(s); s.display.facecolmode = 9; }},
};

class PixelSurface : public ::testing::TestWithParam<FrameCase> {};

void ExpectSamePictureBothWays(const FrameCase& c, int8_t exact);

// Leaving out calls that cannot change the picture, culling copies and the
// outline fast paths all give the very pixels of drawing everything, in exact
// and in stored-order drawing.
TEST_P(PixelSurface, LeavesThePictureAsDrawingEveryCall) {
    for (const int8_t exact : {1, 0}) {
        SCOPED_TRACE(exact ? "exact" : "stored order");
        ExpectSamePictureBothWays(GetParam(), exact);
    }
}

void ExpectSamePictureBothWays(const FrameCase& c, int8_t exact) {
    AppState state;
    ASSERT_NE(ChangeFigure(state, c.figure), 0);
    state.display.fracn = c.fracn;
    state.display.exactdepth = exact;
    c.setup(state);
    ASSERT_TRUE(CreateBackBuffer(state, 203, 151));

    RenderFrame(state);
    const std::vector<Colour> fast = state.display.backBuffer.pixels;
    EveryCallSurface everyCall(state.display.backBuffer);
    RenderFrame(state, everyCall);
    const std::vector<Colour>& full = state.display.backBuffer.pixels;

    int32_t differing = 0;
    for (size_t i = 0; i < full.size(); ++i) differing += fast[i] != full[i];
    EXPECT_EQ(differing, 0);
    // The case draws something beyond the background.
    int32_t drawn = 0;
    for (Colour p : full) drawn += p != full[0];
    EXPECT_GT(drawn, 0);
}

INSTANTIATE_TEST_SUITE_P(Frames, PixelSurface, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string name;
    for (const char* p = info.param.name; *p != 0; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
});

// A mesh too large to keep its view-space points takes another way to the
// facing tests; the same faces must come out the same. The large mesh is the
// small one with unused vertices added, and both carry degenerate faces: a
// repeated corner and two vertices at one place.
TEST(PixelSurface, LargeMeshesFaceAndShadeLikeSmallOnes) {
    AppState state;
    ASSERT_NE(ChangeFigure(state, 55), 0);  // snub dodecahedron: triangles and pentagons
    ASSERT_TRUE(CreateBackBuffer(state, 203, 151));
    TurnedView(state);
    Solid& solid = state.solid;
    const int32_t n = solid.vertexCount();
    ASSERT_LT(static_cast<size_t>(n), kViewCacheVertices);
    const Face first = solid.faces[0];
    Face repeated = first;
    repeated.corners = {first.corners[0], first.corners[0], first.corners[1], first.corners[2]};
    repeated.polygonSize = 4;
    Face coincident = solid.faces[1];
    solid.vertices.push_back(solid.vertices[coincident.corners[0]]);  // vertex n
    coincident.corners[1] = n;
    solid.faces.push_back(repeated);
    solid.faces.push_back(coincident);
    const Solid small = solid;

    struct Setting {
        int8_t facecolmode, rezerse, stereoon, person;
    };
    // The snub dodecahedron is convex, so both drawing modes take the stored
    // order; taken as not convex, the exact drawing must agree as well.
    for (const bool convex : {true, false})
    for (const Setting& st : {Setting{2, 0, 0, 1}, Setting{9, 1, 0, 1}, Setting{1, 0, 1, 1}, Setting{6, 0, 0, 0}}) {
        SCOPED_TRACE(convex ? "as convex" : "as not convex");
        state.display.facecolmode = st.facecolmode;
        state.display.rezerse = st.rezerse;
        state.display.stereoon = st.stereoon;
        state.display.person = st.person;
        state.solid = small;
        state.solid.convex = convex;
        RenderFrame(state);
        const std::vector<Colour> expected = state.display.backBuffer.pixels;
        state.solid.vertices.resize(kViewCacheVertices + 10, Vec3{5000, 5000, 5000});
        RenderFrame(state);
        EXPECT_EQ(state.display.backBuffer.pixels, expected) << "facecolmode " << int{st.facecolmode};
    }
}

}  // namespace
}  // namespace gyro
