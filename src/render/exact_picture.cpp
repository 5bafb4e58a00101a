#include "render/exact_picture.h"

#include <algorithm>
#include <cstdint>
#include <cmath>
#include <memory>
#include <optional>
#include <unordered_set>
#include <vector>

#include "render/colouring.h"
#include "render/lighting.h"
#include "render/projection.h"
#include "render/render_frame.h"

namespace gyro {

namespace {

// A convex piece of a face in view space, with what it is drawn in.
struct Piece {
    std::vector<Vec3> points;
    Vec3 normal;   // unit, of the face's plane
    double offset = 0.0;  // normal . p for points p of the plane
    Colour colour = 0;
    bool filled = false;
    int32_t group = 0;  // one face of one copy, numbered in the stored order
};

// Cuts `p` by the plane into its parts in front (positive side) and behind.
void SplitPiece(const Piece& p, Vec3 n, double d, double eps, Piece& front, Piece& back) {
    front = back = p;
    front.points.clear();
    back.points.clear();
    const size_t count = p.points.size();
    for (size_t i = 0; i < count; ++i) {
        const Vec3 a = p.points[i];
        const Vec3 b = p.points[(i + 1) % count];
        const double sa = Dot(n, a) - d;
        const double sb = Dot(n, b) - d;
        if (sa >= -eps) front.points.push_back(a);
        if (sa <= eps) back.points.push_back(a);
        if ((sa > eps && sb < -eps) || (sa < -eps && sb > eps)) {
            const Vec3 cut = a + (b - a) * (sa / (sa - sb));
            front.points.push_back(cut);
            back.points.push_back(cut);
        }
    }
    if (front.points.size() < 3) front.points.clear();
    if (back.points.size() < 3) back.points.clear();
}

// A box in the picture.
struct Box {
    double left = 0, right = -1, top = 0, bottom = -1;

    bool Empty() const { return !(right >= left && bottom >= top); }
    void Add(VectorPoint q) {
        if (!(std::isfinite(q.x) && std::isfinite(q.y))) return;
        if (Empty()) {
            left = right = q.x;
            top = bottom = q.y;
            return;
        }
        left = std::min(left, q.x);
        right = std::max(right, q.x);
        top = std::min(top, q.y);
        bottom = std::max(bottom, q.y);
    }
    void Add(const std::vector<VectorPoint>& points) {
        for (const VectorPoint& q : points) Add(q);
    }
    void Add(const Box& b) {
        if (b.Empty()) return;
        Add(VectorPoint{b.left, b.top});
        Add(VectorPoint{b.right, b.bottom});
    }
    bool Meets(const Box& b) const {
        return !Empty() && !b.Empty() && left < b.right && b.left < right && top < b.bottom && b.top < bottom;
    }
};

// The cells of a grid over `area` that a box covers: about one cell a face.
struct BoxGrid {
    int cells = 1;  // a side
    Box area;
    double cellW = 1;
    double cellH = 1;

    BoxGrid(const Box& a, size_t faces)
        : cells(std::clamp(static_cast<int>(std::sqrt(static_cast<double>(faces))), 8, 1024)),
          area(a),
          cellW(std::max((a.right - a.left) / cells, 1e-9)),
          cellH(std::max((a.bottom - a.top) / cells, 1e-9)) {}

    template <typename Callback>
    void Visit(const Box& b, const Callback& visit) const {
        if (b.Empty()) return;
        const int last = cells - 1;
        const auto cell = [last](double v, double size) { return std::clamp(static_cast<int>(v / size), 0, last); };
        const int x0 = cell(b.left - area.left, cellW);
        const int x1 = cell(b.right - area.left, cellW);
        const int y0 = cell(b.top - area.top, cellH);
        const int y1 = cell(b.bottom - area.top, cellH);
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) visit(static_cast<size_t>(y) * static_cast<size_t>(cells) + static_cast<size_t>(x));
        }
    }
};

// A convex polygon of the picture wound with positive area, with its box.
struct Convex {
    std::vector<VectorPoint> points;
    Box box;

    static constexpr double kLeast = 1e-7;  // square pixels: less is a sliver, left out

