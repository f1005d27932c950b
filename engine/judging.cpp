// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/answertext.h"
#include "engine/digitpattern.h"
#include "engine/game.h"
#include "engine/gameerror.h"

#include <string>

namespace tavola {

void Game::handOverToNext()
{
    m_model.cmdNext.enabled = true;
    m_model.focus = Focus::cmdNext;
}

void Game::countRight()
{
    m_state.rightCount = add16(m_state.rightCount, 1);
    m_model[lblMessage].caption = rightVerdict;
    m_model.verdict = Verdict::Right;
}

void Game::countWrong()
{
    m_state.wrongCount = add16(m_state.wrongCount, 1);
    m_model.rightAnswer = lengthText(m_state.expectedAnswer);
    m_model[lblMessage].caption = std::string(wrongVerdict) + m_model.rightAnswer;
    m_model.verdict = Verdict::Wrong;
    m_model[lblScore1].caption = formatWithPattern(m_state.wrongCount, "###0");
    handOverToNext();
}

// An empty box counts as 0; a text that reads as no number counts nothing.
void Game::judgeAnswer(std::string_view boxText)
{
    if (boxText.empty()) {
        boxText = "0";
        m_model.txtAnswer.newText = "0";
    }
    const std::optional<float> typed = parseAnswer(boxText);
    if (!typed)
        throw GameError(ErrorKind::NotANumber);
    m_state.typedAnswer = *typed;
    if (m_state.typedAnswer == m_state.expectedAnswer)
        countRight();
    else
        countWrong();

    m_model[lblScore].caption = formatWithPattern(m_state.rightCount, "####0");
    // cmdNext is enabled before the total is computed, so an overflow of the total
    // still leaves the pupil a way on to the next problem.
    handOverToNext();
    const int16 total = add16(m_state.rightCount, m_state.wrongCount);
    m_model[lblScore2].caption = formatWithPattern(total, "####0");
    m_model.totalShown = true;
}

} // namespace tavola
