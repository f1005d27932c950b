// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock/clock.h"

#include "clock/timetext.h"

#include <tuple>

namespace tavola {

namespace {

// Alarms are set to the second; the milliseconds of the current time play no part.
bool atOrAfter(const TimeOfDay &now, const TimeOfDay &alarm)
{
    return std::tie(now.hour, now.minute, now.second)
        >= std::tie(alarm.hour, alarm.minute, alarm.second);
}

} // namespace

Clock::Clock(const TimeSource &time)
    : m_time(time)
{
}

ClockShows Clock::load(const std::string &designedCaption)
{
    m_alarmTime.reset();
    m_lblTime.clear();
    return {m_lblTime, designedCaption, std::nullopt};
}

// In the normal state the caption is the restored title, never a time, so the tick has
// nothing to bring up to date there.
ClockShows Clock::tick(WindowState state)
{
    const TimeOfDay now = m_time.timeOfDay();
    if (m_lblTime == timeText(now))
        return {};
    ClockShows shows;
    if (alarmDue(now))
        shows.alarm = "Sveglia alle " + timeText(m_time.timeOfDay());
    if (state != WindowState::Normal) {
        m_lblTime = timeText(m_time.timeOfDay());
        shows.lblTime = m_lblTime;
    }
    return shows;
}

ClockShows Clock::resize(WindowState state)
{
    if (state != WindowState::Normal)
        return {};
    return {std::nullopt, restoredCaption, std::nullopt};
}

// An empty alarm time counts as later than any time of day: it re-arms and never sounds.
// Ticks go on while the alarm's box is open; they must not open another one.
bool Clock::alarmDue(const TimeOfDay &now)
{
    if (m_ringing)
        return false;
    if (!m_alarmTime || !atOrAfter(now, *m_alarmTime)) {
        m_sounded = false;
        return false;
    }
    m_ringing = !m_sounded;
    return m_ringing;
}

void Clock::alarmClosed()
{
    m_ringing = false;
    m_sounded = true;
}

} // namespace tavola
