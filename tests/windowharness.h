#pragma once

// The real window over scripted randomness, a clock the test sets, and a desktop that
// records what the window asks of it.
#include "fakes.h"

#include "app/desktop.h"
#include "app/tavola.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

class RecordingDesktop final : public tavola::Desktop
{
public:
    bool startDetached(const tavola::LaunchCommand &command) override
    {
        started.push_back(command);
        return !refuses.contains(command.program);
    }
    void beep() override { ++beeps; }
    void endProgram() override { ++endings; }

    QStringList refuses;
    std::vector<tavola::LaunchCommand> started;
    int beeps = 0;
    int endings = 0;
};

// Two problems in turn: kind 1 from n = 3 (AB 6, AC 8, asked BC = 10), then kind 2 from
// n = 4 (AB 8, BC 17, asked AC = 15).
inline void scriptTwoProblems(ScriptedRandom &random)
{
    random.script({rFor(1, 1, 15), rFor(3, 3, 5), rFor(2, 1, 15), rFor(4, 3, 5)});
    random.loop();
}

struct PlayedWindow {
    ScriptedRandom *random;
    FixedClock *clock;
    RecordingDesktop *desktop;
    std::unique_ptr<tavola::Tavola> window;

    template<typename Control = QWidget>
    Control *child(const char *name) const
    {
        return window->findChild<Control *>(QLatin1String(name));
    }
    QString caption(const char *name) const { return child<QLabel>(name)->text(); }
    QLineEdit *answerBox() const { return child<QLineEdit>("txtAnswer"); }
    QToolButton *next() const { return child<QToolButton>("cmdNext"); }
    QList<QString> scores() const
    {
        return {caption("lblScore"), caption("lblScore1"), caption("lblScore2")};
    }
    int draws() const
    {
        return int(std::count(random->calls.begin(), random->calls.end(), RandomCall(Draw{})));
    }

    void answer(const QString &typed) const
    {
        QTest::keyClicks(answerBox(), typed);
        QTest::keyClick(answerBox(), Qt::Key_Return);
    }

    // What the pupil sees of the game: the question, the figure's visible values, the box,
    // the verdict and the counts.
    QStringList gameInView() const
    {
        QStringList seen{caption("Label5"), answerBox()->text(), caption("lblMessage")};
        for (const char *name : {"lblcat1", "Lblcat2", "lblipoeu", "Lblalt", "Lblpro1", "Lblpro2"})
            seen << (child(name)->isVisible() ? caption(name) : QStringLiteral("-"));
        return seen + scores();
    }
};

inline PlayedWindow startGame()
{
    auto random = std::make_unique<ScriptedRandom>();
    scriptTwoProblems(*random);
    auto clock = std::make_unique<FixedClock>();
    auto desktop = std::make_unique<RecordingDesktop>();
    PlayedWindow game{random.get(), clock.get(), desktop.get(), nullptr};
    game.window =
        std::make_unique<tavola::Tavola>(std::move(random), std::move(clock), std::move(desktop));
    game.window->showGame();
    return game;
}

// A modal box as the pupil met it.
struct SeenBox {
    QString name;
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QStringList buttons; // without the access-key marks, sorted
    QString defaultButton;

    friend bool operator==(const SeenBox &, const SeenBox &) = default;
};

// QCOMPARE shows a box that differs as the box's fields.
inline char *toString(const SeenBox &box)
{
    return QTest::toString(QStringLiteral("%1 [%2] \"%3\" icon %4 buttons %5 default %6")
                               .arg(box.name, box.title, box.text, QString::number(box.icon),
                                   box.buttons.join(QLatin1Char('/')), box.defaultButton));
}

// Answers every modal box the window opens, by default with its default button, and keeps
// what each one showed.
class ModalBoxes : public QObject
{
public:
    using Answer = std::function<void(QMessageBox &)>;

    explicit ModalBoxes(Answer answer = pressDefaultButton)
        : m_answer(std::move(answer))
    {
        connect(&m_poll, &QTimer::timeout, this, &ModalBoxes::answerOpenBox);
        m_poll.start(5);
    }

    static void pressDefaultButton(QMessageBox &box)
    {
        box.defaultButton() ? box.defaultButton()->click() : box.reject();
    }

    QStringList texts() const
    {
        QStringList all;
        for (const SeenBox &box : seen)
            all << box.text;
        return all;
    }

    std::vector<SeenBox> seen;

private:
    void answerOpenBox()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == m_answered)
            return;
        m_answered = box;
        seen.push_back(describe(*box));
        m_answer(*box);
    }

    static SeenBox describe(const QMessageBox &box)
    {
        SeenBox seen{box.objectName(), box.windowTitle(), box.text(), box.icon(), {}, {}};
        for (const QAbstractButton *button : box.buttons())
            seen.buttons << QString(button->text()).remove(QLatin1Char('&'));
        seen.buttons.sort();
        if (box.defaultButton())
            seen.defaultButton = box.defaultButton()->text().remove(QLatin1Char('&'));
        return seen;
    }

    Answer m_answer;
    QTimer m_poll;
    // A guarded pointer: a later box may be given the address of one already closed.
    QPointer<QMessageBox> m_answered;
};
