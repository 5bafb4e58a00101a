#pragma once

// Qt key codes to the viewer's keys. The numeric keypad acts the same with
// NumLock on (Key_8 + KeypadModifier) and off (Key_Up + KeypadModifier).

#include <QtCore/qnamespace.h>

#include "shell/input.h"

namespace gyro {

// Keys pressed together with Ctrl, Alt or Meta belong to shortcuts and map to nothing.
KeyInput MapQtKey(int qtKey, Qt::KeyboardModifiers modifiers);

// A key-up always lets go of its key, whatever modifier went down meanwhile.
KeyInput MapQtKeyRelease(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace gyro
