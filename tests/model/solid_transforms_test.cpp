#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/colour.h"
#include "model/solid_ops.h"
#include "support/hand_solids.h"
#include "support/invariants.h"

namespace gyro {
namespace {

using test::CheckSolid;
using test::MakeCube;
using test::MakeOctahedron;
using test::MakeTetrahedron;
using test::SolidIsSound;
using Corners = std::vector<int32_t>;

constexpr test::InvariantOptions kConvexClosed = test::kConvexEqualEdges;

bool Near(Vec3 a, Vec3 b, double tol = 1e-9) { return Length(a - b) <= tol; }

// n vertices on a circle about z, the ring that SetStarFace walks.
Solid Ring(int32_t n) {
    Solid solid;
    for (int32_t m = 0; m < n; ++m) solid.vertices.push_back({SinDeg(360.0 * m / n), CosDeg(360.0 * m / n), 100});
    return solid;
}

// ---- Mirrors ----------------------------------------------------------------

struct Star {
    int32_t n, k;
};
constexpr Star kStars[] = {{5, 2}, {6, 2}, {8, 3}, {8, 6}, {9, 3}, {10, 4}, {12, 3}, {14, 4}, {15, 6}, {7, 1}};

TEST(Mirror, StarFaceComesOutAsTheSameStarWalkedBackwards) {
    for (const Star& star : kStars) {
        SCOPED_TRACE(testing::Message() << "{" << star.n << "/" << star.k << "}");
        Solid solid = Ring(star.n);
        SetStarFace(solid.faces.emplace_back(), star.n, star.k, 0, 1);
        Face backwards;
        SetStarFace(backwards, star.n, star.k, 0, -1);
        MirrorX(solid);
        EXPECT_EQ(solid.faces[0].corners, backwards.corners);
        MirrorThroughCentre(solid);
        Face forwards;
        SetStarFace(forwards, star.n, star.k, 0, 1);
        EXPECT_EQ(solid.faces[0].corners, forwards.corners);
    }
}

TEST(Mirror, TwiceRestoresVerticesAndWindings) {
    Solid solid = MakeCube(400);
    for (const Star& star : kStars) {
        Solid ring = Ring(star.n);
        SetStarFace(ring.faces.emplace_back(), star.n, star.k, 0, 1);
        AppendSolid(solid, ring, -1, -1);
    }
    const Solid before = solid;
    MirrorX(solid);
    EXPECT_NE(solid.faces[0].corners, before.faces[0].corners);
    MirrorX(solid);
    MirrorThroughCentre(solid);
    MirrorThroughCentre(solid);
    for (int32_t v = 0; v < solid.vertexCount(); ++v) EXPECT_EQ(solid.vertices[v], before.vertices[v]) << v;
    for (int32_t f = 0; f < solid.faceCount(); ++f) EXPECT_EQ(solid.faces[f].corners, before.faces[f].corners) << f;
}

TEST(Mirror, MirroredSolidsFaceOutwards) {
    Solid cube = MakeCube(400);
    MirrorX(cube);
    EXPECT_EQ(cube.vertices[4], (Vec3{-200, -200, -200}));
    EXPECT_TRUE(SolidIsSound(cube, kConvexClosed));
    Solid tetra = MakeTetrahedron(800);
    MirrorThroughCentre(tetra);
    EXPECT_EQ(tetra.vertices[0], (Vec3{-800 / std::sqrt(3.0), -800 / std::sqrt(3.0), -800 / std::sqrt(3.0)}));
    EXPECT_TRUE(SolidIsSound(tetra, kConvexClosed));
}

TEST(Mirror, EveryPolygonOfAMergedFaceTurnsOver) {
    // Two coplanar squares written as one face with the default starStep 1: not a
    // star, so each square only reverses; rotating the second would undo that.
    Solid solid;
    solid.vertices = {{0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}, {2, 0, 1}, {3, 0, 1}, {3, 1, 1}, {2, 1, 1}};
    Face& face = solid.faces.emplace_back();
    SetFacePolygons(face, 4, 2);
    face.corners = {0, 1, 2, 3, 4, 5, 6, 7};
    MirrorX(solid);
    EXPECT_EQ(solid.faces[0].corners, (Corners{0, 3, 2, 1, 4, 7, 6, 5}));
}

TEST(Mirror, ShortAndBrokenFacesAreLeftAlone) {
    Solid solid = MakeCube(2);
    SetFacePolygon(solid.faces.emplace_back(), 2);
    solid.faces.back().corners = {0, 1};
    solid.faces.emplace_back();
    Face& liar = solid.faces.emplace_back();
    SetFacePolygon(liar, 3);
    liar.polygonCount = 4;  // claims more corners than it holds
    const Solid before = solid;
    MirrorX(solid);
    for (int32_t f = 6; f < 9; ++f) EXPECT_EQ(solid.faces[f].corners, before.faces[f].corners);
}

// ---- Dual -------------------------------------------------------------------

TEST(Dual, CubeGivesTheOctahedron) {
    Solid solid = MakeCube(400);
    solid.segments.push_back({0, 7});
    MakeDual(solid, 8);
    ASSERT_EQ(solid.vertexCount(), 6);
    ASSERT_EQ(solid.faceCount(), 8);
    EXPECT_EQ(solid.segmentCount(), 0);  // they named the cube's vertices
    EXPECT_TRUE(SolidIsSound(solid, kConvexClosed));
    const test::SolidMeasures m = test::Measure(solid);
    EXPECT_EQ(m.facesByCorners, (test::CornerCounts{{3, 8}}));
    EXPECT_NEAR(m.vertexRadius.min, 800, 1e-9);
    EXPECT_NEAR(m.vertexRadius.max, 800, 1e-9);
    EXPECT_TRUE(Near(solid.vertices[0], {800, 0, 0}));  // from the +x face
    for (int32_t v = 0; v < 8; ++v) {
        for (Colour c : solid.faces[v].colours) EXPECT_EQ(c, kDefaultPalette[v]);
    }
}

TEST(Dual, ColoursRepeatWithTheModulus) {
    Solid solid = MakeCube(400);
    solid.params.palette[1] = 0x00010203;
    MakeDual(solid, 3);
    for (int32_t v = 0; v < 8; ++v) EXPECT_EQ(solid.faces[v].colours[4], solid.params.palette[v % 3]) << v;
    Solid odd = MakeCube(400);
    MakeDual(odd, 0);  // an impossible modulus colours everything with palette[0]
    EXPECT_EQ(odd.faces[5].colours[0], kDefaultPalette[0]);
    Solid wide = MakeCube(400);
    MakeDual(wide, 50);  // never reads past the palette
    EXPECT_EQ(wide.faces[7].colours[0], kDefaultPalette[7]);
}

TEST(Dual, OctahedronGivesTheCubeAndTheTetrahedronItself) {
    Solid solid = MakeOctahedron(300);
    solid.params.baseSizeA = 500;
    MakeDual(solid, 8);
    ASSERT_EQ(solid.vertexCount(), 8);
    ASSERT_EQ(solid.faceCount(), 6);
    EXPECT_TRUE(SolidIsSound(solid, kConvexClosed));
    const test::SolidMeasures m = test::Measure(solid);
    EXPECT_EQ(m.facesByCorners, (test::CornerCounts{{4, 6}}));
    EXPECT_NEAR(m.vertexRadius.min, 500, 1e-9);
    EXPECT_NEAR(m.edgeLength.max, 1000 / std::sqrt(3.0), 1e-9);

    Solid tetra = MakeTetrahedron(123);
    MakeDual(tetra, 8);
    EXPECT_TRUE(SolidIsSound(tetra, kConvexClosed));
    EXPECT_EQ(test::Measure(tetra).facesByCorners, (test::CornerCounts{{3, 4}}));
    // Twice round gives the cube back, scaled to the size standard.
    Solid cube = MakeCube(2);
    MakeDual(cube, 8);
    MakeDual(cube, 8);
    EXPECT_TRUE(SolidIsSound(cube, kConvexClosed));
    EXPECT_NEAR(test::Measure(cube).edgeLength.min, 1600 / std::sqrt(3.0), 1e-9);
}

TEST(Dual, StarVertexFiguresGiveStarFaces) {
    // The dual of the great dodecahedron is the small stellated dodecahedron: the
    // walk across shared edges winds twice round each vertex, so every dual face
    // comes out as a pentagram, never as the convex pentagon.
    Solid solid = test::MakeGreatDodecahedron(800);
    ASSERT_TRUE(SolidIsSound(solid, {.closed = true, .oriented = true, .equalEdges = true}));
    MakeDual(solid, 10);
    ASSERT_EQ(solid.vertexCount(), 12);
    ASSERT_EQ(solid.faceCount(), 12);
    EXPECT_TRUE(SolidIsSound(solid, {.closed = true, .oriented = true, .equalEdges = true}));
    EXPECT_TRUE(test::Measure(solid).vertexRadius.IsConstant());
    for (const Face& face : solid.faces) {
        ASSERT_EQ(TotalCorners(face), 5);
        const auto at = [&](int32_t i) { return solid.vertices[face.corners[i % 5]]; };
        for (int32_t i = 0; i < 5; ++i) EXPECT_GT(Length(at(i + 1) - at(i)), 1.5 * Length(at(i + 2) - at(i)));
    }
}

TEST(Dual, FacesThroughTheCentreBecomeBands) {
    Solid solid = test::MakeTetrahemihexahedron(800);
    const int32_t n = solid.faceCount();  // 4 triangles, then 3 squares through the centre
    MakeDual(solid, 8);
    ASSERT_EQ(solid.vertexCount(), n * 8);  // two far points per square edge
    ASSERT_EQ(solid.faceCount(), 6);
    const test::SolidMeasures m = test::Measure(solid);
    EXPECT_NEAR(m.vertexRadius.max, 800, 1e-9);
    for (const Vec3& v : solid.vertices) EXPECT_TRUE(std::isfinite(Length(v)));
    for (int32_t v = 0; v < 6; ++v) {
        const Face& face = solid.faces[v];
        SCOPED_TRACE(v);
        // Around each vertex: triangle, square, triangle, square.
        ASSERT_EQ(face.polygonCount, 4);
        ASSERT_EQ(face.polygonSize, 4);
        int32_t bands = 0;
        for (int32_t p = 0; p < 4; ++p) {
            const int32_t* q = face.corners.data() + 4 * p;
            if (q[0] == q[1]) {
                EXPECT_TRUE(q[1] == q[2] && q[2] == q[3]);  // a triangle's pole: drawn as nothing
                EXPECT_LT(q[0], 4);
            } else {
                ++bands;
                for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(q[i] % n >= 4, true);  // far points of a square
            }
        }
        EXPECT_EQ(bands, 2);
        EXPECT_NE(face.corners[0], face.corners[1]);  // the list starts with a band
    }
    EXPECT_TRUE(SolidIsSound(solid, {.planar = false, .outward = false}));
}

TEST(Dual, OpenFanIsWalkedBothWays) {
    // A cube without its +x face: the four corners of the hole have two faces
    // each, and a walk in one direction alone would miss one of them.
    Solid solid = MakeCube(400);
    solid.faces.erase(solid.faces.begin());
    MakeDual(solid, 8);
    ASSERT_EQ(solid.faceCount(), 8);
    for (int32_t v = 0; v < 8; ++v) EXPECT_EQ(TotalCorners(solid.faces[v]), v < 4 ? 3 : 2) << v;
}

TEST(Dual, DegenerateFacesAreSkipped) {
    Solid solid = MakeCube(400);
    solid.faces.emplace_back();  // no polygons
    test::AddFace(solid, {0, 7});
    test::AddFace(solid, {0, 1, 42});  // index out of range
    test::AddFace(solid, {0, 1, 1});   // collinear, no plane
    MakeDual(solid, 8);
    ASSERT_EQ(solid.faceCount(), 8);
    for (const Vec3& v : solid.vertices) EXPECT_TRUE(std::isfinite(Length(v)));
    EXPECT_EQ(TotalCorners(solid.faces[3]), 3);
    EXPECT_EQ(TotalCorners(solid.faces[6]), 3);

    Solid empty;
    MakeDual(empty, 8);
    EXPECT_EQ(empty.vertexCount() + empty.faceCount(), 0);
}

// ---- Pyramids ---------------------------------------------------------------

TEST(Pyramids, CubeWithEquilateralPyramidsKeepsItsCircumradius) {
    const double e = 400;
    Solid solid = MakeCube(e);
    for (int32_t f = 0; f < 6; ++f) solid.faces[f].colours.fill(0x100 + f);
    RaisePyramids(solid, 1);
    ASSERT_EQ(solid.vertexCount(), 14);
    ASSERT_EQ(solid.faceCount(), 24);
    const double k = (e * std::sqrt(3.0) / 2) / (e / 2 + e / std::sqrt(2.0));
    EXPECT_TRUE(Near(solid.vertices[7], Vec3{e / 2, e / 2, e / 2} * k));
    EXPECT_TRUE(Near(solid.vertices[8], {e * std::sqrt(3.0) / 2, 0, 0}));  // apex of the +x face
    EXPECT_TRUE(SolidIsSound(solid, {.closed = true, .oriented = true, .equalEdges = true}));
    EXPECT_NEAR(test::Measure(solid).edgeLength.max, e * k, 1e-9);
    for (int32_t t = 0; t < 24; ++t) {
        EXPECT_EQ(solid.faces[t].corners[0], 8 + t / 4);
        EXPECT_EQ(solid.faces[t].colours[6], 0x100u + t / 4);
    }
}

TEST(Pyramids, DentsGoInwardWithoutRescaling) {
    Solid solid = MakeOctahedron(800);
    RaisePyramids(solid, -1);
    EXPECT_EQ(solid.vertices[0], (Vec3{800, 0, 0}));
    const double e = 800 * std::sqrt(2.0);
    const double centroid = 800 / std::sqrt(3.0);
    // The dent is deeper than the face's distance: the apex passes the centre.
    EXPECT_NEAR(Dot(solid.vertices[6], FaceNormal(MakeOctahedron(800).faces[0], solid.vertices)),
                centroid - e * std::sqrt(2.0 / 3.0), 1e-9);
    EXPECT_TRUE(SolidIsSound(solid, {.outward = false, .closed = true, .oriented = true}));
}

TEST(Pyramids, HexagonsStayFlatAndShortFacesAreDropped) {
    Solid solid;
    for (int32_t m = 0; m < 6; ++m) solid.vertices.push_back({SinDeg(60.0 * m), CosDeg(60.0 * m), 5});
    test::AddFace(solid, {0, 1, 2, 3, 4, 5});
    solid.faces.emplace_back();
    test::AddFace(solid, {0, 3});
    RaisePyramids(solid, 1);
    ASSERT_EQ(solid.vertexCount(), 9);
    ASSERT_EQ(solid.faceCount(), 6);
    EXPECT_TRUE(Near(solid.vertices[6], {0, 0, 5}, 1e-12));
    EXPECT_EQ(solid.faces[5].corners, (Corners{6, 5, 0}));
}

// ---- Koch subdivision -------------------------------------------------------

Solid Koch(int16_t conn, int32_t depth, double side = 600) {
    Solid solid;
    solid.params.conn = conn;
    const int32_t faces = static_cast<int32_t>(IntPower(6, depth));
    ResizeVertices(solid, 3 * faces);
    ResizeFaces(solid, faces);
    const double h = side / 2;
    KochSubdivide(solid, {-h, -h / std::sqrt(3.0), 0}, {h, -h / std::sqrt(3.0), 0}, {0, side / std::sqrt(3.0), 0},
                  0, 0, 0, 256, depth);
    return solid;
}

TEST(Koch, BumpHeightFollowsConn) {
    const double side = 600;
    const double full = (side / 2) * std::sqrt(2.0 / 3.0);  // tetrahedron on the middle triangle
    const struct {
        int16_t conn;
        double height;
    } cases[] = {{3, 0}, {67, full}, {68, 0}, {35, full / 2}, {2, -full / 64}, {-61, -full}, {-62, 0}};
    // The bump rises away from the triangle's normal, which points to -z here.
    const Solid flat = Koch(3, 0);
    EXPECT_NEAR(FaceNormal(flat.faces[0], flat.vertices).z, -1.0, 1e-12);
    for (const auto& c : cases) {
        const Solid solid = Koch(c.conn, 1, side);
        EXPECT_NEAR(solid.vertices[9].z, c.height, 1e-9) << c.conn;  // the fourth sub-triangle starts at the apex
    }
}

TEST(Koch, OneLevelLaysOutSixTrianglesWithHues) {
    Solid solid = Koch(67, 1);
    ASSERT_EQ(solid.faceCount(), 6);
    const int32_t hues[6] = {0, 512, 1024, 768, 1280, 256};
    for (int32_t f = 0; f < 6; ++f) {
        const Face& face = solid.faces[f];
        EXPECT_EQ(face.corners, (Corners{3 * f, 3 * f + 1, 3 * f + 2}));
        EXPECT_EQ(face.colours[0], kDefaultPalette[f % 8]);
        EXPECT_EQ(face.colours[1], HueColour(hues[f]));
    }
    // Corners: P0 M01 M02 | M01 P1 M12 | M02 M12 P2 | A M02 M01 | A M01 M12 | A M12 M02.
    const std::pair<int, int> same[] = {{1, 3}, {2, 6}, {5, 7}, {9, 12}, {9, 15}, {10, 17}, {11, 13}, {14, 16}};
    for (auto [a, b] : same) EXPECT_EQ(solid.vertices[a], solid.vertices[b]) << a << " " << b;
    EXPECT_EQ(solid.vertices[4], (Vec3{300, -300 / std::sqrt(3.0), 0}));
}

TEST(Koch, DepthSevenFillsEverySlot) {
    const Solid solid = Koch(67, 7);
    ASSERT_EQ(solid.faceCount(), 279936);
    ASSERT_EQ(solid.vertexCount(), 839808);
    for (int32_t f = 0; f < solid.faceCount(); ++f) {
        const Face& face = solid.faces[f];
        ASSERT_EQ(face.polygonCount, 1);
        ASSERT_EQ(face.corners[0], 3 * f);
        ASSERT_EQ(face.colours[0], kDefaultPalette[f % 8]);
    }
    double far = 0;
    for (const Vec3& v : solid.vertices) far = std::max(far, Length(v));
    EXPECT_GT(far, 0);
    EXPECT_LT(far, 600);  // bumps stay near the triangle
}

TEST(Koch, SlotsOutsideTheArraysAreSkipped) {
    Solid solid;
    ResizeVertices(solid, 10);  // room for three leaves, not six
    ResizeFaces(solid, 2);
    KochSubdivide(solid, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 0, 0, 0, 6, 1);
    EXPECT_EQ(TotalCorners(solid.faces[1]), 3);
    KochSubdivide(solid, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 5, 1, 0, 6, 40);  // absurd depth
    KochSubdivide(solid, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, -3, -1, 0, 6, 1);
    EXPECT_TRUE(CheckSolid(solid, {.outward = false}).ok());
}

}  // namespace
}  // namespace gyro
