#include "app/errorbox.h"

#include <QMessageBox>

namespace tavola {

void showRuntimeError(QWidget *window, const QString &message)
{
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Attenzione"), message, QMessageBox::Ok, window);
    box.setObjectName(QStringLiteral("runtimeError"));
    box.exec();
}

} // namespace tavola
