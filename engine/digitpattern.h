// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace tavola {

// Formats a number with a digit-placeholder pattern such as "####.##" or "###0":
//   '#' a digit shown only where significant (no leading zeros, no trailing decimal zeros),
//   '0' a digit always shown,
//   '.' the decimal separator, written as the Italian comma and always shown when present.
// The value is rounded half away from zero to the pattern's decimals, working on its
// decimal form to 15 significant digits, so 2.675 gives "2,68" with "###.##" although the
// double lies a little below 2.675. Integer digits beyond the pattern's places are all
// shown. Zero with "####" is the empty text. A non-finite value raises a floating-point error.
std::string formatWithPattern(double value, std::string_view pattern);

// A length as the pupil reads it: up to two decimals, and a whole one without the
// separator, so that 9 never shows as "9,".
std::string lengthText(double length);

inline constexpr char decimalSeparator = ',';

} // namespace tavola
