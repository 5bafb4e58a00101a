#pragma once

// The keys of a browser page, named by KeyboardEvent.code (the key's place on
// the keyboard, whatever the layout prints on it), mapped as the window maps
// Qt's keys: the keypad's keys by their place, the rest by name.

#include <string_view>

#include "shell/input.h"

namespace gyro {

// A key with Ctrl, Alt or Meta held belongs to the browser: nothing.
KeyInput MapBrowserKey(std::string_view code, bool withCommandModifier);

}  // namespace gyro
