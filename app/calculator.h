#pragma once

#include "app/desktop.h"

#include <vector>

namespace tavola {

// The desktop's own calculators, best first, only those installed. On Linux: every desktop
// entry of the category Calculator in the user's and the system's applications folders,
// then the well-known calculator programs found on the PATH.
std::vector<LaunchCommand> installedCalculators();

// Starts the first calculator that will start, and leaves it alone. Throws a WindowError
// naming what was looked for when none would.
void startCalculator(Desktop &desktop);

} // namespace tavola
