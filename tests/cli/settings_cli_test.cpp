#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "io/settings_file.h"
#include "model/app_state.h"

namespace gyro {
namespace {

struct Result {
    int exitCode = -1;
    std::string out;
};

// Runs the tool with `arguments` (already quoted for the shell); stderr is dropped.
Result RunCli(const std::string& arguments) {
    Result result;
    const std::string command = std::string("'") + GYRO_CLI_PATH + "' " + arguments + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.out.append(buffer, n);
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

TEST(SettingsCommand, PrintsTheStartStateOrTheLoadedFile) {
    AppState state;
    InitAppState(state);
    const Result plain = RunCli("settings");
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_EQ(plain.out, SaveSettings(state));

    // Unique per process: other checkouts may run this test at the same time.
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("gyro-cli-settings-" + std::to_string(::getpid()) + ".txt")).string();
    std::ofstream(path, std::ios::binary) << "bkmode:2\nviewx:0\n";
    const Result loaded = RunCli("settings --settings '" + path + "'");
    std::filesystem::remove(path);
    EXPECT_EQ(loaded.exitCode, 0);
    ASSERT_TRUE(LoadSettingsFromText("bkmode:2\nviewx:1\n", state) == 2);
    EXPECT_EQ(loaded.out, SaveSettings(state));

    for (const char* bad : {"settings --settings /nonexistent/file.txt", "settings --settings", "settings extra"}) {
        const Result failed = RunCli(bad);
        EXPECT_NE(failed.exitCode, 0) << bad;
        EXPECT_TRUE(failed.out.empty()) << bad;
    }
}

}  // namespace
}  // namespace gyro
