#include <cstdio>

#include "cli/commands.h"

namespace gyro::cli {

int RunSettings(const Args& /*args*/) {
    std::fputs("gyrosolid-cli: this command is not available yet\n", stderr);
    return 1;
}

}  // namespace gyro::cli
