#pragma once

// The animation dialog's fields, read without a window.

#include <cstdint>

#include "dialogs/field_rule.h"
#include "dialogs/field_text.h"
#include "state/animation.h"
#include "io/animation_file.h"

namespace gyro {

inline constexpr int kAnimationFieldLimit = 10;
inline constexpr FieldRange kAnimationFramesRange{kAnimationFramesMin, kAnimationFramesMax};
inline constexpr FieldRange kAnimationDelayRange{kAnimationDelayMinMs, kAnimationDelayMaxMs};

// The choices of the two lists, in the order they are shown.
inline constexpr AnimationFormat kAnimationFormats[] = {AnimationFormat::Gif, AnimationFormat::WebP};
inline constexpr AnimationAxis kAnimationAxes[] = {AnimationAxis::X, AnimationAxis::Y, AnimationAxis::Z,
                                                   AnimationAxis::Motion};

struct AnimationForm {
    int format = 0;  // index into kAnimationFormats
    int axis = 1;    // index into kAnimationAxes
    EditField frames, delay, width, height;
};

AnimationForm FillAnimationForm(const AnimationRequest& request);
// Every value brought into its range (the dialog refuses any other, so this
// only guards a caller that fills the form itself): frames kAnimationFramesMin..Max, delay
// kAnimationDelayMinMs..MaxMs, each side 1..kMaxViewSide; a list index out of
// range takes the first choice.
AnimationRequest ReadAnimationForm(const AnimationForm& form);

}  // namespace gyro
