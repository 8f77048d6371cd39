#pragma once
// Reading the exhibit's visit logs: CSV lines of start, seconds,
// interactions and scenes as the exhibit writes them. A line that is not a
// whole visit (torn by a power cut, from some other file) is counted, never
// fatal. Pure: no file is opened here.

#include <istream>
#include <optional>
#include <string>
#include <vector>

struct SceneTime {
    std::string key;
    double seconds = 0;
};

struct LoggedVisit {
    std::string date; // the exhibit's local day, YYYY-MM-DD
    int hour = 0;     // the local hour the visit started in, 0 to 23
    double seconds = 0;
    int interactions = 0;
    std::vector<SceneTime> scenes;
};

// One line without its newline as a visit; none when it is not one. The
// scenes' seconds must add up to the visit's, which catches a line cut short
// inside its list of scenes.
std::optional<LoggedVisit> parseVisitLine(const std::string& line);

// Whether text is a date written as YYYY-MM-DD that the calendar has.
bool isDate(const std::string& text);

struct LogReading {
    std::vector<LoggedVisit> visits;
    int unreadable = 0;        // lines that are neither a visit nor the header
    int firstUnreadableAt = 0; // the first one's line number, from 1; 0 when none
};

// Every line of the stream: the header skipped, blank lines and a last line
// without its newline (a write cut short) counted as unreadable.
LogReading readVisitLog(std::istream& in);
