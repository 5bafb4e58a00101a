#include "model/solid_ops.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "support/hand_solids.h"

namespace gyro {
namespace {

using test::AddFace;
using test::MakeCube;
using Corners = std::vector<int32_t>;

Corners PolygonOf(const Face& face, int32_t p) {
    return Corners(face.corners.begin() + p * face.polygonSize, face.corners.begin() + (p + 1) * face.polygonSize);
}

TEST(Sizing, GrowsWithBlankElementsAndKeepsThePrefix) {
    Solid solid = MakeCube(2);
    solid.faces[0].colours.fill(0x123456);
    ASSERT_TRUE(ResizeVertices(solid, 10));
    EXPECT_EQ(solid.vertices[7], (Vec3{1, 1, 1}));
    EXPECT_EQ(solid.vertices[9], Vec3{});
    ASSERT_TRUE(ResizeSegments(solid, 2));
    EXPECT_EQ(solid.segments[1].a, 0);
    EXPECT_EQ(solid.segments[1].b, 0);
    ASSERT_TRUE(ResizeFaces(solid, 8));
    EXPECT_EQ(solid.faces[0].colours[6], 0x123456u);
    const Face& fresh = solid.faces[7];
    EXPECT_EQ(TotalCorners(fresh), 0);
    EXPECT_TRUE(fresh.corners.empty());
    EXPECT_EQ(fresh.starStep, 1);
    for (Colour c : fresh.colours) EXPECT_EQ(c, 0u);

    ASSERT_TRUE(ResizeFaces(solid, 2));
    EXPECT_EQ(solid.faceCount(), 2);
    ASSERT_TRUE(ResizeFaces(solid, -5));  // a negative count empties
    EXPECT_EQ(solid.faceCount(), 0);
    ClearMesh(solid);
    EXPECT_EQ(solid.vertexCount() + solid.segmentCount() + solid.faceCount(), 0);
}

TEST(Sizing, ScratchArrayThatCannotBeHadIsLeftEmpty) {
    std::vector<int32_t> scratch(4, 7);
    EXPECT_FALSE(TryResize(scratch, std::numeric_limits<size_t>::max()));
    EXPECT_TRUE(scratch.empty());
    EXPECT_TRUE(TryResize(scratch, 3));
    EXPECT_EQ(scratch, (Corners{0, 0, 0}));
}

// A large array grows by the path that offers it huge pages: what it held
// stays, the new room is zero, and a growth by one element still doubles the
// room instead of copying the whole array again at every step.
TEST(Sizing, LargeArraysKeepTheirContentAndGrowByDoubling) {
    std::vector<int32_t> array;
    const size_t n = (size_t{3} << 20) / sizeof(int32_t);  // 3 MB
    ASSERT_TRUE(TryResize(array, n));
    for (size_t i = 0; i < n; ++i) array[i] = static_cast<int32_t>(i * 7);
    ASSERT_TRUE(TryResize(array, n + 1));
    EXPECT_GE(array.capacity(), 2 * n);
    ASSERT_TRUE(TryResize(array, 3 * n));
    bool kept = true;
    for (size_t i = 0; i < n; ++i) kept = kept && array[i] == static_cast<int32_t>(i * 7);
    EXPECT_TRUE(kept);
    EXPECT_TRUE(std::all_of(array.begin() + static_cast<std::ptrdiff_t>(n), array.end(), [](int32_t v) { return v == 0; }));
    // The hint alone takes any block, or none.
    AdviseHugePages(nullptr, 0);
    AdviseHugePages(array.data() + 1, 5);
    AdviseHugePages(array);
    EXPECT_EQ(array[n - 1], static_cast<int32_t>((n - 1) * 7));
}

TEST(FaceShaping, PolygonsAreWhiteAndBlank) {
    Face face;
    face.colours.fill(0x00ABCDEF);
    face.starStep = 4;
    ASSERT_TRUE(SetFacePolygons(face, 3, 2));
    EXPECT_EQ(face.polygonSize, 3);
    EXPECT_EQ(face.polygonCount, 2);
    EXPECT_EQ(face.corners, Corners(6, 0));
    for (int slot = 0; slot < 4; ++slot) EXPECT_EQ(face.colours[slot], 0x00FFFFFFu);
    for (int slot = 4; slot < 7; ++slot) EXPECT_EQ(face.colours[slot], 0x00ABCDEFu);
    EXPECT_EQ(face.starStep, 4);

    // Re-shaping a used face clears its old corners.
    face.corners = {5, 6, 7, 8, 9, 10};
    ASSERT_TRUE(SetFacePolygon(face, 4));
    EXPECT_EQ(face.corners, Corners(4, 0));
}

TEST(FaceShaping, CountsBeyondSixteenBitsFailAndLeaveTheFaceEmpty) {
    for (auto [n, k] : {std::pair{40000, 1}, std::pair{3, 70000}, std::pair{-3, 1}}) {
        Face face;
        SetFacePolygon(face, 5);
        EXPECT_FALSE(SetFacePolygons(face, n, k)) << n << " x " << k;
        EXPECT_EQ(TotalCorners(face), 0);
        EXPECT_TRUE(face.corners.empty());
    }
}

struct StarCase {
    int32_t n, k, dir;
    std::vector<Corners> polygons;
    int16_t starStep;
};

TEST(FaceShaping, StarFaces) {
    const StarCase cases[] = {
        {5, 2, 1, {{0, 2, 4, 1, 3}}, 2},
        {8, 3, 1, {{0, 3, 6, 1, 4, 7, 2, 5}}, 3},
        {8, 6, 1, {{0, 2, 4, 6}, {1, 3, 5, 7}}, 2},  // the step folds to 2
        {6, 2, 1, {{0, 2, 4}, {1, 3, 5}}, 2},
        {6, 2, -1, {{0, 4, 2}, {5, 3, 1}}, 2},
        {5, 1, -1, {{0, 4, 3, 2, 1}}, 1},
        {9, 3, 1, {{0, 3, 6}, {1, 4, 7}, {2, 5, 8}}, 3},
    };
    for (const StarCase& c : cases) {
        Face face;
        SetStarFace(face, c.n, c.k, 0, c.dir);
        SCOPED_TRACE(testing::Message() << "{" << c.n << "/" << c.k << "} dir " << c.dir);
        ASSERT_EQ(face.polygonCount, static_cast<int32_t>(c.polygons.size()));
        for (size_t p = 0; p < c.polygons.size(); ++p) EXPECT_EQ(PolygonOf(face, static_cast<int32_t>(p)), c.polygons[p]);
        EXPECT_EQ(face.starStep, c.starStep);
    }

    Face shifted;
    SetStarFace(shifted, 5, 2, 10, 1);
    EXPECT_EQ(shifted.corners, (Corners{10, 12, 14, 11, 13}));

    // Degenerate requests give an empty face or stay within the ring.
    Face face;
    SetStarFace(face, 1, 1, 0, 1);
    EXPECT_EQ(TotalCorners(face), 0);
    SetStarFace(face, 6, 0, 0, 1);
    EXPECT_EQ(TotalCorners(face), 0);
    SetStarFace(face, 5, 7, 0, 1);  // a step beyond n walks like its remainder
    EXPECT_EQ(face.corners, (Corners{0, 2, 4, 1, 3}));
    SetStarFace(face, 4, 4, 0, 1);
    for (int32_t c : face.corners) EXPECT_TRUE(c >= 0 && c < 4);
}

TEST(FaceShaping, CopyAndReverse) {
    Face src;
    SetStarFace(src, 6, 2, 0, 1);
    src.colours = {1, 2, 3, 4, 5, 6, 7};
    Face dst;
    CopyFaceShifted(dst, src, 100);
    EXPECT_EQ(dst.corners, (Corners{100, 102, 104, 101, 103, 105}));
    EXPECT_EQ(dst.polygonCount, 2);
    EXPECT_EQ(dst.colours, src.colours);
    EXPECT_EQ(dst.starStep, 2);
    CopyFaceShifted(dst, Face{}, 100);
    EXPECT_EQ(TotalCorners(dst), 0);
    CopyFaceShifted(src, src, 1);  // onto itself: shifted, not wiped
    EXPECT_EQ(src.corners, (Corners{1, 3, 5, 2, 4, 6}));

    Face face;
    for (int32_t n = 0; n <= 5; ++n) {
        SetFacePolygon(face, n);
        for (int32_t i = 0; i < n; ++i) face.corners[i] = i;
        ReverseFace(face);
        Corners expected;
        if (n > 0) expected.push_back(0);
        for (int32_t i = n - 1; i >= 1; --i) expected.push_back(i);
        EXPECT_EQ(face.corners, expected);
    }
}

TEST(Combination, AppendShiftsIndicesAndOverridesTheAskedSlots) {
    Solid dst = MakeCube(2);
    Solid src = test::MakeTetrahedron(1);
    for (Face& f : src.faces) f.colours = {1, 2, 3, 4, 5, 6, 7};
    AppendSolid(dst, src, 0x00AA00, -1);
    ASSERT_EQ(dst.vertexCount(), 12);
    ASSERT_EQ(dst.faceCount(), 10);
    EXPECT_EQ(dst.vertices[8], src.vertices[0]);
    for (int32_t f = 0; f < 4; ++f) {
        const Face& face = dst.faces[6 + f];
        for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(face.corners[i], src.faces[f].corners[i] + 8);
        EXPECT_EQ(face.colours[6], 0x00AA00u);
        EXPECT_EQ(face.colours[5], 6u);
    }
    EXPECT_EQ(dst.faces[0].corners, (Corners{4, 5, 7, 6}));  // the old faces are untouched

    AppendSolid(dst, dst, -1, 0);  // onto itself: doubles
    EXPECT_EQ(dst.vertexCount(), 24);
    EXPECT_EQ(dst.faceCount(), 20);
    EXPECT_EQ(dst.faces[10].corners, (Corners{16, 17, 19, 18}));
    EXPECT_EQ(dst.faces[19].colours[5], 0u);
}

TEST(FaceMeasures, CentroidAndNormalOfTheFirstPolygon) {
    const Solid cube = MakeCube(2);
    EXPECT_EQ(FaceCentroid(cube.faces[0], cube.vertices), (Vec3{1, 0, 0}));
    const Vec3 n = FaceNormal(cube.faces[0], cube.vertices);
    EXPECT_DOUBLE_EQ(n.x, 1.0);
    EXPECT_DOUBLE_EQ(Length(n), 1.0);

    // A compound face is measured by its first polygon.
    Solid star;
    for (int i = 0; i < 6; ++i) star.vertices.push_back({SinDeg(60.0 * i), CosDeg(60.0 * i), 0.0});
    star.vertices[1].z = star.vertices[3].z = star.vertices[5].z = 9;  // second triangle lifted
    Face& face = star.faces.emplace_back();
    SetStarFace(face, 6, 2, 0, 1);
    EXPECT_NEAR(Length(FaceCentroid(face, star.vertices)), 0.0, 1e-15);
    // 0, 2, 4 run clockwise seen from +z, and the normal points to that side.
    EXPECT_DOUBLE_EQ(FaceNormal(face, star.vertices).z, 1.0);
}

TEST(FaceMeasures, FallbackWhenTheFirstPolygonHasNoArea) {
    // First polygon collinear; the normal comes from its first distinct corner
    // and the last corner of the face.
    Solid solid;
    solid.vertices = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {0, 1, 0}, {1, 1, 0}, {0, 2, 0}};
    Face& face = solid.faces.emplace_back();
    SetFacePolygons(face, 3, 2);
    face.corners = {0, 1, 2, 3, 4, 5};
    const Vec3 n = FaceNormal(face, solid.vertices);
    EXPECT_EQ(n, (Vec3{0, 0, -1}));  // -(P1 - P0) x (P5 - P0)

