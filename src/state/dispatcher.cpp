#include "state/dispatcher.h"

#include "catalog/builders.h"
#include "catalog/catalogue.h"
#include "families/families.h"
#include "model/finishing.h"
#include "model/solid_ops.h"

namespace gyro {

namespace {

using Builder = int (*)(Solid&, ShapeId);

// The order of claiming: where two builders know a number, the earlier one builds it.
constexpr Builder kBuilders[] = {
    BuildRegularFamily,  BuildArchimedeanFamily,      BuildCatalanFamily,  BuildSnubCubeFamily,
    BuildSnubDodecahedronFamily, BuildJohnsonFamily, BuildParametricFamily, BuildKochSurface,
};

// A derived figure (a catalogue row with a finishing operation) is its base
// built in full and finished; anything else goes to the first builder that
// claims the number. Derived figures may stand on derived figures.
int BuildMesh(Solid& solid, ShapeId figure, int depth) {
    const FigureInfo* info = FindFigure(figure);
    if (info != nullptr && info->finish.op != FinishOp::None) {
        // A row that names itself, directly or through others, would never end.
        if (depth > 8 || info->base == figure) return 0;
        const int result = BuildMesh(solid, info->base, depth + 1);
        if (result == 0) return 0;
        ApplyFinishing(solid, info->finish);
        WriteFigureNames(solid, figure);
        return result;
    }
    for (Builder builder : kBuilders) {
        if (int result = builder(solid, figure)) return result;
    }
    return 0;
}

}  // namespace

int BuildFigure(Solid& solid, ShapeId figure) {
    ClearMesh(solid);
    solid.zukei = figure;
    solid.patternCount = 1;
    solid.fractalDepthMax = 0;
    solid.nameJa.clear();
    solid.nameEn.clear();
    return BuildMesh(solid, figure, 0);
}

void InitSolid(Solid& solid) {
    solid.params = BuildParams{};
    ClearMesh(solid);
    ResetPalette(solid);
    solid.fractalRatio = 0.0;
    solid.fractalTopIndex = 0;
    BuildFigure(solid, 5);
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
