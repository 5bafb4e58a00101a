#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "model/display_settings.h"
#include "model/solid.h"
#include "view/view_state.h"
#include "render/projection.h"
#include "render/surface.h"

namespace gyro {

// Pens (render/surface.h) and brushes are plain values; "none" draws nothing.
struct Brush {
    bool none = true;
    Colour colour = 0;
};

// Bits of a DrawFace call's mode.
inline constexpr int kDrawReversed = 1;     // facing test with the opposite sign
inline constexpr int kDrawOutlineOnly = 2;  // never filled

// Everything a frame derives once from the display settings.
struct FrameStyle {
    int facecolmode = 2;  // effective values: stray modes already mapped
    int penbold = 1;
    int hiddenWidthMode = 1;  // `urapenbold` with "same as visible lines" resolved
    bool rezerse = false;
    Colour background = 0;
    Colour line = 0;
    Colour hidden = 0;
    Pen visiblePen;
    Pen hiddenPen;
};

FrameStyle MakeFrameStyle(const DisplaySettings& d, const Solid& solid);

// Buffers reused from frame to frame so that drawing allocates nothing once they
// have grown to the current figure. One set per thread (the viewer draws on one).
// Meshes up to this many vertices keep each copy's view-space points.
inline constexpr size_t kViewCacheVertices = 4096;

// An edge of the faces of a solid: from vertex a to b, as face faceA has it, and
// the other face that has it (-1 when none; an edge of more faces is listed again
// for each further pair).
struct FaceEdge {
    int32_t a = 0;
    int32_t b = 0;
    int32_t faceA = 0;
    int32_t faceB = -1;
};

struct RenderScratch {
    std::vector<Point> screen;              // vertex pixels of the current copy and eye
    std::vector<Vec3> view;                 // their view-space points (small meshes only)
    std::vector<PlanePoint> plane;          // and their view-plane points (every mesh)
    std::vector<int8_t> sides;              // facing result per face of the current copy
    std::vector<Point> points;              // corners of the face being drawn
    std::vector<int32_t> counts;            // its polygon sizes
    std::vector<int32_t> order;             // copy order of a fractal figure
    std::vector<std::pair<double, int32_t>> orderKeys;
    // Exact drawing only:
    std::vector<float> keys;                // depth key of every vertex of the current copy
    std::vector<Vec3> clipView;             // a face cut at the eye plane: its view-space points
    std::vector<Vec3> clipOut;
    std::vector<Point> clipPoints;          // and their pixels
    std::vector<int32_t> clipCounts;
    // The solid's face edges, each once, for the mesh whose corners hash to faceEdgesKey.
    std::vector<FaceEdge> faceEdges;
    uint64_t faceEdgesKey = 0;
    bool faceEdgesKept = false;
    std::vector<DepthLine> depthLines;          // the edges of the current copy
    std::vector<std::pair<float, int32_t>> fillOrder;  // its faces, nearest first
    std::vector<uint32_t> orderBuckets;                // a large copy's faces counted by depth band
    std::vector<std::pair<float, int32_t>> orderSpare;  // and put in order here
};

// One frame in progress.
struct RenderContext {
    Solid& solid;  // fractalTopIndex is written while a fractal is drawn
    const DisplaySettings& display;
    Projection projection;
    FrameStyle style;
    Vec3 light;
    int topLevel = 0;  // `fracn`, kept within the figure's depth limit
    RenderScratch& scratch;
    CopyProjector copy = {};  // the copy and eye being drawn
    const Vec3* viewCache = nullptr;  // view-space points of its vertices, when kept
    const PlanePoint* planeCache = nullptr;  // their view-plane points, kept alongside
    // The surface keeps only pixels: calls that cannot change the finished
    // picture may be left out (Surface::NeedsEveryCall).
    bool onlyPixels = false;
    bool cornersInRange = false;      // every face's corners name vertices (worked out for fractals)
    bool allCornersDrawable = false;  // and every vertex of the current copy has a pixel
    bool tinyCopies = false;          // copies within 2 x 2 pixels may take the short way
    int32_t width = 0;  // the surface's size
    int32_t height = 0;
    // Exact drawing: a depth buffer decides what covers what (render/exact_copy.h).
    bool exact = false;
    uint32_t idBase = 0;  // face ids of the current copy start after this
    int eye = 0;          // the eye being drawn
};

// The facing test of one face in the current copy, shared by the three passes.
struct FaceView {
    bool drawable = false;  // every corner has an image and the face has at least two; on a surface
                            // that keeps only pixels, also not all on one pixel (nothing to draw)
    double k = 0.0;         // FacingValue of the three distinct corners (NaN: never drawn)
    CornerTriple corners;
    Vec3 normal;            // CornerNormal of the same corners (view space); may be left 0 unless the
                            // face is filled (filled modes, facing the fill pass's way)
};

// Sizes the drawing area and the back buffer alike, each side within
// kMinViewSide..kMaxViewSide; the pixels are undefined until the next frame. False, with
// no buffer, when memory ran out.
bool CreateBackBuffer(Solid& solid, DisplaySettings& display, int32_t width, int32_t height);

// Draws one frame into the back buffer; nothing when there is no buffer yet.
// False when the frame found no memory for its working arrays (a huge mesh on a
// full machine): the picture is then the background alone, and the next frame
// tries again.
bool RenderFrame(Solid& solid, ViewState& view, DisplaySettings& display);
// Draws one frame onto any surface of the drawing area's size; false as above.
bool RenderFrame(Solid& solid, ViewState& view, const DisplaySettings& display, Surface& surface);

// One copy of the solid (offset, scale) for one eye, recursing for fractal figures.
void DrawSolidCopy(Surface& surface, RenderContext& ctx, Vec3 offset, double scale, int eye, int level);

// Facing test of a face against the projected vertices of the current copy.
FaceView ViewFace(const RenderContext& ctx, const Face& face);

// One face of the current copy with `pen`; `view` from ViewFace for the same copy and eye.
void DrawFace(Surface& surface, RenderContext& ctx, const Face& face, int32_t faceIndex, int drawmode,
              const FaceView& view, const Pen& pen);

// The fill colour of a face of the current copy lit with the view-space normal `normal`.
Colour FaceFillColour(const RenderContext& ctx, const Face& face, int32_t faceIndex, Vec3 normal);

// What a fill of these corners can set on a w x h surface. A pixel is filled
// only when its centre lies inside the shape, so a shape with all its corners
// on one row, or wholly at or beyond a border, fills none; one with its corners
// within a 2 x 2 block of pixels can fill only the block's top-left pixel, which
// is written to `corner`.
enum class FillReach { kNothing, kOnePixel, kAny };
FillReach ReachOfFill(const Point* points, int32_t n, int32_t w, int32_t h, Point& corner);

// One segment of the current copy with `pen`; segments are never hidden.
void DrawSegment(Surface& surface, const RenderContext& ctx, int32_t a, int32_t b, const Pen& pen);

}  // namespace gyro
