#pragma once

#include <QCursor>

namespace tavola {

// The window's own mouse pointer: a pencil whose tip is the hot spot.
QCursor pencilPointer();
// A small hollow square, for the controls the design marks with it.
QCursor squarePointer();

} // namespace tavola
