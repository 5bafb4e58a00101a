#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"

namespace gyro {
namespace {

namespace fs = std::filesystem;
using Action = ViewerCommandLine::Action;

struct LineRow {
    std::vector<std::string> args;
    Action action;
    std::string grab;
    std::optional<UiLanguage> language = std::nullopt;
};

TEST(ViewerCommandLine, HelpVersionQtOptionsAndMistakes) {
    const LineRow rows[] = {
        {{}, Action::Run, ""},
        {{"--help"}, Action::Help, ""},
        {{"-h"}, Action::Help, ""},
        {{"--version"}, Action::Version, ""},
        // Help wins wherever it stands, even after a mistake.
        {{"--bogus", "--help"}, Action::Help, ""},
        {{"--grab", "a.png"}, Action::Run, "a.png"},
        {{"--grab"}, Action::Error, ""},
        {{"-platform", "offscreen", "--style", "Fusion", "-reverse"}, Action::Run, ""},
        {{"-platform"}, Action::Error, ""},
        {{"--bogus"}, Action::Error, ""},
        {{"-x"}, Action::Error, ""},
        {{"file.txt"}, Action::Error, ""},
        {{"--lang", "en"}, Action::Run, "", UiLanguage::English},
        {{"--lang=ja"}, Action::Run, "", UiLanguage::Japanese},
        {{"--lang", "EN", "--grab", "b.png"}, Action::Run, "b.png", UiLanguage::English},
        {{"--lang", "de"}, Action::Error, ""},
        {{"--lang"}, Action::Error, ""},
        {{"--lang="}, Action::Error, ""},
    };
    for (const LineRow& row : rows) {
        std::string joined;
        for (const std::string& a : row.args) joined += a + " ";
        SCOPED_TRACE(joined);
        const ViewerCommandLine line = ParseViewerCommandLine(row.args);
        EXPECT_EQ(line.action, row.action);
        EXPECT_EQ(line.grabFile, row.grab);
        EXPECT_EQ(line.language, row.language);
        EXPECT_EQ(line.error.empty(), row.action != Action::Error);
    }
}

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The viewer answers --help and --version without a display; a mistake gets
// the usage on stderr and status 2, also without one.
TEST(ViewerCommandLine, TheProgramAnswersWithoutADisplay) {
    const fs::path base = fs::temp_directory_path() / ("gyro_viewer_help_" + std::to_string(::getpid()));
    struct Row {
        const char* arguments;
        int status;
        const char* out;
        const char* err;
    };
    for (const Row& row : {Row{"--help", 0, "usage: gyrosolid", ""}, Row{"-h", 0, "usage: gyrosolid", ""},
                           Row{"--version", 0, "gyrosolid 0.", ""}, Row{"--bogus", 2, "", "usage: gyrosolid"}}) {
        SCOPED_TRACE(row.arguments);
        const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb '") +
                                    GYRO_VIEWER_PATH + "' " + row.arguments + " >'" + base.string() + ".out' 2>'" +
                                    base.string() + ".err' </dev/null";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), row.status);
        const std::string out = Read(base.string() + ".out");
        const std::string err = Read(base.string() + ".err");
        EXPECT_EQ(out.substr(0, std::string(row.out).size()), row.out);
        if (*row.out == '\0') {
            EXPECT_EQ(out, "");
        }
        if (*row.err == '\0') {
            EXPECT_EQ(err, "");
        } else {
            EXPECT_NE(err.find(row.err), std::string::npos) << err;
        }
    }
    fs::remove(base.string() + ".out");
    fs::remove(base.string() + ".err");
}

}  // namespace
}  // namespace gyro
