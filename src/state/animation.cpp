#include "state/animation.h"

#include "view/motion.h"

namespace gyro {

std::optional<AnimationAxis> ParseAnimationAxis(std::string_view text) {
    if (text == "x") return AnimationAxis::X;
    if (text == "y") return AnimationAxis::Y;
    if (text == "z") return AnimationAxis::Z;
    if (text == "motion") return AnimationAxis::Motion;
    return std::nullopt;
}

std::string_view AnimationAxisName(AnimationAxis axis) {
    switch (axis) {
        case AnimationAxis::X: return "x";
        case AnimationAxis::Y: return "y";
        case AnimationAxis::Z: return "z";
        case AnimationAxis::Motion: return "motion";
    }
    return "y";
}

ViewState AnimationStartView(const ViewState& view, AnimationAxis axis) {
    ViewState start = view;
    if (axis != AnimationAxis::Motion && start.autoroton) {
        SetAutoRotationAxes(start);
        start.autoroton = 0;
    }
    return start;
}

void PoseAnimationFrame(AppState& state, const ViewState& start, const AnimationPlan& plan, int32_t index,
                        const MotionStep& step) {
    if (plan.axis == AnimationAxis::Motion) {
        if (index == 0) {
            state.view = start;
        } else if (step) {
            step(state);
        } else {
            AdvancePeriodicMotion(state.view, state.display);
        }
        return;
    }
    state.view = start;
    const int32_t frames = plan.frames > 0 ? plan.frames : 1;
    // The same senses as the screen-turn keys: up, right and the screen's own turn.
    const double degrees = 360.0 * static_cast<double>(index % frames) / frames;
    if (degrees == 0.0) return;
    switch (plan.axis) {
        case AnimationAxis::X: RotateInPlane(state.view, 2, 1, degrees); break;
        case AnimationAxis::Y: RotateInPlane(state.view, 2, 0, degrees); break;
        case AnimationAxis::Z: RotateInPlane(state.view, 1, 0, degrees); break;
        case AnimationAxis::Motion: break;
    }
}

}  // namespace gyro
