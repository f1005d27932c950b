// The window through its real widgets: it opens with a problem posed and the focus in the
// answer box; the keyboard alone plays it (type, Enter for the verdict, Enter for the next
// problem); only digits and commas ever reach the box; a new game starts from zero counts.
#include "localecheck.h"
#include "windowharness.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace tavola;

namespace {

// Key presses that type these characters, whatever keyboard would produce them.
void typeCharacters(QWidget *target, const QString &text)
{
    for (const QChar character : text)
        QTest::sendKeyEvent(
            QTest::Click, target, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

void sendDrop(QWidget *target, const QString &text)
{
    QMimeData data;
    data.setText(text);
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
}

// Rows of a row name, a text that goes to the answer box and the text the box then holds.
struct BoxTextRow {
    const char *name;
    const char *text;
    const char *held;
};

void boxTextRows(const char *column, std::initializer_list<BoxTextRow> rows)
{
    QTest::addColumn<QString>(column);
    QTest::addColumn<QString>("inTheBox");
    for (const auto &[name, text, held] : rows)
        QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(held);
}

QPoint designed(int leftTwips, int topTwips)
{
    return {qRound(leftTwips / 15.0), qRound(topTwips / 15.0)};
}

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(localeProblem().isEmpty(), qPrintable(localeProblem())); }

    void opensMaximisedWithTheFirstProblemPosed();
    void answersGiveTheVerdictCountsAndFocus_data();
    void answersGiveTheVerdictCountsAndFocus();
    void enterAfterTheVerdictPosesTheNextProblemOnce_data();
    void enterAfterTheVerdictPosesTheNextProblemOnce();
    void onlyDigitsAndCommasReachTheBox_data();
    void onlyDigitsAndCommasReachTheBox();
    void editingKeysWorkAsUsual();
    void pastedAndDroppedTextIsFiltered_data();
    void pastedAndDroppedTextIsFiltered();
    void aTextThatIsNoNumberIsExplainedAndCountsNothing();
    void newGameStartsFromZeroAndKeepsTheDraws();
    void comingBackToTheWindowPosesNothing();
    void figureLabelsLieAtTheirDesignedPlaces_data();
    void figureLabelsLieAtTheirDesignedPlaces();
    void unitLabelsStayHiddenBehindPictureAndPanel();
    void tabOrderFollowsTheDesign();
    void designedFacesFindTheirFreeTwins_data();
    void designedFacesFindTheirFreeTwins();
};

// At start-up the pupil meets the designed window with the counts at 0, a problem posed,
// the button disabled and the cursor in the answer box.
void WindowTest::opensMaximisedWithTheFirstProblemPosed()
{
    const PlayedWindow game = startGame();
    QVERIFY(game.window->isMaximized());
    QCOMPARE(game.window->windowTitle(),
        QStringLiteral("Gioca  con i Trigorio e con il Teorema di Pitagora Settembre 2022"));
    QCOMPARE(game.scores(), QList<QString>({"0", "0", "0"}));
    QCOMPARE(game.caption("Label6"), QStringLiteral("Risposte esatte"));
    QCOMPARE(game.caption("Label1"), QStringLiteral("Risposte errate"));
    QCOMPARE(game.caption("Label3"), QStringLiteral("Risposte totali"));
    QCOMPARE(game.caption("Label4"), QStringLiteral("="));
    QCOMPARE(game.child<QLineEdit>("Text1")->text(), QStringLiteral("cm"));
    QCOMPARE(game.caption("lblMessage"), QString());
    QCOMPARE(game.caption("lblTime"), QString());

    QCOMPARE(game.draws(), 2);
    QCOMPARE(game.caption("Label5"), QStringLiteral("Ipotenusa BC"));
    QCOMPARE(game.caption("lblcat1"), QStringLiteral("6"));
    QCOMPARE(game.caption("Lblcat2"), QStringLiteral("8"));
    QVERIFY(game.child("lblcat1")->isVisible());
    QVERIFY(game.child("Lblcat2")->isVisible());
    QVERIFY(!game.child("lblipoeu")->isVisible());
    QCOMPARE(game.answerBox()->text(), QString());
    QVERIFY(!game.next()->isEnabled());
    QCOMPARE(game.window->focusWidget(), game.answerBox());
    QVERIFY(game.child<QTimer>("Timer1")->isActive());
}

void WindowTest::answersGiveTheVerdictCountsAndFocus_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QList<QString>>("scores");
    QTest::addColumn<QString>("boxAfter");

