// The clock in the real window: the label follows the time while the window is maximised
// or minimised and stands still once it is restored, which sets the title; the clock
// invites clicks but takes none; a new game starts the label empty and the alarm unset.
#include "localecheck.h"
#include "windowharness.h"

#include <QAction>

using namespace tavola;

namespace {

const QString designedCaption =
    QStringLiteral("Gioca  con i Trigorio e con il Teorema di Pitagora Settembre 2022");
const QString title = QStringLiteral("Giocare con I Trigorio");

TimeOfDay at(int hour, int minute, int second)
{
    return {hour, minute, second, 0};
}

// The resize step runs once the window's state has settled.
bool stateSettled(const Tavola &window)
{
    const auto *settle = window.findChild<QTimer *>("resizeSettle");
    return QTest::qWaitFor([settle] { return !settle->isActive(); }, 2000);
}

} // namespace

class WindowClockTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(localeProblem().isEmpty(), qPrintable(localeProblem())); }

    void clockFollowsTheWindowState();
    void timerTicksTheLabelOnItsOwn();
    void aPassingNormalStateLeavesTheCaption();
    void clicksOnTheClockDoNothing();
    void newGameBringsBackTheDesignedCaptionAndAnEmptyLabel();
    void newGameEmptiesTheAlarmTime();
};

void WindowClockTest::clockFollowsTheWindowState()
{
    const PlayedWindow game = startGame();
    Tavola &window = *game.window;
    const struct {
        const char *step;
        std::function<void()> change;
        TimeOfDay now;
        QString caption;
        QString label;
    } steps[] = {
        {"opened maximised", [] {}, at(10, 30, 15), designedCaption, "10:30:15"},
        {"minimised", [&] { window.showMinimized(); }, at(10, 30, 16), designedCaption, "10:30:16"},
        {"restored", [&] { window.showNormal(); }, at(10, 30, 17), title, "10:30:16"},
        {"resized while restored", [&] { window.resize(640, 480); }, at(10, 31, 40), title,
            "10:30:16"},
        {"maximised again", [&] { window.showMaximized(); }, at(10, 31, 41), title, "10:31:41"},
        {"minimised again", [&] { window.showMinimized(); }, at(10, 31, 42), title, "10:31:42"},
    };
    for (const auto &step : steps) {
        step.change();
        QVERIFY2(stateSettled(window), step.step);
        game.clock->time = step.now;
        window.Timer1_Timer();
        QVERIFY2(window.windowTitle() == step.caption, step.step);
        QVERIFY2(game.caption("lblTime") == step.label, step.step);
    }
}

void WindowClockTest::timerTicksTheLabelOnItsOwn()
{
    const PlayedWindow game = startGame();
    QCOMPARE(game.child<QTimer>("Timer1")->interval(), 500);
    QCOMPARE(game.caption("lblTime"), QString());
    QTRY_COMPARE_WITH_TIMEOUT(game.caption("lblTime"), QStringLiteral("10:30:15"), 2000);
}

// On its way from maximised to minimised, a window manager may report the normal state for
// a moment; only a normal state that lasts is a restore.
void WindowClockTest::aPassingNormalStateLeavesTheCaption()
{
    const PlayedWindow game = startGame();
    game.window->setWindowState(Qt::WindowNoState);
    game.window->setWindowState(Qt::WindowMinimized);
    QVERIFY(stateSettled(*game.window));
    QCOMPARE(game.window->windowTitle(), designedCaption);

    game.window->setWindowState(Qt::WindowNoState);
    QVERIFY(stateSettled(*game.window));
    QCOMPARE(game.window->windowTitle(), title);
}

// The hover texts invite a click to set an alarm; nothing answers one.
void WindowClockTest::clicksOnTheClockDoNothing()
{
    const PlayedWindow game = startGame();
    ModalBoxes boxes;
    game.window->Timer1_Timer();
    QTest::keyClicks(game.answerBox(), "12");
    const QStringList before = game.gameInView();
    QCOMPARE(game.child("Image1")->toolTip(),
        QStringLiteral("Clicca sotto di me per impostare il Timer"));
    QCOMPARE(game.child("lblTime")->toolTip(),
        QStringLiteral("Clicca sotto di me per attivare il Timer"));

    for (const char *name : {"Image1", "lblTime"}) {
        QTest::mouseClick(game.child(name), Qt::LeftButton);
        QTest::mouseDClick(game.child(name), Qt::LeftButton);
        QTest::mouseClick(game.child(name), Qt::RightButton);
    }
    game.clock->time = at(23, 59, 59);
    game.window->Timer1_Timer();
    QTest::qWait(50);

    QCOMPARE(game.gameInView(), before);
    QCOMPARE(game.caption("lblTime"), QStringLiteral("23:59:59"));
    QCOMPARE(boxes.seen.size(), std::size_t(0));
    QCOMPARE(game.desktop->beeps, 0);
}

void WindowClockTest::newGameBringsBackTheDesignedCaptionAndAnEmptyLabel()
{
    const PlayedWindow game = startGame();
    game.window->showNormal();
    QVERIFY(stateSettled(*game.window));
    QCOMPARE(game.window->windowTitle(), title);
    game.window->showMaximized();

    game.window->findChild<QAction *>("new")->trigger();

    QVERIFY(stateSettled(*game.window));
    QVERIFY(game.window->isMaximized());
    QCOMPARE(game.window->windowTitle(), designedCaption);
    QCOMPARE(game.caption("lblTime"), QString());
    QVERIFY(game.child<QTimer>("Timer1")->isActive());
    game.window->Timer1_Timer();
    QCOMPARE(game.caption("lblTime"), QStringLiteral("10:30:15"));
}

// An alarm set for the old game sounds through the window (beep, then "Sveglia"); after a
// new game the time is empty again, and the same hour of the next day passes in silence.
void WindowClockTest::newGameEmptiesTheAlarmTime()
{
    const PlayedWindow game = startGame();
    ModalBoxes boxes;
    game.window->clockDisplay().setAlarmTime(at(10, 0, 0));
    game.window->Timer1_Timer();
    const SeenBox alarm{
        "alarm", "Sveglia", "Sveglia alle 10:30:15", QMessageBox::NoIcon, {"OK"}, "OK"};
    QCOMPARE(boxes.seen, std::vector<SeenBox>{alarm});
    QCOMPARE(game.desktop->beeps, 1);

    game.window->findChild<QAction *>("new")->trigger();
    for (const TimeOfDay now : {at(9, 0, 0), at(10, 0, 0), at(10, 0, 1)}) {
        game.clock->time = now;
        game.window->Timer1_Timer();
    }
    QCOMPARE(boxes.seen.size(), std::size_t(1));
    QCOMPARE(game.desktop->beeps, 1);
}

QTEST_MAIN(WindowClockTest)
#include "tst_windowclock.moc"
