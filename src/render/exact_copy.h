#pragma once

#include "model/vec3.h"
#include "render/projection.h"
#include "render/render_frame.h"
#include "render/surface.h"

namespace gyro {

// Exact drawing: every pixel shows the surface nearest the eye along its ray (the
// farthest with the inside view), decided per pixel by a depth buffer in the
// surface. Faces are two-sided and fill by the nonzero rule; an edge pixel takes
// the visible-line pen where nothing nearer covers it and the hidden-line pen
// where something does.
//
// Depth keys: with perspective 1 / t for the ray eye + t (q - eye) through the
// view-plane point q, which is 1 / (1 - z / D) at a view-space point of depth z and
// linear over the view plane on every plane; without it the view-space depth z.
// Keys grow toward the eye, and are negated for the inside view.

// The depth plane, in pixels of `eye`'s image, of the plane through view-space
// point `p` with normal `n`; false when the plane is seen edge-on (or passes
// through the eye), so that it covers no pixel centre to speak of.
bool MakeDepthPlane(const Projection& projection, const CopyProjector& copy, int eye, bool inside, Vec3 n, Vec3 p,
                    DepthPlane& out);

// Makes scratch.faceEdges the face edges of `solid`, each once; worked out again
// only when the faces' corners changed (checked by a hash of them).
void KeepFaceEdges(const Solid& solid, RenderScratch& scratch);

// Draws the current copy, already projected into ctx.scratch for ctx.eye, on a
// surface whose depth was cleared for this eye: the faces into the depth buffer
// (filled in the filled modes); its edges and segments are added to the eye's
// lines (ctx.scratch.depthLines), drawn by DrawExactLines. `allPixels`: every vertex of the copy has a pixel (with perspective,
// faces reaching behind the eye are otherwise cut at the eye plane).
void DrawCopyExact(Surface& surface, RenderContext& ctx, bool allPixels);

// Draws the lines of every copy drawn for the eye, once all their faces are in:
// each line's pixels behind something with the hidden-line pen, then those in
// front with the visible-line pen over them (the pens change sides in the inside
// view). A fractal's hidden lines thus show alike whatever the order of its copies.
void DrawExactLines(Surface& surface, RenderContext& ctx);

}  // namespace gyro
