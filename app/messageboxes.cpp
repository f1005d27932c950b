// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/messageboxes.h"

#include <QGridLayout>
#include <QLabel>
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
    QWidget *window, const BoxDesign &design, const BoxText &title, const BoxText &text)
{
    QMessageBox box(design.icon, title.shown, text.shown, design.buttons, window);
    box.setObjectName(QLatin1String(design.name));
    box.setAccessibleName(title.spoken);
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
        label->setAccessibleName(text.spoken);
    box.setDefaultButton(design.defaultButton);
    makeRoomForTitle(box);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

void showRuntimeError(QWidget *window, const BoxText &message)
{
    const QString title = QStringLiteral("Attenzione");
    showBox(window, {"runtimeError", QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok},
        {title, title}, message);
}

bool confirmExit(QWidget *window)
{
    const BoxDesign question{
        "exitQuestion", QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No};
    const QString title = QStringLiteral("Uscire dal programma");
    return showBox(window, question, {title, title},
               {QStringLiteral("Vuoi veramente lasciarmi  ?"),
                   QStringLiteral("Vuoi veramente lasciarmi?")})
        != QMessageBox::No;
}

void sayGoodbye(QWidget *window, const BoxText &time, const BoxText &date)
{
    const QString data = QStringLiteral("Data "), ore = QStringLiteral("Ciao a presto. Ore ");
    showBox(window, {"goodbye", QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok},
        {data + date.shown, data + date.spoken}, {ore + time.shown, ore + time.spoken});
}

} // namespace tavola
