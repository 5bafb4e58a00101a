#include "io/atomic_write.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace gyro {
namespace {

namespace fs = std::filesystem;
using test_support::ReadFileBytes;

using AtomicWrite = test_support::TempFolderTest;

fs::perms Mode(const fs::path& path) { return fs::status(path).permissions() & fs::perms::mask; }

TEST_F(AtomicWrite, ReplacesTheFileKeepingItsModeAndLeavesNoTemporary) {
    const fs::path path = dir_ / "data.txt";
    ASSERT_TRUE(WriteFileAtomically(path.string(), "first").ok());
    EXPECT_EQ(ReadFileBytes(path), "first");

    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                           fs::perms::others_read | fs::perms::set_gid;
    fs::permissions(path, mode);
    const std::string longer(100000, 'x');
    ASSERT_TRUE(WriteFileAtomically(path.string(), longer).ok());
    EXPECT_EQ(ReadFileBytes(path), longer);
    EXPECT_EQ(Mode(path), mode);
    ASSERT_TRUE(WriteFileAtomically(path.string(), "").ok());  // shorter, down to nothing
    EXPECT_EQ(ReadFileBytes(path), "");
    EXPECT_EQ(Names(), (std::vector<std::string>{"data.txt"}));
}

TEST_F(AtomicWrite, RefusesWhatIsNoRegularFileAndLeavesItAlone) {
    fs::create_directory(dir_ / "folder");
    ASSERT_EQ(::mkfifo((dir_ / "pipe").c_str(), 0644), 0);
    fs::create_symlink("pipe", dir_ / "to-pipe");
    fs::create_symlink("folder", dir_ / "to-folder");
    WriteStep step = WriteStep::Write;
    for (const char* name : {"folder", "pipe", "to-pipe", "to-folder"}) {
        const Status s = WriteFileAtomically((dir_ / name).string(), "x", &step);
        EXPECT_FALSE(s.ok()) << name;
        EXPECT_NE(s.message.find(name), std::string::npos) << s.message;
        EXPECT_EQ(step, WriteStep::Open) << name;
    }
    EXPECT_TRUE(fs::is_directory(dir_ / "folder"));
    EXPECT_TRUE(fs::is_empty(dir_ / "folder"));
    EXPECT_TRUE(fs::is_fifo(dir_ / "pipe"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "to-pipe"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"folder", "pipe", "to-folder", "to-pipe"}));

    // No name, or a folder that is not there.
    EXPECT_FALSE(WriteFileAtomically("", "x").ok());
    EXPECT_FALSE(WriteFileAtomically((dir_ / "missing" / "a.txt").string(), "x", &step).ok());
    EXPECT_EQ(step, WriteStep::Open);
    EXPECT_EQ(Names().size(), 4u);
}

TEST_F(AtomicWrite, FollowsALinkChainAndKeepsTheLinks) {
    // first -> sub/second -> ../target, with relative links.
    fs::create_directory(dir_ / "sub");
    std::ofstream(dir_ / "target") << "old";
    fs::permissions(dir_ / "target", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("../target", dir_ / "sub" / "second");
    fs::create_symlink("sub/second", dir_ / "first");
    ASSERT_TRUE(WriteFileAtomically((dir_ / "first").string(), "new").ok());
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir_ / "first")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir_ / "sub" / "second")));
    EXPECT_EQ(ReadFileBytes(dir_ / "target"), "new");
    EXPECT_EQ(Mode(dir_ / "target"), fs::perms::owner_read | fs::perms::owner_write);

    // A link to a file not there yet makes that file; a loop of links makes nothing.
    fs::create_symlink("later.txt", dir_ / "dangling");
    ASSERT_TRUE(WriteFileAtomically((dir_ / "dangling").string(), "made").ok());
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir_ / "dangling")));
    EXPECT_EQ(ReadFileBytes(dir_ / "later.txt"), "made");
    fs::create_symlink("loop-b", dir_ / "loop-a");
    fs::create_symlink("loop-a", dir_ / "loop-b");
    EXPECT_FALSE(WriteFileAtomically((dir_ / "loop-a").string(), "x").ok());
    EXPECT_EQ(Names(), (std::vector<std::string>{"dangling", "first", "later.txt", "loop-a", "loop-b", "sub",
                                                 "target"}));
}

TEST_F(AtomicWrite, AWriteThatFailsPartWayKeepsTheOldFile) {
    // A file-size limit makes write() fail as a full disk would, for root too.
    const fs::path path = dir_ / "data.txt";
    std::ofstream(path) << "old";
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 1000;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    WriteStep step = WriteStep::Open;
    const Status s = WriteFileAtomically(path.string(), std::string(5000, 'x'), &step);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(step, WriteStep::Write);
    EXPECT_EQ(ReadFileBytes(path), "old");
    EXPECT_EQ(Names(), (std::vector<std::string>{"data.txt"}));
}

}  // namespace
}  // namespace gyro
