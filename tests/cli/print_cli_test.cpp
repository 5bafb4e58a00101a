#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace gyro::test_support {
namespace {

uint32_t StlTriangleCount(const std::string& bytes) {
    uint32_t count = 0;
    if (bytes.size() >= 84) std::memcpy(&count, bytes.data() + 80, 4);
    return count;
}

TEST(PrintCli, ExportWritesStl3mfAndTheOuterSurfaceAsObj) {
    TempDir dir;
    const auto stl = dir / "gsd.stl";
    ASSERT_EQ(RunCli("export 15 --format stl --size-mm 40 -o " + Quoted(stl)).status, 0);
    const std::string bytes = ReadFileBytes(stl);
    EXPECT_EQ(StlTriangleCount(bytes), 60u);  // the great stellated dodecahedron's visible triangles
    EXPECT_EQ(bytes.size(), 84u + 50u * 60u);

    const auto threeMf = dir / "gsd.3mf";
    ASSERT_EQ(RunCli("export 15 --format 3mf -o " + Quoted(threeMf)).status, 0);
    EXPECT_EQ(ReadFileBytes(threeMf).substr(0, 2), "PK");  // a zip package

    const CliResult obj = RunCli("export 15 --format obj --outer");
    ASSERT_EQ(obj.status, 0);
    size_t faces = 0;
    for (size_t at = obj.out.find("\nf "); at != std::string::npos; at = obj.out.find("\nf ", at + 1)) ++faces;
    EXPECT_EQ(faces, 60u);
}

TEST(PrintCli, FiguresWithoutVolumeAndBadOptionsWriteNothing) {
    TempDir dir;
    const auto out = dir / "x.stl";
    const std::string cases[] = {
        "export 201 --format stl -o " + Quoted(out),              // reaches to infinity
        "export 409 --format stl -o " + Quoted(out),              // builds nothing
        "export 1 --format stl",                                  // no file named
        "export 1 --format stl --size-mm 0 -o " + Quoted(out),    // no size
        "export 1 --format stl --size-mm abc -o " + Quoted(out),
    };
    for (const std::string& arguments : cases) {
        EXPECT_NE(RunCli(arguments).status, 0) << arguments;
        EXPECT_TRUE(dir.Names().empty()) << arguments;
    }
}

}  // namespace
}  // namespace gyro::test_support
