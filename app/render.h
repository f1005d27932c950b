#pragma once

#include "app/controls.h"

#include "engine/windowmodel.h"

namespace tavola {

// Shows the model in the controls. A focus request is carried out once and then
// withdrawn from the model.
void render(WindowModel &model, const Controls &controls);

} // namespace tavola
