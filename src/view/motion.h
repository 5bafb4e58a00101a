#pragma once

#include <cstdint>

#include "model/display_settings.h"
#include "view/view_state.h"

namespace gyro {

inline constexpr double kSpeedMin = 0.1;
inline constexpr double kSpeedMax = 10.0;
inline constexpr double kSpeedStart = 5.0;

// Remainder modulo 3600 that keeps the sign of the dividend, in 16 bits.
int16_t WrapAngle3600(int32_t tenths);

// Once per frame: the moving light's offsets, then the auto-rotation angles.
void AdvancePeriodicMotion(ViewState& view, DisplaySettings& display);

// One zoom step multiplies `rad` by this factor.
double ZoomInFactor(double speed);
double ZoomOutFactor(double speed);

// One speed step up (+1) or down (-1); refused at or beyond the bound.
double StepSpeed(double speed, int direction);

}  // namespace gyro
