#pragma once

// The perspective and stereo dialog's fields, read and stored without a window.

#include "dialogs/field_text.h"
#include "model/display_settings.h"

namespace gyro {

inline constexpr int kPerspectiveFieldLimit = 10;

struct PerspectiveForm {
    EditField persdz, perssx, perssy, stereodip, stereodist;
};

PerspectiveForm FillPerspectiveForm(const DisplaySettings& display);
// "デフォルト値": the start values, into the fields only.
void ResetPerspectiveForm(PerspectiveForm& form);
// Stored as typed; the renderer copes with any eye distance.
void StorePerspectiveForm(const PerspectiveForm& form, DisplaySettings& display);

}  // namespace gyro
