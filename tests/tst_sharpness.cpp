// On a screen of two device pixels to the point (QT_SCALE_FACTOR=2), the pictures and the
// buttons' faces are drawn from their drawings at the screen's resolution, not blown up
// from pictures made for one pixel to the point.
#include "windowharness.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

using namespace tavola;

namespace {

QImage drawnAt(const QString &resource, const QSize &pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(resource).render(&painter);
    return image;
}

// Pixels of the shown image that differ from the drawing where the drawing is opaque, as
// a blown-up picture would at every edge.
int differingPixels(const QImage &shown, const QImage &drawing)
{
    const QImage seen = shown.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int differing = 0;
    for (int y = 0; y < drawing.height(); ++y) {
        for (int x = 0; x < drawing.width(); ++x) {
            const QRgb drawn = drawing.pixel(x, y);
            if (qAlpha(drawn) == 255 && seen.pixel(x, y) != drawn)
                ++differing;
        }
    }
    return differing;
}

} // namespace

class TestSharpness : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qApp->devicePixelRatio() != 2.0)
            QFAIL("run with QT_SCALE_FACTOR=2");
    }

    void picturesAreDrawnAtTheScreensResolution_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("resource");
        QTest::newRow("triangle") << "Image4"
                                  << ":/assets/triangle.svg";
        QTest::newRow("stopwatch") << "Image1"
                                   << ":/assets/stopwatch.svg";
    }

    void picturesAreDrawnAtTheScreensResolution()
    {
        QFETCH(QString, name);
        QFETCH(QString, resource);
        const PlayedWindow game = startGame();
        QWidget *picture = game.child(qPrintable(name));
        const QImage shown = picture->grab().toImage();
        QCOMPARE(shown.size(), picture->size() * 2);
        const QImage drawing = drawnAt(resource, shown.size());
        QCOMPARE(differingPixels(shown, drawing), 0);
    }

    void buttonFacesAndTheIconAreDrawnAtTheScreensResolution_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("resource");
        QTest::addColumn<int>("points");
        QTest::newRow("cmdNext") << "cmdNext"
                                 << ":/assets/smile.svg" << 32;
        QTest::newRow("cmdExit") << "cmdExit"
                                 << ":/assets/noentry.svg" << 32;
        QTest::newRow("window icon") << "Tavola"
                                     << ":/assets/tavola.svg" << 32;
    }

    void buttonFacesAndTheIconAreDrawnAtTheScreensResolution()
    {
        QFETCH(QString, name);
        QFETCH(QString, resource);
        QFETCH(int, points);
        const PlayedWindow game = startGame();
        QWidget *owner =
            name == QLatin1String("Tavola") ? game.window.get() : game.child(qPrintable(name));
        const QIcon icon = name == QLatin1String("Tavola")
            ? owner->windowIcon()
            : static_cast<QToolButton *>(owner)->icon();
        const QImage shown = icon.pixmap(QSize(points, points), 2.0).toImage();
        QCOMPARE(shown.size(), QSize(2 * points, 2 * points));
        QCOMPARE(differingPixels(shown, drawnAt(resource, shown.size())), 0);
    }
};

QTEST_MAIN(TestSharpness)
#include "tst_sharpness.moc"
