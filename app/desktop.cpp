// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/desktop.h"

#include "app/calculator.h"

#include <QApplication>

namespace tavola {

bool SystemDesktop::start(const Calculator &calculator, QString &error)
{
    return calculator.launch(error);
}

void SystemDesktop::endProgram()
{
    QCoreApplication::exit(0);
}

} // namespace tavola
