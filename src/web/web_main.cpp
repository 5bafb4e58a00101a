// The web page's entry points: the page's script calls these C functions on
// one state, as the window's event handlers and frame loop call the core.

#include <emscripten/emscripten.h>

#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalogue.h"
#include "catalog/english_names.h"
#include "catalog/figure_finder.h"
#include "io/bmp_file.h"
#include "io/settings_file.h"
#include "shell/browser_keys.h"
#include "shell/frame_step.h"
#include "shell/input.h"
#include "shell/language.h"
#include "shell/shell_state.h"
#include "shell/status_text.h"
#include "shell/view_link.h"
#include "state/app_state.h"
#include "state/dispatcher.h"
#include "state/scaled_frame.h"
#include "view/motion.h"
#include "view/view_state.h"

namespace {

gyro::AppState gState;
gyro::ShellState gShell;
gyro::BackBuffer gScaled;       // the picture at device pixels
bool gDrewScaled = false;

const gyro::BackBuffer& Drawn() { return gDrewScaled ? gScaled : gState.display.backBuffer; }
std::string gText;              // the last text handed to the page
std::vector<uint8_t> gBytes;    // the last file handed to the page

const char* Hand(std::string text) {
    gText = std::move(text);
    return gText.c_str();
}

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += ' ';
        } else {
            out += c;
        }
    }
    out += '"';
}

void AppendMenu(std::string& out, const gyro::FigureMenuItem& item) {
    out += "{\"label\":";
    AppendJsonString(out, item.label);
    if (item.figure != 0) {
        out += ",\"figure\":" + std::to_string(item.figure) + ",\"en\":";
        AppendJsonString(out, gyro::EnglishFigureName(item.figure));
    }
    if (item.separator) out += ",\"separator\":true";
    if (!item.children.empty()) {
        out += ",\"children\":[";
        for (size_t i = 0; i < item.children.size(); ++i) {
            if (i > 0) out += ',';
            AppendMenu(out, item.children[i]);
        }
        out += ']';
    }
    out += '}';
}

}  // namespace

