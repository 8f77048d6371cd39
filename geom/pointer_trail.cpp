#include "geom/pointer_trail.h"

#include "geom/clock.h"

PointerSample sampleAt(Vec2 point, int time) {
    return {static_cast<int>(point.x), static_cast<int>(point.y), time};
}

void PointerTrail::restart(Vec2 point, int time) {
    std::vector<PointerSample>().swap(trail);
    trail.push_back(sampleAt(point, time));
}

void PointerTrail::append(Vec2 point, int time) {
    trail.push_back(sampleAt(point, time));
    prune();
}

std::optional<PointerSample> PointerTrail::reference(int now) const {
    std::optional<PointerSample> found;
    for (auto it = trail.rbegin(); it != trail.rend(); ++it) {
        if (millisBetween(it->time, now) >= windowMillis)
            break;
        found = *it;
    }
    return found;
}

std::optional<Vec2> PointerTrail::velocity(Vec2 point, int now) const {
    const auto from = reference(now);
    if (!from)
        return std::nullopt;
    const int interval = millisBetween(from->time, now);
    if (interval <= 0)
        return std::nullopt;
    const PointerSample to = sampleAt(point, now);
    return Vec2{double(to.x - from->x) / interval, double(to.y - from->y) / interval};
}

void PointerTrail::prune() {
    // Any release comes at or after the newest sample, so a sample that is a
    // whole window older than the newest is old at every release; the walk
    // stops there and never reads what lies before it. Drop those in batches
    // so a long drag costs amortised constant time per sample.
    const int newest = trail.back().time;
    std::size_t keepFrom = 0;
    for (std::size_t i = trail.size(); i-- > 0;) {
        if (millisBetween(trail[i].time, newest) >= windowMillis) {
            keepFrom = i;
            break;
        }
    }
    if (keepFrom > 0 && keepFrom * 2 >= trail.size())
        trail.erase(trail.begin(), trail.begin() + static_cast<std::ptrdiff_t>(keepFrom));
}
