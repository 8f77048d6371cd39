#include "app/visit_record.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

VisitRecord::VisitRecord(std::string shownScene) : shown(std::move(shownScene)) {}

void VisitRecord::input(Millis now, std::time_t calendarNow) {
    lastInput = now;
    if (visiting)
        return;
    visiting = true;
    visit = Visit{};
    visit.start = calendarNow;
    startMillis = now;
    stayStart = now;
}

void VisitRecord::interaction(Millis now, std::time_t calendarNow) {
    input(now, calendarNow);
    ++visit.interactions;
}

void VisitRecord::sceneShown(const std::string& key, Millis now) {
    if (key == shown)
        return;
    if (visiting)
        closeStay(now);
    shown = key;
    stayStart = now;
}

std::optional<Visit> VisitRecord::end(Millis now) {
    if (!visiting)
        return std::nullopt;
    closeStay(now);
    visiting = false;
    visit.millis = int(std::max<Millis>(now - startMillis, 0));
    visit.millisToLastInput = int(std::clamp<Millis>(lastInput - startMillis, 0, visit.millis));
    return visit;
}

void VisitRecord::closeStay(Millis now) {
    visit.scenes.push_back({shown, int(std::max<Millis>(now - stayStart, 0))});
}

const char* visitCsvHeader() {
    return "start,seconds,last_input,interactions,scenes";
}

std::string tenthsOfSeconds(int millis) {
    const int tenths = (millis + 50) / 100;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string isoLocalTime(std::time_t time) {
    std::tm local{};
    localtime_r(&time, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%S", &local);
    const long offsetMinutes = local.tm_gmtoff / 60;
    char offset[40];
    std::snprintf(offset, sizeof offset, "%c%02ld:%02ld", offsetMinutes < 0 ? '-' : '+',
                  std::labs(offsetMinutes) / 60, std::labs(offsetMinutes) % 60);
    return std::string(stamp) + offset;
}

std::string visitCsvLine(const Visit& visit) {
    std::string scenes;
    for (const SceneStay& stay : visit.scenes)
        scenes += (scenes.empty() ? "" : " ") + stay.key + ":" + tenthsOfSeconds(stay.millis);
    return isoLocalTime(visit.start) + "," + tenthsOfSeconds(visit.millis) + "," +
           tenthsOfSeconds(visit.millisToLastInput) + "," + std::to_string(visit.interactions) +
           "," + scenes;
}
