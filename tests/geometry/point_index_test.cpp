#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "geometry/point_index.h"

// The point index merges corners within a tolerance: it must find a stored
// point across a cube boundary, keep points just beyond the tolerance apart,
// answer the first stored where a query lies near two, and stay sound on
// points far out or not finite.

namespace gyro {
namespace {

TEST(PointIndex, FindsEveryPointWithinTheToleranceAndNoOther) {
    const double tol = 0.1;  // cubes 0.2 wide
    struct Row {
        const char* what;
        std::vector<Vec3> stored;
        Vec3 query;
        int32_t expected;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        {"the same point", {{1, 2, 3}}, {1, 2, 3}, 0},
        {"inside the box", {{1, 2, 3}}, {1.09, 1.91, 3.05}, 0},
        {"just beyond in one coordinate", {{1, 2, 3}}, {1, 2, 3.1001}, -1},
        {"across a cube boundary", {{0.199, 0, 0}}, {0.201, 0, 0}, 0},
        {"across a boundary below zero", {{-0.001, -0.001, -0.001}}, {0.05, 0.05, 0.05}, 0},
        {"near two stored points: the first", {{0.0, 0, 0}, {0.15, 0, 0}}, {0.08, 0, 0}, 0},
        {"near two, stored the other way", {{0.15, 0, 0}, {0.0, 0, 0}}, {0.08, 0, 0}, 0},
        {"far out", {{1e300, -1e300, 0}}, {1e300, -1e300, 0}, 0},
        {"an equal infinite point", {{inf, 0, 0}}, {inf, 0, 0}, 0},
        {"a point that is not a number", {{std::nan(""), 0, 0}}, {std::nan(""), 0, 0}, -1},
        {"beside an infinite point", {{inf, 0, 0}}, {1e300, 0, 0}, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        PointIndex index(tol);
        for (size_t i = 0; i < row.stored.size(); ++i) {
            // Each stored point is kept apart from the others (more than the tolerance).
            EXPECT_EQ(index.Insert(row.stored[i]), static_cast<int32_t>(i));
        }
        EXPECT_EQ(index.Find(row.query), row.expected);
    }
    EXPECT_EQ(PointIndex(tol).Find({0, 0, 0}), -1);  // nothing stored yet
}

// Many points on a grid finer than the cubes, each inserted twice and once
// more nudged within the tolerance: every point keeps its first index while
// the table grows.
TEST(PointIndex, KeepsItsIndicesWhileItGrows) {
    const double tol = 1e-3;
    PointIndex index(tol);
    std::vector<Vec3> points;
    for (int x = -15; x < 15; ++x) {
        for (int y = -15; y < 15; ++y) {
            for (int z = 0; z < 4; ++z) points.push_back({x * 3.1e-3, y * 2.7e-3, z * 5e-3 - 0.3});
        }
    }
    for (size_t i = 0; i < points.size(); ++i) ASSERT_EQ(index.Insert(points[i]), static_cast<int32_t>(i));
    for (size_t i = 0; i < points.size(); ++i) {
        ASSERT_EQ(index.Insert(points[i]), static_cast<int32_t>(i));
        ASSERT_EQ(index.Find(points[i] + Vec3{0.9e-3, -0.9e-3, 0.5e-3}), static_cast<int32_t>(i));
    }
    EXPECT_EQ(index.points().size(), points.size());
}

// Against a plain search of every stored point: the first stored within the
// tolerance, else a new point; the same through the table of recent answers. Clusters of points a little closer and a little
// farther apart than the tolerance, exact repeats and a signed zero, at the
// scales the figure numbers meet (a figure 800 wide welds at 8e-5).
TEST(PointIndex, AgreesWithASearchOfEveryStoredPoint) {
    struct Row {
        const char* what;
        double tolerance;
        Vec3 origin;
        double spread;  // of the cluster centres
    };
    const Row rows[] = {
        {"unit figure", 1e-7, {0, 0, 0}, 1.0},
        {"wide figure off the origin", 8e-5, {-400, 250, 0.5}, 800.0},
        {"coarse tolerance", 0.1, {0.3, -0.7, 0}, 2.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::mt19937 random(7);
        std::uniform_real_distribution<double> unit(-1.0, 1.0);
        std::vector<Vec3> queries;
        for (int c = 0; c < 300; ++c) {
            const Vec3 centre = row.origin + Vec3{unit(random), unit(random), unit(random)} * row.spread;
            for (int k = 0; k < 6; ++k) {
                const double reach = (k % 3 == 0 ? 0.6 : 1.6) * row.tolerance;
                queries.push_back(centre + Vec3{unit(random), unit(random), unit(random)} * reach);
            }
            queries.push_back(centre);
            queries.push_back(centre);
        }
        queries.push_back({0.0, 0.0, 0.0});
        queries.push_back({-0.0, 0.0, -0.0});
        PointIndex index(row.tolerance);
        PointIndex behindRecent(row.tolerance);
        RecentPoints recent(behindRecent);
        std::vector<Vec3> stored;
        for (const Vec3& q : queries) {
            int32_t expected = -1;
            for (size_t i = 0; i < stored.size() && expected < 0; ++i) {
                const Vec3 d = stored[i] - q;
                if (std::fabs(d.x) <= row.tolerance && std::fabs(d.y) <= row.tolerance && std::fabs(d.z) <= row.tolerance) {
                    expected = static_cast<int32_t>(i);
                }
            }
            if (expected < 0) {
                expected = static_cast<int32_t>(stored.size());
                stored.push_back(q);
            }
            ASSERT_EQ(index.Insert(q), expected);
            ASSERT_EQ(recent.Insert(q), expected);  // the small table in front answers the same
        }
        EXPECT_EQ(index.points().size(), stored.size());
        EXPECT_EQ(behindRecent.points().size(), stored.size());
        EXPECT_GT(stored.size(), 300u);                   // the clusters stay apart
        EXPECT_LT(stored.size(), queries.size() * 3 / 4);  // and many points merge
    }
}

// The table of recent answers keeps an answer by the query's exact
// coordinates; where the query was only near a stored point, a point stored
// later near the same query must not change the answer (the earliest within
// the tolerance stays the answer), and an equal point of the other sign of
// zero is the same point.
TEST(PointIndex, RecentAnswersStayTheIndexAnswers) {
    const double tol = 0.1;
    struct Row {
        const char* what;
        std::vector<Vec3> queries;
        std::vector<int32_t> expected;
    };
    const Row rows[] = {
        {"exact repeats", {{1, 2, 3}, {4, 5, 6}, {1, 2, 3}, {4, 5, 6}}, {0, 1, 0, 1}},
        {"near, then a later point beside the query, then the query again",
         {{0, 0, 0}, {0.08, 0, 0}, {0.16, 0, 0}, {0.08, 0, 0}, {0.16, 0, 0}},
         {0, 0, 1, 0, 1}},
        {"signed zero", {{0.0, -0.0, 0.0}, {-0.0, 0.0, -0.0}, {0.0, -0.0, 0.0}}, {0, 0, 0}},
        {"not a number is never equal", {{std::nan(""), 0, 0}, {std::nan(""), 0, 0}}, {0, 1}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        PointIndex index(tol);
        RecentPoints recent(index);
        for (size_t i = 0; i < row.queries.size(); ++i) EXPECT_EQ(recent.Insert(row.queries[i]), row.expected[i]) << i;
    }
}

// Room reserved after some points are stored keeps them and their indices;
// the points moved out leave an empty index.
TEST(PointIndex, ReserveKeepsThePointsAndTakePointsEmptiesTheIndex) {
    PointIndex index(1e-3);
    EXPECT_EQ(index.Insert({1, 0, 0}), 0);
    EXPECT_EQ(index.Insert({0, 1, 0}), 1);
    index.Reserve(1000);
    EXPECT_EQ(index.Find({1, 0, 0}), 0);
    EXPECT_EQ(index.Insert({0, 1, 0.0005}), 1);
    for (int i = 0; i < 900; ++i) ASSERT_EQ(index.Insert({i * 0.01, 2, 0}), 2 + i);
    EXPECT_EQ(index.Insert({1, 0, 0}), 0);
    const std::vector<Vec3> points = index.TakePoints();
    ASSERT_EQ(points.size(), 902u);
    EXPECT_EQ(points[1].y, 1.0);
    EXPECT_TRUE(index.points().empty());
    EXPECT_EQ(index.Find({1, 0, 0}), -1);
    EXPECT_EQ(index.Insert({0, 0, 5}), 0);
}

}  // namespace
}  // namespace gyro
