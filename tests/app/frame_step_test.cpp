#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "shell/frame_step.h"
#include "view/motion.h"
#include "view/view_state.h"

namespace gyro {
namespace {

void ExpectMatrixNear(const Matrix3& a, const Matrix3& b, double tol = 1e-9) {
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(a[r][k], b[r][k], tol) << "row " << r << " col " << k;
}

// A state without a built figure: the frame step must not depend on one.
struct Frame : ::testing::Test {
    AppState state;
    ShellState shell;

    Matrix3 Turned(Matrix3 m, int i, int j, double degrees) const {
        ViewState v;
        v.ax = m;
        RotateInPlane(v, i, j, degrees);
        return v.ax;
    }
    void Pass() { StepFrame(state, shell); }
};

TEST_F(Frame, WithoutInertiaATurnEndsWithTheKey) {
    shell.keys.press(Key::Left);
    Pass();
    ExpectMatrixNear(state.view.ax, Turned(kIdentity3, 0, 2, 5.0));
    shell.keys.release(Key::Left);
    const Matrix3 after = state.view.ax;
    Pass();
    ExpectMatrixNear(state.view.ax, after, 0.0);
    EXPECT_EQ(shell.inertiadir, 0);
}

TEST_F(Frame, InertiaKeepsTurningUntilAStopKey) {
    shell.inertiaon = 1;
    shell.keys.press(Key::Left);
    Pass();
    shell.keys.release(Key::Left);
    Matrix3 expected = Turned(kIdentity3, 0, 2, 5.0);
    for (int i = 0; i < 3; ++i) {
        Pass();
        expected = Turned(expected, 0, 2, 5.0);
    }
    ExpectMatrixNear(state.view.ax, expected);
    EXPECT_EQ(shell.inertiadir, 4);

    shell.keys.press(Key::Space);
    Pass();
    ExpectMatrixNear(state.view.ax, expected);
    shell.keys.release(Key::Space);
    Pass();  // releasing the stop key does not restart the turn
    ExpectMatrixNear(state.view.ax, expected);
    EXPECT_EQ(shell.inertiadir, 0);

    // Switching inertia off forgets the direction too.
    shell.keys.press(Key::Numpad8);
    Pass();
    shell.keys.release(Key::Numpad8);
    shell.inertiaon = 0;
    const Matrix3 held = state.view.ax;
    Pass();
    ExpectMatrixNear(state.view.ax, held, 0.0);
}

TEST_F(Frame, AHeldKeyAndTheRememberedDirectionBothTurnAndTheLaterWins) {
    shell.inertiaon = 1;
    shell.inertiadir = 1;  // NUMPAD9 turned last
    RotateInPlane(state.view, 2, 0, 30);
    const Matrix3 start = state.view.ax;
    shell.keys.press(Key::Numpad7);
    Pass();
    // Direction 1 then direction 2: the two planes cancel in this pass.
    ExpectMatrixNear(state.view.ax, Turned(Turned(start, 1, 0, 5.0), 0, 1, 5.0));
    EXPECT_EQ(shell.inertiadir, 2);
    shell.keys.release(Key::Numpad7);
    const Matrix3 mid = state.view.ax;
    Pass();
    ExpectMatrixNear(state.view.ax, Turned(mid, 0, 1, 5.0));
}

TEST_F(Frame, ATapBetweenTwoPassesStillActsOnce) {
    shell.keys.press(Key::X);
    shell.keys.release(Key::X);
    shell.keys.press(Key::Up);
    shell.keys.release(Key::Up);
    Pass();
    EXPECT_DOUBLE_EQ(shell.speed, 5.1);
    ExpectMatrixNear(state.view.ax, Turned(kIdentity3, 2, 1, 5.0));
    Pass();
    EXPECT_DOUBLE_EQ(shell.speed, 5.1);
    ExpectMatrixNear(state.view.ax, Turned(kIdentity3, 2, 1, 5.0));
    EXPECT_FALSE(shell.keys.held(Key::Up));
}

TEST_F(Frame, ReturnTurnsOnceByTheAxisLength) {
    shell.keys.press(Key::Return);
    Pass();
    ExpectMatrixNear(state.view.ax, Turned(kIdentity3, 0, 1, 45.0));
    EXPECT_FALSE(shell.keys.held(Key::Return));
    Pass();
    ExpectMatrixNear(state.view.ax, Turned(kIdentity3, 0, 1, 45.0));

    state.view.ax = kIdentity3;
    state.view.njim = 1;
    state.view.nang = 0;
    shell.keys.press(Key::Return);
    Pass();
    ExpectMatrixNear(state.view.ax, kIdentity3);
}

TEST_F(Frame, ColourPatternKeyCyclesOncePerPress) {
    state.solid.patternCount = 3;
    for (int expected : {1, 2, 0}) {
        shell.keys.press(Key::C);
        Pass();
        EXPECT_EQ(state.display.orgcolpat, expected);
    }
    Pass();  // held but already used
    EXPECT_EQ(state.display.orgcolpat, 0);
}

TEST_F(Frame, PyramidCountAndStepLimits) {
    state.solid.zukei = 402;
    BuildParams& p = state.solid.params;
    p.conn = 4;
    p.conpn = 2;
    shell.keys.press(Key::E);
    Pass();
    // Three corners could not hold a step of 2.
    EXPECT_EQ(p.conn, 4);
    EXPECT_TRUE(shell.keys.held(Key::E));

    p.conn = 3;
    p.conpn = 1;
    Pass();
    EXPECT_EQ(p.conn, 2);
    shell.keys.press(Key::E);
    Pass();
    EXPECT_EQ(p.conn, 2);  // never below 2

    p.conn = 7;
    p.conpn = 3;
    shell.keys.release(Key::E);
    shell.keys.press(Key::Y);
    Pass();
    EXPECT_EQ(p.conpn, 3);  // 4 > 7/2
    shell.keys.release(Key::Y);
    p.conapm = -355;
    shell.keys.press(Key::H);
    Pass();
    EXPECT_EQ(p.conapm, -360);
}

TEST_F(Frame, OneParameterChangePerPass) {
    state.solid.zukei = 410;
    BuildParams& p = state.solid.params;
    p.conn = 6;
    p.conpn = 1;
    shell.keys.press(Key::R);
    shell.keys.press(Key::Y);
    Pass();
    EXPECT_EQ(p.conn, 7);
    EXPECT_EQ(p.conpn, 1);
    Pass();
    EXPECT_EQ(p.conpn, 2);
}

TEST_F(Frame, SphericalMeshRefusesMoreThan16384Cells) {
    state.solid.zukei = 415;
    BuildParams& p = state.solid.params;
    p.sphn = 128;
    p.sphm = 128;
    shell.keys.press(Key::R);
    shell.keys.press(Key::Y);
    Pass();
    EXPECT_EQ(p.sphn, 128);
    EXPECT_EQ(p.sphm, 128);
    p.sphm = 127;
    Pass();
    EXPECT_EQ(p.sphn, 129);  // 129 * 127 = 16383
    shell.keys.release(Key::R);
    shell.keys.release(Key::Y);
    p.sphspn = 0.005;
    shell.keys.press(Key::H);
    Pass();
    EXPECT_EQ(p.sphspn, 0.0);
}

// Each count and step key checks its own limit against the other count: on a
// mesh that is not square, mixing the two counts up lets a key pass 16,384
// cells or a step pass half its count.
TEST_F(Frame, SphericalKeysCheckTheirLimitsOnNonSquareMeshes) {
    struct Row {
        Key key;
        int16_t n, kn, m, km;
        int16_t BuildParams::*field;
        int16_t after;  // the field after one pass with the key held
    };
    const Row kRows[] = {
        {Key::Y, 256, 1, 64, 1, &BuildParams::sphm, 64},    // 256 x 65 would pass the cell limit
        {Key::Y, 256, 1, 63, 1, &BuildParams::sphm, 64},    // 256 x 64 = 16,384 just fits
        {Key::Y, 64, 1, 255, 1, &BuildParams::sphm, 256},
        {Key::R, 64, 1, 256, 1, &BuildParams::sphn, 64},
        {Key::R, 63, 1, 256, 1, &BuildParams::sphn, 64},
        {Key::R, 255, 1, 64, 1, &BuildParams::sphn, 256},
        {Key::E, 9, 4, 40, 1, &BuildParams::sphn, 8},
        {Key::E, 8, 4, 40, 1, &BuildParams::sphn, 8},       // 7 corners cannot step by 4
        {Key::T, 40, 1, 9, 4, &BuildParams::sphm, 8},
        {Key::T, 40, 1, 8, 4, &BuildParams::sphm, 8},
        {Key::I, 40, 1, 8, 1, &BuildParams::sphpn, 2},
        {Key::I, 8, 4, 40, 1, &BuildParams::sphpn, 4},      // already half of 8
        {Key::P, 8, 1, 40, 1, &BuildParams::sphpm, 2},
        {Key::P, 40, 1, 8, 4, &BuildParams::sphpm, 4},
        {Key::U, 40, 1, 8, 4, &BuildParams::sphpn, 1},
        {Key::O, 8, 4, 40, 1, &BuildParams::sphpm, 1},
    };
    for (ShapeId figure : {415, 416}) {
        for (const Row& row : kRows) {
            state.solid.zukei = figure;
            BuildParams& p = state.solid.params;
            p.sphn = row.n, p.sphpn = row.kn, p.sphm = row.m, p.sphpm = row.km;
            shell.keys = KeyState{};
            shell.keys.press(row.key);
            Pass();
            EXPECT_EQ(p.*row.field, row.after)
                << figure << ": " << row.n << "/" << row.kn << " x " << row.m << "/" << row.km << " key "
                << static_cast<int>(row.key);
            EXPECT_LE(int32_t{p.sphn} * p.sphm, 16384);
        }
    }
}

TEST_F(Frame, FractalDepthKeys) {
    state.solid.zukei = 443;
    state.solid.fractalDepthMax = 3;
    state.display.fracn = 2;
    shell.keys.press(Key::R);
    Pass();
    EXPECT_EQ(state.display.fracn, 3);
    shell.keys.press(Key::R);
    Pass();
    EXPECT_EQ(state.display.fracn, 3);
    // R refused at the deepest level, so E is tried.
    shell.keys.press(Key::E);
    Pass();
    EXPECT_EQ(state.display.fracn, 2);
}

TEST_F(Frame, SpeedStepsToItsBoundsExactly) {
    for (int i = 0; i < 60; ++i) {
        shell.keys.press(Key::X);
        Pass();
    }
    EXPECT_EQ(shell.speed, 10.0);
    EXPECT_TRUE(shell.keys.held(Key::X));  // refused at the bound: left set
    shell.keys.release(Key::X);
    for (int i = 0; i < 120; ++i) {
        shell.keys.press(Key::Subtract);
        Pass();
    }
    EXPECT_EQ(shell.speed, kSpeedMin);
    EXPECT_TRUE(shell.keys.held(Key::Subtract));
}

TEST_F(Frame, ZoomKeysScaleEveryPassAndLightKeysWrap) {
    shell.keys.press(Key::Numpad3);
    Pass();
    Pass();
    EXPECT_DOUBLE_EQ(state.view.rad, 1.01 * 1.01);
    shell.keys.press(Key::End);
    Pass();
    EXPECT_DOUBLE_EQ(state.view.rad, 1.01 * 1.01 * 1.01 * 0.9900990099009901);
    shell.keys.releaseAll();

    state.display.lightang1 = 70;
    shell.keys.press(Key::S);
    for (int i = 0; i < 360; ++i) Pass();
    EXPECT_EQ(state.display.lightang1, 70);
    shell.keys.press(Key::A);  // S and A together cancel
    Pass();
    EXPECT_EQ(state.display.lightang1, 70);
}

TEST_F(Frame, PeriodicMotionAdvancesEachAngleByItsOwnSpeed) {
    state.view.autoroton = 1;
    state.view.autorotarg1v = 30;
    state.view.autorotarg2v = 10;
    state.display.lightang1v = 15;
    state.display.lightang2v = -4;
    Pass();
    EXPECT_EQ(state.view.autorotarg1, 30);
    EXPECT_EQ(state.view.autorotarg2, 10);
    EXPECT_EQ(state.display.lightang1ofs, 15);
    EXPECT_EQ(state.display.lightang2ofs, -4);
    for (int i = 1; i < 400; ++i) Pass();
    EXPECT_EQ(state.view.autorotarg1, 1200);  // 12000 wrapped into 0..3599
    EXPECT_EQ(state.view.autorotarg2, 400);
    EXPECT_EQ(state.display.lightang1ofs, 2400);
    EXPECT_EQ(state.display.lightang2ofs, -1600);
}

// Where a turning key sends a point: `front` is the point facing the viewer
// (view z), `up` the one at the top of the picture (view y).
enum class Moves { FrontRight, FrontLeft, FrontUp, FrontDown, UpRight, UpLeft, AboutAxis, AgainstAxis };

struct TurnKey {
    Key key;
    Moves moves;
};

// Every turning key and what it does to the picture.
constexpr TurnKey kTurnKeys[] = {
    {Key::Numpad9, Moves::UpRight},     {Key::Insert, Moves::UpRight},    // clockwise on screen
    {Key::Numpad7, Moves::UpLeft},      {Key::Delete, Moves::UpLeft},     // anticlockwise
    {Key::Numpad6, Moves::FrontRight},  {Key::Right, Moves::FrontRight},
    {Key::Numpad4, Moves::FrontLeft},   {Key::Left, Moves::FrontLeft},
    {Key::Numpad8, Moves::FrontUp},     {Key::Up, Moves::FrontUp},
    {Key::Numpad2, Moves::FrontDown},   {Key::Down, Moves::FrontDown},
    {Key::Multiply, Moves::AboutAxis},  {Key::B, Moves::AboutAxis},
    {Key::Divide, Moves::AgainstAxis},  {Key::V, Moves::AgainstAxis},
};

TEST_F(Frame, EachTurningKeyTurnsItsWay) {
    // Start from a skew orientation so that rows and columns cannot be confused.
    RotateInPlane(state.view, 0, 1, 20);
    RotateInPlane(state.view, 1, 2, 35);
    state.view.nax = {1, 2, 2};
    const Matrix3 start = state.view.ax;
    const double step = shell.speed;
    const double s = std::sin(step * std::acos(-1.0) / 180), c = std::cos(step * std::acos(-1.0) / 180);
    for (const TurnKey& t : kTurnKeys) {
        SCOPED_TRACE(static_cast<int>(t.key));
        state.view.ax = start;
        shell.keys.press(t.key);
        Pass();
        shell.keys.release(t.key);
        // Row r of ax is where model axis r shows; a turn of the picture turns
        // every row alike, view axis `from` towards `to` (z front, y up, x right).
        Matrix3 expected = start;
        auto turn = [&](int from, int to) {  // the view axis `from` turns towards `to`
            for (auto& row : expected) {
                const double a = row[from], b = row[to];
                row[from] = a * c - b * s;
                row[to] = a * s + b * c;
            }
        };
        switch (t.moves) {
            case Moves::FrontRight: turn(2, 0); break;
            case Moves::FrontLeft: turn(0, 2); break;
            case Moves::FrontUp: turn(2, 1); break;
            case Moves::FrontDown: turn(1, 2); break;
            case Moves::UpRight: turn(1, 0); break;
            case Moves::UpLeft: turn(0, 1); break;
            case Moves::AboutAxis:
            case Moves::AgainstAxis: {
                ViewState v;
                v.ax = start;
                RotateAboutAxis(v, {1, 2, 2}, t.moves == Moves::AboutAxis ? step : -step);
                expected = v.ax;
                break;
            }
        }
        ExpectMatrixNear(state.view.ax, expected);
    }

    // Each key and its opposite, one pass each, give the start back.
    const std::pair<Key, Key> opposites[] = {
        {Key::Numpad9, Key::Numpad7}, {Key::Insert, Key::Delete}, {Key::Numpad6, Key::Numpad4},
        {Key::Right, Key::Left},      {Key::Numpad8, Key::Numpad2}, {Key::Up, Key::Down},
        {Key::Multiply, Key::Divide}, {Key::B, Key::V},
    };
    for (const auto& [one, other] : opposites) {
        SCOPED_TRACE(static_cast<int>(one));
        state.view.ax = start;
        shell.keys.press(one);
        Pass();
        shell.keys.release(one);
        EXPECT_GT(std::abs(state.view.ax[0][0] - start[0][0]) + std::abs(state.view.ax[2][1] - start[2][1]) +
                      std::abs(state.view.ax[1][2] - start[1][2]),
                  1e-3);
        shell.keys.press(other);
        Pass();
        shell.keys.release(other);
        ExpectMatrixNear(state.view.ax, start);
    }
}

TEST(CountFrame, CountsThePassesOfThePreviousSecond) {
    ShellState shell;
    uint64_t last = 5990;
    for (uint64_t now : {6000, 6010, 6500, 6999, 7000}) {
        CountFrame(shell, last, now);
        last = now;
    }
    EXPECT_EQ(shell.fps, 4);  // the passes ending at 6000, 6010, 6500 and 6999
    EXPECT_EQ(shell.framecount, 1);
}

}  // namespace
}  // namespace gyro
