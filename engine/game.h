// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/int16math.h"
#include "engine/randomsource.h"
#include "engine/timesource.h"
#include "engine/windowmodel.h"

#include <optional>
#include <string_view>

namespace tavola {

// What the window object owns for the whole run. It outlives every reload of the window:
// a new game resets only the two counts, and the values that feed the next reseeds
// (problemKind, questionKind, baseN) carry over on purpose.
struct GameState {
    int16 rightCount = 0;
    int16 wrongCount = 0;
    int16 problemKind = 0;
    int16 questionKind = 0;
    int16 baseN = 0;
    int16 tripleDraw = 0;
    std::optional<double> projBH; // empty until the first Euclid problem
    std::optional<double> projHC;
    std::optional<double> heightAH;
    float expectedAnswer = 0;
    float typedAnswer = 0;
};

// The game behind the window: its state, and what the window shows of it. Each operation
// takes what the pupil did and leaves in model() what to show; any may throw GameError,
// and what it did before the error stays done.
class Game
{
public:
    Game(RandomSource &random, const TimeSource &clock);

    const WindowModel &model() const { return m_model; }
    const GameState &state() const { return m_state; }

    // The controls as designed, then the counts back to zero; the rest of the state stays.
    void load();
    // Clears the answer and the verdict, hides the figure's values, stirs the generator
    // (clock, previous kind, previous base, in that order), draws a kind from 1 to 15 and
    // fills the figure; then the pupil may type.
    void poseProblem();
    // A character typed into the answer box holding boxText: returns the code the box
    // receives, 0 when the character is discarded; Enter is judged and passed on.
    int answerKeyPress(int characterCode, std::string_view boxText);

private:
    void beginOperation();
    int16 drawWhole(float range, float offset);
    void posePythagorean(int16 kind);
    void poseEuclid();
    void drawEuclidProblem();
    void judgeAnswer(std::string_view boxText);
    void countRight();
    void countWrong();
    void handOverToNext();

    RandomSource &m_random;
    const TimeSource &m_clock;
    GameState m_state;
    WindowModel m_model;
};

} // namespace tavola
