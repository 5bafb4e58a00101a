#include "model/huge_pages.h"

#include <cstdint>

#if defined(__linux__) && !defined(__EMSCRIPTEN__)
#include <sys/mman.h>
#endif

namespace gyro {

void AdviseHugePages(const void* data, size_t bytes) {
#if defined(__linux__) && !defined(__EMSCRIPTEN__) && defined(MADV_HUGEPAGE)
    constexpr uintptr_t kHugePage = kHugePageBytes;
    if (data == nullptr || bytes < kHugePage) return;
    const auto begin = reinterpret_cast<uintptr_t>(data);
    const uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const uintptr_t last = (begin + bytes) & ~(kHugePage - 1);
    if (last <= first) return;
    // A refusal (no such pages, an old kernel) leaves the block as it was.
    (void)madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

}  // namespace gyro
