// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/clientarea.h"

#include <QWidget>

namespace tavola {

// One of our drawings at its natural size times the design's scale, in the box's top-left
// corner, rendered from its SVG at that size and the screen's density, so it stays sharp at
// any scale. A picture box that takes the focus also fills its background and shows a focus
// cue.
class Picture : public QWidget, public Scaled
{
    Q_OBJECT

public:
    Picture(const Row &row, QWidget *parent);

protected:
    void rescale() override;
    void paintEvent(QPaintEvent *event) override;
};

// A drawn line or rectangle of the design, a widget of its own so that the figure's front
// to back order is the order of the widgets; the mouse passes through to what lies below.
class Shape : public QWidget, public Scaled
{
    Q_OBJECT

public:
    Shape(const Row &row, QWidget *parent);

    QRectF designedRect() const override;

protected:
    void rescale() override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tavola
