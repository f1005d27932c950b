// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/facebutton.h"

#include "app/artwork.h"
#include "app/design.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace tavola {

namespace {

// Two pixels of light above and to the left, of shadow below and to the right; filled
// rather than stroked, so that they fall on whole pixels at any screen density.
void drawBorder(QPainter &painter, const QRect &rect, bool sunken)
{
    const QColor light = sunken ? QColor(64, 64, 64) : Qt::white;
    const QColor dark = sunken ? Qt::white : QColor(64, 64, 64);
    const int w = rect.width(), h = rect.height();
    painter.fillRect(0, 0, w, 2, light);
    painter.fillRect(0, 0, 2, h, light);
    painter.fillRect(0, h - 2, w, 2, dark);
    painter.fillRect(w - 2, 0, 2, h, dark);
}

} // namespace

FaceButton::FaceButton(const Row &row, QWidget *parent)
    : QAbstractButton(parent)
    , Scaled(row)
{
    setText(QString::fromUtf8(row.caption));
    setScale(1.0);
}

void FaceButton::rescale()
{
    placeAt(this);
}

bool FaceButton::event(QEvent *event)
{
    if (event->type() != QEvent::Shortcut)
        return QAbstractButton::event(event);
    click();
    return true;
}

void FaceButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(*m_row.background));
    drawBorder(painter, rect(), isDown());

    const char *picture =
        isEnabled() || !m_row.disabledPicture ? m_row.picture : m_row.disabledPicture;
    const QSize pictureSize = (QSizeF(m_row.drawingSize) * m_scale).toSize();
    const int gap = qRound(4 * m_scale);
    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint();
    const QRect pictureRect(
        QPoint((width() - pictureSize.width()) / 2, gap * 2) + shift, pictureSize);
    painter.drawPixmap(pictureRect.topLeft(),
        artwork(QString::fromLatin1(picture), pictureSize, devicePixelRatioF()));

    const QRect textRect =
        rect().adjusted(gap, pictureRect.bottom() + gap, -gap, -gap).translated(shift);
    painter.setPen(isEnabled() ? Qt::black : QColor(96, 96, 96));
    painter.drawText(textRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic, text());
    if (hasFocus())
        drawFocusCue(painter, rect(), Qt::black);
}

} // namespace tavola
