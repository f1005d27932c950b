// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

typedef struct _GAppInfo GAppInfo;

namespace tavola {

// A calculator the desktop offers: a desktop entry of the category Calculator, or a
// well-known calculator program on the PATH.
class Calculator
{
public:
    // Takes over the reference. The id: the desktop entry's; for a program on the PATH, no
    // entry and its path.
    Calculator(GAppInfo *application, const QString &id);

    QString id() const { return m_id; }
    bool launch(QString &error) const;

private:
    std::shared_ptr<GAppInfo> m_application;
    QString m_id;
};

// The desktop's calculators, best first, only those installed: the entries of the user's
// applications folder, then the system's, each folder in the order of its ids; then the
// well-known programs.
std::vector<Calculator> installedCalculators();

// How a calculator is started: false, with the reason, when it will not start.
using StartCalculator = std::function<bool(const Calculator &calculator, QString &error)>;

// Starts the first calculator that will start, and leaves it alone. Throws a WindowError
// naming what was looked for when none would.
void startCalculator(const StartCalculator &start);

} // namespace tavola
