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

// Every rendering option under its settings-file key.
struct DisplaySettings {
    int8_t facecolmode = 2;
    Colour facecol = 0x00FFFFFF;
    int16_t orgcolpat = 0;
    int8_t penbold = 1;
    int8_t pencolmode = 3;
    Colour pencol = 0x00FFFFFF;
    int8_t urapenbold = 3;
    int8_t urapencolmode = 2;
    Colour urapencol = 0x00000000;
    int8_t bkmode = 0;
    Colour bkcol = 0x00FFFF00;
    int8_t lightmode = 3;
    int16_t lightang1 = 0;
    int16_t lightang2 = 0;
    int16_t lightang1v = 15;
    int16_t lightang2v = 0;
    int16_t lightang1ofs = 0;  // moving-light offsets, not saved
    int16_t lightang2ofs = 0;
    int16_t lightdep = 0;
    int16_t lightmin = 5;
    int16_t lightmax = 95;
    Colour shadowcol = 0x00000000;
    Colour lightcol = 0x00FFFFFF;
    int8_t lightsquare = 0;
    int8_t lightmirror = 0;
    int8_t lightmove = 0;
    int8_t person = 1;
    int32_t persdz = 500;
    int32_t perssx = 0;
    int32_t perssy = 0;
    int8_t stereoon = 0;
    int32_t stereodip = 40;
    int32_t stereodist = 128;
    int8_t rezerse = 0;
    int8_t symmet = 1;
    int8_t ctpix = 0;
    int8_t fracn = 1;

    BackBuffer backBuffer;  // not saved
};

}  // namespace gyro
