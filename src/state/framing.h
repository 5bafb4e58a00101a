#pragma once

#include "model/solid.h"

namespace gyro {

// Every figure is shown whole in the start view: the start orientation, zoom
// and perspective on the 256 x 256 start picture. A figure whose drawn corners,
// built with the start parameters, reach the outermost pixel of that picture
// or beyond is scaled about the centre as a whole (the parts of a combination
// keep their relations) until it stays kFrameMargin pixels inside it. The
// factor belongs to the figure: with another size standard it is scaled by
// the same factor, so the standards keep their ratios, and a figure that fits
// at the start is never scaled. The blob tree, grown from a start point off
// the centre, is first moved so that the middle of its box is the centre.
// Builders keep their published sizes; this is the step between a build and
// the picture (ChangeFigure, Rebuild).
inline constexpr int kFrameMargin = 24;

// The factor (at most 1) that keeps `solid` inside the start picture with
// `margin` pixels to spare; 1 when it already does.
double StartViewScale(const Solid& solid, int margin);

// The figure's factor: 1, or what frames it when built with the start parameters.
double FigureFrameScale(ShapeId figure);

// Centres the blob tree and scales a figure that reaches the border of the
// start picture. Figures whose sizes the user sets (pyramids, prisms, spheres
// and tori) are left as built. Returns the scale applied (1: none).
double FrameForStartView(Solid& solid);

}  // namespace gyro
