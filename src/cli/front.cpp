// gyrosolid-cli itself: `info` is answered here, by a program that loads none
// of the picture, font and file libraries (loading them alone takes tens of
// milliseconds, many times the numbers of most figures). Every other command
// runs in gyrosolid-cli-full with the same arguments, found beside this
// program (the build folder) or in the installed tree's helper folder.

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/commands.h"
#include "cli/help.h"
#include "io/atomic_write.h"

namespace {

constexpr const char* kFullProgram = "gyrosolid-cli-full";

// This program's folder, with its closing slash; empty when it cannot be read.
std::string OwnFolder() {
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return {};
    const std::string path(self, static_cast<size_t>(length));
    return path.substr(0, path.rfind('/') + 1);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace gyro::cli;
    if (argc >= 2 && std::strcmp(argv[1], "info") == 0) {
        // A file-size limit then fails the write instead of ending the program.
        gyro::IgnoreFileSizeLimitSignal();
        const Args args(argv + 2, argv + argc);
        for (const std::string& word : args) {
            if (word == "-h" || word == "--help") {
                PrintCommandHelp("info", stdout);
                return 0;
            }
        }
        return RunInfo(args);
    }
    const std::string folder = OwnFolder();
    int error = ENOENT;
    if (!folder.empty()) {
        for (const std::string& path : {folder + kFullProgram, folder + "../" GYRO_HELPER_DIR "/" + kFullProgram}) {
            execv(path.c_str(), argv);  // returns only when it failed
            if (errno != ENOENT) error = errno;
        }
    }
    std::fprintf(stderr, "gyrosolid-cli: cannot start %s beside it (%s)\n", kFullProgram, std::strerror(error));
    return 1;
}
