#pragma once

#include <array>

class QLineEdit;
class QTimer;
class QToolButton;
class QWidget;

namespace tavola {

class AnswerBox;
class DesignLabel;
class Picture;

// The controls of one load of the window that the game and the clock address. They are
// children of the client area and die with it at unload.
struct Controls {
    DesignLabel *lblcat1 = nullptr;
    DesignLabel *Lblcat2 = nullptr;
    DesignLabel *lblipoeu = nullptr;
    DesignLabel *Lblalt = nullptr;
    DesignLabel *Lblpro1 = nullptr;
    DesignLabel *Lblpro2 = nullptr;
    std::array<DesignLabel *, 3> Label2{};

    DesignLabel *Label5 = nullptr;
    AnswerBox *txtAnswer = nullptr;
    QLineEdit *Text1 = nullptr;
    DesignLabel *lblMessage = nullptr;
    DesignLabel *lblTime = nullptr;
    DesignLabel *lblScore = nullptr;
    DesignLabel *lblScore1 = nullptr;
    DesignLabel *lblScore2 = nullptr;
    Picture *Picture3 = nullptr;
    QToolButton *cmdNext = nullptr;
    QToolButton *cmdExit = nullptr;
    QWidget *StatusBar1 = nullptr;
    QTimer *Timer1 = nullptr;
};

} // namespace tavola
