// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The life of one key press, from the X event to the painted verdict through the handlers
// below, is mapped in the README ("One key press").

#include "app/accessibility.h"
#include "app/calculatorsearch.h"
#include "app/design.h"
#include "app/desktop.h"

#include "clock/clock.h"
#include "engine/game.h"
#include "engine/keys.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

namespace tavola {

// Says the time and the counts, wherever the focus is; Orca leaves it to the program.
inline constexpr Qt::Key timeAndCountsKey = Qt::Key_F2;

// The game's one window. The object lives for the whole run and owns the game; its
// controls belong to one load and are rebuilt from the design by every new game.
class Tavola : public QMainWindow
{
    Q_OBJECT

public:
    // With the system clock and a random source started from the system's entropy.
    Tavola();
    Tavola(std::unique_ptr<RandomSource> random, std::unique_ptr<TimeSource> clock,
        std::unique_ptr<Desktop> desktop = std::make_unique<SystemDesktop>());
    ~Tavola() override;

    // The last steps of start-up: shown maximised, then activated once.
    void showGame();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void cmdNext_Click();
    int txtAnswer_KeyPress(int keyCode, const QString &boxText);
    void new_Click();
    void calc_Click();
    void calculatorSearched(std::exception_ptr failure);
    void cmdExit_Click();
    void Timer1_Timer();

    void loadWindow();
    void connectHandlers();
    void render(const WindowModel *game, const ClockShows &clock = {});
    void renderGame(const WindowModel &model);
    void renderClock(const ClockShows &shows);
    FocusedControl focusedControl() const;
    void sayTimeAndCounts();
    void giveFocusBack();
    void endProgram();
    template<typename Operation>
    void runHandler(Operation &&operation);

    std::unique_ptr<RandomSource> m_random;
    std::unique_ptr<TimeSource> m_time;
    std::unique_ptr<Desktop> m_desktop;
    Game m_game;
    Clock m_clock;
    Controls m_controls;
    Speaker m_speaker;
    QTimer m_resizeSettle;
    // Last, so that a search still running is given up while the desktop is there.
    CalculatorSearch m_calculatorSearch;
};

} // namespace tavola
