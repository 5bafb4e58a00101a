#pragma once

// Which menu items carry a check mark, as a pure function of the state.

#include <span>
#include <vector>

#include "shell/shell_state.h"
#include "state/app_state.h"

namespace gyro {

// A figure entry of the figure menu: its command and the figure it builds.
struct FigureCommand {
    int id;
    ShapeId figure;
};

struct MenuMark {
    int id;
    bool checked;
};

// Every checkable item, with its mark: the option switches, the figure
// entries, and each exclusive choice (checked exactly when its value holds).
std::vector<MenuMark> MenuMarks(const AppState& state, const ShellState& shell,
                                std::span<const FigureCommand> figures);

}  // namespace gyro
