#include <cstdio>
#include <optional>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "cli/start_state.h"
#include "io/settings_file.h"
#include "state/app_state.h"

namespace gyro::cli {

// Prints the settings file of the start state, or of the start state after
// loading FILE, exactly as the viewer would save it.
int RunSettings(const Args& args) {
    std::optional<std::string> settingsPath;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--settings") {
            if (i + 1 >= args.size()) return UsageError("settings", "--settings needs a file name");
            settingsPath = args[++i];
        } else {
            return UsageError("settings", "unexpected argument '" + args[i] + "'");
        }
    }

    AppState state;
    if (const Status start = MakeStartState(state, settingsPath); !start.ok()) return Fail(start.message);
    const std::string text = SaveSettings(state);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
        std::fputs("gyrosolid-cli: cannot write the settings to standard output\n", stderr);
        return 1;
    }
    return 0;
}

}  // namespace gyro::cli
