#include "shell/frame_step.h"

#include <algorithm>

#include "model/limits.h"
#include "state/dispatcher.h"
#include "view/motion.h"
#include "view/view_state.h"

namespace gyro {

namespace {

// A screen rotation: its two keys, and the turn it makes.
struct ScreenTurn {
    Key key1;
    Key key2;
    int plane1;  // view axes of RotateInPlane; -1 for a turn about nax
    int plane2;
    double sense;
};

// Tried in this order; the inertia direction becomes the code (index + 1) of
// the last one that ran.
constexpr ScreenTurn kScreenTurns[] = {
    {Key::Numpad9, Key::Insert, 1, 0, 1.0},   {Key::Numpad7, Key::Delete, 0, 1, 1.0},
    {Key::Numpad6, Key::Right, 2, 0, 1.0},    {Key::Numpad4, Key::Left, 0, 2, 1.0},
    {Key::Numpad8, Key::Up, 2, 1, 1.0},       {Key::Numpad2, Key::Down, 1, 2, 1.0},
    {Key::Multiply, Key::B, -1, -1, 1.0},     {Key::Divide, Key::V, -1, -1, -1.0},
};

// A family-parameter key: applied only when its condition holds.
struct ParamKey {
    Key key;
    bool (*allowed)(const BuildParams&);
    void (*apply)(BuildParams&);
};

constexpr ParamKey kPyramidKeys[] = {
    {Key::R, [](const BuildParams& p) { return p.conn + 1 <= kMaxCorners; }, [](BuildParams& p) { p.conn = WrapInt16(p.conn + 1); }},
    {Key::E, [](const BuildParams& p) { return p.conn - 1 >= 2 && p.conpn <= (p.conn - 1) / 2; },
     [](BuildParams& p) { p.conn = WrapInt16(p.conn - 1); }},
    {Key::Y, [](const BuildParams& p) { return p.conpn + 1 <= p.conn / 2; }, [](BuildParams& p) { p.conpn = WrapInt16(p.conpn + 1); }},
    {Key::T, [](const BuildParams& p) { return p.conpn - 1 >= 1; }, [](BuildParams& p) { p.conpn = WrapInt16(p.conpn - 1); }},
    {Key::H, [](const BuildParams& p) { return p.conapm > -360; },
     [](BuildParams& p) { p.conapm = WrapInt16(std::max(p.conapm - 10, -360)); }},
    {Key::G, [](const BuildParams& p) { return p.conapm < 360; },
     [](BuildParams& p) { p.conapm = WrapInt16(std::min(p.conapm + 10, 360)); }},
};

constexpr ParamKey kSphericalKeys[] = {
    {Key::R, [](const BuildParams& p) { return (p.sphn + 1) * p.sphm <= kMaxSphereCells; }, [](BuildParams& p) { p.sphn = WrapInt16(p.sphn + 1); }},
    {Key::E, [](const BuildParams& p) { return p.sphn - 1 >= 2 && p.sphpn <= (p.sphn - 1) / 2; },
     [](BuildParams& p) { p.sphn = WrapInt16(p.sphn - 1); }},
    {Key::Y, [](const BuildParams& p) { return (p.sphm + 1) * p.sphn <= kMaxSphereCells; }, [](BuildParams& p) { p.sphm = WrapInt16(p.sphm + 1); }},
    {Key::T, [](const BuildParams& p) { return p.sphm - 1 >= 2 && p.sphpm <= (p.sphm - 1) / 2; },
     [](BuildParams& p) { p.sphm = WrapInt16(p.sphm - 1); }},
    {Key::I, [](const BuildParams& p) { return p.sphpn + 1 <= p.sphn / 2; }, [](BuildParams& p) { p.sphpn = WrapInt16(p.sphpn + 1); }},
    {Key::U, [](const BuildParams& p) { return p.sphpn - 1 >= 1; }, [](BuildParams& p) { p.sphpn = WrapInt16(p.sphpn - 1); }},
    {Key::P, [](const BuildParams& p) { return p.sphpm + 1 <= p.sphm / 2; }, [](BuildParams& p) { p.sphpm = WrapInt16(p.sphpm + 1); }},
    {Key::O, [](const BuildParams& p) { return p.sphpm - 1 >= 1; }, [](BuildParams& p) { p.sphpm = WrapInt16(p.sphpm - 1); }},
    {Key::H, [](const BuildParams& p) { return p.sphspn >= 0; }, [](BuildParams& p) { p.sphspn = std::max(p.sphspn - 0.01, 0.0); }},
    {Key::G, [](const BuildParams& p) { return p.sphspn < kMaxSuperExponent; }, [](BuildParams& p) { p.sphspn = std::min(p.sphspn + 0.01, kMaxSuperExponent); }},
    {Key::K, [](const BuildParams& p) { return p.sphspm >= 0; }, [](BuildParams& p) { p.sphspm = std::max(p.sphspm - 0.01, 0.0); }},
    {Key::J, [](const BuildParams& p) { return p.sphspm < kMaxSuperExponent; }, [](BuildParams& p) { p.sphspm = std::min(p.sphspm + 0.01, kMaxSuperExponent); }},
};

// At most one parameter change per pass: the first held key whose condition
// holds wins; held keys whose condition fails stay held for later passes.
template <size_t N>
bool ApplyParamKeys(const ParamKey (&table)[N], AppState& state, KeyState& keys) {
    for (const ParamKey& pk : table) {
        if (!keys.held(pk.key) || !pk.allowed(state.solid.params)) continue;
        pk.apply(state.solid.params);
        keys.consume(pk.key);
        Rebuild(state.solid);
        return true;
    }
    return false;
}

// The fractal depth is drawn, not built, so changing it needs no rebuild.
void ApplyFractalDepthKeys(AppState& state, KeyState& keys) {
    const int8_t depthMax = state.solid.fractalDepthMax;
    int8_t& fracn = state.display.fracn;
    if (keys.held(Key::R) && fracn < depthMax) {
        ++fracn;
        keys.consume(Key::R);
    } else if (keys.held(Key::E) && fracn > 0) {
        --fracn;
        keys.consume(Key::E);
    }
}

void StepLightAngle(int16_t& angle, KeyState& keys, Key up, Key down) {
    if (keys.held(up)) angle = WrapAngle3600(int32_t{angle} + 10);
    if (keys.held(down)) angle = WrapAngle3600(int32_t{angle} + 3590);
}

}  // namespace

bool IsPyramidFamily(ShapeId figure) {
    switch (figure) {
        case 400: case 401: case 402: case 404: case 406: case 410: case 414: return true;
        default: return false;
    }
}

bool IsSphericalFamily(ShapeId figure) { return figure == 415 || figure == 416; }

bool StepFrame(AppState& state, ShellState& shell) {
    KeyState& keys = shell.keys;
    ViewState& view = state.view;
    const double speed = shell.speed;

    if (keys.held(Key::Numpad5) || keys.held(Key::Space) || !shell.inertiaon) shell.inertiadir = 0;

    for (int i = 0; i < 8; ++i) {
        const ScreenTurn& turn = kScreenTurns[i];
        const int8_t code = static_cast<int8_t>(i + 1);
        if (!keys.held(turn.key1) && !keys.held(turn.key2) && shell.inertiadir != code) continue;
        if (turn.plane1 >= 0) {
            RotateInPlane(view, turn.plane1, turn.plane2, speed);
        } else {
            RotateAboutAxis(view, view.nax, turn.sense * speed);
        }
        shell.inertiadir = code;
    }

    if (keys.held(Key::Return)) {
        if (view.njim) {
            RotateAboutAxis(view, view.nax, view.nang);
        } else {
            RotateByVector(view, view.nax);
        }
        keys.consume(Key::Return);
    }

    if (keys.held(Key::C)) {
        // A solid always carries at least one pattern; guard the modulus anyway.
        const int count = std::max<int>(state.solid.patternCount, 1);
        state.display.orgcolpat = static_cast<int16_t>((state.display.orgcolpat + 1) % count);
        keys.consume(Key::C);
    }

    bool rebuilt = false;
    const ShapeId figure = state.solid.zukei;
    if (IsPyramidFamily(figure)) {
        rebuilt = ApplyParamKeys(kPyramidKeys, state, keys);
    } else if (IsSphericalFamily(figure)) {
        rebuilt = ApplyParamKeys(kSphericalKeys, state, keys);
    } else if (state.solid.fractalDepthMax != 0) {
        ApplyFractalDepthKeys(state, keys);
    }

    if (keys.held(Key::Numpad1) || keys.held(Key::End)) ScaleView(view, ZoomOutFactor(shell.speed));
    if (keys.held(Key::Numpad3) || keys.held(Key::Home)) ScaleView(view, ZoomInFactor(shell.speed));

    if ((keys.held(Key::Add) || keys.held(Key::X)) && shell.speed < kSpeedMax) {
        shell.speed = StepSpeed(shell.speed, +1);
        keys.consume(Key::Add);
        keys.consume(Key::X);
    }
    if ((keys.held(Key::Subtract) || keys.held(Key::Z)) && shell.speed > kSpeedMin) {
        shell.speed = StepSpeed(shell.speed, -1);
        keys.consume(Key::Subtract);
        keys.consume(Key::Z);
    }

    StepLightAngle(state.display.lightang1, keys, Key::S, Key::A);
    StepLightAngle(state.display.lightang2, keys, Key::F, Key::D);

    AdvancePeriodicMotion(view, state.display);
    keys.endPass();
    return rebuilt;
}

void CountFrame(ShellState& shell, uint64_t lastMs, uint64_t nowMs) {
    if (lastMs / 1000 != nowMs / 1000) {
        shell.fps = shell.framecount;
        shell.framecount = 0;
    }
    ++shell.framecount;
}

}  // namespace gyro
