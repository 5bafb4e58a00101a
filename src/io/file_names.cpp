#include "io/file_names.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

namespace gyro {

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char s, char t) { return std::tolower(static_cast<unsigned char>(t)) == s; });
}

}  // namespace gyro
