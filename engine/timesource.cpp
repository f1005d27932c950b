// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/timesource.h"

#include <chrono>
#include <ctime>

namespace tavola {

namespace {

long long millisecondsSinceEpoch()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace

float TimeSource::secondsSinceMidnight() const
{
    const TimeOfDay t = timeOfDay();
    return float(t.hour * 3600 + t.minute * 60 + t.second) + float(t.millisecond) / 1000.0f;
}

const SystemTimeSource::LocalFields &SystemTimeSource::localFields(long long second) const
{
    if (second != m_cachedSecond) {
        const auto asTimeT = std::time_t(second);
        std::tm fields{};
        localtime_r(&asTimeT, &fields);
        m_cached.date = {fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday};
        // A leap second (tm_sec 60) reads as the last second of the minute.
        m_cached.time = {fields.tm_hour, fields.tm_min, fields.tm_sec > 59 ? 59 : fields.tm_sec, 0};
        m_cachedSecond = second;
    }
    return m_cached;
}

TimeOfDay SystemTimeSource::timeOfDay() const
{
    const long long now = millisecondsSinceEpoch();
    TimeOfDay time = localFields(now / 1000).time;
    time.millisecond = int(now % 1000);
    return time;
}

CalendarDate SystemTimeSource::date() const
{
    return localFields(millisecondsSinceEpoch() / 1000).date;
}

} // namespace tavola
