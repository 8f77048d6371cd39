#pragma once
// The positions and times of one drag, oldest first, and the one rule that
// turns them into a pointer speed. Shared by the event layer's fling and the
// view rotation's spin, which differ only in the length of their window.

#include "geom/vec.h"

#include "geom/clock.h"

#include <optional>
#include <vector>

struct PointerSample {
    int x = 0; // overlay pixels, truncated towards zero
    int y = 0;
    Millis time = 0; // the clock when taken
};

class PointerTrail {
  public:
    // windowMillis: samples this old or older at release no longer count.
    explicit PointerTrail(Millis windowMillis) : windowMillis(windowMillis) {}

    // Empties the trail (releasing its storage) and starts it with one sample.
    void restart(Vec2 point, Millis time);
    void append(Vec2 point, Millis time);

    // The oldest sample younger than the window at `now`; when every sample is
    // younger, the first one. None when the trail is empty or the newest
    // sample is already too old.
    std::optional<PointerSample> reference(Millis now) const;

    // The pointer's speed at a release at point and now, in overlay units per
    // millisecond (y upwards): from the reference sample to the release,
    // both truncated to whole units as every sample is. None without a
    // reference, or when no time has passed since it.
    std::optional<Vec2> velocity(Vec2 point, Millis now) const;

    const std::vector<PointerSample>& samples() const { return trail; }

  private:
    // Forgets samples that can never again be a reference: everything before
    // the newest sample that is already a whole window older than the newest.
    void prune();

    Millis windowMillis;
    std::vector<PointerSample> trail;
};

// Truncates a point to the integer pixel sample taken at `time`.
PointerSample sampleAt(Vec2 point, Millis time);
