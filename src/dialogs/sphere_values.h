#pragma once

// The sphere and torus dialog's fields, checked and stored without a window.

#include <cstdint>
#include <string>
#include <string_view>

#include "model/translate_mark.h"
#include "dialogs/field_rule.h"
#include "dialogs/field_text.h"
#include "model/solid.h"

namespace gyro {

inline constexpr int kSphereFieldLimit = 10;
inline constexpr int kSphereExponentFieldLimit = 15;

inline constexpr std::string_view kSphereLimitCaption = GYRO_TRANSLATE_NOOP("Messages", "リミッター");
inline constexpr std::string_view kSphereLimitText = GYRO_TRANSLATE_NOOP(
    "Messages", "角数が多過ぎるかも。\n「現在の緯×経≦最大の緯×経」になるようにしてください。");

// The fields' ranges. The counts' and steps' ranges hold for every accepted
// form; within them the family's own corrections and the cell limit decide.
inline constexpr FieldRange kSphereCountRange{2, kMaxSphereCells / 2};
inline constexpr FieldRange kSphereStepRange{1, kMaxSphereCells / 4};
inline constexpr FieldRange kSphereLengthRange = kInt32Range;  // radii and shifts, 32 bits
inline constexpr FieldRange kSphereAngleRange = kAnyIntegerRange;  // taken round to -359..359
// Thousandths; below 0 is stored as 0 and above the limit as the limit.
inline constexpr FieldRange kSphereExponentRange = kCoordinateRange;

struct SphereForm {
    EditField sphn, sphpn, sphm, sphpm;
    EditField sphwx, sphwy, sphwz, spharg;
    EditField sphsx, sphsz, sphtx, sphtz;
    EditField sphspn, sphspm;  // exponents in thousandths
    EditField sphtwx, sphtwz;
    bool sphhang = false, sphtei = false, sphgais = false, torus = false;
    bool sphzeqx = false, sphyeqx = false, sphspon = false, sphsphg = false;

    // The exponents when the dialog opened and the text shown for them: a
    // field left as shown keeps its exponent exactly.
    double openedSpn = 1.0, openedSpm = 1.0;
    std::string shownSpn, shownSpm;
};

SphereForm FillSphereForm(const BuildParams& params, ShapeId zukei);

// "現在の緯×経：", the product of the two counts as typed, in full (the same
// values that OK checks).
std::string SphereCellsText(const EditField& sphn, const EditField& sphm);

enum class SphereCheck {
    Accept,        // the counts are acceptable: store and close
    Corrected,     // a count or step was corrected in the form: stay open
    TooManyCells,  // the product is above the limit: show the limit message, stay open
};

// OK's checks on the values as typed, before any cut to 16 bits: a count below
// 2 becomes 2, a step outside 1 .. count/2 its nearest bound (half the count as
// typed), and a product above kMaxSphereCells is reported with the counts left
// as typed. Several corrections may come from one press.
// Where a press that is not accepted leaves the user: the count or step field
// (its settings key) that was corrected first, in the order shown, and the
// range to name for it. With too many cells the larger count.
struct SphereFocus {
    std::string field;
    FieldRange range;
};
SphereCheck CheckSphereForm(SphereForm& form, SphereFocus* focus = nullptr);

// Stores every field and check box; `zukei` becomes 416 with "トーラス", else
// 415. Only for a form that CheckSphereForm accepted.
void StoreSphereForm(const SphereForm& form, BuildParams& params, ShapeId& zukei);

}  // namespace gyro
