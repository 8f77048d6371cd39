#include "tools/visits/visit_report.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace {

std::string format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

std::string format(const char* pattern, ...) {
    char text[256];
    va_list arguments;
    va_start(arguments, pattern);
    std::vsnprintf(text, sizeof text, pattern, arguments);
    va_end(arguments);
    return text;
}

std::string sourcesPart(const std::vector<LogSource>& sources) {
    std::string text;
    for (const LogSource& source : sources) {
        text += format("  %s: %d visits", source.path.c_str(), source.visits);
        if (source.unreadable > 0)
            text += format(", %d unreadable line%s (the first is line %d)", source.unreadable,
                           source.unreadable == 1 ? "" : "s", source.firstUnreadableAt);
        text += "\n";
    }
    return text;
}

} // namespace

std::string duration(double seconds) {
    const long whole = std::lround(seconds);
    if (whole < 60)
        return format("%ld s", whole);
    if (whole < 3600)
        return format("%ld min %02ld s", whole / 60, whole % 60);
    return format("%ld h %02ld min", whole / 3600, whole / 60 % 60);
}

std::string visitReport(const VisitFigures& figures, const std::vector<LogSource>& sources) {
    std::string text = "Logs read\n" + sourcesPart(sources);
    if (figures.visits == 0)
        return text + "\nNo visits.\n";
    text += format("\n%d visits from %s to %s\n", figures.visits, figures.days.front().date.c_str(),
                   figures.days.back().date.c_str());

    text += "\nVisits per day\n";
    for (const DayCount& day : figures.days)
        text += format("  %s %s %6d\n", day.date.c_str(), weekday(day.date).c_str(), day.visits);

    text += "\nHolding time\n";
    text += "  median " + duration(figures.medianSeconds) + ", mean " +
            duration(figures.meanSeconds) + "\n";

    text += "\nScenes            seen in   median time there\n";
    for (const SceneFigures& scene : figures.scenes)
        text += format("  %-16s %5.0f %%   %s\n", scene.key.c_str(), scene.share * 100,
                       duration(scene.medianSeconds).c_str());

    text += "\nBusiest hours\n";
    for (int hour : busiestHours(figures, 3))
        text += format("  %02d:00-%02d:00 %6d visits\n", hour, (hour + 1) % 24,
                       figures.visitsPerHour[std::size_t(hour)]);
    return text;
}
