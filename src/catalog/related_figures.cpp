#include "catalog/related_figures.h"

#include "catalog/catalogue.h"

namespace gyro {

namespace {

bool IsMirror(FinishOp op) { return op == FinishOp::MirrorThroughCentre || op == FinishOp::MirrorX; }

// J44-J48 and their mirror images are separate builders, 50 numbers apart.
constexpr ShapeId kJohnsonMirrorOffset = 50;

ShapeId MirrorOf(ShapeId figure) {
    const FigureInfo* info = FindFigure(figure);
    if (info == nullptr) return 0;
    if (info->family == FigureFamily::JohnsonMirror) return static_cast<ShapeId>(figure - kJohnsonMirrorOffset);
    if (IsMirror(info->finish.op)) return info->base;
    for (const FigureInfo& row : AllFigures()) {
        if (row.base == figure && IsMirror(row.finish.op)) return row.number;
        if (row.family == FigureFamily::JohnsonMirror && row.number - kJohnsonMirrorOffset == figure) return row.number;
    }
    // The dual of a mirror image is the mirror image of the dual.
    if (info->finish.op == FinishOp::Dual) {
        const ShapeId baseMirror = MirrorOf(info->base);
        if (baseMirror == 0) return 0;
        for (const FigureInfo& row : AllFigures()) {
            if (row.finish.op == FinishOp::Dual && row.base == baseMirror) return row.number;
        }
    }
    return 0;
}

}  // namespace

CatalogueRelations RelatedFigures(ShapeId figure) {
    CatalogueRelations related;
    const FigureInfo* info = FindFigure(figure);
    if (info == nullptr) return related;
    if (info->finish.op != FinishOp::None) related.base = info->base;
    if (info->finish.op == FinishOp::Dual) related.dual = info->base;
    if (info->finish.op == FinishOp::CompoundWith) related.partner = info->finish.partner;
    for (const FigureInfo& row : AllFigures()) {
        if (row.finish.op == FinishOp::Dual && row.base == figure && related.dual == 0) related.dual = row.number;
        if (row.finish.op != FinishOp::CompoundWith) continue;
        if (row.base == figure || row.finish.partner == figure) {
            if (related.compoundWithDual == 0) related.compoundWithDual = row.number;
            if (related.dual == 0) related.dual = row.base == figure ? row.finish.partner : row.base;
        }
    }
    related.mirror = MirrorOf(figure);
    return related;
}

}  // namespace gyro
