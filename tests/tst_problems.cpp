// Posing problems: every triangle the game can draw shows the right two lengths with the
// right captions, hides the asked one, names it in the right colour, and expects exactly
// the value a pupil writes as a decimal with a comma; the generator is stirred in the
// fixed order; and an error midway leaves exactly what was done before it.
#include "exact.h"
#include "harness.h"
#include "localecheck.h"

#include "engine/gameerror.h"

#include <QTest>

#include <cmath>
#include <vector>

using namespace tavola;

Q_DECLARE_METATYPE(tavola::ErrorKind)

namespace {

const float largestBelowOne = std::nextafter(1.0f, 0.0f);

struct Visible {
    bool ab, ac, bc, ah, bh, hc;
};

Visible visibleValueLabels(const WindowModel &view)
{
    return {view.lblcat1.visible, view.Lblcat2.visible, view.lblipoeu.visible, view.Lblalt.visible,
        view.Lblpro1.visible, view.Lblpro2.visible};
}

QString visibleText(const Visible &v)
{
    QString text;
    const std::pair<bool, const char *> names[] = {
        {v.ab, "AB"}, {v.ac, "AC"}, {v.bc, "BC"}, {v.ah, "AH"}, {v.bh, "BH"}, {v.hc, "HC"}};
    for (const auto &[shown, name] : names) {
        if (shown)
            text += QLatin1String(name) + QLatin1Char(' ');
    }
    return text.trimmed();
}

QString rgbText(Rgb color)
{
    return QStringLiteral("%1,%2,%3").arg(color.red).arg(color.green).arg(color.blue);
}

QString caption(const LabelModel &label)
{
    return QString::fromStdString(label.caption);
}

// The exact value is right; a hundredth more or less is wrong and the message names the
// exact value.
void verifyJudgedExactly(Harness &table, long expectedHundredths)
{
    const QString exact = decimalText(expectedHundredths);
    const Harness::Verdict right = table.answer(exact);
    QCOMPARE(right.message, QStringLiteral("Esatto. Sei in gamba!!!"));
    QCOMPARE(right.rightCount, 1);
    QCOMPARE(right.wrongCount, 0);
    for (long off : {-1L, 1L}) {
        const Harness::Verdict wrong = table.answer(decimalText(expectedHundredths + off));
        QCOMPARE(wrong.message, QStringLiteral("Sbagliato!! ") + exact);
        QCOMPARE(wrong.rightCount, 0);
        QCOMPARE(wrong.wrongCount, 1);
    }
}

void verifyWaitingForAnswer(const WindowModel &view)
{
    QCOMPARE(view.txtAnswer, std::string());
    QCOMPARE(view.lblMessage, std::string());
    QVERIFY(!view.cmdNextEnabled);
    QCOMPARE(view.focusRequest, FocusTarget::txtAnswer);
}

} // namespace

class Problems : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(localeProblem().isEmpty(), qPrintable(localeProblem())); }

    void pythagoreanTriples_data();
    void pythagoreanTriples();
    void pythagoreanDrawExtremes_data();
    void pythagoreanDrawExtremes();
    void euclidTriangles_data();
    void euclidTriangles();
    void reseedOrder_data();
    void reseedOrder();
    void largestFloatBelowOneGivesTheLastOfEachDraw();
    void setUpClearsWhatThePreviousProblemLeft();
    void failedSetUpKeepsWhatWasDone_data();
    void failedSetUpKeepsWhatWasDone();
    void failedEuclidDrawKeepsEarlierDraws();
};

void Problems::pythagoreanTriples_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<int>("ab");
    QTest::addColumn<int>("ac");
    QTest::addColumn<int>("bc");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<int>("baseAfter"); // -1: baseN keeps its previous value

    const int family[][3] = {{6, 8, 10}, {8, 15, 17}, {10, 24, 26}, {12, 35, 37}, {14, 48, 50}};
    const int odd[][3] = {
        {14, 48, 50}, {18, 80, 82}, {22, 120, 122}, {26, 168, 170}, {30, 224, 226}};
    // n = 2, 3, 4, 5 of the family (8, 6, 10) etc. scaled by the kind's factor; drawn 1 means 3
    const int times2[][3] = {{8, 6, 10}, {12, 16, 20}, {16, 30, 34}, {20, 48, 52}};
    const int times3[][3] = {{12, 9, 15}, {18, 24, 30}, {24, 45, 51}, {30, 72, 78}};
    const int times4[][3] = {{16, 12, 20}, {24, 32, 40}, {32, 60, 68}, {40, 96, 104}};

    for (int n = 3; n <= 7; ++n) {
        const auto &t = family[n - 3];
        QTest::addRow("kind 1, n %d", n) << 1 << n << t[0] << t[1] << t[2] << "BC" << n;
        QTest::addRow("kind 2, n %d", n) << 2 << n << t[0] << t[1] << t[2] << "AC" << n;
        const auto &o = odd[n - 3];
        QTest::addRow("kind 3, k %d", n) << 3 << n << o[0] << o[1] << o[2] << "AC" << -1;
    }
    const std::tuple<int, const int(*)[3], QString> scaled[] = {
        {4, times2, "AC"}, {5, times3, "AB"}, {6, times4, "BC"}};
    for (const auto &[kind, table, asked] : scaled) {
        for (int drawn = 1; drawn <= 5; ++drawn) {
            const int n = drawn == 1 ? 3 : drawn;
            const auto &t = table[n - 2];
            QTest::addRow("kind %d, drawn %d", kind, drawn)
                << kind << drawn << t[0] << t[1] << t[2] << asked << n;
        }
    }
}

