#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace tavola {

// One of our drawings, rendered from its SVG at its natural size in the top-left corner,
// so it stays sharp at any screen scale. A picture box also fills its background.
class Picture : public QWidget
{
    Q_OBJECT

public:
    Picture(const QString &resource, const QRect &designed, QWidget *parent);

    void fillBackground(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer m_renderer;
};

} // namespace tavola
