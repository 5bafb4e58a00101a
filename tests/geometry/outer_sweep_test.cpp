// Every listed figure's outer surface: either refused with its reason from a
// short fixed list, or closed, a 2-manifold, outward, with volume and free of
// self-intersections. The normal run looks at a quick table across the kinds
// of figure; GYRO_OUTER_SWEEP=1 looks at every figure (fractals at levels 1
// and 2), which takes many minutes.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdlib>
#include <iostream>
#include <utility>
#include <mutex>
#include <string>
#include <thread>

#include "catalog/catalogue.h"
#include "geometry/outer_surface.h"
#include "io/print_export.h"
#include "model/solid.h"
#include "state/dispatcher.h"
#include "support/figure_table.h"
#include "support/float_weld.h"

namespace gyro {
namespace {

struct Expectation {
    ShapeId figure;
    int level;              // fractal level (0 for an ordinary figure)
    OuterRefusal refusal;   // None: a printable surface is expected
    const char* why;        // the reason, for a refused or not yet clean figure
};

// Figures refused, each with its reason.
// clang-format off
const Expectation kRefused[] = {
    {201, 0, OuterRefusal::ReachesInfinity, "bands out to far points"},
    {203, 0, OuterRefusal::ReachesInfinity, "bands out to far points"},
    {204, 0, OuterRefusal::ReachesInfinity, "bands out to far points"},
    {220, 0, OuterRefusal::ReachesInfinity, "bands out to far points"},
    {221, 0, OuterRefusal::ReachesInfinity, "bands out to far points"},
    {223, 0, OuterRefusal::ReachesInfinity, "bands out to far points"},
    {224, 0, OuterRefusal::ReachesInfinity, "bands out to far points"},
    {226, 0, OuterRefusal::ReachesInfinity, "bands out to far points"},
    {227, 0, OuterRefusal::ReachesInfinity, "bands out to far points"},
    {239, 0, OuterRefusal::ReachesInfinity, "bands out to far points"},
    {240, 0, OuterRefusal::ReachesInfinity, "bands out to far points"},
    {268, 0, OuterRefusal::ReachesInfinity, "bands out to far points"},
    {409, 0, OuterRefusal::Empty, "builds nothing"},
    {413, 0, OuterRefusal::Empty, "builds nothing"},
    {414, 0, OuterRefusal::NoVolume, "an open sheet, no volume"},
    {420, 0, OuterRefusal::OnlySegments, "a wireframe"},
    {421, 0, OuterRefusal::OnlySegments, "a wireframe"},
    {422, 0, OuterRefusal::OnlySegments, "a wireframe"},
    {423, 0, OuterRefusal::OnlySegments, "a wireframe"},
    {424, 0, OuterRefusal::OnlySegments, "a wireframe"},
    {425, 0, OuterRefusal::OnlySegments, "a wireframe"},
    {426, 0, OuterRefusal::OnlySegments, "a wireframe"},
    {427, 0, OuterRefusal::OnlySegments, "a wireframe"},
    {429, 0, OuterRefusal::OnlySegments, "a wireframe"},
    {430, 0, OuterRefusal::OnlySegments, "a wireframe"},
    {431, 0, OuterRefusal::OnlySegments, "a wireframe"},
    {432, 0, OuterRefusal::OnlySegments, "a wireframe"},
    {433, 0, OuterRefusal::OnlySegments, "a wireframe"},
    {434, 0, OuterRefusal::OnlySegments, "a wireframe"},
    {436, 0, OuterRefusal::OnlySegments, "a wireframe"},
    {452, 0, OuterRefusal::NoVolume, "an open sheet, no volume"},
    {478, 0, OuterRefusal::NoVolume, "pyramids sunk to the centre: only walls through it, open to outside"},
    {520, 0, OuterRefusal::Empty, "builds nothing"},
};

// Figures whose surface comes out closed and outward but not yet as it
// should: the exact step's points rounded to doubles leave hair-thin slivers
// that fold over a neighbour (self-intersection), or the work takes longer
// than the sweep's limit. They are reported, not failed, until mended.
const Expectation kNotYetClean[] = {
    {448, 2, OuterRefusal::None, "slower than the limit"},
    {450, 2, OuterRefusal::None, "slower than the limit"},
    {451, 0, OuterRefusal::None, "slower than the limit"},
    {453, 0, OuterRefusal::None, "slower than the limit"},
};
// clang-format on

const Expectation* Find(const Expectation* begin, const Expectation* end, ShapeId figure, int level) {
    for (const Expectation* e = begin; e != end; ++e) {
        if (e->figure == figure && e->level == level) return e;
    }
    return nullptr;
}

// The outer surface of one figure, given up after `seconds`.
OuterResult WithinTime(const Solid& solid, int level, double seconds) {
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable wake;
    bool finished = false;
    std::thread watch([&] {
        std::unique_lock<std::mutex> lock(mutex);
        if (!wake.wait_for(lock, std::chrono::duration<double>(seconds), [&] { return finished; })) stop = true;
    });
    OuterOptions options;
    options.fractalLevel = level;
    options.cancel = &stop;
    OuterResult result = ComputeOuterSurface(solid, options);
    {
        const std::lock_guard<std::mutex> lock(mutex);
        finished = true;
    }
    wake.notify_one();
    watch.join();
    return result;
}

// Checks one figure at one level against the lists; a figure on the
// not-yet-clean list is only reported in `notes`.
void CheckFigure(ShapeId figure, int level, double seconds, std::string& notes) {
    Solid solid;
    InitSolid(solid);
    BuildFigure(solid, figure);
    const std::string label = std::to_string(figure) + (level > 0 ? " at level " + std::to_string(level) : "");
    const OuterResult result = WithinTime(solid, level, seconds);
    const Expectation* refused = Find(std::begin(kRefused), std::end(kRefused), figure, level);
    if (refused != nullptr) {
        EXPECT_EQ(result.refusal, refused->refusal) << label << " (" << refused->why << "): "
                                                    << OuterRefusalText(result.refusal) << " " << result.detail;
        return;
    }
    const Expectation* pending = Find(std::begin(kNotYetClean), std::end(kNotYetClean), figure, level);
    bool clean = result.ok();
    std::string fault = clean ? "" : OuterRefusalText(result.refusal) + " " + result.detail;
    if (clean) {
        const SurfaceCheck check = CheckSurface(result.surface.points, result.surface.triangles);
        if (!check.closed || !check.manifold || !check.outward || !(result.surface.volume > 0.0)) {
            clean = false;
            fault = std::to_string(check.badEdges) + " bad edges, " + std::to_string(check.badPoints) + " pinched points";
        } else if (SurfaceSelfIntersects(result.surface)) {
            clean = false;
            fault = "self-intersecting";
        } else if (level == 0) {
            // Each triangle in the plane of the face it names (a fractal's
            // copies share their face numbers, so only the figure itself).
            double extent = 0;
            for (const Vec3& p : solid.vertices) extent = std::max({extent, std::abs(p.x), std::abs(p.y), std::abs(p.z)});
            const int64_t off = TrianglesOffTheirFaces(solid, result.surface.points, result.surface.triangles,
                                                       result.surface.triangleFace, 1e-7 * std::max(extent, 1.0));
            if (off != 0) {
                clean = false;
                fault = std::to_string(off) + " triangles off their faces' planes";
            }
        }
        if (clean) {
            // As a slicer reads the STL file: the print points rounded to
            // floats and welded must still be closed, with no triangle lost;
            // where the surface touches itself, parts meet along edges, each
            // walked as often one way as the other.
            const std::vector<Vec3> print = PrintPoints(result.surface, 60.0);
            std::vector<std::array<Vec3, 3>> corners;
            corners.reserve(result.surface.triangles.size());
            for (const auto& t : result.surface.triangles) {
                corners.push_back({print[static_cast<size_t>(t[0])], print[static_cast<size_t>(t[1])],
                                   print[static_cast<size_t>(t[2])]});
            }
            const test::FloatMesh welded = test::WeldAsFloats(corners);
            const SurfaceCheck check = CheckSurface(welded.points, welded.triangles);
            const int64_t unbalanced = test::UnbalancedEdges(welded);
            const bool sound = result.surface.touchesItself ? unbalanced == 0
                                                            : check.closed && check.manifold && check.outward;
            if (welded.degenerate != 0 || !sound) {
                clean = false;
                fault = "welded as floats: " + std::to_string(welded.degenerate) + " flat triangles, " +
                        std::to_string(check.badEdges) + " bad edges (" + std::to_string(unbalanced) +
                        " unbalanced), " + std::to_string(check.badPoints) + " pinched points";
            }
        }
    }
    if (pending != nullptr) {
        notes += label + (clean ? ": now clean, take it off the list\n" : ": not yet clean (" + fault + ")\n");
        return;
    }
    EXPECT_TRUE(clean) << label << ": " << fault;
}

// The quick table: convex, star, compound, hemi-polyhedra, crossed faces,
// Catalan and Johnson solids, prisms, a fractal, and a refusal of each kind.
TEST(OuterSurfaceSweep, AQuickTableAcrossTheKindsOfFigure) {
    std::string notes;
    const std::pair<ShapeId, int> quick[] = {{1, 0}, {9, 0}, {16, 0}, {18, 0}, {21, 0}, {23, 0}, {40, 0}, {73, 0}, {90, 0}, {102, 0}, {118, 0}, {208, 0}, {213, 0}, {305, 0}, {320, 0}, {383, 0}, {405, 0}, {440, 1}, {440, 2}, {442, 2}, {443, 1}, {201, 0}, {268, 0}, {409, 0}, {414, 0}, {420, 0}};
    for (const auto& [figure, level] : quick) CheckFigure(figure, level, 60.0, notes);
    if (!notes.empty()) std::cout << notes;
}

TEST(OuterSurfaceSweep, EveryFigureWhenAsked) {
    if (std::getenv("GYRO_OUTER_SWEEP") == nullptr) GTEST_SKIP() << "set GYRO_OUTER_SWEEP=1 to look at every figure";
    const char* limit = std::getenv("GYRO_OUTER_SWEEP_SECONDS");
    const double seconds = limit != nullptr ? std::atof(limit) : 20.0;
    const std::vector<ShapeId> onlyThese = test::FiguresNamedIn("GYRO_OUTER_SWEEP_ONLY");
    std::string notes;
    for (const FigureInfo& info : AllFigures()) {
        if (!onlyThese.empty() && std::find(onlyThese.begin(), onlyThese.end(), info.number) == onlyThese.end()) continue;
        Solid solid;
        InitSolid(solid);
        BuildFigure(solid, info.number);
        if (solid.fractalDepthMax > 0) {
            for (int level = 1; level <= 2; ++level) CheckFigure(info.number, level, seconds, notes);
        } else {
            CheckFigure(info.number, 0, seconds, notes);
        }
    }
    std::cout << notes;
}

}  // namespace
}  // namespace gyro
