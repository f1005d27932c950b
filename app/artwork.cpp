// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/artwork.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <cmath>
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
        if (pixmap = prerendered(size, devicePixelRatio); !pixmap.isNull()) {
            QPixmapCache::insert(key, pixmap);
            return pixmap;
        }
        if (!m_renderer)
            m_renderer.emplace(m_resource);
        pixmap = rendered(*m_renderer, size, devicePixelRatio);
        QPixmapCache::insert(key, pixmap);
        return pixmap;
    }

private:
    // The build draws each picture at its own size for one and two pixels to the point.
    QPixmap prerendered(const QSize &size, qreal devicePixelRatio) const
    {
        const QString name = QStringLiteral(":/prerendered/%1@%2x.png")
                                 .arg(QFileInfo(m_resource).baseName())
                                 .arg(devicePixelRatio);
        if ((devicePixelRatio != 1 && devicePixelRatio != 2) || !QFile::exists(name))
            return {};
        QPixmap pixmap(name);
        if (pixmap.size() != size * devicePixelRatio)
            return {};
        pixmap.setDevicePixelRatio(devicePixelRatio);
        return pixmap;
    }

    QString m_resource;
    std::optional<QSvgRenderer> m_renderer;
};

void addSizes(
    QIcon &icon, const QString &resource, std::initializer_list<int> sizes, QIcon::Mode mode)
{
    ArtworkRenderer drawing(resource);
    for (const int size : sizes)
        icon.addPixmap(drawing.pixmap(QSize(size, size), 1.0), mode);
}

} // namespace

QPixmap artwork(const QString &resource, const QSize &size, qreal devicePixelRatio)
{
    return ArtworkRenderer(resource).pixmap(size, devicePixelRatio);
}

QIcon artworkIcon(
    const QString &resource, std::initializer_list<int> sizes, const QString &disabledResource)
{
    QIcon icon;
    addSizes(icon, resource, sizes, QIcon::Normal);
    if (!disabledResource.isEmpty())
        addSizes(icon, disabledResource, sizes, QIcon::Disabled);
    return icon;
}

} // namespace tavola
