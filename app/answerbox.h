#pragma once

#include <QLineEdit>

#include <functional>
#include <optional>

class QAbstractButton;

namespace tavola {

// The answer box: every typed character goes through the game's key filter before the box
// sees it; pasted and dropped text must consist of characters the filter lets through.
class AnswerBox : public QLineEdit
{
    Q_OBJECT

public:
    // Takes a character code and returns the code the box receives, 0 to discard it.
    using KeyPressHandler = std::function<int(int characterCode)>;

    explicit AnswerBox(QWidget *parent);

    void setKeyPressHandler(KeyPressHandler handler) { m_keyPress = std::move(handler); }
    // While this button is enabled, Enter belongs to the window (which clicks it) and is
    // not judged.
    void setDefaultButton(QAbstractButton *button) { m_defaultButton = button; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    bool defaultButtonTakesEnter() const;

    KeyPressHandler m_keyPress;
    QAbstractButton *m_defaultButton = nullptr;
};

bool isEnterKey(const QKeyEvent &event);

// The character code a key press types, or nothing for editing keys and shortcuts, which
// type no character (arrows, Delete, Home, Ctrl+V).
std::optional<int> typedCharacterCode(const QKeyEvent &event);

} // namespace tavola
