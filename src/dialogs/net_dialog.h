#pragma once

#include "io/net_file.h"

class QWidget;

namespace gyro {

// "展開図を保存": page size, the figure's longest edge in millimetres (0 for
// the largest that fits), white faces and glue tabs. True, with `request`
// edited, on OK.
bool EditNet(QWidget* parent, NetRequest& request);

}  // namespace gyro