void Problems::pythagoreanTriples()
{
    QFETCH(int, kind);
    QFETCH(int, drawn);
    QFETCH(int, ab);
    QFETCH(int, ac);
    QFETCH(int, bc);
    QFETCH(QString, asked);
    QFETCH(int, baseAfter);

    Harness table;
    table.state.baseN = 11; // left by an earlier problem
    const int offset = kind <= 3 ? 3 : 1;
    table.random.script({rFor(kind, 1, 15), rFor(drawn, offset, 5)});
    table.game.poseProblem();
    QVERIFY(table.random.exhausted());

    const WindowModel &view = table.view();
    QCOMPARE(ab * ab + ac * ac, bc * bc);
    QCOMPARE(caption(view.lblcat1), QString::number(ab));
    QCOMPARE(caption(view.Lblcat2), QString::number(ac));
    QCOMPARE(caption(view.lblipoeu), QString::number(bc));
    const Visible shown{asked != "AB", asked != "AC", asked != "BC", false, false, false};
    QCOMPARE(visibleText(visibleValueLabels(view)), visibleText(shown));
    for (const LabelModel &unit : view.Label2)
        QVERIFY(unit.visible);

    const QString expectedCaption = asked == "BC" ? "Ipotenusa BC" : "Cateto " + asked;
    QCOMPARE(QString::fromStdString(view.Label5Caption), expectedCaption);
    QCOMPARE(rgbText(view.Label5Color), QStringLiteral("255,0,255"));

    const int answer = asked == "AB" ? ab : asked == "AC" ? ac : bc;
    QCOMPARE_EXACT(table.state.expectedAnswer, float(answer));
    QCOMPARE(int(table.state.baseN), baseAfter == -1 ? 11 : baseAfter);
    QCOMPARE(int(table.state.problemKind), kind);
    verifyWaitingForAnswer(view);
    verifyJudgedExactly(table, answer * 100L);
}

void Problems::pythagoreanDrawExtremes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("ab");

    QTest::newRow("kind 1, r 0") << 1 << 0.0f << 6;
    QTest::newRow("kind 1, largest r") << 1 << largestBelowOne << 14;
    QTest::newRow("kind 3, r 0") << 3 << 0.0f << 14;
    QTest::newRow("kind 3, largest r") << 3 << largestBelowOne << 30;
    QTest::newRow("kind 4, r 0 becomes base 3") << 4 << 0.0f << 12;
    QTest::newRow("kind 6, largest r") << 6 << largestBelowOne << 40;
}

void Problems::pythagoreanDrawExtremes()
{
    QFETCH(int, kind);
    QFETCH(float, r);
    QFETCH(int, ab);

    Harness table;
    table.random.script({rFor(kind, 1, 15), r});
    table.game.poseProblem();
    QCOMPARE(caption(table.view().lblcat1), QString::number(ab));
}

void Problems::euclidTriangles_data()
{
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("question");

    for (int m : {3, 7}) {
        for (int k = 1; k <= 15; ++k) {
            for (int question = 1; question <= 6; ++question)
                QTest::addRow("m %d, k %d, question %d", m, k, question) << m << k << question;
        }
    }
}

