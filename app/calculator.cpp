#include "app/calculator.h"

#include "app/desktopentry.h"
#include "app/messageboxes.h"

#include <QDir>
#include <QDirIterator>
#include <QSet>
#include <QStandardPaths>

namespace tavola {

namespace {

const QStringList wellKnownCalculators = {QStringLiteral("gnome-calculator"),
    QStringLiteral("kcalc"), QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"),
    QStringLiteral("galculator"), QStringLiteral("xcalc")};

QString installedPath(const QString &program)
{
    return QStandardPaths::findExecutable(program);
}

std::optional<LaunchCommand> calculatorOf(const QString &entryPath)
{
    const std::optional<DesktopEntry> entry = readDesktopEntry(entryPath);
    if (!entry || entry->hidden || entry->type != QLatin1String("Application")
        || !entry->categories.contains(QLatin1String("Calculator")))
        return std::nullopt;
    if (!entry->tryExec.isEmpty() && installedPath(entry->tryExec).isEmpty())
        return std::nullopt;
    const std::optional<LaunchCommand> command = commandOfExec(entry->exec);
    if (!command || installedPath(command->program).isEmpty())
        return std::nullopt;
    return command;
}

QStringList applicationFolders()
{
    return QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
}

// Folders come in order of precedence, and an entry hides those of the same id (its path
// below the folder) in later folders, as desktops do: the user's copy of an entry wins.
std::vector<LaunchCommand> calculatorsOfDesktopEntries()
{
    std::vector<LaunchCommand> found;
    QSet<QString> seenIds;
    for (const QString &folder : applicationFolders()) {
        QStringList paths;
        QDirIterator entries(folder, {QStringLiteral("*.desktop")}, QDir::Files,
            QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (entries.hasNext())
            paths << entries.next();
        paths.sort();
        for (const QString &path : std::as_const(paths)) {
            const QString id =
                QDir(folder).relativeFilePath(path).replace(QLatin1Char('/'), QLatin1Char('-'));
            if (seenIds.contains(id))
                continue;
            seenIds.insert(id);
            if (std::optional<LaunchCommand> command = calculatorOf(path))
                found.push_back(std::move(*command));
        }
    }
    return found;
}

QStringList whatWasLookedFor()
{
#if defined(Q_OS_WIN)
    return {QStringLiteral("il programma calc.exe")};
#elif defined(Q_OS_MACOS)
    return {QStringLiteral("l'applicazione Calculator")};
#else
    return {QStringLiteral("le applicazioni della categoria Calculator in %1")
                .arg(applicationFolders().join(QStringLiteral(", "))),
        QStringLiteral("i programmi %1").arg(wellKnownCalculators.join(QStringLiteral(", ")))};
#endif
}

} // namespace

std::vector<LaunchCommand> installedCalculators()
{
#if defined(Q_OS_WIN)
    return {{QStringLiteral("calc.exe"), {}}};
#elif defined(Q_OS_MACOS)
    return {{QStringLiteral("open"), {QStringLiteral("-a"), QStringLiteral("Calculator")}}};
#else
    std::vector<LaunchCommand> found = calculatorsOfDesktopEntries();
    for (const QString &program : wellKnownCalculators) {
        if (const QString path = installedPath(program); !path.isEmpty())
            found.push_back({path, {}});
    }
    return found;
#endif
}

void startCalculator(Desktop &desktop)
{
    QStringList refused;
    for (const LaunchCommand &command : installedCalculators()) {
        if (desktop.startDetached(command))
            return;
        refused << command.program;
    }
    QStringList message{QStringLiteral("Non riesco ad aprire una calcolatrice.")};
    if (!refused.isEmpty())
        message
            << QStringLiteral("Non si sono avviati: %1.").arg(refused.join(QStringLiteral(", ")));
    message << QString() << QStringLiteral("Ho cercato:");
    for (const QString &place : whatWasLookedFor())
        message << QStringLiteral("• ") + place;
    message << QString() << QStringLiteral("Chiedi all'insegnante di installarne una.");
    throw WindowError(message.join(QLatin1Char('\n')).toStdString());
}

} // namespace tavola
