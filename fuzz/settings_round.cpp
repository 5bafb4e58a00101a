#include "settings_round.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>

#include "io/settings_file.h"
#include "model/limits.h"
#include "state/app_state.h"
#include "state/dispatcher.h"

namespace gyro::fuzz {

namespace {

// The side of the frame drawn: small enough for many rounds a second, and
// still the view's own size when that is smaller.
constexpr int32_t kFrameSide = 40;
// Each level of a fractal multiplies the drawing; the deepest levels take whole
// seconds under the sanitizers and teach the fuzzer nothing the first ones do not.
constexpr int8_t kDeepestDrawnLevel = 2;

bool Flag(int8_t v) { return v == 0 || v == 1; }

std::string CheckFields(const AppState& s) {
    const BuildParams& p = s.solid.params;
    const DisplaySettings& d = s.display;
    const ViewState& v = s.view;
    for (int8_t flag : {p.conhang, p.conzeqx, p.conyeqx, p.congais, p.conhensez, p.conarchi, p.sphhang, p.sphzeqx,
                        p.sphyeqx, p.sphgais, p.sphtei, p.sphspon, p.sphsphg, v.njim, v.autoroton, d.lightsquare,
                        d.lightmirror, d.lightmove, d.person, d.stereoon, d.rezerse, d.symmet, d.ctpix}) {
        if (!Flag(flag)) return "a switch is neither 0 nor 1";
    }
    if (p.kikaku < -1 || p.kikaku > 1) return "kikaku out of range";
    if (p.viewx < kMinViewSide || p.viewy < kMinViewSide || p.viewx > kMaxViewSide || p.viewy > kMaxViewSide) {
        return "view size out of range";
    }
    if (d.lightdep < -99 || d.lightmin < 0 || d.lightmin > d.lightmax || d.lightmax > 100) return "light out of range";
    if (p.conn < 2 || p.conn > kMaxCorners || p.conpn < 1 || p.conpn > p.conn / 2) return "pyramid counts out of range";
    if (p.sphn < 2 || p.sphm < 2 || p.sphn > kMaxSphereCount || p.sphn * p.sphm > kMaxSphereCells || p.sphpn < 1 ||
        p.sphpn > p.sphn / 2 || p.sphpm < 1 || p.sphpm > p.sphm / 2) {
        return "sphere counts out of range";
    }
    if (!(p.sphspn >= 0 && p.sphspn <= kMaxSuperExponent && p.sphspm >= 0 && p.sphspm <= kMaxSuperExponent)) {
        return "exponent out of range";
    }
    if (!(std::isfinite(v.rad) && v.rad > 0) || !std::isfinite(v.nang)) return "zoom or angle not finite";
    for (const auto& row : v.ax) {
        for (double x : row) {
            if (!std::isfinite(x)) return "orientation not finite";
        }
    }
    for (double x : v.nax) {
        if (!std::isfinite(x)) return "axis not finite";
    }
    return {};
}

std::string CheckSolid(const AppState& s) {
    const Solid& solid = s.solid;
    const auto vertexCount = static_cast<int64_t>(solid.vertices.size());
    for (const Vec3& p : solid.vertices) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return "vertex not finite";
    }
    for (const Face& f : solid.faces) {
        if (f.polygonCount < 0 || f.polygonSize < 0 || static_cast<int64_t>(f.corners.size()) < TotalCorners(f)) {
            return "face shorter than its corner count";
        }
        for (int32_t i = 0; i < TotalCorners(f); ++i) {
            const int32_t c = f.corners[static_cast<size_t>(i)];
            if (c < 0 || c >= vertexCount) return "face corner outside the vertex list";
        }
    }
    for (const Segment& g : solid.segments) {
        if (g.a < 0 || g.b < 0 || g.a >= vertexCount || g.b >= vertexCount) return "segment outside the vertex list";
    }
    const DisplaySettings& d = s.display;
    if (d.orgcolpat < 0 || d.orgcolpat >= std::max<int16_t>(solid.patternCount, 1)) {
        return "colour pattern out of range";
    }
    if (solid.fractalDepthMax != 0 && (d.fracn < 0 || d.fracn > solid.fractalDepthMax)) return "depth out of range";
    return {};
}

}  // namespace

std::string RunSettingsRound(std::string_view text) {
    // The start state is built once; each round starts from a copy of it.
    static const AppState start = [] {
        AppState s;
        InitAppState(s);
        return s;
    }();
    AppState state = start;
    LoadSettingsFromText(text, state);
    if (std::string broken = CheckFields(state); !broken.empty()) return "after loading: " + broken;

    Rebuild(state.solid);
    ClampDisplayToFigure(state);
    if (std::string broken = CheckSolid(state); !broken.empty()) return "after rebuilding: " + broken;

    const int32_t w = std::min(state.solid.params.viewx, kFrameSide);
    const int32_t h = std::min(state.solid.params.viewy, kFrameSide);
    if (!CreateBackBuffer(state, w, h)) return "no back buffer for a small frame";
    const int8_t depth = state.display.fracn;
    state.display.fracn = std::min(depth, kDeepestDrawnLevel);
    RenderFrame(state);
    state.display.fracn = depth;

    // What is saved reads back as itself: saving never writes a value that a
    // load would change.
    const std::string saved = SaveSettings(state);
    AppState again = start;
    if (LoadSettingsFromText(saved, again) != kSettingsLineCount) return "a saved file does not load every line";
    if (SaveSettings(again) != saved) return "saving what was loaded from a saved file changes it";
    return {};
}

}  // namespace gyro::fuzz
