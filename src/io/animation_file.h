#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "io/status.h"
#include "state/animation.h"
#include "state/app_state.h"

namespace gyro {

enum class AnimationFormat : int8_t { Gif, WebP };

// The format a file name asks for by its ending (.gif or .webp, any case).
std::optional<AnimationFormat> AnimationFormatForPath(std::string_view path);

// Told after each frame: frames done and in all. Returning false cancels the write.
using AnimationProgress = std::function<bool(int32_t done, int32_t total)>;

inline constexpr const char* kAnimationCancelledMessage = "cancelled";

struct AnimationRequest {
    AnimationPlan plan;
    AnimationFormat format = AnimationFormat::Gif;
    int32_t width = 256;   // picture size, kMinViewSide..kMaxViewSide
    int32_t height = 256;
};

// Draws every frame of `request.plan` from `state` with the renderer (each one
// exactly what RenderFrame draws for the state PoseAnimationFrame gives it),
// encodes them and writes the file at `path` atomically: a failed or cancelled
// write leaves no file and an existing one untouched. `state` is the working
// copy: its drawing area becomes the request's size and its view and motion move
// on with the frames. `cancelled`, when given, tells a cancel from a failure.
Status WriteAnimation(AppState& state, const AnimationRequest& request, const std::string& path,
                      const AnimationProgress& progress = {}, const MotionStep& step = {},
                      bool* cancelled = nullptr);

}  // namespace gyro
