#include "support/figure_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <utility>

#include "state/dispatcher.h"

namespace gyro::test {

namespace {

// Inclusive ranges of figure numbers still to be built.
// Empty once every family has landed; a family that adds numbers adds a line.
constexpr std::initializer_list<std::pair<int, int>> kPendingFigures = {
    // One range a line, so that families landing side by side touch different lines.
};

}  // namespace

void PrintTo(const FigureFacts& facts, std::ostream* os) { *os << "figure " << facts.figure; }

bool IsPendingFigure(ShapeId figure) {
    return std::any_of(std::begin(kPendingFigures), std::end(kPendingFigures),
                       [figure](const auto& range) { return figure >= range.first && figure <= range.second; });
}

void ExpectFigureFacts(const FigureFacts& facts, int8_t kikaku) {
    SCOPED_TRACE(::testing::Message() << "figure " << facts.figure << " at kikaku " << int{kikaku});
    Solid solid;
    solid.params.kikaku = kikaku;
    ASSERT_NE(BuildFigure(solid, facts.figure), 0);
    EXPECT_EQ(solid.vertexCount(), facts.vertices);
    EXPECT_EQ(solid.faceCount(), facts.faces);
    EXPECT_EQ(solid.segmentCount(), facts.segments);
    EXPECT_EQ(solid.patternCount, facts.patternCount);
    EXPECT_EQ(solid.fractalDepthMax, facts.fractalDepthMax);
    EXPECT_TRUE(SolidIsSound(solid, facts.invariants));
    const SolidMeasures m = Measure(solid);
    EXPECT_EQ(m.facesByCorners, facts.corners);
    const double radius = facts.circumradius * std::pow(facts.sizeRatio, (kikaku + 1) / 2.0);
    EXPECT_NEAR(m.vertexRadius.max, radius, 1e-6 * std::max(1.0, radius));
    if (facts.edge > 0 && kikaku == -1) {
        EXPECT_NEAR(m.edgeLength.min, facts.edge, 1e-3);
        EXPECT_NEAR(m.edgeLength.max, facts.edge, 1e-3);
    }
    // Every intrinsic pattern gives every face a colour from the palette.
    for (const Face& face : solid.faces) {
        if (face.polygonCount == 0) continue;
        for (int p = 0; p < solid.patternCount; ++p) {
            EXPECT_NE(std::find(solid.params.palette.begin(), solid.params.palette.end(), face.colours[p]),
                      solid.params.palette.end());
        }
    }
}

// Families instantiate it with their rows; until one does, it has none.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(FigureTable);

TEST_P(FigureTable, ShowsItsFacts) {
    for (int8_t kikaku : {-1, 0, 1}) ExpectFigureFacts(GetParam(), kikaku);
}

std::vector<ShapeId> FiguresNamedIn(const char* variable) {
    std::vector<ShapeId> figures;
    const char* p = std::getenv(variable);
    while (p != nullptr && *p != '\0') {
        char* end = nullptr;
        const long number = std::strtol(p, &end, 10);
        if (end == p) break;
        figures.push_back(static_cast<ShapeId>(number));
        p = *end == ',' ? end + 1 : end;
    }
    return figures;
}

}  // namespace gyro::test
