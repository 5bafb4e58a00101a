#include "families/families.h"

namespace gyro {

// Offered every number the earlier builders left; each family answers for its own ranges.
int BuildParametricFamily(Solid& solid, ShapeId figure) {
    if (IsPrismFamilyFigure(figure)) return BuildPrismFamily(solid, figure);
    if (figure == 415 || figure == 416) return BuildSphereFamily(solid, figure);
    return 0;
}

}  // namespace gyro