    static double Area(const std::vector<VectorPoint>& poly) {
        double area = 0;
        for (size_t i = 0; i < poly.size(); ++i) {
            const VectorPoint u = poly[i];
            const VectorPoint v = poly[(i + 1) % poly.size()];
            area += u.x * v.y - v.x * u.y;
        }
        return area / 2;
    }
    // Empty where the polygon has no area or a point is not finite.
    static Convex Of(std::vector<VectorPoint> poly) {
        Convex c;
        for (const VectorPoint& q : poly) {
            if (!(std::isfinite(q.x) && std::isfinite(q.y))) return c;
        }
        const double area = Area(poly);
        if (!(std::fabs(area) > kLeast)) return c;
        if (area < 0) std::reverse(poly.begin(), poly.end());
        c.points = std::move(poly);
        c.box.Add(c.points);
        return c;
    }
    // Adds to `out` this polygon less the convex `c`, as convex polygons: the
    // parts outside each of c's edges in turn.
    void Subtract(const Convex& c, std::vector<Convex>& out) {
        if (!box.Meets(c.box)) {
            out.push_back(std::move(*this));
            return;
        }
        std::vector<VectorPoint> rest = std::move(points);
        std::vector<VectorPoint> inside;
        std::vector<VectorPoint> outside;
        const size_t n = c.points.size();
        for (size_t e = 0; e < n && !rest.empty(); ++e) {
            const VectorPoint a = c.points[e];
            const VectorPoint b = c.points[(e + 1) % n];
            const auto side = [&](VectorPoint q) { return (b.x - a.x) * (q.y - a.y) - (b.y - a.y) * (q.x - a.x); };
            inside.clear();
            outside.clear();
            for (size_t i = 0; i < rest.size(); ++i) {
                const VectorPoint p = rest[i];
                const VectorPoint q = rest[(i + 1) % rest.size()];
                const double sp = side(p);
                const double sq = side(q);
                if (sp >= 0) inside.push_back(p);
                if (sp <= 0) outside.push_back(p);
                if ((sp > 0 && sq < 0) || (sp < 0 && sq > 0)) {
                    const double t = sp / (sp - sq);
                    const VectorPoint cut{p.x + (q.x - p.x) * t, p.y + (q.y - p.y) * t};
                    inside.push_back(cut);
                    outside.push_back(cut);
                }
            }
            if (outside.size() >= 3 && Area(outside) > kLeast) {
                Convex part;
                part.points = outside;
                part.box.Add(part.points);
                out.push_back(std::move(part));
            }
            rest.swap(inside);
            if (rest.size() < 3 || Area(rest) <= kLeast) rest.clear();
        }
        // What is left lies inside c: covered.
    }
};

// The pieces of one face of one copy: pieces_[first, end).
struct FaceRun {
    size_t first = 0;
    size_t end = 0;
    Box box;
};

// Keeps the part of a polygon with z <= limit (in front of the eye).
std::vector<Vec3> ClipToEyePlane(const std::vector<Vec3>& in, double limit) {
    std::vector<Vec3> out;
    const size_t n = in.size();
    for (size_t i = 0; i < n; ++i) {
        const Vec3 a = in[i];
        const Vec3 b = in[(i + 1) % n];
        const bool aIn = a.z <= limit;
        const bool bIn = b.z <= limit;
        if (aIn) out.push_back(a);
        if (aIn != bIn) out.push_back(a + (b - a) * ((limit - a.z) / (b.z - a.z)));
    }
    if (out.size() < 3) out.clear();
    return out;
}

struct Edge {
    Vec3 a;
    Vec3 b;
};

// One eye's frame: projection to the picture's pixels.
struct EyeView {
    CopyProjector copy;  // for Plane(); View() is per copy
    const Projection* projection = nullptr;
    int eye = 0;
    double nearLimit = 0.0;
    bool orthographic = false;
    Vec3 eyePoint;

    VectorPoint Screen(Vec3 s) const {
        PlanePoint q;
        if (!copy.Plane(s, q)) q = {s.x, s.y};
        const double shift = static_cast<double>(eye) * projection->stereodist;
        return {projection->hx + shift + q.x, projection->hy - q.y};
    }
};

// Where along the picture's segment a -> b (0..1) the view-space point p falls.
double ParamOf(VectorPoint a, VectorPoint b, VectorPoint p) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double len = dx * dx + dy * dy;
    return len > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len : 0.0;
}

