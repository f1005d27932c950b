// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/clientarea.h"

#include <QLineEdit>

#include <functional>

namespace tavola {

// A text box of the design, with a focus cue of its own.
class EntryBox : public QLineEdit, public Scaled
{
    Q_OBJECT

public:
    EntryBox(const Row &row, QWidget *parent);

protected:
    void rescale() override;
    void paintEvent(QPaintEvent *event) override;

private:
};

// The answer box: every typed character goes through the game's key filter before the box
// sees it; text pasted or dropped loses its surrounding blanks and line breaks and must
// then hold only what the filter lets through. Enter goes up to the window, which decides
// what it does.
class AnswerBox : public EntryBox
{
    Q_OBJECT

public:
    // Takes a character code and the box's text, returns the code the box receives, 0 to
    // discard it.
    using KeyPressHandler = std::function<int(int characterCode, const QString &text)>;

    AnswerBox(const Row &row, QWidget *parent);

    void setKeyPressHandler(KeyPressHandler handler) { m_keyPress = std::move(handler); }

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    KeyPressHandler m_keyPress;
};

bool isEnterKey(const QKeyEvent &event);

} // namespace tavola
