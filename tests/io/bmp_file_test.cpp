#include "io/bmp_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace gyro {
namespace {

namespace fs = std::filesystem;

uint32_t Get32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint32_t Get16(const std::vector<uint8_t>& b, size_t at) { return b[at] | b[at + 1] << 8; }

BackBuffer Picture(int32_t w, int32_t h, uint32_t colour) {
    BackBuffer b;
    b.width = w;
    b.height = h;
    b.pixels.assign(static_cast<size_t>(w) * h, colour);
    return b;
}

std::vector<uint8_t> ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using BmpFileTest = test_support::TempFolderTest;

TEST(EncodeBmp, OnePixelIsFiftyEightBytesWithEveryHeaderField) {
    const std::vector<uint8_t> b = EncodeBmp(Picture(1, 1, 0x000000FF));  // pure red
    ASSERT_EQ(b.size(), 58u);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(Get32(b, 2), 58u);   // file size
    EXPECT_EQ(Get32(b, 6), 0u);    // both reserved words
    EXPECT_EQ(Get32(b, 10), 54u);  // pixel data offset
    EXPECT_EQ(Get32(b, 14), 40u);  // header size
    EXPECT_EQ(Get32(b, 18), 1u);   // width
    EXPECT_EQ(Get32(b, 22), 1u);   // height, positive
    EXPECT_EQ(Get16(b, 26), 1u);   // planes
    EXPECT_EQ(Get16(b, 28), 24u);  // bits per pixel
    EXPECT_EQ(Get32(b, 30), 0u);   // uncompressed
    EXPECT_EQ(Get32(b, 34), 4u);   // image size: 3 bytes and 1 pad
    for (size_t at = 38; at < 54; at += 4) EXPECT_EQ(Get32(b, at), 0u) << at;
    EXPECT_EQ((std::vector<uint8_t>(b.begin() + 54, b.end())), (std::vector<uint8_t>{0x00, 0x00, 0xFF, 0x00}));
}

TEST(EncodeBmp, RowsArePaddedAndStoredBottomUpAsBlueGreenRed) {
    // 255 wide: 765 bytes of pixels and 3 pad bytes per row.
    BackBuffer pic = Picture(255, 3, 0x00000000);
    for (int32_t x = 0; x < 255; ++x) {
        pic.pixels[x] = 0x00112233;            // top row
        pic.pixels[2 * 255 + x] = 0x00AABBCC;  // bottom row
    }
    const std::vector<uint8_t> b = EncodeBmp(pic);
    const size_t row = 768;
    ASSERT_EQ(b.size(), 54 + 3 * row);
    EXPECT_EQ(Get32(b, 34), 3 * row);
    for (size_t r = 0; r < 3; ++r) {
        const uint8_t* p = b.data() + 54 + r * row;
        const uint8_t blue = r == 0 ? 0xAA : r == 2 ? 0x11 : 0;
        const uint8_t green = r == 0 ? 0xBB : r == 2 ? 0x22 : 0;
        const uint8_t red = r == 0 ? 0xCC : r == 2 ? 0x33 : 0;
        for (size_t x = 0; x < 255; ++x) {
            ASSERT_EQ(p[3 * x], blue) << r << "," << x;
            ASSERT_EQ(p[3 * x + 1], green);
            ASSERT_EQ(p[3 * x + 2], red);
        }
        EXPECT_EQ(p[765], 0);
        EXPECT_EQ(p[766], 0);
        EXPECT_EQ(p[767], 0);
    }
    // A width of 256 needs no padding; 2 needs 2 bytes.
    EXPECT_EQ(EncodeBmp(Picture(256, 256, 0)).size(), 54u + 196608u);
    EXPECT_EQ(Get32(EncodeBmp(Picture(2, 5, 0)), 34), 8u * 5u);
    // No picture, nothing to encode.
    EXPECT_TRUE(EncodeBmp(BackBuffer{}).empty());
    BackBuffer torn = Picture(4, 4, 0);
    torn.pixels.resize(3);
    EXPECT_TRUE(EncodeBmp(torn).empty());
}

TEST_F(BmpFileTest, WritesTheEncodedBytesAndReplacesAnOldFile) {
    const fs::path path = dir_ / "絵.bmp";
    std::ofstream(path) << "an older, longer file that must go entirely";
    const BackBuffer pic = Picture(3, 2, 0x00123456);
    const Status s = WriteBmpFile(path.string(), pic);
    ASSERT_TRUE(s.ok()) << s.message;
    EXPECT_EQ(ReadAll(path), EncodeBmp(pic));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);  // no temporary left
}

TEST_F(BmpFileTest, FailuresReportAnErrorAndLeaveNoFile) {
    const BackBuffer pic = Picture(2, 2, 0);
    const Status s = WriteBmpFile((dir_ / "missing" / "a.bmp").string(), pic);
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.message, kBmpBadNameMessage);
    EXPECT_FALSE(WriteBmpFile("", pic).ok());
    EXPECT_FALSE(WriteBmpFile((dir_ / "b.bmp").string(), BackBuffer{}).ok());
    // A folder in the way of the name.
    fs::create_directory(dir_ / "c.bmp");
    EXPECT_FALSE(WriteBmpFile((dir_ / "c.bmp").string(), pic).ok());
    fs::remove(dir_ / "c.bmp");
    EXPECT_TRUE(FolderIsEmpty());
}

TEST_F(BmpFileTest, AWriteThatFailsPartWayLeavesNoFile) {
    // A file size limit makes the writes fail as a full disk would.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 100;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    // The small picture fails when the buffered bytes are flushed at close,
    // the large one in the write itself.
    const Status atClose = WriteBmpFile((dir_ / "small.bmp").string(), Picture(20, 20, 0));
    const Status inWrite = WriteBmpFile((dir_ / "large.bmp").string(), Picture(200, 200, 0));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(atClose.ok());
    EXPECT_FALSE(inWrite.ok());
    EXPECT_EQ(inWrite.message, kBmpWriteFailedMessage);
    EXPECT_TRUE(FolderIsEmpty());
}

TEST_F(BmpFileTest, AFolderThatTakesNoNewFileReportsABadNameAndGetsNoFile) {
    // No file can be opened (as with a read-only folder, but binding root too):
    // the temporary beside the target cannot be created.
    const BackBuffer pic = Picture(2, 2, 0);
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &old), 0);
    rlimit none = old;
    none.rlim_cur = 0;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
    const Status s = WriteBmpFile((dir_ / "d.bmp").string(), pic);
    ::setrlimit(RLIMIT_NOFILE, &old);
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.message, kBmpBadNameMessage);
    EXPECT_TRUE(FolderIsEmpty());

    // A real read-only folder, where permissions bind this user.
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(dir_.c_str(), W_OK) != 0) {
        EXPECT_EQ(WriteBmpFile((dir_ / "d.bmp").string(), pic).message, kBmpBadNameMessage);
    }
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_TRUE(FolderIsEmpty());
}

}  // namespace
}  // namespace gyro
