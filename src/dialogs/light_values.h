#pragma once

// The light dialog's fields, read and stored without a window.

#include "dialogs/field_text.h"
#include "state/app_state.h"

namespace gyro {

inline constexpr int kLightFieldLimit = 6;

struct LightForm {
    EditField lightang1, lightang2, lightang1v, lightang2v, lightdep, lightmax, lightmin;
    bool lightsquare = false, lightmirror = false, lightmove = false;
};

LightForm FillLightForm(const DisplaySettings& display);
// Stores every field (cut to 16 bits), then brings the brightness range and the
// wrap-around back into range with ValidateSettings.
void StoreLightForm(const LightForm& form, AppState& state);

}  // namespace gyro
