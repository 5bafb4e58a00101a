#pragma once

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

}  // namespace gyro::cli
