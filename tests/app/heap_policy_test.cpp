#include "app/heap_policy.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

TEST(HeapPolicy, MemoryFreedAtTheTopOfTheHeapStaysForTheNextFrame) {
#if !defined(__GLIBC__) || defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "only glibc's own allocator keeps the heap this way";
#else
    keepFreedHeapForNextFrames();
    // 16 MiB in blocks of the size a renderer bins in, taken and given back
    // as one frame does.
    constexpr std::size_t block = 64 << 10;
    constexpr int count = 256;
    std::vector<void*> blocks;
    for (int k = 0; k < count; ++k)
        blocks.push_back(std::malloc(block));
    const std::size_t grown = mallinfo2().arena;
    for (auto it = blocks.rbegin(); it != blocks.rend(); ++it)
        std::free(*it);
    // Without the policy the heap shrinks back by the whole 16 MiB.
    EXPECT_GE(mallinfo2().arena + block, grown);
#endif
}

} // namespace
