#include "io/webp_file.h"

#include <webp/encode.h>
#include <webp/mux.h>

#include <climits>
#include <string>

namespace gyro {

namespace {

Status WebPError(const char* what, WebPAnimEncoder* encoder) {
    const char* text = encoder != nullptr ? WebPAnimEncoderGetError(encoder) : nullptr;
    return Status::Error(std::string("WebP: ") + what + (text && *text ? std::string(": ") + text : std::string()));
}

}  // namespace

WebPEncoder::WebPEncoder(int32_t width, int32_t height, int32_t delayMs)
    : width_(width), height_(height), delayMs_(delayMs > 0 ? delayMs : 1) {}

WebPEncoder::~WebPEncoder() {
    if (encoder_ != nullptr) WebPAnimEncoderDelete(encoder_);
}

Status WebPEncoder::AddFrame(const BackBuffer& frame) {
    if (failed_) return Status::Error("WebP: the encoder has failed");
    if (frame.width != width_ || frame.height != height_ ||
        frame.pixels.size() != static_cast<size_t>(width_) * static_cast<size_t>(height_)) {
        failed_ = true;
        return Status::Error("WebP: a frame of the wrong size");
    }
    if (encoder_ == nullptr) {
        if (width_ < 1 || height_ < 1 || width_ > WEBP_MAX_DIMENSION || height_ > WEBP_MAX_DIMENSION) {
            failed_ = true;
            return Status::Error("WebP: a picture of " + std::to_string(width_) + "x" + std::to_string(height_) +
                                 " pixels does not fit the format");
        }
        WebPAnimEncoderOptions options;
        if (!WebPAnimEncoderOptionsInit(&options)) {
            failed_ = true;
            return Status::Error("WebP: the library does not match its headers");
        }
        options.anim_params.loop_count = 0;  // for ever
        options.allow_mixed = 0;
        options.minimize_size = 0;
        encoder_ = WebPAnimEncoderNew(width_, height_, &options);
        if (encoder_ == nullptr) {
            failed_ = true;
            return Status::Error("WebP: not enough memory for the encoder");
        }
    }
    if (timestampMs_ > INT_MAX - delayMs_) {
        failed_ = true;
        return Status::Error("WebP: the animation is too long");
    }
    WebPConfig config;
    if (!WebPConfigInit(&config)) {
        failed_ = true;
        return Status::Error("WebP: the library does not match its headers");
    }
    // Lossless, and the quickest effort: flat faces compress well anyway.
    config.lossless = 1;
    config.method = 0;
    config.quality = 25;
    WebPPicture picture;
    if (!WebPPictureInit(&picture)) {
        failed_ = true;
        return Status::Error("WebP: the library does not match its headers");
    }
    picture.use_argb = 1;
    picture.width = width_;
    picture.height = height_;
    // The buffer's bytes are R, G, B, 0 per pixel: RGBX.
    bool ok = WebPPictureImportRGBX(&picture, reinterpret_cast<const uint8_t*>(frame.pixels.data()), width_ * 4) != 0;
    ok = ok && WebPAnimEncoderAdd(encoder_, &picture, static_cast<int>(timestampMs_), &config) != 0;
    WebPPictureFree(&picture);
    if (!ok) {
        failed_ = true;
        return WebPError("cannot add a frame", encoder_);
    }
    timestampMs_ += delayMs_;
    ++frames_;
    return Status::Ok();
}

Status WebPEncoder::Finish(std::vector<uint8_t>& bytes) {
    if (failed_) return Status::Error("WebP: the encoder has failed");
    if (encoder_ == nullptr || frames_ == 0) return Status::Error("WebP: no frames");
    failed_ = true;  // no frames after the end
    // The last timestamp gives the last frame its duration.
    if (!WebPAnimEncoderAdd(encoder_, nullptr, static_cast<int>(timestampMs_), nullptr)) {
        return WebPError("cannot end the animation", encoder_);
    }
    WebPData data;
    WebPDataInit(&data);
    if (!WebPAnimEncoderAssemble(encoder_, &data)) return WebPError("cannot assemble the file", encoder_);
    bytes.assign(data.bytes, data.bytes + data.size);
    WebPDataClear(&data);
    return Status::Ok();
}

}  // namespace gyro
