#include "view/motion.h"

#include <algorithm>
#include <cmath>

namespace gyro {

int16_t WrapAngle3600(int32_t tenths) { return static_cast<int16_t>(tenths % 3600); }

void AdvancePeriodicMotion(ViewState& view, DisplaySettings& display) {
    if (display.lightang1v != 0) display.lightang1ofs = WrapAngle3600(int32_t{display.lightang1ofs} + display.lightang1v);
    if (display.lightang2v != 0) display.lightang2ofs = WrapAngle3600(int32_t{display.lightang2ofs} + display.lightang2v);
    if (view.autoroton) {
        view.autorotarg1 = WrapAngle3600(int32_t{view.autorotarg1} + view.autorotarg1v);
        view.autorotarg2 = WrapAngle3600(int32_t{view.autorotarg2} + view.autorotarg2v);
    }
}

double ZoomInFactor(double speed) { return std::pow(1.01, speed / 5.0); }

double ZoomOutFactor(double speed) { return std::pow(0.9900990099009901, speed / 5.0); }

double StepSpeed(double speed, int direction) {
    if (direction > 0) {
        if (speed >= kSpeedMax) return speed;
        return std::min(speed + 0.1, kSpeedMax);
    }
    if (direction < 0) {
        if (speed <= kSpeedMin) return speed;
        return std::max(speed - 0.1, kSpeedMin);
    }
    return speed;
}

}  // namespace gyro
