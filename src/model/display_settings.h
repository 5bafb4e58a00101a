#pragma once

#include <cstdint>
#include <vector>

#include "model/solid.h"

namespace gyro {

// The off-screen picture: width x height pixels of 0x00BBGGRR, row after row from
// the top. In memory each pixel is the bytes R, G, B, 0.
struct BackBuffer {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;

    bool exists() const { return width > 0 && height > 0; }
};

// Values of `facecolmode` that code tests by value. 2..11 fill faces, each with its
// own colour scheme (see FaceBaseColour); a value above 11 draws like kFaceOpaque.
inline constexpr int8_t kFaceTransparent = 0;   // "透明": outlines of every face, no facing test
inline constexpr int8_t kFaceOpaque = 1;        // "不透明": outlines of the faces turned towards the viewer
inline constexpr int8_t kFaceGrey = 2;          // "灰色／白陰影": first filled mode
inline constexpr int8_t kFaceIntrinsic = 9;     // "固有配色": the builder's colours, pattern orgcolpat
inline constexpr int8_t kFaceSingleColour = 11; // "任意単色": facecol; the last menu mode

// Values of `penbold` and `urapenbold` (line widths).
inline constexpr int8_t kLineThick = 0;          // three pixels
inline constexpr int8_t kLineThin = 1;           // one pixel
inline constexpr int8_t kLineNone = 2;
inline constexpr int8_t kLineAsVisible = 3;      // urapenbold only: the width of the visible lines

// Values of `bkmode`.
inline constexpr int8_t kBkModeBlack = 0;
inline constexpr int8_t kBkModeWhite = 1;
inline constexpr int8_t kBkModeColour = 2;  // bkcol

// Bits of `lightmode`.
inline constexpr int8_t kLightShading = 1;  // "陰影ON": shade from shadowcol up
inline constexpr int8_t kLightGloss = 2;    // "光沢ON": gloss up to lightcol

// Every rendering option under its settings-file key. Angles are tenths of a
// degree; the "ura" prefix means the hidden side (lines behind the solid).
struct DisplaySettings {
    int8_t facecolmode = 2;       // face colouring scheme 0..11 (kFace* above)
    Colour facecol = 0x00FFFFFF;  // the single face colour of mode 11
    int16_t orgcolpat = 0;        // which of a face's intrinsic colours mode 9 shows, 0..patternCount-1
    int8_t penbold = 1;           // visible lines: 0 thick, 1 thin, 2 none
    int8_t pencolmode = 3;        // visible line colour: 0 black, 1 white, 2 as background, 3 opposite of background, 4 pencol
    Colour pencol = 0x00FFFFFF;   // chosen visible line colour
    int8_t urapenbold = 3;        // hidden lines: 0 thick, 1 thin, 2 none, 3 as visible lines
    int8_t urapencolmode = 2;     // hidden line colour: 0 black, 1 white, 2 as background, 3 opposite of background,
                                  // 4 as visible lines, 5 opposite of visible lines, 6 midway, 7 urapencol
    Colour urapencol = 0x00000000;  // chosen hidden line colour
    int8_t bkmode = 0;            // background: 0 black, 1 white, 2 bkcol
    Colour bkcol = 0x00FFFF00;    // chosen background colour
    int8_t lightmode = 3;         // bit 0 shading, bit 1 gloss (kLight* above)
    int16_t lightang1 = 0;        // light longitude
    int16_t lightang2 = 0;        // light latitude
    int16_t lightang1v = 15;      // per-frame drift of the longitude offset
    int16_t lightang2v = 0;       // per-frame drift of the latitude offset
    int16_t lightang1ofs = 0;     // moving-light longitude offset, not saved
    int16_t lightang2ofs = 0;     // moving-light latitude offset, not saved
    int16_t lightdep = 0;         // how far the light wraps round the solid, percent, at least -99
    int16_t lightmin = 5;         // minimum brightness, percent, 0..lightmax
    int16_t lightmax = 95;        // maximum brightness, percent, lightmin..100
    Colour shadowcol = 0x00000000;  // shadow colour of shading
    Colour lightcol = 0x00FFFFFF;   // light colour of gloss
    int8_t lightsquare = 0;       // flag: S-shaped brightness curve ("明度二乗")
    int8_t lightmirror = 0;       // flag: mirror-reflection gloss formula ("鏡面式")
    int8_t lightmove = 0;         // flag: add the moving-light offsets ("光源移動")
    int8_t person = 1;            // flag: perspective on
    int32_t persdz = 500;         // eye distance in view-space pixels
    int32_t perssx = 0;           // horizontal position of the eye centre, pixels
    int32_t perssy = 0;           // vertical position of the eye centre, pixels
    int8_t stereoon = 0;          // flag: parallel-view stereo pair
    int32_t stereodip = 40;       // eye separation in view-space pixels
    int32_t stereodist = 128;     // horizontal shift of each eye's image, pixels
    int8_t rezerse = 0;           // flag: inside view, the facing test reversed
    int8_t symmet = 1;            // flag: symmetric pixel rounding
    int8_t ctpix = 0;             // flag: draw the centre point
    int8_t exactdepth = 1;        // flag: every pixel shows the nearest surface (0: faces in stored order)
    int8_t fracn = 1;             // drawing depth of a fractal figure, 0..fractalDepthMax
    int8_t fitwindow = 0;         // flag: the picture follows the window's size ("窓に合わせる")
    int8_t infopanel = 0;         // flag: the panel of the figure's numbers is shown

    BackBuffer backBuffer;  // not saved
};

}  // namespace gyro
