#pragma once

#include <cstdint>

#include "model/solid.h"

namespace gyro {

// Mix of a and b with a's share w/256, each channel rounded to nearest.
// w is taken as a signed 16-bit number and clamped to 0..256.
Colour BlendColour(Colour a, Colour b, int32_t w);

// Fully saturated colour on the 1530-step hue circle
// (0 red, 255 yellow, 510 green, 765 cyan, 1020 blue, 1275 magenta).
Colour HueColour(int32_t h);

inline constexpr Colour RgbColour(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
inline constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
inline constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace gyro
