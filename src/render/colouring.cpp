#include "render/colouring.h"

#include <algorithm>
#include <cmath>

#include "model/colour.h"
#include "model/solid_ops.h"

namespace gyro {

namespace {

constexpr Colour kBlack = 0x00000000;
constexpr Colour kWhite = 0x00FFFFFF;
constexpr Colour kGrey = 0x00808080;

int InRangeOr(int value, int lo, int hi, int fallback) { return value >= lo && value <= hi ? value : fallback; }

// Non-negative remainder, for indices derived from face numbers.
int64_t Mod(int64_t a, int64_t m) {
    const int64_t r = a % m;
    return r < 0 ? r + m : r;
}

Colour EightColours(int32_t i) {
    const int64_t e = int64_t{i} + 1;
    return RgbColour((e & 1) ? 255 : 0, (e & 2) ? 255 : 0, (e & 4) ? 255 : 0);
}

Colour TwentySevenColours(int32_t i) {
    static constexpr int kLevels[3] = {0, 128, 255};
    const int64_t g = int64_t{i} + 2;
    return RgbColour(kLevels[Mod(g, 3)], kLevels[Mod(g / 3, 3)], kLevels[Mod(g / 9, 3)]);
}

Colour ByCornerCount(const Face& face, const BuildParams& params) {
    switch (TotalCorners(face)) {
        case 3: return params.palette[0];
        case 4: return params.palette[1];
        case 5: return params.palette[2];
        case 6: return params.palette[3];
        case 8: return params.palette[4];
        case 10: return params.palette[5];
        default: return params.palette[8];
    }
}

Colour ByDirection(const Face& face, const Solid& solid, bool blendPoles) {
    const BuildParams& params = solid.params;
    const Vec3 n = FaceNormal(face, solid.vertices);
    const Colour pole = n.z < 0 ? params.palette[9] : params.palette[8];
    if (n.x == 0 && n.y == 0) return pole;
    const double pi = std::acos(-1.0);
    const double theta = std::atan2(std::hypot(n.x, n.y), n.z);
    const double phi = std::atan2(n.y, n.x);
    const double turn = (phi * params.sikisouhz + params.sikisourt * theta) * (-765) / pi;
    // |turn| stays below 765 * 2 * 32768, far inside the 64-bit range.
    const int64_t q = std::isnan(turn) ? 0 : static_cast<int64_t>(turn);
    const Colour hue = HueColour(static_cast<int32_t>(Mod(params.sikisoufq - q, 1530)));
    if (!blendPoles) return hue;
    return BlendColour(pole, hue, static_cast<int32_t>(std::fabs(theta / pi - 0.5) * 512));
}

}  // namespace

int EffectiveFaceColMode(int8_t facecolmode) {
    if (facecolmode > kFaceSingleColour) return kFaceOpaque;
    return facecolmode < 0 ? kFaceGrey : facecolmode;
}
int EffectiveLightMode(int8_t lightmode) { return InRangeOr(lightmode, 0, 3, 3); }
int EffectivePenBold(int8_t penbold) { return InRangeOr(penbold, 0, 2, 1); }
int EffectiveHiddenPenBold(int8_t urapenbold) { return InRangeOr(urapenbold, 0, 3, 3); }
int EffectivePenColMode(int8_t pencolmode) { return InRangeOr(pencolmode, 0, 4, 3); }
int EffectiveHiddenPenColMode(int8_t urapencolmode) { return InRangeOr(urapencolmode, 0, 7, 2); }
int EffectiveBkMode(int8_t bkmode) { return InRangeOr(bkmode, 0, 2, 0); }

Colour BackgroundColour(const DisplaySettings& d) {
    switch (EffectiveBkMode(d.bkmode)) {
        case kBkModeWhite: return kWhite;
        case kBkModeColour: return d.bkcol;
        default: return kBlack;
    }
}

Colour LineColour(const DisplaySettings& d) {
    switch (EffectivePenColMode(d.pencolmode)) {
        case 0: return kBlack;
        case 1: return kWhite;
        case 2: return BackgroundColour(d);
        case 4: return d.pencol;
        default: return BackgroundColour(d) ^ kWhite;
    }
}

Colour HiddenColour(const DisplaySettings& d) {
    switch (EffectiveHiddenPenColMode(d.urapencolmode)) {
        case 0: return kBlack;
        case 1: return kWhite;
        case 3: return BackgroundColour(d) ^ kWhite;
        case 4: return LineColour(d);
        case 5: return LineColour(d) ^ kWhite;
        case 6: return BlendColour(BackgroundColour(d), LineColour(d), 128);
        case 7: return d.urapencol;
        default: return BackgroundColour(d);
    }
}

int HiddenWidthMode(const DisplaySettings& d) {
    const int hb = EffectiveHiddenPenBold(d.urapenbold);
    return hb == kLineAsVisible ? EffectivePenBold(d.penbold) : hb;
}

Colour FaceBaseColour(const Face& face, int32_t faceIndex, const Solid& solid, const DisplaySettings& d) {
    const BuildParams& params = solid.params;
    switch (EffectiveFaceColMode(d.facecolmode)) {
        case 3: return EightColours(faceIndex);
        case 4: return TwentySevenColours(faceIndex);
        case 5: return HueColour(static_cast<int32_t>(Mod(int64_t{faceIndex} * 255 / 2, 1530)));
        case 6: return ByCornerCount(face, params);
        case 7: return ByDirection(face, solid, false);
        case 8: return ByDirection(face, solid, true);
        case kFaceIntrinsic: {
            const int32_t slots = std::min<int32_t>(solid.patternCount, kColourSlots);
            const int32_t slot = d.orgcolpat >= 0 && d.orgcolpat < slots ? d.orgcolpat : 0;
            return face.colours[slot];
        }
        case 10: return params.palette[Mod(solid.fractalTopIndex, kPaletteSize)];
        case kFaceSingleColour: return d.facecol;
        default:
            // Grey or white for shading: plain shading runs from the shadow to white,
            // plain gloss from black to the light colour.
            switch (EffectiveLightMode(d.lightmode)) {
                case kLightShading: return kWhite;
                case kLightGloss: return kBlack;
                default: return kGrey;
            }
    }
}

}  // namespace gyro
