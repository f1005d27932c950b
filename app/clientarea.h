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
    virtual void setScale(qreal scale) = 0;

protected:
    // Remembers the scale and lays the widget out at it: its font and its place.
    void placeAt(QWidget *self, qreal scale);

    const Row &m_row;
    qreal m_scale = 1.0;
};

// The window's client area: the design's origin, and one bar docked to the bottom edge.
// Where the area above the bar holds the whole design, it shows at one pixel to 15 twips;
// where it does not, the whole design shrinks alike, places, sizes, fonts and pictures, so
// that every control stays in view and above the bar.
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
};

// A dotted frame just inside a control's edge, in a colour of the control's own design, so
// that the pupil sees where the keyboard is without the control changing its colours.
void drawFocusCue(QPainter &painter, const QRect &rect, const QColor &color);

} // namespace tavola
