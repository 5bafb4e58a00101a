#pragma once

#include <cstdint>
#include <vector>

#include "model/display_settings.h"
#include "model/limits.h"
#include "render/surface.h"

namespace gyro {

// One polygon edge with the pixel rows it crosses, stepped exactly row by row.
struct RasterEdge {
    int32_t yStart = 0;  // first row the edge crosses (clipped to the buffer)
    int32_t yEnd = 0;    // first row past the edge (clipped)
    int64_t x = 0;       // first pixel whose centre is at or right of the crossing
    int64_t rem = 0;     // how far x's centre lies right of the crossing, in 1/den pixels
    int64_t den = 0;     // twice the edge's height
    int64_t step = 0;    // whole pixels per row
    int64_t frac = 0;    // remaining 1/den pixels per row
    int32_t winding = 0; // +1 where the outline runs down, -1 where it runs up
};

// Gives `buffer` w x h pixels (each side kMinViewSide .. kMaxViewSide, bigger
// requests cut to it).
// The contents are undefined until the next frame. Returns false, leaving the
// buffer without pixels (width and height 0), when the memory cannot be had.
bool ResizeBackBuffer(BackBuffer& buffer, int32_t w, int32_t h);

// Whether RasterSurface::FillPolygons with these polygons sets pixel (x, y),
// the pixel being inside the buffer: the same arithmetic for one pixel.
bool FillCoversPixel(const Point* points, const int32_t* counts, int32_t polygonCount, int32_t x, int32_t y);

// Our own rasterizer over a BackBuffer. It draws exactly, with integer arithmetic,
// so pictures are the same on every machine.
//
// Pixel rules:
// - Polygon fill: pixel (x, y) is filled when its centre (x + 0.5, y + 0.5) is inside
//   the shape under the even-odd rule, counting every polygon of the call as part of one
//   shape. A centre lying exactly on an edge belongs to the side to its right. Centres
//   never lie on a horizontal edge (corners are whole numbers). So faces that share an
//   edge cover every pixel along it exactly once: no gap and no double row.
// - 1-pixel line from a to b: Bresenham along the major axis, one pixel per step,
//   the minor coordinate rounded half away from a; b itself is not drawn, so a == b
//   draws nothing and closed outlines set each corner once.
// - 3-pixel line (any width above 1): the same pixels each widened to a round dot
//   (the pixel and its four neighbours), which gives rounded ends.
// Everything is clipped to the buffer, for any coordinates in the int32 range.
//
// The surface keeps its edge buffers between calls, so steady drawing does not allocate.
// It reads the buffer's size on every call and may outlive resizes.
class RasterSurface final : public Surface {
public:
    explicit RasterSurface(BackBuffer& buffer) : buffer_(&buffer) {}

    int32_t Width() const override;
    int32_t Height() const override;
    void FillRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, Colour colour) override;
    void FillPolygons(const Point* points, const int32_t* counts, int32_t polygonCount, Colour colour) override;
    void DrawLine(Point a, Point b, int32_t width, Colour colour) override;
    void SetPixel(int32_t x, int32_t y, Colour colour) override;
    void DrawOutlines(const Point* points, int32_t size, int32_t polygonCount, int32_t width,
                      Colour colour) override;
    bool NeedsEveryCall() const override { return false; }

    // Depth-tested drawing. The depth and face ids are kept beside the buffer,
    // sized to it at ClearDepth; the pixel rules are those above, with the nonzero
    // rule for depth-tested fills.
    bool ClearDepth() override;
    void FillPolygonsDepth(const Point* points, const int32_t* counts, int32_t polygonCount, const DepthPlane& plane,
                           uint32_t id, bool paint, Colour colour) override;
    void DrawLineDepth(Point a, Point b, float ka, float kb, uint32_t idA, uint32_t idB, float slack, bool front,
                       int32_t width, Colour colour) override;
    void DrawLinesDepth(const DepthLine* lines, std::size_t count, bool firstFront, const Pen& first,
                        const Pen& second) override;
    void SetPixelDepth(int32_t x, int32_t y, float key, uint32_t id, Colour colour) override;
    bool PixelCouldTake(int32_t x, int32_t y, float key, uint32_t id) const override;
    // The face id each pixel holds since the last ClearDepth (0: none), row after row.
    const std::vector<uint32_t>& FaceIds() const { return ids_; }

private:
    bool Usable(int32_t& w, int32_t& h) const;
    void DrawLineIn(Point a, Point b, int32_t width, uint32_t colour, int32_t w, int32_t h);
    bool HasDepth(int32_t w, int32_t h) const;
    template <class Mark>
    void WalkLineDepth(const DepthLine& line, bool wide, int32_t w, int32_t h, Mark mark) const;
    void PutLineMark(int64_t x, int64_t y, int kind, int32_t width, uint32_t colour, int32_t w, int32_t h);
    void MarkDirty(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
    template <class Span>
    void FillMonotone(const Point* points, int32_t n, int32_t h, bool huge, Span span);
    template <bool kNonzero, class Span>
    void FillGeneral(const Point* points, const int32_t* counts, int32_t polygonCount, int32_t h, bool huge,
                     Span span);

    BackBuffer* buffer_;
    std::vector<RasterEdge> edges_;     // all edges of the shape, sorted by first row
    std::vector<RasterEdge*> active_;   // edges crossing the current row, sorted by x
    std::vector<float> depth_;          // key per pixel; -infinity where nothing is drawn
    std::vector<uint32_t> ids_;         // face id per pixel, 0 where nothing is drawn
    int32_t depthWidth_ = 0;
    int32_t depthHeight_ = 0;
    int32_t dirtyLeft_ = 0;             // the box that depth-tested drawing touched since the last clear
    int32_t dirtyTop_ = 0;
    int32_t dirtyRight_ = 0;
    int32_t dirtyBottom_ = 0;
    struct LineMark {
        int32_t x, y;
        int kind;
    };
    std::vector<LineMark> shown_;       // DrawLinesDepth: the second side's pixels, put after the first's
};

}  // namespace gyro
