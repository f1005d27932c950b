#include "engine/posing.h"

#include "engine/digitpattern.h"

#include <array>
#include <cmath>
#include <string_view>

namespace tavola {

namespace {

void resetFigure(WindowModel &view)
{
    view.txtAnswer.clear();
    view.lblMessage.clear();
    for (LabelModel &unit : view.Label2)
        unit.visible = true;
    for (LabelModel *value :
        {&view.Lblpro1, &view.Lblpro2, &view.lblcat1, &view.Lblcat2, &view.lblipoeu, &view.Lblalt})
        value->visible = false;
}

void reseedBeforeKindDraw(GameContext &game)
{
    game.random.reseed(game.clock.secondsSinceMidnight());
    game.random.reseed(game.state.problemKind);
    game.random.reseed(game.state.baseN);
}

// ---- Pythagorean triples ----

enum class Side { AB, AC, BC };

struct Sides {
    int16 ab;
    int16 ac;
    int16 bc;

    int16 of(Side side) const { return side == Side::AB ? ab : side == Side::AC ? ac : bc; }
};

enum class ReseedBeforeDraw { WithBase, WithZero, None };

struct PythagoreanKind {
    ReseedBeforeDraw reseed;
    float drawOffset;
    int16 factor; // 0: the triple as it is; 2 to 4: the triple scaled
    bool oddBase; // kind 3: the doubled primitive triple of an odd number
    std::string_view pattern;
    Side asked;
};

constexpr std::array<PythagoreanKind, 6> pythagoreanKinds{{
    {ReseedBeforeDraw::WithBase, 3, 0, false, "###", Side::BC},
    {ReseedBeforeDraw::WithBase, 3, 0, false, "####", Side::AC},
    {ReseedBeforeDraw::WithZero, 3, 0, true, "####", Side::AC},
    {ReseedBeforeDraw::None, 1, 2, false, "####", Side::AC},
    {ReseedBeforeDraw::None, 1, 3, false, "####", Side::AB},
    {ReseedBeforeDraw::None, 1, 4, false, "####", Side::BC},
}};

// (2n, n² − 1, n² + 1)
Sides familySides(int16 n)
{
    const int16 ab = mul16(n, 2);
    const int16 ac = sub16(mul16(n, n), 1);
    const int16 bc = add16(mul16(n, n), 1);
    return {ab, ac, bc};
}

Sides scaledFamilySides(int16 n, int16 factor)
{
    const int16 ab = mul16(mul16(n, 2), factor);
    const int16 ac = mul16(sub16(mul16(n, n), 1), factor);
    const int16 bc = mul16(add16(mul16(n, n), 1), factor);
    return {ab, ac, bc};
}

// Halving a² ∓ 1 goes through a double and back; a is odd, so the quotient is whole.
int16 halved(int16 even)
{
    return toInt16(checkedReal(double(even) / 2.0));
}

Sides doubledOddSides(int16 k)
{
    const int16 a = add16(mul16(k, 2), 1);
    const int16 lowHalf = halved(sub16(mul16(a, a), 1));
    const int16 highHalf = halved(add16(mul16(a, a), 1));
    return {mul16(a, 2), mul16(2, lowHalf), mul16(2, highHalf)};
}

int16 drawPythagoreanBase(GameContext &game, const PythagoreanKind &kind)
{
    if (kind.reseed == ReseedBeforeDraw::WithBase)
        game.random.reseed(game.state.baseN);
    else if (kind.reseed == ReseedBeforeDraw::WithZero)
        game.random.reseed(0);
    const int16 drawn = drawWhole(game.random, 5, kind.drawOffset);
    if (kind.oddBase)
        return drawn; // a temporary: baseN keeps the previous problem's value
    // Base 1 would give a side of length 0, so it becomes 3.
    game.state.baseN = (kind.factor != 0 && drawn == 1) ? int16(3) : drawn;
    return game.state.baseN;
}

std::string_view sideName(Side side)
{
    switch (side) {
    case Side::AB:
        return "Cateto AB";
    case Side::AC:
        return "Cateto AC";
    case Side::BC:
        return "Ipotenusa BC";
    }
    return {};
}

// ---- Euclid ----

enum class Length { AB, AC, BC, AH, BH, HC };

struct EuclidLengths {
    int16 ab;
    int16 ac;
    int16 bc;
    double bh;
    double hc;
    double ah;

