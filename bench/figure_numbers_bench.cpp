// How long the numbers of a figure take (the symmetry search included): the
// figures of the published-value tests should stay well under 50 ms each.
#include <benchmark/benchmark.h>

#include "geometry/figure_numbers.h"
#include "model/solid.h"
#include "state/dispatcher.h"

namespace {

void BM_FigureNumbers(benchmark::State& state) {
    gyro::Solid solid;
    gyro::InitSolid(solid);
    gyro::BuildFigure(solid, static_cast<gyro::ShapeId>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(gyro::ComputeFigureNumbers(solid));
}

// The largest figures of each family in the tables: the snub and the great
// truncated icosidodecahedra, a Johnson solid on the rhombicosidodecahedron,
// Skilling's figure, a few small ones, the duals that take longest, and the
// two largest meshes of the catalogue (the Koch surface, 840 thousand corners
// in 280 thousand triangles, and the blob tree).
BENCHMARK(BM_FigureNumbers)->Arg(5)->Arg(50)->Arg(52)->Arg(55)->Arg(74)->Arg(77)->Arg(135)->Arg(161)->Arg(183)
    ->Arg(239)->Arg(240)->Arg(371)->Arg(383)->Arg(415)->Arg(416)->Arg(451)->Arg(453)->Unit(benchmark::kMillisecond);

// Building a figure, as `gyrosolid-cli info` does before it counts.
void BM_BuildFigure(benchmark::State& state) {
    gyro::Solid solid;
    gyro::InitSolid(solid);
    for (auto _ : state) benchmark::DoNotOptimize(gyro::BuildFigure(solid, static_cast<gyro::ShapeId>(state.range(0))));
}
BENCHMARK(BM_BuildFigure)->Arg(52)->Arg(451)->Arg(453)->Unit(benchmark::kMillisecond);

}  // namespace
