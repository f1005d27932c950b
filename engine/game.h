#pragma once

#include "engine/gamestate.h"
#include "engine/judging.h"
#include "engine/randomsource.h"
#include "engine/timesource.h"
#include "engine/windowmodel.h"

namespace tavola {

// The game behind the window: the model of one load of the window, over the state that
// outlives every reload. Every operation may throw GameError; what it did before the
// error stays in the model and the state.
class Game
{
public:
    Game(GameState &state, RandomSource &random, const TimeSource &clock);

    const WindowModel &model() const { return m_view; }
    WindowModel &model() { return m_view; }

    // The controls as designed, then the counts back to zero; the rest of the state stays.
    void loadWindow();
    void poseProblem();
    void judgeAnswer();
    // A character typed into the answer box: returns the code the box receives, 0 when
    // the character is discarded; Enter is judged and passed on.
    int answerKeyPress(int characterCode);

private:
    GameContext context() { return {m_state, m_view, m_random, m_clock}; }

    GameState &m_state;
    RandomSource &m_random;
    const TimeSource &m_clock;
    WindowModel m_view;
};

} // namespace tavola
