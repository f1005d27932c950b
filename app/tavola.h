#pragma once

#include "app/controls.h"

#include "engine/game.h"

#include <QMainWindow>

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
    Tavola(std::unique_ptr<RandomSource> random, std::unique_ptr<TimeSource> clock);
    ~Tavola() override;

    // The last steps of start-up: shown maximised, then activated once.
    void showGame();

    void Form_Load();
    void Form_Activate();
    void cmdNext_Click();
    int txtAnswer_KeyPress(int keyCode);
    void new_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void loadWindow();
    void unloadWindow();
    void applyWindowDesign();
    void connectHandlers();
    void render();
    template<typename Operation>
    void runHandler(Operation &&operation);

    std::unique_ptr<RandomSource> m_random;
    std::unique_ptr<TimeSource> m_clock;
    GameState m_state;
    Game m_game;
    Controls m_controls;
};

} // namespace tavola
