#include "catalog/builders.h"
#include "catalog/catalan_builders.h"
#include "catalog/catalogue.h"

namespace gyro {

int BuildSnubDodecahedronFamily(Solid& solid, ShapeId figure) {
    switch (figure) {
        case 77: catalan::BuildPentagonalHexecontahedron(solid); break;
        default: return 0;
    }
    WriteFigureNames(solid, figure);
    return 1;
}

}  // namespace gyro
