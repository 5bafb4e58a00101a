#include "io/picture_file.h"

#include <cairo.h>

#include <algorithm>
#include <cctype>

#include "io/atomic_write.h"
#include "io/file_names.h"
#include "io/bmp_file.h"
#include "io/cairo_bytes.h"
#include "io/vector_file.h"
#include "render/exact_picture.h"

namespace gyro {

std::optional<PictureFormat> PictureFormatForPath(std::string_view path) {
    if (EndsWithNoCase(path, ".bmp")) return PictureFormat::Bmp;
    if (EndsWithNoCase(path, ".png")) return PictureFormat::Png;
    if (EndsWithNoCase(path, ".svg")) return PictureFormat::Svg;
    if (EndsWithNoCase(path, ".pdf")) return PictureFormat::Pdf;
    return std::nullopt;
}

std::vector<uint8_t> EncodePng(const BackBuffer& buffer) {
    std::vector<uint8_t> bytes;
    if (!buffer.exists()) return bytes;
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, buffer.width, buffer.height);
    if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
        cairo_surface_flush(image);
        unsigned char* data = cairo_image_surface_get_data(image);
        const int stride = cairo_image_surface_get_stride(image);
        for (int32_t y = 0; y < buffer.height; ++y) {
            auto* row = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
            const Colour* from = buffer.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(buffer.width);
            for (int32_t x = 0; x < buffer.width; ++x) {
                const Colour c = from[x];  // 0x00BBGGRR to cairo's 0x00RRGGBB
                row[x] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
            }
        }
        cairo_surface_mark_dirty(image);
        if (cairo_surface_write_to_png_stream(image, AppendToBytes, &bytes) != CAIRO_STATUS_SUCCESS) bytes.clear();
    }
    cairo_surface_destroy(image);
    return bytes;
}

Status WritePictureFile(AppState& state, PictureFormat format, const std::string& path, double scale) {
    const BackBuffer& buffer = state.display.backBuffer;
    switch (format) {
        case PictureFormat::Bmp: return WriteBmpFile(path, buffer);
        case PictureFormat::Png: {
            if (!buffer.exists()) return Status::Error(kBmpNoPictureMessage);
            const std::vector<uint8_t> bytes = EncodePng(buffer);
            if (bytes.empty()) return Status::Error("cannot encode the picture as PNG");
            return WriteExportBytes(path, bytes);
        }
        case PictureFormat::Svg:
        case PictureFormat::Pdf: {
            if (!buffer.exists()) return Status::Error(kBmpNoPictureMessage);
            ViewState view = state.view;  // drawing may work automatic rotation into it
            // As the window draws it: exactly, or in the stored order.
            const VectorPicture picture =
                DrawPictureShapes(state.solid, view, state.display, state.display.exactdepth != 0);
            std::vector<uint8_t> bytes;
            const Status encoded = EncodeVectorPicture(
                picture, format == PictureFormat::Svg ? VectorFormat::Svg : VectorFormat::Pdf, scale, bytes);
            if (!encoded.ok()) return encoded;
            return WriteExportBytes(path, bytes);
        }
    }
    return Status::Error("unknown picture format");
}

}  // namespace gyro
