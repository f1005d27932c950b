// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

namespace tavola {

// Reads the pupil's answer: decimal digits with at most one comma as the separator
// ("12,5", ",5", "5,", "007"), as the nearest single-precision value. The comma is the
// separator whatever the system locale says. Anything else (an empty text, a lone comma,
// two commas, any other character, a value beyond the single-precision range) is no number.
std::optional<float> parseAnswer(std::string_view text);

} // namespace tavola
