#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "model/display_settings.h"

namespace gyro::test_support {

// An animation as its format's own decoder reads it: every frame composed to a
// whole 0x00BBGGRR picture.
struct DecodedAnimation {
    bool ok = false;
    std::string error;
    int32_t width = 0;
    int32_t height = 0;
    int32_t loopCount = -1;           // 0: for ever; -1: no loop block
    std::vector<int32_t> delays;      // per frame: hundredths of a second (GIF) or milliseconds (WebP)
    std::vector<BackBuffer> frames;
};

DecodedAnimation DecodeGifFile(const std::filesystem::path& path);    // giflib's DGifSlurp
DecodedAnimation DecodeWebPFile(const std::filesystem::path& path);   // libwebp's WebPAnimDecoder

// The largest difference of one colour channel between two pictures of one size (-1 when the sizes differ).
int MaxChannelDifference(const BackBuffer& a, const BackBuffer& b);

}  // namespace gyro::test_support

namespace gyro::test_support {

// A PNG read with cairo; a picture without pixels when it cannot be read.
BackBuffer ReadPngFile(const std::filesystem::path& path);

// The file drawn by a real reader at `width` x `height` pixels: rsvg-convert
// for SVG, pdftoppm for PDF (the page is width x height points). `error` says
// why when the picture comes back empty.
BackBuffer RasteriseSvg(const std::filesystem::path& svg, int32_t width, int32_t height, std::string& error);
BackBuffer RasterisePdf(const std::filesystem::path& pdf, int32_t width, int32_t height, std::string& error);

// How far a picture drawn by another reader agrees with the renderer's own.
// A pixel of the reference whose 5 x 5 neighbourhood is one colour is an inner
// pixel and must match within `tolerance` per channel; the others are edge
// pixels: readers anti-alias, and a one-pixel line drawn through pixel centres
// or a round three-pixel end reaches into the next pixels. An edge pixel matches
// when each channel of the candidate's pixel lies within the range of the
// reference's 3 x 3 neighbourhood (plus tolerance): it mixes the colours about it.
struct PictureAgreement {
    int64_t inner = 0;
    int64_t innerMatching = 0;
    int64_t edge = 0;
    int64_t edgeMatching = 0;
    double InnerShare() const { return inner ? double(innerMatching) / double(inner) : 1.0; }
    double EdgeShare() const { return edge ? double(edgeMatching) / double(edge) : 1.0; }
};
PictureAgreement ComparePictures(const BackBuffer& reference, const BackBuffer& candidate, int tolerance);

}  // namespace gyro::test_support
