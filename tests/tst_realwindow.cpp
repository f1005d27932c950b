// The real game on a real X server with a window manager: it starts maximised with its
// designed caption, a problem posed, the whole score area and both buttons above the
// bottom bar, and it plays from the keyboard; a new game brings it back maximised. The clock
// runs on the system's time while the window is maximised or minimised and stands still
// once the window manager restores it, under the title. A screenshot is left for people to
// look at.
#include "app/tavola.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QToolButton>

using namespace tavola;

class RealWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startsMaximisedWithAProblemAndPlays();
    void clockFollowsMinimiseRestoreMaximise();
};

namespace {

QStringList visibleValueLabels(const QWidget &window)
{
    QStringList shown;
    for (const char *name : {"lblcat1", "Lblcat2", "lblipoeu", "Lblalt", "Lblpro1", "Lblpro2"}) {
        const auto *label = window.findChild<QLabel *>(QLatin1String(name));
        if (label->isVisible())
            shown << QLatin1String(name);
    }
    return shown;
}

int bottomOf(const QWidget &window, const char *name)
{
    return window.findChild<QWidget *>(QLatin1String(name))->geometry().bottom();
}

QString timeLabel(const QWidget &window)
{
    return window.findChild<QLabel *>("lblTime")->text();
}

// The label moves on to another second within this time, unless the clock stands still.
constexpr int labelChangeMs = 2500;

bool labelMovesOn(const QWidget &window)
{
    const QString shown = timeLabel(window);
    return QTest::qWaitFor([&] { return timeLabel(window) != shown; }, labelChangeMs);
}

} // namespace

// The window manager may still be starting: a probe window tells when it maximises windows.
void RealWindowTest::initTestCase()
{
    QWidget probe;
    probe.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&probe));
    QTRY_COMPARE_WITH_TIMEOUT(
        probe.frameGeometry().size(), probe.screen()->availableGeometry().size(), 10000);
}

void RealWindowTest::startsMaximisedWithAProblemAndPlays()
{
    Tavola window;
    window.showGame();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(window.isMaximized());
    // The window manager, not only Qt, has given it the whole work area.
    QTRY_COMPARE(window.frameGeometry().size(), window.screen()->availableGeometry().size());
    QCOMPARE(window.windowTitle(),
        QStringLiteral("Gioca  con i Trigorio e con il Teorema di Pitagora Settembre 2022"));

    QVERIFY(!window.findChild<QLabel *>("Label5")->text().isEmpty());
    QCOMPARE(visibleValueLabels(window).size(), 2);

    const int barTop = window.findChild<QWidget *>("StatusBar1")->geometry().top();
    for (const char *name : {"cmdNext", "cmdExit", "lblScore", "lblScore1", "lblScore2"})
        QVERIFY2(bottomOf(window, name) < barTop, name);

    auto *answer = window.findChild<QLineEdit *>("txtAnswer");
    QTRY_VERIFY(answer->hasFocus());
    QTest::keyClicks(answer, "0");
    QTest::keyClick(answer, Qt::Key_Return);
    QVERIFY(window.findChild<QLabel *>("lblMessage")->text().startsWith("Sbagliato!! "));
    QCOMPARE(window.findChild<QLabel *>("lblScore2")->text(), QStringLiteral("1"));
    QTRY_VERIFY(window.findChild<QToolButton *>("cmdNext")->hasFocus());

    // A new game hides the window and shows it again: the window manager maximises it anew.
    window.findChild<QAction *>("new")->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(window.frameGeometry().size(), window.screen()->availableGeometry().size());
    QCOMPARE(window.findChild<QLabel *>("lblScore2")->text(), QStringLiteral("0"));
    QTRY_VERIFY(window.findChild<QLineEdit *>("txtAnswer")->hasFocus());

    if (const QByteArray path = qgetenv("TAVOLA_SCREENSHOT"); !path.isEmpty()) {
        QTest::qWait(200);
        QVERIFY(window.screen()->grabWindow(0).save(QString::fromLocal8Bit(path)));
    }
}

void RealWindowTest::clockFollowsMinimiseRestoreMaximise()
{
    const QString designedCaption =
        QStringLiteral("Gioca  con i Trigorio e con il Teorema di Pitagora Settembre 2022");
    const QString title = QStringLiteral("Giocare con I Trigorio");
    Tavola window;
    window.showGame();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(window.frameGeometry().size(), window.screen()->availableGeometry().size());
    QVERIFY(labelMovesOn(window));
    QVERIFY(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(timeLabel(window)).hasMatch());
    QCOMPARE(window.windowTitle(), designedCaption);

    window.showMinimized();
    QTRY_VERIFY(window.isMinimized());
    QVERIFY(labelMovesOn(window));
    QCOMPARE(window.windowTitle(), designedCaption);

    window.showNormal();
    QTRY_VERIFY(!window.isMinimized() && !window.isMaximized());
    QTRY_COMPARE(window.windowTitle(), title);
    QVERIFY(!labelMovesOn(window));

    window.showMaximized();
    QTRY_COMPARE(window.frameGeometry().size(), window.screen()->availableGeometry().size());
    QVERIFY(labelMovesOn(window));
    QCOMPARE(window.windowTitle(), title);
}

QTEST_MAIN(RealWindowTest)
#include "tst_realwindow.moc"
