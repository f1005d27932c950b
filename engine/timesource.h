// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tavola {

struct TimeOfDay {
    int hour = 0; // 0 to 23
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    friend bool operator==(const TimeOfDay &, const TimeOfDay &) = default;
};

struct CalendarDate {
    int year = 1970;
    int month = 1; // 1 to 12
    int day = 1;

    friend bool operator==(const CalendarDate &, const CalendarDate &) = default;
};

// Local time as the game reads it. Tests put a fixed clock in its place.
class TimeSource
{
public:
    virtual ~TimeSource() = default;

    virtual TimeOfDay timeOfDay() const = 0;
    virtual CalendarDate date() const = 0;

    // Seconds elapsed since local midnight, with their fraction, in single precision.
    float secondsSinceMidnight() const;
};

class SystemTimeSource final : public TimeSource
{
public:
    TimeOfDay timeOfDay() const override;
    CalendarDate date() const override;

private:
    struct LocalFields {
        CalendarDate date;
        TimeOfDay time;
    };
    // Breaking a time into local fields is the costly part; within one second it gives
    // the same answer, so the last one is kept.
    const LocalFields &localFields(long long secondsSinceEpoch) const;

    mutable long long m_cachedSecond = -1;
    mutable LocalFields m_cached;
};

} // namespace tavola
