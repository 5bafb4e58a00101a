#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/status.h"
#include "state/app_state.h"

namespace gyro {

// The kinds of still picture the viewer saves, chosen by the file name's ending.
enum class PictureFormat : int8_t { Bmp, Png, Svg, Pdf };

// .bmp, .png, .svg or .pdf in any case; none for any other name.
std::optional<PictureFormat> PictureFormatForPath(std::string_view path);

// The picture as a PNG (8-bit RGB, written by cairo); empty without one.
std::vector<uint8_t> EncodePng(const BackBuffer& buffer);

// Saves the picture at `path` in `format`, atomically (a failure leaves no file
// and an existing one untouched). BMP and PNG take the back buffer as the last
// frame left it; SVG and PDF draw the same frame again as shapes from the state
// (exactly when `exactdepth` is set, else in the stored order)
// (at `scale` 1: one pixel a unit). Failures carry the export messages of bmp_file.h.
Status WritePictureFile(AppState& state, PictureFormat format, const std::string& path, double scale = 1.0);

}  // namespace gyro
