#pragma once

// The automatic-rotation dialog's fields, read and stored without a window.

#include "dialogs/field_text.h"
#include "view/view_state.h"

namespace gyro {

inline constexpr int kAutoRotationFieldLimit = 10;

struct AutoRotationForm {
    EditField autorotarg1v, autorotarg2v;
    bool autoroton = false;
};

AutoRotationForm FillAutoRotationForm(const ViewState& view);
// Speeds cut to 16 bits; the current angles are kept, so the turn goes on from where it is.
void StoreAutoRotationForm(const AutoRotationForm& form, ViewState& view);

}  // namespace gyro
