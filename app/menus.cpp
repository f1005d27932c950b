// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/menus.h"

#include <QMenuBar>

namespace tavola {

namespace {

QAction *addItem(QMenu *menu, const char *name, const char *caption)
{
    QAction *item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(QLatin1String(name));
    return item;
}

QMenu *addMenu(QMenuBar *bar, const char *name, const char *caption)
{
    QMenu *menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction *addCommand(QMenuBar *bar, const char *name, const char *caption)
{
    QAction *command = bar->addAction(QString::fromUtf8(caption));
    command->setObjectName(QLatin1String(name));
    return command;
}

} // namespace

MenuCommands buildMenus(QMenuBar *bar)
{
    QMenu *scuola = addMenu(bar, "scuola", "&Scuola");
    addItem(scuola, "software", "Tavola: esercizi sul triangolo rettangolo");

    QMenu *ciao = addMenu(bar, "Ciao_1", "C&iao");
    addItem(ciao, "credits", "Fatto con cura per chi impara la geometria");
    addItem(ciao, "Tmer_2", "Un problema alla volta, senza fretta");
    addItem(ciao, "pop", "Buon divertimento!");

    return {addCommand(bar, "calc", "Calcolatrice"), addCommand(bar, "new", "Nuovo gioco")};
}

} // namespace tavola
