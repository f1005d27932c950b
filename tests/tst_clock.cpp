// The clock's decisions: the label follows the displayed second while the window is
// maximised or minimised and stands still in the normal state; restoring the window sets
// the title; an alarm sounds once a day, also across midnight.
#include "fakes.h"
#include "localecheck.h"

#include "clock/clockdisplay.h"
#include "clock/timetext.h"

#include <QTest>

#include <functional>

using namespace tavola;

Q_DECLARE_METATYPE(tavola::WindowState)

namespace {

const QString designedCaption =
    QStringLiteral("Gioca  con i Trigorio e con il Teorema di Pitagora Settembre 2022");
const QString title = QStringLiteral("Giocare con I Trigorio");

class FakeFace final : public ClockFace
{
public:
    std::string timeLabel() const override { return label; }
    void setTimeLabel(const std::string &text) override
    {
        label = text;
        ++labelWrites;
    }
    WindowState windowState() const override { return state; }
    std::string caption() const override { return windowCaption; }
    void setCaption(const std::string &text) override { windowCaption = text; }
    void beep() override { events << QStringLiteral("beep"); }
    void showAlarm(const std::string &prompt) override
    {
        events << QString::fromStdString(prompt);
        if (whileAlarmOpen)
            whileAlarmOpen();
    }

    WindowState state = WindowState::Maximised;
    std::string label;
    std::string windowCaption = designedCaption.toStdString();
    int labelWrites = 0;
    QStringList events;
    std::function<void()> whileAlarmOpen;
};

TimeOfDay at(int hour, int minute, int second, int millisecond = 0)
{
    return {hour, minute, second, millisecond};
}

// A clock display over a face and a clock the test sets.
struct Rig {
    FixedClock clock;
    ClockDisplay display{clock};
    FakeFace face;

    void tickAt(const TimeOfDay &now)
    {
        clock.time = now;
        display.tick(face);
    }
};

struct TimeRow {
    const char *name;
    TimeOfDay time;
};

} // namespace

Q_DECLARE_METATYPE(tavola::TimeOfDay)

class ClockTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(localeProblem().isEmpty(), qPrintable(localeProblem())); }

    void timeTextsHaveFixedForms_data();
    void timeTextsHaveFixedForms();
    void datesReadDayMonthYear();
    void captionsReadAsTimesOfDay_data();
    void captionsReadAsTimesOfDay();
    void tickFollowsTheDisplayedSecondOutsideTheNormalState_data();
    void tickFollowsTheDisplayedSecondOutsideTheNormalState();
    void resizeIntoTheNormalStateSetsTheTitle_data();
    void resizeIntoTheNormalStateSetsTheTitle();
    void labelChangesOncePerSecondAtTwoTicksASecond();
    void alarmSoundsOnceADayAcrossMidnight_data();
    void alarmSoundsOnceADayAcrossMidnight();
    void alarmWithoutATimeNeverSounds();
    void soundedMarkSurvivesALoad();
    void ticksWhileTheAlarmIsOpenSoundNoOther();
};

void ClockTest::timeTextsHaveFixedForms_data()
{
    QTest::addColumn<TimeOfDay>("time");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("medium");
    const auto row = [](const char *name, TimeOfDay time, const char *plain, const char *medium) {
        QTest::newRow(name) << time << QString::fromLatin1(plain) << QString::fromLatin1(medium);
    };
    row("midnight", at(0, 0, 0), "00:00:00", "12:00 AM");
    row("early morning", at(9, 5, 3, 999), "09:05:03", "09:05 AM");
    row("last minute before noon", at(11, 59, 59), "11:59:59", "11:59 AM");
    row("noon", at(12, 0, 0), "12:00:00", "12:00 PM");
    row("afternoon", at(17, 34, 9), "17:34:09", "05:34 PM");
    row("last second of the day", at(23, 59, 59, 999), "23:59:59", "11:59 PM");
}

// The label shows the Italian long time, zero-padded and without a time zone; the caption
// form is the 12-hour clock.
void ClockTest::timeTextsHaveFixedForms()
{
    QFETCH(TimeOfDay, time);
    QFETCH(QString, plain);
    QFETCH(QString, medium);
    QCOMPARE(QString::fromStdString(plainTimeText(time)), plain);
    QCOMPARE(QString::fromStdString(mediumTimeText(time)), medium);
}

void ClockTest::datesReadDayMonthYear()
{
    QCOMPARE(QString::fromStdString(dateText({2026, 12, 6})), QStringLiteral("06/12/2026"));
    QCOMPARE(QString::fromStdString(dateText({2027, 1, 31})), QStringLiteral("31/01/2027"));
}

