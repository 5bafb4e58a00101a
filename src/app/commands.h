#pragma once

// The menu commands that act on the state alone. Commands that open dialogs,
// files or the information box are handled by the window.

#include <functional>
#include <span>

#include "shell/shell_state.h"
#include "state/app_state.h"

namespace gyro {

// Asks the user for a colour, starting from `colour`. Returns true and writes
// the choice into `colour` when accepted; leaves it alone when cancelled.
using ColourChooser = std::function<bool(Colour& colour)>;

// Runs command `id` on the state. Returns false when the id is not one of
// the state commands (the caller handles it, or it does nothing).
bool RunStateCommand(AppState& state, ShellState& shell, int id, const ColourChooser& choose);

// Commands present in the menus whose parts are not built yet; the window
// shows them disabled.
std::span<const int> PendingCommands();

}  // namespace gyro
