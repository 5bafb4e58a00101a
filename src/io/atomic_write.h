#pragma once

#include <string>
#include <string_view>

#include "io/status.h"

namespace gyro {

// Replaces the file at `path` with `bytes` without ever leaving a half-written
// file behind: the bytes go to a new file beside the target, which is flushed to
// disk and then renamed over it. On any failure the temporary file is removed,
// an existing file at `path` is left exactly as it was, and the error is returned.
// A symbolic link is followed, so the file it points to is the one replaced.
//
// When `failedStep` is given it tells, on failure, whether the file could not be
// opened or replaced (a bad name, folder or target) or the writing itself failed.
//
// An existing file that this user may not write (mode 0444, say) is refused
// with "Permission denied" and left alone: the rename would otherwise replace it
// on the folder's permission alone.
enum class WriteStep { Open, Write };
Status WriteFileAtomically(const std::string& path, std::string_view bytes, WriteStep* failedStep = nullptr);

// Whether this process may write the existing file `path`; on false errno says why.
using WriteAccessCheck = bool (*)(const std::string& path);
bool MayWriteFile(const std::string& path);
// Replaces the check WriteFileAtomically uses and returns the previous one; a null
// check restores MayWriteFile. Tests run as root, who may write any file, and use
// this to see what an ordinary user sees.
WriteAccessCheck SetWriteAccessCheck(WriteAccessCheck check);

// Makes the process ignore SIGXFSZ, so that a write beyond the file-size limit
// fails with EFBIG ("File too large") and the writer cleans up and reports it,
// instead of the process dying with a temporary file left behind. Programs call
// this once at start.
void IgnoreFileSizeLimitSignal();

}  // namespace gyro
