#include "cli/start_state.h"

#include "io/settings_file.h"
#include "state/dispatcher.h"

namespace gyro::cli {

Status MakeStartState(AppState& state, const std::optional<std::string>& settingsFile) {
    InitAppState(state);
    if (!settingsFile) return Status::Ok();
    return LoadSettingsFile(*settingsFile, state);
}

Status BuildStartFigure(AppState& state, const std::optional<std::string>& settingsFile,
                        std::optional<int8_t> kikaku, ShapeId figure) {
    if (Status start = MakeStartState(state, settingsFile); !start.ok()) return start;
    if (kikaku) state.solid.params.kikaku = *kikaku;
    // Built as the window shows it: framed for the start view.
    state.solid.zukei = figure;
    if (Rebuild(state.solid) == 0) {
        return Status::Error("figure " + std::to_string(figure) + ": nothing built (no builder knows this number)");
    }
    return Status::Ok();
}

}  // namespace gyro::cli
