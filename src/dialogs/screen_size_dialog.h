#pragma once

#include <optional>

#include "dialogs/screen_size_values.h"

class QWidget;

namespace gyro {

// "画面サイズ": the drawing area's width and height. Returns the new size
// (each side 1 .. 2048) when the user pressed OK.
std::optional<ViewSize> EditScreenSize(QWidget* parent, ViewSize current);

}  // namespace gyro
