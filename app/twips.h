// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QRectF>

namespace tavola::twips {

// The design measures in twips: 15 to a device-independent pixel at full scale, so Qt's
// own scaling keeps the layout right on high-density screens.
inline constexpr qreal perPixel = 15.0;

struct Rect {
    int left, top, width, height;
};

inline QRectF exact(const Rect &r, qreal scale = 1.0)
{
    const qreal k = scale / perPixel;
    return {r.left * k, r.top * k, r.width * k, r.height * k};
}

// Widgets sit on whole pixels; the nearest ones keep a control within half a pixel of its
// place.
inline QRect pixels(const Rect &r, qreal scale = 1.0)
{
    return exact(r, scale).toRect();
}

} // namespace tavola::twips
