#include "tools/visits/calendar_day.h"

#include <cstdio>

namespace {

bool isLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysIn(int year, int month) {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : lengths[month - 1];
}

// Counted in years that begin on the first of March, so that the leap day
// is the last of its year and every month before it has a fixed length.
int daysSinceEpoch(int year, int month, int day) {
    const int shiftedYear = month <= 2 ? year - 1 : year;
    const int shiftedMonth = month <= 2 ? month + 9 : month - 3; // March is 0
    const int dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const int leapDays = shiftedYear / 4 - shiftedYear / 100 + shiftedYear / 400;
    // 719468 days from 0000-03-01 to 1970-01-01.
    return shiftedYear * 365 + leapDays + dayOfYear - 719468;
}

} // namespace

std::optional<int> dayNumber(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    int parts[3] = {0, 0, 0};
    const int starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
    for (int i = 0; i < 3; ++i)
        for (int at = starts[i]; at < starts[i] + lengths[i]; ++at) {
            if (text[at] < '0' || text[at] > '9')
                return std::nullopt;
            parts[i] = parts[i] * 10 + (text[at] - '0');
        }
    const int year = parts[0], month = parts[1], day = parts[2];
    if (year < 1970 || month < 1 || month > 12 || day < 1 || day > daysIn(year, month))
        return std::nullopt;
    return daysSinceEpoch(year, month, day);
}

std::string dateText(int day) {
    // Close from below by whole years, then months: at most a few steps each.
    int year = 1970 + day / 366;
    while (year < 9999 && daysSinceEpoch(year + 1, 1, 1) <= day)
        ++year;
    int month = 1;
    while (month < 12 && daysSinceEpoch(year, month + 1, 1) <= day)
        ++month;
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month,
                  day - daysSinceEpoch(year, month, 1) + 1);
    return text;
}

std::string weekday(int day) {
    static const char* const names[] = {"Thu", "Fri", "Sat", "Sun", "Mon", "Tue", "Wed"};
    return names[((day % 7) + 7) % 7];
}
