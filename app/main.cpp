// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tavola.h"
#include "app/translations.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Until the application has its display, Qt's messages are held back: where no display can
// be used, Qt ends the program with advice to reinstall it, and the pupil should read one
// line that says what is really wrong instead.
QtMessageHandler qtMessages = nullptr;
bool startingUp = true;
std::vector<std::pair<QtMsgType, QString>> heldBack;

// Qt tries Wayland first where WAYLAND_DISPLAY is set and falls back to X11 by itself; so when
// no display could be used on a Wayland session without Qt's Wayland plugin, the missing
// plugin is what the pupil's computer lacks.
bool waylandPluginInstalled()
{
    const QStringList plugin{QStringLiteral("*qwayland*")};
    for (const QString &folder : QCoreApplication::libraryPaths())
        if (!QDir(folder + QStringLiteral("/platforms")).entryList(plugin, QDir::Files).isEmpty())
            return true;
    return false;
}

// One line, in words a screen reader reads as they stand.
QByteArray whatIsMissing()
{
    const QByteArray opening = "Tavola non può aprire la sua finestra: ";
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !waylandPluginInstalled())
        return opening
            + "alla sessione Wayland manca il modulo di Qt per Wayland, il pacchetto "
              "qt6-wayland. Installalo e riavvia Tavola.\n";
    const QByteArray display = qgetenv("DISPLAY");
    return opening + "qui non c'è uno schermo grafico ("
        + (display.isEmpty() ? "la variabile DISPLAY è vuota"
                             : "la variabile DISPLAY vale " + display)
        + "). Avviala da una sessione desktop.\n";
}

void startUpMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!startingUp) {
        qtMessages(type, context, message);
        return;
    }
    if (type != QtFatalMsg) {
        heldBack.emplace_back(type, message);
        return;
    }
    std::fputs(whatIsMissing().constData(), stderr);
    std::_Exit(1);
}

} // namespace

int main(int argc, char *argv[])
{
    qtMessages = qInstallMessageHandler(startUpMessages);
    QApplication application(argc, argv);
    startingUp = false;
    for (const auto &[type, message] : heldBack)
        qtMessages(type, QMessageLogContext(), message);
    QGuiApplication::setDesktopFileName(QStringLiteral(TAVOLA_APP_ID));
    if (!tavola::installQtTranslations(application))
        qWarning("Traduzioni italiane di Qt non trovate: i pulsanti standard restano in inglese.");
    tavola::Tavola window;
    window.showGame();
    return application.exec();
}
