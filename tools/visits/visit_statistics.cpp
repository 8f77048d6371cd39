#include "tools/visits/visit_statistics.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <map>
#include <numeric>

namespace {

std::tm dayOf(const std::string& date) {
    std::tm day{};
    day.tm_year = std::atoi(date.c_str()) - 1900;
    day.tm_mon = std::atoi(date.c_str() + 5) - 1;
    day.tm_mday = std::atoi(date.c_str() + 8);
    day.tm_hour = 12;
    return day;
}

} // namespace

std::string nextDay(const std::string& date) {
    std::tm day = dayOf(date);
    ++day.tm_mday;
    timegm(&day);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &day);
    return text;
}

std::string weekday(const std::string& date) {
    std::tm day = dayOf(date);
    timegm(&day);
    static const char* const names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    return names[day.tm_wday];
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

VisitFigures summarise(const std::vector<LoggedVisit>& visits) {
    VisitFigures figures;
    figures.visits = int(visits.size());
    if (visits.empty())
        return figures;

    std::map<std::string, int> perDay;
    std::map<std::string, std::vector<double>> timeInScene; // one entry per visit that saw it
    for (const LoggedVisit& visit : visits) {
        ++perDay[visit.date];
        ++figures.visitsPerHour[std::size_t(visit.hour)];
        figures.holdingSeconds.push_back(visit.seconds);
        std::map<std::string, double> inThisVisit;
        for (const SceneTime& stay : visit.scenes)
            inThisVisit[stay.key] += stay.seconds;
        for (const auto& [key, seconds] : inThisVisit)
            timeInScene[key].push_back(seconds);
    }
    for (std::string day = perDay.begin()->first; day <= perDay.rbegin()->first; day = nextDay(day))
        figures.days.push_back({day, perDay.count(day) ? perDay[day] : 0});

    std::sort(figures.holdingSeconds.begin(), figures.holdingSeconds.end());
    figures.medianSeconds = median(figures.holdingSeconds);
    figures.meanSeconds =
        std::accumulate(figures.holdingSeconds.begin(), figures.holdingSeconds.end(), 0.0) /
        double(visits.size());

    for (const auto& [key, times] : timeInScene)
        figures.scenes.push_back(
            {key, int(times.size()), double(times.size()) / double(visits.size()), median(times)});
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
