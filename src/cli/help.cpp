#include "cli/help.h"

#include <array>

namespace gyro::cli {

namespace {

struct CommandHelp {
    std::string_view name;
    std::string_view synopsis;
    std::string_view description;
};

constexpr std::array<CommandHelp, 8> kCommands{{
    {"list", "list [--all-names]",
     "Prints every figure of the catalogue, one line each: its number, its Japanese\n"
     "name and its English name, separated by tabs. --all-names adds a fourth\n"
     "column: the English name the viewer's English interface shows, which is\n"
     "never empty.\n"},
    {"export", "export N [--format json|off|obj|stl|3mf] [--outer] [--size-mm D] [-o FILE] [--kikaku K] [--settings FILE]",
     "Builds figure N and writes its mesh to FILE (standard output without -o or\n"
     "with -o -). json is the whole built solid; off and obj are the usual polyhedron\n"
     "formats. --kikaku sets the size standard of the regular solids (-1 inscribed,\n"
     "0 midsphere, 1 circumscribed); --settings loads a settings file first.\n"
     "stl (binary) and 3mf are solids for 3D printers: the outer surface of the\n"
     "figure, what can be touched from outside, closed and outward, its largest\n"
     "extent D millimetres (--size-mm, 60 by default), standing on the plate with\n"
     "the viewer's vertical as up; 3mf keeps the face colours. --outer writes the\n"
     "outer surface in the other formats too. Fractals use the settings' depth.\n"
     "A figure without volume (a wireframe, a flat or open figure, one reaching to\n"
     "infinity) is refused with the reason.\n"
     "An existing FILE is replaced only once the new one is complete, and a file\n"
     "you may not write is left alone.\n"},
    {"render", "render N -o FILE.bmp|.png|.svg|.pdf [--size WxH] [--scale S] [--settings FILE] [--exact-depth on|off] [--frames K]",
     "Draws one frame of figure N as the viewer would and writes it as a 24-bit\n"
     "BMP, a PNG, or as shapes in an SVG or a PDF. --size sets the picture's size\n"
     "(the viewer's 256x256, or the settings file's, without it). --scale draws a\n"
     "BMP or PNG with S times the pixels each way, as the viewer does on a screen\n"
     "with that pixel ratio, and multiplies the page of an SVG (pixels) or a PDF\n"
     "(points, one a pixel; 0.01..100) for print.\n"
     "--exact-depth on shows at every pixel the surface nearest the eye (the\n"
     "viewer's start); an SVG or PDF then holds every face cut into the pieces that\n"
     "are really seen and every edge split into its visible and hidden parts. off\n"
     "draws the faces in their stored order with the facing test only. Without it\n"
     "the settings file decides.\n"
     "--frames K moves the picture by K passes of the viewer's periodic motion\n"
     "(automatic rotation and the moving light, as the settings file switches them\n"
     "on) before drawing (0).\n"},
    {"animate", "animate N -o FILE.gif|.webp [--frames K] [--axis x|y|z|motion] [--delay MS] [--size WxH] [--settings FILE]",
     "Draws K frames (60) of figure N as the viewer would and writes them as an\n"
     "animated GIF or WebP that loops for ever, each frame shown for MS\n"
     "milliseconds (40; a GIF keeps hundredths of a second). --axis x, y or z turns\n"
     "the solid once about that screen axis (y without it), so the loop has no\n"
     "seam; --axis motion shows what the viewer would draw next: automatic\n"
     "rotation and the moving light as the settings file sets them. A GIF has one\n"
     "palette a frame (exact up to 256 colours, never dithered); a WebP is lossless.\n"
     "--size and --settings as for render. Nothing is written on failure.\n"},
    {"bench", "bench [N...] [--size WxH] [--frames K] [--fracn D|max] [--settings FILE] [--exact-depth on|off|both] [--cpu-time]",
     "Builds each figure N (every figure without a list), draws K frames (50) at\n"
     "WxH (512x512) with automatic rotation, and prints the build time and the\n"
     "time per frame in milliseconds. --fracn draws fractal figures at depth D or\n"
     "at their deepest level. --settings starts from FILE (its view, colours and\n"
     "fractal depth) instead of the viewer's start values. --exact-depth picks the\n"
     "drawing mode; both times the same frames in stored order and exactly and\n"
     "prints the ratio of their fastest frames. --cpu-time times the frames by\n"
     "the processor time of the drawing thread instead of the wall clock, so that\n"
     "other work on the machine does not lengthen them.\n"},
    {"info", "info N [--kikaku K] [--settings FILE] [--json] [--outer]",
     "Builds figure N and prints its numbers, all worked out from the built mesh:\n"
     "vertices, edges and faces, faces by kind in star notation, vertex\n"
     "configurations, Euler characteristic, orientability, genus and density,\n"
     "the point group found from the isometries that map the figure onto itself,\n"
     "the radii, edge lengths, surface area, volume and dihedral angles (also in\n"
     "units of the shortest edge) and the related figures of the catalogue. A\n"
     "number that is not defined for the figure is left out with the reason.\n"
     "Text is rounded to six significant digits; --json prints every number in\n"
     "full. --kikaku and --settings work as for export. --outer adds the enclosed\n"
     "volume and the outer surface area, which take up to minutes for a star.\n"},
    {"settings", "settings [--settings FILE]",
     "Prints the settings file the viewer would save at start, or after loading\n"
     "FILE.\n"},
    {"net", "net N -o FILE.pdf|FILE.svg [--page a4|letter|a3] [--edge-mm L] [--white] [--no-tabs] [--settings FILE]",
     "Builds figure N and writes a paper net of its outer surface to cut, fold and\n"
     "glue: the faces unfolded into pieces that overlap nowhere, cut lines solid,\n"
     "mountain folds long dash and dot, valley folds short dashes, the two sides of\n"
     "every cut with the same number and a glue tab on one of them. A PDF holds\n"
     "every page; an SVG is one file a page (FILE.svg, FILE-2.svg, ...). The page\n"
     "is A4 unless --page says otherwise, with a 10 mm margin. --edge-mm sets the\n"
     "figure's longest edge on paper; without it the net takes the largest size at\n"
     "which every piece fits on a page. --white leaves the faces white, --no-tabs\n"
     "leaves the tabs out, --no-texts leaves out every text (title, numbers),\n"
     "--trees K tries K spanning trees (by the face count without it), --time\n"
     "prints how long it took. A figure without an outer surface is refused with\n"
     "the reason.\n"},
}};

const CommandHelp* Find(std::string_view command) {
    for (const CommandHelp& c : kCommands) {
        if (c.name == command) return &c;
    }
    return nullptr;
}

}  // namespace

void PrintUsage(std::FILE* out) {
    std::fputs("usage: gyrosolid-cli <command> [options]\n", out);
    for (const CommandHelp& c : kCommands) std::fprintf(out, "  %.*s\n", int(c.synopsis.size()), c.synopsis.data());
    std::fputs(
        "  help [COMMAND]\n"
        "options: -h, --help (also after a command), --version\n",
        out);
}

bool PrintCommandHelp(std::string_view command, std::FILE* out) {
    const CommandHelp* c = Find(command);
    if (c == nullptr) return false;
    std::fprintf(out, "usage: gyrosolid-cli %.*s\n\n%.*s", int(c->synopsis.size()), c->synopsis.data(),
                 int(c->description.size()), c->description.data());
    return true;
}

void PrintVersion(std::FILE* out) { std::fprintf(out, "gyrosolid-cli %s\n", GYRO_VERSION); }

int UsageError(std::string_view command, const std::string& message) {
    std::fprintf(stderr, "gyrosolid-cli: %s\n", message.c_str());
    const CommandHelp* c = Find(command);
    if (c == nullptr) {
        PrintUsage(stderr);
    } else {
        std::fprintf(stderr, "usage: gyrosolid-cli %.*s\n", int(c->synopsis.size()), c->synopsis.data());
    }
    return 2;
}

}  // namespace gyro::cli
