// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/pointers.h"

#include "app/artwork.h"

#include <QGuiApplication>
#include <QPainter>

namespace tavola {

namespace {

qreal screenDensity()
{
    return qGuiApp->devicePixelRatio();
}

} // namespace

QCursor pencilPointer()
{
    return QCursor(artwork(QStringLiteral(":/assets/pencil.svg"), {32, 32}, screenDensity()), 1, 1);
}

QCursor squarePointer()
{
    const qreal density = screenDensity();
    QPixmap square(QSize(16, 16) * density);
    square.setDevicePixelRatio(density);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    // Black inside white, so it shows on every colour of the window.
    painter.setPen(QPen(Qt::white, 3));
    painter.drawRect(QRectF(4.5, 4.5, 7, 7));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(QRectF(4.5, 4.5, 7, 7));
    painter.end();
    return QCursor(square, 8, 8);
}

} // namespace tavola
