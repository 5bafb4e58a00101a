#include "catalog/builders.h"

namespace gyro {

// Regular family: not built yet.
int BuildRegularFamily(Solid& /*solid*/, ShapeId /*figure*/) { return 0; }

}  // namespace gyro
