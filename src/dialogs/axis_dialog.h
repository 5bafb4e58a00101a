#pragma once

class QWidget;

namespace gyro {

struct ViewState;

// "任意回転軸": the arbitrary rotation axis and the angle of one RETURN step.
// Returns true when the user pressed OK (the values are then stored).
bool EditArbitraryAxis(QWidget* parent, ViewState& view);

}  // namespace gyro
