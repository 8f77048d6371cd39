#include "geom/clock.h"
#include "geom/pointer_trail.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

namespace {

// The rule with nothing forgotten: the oldest sample younger than the window
// at release, the first one when all are younger, none when the newest is old.
std::optional<PointerSample> unprunedReference(const std::vector<PointerSample>& all, Millis now,
                                               Millis window) {
    std::optional<PointerSample> found;
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if (now - it->time >= window)
            break;
        found = *it;
    }
    return found;
}

TEST(PointerTrail, ReferenceIsTheOldestSampleInsideTheWindow) {
    PointerTrail trail(100);
    EXPECT_FALSE(trail.reference(0));
    trail.restart({10.7, 20.2}, 1000);
    ASSERT_TRUE(trail.reference(1050));
    EXPECT_EQ(trail.reference(1050)->x, 10); // truncated
    EXPECT_EQ(trail.reference(1050)->time, 1000);
    trail.append({30, 20}, 1080);
    trail.append({40, 20}, 1150);
    // At 1170 the press (170 ms old) is out; the sample at 1080 (90 ms) is in.
    EXPECT_EQ(trail.reference(1170)->time, 1080);
    // At 1250 the newest is 100 ms old: nothing counts.
    EXPECT_FALSE(trail.reference(1250));
}

TEST(PointerTrail, ForgettingNeverChangesTheAnswerAndStaysBounded) {
    std::mt19937 random(42);
    for (int drag = 0; drag < 200; ++drag) {
        const int window = drag % 2 ? 100 : 200;
        PointerTrail trail(window);
        std::vector<PointerSample> all;
        // Start some drags where a 32-bit count of milliseconds would wrap.
        Millis time = drag % 3 == 0 ? Millis(INT_MAX) - 3000 : Millis(random() % 100000);
        std::uniform_int_distribution<int> step(0, drag % 4 == 0 ? 250 : 20);
        trail.restart({0, 0}, time);
        all.push_back(sampleAt({0, 0}, time));
        const int moves = 1 + int(random() % 3000);
        std::size_t largest = 0;
        for (int i = 0; i < moves; ++i) {
            time += step(random);
            const Vec2 p{double(random() % 800), double(random() % 600)};
            trail.append(p, time);
            all.push_back(sampleAt(p, time));
            largest = std::max(largest, trail.samples().size());
            if (i % 97 == 0) {
                const Millis now = time + step(random);
                const auto a = trail.reference(now);
                const auto b = unprunedReference(all, now, window);
                ASSERT_EQ(a.has_value(), b.has_value());
                if (a) {
                    EXPECT_EQ(a->time, b->time);
                    EXPECT_EQ(a->x, b->x);
                    EXPECT_EQ(a->y, b->y);
                }
            }
        }
        // Whatever the length of the drag, the trail holds about what two
        // windows hold (events come at least 0 and on average 10 ms apart here).
        EXPECT_LE(largest, std::size_t(window)) << moves << " moves";
    }
}

} // namespace
