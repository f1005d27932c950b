// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders one of our SVG drawings at a given size: as a PNG, the icon at the hicolor theme's
// fixed sizes; as bare premultiplied ARGB pixels (OUTPUT.argb), the window's pictures at the
// sizes it shows them, which the program then shows as they are. The rasters are made at
// build time and never committed.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

int fail(const char *message, const char *detail)
{
    std::fprintf(stderr, "tavola_iconraster: %s: %s\n", message, detail);
    return EXIT_FAILURE;
}

// A drawing that rendered to nothing (a renamed element, a broken gradient) would still
// give a valid PNG; an all-transparent icon is refused rather than installed.
bool anyVisiblePixel(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0)
                return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4)
        return fail(
            "usage", "tavola_iconraster DRAWING.svg SIZE|WIDTHxHEIGHT OUTPUT.png|OUTPUT.argb");
    const QStringList sides = QString::fromLocal8Bit(argv[2]).split(QLatin1Char('x'));
    bool isWidth = false, isHeight = false;
    const int width = sides.front().toInt(&isWidth);
    const int height = sides.back().toInt(&isHeight);
    if (sides.size() > 2 || !isWidth || !isHeight || std::min(width, height) < 1
        || std::max(width, height) > 1024)
        return fail("size out of range 1..1024", argv[2]);

    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid())
        return fail("not a drawing", argv[1]);
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);

    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();

    if (!anyVisiblePixel(image))
        return fail("the drawing renders empty", argv[1]);
    const QString output = QString::fromLocal8Bit(argv[3]);
    if (!output.endsWith(QLatin1String(".argb")))
        return image.save(output, "PNG") ? EXIT_SUCCESS : fail("cannot write", argv[3]);
    // In the byte order of the machine built for, which is this one: this tool runs where
    // the program is built. 32-bit rows have no padding.
    QFile raw(output);
    if (!raw.open(QIODevice::WriteOnly)
        || raw.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes())
            != image.sizeInBytes())
        return fail("cannot write", argv[3]);
    return EXIT_SUCCESS;
}