extern "C" {

// The start state: every start value, the cube built.
EMSCRIPTEN_KEEPALIVE void gyro_init() {
    gyro::InitAppState(gState);
    gShell = gyro::ShellState{};
}

// Builds figure `n`; 0 when no builder knows it.
EMSCRIPTEN_KEEPALIVE int gyro_set_figure(int n) {
    if (n != static_cast<gyro::ShapeId>(n)) return 0;
    return gyro::ChangeFigure(gState, static_cast<gyro::ShapeId>(n)) != 0 ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int gyro_figure() { return gState.solid.zukei; }

// The drawing area in device pixels; 0 without memory for it.
EMSCRIPTEN_KEEPALIVE int gyro_resize(int width, int height) {
    return gyro::CreateBackBuffer(gState, width, height) ? 1 : 0;
}

// One pass of the window's loop before the drawing; 1 when the figure was rebuilt.
EMSCRIPTEN_KEEPALIVE int gyro_step() {
    const bool rebuilt = gyro::StepFrame(gState, gShell);
    gShell.keys.endPass();
    return rebuilt ? 1 : 0;
}

// The pass counter of the status band's "fps:".
EMSCRIPTEN_KEEPALIVE void gyro_count_frame(double lastMs, double nowMs) {
    gyro::CountFrame(gShell, static_cast<uint64_t>(lastMs), static_cast<uint64_t>(nowMs));
}

// `frames` passes of the periodic motion alone (automatic rotation, moving light).
EMSCRIPTEN_KEEPALIVE void gyro_motion(int frames) {
    for (int i = 0; i < frames; ++i) gyro::AdvancePeriodicMotion(gState.view, gState.display);
}

// Draws the frame; at a device-pixel ratio `scale` above 1 with that many times
// the pixels each way, as the desktop draws on such a screen. 0 when there is
// no memory to draw (the last picture is then gone too).
EMSCRIPTEN_KEEPALIVE int gyro_render(double scale) {
    gDrewScaled = false;
    if (std::isfinite(scale) && scale > 1.0 && gState.display.backBuffer.exists()) {
        if (gyro::RenderFrameAtScale(gState, scale, gScaled)) {
            gDrewScaled = true;
            return 1;
        }
        // Too many pixels at this ratio: the picture at its own size.
    }
    return gyro::RenderFrame(gState) ? 1 : 0;
}

// The picture last drawn: R, G, B, 0 per pixel, rows top-down.
EMSCRIPTEN_KEEPALIVE uint8_t* gyro_pixels() {
    return Drawn().exists() ? reinterpret_cast<uint8_t*>(const_cast<uint32_t*>(Drawn().pixels.data())) : nullptr;
}
EMSCRIPTEN_KEEPALIVE int gyro_width() { return gState.display.backBuffer.width; }
EMSCRIPTEN_KEEPALIVE int gyro_height() { return gState.display.backBuffer.height; }
EMSCRIPTEN_KEEPALIVE int gyro_picture_width() { return Drawn().width; }
EMSCRIPTEN_KEEPALIVE int gyro_picture_height() { return Drawn().height; }

// A key by its KeyboardEvent.code; returns 1 when the viewer uses it, 2 when it
// also changed the figure.
EMSCRIPTEN_KEEPALIVE int gyro_key(const char* code, int down, int commandModifier) {
    const gyro::KeyInput input = gyro::MapBrowserKey(code, commandModifier != 0);
    if (!input.key && input.figureStep == 0) return 0;
    if (down) return gyro::KeyDown(gState, gShell, input) ? 2 : 1;
    gyro::KeyUp(gShell, input);
    return 1;
}

// Every key up: the page lost the keyboard.
EMSCRIPTEN_KEEPALIVE void gyro_release_keys() { gShell.keys.releaseAll(); }

// A pointer move to (x, y) in the drawing area's CSS pixels with the buttons down.
EMSCRIPTEN_KEEPALIVE void gyro_mouse(int x, int y, int left, int right) {
    gyro::MouseMove(gState, gShell, static_cast<int16_t>(x), static_cast<int16_t>(y), left != 0, right != 0);
}

// Zoom by `factor` (a wheel notch or a pinch), within the zoom the keys reach.
EMSCRIPTEN_KEEPALIVE void gyro_zoom(double factor) {
    if (std::isfinite(factor) && factor > 0) gyro::ScaleView(gState.view, factor);
}

// A wheel notch up (+1) or down (-1): a zoom step at the keys' speed, or with
// `speedMode` a speed step as the desktop's wheel does.
EMSCRIPTEN_KEEPALIVE void gyro_wheel(int direction, int speedMode) {
    if (speedMode) {
        gyro::MouseWheel(gShell, direction);
    } else if (direction != 0) {
        gyro::ScaleView(gState.view, direction > 0 ? gyro::ZoomInFactor(gShell.speed) : gyro::ZoomOutFactor(gShell.speed));
    }
}

// The name of figure `n` as the status band shows it, in English when `english`.
EMSCRIPTEN_KEEPALIVE const char* gyro_name(int n, int english) {
    if (english) return Hand(gyro::EnglishFigureName(static_cast<gyro::ShapeId>(n)));
    const gyro::FigureInfo* info = gyro::FindFigure(static_cast<gyro::ShapeId>(n));
    return Hand(info ? std::string(info->nameJa) : std::string());
}

// A whole-number setting by its settings-file key, as the file would hold it; 0 when unknown.
EMSCRIPTEN_KEEPALIVE int gyro_get(const char* key) {
    const std::string text = gyro::SaveSettings(gState);
    const std::string wanted = std::string("\n") + key + ":";
    const size_t at = ("\n" + text).find(wanted);
    if (at == std::string::npos) return 0;
    return std::atoi(text.c_str() + at + wanted.size() - 1);
}

// The status band: line 1, then a tab, then the name (in English when `english`).
EMSCRIPTEN_KEEPALIVE const char* gyro_status(int english) {
    gShell.language = english ? gyro::UiLanguage::English : gyro::UiLanguage::Japanese;
    gyro::StatusText status;
    gyro::FormatStatus(gState, gShell, status);
    return Hand(gyro::StatusLine1(status) + "\t" + status.name.text + "\t" +
                std::to_string(static_cast<int>(status.refusal)));
}

// The figure menu as JSON: {label, figure?, en?, separator?, children?}; the
// labels as the desktop's menu has them, with their "&" mnemonics.
EMSCRIPTEN_KEEPALIVE const char* gyro_menu() {
    std::string out;
    AppendMenu(out, gyro::FigureMenuTree());
    return Hand(std::move(out));
}

// Every figure of the catalogue as lines "number\tJapanese\tEnglish".
EMSCRIPTEN_KEEPALIVE const char* gyro_figures() {
    std::string out;
    for (const gyro::FigureInfo& info : gyro::AllFigures()) {
        out += std::to_string(info.number) + "\t" + std::string(info.nameJa) + "\t" +
               gyro::EnglishFigureName(info.number) + "\n";
    }
    return Hand(std::move(out));
}

// The finder's matches for `query`, best first, as "n1,n2,...".
EMSCRIPTEN_KEEPALIVE const char* gyro_find(const char* query) {
    std::string out;
    for (gyro::ShapeId n : gyro::FindFigures(query)) {
        if (!out.empty()) out += ',';
        out += std::to_string(n);
    }
    return Hand(std::move(out));
}

// The link's part after '#' for the figure and the view on show.
EMSCRIPTEN_KEEPALIVE const char* gyro_link() { return Hand(gyro::ViewLinkText(gState)); }

// Opens a link's part after '#'; 0 (nothing changed) when it is not one.
EMSCRIPTEN_KEEPALIVE int gyro_open_link(const char* link) { return gyro::OpenViewLink(link, gState) ? 1 : 0; }

// The settings file of the state, as the desktop saves it.
EMSCRIPTEN_KEEPALIVE const char* gyro_save_settings() { return Hand(gyro::SaveSettings(gState)); }

// Loads a settings file's text as the desktop does; 0 (nothing changed) when
// it holds no settings line.
EMSCRIPTEN_KEEPALIVE int gyro_load_settings(const char* text) {
    gyro::AppState next = gState;
    if (gyro::LoadSettingsFromText(text, next) == 0) return 0;
    gyro::Rebuild(next.solid);
    gyro::ClampDisplayToFigure(next);
    // The page keeps its drawing area; the file's size is kept for saving.
    gState = std::move(next);
    return 1;
}

// One settings line ("key:value"), as a menu command of the page sets it; the
// figure is built again when the line changes how it is built.
EMSCRIPTEN_KEEPALIVE int gyro_set(const char* line) {
    // The drawing options leave the built figure as it is.
    static constexpr std::string_view kDrawingOnly[] = {"facecolmode:", "lightmode:", "lightmove:", "person:",
                                                        "penbold:",     "urapenbold:", "bkmode:",    "rezerse:",
                                                        "exactdepth:",  "autoroton:"};
    const std::string_view text(line);
    bool rebuild = true;
    for (std::string_view key : kDrawingOnly) {
        if (text.starts_with(key)) rebuild = false;
    }
    gyro::AppState next = gState;
    if (gyro::LoadSettingsFromText(text, next) == 0) return 0;
    gState = std::move(next);
    if (rebuild) {
        gyro::Rebuild(gState.solid);
        gyro::ClampDisplayToFigure(gState);
    }
    return 1;
}

// The picture as a BMP file; its size in *size, 0 when there is none. As on
// the desktop, an export is the drawing area's own pixels, drawn afresh when
// the screen showed them at a higher pixel ratio.
EMSCRIPTEN_KEEPALIVE uint8_t* gyro_bmp(int* size) {
    gyro_render(1.0);
    try {
        gBytes = gyro::EncodeBmp(gState.display.backBuffer);
    } catch (const std::bad_alloc&) {
        gBytes.clear();
    }
    *size = static_cast<int>(gBytes.size());
    return gBytes.empty() ? nullptr : gBytes.data();
}

}  // extern "C"

int main() {
    gyro_init();
    return 0;
}
