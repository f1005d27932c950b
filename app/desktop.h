#pragma once

#include <QString>
#include <QStringList>

namespace tavola {

struct LaunchCommand {
    QString program;
    QStringList arguments;
};

// What the window asks of the desktop beyond its own widgets. Tests put a recorder in its
// place.
class Desktop
{
public:
    virtual ~Desktop() = default;

    // Starts the program on its own, not waited for; false if it could not be started.
    virtual bool startDetached(const LaunchCommand &command) = 0;
    virtual void beep() = 0;
    // Ends the program at once: the event loop returns and no further handler runs.
    virtual void endProgram() = 0;
};

class SystemDesktop final : public Desktop
{
public:
    bool startDetached(const LaunchCommand &command) override;
    void beep() override;
    void endProgram() override;
};

} // namespace tavola
