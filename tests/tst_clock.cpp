// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The clock: its label follows the displayed second while the window is maximised or
// minimised and stands still in the normal state, where the caption becomes the title; the
// time and the date read the user's way.
#include "support.h"

#include "clock/clock.h"
#include "clock/timetext.h"

#include <QDateTime>
#include <QTest>

using namespace tavola;

namespace {

// What the window is asked to show: "label | caption", "-" where it is left alone.
QString shown(const ClockShows &shows)
{
    QStringList fields;
    for (const auto &field : {shows.lblTime, shows.caption})
        fields << (field ? QString::fromStdString(*field) : QStringLiteral("-"));
    return fields.join(" | ");
}

QString timeAt(int hour, int minute, int second)
{
    return QString::fromStdString(timeText({hour, minute, second, 0}));
}

} // namespace

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

    void labelFollowsTheSecondOutsideTheNormalState()
    {
        FixedClock time;
        Clock clock(time);
        QCOMPARE(shown(clock.load("Gioca")), " | Gioca");
        const auto tickAt = [&](int second, WindowState state, int millisecond = 0) {
            time.time = {23, 14, second, millisecond};
            return shown(clock.tick(state));
        };
        QCOMPARE(tickAt(31, WindowState::Maximised), timeAt(23, 14, 31) + " | -");
        QCOMPARE(tickAt(31, WindowState::Maximised, 500), "- | -");
        QCOMPARE(tickAt(32, WindowState::Minimised), timeAt(23, 14, 32) + " | -");
        QCOMPARE(shown(clock.resize(WindowState::Minimised)), "- | -");
        QCOMPARE(shown(clock.resize(WindowState::Maximised)), "- | -");
        QCOMPARE(shown(clock.resize(WindowState::Normal)), "- | Giocare con I Trigorio");
        for (int second : {33, 33, 34})
            QCOMPARE(tickAt(second, WindowState::Normal), "- | -");
        QCOMPARE(tickAt(35, WindowState::Maximised), timeAt(23, 14, 35) + " | -");
        QCOMPARE(shown(clock.load("Gioca")), " | Gioca");
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
