#pragma once

// One rule for every edit field of the dialogs (view, light, window, figure
// families, animation export): what the field keeps must be a number, all of
// it, within the field's range.
// Text that is not a number is never read as 0 and nothing wraps; the dialog
// stays open with the field selected and a line naming the range. Full-width
// digits and signs arrive here already plain (FieldTextOf).

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "dialogs/field_text.h"
#include "model/limits.h"

namespace gyro {

struct FieldRange {
    double lowest = 0;
    double highest = 0;
    bool integer = true;      // digits only: no point and no exponent
    bool lowestOpen = false;  // lowest itself is outside (a size above 0)
};

enum class FieldFault : uint8_t { None, NotANumber, OutOfRange };

// The whole text as a finite number (blanks around it allowed; the minus sign
// U+2212 reads as '-'), or nothing.
std::optional<double> ParseWholeNumber(std::string_view text, bool integer);

// The rule for the characters the field keeps.
FieldFault CheckField(const EditField& field, const FieldRange& range);

}  // namespace gyro

namespace gyro {

// The ranges of the view, light and window dialogs' fields. Angles and turn
// speeds are tenths of a degree within one turn; the clamps that make a sound
// value another sound one (the light's minimum above its maximum, the screen
// size above the dialog's 2048) stay with the values.
inline constexpr FieldRange kTenthsRange{-3599, 3599};
inline constexpr FieldRange kLightDepthRange{-99, 32767};
inline constexpr FieldRange kBrightnessRange{0, 100};
inline constexpr FieldRange kScreenSideRange{kMinViewSide, kMaxViewSide};
inline constexpr FieldRange kEyeDistanceRange{1, 999999999};   // 0 would show no picture
inline constexpr FieldRange kPixelShiftRange{-999999999, 999999999};
inline constexpr FieldRange kCoordinateRange{-std::numeric_limits<double>::max(),
                                             std::numeric_limits<double>::max(), false};  // any finite number
inline constexpr FieldRange kZoomRange{0, std::numeric_limits<double>::max(), false, true};

// The family and export dialogs' fields. A field of the settings file's
// 32- or 16-bit width takes what that width holds, so nothing wraps; an angle
// or a hue that is taken round its circle takes any whole number.
inline constexpr FieldRange kInt32Range{std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
inline constexpr FieldRange kInt16Range{std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()};
inline constexpr FieldRange kAnyIntegerRange{-std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};

}  // namespace gyro
