#pragma once

#include "app/controls.h"

namespace tavola {

// The triangle ABC with its value labels and coloured strokes, stacked from back to front:
// Label2(0) and Label2(2), the panel Shape5, Label2(1), the picture, the value labels, the
// strokes.
void buildFigure(QWidget *client, Controls &controls);

} // namespace tavola
