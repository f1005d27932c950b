// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/windowmodel.h"

class QWidget;

namespace tavola {

// Lets screen readers hear the design's labels in their spoken forms. Process-wide, once.
void installSpokenLabels();

// The question as an equation on the answer box, and the verdict on the button that takes
// the focus after it, so that a screen reader says both where the pupil is.
void speakQuestion(const WindowModel &model, QWidget *txtAnswer, QWidget *cmdNext);

} // namespace tavola
