#pragma once

#include <string_view>

namespace gyro {

// Whether `text` ends in `suffix` (given in lower case), in any case: how a
// file name's ending chooses its format.
bool EndsWithNoCase(std::string_view text, std::string_view suffix);

}  // namespace gyro
