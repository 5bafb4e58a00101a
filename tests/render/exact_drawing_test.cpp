#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "catalog/catalogue.h"
#include "render/exact_copy.h"
#include "render/projection.h"
#include "render/raster_surface.h"
#include "render/render_frame.h"
#include "state/app_state.h"
#include "state/dispatcher.h"
#include "view/view_state.h"

namespace gyro {
namespace {

// An independent picture to hold the exact drawing against: for every pixel a
// ray from the eye through the pixel's centre, and the nearest face it meets,
// each face taken two-sided with the nonzero rule over all its polygons.
struct RayFace {
    std::vector<std::vector<Vec3>> polygons;  // view-space corners
    Vec3 normal;
    double offset = 0;  // normal . point on the plane
    int axis = 2;       // the coordinate dropped to test inside
    double minX = 0, maxX = 0, minY = 0, maxY = 0;  // box of the corners on the view plane, for speed
};

Vec3 PlaneNormal(const std::vector<Vec3>& p) {
    // The largest triangle on the first corner spans the plane even for crossed
    // faces, whose halves cancel in an area sum.
    Vec3 best;
    for (size_t i = 1; i < p.size(); ++i) {
        for (size_t j = i + 1; j < p.size(); ++j) {
            const Vec3 n = Cross(p[i] - p[0], p[j] - p[0]);
            if (Length(n) > Length(best)) best = n;
        }
    }
    return best;
}

int WindingNumber(const RayFace& f, Vec3 hit) {
    auto flat = [&f](Vec3 v) -> std::array<double, 2> {
        if (f.axis == 0) return {v.y, v.z};
        if (f.axis == 1) return {v.z, v.x};
        return {v.x, v.y};
    };
    const auto q = flat(hit);
    int winding = 0;
    for (const auto& polygon : f.polygons) {
        for (size_t i = 0; i < polygon.size(); ++i) {
            const auto a = flat(polygon[i]);
            const auto b = flat(polygon[(i + 1) % polygon.size()]);
            const double side = (b[0] - a[0]) * (q[1] - a[1]) - (q[0] - a[0]) * (b[1] - a[1]);
            if (a[1] <= q[1] && b[1] > q[1] && side > 0) ++winding;
            if (a[1] > q[1] && b[1] <= q[1] && side < 0) --winding;
        }
    }
    return winding;
}

struct RayPicture {
    int32_t width = 0, height = 0;
    std::vector<int32_t> face;  // nearest face index per pixel, -1 for none, kTie where two are as near
};

// Faces in one plane that overlap (compounds whose parts share face planes)
// leave the nearest face undecided.
constexpr int32_t kTie = -2;

RayPicture CastRays(const AppState& state, int eye) {
    const Projection p = MakeProjection(state.view, state.display, state.solid.params);
    const CopyProjector copy = MakeCopyProjector(p, 1.0, {}, eye);
    std::vector<RayFace> faces;
    for (const Face& face : state.solid.faces) {
        RayFace f;
        std::vector<Vec3> all;
        for (int32_t k = 0; k < face.polygonCount; ++k) {
            std::vector<Vec3> polygon;
            for (int32_t j = 0; j < face.polygonSize; ++j) {
                polygon.push_back(copy.View(state.solid.vertices[face.corners[k * face.polygonSize + j]]));
            }
            all.insert(all.end(), polygon.begin(), polygon.end());
            f.polygons.push_back(polygon);
        }
        f.normal = all.size() >= 3 ? PlaneNormal(all) : Vec3{};
        f.offset = Dot(f.normal, all.empty() ? Vec3{} : all[0]);
        const double ax = std::fabs(f.normal.x), ay = std::fabs(f.normal.y), az = std::fabs(f.normal.z);
        f.axis = az >= ax && az >= ay ? 2 : ay >= ax ? 1 : 0;
        f.minX = f.minY = std::numeric_limits<double>::infinity();
        f.maxX = f.maxY = -f.minX;
        for (const Vec3& v : all) {
            PlanePoint q;
            if (!copy.Plane(v, q)) {  // reaching behind the eye: no box
                f.minX = f.minY = -f.minX;
                f.maxX = f.maxY = -f.maxX;
                break;
            }
            f.minX = std::min(f.minX, q.x);
            f.maxX = std::max(f.maxX, q.x);
            f.minY = std::min(f.minY, q.y);
            f.maxY = std::max(f.maxY, q.y);
        }
        faces.push_back(f);
    }
    RayPicture picture;
    picture.width = state.solid.params.viewx;
    picture.height = state.solid.params.viewy;
    picture.face.assign(static_cast<size_t>(picture.width) * picture.height, -1);
    const Vec3 eyePoint{copy.centre.x, copy.centre.y, copy.eyeDistance};
    for (int32_t y = 0; y < picture.height; ++y) {
        for (int32_t x = 0; x < picture.width; ++x) {
            const PlanePoint q = PixelCentre(p, eye, x, y);
            const Vec3 origin = p.person ? eyePoint : Vec3{q.x, q.y, 1e7};
            const Vec3 direction = p.person ? Vec3{q.x, q.y, 0} - eyePoint : Vec3{0, 0, -1};
            double nearest = std::numeric_limits<double>::infinity();
            double second = nearest;
            int32_t found = -1;
            for (size_t i = 0; i < faces.size(); ++i) {
                const RayFace& f = faces[i];
                if (q.x < f.minX - 1 || q.x > f.maxX + 1 || q.y < f.minY - 1 || q.y > f.maxY + 1) continue;
                const double along = Dot(f.normal, direction);
                if (along == 0) continue;
                const double t = (f.offset - Dot(f.normal, origin)) / along;
                if (!(t > 0) || t >= second) continue;
                if (WindingNumber(f, origin + direction * t) != 0) {
                    if (t < nearest) {
                        second = nearest;
                        nearest = t;
                        found = static_cast<int32_t>(i);
                    } else {
                        second = t;
                    }
                }
            }
            if (second - nearest <= 1e-9 * std::fabs(nearest)) found = kTie;
            picture.face[static_cast<size_t>(y) * picture.width + x] = found;
        }
    }
    return picture;
}

// A pixel counts when the rays through it and its neighbours `reach` pixels
// around meet the same face (or none): the edges of faces, the lines where faces
// cross and the outline of the figure lie within a pixel of a change and are
// left out. (Corners land on whole pixels, which moves an outline by up to a
// pixel across and along; whether a pixel is covered at all is asked two pixels in.)
bool Settled(const RayPicture& r, int32_t x, int32_t y, int32_t reach = 1) {
    const int32_t f = r.face[static_cast<size_t>(y) * r.width + x];
    for (int32_t dy = -reach; dy <= reach; ++dy) {
        for (int32_t dx = -reach; dx <= reach; ++dx) {
            const int32_t nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= r.width || ny >= r.height) return false;
            if (r.face[static_cast<size_t>(ny) * r.width + nx] != f) return false;
        }
    }
    return true;
}

bool SettledIds(const std::vector<uint32_t>& ids, int32_t w, int32_t h, int32_t x, int32_t y) {
    const uint32_t id = ids[static_cast<size_t>(y) * w + x];
    for (int32_t dy = -1; dy <= 1; ++dy) {
        for (int32_t dx = -1; dx <= 1; ++dx) {
            const int32_t nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= w || ny >= h || ids[static_cast<size_t>(ny) * w + nx] != id) return false;
        }
    }
    return true;
}

