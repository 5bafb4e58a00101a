#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/status.h"
#include "render/vector_picture.h"

namespace gyro {

enum class VectorFormat : int8_t { Svg, Pdf };

// The format a file name asks for by its ending (.svg or .pdf, any case).
std::optional<VectorFormat> VectorFormatForPath(std::string_view path);

inline constexpr double kVectorScaleMin = 0.01;
inline constexpr double kVectorScaleMax = 100.0;

// The picture as an SVG 1.1 or PDF 1.4 file written by cairo: the page is
// `width` x `height` times `scale` (SVG in pixels, PDF in points, one pixel a
// point at scale 1), shapes drawn in the picture's order, fills even-odd.
// Empty bytes and a failure status when cairo fails.
Status EncodeVectorPicture(const VectorPicture& picture, VectorFormat format, double scale,
                           std::vector<uint8_t>& bytes);

// EncodeVectorPicture, then written atomically: a failure leaves no file and an
// existing file untouched.
Status WriteVectorPicture(const VectorPicture& picture, VectorFormat format, double scale, const std::string& path);

}  // namespace gyro
