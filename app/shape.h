#pragma once

#include <QColor>
#include <QRectF>
#include <QWidget>

namespace tavola {

enum class ShapeKind { Line, Outline, Filled };

// A drawn line or rectangle of the design. Line: from (a, b) to (c, d); rectangles: left a,
// top b, width c, height d; all in twips. `width` is the pen width in pixels.
struct ShapeDesign {
    const char *name;
    ShapeKind kind;
    int a, b, c, d;
    QRgb color;
    int width;
};

// Drawn as a widget of its own, so that the figure's front-to-back order is the order
// of the widgets, and mouse events pass through to whatever lies below.
class Shape : public QWidget
{
    Q_OBJECT

public:
    Shape(const ShapeDesign &design, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF exactBounds() const;

    ShapeDesign m_design;
};

} // namespace tavola
