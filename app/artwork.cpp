// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/artwork.h"

#include <QFileInfo>
#include <QPainter>
#include <QPixmapCache>
#include <QResource>
#include <QSvgRenderer>

#include <cmath>
#include <memory>
#include <optional>

namespace tavola {

namespace {

QString cacheKey(const QString &resource, const QSize &size, qreal devicePixelRatio)
{
    return QStringLiteral("tavola:%1:%2x%3@%4")
        .arg(resource)
        .arg(size.width())
        .arg(size.height())
        .arg(devicePixelRatio);
}

QPixmap rendered(QSvgRenderer &renderer, const QSize &size, qreal devicePixelRatio)
{
    const QSize pixels(int(std::ceil(size.width() * devicePixelRatio)),
        int(std::ceil(size.height() * devicePixelRatio)));
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

// The build draws what has a size of its own (the pointer, the icon) at that size, as
// premultiplied ARGB pixels: no image format to parse and no plugin to seek. Pixels stored
// as they are are shown from the resource itself; inflated ones live as long as the image.
// A size the build did not draw gives a null pixmap.
QPixmap prerenderedArtwork(const QString &resource, const QSize &size, qreal devicePixelRatio)
{
    const QSize pixels = size * devicePixelRatio;
    const QString name = QStringLiteral(":/prerendered/%1-%2x%3.argb");
    const QResource raw(name.arg(QFileInfo(resource).baseName(), QString::number(pixels.width()),
        QString::number(pixels.height())));
    auto bytes = std::make_unique<QByteArray>(raw.uncompressedData());
    if (bytes->size() != qsizetype(pixels.width()) * pixels.height() * 4)
        return {};
    const uchar *bits = reinterpret_cast<const uchar *>(bytes->constData());
    const QImage image(
        bits, pixels.width(), pixels.height(), pixels.width() * 4,
        QImage::Format_ARGB32_Premultiplied,
        [](void *kept) { delete static_cast<QByteArray *>(kept); }, bytes.release());
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

// Renders the sizes not yet in the cache, parsing the drawing at most once.
class ArtworkRenderer
{
public:
    explicit ArtworkRenderer(const QString &resource)
        : m_resource(resource)
    {
    }

    QPixmap pixmap(const QSize &size, qreal devicePixelRatio)
    {
        const QString key = cacheKey(m_resource, size, devicePixelRatio);
        QPixmap pixmap;
        if (QPixmapCache::find(key, &pixmap))
            return pixmap;
        pixmap = prerenderedArtwork(m_resource, size, devicePixelRatio);
        if (pixmap.isNull()) {
            if (!m_renderer)
                m_renderer.emplace(m_resource);
            pixmap = rendered(*m_renderer, size, devicePixelRatio);
        }
        QPixmapCache::insert(key, pixmap);
        return pixmap;
    }

private:
    QString m_resource;
    std::optional<QSvgRenderer> m_renderer;
};

} // namespace

QPixmap artwork(const QString &resource, const QSize &size, qreal devicePixelRatio)
{
    return ArtworkRenderer(resource).pixmap(size, devicePixelRatio);
}

QIcon artworkIcon(const QString &resource, std::initializer_list<int> sizes)
{
    QIcon icon;
    ArtworkRenderer drawing(resource);
    for (const int size : sizes)
        icon.addPixmap(drawing.pixmap(QSize(size, size), 1.0));
    return icon;
}

} // namespace tavola
