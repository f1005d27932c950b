// The system clock reads local time, also when it answers from the fields it kept from an
// earlier call in the same second.
#include "localecheck.h"

#include "engine/timesource.h"

#include <QTest>

#include <ctime>

using namespace tavola;

namespace {

std::tm localNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm fields{};
    localtime_r(&now, &fields);
    return fields;
}

bool sameSecond(const std::tm &a, const std::tm &b)
{
    return a.tm_hour == b.tm_hour && a.tm_min == b.tm_min && a.tm_sec == b.tm_sec
        && a.tm_mday == b.tm_mday;
}

} // namespace

class TimeSources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(localeProblem().isEmpty(), qPrintable(localeProblem())); }

    void systemClockReadsLocalTime();
};

void TimeSources::systemClockReadsLocalTime()
{
    SystemTimeSource clock;
    int checked = 0;
    // Twice in a row, so that the second reading comes from the kept fields; a reading
    // that straddles a change of second proves nothing and is tried again.
    for (int attempt = 0; attempt < 50 && checked < 2; ++attempt) {
        const std::tm before = localNow();
        const TimeOfDay time = clock.timeOfDay();
        const CalendarDate date = clock.date();
        const std::tm after = localNow();
        if (!sameSecond(before, after))
            continue;
        QCOMPARE(time.hour, before.tm_hour);
        QCOMPARE(time.minute, before.tm_min);
        QCOMPARE(time.second, before.tm_sec);
        QVERIFY(time.millisecond >= 0 && time.millisecond < 1000);
        QCOMPARE(date.year, before.tm_year + 1900);
        QCOMPARE(date.month, before.tm_mon + 1);
        QCOMPARE(date.day, before.tm_mday);
        ++checked;
    }
    QCOMPARE(checked, 2);
}

QTEST_GUILESS_MAIN(TimeSources)
#include "tst_timesource.moc"
