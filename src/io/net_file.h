#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "geometry/net.h"
#include "io/status.h"
#include "io/vector_file.h"

namespace gyro {

// What the window asks for a net: the options of `gyrosolid-cli net`.
struct NetRequest {
    NetPage page = NetPage::A4;
    double edgeMm = 0.0;  // 0: the largest that fits
    bool white = false;
    bool tabs = true;
};

struct NetDrawing {
    bool white = false;  // faces and tabs white instead of the viewer's colours
    bool texts = true;   // title, numbers and hint (off only to count pieces in a test)
    int32_t figure = 0;
    std::string nameJa;
    std::string nameEn;
};

// The pages of a net: one PDF of all pages, or one SVG a page. Cut lines are
// solid, mountain folds long dash and dot, valley folds short dashes; every
// cut carries its number on both sides, every piece its number.
Status EncodeNetPdf(const Net& net, const NetDrawing& drawing, std::vector<uint8_t>& bytes);
Status EncodeNetSvgPage(const Net& net, const NetDrawing& drawing, int32_t page, std::vector<uint8_t>& bytes);

// The files of a net for `path`: F.pdf, or F.svg for the first page and
// F-2.svg, F-3.svg ... for the others.
std::vector<std::string> NetFilePaths(const std::string& path, VectorFormat format, int32_t pages);

// Draws every page first and writes nothing when that fails; then writes the
// files, each atomically (a failed file leaves the one it would replace alone).
Status WriteNetFiles(const Net& net, const NetDrawing& drawing, VectorFormat format, const std::string& path);

}  // namespace gyro
