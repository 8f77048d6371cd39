#pragma once
// What a curator asks of the visits: how many a day, how long they held
// people, which scenes they saw and for how long, and when the exhibit was
// busiest. Pure.

#include "tools/visits/visit_log_reader.h"

#include <array>
#include <string>
#include <vector>

struct DayCount {
    std::string date; // YYYY-MM-DD
    int visits = 0;
};

struct SceneFigures {
    std::string key;
    int visits = 0;           // visits that saw the scene at least once
    double share = 0;         // of all visits, 0 to 1
    double medianSeconds = 0; // over those visits, each one's whole time in it
};

struct VisitFigures {
    int visits = 0;
    // Every day from the first visit's to the last's, those without visits
    // included, in order.
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

// The day after date (YYYY-MM-DD), and the day of the week as "Mon".
std::string nextDay(const std::string& date);
std::string weekday(const std::string& date);
