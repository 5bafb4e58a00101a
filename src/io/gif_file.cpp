#include "io/gif_file.h"

#include <gif_lib.h>
#include <libimagequant.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <unordered_map>

namespace gyro {

namespace {

int AppendBytes(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

Status GifError(const char* what, int code) {
    const char* text = GifErrorString(code);
    return Status::Error(std::string("GIF: ") + what + (text ? std::string(": ") + text : std::string()));
}

// The colours of a 0x00BBGGRR frame when there are at most 256 of them, with the
// index of every pixel; false when there are more.
bool ExactPalette(const std::vector<Colour>& pixels, std::array<GifColorType, 256>& palette, int& colours,
                  std::vector<uint8_t>& indices) {
    std::unordered_map<Colour, uint8_t> seen;
    seen.reserve(512);
    colours = 0;
    Colour last = 0;
    uint8_t lastIndex = 0;
    bool haveLast = false;
    for (size_t i = 0; i < pixels.size(); ++i) {
        const Colour c = pixels[i] & 0x00FFFFFFu;
        if (haveLast && c == last) {
            indices[i] = lastIndex;
            continue;
        }
        auto found = seen.find(c);
        if (found == seen.end()) {
            if (colours == 256) return false;
            found = seen.emplace(c, static_cast<uint8_t>(colours)).first;
            palette[static_cast<size_t>(colours)] = {static_cast<GifByteType>(c & 0xFF),
                                                     static_cast<GifByteType>((c >> 8) & 0xFF),
                                                     static_cast<GifByteType>((c >> 16) & 0xFF)};
            ++colours;
        }
        last = c;
        lastIndex = found->second;
        haveLast = true;
        indices[i] = lastIndex;
    }
    return true;
}

}  // namespace

int32_t GifDelayCentiseconds(int32_t delayMs) {
    return std::clamp<int32_t>((delayMs + 5) / 10, 1, 65535);
}

GifEncoder::GifEncoder(int32_t width, int32_t height, int32_t delayMs)
    : width_(width), height_(height), delayCs_(GifDelayCentiseconds(delayMs)) {}

GifEncoder::~GifEncoder() {
    if (gif_ != nullptr) EGifCloseFile(gif_, nullptr);
}

Status GifEncoder::Start() {
    if (width_ < 1 || height_ < 1 || width_ > 65535 || height_ > 65535) {
        return Status::Error("GIF: a picture of " + std::to_string(width_) + "x" + std::to_string(height_) +
                             " pixels does not fit the format");
    }
    int error = 0;
    gif_ = EGifOpen(&bytes_, AppendBytes, &error);
    if (gif_ == nullptr) return GifError("cannot start the file", error);
    EGifSetGifVersion(gif_, true);
    if (EGifPutScreenDesc(gif_, width_, height_, 8, 0, nullptr) == GIF_ERROR) {
        return GifError("cannot write the header", gif_->Error);
    }
    // Loop for ever (the application block every browser reads; count 0).
    static const GifByteType kNetscape[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType kLoopForever[] = {1, 0, 0};
    if (EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
        EGifPutExtensionBlock(gif_, sizeof kNetscape, kNetscape) == GIF_ERROR ||
        EGifPutExtensionBlock(gif_, sizeof kLoopForever, kLoopForever) == GIF_ERROR ||
        EGifPutExtensionTrailer(gif_) == GIF_ERROR) {
        return GifError("cannot write the loop block", gif_->Error);
    }
    const size_t pixels = static_cast<size_t>(width_) * static_cast<size_t>(height_);
    indices_.resize(pixels);
    return Status::Ok();
}

Status GifEncoder::AddFrame(const BackBuffer& frame) {
    if (failed_) return Status::Error("GIF: the encoder has failed");
    if (frame.width != width_ || frame.height != height_ ||
        frame.pixels.size() != static_cast<size_t>(width_) * static_cast<size_t>(height_)) {
        failed_ = true;
        return Status::Error("GIF: a frame of the wrong size");
    }
    if (gif_ == nullptr) {
        if (Status s = Start(); !s.ok()) {
            failed_ = true;
            return s;
        }
    }
    std::array<GifColorType, 256> palette{};
    int colours = 0;
    if (!ExactPalette(frame.pixels, palette, colours, indices_)) {
        // More than 256 colours: let libimagequant choose them, without dithering
        // (flat faces stay flat, with no noise that changes from frame to frame).
        rgba_.resize(frame.pixels.size() * 4);
        for (size_t i = 0; i < frame.pixels.size(); ++i) {
            const Colour c = frame.pixels[i];
            rgba_[4 * i] = static_cast<uint8_t>(c & 0xFF);
            rgba_[4 * i + 1] = static_cast<uint8_t>((c >> 8) & 0xFF);
            rgba_[4 * i + 2] = static_cast<uint8_t>((c >> 16) & 0xFF);
            rgba_[4 * i + 3] = 255;  // the buffer's fourth byte is 0, which would read as transparent
        }
        liq_attr* attr = liq_attr_create();
        if (attr == nullptr) {
            failed_ = true;
            return Status::Error("GIF: not enough memory to choose a palette");
        }
        liq_set_max_colors(attr, 256);
        liq_set_speed(attr, 8);
        liq_image* image = liq_image_create_rgba(attr, rgba_.data(), width_, height_, 0);
        liq_result* result = nullptr;
        bool ok = image != nullptr && liq_image_quantize(image, attr, &result) == LIQ_OK;
        if (ok) {
            liq_set_dithering_level(result, 0.0f);
            ok = liq_write_remapped_image(result, image, indices_.data(), indices_.size()) == LIQ_OK;
        }
        if (ok) {
            const liq_palette* chosen = liq_get_palette(result);
            colours = static_cast<int>(std::min<unsigned>(chosen->count, 256));
            for (int k = 0; k < colours; ++k) {
                palette[static_cast<size_t>(k)] = {chosen->entries[k].r, chosen->entries[k].g, chosen->entries[k].b};
            }
        }
        if (result != nullptr) liq_result_destroy(result);
        if (image != nullptr) liq_image_destroy(image);
        liq_attr_destroy(attr);
        if (!ok) {
            failed_ = true;
            return Status::Error("GIF: libimagequant could not choose a palette");
        }
    }
    // A colour table has 2^k entries; the rest stay black and unused.
    int tableSize = 2;
    while (tableSize < colours) tableSize *= 2;
    ColorMapObject* map = GifMakeMapObject(tableSize, palette.data());
    if (map == nullptr) {
        failed_ = true;
        return Status::Error("GIF: not enough memory for a palette");
    }
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = delayCs_;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType block[4];
    const size_t blockSize = EGifGCBToExtension(&control, block);
    bool ok = EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(blockSize), block) != GIF_ERROR &&
              EGifPutImageDesc(gif_, 0, 0, width_, height_, false, map) != GIF_ERROR;
    GifFreeMapObject(map);
    for (int32_t y = 0; ok && y < height_; ++y) {
        ok = EGifPutLine(gif_, indices_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_), width_) !=
             GIF_ERROR;
    }
    if (!ok) {
        failed_ = true;
        return GifError("cannot write a frame", gif_->Error);
    }
    return Status::Ok();
}

Status GifEncoder::Finish(std::vector<uint8_t>& bytes) {
    if (failed_) return Status::Error("GIF: the encoder has failed");
    if (gif_ == nullptr) return Status::Error("GIF: no frames");
    int error = 0;
    const int closed = EGifCloseFile(gif_, &error);
    gif_ = nullptr;
    failed_ = true;  // no frames after the end
    if (closed == GIF_ERROR) return GifError("cannot finish the file", error);
    bytes = std::move(bytes_);
    return Status::Ok();
}

}  // namespace gyro
