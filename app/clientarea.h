// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QPainter;

namespace tavola {

struct Row;

// A control of the design, which the client area places at the design's scale.
class Scaled
{
public:
    explicit Scaled(const Row &row)
        : m_row(row)
    {
    }
    virtual ~Scaled() = default;

    // Where the design puts it, in pixels at full scale.
    virtual QRectF designedRect() const;
    // Lays the control out again at the scale, with the design's top-left corner at origin.
    void setScale(qreal scale, QPoint origin = {});

protected:
    // Puts the widget where the scale and the origin say, its font at the scale.
    virtual void rescale() = 0;
    // The designed place at the scale, on whole pixels.
    QRect scaledPlace() const;
    void placeAt(QWidget *self);

    const Row &m_row;
    qreal m_scale = 1.0;
    QPoint m_origin;
};

// The window's client area: the design, and one bar docked to the bottom edge. The whole
// design grows or shrinks alike, places, sizes, fonts and pictures, to the largest scale at
// which every control is in view above the bar, and stands in the middle of the room the
// bar leaves: on a projected board the pupils look at the middle, and a margin shared by
// both sides reads as a frame, not as an unfinished window.
class ClientArea : public QWidget
{
    Q_OBJECT

public:
    explicit ClientArea(QWidget *parent = nullptr);

    void dockToBottom(QWidget *bar);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitDesign();

    QWidget *m_docked = nullptr;
    qreal m_scale = 1.0;
    QPoint m_origin;
};

// A dotted frame just inside a control's edge, in a colour of the control's own design, so
// that the pupil sees where the keyboard is without the control changing its colours.
void drawFocusCue(QPainter &painter, const QRect &rect, const QColor &color);

} // namespace tavola