void Problems::euclidTriangles()
{
    QFETCH(int, m);
    QFETCH(int, k);
    QFETCH(int, question);

    // The lengths in hundredths, by whole-number arithmetic alone: BH = AB²/BC,
    // HC = BC − BH and AH = AB·AC/BC are exact to the hundredth for these triangles.
    const long ab = long(m) * k;
    const long ac = (long(m) * m - 1) / 2 * k;
    const long bc = (long(m) * m + 1) / 2 * k;
    QCOMPARE(ab * ab * 100 % bc, 0L);
    QCOMPARE(ab * ac * 100 % bc, 0L);
    const long bh = ab * ab * 100 / bc;
    const long hc = bc * 100 - bh;
    const long ah = ab * ac * 100 / bc;

    struct Question {
        Visible shown;
        long asked;
        const char *caption;
        const char *color;
        bool thirdUnitShown;
    };
    const Question questions[] = {
        {{false, false, false, false, true, true}, ah, "Altezza AH", "0,255,0", true},
        {{false, false, false, true, true, false}, hc, "Proiezione HC", "255,0,255", true},
        {{false, false, false, true, false, true}, bh, "Proiezione BH", "0,0,255", false},
        {{true, false, true, false, false, false}, bh, "Proiezione BH", "0,0,255", false},
        {{false, true, true, false, false, false}, hc, "Proiezione HC", "0,0,255", false},
        {{false, true, false, false, false, true}, bc * 100, "Ipotenusa BC", "0,0,255", false},
    };
    const Question &expected = questions[question - 1];

    Harness table;
    const int tripleDraw = m == 7 ? 1 + k % 2 : 3 + k % 13;
    const int kind = 7 + (k + question) % 9;
    table.random.script(
        {rFor(kind, 1, 15), rFor(question, 1, 6), rFor(tripleDraw, 1, 15), rFor(k, 1, 15)});
    table.game.poseProblem();
    QVERIFY(table.random.exhausted());

    const WindowModel &view = table.view();
    QCOMPARE(int(table.state.problemKind), kind);
    QCOMPARE(int(table.state.questionKind), question);
    QCOMPARE(int(table.state.tripleDraw), tripleDraw);
    QCOMPARE(int(table.state.baseN), k);
    QCOMPARE(caption(view.lblcat1), QString::number(ab));
    QCOMPARE(caption(view.Lblcat2), QString::number(ac));
    QCOMPARE(caption(view.lblipoeu), QString::number(bc));
    QCOMPARE(caption(view.Lblpro1), decimalText(bh));
    QCOMPARE(caption(view.Lblpro2), decimalText(hc));
    QCOMPARE(caption(view.Lblalt), decimalText(ah));
    QCOMPARE(visibleText(visibleValueLabels(view)), visibleText(expected.shown));
    QVERIFY(view.Label2[0].visible);
    QVERIFY(view.Label2[1].visible);
    QCOMPARE(view.Label2[2].visible, expected.thirdUnitShown);
    QCOMPARE(QString::fromStdString(view.Label5Caption), QString::fromLatin1(expected.caption));
    QCOMPARE(rgbText(view.Label5Color), QString::fromLatin1(expected.color));
    QVERIFY(table.state.projBH && table.state.projHC && table.state.heightAH);
    verifyWaitingForAnswer(view);
    verifyJudgedExactly(table, expected.asked);
}

void Problems::reseedOrder_data()
{
    QTest::addColumn<int>("previousKind");
    QTest::addColumn<int>("previousBase");
    QTest::addColumn<int>("previousQuestion");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("afterKindDraw"); // R: reseed, D: draw; values in the test

    QTest::newRow("first problem, kind 1") << 0 << 0 << 0 << 1 << "R(base) D";
    QTest::newRow("kind 1 after a base 5") << 12 << 5 << 4 << 1 << "R(base) D";
    QTest::newRow("kind 2") << 12 << 5 << 4 << 2 << "R(base) D";
    QTest::newRow("kind 3 reseeds with zero") << 12 << 5 << 4 << 3 << "R(0) D";
    QTest::newRow("kind 4 draws without reseeding") << 12 << 5 << 4 << 4 << "D";
    QTest::newRow("kind 5") << 3 << 9 << 4 << 5 << "D";
    QTest::newRow("kind 6") << 3 << 9 << 4 << 6 << "D";
    QTest::newRow("first Euclid problem") << 0 << 0 << 0 << 7 << "R(question) D R(clock) D D";
    QTest::newRow("Euclid after question 4") << 12 << 5 << 4 << 15 << "R(question) D R(clock) D D";
}

