#pragma once

class QWidget;

namespace gyro {

struct AppState;

// "光の角度等": the light's angles, drift speeds, brightness range and flags.
// Returns true when the user pressed OK (the values are then stored and checked).
bool EditLight(QWidget* parent, AppState& state);

}  // namespace gyro
