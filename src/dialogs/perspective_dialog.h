#pragma once

class QWidget;

namespace gyro {

struct DisplaySettings;

// "遠近＆立体視の設定": eye distance and centre, stereo separation and image
// spacing. Returns true when the user pressed OK (the values are then stored).
bool EditPerspective(QWidget* parent, DisplaySettings& display);

}  // namespace gyro
