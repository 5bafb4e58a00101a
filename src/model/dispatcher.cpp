#include "model/dispatcher.h"

#include <cmath>

#include "catalog/builders.h"
#include "model/solid_ops.h"

namespace gyro {

namespace {

using Builder = int (*)(Solid&, ShapeId);

// The order of claiming: where two builders know a number, the earlier one builds it.
constexpr Builder kBuilders[] = {
    BuildRegularFamily,  BuildArchimedeanFamily,      BuildCatalanFamily,  BuildSnubCubeFamily,
    BuildSnubDodecahedronFamily, BuildJohnsonFamily, BuildParametricFamily,
};

constexpr ShapeId kKochSurface = 451;

int BuildKochSurface(Solid& solid) {
    const int32_t faces = static_cast<int32_t>(IntPower(6, 7));
    if (!ResizeVertices(solid, faces * 3) || !ResizeFaces(solid, faces)) {
        ClearMesh(solid);
        return 1;
    }
    const double s = solid.params.baseSizeA;
    const double h = std::sqrt(3.0) * s / 2;
    KochSubdivide(solid, {-h, -s / 2, 0}, {h, -s / 2, 0}, {0, s, 0}, 0, 0, 0, 256, 7);
    return 1;
}

}  // namespace

int BuildFigure(Solid& solid, ShapeId figure) {
    ClearMesh(solid);
    solid.zukei = figure;
    solid.patternCount = 1;
    solid.fractalDepthMax = 0;
    solid.nameJa.clear();
    solid.nameEn.clear();
    for (Builder builder : kBuilders) {
        if (int result = builder(solid, figure)) return result;
    }
    if (figure == kKochSurface) return BuildKochSurface(solid);
    return 0;
}

int Rebuild(Solid& solid) { return BuildFigure(solid, solid.zukei); }

int ChangeFigure(AppState& state, ShapeId figure) {
    const int result = BuildFigure(state.solid, figure);
    ClampDisplayToFigure(state);
    return result;
}

void ClampDisplayToFigure(AppState& state) {
    DisplaySettings& display = state.display;
    if (display.orgcolpat < 0 || display.orgcolpat >= state.solid.patternCount) display.orgcolpat = 0;
    if (display.fracn < 0) display.fracn = 0;
    if (state.solid.fractalDepthMax != 0 && state.solid.fractalDepthMax < display.fracn) {
        display.fracn = state.solid.fractalDepthMax;
    }
}

}  // namespace gyro
