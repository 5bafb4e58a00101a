#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/solid.h"

namespace gyro::cli {

// Prints "gyrosolid-cli: message" on stderr and returns the failure status 1.
int Fail(const std::string& message);

// The whole word must be a decimal integer within [low, high].
std::optional<int> ParseInt(std::string_view text, int low, int high);

// A figure number: any 16-bit signed integer.
std::optional<ShapeId> ParseFigure(std::string_view text);

struct Size {
    int32_t width = 0;
    int32_t height = 0;
};

// "WxH", each side kMinViewSide..kMaxViewSide.
std::optional<Size> ParseSize(std::string_view text);

// A word that starts with '-' and is not a (negative) figure number.
bool IsOption(const std::string& word);
// A word that is no known option of a subcommand that takes one figure number:
// the number (negative ones too), or an error message for an unknown option, a
// second number or a word that is no number.
std::optional<std::string> TakeFigureWord(const std::string& word, std::optional<ShapeId>& figure);

}  // namespace gyro::cli
