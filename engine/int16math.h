// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The game's whole numbers are 16-bit signed. Every step that could leave the range is
// checked and raises an overflow error instead of wrapping; every real step is checked
// for an invalid operation, a division by zero or an overflow.
namespace tavola {

using int16 = std::int16_t;

int16 add16(int16 a, int16 b);
int16 sub16(int16 a, int16 b);
int16 mul16(int16 a, int16 b);

// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4), with a range check.
int16 toInt16(double value);

// The largest whole number not above the value (-1.5 -> -2).
float intPart(float value);
double intPart(double value);

// A non-finite result is what an invalid operation, a division by zero or an overflow
// leaves behind, so checking the result is checking the floating-point status.
float checkedReal(float value);
double checkedReal(double value);

} // namespace tavola
