#pragma once

#include <optional>
#include <string>

#include "io/status.h"
#include "state/app_state.h"

namespace gyro::cli {

// The state a subcommand starts from: the viewer's start values and, when
// --settings FILE was given, that file loaded over them, rebuilt and clamped
// just as the viewer's load command leaves it.
Status MakeStartState(AppState& state, const std::optional<std::string>& settingsFile);

// The start state with `figure` built in it, at size standard `kikaku` when one
// is given; an error when the settings file fails or no builder knows the number.
Status BuildStartFigure(AppState& state, const std::optional<std::string>& settingsFile,
                        std::optional<int8_t> kikaku, ShapeId figure);

}  // namespace gyro::cli
