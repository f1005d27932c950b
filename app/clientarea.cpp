// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/clientarea.h"

#include "app/design.h"

#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace tavola {

namespace {

QList<Scaled *> scaledChildren(const QObject *parent, const QWidget *except)
{
    QList<Scaled *> found;
    for (QObject *child : parent->children()) {
        if (auto *scaled = dynamic_cast<Scaled *>(child); scaled && child != except)
            found << scaled;
    }
    return found;
}

} // namespace

void Scaled::setScale(qreal scale, QPoint origin)
{
    m_scale = scale;
    m_origin = origin;
    rescale();
}

QRect Scaled::scaledPlace() const
{
    return twips::pixels(m_row.place, m_scale).translated(m_origin);
}

void Scaled::placeAt(QWidget *self)
{
    self->setFont(designFont(m_row.font, m_scale));
    self->setGeometry(scaledPlace());
}

QRectF Scaled::designedRect() const
{
    return twips::exact(m_row.place);
}

ClientArea::ClientArea(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("client"));
}

void ClientArea::dockToBottom(QWidget *bar)
{
    m_docked = bar;
    fitDesign();
}

void ClientArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitDesign();
}

void ClientArea::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Each show may come with a new native window.
    if (QWindow *native = window()->windowHandle())
        native->installEventFilter(this);
}

bool ClientArea::eventFilter(QObject *watched, QEvent *event)
{
    // Before the frame is painted, at the size the window manager gave.
    if (event->type() == QEvent::Expose)
        fitDesign();
    return QWidget::eventFilter(watched, event);
}

// Sizes a window passes through before it is on the screen (the hidden default, the
// normal size on the way to maximised) would each cost a layout and a set of fonts for
// nothing; the design is fitted only to a size the pupil can see.
void ClientArea::fitDesign()
{
    const QWindow *native = window()->windowHandle();
    if (!m_docked || !native || !native->isExposed())
        return;
    const QList<Scaled *> controls = scaledChildren(this, m_docked);
    auto *bar = dynamic_cast<Scaled *>(m_docked);
    const qreal barHeight = bar->designedRect().height();
    // One pixel to spare, so that rounding to whole pixels never pushes a control under
    // the bar.
    qreal right = 1, bottom = barHeight + 1;
    for (const Scaled *control : controls) {
        right = std::max(right, control->designedRect().right() + 1);
        bottom = std::max(bottom, control->designedRect().bottom() + barHeight + 1);
    }
    // Every control starts at full scale at the corner; a new scale or a new origin lays
    // out the whole design again.
    const qreal scale = std::min(width() / right, height() / bottom);
    const QPoint origin(int((width() - right * scale) / 2), int((height() - bottom * scale) / 2));
    if (scale != m_scale || origin != m_origin) {
        m_scale = scale;
        m_origin = origin;
        for (Scaled *control : controls)
            control->setScale(m_scale, m_origin);
        bar->setScale(m_scale);
    }
    const int docked = int(std::lround(barHeight * m_scale));
    m_docked->setGeometry(0, height() - docked, width(), docked);
}

void drawFocusCue(QPainter &painter, const QRect &rect, const QColor &color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(color, 1, Qt::DotLine));
    painter.drawRect(rect.adjusted(3, 3, -4, -4));
    painter.restore();
}

} // namespace tavola
