#pragma once

#include "fakes.h"

#include "engine/game.h"
#include "engine/gameerror.h"

#include <QString>

#include <optional>

// A loaded game over a scripted random source and a clock that stands still.
struct Harness {
    tavola::GameState state;
    ScriptedRandom random;
    FixedClock clock;
    tavola::Game game{state, random, clock};

    Harness() { game.loadWindow(); }

    const tavola::WindowModel &view() const { return game.model(); }

    struct Verdict {
        QString message;
        int rightCount;
        int wrongCount;
    };

    // Types the text, presses Enter and reports the verdict; then puts the game back as
    // it was, so that one posed problem can be answered several ways.
    Verdict answer(const QString &typed)
    {
        const tavola::GameState savedState = state;
        const tavola::WindowModel savedView = game.model();
        game.model().txtAnswer = typed.toStdString();
        game.answerKeyPress('\r');
        const Verdict verdict{
            QString::fromStdString(view().lblMessage), state.rightCount, state.wrongCount};
        state = savedState;
        game.model() = savedView;
        return verdict;
    }
};

// Hundredths as the Italian textbook writes them: 196 -> "1,96", 180 -> "1,8", 900 -> "9".
inline QString decimalText(long hundredths)
{
    QString text = QString::number(hundredths / 100);
    if (const long fraction = hundredths % 100; fraction != 0) {
        text += QStringLiteral(",%1").arg(fraction, 2, 10, QLatin1Char('0'));
        if (text.endsWith(QLatin1Char('0')))
            text.chop(1);
    }
    return text;
}

// The kind of error the operation raised, or nothing when it went through.
template<typename Operation>
std::optional<tavola::ErrorKind> errorRaisedBy(Operation &&operation)
{
    try {
        operation();
    } catch (const tavola::GameError &error) {
        return error.kind();
    }
    return std::nullopt;
}
