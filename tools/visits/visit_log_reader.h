#pragma once
// Reading the exhibit's visit logs: CSV lines of start, seconds, the seconds
// to the last input, interactions and scenes as the exhibit writes them, and
// the older lines without the last input's time. A line that is not a whole
// visit (torn by a power cut, from some other file, a clock gone wrong) is
// counted, never fatal: every figure read is bounded, so that no line can
// make the report run long or large. Pure: no file is opened here.

#include <istream>
#include <optional>
#include <string>
#include <vector>

struct SceneTime {
    std::string key;
    double seconds = 0;
};

// The longest visit taken: an exhibit resets after minutes alone, so a
// longer one is a line gone wrong.
constexpr double longestVisitSeconds = 24 * 3600;

struct LoggedVisit {
    int day = 0;        // the exhibit's local day (see calendar_day.h)
    int hour = 0;       // the local hour the visit started in, 0 to 23
    double seconds = 0; // until the idle reset or the end of the program
    // From the first input to the last; the whole visit on older lines,
    // which do not say when the last input came.
    double heldSeconds = 0;
    bool idleIncluded = false; // an older line: heldSeconds includes the idle wait
    int interactions = 0;
    std::vector<SceneTime> scenes;

    // A pointer moved, but nobody pressed or typed.
    bool passerBy() const { return interactions == 0; }
};

// One line without its newline as a visit; none when it is not one. The
// scenes' seconds must add up to the visit's, which catches a line cut short
// inside its list of scenes.
std::optional<LoggedVisit> parseVisitLine(const std::string& line);

struct LogReading {
    std::vector<LoggedVisit> visits;
    int unreadable = 0;        // lines that are neither a visit nor a header
    int firstUnreadableAt = 0; // the first one's line number, from 1; 0 when none
};

// Every line of the stream: the header (either one) skipped, blank lines and
// a last line without its newline (a write cut short) counted as unreadable.
LogReading readVisitLog(std::istream& in);
