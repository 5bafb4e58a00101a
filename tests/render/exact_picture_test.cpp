#include "render/exact_picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "io/vector_file.h"
#include "render/colouring.h"
#include "render/lighting.h"
#include "render/projection.h"
#include "state/dispatcher.h"
#include "support/picture_readers.h"
#include "support/temp_dir.h"

namespace gyro {
namespace {

using namespace test_support;

constexpr int32_t kSide = 128;

// The picture by brute force: for every pixel centre, the nearest face along
// the eye's ray whose polygons wind round the centre (nonzero), lit from the
// side that faces the viewer. No lines. Single copy, one eye.
BackBuffer RayCastFaces(Solid& solid, const ViewState& view, const DisplaySettings& d) {
    const Projection p = MakeProjection(view, d, solid.params);
    const CopyProjector copy = MakeCopyProjector(p, 1.0, {}, 0);
    const Vec3 eye{copy.centre.x, copy.centre.y, static_cast<double>(p.persdz)};
    const Vec3 light = LightVector(d);
    struct FaceImage {
        std::vector<PlanePoint> plane;  // projected corners
        Vec3 normal;                    // toward the viewer
        double offset = 0;
        Colour colour = 0;
        int32_t size = 0;
    };
    std::vector<FaceImage> faces;
    for (int32_t f = 0; f < solid.faceCount(); ++f) {
        const Face& face = solid.faces[static_cast<size_t>(f)];
        FaceImage image;
        image.size = face.polygonSize;
        std::vector<Vec3> pts;
        for (const int32_t c : face.corners) pts.push_back(copy.View(solid.vertices[static_cast<size_t>(c)]));
        if (pts.size() < 3) continue;
        const CornerTriple t = PickDistinctCorners(pts.data(), static_cast<int32_t>(pts.size()));
        Vec3 n = CornerNormal(pts.data(), t);
        const double length = Length(n);
        if (!(length > 0)) continue;
        const Vec3 toEye = p.person ? eye - pts[static_cast<size_t>(t.i1)] : Vec3{0, 0, 1};
        if (Dot(n, toEye) < 0) n = -n;
        image.normal = n / length;
        image.offset = Dot(image.normal, pts[static_cast<size_t>(t.i1)]);
        image.colour = ShadeColour(d, FaceBaseColour(face, f, solid, d), FaceBrightness(d, light, n, length));
        for (const Vec3& s : pts) {
            PlanePoint q;
            EXPECT_TRUE(copy.Plane(s, q)) << "choose a view with every corner before the eye";
            image.plane.push_back(q);
        }
        faces.push_back(std::move(image));
    }
    BackBuffer out;
    out.width = solid.params.viewx;
    out.height = solid.params.viewy;
    out.pixels.assign(static_cast<size_t>(out.width) * out.height, BackgroundColour(d));
    for (int32_t y = 0; y < out.height; ++y) {
        for (int32_t x = 0; x < out.width; ++x) {
            const PlanePoint q{x + 0.5 - p.hx, p.hy - (y + 0.5)};
            double nearest = std::numeric_limits<double>::infinity();
            for (const FaceImage& f : faces) {
                int winding = 0;
                for (size_t start = 0; start < f.plane.size(); start += static_cast<size_t>(f.size)) {
                    for (int32_t j = 0; j < f.size; ++j) {
                        const PlanePoint a = f.plane[start + static_cast<size_t>(j)];
                        const PlanePoint b = f.plane[start + static_cast<size_t>((j + 1) % f.size)];
                        const double side = (b.x - a.x) * (q.y - a.y) - (q.x - a.x) * (b.y - a.y);
                        if (a.y <= q.y && b.y > q.y && side > 0) ++winding;
                        if (a.y > q.y && b.y <= q.y && side < 0) --winding;
                    }
                }
                if (winding == 0) continue;
                // Distance along the ray: from the eye (perspective) or down from +z.
                double depth = 0;
                if (p.person) {
                    const Vec3 dir = Vec3{q.x, q.y, 0} - eye;
                    const double den = Dot(f.normal, dir);
                    if (den == 0) continue;
                    depth = (f.offset - Dot(f.normal, eye)) / den;
                    if (!(depth > 0)) continue;
                } else {
                    if (f.normal.z == 0) continue;
                    depth = -(f.offset - f.normal.x * q.x - f.normal.y * q.y) / f.normal.z;
                }
                // Coplanar faces: the later one shows, as it is drawn later.
                if (depth <= nearest + 1e-9 * std::fabs(nearest)) {
                    nearest = depth;
                    out.pixels[static_cast<size_t>(y) * out.width + x] = f.colour;
                }
            }
        }
    }
    return out;
}

struct ExactRow {
    ShapeId figure;
    bool perspective;
};

class ExactPictureTest : public TempFolderTest, public ::testing::WithParamInterface<ExactRow> {};

// Faces only: what each pixel shows must be the nearest face, stars and
// faces that cut through each other included.
TEST_P(ExactPictureTest, FacesMatchARayCastPicture) {
    const ExactRow row = GetParam();
    AppState state;
    InitAppState(state);
    state.display.penbold = 2;
    state.display.urapenbold = 2;
    state.display.person = row.perspective ? 1 : 0;
    ASSERT_NE(ChangeFigure(state, row.figure), 0);
    state.solid.segments.clear();  // drawn even without lines, and never hidden: not faces
    ASSERT_TRUE(CreateBackBuffer(state, kSide, kSide));
    RotateInPlane(state.view, 2, 0, 23.0);
    RotateInPlane(state.view, 2, 1, 13.0);
    ViewState view = state.view;
    const VectorPicture shapes = DrawExactVectorPicture(state.solid, view, state.display);
    // One shape a visible face (after the background), however many faces cut it:
    // the file stays the size of what shows.
    int32_t fills = 0;
    for (const VectorItem& item : shapes.items) fills += item.shape == VectorShape::Fill ? 1 : 0;
    EXPECT_LE(fills, state.solid.faceCount() + 1);
    const BackBuffer reference = RayCastFaces(state.solid, state.view, state.display);
    const auto path = dir_ / "exact.svg";
    ASSERT_TRUE(WriteVectorPicture(shapes, VectorFormat::Svg, 1.0, path).ok());
    std::string error;
    const BackBuffer read = RasteriseSvg(path, kSide, kSide, error);
    ASSERT_FALSE(read.pixels.empty()) << error;
    const PictureAgreement a = ComparePictures(reference, read, 8);
    EXPECT_GE(a.InnerShare(), 0.98) << a.innerMatching << " of " << a.inner << " inner pixels";
    EXPECT_GE(a.EdgeShare(), 0.85) << a.edgeMatching << " of " << a.edge << " edge pixels";
}

// Convex, stars, compounds that cut through each other, hemi-polyhedra whose
// faces pass through the centre.
const ExactRow kExactRows[] = {
    {5, true},   {4, false},  {15, true},  {18, false}, {21, true},  {22, true},  {23, false},
    {24, true},  {26, true},  {36, true},  {90, true},  {92, false}, {110, true}, {113, true},
    {115, true}, {128, false}, {132, true}, {135, true}, {142, false}, {146, true}, {501, true},
};

INSTANTIATE_TEST_SUITE_P(Figures, ExactPictureTest, ::testing::ValuesIn(kExactRows),
                         [](const auto& info) {
                             return "Figure" + std::to_string(info.param.figure) +
                                    (info.param.perspective ? "Perspective" : "Parallel");
                         });

// On a convex solid the stored order is already exact, so the renderer's own
// pixels are the reference for the lines: visible edges in front, the others
// hidden behind the near faces in the hidden style.
struct ConvexRow {
    ShapeId figure;
    void (*style)(DisplaySettings&);
};

class ExactLinesTest : public TempFolderTest, public ::testing::WithParamInterface<ConvexRow> {};

TEST_P(ExactLinesTest, ConvexSolidsMatchTheRenderer) {
    const ConvexRow row = GetParam();
    AppState state;
    InitAppState(state);
    if (row.style != nullptr) row.style(state.display);
    ASSERT_NE(ChangeFigure(state, row.figure), 0);
    ASSERT_TRUE(CreateBackBuffer(state, 160, 160));
    RotateInPlane(state.view, 2, 0, 23.0);
    RotateInPlane(state.view, 2, 1, 13.0);
    ViewState view = state.view;
    const VectorPicture shapes = DrawExactVectorPicture(state.solid, view, state.display);
    RenderFrame(state);
    const auto path = dir_ / "exact.pdf";
    ASSERT_TRUE(WriteVectorPicture(shapes, VectorFormat::Pdf, 1.0, path).ok());
    std::string error;
    const BackBuffer read = RasterisePdf(path, 160, 160, error);
    ASSERT_FALSE(read.pixels.empty()) << error;
    const PictureAgreement a = ComparePictures(state.display.backBuffer, read, 8);
    EXPECT_GE(a.InnerShare(), 0.98) << a.innerMatching << " of " << a.inner << " inner pixels";
    EXPECT_GE(a.EdgeShare(), 0.85) << a.edgeMatching << " of " << a.edge << " edge pixels";
}

const ConvexRow kConvexRows[] = {
    {5, nullptr},
    {4, [](DisplaySettings& d) { d.penbold = 0; }},
    {51, [](DisplaySettings& d) {
         d.urapenbold = 1;
         d.urapencolmode = 1;  // white hidden lines behind the faces
     }},
    {55, [](DisplaySettings& d) {
         d.stereoon = 1;
         d.stereodist = 40;
     }},
    {11, [](DisplaySettings& d) { d.facecolmode = 0; }},
    {3, [](DisplaySettings& d) {
         d.facecolmode = 1;
         d.urapenbold = 0;
         d.urapencolmode = 6;
     }},
    {55, [](DisplaySettings& d) { d.person = 0; }},
};

INSTANTIATE_TEST_SUITE_P(Convex, ExactLinesTest, ::testing::ValuesIn(kConvexRows));

// Hidden parts of edges go down before any visible part, as in the raster, so
// that a hidden stretch of one edge never covers a visible stretch of another
// where they meet or run close.
TEST(ExactPictureLines, EveryHiddenPartComesBeforeEveryVisiblePart) {
    for (const ShapeId figure : {ShapeId{23}, ShapeId{26}, ShapeId{91}}) {
        AppState state;
        InitAppState(state);
        state.display.urapenbold = 1;
        state.display.urapencolmode = 7;  // chosen colours, unlike the visible lines
        state.display.urapencol = 0x000000FF;
        state.display.pencolmode = 4;
        state.display.pencol = 0x0000FF00;
        ASSERT_NE(ChangeFigure(state, figure), 0);
        ASSERT_TRUE(CreateBackBuffer(state, 160, 160));
        RotateInPlane(state.view, 2, 0, 23.0);
        RotateInPlane(state.view, 2, 1, 13.0);
        ViewState view = state.view;
        const VectorPicture shapes = DrawExactVectorPicture(state.solid, view, state.display);
        int hidden = 0, visible = 0;
        for (const VectorItem& item : shapes.items) {
            if (item.shape != VectorShape::Stroke) continue;
            if (item.colour == 0x000000FF) {
                ++hidden;
                EXPECT_EQ(visible, 0) << figure << ": a hidden part after a visible one";
            } else {
                ++visible;
            }
        }
        EXPECT_GT(hidden, 0) << figure;
        EXPECT_GT(visible, 0) << figure;
    }
}

}  // namespace
}  // namespace gyro
