// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>

class QString;
class QWidget;

namespace tavola {

// An error of the window's own (a calculator that will not start), whose text is for the
// pupil.
class WindowError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The window's modal boxes. Each returns once the pupil has closed it.

// A runtime error of a handler; the game goes on.
void showRuntimeError(QWidget *window, const QString &message);

// "Vuoi veramente lasciarmi  ?" with No as the default: true unless the answer is No.
bool confirmExit(QWidget *window);

void sayGoodbye(QWidget *window, const QString &time, const QString &date);

} // namespace tavola
