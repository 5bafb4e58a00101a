#include "render/render_frame.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <new>
#include <optional>

#include "render/colouring.h"
#include "render/exact_copy.h"
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

// The box of the pixels of a copy's vertices, and whether every vertex has one.
struct PixelBox {
    int32_t minX = std::numeric_limits<int32_t>::max();
    int32_t minY = std::numeric_limits<int32_t>::max();
    int32_t maxX = std::numeric_limits<int32_t>::min();
    int32_t maxY = std::numeric_limits<int32_t>::min();
    bool any = false;
    bool allPixels = true;
};

PixelBox BoxOf(const std::vector<Point>& screen) {
    // Locals, so that the loop keeps them in registers.
    int32_t minX = std::numeric_limits<int32_t>::max(), minY = minX;
    int32_t maxX = std::numeric_limits<int32_t>::min(), maxY = maxX;
    bool allPixels = true;
    for (const Point& p : screen) {
        if (p.x == kNoPixel) {
            allPixels = false;
            continue;
        }
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    return {minX, minY, maxX, maxY, minX <= maxX, allPixels};
}

// False when nothing of a copy whose vertices have these pixels can reach a
// w x h surface. Faces and segments are drawn only between vertices that have
// pixels; fills stay within the box of their corners, one-pixel lines within
// the box of their ends and three-pixel lines within one pixel beyond it. When
// every vertex falls on one pixel, every line has equal ends and draws nothing,
// and every fill has all its corners on one row.
bool CopyCanSetPixels(const PixelBox& box, int32_t w, int32_t h) {
    if (!box.any || (box.minX == box.maxX && box.minY == box.maxY)) return false;
    return box.maxX >= -1 && box.maxY >= -1 && box.minX <= w && box.minY <= h;
}

// True when every corner of every face with two corners or more names a vertex.
bool CornersInRange(const Solid& solid) {
    const auto n = static_cast<uint32_t>(solid.vertexCount());
    for (const Face& face : solid.faces) {
        const int32_t total = TotalCorners(face);
        if (total < 2 || face.corners.size() < static_cast<size_t>(total)) continue;  // never drawn
        for (int32_t i = 0; i < total; ++i) {
            if (static_cast<uint32_t>(face.corners[i]) >= n) return false;
        }
    }
    return true;
}

Pen MakePen(int widthMode, Colour colour) {
    if (widthMode == kLineNone) return Pen{};
    return Pen{false, colour, widthMode == kLineThick ? 3 : 1};
}

}  // namespace

