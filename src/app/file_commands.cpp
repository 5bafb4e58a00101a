#include "app/file_commands.h"

#include <filesystem>
#include <system_error>

#include "io/area_count.h"
#include "shell/frame_step.h"
#include "io/bmp_file.h"
#include "io/print_export.h"
#include "io/picture_file.h"
#include "io/settings_file.h"

namespace gyro {

std::string OverwriteQuestion(const std::string& path) {
    return path + "\n" + GYRO_TRANSLATE_NOOP("Messages", "同じファイルがありますが、上書きしますか？");
}

void SaveSettingsCommand(const AppState& state, FileNames& names, const FileUi& ui) {
    if (!ui.chooseFile(FileKind::SettingsSave, names.settingsfilename)) return;
    const Status saved = SaveSettings(state, names.settingsfilename);
    if (!saved.ok()) ui.inform(saved.message, kErrorCaption);
}

bool LoadSettingsCommand(AppState& state, FileNames& names, const FileUi& ui) {
    if (!ui.chooseFile(FileKind::SettingsLoad, names.settingsfilename)) return false;
    const Status loaded = LoadSettingsFile(names.settingsfilename, state);
    if (!loaded.ok()) {
        ui.inform(loaded.message, kErrorCaption);
        return false;
    }
    return true;
}

void ExportImageCommand(AppState& state, FileNames& names, const FileUi& ui) {
    const BackBuffer& picture = state.display.backBuffer;
    if (!picture.exists()) return;
    if (!ui.chooseFile(FileKind::Image, names.imagefilename)) return;
    const std::string& path = names.imagefilename;
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !ui.ask(OverwriteQuestion(path), kOverwriteCaption)) return;
    // Any other name is a BMP, as it always was.
    const PictureFormat format = PictureFormatForPath(path).value_or(PictureFormat::Bmp);
    double scale = 1.0;
    if ((format == PictureFormat::Svg || format == PictureFormat::Pdf) && ui.askScale) {
        scale = names.vectorscale;
        if (!ui.askScale(scale)) return;
        names.vectorscale = scale;
    }
    const Status written = WritePictureFile(state, format, path, scale);
    if (!written.ok()) ui.inform(written.message, kErrorCaption);
}

void SavePrintCommand(const AppState& state, FileNames& names, const FileUi& ui) {
    if (!ui.chooseFile(FileKind::Print, names.printfilename)) return;
    const std::string& path = names.printfilename;
    const auto format = PrintFormatOfPath(path);
    if (!format) {
        ui.inform(std::string(GYRO_TRANSLATE_NOOP("Messages", "ファイル名は .stl か .3mf で終わるようにしてください:")) + "\n" +
                      path,
                  kErrorCaption);
        return;
    }
    double sizeMm = names.printsizemm;
    if (ui.askPrintSize) {
        if (!ui.askPrintSize(sizeMm)) return;
        names.printsizemm = sizeMm;
    }
    const Solid& solid = state.solid;
    const int level = solid.fractalDepthMax > 0 ? state.display.fracn : 0;
    const OuterResult outer = ui.computeOuter ? ui.computeOuter(solid, level) : [&] {
        OuterOptions options;
        options.fractalLevel = level;
        return ComputeOuterSurface(solid, options);
    }();
    if (outer.refusal == OuterRefusal::Cancelled) return;
    if (!outer.ok()) {
        std::string text = std::string(GYRO_TRANSLATE_NOOP("Messages", "この図形は3Dプリント用の立体にできません:")) + "\n" +
                           OuterRefusalText(outer.refusal);
        if (!outer.detail.empty()) text += "\n" + outer.detail;  // its own line: the reason's line is translated
        ui.inform(text, kErrorCaption);
        return;
    }
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !ui.ask(OverwriteQuestion(path), kOverwriteCaption)) return;
    const std::string name = solid.nameEn.empty() ? solid.nameJa : solid.nameEn;
    const Status written = WritePrintFile(path, outer.surface, *format, sizeMm, name);
    if (!written.ok()) ui.inform(written.message, kErrorCaption);
}

void SaveNetCommand(const AppState& state, FileNames& names, const FileUi& ui) {
    NetRequest request = names.net;
    if (ui.editNet && !ui.editNet(request)) return;
    names.net = request;
    if (!ui.chooseFile(FileKind::Net, names.netfilename)) return;
    const std::string& path = names.netfilename;
    const auto format = VectorFormatForPath(path);
    if (!format) {
        ui.inform(std::string(GYRO_TRANSLATE_NOOP("Messages", "ファイル名は .pdf か .svg で終わるようにしてください:")) + "\n" +
                      path,
                  kErrorCaption);
        return;
    }
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !ui.ask(OverwriteQuestion(path), kOverwriteCaption)) return;
    const Solid& solid = state.solid;
    const int level = solid.fractalDepthMax > 0 ? state.display.fracn : 0;
    NetOptions options;
    options.page = request.page;
    options.edgeMm = request.edgeMm;
    options.tabs = request.tabs;
    const NetResult net = ui.computeNet ? ui.computeNet(solid, level, options) : MakeFigureNet(solid, level, options);
    if (!net.ok) {
        if (net.problem == NetProblem::Cancelled) return;
        ui.inform(std::string(GYRO_TRANSLATE_NOOP("Messages", "この図形の展開図は作れません:")) + "\n" + NetProblemText(net),
                  kErrorCaption);
        return;
    }
    NetDrawing drawing;
    drawing.white = request.white;
    drawing.figure = solid.zukei;
    drawing.nameJa = solid.nameJa;
    drawing.nameEn = solid.nameEn;
    const Status written = WriteNetFiles(net.net, drawing, *format, path);
    if (!written.ok()) ui.inform(written.message, kErrorCaption);
}

AnimationRequest StartAnimationRequest(const std::optional<AnimationRequest>& last, const AppState& state) {
    if (last) return *last;
    AnimationRequest request;
    request.width = state.solid.params.viewx;
    request.height = state.solid.params.viewy;
    return request;
}

MotionStep WindowMotion(const ShellState& shell) {
    ShellState still = shell;
    still.keys.releaseAll();
    return [still](AppState& state) mutable { StepFrame(state, still); };
}

void SaveAnimationCommand(const AppState& state, const ShellState& shell, FileNames& names,
                          std::optional<AnimationRequest>& last, const FileUi& ui) {
    AnimationRequest request = StartAnimationRequest(last, state);
    if (!ui.editAnimation || !ui.editAnimation(request)) return;
    last = request;
    const FileKind kind = request.format == AnimationFormat::Gif ? FileKind::AnimationGif : FileKind::AnimationWebP;
    if (!ui.chooseFile(kind, names.animationfilename)) return;
    const std::string& path = names.animationfilename;
    // The name's ending wins over the dialog's choice: it is what the user sees.
    if (const auto named = AnimationFormatForPath(path)) request.format = *named;
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !ui.ask(OverwriteQuestion(path), kOverwriteCaption)) return;

    AppState frames = state;  // the window's own state goes on untouched
    const AnimationProgress progress = ui.showProgress ? ui.showProgress(request.plan.frames) : AnimationProgress{};
    bool cancelled = false;
    const Status written = WriteAnimation(frames, request, path, progress, WindowMotion(shell), &cancelled);
    if (!written.ok() && !cancelled) ui.inform(written.message, kErrorCaption);
}

void ProjectedAreaCommand(const AppState& state, const FileUi& ui) {
    const BackBuffer& picture = state.display.backBuffer;
    if (!picture.exists()) return;
    ui.inform(ProjectedAreaMessage(picture, state.display), kAreaCaption);
}

}  // namespace gyro
