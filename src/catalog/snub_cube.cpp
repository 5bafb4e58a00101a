#include "catalog/builders.h"
#include "catalog/catalan_builders.h"
#include "catalog/catalogue.h"

namespace gyro {

int BuildSnubCubeFamily(Solid& solid, ShapeId figure) {
    switch (figure) {
        case 75: catalan::BuildPentagonalIcositetrahedron(solid); break;
        default: return 0;
    }
    WriteFigureNames(solid, figure);
    return 1;
}

}  // namespace gyro
