#include "geometry/value_sort.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

#include "model/huge_pages.h"

namespace gyro {

namespace {

constexpr size_t kRadixFrom = 4096;  // fewer values go to std::sort
constexpr int kDigitBits = 11;
constexpr size_t kDigits = size_t{1} << kDigitBits;
constexpr int kPasses = (64 + kDigitBits - 1) / kDigitBits;

}  // namespace

void SortValues(std::vector<double>& values) {
    const size_t n = values.size();
    bool radix = n >= kRadixFrom;
    for (size_t i = 0; radix && i < n; ++i) radix = std::isfinite(values[i]) && !std::signbit(values[i]);
    if (!radix) {
        std::sort(values.begin(), values.end());
        return;
    }
    // Without a sign bit, a larger value has a larger pattern, and equal
    // values have equal patterns: the order of the patterns is the order of
    // the values, and the sorted array is the same whoever sorts it.
    std::vector<uint64_t> keys;
    std::vector<uint64_t> spare;
    ReserveLarge(keys, n);
    ReserveLarge(spare, n);
    spare.resize(n);
    std::vector<std::array<uint32_t, kDigits>> counts(kPasses);
    for (const double v : values) {
        const auto key = std::bit_cast<uint64_t>(v);
        keys.push_back(key);
        for (int pass = 0; pass < kPasses; ++pass) ++counts[static_cast<size_t>(pass)][(key >> (pass * kDigitBits)) & (kDigits - 1)];
    }
    for (int pass = 0; pass < kPasses; ++pass) {
        std::array<uint32_t, kDigits>& count = counts[static_cast<size_t>(pass)];
        const int shift = pass * kDigitBits;
        // A digit that every key shares moves nothing.
        if (count[(keys[0] >> shift) & (kDigits - 1)] == n) continue;
        uint32_t start = 0;
        for (uint32_t& c : count) {
            const uint32_t here = c;
            c = start;
            start += here;
        }
        for (const uint64_t key : keys) spare[count[(key >> shift) & (kDigits - 1)]++] = key;
        keys.swap(spare);
    }
    for (size_t i = 0; i < n; ++i) values[i] = std::bit_cast<double>(keys[i]);
}

}  // namespace gyro
