#pragma once

#include <QWidget>

namespace tavola {

// One of our drawings, rendered from its SVG at its natural size in the top-left corner,
// so it stays sharp at any screen scale. A picture box also fills its background.
class Picture : public QWidget
{
    Q_OBJECT

public:
    Picture(
        const QString &resource, const QSize &drawingSize, const QRect &designed, QWidget *parent);

    void fillBackground(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_resource;
    QSize m_drawingSize;
};

} // namespace tavola
