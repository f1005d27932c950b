#pragma once

#include "app/controls.h"

#include <QColor>

namespace tavola {

class ClientArea;

// Light yellow: the window's background, and the panel that must not be told from it.
inline constexpr QRgb windowBackground = 0xFFFFC0;

// Creates every control of the window in the client area, as designed, in the order that
// stacks them as the figure needs (later controls lie in front).
Controls buildDesign(ClientArea *client);

} // namespace tavola
