#pragma once

#include "engine/int16math.h"

#include <optional>

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

} // namespace tavola
