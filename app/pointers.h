// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCursor>

namespace tavola {

// The window's own mouse pointer: a pencil whose tip is the hot spot.
QCursor pencilPointer();
// A small hollow square, for the controls the design marks with it.
QCursor squarePointer();

} // namespace tavola
