#pragma once
// Days of the calendar as whole numbers, so that the report compares,
// counts and steps through dates as dates and never as text. Only the years
// 1970 to 9999 are taken: a visit log has nothing older than the exhibit's
// clock, and every date in the range is written with four digits. Pure.

#include <optional>
#include <string>

// The days 1970-01-01 (0) to 9999-12-31 (lastDay).
constexpr int lastDay = 2932896;

// A date written as YYYY-MM-DD that the calendar has, in the range, as its
// day number; none otherwise.
std::optional<int> dayNumber(const std::string& text);
// The day as YYYY-MM-DD, and its day of the week as "Mon".
std::string dateText(int day);
std::string weekday(int day);
