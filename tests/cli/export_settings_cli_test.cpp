#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "io/mesh_export.h"
#include "state/app_state.h"
#include "state/dispatcher.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace gyro {
namespace {

using namespace test_support;

namespace fs = std::filesystem;

class ExportSettings : public TempFolderTest {
protected:
    std::string File(const char* name, const std::string& text) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return Quoted(path);
    }
    static std::string Built(ShapeId figure, int8_t kikaku) {
        AppState state;
        InitAppState(state);
        state.solid.params.kikaku = kikaku;
        BuildFigure(state.solid, figure);
        return MeshToString(state.solid, MeshFormat::Off);
    }
};

TEST_F(ExportSettings, TheFileIsLoadedBeforeTheFigureIsBuilt) {
    const std::string circumscribed = File("k1.txt", "kikaku:1\r\n");
    const CliResult plain = RunCli("export 1 --format off");
    const CliResult loaded = RunCli("export 1 --format off --settings " + circumscribed);
    ASSERT_EQ(loaded.status, 0);
    EXPECT_EQ(plain.out, Built(1, -1));
    EXPECT_EQ(loaded.out, Built(1, 1));
    EXPECT_NE(loaded.out, plain.out);  // the larger radius of the circumscribed standard

    // --kikaku on the command line has the last word; the figure number given
    // there is the one built, whatever figure the file names.
    const std::string other = File("other.txt", "zukei:5\r\nkikaku:1\r\n");
    EXPECT_EQ(RunCli("export 1 --format off --settings " + other + " --kikaku -1").out, Built(1, -1));
    EXPECT_EQ(RunCli("export 1 --kikaku 0 --format off --settings " + other).out, Built(1, 0));
}

TEST_F(ExportSettings, AnUnreadableFileWritesNothing) {
    const fs::path out = dir_ / "out.off";
    const std::string o = " -o " + Quoted(out);
    for (const std::string& args : {
             "export 1 --settings " + Quoted(dir_ / "missing.txt") + o,
             "export 1 --settings " + File("foreign.txt", "no settings here\n") + o,
             "export 1 --settings" + o,
         }) {
        const CliResult run = RunCli(args);
        EXPECT_NE(run.status, 0) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_FALSE(fs::exists(out)) << args;
    }
}

}  // namespace
}  // namespace gyro
