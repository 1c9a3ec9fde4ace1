#include "core/platform/sanitizers.h"
#include "core/platform/startupheap.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

using namespace vorlane;

namespace {

struct Mapping {
    std::uintptr_t from = 0;
    std::uintptr_t to = 0;
    bool hugePages = false; // advised: "hg" among its flags
};

// The mappings of this process as /proc/self/smaps lists them.
std::vector<Mapping> mappings()
{
    std::vector<Mapping> out;
    std::ifstream smaps("/proc/self/smaps");
    std::string line;
    while (std::getline(smaps, line)) {
        unsigned long long from = 0, to = 0;
        char dash = 0;
        std::istringstream head(line);
        if (head >> std::hex >> from >> dash >> to && dash == '-') {
            out.push_back({std::uintptr_t(from), std::uintptr_t(to), false});
        } else if (line.rfind("VmFlags:", 0) == 0 && !out.empty()) {
            std::istringstream flags(line.substr(8));
            std::string flag;
            while (flags >> flag)
                out.back().hugePages = out.back().hugePages || flag == "hg";
        }
    }
    return out;
}

const Mapping *mappingOf(const std::vector<Mapping> &all, const void *p)
{
    const auto at = reinterpret_cast<std::uintptr_t>(p);
    for (const Mapping &m : all)
        if (at >= m.from && at < m.to)
            return &m;
    return nullptr;
}

} // namespace

// Small blocks allocated after it come from heap advised for huge pages, at
// least 14 of the 16 MB asked for (the ends are rounded to 2 MB).
TEST(StartupHeap, SmallBlocksAfterItComeFromHeapAdvisedForHugePages)
{
    if (kAddressSanitized)
        GTEST_SKIP() << "the sanitizer's allocator has no heap to prepare";
    if (!std::ifstream("/sys/kernel/mm/transparent_hugepage/enabled"))
        GTEST_SKIP() << "this system has no huge pages to offer";
    EXPECT_FALSE(PrepareStartupHeap(std::size_t(1) << 20)); // less than one huge page
    ASSERT_TRUE(PrepareStartupHeap(std::size_t(16) << 20));
    // What was free at the heap's old top is used first, then the part below
    // the first 2 MB boundary of the new heap.
    std::vector<void *> blocks;
    for (int i = 0; i < 4096; ++i)
        blocks.push_back(std::malloc(1024));
    const std::vector<Mapping> all = mappings();
    const Mapping *last = mappingOf(all, blocks.back());
    ASSERT_NE(last, nullptr);
    EXPECT_TRUE(last->hugePages);
    EXPECT_GE(last->to - last->from, std::uintptr_t(14) << 20);
    EXPECT_EQ(last->from % (std::uintptr_t(2) << 20), 0u);
    for (void *block : blocks)
        std::free(block);
    // Freeing them gives nothing of the advised part back.
    const std::vector<Mapping> after = mappings();
    const Mapping *kept = mappingOf(after, blocks.back());
    ASSERT_NE(kept, nullptr);
    EXPECT_TRUE(kept->hugePages);
    EXPECT_EQ(kept->to, last->to);
}
