#include "cli/arguments.h"

#include <charconv>
#include <cstdio>
#include <limits>

namespace gyro::cli {

int Fail(const std::string& message) {
    std::fprintf(stderr, "gyrosolid-cli: %s\n", message.c_str());
    return 1;
}

std::optional<int> ParseInt(std::string_view text, int low, int high) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < low || value > high) return std::nullopt;
    return value;
}

std::optional<ShapeId> ParseFigure(std::string_view text) {
    const auto n = ParseInt(text, std::numeric_limits<ShapeId>::min(), std::numeric_limits<ShapeId>::max());
    if (!n) return std::nullopt;
    return static_cast<ShapeId>(*n);
}

}  // namespace gyro::cli
