#pragma once

#include <cstdint>
#include <vector>

#include "render/surface.h"

namespace gyro::test {

// A Surface that only remembers what it was asked to draw, in order.
class RecordingSurface : public Surface {
public:
    enum class Kind { Rect, Polygons, Line, Pixel };

    struct Call {
        Kind kind;
        Colour colour = 0;
        int32_t width = 0;               // lines
        std::vector<Point> points;       // rect: two corners; line: a, b; pixel: one point
        std::vector<int32_t> counts;     // polygons
    };

    RecordingSurface(int32_t width = 256, int32_t height = 256) : width_(width), height_(height) {}

    int32_t Width() const override { return width_; }
    int32_t Height() const override { return height_; }
    void FillRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, Colour colour) override {
        calls.push_back({Kind::Rect, colour, 0, {{x0, y0}, {x1, y1}}, {}});
    }
    void FillPolygons(const Point* points, const int32_t* counts, int32_t polygonCount, Colour colour) override {
        Call c{Kind::Polygons, colour, 0, {}, {counts, counts + polygonCount}};
        int32_t total = 0;
        for (int32_t i = 0; i < polygonCount; ++i) total += counts[i];
        c.points.assign(points, points + total);
        calls.push_back(std::move(c));
    }
    void DrawLine(Point a, Point b, int32_t width, Colour colour) override {
        calls.push_back({Kind::Line, colour, width, {a, b}, {}});
    }
    void SetPixel(int32_t x, int32_t y, Colour colour) override {
        calls.push_back({Kind::Pixel, colour, 0, {{x, y}}, {}});
    }

    int Count(Kind kind) const {
        int n = 0;
        for (const Call& c : calls) n += c.kind == kind;
        return n;
    }
    int CountLines(Colour colour, int32_t width) const {
        int n = 0;
        for (const Call& c : calls) n += c.kind == Kind::Line && c.colour == colour && c.width == width;
        return n;
    }
    std::vector<Call> Of(Kind kind) const {
        std::vector<Call> out;
        for (const Call& c : calls)
            if (c.kind == kind) out.push_back(c);
        return out;
    }

    std::vector<Call> calls;

private:
    int32_t width_;
    int32_t height_;
};

}  // namespace gyro::test
