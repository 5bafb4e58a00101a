#pragma once

// The figure table: one row per figure with the facts its built solid must
// show. A family's test file only writes rows and instantiates the shared test:
//
//   const test::FigureFacts kArchimedean[] = {
//       {.figure = 40, .vertices = 12, .faces = 14, .corners = {{3, 8}, {4, 6}},
//        .circumradius = 800, .patternCount = 2, .invariants = test::kConvexEqualEdges,
//        .sizeRatio = std::sqrt(2.0), .edge = 800},
//   };
//   INSTANTIATE_TEST_SUITE_P(Archimedean, FigureTable, ::testing::ValuesIn(kArchimedean));
//
// Each row is built at kikaku -1, 0 and 1: counts, pattern count, fractal
// depth and the invariants must hold at all three, and the circumradius must
// be circumradius × sizeRatio^((kikaku + 1) / 2) (sizeRatio 1: kikaku changes
// nothing). The edge length, when given, is checked at kikaku -1.

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <span>
#include <vector>

#include "model/solid.h"
#include "support/invariants.h"

namespace gyro::test {

struct FigureFacts {
    ShapeId figure = 0;
    int32_t vertices = 0;
    int32_t faces = 0;
    CornerCounts corners;  // faces by total corner count
    double circumradius = 0.0;  // at kikaku -1
    int16_t patternCount = 1;
    InvariantOptions invariants;
    int8_t fractalDepthMax = 0;
    int32_t segments = 0;
    double sizeRatio = 1.0;  // growth of the circumradius per step of kikaku, squared
    double edge = 0.0;       // one edge length at kikaku -1 (0: not checked)
};

void PrintTo(const FigureFacts& facts, std::ostream* os);

// Builds the row's figure at the given kikaku and checks every fact of the row.
void ExpectFigureFacts(const FigureFacts& facts, int8_t kikaku);

class FigureTable : public ::testing::TestWithParam<FigureFacts> {};

// Figures of the catalogue that no builder makes yet: they build an empty solid.
// Each family removes its numbers from this list as it lands.
bool IsPendingFigure(ShapeId figure);

// The figure numbers an environment variable lists, comma-separated (a sweep
// run on a few figures); empty when it is not set.
std::vector<ShapeId> FiguresNamedIn(const char* variable);

}  // namespace gyro::test
