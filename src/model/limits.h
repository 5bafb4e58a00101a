#pragma once

#include <cstdint>

namespace gyro {

// Limits shared by the keys, the settings loader, the renderer and the dialogs.
inline constexpr int32_t kMaxCorners = 4095;        // corners of a pyramid or prism base (conn)
inline constexpr int32_t kMaxSphereCells = 16384;   // faces of a sphere or torus mesh (sphn × sphm)
inline constexpr int32_t kMaxSphereCount = 8192;    // one of the two sphere counts
inline constexpr int64_t kMaxBlobTreeFaces = 2000000; // faces of the blob tree, whatever the sphere parameters
inline constexpr double kMaxSuperExponent = 1000.0; // super-quadric exponents sphspn, sphspm: 0 .. this

// The drawing area in pixels, each side. The one ceiling for the settings
// loader, the back buffer, the window and the headless tool's --size: a saved
// viewx or viewy above it loads as this value, and a bigger window draws into
// a buffer of this size. 8192 × 8192 pixels are 256 MiB.
inline constexpr int32_t kMinViewSide = 1;
inline constexpr int32_t kMaxViewSide = 8192;
// The screen-size dialog stores at most this; bigger areas come only from a
// settings file or from resizing the window.
inline constexpr int32_t kMaxDialogViewSide = 2048;

// Doubles are saved in fixed notation on lines that are read back 199 bytes at a
// time; beyond this magnitude a value would no longer fit its line and a saved
// file would not load as saved. The orientation, the axis, its angle and the
// zoom are kept within it wherever they are set (loader and dialogs).
inline constexpr double kMaxSavedMagnitude = 1e100;

// The value a 16-bit signed field takes when v is stored into it: the low 16
// bits, read as two's complement (65538 becomes 2, 32768 becomes -32768).
constexpr int16_t WrapInt16(int64_t v) {
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint64_t>(v) & 0xFFFFu));
}

}  // namespace gyro
