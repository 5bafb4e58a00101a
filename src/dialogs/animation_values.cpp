#include "dialogs/animation_values.h"

#include <algorithm>
#include <iterator>

#include "model/limits.h"

namespace gyro {

namespace {

int32_t ReadClamped(const EditField& field, int32_t low, int32_t high) {
    return static_cast<int32_t>(std::clamp<int64_t>(ReadInt(field), low, high));
}

template <typename T, size_t N>
int IndexOf(const T (&choices)[N], T value) {
    const auto* found = std::find(std::begin(choices), std::end(choices), value);
    return found == std::end(choices) ? 0 : static_cast<int>(found - std::begin(choices));
}

template <typename T, size_t N>
T Choice(const T (&choices)[N], int index) {
    return index >= 0 && static_cast<size_t>(index) < N ? choices[index] : choices[0];
}

}  // namespace

AnimationForm FillAnimationForm(const AnimationRequest& request) {
    AnimationForm form;
    form.format = IndexOf(kAnimationFormats, request.format);
    form.axis = IndexOf(kAnimationAxes, request.plan.axis);
    form.frames = MakeField(FormatInt(request.plan.frames), kAnimationFieldLimit);
    form.delay = MakeField(FormatInt(request.plan.delayMs), kAnimationFieldLimit);
    form.width = MakeField(FormatInt(request.width), kAnimationFieldLimit);
    form.height = MakeField(FormatInt(request.height), kAnimationFieldLimit);
    return form;
}

AnimationRequest ReadAnimationForm(const AnimationForm& form) {
    AnimationRequest request;
    request.format = Choice(kAnimationFormats, form.format);
    request.plan.axis = Choice(kAnimationAxes, form.axis);
    request.plan.frames = ReadClamped(form.frames, kAnimationFramesMin, kAnimationFramesMax);
    request.plan.delayMs = ReadClamped(form.delay, kAnimationDelayMinMs, kAnimationDelayMaxMs);
    request.width = ReadClamped(form.width, kMinViewSide, kMaxViewSide);
    request.height = ReadClamped(form.height, kMinViewSide, kMaxViewSide);
    return request;
}

}  // namespace gyro
