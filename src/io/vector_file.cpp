#include "io/vector_file.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <cmath>

#include "io/atomic_write.h"
#include "io/file_names.h"
#include "io/cairo_bytes.h"

namespace gyro {

namespace {

void SetColour(cairo_t* cr, Colour c) {
    cairo_set_source_rgb(cr, (c & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, ((c >> 16) & 0xFF) / 255.0);
}

void DrawItems(cairo_t* cr, const VectorPicture& picture) {
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (const VectorItem& item : picture.items) {
        SetColour(cr, item.colour);
        if (item.shape == VectorShape::Fill) {
            cairo_set_fill_rule(cr, item.evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
            size_t at = 0;
            for (const int32_t n : item.counts) {
                for (int32_t j = 0; j < n; ++j, ++at) {
                    const VectorPoint p = item.points[at];
                    if (j == 0) {
                        cairo_move_to(cr, p.x, p.y);
                    } else {
                        cairo_line_to(cr, p.x, p.y);
                    }
                }
                cairo_close_path(cr);
            }
            if (item.seal > 0) {
                cairo_fill_preserve(cr);
                cairo_set_line_width(cr, item.seal);
                cairo_stroke(cr);
            } else {
                cairo_fill(cr);
            }
        } else if (item.points.size() >= 2) {
            cairo_set_line_width(cr, item.width);
            cairo_set_line_cap(cr, item.roundEnds ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
            // One line, or with counts a polyline of each count's points.
            const std::vector<int32_t> one = {2};
            size_t at = 0;
            for (const int32_t n : item.counts.empty() ? one : item.counts) {
                for (int32_t j = 0; j < n && at < item.points.size(); ++j, ++at) {
                    const VectorPoint p = item.points[at];
                    if (j == 0) {
                        cairo_move_to(cr, p.x, p.y);
                    } else {
                        cairo_line_to(cr, p.x, p.y);
                    }
                }
            }
            cairo_stroke(cr);
        }
    }
}

}  // namespace

cairo_status_t AppendToBytes(void* closure, const unsigned char* data, unsigned int length) {
    auto* out = static_cast<std::vector<uint8_t>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

Status FinishCairoBytes(cairo_surface_t* surface, cairo_t* cr, std::vector<uint8_t>& bytes) {
    const cairo_status_t drawn = cairo_status(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const cairo_status_t finished = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    const cairo_status_t status = drawn != CAIRO_STATUS_SUCCESS ? drawn : finished;
    if (status != CAIRO_STATUS_SUCCESS) {
        bytes.clear();
        return Status::Error(std::string("cairo: ") + cairo_status_to_string(status));
    }
    return Status::Ok();
}

std::optional<VectorFormat> VectorFormatForPath(std::string_view path) {
    if (EndsWithNoCase(path, ".svg")) return VectorFormat::Svg;
    if (EndsWithNoCase(path, ".pdf")) return VectorFormat::Pdf;
    return std::nullopt;
}

Status EncodeVectorPicture(const VectorPicture& picture, VectorFormat format, double scale,
                           std::vector<uint8_t>& bytes) {
    bytes.clear();
    if (!(scale >= kVectorScaleMin && scale <= kVectorScaleMax)) return Status::Error("the scale is out of range");
    if (picture.width < 1 || picture.height < 1) return Status::Error("there is no picture");
    const double w = picture.width * scale;
    const double h = picture.height * scale;
    cairo_surface_t* surface = nullptr;
    if (format == VectorFormat::Svg) {
        surface = cairo_svg_surface_create_for_stream(AppendToBytes, &bytes, w, h);
        cairo_svg_surface_restrict_to_version(surface, CAIRO_SVG_VERSION_1_1);
        cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PX);
    } else {
        surface = cairo_pdf_surface_create_for_stream(AppendToBytes, &bytes, w, h);
        cairo_pdf_surface_restrict_to_version(surface, CAIRO_PDF_VERSION_1_4);
        cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Gyrosolid");
    }
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    DrawItems(cr, picture);
    return FinishCairoBytes(surface, cr, bytes);
}

Status WriteVectorPicture(const VectorPicture& picture, VectorFormat format, double scale, const std::string& path) {
    std::vector<uint8_t> bytes;
    if (Status s = EncodeVectorPicture(picture, format, scale, bytes); !s.ok()) return s;
    return WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace gyro
