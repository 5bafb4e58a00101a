#pragma once

// Points closer than a tolerance, made one: the outer surface's cuts meet the
// builders' rounding there.

#include <cstdint>
#include <vector>

#include "model/solid.h"

namespace gyro {

// For each point, the first point of its cluster: points within `tolerance`
// of each other on every axis are joined, and joined again through each other.
// A point alone, or first of its cluster, names itself.
std::vector<int32_t> FirstOfClosePoints(const std::vector<Vec3>& points, double tolerance);

}  // namespace gyro
