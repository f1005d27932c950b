// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Test doubles: a random source that plays back chosen values and records every call, a
// clock that stands still; and the check that a test runs under its locale.
#include "engine/randomsource.h"
#include "engine/timesource.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>

#include <clocale>
#include <deque>
#include <stdexcept>
#include <vector>

class ScriptedRandom final : public tavola::RandomSource
{
public:
    // The record: `draw` for a draw, any other value for a reseed with it.
    std::vector<double> calls;
    std::deque<float> values;
    bool looping = false; // every value drawn goes back to the end, for endless games

    float next() override
    {
        if (values.empty())
            throw std::logic_error("the script has no value left for this draw");
        calls.push_back(draw);
        const float r = values.front();
        values.pop_front();
        if (looping)
            values.push_back(r);
        return r;
    }
    void reseed(double value) override { calls.push_back(value); }

    static constexpr double draw = -1; // no reseed of the game is negative
};

class FixedClock final : public tavola::TimeSource
{
public:
    tavola::TimeOfDay timeOfDay() const override { return time; }
    tavola::CalendarDate date() const override { return day; }

    tavola::TimeOfDay time{23, 14, 31, 250};
    tavola::CalendarDate day{2026, 12, 6};
};

// The r that makes a draw of `range` values from `offset` give `value`, mid-interval.
inline float rFor(int value, int offset, int range)
{
    return (float(value - offset) + 0.5f) / float(range);
}

// How each locale the tests run under writes 09:05:07, 23:14:31 and 2 January 2027; the C
// locale's date is Qt's own choice, and Qt 6.11 changed it ("2 Jan 2027" became "2 01 2027").
struct LocalForms {
    const char *locale, *morning, *evening, *fixedDate;
    QString date() const
    {
        return fixedDate ? QString(fixedDate)
                         : QLocale::c().toString(QDate(2027, 1, 2), QLocale::ShortFormat);
    }
};
inline constexpr LocalForms localForms[] = {{"C", "09:05:07", "23:14:31", nullptr},
    {"en_US", "9:05:07 AM", "11:14:31 PM", "1/2/27"}, {"de_DE", "09:05:07", "23:14:31", "02.01.27"},
    {"it_IT", "09:05:07", "23:14:31", "02/01/27"}};

inline const LocalForms &formsUnderTest()
{
    const QByteArray locale = qgetenv("TAVOLA_TEST_LOCALE").left(5);
    for (const LocalForms &forms : localForms)
        if (locale == forms.locale)
            return forms;
    return localForms[0];
}

// A run under a locale proves nothing unless it is in force: CTest names it, Qt sets it.
inline QString localeProblem()
{
    const QByteArray requested = qgetenv("TAVOLA_TEST_LOCALE");
    const char *active = std::setlocale(LC_NUMERIC, nullptr);
    if (requested.isEmpty() || requested == "C" || QByteArray(active).startsWith(requested.left(5)))
        return {};
    return QStringLiteral("locale %1 is not in force (active: %2)")
        .arg(QString::fromLatin1(requested), QString::fromLatin1(active));
}
