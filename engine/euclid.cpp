// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/digitpattern.h"
#include "engine/game.h"

#include <array>
#include <cmath>
#include <string_view>

namespace tavola {

namespace {

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

} // namespace

void Game::drawEuclidProblem()
{
    m_random.reseed(m_state.questionKind);
    m_state.questionKind = drawWhole(6, 1);
    m_random.reseed(m_clock.secondsSinceMidnight());
    m_state.tripleDraw = drawWhole(15, 1);
    m_state.baseN = drawWhole(15, 1);
}

void Game::poseEuclid()
{
    drawEuclidProblem();
    const EuclidLengths lengths = computeEuclidLengths(m_state);
    // Every label gets its value, the asked one too, although it stays hidden.
    for (Length length : {AH, HC, BH})
        m_model.valueLabel(length).caption = lengthText(lengths[length]);
    for (Length length : {AB, AC, BC})
        m_model.valueLabel(length).caption = formatWithPattern(lengths[length], "####");

    const QuestionKind &question = questionKinds.at(m_state.questionKind - 1);
    for (Length given : question.given)
        m_model.valueLabel(given).visible = true;
    if (question.hidesAsked)
        m_model.valueLabel(question.asked).visible = false;
    if (question.hidesThirdUnit)
        m_model[Label2_2].visible = false;
    m_model[Label5].color = question.color;
    m_model[Label5].caption = question.caption;
    m_model.asked = question.asked;
    m_state.expectedAnswer = float(lengths[question.asked]);
}

} // namespace tavola