    face.corners = {0, 0, 0, 0, 0, 0};  // all one point
    EXPECT_EQ(FaceNormal(face, solid.vertices), Vec3{});
    face.corners = {0, 1, 2, 3, 4, 0};  // last corner equals the first
    EXPECT_EQ(FaceNormal(face, solid.vertices), Vec3{});
}

TEST(FaceMeasures, DegenerateFacesMeasureAsNothing) {
    const Solid cube = MakeCube(2);
    Face face;
    EXPECT_EQ(FaceCentroid(face, cube.vertices), Vec3{});
    EXPECT_EQ(FaceNormal(face, cube.vertices), Vec3{});
    SetFacePolygon(face, 2);
    face.corners = {0, 7};
    EXPECT_EQ(FaceNormal(face, cube.vertices), Vec3{});
    // An index outside the vertex array reads as the centre instead of crashing.
    SetFacePolygon(face, 3);
    face.corners = {7, 3, 99};
    EXPECT_EQ(FaceCentroid(face, cube.vertices), (Vec3{0, 2.0 / 3, 2.0 / 3}));
    // Counts that claim more corners than the face holds.
    face.polygonSize = 50;
    EXPECT_EQ(FaceCentroid(face, cube.vertices), (Vec3{0, 2.0 / 3, 2.0 / 3}));
}

TEST(WholeSolid, ScaleToRadius) {
    Solid cube = MakeCube(2);
    ScaleToRadius(cube, 800);
    EXPECT_NEAR(Length(cube.vertices[3]), 800, 1e-9);
    Solid points;
    points.vertices.resize(3);
    ScaleToRadius(points, 800);
    for (const Vec3& v : points.vertices) EXPECT_EQ(v, Vec3{});
    Solid empty;
    ScaleToRadius(empty, 800);
    EXPECT_EQ(empty.vertexCount(), 0);
}

TEST(Numbers, IntPower) {
    EXPECT_EQ(IntPower(6, 7), 279936.0);
    EXPECT_EQ(IntPower(2, -3), 0.125);
    EXPECT_EQ(IntPower(-3, 3), -27.0);
    EXPECT_EQ(IntPower(5, 0), 1.0);
    EXPECT_EQ(IntPower(0, 0), 1.0);
    EXPECT_EQ(IntPower(1, std::numeric_limits<int32_t>::min()), 1.0);
    EXPECT_TRUE(std::isinf(IntPower(0, -1)));
}

TEST(Numbers, SinCosDegreesAreExactAtEighthTurns) {
    const double r = std::sqrt(2.0) / 2;
    const double sines[8] = {0, r, 1, r, 0, -r, -1, -r};
    for (int i = -16; i <= 16; ++i) {
        const double a = 45.0 * i;
        const int octant = ((i % 8) + 8) % 8;
        EXPECT_EQ(SinDeg(a), sines[octant]) << a;
        EXPECT_EQ(CosDeg(a), sines[(octant + 2) % 8]) << a;
    }
    for (double a : {10.0, 80.0, 100.0, 190.0, 260.0, 300.0, 350.0, -17.5, 1000.25}) {
        EXPECT_NEAR(SinDeg(a), std::sin(a * std::acos(-1.0) / 180), 1e-14) << a;
        EXPECT_NEAR(CosDeg(a), std::cos(a * std::acos(-1.0) / 180), 1e-14) << a;
    }
    EXPECT_NEAR(SinDeg(-1e-20), 0.0, 1e-20);
}

}  // namespace
}  // namespace gyro
