// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/windowmodel.h"

#include <QObject>
#include <QPointer>

#include <string>

namespace tavola {

struct Controls;

// Lets screen readers hear the design's labels in their spoken forms, the unit box as the
// plain text it is, and the menu bar's entries that open a menu as menus. Process-wide,
// once.
void installSpokenForms();

// Names the controls after the model for a screen reader, which says a control's name as
// the focus reaches it: the problem on the answer box, the verdict and the counts on
// "Nuovo calcolo" once, until the focus leaves it, the figure on the picture, the unit with
// what it measures on the unit box and the counts on the status bar.
class Speaker : public QObject
{
public:
    // Call it before the focus moves.
    void speak(const WindowModel &model, const Controls &controls);
    // Says the text without moving the focus; the source is where a reader that asks finds it.
    void announce(QWidget *source, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void announceOnFocus(QWidget *button, const std::string &announcement);
    void withdrawAnnouncement();

    QPointer<QWidget> m_button; // the button of this load that carries the verdicts
    QString m_usualName;
    std::string m_announced;
    QPointer<QWidget> m_notice; // where announcements show, under their control
};

} // namespace tavola
