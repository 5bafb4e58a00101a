#include <gtest/gtest.h>


#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "io/bmp_file.h"
#include "state/dispatcher.h"
#include "view/motion.h"
#include "support/cli_runner.h"
#include "support/picture_readers.h"
#include "support/temp_dir.h"

namespace gyro {
namespace {

using namespace test_support;

namespace fs = std::filesystem;

class PictureCliTest : public TempFolderTest {
protected:
    std::string Out(const char* name) const { return " -o " + Quoted(dir_ / name); }

    const std::string n_ = "5";  // the cube
};

TEST_F(PictureCliTest, RenderRefusesBadRequestsAndWritesNothing) {
    for (const std::string& args : {
             "render 999" + Out("a.png"),
             "render " + n_ + Out("a.gif"),
             "render " + n_,
             "render" + Out("a.png"),
             "render " + n_ + " --size 0x5" + Out("a.bmp"),
             "render " + n_ + " --size 99999x5" + Out("a.bmp"),
             "render " + n_ + " --size 12" + Out("a.bmp"),
             "render " + n_ + " --frobnicate" + Out("a.bmp"),
             "render " + n_ + " --scale 0" + Out("a.svg"),
             "render " + n_ + " --scale big" + Out("a.pdf"),
             "render " + n_ + " --scale 101" + Out("a.pdf"),  // a page beyond the vector range
             "animate " + n_ + Out("a.png"),
             "animate " + n_,
             "animate 999" + Out("a.gif"),
             "animate " + n_ + " --frames 0" + Out("a.gif"),
             "animate " + n_ + " --frames 3601" + Out("a.gif"),
             "animate " + n_ + " --axis w" + Out("a.gif"),
             "animate " + n_ + " --delay 5" + Out("a.webp"),
             "animate " + n_ + " --size 2x" + Out("a.webp"),
             "animate " + n_ + " --frames" + Out("a.webp"),
             "animate " + n_ + " --settings " + Quoted(dir_ / "missing.txt") + Out("a.gif"),
             "render " + n_ + " --scale 0" + Out("a.bmp"),
             "render " + n_ + " --scale -2" + Out("a.bmp"),
             "render " + n_ + " --scale two" + Out("a.bmp"),
             "render " + n_ + " --scale nan" + Out("a.bmp"),
             "render " + n_ + " --scale 2x" + Out("a.bmp"),
             "render " + n_ + " --scale 100" + Out("a.bmp"),  // 25600 pixels a side
             "render " + n_ + " --frames -1" + Out("a.bmp"),
             "render " + n_ + " --frames many" + Out("a.bmp"),
             "render " + n_ + " --frames" + Out("a.bmp"),
         }) {
        EXPECT_NE(RunCli(args).status, 0) << args;
    }
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(PictureCliTest, RenderWritesBmpAndPngOfTheRequestedSize) {
    ASSERT_EQ(RunCli("render " + n_ + " --size 8x4" + Out("p.bmp")).status, 0);
    const std::string bmp = ReadFileBytes(dir_ / "p.bmp");
    ASSERT_EQ(bmp.size(), 54u + 4 * 24);  // 8 pixels of 3 bytes a row, 4 rows
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bmp[18]), 8);
    EXPECT_EQ(static_cast<unsigned char>(bmp[22]), 4);

    ASSERT_EQ(RunCli("render " + n_ + " --size 32x16" + Out("p.PNG")).status, 0);
    const std::string png = ReadFileBytes(dir_ / "p.PNG");
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(static_cast<unsigned char>(png[19]), 32);  // IHDR width and height, big-endian
    EXPECT_EQ(static_cast<unsigned char>(png[23]), 16);

