#include "model/solid.h"

namespace gyro {

void SetName(std::string& name, std::string_view text) {
    size_t n = text.size();
    if (n > static_cast<size_t>(kMaxNameBytes)) {
        n = kMaxNameBytes;
        // Step back over UTF-8 continuation bytes so no character is split.
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    }
    name.assign(text.substr(0, n));
}

}  // namespace gyro
