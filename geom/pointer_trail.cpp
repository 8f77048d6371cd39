#include "geom/pointer_trail.h"

PointerSample sampleAt(Vec2 point, Millis time) {
    return {static_cast<int>(point.x), static_cast<int>(point.y), time};
}

void PointerTrail::restart(Vec2 point, Millis time) {
    std::vector<PointerSample>().swap(trail);
    trail.push_back(sampleAt(point, time));
}

void PointerTrail::append(Vec2 point, Millis time) {
    trail.push_back(sampleAt(point, time));
    prune();
}

std::optional<PointerSample> PointerTrail::reference(Millis now) const {
    std::optional<PointerSample> found;
    for (auto it = trail.rbegin(); it != trail.rend(); ++it) {
        if (now - it->time >= windowMillis)
            break;
        found = *it;
    }
    return found;
}

std::optional<Vec2> PointerTrail::velocity(Vec2 point, Millis now) const {
    const auto from = reference(now);
    if (!from)
        return std::nullopt;
    const Millis interval = now - from->time;
    if (interval <= 0)
        return std::nullopt;
    const PointerSample to = sampleAt(point, now);
    return Vec2{double(to.x - from->x) / double(interval),
                double(to.y - from->y) / double(interval)};
}

void PointerTrail::prune() {
    // Any release comes at or after the newest sample, so a sample that is a
    // whole window older than the newest is old at every release; the walk
    // stops there and never reads what lies before it. Drop those in batches
    // so a long drag costs amortised constant time per sample.
    const Millis newest = trail.back().time;
    std::size_t keepFrom = 0;
    for (std::size_t i = trail.size(); i-- > 0;) {
        if (newest - trail[i].time >= windowMillis) {
            keepFrom = i;
            break;
        }
    }
    if (keepFrom > 0 && keepFrom * 2 >= trail.size())
        trail.erase(trail.begin(), trail.begin() + static_cast<std::ptrdiff_t>(keepFrom));
}
