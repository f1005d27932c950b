// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <stdexcept>
#include <string>

class QWidget;

namespace tavola {

// An error of the window's own (a calculator that will not start), whose text is for the
// pupil, with the same in words for a screen reader.
class WindowError : public std::runtime_error
{
public:
    WindowError(const std::string &shown, const std::string &spoken)
        : std::runtime_error(shown)
        , m_spoken(spoken)
    {
    }
    const std::string &spoken() const noexcept { return m_spoken; }

private:
    std::string m_spoken;
};

// What a box shows, and the same in words for a screen reader: no colon, slash, bullet or
// path read aloud.
struct BoxText {
    QString shown;
    QString spoken;
};

// The window's modal boxes. Each returns once the pupil has closed it.

// A runtime error of a handler; the game goes on.
void showRuntimeError(QWidget *window, const BoxText &message);

// "Vuoi veramente lasciarmi  ?" with No as the default: true unless the answer is No.
bool confirmExit(QWidget *window);

void sayGoodbye(QWidget *window, const BoxText &time, const BoxText &date);

} // namespace tavola
