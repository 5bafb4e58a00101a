#pragma once

// The values of the pyramid/prism dialog and the hue-cycle dialog as text, and
// the checks that decide whether OK may store them: everything the dialogs do
// apart from their widgets. A value a field cannot hold is never stored: text
// that is no whole number, or a number outside the field's range, is refused
// (the field is selected and its range named), while the counts keep their
// own corrections (a count below 2 becomes 2, a step its nearest bound).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "dialogs/field_rule.h"
#include "model/solid.h"

namespace gyro {

namespace family_dialog {

// A dialog field's integer: an optional sign and decimal digits, blanks around
// them allowed. Nothing for any other text, or for more than 18 digits.
std::optional<int64_t> ParseInteger(std::string_view text);

}  // namespace family_dialog

namespace prism_dialog {

enum Field : int { kCorners, kStep, kHeight, kWidthX, kWidthZ, kShearX, kShearZ, kBaseAngle, kTwist, kFieldCount };
enum Flag : int { kHalfStep, kZEqualsX, kYEqualsX, kCircumradius, kEdgeTangent, kArchimedean, kFlagCount };

// The figures of the dialog's shape buttons, in their order.
inline constexpr std::array<ShapeId, 7> kFigures = {400, 401, 402, 404, 406, 410, 414};

struct Values {
    std::array<std::string, kFieldCount> text;
    std::array<bool, kFlagCount> flags{};
    ShapeId figure = 400;
    // A disabled field (a width that follows the x width) is not checked; it
    // keeps the value in force unless it holds a number the field can take.
    std::array<bool, kFieldCount> enabled = {true, true, true, true, true, true, true, true, true};
};

// The range of a field; the step's depends on the count as typed.
FieldRange RangeOf(int field, const Values& values);

// What the dialog shows when it opens: the current parameters, and the
// current figure's button (the first one for a figure of another family).
Values FromSolid(const Solid& solid);

struct Check {
    bool accepted = false;
    bool tooManyCorners = false;  // show the limit message; the count is left for the user to change
    std::array<std::optional<std::string>, kFieldCount> rewrite;  // corrected texts for the fields
    int focus = -1;  // the first field that needs the user's eye, -1 for none
    std::optional<FieldRange> range;  // the range to name for `focus`
};

// First any field that holds no whole number is refused, untouched. Then the
// counts, judged on the whole typed value (65538 corners are too many rather
// than 2), are corrected as the family does it. Last a width the 32-bit
// field cannot hold is refused, untouched.
Check CheckValues(const Values& values);

// Stores accepted values: the parameters (angles modulo 360, keeping their
// sign) and the figure number.
void Store(const Values& values, Solid& solid);

}  // namespace prism_dialog

namespace hue_dialog {

enum Field : int { kRevolutions, kStartHue, kSwirl, kFieldCount };

struct Values {
    std::array<std::string, kFieldCount> text;
};

Values FromParams(const BuildParams& params);

struct Check {
    bool accepted = false;
    int focus = -1;
    std::optional<FieldRange> range;
};

FieldRange RangeOf(int field);

// The start hue may be any integer (it is taken round the circle); the other
// two must fit their 16-bit fields. A refused field is left as typed.
Check CheckValues(const Values& values);

// The start hue is stored as 0..1529 on the 1530-step circle.
void Store(const Values& values, BuildParams& params);

}  // namespace hue_dialog

}  // namespace gyro
