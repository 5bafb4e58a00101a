#pragma once

// The figure size and direction dialog's fields, read and stored without a window.

#include <array>

#include "dialogs/field_text.h"
#include "view/view_state.h"

namespace gyro {

inline constexpr int kSizeDirectionFieldLimit = 15;

struct SizeDirectionForm {
    EditField rad;
    std::array<std::array<EditField, 3>, 3> ax;  // ax[r][k]: row r is "Ｘ方向", "Ｙ方向", "Ｚ方向"
};

SizeDirectionForm FillSizeDirectionForm(const ViewState& view);
// "規格化": the nine fields as read, made orthonormal, written back. Stores nothing.
void NormaliseSizeDirectionForm(SizeDirectionForm& form);
// The size (1.0 when it is not above 0) and the matrix as typed.
void StoreSizeDirectionForm(const SizeDirectionForm& form, ViewState& view);

}  // namespace gyro
