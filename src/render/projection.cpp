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

CopyProjector MakeCopyProjector(const Projection& p, double scale, Vec3 offset, int eye) {
    CopyProjector c;
    c.ax = p.ax;
    c.rad = p.rad;
    c.scale = scale;
    c.offset = offset;
    c.person = p.person;
    c.noImage = p.person && p.persdz == 0;
    c.eyeDistance = p.persdz;
    c.centre = EyeCentre(p, eye);
    return c;
}

Vec3 ProjectToView(const Projection& p, Vec3 v, double scale, Vec3 offset) {
    return MakeCopyProjector(p, scale, offset, 0).View(v);
}

PlanePoint EyeCentre(const Projection& p, int eye) {
    // Integer halving truncates toward zero; 64 bits keep the product and sum exact.
    const int64_t cx = int64_t{eye} * p.stereodip / 2 + p.perssx;
    return {static_cast<double>(cx), static_cast<double>(p.perssy)};
}

bool ApplyPerspective(const Projection& p, Vec3 s, int eye, PlanePoint& out) {
    return MakeCopyProjector(p, 1.0, {}, eye).Plane(s, out) && !std::isnan(out.x) && !std::isnan(out.y);
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

PlanePoint PixelCentre(const Projection& p, int eye, int32_t x, int32_t y) {
    const double shift = static_cast<double>(int64_t{eye} * p.stereodist);
    if (!p.symmet) return {x + 0.5 - p.hx - shift, p.hy - (y + 0.5)};
    // Rounding toward zero: pixel hx + k takes [k, k + 1) for k > 0, (k - 1, k] for
    // k < 0 and (-1, 1) for k = 0; rows likewise with y downward.
    auto middle = [](int64_t k) { return k > 0 ? k + 0.5 : k < 0 ? k - 0.5 : 0.0; };
    return {middle(int64_t{x} - p.hx) - shift, -middle(int64_t{y} - p.hy)};
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

void ProjectVertices(const CopyProjector& copy, const Projection& p, int eye, const std::vector<Vec3>& vertices,
                     Point* screen, Vec3* view, PlanePoint* plane, float* keys) {
    const size_t n = vertices.size();
    // ToScreen with its common case inline: a finite point well inside the limits.
    const bool symmet = p.symmet;
    const double shift = static_cast<double>(int64_t{eye} * p.stereodist);
    const double hx = p.hx, hy = p.hy;
    const int64_t addX = symmet ? p.hx : 0, addY = symmet ? p.hy : 0;
    constexpr double limit = static_cast<double>(kPixelLimit / 2);
    const bool fast = std::abs(addX) < kPixelLimit / 2 && std::abs(addY) < kPixelLimit / 2;
    for (size_t i = 0; i < n; ++i) {
        PlanePoint q;
        const Vec3 s = copy.View(vertices[i]);
        if (view != nullptr) view[i] = s;
        if (!copy.Plane(s, q)) {
            screen[i] = {kNoPixel, kNoPixel};
            continue;
        }
        if (plane != nullptr) plane[i] = q;
        if (keys != nullptr) keys[i] = static_cast<float>(copy.DepthKey(s));
        const double sx = symmet ? shift + q.x : hx + shift + q.x;
        const double sy = symmet ? -q.y : hy - q.y;
        if (fast && std::fabs(sx) < limit && std::fabs(sy) < limit) {
            screen[i] = {static_cast<int32_t>(static_cast<int64_t>(sx) + addX),
                         static_cast<int32_t>(static_cast<int64_t>(sy) + addY)};
        } else if (!ToScreen(p, q, eye, screen[i])) {
            screen[i] = {kNoPixel, kNoPixel};
        }
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
