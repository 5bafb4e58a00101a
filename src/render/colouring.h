#pragma once

#include <cstdint>

#include "model/solid.h"
#include "model/display_settings.h"

namespace gyro {

// A mode outside its range can only come from a hand-edited settings file. Such a
// value is never used as a table index: `facecolmode` above 11 draws faces unfilled
// like mode 1, every other stray mode behaves like its start value.
int EffectiveFaceColMode(int8_t facecolmode);
int EffectiveLightMode(int8_t lightmode);
int EffectivePenBold(int8_t penbold);
int EffectiveHiddenPenBold(int8_t urapenbold);  // 3 (same as visible lines) is resolved by HiddenWidthMode
int EffectivePenColMode(int8_t pencolmode);
int EffectiveHiddenPenColMode(int8_t urapencolmode);
int EffectiveBkMode(int8_t bkmode);

Colour BackgroundColour(const DisplaySettings& d);
Colour LineColour(const DisplaySettings& d);    // visible lines
Colour HiddenColour(const DisplaySettings& d);  // hidden lines
// Width mode of hidden lines: 0 thick, 1 thin, 2 none.
int HiddenWidthMode(const DisplaySettings& d);

// The colour of face `faceIndex` before lighting, by `facecolmode` 2..11. Modes 0, 1
// and the unfilled stray values give the start value's grey; callers do not fill then.
Colour FaceBaseColour(const Face& face, int32_t faceIndex, const Solid& solid, const DisplaySettings& d);

}  // namespace gyro
