#pragma once

// A shareable link's part after '#': the figure and the view (orientation and
// zoom) as text, exact to the last bit, and back.

#include <string>
#include <string_view>

#include "state/app_state.h"

namespace gyro {

// "z=11&ax=0x1p+0,0x0p+0,...&rad=0x1p+0": the figure number, the nine entries
// of `ax` row by row and `rad`, the numbers as hexadecimal floating point.
std::string ViewLinkText(const AppState& state);

// Shows the figure and the view of a link: the values go through the settings
// file's checks, as when loading a file (a zoom that is not a positive number
// becomes 1), and the figure is built.
// A link that is not of this form, or names no figure of the catalogue, leaves
// `state` alone and returns false.
bool OpenViewLink(std::string_view link, AppState& state);

}  // namespace gyro
