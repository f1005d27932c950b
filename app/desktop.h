// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <chrono>

namespace tavola {

class Calculator;

// What the window asks of the desktop beyond its own widgets. Tests put a recorder in its
// place.
class Desktop
{
public:
    explicit Desktop(std::chrono::milliseconds patience = std::chrono::seconds(5))
        : m_patience(patience)
    {
    }
    virtual ~Desktop() = default;

    // Starts the calculator on its own, not waited for; false, with the reason, if it could
    // not be started.
    // Called from a thread of the search's, never the window's.
    virtual bool start(const Calculator &calculator, QString &error) = 0;
    // How long the window waits for a calculator to be found before it tells the pupil.
    std::chrono::milliseconds calculatorPatience() const { return m_patience; }
    // Ends the program at once: the event loop returns and no further handler runs.
    virtual void endProgram() = 0;

private:
    std::chrono::milliseconds m_patience;
};

class SystemDesktop final : public Desktop
{
public:
    using Desktop::Desktop;
    bool start(const Calculator &calculator, QString &error) override;
    void endProgram() override;
};

} // namespace tavola
