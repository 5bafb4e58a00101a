#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "state/app_state.h"

namespace gyro {

// What an animation shows: one full turn about a screen axis (a seamless loop),
// or the frames the window itself would draw from the current state.
enum class AnimationAxis : int8_t { X, Y, Z, Motion };

inline constexpr int32_t kAnimationFramesMin = 1;
inline constexpr int32_t kAnimationFramesMax = 3600;
inline constexpr int32_t kAnimationDelayMinMs = 10;
inline constexpr int32_t kAnimationDelayMaxMs = 60000;
inline constexpr int32_t kAnimationFramesDefault = 60;
inline constexpr int32_t kAnimationDelayDefaultMs = 40;

struct AnimationPlan {
    int32_t frames = kAnimationFramesDefault;  // kAnimationFramesMin..kAnimationFramesMax
    AnimationAxis axis = AnimationAxis::Y;
    int32_t delayMs = kAnimationDelayDefaultMs;  // between frames, kAnimationDelayMinMs..kAnimationDelayMaxMs
};

// "x", "y", "z" or "motion".
std::optional<AnimationAxis> ParseAnimationAxis(std::string_view text);
std::string_view AnimationAxisName(AnimationAxis axis);

// One pass of the window's loop as far as it moves the picture (automatic
// rotation, the moving light, inertia). Without one, the periodic motion alone.
using MotionStep = std::function<void(AppState&)>;

// Brings `state` to frame `index` of the animation. Frames must be asked for in
// order 0, 1, 2, ...: `start` is the view at frame 0, kept by the caller.
// A turn is worked out from `start` for every frame, so frame `frames` would be
// frame 0 again and the loop has no seam; its frames show the orientation without
// automatic rotation. Motion frames step the state once per frame after the first.
void PoseAnimationFrame(AppState& state, const ViewState& start, const AnimationPlan& plan, int32_t index,
                        const MotionStep& step = {});

// The view at frame 0: the current orientation, with automatic rotation worked
// into it for the turns (the window draws that orientation).
ViewState AnimationStartView(const ViewState& view, AnimationAxis axis);

}  // namespace gyro
