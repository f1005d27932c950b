#pragma once

#include <QLineF>
#include <QRect>
#include <QRectF>

namespace tavola::twips {

// The design measures in twips: 15 to a device-independent pixel, so Qt's scaling keeps
// the layout right on high-density screens.
inline constexpr qreal perPixel = 15.0;

constexpr qreal toPixels(int twips)
{
    return twips / perPixel;
}

inline QRectF exactRect(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

// Widgets sit on whole pixels; the nearest ones keep a control within half a pixel of its
// designed place.
inline QRect rect(int left, int top, int width, int height)
{
    return exactRect(left, top, width, height).toRect();
}

inline QLineF line(int x1, int y1, int x2, int y2)
{
    return {toPixels(x1), toPixels(y1), toPixels(x2), toPixels(y2)};
}

} // namespace tavola::twips