// The part of the picture's segment a -> b over the convex polygon `poly`
// (Cyrus-Beck); false when they do not overlap.
bool OverPolygon(VectorPoint a, VectorPoint b, const std::vector<VectorPoint>& poly, double& t0, double& t1) {
    const double area = Convex::Area(poly);
    if (std::fabs(area) < 0.5e-9) return false;
    const size_t n = poly.size();
    const double sense = area > 0 ? 1.0 : -1.0;
    t0 = 0.0;
    t1 = 1.0;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    for (size_t i = 0; i < n; ++i) {
        const VectorPoint p = poly[i];
        const VectorPoint q = poly[(i + 1) % n];
        // Inside: to the left of p -> q for a polygon wound with positive area.
        const double ex = q.x - p.x;
        const double ey = q.y - p.y;
        const double num = sense * (ex * (a.y - p.y) - ey * (a.x - p.x));
        const double den = sense * (ex * dy - ey * dx);
        if (std::fabs(den) < 1e-12) {
            if (num < 0) return false;
            continue;
        }
        const double t = -num / den;
        if (den > 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 >= t1) return false;
    }
    return true;
}

// The segments drawn in one pen, as one stroke of many parts.
void AddStrokes(VectorPicture& picture, const std::vector<std::pair<VectorPoint, VectorPoint>>& segments,
                const Pen& pen) {
    if (segments.empty()) return;
    VectorItem item;
    item.shape = VectorShape::Stroke;
    item.colour = pen.colour;
    item.width = pen.width > 1 ? 3.0 : 1.0;
    item.roundEnds = pen.width > 1;
    for (const auto& [a, b] : segments) {
        item.points.push_back(a);
        item.points.push_back(b);
        item.counts.push_back(2);
    }
    picture.items.push_back(std::move(item));
}

class ExactFrame {
public:
    ExactFrame(Solid& solid, const DisplaySettings& display, const Projection& projection, VectorPicture& picture)
        : solid_(solid),
          display_(display),
          projection_(projection),
          style_(MakeFrameStyle(display, solid)),
          light_(LightVector(display)),
          picture_(picture) {}

    void DrawEye(int eye, int topLevel, const std::vector<int32_t>& order) {
        view_.projection = &projection_;
        view_.eye = eye;
        view_.copy = MakeCopyProjector(projection_, 1.0, {}, eye);
        view_.orthographic = !projection_.person;
        const double d = projection_.persdz;
        view_.eyePoint = {view_.copy.centre.x, view_.copy.centre.y, d};
        view_.nearLimit = d - std::max(1e-3, std::fabs(d) * 1e-4);
        pieces_.clear();
        edges_.clear();
        segments_.clear();
        group_ = 0;
        size_ = 0;
        Collect({}, 1.0, topLevel, topLevel, order);
        Emit();
    }

private:
    void Collect(Vec3 offset, double scale, int level, int topLevel, const std::vector<int32_t>& order) {
        if (solid_.fractalDepthMax != 0 && level > 0) {
            const double ratio = solid_.fractalRatio;
            for (const int32_t v : order) {
                if (level == topLevel) solid_.fractalTopIndex = v;
                Collect(solid_.vertices[static_cast<size_t>(v)] * scale * (1 - ratio) + offset, scale * ratio,
                        level - 1, topLevel, order);
            }
            return;
        }
        const CopyProjector copy = MakeCopyProjector(projection_, scale, offset, view_.eye);
        std::vector<Vec3> points(solid_.vertices.size());
        for (size_t i = 0; i < points.size(); ++i) {
            points[i] = copy.View(solid_.vertices[i]);
            size_ = std::max(size_, Length(points[i]));
        }
        const auto corner = [&](int32_t index, Vec3& out) {
            if (index < 0 || static_cast<size_t>(index) >= points.size()) return false;
            out = points[static_cast<size_t>(index)];
            return true;
        };
        const int32_t faceCount = solid_.faceCount();
        outlined_.clear();
        for (int32_t f = 0; f < faceCount; ++f) AddFace(solid_.faces[static_cast<size_t>(f)], f, corner);
        for (const Segment& s : solid_.segments) {
            Vec3 a;
            Vec3 b;
            if (corner(s.a, a) && corner(s.b, b)) segments_.push_back({a, b});
        }
    }

