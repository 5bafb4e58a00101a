#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "model/solid.h"
#include "model/vec3.h"
#include "render/display_settings.h"
#include "render/surface.h"
#include "view/view_state.h"

namespace gyro {

// Pixel coordinates handed to the drawing surface stay within +-kPixelLimit, so
// that a far-off point (extreme zoom, a point just in front of the eye) can never
// overflow the rasterizer's arithmetic. Nothing visible lies that far out.
inline constexpr int64_t kPixelLimit = int64_t{1} << 24;

// What the projection reads from the state, gathered once per frame.
struct Projection {
    Matrix3 ax = kIdentity3;
    double rad = 1.0;
    bool person = true;
    int32_t persdz = 500;
    int32_t perssx = 0;
    int32_t perssy = 0;
    int32_t stereodip = 40;
    int32_t stereodist = 128;
    bool symmet = true;
    int32_t hx = 128;  // half the drawing area, truncated
    int32_t hy = 128;
};

Projection MakeProjection(const ViewState& view, const DisplaySettings& display, const BuildParams& params);

// A position on the view plane, in view-space pixels about the centre.
struct PlanePoint {
    double x = 0.0;
    double y = 0.0;
};

// Solid space to view space for one copy (scale, offset) of the solid.
Vec3 ProjectToView(const Projection& p, Vec3 v, double scale, Vec3 offset);

// The eye centre of one eye (-1 left, 0 mono, +1 right) on the view plane.
PlanePoint EyeCentre(const Projection& p, int eye);

// View space to the view plane. Returns false when there is no sensible image:
// the eye distance is 0, the point is at or behind the eye, or a coordinate is NaN.
bool ApplyPerspective(const Projection& p, Vec3 s, int eye, PlanePoint& out);

// The one checked conversion of a double to a pixel coordinate: truncates toward
// zero and clamps to +-kPixelLimit; NaN gives false.
bool ToPixel(double v, int64_t& out);

// View plane to a screen pixel for one eye; false when a coordinate is NaN.
bool ToScreen(const Projection& p, PlanePoint q, int eye, Point& out);

// The three corners used for the facing test and the normal: the first corner, the
// next one at a different position, and the next one differing from that.
struct CornerTriple {
    int32_t i0 = 0;
    int32_t i1 = 0;
    int32_t i2 = 0;
};

// `same(i, j)` tells whether corners i and j lie at the same position.
template <class SamePosition>
CornerTriple PickDistinctCornersBy(int32_t n, SamePosition same) {
    CornerTriple t;
    int32_t i = 1;
    while (i < n && same(i, 0)) ++i;
    if (i >= n) return t;
    t.i1 = t.i2 = i;
    for (++i; i < n; ++i) {
        if (!same(i, t.i1)) {
            t.i2 = i;
            break;
        }
    }
    return t;
}

CornerTriple PickDistinctCorners(const Vec3* points, int32_t n);

// View-space normal (P0 - P1) x (P2 - P1); points out of the solid for a face
// wound the usual way.
inline Vec3 CornerNormal(Vec3 p0, Vec3 p1, Vec3 p2) { return Cross(p0 - p1, p2 - p1); }
Vec3 CornerNormal(const Vec3* points, CornerTriple t);

// Positive when the three view-plane points turn toward the viewer.
inline double FacingValue(PlanePoint a, PlanePoint b, PlanePoint c) {
    return (c.y - b.y) * (a.x - b.x) - (a.y - b.y) * (c.x - b.x);
}

// The facing test on a FacingValue: a face seen edge-on passes both ways; NaN never.
inline bool FacesViewer(double k, bool reversed) { return reversed ? k <= 0.0 : k >= 0.0; }

// The facing test for view-space corner points, as seen from one eye.
bool FacesViewer(const Projection& p, const Vec3* points, CornerTriple t, int eye, bool reversed);

// Screen x of a vertex that has no image (at or behind the eye, NaN). Real pixels
// never get there: they are clamped to +-kPixelLimit.
inline constexpr int32_t kNoPixel = std::numeric_limits<int32_t>::min();

// The vertices of the solid as seen in one copy from one eye, one entry per vertex
// in each array. The renderer projects every vertex once per copy and eye; faces then
// only look their corners up. Kept as separate arrays because the outline passes read
// nothing but the pixels, and a large mesh's pixels alone stay in the cache.
struct ProjectedVertices {
    std::vector<Vec3> view;          // view space
    std::vector<PlanePoint> plane;   // view plane
    std::vector<Point> screen;       // pixel; x == kNoPixel: must not be drawn
};

// ProjectToView, ApplyPerspective and ToScreen for every vertex into `out`, whose
// arrays hold vertices.size() entries already.
void ProjectVertices(const Projection& p, const std::vector<Vec3>& vertices, double scale, Vec3 offset, int eye,
                     ProjectedVertices& out);

// Drawing order of the copies of a fractal figure: vertex indices by ascending view
// depth (farthest first), equal depths in index order. Writes into `order`, whose
// capacity is reused from frame to frame; `scratch` likewise.
void OrderCopies(const Projection& p, const Solid& solid, std::vector<int32_t>& order,
                 std::vector<std::pair<double, int32_t>>& scratch);

}  // namespace gyro
