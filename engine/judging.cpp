#include "engine/judging.h"

#include "engine/answertext.h"
#include "engine/digitpattern.h"
#include "engine/gameerror.h"

namespace tavola {

namespace {

constexpr int backspaceCode = 8;
constexpr int enterCode = 13;
constexpr int commaCode = 44;

void handOverToNext(WindowModel &view)
{
    view.cmdNextEnabled = true;
    view.focusRequest = FocusTarget::cmdNext;
}

float readTypedAnswer(WindowModel &view)
{
    if (view.txtAnswer.empty())
        view.txtAnswer = "0";
    const auto typed = parseAnswer(view.txtAnswer);
    if (!typed)
        throw GameError(ErrorKind::NotANumber);
    return *typed;
}

std::string correctValueText(float expected)
{
    if (intPart(expected) == expected)
        return formatWithPattern(expected, "####");
    return formatWithPattern(expected, "###.##");
}

void countRight(GameContext &game)
{
    game.state.rightCount = add16(game.state.rightCount, 1);
    game.view.lblMessage = rightVerdict;
}

void countWrong(GameContext &game)
{
    game.state.wrongCount = add16(game.state.wrongCount, 1);
    game.view.lblMessage = wrongVerdict + correctValueText(game.state.expectedAnswer);
    game.view.lblScore1 = formatWithPattern(game.state.wrongCount, "###0");
    handOverToNext(game.view);
}

} // namespace

KeyVerdict filterAnswerKey(int characterCode)
{
    const bool isDigit = characterCode >= '0' && characterCode <= '9';
    if (isDigit || characterCode == commaCode || characterCode == backspaceCode)
        return KeyVerdict::Pass;
    if (characterCode == enterCode)
        return KeyVerdict::Judge;
    return KeyVerdict::Discard;
}

void judgeAnswer(GameContext &game)
{
    GameState &state = game.state;
    state.typedAnswer = readTypedAnswer(game.view);
    if (state.typedAnswer == state.expectedAnswer)
        countRight(game);
    else
        countWrong(game);

    game.view.lblScore = formatWithPattern(state.rightCount, "####0");
    // cmdNext is enabled before the total is computed, so an overflow of the total
    // still leaves the pupil a way on to the next problem.
    handOverToNext(game.view);
    const int16 total = add16(state.rightCount, state.wrongCount);
    game.view.lblScore2 = formatWithPattern(total, "####0");
}

} // namespace tavola