    template <typename Corner>
    void AddFace(const Face& face, int32_t index, const Corner& corner) {
        const int32_t size = face.polygonSize;
        if (face.polygonCount <= 0 || size < 2) return;
        std::vector<Vec3> all;
        for (int32_t i = 0; i < face.polygonCount * size; ++i) {
            Vec3 p;
            if (!corner(face.corners[static_cast<size_t>(i)], p)) return;
            all.push_back(p);
        }
        // Outlines: every polygon's edges, an edge that two faces share once.
        for (int32_t k = 0; k < face.polygonCount; ++k) {
            for (int32_t j = 0; j < size; ++j) {
                const int32_t from = k * size + j;
                const int32_t to = k * size + (j + 1) % size;
                const auto a = static_cast<uint32_t>(face.corners[static_cast<size_t>(from)]);
                const auto b = static_cast<uint32_t>(face.corners[static_cast<size_t>(to)]);
                if (!outlined_.insert(uint64_t{std::min(a, b)} << 32 | std::max(a, b)).second) continue;
                edges_.push_back({all[static_cast<size_t>(from)], all[static_cast<size_t>(to)]});
            }
        }
        if (style_.facecolmode < kFaceOpaque) return;  // transparent: nothing hides
        const CornerTriple t = PickDistinctCorners(all.data(), static_cast<int32_t>(all.size()));
        Vec3 n = CornerNormal(all.data(), t);
        const double length = Length(n);
        if (!(length > 0)) return;
        // Both sides are seen: the normal turned toward the viewer for the light.
        const Vec3 toEye = view_.orthographic ? Vec3{0, 0, 1} : view_.eyePoint - all[static_cast<size_t>(t.i1)];
        if (Dot(n, toEye) < 0) n = -n;
        Piece piece;
        piece.normal = n / length;
        piece.offset = Dot(piece.normal, all[static_cast<size_t>(t.i1)]);
        piece.filled = style_.facecolmode >= kFaceGrey;
        if (piece.filled) {
            const Colour base = FaceBaseColour(face, index, solid_, display_);
            piece.colour = ShadeColour(display_, base, FaceBrightness(display_, light_, n, length));
        }
        piece.group = ++group_;
        // The nonzero area of each polygon: the polygon itself when it is convex,
        // else the fan of triangles from its centre (a star's points and core).
        for (int32_t k = 0; k < face.polygonCount; ++k) {
            const auto first = all.begin() + static_cast<std::ptrdiff_t>(k) * size;
            std::vector<Vec3> polygon(first, first + size);
            if (IsConvex(polygon, piece.normal)) {
                AddPiece(piece, std::move(polygon));
                continue;
            }
            Vec3 centre;
            for (const Vec3& q : polygon) centre = centre + q;
            centre = centre / size;
            for (int32_t j = 0; j < size; ++j) {
                std::vector<Vec3> tri = {centre, polygon[static_cast<size_t>(j)],
                                         polygon[static_cast<size_t>((j + 1) % size)]};
                if (Length(Cross(tri[1] - tri[0], tri[2] - tri[0])) <= 0) continue;
                AddPiece(piece, std::move(tri));
            }
        }
    }

    // Convex and simple: every turn the same way round the normal, once round.
    static bool IsConvex(const std::vector<Vec3>& polygon, Vec3 normal) {
        const size_t n = polygon.size();
        if (n < 3) return false;
        double turned = 0.0;
        int sign = 0;
        for (size_t i = 0; i < n; ++i) {
            const Vec3 a = polygon[i];
            const Vec3 b = polygon[(i + 1) % n];
            const Vec3 c = polygon[(i + 2) % n];
            const Vec3 u = b - a;
            const Vec3 v = c - b;
            const double s = Dot(Cross(u, v), normal);
            const int here = s > 0 ? 1 : s < 0 ? -1 : 0;
            if (here != 0 && sign != 0 && here != sign) return false;
            if (here != 0) sign = here;
            const double lu = Length(u);
            const double lv = Length(v);
            if (lu > 0 && lv > 0) turned += std::acos(std::clamp(Dot(u, v) / (lu * lv), -1.0, 1.0));
        }
        // A star turns the same way at every corner too, but goes round more than once.
        return sign != 0 && turned < 2 * 3.141592653589793 + 1e-6;
    }

    void AddPiece(Piece piece, std::vector<Vec3> points) {
        if (!view_.orthographic) points = ClipToEyePlane(points, view_.nearLimit);
        if (points.empty()) return;
        piece.points = std::move(points);
        pieces_.push_back(std::move(piece));
    }

