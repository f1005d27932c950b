#include "app/answerbox.h"

#include "engine/judging.h"

#include <QAbstractButton>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QValidator>

namespace tavola {

namespace {

constexpr int backspaceCode = 8;
constexpr int enterCode = 13;

// The last word on what the box may hold, whatever way the text came in.
class FilteredTextValidator final : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        for (const QChar character : input) {
            if (character.unicode() == backspaceCode
                || filterAnswerKey(character.unicode()) != KeyVerdict::Pass)
                return Invalid;
        }
        return Acceptable;
    }
};

} // namespace

bool isEnterKey(const QKeyEvent &event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

std::optional<int> typedCharacterCode(const QKeyEvent &event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    if (event.key() == Qt::Key_Backspace)
        return backspaceCode;
    if (isEnterKey(event))
        return enterCode;
    const QString text = event.text();
    if (text.isEmpty() || text.front() == QChar(0x7f))
        return std::nullopt;
    return text.front().unicode();
}

AnswerBox::AnswerBox(QWidget *parent)
    : QLineEdit(parent)
{
    setValidator(new FilteredTextValidator(this));
    setInputMethodHints(Qt::ImhFormattedNumbersOnly);
}

void AnswerBox::keyPressEvent(QKeyEvent *event)
{
    if (isEnterKey(*event) && defaultButtonTakesEnter()) {
        event->ignore();
        return;
    }
    const std::optional<int> code = typedCharacterCode(*event);
    if (!code) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int passed = m_keyPress ? m_keyPress(*code) : *code;
    // A single-line box has nothing to do with Enter once it has been judged.
    if (passed == 0 || passed == enterCode) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
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

bool AnswerBox::defaultButtonTakesEnter() const
{
    return m_defaultButton && m_defaultButton->isEnabled();
}

} // namespace tavola
