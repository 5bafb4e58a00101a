#pragma once

class QWidget;

namespace gyro {

// The information box: version line and key help. Modal; closes on OK or Esc.
void ShowInformationDialog(QWidget* parent);

}  // namespace gyro