    void Emit() {
        const double eps = std::max(1e-9, size_ * 1e-9);
        // The pieces in the picture: they hide lines, and are the faces' shapes.
        occluders_.clear();
        for (const Piece& p : pieces_) {
            std::vector<VectorPoint> flat;
            for (const Vec3& q : p.points) flat.push_back(view_.Screen(q));
            occluders_.push_back({&p, std::move(flat)});
        }
        IndexFaces();
        EmitFaces(eps);

        const bool hiding = style_.facecolmode >= kFaceOpaque;
        std::vector<std::pair<double, double>> hidden;
        // The hidden parts of every edge first, then the visible parts of every edge
        // over them, as the raster has it: a hidden part of one edge never covers a
        // visible part of another where the two meet or run close.
        std::vector<std::pair<VectorPoint, VectorPoint>> behind, shown;
        for (const Edge& e : edges_) {
            Edge clipped = e;
            if (!ClipEdge(clipped)) continue;
            const VectorPoint a = view_.Screen(clipped.a);
            const VectorPoint b = view_.Screen(clipped.b);
            hidden.clear();
            if (hiding) HiddenParts(clipped, a, b, eps, hidden);
            SplitParts(a, b, hidden, behind, shown);
        }
        for (const Edge& e : segments_) {
            Edge clipped = e;
            if (!ClipEdge(clipped)) continue;
            shown.emplace_back(view_.Screen(clipped.a), view_.Screen(clipped.b));
        }
        if (!style_.hiddenPen.none) AddStrokes(picture_, behind, style_.hiddenPen);
        if (!style_.visiblePen.none) AddStrokes(picture_, shown, style_.visiblePen);
        occluders_.clear();
    }

    // The faces (runs of pieces of one group) with their boxes in the picture, and
    // a grid over the picture that finds the faces a box meets.
    void IndexFaces() {
        faces_.clear();
        cells_.clear();
        grid_.reset();
        for (size_t i = 0; i < pieces_.size(); ++i) {
            if (faces_.empty() || pieces_[i].group != pieces_[faces_.back().first].group) faces_.push_back({i, i, {}});
            FaceRun& f = faces_.back();
            f.end = i + 1;
            f.box.Add(occluders_[i].second);
        }
        Box all;
        for (const FaceRun& f : faces_) all.Add(f.box);
        if (all.Empty()) return;
        grid_.emplace(all, faces_.size());
        cells_.resize(static_cast<size_t>(grid_->cells) * static_cast<size_t>(grid_->cells));
        for (size_t k = 0; k < faces_.size(); ++k) {
            grid_->Visit(faces_[k].box, [&](size_t cell) { cells_[cell].push_back(static_cast<int32_t>(k)); });
        }
        stamp_.assign(faces_.size(), 0);
        round_ = 0;
    }

    // Each filled face's visible region: its own shape less what lies nearer the
    // eye over it. A point of another face covers this one exactly where it lies
    // on the eye's side of this face's plane (a ray from the eye meets that side
    // before the plane), so the covering shapes are the other faces' pieces cut
    // by this plane, all convex. Of two faces in one plane the earlier in the
    // stored order shows, as in the raster. Visible regions do not overlap, so
    // their order does not matter.
    void EmitFaces(double eps) {
        if (!grid_) return;
        const std::vector<FaceRun>& faces = faces_;
        const BoxGrid& grid = *grid_;
        std::vector<Convex> cover;
        std::vector<Convex> visible;
        std::vector<Convex> next;
        for (size_t k = 0; k < faces.size(); ++k) {
            const FaceRun& f = faces[k];
            const Piece& own = pieces_[f.first];
            if (f.box.Empty() || !own.filled) continue;
            visible.clear();
            for (size_t i = f.first; i < f.end; ++i) {
                Convex c = Convex::Of(occluders_[i].second);
                if (!c.points.empty()) visible.push_back(std::move(c));
            }
            ++round_;
            // Each covering face is taken off as it is found; a face found wholly
            // covered stops looking.
            grid.Visit(f.box, [&](size_t cell) {
                for (const int32_t j : cells_[cell]) {
                    if (visible.empty()) return;
                    if (static_cast<size_t>(j) == k || stamp_[static_cast<size_t>(j)] == round_) continue;
                    stamp_[static_cast<size_t>(j)] = round_;
                    if (!faces[static_cast<size_t>(j)].box.Meets(f.box)) continue;
                    cover.clear();
                    AddCover(own, faces[static_cast<size_t>(j)], eps, cover);
                    for (const Convex& c : cover) {
                        next.clear();
                        for (Convex& p : visible) p.Subtract(c, next);
                        visible.swap(next);
                    }
                }
            });
            if (visible.empty()) continue;
            VectorItem item;
            item.colour = own.colour;
            item.evenOdd = false;
            item.seal = 0.5;  // the parts of one face show no seams between them
            for (const Convex& p : visible) {
                item.points.insert(item.points.end(), p.points.begin(), p.points.end());
                item.counts.push_back(static_cast<int32_t>(p.points.size()));
            }
            picture_.items.push_back(std::move(item));
        }
    }

