#include "render/vector_picture.h"

#include <algorithm>
#include <cmath>

#include "render/render_frame.h"

namespace gyro {

namespace {

// Shapes reach this far beyond the drawing area before they are cut; vector
// libraries keep coordinates in fixed point and would overflow on the renderer's
// far-off perspective points.
constexpr double kMargin = 64.0;

struct Box {
    double x0, y0, x1, y1;
    bool Holds(VectorPoint p) const { return p.x >= x0 && p.x <= x1 && p.y >= y0 && p.y <= y1; }
};

Box MarginBox(int32_t width, int32_t height) { return {-kMargin, -kMargin, width + kMargin, height + kMargin}; }

// Liang-Barsky: the part of a-b inside the box; false when none is.
bool ClipLine(VectorPoint& a, VectorPoint& b, const Box& box) {
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - box.x0, box.x1 - a.x, a.y - box.y0, box.y1 - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) return false;
    }
    const VectorPoint start = a;
    a = {start.x + t0 * dx, start.y + t0 * dy};
    b = {start.x + t1 * dx, start.y + t1 * dy};
    return true;
}

// One side of the box: keeps the points with inside(p) true.
template <typename Inside, typename Cross>
std::vector<VectorPoint> ClipSide(const std::vector<VectorPoint>& in, Inside inside, Cross cross) {
    std::vector<VectorPoint> out;
    if (in.empty()) return out;
    out.reserve(in.size() + 4);
    VectorPoint prev = in.back();
    bool prevIn = inside(prev);
    for (const VectorPoint& p : in) {
        const bool pIn = inside(p);
        if (pIn != prevIn) out.push_back(cross(prev, p));
        if (pIn) out.push_back(p);
        prev = p;
        prevIn = pIn;
    }
    return out;
}

}  // namespace

std::vector<VectorPoint> ClipPolygonToBox(const std::vector<VectorPoint>& polygon, double x0, double y0, double x1,
                                          double y1) {
    auto atX = [](double x) {
        return [x](VectorPoint a, VectorPoint b) {
            const double t = (x - a.x) / (b.x - a.x);
            return VectorPoint{x, a.y + t * (b.y - a.y)};
        };
    };
    auto atY = [](double y) {
        return [y](VectorPoint a, VectorPoint b) {
            const double t = (y - a.y) / (b.y - a.y);
            return VectorPoint{a.x + t * (b.x - a.x), y};
        };
    };
    std::vector<VectorPoint> p = ClipSide(polygon, [x0](VectorPoint v) { return v.x >= x0; }, atX(x0));
    p = ClipSide(p, [x1](VectorPoint v) { return v.x <= x1; }, atX(x1));
    p = ClipSide(p, [y0](VectorPoint v) { return v.y >= y0; }, atY(y0));
    p = ClipSide(p, [y1](VectorPoint v) { return v.y <= y1; }, atY(y1));
    if (p.size() < 3) p.clear();
    return p;
}

VectorRecorder::VectorRecorder(int32_t width, int32_t height) {
    picture_.width = width;
    picture_.height = height;
}

void VectorRecorder::FillRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, Colour colour) {
    const double left = std::max<double>(x0, 0);
    const double top = std::max<double>(y0, 0);
    const double right = std::min<double>(x1, picture_.width);
    const double bottom = std::min<double>(y1, picture_.height);
    if (left >= right || top >= bottom) return;
    VectorItem item;
    item.colour = colour;
    item.points = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    item.counts = {4};
    picture_.items.push_back(std::move(item));
}

void VectorRecorder::FillPolygons(const Point* points, const int32_t* counts, int32_t polygonCount, Colour colour) {
    const Box box = MarginBox(picture_.width, picture_.height);
    VectorItem item;
    item.colour = colour;
    std::vector<VectorPoint> polygon;
    for (int32_t k = 0; k < polygonCount; ++k) {
        const int32_t n = counts[k];
        polygon.clear();
        bool inside = true;
        for (int32_t j = 0; j < n; ++j) {
            const VectorPoint p{static_cast<double>(points[j].x), static_cast<double>(points[j].y)};
            inside = inside && box.Holds(p);
            polygon.push_back(p);
        }
        points += n;
        if (n < 3) continue;  // covers no pixel centre
        if (!inside) polygon = ClipPolygonToBox(polygon, box.x0, box.y0, box.x1, box.y1);
        if (polygon.empty()) continue;
        item.points.insert(item.points.end(), polygon.begin(), polygon.end());
        item.counts.push_back(static_cast<int32_t>(polygon.size()));
    }
    if (!item.counts.empty()) picture_.items.push_back(std::move(item));
}

void VectorRecorder::DrawLine(Point a, Point b, int32_t width, Colour colour) {
    // The raster line omits its end point, so a == b draws nothing.
    if (a.x == b.x && a.y == b.y) return;
    VectorPoint from{a.x + 0.5, a.y + 0.5};
    VectorPoint to{b.x + 0.5, b.y + 0.5};
    if (!ClipLine(from, to, MarginBox(picture_.width, picture_.height))) return;
    VectorItem item;
    item.shape = VectorShape::Stroke;
    item.colour = colour;
    item.width = width > 1 ? 3.0 : 1.0;
    item.roundEnds = width > 1;
    item.points = {from, to};
    picture_.items.push_back(std::move(item));
}

void VectorRecorder::SetPixel(int32_t x, int32_t y, Colour colour) {
    if (x < 0 || y < 0 || x >= picture_.width || y >= picture_.height) return;
    FillRect(x, y, x + 1, y + 1, colour);
}

VectorPicture DrawVectorPicture(Solid& solid, ViewState& view, const DisplaySettings& display) {
    VectorRecorder recorder(solid.params.viewx, solid.params.viewy);
    RenderFrame(solid, view, display, recorder);
    return recorder.Take();
}

}  // namespace gyro
