#pragma once

// The file, clipboard and area commands of the "操作(&F)" menu, apart from the
// dialogs themselves: the window supplies those through FileUi, so the steps
// run (and are tested) without any dialog on screen.

#include <functional>
#include <optional>
#include <string>

#include "shell/shell_state.h"
#include "geometry/outer_surface.h"
#include "geometry/net.h"
#include "io/animation_file.h"
#include "io/net_file.h"
#include "state/app_state.h"
#include "model/translate_mark.h"
#include "io/print_export.h"

namespace gyro {

// What the file chooser is asked for.
enum class FileKind {
    Image,         // save dialog, "ビットマップ (*.bmp)", then PNG, SVG and PDF
    AnimationGif,  // save dialog, "GIF (*.gif)", then WebP
    AnimationWebP, // save dialog, "WebP (*.webp)", then GIF
    SettingsSave,  // save dialog, "テキスト (*.txt)"
    SettingsLoad,  // open dialog for an existing "テキスト (*.txt)" file
    Print,         // save dialog, "STL (*.stl)" or "3MF (*.3mf)"
    Net,           // save dialog, "PDF (*.pdf)" or "SVG (*.svg)"
};

inline constexpr const char* kErrorCaption = GYRO_TRANSLATE_NOOP("Messages", "エラー");
inline constexpr const char* kOverwriteCaption = GYRO_TRANSLATE_NOOP("Messages", "君に問う");

struct FileUi {
    // Shows the chooser starting from `name`; true with the chosen path in `name`
    // when the user confirmed, false (and `name` untouched) when cancelled.
    std::function<bool(FileKind kind, std::string& name)> chooseFile;
    // A message with an OK button.
    std::function<void(const std::string& text, const std::string& caption)> inform;
    // A Yes/No question with No as the default; true for Yes.
    std::function<bool(const std::string& text, const std::string& caption)> ask;
    // Works out the outer surface; the window runs it off its thread behind a
    // progress dialog that can cancel it. Unset: worked out directly.
    std::function<OuterResult(const Solid& solid, int fractalLevel)> computeOuter;
    // Works out the net the same way (outer surface, then the unfolding).
    // Unset: worked out directly.
    std::function<NetResult(const Solid& solid, int fractalLevel, const NetOptions& options)> computeNet;
    // The net dialog, starting from `request`; true with the edited request
    // when confirmed. Unset: the request as it is.
    std::function<bool(NetRequest& request)> editNet;
    // The animation dialog, starting from `request`; true with the edited
    // request when confirmed.
    std::function<bool(AnimationRequest& request)> editAnimation;
    // A progress display for `total` frames while an animation is written; the
    // callback it returns answers false once the user has cancelled.
    std::function<AnimationProgress(int32_t total)> showProgress;
    // Asks for the scale of an SVG or PDF, starting from `scale`; true with the
    // chosen scale when confirmed. Unset: scale 1.
    std::function<bool(double& scale)> askScale;
    // Asks for the size of a solid for printing (its largest extent, in
    // millimetres), starting from `sizeMm`; true with the chosen size when
    // confirmed. Unset: the size given.
    std::function<bool(double& sizeMm)> askPrintSize;
};

// The last names used, so that the next chooser starts from them.
struct FileNames {
    std::string imagefilename;
    std::string settingsfilename;  // shared by saving and loading
    std::string printfilename;
    std::string animationfilename;
    std::string netfilename;
    NetRequest net;  // the net dialog's last values
    double vectorscale = 1.0;  // the scale of the last SVG or PDF
    double printsizemm = kDefaultPrintSizeMm;  // the size of the last solid saved for printing
};

// The text of the question before an existing picture file is replaced.
std::string OverwriteQuestion(const std::string& path);

// "設定の保存": choose a name, write the file; a failure is shown and the old
// file stays as it was.
void SaveSettingsCommand(const AppState& state, FileNames& names, const FileUi& ui);

// "設定の読出し": choose a file, load it, rebuild the figure. True when the state
// was loaded (the window then fits itself to viewx x viewy); on a failure the
// message is shown and the state is unchanged.
bool LoadSettingsCommand(AppState& state, FileNames& names, const FileUi& ui);

// "画像の出力": the picture as the last frame left it, as a 24-bit BMP file, or by
// the name's ending as a PNG, or drawn as shapes into an SVG or a PDF at a
// scale the user chooses (for print; 1 is the picture's own size). Does nothing
// without a picture.
void ExportImageCommand(AppState& state, FileNames& names, const FileUi& ui);

// The animation dialog's start values for this window: the last request, sized
// to the drawing area the first time.
AnimationRequest StartAnimationRequest(const std::optional<AnimationRequest>& last, const AppState& state);

// One pass of the window's loop as it moves the picture with no key held:
// inertia as the shell has it, automatic rotation and the moving light.
MotionStep WindowMotion(const ShellState& shell);

// "アニメーションを保存...": the dialog, the file name, then every frame drawn from
// a copy of the state while the progress display runs. A failure is shown; a
// cancel or failure leaves no file. `last` keeps the dialog's values.
void SaveAnimationCommand(const AppState& state, const ShellState& shell, FileNames& names,
                          std::optional<AnimationRequest>& last, const FileUi& ui);

// "3Dプリント用に保存...": choose a .stl or .3mf name, work out the figure's
// outer surface (fractals at the depth on show) and write it 60 mm across. A
// figure without volume, a cancelled computation or a failed write is told
// and nothing is written.
void SavePrintCommand(const AppState& state, FileNames& names, const FileUi& ui);

// "展開図を保存...": the net dialog, a .pdf or .svg name, then the figure's
// outer surface unfolded (fractals at the depth on show) and written, a PDF
// of all pages or one SVG a page. A figure without an outer surface, a net
// that does not fit the page, a cancel or a failed write is told (a cancel
// silently) and nothing is written.
void SaveNetCommand(const AppState& state, FileNames& names, const FileUi& ui);

// "投射面積確認": counts and shows the area. Does nothing without a picture.
void ProjectedAreaCommand(const AppState& state, const FileUi& ui);

}  // namespace gyro
