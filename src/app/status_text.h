#pragma once

// The two lines of the status band under the drawing, as text pieces with
// their pixel positions. Glyph cells are 8 pixels wide for a half-width
// character and 16 for a full-width one.

#include <array>
#include <string>

#include "app/shell_state.h"
#include "state/app_state.h"

namespace gyro {

inline constexpr int kStatusCellWidth = 8;
inline constexpr int kStatusLineHeight = 16;

struct StatusPiece {
    int x = 0;
    std::string text;  // UTF-8
};

// Reused from frame to frame so that formatting does not allocate.
struct StatusText {
    std::array<StatusPiece, 4> line1;  // speed, pattern, angle or level, fps
    int line1Count = 0;
    StatusPiece nameLabel;
    StatusPiece name;
};

void FormatStatus(const AppState& state, const ShellState& shell, StatusText& out);

// Line 1 as one string, for tests and messages.
std::string StatusLine1(const StatusText& text);

}  // namespace gyro
