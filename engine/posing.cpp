#include "engine/posing.h"

#include "engine/digitpattern.h"
#include "engine/figure.h"

namespace tavola {

namespace {

void resetFigure(WindowModel &view)
{
    using namespace figure;
    view.txtAnswer.clear();
    view.lblMessage.clear();
    for (LabelModel &unit : view.Label2)
        unit.visible = true;
    for (Length length : {BH, HC, AB, AC, BC, AH})
        valueLabel(view, length).visible = false;
}

void reseedBeforeKindDraw(GameContext &game)
{
    game.random.reseed(game.clock.secondsSinceMidnight());
    game.random.reseed(game.state.problemKind);
    game.random.reseed(game.state.baseN);
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

} // namespace tavola
