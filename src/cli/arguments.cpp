#include "cli/arguments.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <limits>

#include "io/file_names.h"
#include "model/limits.h"

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

std::optional<Size> ParseSize(std::string_view text) {
    const size_t x = text.find_first_of("xX");
    if (x == std::string_view::npos) return std::nullopt;
    const auto w = ParseInt(text.substr(0, x), kMinViewSide, kMaxViewSide);
    const auto h = ParseInt(text.substr(x + 1), kMinViewSide, kMaxViewSide);
    if (!w || !h) return std::nullopt;
    return Size{*w, *h};
}

bool IsOption(const std::string& word) { return word.size() > 1 && word[0] == '-' && !ParseFigure(word); }

}  // namespace gyro::cli
