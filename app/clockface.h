#pragma once

#include "clock/clockdisplay.h"

#include <Qt>

class QWidget;

namespace tavola {

class Desktop;
struct Controls;

WindowState windowStateOf(Qt::WindowStates states);

// The window as the clock sees it: the label lblTime, the caption, the state.
class WindowClockFace final : public ClockFace
{
public:
    WindowClockFace(QWidget &window, const Controls &controls, Desktop &desktop);

    std::string timeLabel() const override;
    void setTimeLabel(const std::string &text) override;
    WindowState windowState() const override;
    std::string caption() const override;
    void setCaption(const std::string &text) override;
    void beep() override;
    void showAlarm(const std::string &prompt) override;

private:
    QWidget &m_window;
    const Controls &m_controls;
    Desktop &m_desktop;
};

} // namespace tavola
