// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/game.h"

#include "engine/keys.h"

namespace tavola {

Game::Game(RandomSource &random, const TimeSource &clock)
    : m_random(random)
    , m_clock(clock)
{
}

// The box's new text and the focus are requests of one operation; the next starts without.
void Game::beginOperation()
{
    m_model.txtAnswer.newText.reset();
    m_model.focus = Focus::Unchanged;
    m_model.keyRefused = false;
}

void Game::load()
{
    m_model = WindowModel{};
    m_state.rightCount = 0;
    m_state.wrongCount = 0;
}

int Game::answerKeyPress(int characterCode, std::string_view boxText)
{
    beginOperation();
    switch (filterAnswerKey(characterCode)) {
    case KeyVerdict::Discard:
        m_model.keyRefused = true;
        return 0;
    case KeyVerdict::Judge:
        judgeAnswer(boxText);
        break;
    case KeyVerdict::Pass:
        break;
    }
    return characterCode;
}

// r from the generator times the range, its integer part, plus the offset, each real step
// checked, then stored as a 16-bit whole number.
int16 Game::drawWhole(float range, float offset)
{
    const float r = m_random.next();
    const float scaled = checkedReal(r * range);
    const float shifted = checkedReal(intPart(scaled) + offset);
    return toInt16(shifted);
}

} // namespace tavola
