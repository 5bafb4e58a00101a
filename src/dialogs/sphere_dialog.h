#pragma once

#include "model/solid.h"

class QWidget;

namespace gyro {

// "球状": the sphere and torus parameters, and whether the figure is the
// ellipsoid (415) or the torus (416). Stays open until the counts are
// acceptable; returns true when OK stored the fields into params and zukei.
bool EditSphereParameters(QWidget* parent, BuildParams& params, ShapeId& zukei);

}  // namespace gyro
