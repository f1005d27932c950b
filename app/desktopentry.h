#pragma once

#include "app/desktop.h"

#include <optional>

namespace tavola {

// The keys of a desktop entry's main group that say what it starts and where it belongs.
struct DesktopEntry {
    QString type;
    QString exec;
    QString tryExec;
    QStringList categories;
    bool hidden = false;
};

// Nothing when the file cannot be read or has no main group.
std::optional<DesktopEntry> readDesktopEntry(const QString &path);

// The program and arguments of an Exec line, with its field codes (%f, %U, ...) dropped:
// the program is started with no file. Nothing when the line is empty or badly quoted.
std::optional<LaunchCommand> commandOfExec(const QString &exec);

} // namespace tavola
