#pragma once
// One visit to the exhibit as the curator counts it: from the first input
// after start or after an idle reset until the next reset (or the end of the
// program), how long it lasted, how often the visitor pressed or typed, and
// which scenes were shown for how long, in order. Pure: times are readings
// of the one clock (geom/clock.h); the calendar time of the start is given
// by the caller. Nothing identifies a person.

#include "geom/clock.h"

#include <ctime>
#include <optional>
#include <string>
#include <vector>

struct SceneStay {
    std::string key;
    int millis = 0;
};

struct Visit {
    std::time_t start = 0; // calendar time of the first input
    int millis = 0;
    int interactions = 0; // presses (a drag included) and keys
    std::vector<SceneStay> scenes;
    // From the first input to the last: the visitor's own time, without the
    // idle wait before the reset that ended the visit.
    int millisToLastInput = 0;
};

class VisitRecord {
  public:
    // shownScene is the key of the scene on screen now.
    explicit VisitRecord(std::string shownScene);

    // Any pointer, button or key event; the first after a reset starts a visit.
    void input(Millis now, std::time_t calendarNow);
    // A button press or a key: an input that the visit counts.
    void interaction(Millis now, std::time_t calendarNow);
    // The scene of that key is shown from now on.
    void sceneShown(const std::string& key, Millis now);

    bool inVisit() const { return visiting; }
    // Ends the visit in progress and answers it; none when there was none.
    std::optional<Visit> end(Millis now);

  private:
    void closeStay(Millis now);

    std::string shown;
    bool visiting = false;
    Millis startMillis = 0;
    Millis lastInput = 0;
    Millis stayStart = 0;
    Visit visit;
};

// The visit as a line of the visit log, without the newline:
// start (local time, ISO 8601 with the offset), seconds, the seconds from the
// start to the last input, interactions, and the scenes as KEY:SECONDS
// separated by spaces; seconds to a tenth.
std::string visitCsvLine(const Visit& visit);
// The header line of the visit log, without the newline.
const char* visitCsvHeader();
// The calendar time in the local time zone as 2026-12-08T21:03:05+01:00.
std::string isoLocalTime(std::time_t time);
// Milliseconds as seconds to a tenth: 95250 as "95.3".
std::string tenthsOfSeconds(int millis);
