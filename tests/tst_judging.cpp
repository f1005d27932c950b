// Judging the answer: only digits, the comma and backspace reach the box; Enter judges
// by exact single-precision equality; the counts and captions change in a fixed order, so
// that a text that is no number counts nothing and an overflow keeps what came before.
#include "exact.h"
#include "harness.h"
#include "localecheck.h"

#include "engine/answertext.h"
#include "engine/gameerror.h"

#include <QTest>

using namespace tavola;

Q_DECLARE_METATYPE(tavola::KeyVerdict)

namespace {

// A posed problem whose answer is `expected`, with the counts as given.
void prepare(Harness &table, float expected, int right = 0, int wrong = 0)
{
    table.state.expectedAnswer = expected;
    table.state.rightCount = int16(right);
    table.state.wrongCount = int16(wrong);
    table.game.model().txtAnswer.clear();
    table.game.model().cmdNextEnabled = false;
    table.game.model().focusRequest = FocusTarget::Unchanged;
}

void type(Harness &table, const char *text)
{
    for (const char *c = text; *c; ++c) {
        const int passed = table.game.answerKeyPress(*c);
        if (passed != 0)
            table.game.model().txtAnswer += char(passed);
    }
}

void pressEnter(Harness &table)
{
    QCOMPARE(table.game.answerKeyPress('\r'), int('\r'));
}

} // namespace

class Judging : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(localeProblem().isEmpty(), qPrintable(localeProblem())); }

    void keyFilter_data();
    void keyFilter();
    void filteredTypingKeepsOnlyDigitsAndComma();
    void verdicts_data();
    void verdicts();
    void scoresAddUp();
    void rightAnswerLeavesWrongScoreAlone();
    void secondEnterCountsAgain();
    void textThatIsNoNumberCountsNothing_data();
    void textThatIsNoNumberCountsNothing();
    void countOverflowKeepsEverything_data();
    void countOverflowKeepsEverything();
    void totalOverflowKeepsEarlierSteps();
};

void Judging::keyFilter_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<KeyVerdict>("verdict");

    for (char digit = '0'; digit <= '9'; ++digit)
        QTest::addRow("digit %c", digit) << int(digit) << KeyVerdict::Pass;
    QTest::newRow("comma") << 44 << KeyVerdict::Pass;
    QTest::newRow("backspace") << 8 << KeyVerdict::Pass;
    QTest::newRow("enter") << 13 << KeyVerdict::Judge;
    const std::pair<const char *, int> discarded[] = {{"point", '.'}, {"minus", '-'}, {"plus", '+'},
        {"blank", ' '}, {"letter e", 'e'}, {"letter E", 'E'}, {"nul", 0}, {"tab", '\t'},
        {"line feed", '\n'}, {"escape", 27}, {"delete", 127}, {"slash before the digits", '/'},
        {"colon after the digits", ':'}, {"arabic-indic digit one", 0x0661},
        {"fullwidth comma", 0xFF0C}, {"digit code plus 65536", 0x10030}, {"negative code", -1}};
    for (const auto &[name, code] : discarded)
        QTest::newRow(name) << code << KeyVerdict::Discard;
}

void Judging::keyFilter()
{
    QFETCH(int, code);
    QFETCH(KeyVerdict, verdict);

    QCOMPARE(filterAnswerKey(code), verdict);
    if (verdict != KeyVerdict::Judge) {
        Harness table;
        QCOMPARE(table.game.answerKeyPress(code), verdict == KeyVerdict::Pass ? code : 0);
    }
}

void Judging::filteredTypingKeepsOnlyDigitsAndComma()
{
    Harness table;
    prepare(table, 1.96f);
    type(table, "-1.9 6,a");
    QCOMPARE(table.view().txtAnswer, std::string("196,"));
    QCOMPARE(int(table.state.wrongCount), 0); // typing alone judges nothing
}

