#pragma once

class QWidget;

namespace gyro {

struct ViewState;

// "自動回転": the two turning speeds and the switch. Returns true when the user
// pressed OK (the values are then stored).
bool EditAutoRotation(QWidget* parent, ViewState& view);

}  // namespace gyro
