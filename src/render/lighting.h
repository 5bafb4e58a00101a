#pragma once

#include "model/solid.h"
#include "model/vec3.h"
#include "model/display_settings.h"

namespace gyro {

// Direction toward the light in view space (right, up, toward the viewer), from
// `lightang1`/`lightang2` plus the drift offsets when `lightmove` is set.
Vec3 LightVector(const DisplaySettings& d);

// Brightness of a face from its view-space normal N and |N| (> 0): between
// `lightmin` / 100 and `lightmax` / 100 for valid settings.
double FaceBrightness(const DisplaySettings& d, Vec3 light, Vec3 n, double length);

// The fill colour of a face of base colour `base` and brightness `b`.
Colour ShadeColour(const DisplaySettings& d, Colour base, double b);

}  // namespace gyro
