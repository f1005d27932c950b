#include "app/desktop.h"

#include <QApplication>
#include <QProcess>

namespace tavola {

bool SystemDesktop::startDetached(const LaunchCommand &command)
{
    return QProcess::startDetached(command.program, command.arguments);
}

void SystemDesktop::beep()
{
    QApplication::beep();
}

void SystemDesktop::endProgram()
{
    QCoreApplication::exit(0);
}

} // namespace tavola
