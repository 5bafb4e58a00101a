#include "io/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace gyro {

namespace {

std::string Reason(int error) { return std::strerror(error); }

Status Failure(const std::string& path, int error) {
    return Status::Error(path + ": " + Reason(error));
}

// The file actually replaced: the end of a symbolic link chain, so that a linked
// settings file is updated instead of the link being swapped for a plain file. A
// link to a file that does not exist yet leads to that file, as a shell's ">" does;
// the link itself is never replaced (think of /dev/stdout).
bool ResolveTarget(const std::string& path, std::string& target) {
    namespace fs = std::filesystem;
    fs::path p = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(p, error))) {
            target = p.string();
            return true;
        }
        const fs::path next = fs::read_symlink(p, error);
        if (error) {
            errno = error.value();
            return false;
        }
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    errno = ELOOP;
    return false;
}

// Creates a new, empty file beside `target` that no other writer can be using.
int CreateTemporary(const std::string& target, std::string& tempPath) {
    std::filesystem::path directory = std::filesystem::path(target).parent_path();
    if (directory.empty()) directory = ".";
    // A short fixed stem keeps the name valid however long the target's own name is.
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = ".gyrosolid-" + std::to_string(::getpid()) + "-" +
                                 std::to_string(++counter) + ".tmp";
        tempPath = (directory / name).string();
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

WriteAccessCheck writeAccessCheck = &MayWriteFile;

}  // namespace

bool MayWriteFile(const std::string& path) {
    // The effective user decides, as it would for an open() for writing.
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

WriteAccessCheck SetWriteAccessCheck(WriteAccessCheck check) {
    const WriteAccessCheck previous = writeAccessCheck;
    writeAccessCheck = check != nullptr ? check : &MayWriteFile;
    return previous;
}

void IgnoreFileSizeLimitSignal() { std::signal(SIGXFSZ, SIG_IGN); }

Status WriteFileAtomically(const std::string& path, std::string_view bytes, WriteStep* failedStep) {
    WriteStep step = WriteStep::Open;
    if (failedStep == nullptr) failedStep = &step;
    *failedStep = WriteStep::Open;
    if (path.empty()) return Status::Error("(no file name): " + Reason(ENOENT));
    std::string target;
    if (!ResolveTarget(path, target)) return Failure(path, errno);

    // Only a regular file may be replaced: renaming over a pipe or a device would
    // destroy it instead of writing to it.
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) return Failure(path, EISDIR);
    if (exists && !S_ISREG(old.st_mode)) return Status::Error(path + ": not a regular file");
    // Renaming needs only the folder's permission; a file the user may not write
    // is refused as opening it for writing would be.
    if (exists) {
        errno = 0;
        if (!writeAccessCheck(target)) {
            const int error = errno;
            return Failure(path, error != 0 ? error : EACCES);
        }
    }

    std::string tempPath;
    const int fd = CreateTemporary(target, tempPath);
    if (fd < 0) return Failure(path, errno);

    // The replacement keeps the permissions of the file it replaces.
    bool ok = true;
    int error = 0;
    if (exists) {
        if (::fchmod(fd, old.st_mode & 07777) != 0) {
            ok = false;
            error = errno;
        }
    }
    if (ok) *failedStep = WriteStep::Write;
    if (ok && !WriteAll(fd, bytes)) {
        ok = false;
        error = errno;
    }
    // The data must be on disk before the rename makes it the file of record.
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        error = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(tempPath.c_str(), target.c_str()) != 0) {
        *failedStep = WriteStep::Open;
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(tempPath.c_str());
        return Failure(path, error);
    }
    return Status::Ok();
}

}  // namespace gyro
