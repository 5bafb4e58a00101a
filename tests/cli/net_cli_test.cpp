#include <gtest/gtest.h>

#include <string>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace gyro::test_support {
namespace {

TEST(NetCli, TwoRunsWriteTheSameFilesPdfAndSvgAlike) {
    TempDir dir;
    // The compound of five tetrahedra takes many pages.
    for (const char* name : {"a", "b"}) {
        ASSERT_EQ(RunCli("net 15 --page letter -o " + Quoted(dir / (std::string(name) + ".pdf"))).status, 0);
        ASSERT_EQ(RunCli("net 24 --white -o " + Quoted(dir / (std::string(name) + ".svg"))).status, 0);
    }
    const std::string pdf = ReadFileBytes(dir / "a.pdf");
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(pdf, ReadFileBytes(dir / "b.pdf"));
    ASSERT_TRUE(std::filesystem::exists(dir / "a-2.svg")) << "one SVG a page";
    for (const char* page : {".svg", "-2.svg", "-3.svg"}) {
        const std::string svg = ReadFileBytes(dir / (std::string("a") + page));
        EXPECT_NE(svg.find("<svg"), std::string::npos);
        EXPECT_EQ(svg, ReadFileBytes(dir / (std::string("b") + page))) << page;
    }
}

TEST(NetCli, RefusedFiguresAndBadOptionsWriteNothing) {
    TempDir dir;
    const auto out = dir / "x.pdf";
    const std::string cases[] = {
        "net 420 -o " + Quoted(out),                    // a wireframe: no outer surface
        "net 201 -o " + Quoted(out),                    // reaches to infinity
        "net 5",                                        // no file named
        "net 5 -o " + Quoted(dir / "x.png"),            // not a vector page
        "net 5 --page a5 -o " + Quoted(out),
        "net 5 --edge-mm 0 -o " + Quoted(out),
        "net 5 --edge-mm 5000 -o " + Quoted(out),       // no page holds it
        "net -o " + Quoted(out),                        // no figure
    };
    for (const std::string& arguments : cases) {
        EXPECT_NE(RunCli(arguments).status, 0) << arguments;
        EXPECT_TRUE(dir.Names().empty()) << arguments;
    }
    EXPECT_EQ(RunCli("net 5 --edge-mm 40 --no-tabs --page a3 -o " + Quoted(out)).status, 0);
    EXPECT_TRUE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace gyro::test_support
