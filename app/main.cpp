#include "app/tavola.h"
#include "app/translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(TAVOLA_APP_ID));
    if (!tavola::installQtTranslations(application))
        qWarning("Traduzioni italiane di Qt non trovate: i pulsanti standard restano in inglese.");
    tavola::Tavola window;
    window.showGame();
    return application.exec();
}
