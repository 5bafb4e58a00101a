#include "shell/status_text.h"

#include <cstdio>

#include "shell/frame_step.h"
#include "catalog/catalogue.h"

namespace gyro {

namespace {

bool IsParametricFigure(ShapeId figure) {
    const FigureInfo* info = FindFigure(figure);
    return info != nullptr && info->family == FigureFamily::Parametric;
}

template <typename... Args>
void AddPiece(StatusText& out, int& x, const char* format, Args... args) {
    char buffer[32];
    const int n = std::snprintf(buffer, sizeof buffer, format, args...);
    if (n <= 0) return;
    StatusPiece& piece = out.line1[static_cast<size_t>(out.line1Count++)];
    piece.x = x;
    piece.text.assign(buffer);
    // Every piece is ASCII: one cell per byte.
    x += kStatusCellWidth * static_cast<int>(piece.text.size());
}

}  // namespace

bool NothingToDraw(const Solid& solid) {
    if (!solid.segments.empty()) return false;
    for (const Face& face : solid.faces) {
        if (face.polygonCount > 0 && face.polygonSize > 0 && !face.corners.empty()) return false;
    }
    return true;
}

void FormatStatus(const AppState& state, const ShellState& shell, StatusText& out) {
    const Solid& solid = state.solid;
    const BuildParams& p = solid.params;
    const DisplaySettings& d = state.display;
    out.line1Count = 0;
    int x = 0;
    AddPiece(out, x, "speed:%.0f ", shell.speed * 10);
    if (d.facecolmode == kFaceIntrinsic) AddPiece(out, x, "pat:%d/%d ", d.orgcolpat + 1, int{solid.patternCount});
    if (IsPyramidFamily(solid.zukei)) {
        AddPiece(out, x, "ang:%d/%d ", int{p.conn}, int{p.conpn});
    } else if (IsSphericalFamily(solid.zukei)) {
        AddPiece(out, x, "ang:%d/%d*%d/%d ", int{p.sphn}, int{p.sphpn}, int{p.sphm}, int{p.sphpm});
    } else if (solid.fractalDepthMax != 0) {
        AddPiece(out, x, "level:%d%s", int{d.fracn}, d.fracn == solid.fractalDepthMax ? "(MAX)" : "");
    }
    if (shell.fpson) AddPiece(out, x, "fps:%d ", shell.fps);

    out.nameLabel.x = 0;
    out.nameLabel.text.assign("name:");
    out.name.x = kStatusCellWidth * 5;
    out.name.text.assign(StatusNameText(solid, shell.language));
    out.refusal = !NothingToDraw(solid)             ? Refusal::None
                  : IsPyramidFamily(solid.zukei)   ? Refusal::PyramidFamily
                  : IsSphericalFamily(solid.zukei) ? Refusal::SphericalFamily
                  : IsParametricFigure(solid.zukei) ? Refusal::PrismDialog
                                                   : Refusal::Other;
}

std::string StatusLine1(const StatusText& text) {
    std::string line;
    for (int i = 0; i < text.line1Count; ++i) line += text.line1[static_cast<size_t>(i)].text;
    return line;
}

}  // namespace gyro
