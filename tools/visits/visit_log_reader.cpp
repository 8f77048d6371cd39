#include "tools/visits/visit_log_reader.h"

#include "app/option_table.h"
#include "tools/visits/calendar_day.h"

#include <cctype>
#include <cmath>

namespace {

bool digitsAt(const std::string& text, std::size_t at, std::size_t count) {
    if (at + count > text.size())
        return false;
    for (std::size_t i = at; i < at + count; ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

int twoDigits(const std::string& text, std::size_t at) {
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

// 2026-12-08T21:03:05+01:00: a date the calendar has, the digits where they
// belong with hours and minutes in their ranges, and the separators.
bool isStamp(const std::string& text) {
    if (text.size() != 25 || !dayNumber(text.substr(0, 10)))
        return false;
    const std::string separators = "T::+:";
    const std::size_t at[] = {10, 13, 16, 19, 22};
    for (std::size_t i = 0; i < 5; ++i) {
        const bool sign = i == 3 && text[at[i]] == '-';
        if (text[at[i]] != separators[i] && !sign)
            return false;
    }
    return digitsAt(text, 11, 2) && digitsAt(text, 14, 2) && digitsAt(text, 17, 2) &&
           digitsAt(text, 20, 2) && digitsAt(text, 23, 2) && twoDigits(text, 11) < 24 &&
           twoDigits(text, 14) < 60 && twoDigits(text, 17) <= 60 && twoDigits(text, 23) < 60;
}

// Seconds of a visit, at most a day's: a bound that keeps every sum, count
// and rounding of them far from overflowing.
std::optional<double> seconds(const std::string& text) {
    const auto value = parseWhole<double>(text);
    if (!value || !(*value >= 0 && *value <= longestVisitSeconds))
        return std::nullopt;
    return value;
}

bool isKey(const std::string& key) {
    if (key.empty())
        return false;
    for (char c : key)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-')
            return false;
    return true;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (auto at = text.find(separator); at != std::string::npos;
         at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

} // namespace

std::optional<LoggedVisit> parseVisitLine(const std::string& line) {
    const std::vector<std::string> fields = split(line, ',');
    // Older lines have no last input's time between seconds and interactions.
    const bool older = fields.size() == 4;
    if ((!older && fields.size() != 5) || !isStamp(fields[0]))
        return std::nullopt;
    LoggedVisit visit;
    visit.day = *dayNumber(fields[0].substr(0, 10));
    visit.hour = twoDigits(fields[0], 11);
    const auto total = seconds(fields[1]);
    const auto held = older ? total : seconds(fields[2]);
    const auto interactions = parseWhole<int>(fields[older ? 2 : 3]);
    // Both times are rounded from whole milliseconds, the last input's never
    // the later one.
    if (!total || !held || *held > *total || !interactions || *interactions < 0)
        return std::nullopt;
    visit.seconds = *total;
    visit.heldSeconds = *held;
    visit.idleIncluded = older;
    visit.interactions = *interactions;
    double sum = 0;
    for (const std::string& stay : split(fields.back(), ' ')) {
        const auto colon = stay.rfind(':');
        if (colon == std::string::npos || !isKey(stay.substr(0, colon)))
            return std::nullopt;
        const auto time = seconds(stay.substr(colon + 1));
        if (!time)
            return std::nullopt;
        visit.scenes.push_back({stay.substr(0, colon), *time});
        sum += *time;
    }
    // Each figure is rounded to a tenth on its own.
    if (std::abs(sum - visit.seconds) > 0.05 * double(visit.scenes.size() + 1) + 1e-9)
        return std::nullopt;
    return visit;
}

LogReading readVisitLog(std::istream& in) {
    LogReading reading;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const bool whole = !in.eof();
        if (whole && (line == "start,seconds,last_input,interactions,scenes" ||
                      line == "start,seconds,interactions,scenes"))
            continue;
        const auto visit = whole ? parseVisitLine(line) : std::nullopt;
        if (visit) {
            reading.visits.push_back(*visit);
        } else if (++reading.unreadable == 1) {
            reading.firstUnreadableAt = number;
        }
    }
    return reading;
}
