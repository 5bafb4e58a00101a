#include <gtest/gtest.h>

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

// Smallest and largest distance of a polygon edge's midpoint from the centre,
// over the faces whose first corner is (or is not) below `split`.
test::Range EdgeMidRadii(const Solid& solid, int32_t split, bool first) {
    test::Range r{1e300, 0.0, 0};
    for (const Face& face : solid.faces) {
        if ((face.corners.front() < split) != first) continue;
        for (int32_t p = 0; p < face.polygonCount; ++p) {
            for (int32_t i = 0; i < face.polygonSize; ++i) {
                const Vec3 a = solid.vertices[face.corners[p * face.polygonSize + i]];
                const Vec3 b = solid.vertices[face.corners[p * face.polygonSize + (i + 1) % face.polygonSize]];
                const double d = Length((a + b) / 2.0);
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
            const test::Range r = EdgeMidRadii(solid, facts.firstVertices, first);
            EXPECT_NEAR(r.min, facts.midradius[k], 0.01) << (first ? "first" : "second");
            EXPECT_NEAR(r.max, facts.midradius[k], 0.01) << (first ? "first" : "second");
        }
    }
}

const CompoundFacts kCompounds[] = {
    {500, 4, 4, 4, 4, {461.88, 800, 1385.64}},
    {501, 8, 6, 6, 8, {565.69, 800, 1131.37}},
    {502, 20, 12, 12, 20, {680.52, 800, 940.46}},
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
