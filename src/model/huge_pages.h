#pragma once

#include <cstddef>
#include <vector>

namespace gyro {

inline constexpr size_t kHugePageBytes = size_t{2} << 20;

// Asks the system to back the whole two-megabyte pages inside a block with
// huge pages when they are first touched. A hint only: nothing changes but
// the cost of touching a large new array (hundreds of thousands of page faults
// for the largest meshes), and where the system has no such pages it does
// nothing. Call it before the block is written.
void AdviseHugePages(const void* data, size_t bytes);

// The same for the spare room of a vector: reserve first, then fill.
template <class T>
void AdviseHugePages(const std::vector<T>& array) {
    AdviseHugePages(array.data(), array.capacity() * sizeof(T));
}

// Room for n elements in an empty vector, offered huge pages.
template <class T>
void ReserveLarge(std::vector<T>& array, size_t n) {
    array.reserve(n);
    AdviseHugePages(array);
}

}  // namespace gyro
