#pragma once
// What a curator asks of the visits: how many a day, how long they held
// people, which scenes they saw and for how long, and when the exhibit was
// busiest. Passers-by, whose pointer moved but who never pressed or typed,
// are counted apart and left out of every other figure. Pure.

#include "tools/visits/visit_log_reader.h"

#include <array>
#include <string>
#include <vector>

// A gap of at most this many days without visits is listed day by day (a
// closed week, a month of works); a longer one, such as a line from a clock
// gone wrong years away, is folded into one entry, so that the table stays
// as long as the days with visits allow.
constexpr int longestListedGap = 31;

struct DayCount {
    int day = 0; // see calendar_day.h
    int visits = 0;
    // More than longestListedGap days without visits from day on, folded
    // into this one entry; 0 for a day of its own.
    int foldedDays = 0;
};

struct SceneFigures {
    std::string key;
    int visits = 0;   // visits that saw the scene at least once
    double share = 0; // of all visits, 0 to 1
    // Over those visits, each one's whole time in it up to its last input.
    double medianSeconds = 0;
};

struct VisitFigures {
    int visits = 0;
    int passersBy = 0;
    // Visits from older logs, whose holding time runs until the idle reset.
    int idleIncluded = 0;
    // From the first visit's day to the last's, in order, days without
    // visits included or folded.
    std::vector<DayCount> days;
    double medianSeconds = 0;
    double meanSeconds = 0;
    std::vector<double> holdingSeconds; // every visit's, ascending
    // Most often seen first, then by key.
    std::vector<SceneFigures> scenes;
    std::array<int, 24> visitsPerHour{};
};

// The median of the values (the mean of the middle two of an even count);
// 0 for none.
double median(std::vector<double> values);

VisitFigures summarise(const std::vector<LoggedVisit>& visits);

// The hours with visits, busiest first (earlier first among equals), at
// most count of them.
std::vector<int> busiestHours(const VisitFigures& figures, int count);

// "1 visit", "2 visits"; the plural given where it is not the singular's
// with an s.
std::string counted(long count, const std::string& singular, std::string plural = {});