void Problems::reseedOrder()
{
    QFETCH(int, previousKind);
    QFETCH(int, previousBase);
    QFETCH(int, previousQuestion);
    QFETCH(int, kind);
    QFETCH(QString, afterKindDraw);

    Harness table;
    table.state.problemKind = int16(previousKind);
    table.state.baseN = int16(previousBase);
    table.state.questionKind = int16(previousQuestion);
    table.random.script({rFor(kind, 1, 15), 0.5f, 0.5f, 0.5f});
    table.game.poseProblem();

    const double clock = 10 * 3600 + 30 * 60 + 15.25;
    std::vector<RandomCall> expected{
        Reseed{clock}, Reseed{double(previousKind)}, Reseed{double(previousBase)}, Draw{}};
    for (const QString &step : afterKindDraw.split(QLatin1Char(' '))) {
        if (step == "D")
            expected.push_back(Draw{});
        else if (step == "R(base)")
            expected.push_back(Reseed{double(previousBase)});
        else if (step == "R(0)")
            expected.push_back(Reseed{0});
        else if (step == "R(question)")
            expected.push_back(Reseed{double(previousQuestion)});
        else if (step == "R(clock)")
            expected.push_back(Reseed{clock});
    }
    QCOMPARE(table.random.calls.size(), expected.size());
    QVERIFY(table.random.calls == expected);
}

void Problems::largestFloatBelowOneGivesTheLastOfEachDraw()
{
    Harness table;
    table.random.script({largestBelowOne, largestBelowOne, largestBelowOne, largestBelowOne});
    table.game.poseProblem();

    QCOMPARE(int(table.state.problemKind), 15);
    QCOMPARE(int(table.state.questionKind), 6);
    QCOMPARE(int(table.state.tripleDraw), 15);
    QCOMPARE(int(table.state.baseN), 15);
    QCOMPARE(caption(table.view().Lblcat2), QStringLiteral("60"));
    QCOMPARE_EXACT(table.state.expectedAnswer, 75.0f);
}

void Problems::setUpClearsWhatThePreviousProblemLeft()
{
    Harness table;
    // A Euclid problem that hides the third unit label, answered wrongly.
    table.random.script({rFor(9, 1, 15), rFor(3, 1, 6), rFor(1, 1, 15), rFor(1, 1, 15)});
    table.game.poseProblem();
    table.game.model().txtAnswer = "5";
    table.game.judgeAnswer();
    QVERIFY(!table.view().Label2[2].visible);
    QVERIFY(table.view().cmdNextEnabled);
    const std::string height = table.view().Lblalt.caption;

    table.random.script({rFor(1, 1, 15), rFor(3, 3, 5)});
    table.game.poseProblem();
    const WindowModel &view = table.view();
    verifyWaitingForAnswer(view);
    for (const LabelModel &unit : view.Label2)
        QVERIFY(unit.visible);
    // Hidden labels keep their captions: the next problem overwrites them before showing.
    QVERIFY(!view.Lblalt.visible);
    QCOMPARE(view.Lblalt.caption, height);
    QCOMPARE(view.lblScore1, std::string("1"));
}

void Problems::failedSetUpKeepsWhatWasDone_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<ErrorKind>("kind");

    QTest::newRow("not a number") << std::nanf("") << ErrorKind::FloatingPoint;
    QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << ErrorKind::FloatingPoint;
    QTest::newRow("product overflows the float")
        << std::numeric_limits<float>::max() << ErrorKind::FloatingPoint;
    QTest::newRow("kind beyond 16 bits") << 1e6f << ErrorKind::Overflow;
}

void Problems::failedSetUpKeepsWhatWasDone()
{
    QFETCH(float, r);
    QFETCH(ErrorKind, kind);

    Harness table;
    table.state.problemKind = 4;
    table.game.model().txtAnswer = "12";
    table.game.model().lblMessage = "Sbagliato!! 10";
    table.game.model().cmdNextEnabled = true;
    table.game.model().lblcat1.visible = true;
    table.random.script({r});
    QCOMPARE(errorRaisedBy([&] { table.game.poseProblem(); }), kind);
    const WindowModel &view = table.view();
    QCOMPARE(view.txtAnswer, std::string());
    QCOMPARE(view.lblMessage, std::string());
    QVERIFY(!view.lblcat1.visible);
    QCOMPARE(int(table.state.problemKind), 4);
    QVERIFY(view.cmdNextEnabled);
    QCOMPARE(view.focusRequest, FocusTarget::Unchanged);
}

void Problems::failedEuclidDrawKeepsEarlierDraws()
{
    Harness table;
    table.game.model().Label5Caption = "Cateto AB";
    table.random.script({rFor(8, 1, 15), rFor(2, 1, 6), std::nanf("")});
    QCOMPARE(errorRaisedBy([&] { table.game.poseProblem(); }), ErrorKind::FloatingPoint);
    QCOMPARE(int(table.state.problemKind), 8);
    QCOMPARE(int(table.state.questionKind), 2);
    QCOMPARE(int(table.state.tripleDraw), 0);
    QVERIFY(!table.state.projBH);
    QCOMPARE(table.view().Label5Caption, std::string("Cateto AB"));
    QCOMPARE(table.view().Lblalt.caption, std::string());
}

QTEST_GUILESS_MAIN(Problems)
#include "tst_problems.moc"
