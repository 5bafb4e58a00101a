#include "render/exact_picture.h"

#include <algorithm>
#include <cstdint>
#include <cmath>
#include <memory>
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
    int32_t group = 0;  // one face of one copy: its pieces may share a path
    int32_t sequence = 0;  // place in the stored order: of pieces in one plane, the later shows
};

struct BspNode {
    Vec3 normal;
    double offset = 0.0;
    std::vector<Piece> here;  // in the node's plane
    std::unique_ptr<BspNode> front;
    std::unique_ptr<BspNode> back;
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

// How many of `pieces` the plane of `splitter` would cut.
size_t CutsBy(const Piece& splitter, const std::vector<Piece>& pieces, double eps) {
    size_t cuts = 0;
    for (const Piece& p : pieces) {
        bool below = false;
        bool above = false;
        for (const Vec3& q : p.points) {
            const double s = Dot(splitter.normal, q) - splitter.offset;
            below = below || s < -eps;
            above = above || s > eps;
        }
        cuts += below && above ? 1 : 0;
    }
    return cuts;
}

std::unique_ptr<BspNode> BuildBsp(std::vector<Piece> pieces, double eps, int depth) {
    if (pieces.empty()) return nullptr;
    auto node = std::make_unique<BspNode>();
    // Of a few pieces spread over the list, the plane that cuts the fewest: every
    // cut makes more pieces to sort below.
    size_t best = 0;
    if (pieces.size() > 2) {
        size_t fewest = SIZE_MAX;
        const size_t tries = std::min<size_t>(pieces.size(), 7);
        for (size_t k = 0; k < tries && fewest > 0; ++k) {
            const size_t i = k * pieces.size() / tries;
            const size_t cuts = CutsBy(pieces[i], pieces, eps);
            if (cuts < fewest) {
                fewest = cuts;
                best = i;
            }
        }
    }
    std::swap(pieces[0], pieces[best]);
    node->normal = pieces.front().normal;
    node->offset = pieces.front().offset;
    std::vector<Piece> front;
    std::vector<Piece> back;
    for (Piece& p : pieces) {
        double low = 0.0;
        double high = 0.0;
        for (const Vec3& q : p.points) {
            const double s = Dot(node->normal, q) - node->offset;
            low = std::min(low, s);
            high = std::max(high, s);
        }
        // A deep tree of nearly equal planes stops cutting: what is left is drawn in order.
        if ((high <= eps && low >= -eps) || depth > 2000) {
            node->here.push_back(std::move(p));
        } else if (low >= -eps) {
            front.push_back(std::move(p));
        } else if (high <= eps) {
            back.push_back(std::move(p));
        } else {
            Piece f;
            Piece b;
            SplitPiece(p, node->normal, node->offset, eps, f, b);
            if (!f.points.empty()) front.push_back(std::move(f));
            if (!b.points.empty()) back.push_back(std::move(b));
        }
    }
    // The splitter was taken out of turn; pieces in one plane keep the stored order.
    std::sort(node->here.begin(), node->here.end(),
              [](const Piece& a, const Piece& b) { return a.sequence < b.sequence; });
    node->front = BuildBsp(std::move(front), eps, depth + 1);
    node->back = BuildBsp(std::move(back), eps, depth + 1);
    return node;
}

// Back to front as seen from the eye.
template <typename Visit>
void WalkBackToFront(const BspNode* node, const Vec3& eye, bool orthographic, Visit& visit) {
    if (node == nullptr) return;
    const double side = orthographic ? node->normal.z : Dot(node->normal, eye) - node->offset;
    const BspNode* nearSide = side >= 0 ? node->front.get() : node->back.get();
    const BspNode* farSide = side >= 0 ? node->back.get() : node->front.get();
    WalkBackToFront(farSide, eye, orthographic, visit);
    for (const Piece& p : node->here) visit(p);
    WalkBackToFront(nearSide, eye, orthographic, visit);
}

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
    double area = 0;
    const size_t n = poly.size();
    for (size_t i = 0; i < n; ++i) {
        const VectorPoint p = poly[i];
        const VectorPoint q = poly[(i + 1) % n];
        area += p.x * q.y - q.x * p.y;
    }
    if (std::fabs(area) < 1e-9) return false;
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

void AddStroke(VectorPicture& picture, VectorPoint a, VectorPoint b, const Pen& pen) {
    VectorItem item;
    item.shape = VectorShape::Stroke;
    item.colour = pen.colour;
    item.width = pen.width > 1 ? 3.0 : 1.0;
    item.roundEnds = pen.width > 1;
    item.points = {a, b};
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
        // Outlines: every polygon's edges.
        for (int32_t k = 0; k < face.polygonCount; ++k) {
            for (int32_t j = 0; j < size; ++j) {
                edges_.push_back({all[static_cast<size_t>(k * size + j)], all[static_cast<size_t>(k * size + (j + 1) % size)]});
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
        piece.sequence = static_cast<int32_t>(pieces_.size());
        pieces_.push_back(std::move(piece));
    }

    void Emit() {
        const double eps = std::max(1e-9, size_ * 1e-9);
        // Lines are hidden by the faces' own pieces, before the tree cuts them further.
        occluders_.clear();
        for (const Piece& p : pieces_) {
            std::vector<VectorPoint> flat;
            for (const Vec3& q : p.points) flat.push_back(view_.Screen(q));
            occluders_.push_back({&p, std::move(flat)});
        }
        const std::unique_ptr<BspNode> tree = BuildBsp(pieces_, eps, 0);
        int32_t lastGroup = -1;
        auto visit = [&](const Piece& p) {
            std::vector<VectorPoint> flat;
            for (const Vec3& q : p.points) flat.push_back(view_.Screen(q));
            // One winding for every piece: under the nonzero rule, pieces wound
            // both ways would cancel where they overlap.
            double area = 0;
            for (size_t i = 0; i < flat.size(); ++i) {
                const VectorPoint u = flat[i];
                const VectorPoint v = flat[(i + 1) % flat.size()];
                area += u.x * v.y - v.x * u.y;
            }
            if (area < 0) std::reverse(flat.begin(), flat.end());
            if (!p.filled) return;
            // Pieces of one face drawn one after another share a path: no seams between them.
            if (p.group != lastGroup || picture_.items.empty()) {
                VectorItem item;
                item.colour = p.colour;
                item.evenOdd = false;
                item.seal = 0.5;
                picture_.items.push_back(std::move(item));
                lastGroup = p.group;
            }
            VectorItem& item = picture_.items.back();
            item.points.insert(item.points.end(), flat.begin(), flat.end());
            item.counts.push_back(static_cast<int32_t>(flat.size()));
        };
        WalkBackToFront(tree.get(), view_.eyePoint, view_.orthographic, visit);

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
        if (!style_.hiddenPen.none) {
            for (const auto& [a, b] : behind) AddStroke(picture_, a, b, style_.hiddenPen);
        }
        if (!style_.visiblePen.none) {
            for (const auto& [a, b] : shown) AddStroke(picture_, a, b, style_.visiblePen);
        }
        occluders_.clear();
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
        for (const auto& [piece, flat] : occluders_) {
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
    std::vector<Edge> segments_;
    std::vector<std::pair<const Piece*, std::vector<VectorPoint>>> occluders_;
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
