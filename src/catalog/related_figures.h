#pragma once

#include "model/solid.h"

namespace gyro {

// Figures of the catalogue that stand in a named relation to a figure, read
// from the catalogue rows; 0 where the catalogue has none.
struct CatalogueRelations {
    ShapeId dual = 0;              // a row that is this figure's polar dual, or whose dual this is
    ShapeId compoundWithDual = 0;  // a compound of this figure with its dual
    ShapeId base = 0;              // the figure a derived row is built from
    ShapeId partner = 0;           // the second figure of a compound with the dual
    ShapeId mirror = 0;            // a row that is this figure mirrored (or the figure this one mirrors)
};

CatalogueRelations RelatedFigures(ShapeId figure);

}  // namespace gyro