struct Agreement {
    int64_t covered = 0;     // settled pixels where the rays meet a face
    int64_t agreeing = 0;    // of those, where the drawing shows that face
    int64_t background = 0;  // of those, where the drawing shows nothing
};

Agreement Compare(const RayPicture& rays, const std::vector<uint32_t>& ids) {
    Agreement a;
    for (int32_t y = 0; y < rays.height; ++y) {
        for (int32_t x = 0; x < rays.width; ++x) {
            const size_t at = static_cast<size_t>(y) * rays.width + x;
            // Nothing, a tie, or a change near by in either picture: the one-pixel
            // rims of faces, where the pixel grid decides, are left out.
            if (rays.face[at] < 0 || !Settled(rays, x, y)) continue;
            a.background += ids[at] == 0 && Settled(rays, x, y, 2);
            if (!SettledIds(ids, rays.width, rays.height, x, y)) continue;
            ++a.covered;
            a.agreeing += ids[at] == static_cast<uint32_t>(rays.face[at]) + 1;
        }
    }
    return a;
}

void Orient(AppState& s, int orientation) {
    ResetView(s.view);
    if (orientation >= 1) {
        RotateInPlane(s.view, 0, 2, 37);
        RotateInPlane(s.view, 1, 2, 23);
    }
    if (orientation >= 2) {
        RotateInPlane(s.view, 0, 1, 71);
        RotateInPlane(s.view, 0, 2, -52);
    }
}

