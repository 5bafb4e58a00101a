#include "state/dispatcher.h"

#include <string>
#include <string_view>

#include "catalog/builders.h"
#include "catalog/catalogue.h"
#include "families/families.h"
#include "model/face_shape.h"
#include "model/finishing.h"
#include "model/solid_ops.h"
#include "state/framing.h"

namespace gyro {

namespace {

using Builder = int (*)(Solid&, ShapeId);

// The order of claiming: where two builders know a number, the earlier one builds it.
constexpr Builder kBuilders[] = {
    BuildRegularFamily,  BuildArchimedeanFamily,      BuildCatalanFamily,  BuildSnubCubeFamily,
    BuildSnubDodecahedronFamily, BuildJohnsonFamily, BuildParametricFamily, BuildKochSurface,
    BuildBlobTree,
};

int BuildMesh(Solid& solid, ShapeId figure, int depth);

// The part of a name before its first alternative (" /").
std::string_view FirstName(std::string_view name) { return name.substr(0, name.find(" /")); }

// A solid and its dual as one figure. Both parts are built with the target's
// parameters, edge-tangent (conhensez) so that their edges cross; the first
// part's faces carry palette[0] in colour slot 6, the second's palette[1]. A
// part that builds nothing adds nothing, but its (empty) name still counts.
int BuildCompound(Solid& target, ShapeId first, ShapeId second, int depth) {
    Solid part;
    std::string name;
    int result = 0;
    for (int i = 0; i < 2; ++i) {
        const ShapeId figure = i == 0 ? first : second;
        part.params = target.params;
        part.params.conhensez = 1;
        ClearMesh(part);
        part.nameJa.clear();
        part.patternCount = 1;
        part.fractalDepthMax = 0;
        if (BuildMesh(part, figure, depth + 1) != 0) result = 1;
        AppendSolid(target, part, target.params.palette[static_cast<size_t>(i)], -1);
        name += FirstName(part.nameJa);
        name += i == 0 ? "と" : "の複合";
    }
    SetName(target.nameJa, name);
    target.nameEn.clear();
    return result;
}

// A derived figure (a catalogue row with a finishing operation) is its base
// built in full and finished; anything else goes to the first builder that
// claims the number. Derived figures may stand on derived figures.
int BuildMesh(Solid& solid, ShapeId figure, int depth) {
    const FigureInfo* info = FindFigure(figure);
    if (info != nullptr && info->finish.op != FinishOp::None) {
        // A row that names itself, directly or through others, would never end.
        if (depth > 8 || info->base == figure) return 0;
        if (info->finish.op == FinishOp::CompoundWith) {
            return BuildCompound(solid, info->base, info->finish.partner, depth);
        }
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
    ++solid.buildCount;
    ClearMesh(solid);
    solid.zukei = figure;
    solid.patternCount = 1;
    solid.fractalDepthMax = 0;
    solid.nameJa.clear();
    solid.nameEn.clear();
    const int result = BuildMesh(solid, figure, 0);
    MendFaceStarts(solid);
    solid.convex = IsConvexSolid(solid);
    return result;
}

void InitSolid(Solid& solid) {
    solid.params = BuildParams{};
    ClearMesh(solid);
    ResetPalette(solid);
    solid.fractalRatio = 0.0;
    solid.fractalTopIndex = 0;
    BuildFigure(solid, 5);
}

int Rebuild(Solid& solid) {
    const int result = BuildFigure(solid, solid.zukei);
    FrameForStartView(solid);
    return result;
}

int ChangeFigure(AppState& state, ShapeId figure) {
    const int result = BuildFigure(state.solid, figure);
    FrameForStartView(state.solid);
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
