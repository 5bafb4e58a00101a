#pragma once

// The values of the pyramid/prism dialog and the hue-cycle dialog as text, and
// the checks that decide whether OK may store them: everything the dialogs do
// apart from their widgets. A value a field cannot hold is never stored; the
// field is given a corrected text and the dialog stays open.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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
};

// What the dialog shows when it opens: the current parameters, and the
// current figure's button (the first one for a figure of another family).
Values FromSolid(const Solid& solid);

struct Check {
    bool accepted = false;
    bool tooManyCorners = false;  // show the limit message; the count is left for the user to change
    std::array<std::optional<std::string>, kFieldCount> rewrite;  // corrected texts for the fields
    int focus = -1;  // the first field that needs the user's eye, -1 for none
};

// The counts are judged on the whole typed value, so 65538 corners are too
// many rather than 2. A text that is no integer, or a width the 32-bit field
// cannot hold, is put back to the value in force.
Check CheckValues(const Values& values, const BuildParams& current);

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
    std::array<std::optional<std::string>, kFieldCount> rewrite;
    int focus = -1;
};

// The start hue may be any integer (it is taken round the circle); the other
// two must fit their 16-bit fields.
Check CheckValues(const Values& values, const BuildParams& current);

// The start hue is stored as 0..1529 on the 1530-step circle.
void Store(const Values& values, BuildParams& params);

}  // namespace hue_dialog

}  // namespace gyro
