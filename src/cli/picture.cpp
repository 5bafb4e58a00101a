#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstddef>
#include <chrono>
#include <cstdio>
#include <limits>
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
#include "render/raster_surface.h"
#include "render/render_frame.h"
#include "render/exact_picture.h"
#include "view/motion.h"

namespace gyro::cli {

namespace {

Status WritePng(const std::string& path, const BackBuffer& buffer) {
    // The buffer's bytes are R, G, B, 0 per pixel: exactly QImage's RGBX8888.
    const QImage image(reinterpret_cast<const uchar*>(buffer.pixels.data()), buffer.width, buffer.height,
                       static_cast<qsizetype>(buffer.width) * 4, QImage::Format_RGBX8888);
    QByteArray bytes;
    QBuffer device(&bytes);
    if (!device.open(QIODevice::WriteOnly) || !image.save(&device, "PNG")) {
        return Status::Error("cannot encode the picture as PNG");
    }
    return WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

// A positive decimal number within the vector scale's range.
std::optional<double> ParseScale(const std::string& text) {
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || !(value >= kVectorScaleMin && value <= kVectorScaleMax)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

int RunRender(const Args& args) {
    std::optional<ShapeId> figure;
    std::string output;
    std::optional<std::string> settingsPath;
    std::optional<Size> size;
    std::optional<double> scale;
    bool exact = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--exact") {
            exact = true;
        } else if (word == "-o" || word == "--output" || word == "--size" || word == "--settings" || word == "--scale") {
            if (i + 1 >= args.size()) return UsageError("render", "option " + word + " needs a value");
            const std::string& value = args[++i];
            if (word == "--scale") {
                scale = ParseScale(value);
                if (!scale) return UsageError("render", "--scale takes a number from 0.01 to 100, not '" + value + "'");
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
    if (scale && !vector) return UsageError("render", "--scale is for .svg and .pdf files");
    if (exact && !vector) return UsageError("render", "--exact is for .svg and .pdf files");

    AppState state;
    if (const Status start = MakeStartState(state, settingsPath); !start.ok()) return Fail(start.message);
    if (ChangeFigure(state, *figure) == 0) {
        return Fail("figure " + std::to_string(*figure) + ": nothing built (no builder knows this number)");
    }
    const Size area = size ? *size : Size{state.solid.params.viewx, state.solid.params.viewy};
    if (!CreateBackBuffer(state, area.width, area.height)) return Fail("not enough memory for the picture");
    if (vector) {
        const VectorPicture picture = DrawPictureShapes(state.solid, state.view, state.display, exact);
        const Status written = WriteVectorPicture(picture, *vector, scale.value_or(1.0), output);
        return written.ok() ? 0 : Fail(written.message);
    }
    RenderFrame(state);

    const Status written = png ? WritePng(output, state.display.backBuffer)
                               : WriteBmpFile(output, state.display.backBuffer);
    return written.ok() ? 0 : Fail(written.message);
}

int RunBench(const Args& args) {
    std::vector<ShapeId> figures;
    Size area{512, 512};
    int frames = 50;
    std::optional<int> fracn;  // drawing depth of fractal figures; -1: each figure's deepest
    std::optional<std::string> settingsPath;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--settings") {
            if (i + 1 >= args.size()) return UsageError("bench", "option " + word + " needs a value");
            settingsPath = args[++i];
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

    AppState state;
    if (const Status start = MakeStartState(state, settingsPath); !start.ok()) return Fail(start.message);
    // Without --fracn, the depth of the settings file (0 without one).
    const int depth = fracn ? *fracn : settingsPath ? state.display.fracn : 0;
    if (!CreateBackBuffer(state, area.width, area.height)) return Fail("not enough memory for the picture");
    std::printf("# %dx%d, %d frames per figure, auto-rotation as in the viewer\n", area.width, area.height, frames);
    // The fastest frame shows the cost on a quiet machine; the mean what a user sees.
    std::printf("%6s %10s %12s %10s %9s %5s  %s\n", "figure", "build ms", "ms/frame", "min ms", "faces", "level",
                "name");

    int measured = 0;
    int failed = 0;
    double totalBuild = 0;
    double totalFrames = 0;
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
        RenderFrame(state);  // the first frame grows the buffers
        double sumMs = 0;
        double minMs = std::numeric_limits<double>::infinity();
        for (int f = 0; f < frames; ++f) {
            const Clock::time_point t1 = Clock::now();
            AdvancePeriodicMotion(state.view, state.display);
            RenderFrame(state);
            const double frameMsNow = ms(Clock::now() - t1);
            sumMs += frameMsNow;
            minMs = std::min(minMs, frameMsNow);
        }
        const double frameMs = sumMs / frames;
        const std::string& name = state.solid.nameEn.empty() ? state.solid.nameJa : state.solid.nameEn;
        std::printf("%6d %10.2f %12.3f %10.3f %9d %5d  %s\n", figure, buildMs, frameMs, minMs,
                    state.solid.faceCount(), state.display.fracn, name.c_str());
        ++measured;
        totalBuild += buildMs;
        totalFrames += frameMs;
    }
    std::printf("total: %d figures, build %.1f ms, %.3f ms per frame summed over the figures (mean %.3f)\n",
                measured, totalBuild, totalFrames, measured ? totalFrames / measured : 0.0);
    if (std::fflush(stdout) != 0) return Fail("writing to standard output failed");
    return failed == 0 ? 0 : 1;
}

}  // namespace gyro::cli
