// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/calculatorsearch.h"

#include <QFutureWatcher>
#include <QtConcurrentRun>

namespace tavola {

CalculatorSearch::CalculatorSearch(std::chrono::milliseconds patience, QObject *parent)
    : QObject(parent)
    , m_deadline(this)
{
    setObjectName(QStringLiteral("calculatorSearch"));
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(patience);
    // A search that has begun starting calculators has the last word: its answer is near.
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        if (m_waitedFor && m_waitedFor->take())
            end(std::make_exception_ptr(calculatorSearchTooSlow()));
    });
}

CalculatorSearch::~CalculatorSearch()
{
    if (m_waitedFor)
        m_waitedFor->take();
    m_threads.waitForDone();
}

bool CalculatorSearch::begin(StartCalculator start)
{
    if (m_waitedFor)
        return false;
    const auto decision = m_waitedFor = std::make_shared<SearchDecision>();
    auto *watcher = new QFutureWatcher<std::exception_ptr>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, decision] {
        watcher->deleteLater();
        if (decision == m_waitedFor)
            end(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(&m_threads, [start = std::move(start), decision] {
        try {
            startCalculator(start, *decision);
            return std::exception_ptr();
        } catch (...) {
            return std::current_exception();
        }
    }));
    m_deadline.start();
    return true;
}

void CalculatorSearch::end(std::exception_ptr failure)
{
    m_deadline.stop();
    m_waitedFor.reset();
    emit ended(failure);
}

} // namespace tavola
