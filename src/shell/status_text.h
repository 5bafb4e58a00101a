#pragma once

// The two lines of the status band under the drawing, as text pieces with
// their pixel positions. Glyph cells are 8 pixels wide for a half-width
// character and 16 for a full-width one.

#include <array>
#include <string>

#include "shell/shell_state.h"
#include "state/app_state.h"

namespace gyro {

inline constexpr int kStatusCellWidth = 8;
inline constexpr int kStatusLineHeight = 16;

struct StatusPiece {
    int x = 0;
    std::string text;  // UTF-8
};

// Why the picture is empty, when it is: the figure does not exist for the
// parameters it was built with. The window says so in line 2, with the keys
// or the dialog that change those parameters.
enum class Refusal : uint8_t {
    None,
    PyramidFamily,    // R/E/Y/T keys, 角錐・角柱 > 設定...
    PrismDialog,      // the other pyramids and prisms: 角錐・角柱 > 設定... only
    SphericalFamily,  // R/E/Y/T/I/U/P/O keys, 球状系 > 設定...
    Other,
};

// True when the solid has nothing to draw: no face with a corner and no segment.
bool NothingToDraw(const Solid& solid);

// Reused from frame to frame so that formatting does not allocate.
struct StatusText {
    std::array<StatusPiece, 4> line1;  // speed, pattern, angle or level, fps
    int line1Count = 0;
    StatusPiece nameLabel;
    StatusPiece name;
    Refusal refusal = Refusal::None;  // not None: line 2 names the refusal instead
};

void FormatStatus(const AppState& state, const ShellState& shell, StatusText& out);

// Line 1 as one string, for tests and messages.
std::string StatusLine1(const StatusText& text);

}  // namespace gyro
