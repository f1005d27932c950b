// The number rules every caption and verdict rests on: 16-bit whole numbers that never
// wrap, rounding to a whole number halves to even, the digit-pattern formatter and the
// reading of the pupil's answer.
#include "exact.h"
#include "harness.h"
#include "localecheck.h"

#include "engine/answertext.h"
#include "engine/digitpattern.h"
#include "engine/gameerror.h"
#include "engine/int16math.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <optional>

using namespace tavola;

Q_DECLARE_METATYPE(std::optional<float>)

class NumberRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(localeProblem().isEmpty(), qPrintable(localeProblem())); }

    void wholeArithmeticOverflowsInsteadOfWrapping_data();
    void wholeArithmeticOverflowsInsteadOfWrapping();
    void toInt16RoundsHalvesToEven_data();
    void toInt16RoundsHalvesToEven();
    void intPartIsTheFloor();
    void checkedRealRejectsNonFinite();
    void formatter_data();
    void formatter();
    void formatterRejectsNonFinite();
    void answerText_data();
    void answerText();
};

void NumberRules::wholeArithmeticOverflowsInsteadOfWrapping_data()
{
    QTest::addColumn<char>("op");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("result"); // meaningless when overflows
    QTest::addColumn<bool>("overflows");

    QTest::newRow("sum at the top") << '+' << 32766 << 1 << 32767 << false;
    QTest::newRow("sum past the top") << '+' << 32767 << 1 << 0 << true;
    QTest::newRow("sum at the bottom") << '+' << -32767 << -1 << -32768 << false;
    QTest::newRow("sum past the bottom") << '+' << -32768 << -1 << 0 << true;
    QTest::newRow("difference past the bottom") << '-' << -32768 << 1 << 0 << true;
    QTest::newRow("difference past the top") << '-' << 0 << -32768 << 0 << true;
    QTest::newRow("difference in range") << '-' << 100 << 226 << -126 << false;
    QTest::newRow("largest square of the game") << '*' << 105 << 105 << 11025 << false;
    QTest::newRow("square past the top") << '*' << 182 << 182 << 0 << true;
    QTest::newRow("product at the bottom") << '*' << -128 << 256 << -32768 << false;
    QTest::newRow("negated bottom") << '*' << -32768 << -1 << 0 << true;
}

void NumberRules::wholeArithmeticOverflowsInsteadOfWrapping()
{
    QFETCH(char, op);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, result);
    QFETCH(bool, overflows);

    int16 (*operation)(int16, int16) = mul16;
    if (op == '+')
        operation = add16;
    else if (op == '-')
        operation = sub16;
    int16 value = 0;
    const auto error = errorRaisedBy([&] { value = operation(int16(a), int16(b)); });
    QCOMPARE(error, overflows ? std::optional(ErrorKind::Overflow) : std::nullopt);
    if (!overflows)
        QCOMPARE(int(value), result);
}

void NumberRules::toInt16RoundsHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("overflows");

    QTest::newRow("half down to even") << 2.5 << 2 << false;
    QTest::newRow("half up to even") << 3.5 << 4 << false;
    QTest::newRow("negative half to even") << -2.5 << -2 << false;
    QTest::newRow("just above half") << 2.5000001 << 3 << false;
    QTest::newRow("just below half") << 2.4999999 << 2 << false;
    QTest::newRow("whole") << 226.0 << 226 << false;
    QTest::newRow("top") << 32767.0 << 32767 << false;
    QTest::newRow("top plus a half rounds out") << 32767.5 << 0 << true;
    QTest::newRow("top plus a little rounds in") << 32767.4 << 32767 << false;
    QTest::newRow("bottom minus a half rounds in") << -32768.5 << -32768 << false;
    QTest::newRow("bottom minus more") << -32768.6 << 0 << true;
    QTest::newRow("far out") << 1e12 << 0 << true;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 0 << true;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0 << true;
}

void NumberRules::toInt16RoundsHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(int, result);
    QFETCH(bool, overflows);

    int16 converted = 0;
    const auto error = errorRaisedBy([&] { converted = toInt16(value); });
    QCOMPARE(error, overflows ? std::optional(ErrorKind::Overflow) : std::nullopt);
    if (!overflows)
        QCOMPARE(int(converted), result);
}

void NumberRules::intPartIsTheFloor()
{
    QCOMPARE_EXACT(intPart(14.999999f), 14.0f);
    QCOMPARE_EXACT(intPart(-0.5f), -1.0f);
    QCOMPARE_EXACT(intPart(-2.0), -2.0);
    QCOMPARE_EXACT(intPart(2.4000000000000004), 2.0);
}

