#pragma once

#include "io/animation_file.h"

class QWidget;

namespace gyro {

// "アニメーションを保存": format, frame count, turn axis or the current motion,
// frame delay and picture size. True, with `request` edited, on OK.
bool EditAnimation(QWidget* parent, AnimationRequest& request);

}  // namespace gyro
