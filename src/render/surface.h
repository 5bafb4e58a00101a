#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "model/solid.h"

namespace gyro {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
};

// A depth over the surface, linear in the pixel position on either side of a
// split column and row: at pixel (x, y) the key is a * x + b * y + c, plus `left`
// when x < splitX and `top` when y < splitY. (Pixel rounding toward zero about the
// picture's centre puts the pixels left of and above it one pixel further from
// the points they show.) A larger key is nearer the eye.
struct DepthPlane {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    int32_t splitX = std::numeric_limits<int32_t>::min();
    double left = 0.0;
    int32_t splitY = std::numeric_limits<int32_t>::min();
    double top = 0.0;
    // Keys are kept within the range of the face's corners: a face seen nearly
    // edge-on covers pixels whose centres its plane reaches only far off.
    float lowest = -std::numeric_limits<float>::infinity();
    float highest = std::numeric_limits<float>::infinity();

    // The key of one pixel, rounded as a fill's span works it out.
    float KeyAt(int32_t x, int32_t y) const {
        double row = b * y + c + (y < splitY ? top : 0.0);
        if (x < splitX) row += left;
        return std::clamp(static_cast<float>(a * x + row), lowest, highest);
    }
};

// A line for DrawLinesDepth, with the arguments of DrawLineDepth.
struct DepthLine {
    Point a, b;
    float ka = 0.0f, kb = 0.0f;
    uint32_t idA = 0, idB = 0;
    float slack = 0.0f;
};

// A pen of the frame: none, or a width (1 or 3) and a colour.
struct Pen {
    bool none = true;
    Colour colour = 0;
    int32_t width = 1;
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

    // Depth-tested drawing, for surfaces that keep a depth and a face id per pixel.
    // ClearDepth starts a picture with nothing in front of anything; false when the
    // surface keeps no depth (the calls below then do nothing).
    virtual bool ClearDepth() { return false; }
    // Fills the polygons as one shape by the nonzero rule (pixel centres as for
    // FillPolygons), but only the pixels whose key under `plane` is larger than the
    // key they hold; those take the key and `id`, and `colour` when `paint` is set.
    virtual void FillPolygonsDepth(const Point* points, const int32_t* counts, int32_t polygonCount,
                                   const DepthPlane& plane, uint32_t id, bool paint, Colour colour) {
        (void)points, (void)counts, (void)polygonCount, (void)plane, (void)id, (void)paint, (void)colour;
    }
    // The pixels of DrawLine(a, b, width) whose thin-line pixel is in front (`front`
    // set) or behind (`front` clear) what the surface holds there. The line's key runs
    // from ka at a to kb at b along its major axis; a pixel is in front when its face
    // id is idA or idB (the faces the line is an edge of), when it holds no face, or
    // when its key is at most the line's key plus `slack`.
    virtual void DrawLineDepth(Point a, Point b, float ka, float kb, uint32_t idA, uint32_t idB, float slack,
                               bool front, int32_t width, Colour colour) {
        (void)a, (void)b, (void)ka, (void)kb, (void)idA, (void)idB, (void)slack, (void)front, (void)width,
            (void)colour;
    }
    // Every line with DrawLineDepth: first, with pen `first`, the pixels of all of
    // them whose side (in front or behind) is `firstFront`, then with `second` the
    // pixels of the other side of all of them (a pen that is `none` draws nothing).
    virtual void DrawLinesDepth(const DepthLine* lines, std::size_t count, bool firstFront, const Pen& first,
                                const Pen& second) {
        for (int pass = 0; pass < 2; ++pass) {
            const Pen& pen = pass == 0 ? first : second;
            if (pen.none) continue;
            const bool front = pass == 0 ? firstFront : !firstFront;
            for (std::size_t i = 0; i < count; ++i) {
                const DepthLine& l = lines[i];
                DrawLineDepth(l.a, l.b, l.ka, l.kb, l.idA, l.idB, l.slack, front, pen.width, pen.colour);
            }
        }
    }
    // One pixel with the depth test of FillPolygonsDepth.
    virtual void SetPixelDepth(int32_t x, int32_t y, float key, uint32_t id, Colour colour) {
        (void)x, (void)y, (void)key, (void)id, (void)colour;
    }
    // False only when SetPixelDepth at (x, y) with `id` and any key up to `key`
    // would leave the pixel as it is: a caller may then skip working out the
    // key and the colour.
    virtual bool PixelCouldTake(int32_t x, int32_t y, float key, uint32_t id) const {
        (void)x, (void)y, (void)key, (void)id;
        return true;
    }
};

}  // namespace gyro
