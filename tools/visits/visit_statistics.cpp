#include "tools/visits/visit_statistics.h"

#include <algorithm>
#include <map>
#include <numeric>

namespace {

// Every day from the first to the last, each gap longer than
// longestListedGap folded into one entry.
std::vector<DayCount> dayTable(const std::map<int, int>& perDay) {
    std::vector<DayCount> days;
    for (const auto& [day, visits] : perDay) {
        if (!days.empty()) {
            const int gapStart = days.back().day + 1;
            if (day - gapStart > longestListedGap)
                days.push_back({gapStart, 0, day - gapStart});
            else
                for (int empty = gapStart; empty < day; ++empty)
                    days.push_back({empty, 0, 0});
        }
        days.push_back({day, visits, 0});
    }
    return days;
}

} // namespace

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

VisitFigures summarise(const std::vector<LoggedVisit>& visits) {
    VisitFigures figures;
    std::map<int, int> perDay;
    std::map<std::string, std::vector<double>> timeInScene; // one entry per visit that saw it
    for (const LoggedVisit& visit : visits) {
        if (visit.passerBy()) {
            ++figures.passersBy;
            continue;
        }
        ++figures.visits;
        figures.idleIncluded += visit.idleIncluded;
        ++perDay[visit.day];
        ++figures.visitsPerHour[std::size_t(visit.hour)];
        figures.holdingSeconds.push_back(visit.heldSeconds);
        // Each scene's time ends where the visit's holding time does: the
        // last scene's stay until the reset is no visitor's time either.
        std::map<std::string, double> inThisVisit;
        double before = 0;
        for (const SceneTime& stay : visit.scenes) {
            inThisVisit[stay.key] += std::clamp(visit.heldSeconds - before, 0.0, stay.seconds);
            before += stay.seconds;
        }
        for (const auto& [key, seconds] : inThisVisit)
            timeInScene[key].push_back(seconds);
    }
    if (figures.visits == 0)
        return figures;
    figures.days = dayTable(perDay);

    std::sort(figures.holdingSeconds.begin(), figures.holdingSeconds.end());
    figures.medianSeconds = median(figures.holdingSeconds);
    figures.meanSeconds =
        std::accumulate(figures.holdingSeconds.begin(), figures.holdingSeconds.end(), 0.0) /
        double(figures.visits);

    for (const auto& [key, times] : timeInScene)
        figures.scenes.push_back(
            {key, int(times.size()), double(times.size()) / double(figures.visits), median(times)});
    std::stable_sort(
        figures.scenes.begin(), figures.scenes.end(),
        [](const SceneFigures& a, const SceneFigures& b) { return a.visits > b.visits; });
    return figures;
}

std::vector<int> busiestHours(const VisitFigures& figures, int count) {
    std::vector<int> hours;
    for (int hour = 0; hour < 24; ++hour)
        if (figures.visitsPerHour[std::size_t(hour)] > 0)
            hours.push_back(hour);
    std::stable_sort(hours.begin(), hours.end(), [&](int a, int b) {
        return figures.visitsPerHour[std::size_t(a)] > figures.visitsPerHour[std::size_t(b)];
    });
    hours.resize(std::min(hours.size(), std::size_t(count)));
    return hours;
}

std::string counted(long count, const std::string& singular, std::string plural) {
    if (plural.empty())
        plural = singular + "s";
    return std::to_string(count) + " " + (count == 1 ? singular : plural);
}
