#pragma once

// One pass of the frame loop between delivering events and drawing: held-key
// turns and inertia, the one-shot keys, family parameters, zoom, speed, light
// and the periodic motion. Pure state in, state out.

#include <cstdint>

#include "shell/shell_state.h"
#include "state/app_state.h"

namespace gyro {

// The pyramid/prism and the spherical figure families, whose parameters the
// letter keys step.
bool IsPyramidFamily(ShapeId figure);
bool IsSphericalFamily(ShapeId figure);

// One pass's work on the state between the events and the drawing: held turning
// keys and inertia, Return, C, the family or fractal-depth keys, zoom, speed, the
// light keys and the periodic motion. Returns true when the figure was rebuilt.
bool StepFrame(AppState& state, ShellState& shell);

// Frame counting after a pass: `lastMs` is the clock when the previous pass
// ended, `nowMs` when this one ended. fps is the number of passes that ended
// in the previous whole second of the clock.
void CountFrame(ShellState& shell, uint64_t lastMs, uint64_t nowMs);

}  // namespace gyro
