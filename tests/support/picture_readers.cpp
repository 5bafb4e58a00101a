#include "support/picture_readers.h"

#include <gif_lib.h>
#include <webp/demux.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace gyro::test_support {

namespace {

std::vector<uint8_t> ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

BackBuffer Blank(int32_t w, int32_t h) {
    BackBuffer b;
    b.width = w;
    b.height = h;
    b.pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
    return b;
}

}  // namespace

DecodedAnimation DecodeGifFile(const std::filesystem::path& path) {
    DecodedAnimation out;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (gif == nullptr) {
        out.error = "cannot open";
        return out;
    }
    if (DGifSlurp(gif) == GIF_ERROR) {
        out.error = "cannot read";
        DGifCloseFile(gif, &error);
        return out;
    }
    out.width = gif->SWidth;
    out.height = gif->SHeight;
    BackBuffer canvas = Blank(out.width, out.height);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        for (int e = 0; e + 1 < image.ExtensionBlockCount; ++e) {
            const ExtensionBlock& b = image.ExtensionBlocks[e];
            if (b.Function == APPLICATION_EXT_FUNC_CODE && b.ByteCount == 11 &&
                std::memcmp(b.Bytes, "NETSCAPE2.0", 11) == 0) {
                const ExtensionBlock& data = image.ExtensionBlocks[e + 1];
                if (data.ByteCount == 3 && data.Bytes[0] == 1) out.loopCount = data.Bytes[1] | data.Bytes[2] << 8;
            }
        }
        GraphicsControlBlock control{};
        out.delays.push_back(DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK ? control.DelayTime : -1);
        const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        const GifImageDesc& d = image.ImageDesc;
        for (int y = 0; y < d.Height; ++y) {
            for (int x = 0; x < d.Width; ++x) {
                const int index = image.RasterBits[y * d.Width + x];
                if (map == nullptr || index >= map->ColorCount) continue;
                const GifColorType c = map->Colors[index];
                canvas.pixels[static_cast<size_t>(d.Top + y) * out.width + static_cast<size_t>(d.Left + x)] =
                    static_cast<Colour>(c.Red | c.Green << 8 | c.Blue << 16);
            }
        }
        out.frames.push_back(canvas);
    }
    DGifCloseFile(gif, &error);
    out.ok = true;
    return out;
}

DecodedAnimation DecodeWebPFile(const std::filesystem::path& path) {
    DecodedAnimation out;
    const std::vector<uint8_t> bytes = ReadAll(path);
    WebPData data{bytes.data(), bytes.size()};
    WebPAnimDecoderOptions options;
    if (!WebPAnimDecoderOptionsInit(&options)) return out;
    options.color_mode = MODE_RGBA;
    WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
    if (decoder == nullptr) {
        out.error = "cannot open";
        return out;
    }
    WebPAnimInfo info;
    if (!WebPAnimDecoderGetInfo(decoder, &info)) {
        out.error = "no info";
        WebPAnimDecoderDelete(decoder);
        return out;
    }
    out.width = static_cast<int32_t>(info.canvas_width);
    out.height = static_cast<int32_t>(info.canvas_height);
    out.loopCount = static_cast<int32_t>(info.loop_count);
    int previous = 0;
    while (WebPAnimDecoderHasMoreFrames(decoder)) {
        uint8_t* rgba = nullptr;
        int timestamp = 0;
        if (!WebPAnimDecoderGetNext(decoder, &rgba, &timestamp)) {
            out.error = "bad frame";
            WebPAnimDecoderDelete(decoder);
            return out;
        }
        BackBuffer frame = Blank(out.width, out.height);
        for (size_t i = 0; i < frame.pixels.size(); ++i) {
            frame.pixels[i] = static_cast<Colour>(rgba[4 * i] | rgba[4 * i + 1] << 8 | rgba[4 * i + 2] << 16);
        }
        out.frames.push_back(std::move(frame));
        // The decoder gives each frame's end time.
        out.delays.push_back(timestamp - previous);
        previous = timestamp;
    }
    WebPAnimDecoderDelete(decoder);
    out.ok = true;
    return out;
}

int MaxChannelDifference(const BackBuffer& a, const BackBuffer& b) {
    if (a.width != b.width || a.height != b.height || a.pixels.size() != b.pixels.size()) return -1;
    int worst = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) {
        for (int shift = 0; shift < 24; shift += 8) {
            const int da = static_cast<int>((a.pixels[i] >> shift) & 0xFF);
            const int db = static_cast<int>((b.pixels[i] >> shift) & 0xFF);
            worst = std::max(worst, std::abs(da - db));
        }
    }
    return worst;
}

}  // namespace gyro::test_support

