#include "render/projection.h"

#include <algorithm>
#include <cmath>

namespace gyro {

Projection MakeProjection(const ViewState& view, const DisplaySettings& display, const BuildParams& params) {
    Projection p;
    p.ax = view.ax;
    p.rad = view.rad;
    p.person = display.person != 0;
    p.persdz = display.persdz;
    p.perssx = display.perssx;
    p.perssy = display.perssy;
    p.stereodip = display.stereodip;
    p.stereodist = display.stereodist;
    p.symmet = display.symmet != 0;
    p.hx = params.viewx / 2;
    p.hy = params.viewy / 2;
    return p;
}

Vec3 ProjectToView(const Projection& p, Vec3 v, double scale, Vec3 offset) {
    const double x = v.x * scale + offset.x;
    const double y = v.y * scale + offset.y;
    const double z = v.z * scale + offset.z;
    const Matrix3& a = p.ax;
    return {(x * a[0][0] + y * a[1][0] + z * a[2][0]) * p.rad / 10,
            (x * a[0][1] + y * a[1][1] + z * a[2][1]) * p.rad / 10,
            (x * a[0][2] + y * a[1][2] + z * a[2][2]) * p.rad / 10};
}

PlanePoint EyeCentre(const Projection& p, int eye) {
    // Integer halving truncates toward zero; 64 bits keep the product and sum exact.
    const int64_t cx = int64_t{eye} * p.stereodip / 2 + p.perssx;
    return {static_cast<double>(cx), static_cast<double>(p.perssy)};
}

bool ApplyPerspective(const Projection& p, Vec3 s, int eye, PlanePoint& out) {
    if (!p.person) {
        out = {s.x, s.y};
        return !std::isnan(s.x) && !std::isnan(s.y);
    }
    if (p.persdz == 0) return false;
    const double f = 1 - s.z / p.persdz;
    // f <= 0: the point is at or behind the eye. Written so that NaN fails too.
    if (!(f > 0)) return false;
    const PlanePoint c = EyeCentre(p, eye);
    out = {(s.x - c.x) / f + c.x, (s.y - c.y) / f + c.y};
    return !std::isnan(out.x) && !std::isnan(out.y);
}

bool ToPixel(double v, int64_t& out) {
    if (std::isnan(v)) return false;
    constexpr double limit = static_cast<double>(kPixelLimit);
    out = static_cast<int64_t>(std::clamp(v, -limit, limit));
    return true;
}

bool ToScreen(const Projection& p, PlanePoint q, int eye, Point& out) {
    const int64_t shift = int64_t{eye} * p.stereodist;
    int64_t x = 0;
    int64_t y = 0;
    if (p.symmet) {
        // Rounding about the centre pixel keeps mirror images pixel-exact.
        if (!ToPixel(static_cast<double>(shift) + q.x, x) || !ToPixel(-q.y, y)) return false;
        x += p.hx;
        y += p.hy;
    } else {
        if (!ToPixel(static_cast<double>(p.hx) + static_cast<double>(shift) + q.x, x) ||
            !ToPixel(static_cast<double>(p.hy) - q.y, y)) {
            return false;
        }
    }
    out.x = static_cast<int32_t>(std::clamp(x, -kPixelLimit, kPixelLimit));
    out.y = static_cast<int32_t>(std::clamp(y, -kPixelLimit, kPixelLimit));
    return true;
}

CornerTriple PickDistinctCorners(const Vec3* points, int32_t n) {
    return PickDistinctCornersBy(n, [points](int32_t i, int32_t j) { return points[i] == points[j]; });
}

Vec3 CornerNormal(const Vec3* points, CornerTriple t) {
    return CornerNormal(points[t.i0], points[t.i1], points[t.i2]);
}

bool FacesViewer(const Projection& p, const Vec3* points, CornerTriple t, int eye, bool reversed) {
    PlanePoint a, b, c;
    if (!ApplyPerspective(p, points[t.i0], eye, a) || !ApplyPerspective(p, points[t.i1], eye, b) ||
        !ApplyPerspective(p, points[t.i2], eye, c)) {
        return false;
    }
    return FacesViewer(FacingValue(a, b, c), reversed);
}

void ProjectVertices(const Projection& p, const std::vector<Vec3>& vertices, double scale, Vec3 offset, int eye,
                     ProjectedVertices& out) {
    const size_t n = vertices.size();
    Vec3* view = out.view.data();
    PlanePoint* plane = out.plane.data();
    Point* screen = out.screen.data();
    // The same arithmetic as ProjectToView, ApplyPerspective and ToScreen, with the
    // per-frame constants hoisted and the checked conversion's common case inline.
    const Matrix3& a = p.ax;
    const double rad = p.rad;
    const bool person = p.person;
    const double d = p.persdz;
    const PlanePoint c = EyeCentre(p, eye);
    const double shift = static_cast<double>(int64_t{eye} * p.stereodist);
    const double hx = p.hx, hy = p.hy;
    constexpr double limit = static_cast<double>(kPixelLimit);
    for (size_t i = 0; i < n; ++i) {
        const double x = vertices[i].x * scale + offset.x;
        const double y = vertices[i].y * scale + offset.y;
        const double z = vertices[i].z * scale + offset.z;
        const Vec3 s{(x * a[0][0] + y * a[1][0] + z * a[2][0]) * rad / 10,
                     (x * a[0][1] + y * a[1][1] + z * a[2][1]) * rad / 10,
                     (x * a[0][2] + y * a[1][2] + z * a[2][2]) * rad / 10};
        view[i] = s;
        PlanePoint q{s.x, s.y};
        if (person) {
            const double f = d != 0 ? 1 - s.z / d : 0;
            if (!(f > 0)) {
                screen[i] = {kNoPixel, kNoPixel};
                continue;
            }
            q = {(s.x - c.x) / f + c.x, (s.y - c.y) / f + c.y};
        }
        plane[i] = q;
        const double sx = p.symmet ? shift + q.x : hx + shift + q.x;
        const double sy = p.symmet ? -q.y : hy - q.y;
        if (std::fabs(sx) < limit && std::fabs(sy) < limit) {
            const int64_t px = static_cast<int64_t>(sx) + (p.symmet ? p.hx : 0);
            const int64_t py = static_cast<int64_t>(sy) + (p.symmet ? p.hy : 0);
            if (std::max(std::abs(px), std::abs(py)) <= kPixelLimit) {
                screen[i] = {static_cast<int32_t>(px), static_cast<int32_t>(py)};
                continue;
            }
        }
        if (!ToScreen(p, q, eye, screen[i])) screen[i] = {kNoPixel, kNoPixel};
    }
}

void OrderCopies(const Projection& p, const Solid& solid, std::vector<int32_t>& order,
                 std::vector<std::pair<double, int32_t>>& scratch) {
    const int32_t n = solid.vertexCount();
    scratch.resize(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i) {
        double z = ProjectToView(p, solid.vertices[i], 1.0, {}).z;
        if (std::isnan(z)) z = INFINITY;  // keeps the ordering strict; such a copy is never drawn anyway
        scratch[i] = {z, i};
    }
    // Ties broken by index make an in-place sort give exactly the stable order,
    // without the temporary buffer std::stable_sort would allocate every frame.
    std::sort(scratch.begin(), scratch.end());
    order.resize(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i) order[i] = scratch[i].second;
}

}  // namespace gyro
