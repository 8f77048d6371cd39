#include "tools/visits/visit_log_reader.h"

#include "app/option_table.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <ctime>

namespace {

bool digitsAt(const std::string& text, std::size_t at, std::size_t count) {
    if (at + count > text.size())
        return false;
    for (std::size_t i = at; i < at + count; ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

// 2026-12-08T21:03:05+01:00: the digits where they belong and the
// separators between them.
bool isStamp(const std::string& text) {
    if (text.size() != 25 || !isDate(text.substr(0, 10)))
        return false;
    const std::string separators = "T::+:";
    const std::size_t at[] = {10, 13, 16, 19, 22};
    for (std::size_t i = 0; i < 5; ++i) {
        const bool sign = i == 3 && text[at[i]] == '-';
        if (text[at[i]] != separators[i] && !sign)
            return false;
    }
    return digitsAt(text, 11, 2) && digitsAt(text, 14, 2) && digitsAt(text, 17, 2) &&
           digitsAt(text, 20, 2) && digitsAt(text, 23, 2) && std::atoi(text.c_str() + 11) < 24;
}

std::optional<double> seconds(const std::string& text) {
    const auto value = parseWhole<double>(text);
    if (!value || !std::isfinite(*value) || *value < 0)
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

bool isDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !digitsAt(text, 0, 4) ||
        !digitsAt(text, 5, 2) || !digitsAt(text, 8, 2))
        return false;
    std::tm day{};
    day.tm_year = std::atoi(text.c_str()) - 1900;
    day.tm_mon = std::atoi(text.c_str() + 5) - 1;
    day.tm_mday = std::atoi(text.c_str() + 8);
    std::tm normal = day;
    timegm(&normal);
    return normal.tm_mon == day.tm_mon && normal.tm_mday == day.tm_mday && day.tm_mday > 0;
}

std::optional<LoggedVisit> parseVisitLine(const std::string& line) {
    const std::vector<std::string> fields = split(line, ',');
    if (fields.size() != 4 || !isStamp(fields[0]))
        return std::nullopt;
    LoggedVisit visit;
    visit.date = fields[0].substr(0, 10);
    visit.hour = std::atoi(fields[0].c_str() + 11);
    const auto total = seconds(fields[1]);
    const auto interactions = parseWhole<int>(fields[2]);
    if (!total || !interactions || *interactions < 0)
        return std::nullopt;
    visit.seconds = *total;
    visit.interactions = *interactions;
    double sum = 0;
    for (const std::string& stay : split(fields[3], ' ')) {
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
        if (line == "start,seconds,interactions,scenes" && whole)
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
