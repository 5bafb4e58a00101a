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
enum class WriteStep { Open, Write };
Status WriteFileAtomically(const std::string& path, std::string_view bytes, WriteStep* failedStep = nullptr);

}  // namespace gyro
