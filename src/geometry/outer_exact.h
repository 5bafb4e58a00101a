#pragma once

// The exact steps of the outer surface, kept apart so that only two files
// see the geometry library; everything here speaks in plain points and indices.
// RefineAndWalk and FillPlaneRegion run on one thread at a time: a call made
// while another thread runs one waits for it, and gives up when its cancel flag
// is raised.

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "geometry/outer_surface.h"

namespace gyro::outer {

struct SoupTriangle {
    std::array<int32_t, 3> v{};
    int32_t face = 0;
};

struct WalkOutput {
    std::vector<Vec3> points;                    // exact points rounded to doubles
    std::vector<std::array<int32_t, 3>> triangles;  // outward
    std::vector<int32_t> face;                   // original face of each triangle
    // next[t][i]: the triangle across edge v[i] -> v[i+1] on the same side of the
    // outside region (the walk's pairing, which keeps touching shells apart).
    std::vector<std::array<int32_t, 3>> next;
    int64_t refinedTriangles = 0;  // pieces after the exact cutting
    bool snapped = false;          // points a hair apart were made one (see RefineAndWalk)
};

// Whether the segment from p to q may meet the box lo..hi widened by `margin`
// on every side: false only when it surely misses (the slabs are clipped in
// doubles, so the margin must stand well above their rounding). The exact
// rays test only the triangles whose boxes pass this.
bool SegmentMayMeetBox(const std::array<double, 3>& p, const std::array<double, 3>& q,
                       const std::array<double, 3>& lo, const std::array<double, 3>& hi, double margin);

enum class ExactOutcome : uint8_t { Done, TooLarge, Cancelled, NoVolume };

// Cuts the triangles along all their crossings with exact arithmetic, welds the
// pieces' points by exact equality, makes points closer than a relative 1e-9
// one where no piece turns or tilts out of its plane by it, then walks the
// triangles reachable from far away (seeded by an exact ray; across each edge
// the first half-plane turning outward). That surface, free of the slivers
// between the points made one, is taken when the walk meets no triangle from
// both sides. Otherwise the exact cut is walked; triangles it reaches from both
// sides are fins without volume: they are taken away and the walk runs again.
ExactOutcome RefineAndWalk(const std::vector<Vec3>& points, const std::vector<SoupTriangle>& triangles,
                           const OuterOptions& options, WalkOutput& out, std::string& detail);

struct PlanePieces;

// The walk of RefineAndWalk over pieces cut in doubles (see outer_planes.h),
// with exact predicates on their coordinates; pieces of one plane count as
// lying in it. Done only when the walk meets no piece from both sides.
ExactOutcome WalkPlanePieces(const PlanePieces& pieces, const OuterOptions& options, WalkOutput& out,
                             std::string& detail);

// A point of a plane region in the plane's own coordinates; `original` names
// the caller's point it stands for, or is -1 for a crossing of two edges.
struct RegionPoint {
    double x = 0.0;
    double y = 0.0;
    int32_t original = -1;
};

struct RegionTriangle {
    std::array<int32_t, 3> corner{};  // into the points
    int32_t owner = 0;                // the ring owner (face) that fills it
};

// The region the rings of one plane fill, without overlaps: the rings of an
// owner are filled together by the nonzero rule, and a piece filled by several
// owners goes to the first of them. Edge crossings are found exactly and
// appended to `points`.
// A set `cancel` stops the work part way (the output is then incomplete).
void FillPlaneRegion(std::vector<RegionPoint>& points, const std::vector<std::vector<int32_t>>& rings,
                     const std::vector<int32_t>& ringOwner, std::vector<RegionTriangle>& out,
                     const std::atomic<bool>* cancel = nullptr);

// True when two triangles cut or overlap other than along shared edges or at
// shared points (shared by position, so duplicated points count as one), or
// when one is flat; decided by exact predicates on the given doubles.
bool MeshSelfIntersects(const std::vector<Vec3>& points, const std::vector<std::array<int32_t, 3>>& triangles);

}  // namespace gyro::outer
