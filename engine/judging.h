#pragma once

#include "engine/gamecontext.h"

namespace tavola {

enum class KeyVerdict {
    Pass,    // a digit, the comma or backspace: the box takes it
    Judge,   // Enter: the answer is judged
    Discard, // anything else never reaches the box
};

// The answer box's filter, by character code alone. The comma is the only separator
// that passes, whatever the system locale: a point would otherwise be typed and then
// read by no rule the pupil could see.
KeyVerdict filterAnswerKey(int characterCode);

// Judges the answer box: an empty box counts as 0; the text must read as a number
// (otherwise nothing is counted); exact single-precision equality with the expected
// answer; the verdict, the counts and the hand-over of the focus to cmdNext.
void judgeAnswer(GameContext &game);

inline constexpr char rightVerdict[] = "Esatto. Sei in gamba!!!";
inline constexpr char wrongVerdict[] = "Sbagliato!! ";

} // namespace tavola
