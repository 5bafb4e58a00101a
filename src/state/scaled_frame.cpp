#include "state/scaled_frame.h"

#include <cmath>
#include <cstdint>
#include <utility>

#include "model/limits.h"
#include "render/raster_surface.h"

namespace gyro {

namespace {

int32_t Scaled(int32_t v, double scale) {
    const double s = std::round(static_cast<double>(v) * scale);
    if (s >= static_cast<double>(INT32_MAX)) return INT32_MAX;
    if (s <= static_cast<double>(INT32_MIN)) return INT32_MIN;
    return static_cast<int32_t>(s);
}

}  // namespace

bool RenderFrameAtScale(AppState& state, double scale, BackBuffer& into) {
    if (!(scale > 0) || !std::isfinite(scale)) return false;
    BuildParams& p = state.solid.params;
    const double w = std::round(p.viewx * scale);
    const double h = std::round(p.viewy * scale);
    if (w < kMinViewSide || h < kMinViewSide || w > kMaxViewSide || h > kMaxViewSide) return false;
    if (!ResizeBackBuffer(into, static_cast<int32_t>(w), static_cast<int32_t>(h))) return false;

    DisplaySettings& d = state.display;
    const ViewState view = state.view;
    const int32_t viewx = p.viewx, viewy = p.viewy;
    const int32_t persdz = d.persdz, perssx = d.perssx, perssy = d.perssy;
    const int32_t stereodip = d.stereodip, stereodist = d.stereodist;

    std::swap(d.backBuffer, into);
    p.viewx = static_cast<int32_t>(w);
    p.viewy = static_cast<int32_t>(h);
    state.view.rad = view.rad * scale;
    d.persdz = Scaled(persdz, scale);
    d.perssx = Scaled(perssx, scale);
    d.perssy = Scaled(perssy, scale);
    d.stereodip = Scaled(stereodip, scale);
    d.stereodist = Scaled(stereodist, scale);
    RenderFrame(state);

    state.view = view;
    p.viewx = viewx;
    p.viewy = viewy;
    d.persdz = persdz;
    d.perssx = perssx;
    d.perssy = perssy;
    d.stereodip = stereodip;
    d.stereodist = stereodist;
    std::swap(d.backBuffer, into);
    return true;
}

}  // namespace gyro
