#include "render/lighting.h"

#include <cmath>

#include "model/colour.h"
#include "render/colouring.h"

namespace gyro {

namespace {

// Blend weight in 256ths. Clamped before the conversion so that stray brightness
// values from unchecked settings (or NaN) cannot wrap into a wrong weight.
int32_t Weight(double x) {
    const double w = x * 256;
    if (!(w > 0)) return 0;
    if (w >= 256) return 256;
    return static_cast<int32_t>(w);
}

}  // namespace

Vec3 LightVector(const DisplaySettings& d) {
    int32_t a = d.lightang1;
    int32_t b = d.lightang2;
    if (d.lightmove) {
        a = static_cast<int16_t>(a + d.lightang1ofs);
        b = static_cast<int16_t>(b + d.lightang2ofs);
    }
    const double pi = std::acos(-1.0);
    const double alpha = a * pi / 1800;
    const double beta = b * pi / 1800;
    return {std::sin(alpha) * std::cos(beta), std::sin(beta), std::cos(alpha) * std::cos(beta)};
}

double FaceBrightness(const DisplaySettings& d, Vec3 light, Vec3 n, double length) {
    const double v = d.lightmirror ? 2 * Dot(n, light) * n.z / (length * length) - light.z
                                   : Dot(n, light) / length;
    // Below -99 % the wrap-around would divide by zero or flip; the settings check
    // never lets it get there, a hand-edited file might.
    const double dep = d.lightdep < -99 ? -0.99 : d.lightdep / 100.0;
    double i = (dep + v) / (dep + 1);
    if (i > 1) {
        i = 1;
    } else if (!(i >= 0)) {
        i = 0;  // also NaN
    }
    if (d.lightsquare) i = i < 0.5 ? 2 * i * i : 1 - 2 * (1 - i) * (1 - i);
    return (d.lightmax - d.lightmin) * i / 100 + d.lightmin / 100.0;
}

Colour ShadeColour(const DisplaySettings& d, Colour base, double b) {
    switch (EffectiveLightMode(d.lightmode)) {
        case 0: return base;
        case kLightShading: return BlendColour(base, d.shadowcol, Weight(b));
        case kLightGloss: return BlendColour(d.lightcol, base, Weight(b));
        default:
            if (b < 0.5) return BlendColour(base, d.shadowcol, Weight(2 * b));
            return BlendColour(d.lightcol, base, Weight((b - 0.5) * 2));
    }
}

}  // namespace gyro
