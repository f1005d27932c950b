// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock/clock.h"

#include "clock/timetext.h"

#include <utility>

namespace tavola {

Clock::Clock(const TimeSource &time)
    : m_time(time)
{
}

ClockShows Clock::load(const std::string &designedCaption)
{
    m_lblTime.clear();
    return {m_lblTime, designedCaption};
}

// In the normal state the caption is the restored title, never a time, so the tick has
// nothing to bring up to date there.
ClockShows Clock::tick(WindowState state)
{
    std::string shown = timeText(m_time.timeOfDay());
    if (state == WindowState::Normal || shown == m_lblTime)
        return {};
    m_lblTime = std::move(shown);
    return {m_lblTime, std::nullopt};
}

ClockShows Clock::resize(WindowState state)
{
    if (state != WindowState::Normal)
        return {};
    return {std::nullopt, restoredCaption};
}

} // namespace tavola
