// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The clock's texts: the time and the date read the user's way, from the system's clock.
// What the window does with them, the window tests see.
#include "support.h"

#include "clock/timetext.h"

#include <QDateTime>
#include <QTest>

using namespace tavola;

class ClockTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(localeProblem().isEmpty(), qPrintable(localeProblem())); }

    // To the second, without the time zone, as the system locale writes them, in the hours
    // before ten too: the clock label, the alarm and the goodbye all use these.
    void timeAndDateReadTheLocalesWay()
    {
        for (const LocalForms &forms : localForms) {
            const QLocale locale(forms.locale);
            QCOMPARE(timeText({9, 5, 7, 0}, locale), forms.morning);
            QCOMPARE(timeText({23, 14, 31, 0}, locale), forms.evening);
            QCOMPARE(dateText({2027, 1, 2}, locale), forms.date);
        }
        QCOMPARE(timeText({9, 5, 7, 0}), formsUnderTest().morning);
        QCOMPARE(dateText({2027, 1, 2}), formsUnderTest().date);
    }

    // Between two readings of Qt's clock, unless midnight falls between them.
    void systemClockReadsLocalTime()
    {
        SystemTimeSource system;
        for (int i = 0; i < 200; ++i) {
            const QDateTime before = QDateTime::currentDateTime();
            const TimeOfDay t = system.timeOfDay();
            const QDate date(system.date().year, system.date().month, system.date().day);
            const QDateTime read(date, QTime(t.hour, t.minute, t.second, t.millisecond));
            const QDateTime after = QDateTime::currentDateTime();
            QVERIFY(before.date() != after.date() || (before <= read && read <= after));
            QVERIFY(
                std::abs(system.secondsSinceMidnight() - read.time().msecsSinceStartOfDay() / 1e3)
                < 1);
        }
    }
};

QTEST_GUILESS_MAIN(ClockTest)
#include "tst_clock.moc"
