#include "app/tavola.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    tavola::Tavola window;
    window.showGame();
    return application.exec();
}
