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

std::optional<std::string> TakeFigureWord(const std::string& word, std::optional<ShapeId>& figure) {
    if (word.size() > 1 && word[0] == '-' && !ParseInt(word, -32768, 32767)) return "unknown option '" + word + "'";
    if (figure) return std::string("more than one figure number given");
    figure = ParseFigure(word);
    if (!figure) return "'" + word + "' is not a figure number";
    return std::nullopt;
}

std::optional<ShapeId> ParseFigure(std::string_view text) {
    const auto n = ParseInt(text, std::numeric_limits<ShapeId>::min(), std::numeric_limits<ShapeId>::max());
    if (!n) return std::nullopt;
    return static_cast<ShapeId>(*n);
}

}  // namespace gyro::cli
