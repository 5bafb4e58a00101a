#pragma once

#include <filesystem>
#include <string>

namespace gyro::test_support {

struct CliResult {
    int status = -1;  // exit status, -1 when the tool did not exit normally
    std::string out;  // everything written to stdout
};

// Runs gyrosolid-cli with `arguments` (already quoted for the shell); stderr is dropped.
CliResult RunCli(const std::string& arguments);

// Runs a shell command line as it stands.
CliResult RunShell(const std::string& command);

// A path quoted for the shell.
std::string Quoted(const std::filesystem::path& path);

// The whole file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);

}  // namespace gyro::test_support
