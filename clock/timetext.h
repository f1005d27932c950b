// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/timesource.h"

#include <QLocale>

#include <string>

namespace tavola {

// A time of day as the user's locale writes it at length, to the second, without the time
// zone: "23:14:31" in Italian, "11:14:31 PM" in American English.
std::string timeText(const TimeOfDay &time, const QLocale &locale = QLocale::system());

// A date in the locale's short form: "07/12/26" in Italian.
std::string dateText(const CalendarDate &date, const QLocale &locale = QLocale::system());

// The same in Italian words, for a screen reader, which would read the separators aloud:
// "13 e 35" and "martedì 8 dicembre 2026".
std::string spokenTime(const TimeOfDay &time);
std::string spokenDate(const CalendarDate &date);

} // namespace tavola
