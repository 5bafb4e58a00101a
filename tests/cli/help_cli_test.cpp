#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/cli_runner.h"

namespace gyro {
namespace {

using namespace test_support;
namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out, err;
};

// Runs a program with no display at all, keeping both streams.
Outcome Start(const std::string& program, const std::string& arguments) {
    const fs::path base = fs::temp_directory_path() / ("gyro_help_" + std::to_string(::getpid()));
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + Quoted(program) + " " +
                                arguments + " >" + Quoted(base.string() + ".out") + " 2>" +
                                Quoted(base.string() + ".err") + " </dev/null";
    Outcome run;
    const int status = std::system(command.c_str());
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadFileBytes(base.string() + ".out");
    run.err = ReadFileBytes(base.string() + ".err");
    fs::remove(base.string() + ".out");
    fs::remove(base.string() + ".err");
    return run;
}

struct HelpRow {
    const char* arguments;
    int status;
    const char* out;  // expected at the start of stdout ("" : stdout stays empty)
    const char* err;  // expected somewhere in stderr ("" : stderr stays empty)
};

TEST(CliHelp, HelpVersionAndMistakes) {
    const HelpRow rows[] = {
        {"--help", 0, "usage: gyrosolid-cli <command>", ""},
        {"-h", 0, "usage: gyrosolid-cli <command>", ""},
        {"help", 0, "usage: gyrosolid-cli <command>", ""},
        {"--version", 0, "gyrosolid-cli 0.", ""},
        {"help export", 0, "usage: gyrosolid-cli export N", ""},
        {"render --help", 0, "usage: gyrosolid-cli render N", ""},
        {"bench 5 -h", 0, "usage: gyrosolid-cli bench", ""},
        {"help nosuch", 2, "", "no command 'nosuch'"},
        {"--bogus", 2, "", "usage: gyrosolid-cli <command>"},
        {"nosuch", 2, "", "unknown command 'nosuch'"},
        {"", 2, "", "usage: gyrosolid-cli <command>"},
        {"export 5 --bogus", 2, "", "usage: gyrosolid-cli export N"},
        {"render 5 --size 0x1 -o x.png", 2, "", "usage: gyrosolid-cli render N"},
        {"settings extra", 2, "", "usage: gyrosolid-cli settings"},
        {"list extra", 2, "", "usage: gyrosolid-cli list"},
    };
    for (const HelpRow& row : rows) {
        SCOPED_TRACE(row.arguments);
        const Outcome run = Start(GYRO_CLI_PATH, row.arguments);
        EXPECT_EQ(run.status, row.status);
        EXPECT_EQ(run.out.substr(0, std::string(row.out).size()), row.out);
        if (*row.out == '\0') {
            EXPECT_EQ(run.out, "");
        }
        if (*row.err == '\0') {
            EXPECT_EQ(run.err, "");
        } else {
            EXPECT_NE(run.err.find(row.err), std::string::npos) << run.err;
        }
    }
}

// Every command the usage names has help of its own.
TEST(CliHelp, EveryCommandOfTheUsageHasItsHelp) {
    const std::string usage = Start(GYRO_CLI_PATH, "--help").out;
    for (const char* command : {"list", "export", "render", "animate", "bench", "settings"}) {
        EXPECT_NE(usage.find(std::string("  ") + command), std::string::npos) << command;
        const Outcome run = Start(GYRO_CLI_PATH, std::string("help ") + command);
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_GT(run.out.size(), 80u) << command;
    }
}

}  // namespace
}  // namespace gyro
