#pragma once

class QWidget;

namespace tavola {

struct Controls;

// Lets screen readers hear the game's labels in their spoken forms. Process-wide, once.
void installSpokenLabels();

// Italian names and descriptions for one load of the window's controls.
void describeControls(QWidget *window, const Controls &controls);

// The question as an equation on the answer box, and the verdict on the button that takes
// the focus after it, so that a screen reader says both where the pupil is.
void speakQuestion(const Controls &controls);

} // namespace tavola
