#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

#include "io/status.h"
#include "state/app_state.h"

namespace gyro {

// The settings file: one "key:value" line per setting (108 lines, CR LF), written
// in a fixed order and read back in any order. Lines that are not settings are
// skipped and keys that are missing leave their value alone, so a hand-written
// file that sets only a few keys is valid. Numbers are always written and read
// in the C format, whatever the process locale.

inline constexpr int kSettingsLineCount = 111;
// Files larger than this are not settings files; refusing them keeps a wrong
// choice in the file dialog (or a device such as /dev/zero) from hanging the viewer.
inline constexpr std::size_t kMaxSettingsFileBytes = 1 << 20;

// The file's text for the current state.
std::string SaveSettings(const AppState& state);
void SaveSettings(const AppState& state, std::ostream& out);
// Writes the file. The previous file at `path` survives untouched unless the new
// one was written completely (see WriteFileAtomically).
Status SaveSettings(const AppState& state, const std::string& path);

// Applies every settings line of `text` to `state`, then runs ValidateSettings.
// Returns how many lines were applied. The figure is not rebuilt.
int LoadSettingsFromText(std::string_view text, AppState& state);
// Reads the file at `path` and applies it like LoadSettingsFromText. When the
// file cannot be read, or holds no settings line at all, `state` is unchanged
// and the error is returned. The figure is not rebuilt.
Status LoadSettings(const std::string& path, AppState& state);

// Brings the fields that a file or a dialog may set out of range back into range.
void ValidateSettings(AppState& state);

// What the load command does: LoadSettings, then rebuild the figure and bring the
// colour pattern and fractal depth into range for it, as a figure change does.
// On failure nothing has changed and nothing is rebuilt.
Status LoadSettingsFile(const std::string& path, AppState& state);

}  // namespace gyro
