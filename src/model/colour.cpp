#include "model/colour.h"

namespace gyro {

Colour BlendColour(Colour a, Colour b, int32_t w) {
    int32_t weight = static_cast<int16_t>(w);
    if (weight < 0) weight = 0;
    if (weight > 256) weight = 256;
    auto mix = [weight](int ca, int cb) { return (weight * ca + (256 - weight) * cb + 128) / 256; };
    return RgbColour(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b)));
}

Colour HueColour(int32_t h) {
    h %= 1530;
    if (h < 0) h += 1530;
    if (h <= 255) return RgbColour(255, h, 0);
    if (h <= 510) return RgbColour(510 - h, 255, 0);
    if (h <= 765) return RgbColour(0, 255, h - 510);
    if (h <= 1020) return RgbColour(0, 1020 - h, 255);
    if (h <= 1275) return RgbColour(h - 1020, 0, 255);
    return RgbColour(255, 0, 1530 - h);
}

}  // namespace gyro
