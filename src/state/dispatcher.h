#pragma once

#include "state/app_state.h"
#include "model/solid.h"

namespace gyro {

// Empties the solid, resets the per-figure fields and builds `figure`.
// Returns nonzero when some builder claimed the number.
int BuildFigure(Solid& solid, ShapeId figure);

// Every default and the palette, then builds figure 5 (the cube).
void InitSolid(Solid& solid);

// Builds the same figure again after a parameter change, framed for the start
// view (state/framing.h). BuildFigure alone gives the builders' own sizes.
int Rebuild(Solid& solid);

// A new figure chosen by the user: builds and frames it, then brings the colour pattern
// and the fractal depth back into range.
int ChangeFigure(AppState& state, ShapeId figure);

// Keeps `orgcolpat` below the built solid's patternCount and `fracn` within
// 0..fractalDepthMax (when the figure is a fractal); run after every build that
// may have changed those limits.
void ClampDisplayToFigure(AppState& state);

}  // namespace gyro
