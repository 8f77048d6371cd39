#include "app/heap_policy.h"

// Any C library header says whether this is glibc.
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {
// Free space at the top of the heap is returned only beyond this much.
constexpr int trimThreshold = 64 << 20;
// Blocks from this size up get pages of their own, returned when freed; the
// renderer's bins stay below it, in the heap.
constexpr int mapThreshold = 32 << 20;
} // namespace

void keepFreedHeapForNextFrames() {
#if defined(__GLIBC__)
    mallopt(M_TRIM_THRESHOLD, trimThreshold);
    mallopt(M_MMAP_THRESHOLD, mapThreshold);
#endif
}
