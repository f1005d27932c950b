// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/entrybox.h"

#include "app/design.h"

#include "engine/keys.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QToolTip>
#include <QValidator>

#include <optional>

namespace tavola {

namespace {

bool passesFilter(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() != backspaceCode && filterAnswerKey(c.unicode()) == KeyVerdict::Pass;
    });
}

// The last word on what the box may hold, whatever way the text came in. It remembers the
// text it last let through, to tell a pasted or dropped piece from what was there.
class AnswerValidator final : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override
    {
        if (!passesFilter(input)) {
            const QString trimmed = QString::fromStdString(
                withInsertionTrimmed(m_accepted.toStdString(), input.toStdString()));
            if (!passesFilter(trimmed))
                return Invalid;
            position =
                std::clamp(position - int(input.size() - trimmed.size()), 0, int(trimmed.size()));
            input = trimmed;
        }
        m_accepted = input;
        return Acceptable;
    }

private:
    mutable QString m_accepted;
};

// The character code a key press types, or nothing for editing keys and shortcuts, which
// type no character (arrows, Delete, Home, Ctrl+V). The keypad's decimal key types the
// comma, whatever the keyboard layout puts on it.
std::optional<int> typedCharacterCode(const QKeyEvent &event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    if (event.key() == Qt::Key_Backspace)
        return backspaceCode;
    const bool keypadDecimal = (event.modifiers() & Qt::KeypadModifier)
        && (event.key() == Qt::Key_Period || event.key() == Qt::Key_Comma);
    if (keypadDecimal)
        return commaCode;
    // Escape and Delete come with a control character, which types nothing.
    const QString text = event.text();
    if (text.isEmpty() || !text.front().isPrint())
        return std::nullopt;
    return text.front().unicode();
}

} // namespace

EntryBox::EntryBox(const Row &row, QWidget *parent)
    : QLineEdit(parent)
    , Scaled(row)
{
    QPalette shades = palette();
    shades.setColor(QPalette::Text, QColor::fromRgb(*row.color));
    shades.setColor(QPalette::Base, QColor::fromRgb(*row.background));
    setPalette(shades);
    setAlignment(row.alignment);
    setText(QString::fromUtf8(row.caption));
    setScale(1.0);
}

void EntryBox::rescale()
{
    placeAt(this);
}

void EntryBox::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        drawFocusCue(painter, rect(), QColor::fromRgb(*m_row.color));
    }
}

AnswerBox::AnswerBox(const Row &row, QWidget *parent)
    : EntryBox(row, parent)
{
    setMaxLength(6);
    setValidator(new AnswerValidator(this));
    setInputMethodHints(Qt::ImhFormattedNumbersOnly);
}

bool AnswerBox::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return EntryBox::event(event);
    QToolTip::showText(
        static_cast<QHelpEvent *>(event)->globalPos(), QString::fromUtf8(m_row.hover), this);
    return true;
}

bool isEnterKey(const QKeyEvent &event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

void AnswerBox::keyPressEvent(QKeyEvent *event)
{
    if (isEnterKey(*event)) {
        event->ignore();
        return;
    }
    const std::optional<int> code = typedCharacterCode(*event);
    if (!code)
        return QLineEdit::keyPressEvent(event);
    const int passed = m_keyPress ? m_keyPress(*code, text()) : *code;
    if (passed == backspaceCode)
        return QLineEdit::keyPressEvent(event);
    // The box takes the character the filter passed on, not the key's own text.
    if (passed != 0)
        insert(QString(QChar(passed)));
    event->accept();
}

// Text an input method is still composing never shows in the box, only what it commits. Qt
// keeps the composed text's place when the validator refuses a commit, so a click could
// then put the cursor past the end of the text, and the next digit would pad the box with
// blanks that the validator never sees.
void AnswerBox::inputMethodEvent(QInputMethodEvent *event)
{
    QInputMethodEvent committed;
    committed.setCommitString(
        event->commitString(), event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&committed);
    event->setAccepted(committed.isAccepted());
}

// A drop is only ever a copy: the source keeps what was dragged. One the box refuses is
// ignored, so that the source does not think it delivered.
void AnswerBox::dragEnterEvent(QDragEnterEvent *event)
{
    if (!event->mimeData()->hasText())
        return event->ignore();
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void AnswerBox::dragMoveEvent(QDragMoveEvent *event)
{
    QLineEdit::dragMoveEvent(event);
    if (event->isAccepted()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void AnswerBox::dropEvent(QDropEvent *event)
{
    const QString before = text();
    deselect();
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    insert(event->mimeData()->text());
    if (text() == before)
        return event->ignore();
    event->setDropAction(Qt::CopyAction);
    event->accept();
    setFocus(Qt::MouseFocusReason);
}

} // namespace tavola
