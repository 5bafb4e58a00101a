#pragma once

#include <cstddef>
#include <cstdint>

#include "model/solid.h"

namespace gyro {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
};

// The one drawing interface of the renderer. Coordinates are pixels, x to the
// right and y downward from the top-left corner; everything is clipped to the surface.
class Surface {
public:
    virtual ~Surface() = default;
    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;
    // Fills x0 <= x < x1, y0 <= y < y1.
    virtual void FillRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, Colour colour) = 0;
    // Fills `polygonCount` polygons of `counts[i]` points each as one shape, even-odd.
    virtual void FillPolygons(const Point* points, const int32_t* counts, int32_t polygonCount, Colour colour) = 0;
    // A line from a to b that omits its end point; width 1, or 3 with round ends.
    virtual void DrawLine(Point a, Point b, int32_t width, Colour colour) = 0;
    virtual void SetPixel(int32_t x, int32_t y, Colour colour) = 0;

    // The closed outlines of `polygonCount` polygons of `size` points each: for
    // every polygon the lines from each point to the next, then from the last
    // back to the first, in that order.
    virtual void DrawOutlines(const Point* points, int32_t size, int32_t polygonCount, int32_t width, Colour colour) {
        for (int32_t k = 0; k < polygonCount; ++k) {
            const Point* poly = points + static_cast<std::ptrdiff_t>(k) * size;
            for (int32_t j = 0; j + 1 < size; ++j) DrawLine(poly[j], poly[j + 1], width, colour);
            if (size > 0) DrawLine(poly[size - 1], poly[0], width, colour);
        }
    }

    // True when every call must reach the surface. A surface that only keeps
    // pixels answers false, and the renderer may then leave out calls that can
    // set no pixel or whose pixels a later call of the same frame is certain to
    // set again to the same colour; the finished picture is the same either way.
    virtual bool NeedsEveryCall() const { return true; }
};

}  // namespace gyro
