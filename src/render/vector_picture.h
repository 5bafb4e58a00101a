#pragma once

#include <cstdint>
#include <vector>

#include "model/display_settings.h"
#include "model/solid.h"
#include "render/surface.h"
#include "view/view_state.h"

namespace gyro {

// A picture as shapes instead of pixels, in drawing order: what a vector file
// (SVG, PDF) draws. Coordinates are in pixels of the drawing area, x to the
// right and y downward; pixel (x, y) is the square from (x, y) to (x + 1, y + 1).
struct VectorPoint {
    double x = 0.0;
    double y = 0.0;
};

enum class VectorShape : int8_t {
    Fill,    // polygons filled together, even-odd
    Stroke,  // one line from points[0] to points[1]
};

struct VectorItem {
    VectorShape shape = VectorShape::Fill;
    Colour colour = 0;
    double width = 1.0;                 // of a stroke, pixels
    bool roundEnds = false;             // thick lines end in round dots
    bool evenOdd = true;                // fill rule of a Fill: even-odd, or else nonzero
    double seal = 0.0;                  // a Fill also outlined this wide in its colour, so that
                                        // anti-aliased pieces of one face show no seams between them
    std::vector<VectorPoint> points;    // every polygon's corners one after another
    std::vector<int32_t> counts;        // corners of each polygon (Fill), or points of each line
                                        // of a Stroke (none: one line, points 0 and 1)
};

struct VectorPicture {
    int32_t width = 0;   // drawing area, pixels
    int32_t height = 0;
    std::vector<VectorItem> items;
};

// A Surface that keeps every call as a shape: the renderer's fills and lines,
// turned into the area each one's pixels cover. A polygon with corners on
// whole pixel numbers covers the pixels whose centres lie inside it, so its
// shape is taken as it stands; a line or a pixel is drawn through pixel centres.
// Shapes far outside the drawing area are cut to a margin round it.
class VectorRecorder final : public Surface {
public:
    VectorRecorder(int32_t width, int32_t height);

    int32_t Width() const override { return picture_.width; }
    int32_t Height() const override { return picture_.height; }
    void FillRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, Colour colour) override;
    void FillPolygons(const Point* points, const int32_t* counts, int32_t polygonCount, Colour colour) override;
    void DrawLine(Point a, Point b, int32_t width, Colour colour) override;
    void SetPixel(int32_t x, int32_t y, Colour colour) override;

    VectorPicture Take() { return std::move(picture_); }

private:
    VectorPicture picture_;
};

// The frame RenderFrame draws for this state, in its order (fill pass, hidden
// lines, visible lines; both eyes), as shapes of `solid.params.viewx` x `viewy`.
VectorPicture DrawVectorPicture(Solid& solid, ViewState& view, const DisplaySettings& display);

// Cuts a polygon to the box x0 <= x <= x1, y0 <= y <= y1 (Sutherland-Hodgman);
// inside the box every point keeps its winding number. Empty when nothing is left.
std::vector<VectorPoint> ClipPolygonToBox(const std::vector<VectorPoint>& polygon, double x0, double y0, double x1,
                                          double y1);

}  // namespace gyro
