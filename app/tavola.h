#pragma once

#include "app/clockface.h"
#include "app/controls.h"
#include "app/desktop.h"

#include "clock/clockdisplay.h"
#include "engine/game.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

namespace tavola {

// The game's one window. The object lives for the whole run and owns the game state; its
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

    void Form_Load();
    void Form_Activate();
    void cmdNext_Click();
    int txtAnswer_KeyPress(int keyCode);
    void new_Click();
    void calc_Click();
    void cmdExit_Click();
    void Timer1_Timer();
    void Form_Resize();

    // The clock's alarm is set here, if anywhere: no control of the window sets it.
    ClockDisplay &clockDisplay() { return m_clockDisplay; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void loadWindow();
    void unloadWindow();
    void applyWindowDesign();
    void connectHandlers();
    void render();
    void endProgram();
    WindowClockFace clockFace();
    void prepareResizeSettle();
    template<typename Operation>
    void runHandler(Operation &&operation);

    std::unique_ptr<RandomSource> m_random;
    std::unique_ptr<TimeSource> m_clock;
    std::unique_ptr<Desktop> m_desktop;
    GameState m_state;
    Game m_game;
    ClockDisplay m_clockDisplay;
    Controls m_controls;
    QTimer m_resizeSettle;
};

} // namespace tavola
