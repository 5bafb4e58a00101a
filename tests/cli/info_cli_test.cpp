#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

#include "support/cli_runner.h"

namespace gyro {
namespace {

using namespace test_support;

// `info` prints the numbers of one figure as text or as JSON, and refuses
// what it cannot answer without printing anything.
TEST(InfoCli, TextAndJsonAgreeAndBadArgumentsFail) {
    const CliResult text = RunCli("info 50");
    ASSERT_EQ(text.status, 0);
    for (const char* line : {"vertices: 60\n", "edges: 90\n", "faces: 32\n", "faces by kind: {5} \u00d712, {6} \u00d720\n",
                             "vertex configurations: 5.6.6 \u00d760\n", "symmetry: Ih, order 120\n", "chiral: no\n",
                             "dihedral angles: 138.19\u00b0 \u00d730, 142.623\u00b0 \u00d760\n", "dual: 71 "}) {
        EXPECT_NE(text.out.find(line), std::string::npos) << line << "\n" << text.out;
    }

    const CliResult json = RunCli("info 50 --json --kikaku 1 --outer");
    ASSERT_EQ(json.status, 0);
    const auto j = nlohmann::json::parse(json.out);
    EXPECT_EQ(j["pointGroup"], "Ih");
    EXPECT_EQ(j["groupOrder"], 120);
    const double e = j["shortestEdge"];
    const double volume = j["volume"];
    // Full precision: the volume for unit edge is (125 + 43√5)/4 to the last digits.
    EXPECT_NEAR(volume / (e * e * e), (125.0 + 43.0 * std::sqrt(5.0)) / 4.0, 1e-11);
    EXPECT_TRUE(j["genus"] == 0);

    // A figure without a side: the number is null with the reason beside it.
    const auto hemi = nlohmann::json::parse(RunCli("info 90 --json --outer").out);
    EXPECT_TRUE(hemi["volume"].is_null());
    EXPECT_EQ(hemi["volumeLeftOut"], "not orientable");

    // The outer surface: a convex solid encloses its own volume; a hemi-polyhedron
    // without a side still encloses something; bands to infinity are refused.
    EXPECT_NEAR(static_cast<double>(j["enclosedVolume"]) / volume, 1.0, 1e-9);
    EXPECT_GT(static_cast<double>(j["outerSurfaceArea"]), 0.0);
    EXPECT_GT(static_cast<double>(hemi["enclosedVolume"]), 0.0);
    const auto far = nlohmann::json::parse(RunCli("info 201 --json --outer").out);
    EXPECT_TRUE(far["enclosedVolume"].is_null());
    EXPECT_EQ(far["outerLeftOut"], "the figure reaches to infinity");
    EXPECT_NE(RunCli("info 50 --outer").out.find("\nenclosed volume: "), std::string::npos);
    // Only on request: the outer surface of a star takes seconds to minutes.
    EXPECT_EQ(text.out.find("enclosed volume"), std::string::npos) << text.out;
    const auto quick = nlohmann::json::parse(RunCli("info 135 --json").out);
    EXPECT_FALSE(quick.contains("enclosedVolume"));
    EXPECT_FALSE(quick.contains("outerLeftOut"));

    for (const char* bad : {"info", "info 5 6", "info 5 --kikaku 2", "info 5 --bogus", "info 30000", "info x"}) {
        const CliResult run = RunCli(bad);
        EXPECT_NE(run.status, 0) << bad;
        EXPECT_TRUE(run.out.empty()) << bad;
    }
}

// The libraries a command's programs loaded, as the dynamic loader reports them.
std::string LoadedLibraries(const std::string& arguments) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("gyro-loaded-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    ::setenv("LD_DEBUG", "libs", 1);
    ::setenv("LD_DEBUG_OUTPUT", (folder / "ld").c_str(), 1);
    const CliResult run = RunCli(arguments);
    ::unsetenv("LD_DEBUG");
    ::unsetenv("LD_DEBUG_OUTPUT");
    EXPECT_EQ(run.status, 0) << arguments;
    std::string log;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) log += ReadFileBytes(entry.path());
    std::filesystem::remove_all(folder);
    return log;
}

// `info` starts without the picture, font and file libraries, whose loading
// alone takes many times as long as the numbers of most figures; the other
// commands, handed on to the full program, have them.
TEST(InfoCli, StartsWithoutThePictureLibraries) {
    const std::string info = LoadedLibraries("info 5 --outer");
    ASSERT_NE(info.find("libstdc++"), std::string::npos) << "the loader's report was not read";
    for (const char* library : {"libQt6", "libcairo", "lib3MF", "libwebp", "libgif", "libimagequant"}) {
        EXPECT_EQ(info.find(library), std::string::npos) << library;
    }
    const std::filesystem::path picture =
        std::filesystem::temp_directory_path() / ("gyro-loaded-" + std::to_string(::getpid()) + ".png");
    const std::string render = LoadedLibraries("render 5 --size 8x8 -o " + Quoted(picture));
    std::filesystem::remove(picture);
    EXPECT_NE(render.find("libQt6Gui"), std::string::npos);
}

// Without the full program beside it, the tool still answers `info` and says
// plainly why it cannot run anything else.
TEST(InfoCli, AloneItAnswersInfoAndNamesWhatIsMissing) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("gyro-alone-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path alone = folder / "gyrosolid-cli";
    std::filesystem::copy_file(GYRO_CLI_PATH, alone, std::filesystem::copy_options::overwrite_existing);
    const auto run = [&](const std::string& arguments) { return RunShell(Quoted(alone) + " " + arguments + " 2>&1"); };
    const CliResult info = run("info 5");
    EXPECT_EQ(info.status, 0);
    EXPECT_EQ(info.out, RunCli("info 5").out);
    const CliResult render = run("render 5 -o " + Quoted(folder / "x.png"));
    EXPECT_EQ(render.status, 1);
    EXPECT_NE(render.out.find("cannot start gyrosolid-cli-full"), std::string::npos) << render.out;
    EXPECT_FALSE(std::filesystem::exists(folder / "x.png"));
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace gyro
