#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/cli_runner.h"

namespace gyro {
namespace {

using namespace test_support;
namespace fs = std::filesystem;

// A save that runs into the file-size limit (ulimit -f) fails like any other
// write: a message and a failure status, the old file as it was and no
// temporary file beside it. Without care the limit's signal ends the process
// in the middle of the write.
TEST(FileSizeLimit, AWriteBeyondTheLimitFailsCleanly) {
    const fs::path dir = fs::temp_directory_path() / ("gyro_file_size_limit_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    struct Row {
        const char* arguments;  // the output file is appended
        const char* file;
        const char* message;  // what the tool says, in part
    };
    // Each output is larger than the 512-byte limit below.
    for (const Row& row : {Row{"export 5 --format json -o", "cube.json", "File too large"},
                           Row{"render 5 --size 64x64 -o", "cube.bmp", "ファイルの書き込みに失敗しました。"},
                           Row{"render 24 --size 256x256 -o", "stars.png", "File too large"}}) {
        SCOPED_TRACE(row.file);
        const fs::path out = dir / row.file;
        std::ofstream(out) << "old";
        const fs::path err = dir / "stderr";
        // dash counts ulimit -f in 512-byte blocks; the shell is replaced by the tool.
        const std::string command = "ulimit -f 1; exec " + Quoted(GYRO_CLI_PATH) + " " + row.arguments + " " +
                                    Quoted(out) + " 2>" + Quoted(err);
        const int status = std::system(("sh -c " + Quoted(command)).c_str());
        ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
        EXPECT_EQ(WEXITSTATUS(status), 1);
        EXPECT_NE(ReadFileBytes(err).find(row.message), std::string::npos) << ReadFileBytes(err);
        EXPECT_EQ(ReadFileBytes(out), "old");
        fs::remove(err);
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
        EXPECT_EQ(names, std::vector<std::string>{row.file});
        fs::remove(out);
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace gyro
