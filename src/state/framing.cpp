#include "state/framing.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <map>
#include <utility>
#include <vector>

#include "catalog/catalogue.h"
#include "model/display_settings.h"
#include "model/face_access.h"
#include "state/dispatcher.h"
#include "view/view_state.h"

namespace gyro {

namespace {

constexpr ShapeId kBlobTree = 453;

// Calls f(vertex) for every vertex a face corner or a segment uses: corners
// that no face or segment names are never drawn.
template <class F>
void ForEachDrawnVertex(const Solid& solid, F f) {
    std::vector<uint8_t> used(solid.vertices.size(), 0);
    auto mark = [&](int32_t i) {
        if (i >= 0 && static_cast<size_t>(i) < used.size()) used[static_cast<size_t>(i)] = 1;
    };
    for (const Face& face : solid.faces) {
        const int32_t n = StoredCorners(face);
        for (int32_t i = 0; i < n; ++i) mark(face.corners[static_cast<size_t>(i)]);
    }
    for (const Segment& s : solid.segments) {
        mark(s.a);
        mark(s.b);
    }
    for (size_t i = 0; i < used.size(); ++i) {
        if (used[i]) f(solid.vertices[i]);
    }
}

void CentreOnBox(Solid& solid) {
    if (solid.vertices.empty()) return;
    Vec3 lo = solid.vertices.front();
    Vec3 hi = lo;
    for (const Vec3& v : solid.vertices) {
        lo = {std::min(lo.x, v.x), std::min(lo.y, v.y), std::min(lo.z, v.z)};
        hi = {std::max(hi.x, v.x), std::max(hi.y, v.y), std::max(hi.z, v.z)};
    }
    const Vec3 middle{(lo.x + hi.x) / 2, (lo.y + hi.y) / 2, (lo.z + hi.z) / 2};
    for (Vec3& v : solid.vertices) v = {v.x - middle.x, v.y - middle.y, v.z - middle.z};
}

}  // namespace

double StartViewScale(const Solid& solid, int margin) {
    const ViewState view;
    const DisplaySettings display;
    const BuildParams start;
    // How far from the centre pixel a point may land on each side: pixel
    // columns run 0 .. viewx - 1 with the centre at viewx / 2 (the same for rows).
    const double hx = start.viewx / 2;
    const double hy = start.viewy / 2;
    const double reachX = std::min(hx, start.viewx - 1 - hx) - margin;
    const double reachY = std::min(hy, start.viewy - 1 - hy) - margin;
    const bool person = display.person != 0 && display.persdz > 0;
    const double eye = display.persdz;
    double scale = 1.0;
    ForEachDrawnVertex(solid, [&](const Vec3& v) {
        const auto& a = view.ax;
        const double sx = (v.x * a[0][0] + v.y * a[1][0] + v.z * a[2][0]) * view.rad / 10;
        const double sy = (v.x * a[0][1] + v.y * a[1][1] + v.z * a[2][1]) * view.rad / 10;
        const double sz = (v.x * a[0][2] + v.y * a[1][2] + v.z * a[2][2]) * view.rad / 10;
        // Scaled by k a point lands at k s / (1 - k sz / eye) from the centre (the
        // start eye looks at the centre), so it stays within reach r while
        // k (|s| + r sz / eye) <= r.
        for (const auto& [s, reach] : {std::pair{sx, reachX}, std::pair{sy, reachY}}) {
            const double need = std::fabs(s) + (person ? reach * sz / eye : 0.0);
            if (need > 0 && std::isfinite(need)) scale = std::min(scale, reach / need);
        }
    });
    return scale;
}

namespace {

// The factor of a figure built with the start parameters (the blob tree centred).
double ScaleOfStartBuild(const Solid& start) {
    // Reaching the outermost pixel: one pixel of margin is what "inside" asks.
    return StartViewScale(start, 1) >= 1.0 ? 1.0 : StartViewScale(start, kFrameMargin);
}

// True when a build with these parameters has the start build's corners: they
// differ at most in the colours.
bool StartShape(const BuildParams& params) {
    BuildParams shape = params;
    const BuildParams start;
    shape.palette = start.palette;
    shape.sikisouhz = start.sikisouhz;
    shape.sikisoufq = start.sikisoufq;
    shape.sikisourt = start.sikisourt;
    return shape == start;
}

// One build per figure and run: the start parameters never change.
std::map<ShapeId, double>& KnownScales() {
    static std::map<ShapeId, double> known;
    return known;
}

}  // namespace

double FigureFrameScale(ShapeId figure) {
    std::map<ShapeId, double>& known = KnownScales();
    if (const auto it = known.find(figure); it != known.end()) return it->second;
    Solid start;
    BuildFigure(start, figure);
    if (figure == kBlobTree) CentreOnBox(start);
    const double scale = ScaleOfStartBuild(start);
    known.emplace(figure, scale);
    return scale;
}

double FrameForStartView(Solid& solid) {
    const FigureInfo* info = FindFigure(solid.zukei);
    if (info != nullptr && info->family == FigureFamily::Parametric) return 1.0;
    if (solid.zukei == kBlobTree) CentreOnBox(solid);
    // A figure just built with the start parameters is its own start build: the
    // largest figures then need not be built a second time.
    if (StartShape(solid.params) && !KnownScales().contains(solid.zukei)) {
        KnownScales().emplace(solid.zukei, ScaleOfStartBuild(solid));
    }
    const double scale = FigureFrameScale(solid.zukei);
    if (scale >= 1.0) return 1.0;
    for (Vec3& v : solid.vertices) v = {v.x * scale, v.y * scale, v.z * scale};
    return scale;
}

}  // namespace gyro
