// The game's own random source over many problems: each kind, triangle, scale and
// question comes about as often as designed, and reseeding stirs the state without
// replacing it, so two runs that reseed alike still pose different problems.
#include "fakes.h"
#include "localecheck.h"

#include "engine/game.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

using namespace tavola;

namespace {

constexpr int setUps = 100000;

std::vector<float> drawsAfterGameReseeds(SplitMixRandom source, int count)
{
    source.reseed(FixedClock().secondsSinceMidnight());
    source.reseed(0);
    source.reseed(0);
    std::vector<float> draws;
    for (int i = 0; i < count; ++i)
        draws.push_back(source.next());
    return draws;
}

// Share of `part` in `whole`, checked against the designed chance with a margin of
// several standard deviations, so that the test never fails by bad luck.
void verifyShare(const char *what, long part, long whole, double chance, double margin)
{
    const double share = double(part) / double(whole);
    QVERIFY2(std::fabs(share - chance) < margin,
        qPrintable(QStringLiteral("%1: %2 of %3 is %4, designed %5")
                       .arg(QLatin1String(what))
                       .arg(part)
                       .arg(whole)
                       .arg(share)
                       .arg(chance)));
}

} // namespace

class Randomness : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(localeProblem().isEmpty(), qPrintable(localeProblem())); }

    void drawsAreMultiplesOfTwoToTheMinus24BelowOne();
    void problemsComeAsOftenAsDesigned();
    void sameReseedsFromDifferentStatesDrawDifferently();
    void reseedingMixesRatherThanReplaces();
};

void Randomness::drawsAreMultiplesOfTwoToTheMinus24BelowOne()
{
    SplitMixRandom source = SplitMixRandom::fromEntropy();
    bool sawTopBit = false;
    for (int i = 0; i < setUps; ++i) {
        const float r = source.next();
        const float scaled = r * 16777216.0f;
        QVERIFY(r >= 0.0f && r < 1.0f);
        QVERIFY(scaled == std::floor(scaled));
        sawTopBit = sawTopBit || r >= 0.5f;
    }
    QVERIFY(sawTopBit);
}

void Randomness::problemsComeAsOftenAsDesigned()
{
    GameState state;
    SplitMixRandom source = SplitMixRandom::fromEntropy();
    FixedClock clock;
    Game game(state, source, clock);
    game.loadWindow();

    std::array<long, 16> kinds{};
    std::array<long, 16> scales{};
    std::array<long, 7> questions{};
    std::array<long, 8> scaledBases{}; // kinds 4 to 6: base 3 twice as often
    long sevenTwentyFour = 0;
    for (int i = 0; i < setUps; ++i) {
        game.poseProblem();
        ++kinds.at(state.problemKind);
        if (state.problemKind >= 7) {
            ++questions.at(state.questionKind);
            ++scales.at(state.baseN);
            sevenTwentyFour += state.tripleDraw < 3;
        } else if (state.problemKind >= 4) {
            ++scaledBases.at(state.baseN);
        }
    }

    long pythagorean = 0;
    for (int kind = 1; kind <= 15; ++kind) {
        verifyShare("kind", kinds[kind], setUps, 1.0 / 15, 0.006);
        if (kind <= 6)
            pythagorean += kinds[kind];
    }
    verifyShare("kinds 1 to 6", pythagorean, setUps, 0.4, 0.01);
    const long euclid = setUps - pythagorean;
    verifyShare("7-24-25 triangle", sevenTwentyFour, euclid, 2.0 / 15, 0.01);
    for (int k = 1; k <= 15; ++k)
        verifyShare("scale k", scales[k], euclid, 1.0 / 15, 0.008);
    for (int q = 1; q <= 6; ++q)
        verifyShare("question kind", questions[q], euclid, 1.0 / 6, 0.01);
    const long scaled = kinds[4] + kinds[5] + kinds[6];
    QCOMPARE(scaledBases[1], 0L);
    verifyShare("base 3 of kinds 4 to 6", scaledBases[3], scaled, 0.4, 0.02);
    for (int n : {2, 4, 5})
        verifyShare("base 2, 4 or 5 of kinds 4 to 6", scaledBases[n], scaled, 0.2, 0.02);
}

void Randomness::sameReseedsFromDifferentStatesDrawDifferently()
{
    const auto first = drawsAfterGameReseeds(SplitMixRandom(1), 8);
    const auto second = drawsAfterGameReseeds(SplitMixRandom(2), 8);
    const auto firstAgain = drawsAfterGameReseeds(SplitMixRandom(1), 8);
    QVERIFY(first != second);
    QVERIFY(first == firstAgain);
}

void Randomness::reseedingMixesRatherThanReplaces()
{
    // Reseeding with 0 (as kind 3 always does) from two points of one run must not lead
    // back to the same draw.
    SplitMixRandom source(42);
    std::vector<float> afterZero;
    for (int i = 0; i < 20; ++i) {
        source.next();
        source.reseed(0);
        afterZero.push_back(source.next());
    }
    std::sort(afterZero.begin(), afterZero.end());
    QVERIFY(std::adjacent_find(afterZero.begin(), afterZero.end()) == afterZero.end());
}

QTEST_GUILESS_MAIN(Randomness)
#include "tst_randomness.moc"
