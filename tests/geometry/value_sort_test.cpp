#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "geometry/value_sort.h"

// The values of the figure numbers are sorted by their bit patterns where that
// gives std::sort's order: the result must be std::sort's, bit for bit, on
// arrays large enough for the patterns and on those that go to std::sort.

namespace gyro {
namespace {

std::vector<double> Values(size_t n, unsigned seed, double lo, double hi, int distinct) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> value(lo, hi);
    std::vector<double> pool;
    for (int i = 0; i < distinct; ++i) pool.push_back(value(random));
    std::uniform_int_distribution<size_t> pick(0, pool.size() - 1);
    std::vector<double> values;
    for (size_t i = 0; i < n; ++i) values.push_back(pool[pick(random)]);
    return values;
}

TEST(SortValues, GivesStdSortsOrderBitForBit) {
    const double tiny = std::numeric_limits<double>::denorm_min();
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        const char* what;
        std::vector<double> values;
    };
    std::vector<Row> rows = {
        {"many lengths, few distinct", Values(50000, 1, 0.0, 800.0, 300)},
        {"many lengths, all distinct", Values(20000, 2, 1e-6, 1e6, 20000)},
        {"angles", Values(9000, 3, 0.0, 360.0, 40)},
        {"one value", std::vector<double>(5000, 138.18968510422140)},
        {"a few values (std::sort)", {3.0, 1.0, 2.0, 1.0}},
    };
    std::vector<double> edges = Values(10000, 4, 0.0, 1.0, 5000);
    edges[17] = 0.0;
    edges[18] = tiny;
    edges[19] = std::numeric_limits<double>::max();
    edges[20] = 0.0;
    rows.push_back({"zero, the least and the largest value", edges});
    std::vector<double> negative = Values(10000, 5, -1.0, 1.0, 100);
    negative[3] = -0.0;
    rows.push_back({"negative values and a negative zero (std::sort)", negative});
    std::vector<double> infinite = Values(10000, 6, 0.0, 1.0, 100);
    infinite[5] = inf;
    rows.push_back({"an infinite value (std::sort)", infinite});
    for (Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::vector<double> expected = row.values;
        std::sort(expected.begin(), expected.end());
        SortValues(row.values);
        ASSERT_EQ(row.values.size(), expected.size());
        EXPECT_EQ(std::memcmp(row.values.data(), expected.data(), expected.size() * sizeof(double)), 0);
        EXPECT_TRUE(std::is_sorted(row.values.begin(), row.values.end()));
    }
    std::vector<double> none;
    SortValues(none);
    EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace gyro
