#pragma once

class QString;
class QWidget;

namespace tavola {

// A runtime error of a handler, told to the pupil in a modal box; the game goes on.
void showRuntimeError(QWidget *window, const QString &message);

} // namespace tavola
