#pragma once

#include "engine/timesource.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavola {

// The plain text form of a time of day, as the clock label shows it: "18:05:09".
std::string plainTimeText(const TimeOfDay &time);

// Hours and minutes on a 12-hour clock with the AM/PM designator: "05:34 PM".
std::string mediumTimeText(const TimeOfDay &time);

// "06/12/2026".
std::string dateText(const CalendarDate &date);

// Reads a text such as "18:05", "18:05:09" or "05:34 PM" as a time of day; any other text,
// a title for one, is no time of day.
std::optional<TimeOfDay> readTimeOfDay(std::string_view text);

} // namespace tavola
