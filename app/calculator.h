// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/messageboxes.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <vector>

namespace tavola {

// A calculator the desktop offers: a desktop entry of the category Calculator, or a
// well-known calculator program on the PATH. Either is started as its own program, never
// through a shell.
class Calculator
{
public:
    // The id: the desktop entry's; for a program on the PATH, its path.
    Calculator(const QString &id, const QString &program, const QStringList &arguments = {},
        const QString &folder = {});

    QString id() const { return m_id; }
    // True only once the program runs: one the system will not execute (a missing
    // interpreter, no execute bit, not a program at all) is refused, with the reason.
    bool launch(QString &error) const;

private:
    QString m_id;
    QString m_program;
    QStringList m_arguments;
    QString m_folder;
};

// Who has the last word on one search, shared by the thread that searches and the window
// that waits: the search, once it starts a calculator, or the window, once it stops waiting
// and tells the pupil.
class SearchDecision
{
public:
    // True for the first taker only.
    bool take() { return !m_taken.test_and_set(); }
    bool taken() const { return m_taken.test(); }

private:
    std::atomic_flag m_taken;
};

// The desktop's calculators, best first, only those installed: the entries of the user's
// applications folder, then the system's, each folder in the order of its ids; then the
// well-known programs. Cut short once the decision is taken.
std::vector<Calculator> installedCalculators(const SearchDecision &decision = SearchDecision());

// How a calculator is started: false, with the reason, when it will not start.
using StartCalculator = std::function<bool(const Calculator &calculator, QString &error)>;

// Starts the first calculator that will start, and leaves it alone; starts none once the
// decision is taken elsewhere. Throws a WindowError naming what was looked for when none
// would.
void startCalculator(const StartCalculator &start, SearchDecision &decision);

// What the pupil reads when the search took longer than the window waits.
WindowError calculatorSearchTooSlow();

} // namespace tavola
