#include "tests/support/test_clock.h"

#include <cstdint>

namespace test_clock {
namespace {
std::uint32_t reading = 0;
int source() {
    return static_cast<int>(reading);
}
} // namespace

void set(int value) {
    reading = static_cast<std::uint32_t>(value);
    setClockSource(&source);
}
void advance(int millis) {
    reading += static_cast<std::uint32_t>(millis);
    setClockSource(&source);
}
int now() {
    return static_cast<int>(reading);
}
void restore() {
    setClockSource(nullptr);
}
} // namespace test_clock