#include <cairo.h>

namespace gyro::test_support {

namespace {

bool Near(Colour a, Colour b, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(d) > tolerance) return false;
    }
    return true;
}

BackBuffer RunReader(const std::string& command, const std::filesystem::path& png, int32_t width, int32_t height,
                     std::string& error) {
    std::error_code ignored;
    std::filesystem::remove(png, ignored);
    if (std::system(command.c_str()) != 0) {
        error = "failed: " + command;
        return {};
    }
    BackBuffer picture = ReadPngFile(png);
    if (picture.width != width || picture.height != height) {
        error = "wrong size " + std::to_string(picture.width) + "x" + std::to_string(picture.height) + " from " +
                command;
        return {};
    }
    return picture;
}

std::string Quote(const std::filesystem::path& p) {
    std::string quoted = "'";
    quoted += p.string();
    quoted += '\'';
    return quoted;
}

}  // namespace

BackBuffer ReadPngFile(const std::filesystem::path& path) {
    BackBuffer out;
    cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
        cairo_surface_flush(image);
        out.width = cairo_image_surface_get_width(image);
        out.height = cairo_image_surface_get_height(image);
        const int stride = cairo_image_surface_get_stride(image);
        const unsigned char* data = cairo_image_surface_get_data(image);
        out.pixels.resize(static_cast<size_t>(out.width) * static_cast<size_t>(out.height));
        for (int32_t y = 0; y < out.height; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
            for (int32_t x = 0; x < out.width; ++x) {
                const uint32_t argb = row[x];  // opaque pictures: no premultiplication to undo
                out.pixels[static_cast<size_t>(y) * out.width + x] =
                    ((argb >> 16) & 0xFF) | (argb & 0xFF00) | ((argb & 0xFF) << 16);
            }
        }
    }
    cairo_surface_destroy(image);
    return out;
}

BackBuffer RasteriseSvg(const std::filesystem::path& svg, int32_t width, int32_t height, std::string& error) {
    const std::filesystem::path png = svg.string() + ".png";
    return RunReader("rsvg-convert -w " + std::to_string(width) + " -h " + std::to_string(height) + " -o " +
                         Quote(png) + " " + Quote(svg),
                     png, width, height, error);
}

BackBuffer RasterisePdf(const std::filesystem::path& pdf, int32_t width, int32_t height, std::string& error) {
    const std::filesystem::path stem = pdf.string() + "-page";
    return RunReader("pdftoppm -png -singlefile -r 72 " + Quote(pdf) + " " + Quote(stem), stem.string() + ".png",
                     width, height, error);
}

PictureAgreement ComparePictures(const BackBuffer& reference, const BackBuffer& candidate, int tolerance) {
    PictureAgreement a;
    if (reference.width != candidate.width || reference.height != candidate.height) return a;
    const int32_t w = reference.width;
    const int32_t h = reference.height;
    auto at = [w](const BackBuffer& b, int32_t x, int32_t y) { return b.pixels[static_cast<size_t>(y) * w + x] & 0xFFFFFF; };
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            const Colour mine = at(reference, x, y);
            const Colour theirs = at(candidate, x, y);
            bool uniform = true;
            int low[3] = {255, 255, 255};
            int high[3] = {0, 0, 0};
            for (int32_t dy = -2; dy <= 2; ++dy) {
                for (int32_t dx = -2; dx <= 2; ++dx) {
                    const Colour c = at(reference, std::clamp(x + dx, 0, w - 1), std::clamp(y + dy, 0, h - 1));
                    uniform = uniform && c == mine;
                    if (std::abs(dx) > 1 || std::abs(dy) > 1) continue;
                    for (int k = 0; k < 3; ++k) {
                        const int v = static_cast<int>((c >> (8 * k)) & 0xFF);
                        low[k] = std::min(low[k], v);
                        high[k] = std::max(high[k], v);
                    }
                }
            }
            if (uniform) {
                ++a.inner;
                a.innerMatching += Near(mine, theirs, tolerance) ? 1 : 0;
                continue;
            }
            // A reader's anti-aliased pixel mixes the colours about it, so it lies
            // within their range channel by channel.
            ++a.edge;
            bool within = true;
            for (int k = 0; k < 3; ++k) {
                const int v = static_cast<int>((theirs >> (8 * k)) & 0xFF);
                within = within && v >= low[k] - tolerance && v <= high[k] + tolerance;
            }
            a.edgeMatching += within ? 1 : 0;
        }
    }
    return a;
}

}  // namespace gyro::test_support
