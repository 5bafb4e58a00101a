#include <optional>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "cli/start_state.h"
#include "io/animation_file.h"
#include "model/limits.h"
#include "state/animation.h"
#include "state/dispatcher.h"

namespace gyro::cli {

int RunAnimate(const Args& args) {
    std::optional<ShapeId> figure;
    std::string output;
    std::optional<std::string> settingsPath;
    std::optional<Size> size;
    AnimationPlan plan;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "-o" || word == "--output" || word == "--size" || word == "--settings" || word == "--frames" ||
            word == "--axis" || word == "--delay") {
            if (i + 1 >= args.size()) return UsageError("animate", "option " + word + " needs a value");
            const std::string& value = args[++i];
            if (word == "--size") {
                size = ParseSize(value);
                if (!size) return UsageError("animate", "--size takes WxH with sides 1.." + std::to_string(kMaxViewSide) + ", not '" + value + "'");
            } else if (word == "--frames") {
                const auto k = ParseInt(value, kAnimationFramesMin, kAnimationFramesMax);
                if (!k) {
                    return UsageError("animate", "--frames takes a count " + std::to_string(kAnimationFramesMin) +
                                                     ".." + std::to_string(kAnimationFramesMax) + ", not '" + value +
                                                     "'");
                }
                plan.frames = *k;
            } else if (word == "--delay") {
                const auto ms = ParseInt(value, kAnimationDelayMinMs, kAnimationDelayMaxMs);
                if (!ms) {
                    return UsageError("animate", "--delay takes milliseconds " + std::to_string(kAnimationDelayMinMs) +
                                                     ".." + std::to_string(kAnimationDelayMaxMs) + ", not '" + value +
                                                     "'");
                }
                plan.delayMs = *ms;
            } else if (word == "--axis") {
                const auto axis = ParseAnimationAxis(value);
                if (!axis) return UsageError("animate", "--axis takes x, y, z or motion, not '" + value + "'");
                plan.axis = *axis;
            } else if (word == "--settings") {
                settingsPath = value;
            } else {
                output = value;
            }
        } else if (IsOption(word)) {
            return UsageError("animate", "unknown option '" + word + "'");
        } else {
            if (figure) return UsageError("animate", "more than one figure number given");
            figure = ParseFigure(word);
            if (!figure) return UsageError("animate", "'" + word + "' is not a figure number");
        }
    }
    if (!figure) return UsageError("animate", "animate needs a figure number (see 'gyrosolid-cli list')");
    if (output.empty()) return UsageError("animate", "animate needs an output file: -o FILE.gif or -o FILE.webp");
    const auto format = AnimationFormatForPath(output);
    if (!format) return UsageError("animate", "the output file must end in .gif or .webp");

    AppState state;
    if (const Status start = MakeStartState(state, settingsPath); !start.ok()) return Fail(start.message);
    if (ChangeFigure(state, *figure) == 0) {
        return Fail("figure " + std::to_string(*figure) + ": nothing built (no builder knows this number)");
    }
    AnimationRequest request;
    request.plan = plan;
    request.format = *format;
    request.width = size ? size->width : state.solid.params.viewx;
    request.height = size ? size->height : state.solid.params.viewy;
    const Status written = WriteAnimation(state, request, output);
    return written.ok() ? 0 : Fail(written.message);
}

}  // namespace gyro::cli
