#include "app/clockface.h"

#include "app/controls.h"
#include "app/designlabel.h"
#include "app/desktop.h"
#include "app/messageboxes.h"

namespace tavola {

WindowState windowStateOf(Qt::WindowStates states)
{
    // A minimised window may keep its maximised flag for when it comes back.
    if (states & Qt::WindowMinimized)
        return WindowState::Minimised;
    if (states & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return WindowState::Maximised;
    return WindowState::Normal;
}

WindowClockFace::WindowClockFace(QWidget &window, const Controls &controls, Desktop &desktop)
    : m_window(window)
    , m_controls(controls)
    , m_desktop(desktop)
{
}

std::string WindowClockFace::timeLabel() const
{
    return m_controls.lblTime->text().toStdString();
}

void WindowClockFace::setTimeLabel(const std::string &text)
{
    m_controls.lblTime->setCaption(QString::fromStdString(text));
}

WindowState WindowClockFace::windowState() const
{
    return windowStateOf(m_window.windowState());
}

std::string WindowClockFace::caption() const
{
    return m_window.windowTitle().toStdString();
}

void WindowClockFace::setCaption(const std::string &text)
{
    m_window.setWindowTitle(QString::fromStdString(text));
}

void WindowClockFace::beep()
{
    m_desktop.beep();
}

void WindowClockFace::showAlarm(const std::string &prompt)
{
    tavola::showAlarm(&m_window, QString::fromStdString(prompt));
}

} // namespace tavola