void Judging::verdicts_data()
{
    QTest::addColumn<float>("expected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("boxAfter");
    const auto row = [](const char *name, float expected, const char *typed, const char *message,
                         const char *boxAfter) {
        QTest::newRow(name) << expected << QString(typed) << QString(message) << QString(boxAfter);
    };
    const char *right = "Esatto. Sei in gamba!!!";

    row("whole answer, wrong", 25.0f, "24", "Sbagliato!! 25", "24");
    row("decimal answer, wrong", 1.96f, "2", "Sbagliato!! 1,96", "2");
    row("decimal answer, right", 1.96f, "1,96", right, "1,96");
    row("empty box judges 0", 10.0f, "", "Sbagliato!! 10", "0");
    row("trailing comma", 10.0f, "10,", right, "10,");
    row("leading zeros", 10.0f, "0010", right, "0010");
    row("trailing decimal zero", 1.8f, "1,80", right, "1,80");
    row("leading comma", 0.5f, ",5", right, ",5");
    row("digits swapped", 23.04f, "23,4", "Sbagliato!! 23,04", "23,4");
    row("height from a square root", float(std::sqrt(1.8 * 3.2)), "2,4", right, "2,4");
    row("one float step off is wrong", std::nextafter(6.72f, 7.0f), "6,72", "Sbagliato!! 6,72",
        "6,72");
}

void Judging::verdicts()
{
    QFETCH(float, expected);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, boxAfter);

    Harness table;
    prepare(table, expected);
    type(table, typed.toLatin1().constData());
    pressEnter(table);

    const WindowModel &view = table.view();
    const bool right = message.startsWith("Esatto");
    QCOMPARE(QString::fromStdString(view.lblMessage), message);
    QCOMPARE(QString::fromStdString(view.txtAnswer), boxAfter);
    QCOMPARE(int(table.state.rightCount), right ? 1 : 0);
    QCOMPARE(int(table.state.wrongCount), right ? 0 : 1);
    QCOMPARE(view.lblScore, std::string(right ? "1" : "0"));
    QCOMPARE(view.lblScore1, std::string(right ? "0" : "1"));
    QCOMPARE(view.lblScore2, std::string("1"));
    QVERIFY(view.cmdNextEnabled);
    QCOMPARE(view.focusRequest, FocusTarget::cmdNext);
    QCOMPARE_EXACT(table.state.typedAnswer, *parseAnswer(boxAfter.toStdString()));
}

void Judging::scoresAddUp()
{
    Harness table;
    for (const char *typed : {"7", "8", "7", "7", "1"}) {
        prepare(table, 7.0f, table.state.rightCount, table.state.wrongCount);
        type(table, typed);
        pressEnter(table);
    }
    QCOMPARE(table.view().lblScore, std::string("3"));
    QCOMPARE(table.view().lblScore1, std::string("2"));
    QCOMPARE(table.view().lblScore2, std::string("5"));
}

void Judging::rightAnswerLeavesWrongScoreAlone()
{
    Harness table;
    prepare(table, 3.0f);
    table.game.model().lblScore1 = "stale";
    type(table, "3");
    pressEnter(table);
    QCOMPARE(table.view().lblScore1, std::string("stale"));
}

void Judging::secondEnterCountsAgain()
{
    Harness table;
    prepare(table, 3.0f);
    type(table, "3");
    pressEnter(table);
    pressEnter(table);
    QCOMPARE(int(table.state.rightCount), 2);
    QCOMPARE(table.view().lblScore2, std::string("2"));
}

void Judging::textThatIsNoNumberCountsNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("comma only") << ",";
    QTest::newRow("two commas") << "1,2,3";
    QTest::newRow("adjacent commas") << ",,";
}

void Judging::textThatIsNoNumberCountsNothing()
{
    QFETCH(QString, typed);

    Harness table;
    prepare(table, 5.0f, 2, 1);
    table.state.typedAnswer = 4.0f;
    table.game.model().lblMessage = "before";
    type(table, typed.toLatin1().constData());
    const WindowModel before = table.view();

    QCOMPARE(errorRaisedBy([&] { table.game.answerKeyPress('\r'); }), ErrorKind::NotANumber);
    QVERIFY(QString::fromUtf8(GameError(ErrorKind::NotANumber).what()).contains("12,5"));
    QVERIFY(table.view() == before);
    QCOMPARE(int(table.state.rightCount), 2);
    QCOMPARE(int(table.state.wrongCount), 1);
    QCOMPARE_EXACT(table.state.typedAnswer, 4.0f);
}

void Judging::countOverflowKeepsEverything_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<QString>("typed");

    QTest::newRow("right count at its limit, right answer") << 32767 << 0 << "5";
    QTest::newRow("wrong count at its limit, wrong answer") << 0 << 32767 << "4";
}

void Judging::countOverflowKeepsEverything()
{
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(QString, typed);

    Harness table;
    prepare(table, 5.0f, right, wrong);
    type(table, typed.toLatin1().constData());
    const WindowModel before = table.view();
    QCOMPARE(errorRaisedBy([&] { table.game.judgeAnswer(); }), ErrorKind::Overflow);
    QCOMPARE(int(table.state.rightCount), right);
    QCOMPARE(int(table.state.wrongCount), wrong);
    QVERIFY(table.view() == before);
}

void Judging::totalOverflowKeepsEarlierSteps()
{
    Harness table;
    prepare(table, 5.0f, 20000, 12767);
    table.game.model().lblScore2 = "32767";
    type(table, "4");
    QCOMPARE(errorRaisedBy([&] { table.game.judgeAnswer(); }), ErrorKind::Overflow);

    const WindowModel &view = table.view();
    QCOMPARE(int(table.state.wrongCount), 12768);
    QCOMPARE(view.lblMessage, std::string("Sbagliato!! 5"));
    QCOMPARE(view.lblScore1, std::string("12768"));
    QCOMPARE(view.lblScore, std::string("20000"));
    QVERIFY(view.cmdNextEnabled);
    QCOMPARE(view.focusRequest, FocusTarget::cmdNext);
    QCOMPARE(view.lblScore2, std::string("32767"));
}

QTEST_GUILESS_MAIN(Judging)
#include "tst_judging.moc"
