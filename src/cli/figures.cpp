#include <charconv>
#include <cstdlib>
#include <cstdio>
#include <iostream>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "catalog/catalogue.h"
#include "catalog/english_names.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "cli/start_state.h"
#include "geometry/outer_surface.h"
#include "io/mesh_export.h"
#include "io/print_export.h"
#include "state/app_state.h"
#include "model/solid.h"

namespace gyro::cli {

namespace {

struct ExportOptions {
    ShapeId figure = 0;
    MeshFormat format = MeshFormat::Json;
    std::optional<PrintFormat> print;     // stl or 3mf: the outer surface for a printer
    bool outer = false;                   // --outer: the outer surface in the mesh formats too
    double sizeMm = kDefaultPrintSizeMm;  // --size-mm
    std::string output;  // empty: standard output
    std::optional<int8_t> kikaku;         // over the start state's (or the file's) size standard
    std::optional<std::string> settings;  // --settings FILE
};

// Reads the export arguments; an error message when they are not acceptable.
std::optional<std::string> ParseExportArgs(const Args& args, ExportOptions& options) {
    std::optional<ShapeId> figure;
    bool haveOutput = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        const bool takesValue =
            word == "--format" || word == "-o" || word == "--output" || word == "--kikaku" || word == "--settings" ||
            word == "--size-mm";
        if (takesValue) {
            if (i + 1 >= args.size()) return "option " + word + " needs a value";
            const std::string& value = args[++i];
            if (word == "--format") {
                options.print = ParsePrintFormat(value);
                if (!options.print) {
                    const auto format = ParseMeshFormat(value);
                    if (!format) return "unknown format '" + value + "' (json, off, obj, stl or 3mf)";
                    options.format = *format;
                }
            } else if (word == "--size-mm") {
                char* end = nullptr;
                const double size = std::strtod(value.c_str(), &end);
                if (value.empty() || end != value.c_str() + value.size() || !(size > 0.0) || !(size <= 1e6)) {
                    return "--size-mm takes a length in millimetres above 0, not '" + value + "'";
                }
                options.sizeMm = size;
            } else if (word == "--kikaku") {
                const auto kikaku = ParseInt(value, -1, 1);
                if (!kikaku) return "--kikaku takes -1, 0 or 1, not '" + value + "'";
                options.kikaku = static_cast<int8_t>(*kikaku);
            } else if (word == "--settings") {
                options.settings = value;
            } else {
                if (value.empty()) return "option " + word + " needs a file name";
                if (haveOutput) return "more than one output file given";
                options.output = value == "-" ? std::string() : value;  // "-": standard output
                haveOutput = true;
            }
        } else if (word == "--outer") {
            options.outer = true;
        } else if (auto error = TakeFigureWord(word, figure)) {
            return error;
        }
    }
    if (!figure) return std::string("export needs a figure number (see 'gyrosolid-cli list')");
    options.figure = *figure;
    if (options.print && !haveOutput) return std::string("stl and 3mf are written to a file: give -o FILE");
    return std::nullopt;
}

}  // namespace

int RunList(const Args& args) {
    bool allNames = false;
    for (const std::string& word : args) {
        if (word != "--all-names") return UsageError("list", "list takes no arguments but --all-names, not '" + word + "'");
        allNames = true;
    }
    for (const FigureInfo& info : AllFigures()) {
        std::printf("%d\t%.*s\t%.*s", info.number, static_cast<int>(info.nameJa.size()), info.nameJa.data(),
                    static_cast<int>(info.nameEn.size()), info.nameEn.data());
        // The English name the English interface shows, filled where the figure has none.
        if (allNames) std::printf("\t%s", EnglishFigureName(info.number).c_str());
        std::printf("\n");
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) return Fail("writing to standard output failed");
    return 0;
}

int RunExport(const Args& args) {
    ExportOptions options;
    if (const auto error = ParseExportArgs(args, options)) return UsageError("export", *error);

    // The figure is built with the viewer's parameters: its start values, or a
    // settings file loaded over them.
    AppState state;
    if (const Status built = BuildStartFigure(state, options.settings, options.kikaku, options.figure); !built.ok()) {
        return Fail(built.message);
    }
    Solid& solid = state.solid;

    if (options.print || options.outer) {
        OuterOptions outerOptions;
        outerOptions.fractalLevel = solid.fractalDepthMax > 0 ? state.display.fracn : 0;
        const OuterResult outer = ComputeOuterSurface(solid, outerOptions);
        if (!outer.ok()) {
            std::string message = "figure " + std::to_string(options.figure) + ": " + OuterRefusalEnglish(outer.refusal);
            if (!outer.detail.empty()) message += " (" + outer.detail + ")";
            return Fail(message);
        }
        if (options.print) {
            const std::string name = solid.nameEn.empty() ? solid.nameJa : solid.nameEn;
            const Status status = WritePrintFile(options.output, outer.surface, *options.print, options.sizeMm, name);
            return status.ok() ? 0 : Fail(status.message);
        }
        solid = OuterSurfaceAsSolid(solid, outer.surface);
    }

    if (!options.output.empty()) {
        const Status status = WriteMeshFile(options.output, solid, options.format);
        return status.ok() ? 0 : Fail(status.message);
    }
    std::ios::sync_with_stdio(false);
    WriteMesh(std::cout, solid, options.format);
    std::cout.flush();
    if (!std::cout) return Fail("writing to standard output failed");
    return 0;
}

}  // namespace gyro::cli
