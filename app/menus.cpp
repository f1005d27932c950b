// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/menus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QProxyStyle>

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

// The application's style, with the bar's keyboard mode on: Fusion leaves it off, and then
// neither Alt nor F10 puts the keys in the bar.
class KeyboardMenuStyle final : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
        QStyleHintReturn *returned) const override
    {
        return hint == SH_MenuBar_AltKeyNavigation
            ? 1
            : QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

// Alt pressed and released alone would put the keys in the bar too, as on another desktop;
// with a screen reader, Qt hands Alt to the window only once the reader has had it, after the
// letter's shortcut has opened its menu, and Alt would then close it again. F10 is the key.
class AltAloneStaysOut final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        return key == Qt::Key_Alt || key == Qt::Key_Meta;
    }
};

} // namespace

MenuCommands buildMenus(QMenuBar *bar)
{
    auto *style = new KeyboardMenuStyle;
    style->setParent(bar);
    bar->setStyle(style);

    QMenu *scuola = addMenu(bar, "scuola", "&Scuola");
    addItem(scuola, "software", "Tavola: esercizi sul triangolo rettangolo");

    QMenu *ciao = addMenu(bar, "Ciao_1", "C&iao");
    addItem(ciao, "credits", "Fatto con cura per chi impara la geometria");
    addItem(ciao, "Tmer_2", "Un problema alla volta, senza fretta");
    addItem(ciao, "pop", "Buon divertimento!");

    return {addCommand(bar, "calc", "Calcolatrice"), addCommand(bar, "new", "Nuovo gioco")};
}

// As the first menu's access key does, through Qt's shortcut map as a key press sent by the
// program goes: the menu opens, and the bar takes the keys and remembers where the focus was.
void keepAltAloneOut(QMenuBar *bar)
{
    // Installed after the bar's own filter on the window, so it sees the key first.
    bar->window()->installEventFilter(new AltAloneStaysOut(bar));
}

void enterMenuBar(QMenuBar *bar)
{
    QWidget *focused = QApplication::focusWidget();
    const QList<QAction *> entries = bar->actions();
    if (!focused || entries.isEmpty())
        return;
    const QKeyCombination accessKey = QKeySequence::mnemonic(entries.first()->text())[0];
    QKeyEvent press(QEvent::KeyPress, accessKey.key(), accessKey.keyboardModifiers());
    QCoreApplication::sendEvent(focused, &press);
}

} // namespace tavola