    // --scale: the same picture with twice the pixels each way.
    ASSERT_EQ(RunCli("render " + n_ + " --size 8x4 --scale 2" + Out("s.bmp")).status, 0);
    const std::string scaled = ReadFileBytes(dir_ / "s.bmp");
    ASSERT_EQ(scaled.size(), 54u + 8 * 48);  // 16 pixels of 3 bytes a row, 8 rows
    EXPECT_EQ(static_cast<unsigned char>(scaled[18]), 16);
    EXPECT_EQ(static_cast<unsigned char>(scaled[22]), 8);
}

TEST_F(PictureCliTest, RenderWritesSvgAndPdfOfTheViewAndScale) {
    std::ofstream(dir_ / "view.txt", std::ios::binary) << "viewx:40\r\nviewy:20\r\n";
    const std::string settings = " --settings " + Quoted(dir_ / "view.txt");
    ASSERT_EQ(RunCli("render " + n_ + settings + Out("v.SVG")).status, 0);
    const std::string svg = ReadFileBytes(dir_ / "v.SVG");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("width=\"40px\" height=\"20px\""), std::string::npos) << svg.substr(0, 300);
    ASSERT_EQ(RunCli("render " + n_ + " --size 30x10 --scale 2.5" + Out("v.pdf")).status, 0);
    const std::string pdf = ReadFileBytes(dir_ / "v.pdf");
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("/MediaBox [ 0 0 75 25 ]"), std::string::npos);

    // The exact drawing of a star: faces filled by the nonzero rule, the stored order's by even-odd.
    ASSERT_EQ(RunCli("render 15 --size 64x64" + Out("e.svg")).status, 0);  // exact at start
    EXPECT_NE(ReadFileBytes(dir_ / "e.svg").find("fill-rule:nonzero"), std::string::npos);
    ASSERT_EQ(RunCli("render 15 --size 64x64 --exact-depth off" + Out("s.svg")).status, 0);
    EXPECT_EQ(ReadFileBytes(dir_ / "s.svg").find("fill-rule:nonzero"), std::string::npos);
}

TEST_F(PictureCliTest, AnimateWritesTheAskedFramesSizeAndDelay) {
    ASSERT_EQ(RunCli("animate " + n_ + " --frames 7 --axis x --delay 70 --size 24x16" + Out("a.gif")).status, 0);
    const DecodedAnimation gif = DecodeGifFile(dir_ / "a.gif");
    ASSERT_TRUE(gif.ok) << gif.error;
    EXPECT_EQ(gif.frames.size(), 7u);
    EXPECT_EQ(gif.width, 24);
    EXPECT_EQ(gif.height, 16);
    EXPECT_EQ(gif.delays.front(), 7);  // hundredths

    std::ofstream(dir_ / "spin.txt", std::ios::binary) << "viewx:60\r\nviewy:50\r\nautoroton:1\r\n";
    ASSERT_EQ(RunCli("animate 55 --axis motion --frames 4 --settings " + Quoted(dir_ / "spin.txt") + Out("m.WEBP"))
                  .status,
              0);
    const DecodedAnimation webp = DecodeWebPFile(dir_ / "m.WEBP");
    ASSERT_TRUE(webp.ok) << webp.error;
    EXPECT_EQ(webp.frames.size(), 4u);
    EXPECT_EQ(webp.width, 60);
    EXPECT_EQ(webp.height, 50);
    EXPECT_EQ(webp.delays.front(), 40);  // the default
    EXPECT_EQ(webp.loopCount, 0);
}

// --frames K: the picture the viewer shows after K passes of its periodic
// motion, here automatic rotation switched on by the settings file.
TEST_F(PictureCliTest, RenderAfterFramesOfMotionIsTheViewersPicture) {
    std::ofstream(dir_ / "auto.txt", std::ios::binary) << "autoroton:1\nlightmove:1\n";
    const std::string settings = " --settings " + Quoted(dir_ / "auto.txt");
    ASSERT_EQ(RunCli("render 11 --size 64x48 --frames 50" + settings + Out("m.bmp")).status, 0);
    ASSERT_EQ(RunCli("render 11 --size 64x48 --frames 0" + settings + Out("m0.bmp")).status, 0);
    ASSERT_EQ(RunCli("render 11 --size 64x48" + settings + Out("still.bmp")).status, 0);

    AppState state;
    InitAppState(state);
    state.view.autoroton = 1;
    state.display.lightmove = 1;
    ChangeFigure(state, 11);
    ASSERT_TRUE(CreateBackBuffer(state, 64, 48));
    for (int k = 0; k < 50; ++k) AdvancePeriodicMotion(state.view, state.display);
    ASSERT_TRUE(RenderFrame(state));
    const std::vector<uint8_t> expected = EncodeBmp(state.display.backBuffer);
    const std::string moved = ReadFileBytes(dir_ / "m.bmp");
    EXPECT_EQ(moved, std::string(expected.begin(), expected.end()));
    EXPECT_EQ(ReadFileBytes(dir_ / "m0.bmp"), ReadFileBytes(dir_ / "still.bmp"));
    EXPECT_NE(moved, ReadFileBytes(dir_ / "still.bmp"));
}

