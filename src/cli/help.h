#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace gyro::cli {

// The tool's usage: one synopsis line per command.
void PrintUsage(std::FILE* out);
// The synopsis and a description of one command; false when there is no such command.
bool PrintCommandHelp(std::string_view command, std::FILE* out);
// "gyrosolid-cli VERSION".
void PrintVersion(std::FILE* out);

// A mistake on the command line: prints the message and the command's synopsis
// (the whole usage when `command` is empty) on stderr and returns the exit status 2.
int UsageError(std::string_view command, const std::string& message);

}  // namespace gyro::cli
