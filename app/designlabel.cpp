// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/designlabel.h"

#include "app/design.h"

#include <QPainter>

namespace tavola {

DesignLabel::DesignLabel(const Row &row, QWidget *parent)
    : QLabel(parent)
    , Scaled(row)
{
    // A label without a colour of its own shows the platform's button-text colour.
    setForegroundRole(QPalette::ButtonText);
    setAlignment(row.alignment | Qt::AlignTop);
    if (row.color)
        setTextColor(QColor::fromRgb(*row.color));
    // The border is painted here, not by QFrame, whose lines can fall between device pixels
    // at fractional scales and vanish. Inside it, a pixel of room at either side, so that a
    // caption sized to its text never touches it with its last letter.
    if (row.border)
        setContentsMargins(2, 1, 2, 1);
    setText(QString::fromUtf8(row.caption));
    setScale(1.0);
}

void DesignLabel::setCaption(const QString &caption)
{
    if (caption == text())
        return;
    setText(caption);
    place();
}

void DesignLabel::setTextColor(const QColor &color)
{
    // Every render names the question's colour; only a new one repaints.
    if (palette().color(QPalette::ButtonText) == color)
        return;
    QPalette shades = palette();
    shades.setColor(QPalette::ButtonText, color);
    setPalette(shades);
}

void DesignLabel::rescale()
{
    setFont(designFont(m_row.font, m_scale));
    place();
}

void DesignLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (contentsMargins().isNull())
        return;
    QPainter painter(this);
    const QColor ink = palette().color(foregroundRole());
    const int w = width(), h = height();
    for (const QRect &edge :
        {QRect(0, 0, w, 1), QRect(0, h - 1, w, 1), QRect(0, 0, 1, h), QRect(w - 1, 0, 1, h)})
        painter.fillRect(edge, ink);
}

QString DesignLabel::spokenText() const
{
    if (isHidden() || text().isEmpty())
        return {};
    if (!m_row.spoken)
        return text();
    // A synthesizer reads a colon aloud, as in a time of day.
    const QString form = QString::fromUtf8(m_row.spoken);
    return form.contains(QLatin1String("%1")) ? form.arg(QString(text()).replace(u':', u' '))
                                              : form;
}

// A self-sizing label is as wide as its caption and keeps its designed height, unless a
// line of its text needs more (a comma must not lose its tail); empty, it keeps its
// designed width too, so it still has a place to be found at.
void DesignLabel::place()
{
    QRect rect = scaledPlace();
    if (m_row.fitsCaption && !text().isEmpty())
        rect.setSize(
            rect.size().expandedTo(sizeHint()).boundedTo({sizeHint().width(), QWIDGETSIZE_MAX}));
    setGeometry(rect);
}

} // namespace tavola
