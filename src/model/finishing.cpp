#include "model/finishing.h"

#include "model/solid_ops.h"

namespace gyro {

void ApplyFinishing(Solid& solid, const Finishing& finishing) {
    switch (finishing.op) {
        case FinishOp::None:
        case FinishOp::CompoundWith: break;
        case FinishOp::MirrorThroughCentre: MirrorThroughCentre(solid); break;
        case FinishOp::MirrorX: MirrorX(solid); break;
        case FinishOp::Dual: MakeDual(solid, finishing.amount); break;
        case FinishOp::Pyramids:
            for (int i = 0; i < finishing.times; ++i) RaisePyramids(solid, finishing.amount);
            break;
        case FinishOp::Fractal:
            solid.fractalDepthMax = finishing.amount;
            solid.fractalRatio = finishing.ratio;
            break;
    }
}

}  // namespace gyro
