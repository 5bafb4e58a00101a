#include <gtest/gtest.h>


#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "catalog/catalogue.h"
#include "catalog/english_names.h"
#include "io/mesh_export.h"
#include "state/dispatcher.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace gyro {
namespace {

using namespace test_support;

namespace fs = std::filesystem;

using CliTest = TempFolderTest;

// Runs `list` with `options` and checks one line per figure: number, both
// names, and with --all-names the English name the English interface shows.
void ExpectOneLinePerFigure(const std::string& options, bool allNames) {
    const CliResult run = RunCli("list" + options);
    ASSERT_EQ(run.status, 0);
    std::istringstream in(run.out);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    const auto figures = AllFigures();
    ASSERT_EQ(lines.size(), figures.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string expected = std::to_string(figures[i].number) + "\t" + std::string(figures[i].nameJa) + "\t" +
                               std::string(figures[i].nameEn);
        if (allNames) {
            expected += '\t';
            expected += EnglishFigureName(figures[i].number);
        }
        EXPECT_EQ(lines[i], expected);
    }
}

TEST_F(CliTest, ListHasOneLinePerFigure) {
    ExpectOneLinePerFigure("", false);
    EXPECT_NE(RunCli("list extra").status, 0);
}

TEST_F(CliTest, ListWithAllNamesAddsTheEnglishNameShownAsFourthColumn) {
    ExpectOneLinePerFigure(" --all-names", true);
    EXPECT_EQ(RunCli("list --all-names extra").status, 2);
    EXPECT_EQ(RunCli("list --all").status, 2);
}

TEST_F(CliTest, ExportOfUnknownNumberOrBadOptionsWritesNothing) {
    const fs::path out = dir_ / "out.json";
    const std::string o = " -o '" + out.string() + "'";
    for (const std::string& args : {
             "export 999" + o,
             "export 13 --format off" + o,
             "export" + o,
             "export 451 --format ply" + o,
             "export 451 --kikaku 2" + o,
             "export 451 --kikaku" + o,
             "export 451 --frobnicate" + o,
             "export 451 452" + o,
             "export 70000" + o,
             "export 4x1" + o,
         }) {
        const CliResult run = RunCli(args);
        EXPECT_NE(run.status, 0) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_FALSE(fs::exists(out)) << args;
    }
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(CliTest, ExportWritesExactlyTheBuiltSolid) {
    // The tetrahedron with the size standard 1.
    Solid solid;
    solid.params.kikaku = 1;
    const ShapeId figure = 1;
    ASSERT_NE(BuildFigure(solid, figure), 0);

    const CliResult json = RunCli("export " + std::to_string(figure) + " --kikaku 1");
    ASSERT_EQ(json.status, 0);
    EXPECT_EQ(json.out, MeshToString(solid, MeshFormat::Json));

    const fs::path out = dir_ / "figure.obj";
    const CliResult obj = RunCli("export " + std::to_string(figure) + " --kikaku 1 --format obj -o '" + out.string() + "'");
    ASSERT_EQ(obj.status, 0);
    EXPECT_TRUE(obj.out.empty());
    std::ifstream in(out, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, MeshToString(solid, MeshFormat::Obj));
}

}  // namespace
}  // namespace gyro
