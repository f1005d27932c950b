// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/game.h"

namespace tavola {

void Game::poseProblem()
{
    beginOperation();
    m_model.txtAnswer.newText = "";
    m_model[lblMessage].caption.clear();
    m_model.verdict = Verdict::None;
    for (LabelModel *unit : {&m_model[Label2_0], &m_model[Label2_1], &m_model[Label2_2]})
        unit->visible = true;
    for (Length length : {BH, HC, AB, AC, BC, AH})
        m_model.valueLabel(length).visible = false;

    m_random.reseed(m_clock.secondsSinceMidnight());
    m_random.reseed(m_state.problemKind);
    m_random.reseed(m_state.baseN);
    m_state.problemKind = drawWhole(15, 1);
    if (m_state.problemKind <= 6)
        posePythagorean(m_state.problemKind);
    else
        poseEuclid();

    m_model.cmdNext.enabled = false;
    m_model.focus = Focus::txtAnswer;
}

} // namespace tavola
