#pragma once

#include <vector>

namespace gyro {

// Puts the values in ascending order, exactly as std::sort does. Many values
// (the edge lengths and dihedral angles of the largest meshes, hundreds of
// thousands) that are all finite and carry no sign bit are sorted by their
// bit patterns, which order as the values do, a few bits at a time; any other
// array by std::sort.
void SortValues(std::vector<double>& values);

}  // namespace gyro