FillReach ReachOfFill(const Point* points, int32_t n, int32_t w, int32_t h, Point& corner) {
    if (n < 3) return FillReach::kNothing;
    int32_t minX = points[0].x, maxX = points[0].x, minY = points[0].y, maxY = points[0].y;
    for (int32_t i = 1; i < n; ++i) {
        minX = std::min(minX, points[i].x);
        maxX = std::max(maxX, points[i].x);
        minY = std::min(minY, points[i].y);
        maxY = std::max(maxY, points[i].y);
    }
    if (!(minY < maxY && maxX > 0 && maxY > 0 && minX < w && minY < h)) return FillReach::kNothing;
    if (maxX - minX <= 1 && maxY - minY <= 1 && minX >= 0 && minY >= 0) {
        corner = {minX, minY};
        return FillReach::kOnePixel;
    }
    return FillReach::kAny;
}

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
    // On a surface that keeps only pixels, a face with all its corners on one
    // pixel draws nothing: lines between equal ends set no pixel, and a fill
    // with all its corners on one row fills none.
    bool onePixel = ctx.onlyPixels;
    if (!ctx.allCornersDrawable) {
        const auto first = static_cast<size_t>(static_cast<uint32_t>(c[0]));
        if (first >= vertexCount) return view;
        const Point p = screen[first];
        for (int32_t i = 0; i < total; ++i) {
            const auto index = static_cast<size_t>(static_cast<uint32_t>(c[i]));
            if (index >= vertexCount || screen[index].x == kNoPixel) return view;
            onePixel = onePixel && screen[index].x == p.x && screen[index].y == p.y;
        }
    } else if (onePixel) {
        const Point p = screen[c[0]];
        for (int32_t i = 1; i < total && onePixel; ++i) onePixel = screen[c[i]].x == p.x && screen[c[i]].y == p.y;
    }
    if (onePixel) return view;
    view.drawable = true;
    if (ctx.style.facecolmode == kFaceTransparent) return view;  // no facing test: every face is drawn

    const CopyProjector& copy = ctx.copy;
    const std::vector<Vec3>& v = ctx.solid.vertices;
    const Vec3* cache = ctx.viewCache;
    const PlanePoint* planes = ctx.planeCache;
    if (cache == nullptr && planes != nullptr && total >= 3) {
        // A large mesh keeps only the view-plane points. When corners 0 and 1 and
        // corners 1 and 2 have different view-plane points, they have different
        // view-space points as well, so the search below would take corners 0, 1
        // and 2: the facing test needs no view-space point, and the normal is
        // worked out only for a face the fill pass fills.
        const PlanePoint q0 = planes[c[0]], q1 = planes[c[1]], q2 = planes[c[2]];
        if (!(q1.x == q0.x && q1.y == q0.y) && !(q2.x == q1.x && q2.y == q1.y)) {
            view.corners = {0, 1, 2};
            view.k = FacingValue(q0, q1, q2);
            if (ctx.style.facecolmode >= kFaceGrey && FacesViewer(view.k, ctx.style.rezerse))
                view.normal = CornerNormal(copy.View(v[c[0]]), copy.View(v[c[1]]), copy.View(v[c[2]]));
            return view;
        }
    }

    // The distinct corners by their view-space points, computed as the search needs
    // them, or read from the copy's cache where ProjectVertices kept them.
    auto viewOf = [&](int32_t corner) { return cache != nullptr ? cache[c[corner]] : copy.View(v[c[corner]]); };
    CornerTriple& t = view.corners;
    const Vec3 s0 = viewOf(0);
    Vec3 s1 = s0;
    int32_t k1 = 0;  // the corners whose points s1 and s2 hold
    int32_t i = 1;
    for (; i < total; ++i) {
        if (c[i] == c[0]) continue;
        s1 = viewOf(i);
        k1 = i;
        if (!(s1 == s0)) break;
    }
    Vec3 s2 = s1;
    int32_t k2 = k1;
    if (i < total) {
        t.i1 = t.i2 = i;
        for (++i; i < total; ++i) {
            if (c[i] == c[t.i1]) continue;
            const Vec3 s = viewOf(i);
            if (!(s == s1)) {
                s2 = s;
                k2 = i;
                t.i2 = i;
                break;
            }
        }
    }
    view.normal = CornerNormal(s0, s1, s2);
    PlanePoint q0, q1, q2;
    if (cache != nullptr && ctx.planeCache != nullptr) {
        // The view-plane points ProjectVertices worked out from the same view-space points.
        q0 = ctx.planeCache[c[0]];
        q1 = ctx.planeCache[c[k1]];
        q2 = ctx.planeCache[c[k2]];
    } else {
        copy.Plane(s0, q0);  // cannot fail: every corner has a pixel
        copy.Plane(s1, q1);
        copy.Plane(s2, q2);
    }
    view.k = FacingValue(q0, q1, q2);
    return view;
}

Colour FaceFillColour(const RenderContext& ctx, const Face& face, int32_t faceIndex, Vec3 normal) {
    const Colour base = FaceBaseColour(face, faceIndex, ctx.solid, ctx.display);
    return ShadeColour(ctx.display, base, FaceBrightness(ctx.display, ctx.light, normal, Length(normal)));
}

