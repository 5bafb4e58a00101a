#pragma once

// What keys, the mouse and the wheel do to the state, before any drawing.
// No Qt in here: the window translates its events into these calls.

#include <cstdint>
#include <optional>

#include "shell/shell_state.h"
#include "state/app_state.h"

namespace gyro {

// One key as the loop sees it: a key of the held-key table, a figure step
// (-1 back, +1 forward), or neither (a key the viewer does not use).
struct KeyInput {
    std::optional<Key> key;
    int figureStep = 0;
};

// A key-down (auto-repeat included). Returns true when the figure changed, so
// that the caller refreshes the menu marks.
bool KeyDown(AppState& state, ShellState& shell, const KeyInput& input);
void KeyUp(ShellState& shell, const KeyInput& input);

// Moves to the neighbouring figure in its stepping order. Figures outside both
// orders stay. Returns true when a new figure was built.
bool StepFigureBy(AppState& state, int direction);

// A mouse move to client position (x, y) with the buttons as they are now.
// Does nothing at all while the mouse is switched off.
void MouseMove(AppState& state, ShellState& shell, int16_t x, int16_t y, bool left, bool right);

// A wheel turn; only its sign counts. Returns true when the speed changed.
bool MouseWheel(ShellState& shell, int delta);

}  // namespace gyro
