#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "families/families.h"
#include "model/colour.h"
#include "model/limits.h"
#include "state/dispatcher.h"
#include "support/invariants.h"

namespace gyro {
namespace {

constexpr ShapeId kBlobTree = 453;

Solid BuiltTree() {
    Solid solid;
    EXPECT_NE(BuildFigure(solid, kBlobTree), 0);
    return solid;
}

TEST(BlobTree, RandomNumbersFollowTheFixedSequence) {
    BlobRandom random;
    const std::vector<int32_t> expected = {38, 7719, 21238, 2437, 8855, 11797, 8365, 32285};
    std::vector<int32_t> drawn;
    for (size_t i = 0; i < expected.size(); ++i) drawn.push_back(random.Next());
    EXPECT_EQ(drawn, expected);
}

TEST(BlobTree, DefaultTreeHasItsCountsAndRebuildsIdentically) {
    const Solid tree = BuiltTree();
    EXPECT_EQ(tree.vertexCount(), 118824);
    EXPECT_EQ(tree.faceCount(), 132006);
    EXPECT_EQ(tree.patternCount, 1);
    EXPECT_EQ(tree.fractalDepthMax, 0);
    // Every blob is a closed, consistently wound ellipsoid; the tree as a whole
    // is off centre, so outwardness from the origin says nothing.
    test::InvariantOptions options;
    options.outward = false;
    options.closed = true;
    options.oriented = true;
    EXPECT_TRUE(test::SolidIsSound(tree, options));

    Solid again = tree;
    ASSERT_NE(BuildFigure(again, kBlobTree), 0);
    ASSERT_EQ(again.vertexCount(), tree.vertexCount());
    ASSERT_EQ(again.faceCount(), tree.faceCount());
    for (int32_t v = 0; v < tree.vertexCount(); ++v) ASSERT_TRUE(again.vertices[v] == tree.vertices[v]) << v;
    for (int32_t f = 0; f < tree.faceCount(); ++f) {
        ASSERT_EQ(again.faces[f].corners, tree.faces[f].corners) << f;
        ASSERT_EQ(again.faces[f].colours, tree.faces[f].colours) << f;
    }
}

// The first and the last blob of the default tree: a vertex of each and the
// colours its faces carry (slot 0 from the ellipsoid, 5 and 6 from the blob).
struct BlobFacts {
    const char* which;
    int32_t vertex;
    Vec3 point;
    int32_t face;
    Colour pattern0;
    Colour dark;  // slot 5
    Colour hue;   // slot 6
};

TEST(BlobTree, FirstAndLastBlobsArePinned) {
    const Solid tree = BuiltTree();
    const int32_t lastV = tree.vertexCount() - 1;
    const int32_t lastF = tree.faceCount() - 1;
    const BlobFacts rows[] = {
        // The first blob is the full 16 x 16 ellipsoid at 0.3 of the radii about
        // (-400, -300, -800); its colours come from the first two draws, 38 and 7719.
        {"first top pole", 0, {-400, -60, -800}, 0, kDefaultPalette[0], RgbColour(71, 0, 130), HueColour(255)},
        {"first bottom pole", 113, {-400, -540, -800}, 127, kDefaultPalette[3], RgbColour(71, 0, 130),
         HueColour(255)},
        // The last blob is small, a pole of it, with the colours of the final draws.
        {"last", lastV, {-731.03313913082548, 97.726788181595083, 78.284126626848476}, lastF, kDefaultPalette[3],
         RgbColour(80, 0, 122), HueColour(1030)},
    };
    for (const BlobFacts& row : rows) {
        SCOPED_TRACE(row.which);
        const Vec3 p = tree.vertices[row.vertex];
        EXPECT_NEAR(p.x, row.point.x, 1e-7);
        EXPECT_NEAR(p.y, row.point.y, 1e-7);
        EXPECT_NEAR(p.z, row.point.z, 1e-7);
        const Face& face = tree.faces[row.face];
        EXPECT_EQ(face.colours[0], row.pattern0);
        EXPECT_EQ(face.colours[5], row.dark);
        EXPECT_EQ(face.colours[6], row.hue);
    }
}

// A budget stops the tree at the first blob that does not fit; what was added
// before is exactly the start of the full tree, and the random numbers go on
// being drawn for the blobs left out.
TEST(BlobTree, FaceBudgetKeepsTheStartOfTheTree) {
    const Solid full = BuiltTree();
    for (int64_t budget : {int64_t{0}, int64_t{127}, int64_t{128}, int64_t{5000}}) {
        SCOPED_TRACE(budget);
        Solid part;
        BlobRandom random;
        GrowBlobTree(part, random, BlobTreeShape{}, budget);
        EXPECT_LE(part.faceCount(), budget);
        EXPECT_GT(part.faceCount(), budget - 128);  // a full-size blob has 128 faces
        for (int32_t f = 0; f < part.faceCount(); ++f) {
            ASSERT_EQ(part.faces[f].corners, full.faces[f].corners) << f;
            ASSERT_EQ(part.faces[f].colours, full.faces[f].colours) << f;
        }
        Solid empty;
        BlobRandom whole;
        GrowBlobTree(empty, whole, BlobTreeShape{}, 0);
        EXPECT_EQ(random.state, whole.state);
    }
}

// With large sphere radii the blobs stay fine-meshed; the tree stops at the
// budget instead of growing without bound.
TEST(BlobTree, LargeRadiiStayWithinTheFaceBudget) {
    Solid solid;
    solid.params.sphwz = 30000;
    solid.params.sphn = 64;
    solid.params.sphm = 64;
    ASSERT_NE(BuildFigure(solid, kBlobTree), 0);
    EXPECT_LE(solid.faceCount(), kMaxBlobTreeFaces);
    EXPECT_GT(solid.faceCount(), kMaxBlobTreeFaces - 64 * 64);
}

}  // namespace
}  // namespace gyro
