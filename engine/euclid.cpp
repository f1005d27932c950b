#include "engine/digitpattern.h"
#include "engine/figure.h"
#include "engine/posing.h"

#include <array>
#include <cmath>
#include <string_view>

namespace tavola {

namespace {

using namespace figure;

using EuclidLengths = std::array<double, lengthCount>;

struct QuestionKind {
    std::array<Length, 2> given;
    bool hidesAsked; // the asked label is among the ones the kind shows or hides
    Length asked;
    bool hidesThirdUnit;
    Rgb color;
    std::string_view caption;
};

constexpr std::array<QuestionKind, 6> questionKinds{{
    {{BH, HC}, true, AH, false, colors::green, "Altezza AH"},
    {{BH, AH}, true, HC, false, colors::magenta, "Proiezione HC"},
    {{HC, AH}, true, BH, true, colors::blue, "Proiezione BH"},
    {{AB, BC}, false, BH, true, colors::blue, "Proiezione BH"},
    {{AC, BC}, false, HC, true, colors::blue, "Proiezione HC"},
    {{AC, HC}, false, BC, true, colors::blue, "Ipotenusa BC"},
}};

void drawEuclidProblem(GameContext &game)
{
    GameState &state = game.state;
    game.random.reseed(state.questionKind);
    state.questionKind = drawWhole(game.random, 6, 1);
    game.random.reseed(game.clock.secondsSinceMidnight());
    state.tripleDraw = drawWhole(game.random, 15, 1);
    state.baseN = drawWhole(game.random, 15, 1);
}

// The 3-4-5 triangle (or 7-24-25 when tripleDraw is 1 or 2) scaled by baseN, with the
// projections from AB² = BC·BH and the height from AH² = BH·HC.
EuclidLengths computeEuclidLengths(GameState &state)
{
    const int16 m = state.tripleDraw < 3 ? 7 : 3;
    const int16 k = state.baseN;
    const int16 ab = mul16(k, m);
    const int16 ac = toInt16(checkedReal(double(mul16(sub16(mul16(m, m), 1), k)) / 2.0));
    const double baseHypotenuse = checkedReal(double(add16(mul16(m, m), 1)) / 2.0);
    const int16 bc = toInt16(checkedReal(baseHypotenuse * k));
    state.projBH = checkedReal(double(mul16(ab, ab)) / bc);
    state.projHC = checkedReal(bc - *state.projBH);
    state.heightAH = checkedReal(std::sqrt(checkedReal(*state.projBH * *state.projHC)));
    return {double(ab), double(ac), double(bc), *state.heightAH, *state.projBH, *state.projHC};
}

// Every label gets its value, the asked one too, although it stays hidden.
void writeEuclidCaptions(WindowModel &view, const EuclidLengths &lengths)
{
    for (Length length : {AH, HC, BH})
        valueLabel(view, length).caption = lengthCaption(lengths[length]);
    for (Length length : {AB, AC, BC})
        valueLabel(view, length).caption = formatWithPattern(lengths[length], "####");
}

void applyQuestionKind(GameContext &game, const EuclidLengths &lengths)
{
    const QuestionKind &question = questionKinds.at(game.state.questionKind - 1);
    for (Length given : question.given)
        valueLabel(game.view, given).visible = true;
    if (question.hidesAsked)
        valueLabel(game.view, question.asked).visible = false;
    if (question.hidesThirdUnit)
        game.view.Label2[2].visible = false;
    game.view.Label5Color = question.color;
    game.view.Label5Caption = question.caption;
    game.state.expectedAnswer = float(lengths[question.asked]);
}

} // namespace

void poseEuclid(GameContext &game)
{
    drawEuclidProblem(game);
    const EuclidLengths lengths = computeEuclidLengths(game.state);
    writeEuclidCaptions(game.view, lengths);
    applyQuestionKind(game, lengths);
}

} // namespace tavola
