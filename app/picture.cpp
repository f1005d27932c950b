#include "app/picture.h"

#include "app/artwork.h"

#include <QPainter>

namespace tavola {

Picture::Picture(
    const QString &resource, const QSize &drawingSize, const QRect &designed, QWidget *parent)
    : QWidget(parent)
    , m_resource(resource)
    , m_drawingSize(drawingSize)
{
    setGeometry(designed);
}

void Picture::fillBackground(const QColor &color)
{
    QPalette shades = palette();
    shades.setColor(QPalette::Window, color);
    setPalette(shades);
    setAutoFillBackground(true);
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, artwork(m_resource, m_drawingSize, devicePixelRatioF()));
}

} // namespace tavola
