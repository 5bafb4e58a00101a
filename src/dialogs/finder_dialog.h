#pragma once

#include <optional>

#include "model/solid.h"

class QWidget;

namespace gyro {

// "図形を探す": a field and a list of the figures that match what is typed
// (catalog/figure_finder.h), narrowing as one types; Enter or a double click
// chooses the selected figure. The list shows each figure's number and its
// names, English first in the English interface. The chosen figure, or
// nothing when the dialog was cancelled or nothing matched.
std::optional<ShapeId> RunFinderDialog(QWidget* parent, bool english);

}  // namespace gyro
