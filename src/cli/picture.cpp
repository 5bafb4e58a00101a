#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstddef>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <limits>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalogue.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "cli/start_state.h"
#include "io/atomic_write.h"
#include "io/bmp_file.h"
#include "io/file_names.h"
#include "io/vector_file.h"
#include "model/limits.h"
#include "state/app_state.h"
#include "state/dispatcher.h"
#include "state/scaled_frame.h"
#include "render/raster_surface.h"
#include "render/render_frame.h"
#include "render/exact_picture.h"
#include "view/motion.h"

namespace gyro::cli {

namespace {

// --exact-depth: "on" draws every pixel's nearest surface, "off" the faces in
// stored order; bench also takes "both" and prints the two side by side.
enum class DepthChoice { kSettings, kOn, kOff, kBoth };

std::optional<DepthChoice> ParseDepthChoice(std::string_view text, bool bothAllowed) {
    if (text == "on") return DepthChoice::kOn;
    if (text == "off") return DepthChoice::kOff;
    if (bothAllowed && text == "both") return DepthChoice::kBoth;
    return std::nullopt;
}

Status WritePng(const std::string& path, const BackBuffer& buffer) {
    // The buffer's bytes are R, G, B, 0 per pixel: exactly QImage's RGBX8888.
    const QImage image(reinterpret_cast<const uchar*>(buffer.pixels.data()), buffer.width, buffer.height,
                       static_cast<qsizetype>(buffer.width) * 4, QImage::Format_RGBX8888);
    QByteArray bytes;
    QBuffer device(&bytes);
    // Qt reports a failed allocation of the growing bytes by throwing.
    try {
        if (!device.open(QIODevice::WriteOnly) || !image.save(&device, "PNG")) {
            return Status::Error("cannot encode the picture as PNG");
        }
    } catch (const std::bad_alloc&) {
        return Status::Error("not enough memory to encode the picture as PNG");
    }
    return WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace

int RunRender(const Args& args) {
    std::optional<ShapeId> figure;
    std::string output;
    std::optional<std::string> settingsPath;
    std::optional<Size> size;
    DepthChoice depthChoice = DepthChoice::kSettings;
    std::optional<double> scale;
    int motionFrames = 0;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "-o" || word == "--output" || word == "--size" || word == "--settings" || word == "--scale" ||
            word == "--exact-depth" || word == "--frames") {
            if (i + 1 >= args.size()) return UsageError("render", "option " + word + " needs a value");
            const std::string& value = args[++i];
            if (word == "--frames") {
                const auto k = ParseInt(value, 0, 1000000);
                if (!k) return UsageError("render", "--frames takes a count from 0, not '" + value + "'");
                motionFrames = *k;
            } else if (word == "--exact-depth") {
                const auto choice = ParseDepthChoice(value, false);
                if (!choice) return UsageError("render", "--exact-depth takes on or off, not '" + value + "'");
                depthChoice = *choice;
            } else if (word == "--scale") {
                double s = 0;
                const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), s);
                if (ec != std::errc() || end != value.data() + value.size() || !(s > 0) || !std::isfinite(s)) {
                    return UsageError("render", "--scale takes a number above 0, not '" + value + "'");
                }
                scale = s;
            } else if (word == "--size") {
                size = ParseSize(value);
                if (!size) {
                    return UsageError("render", "--size takes WxH with sides 1.." + std::to_string(kMaxViewSide) +
                                                    ", not '" +
                                value + "'");
                }
            } else if (word == "--settings") {
                settingsPath = value;
            } else {
                output = value;
            }
        } else if (IsOption(word)) {
            return UsageError("render", "unknown option '" + word + "'");
        } else {
            if (figure) return UsageError("render", "more than one figure number given");
            figure = ParseFigure(word);
            if (!figure) return UsageError("render", "'" + word + "' is not a figure number");
        }
    }
    if (!figure) return UsageError("render", "render needs a figure number (see 'gyrosolid-cli list')");
    if (output.empty()) return UsageError("render", "render needs an output file: -o FILE.bmp|.png|.svg|.pdf");
    const bool png = EndsWithNoCase(output, ".png");
    const std::optional<VectorFormat> vector = VectorFormatForPath(output);
    if (!png && !vector && !EndsWithNoCase(output, ".bmp")) {
        return UsageError("render", "the output file must end in .bmp, .png, .svg or .pdf");
    }
    if (vector && scale && !(*scale >= kVectorScaleMin && *scale <= kVectorScaleMax)) {
        return UsageError("render", "--scale of an SVG or PDF takes a number from 0.01 to 100");
    }

    AppState state;
    if (const Status start = MakeStartState(state, settingsPath); !start.ok()) return Fail(start.message);
    if (ChangeFigure(state, *figure) == 0) {
        return Fail("figure " + std::to_string(*figure) + ": nothing built (no builder knows this number)");
    }
    const Size area = size ? *size : Size{state.solid.params.viewx, state.solid.params.viewy};
    if (depthChoice != DepthChoice::kSettings) state.display.exactdepth = depthChoice == DepthChoice::kOn ? 1 : 0;
    for (int k = 0; k < motionFrames; ++k) AdvancePeriodicMotion(state.view, state.display);
    if (!CreateBackBuffer(state, area.width, area.height)) return Fail("not enough memory for the picture");
    if (vector) {
        // The drawing the settings ask for: exact, or the stored order; --scale sizes the page.
        const VectorPicture shapes =
            DrawPictureShapes(state.solid, state.view, state.display, state.display.exactdepth != 0);
        const Status written = WriteVectorPicture(shapes, *vector, scale.value_or(1.0), output);
        return written.ok() ? 0 : Fail(written.message);
    }
    // --scale draws the same picture with S times the pixels each way, as the
    // window does on a screen with that device-pixel ratio.
    BackBuffer scaled;
    if (scale && !RenderFrameAtScale(state, *scale, scaled)) {
        return Fail("--scale " + std::to_string(*scale) + " gives a picture beyond " + std::to_string(kMaxViewSide) +
                    " pixels a side or more than the memory at hand");
    }
    if (!scale && !RenderFrame(state)) return Fail("not enough memory to draw the picture");
    const BackBuffer& picture = scale ? scaled : state.display.backBuffer;

    const Status written = png ? WritePng(output, picture) : WriteBmpFile(output, picture);
    return written.ok() ? 0 : Fail(written.message);
}

