#include "shell/view_link.h"

#include <charconv>
#include <cstdio>
#include <vector>

#include "catalog/catalogue.h"
#include "io/settings_file.h"
#include "state/dispatcher.h"

namespace gyro {

namespace {

void AppendHex(std::string& out, double value) {
    char buffer[40];
    const int n = std::snprintf(buffer, sizeof buffer, "%a", value);
    if (n > 0) out.append(buffer, static_cast<size_t>(n));
}

std::vector<std::string_view> Split(std::string_view text, char mark) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (true) {
        const size_t at = text.find(mark, start);
        parts.push_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) break;
        start = at + 1;
    }
    return parts;
}

// A number of the link: what a settings line takes, and nothing else on it.
bool IsNumberText(std::string_view text) {
    if (text.empty() || text.size() > 40) return false;
    for (char c : text) {
        const bool ok = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == 'x' ||
                        c == 'X' || c == 'p' || c == 'P' || c == '+' || c == '-' || c == '.';
        if (!ok) return false;
    }
    return true;
}

}  // namespace

std::string ViewLinkText(const AppState& state) {
    std::string out = "z=" + std::to_string(state.solid.zukei) + "&ax=";
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            if (i + j > 0) out += ',';
            AppendHex(out, state.view.ax[static_cast<size_t>(i)][static_cast<size_t>(j)]);
        }
    }
    out += "&rad=";
    AppendHex(out, state.view.rad);
    return out;
}

bool OpenViewLink(std::string_view link, AppState& state) {
    if (!link.empty() && link.front() == '#') link.remove_prefix(1);
    std::string_view figureText, axText, radText;
    bool hasAx = false, hasRad = false;
    for (std::string_view field : Split(link, '&')) {
        if (field.starts_with("z=")) {
            figureText = field.substr(2);
        } else if (field.starts_with("ax=")) {
            axText = field.substr(3);
            hasAx = true;
        } else if (field.starts_with("rad=")) {
            radText = field.substr(4);
            hasRad = true;
        }
    }
    int figure = 0;
    const auto [end, error] = std::from_chars(figureText.data(), figureText.data() + figureText.size(), figure);
    if (figureText.empty() || error != std::errc() || end != figureText.data() + figureText.size() ||
        FindFigure(static_cast<ShapeId>(figure)) == nullptr || figure != static_cast<ShapeId>(figure)) {
        return false;
    }
    std::string lines = "zukei:" + std::to_string(figure) + "\n";
    if (hasAx) {
        const std::vector<std::string_view> entries = Split(axText, ',');
        if (entries.size() != 9) return false;
        for (size_t k = 0; k < 9; ++k) {
            if (!IsNumberText(entries[k])) return false;
            lines += "ax[" + std::to_string(k / 3) + "][" + std::to_string(k % 3) + "]:" + std::string(entries[k]) + "\n";
        }
    }
    if (hasRad) {
        if (!IsNumberText(radText)) return false;
        lines += "rad:" + std::string(radText) + "\n";
    }
    AppState next = state;
    if (LoadSettingsFromText(lines, next) == 0) return false;
    if (Rebuild(next.solid) == 0) return false;
    ClampDisplayToFigure(next);
    state = std::move(next);
    return true;
}

}  // namespace gyro
