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

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// The largest picture (8192 x 8192, 256 MiB of pixels) under an address-space
// limit (ulimit -v) that leaves room for the pixels but not for everything
// after them: the tool draws, or says what failed and exits 1. An allocation
// that fails never ends the process by a signal, and never leaves a file.
TEST(MemoryLimit, TheLargestPictureDrawsOrFailsWithAMessage) {
    // The sanitizer reserves terabytes of address space: no limit can be set under it.
    if (kAddressSanitizer) GTEST_SKIP() << "address-space limits do not work under AddressSanitizer";
    const fs::path dir = fs::temp_directory_path() / ("gyro_memory_limit_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    struct Row {
        const char* arguments;  // the output file is appended
        const char* file;
        int limitKiB;
        const char* message;  // what the tool says on failure, in part
    };
    const Row kRows[] = {
        // The pixels fit; the 192 MiB of BMP bytes after them do not.
        {"render 5 --size 8192x8192 -o", "cube.bmp", 400000, "画像を出力するメモリが足りません。"},
        // Not even the pixels fit.
        {"render 5 --size 8192x8192 -o", "cube.png", 200000, "not enough memory for the picture"},
        // The frame's working arrays for the Koch surface's mesh do not fit.
        {"render 451 --size 8192x8192 -o", "koch.png", 380000, "memory"},
        {"render 453 --size 8192x8192 -o", "blobs.bmp", 400000, "メモリ"},
    };
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.arguments + std::string(" ") + row.file);
        const fs::path out = dir / row.file;
        const fs::path err = dir / "stderr";
        const std::string command = "ulimit -v " + std::to_string(row.limitKiB) + "; exec " + Quoted(GYRO_CLI_PATH) +
                                    " " + row.arguments + " " + Quoted(out) + " 2>" + Quoted(err);
        const int status = std::system(("sh -c " + Quoted(command)).c_str());
        ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
        const std::string said = ReadFileBytes(err);
        if (WEXITSTATUS(status) == 0) {
            EXPECT_GT(fs::file_size(out), 0u);
        } else {
            EXPECT_EQ(WEXITSTATUS(status), 1);
            EXPECT_NE(said.find(row.message), std::string::npos) << said;
            EXPECT_FALSE(fs::exists(out));
        }
        fs::remove(out);
        fs::remove(err);
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace gyro
