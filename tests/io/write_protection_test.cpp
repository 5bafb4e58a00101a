#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "io/atomic_write.h"
#include "io/bmp_file.h"
#include "io/mesh_export.h"
#include "io/settings_file.h"
#include "state/app_state.h"

namespace gyro {
namespace {

namespace fs = std::filesystem;

// What an ordinary user who owns the files sees: only the owner's write bit
// counts. The tests run as root on CI, where every file is writable.
bool OwnerMayWrite(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    if ((st.st_mode & S_IWUSR) == 0) {
        errno = EACCES;
        return false;
    }
    return true;
}

class AsOrdinaryUser {
public:
    AsOrdinaryUser() : previous_(SetWriteAccessCheck(&OwnerMayWrite)) {}
    ~AsOrdinaryUser() { SetWriteAccessCheck(previous_); }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

private:
    WriteAccessCheck previous_;
};

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The start state with a small frame drawn: something for every writer to write.
const AppState& Sample() {
    static const AppState state = [] {
        AppState s;
        InitAppState(s);
        CreateBackBuffer(s, 4, 3);
        RenderFrame(s);
        return s;
    }();
    return state;
}

struct Writer {
    const char* name;
    std::function<Status(const std::string& path)> write;
    const char* message;  // what the user is told, in part
};

class WriteProtection : public ::testing::TestWithParam<Writer> {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("gyro_write_protection_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path OldFile(const char* name, fs::perms mode) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << "keep me";
        fs::permissions(path, mode);
        return path;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir_;
};

TEST_P(WriteProtection, AFileTheUserMayNotWriteIsRefusedAndLeftAlone) {
    const Writer& writer = GetParam();
    const AsOrdinaryUser user;
    const fs::path path = OldFile("old", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_symlink("old", dir_ / "link");

    for (const char* name : {"old", "link"}) {
        const Status s = writer.write((dir_ / name).string());
        EXPECT_FALSE(s.ok()) << name;
        EXPECT_NE(s.message.find(writer.message), std::string::npos) << name << ": " << s.message;
    }
    EXPECT_EQ(Read(path), "keep me");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(fs::is_symlink(dir_ / "link"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"link", "old"}));  // no temporary left
}

TEST_P(WriteProtection, AFileTheUserMayWriteIsReplacedKeepingItsMode) {
    const AsOrdinaryUser user;
    const fs::path path = OldFile("old", fs::perms::owner_read | fs::perms::owner_write);
    const Status s = GetParam().write(path.string());
    EXPECT_TRUE(s.ok()) << s.message;
    EXPECT_NE(Read(path), "keep me");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWriter, WriteProtection,
    ::testing::Values(
        Writer{"Settings", [](const std::string& p) { return SaveSettings(Sample(), p); },
               "Permission denied"},
        Writer{"Bmp", [](const std::string& p) { return WriteBmpFile(p, Sample().display.backBuffer); },
               kBmpBadNameMessage},
        Writer{"MeshJson", [](const std::string& p) { return WriteMeshFile(p, Sample().solid, MeshFormat::Json); },
               "Permission denied"},
        Writer{"MeshOff", [](const std::string& p) { return WriteMeshFile(p, Sample().solid, MeshFormat::Off); },
               "Permission denied"},
        Writer{"Bytes", [](const std::string& p) { return WriteFileAtomically(p, "new"); }, "Permission denied"}),
    [](const ::testing::TestParamInfo<Writer>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace gyro
