#include <cstdio>

#include "cli/commands.h"

namespace gyro::cli {

int RunList(const Args& /*args*/) {
    std::fputs("gyrosolid-cli: this command is not available yet\n", stderr);
    return 1;
}

int RunExport(const Args& /*args*/) {
    std::fputs("gyrosolid-cli: this command is not available yet\n", stderr);
    return 1;
}

}  // namespace gyro::cli
