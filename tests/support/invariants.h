#pragma once

// Checks that a built Solid is a sound polyhedron, and measures it, for figure
// tests. Typical use, one table row per figure:
//
//   gyro::Solid solid;
//   gyro::BuildFigure(solid, row.figure);
//   EXPECT_TRUE(gyro::test::SolidIsSound(solid, {.closed = true, .oriented = true, .equalEdges = true}));
//   const gyro::test::SolidMeasures m = gyro::test::Measure(solid);
//   EXPECT_NEAR(m.vertexRadius.max, 800, 1e-6);          // circumradius
//   EXPECT_TRUE(m.vertexRadius.IsConstant());             // all vertices on one sphere
//   EXPECT_EQ(m.facesByCorners, (gyro::test::CornerCounts{{3, 8}, {4, 6}}));
//
// Every check that fails is listed in the report with the face or vertex it
// concerns, so one EXPECT names all faults of a figure at once.

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "model/solid.h"

namespace gyro::test {

struct InvariantOptions {
    // All corners of a face lie in the plane of its first polygon. Off for the
    // far-point bands of duals of solids with faces through the centre.
    bool planar = true;
    // Every face normal points away from the centre: FaceNormal . FaceCentroid > 0.
    // Faces whose plane passes through the centre cannot be judged and are skipped.
    bool outward = true;
    // Every polygon edge, taken undirected, is used by exactly two polygons: a
    // closed surface. Off for open figures (Koch surface, single polygons).
    bool closed = false;
    // No polygon edge is used twice in the same direction: neighbouring faces
    // are wound alike. With `closed` each edge is used once each way. Off for
    // non-orientable solids (hemi-polyhedra) and crossing compound faces.
    bool oriented = false;
    // No vertex lies outside the plane of any face (beyond the tolerance).
    bool convex = false;
    // All polygon edges have one length.
    bool equalEdges = false;
    // Faces without polygons are allowed (some builders leave freed slots empty).
    bool allowEmptyFaces = false;
    // Tolerance for planarity, convexity and equal edges, relative to the
    // circumradius (absolute 1e-9 when the solid has no extent).
    double tolerance = 1e-9;
};

// Common settings. A convex solid: closed, consistently wound, outward, convex.
inline constexpr InvariantOptions kConvexSolid{.closed = true, .oriented = true, .convex = true};
// The same with all edges equal (Platonic, Archimedean, deltahedral Johnson solids).
inline constexpr InvariantOptions kConvexEqualEdges{.closed = true, .oriented = true, .convex = true,
                                                    .equalEdges = true};
// A closed, consistently wound star or non-convex solid.
inline constexpr InvariantOptions kClosedSolid{.closed = true, .oriented = true};

// Smallest and largest value of a measure over the solid.
struct Range {
    double min = 0.0;
    double max = 0.0;
    int count = 0;  // how many values were measured
    // True when min and max agree within relTolerance of max.
    bool IsConstant(double relTolerance = 1e-9) const;
};

// Face counts by total corner count (all polygons of a face together: a {6/2}
// face counts as 6, a pentagram as 5).
using CornerCounts = std::map<int32_t, int32_t>;

struct SolidMeasures {
    Range vertexRadius;    // distances of the vertices from the centre; circumradius = max
    Range faceDistance;    // distances of the face planes from the centre; inradius = min
    Range edgeMidRadius;   // distances of the edge midpoints from the centre; midradius
    Range edgeLength;      // lengths of the polygon edges (each undirected edge once)
    int32_t edgeCount = 0; // undirected polygon edges
    CornerCounts facesByCorners;
};

struct InvariantReport {
    std::vector<std::string> problems;  // empty when every check passed
    SolidMeasures measures;
    bool ok() const { return problems.empty(); }
    std::string Summary(size_t maxLines = 20) const;  // the first problems, one a line
};

// Measures only; never fails.
SolidMeasures Measure(const Solid& solid);

// Structure (always): counts agree with the corner arrays, indices are in range,
// vertices are finite, patternCount is 1..7, starStep >= 1, every face has
// polygons of at least 3 corners and a normal. The rest as the options ask.
InvariantReport CheckSolid(const Solid& solid, const InvariantOptions& options = {});

// The same as a gtest assertion: EXPECT_TRUE(SolidIsSound(solid, options)).
::testing::AssertionResult SolidIsSound(const Solid& solid, const InvariantOptions& options = {});

}  // namespace gyro::test
