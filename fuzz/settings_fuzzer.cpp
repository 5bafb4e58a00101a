// libFuzzer entry for the settings path; see settings_round.h.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings_round.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string broken = gyro::fuzz::RunSettingsRound(text);
    if (!broken.empty()) {
        std::fprintf(stderr, "settings round: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
