// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/messageboxes.h"

#include <QGridLayout>
#include <QMessageBox>

namespace tavola {

namespace {

struct BoxDesign {
    const char *name;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
};

// A window manager cuts a title that is wider than its box, and these titles carry the
// date. The box is made as wide as its title in a bold face, with room for the frame's icon
// and buttons.
void makeRoomForTitle(QMessageBox &box)
{
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int frameExtras = 8 * QFontMetrics(titleFont).height();
    const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + frameExtras;
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
            grid->rowCount(), 0, 1, grid->columnCount());
}

QMessageBox::StandardButton showBox(
    QWidget *window, const BoxDesign &design, const QString &title, const QString &text)
{
    QMessageBox box(design.icon, title, text, design.buttons, window);
    box.setObjectName(QLatin1String(design.name));
    box.setDefaultButton(design.defaultButton);
    makeRoomForTitle(box);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

void showRuntimeError(QWidget *window, const QString &message)
{
    showBox(window, {"runtimeError", QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok},
        QStringLiteral("Attenzione"), message);
}

bool confirmExit(QWidget *window)
{
    const BoxDesign question{
        "exitQuestion", QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No};
    return showBox(window, question, QStringLiteral("Uscire dal programma"),
               QStringLiteral("Vuoi veramente lasciarmi  ?"))
        != QMessageBox::No;
}

void sayGoodbye(QWidget *window, const QString &time, const QString &date)
{
    showBox(window, {"goodbye", QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok},
        QStringLiteral("Data ") + date, QStringLiteral("Ciao a presto. Ore ") + time);
}

} // namespace tavola
