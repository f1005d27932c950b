#pragma once

#include "engine/gamecontext.h"

#include <string>

namespace tavola {

// Poses a new problem: clears the answer and the verdict, hides the figure's values,
// stirs the generator (clock, previous kind, previous base, in that order), draws a kind
// from 1 to 15 and lets its generator fill the figure; then the pupil may type.
void poseProblem(GameContext &game);

// The generators, entered with the figure reset and the kind drawn.
void posePythagorean(GameContext &game, int16 kind); // kinds 1 to 6
void poseEuclid(GameContext &game);                  // kinds 7 to 15

// r from the generator times the range, its integer part, plus the offset, each real
// step checked, then stored as a 16-bit whole number.
int16 drawWhole(RandomSource &random, float range, float offset);

// A length that may have decimals: "####.##", or "####" when it is whole, so that
// 9 never shows as "9,".
std::string lengthCaption(double length);

} // namespace tavola