    auto row = [](const char *name, const char *typed, const char *verdict, QList<QString> scores,
                   const char *boxAfter) {
        QTest::newRow(name) << QString(typed) << QString(verdict) << scores << QString(boxAfter);
    };
    row("right", "10", "Esatto. Sei in gamba!!!", {"1", "0", "1"}, "10");
    row("right, written with a comma", "10,0", "Esatto. Sei in gamba!!!", {"1", "0", "1"}, "10,0");
    row("wrong", "12", "Sbagliato!! 10", {"0", "1", "1"}, "12");
    row("empty box judges 0", "", "Sbagliato!! 10", {"0", "1", "1"}, "0");
}

// Enter judges the typed text against the posed problem, shows the verdict and all three
// counts, and hands the keyboard to the button for the next problem.
void WindowTest::answersGiveTheVerdictCountsAndFocus()
{
    QFETCH(QString, typed);
    QFETCH(QString, verdict);
    QFETCH(QList<QString>, scores);
    QFETCH(QString, boxAfter);

    const PlayedWindow game = startGame();
    game.answer(typed);
    QCOMPARE(game.caption("lblMessage"), verdict);
    QCOMPARE(game.scores(), scores);
    QCOMPARE(game.answerBox()->text(), boxAfter);
    QVERIFY(game.next()->isEnabled());
    QCOMPARE(game.window->focusWidget(), game.next());
    QCOMPARE(game.draws(), 2);
}

void WindowTest::enterAfterTheVerdictPosesTheNextProblemOnce_data()
{
    QTest::addColumn<QString>("pressedOn");
    QTest::addColumn<int>("key");

    QTest::newRow("Enter on the focused button") << "cmdNext" << int(Qt::Key_Return);
    QTest::newRow("keypad Enter on the button") << "cmdNext" << int(Qt::Key_Enter);
    QTest::newRow("Space on the button") << "cmdNext" << int(Qt::Key_Space);
    QTest::newRow("Enter back in the answer box") << "txtAnswer" << int(Qt::Key_Return);
    QTest::newRow("Enter in the unit box") << "Text1" << int(Qt::Key_Return);
}

// After a verdict Enter anywhere in the window poses the next problem: the same answer is
// never judged twice by pressing Enter again.
void WindowTest::enterAfterTheVerdictPosesTheNextProblemOnce()
{
    QFETCH(QString, pressedOn);
    QFETCH(int, key);

    const PlayedWindow game = startGame();
    game.answer("12");
    QWidget *target = game.child(qPrintable(pressedOn));
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));

    QCOMPARE(game.scores(), QList<QString>({"0", "1", "1"}));
    QCOMPARE(game.draws(), 4);
    QCOMPARE(game.caption("Label5"), QStringLiteral("Cateto AC"));
    QCOMPARE(game.caption("lblMessage"), QString());
    QCOMPARE(game.answerBox()->text(), QString());
    QVERIFY(!game.next()->isEnabled());
    QCOMPARE(game.window->focusWidget(), game.answerBox());

    game.answer("15");
    QCOMPARE(game.scores(), QList<QString>({"1", "1", "2"}));
}

void WindowTest::onlyDigitsAndCommasReachTheBox_data()
{
    boxTextRows("typed",
        {{"digits and a comma", "12,5", "12,5"}, {"point, minus, blank", "1.2-3 4", "1234"},
            {"letters", "a1b2C", "12"}, {"two commas still reach it", "1,,2", "1,,2"},
            {"at most six characters", "12345678", "123456"},
            {"accented and other scripts", "è7π€", "7"}});
}

void WindowTest::onlyDigitsAndCommasReachTheBox()
{
    QFETCH(QString, typed);
    QFETCH(QString, inTheBox);

    const PlayedWindow game = startGame();
    typeCharacters(game.answerBox(), typed);
    QCOMPARE(game.answerBox()->text(), inTheBox);
    QCOMPARE(game.scores(), QList<QString>({"0", "0", "0"}));
}

