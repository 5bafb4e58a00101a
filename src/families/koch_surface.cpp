#include <cmath>

#include "families/families.h"
#include "model/solid_ops.h"

namespace gyro {

namespace {
constexpr ShapeId kKochSurface = 451;
}

int BuildKochSurface(Solid& solid, ShapeId figure) {
    if (figure != kKochSurface) return 0;
    const int32_t faces = static_cast<int32_t>(IntPower(6, 7));
    if (!ResizeVertices(solid, faces * 3) || !ResizeFaces(solid, faces)) {
        ClearMesh(solid);
        return 1;
    }
    const double s = solid.params.baseSizeA;
    const double h = std::sqrt(3.0) * s / 2;
    KochSubdivide(solid, {-h, -s / 2, 0}, {h, -s / 2, 0}, {0, s, 0}, 0, 0, 0, 256, 7);
    return 1;
}

}  // namespace gyro
