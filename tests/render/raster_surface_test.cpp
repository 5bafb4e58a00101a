#include "render/raster_surface.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <cstdint>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace gyro {
namespace {

constexpr Colour kBlack = 0x00000000;
constexpr Colour kRed = 0x000000FF;
constexpr Colour kBlue = 0x00FF0000;

BackBuffer MakeBuffer(int32_t w, int32_t h) {
    BackBuffer b;
    EXPECT_TRUE(ResizeBackBuffer(b, w, h));
    return b;
}

Colour At(const BackBuffer& b, int32_t x, int32_t y) { return b.pixels[static_cast<size_t>(y) * b.width + x]; }

__extension__ typedef __int128 Int128;

using PixelSet = std::set<std::pair<int32_t, int32_t>>;

PixelSet PixelsOf(const BackBuffer& b, Colour c) {
    PixelSet s;
    for (int32_t y = 0; y < b.height; ++y)
        for (int32_t x = 0; x < b.width; ++x)
            if (At(b, x, y) == c) s.insert({x, y});
    return s;
}

// Independent statement of the fill rule: the centre (x + 0.5, y + 0.5) is inside
// when an odd number of edges cross its row at or left of it.
bool CentreInside(const std::vector<Point>& pts, const std::vector<int32_t>& counts, int32_t px, int32_t py) {
    int crossings = 0;
    size_t base = 0;
    for (int32_t n : counts) {
        for (int32_t i = 0; i < n; ++i) {
            Point a = pts[base + i];
            Point b = pts[base + (i + 1) % n];
            if (a.y == b.y) continue;
            if (a.y > b.y) std::swap(a, b);
            if (py < a.y || py >= b.y) continue;
            // crossing x = a.x + (py + 0.5 - a.y) * dx / dy <= px + 0.5, times 2 * dy
            const int64_t dx = int64_t{b.x} - a.x;
            const int64_t dy = int64_t{b.y} - a.y;
            if (2 * dy * a.x + (2 * (int64_t{py} - a.y) + 1) * dx <= 2 * dy * px + dy) ++crossings;
        }
        base += n;
    }
    return crossings % 2 == 1;
}

PixelSet ReferenceFill(const std::vector<Point>& pts, const std::vector<int32_t>& counts, int32_t w, int32_t h) {
    PixelSet s;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            if (CentreInside(pts, counts, x, y)) s.insert({x, y});
    return s;
}

PixelSet Fill(int32_t w, int32_t h, const std::vector<Point>& pts, const std::vector<int32_t>& counts) {
    BackBuffer b = MakeBuffer(w, h);
    RasterSurface s(b);
    s.FillPolygons(pts.data(), counts.data(), static_cast<int32_t>(counts.size()), kRed);
    return PixelsOf(b, kRed);
}

// Independent statement of the thin line: step i along the major axis puts the
// minor coordinate at round-half-away-from-a of i * dv / du. Column by column.
PixelSet ReferenceLine(Point a, Point b, int32_t w, int32_t h) {
    PixelSet s;
    const int64_t dx = int64_t{b.x} - a.x, dy = int64_t{b.y} - a.y;
    const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const bool xMajor = adx >= ady;
    const int64_t du = xMajor ? adx : ady, dv = xMajor ? ady : adx;
    const int64_t su = (xMajor ? dx : dy) > 0 ? 1 : -1, sv = (xMajor ? dy : dx) >= 0 ? 1 : -1;
    const int64_t u0 = xMajor ? a.x : a.y, v0 = xMajor ? a.y : a.x;
    const int64_t extent = xMajor ? w : h;
    for (int64_t u = 0; u < extent; ++u) {
        const int64_t i = (u - u0) * su;
        if (i < 0 || i >= du) continue;
        const Int128 m = (Int128(2) * i * dv + du) / (2 * du);
        const int64_t v = v0 + sv * static_cast<int64_t>(m);
        const int64_t x = xMajor ? u : v, y = xMajor ? v : u;
        if (x >= 0 && y >= 0 && x < w && y < h) s.insert({static_cast<int32_t>(x), static_cast<int32_t>(y)});
    }
    return s;
}

PixelSet Line(int32_t w, int32_t h, Point a, Point b, int32_t width) {
    BackBuffer buf = MakeBuffer(w, h);
    RasterSurface s(buf);
    s.DrawLine(a, b, width, kRed);
    return PixelsOf(buf, kRed);
}

TEST(RasterFill, SquareCoversExactlyTheCentresInside) {
    // Corners on pixel corners: the square (2,3)-(6,5) is the pixels 2..5 x 3..4.
    PixelSet expected;
    for (int32_t y = 3; y < 5; ++y)
        for (int32_t x = 2; x < 6; ++x) expected.insert({x, y});
    EXPECT_EQ(Fill(10, 10, {{2, 3}, {6, 3}, {6, 5}, {2, 5}}, {4}), expected);
    // Winding does not matter.
    EXPECT_EQ(Fill(10, 10, {{2, 3}, {2, 5}, {6, 5}, {6, 3}}, {4}), expected);
}

TEST(RasterFill, PentagramKeepsItsHoleAndTwoTrianglesOfAHexagramLeaveTheirOverlap) {
    // Pentagram: one self-crossing polygon; the inner pentagon is covered twice.
    const std::vector<Point> star = {{50, 5}, {76, 85}, {8, 35}, {92, 35}, {24, 85}};
    const PixelSet pentagram = Fill(100, 100, star, {5});
    EXPECT_EQ(pentagram, ReferenceFill(star, {5}, 100, 100));
    EXPECT_FALSE(pentagram.count({50, 50}));  // centre of the hole
    EXPECT_TRUE(pentagram.count({50, 15}));   // top point
    EXPECT_TRUE(pentagram.count({15, 37}));   // left point

    // {6/2}: two triangles in one call form one shape; their overlap stays empty.
    const std::vector<Point> hexagram = {{50, 10}, {85, 70}, {15, 70}, {50, 90}, {15, 30}, {85, 30}};
    const PixelSet six = Fill(100, 100, hexagram, {3, 3});
    EXPECT_EQ(six, ReferenceFill(hexagram, {3, 3}, 100, 100));
    EXPECT_FALSE(six.count({50, 50}));
    EXPECT_TRUE(six.count({50, 20}));
    EXPECT_TRUE(six.count({50, 80}));
    EXPECT_FALSE(six.count({20, 50}));  // outside both
    EXPECT_TRUE(six.count({22, 35}));           // a point of the star
}

TEST(RasterFill, RandomShapesMatchTheCentreRule) {
    std::mt19937 rng(1234);
    std::uniform_int_distribution<int32_t> coord(-12, 52);
    for (int trial = 0; trial < 400; ++trial) {
        // Triangles and quadrilaterals take the two-chain path; the rest the edge list.
        const int32_t polygons = trial % 5 == 4 ? 2 : 1;
        std::vector<int32_t> counts;
        std::vector<Point> pts;
        for (int32_t k = 0; k < polygons; ++k) {
            const int32_t n = 3 + trial % 4;
            counts.push_back(n);
            for (int32_t i = 0; i < n; ++i) pts.push_back({coord(rng), coord(rng)});
        }
        const PixelSet filled = Fill(40, 30, pts, counts);
        ASSERT_EQ(filled, ReferenceFill(pts, counts, 40, 30)) << "trial " << trial;
        // The one-pixel question gives the same answer everywhere.
        for (int32_t y = 0; y < 30; ++y)
            for (int32_t x = 0; x < 40; ++x)
                ASSERT_EQ(FillCoversPixel(pts.data(), counts.data(), polygons, x, y), filled.count({x, y}) == 1)
                    << "trial " << trial << " pixel " << x << "," << y;
    }
}

TEST(RasterFill, ShapesWithinTwoByTwoPixelsFillAtMostTheirTopLeftPixel) {
    // Every triangle and quadrilateral with corners on the four points of a
    // 2 x 2 block, the only pixel it can fill being the block's first.
    const Point block[4] = {{3, 5}, {4, 5}, {3, 6}, {4, 6}};
    int32_t filledShapes = 0;
    for (int32_t n = 3; n <= 4; ++n) {
        const int32_t shapes = n == 3 ? 64 : 256;
        for (int32_t code = 0; code < shapes; ++code) {
            std::vector<Point> pts;
            for (int32_t i = 0, c = code; i < n; ++i, c /= 4) pts.push_back(block[c % 4]);
            const std::vector<int32_t> counts = {n};
            const PixelSet filled = Fill(8, 8, pts, counts);
            const bool covers = FillCoversPixel(pts.data(), counts.data(), 1, 3, 5);
            const PixelSet expected = covers ? PixelSet{{3, 5}} : PixelSet{};
            EXPECT_EQ(filled, expected) << "n " << n << " code " << code;
            filledShapes += covers;
        }
    }
    EXPECT_GT(filledShapes, 0);
}

TEST(RasterFill, FacesSharingAnEdgeCoverTheirUnionExactlyOnce) {
    // Count coverage: every triangle adds its own colour bit.
    std::mt19937 rng(77);
    std::uniform_int_distribution<int32_t> coord(-5, 45);
    for (int trial = 0; trial < 200; ++trial) {
        const Point a{coord(rng), coord(rng)}, b{coord(rng), coord(rng)};
        const Point c{coord(rng), coord(rng)}, d{coord(rng), coord(rng)};
        // Keep c and d on opposite sides of ab so the triangles do not overlap.
        const auto side = [&](Point p) {
            return (int64_t{b.x} - a.x) * (int64_t{p.y} - a.y) - (int64_t{b.y} - a.y) * (int64_t{p.x} - a.x);
        };
        if (side(c) == 0 || side(d) == 0 || (side(c) > 0) == (side(d) > 0)) continue;
        BackBuffer buf = MakeBuffer(40, 40);
        RasterSurface s(buf);
        const int32_t three = 3;
        const Point t1[] = {a, b, c};
        const Point t2[] = {b, a, d};
        s.FillPolygons(t1, &three, 1, 0x1);
        std::vector<uint32_t> first = buf.pixels;
        s.FillRect(0, 0, 40, 40, 0);
        s.FillPolygons(t2, &three, 1, 0x2);
        const std::vector<Point> quad = {a, d, b, c};  // the union as one polygon
        for (int32_t y = 0; y < 40; ++y) {
            for (int32_t x = 0; x < 40; ++x) {
                const size_t i = static_cast<size_t>(y) * 40 + x;
                const uint32_t hits = first[i] + buf.pixels[i];
                ASSERT_LE(hits, 2u) << "overlap at " << x << "," << y;
                ASSERT_EQ(hits != 0, CentreInside(quad, {4}, x, y)) << "gap at " << x << "," << y;
            }
        }
    }
}

TEST(RasterFill, HugeAndDegenerateInputIsClippedQuickly) {
    BackBuffer buf = MakeBuffer(64, 48);
    RasterSurface s(buf);
    const int32_t three = 3, four = 4;
    // Covers the whole buffer from far outside.
    const Point big[] = {{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MIN}, {INT32_MAX, INT32_MAX}, {INT32_MIN, INT32_MAX}};
    s.FillPolygons(big, &four, 1, kRed);
    EXPECT_EQ(PixelsOf(buf, kRed).size(), 64u * 48u);

    // A thin sliver from -1e9 to +1e9 through the buffer: exact against the rule.
    const std::vector<Point> sliver = {{-1000000000, -999999990}, {1000000000, 1000000030}, {1000000000, 1000000010}};
    s.FillRect(0, 0, 64, 48, kBlack);
    s.FillPolygons(sliver.data(), &three, 1, kRed);
    EXPECT_EQ(PixelsOf(buf, kRed), ReferenceFill(sliver, {3}, 64, 48));
    EXPECT_FALSE(PixelsOf(buf, kRed).empty());

    // The same as a self-crossing shape, through the edge-list path.
    const std::vector<Point> bow = {{-1000000000, -1000000000}, {1000000000, 1000000000},
                                    {1000000000, -1000000000}, {-1000000000, 1000000000}};
    s.FillRect(0, 0, 64, 48, kBlack);
    s.FillPolygons(bow.data(), &four, 1, kRed);
    EXPECT_EQ(PixelsOf(buf, kRed), ReferenceFill(bow, {4}, 64, 48));

    // Nothing, not a crash: no polygons, too few corners, negative counts, flat shapes.
    s.FillRect(0, 0, 64, 48, kBlack);
    const int32_t counts[] = {-3, 0, 2, 1};
    const Point flat[] = {{0, 5}, {60, 5}, {30, 5}};
    s.FillPolygons(big, counts, 4, kRed);
    s.FillPolygons(big, &three, 0, kRed);
    s.FillPolygons(flat, &three, 1, kRed);
    s.FillPolygons(nullptr, &three, 1, kRed);
    EXPECT_TRUE(PixelsOf(buf, kRed).empty());
}

TEST(RasterLine, ThinLinesOmitTheirEndPointAndFollowTheRule) {
    EXPECT_EQ(Line(10, 10, {1, 1}, {5, 1}, 1), (PixelSet{{1, 1}, {2, 1}, {3, 1}, {4, 1}}));
    EXPECT_EQ(Line(10, 10, {5, 1}, {1, 1}, 1), (PixelSet{{5, 1}, {4, 1}, {3, 1}, {2, 1}}));
    EXPECT_EQ(Line(10, 10, {2, 2}, {2, 5}, 0), (PixelSet{{2, 2}, {2, 3}, {2, 4}}));
    EXPECT_EQ(Line(10, 10, {0, 0}, {3, 3}, 1), (PixelSet{{0, 0}, {1, 1}, {2, 2}}));
    EXPECT_TRUE(Line(10, 10, {4, 4}, {4, 4}, 1).empty());

    std::mt19937 rng(99);
    std::uniform_int_distribution<int32_t> coord(-30, 60);
    for (int trial = 0; trial < 500; ++trial) {
        const Point a{coord(rng), coord(rng)}, b{coord(rng), coord(rng)};
        ASSERT_EQ(Line(32, 24, a, b, 1), ReferenceLine(a, b, 32, 24)) << trial;
    }
}

TEST(RasterLine, ThickLinesAreThreeWideWithRoundEnds) {
    // Horizontal from (3,5) to (8,5): rows 4..6 for x = 3..7, plus one pixel at each end.
    PixelSet expected;
    for (int32_t x = 3; x < 8; ++x)
        for (int32_t y = 4; y <= 6; ++y) expected.insert({x, y});
    expected.insert({2, 5});
    expected.insert({8, 5});
    EXPECT_EQ(Line(12, 12, {3, 5}, {8, 5}, 3), expected);
    EXPECT_FALSE(expected.count({2, 4}));  // corners stay off: the ends are round

    // Every thick line is the union of dots on its thin line.
    std::mt19937 rng(5);
    std::uniform_int_distribution<int32_t> coord(-10, 40);
    for (int trial = 0; trial < 300; ++trial) {
        const Point a{coord(rng), coord(rng)}, b{coord(rng), coord(rng)};
        // The thin line over a one-pixel wider frame, so dots just outside count too.
        const Point a1{a.x + 1, a.y + 1}, b1{b.x + 1, b.y + 1};
        const PixelSet thin = ReferenceLine(a1, b1, 32 + 2, 24 + 2);
        PixelSet dots;
        for (auto [x, y] : thin) {
            const std::pair<int32_t, int32_t> plus[] = {{x, y}, {x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (auto [px, py] : plus)
                if (px >= 1 && py >= 1 && px <= 32 && py <= 24) dots.insert({px - 1, py - 1});
        }
        ASSERT_EQ(Line(32, 24, a, b, 3), dots) << trial;
    }
}

TEST(RasterLine, FarOutsideCoordinatesAreClippedWithoutStepping) {
    const int32_t big = 1000000000;
    // Each of these would take billions of steps if walked from its start.
    const std::pair<Point, Point> lines[] = {
        {{-big, 10}, {big, 20}},
        {{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX}},
        {{INT32_MAX, INT32_MIN}, {INT32_MIN, INT32_MAX}},
        {{-big, -big}, {big, big + 7}},
        {{5, -big}, {6, big}},
        {{INT32_MIN, 3}, {INT32_MAX, 3}},
    };
    for (const auto& [a, b] : lines) {
        EXPECT_EQ(Line(40, 30, a, b, 1), ReferenceLine(a, b, 40, 30));
        EXPECT_FALSE(Line(40, 30, a, b, 3).empty());
    }
    // Lines that miss the buffer draw nothing.
    EXPECT_TRUE(Line(40, 30, {INT32_MIN, -5}, {INT32_MAX, -5}, 1).empty());
    EXPECT_TRUE(Line(40, 30, {INT32_MIN, -2}, {INT32_MAX, -2}, 3).empty());
    EXPECT_EQ(Line(40, 30, {INT32_MIN, -1}, {INT32_MAX, -1}, 3).size(), 40u);  // its lower row shows
}

TEST(RasterSurface, RectanglesAndPixelsAreClipped) {
    BackBuffer buf = MakeBuffer(8, 6);
    RasterSurface s(buf);
    EXPECT_EQ(s.Width(), 8);
    EXPECT_EQ(s.Height(), 6);
    s.FillRect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, kBlue);
    EXPECT_EQ(PixelsOf(buf, kBlue).size(), 48u);
    s.FillRect(6, 4, 100, 100, kRed);
    EXPECT_EQ(PixelsOf(buf, kRed), (PixelSet{{6, 4}, {7, 4}, {6, 5}, {7, 5}}));
    s.FillRect(5, 5, 2, 2, kBlack);  // inverted: nothing
    EXPECT_TRUE(PixelsOf(buf, kBlack).empty());
    s.SetPixel(0, 0, kBlack);
    s.SetPixel(-1, 0, kBlack);
    s.SetPixel(8, 5, kBlack);
    s.SetPixel(INT32_MIN, INT32_MAX, kBlack);
    EXPECT_EQ(PixelsOf(buf, kBlack), (PixelSet{{0, 0}}));
}

TEST(RasterSurface, BackBufferSizeIsAtLeastOnePixelAndDrawingFollowsResizes) {
    BackBuffer buf;
    RasterSurface s(buf);
    EXPECT_EQ(s.Width(), 0);
    s.FillRect(0, 0, 10, 10, kRed);  // no pixels yet: nothing happens
    s.DrawLine({0, 0}, {5, 5}, 3, kRed);
    EXPECT_TRUE(ResizeBackBuffer(buf, 0, -7));
    EXPECT_EQ(buf.width, 1);
    EXPECT_EQ(buf.height, 1);
    EXPECT_EQ(buf.pixels.size(), 1u);
    EXPECT_TRUE(ResizeBackBuffer(buf, 300, 200));
    EXPECT_EQ(s.Width(), 300);
    s.FillRect(0, 0, 1000, 1000, kRed);
    EXPECT_EQ(PixelsOf(buf, kRed).size(), 60000u);
    // The size it has: kept, not allocated or cleared again (a window resize
    // asks twice, and the largest buffer is a quarter of a gigabyte).
    const auto* storage = buf.pixels.data();
    EXPECT_TRUE(ResizeBackBuffer(buf, 300, 200));
    EXPECT_EQ(buf.pixels.data(), storage);
    EXPECT_EQ(PixelsOf(buf, kRed).size(), 60000u);
    EXPECT_TRUE(ResizeBackBuffer(buf, INT32_MAX, 2));
    EXPECT_EQ(buf.width, kMaxViewSide);
}

// Depth-tested drawing: a flat depth over the whole buffer.
DepthPlane Flat(double key) {
    DepthPlane plane;
    plane.c = key;
    return plane;
}

TEST(RasterDepth, NonzeroFillCoversTheHoleOfAPentagramAndTheOverlapOfAHexagram) {
    BackBuffer b = MakeBuffer(100, 100);
    RasterSurface s(b);
    ASSERT_TRUE(s.ClearDepth());
    const std::vector<Point> star = {{50, 5}, {76, 85}, {8, 35}, {92, 35}, {24, 85}};
    const int32_t five[] = {5};
    s.FillPolygonsDepth(star.data(), five, 1, Flat(1), 7, true, kRed);
    EXPECT_EQ(At(b, 50, 50), kRed);
    EXPECT_EQ(s.FaceIds()[50 * 100 + 50], 7u);
    EXPECT_EQ(At(b, 50, 15), kRed);
    EXPECT_EQ(At(b, 50, 95), kBlack);  // below, between two points

    ASSERT_TRUE(s.ClearDepth());
    EXPECT_EQ(s.FaceIds()[50 * 100 + 50], 0u);
    const std::vector<Point> hexagram = {{50, 10}, {85, 70}, {15, 70}, {50, 90}, {15, 30}, {85, 30}};
    const int32_t threes[] = {3, 3};
    s.FillPolygonsDepth(hexagram.data(), threes, 2, Flat(2), 3, true, kBlue);
    EXPECT_EQ(At(b, 50, 50), kBlue);
    EXPECT_EQ(At(b, 50, 20), kBlue);
    EXPECT_EQ(At(b, 50, 8), kRed);  // the pentagram's tip, outside both triangles, stays
}

// PixelCouldTake says no only where SetPixelDepth with that id and any key up
// to the one asked leaves the pixel as it was (the exact drawing then skips the
// face's plane and colour): checked against SetPixelDepth itself.
TEST(RasterDepth, PixelCouldTakeRefusesOnlyWhatSetPixelDepthRefuses) {
    const float nan = std::nanf("");
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        bool held;  // a face is on the pixel (else it is empty)
        float heldKey;
        uint32_t heldId;
        float key;
        uint32_t id;
    };
    const Case cases[] = {
        {false, 0, 0, -1e30f, 5}, {false, 0, 0, -inf, 5}, {false, 0, 0, nan, 5},
        {true, 2, 5, 1, 9},       {true, 2, 5, 2, 9},     {true, 2, 5, 2, 3},
        {true, 2, 5, 3, 9},       {true, 2, 5, nan, 3},   {true, 2, 5, inf, 9},
        {true, -1, 5, -1, 5},     {true, -1, 5, -2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.held << " " << c.heldKey << "/" << c.heldId << " asked " << c.key
                                          << "/" << c.id);
        BackBuffer b = MakeBuffer(4, 4);
        RasterSurface s(b);
        ASSERT_TRUE(s.ClearDepth());
        if (c.held) s.SetPixelDepth(1, 2, c.heldKey, c.heldId, kBlue);
        const bool could = s.PixelCouldTake(1, 2, c.key, c.id);
        // Every key up to the one asked, and the asked key itself.
        bool anyTakes = false;
        for (const float k : {c.key, std::nextafter(c.key, -inf), c.key - 1, -inf}) {
            BackBuffer t = MakeBuffer(4, 4);
            RasterSurface u(t);
            ASSERT_TRUE(u.ClearDepth());
            if (c.held) u.SetPixelDepth(1, 2, c.heldKey, c.heldId, kBlue);
            u.SetPixelDepth(1, 2, k, c.id, kRed);
            anyTakes = anyTakes || At(t, 1, 2) == kRed;
        }
        EXPECT_TRUE(could || !anyTakes);
        // A key that wins is never refused.
        EXPECT_TRUE(could || !(c.key > (c.held ? c.heldKey : -inf)));
    }
    // Off the picture, or before any depth is kept, nothing can be taken.
    BackBuffer b = MakeBuffer(4, 4);
    RasterSurface s(b);
    EXPECT_FALSE(s.PixelCouldTake(1, 1, 1, 1));
    ASSERT_TRUE(s.ClearDepth());
    EXPECT_FALSE(s.PixelCouldTake(4, 1, 1, 1));
    EXPECT_FALSE(s.PixelCouldTake(-1, 1, 1, 1));
    EXPECT_TRUE(s.PixelCouldTake(3, 3, 1, 1));
}

TEST(RasterDepth, TheNearerFillWinsInEitherOrderAndLinesKnowWhatCoversThem) {
    // A square at key 5 in front, a wider one at a key rising to the right that
    // passes it at x = 50.
    const std::vector<Point> front = {{20, 20}, {60, 20}, {60, 60}, {20, 60}};
    const std::vector<Point> slope = {{10, 30}, {90, 30}, {90, 50}, {10, 50}};
    DepthPlane rising;
    rising.a = 0.1;  // key 5 between x = 49 and x = 50: no pixel ties
    rising.c = 0.05;
    const int32_t four[] = {4};
    std::vector<Colour> pictures[2];
    for (int order = 0; order < 2; ++order) {
        BackBuffer b = MakeBuffer(100, 80);
        RasterSurface s(b);
        ASSERT_TRUE(s.ClearDepth());
        for (int k = 0; k < 2; ++k) {
            if ((k == 0) == (order == 0))
                s.FillPolygonsDepth(front.data(), four, 1, Flat(5), 1, true, kRed);
            else
                s.FillPolygonsDepth(slope.data(), four, 1, rising, 2, true, kBlue);
        }
        EXPECT_EQ(At(b, 30, 40), kRed);   // the square is nearer left of x = 50
        EXPECT_EQ(At(b, 55, 40), kBlue);  // the sloped face right of it
        EXPECT_EQ(At(b, 30, 25), kRed);   // only the square there
        pictures[order] = b.pixels;

        // A line at key 4 across both: behind the square, in front of the sloped
        // face only left of x = 40.
        const Colour green = 0x0000FF00;
        s.DrawLineDepth({0, 40}, {100, 40}, 4, 4, 99, 0, 0.01f, true, 1, green);
        EXPECT_EQ(At(b, 5, 40), green);   // in front of nothing
        EXPECT_EQ(At(b, 30, 40), kRed);   // covered by the square
        EXPECT_EQ(At(b, 70, 40), kBlue);  // covered by the sloped face
        EXPECT_EQ(At(b, 95, 40), green);  // beyond the sloped face
        s.DrawLineDepth({0, 40}, {100, 40}, 4, 4, 99, 0, 0.01f, false, 1, kBlack);
        EXPECT_EQ(At(b, 30, 40), kBlack);  // the covered part in the hidden-line colour
        EXPECT_EQ(At(b, 5, 40), green);
        // A line on the square itself is never hidden by it.
        s.DrawLineDepth({20, 25}, {60, 25}, 0, 0, 1, 0, 0.01f, true, 1, green);
        EXPECT_EQ(At(b, 30, 25), green);
    }
    EXPECT_EQ(pictures[0], pictures[1]);
}

// Depth-tested rows are done eight pixels at a time where the processor allows;
// every row width and start must give what the pixel-by-pixel rule gives. Two
// planes with keys exact in float cross at x = 40 (where they tie: the smaller id
// keeps the pixel, whichever is drawn first).
TEST(RasterDepth, RowsOfEveryWidthFollowThePixelRuleAndTiesGoToTheSmallerId) {
    DepthPlane up, down;
    up.a = 0.25;     // key x / 4
    down.a = -0.25;  // key 20 - x / 4
    down.c = 20.0;
    for (int order = 0; order < 2; ++order) {
        for (int32_t left = 0; left < 9; ++left) {
            for (int32_t width = 1; width <= 40; ++width) {
                BackBuffer b = MakeBuffer(90, 3);
                RasterSurface s(b);
                ASSERT_TRUE(s.ClearDepth());
                // The rising face under the whole row, the falling one over [left, left + width).
                const std::vector<Point> all = {{0, 0}, {90, 0}, {90, 3}, {0, 3}};
                const std::vector<Point> part = {{left, 0}, {left + width, 0}, {left + width, 3}, {left, 3}};
                const int32_t four[] = {4};
                for (int k = 0; k < 2; ++k) {
                    if ((k == 0) == (order == 0))
                        s.FillPolygonsDepth(all.data(), four, 1, up, 5, true, kRed);
                    else
                        s.FillPolygonsDepth(part.data(), four, 1, down, 6, true, kBlue);
                }
                for (int32_t x = 0; x < 90; ++x) {
                    const bool inPart = x >= left && x < left + width;
                    const float keyUp = 0.25f * static_cast<float>(x), keyDown = 20.0f - 0.25f * static_cast<float>(x);
                    const Colour expected = inPart && keyDown > keyUp ? kBlue : kRed;  // tie at x = 40: id 5
                    ASSERT_EQ(At(b, x, 1), expected)
                        << "order " << order << ", row from " << left << " wide " << width << ", x " << x;
                    ASSERT_EQ(s.FaceIds()[90 + x], expected == kBlue ? 6u : 5u);
                }
            }
        }
    }
}

// Many lines drawn at once take the pixels of drawing them one pen at a time:
// all of one side, then all of the other over them.
TEST(RasterDepth, LinesDrawnTogetherEqualTwoPassesOfSingleLines) {
    const std::vector<Point> square = {{20, 20}, {60, 20}, {60, 60}, {20, 60}};
    const int32_t four[] = {4};
    std::vector<DepthLine> lines;
    for (int32_t i = 0; i < 24; ++i) {
        const Point a{(i * 37) % 80 - 5, (i * 23) % 80 - 5};
        const Point b{(i * 53 + 11) % 90 - 5, (i * 17 + 29) % 85 - 5};
        lines.push_back(DepthLine{a, b, static_cast<float>(i % 9), static_cast<float>((i * 5) % 11),
                                  i % 4 == 0 ? 1u : 0u, i % 7 == 0 ? 1u : 0u, 0.5f});
    }
    const Pen thin{false, 0x0000FF00, 1}, thick{false, 0x00FF00FF, 3}, none{};
    const Pen pens[][2] = {{thin, thick}, {thick, thin}, {none, thin}, {thick, none}, {thick, thick}};
    for (const auto& pair : pens) {
        for (const bool firstFront : {false, true}) {
            BackBuffer together = MakeBuffer(80, 80), single = MakeBuffer(80, 80);
            RasterSurface t(together), s(single);
            for (RasterSurface* r : {&t, &s}) {
                ASSERT_TRUE(r->ClearDepth());
                r->FillPolygonsDepth(square.data(), four, 1, Flat(5), 1, true, kRed);
            }
            t.DrawLinesDepth(lines.data(), lines.size(), firstFront, pair[0], pair[1]);
            s.Surface::DrawLinesDepth(lines.data(), lines.size(), firstFront, pair[0], pair[1]);
            EXPECT_EQ(together.pixels, single.pixels) << "widths " << pair[0].width << ", " << pair[1].width;
        }
    }
}

}  // namespace
}  // namespace gyro
