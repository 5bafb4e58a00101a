#pragma once

class QWidget;

namespace gyro {

struct ViewState;

// "図形サイズ＆方向": the zoom and the orientation matrix, with "規格化" to make
// the typed matrix orthonormal. Returns true when the user pressed OK (the
// values are then stored).
bool EditSizeAndDirection(QWidget* parent, ViewState& view);

}  // namespace gyro