    double of(Length length) const
    {
        switch (length) {
        case Length::AB:
            return ab;
        case Length::AC:
            return ac;
        case Length::BC:
            return bc;
        case Length::AH:
            return ah;
        case Length::BH:
            return bh;
        case Length::HC:
            return hc;
        }
        return 0;
    }
};

LabelModel &labelOf(WindowModel &view, Length length)
{
    switch (length) {
    case Length::AB:
        return view.lblcat1;
    case Length::AC:
        return view.Lblcat2;
    case Length::BC:
        return view.lblipoeu;
    case Length::AH:
        return view.Lblalt;
    case Length::BH:
        return view.Lblpro1;
    case Length::HC:
        break;
    }
    return view.Lblpro2;
}

struct QuestionKind {
    std::array<Length, 2> given;
    bool hidesAsked; // the asked label is among the ones the kind shows or hides
    Length asked;
    bool hidesThirdUnit;
    Rgb color;
    std::string_view caption;
};

constexpr std::array<QuestionKind, 6> questionKinds{{
    {{Length::BH, Length::HC}, true, Length::AH, false, colors::green, "Altezza AH"},
    {{Length::BH, Length::AH}, true, Length::HC, false, colors::magenta, "Proiezione HC"},
    {{Length::HC, Length::AH}, true, Length::BH, true, colors::blue, "Proiezione BH"},
    {{Length::AB, Length::BC}, false, Length::BH, true, colors::blue, "Proiezione BH"},
    {{Length::AC, Length::BC}, false, Length::HC, true, colors::blue, "Proiezione HC"},
    {{Length::AC, Length::HC}, false, Length::BC, true, colors::blue, "Ipotenusa BC"},
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
    EuclidLengths lengths{};
    lengths.ab = mul16(k, m);
    lengths.ac = toInt16(checkedReal(double(mul16(sub16(mul16(m, m), 1), k)) / 2.0));
    const double halfLegSum = checkedReal(double(add16(mul16(m, m), 1)) / 2.0);
    lengths.bc = toInt16(checkedReal(halfLegSum * k));
    state.projBH = checkedReal(double(mul16(lengths.ab, lengths.ab)) / lengths.bc);
    state.projHC = checkedReal(lengths.bc - *state.projBH);
    state.heightAH = checkedReal(std::sqrt(checkedReal(*state.projBH * *state.projHC)));
    lengths.bh = *state.projBH;
    lengths.hc = *state.projHC;
    lengths.ah = *state.heightAH;
    return lengths;
}

// Every label gets its value, the asked one too, although it stays hidden.
void writeEuclidCaptions(WindowModel &view, const EuclidLengths &lengths)
{
    view.Lblalt.caption = lengthCaption(lengths.ah);
    view.Lblpro2.caption = lengthCaption(lengths.hc);
    view.Lblpro1.caption = lengthCaption(lengths.bh);
    view.lblcat1.caption = formatWithPattern(lengths.ab, "####");
    view.Lblcat2.caption = formatWithPattern(lengths.ac, "####");
    view.lblipoeu.caption = formatWithPattern(lengths.bc, "####");
}

void applyQuestionKind(GameContext &game, const EuclidLengths &lengths)
{
    const QuestionKind &question = questionKinds.at(game.state.questionKind - 1);
    for (Length given : question.given)
        labelOf(game.view, given).visible = true;
    if (question.hidesAsked)
        labelOf(game.view, question.asked).visible = false;
    if (question.hidesThirdUnit)
        game.view.Label2[2].visible = false;
    game.view.Label5Color = question.color;
    game.view.Label5Caption = question.caption;
    game.state.expectedAnswer = float(lengths.of(question.asked));
}

} // namespace

int16 drawWhole(RandomSource &random, float range, float offset)
{
    const float r = random.next();
    const float scaled = checkedReal(r * range);
    const float shifted = checkedReal(intPart(scaled) + offset);
    return toInt16(shifted);
}

std::string lengthCaption(double length)
{
    if (length == intPart(length))
        return formatWithPattern(length, "####");
    return formatWithPattern(length, "####.##");
}

void poseProblem(GameContext &game)
{
    resetFigure(game.view);
    reseedBeforeKindDraw(game);
    game.state.problemKind = drawWhole(game.random, 15, 1);
    if (game.state.problemKind <= 6)
        posePythagorean(game, game.state.problemKind);
    else
        poseEuclid(game);
    game.view.cmdNextEnabled = false;
    game.view.focusRequest = FocusTarget::txtAnswer;
}

void posePythagorean(GameContext &game, int16 kindNumber)
{
    const PythagoreanKind &kind = pythagoreanKinds.at(kindNumber - 1);
    const int16 base = drawPythagoreanBase(game, kind);
    const Sides sides = kind.oddBase ? doubledOddSides(base)
        : kind.factor != 0           ? scaledFamilySides(base, kind.factor)
                                     : familySides(base);

    WindowModel &view = game.view;
    view.lblcat1.caption = formatWithPattern(sides.ab, kind.pattern);
    view.Lblcat2.caption = formatWithPattern(sides.ac, kind.pattern);
    view.lblipoeu.caption = formatWithPattern(sides.bc, kind.pattern);
    view.lblcat1.visible = kind.asked != Side::AB;
    view.Lblcat2.visible = kind.asked != Side::AC;
    view.lblipoeu.visible = kind.asked != Side::BC;
    game.state.expectedAnswer = float(sides.of(kind.asked));
    view.Label5Color = colors::magenta;
    view.Label5Caption = sideName(kind.asked);
}

void poseEuclid(GameContext &game)
{
    drawEuclidProblem(game);
    const EuclidLengths lengths = computeEuclidLengths(game.state);
    writeEuclidCaptions(game.view, lengths);
    applyQuestionKind(game, lengths);
}

} // namespace tavola
