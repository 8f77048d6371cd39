#include "tools/visits/visit_report.h"

#include "tools/visits/calendar_day.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace {

std::string format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

// Whole however long: a scene's key or a path is as long as the log says.
std::string format(const char* pattern, ...) {
    va_list arguments, again;
    va_start(arguments, pattern);
    va_copy(again, arguments);
    std::string text(std::size_t(std::max(0, std::vsnprintf(nullptr, 0, pattern, arguments))),
                     '\0');
    va_end(arguments);
    std::vsnprintf(text.data(), text.size() + 1, pattern, again);
    va_end(again);
    return text;
}

std::string sourcesPart(const std::vector<LogSource>& sources) {
    std::string text;
    for (const LogSource& source : sources) {
        text += "  " + source.path + ": " + counted(source.visits - source.passersBy, "visit");
        if (source.passersBy > 0)
            text += ", " + counted(source.passersBy, "passer-by", "passers-by");
        if (source.unreadable > 0)
            text += ", " + counted(source.unreadable, "unreadable line") +
                    format(" (the first is line %d)", source.firstUnreadableAt);
        if (source.idleIncluded > 0)
            text += "\n    " + counted(source.idleIncluded, "visit") +
                    " in the older format, without the last input's time: held "
                    "until the idle reset";
        text += "\n";
    }
    return text;
}

} // namespace

std::string duration(double seconds) {
    // The reader takes no time over a day; the bound only keeps the rounding
    // defined whatever it is given.
    const long whole = std::lround(std::clamp(std::isnan(seconds) ? 0 : seconds, 0.0, 1e12));
    if (whole < 60)
        return format("%ld s", whole);
    if (whole < 3600)
        return format("%ld min %02ld s", whole / 60, whole % 60);
    return format("%ld h %02ld min", whole / 3600, whole / 60 % 60);
}

std::string visitReport(const VisitFigures& figures, const std::vector<LogSource>& sources) {
    std::string text = "Logs read\n" + sourcesPart(sources);
    const std::string passers =
        figures.passersBy == 0
            ? ""
            : counted(figures.passersBy, "passer-by", "passers-by") +
                  " (a pointer moved, nothing pressed or typed), left out below\n";
    if (figures.visits == 0)
        return text + "\nNo visits.\n" + passers;
    text += "\n" + counted(figures.visits, "visit") + " from " +
            dateText(figures.days.front().day) + " to " + dateText(figures.days.back().day) + "\n" +
            passers;

    text += "\nVisits per day\n";
    for (const DayCount& day : figures.days)
        text += day.foldedDays > 0 ? "  (" + counted(day.foldedDays, "day") + " without visits)\n"
                                   : format("  %s %s %6d\n", dateText(day.day).c_str(),
                                            weekday(day.day).c_str(), day.visits);

    text += "\nHolding time, from the first input to the last\n";
    text += "  median " + duration(figures.medianSeconds) + ", mean " +
            duration(figures.meanSeconds) + "\n";
    if (figures.idleIncluded > 0)
        text += "  " + std::to_string(figures.idleIncluded) + " of the " +
                counted(figures.visits, "visit") +
                " from older logs, without the last input's time, held until the idle reset\n";

    text += "\nScenes            seen in   median time there\n";
    for (const SceneFigures& scene : figures.scenes)
        text += format("  %-16s %5.0f %%   %s\n", scene.key.c_str(), scene.share * 100,
                       duration(scene.medianSeconds).c_str());

    text += "\nBusiest hours\n";
    for (int hour : busiestHours(figures, 3))
        text += format("  %02d:00-%02d:00 %6d %s\n", hour, (hour + 1) % 24,
                       figures.visitsPerHour[std::size_t(hour)],
                       figures.visitsPerHour[std::size_t(hour)] == 1 ? "visit" : "visits");
    return text;
}
