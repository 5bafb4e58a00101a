#pragma once

#include "model/solid.h"

class QWidget;

namespace gyro {

// "角錐・角柱": the pyramid and prism parameters and the figure. OK stores them
// into the solid (the figure number too) once the counts are acceptable;
// Cancel changes nothing. True when the values were stored.
bool RunPrismDialog(QWidget* parent, Solid& solid);

// "色相循環": the hue cycle of the family colours. True when the values were stored.
bool RunHueCycleDialog(QWidget* parent, BuildParams& params);

}  // namespace gyro
