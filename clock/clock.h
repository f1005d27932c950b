// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/timesource.h"

#include <optional>
#include <string>

namespace tavola {

enum class WindowState { Normal, Minimised, Maximised };

// The caption the window takes whenever it is resized into the normal state.
inline const std::string restoredCaption = "Giocare con I Trigorio";

// What a tick or a resize asks the window to show; an empty field leaves that alone.
struct ClockShows {
    std::optional<std::string> lblTime;
    std::optional<std::string> caption;
};

// The clock label and the window caption, remembering what the label last showed.
class Clock
{
public:
    explicit Clock(const TimeSource &time);

    ClockShows load(const std::string &designedCaption);
    // Twice a second: the label follows the displayed second unless the window is in the
    // normal state, where it stands still.
    ClockShows tick(WindowState state);
    // Every change of the window's size or state.
    ClockShows resize(WindowState state);

private:
    const TimeSource &m_time;
    std::string m_lblTime;
};

} // namespace tavola
