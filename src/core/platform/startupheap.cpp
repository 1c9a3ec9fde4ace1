#include "core/platform/startupheap.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace vorlane {

bool PrepareStartupHeap(std::size_t bytes)
{
#if defined(__linux__) && defined(__GLIBC__)
    constexpr std::uintptr_t kHuge = std::uintptr_t(2) << 20;
    if (bytes < kHuge || bytes > std::size_t(std::numeric_limits<int>::max() / 2))
        return false;
    // The heap grows by `bytes` beyond each request that does not fit, and its
    // free top is kept up to twice that instead of being given back.
    if (mallopt(M_TOP_PAD, int(bytes)) == 0 || mallopt(M_TRIM_THRESHOLD, int(2 * bytes)) == 0)
        return false;
    const auto top = [] { return reinterpret_cast<std::uintptr_t>(sbrk(0)); };
    const std::uintptr_t before = top();
    // Blocks below the size the allocator maps on its own come from the heap;
    // once its free top is used up, it grows. A heap that cannot grow (the
    // allocator then maps its memory elsewhere) leaves the top where it was.
    // (Held through volatile, so that the compiler does not drop them unused.)
    std::array<void *volatile, 8> blocks{};
    for (std::size_t i = 0; i < blocks.size() && top() == before; ++i) {
        blocks[i] = std::malloc(100 * 1024);
        if (!blocks[i])
            break;
    }
    const std::uintptr_t after = top();
    for (void *block : blocks)
        std::free(block);
    const std::uintptr_t from = (before + kHuge - 1) & ~(kHuge - 1);
    const std::uintptr_t to = after & ~(kHuge - 1);
    if (after <= before || to <= from)
        return false;
    return madvise(reinterpret_cast<void *>(from), to - from, MADV_HUGEPAGE) == 0;
#else
    (void)bytes;
    return false;
#endif
}

} // namespace vorlane
