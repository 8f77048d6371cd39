#pragma once
// The scales of the report's picture, worked out apart from the drawing:
// the value axis of a bar chart of counts and the bins of the holding
// times. Both stay small whatever the figures. Pure.

#include <vector>

// A count axis from 0 to top in whole steps of 1, 2 or 5 times a power of
// ten, at most five of them: a top of 3 is 0 1 2 3, of 10 is 0 2 4 6 8 10.
struct CountAxis {
    long top = 1;
    long step = 1;
};
CountAxis countAxis(double highest);

// Holding times in bins of a round length, about twenty up to the 95th
// percentile, the last bin holding every longer visit too.
struct Histogram {
    double binSeconds = 10;
    std::vector<double> counts;
};
Histogram holdingHistogram(const std::vector<double>& ascendingSeconds);
