#pragma once

#include <QString>

#include <string_view>

namespace gyro {

// A message of the core (file errors, the area count, limits) in the
// interface language. The core writes its messages in Japanese and marks them
// for the translation tools under the context "Messages"; the message is
// translated whole, or else line by line, so that a file name or a system
// error on a line of its own passes unchanged. A line whose only variable part
// is a number is looked up with "%1" in the number's place.
QString TranslatedMessage(std::string_view text);

}  // namespace gyro
