// The real game on a real X server with a window manager: it starts maximised with its
// designed caption, a problem posed, the whole score area and both buttons above the
// bottom bar, and it plays from the keyboard; a new game brings it back maximised. A screenshot is
// left for people to look at.
#include "app/tavola.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
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

QTEST_MAIN(RealWindowTest)
#include "tst_realwindow.moc"
