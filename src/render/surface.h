#pragma once

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
};

}  // namespace gyro
