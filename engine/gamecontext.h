#pragma once

#include "engine/gamestate.h"
#include "engine/randomsource.h"
#include "engine/timesource.h"
#include "engine/windowmodel.h"

namespace tavola {

// What one operation of the game reads and writes.
struct GameContext {
    GameState &state;
    WindowModel &view;
    RandomSource &random;
    const TimeSource &clock;
};

} // namespace tavola
