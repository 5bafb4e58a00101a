#include <gtest/gtest.h>

#include <limits>

#include "view/motion.h"
#include "view/view_state.h"

namespace gyro {
namespace {

void ExpectMatrixNear(const Matrix3& a, const Matrix3& b, double tol = 1e-12) {
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(a[r][k], b[r][k], tol) << "row " << r << " col " << k;
}

TEST(RotateInPlane, QuarterTurnAndItsInverse) {
    ViewState v;
    RotateInPlane(v, 0, 1, 90);
    ExpectMatrixNear(v.ax, {{{0, 1, 0}, {-1, 0, 0}, {0, 0, 1}}});

    ViewState w;
    RotateInPlane(w, 2, 0, 33);
    RotateInPlane(w, 1, 2, 71);
    const Matrix3 before = w.ax;
    RotateInPlane(w, 0, 2, 17);
    RotateInPlane(w, 2, 0, 17);
    ExpectMatrixNear(w.ax, before);
}

TEST(RotateByVector, MatchesPlaneRotationAndIgnoresZero) {
    ViewState a, b;
    RotateByVector(a, {0, 0, 45});
    RotateInPlane(b, 0, 1, 45);
    ExpectMatrixNear(a.ax, b.ax);

    ViewState z;
    RotateByVector(z, {0, 0, 0});
    EXPECT_EQ(z.ax, kIdentity3);
}

TEST(RotateAboutAxis, AxisLengthDoesNotMatter) {
    ViewState a, b, c;
    RotateAboutAxis(a, {0, 0, 2}, 30);
    RotateAboutAxis(b, {0, 0, 1}, 30);
    ExpectMatrixNear(a.ax, b.ax);
    RotateAboutAxis(c, {0, 0, 0}, 30);
    EXPECT_EQ(c.ax, kIdentity3);
}

TEST(Rotations, NonFiniteInputLeavesOrientationUnchanged) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    ViewState v;
    RotateInPlane(v, 0, 1, 20);
    const Matrix3 before = v.ax;
    RotateInPlane(v, 0, 1, inf);
    RotateInPlane(v, 0, 1, nan);
    RotateByVector(v, {inf, 0, 0});
    RotateByVector(v, {nan, 1, 0});
    RotateByVector(v, {1e200, 1e200, 0});  // the squared length overflows
    RotateAboutAxis(v, {0, 0, 1}, nan);
    RotateAboutAxis(v, {inf, 0, 1}, 10);
    EXPECT_EQ(v.ax, before);
}

TEST(SetAutoRotationAxes, AnglesGiveTheMatrix) {
    ViewState v;
    v.ax = {{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}};
    v.rad = 3.0;
    SetAutoRotationAxes(v);
    ExpectMatrixNear(v.ax, kIdentity3);
    EXPECT_EQ(v.rad, 3.0);

    v.autorotarg1 = 900;
    SetAutoRotationAxes(v);
    ExpectMatrixNear(v.ax, {{{0, 0, 1}, {0, 1, 0}, {-1, 0, 0}}});
}

TEST(OrthonormaliseRows, DegenerateAndGeneralInput) {
    ExpectMatrixNear(OrthonormaliseRows({{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}), kIdentity3);
    const Matrix3 m = OrthonormaliseRows({{{2, 0, 0}, {1, 3, 0}, {0, 0, 0}}});
    ExpectMatrixNear(m, kIdentity3);
    // Keeps the direction of row 0 and the plane of rows 0 and 1; right-handed.
    const Matrix3 g = OrthonormaliseRows({{{1, 1, 0}, {0, 1, 1}, {5, 5, 5}}});
    const double s = std::sqrt(0.5);
    EXPECT_NEAR(g[0][0], s, 1e-12);
    EXPECT_NEAR(g[0][1], s, 1e-12);
    for (int r = 0; r < 3; ++r) {
        for (int q = 0; q < 3; ++q) {
            double dot = 0;
            for (int k = 0; k < 3; ++k) dot += g[r][k] * g[q][k];
            EXPECT_NEAR(dot, r == q ? 1.0 : 0.0, 1e-12);
        }
    }
    const double det = g[0][0] * (g[1][1] * g[2][2] - g[1][2] * g[2][1]) -
                       g[0][1] * (g[1][0] * g[2][2] - g[1][2] * g[2][0]) +
                       g[0][2] * (g[1][0] * g[2][1] - g[1][1] * g[2][0]);
    EXPECT_NEAR(det, 1.0, 1e-12);
}

TEST(ResetView, KeepsArbitraryAxisAndAutoRotation) {
    ViewState v;
    RotateInPlane(v, 0, 2, 10);
    v.rad = 2.5;
    v.nax = {1, 2, 3};
    v.autoroton = 1;
    v.autorotarg1 = 100;
    ResetView(v);
    EXPECT_EQ(v.ax, kIdentity3);
    EXPECT_EQ(v.rad, 1.0);
    EXPECT_EQ(v.nax[2], 3.0);
    EXPECT_EQ(v.autorotarg1, 100);
}

TEST(AdvancePeriodicMotion, NegativeSpeedKeepsSignAndWraps) {
    ViewState v;
    DisplaySettings d;
    v.autoroton = 1;
    v.autorotarg1v = -30;
    v.autorotarg2v = 0;
    for (int i = 1; i < 120; ++i) {
        AdvancePeriodicMotion(v, d);
        EXPECT_EQ(v.autorotarg1, -30 * i);
    }
    AdvancePeriodicMotion(v, d);
    EXPECT_EQ(v.autorotarg1, 0);
    EXPECT_EQ(v.autorotarg2, 0);
    // The light drifts every frame by its own speed, auto-rotation or not.
    EXPECT_EQ(d.lightang1ofs, (15 * 120) % 3600);
    v.autoroton = 0;
    AdvancePeriodicMotion(v, d);
    EXPECT_EQ(v.autorotarg1, 0);
}

TEST(AdvancePeriodicMotion, SumsDoNotOverflowSixteenBits) {
    ViewState v;
    DisplaySettings d;
    v.autoroton = 1;
    v.autorotarg1 = 3599;
    v.autorotarg1v = 32767;
    AdvancePeriodicMotion(v, d);
    EXPECT_EQ(v.autorotarg1, (3599 + 32767) % 3600);
}

TEST(Zoom, StepsFollowSpeed) {
    EXPECT_NEAR(ZoomInFactor(5.0), 1.01, 1e-15);
    EXPECT_NEAR(ZoomInFactor(10.0), 1.0201, 1e-12);
    EXPECT_NEAR(ZoomOutFactor(5.0), 0.9900990099009901, 1e-15);
}

TEST(StepSpeed, BoundsRefuseFurtherSteps) {
    EXPECT_NEAR(StepSpeed(5.0, 1), 5.1, 1e-12);
    EXPECT_NEAR(StepSpeed(5.0, -1), 4.9, 1e-12);
    EXPECT_EQ(StepSpeed(10.0, 1), 10.0);
    EXPECT_EQ(StepSpeed(0.1, -1), 0.1);
    EXPECT_EQ(StepSpeed(9.95, 1), 10.0);
    EXPECT_EQ(StepSpeed(0.15, -1), 0.1);
    double s = 5.0;
    for (int i = 0; i < 200; ++i) s = StepSpeed(s, 1);
    EXPECT_EQ(s, 10.0);
    for (int i = 0; i < 200; ++i) s = StepSpeed(s, -1);
    EXPECT_EQ(s, 0.1);
}

}  // namespace
}  // namespace gyro
