#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "render/projection.h"

namespace gyro {
namespace {

Point Screen(const Projection& p, double x, double y, int eye = 0) {
    Point out{-999, -999};
    EXPECT_TRUE(ToScreen(p, {x, y}, eye, out));
    return out;
}

TEST(ToScreen, TruncatesTowardZeroWithAndWithoutSymmetry) {
    Projection p;  // 256 x 256: hx = hy = 128
    p.symmet = false;
    EXPECT_EQ(Screen(p, -0.5, 0).x, 127);  // trunc(127.5)
    EXPECT_EQ(Screen(p, 0.5, 0).x, 128);
    EXPECT_EQ(Screen(p, 0, 0.5).y, 127);
    EXPECT_EQ(Screen(p, -200.5, 0).x, -72);  // trunc(-72.5) toward zero
    p.symmet = true;
    EXPECT_EQ(Screen(p, -0.5, 0).x, 128);  // 128 + trunc(-0.5)
    EXPECT_EQ(Screen(p, 0.5, 0).x, 128);
    EXPECT_EQ(Screen(p, 0, 0.5).y, 128);
    EXPECT_EQ(Screen(p, -200.5, 0).x, -72);  // 128 + trunc(-200.5)
    EXPECT_EQ(Screen(p, 0, 0, -1).x, 0);  // each eye's image shifted by stereodist
    EXPECT_EQ(Screen(p, 0, 0, +1).x, 256);
    // With symmetry, mirror images land on mirrored pixels about the centre.
    for (double x : {0.3, 1.7, 9.5, 63.99}) {
        EXPECT_EQ(Screen(p, x, 0).x - 128, 128 - Screen(p, -x, 0).x);
        EXPECT_EQ(Screen(p, 0, x).y - 128, 128 - Screen(p, 0, -x).y);
    }
}

TEST(ToScreen, NeverOverflowsAndRefusesNaN) {
    Projection p;
    p.stereodist = std::numeric_limits<int32_t>::min();
    Point out;
    ASSERT_TRUE(ToScreen(p, {0, 0}, -1, out));
    EXPECT_EQ(out.x, kPixelLimit);
    ASSERT_TRUE(ToScreen(p, {1e300, -1e300}, 0, out));
    EXPECT_EQ(out.y, kPixelLimit);
    p.symmet = false;
    ASSERT_TRUE(ToScreen(p, {-INFINITY, 0}, 1, out));
    EXPECT_EQ(out.x, -kPixelLimit);
    EXPECT_FALSE(ToScreen(p, {std::nan(""), 0}, 0, out));
    EXPECT_FALSE(ToScreen(p, {0, std::nan("")}, 0, out));
}

TEST(ProjectToView, TenUnitsPerPixelTimesZoom) {
    Projection p;
    p.ax = {{{0, 1, 0}, {-1, 0, 0}, {0, 0, 1}}};  // model x looks up, model y looks left
    p.rad = 2.0;
    const Vec3 s = ProjectToView(p, {100, 50, 30}, 0.5, {10, 0, -5});
    EXPECT_DOUBLE_EQ(s.x, -5.0);  // y = 25 -> -25 * 2 / 10
    EXPECT_DOUBLE_EQ(s.y, 12.0);  // x = 60
    EXPECT_DOUBLE_EQ(s.z, 2.0);   // z = 10
}

// Points whose exact image is a whole pixel must not slip to the pixel before it: the
// arithmetic is (sum x rad) / 10 and (s0 - cx) / (1 - s2 / D) + cx, rounded step by step.
TEST(ProjectToView, WholePixelImagesLandOnTheirPixelOnEveryPath) {
    struct Case {
        double rad;
        bool person;
        Vec3 vertex;
        int32_t x;  // the exact image is x - 128
    };
    for (const Case& c : {Case{1.0, true, {455, 0, 450}, 178},    // 45.5 / 0.91 = 50
                          Case{1.0, true, {-481, 14, 375}, 76},   // -48.1 / 0.925 = -52
                          Case{0.7, false, {-800, 0, 0}, 72}}) {  // -800 * 0.7 / 10 = -56
        Projection p;
        p.rad = c.rad;
        p.person = c.person;
        PlanePoint q;
        Point one;
        ASSERT_TRUE(ApplyPerspective(p, ProjectToView(p, c.vertex, 1.0, {}), 0, q));
        ASSERT_TRUE(ToScreen(p, q, 0, one));
        EXPECT_EQ(one.x, c.x);
        Point all;
        ProjectVertices(MakeCopyProjector(p, 1.0, {}, 0), p, 0, {c.vertex}, &all);
        EXPECT_EQ(all.x, c.x);
    }
}

TEST(ApplyPerspective, MagnifiesAboutTheEyeCentreOfEachEye) {
    Projection p;
    p.persdz = 500;
    p.stereodip = 41;
    p.perssx = 7;
    EXPECT_EQ(EyeCentre(p, -1).x, 7 - 20);
    EXPECT_EQ(EyeCentre(p, 1).x, 7 + 20);
    PlanePoint q;
    ASSERT_TRUE(ApplyPerspective(p, {107, 10, 250}, 0, q));  // half-way to the eye: twice as far out
    EXPECT_DOUBLE_EQ(q.x, 207);
    EXPECT_DOUBLE_EQ(q.y, 20);
    ASSERT_TRUE(ApplyPerspective(p, {-13, 0, 250}, -1, q));
    EXPECT_DOUBLE_EQ(q.x, -13);  // on the left eye's axis: stays put

    p.person = false;  // the eyes then differ only by their shift
    ASSERT_TRUE(ApplyPerspective(p, {107, 10, 250}, 1, q));
    EXPECT_DOUBLE_EQ(q.x, 107);
    EXPECT_DOUBLE_EQ(q.y, 10);
}

TEST(ApplyPerspective, NoImageAtOrBehindTheEye) {
    Projection p;
    p.persdz = 500;
    PlanePoint q;
    EXPECT_TRUE(ApplyPerspective(p, {1, 1, 499.9}, 0, q));
    EXPECT_FALSE(ApplyPerspective(p, {1, 1, 500}, 0, q));
    EXPECT_FALSE(ApplyPerspective(p, {1, 1, 900}, 0, q));
    EXPECT_FALSE(ApplyPerspective(p, {std::nan(""), 1, 0}, 0, q));
    p.persdz = -500;  // eye on the far side: points beyond it have no image
    EXPECT_TRUE(ApplyPerspective(p, {1, 1, 100}, 0, q));
    EXPECT_FALSE(ApplyPerspective(p, {1, 1, -600}, 0, q));
    p.persdz = 0;
    EXPECT_FALSE(ApplyPerspective(p, {0, 0, 0}, 0, q));
    p.person = false;  // without perspective the eye distance plays no part
    EXPECT_TRUE(ApplyPerspective(p, {0, 0, 900}, 0, q));
}

TEST(PickDistinctCorners, SkipsRepeatedPositions) {
    const Vec3 a{0, 0, 0}, b{1, 0, 0}, d{0, 1, 0};
    const Vec3 aabd[] = {a, a, b, d};
    CornerTriple t = PickDistinctCorners(aabd, 4);
    EXPECT_EQ(t.i0, 0);
    EXPECT_EQ(t.i1, 2);
    EXPECT_EQ(t.i2, 3);
    const Vec3 abd[] = {a, b, d};
    EXPECT_DOUBLE_EQ(Length(CornerNormal(aabd, t)), Length(CornerNormal(abd, PickDistinctCorners(abd, 3))));

    const Vec3 abb[] = {a, b, b};
    t = PickDistinctCorners(abb, 3);
    EXPECT_EQ(t.i1, 1);
    EXPECT_EQ(t.i2, 1);
    const Vec3 aaa[] = {a, a, a};
    t = PickDistinctCorners(aaa, 3);
    EXPECT_EQ(t.i1, 0);
    EXPECT_EQ(t.i2, 0);
    EXPECT_EQ(Length(CornerNormal(aaa, t)), 0.0);
}

TEST(FacesViewer, ClockwiseOnScreenFacesTheViewerAndEdgeOnPassesBothWays) {
    // Wound clockwise as seen from the viewer: the outward normal points at the eye.
    const Vec3 front[] = {{10, 0, 0}, {0, 0, 0}, {0, 10, 0}};
    const CornerTriple t{0, 1, 2};
    EXPECT_GT(CornerNormal(front, t).z, 0);
    Projection p;
    EXPECT_TRUE(FacesViewer(p, front, t, 0, false));
    EXPECT_FALSE(FacesViewer(p, front, t, 0, true));
    const Vec3 back[] = {front[2], front[1], front[0]};
    EXPECT_FALSE(FacesViewer(p, back, t, 0, false));
    EXPECT_TRUE(FacesViewer(p, back, t, 0, true));
    const Vec3 edgeOn[] = {{10, 0, 0}, {0, 0, 0}, {0, 0, 10}};
    p.person = false;
    EXPECT_TRUE(FacesViewer(p, edgeOn, t, 0, false));
    EXPECT_TRUE(FacesViewer(p, edgeOn, t, 0, true));
    EXPECT_FALSE(FacesViewer(std::nan(""), false));
    EXPECT_FALSE(FacesViewer(std::nan(""), true));
}

TEST(OrderCopies, FarthestFirstAndEqualDepthsInIndexOrder) {
    Solid solid;
    solid.vertices = {{0, 0, 5}, {0, 0, -5}, {3, 0, 0}, {0, 0, -5}, {-3, 1, 0}, {0, 0, 9}};
    Projection p;
    std::vector<int32_t> order;
    std::vector<std::pair<double, int32_t>> scratch;
    OrderCopies(p, solid, order, scratch);
    EXPECT_EQ(order, (std::vector<int32_t>{1, 3, 2, 4, 0, 5}));
}

}  // namespace
}  // namespace gyro
