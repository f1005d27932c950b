// A long session leaves nothing behind: after a thousand new games and ten thousand answers
// the program holds as many widgets, windows and objects under its window as after the
// first game.
#include "localecheck.h"
#include "windowharness.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>

namespace {

constexpr int games = 1000;
constexpr int answersPerGame = 10;

struct Population {
    qsizetype widgets = 0;
    qsizetype windows = 0;
    qsizetype windowObjects = 0;

    friend bool operator==(const Population &, const Population &) = default;
};

QString described(const Population &p)
{
    return QStringLiteral("%1 widgets, %2 windows, %3 objects under the window")
        .arg(p.widgets)
        .arg(p.windows)
        .arg(p.windowObjects);
}

char *toString(const Population &p)
{
    return QTest::toString(described(p));
}

// Counted once what a new game hands to Qt for later deletion (the menu bar whose command
// is running) has been deleted, as the event loop would do between two clicks.
Population populationOf(const PlayedWindow &game)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return {QApplication::allWidgets().size(), QGuiApplication::allWindows().size(),
        game.window->findChildren<QObject *>().size()};
}

// One answer through the box and Enter, then Enter on the button for the next problem;
// every other answer is right.
void playAnswer(const PlayedWindow &game, int answer)
{
    const bool hypotenuse = game.caption("Label5") == QLatin1String("Ipotenusa BC");
    const bool right = answer % 2 == 0;
    game.answerBox()->setText(right ? (hypotenuse ? "10" : "15") : "12");
    QTest::keyClick(game.answerBox(), Qt::Key_Return);
    QTest::keyClick(game.next(), Qt::Key_Return);
}

} // namespace

class EnduranceTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(localeProblem().isEmpty(), qPrintable(localeProblem())); }
    void newGamesAndAnswersLeaveNoWidgetsBehind();
};

void EnduranceTest::newGamesAndAnswersLeaveNoWidgetsBehind()
{
    const PlayedWindow game = startGame();
    QCoreApplication::processEvents();
    const Population first = populationOf(game);
    qInfo() << "after the first load:" << qPrintable(described(first));

    QElapsedTimer clock;
    clock.start();
    for (int played = 1; played <= games; ++played) {
        for (int answer = 0; answer < answersPerGame; ++answer)
            playAnswer(game, answer);
        const QString half = QString::number(answersPerGame / 2);
        QCOMPARE(game.scores(), QList<QString>({half, half, QString::number(answersPerGame)}));

        game.child<QAction>("new")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(game.scores(), QList<QString>({"0", "0", "0"}));
        if (played == 1 || played == 10 || played % 250 == 0) {
            const Population now = populationOf(game);
            qInfo("after %d new games and %d answers (%lld ms): %s", played,
                played * answersPerGame, clock.elapsed(), qPrintable(described(now)));
            QCOMPARE(now, first);
        }
    }
    QCOMPARE(game.desktop->endings, 0);
}

QTEST_MAIN(EnduranceTest)
#include "tst_endurance.moc"