// Keys that type no character move and delete as in any text box; Backspace passes the
// filter.
void WindowTest::editingKeysWorkAsUsual()
{
    const PlayedWindow game = startGame();
    QLineEdit *box = game.answerBox();
    QTest::keyClicks(box, "1234");
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("124"));
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QStringLiteral("24"));
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, "9");
    QCOMPARE(box->text(), QStringLiteral("249"));
}

void WindowTest::pastedAndDroppedTextIsFiltered_data()
{
    boxTextRows("offered",
        {{"a decimal with the comma", "4,5", "34,5"}, {"a decimal with the point", "4.5", "3"},
            {"a negative number", "-4", "3"}, {"words", "dieci", "3"},
            {"a trailing newline", "45\n", "3"}, {"too long", "4567890", "345678"}});
}

// Whatever way text arrives (Ctrl+V, the context menu's paste, a drop), the box never
// holds anything the keyboard filter would have refused.
void WindowTest::pastedAndDroppedTextIsFiltered()
{
    QFETCH(QString, offered);
    QFETCH(QString, inTheBox);

    const PlayedWindow game = startGame();
    QLineEdit *box = game.answerBox();
    QApplication::clipboard()->setText(offered);

    QTest::keyClicks(box, "3");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), inTheBox);

    box->setText("3");
    box->paste();
    QCOMPARE(box->text(), inTheBox);

    box->setText("3");
    box->setCursorPosition(1);
    sendDrop(box, offered);
    QCOMPARE(box->text(), inTheBox);
}

// A lone comma is no number: the pupil is told how to write one and nothing is counted.
void WindowTest::aTextThatIsNoNumberIsExplainedAndCountsNothing()
{
    const PlayedWindow game = startGame();
    ModalBoxes boxes;
    game.answer(",");

    QCOMPARE(boxes.texts().size(), 1);
    QVERIFY2(boxes.texts().front().contains("12,5"), qPrintable(boxes.texts().front()));
    QCOMPARE(game.scores(), QList<QString>({"0", "0", "0"}));
    QCOMPARE(game.caption("lblMessage"), QString());
    QVERIFY(!game.next()->isEnabled());

    QTest::keyClick(game.answerBox(), Qt::Key_Backspace);
    game.answer("10");
    QCOMPARE(game.scores(), QList<QString>({"1", "0", "1"}));
}

// "Nuovo gioco" rebuilds the window with zero counts and poses a new problem; the drawn
// kind and base of the game so far survive and stir the next draw.
void WindowTest::newGameStartsFromZeroAndKeepsTheDraws()
{
    const PlayedWindow game = startGame();
    game.answer("12");
    QTest::keyClick(game.next(), Qt::Key_Return);
    game.answer("15");
    QCOMPARE(game.scores(), QList<QString>({"1", "1", "2"}));
    const QPointer<QWidget> oldBox = game.answerBox();
    game.random->calls.clear();

    game.child<QAction>("new")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(oldBox.isNull());
    QCOMPARE(game.window->findChildren<QLineEdit *>("txtAnswer").size(), 1);
    QCOMPARE(game.window->findChildren<QAction *>("new").size(), 1);
    QVERIFY(game.window->isVisible());
    QVERIFY(game.window->isMaximized());
    QCOMPARE(game.scores(), QList<QString>({"0", "0", "0"}));
    QCOMPARE(game.caption("lblMessage"), QString());
    QCOMPARE(game.caption("Label5"), QStringLiteral("Ipotenusa BC"));
    QVERIFY(!game.next()->isEnabled());
    QCOMPARE(game.window->focusWidget(), game.answerBox());
    // The set-up reseeds with the clock, then with the kind (2) and base (4) kept from
    // the last problem of the previous game.
    QCOMPARE(game.random->calls.at(1), RandomCall(Reseed{2}));
    QCOMPARE(game.random->calls.at(2), RandomCall(Reseed{4}));
    QVERIFY(game.child<QTimer>("Timer1")->isActive());
}

