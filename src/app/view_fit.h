#pragma once

// How the drawing area follows the window's client area. Without "窓に合わせる"
// (fitwindow) a restored window takes its client size as the drawing area and a
// maximised one keeps the area it had; with it, every size but a minimised one
// does, so the picture fills the window.

#include <cstdint>

#include "model/display_settings.h"

namespace gyro {

struct ClientView {
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const ClientView&) const = default;
};

// The drawing area a client area holds: all of it above the status band,
// within the shared view limits.
ClientView ViewForClient(int64_t clientWidth, int64_t clientHeight);

enum class WindowShape : uint8_t { Normal, Maximised, Minimised };

// Whether a client area of this shape sets the drawing area.
bool ClientSizeSetsView(const DisplaySettings& display, WindowShape shape);

}  // namespace gyro
