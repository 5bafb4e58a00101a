#pragma once

#include <optional>
#include <string>
#include <vector>

#include "shell/language.h"

namespace gyro {

// What the viewer's command line asks for. It is read before the window system
// is touched, so --help and --version work without a display.
struct ViewerCommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    std::string grabFile;  // --grab FILE: save the window after a second and quit
    std::optional<UiLanguage> language;  // --lang ja|en: over the remembered choice, for this run
    std::string error;     // for Action::Error
};

// `args` are the words after the program name. Qt's own options (-platform X,
// -style X, -reverse, ...) are let through for QApplication to take.
ViewerCommandLine ParseViewerCommandLine(const std::vector<std::string>& args);

std::string ViewerUsage();
std::string ViewerVersion();

}  // namespace gyro
