#pragma once

// The arbitrary-axis dialog's fields, read and stored without a window.

#include <array>

#include "dialogs/field_text.h"
#include "view/view_state.h"

namespace gyro {

inline constexpr int kAxisFieldLimit = 15;

struct AxisForm {
    std::array<EditField, 3> nax;
    bool njim = false;  // "角度指定": the angle field is enabled and read exactly when set
    EditField nang;
};

// The buttons that fill the three axis fields: the solid's axes as they lie
// on screen now (rows of ax), or the screen's own axes.
enum class AxisPreset { SolidX, SolidY, SolidZ, ScreenX, ScreenY, ScreenZ };

AxisForm FillAxisForm(const ViewState& view);
void ApplyAxisPreset(AxisForm& form, AxisPreset preset, const ViewState& view);
// Stores the axis as typed (a zero axis simply turns nothing); the angle only
// when "角度指定" is set.
void StoreAxisForm(const AxisForm& form, ViewState& view);

}  // namespace gyro