namespace {

// Whether a copy may be drawn by DrawTinyCopy: the frame's passes are the fill
// pass without lines, then the hidden and the visible edges, each one pixel wide.
// In stored order it is a shortcut that only a surface keeping pixels may take;
// in exact drawing it is how a copy that small is drawn on any surface.
bool TinyCopiesPossible(const RenderContext& ctx) {
    const FrameStyle& style = ctx.style;
    return (ctx.onlyPixels || ctx.exact) && ctx.cornersInRange && ctx.solid.segments.empty() &&
           style.facecolmode >= kFaceOpaque && !style.rezerse && style.penbold == kLineThin &&
           style.hiddenWidthMode == kLineThin;
}

// Draws a copy whose vertices all have pixels within one 2 x 2 block inside the
// surface, giving exactly the pixels of the three passes in DrawSolidCopy (under
// the conditions of TinyCopiesPossible) with far less work:
// - a one-pixel line between corners at most one pixel apart sets its first
//   pixel only, so an outline sets each of its corners' pixels when it has two
//   different ones, and nothing otherwise;
// - a fill of corners within the block can only set its top-left pixel.
// The visible edges come last, the hidden ones before them and the fills first,
// so a pixel takes the visible line colour when it is a corner of an outlined
// face turned towards the viewer (or edge-on), else the hidden line colour when
// it is one of a face turned away, else the colour of the last face whose fill
// covers it.
[[gnu::noinline]] void DrawTinyCopy(Surface& surface, RenderContext& ctx, const PixelBox& box) {
    const Solid& solid = ctx.solid;
    // Exact drawing puts the copy at the depth of its centre: at this size its
    // pixels can only be in front of or behind another copy's as a whole.
    const float key = ctx.exact ? static_cast<float>(ctx.copy.DepthKey(ctx.copy.View({}))) : 0.0f;
    auto put = [&](int32_t x, int32_t y, Colour colour) {
        if (ctx.exact)
            surface.SetPixelDepth(x, y, key, ctx.idBase + 1, colour);
        else
            surface.SetPixel(x, y, colour);
    };
    const Point* screen = ctx.scratch.screen.data();
    const int32_t faceCount = solid.faceCount();
    auto bitOf = [&box](Point p) { return 1u << ((p.y - box.minY) * 2 + (p.x - box.minX)); };
    uint32_t front = 0;   // pixels of the visible edges
    uint32_t hidden = 0;  // pixels of the hidden edges
    for (int32_t i = 0; i < faceCount; ++i) {
        const Face& face = solid.faces[i];
        const int32_t size = face.polygonSize;
        const int32_t total = TotalCorners(face);
        if (total < 2 || face.corners.size() < static_cast<size_t>(total)) continue;  // never drawn
        uint32_t outline = 0;  // the pixels this face's outlines set
        const int32_t* c = face.corners.data();
        for (int32_t k = 0; k < face.polygonCount; ++k, c += size) {
            uint32_t m = 0;
            for (int32_t j = 0; j < size; ++j) m |= bitOf(screen[c[j]]);
            if ((m & (m - 1)) != 0) outline |= m;  // two different pixels at least
        }
        if ((outline & ~front) == 0) continue;  // nothing this face can change
        const int8_t side = SideOf(ViewFace(ctx, face));
        if (side == kSideFront || side == kSideEdgeOn) front |= outline;
        if (side == kSideBack || side == kSideEdgeOn) hidden |= outline;
    }
    const FrameStyle& style = ctx.style;
    for (uint32_t b = 0; b < 4; ++b) {
        const uint32_t bit = 1u << b;
        const int32_t x = box.minX + static_cast<int32_t>(b & 1);
        const int32_t y = box.minY + static_cast<int32_t>(b >> 1);
        if (front & bit)
            put(x, y, style.visiblePen.colour);
        else if (hidden & bit)
            put(x, y, style.hiddenPen.colour);
    }
    if (style.facecolmode < kFaceGrey || box.maxX == box.minX || box.maxY == box.minY || ((front | hidden) & 1u))
        return;
    // The top-left pixel, drawn by no line: the last fill that covers it wins.
    RenderScratch& scratch = ctx.scratch;
    for (int32_t i = faceCount - 1; i >= 0; --i) {
        const Face& face = solid.faces[i];
        const FaceView view = ViewFace(ctx, face);
        if (!view.drawable || !FacesViewer(view.k, false) || !(Length(view.normal) > 0)) continue;
        const int32_t size = face.polygonSize;
        const int32_t polygons = face.polygonCount;
        const int32_t total = size * polygons;
        if (scratch.points.size() < static_cast<size_t>(total)) scratch.points.resize(static_cast<size_t>(total));
        if (scratch.counts.size() < static_cast<size_t>(polygons)) scratch.counts.resize(static_cast<size_t>(polygons));
        for (int32_t j = 0; j < total; ++j) scratch.points[j] = screen[face.corners[j]];
        std::fill_n(scratch.counts.begin(), polygons, size);
        if (FillCoversPixel(scratch.points.data(), scratch.counts.data(), polygons, box.minX, box.minY)) {
            put(box.minX, box.minY, FaceFillColour(ctx, face, i, view.normal));
            return;
        }
    }
}

}  // namespace