    // The convex shapes of face g's pieces that lie nearer the eye than the
    // face of `own`, added to `cover`.
    void AddCover(const Piece& own, const FaceRun& g, double eps, std::vector<Convex>& cover) const {
        const auto side = [&](const Vec3& q) { return Dot(own.normal, q) - own.offset; };
        bool inPlane = true;
        bool nearer = false;
        for (size_t i = g.first; i < g.end; ++i) {
            for (const Vec3& q : pieces_[i].points) {
                const double s = side(q);
                inPlane = inPlane && std::fabs(s) <= eps;
                nearer = nearer || s > eps;
            }
        }
        const auto add = [&](const std::vector<VectorPoint>& flat) {
            Convex c = Convex::Of(flat);
            if (!c.points.empty()) cover.push_back(std::move(c));
        };
        if (inPlane) {
            // One plane: the earlier face keeps what they share.
            if (pieces_[g.first].group < own.group) {
                for (size_t i = g.first; i < g.end; ++i) add(occluders_[i].second);
            }
            return;
        }
        if (!nearer) return;
        Piece front;
        Piece back;
        std::vector<VectorPoint> flat;
        for (size_t i = g.first; i < g.end; ++i) {
            const Piece& p = pieces_[i];
            bool allFront = true;
            for (const Vec3& q : p.points) allFront = allFront && side(q) >= -eps;
            if (allFront) {
                add(occluders_[i].second);
                continue;
            }
            SplitPiece(p, own.normal, own.offset, eps, front, back);
            if (front.points.empty()) continue;
            flat.clear();
            for (const Vec3& q : front.points) flat.push_back(view_.Screen(q));
            add(flat);
        }
    }

    bool ClipEdge(Edge& e) const {
        if (view_.orthographic) return true;
        const double limit = view_.nearLimit;
        if (e.a.z > limit && e.b.z > limit) return false;
        if (e.a.z > limit) e.a = e.a + (e.b - e.a) * ((e.a.z - limit) / (e.a.z - e.b.z));
        if (e.b.z > limit) e.b = e.b + (e.a - e.b) * ((e.b.z - limit) / (e.b.z - e.a.z));
        return true;
    }

    // The parameters (0..1 along a -> b) where the edge lies behind some piece.
    void HiddenParts(const Edge& e, VectorPoint a, VectorPoint b, double eps,
                     std::vector<std::pair<double, double>>& hidden) const {
        const double tolerance = std::max(eps * 1000, size_ * 1e-7);
        if (!grid_) return;
        Box box;
        box.Add(a);
        box.Add(b);
        // A line along a row or column has a box without area: widen it a little.
        box.left -= 1e-6;
        box.right += 1e-6;
        box.top -= 1e-6;
        box.bottom += 1e-6;
        ++round_;
        std::vector<size_t> near;
        grid_->Visit(box, [&](size_t cell) {
            for (const int32_t j : cells_[cell]) {
                if (stamp_[static_cast<size_t>(j)] == round_) continue;
                stamp_[static_cast<size_t>(j)] = round_;
                const FaceRun& f = faces_[static_cast<size_t>(j)];
                if (!f.box.Meets(box)) continue;
                for (size_t i = f.first; i < f.end; ++i) near.push_back(i);
            }
        });
        for (const size_t i : near) {
            const auto& [piece, flat] = occluders_[i];
            const double sa = Dot(piece->normal, e.a) - piece->offset;
            const double sb = Dot(piece->normal, e.b) - piece->offset;
            // The viewer is on the normal's side; behind means the other side.
            if (sa >= -tolerance && sb >= -tolerance) continue;
            double t0 = 0;
            double t1 = 1;
            if (!OverPolygon(a, b, flat, t0, t1)) continue;
            // Where the edge passes through the piece's plane, in picture parameters.
            if (sa < -tolerance && sb < -tolerance) {
                // wholly behind
            } else {
                const Vec3 cross = e.a + (e.b - e.a) * (sa / (sa - sb));
                const double tc = ParamOf(a, b, view_.Screen(cross));
                if (sa < 0) {
                    t1 = std::min(t1, tc);
                } else {
                    t0 = std::max(t0, tc);
                }
            }
            if (t1 - t0 > 1e-9) hidden.emplace_back(t0, t1);
        }
    }

