#include "cli/start_state.h"

#include "io/settings_file.h"

namespace gyro::cli {

Status MakeStartState(AppState& state, const std::optional<std::string>& settingsFile) {
    InitAppState(state);
    if (!settingsFile) return Status::Ok();
    return LoadSettingsFile(*settingsFile, state);
}

}  // namespace gyro::cli