void ClockTest::captionsReadAsTimesOfDay_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("isTime");
    QTest::addColumn<TimeOfDay>("time");
    const auto time = [](const char *caption, TimeOfDay value) {
        QTest::newRow(caption) << QString::fromLatin1(caption) << true << value;
    };
    const auto notTime = [](const char *name, const QString &caption) {
        QTest::newRow(name) << caption << false << TimeOfDay{};
    };
    time("05:34 PM", at(17, 34, 0));
    time("12:00 AM", at(0, 0, 0));
    time("12:15 pm", at(12, 15, 0));
    time("7:05", at(7, 5, 0));
    time("18:05:09", at(18, 5, 9));
    time(" 23:59:59 ", at(23, 59, 59));
    notTime("the title", title);
    notTime("the designed caption", designedCaption);
    notTime("empty", QString());
    notTime("hour 24", QStringLiteral("24:00"));
    notTime("minute 60", QStringLiteral("12:60"));
    notTime("13 on a 12-hour clock", QStringLiteral("13:00 PM"));
    notTime("0 on a 12-hour clock", QStringLiteral("00:30 AM"));
    notTime("no minutes", QStringLiteral("12:"));
    notTime("unknown designator", QStringLiteral("05:34 XM"));
    notTime("trailing words", QStringLiteral("05:34 PM oggi"));
    notTime("three-digit hour", QStringLiteral("123:00"));
}

void ClockTest::captionsReadAsTimesOfDay()
{
    QFETCH(QString, caption);
    QFETCH(bool, isTime);
    QFETCH(TimeOfDay, time);
    const std::optional<TimeOfDay> read = readTimeOfDay(caption.toStdString());
    QCOMPARE(read.has_value(), isTime);
    if (isTime)
        QCOMPARE(*read, time);
}

void ClockTest::tickFollowsTheDisplayedSecondOutsideTheNormalState_data()
{
    QTest::addColumn<WindowState>("state");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<TimeOfDay>("now");
    QTest::addColumn<QString>("labelAfter");
    QTest::addColumn<QString>("captionAfter");
    const auto row = [](const char *name, WindowState state, const char *label,
                         const QString &caption, TimeOfDay now, const char *labelAfter,
                         const QString &captionAfter) {
        QTest::newRow(name) << state << QString::fromLatin1(label) << caption << now
                            << QString::fromLatin1(labelAfter) << captionAfter;
    };
    const auto max = WindowState::Maximised;
    const auto min = WindowState::Minimised;
    const auto normal = WindowState::Normal;
    const QString pm = QStringLiteral("05:34 PM");

    row("maximised, first tick", max, "", designedCaption, at(10, 30, 15, 250), "10:30:15",
        designedCaption);
    row("maximised, same second", max, "10:30:15", designedCaption, at(10, 30, 15, 750), "10:30:15",
        designedCaption);
    row("maximised, next second", max, "10:30:15", designedCaption, at(10, 30, 16), "10:30:16",
        designedCaption);
    row("maximised, next day", max, "23:59:59", title, at(0, 0, 0, 10), "00:00:00", title);
    row("maximised, caption a time", max, "17:34:59", pm, at(17, 35, 0), "17:35:00", pm);
    row("minimised, same second", min, "10:30:15", title, at(10, 30, 15, 999), "10:30:15", title);
    row("minimised, next second", min, "10:30:15", title, at(10, 30, 16), "10:30:16", title);
    row("minimised, caption a time", min, "17:34:59", pm, at(17, 35, 0), "17:35:00", pm);
    row("normal, the title", normal, "10:30:15", title, at(10, 31, 2), "10:30:15", title);
    row("normal, empty label", normal, "", title, at(10, 31, 2), "", title);
    row("normal, a time of another minute", normal, "17:34:20", pm, at(17, 36, 2), "17:34:20",
        QStringLiteral("05:36 PM"));
    row("normal, a 24-hour time", normal, "17:34:20", QStringLiteral("9:05:09"), at(21, 6, 0),
        "17:34:20", QStringLiteral("09:06 PM"));
    row("normal, a time of the same minute", normal, "17:34:20", pm, at(17, 34, 40), "17:34:20",
        pm);
    row("normal, same minute of another hour", normal, "17:34:20", pm, at(8, 34, 40), "17:34:20",
        pm);
    row("normal, the label's own second", normal, "17:36:02", pm, at(17, 36, 2, 500), "17:36:02",
        pm);
}

// Outside the normal state the label shows the current second and the caption stays; in
// the normal state the label stands still and only a caption that is a time of another
// minute is replaced.
void ClockTest::tickFollowsTheDisplayedSecondOutsideTheNormalState()
{
    QFETCH(WindowState, state);
    QFETCH(QString, label);
    QFETCH(QString, caption);
    QFETCH(TimeOfDay, now);
    Rig rig;
    rig.face.state = state;
    rig.face.label = label.toStdString();
    rig.face.windowCaption = caption.toStdString();

    rig.tickAt(now);

    QTEST(QString::fromStdString(rig.face.label), "labelAfter");
    QTEST(QString::fromStdString(rig.face.windowCaption), "captionAfter");
    QCOMPARE(rig.face.events, QStringList());
}

