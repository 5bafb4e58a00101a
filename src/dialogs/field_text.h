#pragma once

// The text of a dialog's edit fields, without Qt: how a value is written into a
// field when the dialog opens and how the field is read back on OK.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace gyro {

// One edit field. `room` is how many characters it takes and how many are read
// from it: a field limit counts the terminating zero, so a limit of 6 keeps 5.
// A value longer than that still opens in full and reads back in full, so
// pressing OK never changes a value the user did not touch.
struct EditField {
    std::string text;
    std::size_t room = 0;
};

EditField MakeField(std::string text, int limit);
// A default button writes a value; the field grows to hold it if it must.
void Rewrite(EditField& field, std::string text);

// "%d".
std::string FormatInt(int64_t value);
// "%f": fixed notation, six decimals, in full whatever the size ("nan" and
// "inf" as such; they read back as 0). Independent of the process locale.
std::string FormatFixed(double value);

// Plain decimal parsing: blanks, then a sign and digits; 0 when there are no digits.
int64_t ParseIntPrefix(std::string_view text);
// Plain decimal parsing of a double prefix (digits, a point, an exponent).
// Text that is not a finite number ("nan", "inf", "1e999", "0x10" past its 0)
// reads as 0, like any other text that is not a number.
double ParseDoublePrefix(std::string_view text);

// The first `room` characters (UTF-8 code points) of the field.
std::string_view KeptText(const EditField& field);
int64_t ReadInt(const EditField& field);
double ReadDouble(const EditField& field);

// The value a 32-bit signed field takes when v is stored into it (low 32 bits).
constexpr int32_t WrapInt32(int64_t v) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v) & 0xFFFFFFFFu));
}

}  // namespace gyro
