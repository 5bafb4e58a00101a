#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "model/solid.h"
#include "model/vec3.h"
#include "model/display_settings.h"
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

// The view-plane point at the centre of the points that ToScreen sends to pixel
// (x, y) for one eye: the middle of the pixel's stretch of the view plane. (With
// symmetric rounding the centre pixel's stretch is two pixels wide and centred on 0.)
PlanePoint PixelCentre(const Projection& p, int eye, int32_t x, int32_t y);

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

// Screen coordinates of a vertex that has no image (at or behind the eye, NaN).
// Real pixels never get there: they are clamped to +-kPixelLimit.
inline constexpr int32_t kNoPixel = std::numeric_limits<int32_t>::min();

// ProjectToView and ApplyPerspective for one copy and one eye, with the constants
// worked out once. The one-point functions above use the same arithmetic, so both
// give the same bits.
struct CopyProjector {
    Matrix3 ax = kIdentity3;
    double rad = 1.0;
    double scale = 1.0;
    Vec3 offset;
    bool person = true;
    bool noImage = false;  // perspective with eye distance 0: no point has an image
    double eyeDistance = 500;
    PlanePoint centre;

    Vec3 View(Vec3 v) const {
        const double x = v.x * scale + offset.x;
        const double y = v.y * scale + offset.y;
        const double z = v.z * scale + offset.z;
        // Multiplying by a precomputed rad / 10 (or 1 / D below) would be cheaper, but
        // its rounding moves points that land exactly on a pixel border by one pixel.
        return {(x * ax[0][0] + y * ax[1][0] + z * ax[2][0]) * rad / 10,
                (x * ax[0][1] + y * ax[1][1] + z * ax[2][1]) * rad / 10,
                (x * ax[0][2] + y * ax[1][2] + z * ax[2][2]) * rad / 10};
    }
    // False when the point is at or behind the eye (NaN included); q may hold NaN otherwise.
    bool Plane(Vec3 s, PlanePoint& q) const {
        if (!person) {
            q = {s.x, s.y};
            return true;
        }
        const double f = 1 - s.z / eyeDistance;
        if (noImage || !(f > 0)) return false;
        q = {(s.x - centre.x) / f + centre.x, (s.y - centre.y) / f + centre.y};
        return true;
    }
    // The depth key of exact drawing, larger nearer the eye: with perspective
    // 1 / (1 - z / D), which is linear over the view plane on every plane in view
    // space; without it z. Meaningful only for a point that Plane accepts.
    double DepthKey(Vec3 s) const { return person ? 1 / (1 - s.z / eyeDistance) : s.z; }
};

CopyProjector MakeCopyProjector(const Projection& p, double scale, Vec3 offset, int eye);

// ToScreen for one eye with its common case inline: a finite point well inside
// the limits. {kNoPixel, kNoPixel} where ToScreen fails.
class PixelMapper {
public:
    PixelMapper(const Projection& p, int eye)
        : p_(p),
          eye_(eye),
          symmet_(p.symmet),
          shift_(static_cast<double>(int64_t{eye} * p.stereodist)),
          hx_(p.hx),
          hy_(p.hy),
          addX_(p.symmet ? p.hx : 0),
          addY_(p.symmet ? p.hy : 0),
          fast_(std::abs(addX_) < kPixelLimit / 2 && std::abs(addY_) < kPixelLimit / 2) {}

    Point Map(PlanePoint q) const {
        constexpr double limit = static_cast<double>(kPixelLimit / 2);
        const double sx = symmet_ ? shift_ + q.x : hx_ + shift_ + q.x;
        const double sy = symmet_ ? -q.y : hy_ - q.y;
        if (fast_ && std::fabs(sx) < limit && std::fabs(sy) < limit) {
            return {static_cast<int32_t>(static_cast<int64_t>(sx) + addX_),
                    static_cast<int32_t>(static_cast<int64_t>(sy) + addY_)};
        }
        Point out;
        if (!ToScreen(p_, q, eye_, out)) return {kNoPixel, kNoPixel};
        return out;
    }

private:
    const Projection& p_;
    int eye_;
    bool symmet_;
    double shift_;
    double hx_, hy_;
    int64_t addX_, addY_;
    bool fast_;
};

// The pixel of every vertex of one copy for one eye; {kNoPixel, kNoPixel} where a
// vertex has no image. `screen` holds vertices.size() entries already. Each
// vertex's view-space point and view-plane point are kept too where `view` and
// `plane` are given (each of vertices.size() entries); the plane point is
// meaningful only where the vertex has a pixel. The renderer keeps both for a
// small mesh drawn many times over (a fractal's copies) and only the plane
// points for a large one, where memory traffic costs more than working out
// again the few view-space points a filled face needs.
// `keys`, where given, receives each vertex's DepthKey (for exact drawing).
void ProjectVertices(const CopyProjector& copy, const Projection& p, int eye, const std::vector<Vec3>& vertices,
                     Point* screen, Vec3* view = nullptr, PlanePoint* plane = nullptr, float* keys = nullptr);

// Drawing order of the copies of a fractal figure: vertex indices by ascending view
// depth (farthest first), equal depths in index order. Writes into `order`, whose
// capacity is reused from frame to frame; `scratch` likewise.
void OrderCopies(const Projection& p, const Solid& solid, std::vector<int32_t>& order,
                 std::vector<std::pair<double, int32_t>>& scratch);

}  // namespace gyro
