// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace tavola {

inline constexpr int backspaceCode = 8;
inline constexpr int enterCode = 13;
inline constexpr int commaCode = 44;

enum class KeyVerdict {
    Pass,    // a digit, the comma or backspace: the box takes it
    Judge,   // Enter: the answer is judged
    Discard, // anything else never reaches the box
};

// The answer box's filter, by character code alone. The comma is the only separator
// that passes, whatever the system locale: a point would otherwise be typed and then
// read by no rule the pupil could see.
KeyVerdict filterAnswerKey(int characterCode);

// Where the keyboard focus is when Enter is pressed.
enum class FocusedControl { txtAnswer, cmdNext, cmdExit, Other };

enum class EnterAction { Judge, PoseNext, Exit, Nothing };

// The one rule for Enter: it presses the focused button; otherwise it presses cmdNext, the
// window's default button, while that is enabled; otherwise, in the answer box, it is
// typed there and judged.
EnterAction enterAction(FocusedControl focused, bool cmdNextEnabled);

// The text a box holds once `after` has replaced `before` by pasting or dropping: the piece
// that came in loses its surrounding blanks and line breaks ("12,5\n" pastes as "12,5").
std::string withInsertionTrimmed(std::string_view before, std::string_view after);

} // namespace tavola
