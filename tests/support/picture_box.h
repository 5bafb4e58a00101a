#pragma once

#include <algorithm>

#include "model/display_settings.h"

namespace gyro::test {

// The smallest box holding every pixel that differs from `background`.
struct PictureBox {
    int x0 = 0, y0 = 0, x1 = -1, y1 = -1;  // inclusive; x1 < 0 when nothing is drawn
    bool empty() const { return x1 < 0; }
    // The least distance from the box to an edge of a width x height picture.
    int Margin(int width, int height) const { return std::min({x0, y0, width - 1 - x1, height - 1 - y1}); }
};

inline PictureBox CoveredBox(const BackBuffer& b, Colour background) {
    PictureBox box{b.width, b.height, -1, -1};
    for (int y = 0; y < b.height; ++y) {
        for (int x = 0; x < b.width; ++x) {
            if (b.pixels[static_cast<size_t>(y) * static_cast<size_t>(b.width) + static_cast<size_t>(x)] ==
                background) {
                continue;
            }
            box.x0 = std::min(box.x0, x);
            box.x1 = std::max(box.x1, x);
            box.y0 = std::min(box.y0, y);
            box.y1 = std::max(box.y1, y);
        }
    }
    return box;
}

}  // namespace gyro::test
