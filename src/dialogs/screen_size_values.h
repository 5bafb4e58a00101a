#pragma once

// The screen-size dialog's fields, read without a window.

#include <cstdint>

#include "dialogs/field_text.h"
#include "model/limits.h"

namespace gyro {

inline constexpr int kScreenSizeFieldLimit = 10;
inline constexpr int32_t kDefaultViewSide = 256;  // "初期値"

struct ScreenSizeForm {
    EditField viewwidth, viewheight;
};

struct ViewSize {
    int32_t width = 0, height = 0;
};

ScreenSizeForm FillScreenSizeForm(ViewSize current);
void ResetScreenSizeForm(ScreenSizeForm& form);
// Each side clamped to 1 .. 2048.
ViewSize ReadScreenSizeForm(const ScreenSizeForm& form);

}  // namespace gyro
