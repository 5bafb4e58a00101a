#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/solid.h"

namespace gyro {

// The figure finder: every catalogue figure whose number, Johnson number,
// Japanese or English name or figure-menu label matches what was typed, best
// match first. "43" is figure 43, "J43" (or "j43", "Ｊ４３") Johnson solid 43,
// any other text a part of a name: Japanese in kanji, katakana or hiragana
// (カタカナ and ひらがな match each other), English in any case. An empty
// query lists every figure. Ties go to figures of the menus and stepping
// orders first, then by number.
std::vector<ShapeId> FindFigures(std::string_view query);

// The text as the finder compares it: full-width letters and digits made
// ASCII, ASCII letters lower case, katakana made hiragana, the ideographic
// space a plain one, leading and trailing spaces removed.
std::string NormaliseForSearch(std::string_view text);

}  // namespace gyro
