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

// The keyboard into the menu bar, as F10 does on the pupils' desktops: the first menu opens,
// the arrows move along the bar, Enter runs the highlighted entry, Escape gives the focus
// back to where it was.
void enterMenuBar(QMenuBar *bar);

// Once the bar is in its window: Alt alone leaves the bar alone.
void keepAltAloneOut(QMenuBar *bar);

} // namespace tavola