// Leaving for another window and coming back is no activation: the problem and the typed
// text stay.
void WindowTest::comingBackToTheWindowPosesNothing()
{
    const PlayedWindow game = startGame();
    QTest::keyClicks(game.answerBox(), "7");
    QWidget other;
    other.show();
    other.activateWindow();
    QCoreApplication::processEvents();
    game.window->activateWindow();
    QCoreApplication::processEvents();
    for (QEvent::Type type : {QEvent::WindowDeactivate, QEvent::WindowActivate}) {
        QEvent event(type);
        QCoreApplication::sendEvent(game.window.get(), &event);
    }

    QCOMPARE(game.draws(), 2);
    QCOMPARE(game.answerBox()->text(), QStringLiteral("7"));
    QCOMPARE(game.caption("Label5"), QStringLiteral("Ipotenusa BC"));
}

void WindowTest::figureLabelsLieAtTheirDesignedPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("topLeft");

    const std::pair<const char *, QPoint> places[] = {
        {"lblipoeu", designed(3300, 5880)},
        {"Lblcat2", designed(5040, 2880)},
        {"lblcat1", designed(1800, 3360)},
        {"Lblalt", designed(3600, 3480)},
        {"Lblpro2", designed(5040, 5400)},
        {"Lblpro1", designed(2160, 5400)},
        {"Label2_0", designed(6840, 1320)},
        {"Label2_1", designed(4440, 4080)},
        {"Label2_2", designed(6480, 1200)},
        {"Image4", designed(1680, 2040)},
        {"Label5", designed(4440, 120)},
        {"txtAnswer", designed(8040, 0)},
        {"lblScore2", designed(7800, 7080)},
    };
    for (const auto &[name, topLeft] : places)
        QTest::newRow(name) << QString(name) << topLeft;
}

// Measured from the client area, after a problem has written its captions: a label that
// sizes itself keeps its top-left corner.
void WindowTest::figureLabelsLieAtTheirDesignedPlaces()
{
    QFETCH(QString, name);
    QFETCH(QPoint, topLeft);

    const PlayedWindow game = startGame();
    QWidget *control = game.child(qPrintable(name));
    QCOMPARE(control->parentWidget(), game.window->centralWidget());
    QCOMPARE(control->pos(), topLeft);
}

// The three "cm" labels lie behind the picture's filled triangle or the panel: showing
// them changes nothing the pupil sees.
void WindowTest::unitLabelsStayHiddenBehindPictureAndPanel()
{
    const PlayedWindow game = startGame();
    QWidget *client = game.window->centralWidget();
    const QImage shown = client->grab().toImage();
    for (const char *name : {"Label2_0", "Label2_1", "Label2_2"})
        game.child(name)->hide();
    const QImage hidden = client->grab().toImage();
    QCOMPARE(shown, hidden);

    // And the comparison can see a change: a value label is not behind anything.
    game.child("lblcat1")->hide();
    QVERIFY(client->grab().toImage() != hidden);
}

void WindowTest::tabOrderFollowsTheDesign()
{
    const PlayedWindow game = startGame();
    QStringList order;
    QWidget *widget = game.child("cmdExit");
    for (int i = 0; i < 6; ++i) {
        order << widget->objectName();
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
    }
    QCOMPARE(
        order, QStringList({"cmdExit", "cmdNext", "txtAnswer", "Picture3", "Text1", "StatusBar1"}));
}

void WindowTest::designedFacesFindTheirFreeTwins_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("faces");
    QTest::addColumn<int>("pixelSize");

    const QStringList sans{"Arial", "Liberation Sans"};
    QTest::newRow("window font (MS Sans Serif 18 pt)") << "Label5" << sans << 24;
    QTest::newRow("verdict (MS Sans Serif 24 pt)") << "lblMessage" << sans << 32;
    QTest::newRow("answer box (Arial 36 pt)") << "txtAnswer" << sans << 48;
    QTest::newRow("button (MS Sans Serif 8.25 pt)") << "cmdNext" << sans << 11;
    QTest::newRow("score (Times New Roman 36 pt)")
        << "lblScore" << QStringList{"Times New Roman", "Liberation Serif"} << 48;
}

// The set-up installs the free twins of the design's faces; the text keeps its designed
// size against places fixed in pixels.
void WindowTest::designedFacesFindTheirFreeTwins()
{
    QFETCH(QString, control);
    QFETCH(QStringList, faces);
    QFETCH(int, pixelSize);

    const PlayedWindow game = startGame();
    const QFontInfo face(game.child(qPrintable(control))->font());
    QVERIFY2(faces.contains(face.family()), qPrintable(face.family()));
    QCOMPARE(face.pixelSize(), pixelSize);
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