// Non-convex figures from every family: compounds and stars, uniform polyhedra
// (hemi-polyhedra among them), their duals (crossed faces), augmented and
// excavated solids, the torus and the compounds of a solid with its dual.
const ShapeId kNonConvex[] = {15,  16,  17,  18,  19,  20,  21,  22,  23,  24,  25,  26,  27,  29,  33,  36,  38,
                              90,  91,  92,  93,  95,  97,  101, 109, 112, 121, 131, 143, 146, 155, 161, 175, 185, 207,
                              208, 209, 213, 215, 230, 235, 243, 256, 416, 470, 477, 501, 503, 510, 516, 519};

class ExactDrawing : public ::testing::TestWithParam<ShapeId> {};

TEST_P(ExactDrawing, EveryPixelShowsTheFaceNearestTheEye) {
    AppState state;
    ASSERT_NE(ChangeFigure(state, GetParam()), 0);
    ASSERT_FALSE(state.solid.convex);
    ASSERT_TRUE(CreateBackBuffer(state, 180, 180));
    state.view.rad = 0.8;
    RasterSurface surface(state.display.backBuffer);
    for (int orientation = 0; orientation < 3; ++orientation) {
        for (const int8_t person : {1, 0}) {
            SCOPED_TRACE("orientation " + std::to_string(orientation) + (person ? ", perspective" : ", parallel"));
            Orient(state, orientation);
            state.display.person = person;
            const double rad = state.view.rad;
            RenderFrame(state.solid, state.view, state.display, surface);
            ASSERT_EQ(state.view.rad, rad);
            const Agreement a = Compare(CastRays(state, 0), surface.FaceIds());
            ASSERT_GT(a.covered, 1000);
            EXPECT_GE(static_cast<double>(a.agreeing), 0.995 * static_cast<double>(a.covered))
                << a.agreeing << " of " << a.covered;
            EXPECT_EQ(a.background, 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Figures, ExactDrawing, ::testing::ValuesIn(kNonConvex),
                         [](const auto& info) { return std::to_string(info.param); });

// Both eyes of the stereo pair: the right one by the faces the surface holds at
// the end, the left one by its pixels, which no right-image pixel covers here.
TEST(ExactDrawingStereo, BothImagesShowTheNearestFaces) {
    AppState state;
    ASSERT_NE(ChangeFigure(state, 501), 0);  // cube and octahedron
    ASSERT_TRUE(CreateBackBuffer(state, 400, 180));
    state.view.rad = 0.8;
    state.display.stereoon = 1;
    state.display.stereodist = 100;
    state.display.penbold = 2;  // no lines, so that every covered pixel shows a face's colour
    state.display.urapenbold = 2;
    Orient(state, 1);
    RasterSurface surface(state.display.backBuffer);
    RenderFrame(state.solid, state.view, state.display, surface);
    const Agreement right = Compare(CastRays(state, 1), surface.FaceIds());
    ASSERT_GT(right.covered, 2000);
    EXPECT_GE(static_cast<double>(right.agreeing), 0.995 * static_cast<double>(right.covered));
    EXPECT_EQ(right.background, 0);

    const RayPicture left = CastRays(state, -1);
    const Colour background = state.display.backBuffer.pixels[0];
    int64_t covered = 0, blank = 0;
    for (int32_t y = 0; y < left.height; ++y) {
        for (int32_t x = 0; x < left.width; ++x) {
            const size_t at = static_cast<size_t>(y) * left.width + x;
            if (left.face[at] < 0 || !Settled(left, x, y, 2)) continue;
            ++covered;
            blank += state.display.backBuffer.pixels[at] == background;
        }
    }
    EXPECT_GT(covered, 2000);
    EXPECT_EQ(blank, 0);
}

// Whether every face of the figure lies on the hull of a solid: all vertices on
// one side of every face's plane (or on it), and some strictly off it.
bool FacesOnHull(const Solid& solid) {
    if (solid.faces.empty() || solid.faces.size() > 20000 || solid.fractalDepthMax != 0) return false;
    double extent = 0;
    for (const Vec3& v : solid.vertices) extent = std::max(extent, Length(v));
    std::map<std::pair<int32_t, int32_t>, int> edgeUses;  // a closed surface uses each edge twice
    for (const Face& face : solid.faces) {
        if (face.polygonCount != 1 || face.polygonSize < 3) return false;
        for (int32_t j = 0; j < face.polygonSize; ++j) {
            const auto e = std::minmax(face.corners[j], face.corners[(j + 1) % face.polygonSize]);
            ++edgeUses[{e.first, e.second}];
        }
        std::vector<Vec3> p;
        for (int32_t j = 0; j < face.polygonSize; ++j) p.push_back(solid.vertices[face.corners[j]]);
        Vec3 n = PlaneNormal(p);
        if (!(Length(n) > 0)) return false;
        n = n / Length(n);
        const double d = Dot(n, p[0]);
        double above = 0, below = 0;
        for (const Vec3& v : solid.vertices) {
            above = std::max(above, Dot(n, v) - d);
            below = std::max(below, d - Dot(n, v));
        }
        if (std::min(above, below) > 1e-7 * extent || std::max(above, below) <= 1e-7 * extent) return false;
    }
    for (const auto& [edge, uses] : edgeUses) {
        if (uses != 2) return false;
    }
    return true;
}

// A convex figure is exact in stored order already; the two modes draw it alike.
TEST(ExactDrawingConvex, ConvexFiguresLookTheSameInBothModes) {
    int convexFigures = 0;
    for (const FigureInfo& info : AllFigures()) {
        AppState state;
        if (ChangeFigure(state, info.number) == 0 || !FacesOnHull(state.solid)) continue;
        ++convexFigures;
        EXPECT_TRUE(state.solid.convex) << info.number;
        ASSERT_TRUE(CreateBackBuffer(state, 96, 96));
        Orient(state, 2);
        for (const int8_t style : {0, 1, 2}) {
            state.display.facecolmode = style == 1 ? 1 : 2;
            state.display.penbold = style == 2 ? 0 : 1;
            state.display.rezerse = style == 2;
            state.display.exactdepth = 1;
            RenderFrame(state);
            const std::vector<Colour> exact = state.display.backBuffer.pixels;
            state.display.exactdepth = 0;
            RenderFrame(state);
            EXPECT_EQ(state.display.backBuffer.pixels, exact) << info.number << " style " << int{style};
        }
    }
    EXPECT_GT(convexFigures, 100);
}

// The edge list the exact drawing walks once per frame: every edge of every face,
// each with the faces it bounds, for every figure, kept in one scratch as the
// figures change (and after a face is changed in place).
TEST(ExactDrawingEdges, EveryFaceEdgeIsListedWithTheFacesItBounds) {
    using Key = std::pair<int32_t, int32_t>;
    auto check = [](const Solid& solid, const RenderScratch& scratch, int figure) {
        std::map<Key, std::vector<int32_t>> expected, listed;
        for (int32_t f = 0; f < solid.faceCount(); ++f) {
            const Face& face = solid.faces[f];
            for (int32_t k = 0; k < face.polygonCount; ++k) {
                for (int32_t j = 0; j < face.polygonSize; ++j) {
                    const int32_t a = face.corners[k * face.polygonSize + j];
                    const int32_t b = face.corners[k * face.polygonSize + (j + 1) % face.polygonSize];
                    if (a != b) expected[{std::min(a, b), std::max(a, b)}].push_back(f);
                }
            }
        }
        std::map<Key, int> entries;
        for (const FaceEdge& e : scratch.faceEdges) {
            const Key key{std::min(e.a, e.b), std::max(e.a, e.b)};
            listed[key].push_back(e.faceA);
            if (e.faceB >= 0) listed[key].push_back(e.faceB);
            ++entries[key];
        }
        for (auto& [key, faces] : listed) std::sort(faces.begin(), faces.end());
        for (auto& [key, faces] : expected) std::sort(faces.begin(), faces.end());
        ASSERT_EQ(listed, expected) << figure;
        for (const auto& [key, faces] : expected)
            ASSERT_EQ(entries[key], static_cast<int>(faces.size() + 1) / 2) << figure;  // paired up
    };
    AppState state;
    RenderScratch scratch;
    for (const FigureInfo& info : AllFigures()) {
        if (ChangeFigure(state, info.number) == 0) continue;
        KeepFaceEdges(state.solid, scratch);
        check(state.solid, scratch, info.number);
    }
    ASSERT_NE(ChangeFigure(state, 21), 0);
    KeepFaceEdges(state.solid, scratch);
    std::reverse(state.solid.faces[0].corners.begin(), state.solid.faces[0].corners.end());
    state.solid.faces[0].corners[0] = state.solid.faces[1].corners[0];  // a corner shared with another face
    KeepFaceEdges(state.solid, scratch);
    check(state.solid, scratch, 21);
}

}  // namespace
}  // namespace gyro
