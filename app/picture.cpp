#include "app/picture.h"

#include <QPainter>

namespace tavola {

Picture::Picture(const QString &resource, const QRect &designed, QWidget *parent)
    : QWidget(parent)
    , m_renderer(resource)
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
    m_renderer.render(&painter, QRectF(QPointF(0, 0), m_renderer.defaultSize()));
}

} // namespace tavola
