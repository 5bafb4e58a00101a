#include "model/solid_ops.h"

namespace gyro {

// Whole-solid transformations: not built yet.
void MirrorThroughCentre(Solid& /*solid*/) {}
void MirrorX(Solid& /*solid*/) {}
void MakeDual(Solid& /*solid*/, int32_t /*colourModulus*/) {}
void RaisePyramids(Solid& /*solid*/, int8_t /*height*/) {}
void KochSubdivide(Solid& /*solid*/, Vec3, Vec3, Vec3, int32_t, int32_t, int32_t, int32_t, int32_t) {}

}  // namespace gyro
