#include "tests/support/pixels.h"

#include <algorithm>
#include <cstdlib>

namespace pixels {

bool near(const Rgb& a, const Rgb& b, int tolerance) {
    for (int i = 0; i < 3; ++i)
        if (std::abs(a[i] - b[i]) > tolerance)
            return false;
    return true;
}

Rgb at(const unsigned char* rgb, int width, int x, int y) {
    const unsigned char* p = rgb + (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3;
    return {p[0], p[1], p[2]};
}

int countDifferent(const unsigned char* a, std::size_t aByteCount, const unsigned char* b,
                   std::size_t bByteCount, int tolerance) {
    if (aByteCount != bByteCount)
        return int(std::max(aByteCount, bByteCount) / 3);
    int count = 0;
    for (std::size_t i = 0; i + 2 < aByteCount; i += 3)
        count += !near({a[i], a[i + 1], a[i + 2]}, {b[i], b[i + 1], b[i + 2]}, tolerance);
    return count;
}

} // namespace pixels
