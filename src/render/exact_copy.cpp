#include "render/exact_copy.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "render/raster_surface.h"

namespace gyro {

namespace {

// Points nearer the eye plane than this (in 1 - z / D) are cut away: a face or
// edge reaching behind the eye is drawn up to there, magnified at most 1000 times.
constexpr double kNearest = 1e-3;

// Marks for the edge passes, per face of the current copy.
enum : int8_t { kSkip = 0, kWhole = 1, kCut = 2 };

// How far a depth key may lie behind the surface a pixel shows while the line
// still counts as on it: a pixel's depth and a little for rounding.
float Slack(const CopyProjector& copy, float ka, float kb) {
    const double k = std::max(std::fabs(static_cast<double>(ka)), std::fabs(static_cast<double>(kb)));
    const double perPixel = copy.person ? k * k / std::fabs(copy.eyeDistance) : 1.0;
    return static_cast<float>(perPixel + 1e-5 * k);
}

Vec3 ViewPoint(const RenderContext& ctx, int32_t vertex) {
    return ctx.viewCache != nullptr ? ctx.viewCache[vertex] : ctx.copy.View(ctx.solid.vertices[vertex]);
}

// Cuts the polygon `in` to the part with 1 - z / D >= kNearest.
void CutAtEyePlane(const CopyProjector& copy, const std::vector<Vec3>& in, std::vector<Vec3>& out) {
    out.clear();
    const size_t n = in.size();
    auto reach = [&copy](Vec3 s) { return 1 - s.z / copy.eyeDistance - kNearest; };
    for (size_t i = 0; i < n; ++i) {
        const Vec3 a = in[i];
        const Vec3 b = in[(i + 1) % n];
        const double da = reach(a), db = reach(b);
        if (da >= 0) out.push_back(a);
        if ((da >= 0) != (db >= 0)) out.push_back(a + (b - a) * (da / (da - db)));
    }
}

bool PixelOf(const RenderContext& ctx, Vec3 s, Point& out) {
    PlanePoint q;
    if (!ctx.copy.Plane(s, q)) return false;
    return ToScreen(ctx.projection, q, ctx.eye, out);
}

// The part of the line between view-space points a and b in front of the eye
// plane, added to the eye's lines.
void AddCutLine(RenderContext& ctx, Vec3 a, Vec3 b, uint32_t id) {
    const CopyProjector& copy = ctx.copy;
    if (!copy.person || copy.noImage) return;
    const double da = 1 - a.z / copy.eyeDistance - kNearest;
    const double db = 1 - b.z / copy.eyeDistance - kNearest;
    if (!(da >= 0 || db >= 0)) return;  // both behind, or NaN
    if (da < 0) a = a + (b - a) * (da / (da - db));
    if (db < 0) b = b + (a - b) * (db / (db - da));
    Point pa, pb;
    if (!PixelOf(ctx, a, pa) || !PixelOf(ctx, b, pb)) return;
    float ka = static_cast<float>(copy.DepthKey(a)), kb = static_cast<float>(copy.DepthKey(b));
    if (ctx.style.rezerse) ka = -ka, kb = -kb;
    ctx.scratch.depthLines.push_back(DepthLine{pa, pb, ka, kb, id, 0, Slack(copy, ka, kb)});
}

// A face of the current copy some of whose corners have no pixel, cut at the eye
// plane: its fill, or (`edges`) its edges added to the eye's lines.
void DrawCutFace(Surface& surface, RenderContext& ctx, const Face& face, int32_t faceIndex, uint32_t id, bool edges) {
    const CopyProjector& copy = ctx.copy;
    if (!copy.person || copy.noImage) return;  // only perspective loses points at the eye
    RenderScratch& scratch = ctx.scratch;
    const int32_t size = face.polygonSize;
    const int32_t total = TotalCorners(face);
    const auto vertexCount = static_cast<uint32_t>(ctx.solid.vertices.size());
    std::vector<Vec3>& view = scratch.clipView;
    view.resize(static_cast<size_t>(total));
    for (int32_t i = 0; i < total; ++i) {
        const auto v = static_cast<uint32_t>(face.corners[i]);
        if (v >= vertexCount) return;
        view[static_cast<size_t>(i)] = copy.View(ctx.solid.vertices[v]);
        if (std::isnan(view[static_cast<size_t>(i)].z)) return;
    }
    const bool inside = ctx.style.rezerse;
    if (edges) {
        for (int32_t k = 0; k < face.polygonCount; ++k) {
            for (int32_t j = 0; j < size; ++j) {
                AddCutLine(ctx, view[static_cast<size_t>(k * size + j)],
                           view[static_cast<size_t>(k * size + (j + 1) % size)], id);
            }
        }
        return;
    }
    if (total < 3) return;
    const CornerTriple t = PickDistinctCorners(view.data(), total);
    const Vec3 normal = CornerNormal(view.data(), t);
    DepthPlane plane;
    if (!MakeDepthPlane(ctx.projection, copy, ctx.eye, inside, normal, view[static_cast<size_t>(t.i0)], plane)) return;
    scratch.clipPoints.clear();
    scratch.clipCounts.clear();
    std::vector<Vec3> polygon;
    for (int32_t k = 0; k < face.polygonCount; ++k) {
        polygon.assign(view.begin() + k * size, view.begin() + (k + 1) * size);
        CutAtEyePlane(copy, polygon, scratch.clipOut);
        int32_t count = 0;
        for (const Vec3& s : scratch.clipOut) {
            Point p;
            if (!PixelOf(ctx, s, p)) return;
            const float key = static_cast<float>(inside ? -copy.DepthKey(s) : copy.DepthKey(s));
            plane.lowest = scratch.clipPoints.empty() ? key : std::min(plane.lowest, key);
            plane.highest = scratch.clipPoints.empty() ? key : std::max(plane.highest, key);
            scratch.clipPoints.push_back(p);
            ++count;
        }
        if (count > 0) scratch.clipCounts.push_back(count);
    }
    if (scratch.clipCounts.empty()) return;
    // Seen from behind when the normal points away from the eye.
    const Vec3 eyePoint{copy.centre.x, copy.centre.y, copy.eyeDistance};
    const bool back = Dot(normal, eyePoint - view[static_cast<size_t>(t.i0)]) < 0;
    const Colour colour = ctx.style.facecolmode >= kFaceGrey ? FaceFillColour(ctx, face, faceIndex, back ? -normal : normal)
                                                             : ctx.style.background;
    surface.FillPolygonsDepth(scratch.clipPoints.data(), scratch.clipCounts.data(),
                              static_cast<int32_t>(scratch.clipCounts.size()), plane, id, true, colour);
}

// Puts the faces nearest first. The order saves stores only, so a large copy
// (most of whose faces are a few pixels) is put in order by bands of the key,
// in linear time; a small one, as one fractal copy, is sorted.
void NearestFirst(std::vector<std::pair<float, int32_t>>& order, std::vector<uint32_t>& buckets,
                  std::vector<std::pair<float, int32_t>>& sorted) {
    constexpr size_t kBandsFrom = 4096;
    constexpr uint32_t kBands = 1024;
    if (order.size() < kBandsFrom) {
        std::sort(order.begin(), order.end(), [](const auto& x, const auto& y) {
            return x.first != y.first ? x.first > y.first : x.second < y.second;
        });
        return;
    }
    float lo = std::numeric_limits<float>::infinity();
    float hi = -std::numeric_limits<float>::infinity();
    for (const auto& [key, face] : order) {
        if (std::isfinite(key)) {
            lo = std::min(lo, key);
            hi = std::max(hi, key);
        }
    }
    // Band 0 the nearest; keys that are not finite go last.
    const double scale = hi > lo ? (kBands - 1) / (static_cast<double>(hi) - lo) : 0.0;
    auto band = [&](float key) {
        return std::isfinite(key) ? static_cast<uint32_t>((static_cast<double>(hi) - key) * scale) : kBands;
    };
    buckets.assign(kBands + 2, 0);
    for (const auto& entry : order) ++buckets[band(entry.first) + 1];
    for (uint32_t b = 0; b <= kBands; ++b) buckets[b + 1] += buckets[b];
    // The faces were listed in face order; each band keeps it.
    sorted.resize(order.size());
    for (const auto& entry : order) sorted[buckets[band(entry.first)]++] = entry;
    order.swap(sorted);
}

uint64_t HashCorners(const Solid& solid) {
    uint64_t h = solid.vertices.size() * 0x9E3779B97F4A7C15ull ^ solid.faces.size();
    for (const Face& face : solid.faces) {
        h = (h ^ static_cast<uint64_t>(static_cast<uint32_t>(face.polygonSize))) * 0x100000001B3ull;
        h = (h ^ static_cast<uint64_t>(static_cast<uint32_t>(face.polygonCount))) * 0x100000001B3ull;
        // Four running sums weighted by position, so that the loop vectorises.
        uint64_t sum = face.corners.size();
        uint64_t weight = 0x9E3779B97F4A7C15ull;
        for (const int32_t c : face.corners) {
            sum += (static_cast<uint64_t>(static_cast<uint32_t>(c)) + 1) * weight;
            weight += 0x632BE59BD9B4E019ull;
        }
        h = (h ^ sum) * 0x100000001B3ull;
    }
    return h;
}

}  // namespace

void KeepFaceEdges(const Solid& solid, RenderScratch& scratch) {
    const uint64_t key = HashCorners(solid);
    if (scratch.faceEdgesKept && scratch.faceEdgesKey == key) return;
    scratch.faceEdgesKept = false;
    std::vector<FaceEdge>& edges = scratch.faceEdges;
    edges.clear();
    const auto vertexCount = static_cast<int64_t>(solid.vertices.size());
    for (int32_t i = 0; i < solid.faceCount(); ++i) {
        const Face& face = solid.faces[i];
        const int32_t size = face.polygonSize;
        if (TotalCorners(face) < 2 || face.corners.size() < static_cast<size_t>(TotalCorners(face))) continue;
        for (int32_t k = 0; k < face.polygonCount; ++k) {
            const int32_t* c = face.corners.data() + static_cast<size_t>(k) * size;
            for (int32_t j = 0; j < size; ++j) {
                const int32_t a = c[j], b = c[j + 1 == size ? 0 : j + 1];
                if (a == b || a < 0 || b < 0 || a >= vertexCount || b >= vertexCount) continue;
                edges.push_back(FaceEdge{a, b, i, -1});
            }
        }
    }
    // The uses of one edge side by side (in face order), then paired up.
    auto low = [](const FaceEdge& e) { return std::min(e.a, e.b); };
    auto high = [](const FaceEdge& e) { return std::max(e.a, e.b); };
    std::stable_sort(edges.begin(), edges.end(), [&](const FaceEdge& x, const FaceEdge& y) {
        return low(x) != low(y) ? low(x) < low(y) : high(x) < high(y);
    });
    size_t out = 0;
    for (size_t i = 0; i < edges.size();) {
        FaceEdge e = edges[i];
        if (i + 1 < edges.size() && low(edges[i + 1]) == low(e) && high(edges[i + 1]) == high(e)) {
            e.faceB = edges[i + 1].faceA;
            i += 2;
        } else {
            ++i;
        }
        edges[out++] = e;
    }
    edges.resize(out);
    scratch.faceEdgesKey = key;
    scratch.faceEdgesKept = true;
}

bool MakeDepthPlane(const Projection& projection, const CopyProjector& copy, int eye, bool inside, Vec3 n, Vec3 p,
                    DepthPlane& out) {
    const double length = Length(n);
    if (!(length > 0)) return false;
    // The key as alpha * x + beta * y + gamma over the view plane.
    double alpha, beta, gamma;
    if (!copy.person) {
        if (!(std::fabs(n.z) > 1e-9 * length)) return false;
        alpha = -n.x / n.z;
        beta = -n.y / n.z;
        gamma = Dot(n, p) / n.z;
    } else {
        if (copy.noImage) return false;
        // The ray from the eye e through q = (x, y, 0) meets the plane at
        // t = (n.p - n.e) / (n.(q - e)); its key is 1 / t.
        const Vec3 e{copy.centre.x, copy.centre.y, copy.eyeDistance};
        const double den = Dot(n, p) - Dot(n, e);
        if (!(std::fabs(den) > 1e-9 * length * (Length(p) + Length(e)))) return false;
        alpha = n.x / den;
        beta = n.y / den;
        gamma = -Dot(n, e) / den;
    }
    if (inside) {
        alpha = -alpha;
        beta = -beta;
        gamma = -gamma;
    }
    // Pixel (X, Y) shows view-plane point (X + 0.5 - hx - shift, hy - Y - 0.5), one
    // pixel further left and up on the far sides of the centre with symmetric rounding.
    const double shift = static_cast<double>(int64_t{eye} * projection.stereodist);
    out.a = alpha;
    out.b = -beta;
    out.c = alpha * (0.5 - projection.hx - shift) + beta * (projection.hy - 0.5) + gamma;
    if (projection.symmet) {
        out.splitX = projection.hx;
        out.left = -alpha;
        out.splitY = projection.hy;
        out.top = beta;
    } else {
        out.splitX = out.splitY = std::numeric_limits<int32_t>::min();
        out.left = out.top = 0.0;
    }
    return std::isfinite(out.a) && std::isfinite(out.b) && std::isfinite(out.c) && std::isfinite(out.left) &&
           std::isfinite(out.top);
}

void DrawCopyExact(Surface& surface, RenderContext& ctx, bool allPixels) {
    const Solid& solid = ctx.solid;
    RenderScratch& scratch = ctx.scratch;
    const FrameStyle& style = ctx.style;
    const CopyProjector& copy = ctx.copy;
    const bool inside = style.rezerse;
    const int32_t faceCount = solid.faceCount();
    const Point* screen = scratch.screen.data();
    float* keys = scratch.keys.data();
    if (inside) {
        for (size_t v = 0; v < solid.vertices.size(); ++v) keys[v] = -keys[v];
    }
    const bool paint = style.facecolmode >= kFaceGrey;  // unfilled modes hide without colour
    // A closed solid seen from outside (every vertex in front of the eye, so the
    // eye is outside its hull) shows only faces turned toward the eye: the others
    // need no fill.
    const bool frontOnly = solid.closed && !inside && allPixels;

    // Every face into the depth buffer, both sides, nearest first: the picture does
    // not depend on the order (of two faces at one key the smaller id keeps the
    // pixel), but far faces then find their pixels taken and store less.
    std::vector<std::pair<float, int32_t>>& order = scratch.fillOrder;
    order.resize(static_cast<size_t>(faceCount));
    for (int32_t i = 0; i < faceCount; ++i) {
        const Face& face = solid.faces[i];
        float nearest = -std::numeric_limits<float>::infinity();
        if (ctx.cornersInRange) {
            const int32_t total = TotalCorners(face);
            for (int32_t j = 0; j < total; ++j) nearest = std::max(nearest, keys[face.corners[j]]);
        }
        order[static_cast<size_t>(i)] = {nearest, i};
    }
    if (ctx.cornersInRange) NearestFirst(order, scratch.orderBuckets, scratch.orderSpare);
    for (const auto& [nearest, i] : order) {
        const Face& face = solid.faces[i];
        const uint32_t id = ctx.idBase + static_cast<uint32_t>(i) + 1;
        const FaceView view = ViewFace(ctx, face);
        if (!view.drawable) {
            const int32_t total = TotalCorners(face);
            const bool usable = total >= 2 && face.corners.size() >= static_cast<size_t>(total);
            scratch.sides[i] = !allPixels && usable ? kCut : kSkip;
            if (scratch.sides[i] == kCut) DrawCutFace(surface, ctx, face, i, id, false);
            continue;
        }
        scratch.sides[i] = kWhole;
        const int32_t total = TotalCorners(face);
        if (total < 3 || std::isnan(view.k) || (frontOnly && view.k < 0)) continue;
        const int32_t* c = face.corners.data();
        if (scratch.points.size() < static_cast<size_t>(total)) scratch.points.resize(static_cast<size_t>(total));
        Point* points = scratch.points.data();
        for (int32_t j = 0; j < total; ++j) points[j] = screen[c[j]];
        // Whether the fill reaches a pixel first: most faces of a large mesh are a
        // pixel or less, and those that cover none need no plane and no colour.
        Point corner;
        const FillReach reach =
            ctx.onlyPixels ? ReachOfFill(points, total, ctx.width, ctx.height, corner) : FillReach::kAny;
        if (reach == FillReach::kNothing) continue;
        if (scratch.counts.size() < static_cast<size_t>(face.polygonCount))
            scratch.counts.resize(static_cast<size_t>(face.polygonCount));
        std::fill_n(scratch.counts.begin(), face.polygonCount, face.polygonSize);
        if (reach == FillReach::kOnePixel &&
            !FillCoversPixel(points, scratch.counts.data(), face.polygonCount, corner.x, corner.y))
            continue;
        // The keys of a fill stay within those of its corners.
        float lowest = keys[c[0]], highest = keys[c[0]];
        for (int32_t j = 1; j < total; ++j) {
            lowest = std::min(lowest, keys[c[j]]);
            highest = std::max(highest, keys[c[j]]);
        }
        // A pixel already nearer than the face's nearest corner stays as it is.
        if (reach == FillReach::kOnePixel && !surface.PixelCouldTake(corner.x, corner.y, highest, id)) continue;
        Vec3 normal = view.normal;
        if (!(Length(normal) > 0)) {
            normal = CornerNormal(ViewPoint(ctx, c[view.corners.i0]), ViewPoint(ctx, c[view.corners.i1]),
                                  ViewPoint(ctx, c[view.corners.i2]));
            if (!(Length(normal) > 0)) continue;  // no area: never filled
        }
        DepthPlane plane;
        if (!MakeDepthPlane(ctx.projection, copy, ctx.eye, inside, normal, ViewPoint(ctx, c[view.corners.i0]), plane))
            continue;
        plane.lowest = lowest;
        plane.highest = highest;
        // Lit from the side the eye sees.
        const Colour colour = paint ? FaceFillColour(ctx, face, i, view.k < 0 ? -normal : normal) : style.background;
        if (reach == FillReach::kOnePixel)
            surface.SetPixelDepth(corner.x, corner.y, plane.KeyAt(corner.x, corner.y), id, colour);
        else
            surface.FillPolygonsDepth(points, scratch.counts.data(), face.polygonCount, plane, id, true, colour);
    }

    // Then the edges, each once with the ids of the faces it bounds, added to the
    // eye's lines; DrawExactLines draws them when every copy has its faces in.
    const Pen& hidden = style.hiddenPen;
    const Pen& visible = style.visiblePen;
    if (hidden.none && visible.none) return;
    std::vector<DepthLine>& lines = scratch.depthLines;
    auto add = [&](int32_t a, int32_t b, uint32_t idA, uint32_t idB) {
        lines.push_back(DepthLine{screen[a], screen[b], keys[a], keys[b], idA, idB, Slack(copy, keys[a], keys[b])});
    };
    for (const FaceEdge& e : scratch.faceEdges) {
        if (e.faceA >= faceCount || e.faceB >= faceCount) continue;
        const bool whole = scratch.sides[e.faceA] == kWhole || (e.faceB >= 0 && scratch.sides[e.faceB] == kWhole);
        if (!whole) continue;
        add(e.a, e.b, ctx.idBase + static_cast<uint32_t>(e.faceA) + 1,
            e.faceB >= 0 ? ctx.idBase + static_cast<uint32_t>(e.faceB) + 1 : 0u);
    }
    // Faces and segments cut at the eye plane.
    for (int32_t i = 0; i < faceCount; ++i) {
        if (scratch.sides[i] == kCut)
            DrawCutFace(surface, ctx, solid.faces[i], i, ctx.idBase + static_cast<uint32_t>(i) + 1, true);
    }
    const auto vertexCount = static_cast<uint32_t>(solid.vertices.size());
    for (const Segment& s : solid.segments) {
        const auto a = static_cast<uint32_t>(s.a), b = static_cast<uint32_t>(s.b);
        if (a >= vertexCount || b >= vertexCount) continue;
        if (screen[a].x == kNoPixel || screen[b].x == kNoPixel)
            AddCutLine(ctx, copy.View(solid.vertices[a]), copy.View(solid.vertices[b]), 0);
        else
            add(s.a, s.b, 0, 0);
    }
}

void DrawExactLines(Surface& surface, RenderContext& ctx) {
    std::vector<DepthLine>& lines = ctx.scratch.depthLines;
    // The covered edges with the hidden-line pen, then those of the surface on
    // show with the visible-line pen over them. The inside view swaps the pens, as
    // the stored-order drawing does: the far side on show takes the hidden-line pen
    // and the near side's edges the visible one, drawn last.
    surface.DrawLinesDepth(lines.data(), lines.size(), ctx.style.rezerse, ctx.style.hiddenPen, ctx.style.visiblePen);
    lines.clear();
}

}  // namespace gyro
