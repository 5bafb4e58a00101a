#include "render/render_frame.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>

#include "render/colouring.h"
#include "render/lighting.h"
#include "render/raster_surface.h"
#include "view/view_state.h"

namespace gyro {

namespace {

// The frame's buffers live here rather than in the application state: they hold
// nothing worth saving or copying, and one set per thread keeps RenderFrame safe to
// call from a test or benchmark thread as well as from the window's.
RenderScratch& FrameScratch() {
    thread_local RenderScratch scratch;
    return scratch;
}

// Grows a buffer to n entries; gives the memory back after a change from a huge
// figure to a small one. Either way this allocates only when the figure changed.
template <class T>
void FitBuffer(std::vector<T>& v, size_t n) {
    if (v.capacity() > 4 * n && v.capacity() > (size_t{1} << 16)) std::vector<T>().swap(v);
    v.resize(n);
}

// Facing results kept between the passes of one copy.
enum : int8_t { kSideNone = 0, kSideFront = 1, kSideEdgeOn = 2, kSideBack = 3, kSideNever = 4 };

int8_t SideOf(const FaceView& v) {
    if (!v.drawable) return kSideNone;
    if (v.k > 0) return kSideFront;
    if (v.k == 0) return kSideEdgeOn;
    if (v.k < 0) return kSideBack;
    return kSideNever;
}

FaceView ViewOfSide(int8_t side) {
    FaceView v;
    v.drawable = side != kSideNone;
    switch (side) {
        case kSideFront: v.k = 1; break;
        case kSideBack: v.k = -1; break;
        case kSideNever: v.k = std::numeric_limits<double>::quiet_NaN(); break;
        default: v.k = 0; break;
    }
    return v;
}

Pen MakePen(int widthMode, Colour colour) {
    if (widthMode == kLineNone) return Pen{};
    return Pen{false, colour, widthMode == kLineThick ? 3 : 1};
}

}  // namespace

FrameStyle MakeFrameStyle(const DisplaySettings& d, const Solid& solid) {
    FrameStyle s;
    s.facecolmode = EffectiveFaceColMode(d.facecolmode);
    s.penbold = EffectivePenBold(d.penbold);
    s.hiddenWidthMode = HiddenWidthMode(d);
    s.rezerse = d.rezerse != 0;
    s.background = BackgroundColour(d);
    s.line = LineColour(d);
    s.hidden = HiddenColour(d);
    // With "no lines" a solid that has segments still shows them, one pixel wide,
    // and with them its face outlines in the fill pass.
    if (s.penbold == kLineNone && solid.segmentCount() > 0) {
        s.visiblePen = Pen{false, s.line, 1};
    } else {
        s.visiblePen = MakePen(s.penbold, s.line);
    }
    s.hiddenPen = MakePen(s.hiddenWidthMode, s.hidden);
    return s;
}

bool CreateBackBuffer(Solid& solid, DisplaySettings& display, int32_t width, int32_t height) {
    // The drawing area and the buffer keep the same size, within what we allocate.
    width = std::clamp(width, kMinViewSide, kMaxViewSide);
    height = std::clamp(height, kMinViewSide, kMaxViewSide);
    solid.params.viewx = width;
    solid.params.viewy = height;
    return ResizeBackBuffer(display.backBuffer, width, height);
}

FaceView ViewFace(const RenderContext& ctx, const Face& face) {
    FaceView view;
    const int32_t total = TotalCorners(face);
    if (total < 2 || face.corners.size() < static_cast<size_t>(total)) return view;
    const Point* screen = ctx.scratch.screen.data();
    const size_t vertexCount = ctx.scratch.screen.size();
    const int32_t* c = face.corners.data();
    for (int32_t i = 0; i < total; ++i) {
        const auto index = static_cast<size_t>(static_cast<uint32_t>(c[i]));
        if (index >= vertexCount || screen[index].x == kNoPixel) return view;
    }
    view.drawable = true;
    if (ctx.style.facecolmode == kFaceTransparent) return view;  // no facing test: every face is drawn

    // The distinct corners by their view-space points, computed as the search needs them.
    const CopyProjector& copy = ctx.copy;
    const std::vector<Vec3>& v = ctx.solid.vertices;
    CornerTriple& t = view.corners;
    const Vec3 s0 = copy.View(v[c[0]]);
    Vec3 s1 = s0;
    int32_t i = 1;
    for (; i < total; ++i) {
        if (c[i] == c[0]) continue;
        s1 = copy.View(v[c[i]]);
        if (!(s1 == s0)) break;
    }
    Vec3 s2 = s1;
    if (i < total) {
        t.i1 = t.i2 = i;
        for (++i; i < total; ++i) {
            if (c[i] == c[t.i1]) continue;
            const Vec3 s = copy.View(v[c[i]]);
            if (!(s == s1)) {
                s2 = s;
                t.i2 = i;
                break;
            }
        }
    }
    view.normal = CornerNormal(s0, s1, s2);
    PlanePoint q0, q1, q2;
    copy.Plane(s0, q0);  // cannot fail: every corner has a pixel
    copy.Plane(s1, q1);
    copy.Plane(s2, q2);
    view.k = FacingValue(q0, q1, q2);
    return view;
}

void DrawFace(Surface& surface, RenderContext& ctx, const Face& face, int32_t faceIndex, int drawmode,
              const FaceView& view, const Pen& pen) {
    if (!view.drawable) return;
    const FrameStyle& style = ctx.style;
    if (style.facecolmode >= kFaceOpaque && !FacesViewer(view.k, (drawmode & kDrawReversed) != 0)) return;

    const int32_t* c = face.corners.data();
    Brush brush;
    if (!(drawmode & kDrawOutlineOnly) && style.facecolmode >= kFaceGrey) {
        const Vec3 n = view.normal;
        const double length = Length(n);
        if (length > 0) {  // a face without area is never filled
            const Colour base = FaceBaseColour(face, faceIndex, ctx.solid, ctx.display);
            brush = Brush{false, ShadeColour(ctx.display, base, FaceBrightness(ctx.display, ctx.light, n, length))};
        }
    }
    if (brush.none && pen.none) return;

    const int32_t size = face.polygonSize;
    const int32_t polygons = face.polygonCount;
    const int32_t total = size * polygons;
    RenderScratch& scratch = ctx.scratch;
    if (scratch.points.size() < static_cast<size_t>(total)) scratch.points.resize(static_cast<size_t>(total));
    Point* points = scratch.points.data();
    const Point* screen = scratch.screen.data();
    for (int32_t i = 0; i < total; ++i) points[i] = screen[c[i]];

    if (!brush.none) {
        if (scratch.counts.size() < static_cast<size_t>(polygons)) scratch.counts.resize(static_cast<size_t>(polygons));
        std::fill_n(scratch.counts.begin(), polygons, size);
        surface.FillPolygons(points, scratch.counts.data(), polygons, brush.colour);
    }
    if (!pen.none) {
        for (int32_t k = 0; k < polygons; ++k) {
            const Point* poly = points + static_cast<std::ptrdiff_t>(k) * size;
            for (int32_t j = 0; j + 1 < size; ++j) surface.DrawLine(poly[j], poly[j + 1], pen.width, pen.colour);
            surface.DrawLine(poly[size - 1], poly[0], pen.width, pen.colour);
        }
    }
}

void DrawSegment(Surface& surface, const RenderContext& ctx, int32_t a, int32_t b, const Pen& pen) {
    if (pen.none) return;
    const std::vector<Point>& screen = ctx.scratch.screen;
    const auto ia = static_cast<size_t>(static_cast<uint32_t>(a));
    const auto ib = static_cast<size_t>(static_cast<uint32_t>(b));
    if (ia >= screen.size() || ib >= screen.size() || screen[ia].x == kNoPixel || screen[ib].x == kNoPixel) return;
    surface.DrawLine(screen[ia], screen[ib], pen.width, pen.colour);
}

void DrawSolidCopy(Surface& surface, RenderContext& ctx, Vec3 offset, double scale, int eye, int level) {
    Solid& solid = ctx.solid;
    RenderScratch& scratch = ctx.scratch;
    if (solid.fractalDepthMax != 0 && level > 0) {
        // A copy of the whole figure at every vertex, farthest first.
        const double ratio = solid.fractalRatio;
        for (const int32_t v : scratch.order) {
            if (level == ctx.topLevel) solid.fractalTopIndex = v;
            const Vec3 childOffset = solid.vertices[v] * scale * (1 - ratio) + offset;
            DrawSolidCopy(surface, ctx, childOffset, scale * ratio, eye, level - 1);
        }
        return;
    }

    ctx.copy = MakeCopyProjector(ctx.projection, scale, offset, eye);
    ProjectVertices(ctx.copy, ctx.projection, eye, solid.vertices, scratch.screen.data());

    const FrameStyle& style = ctx.style;
    const int32_t faceCount = solid.faceCount();
    const bool facingTest = style.facecolmode >= kFaceOpaque;
    const Pen& fillPen = style.rezerse ? style.hiddenPen : style.visiblePen;
    const int fillMode = style.rezerse ? kDrawReversed : 0;
    for (int32_t i = 0; i < faceCount; ++i) {
        const Face& face = solid.faces[i];
        const FaceView view = ViewFace(ctx, face);
        if (facingTest) scratch.sides[i] = SideOf(view);
        DrawFace(surface, ctx, face, i, fillMode, view, fillPen);
    }
    for (const Segment& s : solid.segments) DrawSegment(surface, ctx, s.a, s.b, fillPen);

    if (faceCount == 0 || !facingTest) return;

    // Back edges over the filled front faces, then the front edges over those.
    if (style.hiddenWidthMode != kLineNone && !(style.penbold == kLineNone && style.rezerse)) {
        for (int32_t i = 0; i < faceCount; ++i) {
            const int8_t side = scratch.sides[i];
            if (side == kSideBack || side == kSideEdgeOn) {  // decided here, without touching the face
                DrawFace(surface, ctx, solid.faces[i], i, kDrawReversed | kDrawOutlineOnly, ViewOfSide(side),
                         style.hiddenPen);
            }
        }
    }
    if (style.penbold == kLineNone) return;
    if (style.hiddenWidthMode == kLineNone && !style.rezerse) return;  // the fill pass drew them last already
    for (int32_t i = 0; i < faceCount; ++i) {
        const int8_t side = scratch.sides[i];
        if (side == kSideFront || side == kSideEdgeOn) {
            DrawFace(surface, ctx, solid.faces[i], i, kDrawOutlineOnly, ViewOfSide(side), style.visiblePen);
        }
    }
}

void RenderFrame(Solid& solid, ViewState& view, DisplaySettings& display) {
    BackBuffer& buffer = display.backBuffer;
    if (!buffer.exists()) return;
    // The surface keeps its edge lists between frames, so it lives as long as the
    // thread and is made anew only for another buffer.
    thread_local std::optional<RasterSurface> surface;
    thread_local const BackBuffer* target = nullptr;
    if (!surface || target != &buffer) {
        surface.emplace(buffer);
        target = &buffer;
    }
    RenderFrame(solid, view, display, *surface);
}

void RenderFrame(Solid& solid, ViewState& view, const DisplaySettings& display, Surface& surface) {
    const FrameStyle style = MakeFrameStyle(display, solid);
    surface.FillRect(0, 0, solid.params.viewx, solid.params.viewy, style.background);

    if (view.autoroton) SetAutoRotationAxes(view);

    RenderScratch& scratch = FrameScratch();
    const int depthMax = solid.fractalDepthMax;
    // A depth beyond the figure's limit (from a settings file) would multiply the
    // copies without end; the limit holds here too.
    const int topLevel = depthMax > 0 ? std::clamp<int>(display.fracn, 0, depthMax) : 0;
    RenderContext ctx{solid,      display, MakeProjection(view, display, solid.params),
                      style,      LightVector(display), topLevel, scratch};

    if (topLevel > 0) {
        OrderCopies(ctx.projection, solid, scratch.order, scratch.orderKeys);
    } else {
        scratch.order.clear();
    }
    solid.fractalTopIndex = 0;
    FitBuffer(scratch.screen, solid.vertices.size());
    FitBuffer(scratch.sides, solid.faces.size());

    const int firstEye = display.stereoon ? -1 : 0;
    const int lastEye = display.stereoon ? 1 : 0;
    for (int eye = firstEye; eye <= lastEye; eye += 2) {
        DrawSolidCopy(surface, ctx, {}, 1.0, eye, topLevel);
        if (display.ctpix) {
            // The centre of this eye's image, on top of it.
            const int64_t x = ctx.projection.hx + int64_t{eye} * ctx.projection.stereodist;
            surface.SetPixel(static_cast<int32_t>(std::clamp(x, -kPixelLimit, kPixelLimit)), ctx.projection.hy,
                             style.line);
        }
    }
}

}  // namespace gyro
