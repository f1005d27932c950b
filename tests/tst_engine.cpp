// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The engine: every problem it can pose, judged to the thousandth; the generator's order; the
// counts and the number rules at their limits; an error stops an operation where it stands;
// the clock's texts and the system's time.
#include "support.h"

#include "clock/timetext.h"
#include "engine/answertext.h"
#include "engine/digitpattern.h"
#include "engine/game.h"
#include "engine/gameerror.h"
#include "engine/keys.h"

#include <QProcess>
#include <QTest>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

using namespace tavola;

namespace {

// Thousandths as the pupil writes them: 1961 -> "1,961", 1800 -> "1,8", 9000 -> "9".
QString decimalText(long thousandths)
{
    return QString::number(thousandths / 1000.0, 'g', 12).replace('.', ',');
}

QString text(const std::string &caption)
{
    return QString::fromStdString(caption);
}

struct Problem {
    std::vector<float> draws;
    std::array<long, lengthCount> hundredths{}; // 0: a length the problem does not write
    std::array<Length, 2> given;
    Length asked;
    QString question;
    Rgb color;
    bool thirdUnitShown;
    std::vector<double> calls; // after the preliminary problem
    int baseAfter;
};

const double secs = 23 * 3600 + 14 * 60 + 31.25, D = ScriptedRandom::draw;
const std::vector<float> ten{rFor(1, 1, 15), rFor(3, 3, 5)}; // asks BC of (6, 8, 10)

template<typename Operation>
std::optional<ErrorKind> errorOf(Operation &&operation)
{
    try {
        operation();
    } catch (const GameError &error) {
        return error.kind();
    }
    return std::nullopt;
}

struct Table {
    ScriptedRandom random;
    FixedClock clock;
    Game game{random, clock};

    void pose(const std::vector<float> &draws)
    {
        random.values.assign(draws.begin(), draws.end());
        game.poseProblem();
    }
    std::optional<ErrorKind> enter(const char *typed)
    {
        return errorOf([&] { game.answerKeyPress(enterCode, typed); });
    }
};

// The message and the counts after typing into the posed problem, which stays as it was.
QString answer(const Game &posed, const QString &typed)
{
    Game trial(posed);
    errorOf([&] { trial.answerKeyPress(enterCode, typed.toStdString()); });
    return text(trial.model()[lblMessage].caption)
        + QStringLiteral(" %1/%2").arg(trial.state().rightCount).arg(trial.state().wrongCount);
}

} // namespace

Q_DECLARE_METATYPE(Problem)

class EngineTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(localeProblem().isEmpty(), qPrintable(localeProblem())); }

    // From whole-number geometry: (2n, n² − 1, n² + 1) scaled; 3-4-5 and 7-24-25 scaled by k,
    // with BH = AB²/BC, HC = BC − BH, AH = AB·AC/BC, in hundredths. Each follows a problem of
    // kind 6 from base 5, so that every reseed with a carried-over value shows.
    void everyProblemIsPosedAndJudgedExactly_data()
    {
        QTest::addColumn<Problem>("problem");
        const QString sideName[] = {"Cateto AB", "Cateto AC", "Ipotenusa BC"};
        for (int kind = 1; kind <= 6; ++kind) {
            const int offset = kind <= 3 ? 3 : 1;
            for (int drawn = offset; drawn < offset + 5; ++drawn) {
                const long n = kind == 3 ? 2 * drawn + 1 : (kind >= 4 && drawn == 1 ? 3 : drawn);
                const long m = kind <= 3 ? 1 : kind - 2; // kind 3: twice (a, (a²−1)/2, (a²+1)/2)
                const Length asked = std::array{BC, AC, AC, AC, AB, BC}[kind - 1];
                Problem p{{rFor(kind, 1, 15), rFor(drawn, offset, 5)},
                    {2 * n * m * 100, (n * n - 1) * m * 100, (n * n + 1) * m * 100}, {}, asked,
                    sideName[asked], colors::magenta, true, {secs, 6, 5, D, D},
                    kind == 3 ? 5 : int(n)};
                p.given = asked == AB ? std::array{AC, BC}
                                      : (asked == AC ? std::array{AB, BC} : std::array{AB, AC});
                if (kind <= 3)
                    p.calls.insert(p.calls.end() - 1, kind == 3 ? 0 : 5);
                QTest::addRow("kind %d, drawn %d", kind, drawn) << p;
            }
        }
        const std::tuple<std::array<Length, 2>, Length, const char *, Rgb> questions[] = {
            {{BH, HC}, AH, "Altezza AH", colors::green},
            {{BH, AH}, HC, "Proiezione HC", colors::magenta},
            {{HC, AH}, BH, "Proiezione BH", colors::blue},
            {{AB, BC}, BH, "Proiezione BH", colors::blue},
            {{AC, BC}, HC, "Proiezione HC", colors::blue},
            {{AC, HC}, BC, "Ipotenusa BC", colors::blue}};
        for (int q = 1; q <= 6; ++q)
            for (int triple : {1, 2, 3, 15}) {
                for (long k = 1; k <= 15; ++k) {
                    const long m = triple < 3 ? 7 : 3;
                    const long ab = m * k, ac = (m * m - 1) / 2 * k, bc = (m * m + 1) / 2 * k;
                    const long bh = ab * ab * 100 / bc;
                    const auto &[given, asked, question, color] = questions[q - 1];
                    Problem p{{rFor(7 + int(k + q) % 9, 1, 15), rFor(q, 1, 6), rFor(triple, 1, 15),
                                  rFor(int(k), 1, 15)},
                        {ab * 100, ac * 100, bc * 100, ab * ac * 100 / bc, bh, bc * 100 - bh},
                        given, asked, question, color, q <= 2, {secs, 6, 5, D, 0, D, secs, D, D},
                        int(k)};
                    QTest::addRow("question %d, triple draw %d, k %ld", q, triple, k) << p;
                }
            }
    }

    void everyProblemIsPosedAndJudgedExactly()
    {
        QFETCH(Problem, problem);
        Table table;
        table.pose({(5 + 0.5f) / 15, (4 + 0.5f) / 5});
        table.random.calls.clear();
        table.pose(problem.draws);

        const WindowModel &model = table.game.model();
        for (Length length : {AB, AC, BC, AH, BH, HC}) {
            const LabelModel &label = model.valueLabel(length);
            QVERIFY(!problem.hundredths[length]
                || text(label.caption) == decimalText(problem.hundredths[length] * 10));
            QCOMPARE(label.visible, length == problem.given[0] || length == problem.given[1]);
        }
        QCOMPARE(text(model[Label5].caption), problem.question);
        QVERIFY(model[Label5].color == problem.color);
        QVERIFY(model[Label2_0].visible && model[Label2_1].visible);
        QCOMPARE(model[Label2_2].visible, problem.thirdUnitShown);
        QCOMPARE(model.txtAnswer.newText, std::optional<std::string>(""));
        QVERIFY(model[lblMessage].caption.empty() && !model.cmdNext.enabled);
        QCOMPARE(model.focus, Focus::txtAnswer);
        QCOMPARE(table.random.calls, problem.calls);
        QCOMPARE(table.game.state().baseN, problem.baseAfter);

        const long exact = problem.hundredths[problem.asked] * 10;
        QCOMPARE(answer(table.game, decimalText(exact)), "Esatto. Sei in gamba!!! 1/0");
        for (long off : {-10, -1, 1, 10})
            QCOMPARE(answer(table.game, decimalText(exact + off)),
                "Sbagliato!! " + decimalText(exact) + " 0/1");
    }

    // Every Enter counts, on the same problem too, up to 32767; past it the count keeps
    // 32767 and nothing else changes; a total past it keeps what the judging did before.
    void countsStopAtTheirLimitKeepingEarlierSteps()
    {
        Table table;
        table.pose(ten);
        for (int i = 0; i < 32767; ++i)
            table.game.answerKeyPress(enterCode, i % 2 ? "10" : "10,0");
        QCOMPARE(text(table.game.model()[lblScore].caption), "32767");
        QCOMPARE(table.enter("10"), ErrorKind::Overflow);
        QCOMPARE(table.game.state().rightCount, 32767);
        QCOMPARE(table.enter("9"), ErrorKind::Overflow);
        const WindowModel &model = table.game.model();
        QCOMPARE(text(model[lblMessage].caption + model[lblScore1].caption), "Sbagliato!! 101");
        QVERIFY(model.cmdNext.enabled);
        QCOMPARE(text(model[lblScore2].caption), "32767");

        table.game.load(); // a new game: the counts and the model as designed, the draws kept
        QVERIFY(table.game.model() == WindowModel());
        table.random.calls.clear();
        table.pose(ten);
        QCOMPARE(table.random.calls, (std::vector<double>{secs, 1, 3, D, 3, D}));
    }

    // What the set-up did before a real step failed stays done; nothing after it is.
    void anErrorWhilePosingLeavesTheResetFigure()
    {
        for (const auto &[r, kind] : {std::pair{std::nanf(""), ErrorKind::FloatingPoint},
                 std::pair{1e10f, ErrorKind::Overflow}}) {
            Table table;
            table.pose(ten);
            table.enter("12");
            QCOMPARE(errorOf([&] { table.pose({r}); }), kind);
            const WindowModel &model = table.game.model();
            QVERIFY(model[lblMessage].caption.empty() && !model[lblcat1].visible);
            QCOMPARE(model.txtAnswer.newText, std::optional<std::string>(""));
            QVERIFY(model.cmdNext.enabled && model.focus == Focus::Unchanged);
            QCOMPARE(table.game.state().problemKind, 1);
        }
    }

    // The limits of the number rules; a fuzz target covers the rest of the patterns' ground.
    void numbersKeepToTheirRules()
    {
        for (int a : {-32768, -1, 0, 2, 181, 32767})
            for (int b : {-32768, -1, 1, 182})
                for (const auto &[step, exact] : {std::pair{&add16, a + b},
                         std::pair{&sub16, a - b}, std::pair{&mul16, a * b}}) {
                    int16 result = 0;
                    const auto error = errorOf([&] { result = step(int16(a), int16(b)); });
                    QVERIFY(error ? exact < -32768 || exact > 32767 : result == exact);
                }
        // Halves to even, with the range checked before rounding; 0 stands for an error.
        const std::pair<double, int> rounded[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {32767.4, 32767},
            {-32768.5, -32768}, {32767.5, 0}, {double(NAN), 0}};
        for (const auto &[value, whole] : rounded) {
            int16 result = 0;
            QCOMPARE(errorOf([&] { result = toInt16(value); }).has_value(), whole == 0);
            QCOMPARE(result, whole);
        }
        const std::tuple<double, const char *, const char *> written[] = {{2.0, "####.##", "2,"},
            {0.0, "####", ""}, {0.0, "###0", "0"}, {0.125, "###.##", ",13"},
            {2.675, "###.##", "2,68"}, {999.999, "###.##", "1000,"}, {123456.0, "###", "123456"},
            {2.5, "#.00", "2,50"}, {std::nextafter(10.05, 0.0), "###.#", "10,1"}};
        for (const auto &[value, pattern, shown] : written)
            QCOMPARE(text(formatWithPattern(value, pattern)), shown);
        QCOMPARE(errorOf([] { formatWithPattern(NAN, "###"); }), ErrorKind::FloatingPoint);
        for (const char *noNumber : {"1.96", "-5", "1 5", "1e5"})
            QVERIFY2(!parseAnswer(noNumber), noNumber);
        // Every text the answer box can hold: a number where it has a digit and at most one
        // comma, read as the nearest float, as the C library reads it with a point.
        for (long length = 0, count = 1; length <= 6; ++length, count *= 11)
            for (long code = 0; code < count; ++code) {
                std::string text(length, '0');
                for (long rest = code; char &c : text)
                    c = "0123456789,"[std::exchange(rest, rest / 11) % 11];
                const long commas = std::count(text.begin(), text.end(), ',');
                std::string pointed = text;
                std::replace(pointed.begin(), pointed.end(), ',', '.');
                float read = NAN;
                std::from_chars(pointed.data(), pointed.data() + pointed.size(), read);
                const std::optional<float> parsed = parseAnswer(text);
                QVERIFY2(commas < 2 && commas < length ? parsed == read : !parsed, text.c_str());
            }
    }

    // The game's own generator: 24-bit fractions spread over [0, 1); a reseed stirs the state
    // rather than resets it, so that reseeding with a carried-over value gives new problems.
    void aReseedStirsTheGenerator()
    {
        SplitMixRandom one(1), two(2); // reseeded alike, they still differ
        for (int i = 0; i < 8; ++i) {
            one.reseed(0);
            two.reseed(0);
            const float r = one.next();
            QVERIFY(r >= 0 && r < 1 && r * 16777216.0f == std::floor(r * 16777216.0f));
            QVERIFY(r != two.next());
        }
        std::array<int, 16> hits{}; // every kind of problem comes, about as often as another
        for (int i = 0; i < 4096; ++i)
            ++hits.at(int(one.next() * 16));
        QVERIFY(*std::min_element(hits.begin(), hits.end()) > 200);
    }

    // The clock's texts: to the second, without the time zone, as each locale writes them,
    // in the hours before ten too.
    void timeAndDateReadTheLocalesWay()
    {
        for (const LocalForms &forms : localForms) {
            QCOMPARE(timeText({9, 5, 7, 0}, QLocale(forms.locale)), forms.morning);
            QCOMPARE(timeText({23, 14, 31, 0}, QLocale(forms.locale)), forms.evening);
            QCOMPARE(QString::fromStdString(dateText({2027, 1, 2}, QLocale(forms.locale))),
                forms.date());
        }
    }

    // The system's clock shows what `date` shows in each locale's time zone (Qt 6.8 rounds to
    // the millisecond where both truncate); the seconds since midnight lie between two readings.
    void systemClockShowsWhatDateShows()
    {
        const auto date = [] {
            QProcess run;
            run.start(QStringLiteral("date"), {QStringLiteral("+%F %T")});
            return run.waitForFinished() ? QString(run.readAllStandardOutput()).trimmed() : "";
        };
        const auto seconds = [](TimeOfDay t) {
            return t.hour * 3600 + t.minute * 60 + t.second + t.millisecond / 1e3;
        };
        SystemTimeSource system;
        for (int i = 0; i < 20; ++i) {
            const QString before = date();
            const TimeOfDay t = system.timeOfDay();
            const float since = system.secondsSinceMidnight();
            const CalendarDate d = system.date();
            const double from = seconds(t), to = seconds(system.timeOfDay());
            const QString after = date(),
                          read = QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month,
                              d.day, t.hour, t.minute, t.second);
            QVERIFY2(before.size() == 19 && before <= read && read <= after, qPrintable(read));
            QVERIFY(to < from || (from - 0.01 <= since && since <= to + 0.01));
        }
    }
};

QTEST_GUILESS_MAIN(EngineTest)
#include "tst_engine.moc"
