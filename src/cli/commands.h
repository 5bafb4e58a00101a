#pragma once

#include <string>
#include <vector>

namespace gyro::cli {

using Args = std::vector<std::string>;

// Each subcommand takes the words after its name and returns the exit status.
int RunList(const Args& args);
int RunExport(const Args& args);
int RunRender(const Args& args);
int RunAnimate(const Args& args);
int RunBench(const Args& args);
int RunSettings(const Args& args);
int RunInfo(const Args& args);
int RunNet(const Args& args);

}  // namespace gyro::cli
