#include "families/families.h"

namespace gyro {

int BuildParametricFamily(Solid& solid, ShapeId figure) {
    if (figure == 415 || figure == 416) return BuildSphereFamily(solid, figure);
    return 0;
}

}  // namespace gyro
