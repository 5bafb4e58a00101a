#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "io/settings_file.h"
#include "state/app_state.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace gyro {
namespace {

using namespace test_support;

TEST(SettingsCommand, PrintsTheStartStateOrTheLoadedFile) {
    AppState state;
    InitAppState(state);
    const CliResult plain = RunCli("settings");
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(plain.out, SaveSettings(state));

    const TempDir dir;
    const std::filesystem::path path = dir / "settings.txt";
    std::ofstream(path, std::ios::binary) << "bkmode:2\nviewx:0\n";
    const CliResult loaded = RunCli("settings --settings " + Quoted(path));
    EXPECT_EQ(loaded.status, 0);
    ASSERT_TRUE(LoadSettingsFromText("bkmode:2\nviewx:1\n", state) == 2);
    EXPECT_EQ(loaded.out, SaveSettings(state));

    for (const char* bad : {"settings --settings /nonexistent/file.txt", "settings --settings", "settings extra"}) {
        const CliResult failed = RunCli(bad);
        EXPECT_NE(failed.status, 0) << bad;
        EXPECT_TRUE(failed.out.empty()) << bad;
    }
}

}  // namespace
}  // namespace gyro
