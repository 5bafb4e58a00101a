#include "io/animation_file.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "io/atomic_write.h"
#include "io/file_names.h"
#include "io/gif_file.h"
#include "io/webp_file.h"

namespace gyro {

namespace {

template <typename Encoder>
Status EncodeFrames(AppState& state, const AnimationRequest& request, const AnimationProgress& progress,
                    const MotionStep& step, std::vector<uint8_t>& bytes, bool& cancelled) {
    const AnimationPlan& plan = request.plan;
    Encoder encoder(state.display.backBuffer.width, state.display.backBuffer.height, plan.delayMs);
    const ViewState start = AnimationStartView(state.view, plan.axis);
    for (int32_t k = 0; k < plan.frames; ++k) {
        PoseAnimationFrame(state, start, plan, k, step);
        RenderFrame(state);
        if (Status s = encoder.AddFrame(state.display.backBuffer); !s.ok()) return s;
        if (progress && !progress(k + 1, plan.frames)) {
            cancelled = true;
            return Status::Error(kAnimationCancelledMessage);
        }
    }
    return encoder.Finish(bytes);
}

}  // namespace

std::optional<AnimationFormat> AnimationFormatForPath(std::string_view path) {
    if (EndsWithNoCase(path, ".gif")) return AnimationFormat::Gif;
    if (EndsWithNoCase(path, ".webp")) return AnimationFormat::WebP;
    return std::nullopt;
}

Status WriteAnimation(AppState& state, const AnimationRequest& request, const std::string& path,
                      const AnimationProgress& progress, const MotionStep& step, bool* cancelled) {
    bool wasCancelled = false;
    if (cancelled != nullptr) *cancelled = false;
    const AnimationPlan& plan = request.plan;
    if (plan.frames < kAnimationFramesMin || plan.frames > kAnimationFramesMax) {
        return Status::Error("the frame count must be " + std::to_string(kAnimationFramesMin) + ".." +
                             std::to_string(kAnimationFramesMax));
    }
    if (plan.delayMs < kAnimationDelayMinMs || plan.delayMs > kAnimationDelayMaxMs) {
        return Status::Error("the frame delay must be " + std::to_string(kAnimationDelayMinMs) + ".." +
                             std::to_string(kAnimationDelayMaxMs) + " ms");
    }
    if (!CreateBackBuffer(state, request.width, request.height)) return Status::Error("not enough memory for the picture");
    std::vector<uint8_t> bytes;
    const Status encoded = request.format == AnimationFormat::Gif
                               ? EncodeFrames<GifEncoder>(state, request, progress, step, bytes, wasCancelled)
                               : EncodeFrames<WebPEncoder>(state, request, progress, step, bytes, wasCancelled);
    if (cancelled != nullptr) *cancelled = wasCancelled;
    if (!encoded.ok()) return encoded;
    return WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace gyro
