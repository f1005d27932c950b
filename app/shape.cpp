#include "app/shape.h"

#include "app/twips.h"

#include <QPainter>

#include <cmath>

namespace tavola {

Shape::Shape(const ShapeDesign &design, QWidget *parent)
    : QWidget(parent)
    , m_design(design)
{
    setObjectName(QLatin1String(design.name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const qreal margin = design.width + 1.0;
    const QRectF reach = exactBounds().adjusted(-margin, -margin, margin, margin);
    setGeometry(QRect(QPoint(int(std::floor(reach.left())), int(std::floor(reach.top()))),
        QPoint(int(std::ceil(reach.right())), int(std::ceil(reach.bottom())))));
}

QRectF Shape::exactBounds() const
{
    const ShapeDesign &d = m_design;
    if (d.kind == ShapeKind::Line) {
        const QLineF line = twips::line(d.a, d.b, d.c, d.d);
        return QRectF(line.p1(), line.p2()).normalized();
    }
    return twips::exactRect(d.a, d.b, d.c, d.d);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn in the client area's coordinates, to the fraction of a pixel the design gives.
    painter.translate(-QPointF(pos()));
    const QColor color = QColor::fromRgb(m_design.color);
    painter.setPen(QPen(color, m_design.width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    const ShapeDesign &d = m_design;
    switch (d.kind) {
    case ShapeKind::Line:
        painter.drawLine(twips::line(d.a, d.b, d.c, d.d));
        break;
    case ShapeKind::Filled:
        painter.setBrush(color);
        painter.drawRect(exactBounds());
        break;
    case ShapeKind::Outline:
        painter.drawRect(exactBounds());
        break;
    }
}

} // namespace tavola
