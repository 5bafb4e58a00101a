#include "support/cli_runner.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace gyro::test_support {

CliResult RunCli(const std::string& arguments) {
    std::string command = "'";
    command += GYRO_CLI_PATH;
    command += "' ";
    command += arguments;
    command += " 2>/dev/null";
    return RunShell(command);
}

CliResult RunShell(const std::string& command) {
    CliResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.out.append(buffer, n);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string Quoted(const std::filesystem::path& path) {
    // Appending piece by piece keeps g++ 12 from a false -Wrestrict warning.
    std::string quoted = "'";
    quoted += path.string();
    quoted += '\'';
    return quoted;
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace gyro::test_support
