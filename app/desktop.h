// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace tavola {

class Calculator;

// What the window asks of the desktop beyond its own widgets. Tests put a recorder in its
// place.
class Desktop
{
public:
    virtual ~Desktop() = default;

    // Starts the calculator on its own, not waited for; false, with the reason, if it could
    // not be started.
    virtual bool start(const Calculator &calculator, QString &error) = 0;
    // Ends the program at once: the event loop returns and no further handler runs.
    virtual void endProgram() = 0;
};

class SystemDesktop final : public Desktop
{
public:
    bool start(const Calculator &calculator, QString &error) override;
    void endProgram() override;
};

} // namespace tavola
