#pragma once

#include "app/controls.h"

namespace tavola {

class ClientArea;

// Creates every control of the window in the client area, as designed, in the order that
// stacks them as the figure needs (later controls lie in front).
Controls buildDesign(ClientArea *client);

} // namespace tavola
