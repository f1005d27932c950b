// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tavola.h"
#include "app/translations.h"

#include <QApplication>

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
    std::fprintf(stderr,
        "Tavola non può aprire la sua finestra: qui non c'è uno schermo grafico (DISPLAY=%s). "
        "Avviala da una sessione desktop.\n",
        qgetenv("DISPLAY").isEmpty() ? "vuoto" : qgetenv("DISPLAY").constData());
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
