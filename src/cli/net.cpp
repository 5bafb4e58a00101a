#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "cli/start_state.h"
#include "geometry/net.h"
#include "io/net_file.h"
#include "state/app_state.h"

namespace gyro::cli {

namespace {

struct NetArgs {
    ShapeId figure = 0;
    std::string output;
    VectorFormat format = VectorFormat::Pdf;
    NetOptions net;
    bool white = false;
    bool texts = true;
    bool timing = false;
    std::optional<std::string> settings;
};

std::optional<std::string> ParseNetArgs(const Args& args, NetArgs& options) {
    std::optional<ShapeId> figure;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        const bool takesValue = word == "-o" || word == "--output" || word == "--page" || word == "--edge-mm" ||
                                word == "--settings" || word == "--trees";
        if (takesValue) {
            if (i + 1 >= args.size()) return "option " + word + " needs a value";
            const std::string& value = args[++i];
            if (word == "--page") {
                if (!ParseNetPage(value, options.net.page)) return "unknown page size '" + value + "' (a4, letter or a3)";
            } else if (word == "--edge-mm") {
                char* end = nullptr;
                const double mm = std::strtod(value.c_str(), &end);
                if (value.empty() || *end != '\0' || !(mm > 0 && mm <= 10000)) {
                    return "--edge-mm takes a length in millimetres above 0, not '" + value + "'";
                }
                options.net.edgeMm = mm;
            } else if (word == "--trees") {
                const auto trees = ParseInt(value, 1, 100);
                if (!trees) return "--trees takes 1 to 100, not '" + value + "'";
                options.net.trees = *trees;
            } else if (word == "--settings") {
                options.settings = value;
            } else {
                if (value.empty()) return "option " + word + " needs a file name";
                if (!options.output.empty()) return "more than one output file given";
                const auto format = VectorFormatForPath(value);
                if (!format) return "the net is written as .pdf or .svg, not '" + value + "'";
                options.output = value;
                options.format = *format;
            }
        } else if (word == "--white") {
            options.white = true;
        } else if (word == "--no-tabs") {
            options.net.tabs = false;
        } else if (word == "--no-texts") {
            options.texts = false;
        } else if (word == "--time") {
            options.timing = true;
        } else if (auto error = TakeFigureWord(word, figure)) {
            return error;
        }
    }
    if (!figure) return std::string("net needs a figure number (see 'gyrosolid-cli list')");
    if (options.output.empty()) return std::string("net needs -o FILE.pdf or FILE.svg");
    options.figure = *figure;
    return std::nullopt;
}

}  // namespace

int RunNet(const Args& args) {
    NetArgs options;
    if (const auto error = ParseNetArgs(args, options)) return UsageError("net", *error);
    AppState state;
    if (const Status built = BuildStartFigure(state, options.settings, std::nullopt, options.figure); !built.ok()) {
        return Fail(built.message);
    }
    const Solid& solid = state.solid;
    const int level = solid.fractalDepthMax > 0 ? state.display.fracn : 0;
    const auto start = std::chrono::steady_clock::now();
    const NetResult result = MakeFigureNet(solid, level, options.net);
    const auto made = std::chrono::steady_clock::now();
    if (!result.ok) {
        std::string why = result.message;
        if (result.outerRefusal != OuterRefusal::None) {
            why = OuterRefusalEnglish(result.outerRefusal);
            if (!result.outerDetail.empty()) why += " (" + result.outerDetail + ")";
        }
        return Fail("figure " + std::to_string(options.figure) + ": " + why);
    }
    NetDrawing drawing;
    drawing.white = options.white;
    drawing.texts = options.texts;
    drawing.figure = options.figure;
    drawing.nameJa = solid.nameJa;
    drawing.nameEn = solid.nameEn;
    if (const Status written = WriteNetFiles(result.net, drawing, options.format, options.output); !written.ok()) {
        return Fail(written.message);
    }
    const auto done = std::chrono::steady_clock::now();
    if (options.timing) {
        // Outer surface alone, for how much of the time the unfolding takes.
        const auto outerStart = std::chrono::steady_clock::now();
        OuterOptions outerOptions;
        outerOptions.fractalLevel = level;
        (void)ComputeOuterSurface(solid, outerOptions);
        const auto outerDone = std::chrono::steady_clock::now();
        const auto ms = [](auto a, auto b) { return std::chrono::duration<double, std::milli>(b - a).count(); };
        std::printf("figure %d: %zu faces, %zu pieces, %d pages, edge %.1f mm; net %.0f ms (outer surface %.0f ms), files %.0f ms\n",
                    options.figure, result.net.faces.size(), result.net.pieces.size(), result.net.pages,
                    result.net.edgeMm, ms(start, made), ms(outerStart, outerDone), ms(made, done));
    }
    return 0;
}

}  // namespace gyro::cli