void DrawFace(Surface& surface, RenderContext& ctx, const Face& face, int32_t faceIndex, int drawmode,
              const FaceView& view, const Pen& pen) {
    if (!view.drawable) return;
    const FrameStyle& style = ctx.style;
    if (style.facecolmode >= kFaceOpaque && !FacesViewer(view.k, (drawmode & kDrawReversed) != 0)) return;

    const bool filled = !(drawmode & kDrawOutlineOnly) && style.facecolmode >= kFaceGrey &&
                        Length(view.normal) > 0;  // a face without area is never filled
    if (!filled && pen.none) return;

    const int32_t* c = face.corners.data();
    const int32_t size = face.polygonSize;
    const int32_t polygons = face.polygonCount;
    const int32_t total = size * polygons;
    RenderScratch& scratch = ctx.scratch;
    if (scratch.points.size() < static_cast<size_t>(total)) scratch.points.resize(static_cast<size_t>(total));
    Point* points = scratch.points.data();
    const Point* screen = scratch.screen.data();
    for (int32_t i = 0; i < total; ++i) points[i] = screen[c[i]];

    Point corner;
    const FillReach reach = !filled          ? FillReach::kNothing
                            : ctx.onlyPixels ? ReachOfFill(points, total, ctx.width, ctx.height, corner)
                                             : FillReach::kAny;
    if (reach != FillReach::kNothing) {
        if (scratch.counts.size() < static_cast<size_t>(polygons)) scratch.counts.resize(static_cast<size_t>(polygons));
        std::fill_n(scratch.counts.begin(), polygons, size);
        if (reach == FillReach::kAny) {
            surface.FillPolygons(points, scratch.counts.data(), polygons, FaceFillColour(ctx, face, faceIndex, view.normal));
        } else if (FillCoversPixel(points, scratch.counts.data(), polygons, corner.x, corner.y)) {
            // A face of a pixel or so: whether it covers its one pixel is cheaper to
            // ask than its shading.
            surface.SetPixel(corner.x, corner.y, FaceFillColour(ctx, face, faceIndex, view.normal));
        }
    }
    if (!pen.none) surface.DrawOutlines(points, size, polygons, pen.width, pen.colour);
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
    Vec3* viewCache = scratch.view.empty() ? nullptr : scratch.view.data();
    PlanePoint* planeCache = scratch.plane.empty() ? nullptr : scratch.plane.data();
    ctx.viewCache = viewCache;
    ctx.planeCache = planeCache;
    ProjectVertices(ctx.copy, ctx.projection, eye, solid.vertices, scratch.screen.data(), viewCache, planeCache,
                    ctx.exact ? scratch.keys.data() : nullptr);
    const PixelBox box = BoxOf(scratch.screen);
    const int32_t faceCount = solid.faceCount();
    // In exact drawing each copy has its own face ids, whether drawn or not.
    struct NextIds {
        RenderContext& ctx;
        int32_t faces;
        ~NextIds() { ctx.idBase += static_cast<uint32_t>(faces); }
    } nextIds{ctx, ctx.exact ? faceCount : 0};
    // Exact drawing cuts faces at the eye plane, so a copy that lost vertices
    // there may reach beyond the box of those it kept.
    if (ctx.onlyPixels && !CopyCanSetPixels(box, ctx.width, ctx.height) && (box.allPixels || !ctx.exact)) return;
    // With every vertex on a pixel and every corner a vertex, ViewFace need not look.
    ctx.allCornersDrawable = box.allPixels && ctx.cornersInRange;
    if (ctx.tinyCopies && ctx.allCornersDrawable && box.maxX - box.minX <= 1 && box.maxY - box.minY <= 1 &&
        box.minX >= 0 && box.minY >= 0 && box.maxX < ctx.width && box.maxY < ctx.height) {
        DrawTinyCopy(surface, ctx, box);
        return;
    }
    if (ctx.exact) {
        DrawCopyExact(surface, ctx, box.allPixels);
        return;
    }

    const FrameStyle& style = ctx.style;
    const bool facingTest = style.facecolmode >= kFaceOpaque;
    // The fill pass outlines the faces it fills with the pen of the edge pass
    // that outlines the same faces again after every fill, so on a surface that
    // keeps only pixels its outlines would all be drawn over identically.
    const bool outlinedLater = facingTest && style.penbold != 2 && style.hiddenWidthMode != 2;
    const Pen& fillPen = ctx.onlyPixels && outlinedLater ? Pen{}
                         : style.rezerse                 ? style.hiddenPen
                                                         : style.visiblePen;
    const Pen& segmentPen = style.rezerse ? style.hiddenPen : style.visiblePen;
    const int fillMode = style.rezerse ? kDrawReversed : 0;
    for (int32_t i = 0; i < faceCount; ++i) {
        const Face& face = solid.faces[i];
        const FaceView view = ViewFace(ctx, face);
        if (facingTest) scratch.sides[i] = SideOf(view);
        DrawFace(surface, ctx, face, i, fillMode, view, fillPen);
    }
    for (const Segment& s : solid.segments) DrawSegment(surface, ctx, s.a, s.b, segmentPen);

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

bool RenderFrame(Solid& solid, ViewState& view, DisplaySettings& display) {
    BackBuffer& buffer = display.backBuffer;
    if (!buffer.exists()) return true;
    // The surface keeps its edge lists between frames, so it lives as long as the
    // thread and is made anew only for another buffer.
    thread_local std::optional<RasterSurface> surface;
    thread_local const BackBuffer* target = nullptr;
    if (!surface || target != &buffer) {
        surface.emplace(buffer);
        target = &buffer;
    }
    return RenderFrame(solid, view, display, *surface);
}

namespace {

void DrawFrame(Solid& solid, ViewState& view, const DisplaySettings& display, Surface& surface) {
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
    ctx.onlyPixels = !surface.NeedsEveryCall();
    // A fractal's faces are looked at once for every copy; whether their corners
    // all name vertices is worth knowing once.
    ctx.cornersInRange = topLevel > 0 && CornersInRange(solid);
    ctx.width = surface.Width();
    ctx.height = surface.Height();

    if (topLevel > 0) {
        OrderCopies(ctx.projection, solid, scratch.order, scratch.orderKeys);
    } else {
        scratch.order.clear();
    }
    solid.fractalTopIndex = 0;
    FitBuffer(scratch.screen, solid.vertices.size());
    // A small mesh keeps its view-space and view-plane points for the facing
    // tests; a large one only the view-plane points, and computes the view-space
    // points a filled face needs again (memory traffic costs more there).
    FitBuffer(scratch.view, solid.vertices.size() <= kViewCacheVertices ? solid.vertices.size() : 0);
    FitBuffer(scratch.plane, solid.vertices.size());
    FitBuffer(scratch.sides, solid.faces.size());
    // Exact drawing for every figure the stored order could show wrongly, where the
    // surface keeps a depth; a convex solid is already exact in stored order, and the
    // transparent mode draws every outline in either.
    ctx.exact = display.exactdepth != 0 && !solid.convex && style.facecolmode != kFaceTransparent;
    FitBuffer(scratch.keys, ctx.exact ? solid.vertices.size() : 0);
    if (ctx.exact) KeepFaceEdges(solid, scratch);
    ctx.tinyCopies = TinyCopiesPossible(ctx);

    const int firstEye = display.stereoon ? -1 : 0;
    const int lastEye = display.stereoon ? 1 : 0;
    for (int eye = firstEye; eye <= lastEye; eye += 2) {
        // Each eye's image covers the one before where it has faces, as in stored order.
        if (ctx.exact && !surface.ClearDepth()) {  // no depth on this surface, or no memory for one: stored order
            ctx.exact = false;
            ctx.tinyCopies = TinyCopiesPossible(ctx);
        }
        ctx.idBase = 0;
        ctx.eye = eye;
        scratch.depthLines.clear();
        DrawSolidCopy(surface, ctx, {}, 1.0, eye, topLevel);
        if (ctx.exact) DrawExactLines(surface, ctx);
        if (display.ctpix) {
            // The centre of this eye's image, on top of it.
            const int64_t x = ctx.projection.hx + int64_t{eye} * ctx.projection.stereodist;
            surface.SetPixel(static_cast<int32_t>(std::clamp(x, -kPixelLimit, kPixelLimit)), ctx.projection.hy,
                             style.line);
        }
    }
}

}  // namespace

bool RenderFrame(Solid& solid, ViewState& view, const DisplaySettings& display, Surface& surface) {
    try {
        DrawFrame(solid, view, display, surface);
        return true;
    } catch (const std::bad_alloc&) {
        // The working arrays are given back, and no half-drawn picture is left.
        FrameScratch() = RenderScratch{};
        surface.FillRect(0, 0, solid.params.viewx, solid.params.viewy, MakeFrameStyle(display, solid).background);
        return false;
    }
}

}  // namespace gyro
