#pragma once
// The report lembovari-visits prints: what was read, visits per day, holding
// time, the scenes, and the busiest hours, as plain text tables. Pure.

#include "tools/visits/visit_statistics.h"

#include <string>
#include <vector>

// What was read from one log file.
struct LogSource {
    std::string path;
    int visits = 0; // within the dates asked for, passers-by included
    int passersBy = 0;
    int idleIncluded = 0; // visits on older lines, without the last input's time
    int unreadable = 0;   // lines that were not visits
    int firstUnreadableAt = 0;
};

// A time in seconds for a reader: "42 s", "3 min 05 s", "2 h 10 min".
std::string duration(double seconds);

std::string visitReport(const VisitFigures& figures, const std::vector<LogSource>& sources);
