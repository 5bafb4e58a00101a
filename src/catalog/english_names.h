#pragma once

#include <string>
#include <string_view>

#include "model/solid.h"

namespace gyro {

// The English name a figure is shown by in the English interface. The name a
// figure writes into its Solid (FigureInfo::nameEn) stays as it is and is used
// wherever it is not empty; the figures that write no English name get the
// usual public name here (Johnson solids as "Name (Jn)"). Derived figures
// without a name of their own take their base's; the compounds of a solid and
// its dual are named after their two parts. Empty for a number not in the
// catalogue.
std::string EnglishFigureName(ShapeId figure);

// The English name to show for a built solid: its own English name when it
// carries one, else the catalogue's name for its figure number.
std::string EnglishDisplayName(const Solid& solid);

// The figure menu's label of a Johnson solid or its mirror image in English,
// "J11 / Gyroelongated pentagonal pyramid", "J44 / ... (mirror)"; empty for
// any other figure.
std::string EnglishJohnsonMenuLabel(ShapeId figure);

// The first of the alternatives of a name ("A / B" -> "A").
std::string_view FirstAlternative(std::string_view name);

}  // namespace gyro
