// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/drawing.h"

#include "app/artwork.h"
#include "app/design.h"

#include <QPainter>

#include <cmath>

namespace tavola {

Picture::Picture(const Row &row, QWidget *parent)
    : QWidget(parent)
    , Scaled(row)
{
    if (row.background) {
        QPalette shades = palette();
        shades.setColor(QPalette::Window, QColor::fromRgb(*row.background));
        setPalette(shades);
        setAutoFillBackground(true);
    }
    setScale(1.0);
}

void Picture::rescale()
{
    setGeometry(scaledPlace());
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_row.picture) {
        const QSize size = (QSizeF(m_row.drawingSize) * m_scale).toSize();
        painter.drawPixmap(
            0, 0, artwork(QString::fromLatin1(m_row.picture), size, devicePixelRatioF()));
    }
    if (hasFocus())
        drawFocusCue(painter, rect(), Qt::black);
}

Shape::Shape(const Row &row, QWidget *parent)
    : QWidget(parent)
    , Scaled(row)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setScale(1.0);
}

// A line's row holds its two ends; the bounds are the rectangle they span.
QRectF Shape::designedRect() const
{
    const twips::Rect &p = m_row.place;
    if (m_row.shape != ShapeKind::Line)
        return twips::exact(p);
    return twips::exact({p.left, p.top, p.width - p.left, p.height - p.top}).normalized();
}

void Shape::rescale()
{
    const qreal margin = m_row.penWidth + 1.0;
    const QRectF bounds =
        QRectF(designedRect().topLeft() * m_scale + m_origin, designedRect().size() * m_scale)
            .adjusted(-margin, -margin, margin, margin);
    setGeometry(QRect(QPoint(int(std::floor(bounds.left())), int(std::floor(bounds.top()))),
        QPoint(int(std::ceil(bounds.right())), int(std::ceil(bounds.bottom())))));
}

// Drawn in the design's own coordinates, to the fraction of a pixel it gives.
void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(QPointF(m_origin - pos()));
    painter.scale(m_scale / twips::perPixel, m_scale / twips::perPixel);
    const QColor color = QColor::fromRgb(*m_row.color);
    painter.setPen(
        QPen(color, m_row.penWidth * twips::perPixel, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    const twips::Rect &p = m_row.place;
    switch (m_row.shape) {
    case ShapeKind::Line:
        painter.drawLine(QLineF(p.left, p.top, p.width, p.height));
        break;
    case ShapeKind::Filled:
        painter.setBrush(color);
        painter.drawRect(QRectF(p.left, p.top, p.width, p.height));
        break;
    case ShapeKind::Outline:
        painter.drawRect(QRectF(p.left, p.top, p.width, p.height));
        break;
    }
}

} // namespace tavola