void NumberRules::checkedRealRejectsNonFinite()
{
    QCOMPARE_EXACT(checkedReal(1.5), 1.5);
    const float huge = std::numeric_limits<float>::max();
    QVERIFY_THROWS_EXCEPTION(GameError, checkedReal(huge * 2.0f));
    QVERIFY_THROWS_EXCEPTION(GameError, checkedReal(std::sqrt(-1.0)));
    const double zero = 0.0;
    QVERIFY_THROWS_EXCEPTION(GameError, checkedReal(1.0 / zero));
}

void NumberRules::formatter_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    const auto row = [](const char *name, double value, const char *pattern, const char *text) {
        QTest::newRow(name) << value << QString(pattern) << QString(text);
    };

    row("whole with decimals keeps a bare comma", 2.0, "####.##", "2,");
    row("zero with hashes is empty", 0.0, "####", "");
    row("zero with a zero place", 0.0, "###0", "0");
    row("zero with five places", 0.0, "####0", "0");
    row("zero with decimals", 0.0, "####.##", ",");
    row("below one drops the leading zero", 0.125, "###.##", ",13");
    row("half away from zero on 15 digits", 2.675, "###.##", "2,68");
    row("1.005 reads as 1.005", 1.005, "###.##", "1,01");
    row("trailing zero dropped", 1.8, "####.##", "1,8");
    row("two decimals", 23.04, "####.##", "23,04");
    row("height a hair above 2.4", 2.4000000000000004, "####.##", "2,4");
    row("rounding carries into the integer", 9.996, "###.##", "10,");
    row("rounding carries past the places", 999.999, "###.##", "1000,");
    row("more digits than places", 123456.0, "###", "123456");
    row("whole pattern rounds half away", 2.5, "####", "3");
    row("whole pattern rounds below half down", 2.49, "####", "2");
    row("small value to the empty text", 0.4, "####", "");
    row("half rounds up to one", 0.5, "####", "1");
    row("half a hundredth rounds up", 0.005, "###.##", ",01");
    row("below half a hundredth", 0.004999, "###.##", ",");
    row("fifteen digits kept", 0.1234567890123456, "#.################", ",123456789012346");
    row("shortest form too long for 15 digits", 0.1 + 0.2, "#.################", ",3");
    row("count", 32767.0, "####0", "32767");
    row("float 1.96 shows as 1,96", double(1.96f), "###.##", "1,96");
    row("float 345.6", double(345.6f), "###.##", "345,6");
    row("zero places kept after the comma", 1.5, "#.00", "1,50");
    row("leading zero place", 0.5, "0.##", "0,5");
    row("negative", -1.25, "###.##", "-1,25");
    row("negative rounding to zero has no sign", -0.001, "###.##", ",");
    row("large whole", 1e20, "####", "100000000000000000000");
    row("tiny", 1e-20, "####.##", ",");
}

void NumberRules::formatter()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);

    QCOMPARE(QString::fromStdString(formatWithPattern(value, pattern.toStdString())), text);
}

void NumberRules::formatterRejectsNonFinite()
{
    QVERIFY_THROWS_EXCEPTION(
        GameError, formatWithPattern(std::numeric_limits<double>::infinity(), "####"));
    QVERIFY_THROWS_EXCEPTION(
        GameError, formatWithPattern(std::numeric_limits<double>::quiet_NaN(), "####"));
}

void NumberRules::answerText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<float>>("value");
    const auto row = [](const char *name, const QString &text, std::optional<float> value) {
        QTest::newRow(name) << text << value;
    };
    const std::optional<float> noNumber;

    row("whole", "10", 10.0f);
    row("comma decimal", "12,5", 12.5f);
    row("leading comma", ",5", 0.5f);
    row("trailing comma", "5,", 5.0f);
    row("leading zeros", "007", 7.0f);
    row("zero", "0", 0.0f);
    row("nearest float of 1,96", "1,96", 1.96f);
    row("nearest float of 23,04", "23,04", 23.04f);
    row("nearest float of 345,6", "345,6", 345.6f);
    row("six nines", "999999", 999999.0f);
    row("far below the smallest float", "0," + QString(60, '0') + "1", 0.0f);
    row("empty", "", noNumber);
    row("comma only", ",", noNumber);
    row("two commas", "1,2,3", noNumber);
    row("adjacent commas", "1,,", noNumber);
    row("point is no separator", "1.96", noNumber);
    row("minus sign", "-5", noNumber);
    row("plus sign", "+5", noNumber);
    row("blank", "1 5", noNumber);
    row("exponent", "1e5", noNumber);
    row("hexadecimal", "0x10", noNumber);
    row("infinity word", "inf", noNumber);
    row("beyond the float range", QString(60, '9'), noNumber);
}

void NumberRules::answerText()
{
    QFETCH(QString, text);
    QFETCH(std::optional<float>, value);

    const std::optional<float> parsed = parseAnswer(text.toStdString());
    QCOMPARE(parsed.has_value(), value.has_value());
    if (value)
        QCOMPARE_EXACT(*parsed, *value);
}

QTEST_GUILESS_MAIN(NumberRules)
#include "tst_numberrules.moc"
