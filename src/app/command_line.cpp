#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace gyro {

namespace {

// The options every Qt program accepts; QApplication removes them from the
// command line itself. Qt takes them with one dash or two.
constexpr std::array<std::string_view, 11> kQtOptionsWithValue{
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "style", "stylesheet", "session", "display"};
constexpr std::array<std::string_view, 5> kQtSwitches{"reverse", "widgetcount", "nograb", "dograb", "sync"};

// "-style" or "--style" -> "style"; "" for a word that is not an option.
std::string_view OptionName(std::string_view word) {
    if (word.size() < 2 || word[0] != '-') return {};
    word.remove_prefix(word[1] == '-' ? 2 : 1);
    return word;
}

bool Contains(const auto& list, std::string_view name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

ViewerCommandLine Error(std::string message) {
    ViewerCommandLine line;
    line.action = ViewerCommandLine::Action::Error;
    line.error = std::move(message);
    return line;
}

}  // namespace

ViewerCommandLine ParseViewerCommandLine(const std::vector<std::string>& args) {
    // Help and version win wherever they stand, as in most programs.
    for (const std::string& word : args) {
        if (word == "-h" || word == "--help") return {ViewerCommandLine::Action::Help, {}, {}, {}};
        if (word == "--version") return {ViewerCommandLine::Action::Version, {}, {}, {}};
    }
    ViewerCommandLine line;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        const std::string_view name = OptionName(word);
        if (word == "--grab") {
            if (i + 1 >= args.size() || args[i + 1].empty()) return Error("--grab needs a file name");
            line.grabFile = args[++i];
        } else if (word == "--lang" || word.starts_with("--lang=")) {
            std::string code;
            if (word == "--lang") {
                if (i + 1 >= args.size()) return Error("--lang needs a language: ja or en");
                code = args[++i];
            } else {
                code = word.substr(7);
            }
            line.language = ParseLanguage(code);
            if (!line.language) return Error("unknown language '" + code + "' (ja or en)");
        } else if (Contains(kQtOptionsWithValue, name)) {
            if (i + 1 >= args.size()) return Error("option " + word + " needs a value");
            ++i;
        } else if (Contains(kQtSwitches, name)) {
            // Qt's own.
        } else if (!name.empty()) {
            return Error("unknown option '" + word + "'");
        } else {
            return Error("unexpected argument '" + word + "'");
        }
    }
    return line;
}

std::string ViewerUsage() {
    return "usage: gyrosolid [--lang ja|en] [--grab FILE] [Qt options]\n"
           "Gyrosolid: an interactive viewer of polyhedra (Japanese or English interface).\n"
           "Turn the solid with the keypad, the arrow keys or the mouse, step through the\n"
           "figures with Page Up / Page Down (or Q / W), and choose figures and colours\n"
           "from the menus; \"情報・操作方法\" in the first menu lists every key.\n"
           "\"表示\" > \"図形の数値\" opens a panel beside the picture with the numbers of the\n"
           "figure on show (faces, vertex configurations, symmetry, radii, angles, ...).\n"
           "Every pixel shows the surface nearest the eye, so stars, compounds and\n"
           "hemi-polyhedra look as they are; \"表示\" > \"正確な前後関係\" (a check mark)\n"
           "switches to drawing the faces in their stored order with only the facing test,\n"
           "which is faster and exact for convex solids (saved as exactdepth).\n"
           "\"画像の出力\" saves the picture as BMP, PNG, SVG or PDF by the file name's\n"
           "ending (SVG and PDF as shapes, at a scale you choose); \"アニメーションを保存...\"\n"
           "writes a turning loop or the current motion as an animated GIF or WebP, and\n"
           "\"3Dプリント用に保存...\" the outer surface as STL or 3MF.\n"
           "\n"
           "  -h, --help     print this text and exit\n"
           "  --version      print the version and exit\n"
           "  --lang ja|en   the interface language for this run (the menu \"言語 / Language\"\n"
           "                 chooses it for good; Japanese until then)\n"
           "  --grab FILE    save a picture of the window after a second, then quit\n"
           "\n"
           "Qt's own options (-platform NAME, -style NAME, -reverse, ...) are accepted.\n"
           "For files and pictures without a window, see gyrosolid-cli --help.\n";
}

std::string ViewerVersion() { return std::string("gyrosolid ") + GYRO_VERSION + "\n"; }

}  // namespace gyro
