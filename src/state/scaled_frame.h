#pragma once

#include "model/display_settings.h"
#include "state/app_state.h"

namespace gyro {

// Draws the frame at `scale` buffer pixels per pixel of the drawing area into
// `into`, which becomes round(viewx * scale) x round(viewy * scale): the same
// picture with finer pixels, for screens with a device-pixel ratio above 1.
// The zoom, the eye distance and position, the stereo separation and shift
// are scaled with it; line widths stay in buffer pixels. The state, its back
// buffer included, is left as it was. False, with nothing drawn, when the
// scale is not a positive number, the buffer would pass the view limits or its
// memory cannot be had.
bool RenderFrameAtScale(AppState& state, double scale, BackBuffer& into);

}  // namespace gyro
