#pragma once

#include "model/solid.h"

namespace gyro {

// The builders the dispatcher offers a figure number to, in this order. Each
// returns 0 when the number is not one of its own, otherwise builds it and
// returns nonzero.
int BuildRegularFamily(Solid& solid, ShapeId figure);          // regular, star, compounds, references
int BuildArchimedeanFamily(Solid& solid, ShapeId figure);      // Archimedean and uniform star solids
int BuildCatalanFamily(Solid& solid, ShapeId figure);          // Catalan and rhombic solids
int BuildSnubCubeFamily(Solid& solid, ShapeId figure);
int BuildSnubDodecahedronFamily(Solid& solid, ShapeId figure);
int BuildJohnsonFamily(Solid& solid, ShapeId figure);

}  // namespace gyro