TEST_F(PictureCliTest, RenderWithoutSizeTakesTheViewOfTheSettingsFile) {
    std::ofstream(dir_ / "view.txt", std::ios::binary) << "viewx:40\r\nviewy:20\r\n";
    const std::string settings = " --settings " + Quoted(dir_ / "view.txt");
    ASSERT_EQ(RunCli("render " + n_ + settings + Out("v.bmp")).status, 0);
    const std::string bmp = ReadFileBytes(dir_ / "v.bmp");
    ASSERT_EQ(bmp.size(), 54u + 20 * 120);  // 40 pixels of 3 bytes a row, 20 rows
    EXPECT_EQ(static_cast<unsigned char>(bmp[18]), 40);
    EXPECT_EQ(static_cast<unsigned char>(bmp[22]), 20);

    ASSERT_EQ(RunCli("render " + n_ + settings + Out("v.png")).status, 0);
    const std::string png = ReadFileBytes(dir_ / "v.png");
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(static_cast<unsigned char>(png[19]), 40);
    EXPECT_EQ(static_cast<unsigned char>(png[23]), 20);
}

TEST_F(PictureCliTest, BenchReportsEachFigureAndATotal) {
    const CliResult run = RunCli("bench " + n_ + " --size 16x16 --frames 2");
    ASSERT_EQ(run.status, 0);
    const std::string line = " " + n_ + " ";  // the figure's row, number right-aligned
    EXPECT_NE(run.out.find(line), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("total: 1 figures"), std::string::npos) << run.out;
    EXPECT_NE(RunCli("bench 999 --frames 1 --size 8x8").status, 0);
    EXPECT_NE(RunCli("bench --frames 0").status, 0);
    // By processor time: the same rows, and the heading says which clock.
    const CliResult cpu = RunCli("bench " + n_ + " --size 16x16 --frames 2 --cpu-time");
    ASSERT_EQ(cpu.status, 0);
    EXPECT_NE(cpu.out.find("processor time"), std::string::npos) << cpu.out;
    EXPECT_NE(cpu.out.find(line), std::string::npos) << cpu.out;
}

TEST_F(PictureCliTest, BenchDrawsFractalsAtTheAskedDepth) {
    // The tetrahedron fractal: level column is the depth drawn, clamped to the figure's limit.
    const CliResult deepest = RunCli("bench 440 --size 16x16 --frames 1 --fracn max");
    ASSERT_EQ(deepest.status, 0);
    EXPECT_NE(deepest.out.find("     7  "), std::string::npos) << deepest.out;
    const CliResult two = RunCli("bench 440 5 --size 16x16 --frames 1 --fracn 2");
    ASSERT_EQ(two.status, 0);
    EXPECT_NE(two.out.find("     2  "), std::string::npos) << two.out;
    EXPECT_NE(two.out.find("     0  "), std::string::npos) << two.out;  // the cube is no fractal
    EXPECT_NE(RunCli("bench 440 --fracn deep").status, 0);
    EXPECT_NE(RunCli("bench 440 --fracn").status, 0);

    // A settings file gives the depth unless --fracn is there too.
    std::ofstream(dir_ / "deep.txt", std::ios::binary) << "fracn:3\r\n";
    const std::string settings = " --settings " + Quoted(dir_ / "deep.txt");
    const CliResult three = RunCli("bench 440 --size 16x16 --frames 1" + settings);
    ASSERT_EQ(three.status, 0);
    EXPECT_NE(three.out.find("     3  "), std::string::npos) << three.out;
    const CliResult one = RunCli("bench 440 --size 16x16 --frames 1 --fracn 1" + settings);
    EXPECT_NE(one.out.find("     1  "), std::string::npos) << one.out;
    EXPECT_NE(RunCli("bench 440 --frames 1 --settings " + Quoted(dir_ / "missing.txt")).status, 0);
}

}  // namespace
}  // namespace gyro
