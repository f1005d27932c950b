#include "engine/game.h"

#include "engine/posing.h"

namespace tavola {

Game::Game(GameState &state, RandomSource &random, const TimeSource &clock)
    : m_state(state)
    , m_random(random)
    , m_clock(clock)
{
}

void Game::loadWindow()
{
    m_view = WindowModel{};
    m_state.rightCount = 0;
    m_state.wrongCount = 0;
}

void Game::poseProblem()
{
    GameContext game = context();
    tavola::poseProblem(game);
}

void Game::judgeAnswer()
{
    GameContext game = context();
    tavola::judgeAnswer(game);
}

int Game::answerKeyPress(int characterCode)
{
    switch (filterAnswerKey(characterCode)) {
    case KeyVerdict::Discard:
        return 0;
    case KeyVerdict::Judge:
        judgeAnswer();
        break;
    case KeyVerdict::Pass:
        break;
    }
    return characterCode;
}

} // namespace tavola
