#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "geometry/close_points.h"
#include "geometry/outer_planes.h"
#include "model/face_access.h"
#include "model/solid.h"
#include "state/dispatcher.h"

namespace gyro {
namespace {

using outer::PlanePieces;
using outer::SoupTriangle;

struct Soup {
    std::vector<Vec3> points;
    std::vector<SoupTriangle> triangles;
    double extent = 0.0;
};

// A figure of convex faces as triangles: corners a hair apart made one, each
// face fanned from its first corner.
Soup FannedFaces(ShapeId figure) {
    Solid solid;
    InitSolid(solid);
    BuildFigure(solid, figure);
    Soup soup;
    for (const Vec3& v : solid.vertices) soup.extent = std::max({soup.extent, std::abs(v.x), std::abs(v.y), std::abs(v.z)});
    const std::vector<int32_t> first = FirstOfClosePoints(solid.vertices, 1e-9 * soup.extent);
    soup.points = solid.vertices;
    for (int32_t f = 0; f < solid.faceCount(); ++f) {
        const Face& face = solid.faces[static_cast<size_t>(f)];
        for (int32_t p = 0; (p + 1) * face.polygonSize <= StoredCorners(face); ++p) {
            const auto corner = [&](int32_t c) {
                return first[static_cast<size_t>(face.corners[static_cast<size_t>(p * face.polygonSize + c)])];
            };
            for (int32_t c = 1; c + 1 < face.polygonSize; ++c) {
                soup.triangles.push_back({{corner(0), corner(c), corner(c + 1)}, f});
            }
        }
    }
    return soup;
}

double Area(const std::vector<Vec3>& points, const std::array<int32_t, 3>& t) {
    const Vec3 a = points[static_cast<size_t>(t[0])];
    return 0.5 * Length(Cross(points[static_cast<size_t>(t[1])] - a, points[static_cast<size_t>(t[2])] - a));
}

// Compounds of convex solids and a uniform polyhedron whose convex faces cross
// (none of them with two faces in one plane): the pieces of a closed figure
// meet along every edge they have, cover each face once (the same area), and
// keep to their face's plane.
TEST(CutAlongPlanes, PiecesCoverEachFaceOnceAndMeetAlongEveryEdge) {
    for (const ShapeId figure : {23, 24, 26, 118, 231, 247, 500, 501}) {
        const std::string label = std::to_string(figure);
        const Soup soup = FannedFaces(figure);
        const double tolerance = 1e-9 * soup.extent;
        PlanePieces pieces;
        std::string why;
        ASSERT_TRUE(outer::CutAlongPlanes(soup.points, soup.triangles, tolerance, {}, pieces, why)) << label << ": " << why;
        ASSERT_EQ(pieces.face.size(), pieces.triangles.size()) << label;

        std::map<std::pair<int32_t, int32_t>, int> sides;
        std::map<int32_t, double> pieceArea;
        for (size_t t = 0; t < pieces.triangles.size(); ++t) {
            const auto& v = pieces.triangles[t];
            for (int i = 0; i < 3; ++i) {
                const int32_t a = v[static_cast<size_t>(i)];
                const int32_t b = v[static_cast<size_t>((i + 1) % 3)];
                ++sides[{std::min(a, b), std::max(a, b)}];
            }
            pieceArea[pieces.face[t]] += Area(pieces.points, v);
            const Vec3 n = pieces.planeNormal[static_cast<size_t>(pieces.plane[t])];
            const double offset = Dot(n, pieces.points[static_cast<size_t>(v[0])]);
            for (const int32_t c : v) {
                EXPECT_NEAR(Dot(n, pieces.points[static_cast<size_t>(c)]), offset, 4 * tolerance) << label;
            }
        }
        int64_t alone = 0;
        for (const auto& [edge, count] : sides) alone += count == 1;
        EXPECT_EQ(alone, 0) << label << ": edges with one piece";

        std::map<int32_t, double> faceArea;
        for (const SoupTriangle& t : soup.triangles) faceArea[t.face] += Area(soup.points, t.v);
        for (const auto& [face, area] : faceArea) {
            EXPECT_NEAR(pieceArea[face] / area, 1.0, 1e-9) << label << " face " << face;
        }
    }
}

TEST(CutAlongPlanes, GivesUpOnABentFaceAndWhenCalledOff) {
    // A quadrilateral bent along its diagonal, as one face.
    const std::vector<Vec3> points = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0.1}, {0, 1, 0}};
    const std::vector<SoupTriangle> bent = {{{0, 1, 2}, 0}, {{0, 2, 3}, 0}};
    PlanePieces pieces;
    std::string why;
    EXPECT_FALSE(outer::CutAlongPlanes(points, bent, 1e-9, {}, pieces, why));
    EXPECT_EQ(why, "a face is not flat");

    const Soup soup = FannedFaces(25);
    std::atomic<bool> stop{true};
    OuterOptions calledOff;
    calledOff.cancel = &stop;
    EXPECT_FALSE(outer::CutAlongPlanes(soup.points, soup.triangles, 1e-9 * soup.extent, calledOff, pieces, why));
    EXPECT_EQ(why, "cancelled");
}

TEST(FirstOfClosePoints, JoinsChainsAndKeepsTheFirst) {
    const double tol = 1e-6;
    // 0, 1 and 2 a chain (each within the tolerance of the next, 0 and 2 not);
    // 3 just beyond it; 4 back at 1's place, coming last.
    const std::vector<Vec3> points = {{0, 0, 0}, {0.8e-6, 0, 0}, {1.6e-6, 0, 0}, {3.0e-6, 0, 0}, {0.8e-6, 0, 0}};
    const std::vector<int32_t> first = FirstOfClosePoints(points, tol);
    EXPECT_EQ(first, (std::vector<int32_t>{0, 0, 0, 3, 0}));
    // Apart along one axis is apart, whatever the others.
    EXPECT_EQ(FirstOfClosePoints({{0, 0, 0}, {0, 0, 2e-6}}, tol), (std::vector<int32_t>{0, 1}));
}

}  // namespace
}  // namespace gyro