void ClockTest::resizeIntoTheNormalStateSetsTheTitle_data()
{
    QTest::addColumn<WindowState>("state");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("captionAfter");
    const QString pm = QStringLiteral("05:34 PM");
    QTest::newRow("restored from the designed caption")
        << WindowState::Normal << designedCaption << title;
    QTest::newRow("restored from a time") << WindowState::Normal << pm << title;
    QTest::newRow("minimised") << WindowState::Minimised << designedCaption << designedCaption;
    QTest::newRow("maximised") << WindowState::Maximised << designedCaption << designedCaption;
    QTest::newRow("maximised with a time") << WindowState::Maximised << pm << pm;
}

void ClockTest::resizeIntoTheNormalStateSetsTheTitle()
{
    QFETCH(WindowState, state);
    QFETCH(QString, caption);
    FakeFace face;
    face.state = state;
    face.label = "10:30:15";
    face.windowCaption = caption.toStdString();

    ClockDisplay::resize(face);

    QTEST(QString::fromStdString(face.windowCaption), "captionAfter");
    QCOMPARE(face.label, std::string("10:30:15"));
}

// Two ticks a second for a minute: one label change per displayed second, whatever the
// milliseconds the ticks fall on.
void ClockTest::labelChangesOncePerSecondAtTwoTicksASecond()
{
    Rig rig;
    const int start = ((9 * 60 + 59) * 60 + 30) * 1000 + 137; // 09:59:30.137
    for (int halfSecond = 0; halfSecond < 120; ++halfSecond) {
        const int now = start + halfSecond * 500;
        rig.tickAt(at(now / 3600000, now / 60000 % 60, now / 1000 % 60, now % 1000));
        QCOMPARE(rig.face.label, plainTimeText(rig.clock.time));
    }
    QCOMPARE(rig.face.labelWrites, 60);
}

void ClockTest::alarmSoundsOnceADayAcrossMidnight_data()
{
    QTest::addColumn<WindowState>("state");
    QTest::newRow("maximised") << WindowState::Maximised;
    QTest::newRow("minimised") << WindowState::Minimised;
    QTest::newRow("normal") << WindowState::Normal;
}

// An alarm at 23:59:30 sounds at that second, once; the small hours re-arm it and it sounds
// again the next night. Each sounding beeps, then shows the time.
void ClockTest::alarmSoundsOnceADayAcrossMidnight()
{
    QFETCH(WindowState, state);
    Rig rig;
    rig.display.setAlarmTime(at(23, 59, 30));
    rig.face.state = state;
    const QString sounding = QStringLiteral("Sveglia alle 23:59:30");

    const struct {
        TimeOfDay now;
        QStringList events;
    } steps[] = {
        {at(23, 59, 29, 500), {}},
        {at(23, 59, 30, 0), {"beep", sounding}},
        {at(23, 59, 31), {}},
        {at(23, 59, 59), {}},
        {at(0, 0, 0), {}},
        {at(12, 0, 0), {}},
        {at(23, 59, 29), {}},
        {at(23, 59, 30, 400), {"beep", sounding}},
        {at(23, 59, 45), {}},
    };
    for (const auto &step : steps) {
        rig.face.events.clear();
        rig.tickAt(step.now);
        QCOMPARE(rig.face.events, step.events);
    }
    QVERIFY(rig.display.alarmSounded());
}

void ClockTest::alarmWithoutATimeNeverSounds()
{
    Rig rig;
    for (int second = 0; second < 24 * 3600; second += 37)
        rig.tickAt(at(second / 3600, second / 60 % 60, second % 60));
    QCOMPARE(rig.face.events, QStringList());
    QVERIFY(!rig.display.alarmSounded());
}

// A new game empties the alarm time but remembers that today's alarm has sounded.
void ClockTest::soundedMarkSurvivesALoad()
{
    Rig rig;
    rig.display.setAlarmTime(at(7, 0, 0));
    rig.tickAt(at(7, 0, 0));
    QCOMPARE(rig.face.events.size(), 2);

    rig.display.loadWindow();
    QVERIFY(rig.display.alarmSounded());
    rig.display.setAlarmTime(at(7, 0, 0));
    rig.tickAt(at(7, 0, 6));
    QCOMPARE(rig.face.events.size(), 2);

    rig.tickAt(at(6, 0, 0));
    rig.tickAt(at(7, 0, 0));
    QCOMPARE(rig.face.events.size(), 4);
}

// The box is modal and ticks go on while it is open: they keep the label current but must
// not pile up further boxes.
void ClockTest::ticksWhileTheAlarmIsOpenSoundNoOther()
{
    Rig rig;
    rig.display.setAlarmTime(at(7, 0, 0));
    rig.face.whileAlarmOpen = [&] {
        for (int second = 1; second <= 3; ++second)
            rig.tickAt(at(7, 0, second));
        QVERIFY(!rig.display.alarmSounded());
    };

    rig.tickAt(at(7, 0, 0));

    QCOMPARE(rig.face.events, QStringList({"beep", "Sveglia alle 07:00:00"}));
    QCOMPARE(rig.face.label, std::string("07:00:03"));
    QVERIFY(rig.display.alarmSounded());
}

QTEST_GUILESS_MAIN(ClockTest)
#include "tst_clock.moc"
