#pragma once

#include <cstdint>
#include <vector>

#include "io/status.h"
#include "model/display_settings.h"

struct WebPAnimEncoder;

namespace gyro {

// An animated WebP built with libwebp's animation encoder, one frame at a
// time. Frames are stored losslessly, so every decoded frame has exactly the
// pixels it was given. Loops for ever; each frame shows for `delayMs`.
class WebPEncoder {
public:
    WebPEncoder(int32_t width, int32_t height, int32_t delayMs);
    ~WebPEncoder();
    WebPEncoder(const WebPEncoder&) = delete;
    WebPEncoder& operator=(const WebPEncoder&) = delete;

    // The frame must have the encoder's size.
    Status AddFrame(const BackBuffer& frame);
    // The finished file; the encoder takes no frames after it.
    Status Finish(std::vector<uint8_t>& bytes);

private:
    int32_t width_;
    int32_t height_;
    int32_t delayMs_;
    int64_t timestampMs_ = 0;
    int32_t frames_ = 0;
    WebPAnimEncoder* encoder_ = nullptr;
    bool failed_ = false;
};

}  // namespace gyro
