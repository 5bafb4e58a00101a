#include "shell/input.h"

#include <cmath>

#include "catalog/catalogue.h"
#include "state/dispatcher.h"
#include "view/motion.h"
#include "view/view_state.h"

namespace gyro {

bool KeyDown(AppState& state, ShellState& shell, const KeyInput& input) {
    if (input.key) shell.keys.press(*input.key);
    if (input.figureStep != 0) return StepFigureBy(state, input.figureStep);
    return false;
}

void KeyUp(ShellState& shell, const KeyInput& input) {
    if (input.key) shell.keys.release(*input.key);
}

bool StepFigureBy(AppState& state, int direction) {
    const ShapeId next = StepFigure(state.solid.zukei, direction);
    if (next == state.solid.zukei) return false;
    ChangeFigure(state, next);
    return true;
}

void MouseMove(AppState& state, ShellState& shell, int16_t x, int16_t y, bool left, bool right) {
    if (!shell.mouseon) return;
    const int px = shell.lastmousex;
    const int py = shell.lastmousey;
    if (left && (x != px || y != py)) {
        // A fixed turn per move, about the screen axis across the movement.
        const double d = std::hypot(px - x, py - y);
        RotateAboutAxis(state.view, {(y - py) / d, (x - px) / d, 0.0}, shell.speed);
    }
    if (right) {
        if (x < px) RotateInPlane(state.view, 0, 1, shell.speed);
        if (x > px) RotateInPlane(state.view, 0, 1, -shell.speed);
        if (y != py) {
            const double s = y > py ? 1.0 : -1.0;  // moving down shrinks
            ScaleView(state.view, std::pow(0.9900990099009901, s * shell.speed / 5.0));
        }
    }
    shell.lastmousex = x;
    shell.lastmousey = y;
}

bool MouseWheel(ShellState& shell, int delta) {
    if (!shell.mouseon || delta == 0) return false;
    const double before = shell.speed;
    shell.speed = StepSpeed(shell.speed, delta > 0 ? +1 : -1);
    return shell.speed != before;
}

}  // namespace gyro
