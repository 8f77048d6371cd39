#include "tools/visits/plot_scales.h"

#include <algorithm>
#include <cmath>
#include <iterator>

CountAxis countAxis(double highest) {
    // Counts of lines read; the bound only keeps a nonsense value finite.
    highest = std::clamp(std::isnan(highest) ? 1.0 : highest, 1.0, 1e15);
    for (long power = 1;; power *= 10)
        for (long multiple : {1, 2, 5}) {
            const long step = multiple * power;
            const long steps = long(std::ceil(highest / double(step)));
            if (steps <= 5)
                return {steps * step, step};
        }
}

Histogram holdingHistogram(const std::vector<double>& ascendingSeconds) {
    Histogram histogram;
    if (ascendingSeconds.empty())
        return histogram;
    const double high = ascendingSeconds[ascendingSeconds.size() * 95 / 100];
    const double steps[] = {10, 15, 30, 60, 120, 300, 600, 1800, 3600, 7200};
    histogram.binSeconds = *std::find_if(std::begin(steps), std::end(steps) - 1,
                                         [&](double step) { return high / step <= 20; });
    // A visit lasts at most a day, twelve of the longest bins; the bound
    // holds whatever the times given.
    const double wanted = std::ceil((std::min(high, 1e6) + 1) / histogram.binSeconds) + 1;
    const std::size_t bins = std::size_t(std::min(wanted, 30.0));
    histogram.counts.assign(bins, 0);
    for (double seconds : ascendingSeconds)
        ++histogram.counts[std::size_t(
            std::clamp(seconds / histogram.binSeconds, 0.0, double(bins - 1)))];
    return histogram;
}
