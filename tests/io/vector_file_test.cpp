#include "io/vector_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "render/exact_picture.h"
#include "render/vector_picture.h"
#include "state/dispatcher.h"
#include "support/cli_runner.h"
#include "support/picture_readers.h"
#include "support/temp_dir.h"

namespace gyro {
namespace {

using namespace test_support;
namespace fs = std::filesystem;

// One figure in one style: a row of the comparison table.
struct VectorRow {
    ShapeId figure;
    void (*style)(DisplaySettings&);  // nullptr: the start values
    const char* what;
};

constexpr int32_t kSide = 192;
// Channel tolerance: the readers round colours through their own arithmetic.
constexpr int kTolerance = 8;

// The renderer's own picture of the row and its shapes, from one state.
struct Drawn {
    BackBuffer raster;
    VectorPicture shapes;
};

// `exact`: both sides in the exact drawing (the shapes cut by their planes, the
// raster by its depth buffer), else both in the stored order.
Drawn DrawRow(const VectorRow& row, bool exact) {
    AppState state;
    InitAppState(state);
    state.display.exactdepth = exact ? 1 : 0;
    if (row.style != nullptr) row.style(state.display);
    EXPECT_NE(ChangeFigure(state, row.figure), 0) << row.figure;
    EXPECT_TRUE(CreateBackBuffer(state, kSide, kSide));
    ViewState view = state.view;
    RotateInPlane(state.view, 2, 0, 17.0);  // off the symmetry axes, so faces meet at angles
    RotateInPlane(state.view, 2, 1, 11.0);
    view = state.view;
    Drawn d;
    d.shapes = DrawPictureShapes(state.solid, view, state.display, exact);
    RenderFrame(state);
    d.raster = state.display.backBuffer;
    return d;
}

class VectorPictureTest : public TempFolderTest, public ::testing::WithParamInterface<VectorRow> {};

TEST_P(VectorPictureTest, RealReadersDrawTheRenderersPicture) {
    const VectorRow& row = GetParam();
    for (const bool exact : {false, true}) {
        const Drawn d = DrawRow(row, exact);
        ASSERT_EQ(d.shapes.width, kSide);
        ASSERT_EQ(d.shapes.height, kSide);
        const std::string mode = exact ? " (exact)" : " (stored order)";
        for (const VectorFormat format : {VectorFormat::Svg, VectorFormat::Pdf}) {
            const bool svg = format == VectorFormat::Svg;
            const fs::path path = dir_ / (svg ? "p.svg" : "p.pdf");
            const Status written = WriteVectorPicture(d.shapes, format, 1.0, path);
            ASSERT_TRUE(written.ok()) << written.message;
            std::string error;
            const BackBuffer read =
                svg ? RasteriseSvg(path, kSide, kSide, error) : RasterisePdf(path, kSide, kSide, error);
            ASSERT_FALSE(read.pixels.empty()) << error;
            const PictureAgreement a = ComparePictures(d.raster, read, kTolerance);
            EXPECT_GE(a.InnerShare(), 0.98) << (svg ? "SVG " : "PDF ") << row.what << mode << ": "
                                            << a.innerMatching << " of " << a.inner << " inner pixels";
            EXPECT_GE(a.EdgeShare(), 0.85) << (svg ? "SVG " : "PDF ") << row.what << mode << ": " << a.edgeMatching
                                           << " of " << a.edge << " edge pixels";
        }
    }
}

void ThickLines(DisplaySettings& d) { d.penbold = 0; }
void NoLinesThinHidden(DisplaySettings& d) {
    d.penbold = 2;
    d.urapenbold = 1;
    d.urapencolmode = 1;  // white
}
void ThickHiddenMidway(DisplaySettings& d) {
    d.urapenbold = 0;
    d.urapencolmode = 6;  // between background and lines
}
void NoHidden(DisplaySettings& d) { d.urapenbold = 2; }
void WhiteBackgroundBlackLines(DisplaySettings& d) {
    d.bkmode = 1;
    d.pencolmode = 0;
    d.urapenbold = 1;
    d.urapencolmode = 0;
}
void CyanBackground(DisplaySettings& d) {
    d.bkmode = 2;
    d.bkcol = 0x00FFFF00;
    d.pencolmode = 2;  // as the background
    d.urapenbold = 1;
    d.urapencolmode = 3;  // opposite of the background
}
void ChosenColours(DisplaySettings& d) {
    d.pencolmode = 4;
    d.pencol = 0x0000C0FF;
    d.urapenbold = 1;
    d.urapencolmode = 7;
    d.urapencol = 0x00FF4000;
}
void HiddenLikeLines(DisplaySettings& d) {
    d.urapenbold = 1;
    d.urapencolmode = 4;
}
void HiddenOppositeLines(DisplaySettings& d) {
    d.urapenbold = 1;
    d.urapencolmode = 5;
}
void Transparent(DisplaySettings& d) { d.facecolmode = 0; }
void Opaque(DisplaySettings& d) {
    d.facecolmode = 1;
    d.urapenbold = 1;
    d.urapencolmode = 1;
}
void Inside(DisplaySettings& d) { d.rezerse = 1; }
void Stereo(DisplaySettings& d) {
    d.stereoon = 1;
    d.stereodist = 30;
    d.ctpix = 1;
}
void FlatNoPerspective(DisplaySettings& d) {
    d.person = 0;
    d.lightmode = 0;
    d.bkmode = 1;
    d.pencolmode = 1;  // white lines on white
    d.urapenbold = 1;
    d.urapencolmode = 0;
}
void ColourMode(DisplaySettings& d) { d.facecolmode = 5; }
void Fractal(DisplaySettings& d) { d.fracn = 2; }

// Stars, compounds, hemi-polyhedra, smooth and fractal figures; every line
// width and colour mode, the background modes, stereo and the inside view once.
const VectorRow kRows[] = {
    {5, nullptr, "cube"},
    {1, ThickLines, "tetrahedron, thick lines"},
    {3, NoLinesThinHidden, "octahedron, no lines, thin white hidden lines"},
    {4, ThickHiddenMidway, "dodecahedron, thick hidden lines midway"},
    {11, NoHidden, "icosahedron, no hidden lines"},
    {15, nullptr, "great stellated dodecahedron"},
    {18, WhiteBackgroundBlackLines, "small stellated dodecahedron, white background"},
    {21, CyanBackground, "great dodecahedron, chosen background"},
    {22, ChosenColours, "great icosahedron, chosen line colours"},
    {23, HiddenLikeLines, "stellated octahedron, hidden as lines"},
    {24, HiddenOppositeLines, "five tetrahedra, hidden opposite"},
    {26, nullptr, "five cubes"},
    {27, Transparent, "five octahedra, transparent"},
    {32, nullptr, "ten triangular prisms"},
    {36, Opaque, "six pentagrammic prisms, opaque"},
    {51, Inside, "truncated cuboctahedron, inside"},
    {55, Stereo, "snub icosidodecahedron, stereo"},
    {90, nullptr, "tetrahemihexahedron"},
    {92, nullptr, "cubohemioctahedron"},
    {93, FlatNoPerspective, "octahemioctahedron, flat"},
    {109, nullptr, "small dodecahemidodecahedron"},
    {110, ColourMode, "small icosihemidodecahedron"},
    {112, nullptr, "small dodecahemicosahedron"},
    {113, nullptr, "great dodecahemicosahedron"},
    {115, nullptr, "great dodecahemidodecahedron"},
    {116, nullptr, "great icosihemidodecahedron"},
    {114, nullptr, "great icosidodecahedron"},
    {128, nullptr, "great snub dodecicosidodecahedron"},
    {135, nullptr, "great disnub dirhombidodecahedron"},
    {146, nullptr, "great dodecicosidodecahedron"},
    {415, nullptr, "superquadric sphere"},
    {416, nullptr, "superquadric torus"},
    {442, Fractal, "octahedron fractal"},
    {518, nullptr, "snub and dual compound"},
};

INSTANTIATE_TEST_SUITE_P(Figures, VectorPictureTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return "Figure" + std::to_string(info.param.figure); });

TEST(VectorPicture, KeepsTheRenderersOrderAndCutsFarShapes) {
    VectorRecorder r(10, 10);
    r.FillRect(0, 0, 10, 10, 1);
    const Point square[] = {{2, 2}, {6, 2}, {6, 6}, {2, 6}};
    const int32_t four[] = {4};
    r.FillPolygons(square, four, 1, 2);
    r.DrawLine({1, 1}, {1, 1}, 1, 3);  // draws nothing, as on pixels
    r.DrawLine({1, 1}, {4, 1}, 3, 4);
    r.SetPixel(9, 9, 5);
    r.SetPixel(10, 3, 6);  // outside: nothing
    // A far-off triangle is cut to the margin, and keeps its part inside.
    const Point far[] = {{-2000000000, 5}, {5, -2000000000}, {5, 5}};
    const int32_t three[] = {3};
    r.FillPolygons(far, three, 1, 7);
    r.DrawLine({-2000000000, 5}, {5, 5}, 1, 8);
    const VectorPicture p = r.Take();
    ASSERT_EQ(p.items.size(), 6u);
    EXPECT_EQ(p.items[0].colour, 1u);
    EXPECT_EQ(p.items[1].colour, 2u);
    EXPECT_EQ(p.items[1].points.size(), 4u);
    EXPECT_EQ(p.items[2].shape, VectorShape::Stroke);
    EXPECT_EQ(p.items[2].width, 3.0);
    EXPECT_TRUE(p.items[2].roundEnds);
    EXPECT_DOUBLE_EQ(p.items[2].points[0].x, 1.5);  // through pixel centres
    EXPECT_DOUBLE_EQ(p.items[2].points[1].x, 4.5);
    EXPECT_EQ(p.items[3].colour, 5u);
    for (const VectorItem& item : {p.items[4], p.items[5]}) {
        for (const VectorPoint& q : item.points) {
            EXPECT_GE(q.x, -64.0);
            EXPECT_GE(q.y, -64.0);
        }
    }
    EXPECT_DOUBLE_EQ(p.items[5].points[1].x, 5.5);
}

TEST(VectorPicture, ClippingKeepsTheAreaInsideTheBox) {
    // Areas by the shoelace formula.
    auto area = [](const std::vector<VectorPoint>& p) {
        double s = 0;
        for (size_t i = 0; i < p.size(); ++i) {
            const VectorPoint a = p[i];
            const VectorPoint b = p[(i + 1) % p.size()];
            s += a.x * b.y - b.x * a.y;
        }
        return s / 2;
    };
    struct Case {
        std::vector<VectorPoint> polygon;
        double expected;  // signed area within [0, 1] x [0, 1]
    };
    const Case cases[] = {
        {{{0.5, 0.5}, {2, 0.5}, {0.5, 2}}, 0.25},           // its corner square inside
        {{{-1, -1}, {2, -1}, {2, 2}, {-1, 2}}, 1.0},         // covers the box
        {{{3, 3}, {4, 3}, {4, 4}}, 0.0},                      // wholly outside
        {{{0, 0}, {1.5, 0}, {0, 1.5}}, 0.875},               // the box without its far corner
        {{{0.25, 0.25}, {0.25, 0.75}, {0.75, 0.75}}, -0.125}, // inside, wound the other way
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(area(ClipPolygonToBox(c.polygon, 0, 0, 1, 1)), c.expected, 1e-12);
    }
}

using VectorFileTest = TempFolderTest;

TEST_F(VectorFileTest, FilesHaveTheirSizeVersionAndScale) {
    VectorPicture p;
    p.width = 40;
    p.height = 30;
    ASSERT_TRUE(WriteVectorPicture(p, VectorFormat::Svg, 1.0, dir_ / "a.svg").ok());
    const std::string svg = ReadFileBytes(dir_ / "a.svg");
    EXPECT_NE(svg.find("width=\"40px\""), std::string::npos) << svg;
    EXPECT_NE(svg.find("height=\"30px\""), std::string::npos);
    EXPECT_NE(svg.find("version=\"1.1\""), std::string::npos);
    ASSERT_TRUE(WriteVectorPicture(p, VectorFormat::Pdf, 2.5, dir_ / "a.pdf").ok());
    const std::string pdf = ReadFileBytes(dir_ / "a.pdf");
    EXPECT_EQ(pdf.substr(0, 8), "%PDF-1.4");
    EXPECT_NE(pdf.find("/MediaBox [ 0 0 100 75 ]"), std::string::npos);

    // A bad scale or an empty picture fails and writes nothing; the old file stays.
    EXPECT_FALSE(WriteVectorPicture(p, VectorFormat::Svg, 0.0, dir_ / "a.svg").ok());
    EXPECT_FALSE(WriteVectorPicture(p, VectorFormat::Svg, 1000.0, dir_ / "a.svg").ok());
    EXPECT_FALSE(WriteVectorPicture(VectorPicture{}, VectorFormat::Pdf, 1.0, dir_ / "b.pdf").ok());
    EXPECT_FALSE(WriteVectorPicture(p, VectorFormat::Pdf, 1.0, dir_ / "no" / "c.pdf").ok());
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.pdf", "a.svg"}));
    EXPECT_EQ(ReadFileBytes(dir_ / "a.svg"), svg);
}

}  // namespace
}  // namespace gyro
