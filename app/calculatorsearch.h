// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/calculator.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <chrono>
#include <exception>
#include <memory>

namespace tavola {

// Looks for the desktop's calculator and starts it on a thread of its own, so that the
// window goes on ticking and answering however large, slow or looped the applications
// folders are. The window hears back once for each search, on its own thread: when a
// calculator started, when none would, or when its patience ran out first.
class CalculatorSearch : public QObject
{
    Q_OBJECT

public:
    CalculatorSearch(std::chrono::milliseconds patience, QObject *parent);
    // A search still running is given up, and waited for: it stops at its next entry.
    ~CalculatorSearch() override;

    // False, and nothing begun, while the last search runs: clicks do not pile up.
    bool begin(StartCalculator start);
    bool busy() const { return m_waitedFor != nullptr; }

signals:
    // Null when a calculator started; else the error the pupil is told.
    void ended(std::exception_ptr failure);

private:
    void end(std::exception_ptr failure);

    QThreadPool m_threads;
    QTimer m_deadline;
    // The decision of the search the window waits for, if any; one it gave up on may run on
    // until its next entry.
    std::shared_ptr<SearchDecision> m_waitedFor;
};

} // namespace tavola
