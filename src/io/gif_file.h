#pragma once

#include <cstdint>
#include <vector>

#include "io/status.h"
#include "model/display_settings.h"

struct GifFileType;

namespace gyro {

// An animated GIF built in memory, one frame at a time. Every frame is a whole
// picture with a palette of its own: exact when the frame has at most 256
// colours (flat faces usually do), otherwise chosen by libimagequant without
// dithering. The animation loops for ever; each frame shows for `delayMs`,
// stored in hundredths of a second (at least one).
class GifEncoder {
public:
    GifEncoder(int32_t width, int32_t height, int32_t delayMs);
    ~GifEncoder();
    GifEncoder(const GifEncoder&) = delete;
    GifEncoder& operator=(const GifEncoder&) = delete;

    // The frame must have the encoder's size.
    Status AddFrame(const BackBuffer& frame);
    // The finished file; the encoder takes no frames after it.
    Status Finish(std::vector<uint8_t>& bytes);

private:
    Status Start();

    int32_t width_;
    int32_t height_;
    int32_t delayCs_;
    GifFileType* gif_ = nullptr;
    bool failed_ = false;
    std::vector<uint8_t> bytes_;
    std::vector<uint8_t> indices_;
    std::vector<uint8_t> rgba_;
};

// Delay of a GIF frame in hundredths of a second for `delayMs`: rounded, at least 1.
int32_t GifDelayCentiseconds(int32_t delayMs);

}  // namespace gyro
