#pragma once

#include "model/display_settings.h"
#include "model/solid.h"
#include "render/vector_picture.h"
#include "view/view_state.h"

namespace gyro {

// The frame as it really looks, worked out as shapes rather than pixels: every
// face (both sides, lit with its normal turned toward the viewer, star faces
// filled by the nonzero rule, cut at the eye plane) becomes one fill of its
// visible region (its shape less what other faces put nearer the eye over it;
// the regions do not overlap), then every edge is split into the parts in front
// of all faces (drawn with the visible pen) and the parts behind some face (the
// hidden pen). Segments are never hidden. Each eye is worked out on its own; the right one covers the
// left. Same size and coordinates as DrawVectorPicture.
VectorPicture DrawExactVectorPicture(Solid& solid, ViewState& view, const DisplaySettings& display);

// The frame as shapes in the drawing asked for: exact, or the renderer's stored
// order (DrawVectorPicture). The inside view keeps the stored order: reversing
// the facing test is what shows the inside.
VectorPicture DrawPictureShapes(Solid& solid, ViewState& view, const DisplaySettings& display, bool exact);

}  // namespace gyro
