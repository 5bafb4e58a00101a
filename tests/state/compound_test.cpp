#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <ostream>

#include "catalog/catalogue.h"
#include "state/dispatcher.h"
#include "support/invariants.h"

namespace gyro {
namespace {

// A compound of a solid and its dual: the first part's vertices come first.
struct CompoundFacts {
    ShapeId figure;
    int32_t firstVertices;
    int32_t firstFaces;
    int32_t secondVertices;
    int32_t secondFaces;
    std::array<double, 3> midradius;  // of both parts, at kikaku -1, 0, 1
};

void PrintTo(const CompoundFacts& facts, std::ostream* os) { *os << "figure " << facts.figure; }

class DualCompound : public ::testing::TestWithParam<CompoundFacts> {};

// Distance of the centre from the segment a-b.
double CentreDistance(Vec3 a, Vec3 b) {
    const Vec3 d = b - a;
    const double t = std::clamp(-Dot(a, d) / Dot(d, d), 0.0, 1.0);
    return Length(a + d * t);
}

// Smallest and largest distance of the centre from a polygon edge, over the
// faces whose first corner is (or is not) below `split`. Edges tangent to a
// sphere all lie at its radius; a solid's edges touch it at their midpoints,
// the dual's edges where they cross them.
test::Range EdgeRadii(const Solid& solid, int32_t split, bool first) {
    test::Range r{1e300, 0.0, 0};
    for (const Face& face : solid.faces) {
        if ((face.corners.front() < split) != first) continue;
        for (int32_t p = 0; p < face.polygonCount; ++p) {
            for (int32_t i = 0; i < face.polygonSize; ++i) {
                const Vec3 a = solid.vertices[face.corners[p * face.polygonSize + i]];
                const Vec3 b = solid.vertices[face.corners[p * face.polygonSize + (i + 1) % face.polygonSize]];
                const double d = CentreDistance(a, b);
                r.min = std::min(r.min, d);
                r.max = std::max(r.max, d);
                ++r.count;
            }
        }
    }
    return r;
}

TEST_P(DualCompound, HoldsBothPartsWithCrossingEdges) {
    const CompoundFacts& facts = GetParam();
    const FigureInfo* info = FindFigure(facts.figure);
    ASSERT_NE(info, nullptr);
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(::testing::Message() << "kikaku " << k - 1);
        Solid solid;
        solid.params.kikaku = static_cast<int8_t>(k - 1);
        ASSERT_NE(BuildFigure(solid, facts.figure), 0);
        EXPECT_EQ(solid.vertexCount(), facts.firstVertices + facts.secondVertices);
        ASSERT_EQ(solid.faceCount(), facts.firstFaces + facts.secondFaces);
        EXPECT_EQ(solid.patternCount, 1);
        EXPECT_EQ(solid.fractalDepthMax, 0);
        EXPECT_EQ(solid.nameJa, info->nameJa);
        EXPECT_TRUE(solid.nameEn.empty());
        EXPECT_TRUE(test::SolidIsSound(solid, {.outward = false}));
        for (int32_t f = 0; f < solid.faceCount(); ++f) {
            const bool first = f < facts.firstFaces;
            EXPECT_EQ(solid.faces[f].colours[6], solid.params.palette[first ? 0 : 1]) << f;
            EXPECT_EQ(solid.faces[f].corners.front() < facts.firstVertices, first) << f;
        }
        for (bool first : {true, false}) {
            const test::Range r = EdgeRadii(solid, facts.firstVertices, first);
            EXPECT_NEAR(r.min, facts.midradius[k], 0.01) << (first ? "first" : "second");
            EXPECT_NEAR(r.max, facts.midradius[k], 0.01) << (first ? "first" : "second");
        }
    }
}

const CompoundFacts kCompounds[] = {
    {500, 4, 4, 4, 4, {461.88, 800, 1385.64}},
    {501, 8, 6, 6, 8, {565.69, 800, 1131.37}},
    {502, 20, 12, 12, 20, {680.52, 800, 940.46}},
    // The Archimedean solids with their Catalan duals: V, F of the solid, then of
    // the dual. At kikaku -1 the midradius is 800 times the solid's inradius (of
    // its nearest faces) over its midradius, at kikaku 1 800 times the inverse.
    {503, 12, 14, 14, 12, {653.20, 800, 979.80}},
    {504, 30, 32, 32, 30, {715.54, 800, 894.43}},
    {505, 24, 26, 26, 24, {739.10, 800, 865.91}},
    {506, 24, 26, 26, 24, {739.10, 800, 865.91}},
    {507, 60, 62, 62, 60, {758.95, 800, 843.27}},
    {508, 12, 8, 8, 12, {461.88, 639.14, 884.43}},
    {509, 12, 8, 8, 12, {461.88, 639.14, 884.43}},
    {510, 24, 14, 14, 24, {565.69, 686.70, 833.61}},
    {511, 24, 14, 14, 24, {653.20, 742.18, 843.27}},
    {512, 60, 32, 32, 60, {680.52, 743.17, 811.59}},
    {513, 60, 32, 32, 60, {747.34, 781.30, 816.80}},
    {514, 48, 26, 26, 48, {676.69, 800, 945.78}},
    {515, 120, 62, 62, 120, {730.30, 800, 876.36}},
    {516, 24, 38, 38, 24, {732.90, 800, 873.24}},
    {517, 24, 38, 38, 24, {732.90, 800, 873.24}},
    {518, 60, 92, 92, 60, {755.69, 800, 846.90}},
    {519, 60, 92, 92, 60, {755.69, 800, 846.90}},
};

INSTANTIATE_TEST_SUITE_P(Table, DualCompound, ::testing::ValuesIn(kCompounds),
                         [](const auto& info) { return "Figure" + std::to_string(info.param.figure); });

TEST(DualCompound, APartThatBuildsNothingLeavesTheOtherAndItsEmptyName) {
    Solid solid;
    // 503's parts are built by later families; whatever of them builds, the
    // name keeps the rule "<first>と<second>の複合" with alternatives cut.
    BuildFigure(solid, 503);
    const std::string name = solid.nameJa;
    EXPECT_TRUE(name.ends_with("の複合")) << name;
    EXPECT_EQ(name.find(" /"), std::string::npos) << name;
}

}  // namespace
}  // namespace gyro