int RunBench(const Args& args) {
    std::vector<ShapeId> figures;
    Size area{512, 512};
    int frames = 50;
    std::optional<int> fracn;  // drawing depth of fractal figures; -1: each figure's deepest
    std::optional<std::string> settingsPath;
    DepthChoice depthChoice = DepthChoice::kSettings;
    bool cpuTime = false;  // the thread's processor time instead of the wall clock
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--cpu-time") {
            cpuTime = true;
        } else if (word == "--settings") {
            if (i + 1 >= args.size()) return UsageError("bench", "option " + word + " needs a value");
            settingsPath = args[++i];
        } else if (word == "--exact-depth") {
            if (i + 1 >= args.size()) return UsageError("bench", "option " + word + " needs a value");
            const std::string& value = args[++i];
            const auto choice = ParseDepthChoice(value, true);
            if (!choice) return UsageError("bench", "--exact-depth takes on, off or both, not '" + value + "'");
            depthChoice = *choice;
        } else if (word == "--fracn") {
            if (i + 1 >= args.size()) return UsageError("bench", "option " + word + " needs a value");
            const std::string& value = args[++i];
            const auto depth = value == "max" ? std::optional<int>(-1) : ParseInt(value, 0, 127);
            if (!depth) return UsageError("bench", "--fracn takes a depth from 0 or 'max', not '" + value + "'");
            fracn = *depth;
        } else if (word == "--size" || word == "--frames") {
            if (i + 1 >= args.size()) return UsageError("bench", "option " + word + " needs a value");
            const std::string& value = args[++i];
            if (word == "--size") {
                const auto s = ParseSize(value);
                if (!s) return UsageError("bench", "--size takes WxH, not '" + value + "'");
                area = *s;
            } else {
                const auto k = ParseInt(value, 1, 1000000);
                if (!k) return UsageError("bench", "--frames takes a count from 1, not '" + value + "'");
                frames = *k;
            }
        } else if (IsOption(word)) {
            return UsageError("bench", "unknown option '" + word + "'");
        } else {
            const auto figure = ParseFigure(word);
            if (!figure) return UsageError("bench", "'" + word + "' is not a figure number");
            figures.push_back(*figure);
        }
    }
    const bool explicitList = !figures.empty();
    if (!explicitList) {
        for (const FigureInfo& info : AllFigures()) figures.push_back(info.number);
    }

    using Clock = std::chrono::steady_clock;
    auto ms = [](Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };
    // A frame's cost in milliseconds from `nowMs` before and after: by the wall
    // clock, or with --cpu-time by the processor time of this thread alone, which
    // the machine's other work does not lengthen.
    auto nowMs = [cpuTime, &ms]() {
        if (cpuTime) {
            timespec t{};
            if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t) == 0) return t.tv_sec * 1e3 + t.tv_nsec * 1e-6;
        }
        return ms(Clock::now().time_since_epoch());
    };

    AppState state;
    if (const Status start = MakeStartState(state, settingsPath); !start.ok()) return Fail(start.message);
    // Without --fracn, the depth of the settings file (0 without one).
    const int depth = fracn ? *fracn : settingsPath ? state.display.fracn : 0;
    if (!CreateBackBuffer(state, area.width, area.height)) return Fail("not enough memory for the picture");
    const bool both = depthChoice == DepthChoice::kBoth;
    if (depthChoice == DepthChoice::kOn || depthChoice == DepthChoice::kOff) {
        state.display.exactdepth = depthChoice == DepthChoice::kOn ? 1 : 0;
    }
    std::printf("# %dx%d, %d frames per figure, auto-rotation as in the viewer%s%s\n", area.width, area.height, frames,
                both ? "; stored order, then exact drawing of the same frames" : "",
                cpuTime ? "; frames timed by processor time" : "");
    // The fastest frame shows the cost on a quiet machine; the mean what a user sees.
    if (both) {
        std::printf("%6s %10s %12s %10s %12s %10s %7s %9s %5s  %s\n", "figure", "build ms", "stored ms", "min ms",
                    "exact ms", "min ms", "ratio", "faces", "level", "name");
    } else {
        std::printf("%6s %10s %12s %10s %9s %5s  %s\n", "figure", "build ms", "ms/frame", "min ms", "faces", "level",
                    "name");
    }

    struct Timing {
        double meanMs = 0;
        double minMs = std::numeric_limits<double>::infinity();
    };
    // K frames of the automatic rotation from the view as it stands, which is left as it was.
    auto timeFrames = [&]() {
        const ViewState start = state.view;
        RenderFrame(state);  // the first frame grows the buffers
        Timing t;
        double sumMs = 0;
        for (int f = 0; f < frames; ++f) {
            const double t1 = nowMs();
            AdvancePeriodicMotion(state.view, state.display);
            RenderFrame(state);
            const double frameMsNow = nowMs() - t1;
            sumMs += frameMsNow;
            t.minMs = std::min(t.minMs, frameMsNow);
        }
        t.meanMs = sumMs / frames;
        state.view = start;
        return t;
    };

    int measured = 0;
    int failed = 0;
    double totalBuild = 0;
    double totalFrames = 0;
    double totalExact = 0;
    for (const ShapeId figure : figures) {
        const Clock::time_point t0 = Clock::now();
        const int built = ChangeFigure(state, figure);
        const double buildMs = ms(Clock::now() - t0);
        if (built == 0) {
            if (explicitList) {
                std::fprintf(stderr, "gyrosolid-cli: figure %d: nothing built\n", figure);
                ++failed;
            }
            continue;
        }
        const int8_t depthMax = state.solid.fractalDepthMax;
        state.display.fracn = static_cast<int8_t>(depth < 0 ? depthMax : std::clamp<int>(depth, 0, depthMax));
        // Turn the solid every frame as the viewer's automatic rotation does.
        state.view.autoroton = 1;
        const std::string& name = state.solid.nameEn.empty() ? state.solid.nameJa : state.solid.nameEn;
        if (both) {
            state.display.exactdepth = 0;
            const Timing stored = timeFrames();
            state.display.exactdepth = 1;
            const Timing exact = timeFrames();
            std::printf("%6d %10.2f %12.3f %10.3f %12.3f %10.3f %7.2f %9d %5d  %s\n", figure, buildMs, stored.meanMs,
                        stored.minMs, exact.meanMs, exact.minMs, exact.minMs / stored.minMs, state.solid.faceCount(),
                        state.display.fracn, name.c_str());
            totalFrames += stored.meanMs;
            totalExact += exact.meanMs;
        } else {
            const Timing t = timeFrames();
            std::printf("%6d %10.2f %12.3f %10.3f %9d %5d  %s\n", figure, buildMs, t.meanMs, t.minMs,
                        state.solid.faceCount(), state.display.fracn, name.c_str());
            totalFrames += t.meanMs;
        }
        ++measured;
        totalBuild += buildMs;
    }
    std::printf("total: %d figures, build %.1f ms, %.3f ms per frame summed over the figures (mean %.3f)\n",
                measured, totalBuild, totalFrames, measured ? totalFrames / measured : 0.0);
    if (both) {
        std::printf("exact: %.3f ms per frame summed over the figures (mean %.3f)\n", totalExact,
                    measured ? totalExact / measured : 0.0);
    }
    if (std::fflush(stdout) != 0) return Fail("writing to standard output failed");
    return failed == 0 ? 0 : 1;
}

}  // namespace gyro::cli
