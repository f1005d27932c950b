// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QAction;
class QMenuBar;

namespace tavola {

struct MenuCommands {
    QAction *calc = nullptr;
    QAction *newGame = nullptr;
};

// The menu bar as designed: two menus of credits, then the commands "Calcolatrice" and
// "Nuovo gioco" straight on the bar.
MenuCommands buildMenus(QMenuBar *bar);

} // namespace tavola
