#include "support/state_invariants.h"

#include <cmath>
#include <cstdint>
#include <sstream>

#include "io/settings_file.h"

namespace gyro::test {

namespace {

std::string MeshViolation(const Solid& solid) {
    const int64_t vertices = static_cast<int64_t>(solid.vertices.size());
    for (size_t f = 0; f < solid.faces.size(); ++f) {
        const Face& face = solid.faces[f];
        const int64_t total = int64_t{face.polygonSize} * face.polygonCount;
        if (total < 0 || static_cast<size_t>(total) > face.corners.size()) {
            return "face " + std::to_string(f) + " has fewer corners than its polygons need";
        }
        for (int32_t c : face.corners) {
            if (c < 0 || c >= vertices) {
                return "face " + std::to_string(f) + " has corner " + std::to_string(c) + " of " +
                       std::to_string(vertices) + " vertices";
            }
        }
    }
    for (size_t s = 0; s < solid.segments.size(); ++s) {
        for (int32_t end : {solid.segments[s].a, solid.segments[s].b}) {
            if (end < 0 || end >= vertices) return "segment " + std::to_string(s) + " ends at " + std::to_string(end);
        }
    }
    return {};
}

}  // namespace

std::string StateInvariantViolation(const AppState& state, bool checkMesh) {
    const Solid& solid = state.solid;
    const DisplaySettings& d = state.display;
    std::ostringstream out;
    if (d.orgcolpat < 0 || (solid.patternCount > 0 && d.orgcolpat >= solid.patternCount)) {
        out << "orgcolpat " << d.orgcolpat << " outside the " << solid.patternCount << " patterns";
        return out.str();
    }
    if (d.fracn < 0 || (solid.fractalDepthMax != 0 && d.fracn > solid.fractalDepthMax)) {
        out << "fracn " << int{d.fracn} << " beyond the figure's " << int{solid.fractalDepthMax};
        return out.str();
    }
    if (checkMesh) {
        if (std::string mesh = MeshViolation(solid); !mesh.empty()) return mesh;
    }
    const BackBuffer& b = d.backBuffer;
    if (b.exists() && (b.width != solid.params.viewx || b.height != solid.params.viewy ||
                       b.pixels.size() != static_cast<size_t>(b.width) * static_cast<size_t>(b.height))) {
        out << "back buffer " << b.width << " x " << b.height << " (" << b.pixels.size() << " pixels) for a view of "
            << solid.params.viewx << " x " << solid.params.viewy;
        return out.str();
    }
    const ViewState& v = state.view;
    for (const auto& row : v.ax) {
        for (double x : row) {
            if (!std::isfinite(x)) return "orientation not finite";
        }
    }
    for (double x : v.nax) {
        if (!std::isfinite(x)) return "arbitrary axis not finite";
    }
    if (!std::isfinite(v.nang)) return "axis angle not finite";
    if (!(std::isfinite(v.rad) && v.rad > 0)) {
        out << "zoom " << v.rad;
        return out.str();
    }
    const std::string saved = SaveSettings(state);
    AppState back;
    LoadSettingsFromText(saved, back);
    const std::string again = SaveSettings(back);
    if (again != saved) {
        std::istringstream a(saved), b2(again);
        std::string la, lb;
        while (std::getline(a, la) && std::getline(b2, lb)) {
            if (la != lb) return "saved '" + la.substr(0, 60) + "' loads back as '" + lb.substr(0, 60) + "'";
        }
        return "the saved settings load back with other lines";
    }
    return {};
}

}  // namespace gyro::test