    // The parts of the edge a -> b behind something (`hidden`, as parameters)
    // and the parts on show, as end points.
    static void SplitParts(VectorPoint a, VectorPoint b, std::vector<std::pair<double, double>>& hidden,
                           std::vector<std::pair<VectorPoint, VectorPoint>>& behind,
                           std::vector<std::pair<VectorPoint, VectorPoint>>& shown) {
        std::sort(hidden.begin(), hidden.end());
        auto at = [&](double t) { return VectorPoint{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; };
        double settled = 0.0;  // the edge is settled up to here
        for (const auto& [t0, t1] : hidden) {
            if (t1 <= settled) continue;
            if (t0 > settled) shown.emplace_back(at(settled), at(t0));
            behind.emplace_back(at(std::max(t0, settled)), at(t1));
            settled = t1;
        }
        if (settled < 1.0) shown.emplace_back(at(settled), b);
    }

    Solid& solid_;
    const DisplaySettings& display_;
    const Projection& projection_;
    FrameStyle style_;
    Vec3 light_;
    VectorPicture& picture_;
    EyeView view_;
    std::vector<Piece> pieces_;
    std::vector<Edge> edges_;
    std::unordered_set<uint64_t> outlined_;  // the corner pairs of this copy's edges so far
    std::vector<Edge> segments_;
    std::vector<std::pair<const Piece*, std::vector<VectorPoint>>> occluders_;
    std::vector<FaceRun> faces_;
    std::optional<BoxGrid> grid_;
    std::vector<std::vector<int32_t>> cells_;  // the faces each grid cell meets
    mutable std::vector<uint32_t> stamp_;      // the round in which a face was last looked at
    mutable uint32_t round_ = 0;
    int32_t group_ = 0;
    double size_ = 0.0;
};

}  // namespace

VectorPicture DrawExactVectorPicture(Solid& solid, ViewState& view, const DisplaySettings& display) {
    VectorPicture picture;
    picture.width = solid.params.viewx;
    picture.height = solid.params.viewy;
    const FrameStyle style = MakeFrameStyle(display, solid);
    VectorRecorder background(picture.width, picture.height);
    background.FillRect(0, 0, picture.width, picture.height, style.background);
    picture.items = background.Take().items;

    if (view.autoroton) SetAutoRotationAxes(view);
    const Projection projection = MakeProjection(view, display, solid.params);
    const int depthMax = solid.fractalDepthMax;
    const int topLevel = depthMax > 0 ? std::clamp<int>(display.fracn, 0, depthMax) : 0;
    std::vector<int32_t> order;
    std::vector<std::pair<double, int32_t>> keys;
    if (topLevel > 0) OrderCopies(projection, solid, order, keys);
    solid.fractalTopIndex = 0;

    ExactFrame frame(solid, display, projection, picture);
    const int firstEye = display.stereoon ? -1 : 0;
    const int lastEye = display.stereoon ? 1 : 0;
    for (int eye = firstEye; eye <= lastEye; eye += 2) {
        frame.DrawEye(eye, topLevel, order);
        if (display.ctpix) {
            VectorRecorder dot(picture.width, picture.height);
            const int64_t x = projection.hx + int64_t{eye} * projection.stereodist;
            if (x >= 0 && x < picture.width) dot.SetPixel(static_cast<int32_t>(x), projection.hy, style.line);
            for (VectorItem& item : dot.Take().items) picture.items.push_back(std::move(item));
        }
    }
    return picture;
}

VectorPicture DrawPictureShapes(Solid& solid, ViewState& view, const DisplaySettings& display, bool exact) {
    if (exact && !display.rezerse) return DrawExactVectorPicture(solid, view, display);
    return DrawVectorPicture(solid, view, display);
}

}  // namespace gyro
