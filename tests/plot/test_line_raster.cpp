#include "line_raster.h"

#include <QTest>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>

using namespace lumenary;

namespace
{

// The plain rasteriser the fast one replaced: clip, truncate, then Bresenham's loop one pixel
// at a time until the far end is reached. The fast one must set exactly these pixels.
void referenceLine(QImage& image, QPointF a, QPointF b, QRgb pixel)
{
    const int w = image.width();
    const int h = image.height();
    if (!clipSegment(a, b, 0.0, w - 1e-6, h - 1e-6))
        return;
    int x0 = static_cast<int>(a.x());
    int y0 = static_cast<int>(a.y());
    const int x1 = static_cast<int>(b.x());
    const int y1 = static_cast<int>(b.y());
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        reinterpret_cast<QRgb*>(image.scanLine(y0))[x0] = pixel;
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

QImage blank(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Draws one segment both ways; on a difference, says which and where.
bool sameAsReference(QSize size, QPointF a, QPointF b, QString& why)
{
    QImage fast = blank(size);
    QImage reference = blank(size);
    const QRgb red = qRgb(128, 0, 0);
    rasterLine(fast, a, b, red);
    referenceLine(reference, a, b, red);
    if (fast == reference)
        return true;
    why = QStringLiteral("(%1, %2)-(%3, %4) on %5 x %6")
              .arg(a.x(), 0, 'g', 17)
              .arg(a.y(), 0, 'g', 17)
              .arg(b.x(), 0, 'g', 17)
              .arg(b.y(), 0, 'g', 17)
              .arg(size.width())
              .arg(size.height());
    return false;
}

} // namespace

class TestLineRaster : public QObject
{
    Q_OBJECT
private slots:
    void everySegmentOfASmallGrid();
    void randomSegments_data();
    void randomSegments();
    void chosenSegments_data();
    void chosenSegments();
    void drawsOnTopOfWhatIsThere();
    void circlesCulledAtTheGuard_data();
    void circlesCulledAtTheGuard();
};

// Every pair of pixel centres in a 13 x 13 grid: all octants, slopes and ties of short lines.
void TestLineRaster::everySegmentOfASmallGrid()
{
    const QSize size(16, 16);
    QString why;
    for (int ax = 0; ax < 13; ++ax)
        for (int ay = 0; ay < 13; ++ay)
            for (int bx = 0; bx < 13; ++bx)
                for (int by = 0; by < 13; ++by)
                    if (!sameAsReference(size, {ax + 0.5, ay + 0.5}, {bx + 0.5, by + 0.5}, why))
                        QFAIL(qPrintable(why));
}

void TestLineRaster::randomSegments_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("reach"); // ends within this many image sizes around the image
    QTest::addColumn<int>("count");
    QTest::newRow("small plot, inside") << QSize(64, 48) << 0.0 << 20000;
    QTest::newRow("small plot, clipped") << QSize(64, 48) << 2.0 << 20000;
    QTest::newRow("drop plot, clipped") << QSize(433, 433) << 1.0 << 300;
    QTest::newRow("wide plot, clipped") << QSize(600, 300) << 1.0 << 300;
    QTest::newRow("one row") << QSize(50, 1) << 0.5 << 5000;
    QTest::newRow("one column") << QSize(1, 50) << 0.5 << 5000;
    QTest::newRow("spans past the fixed-point limit") << QSize(17000, 3) << 0.1 << 400;
    QTest::newRow("tall spans past the limit") << QSize(2, 17000) << 0.1 << 400;
}

void TestLineRaster::randomSegments()
{
    QFETCH(QSize, size);
    QFETCH(double, reach);
    QFETCH(int, count);
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> fx(-reach * size.width(), (1 + reach) * size.width());
    std::uniform_real_distribution<double> fy(-reach * size.height(), (1 + reach) * size.height());
    QString why;
    for (int i = 0; i < count; ++i) {
        const QPointF a(fx(random), fy(random));
        // Every fourth segment is degenerate or axis-parallel.
        QPointF b(fx(random), fy(random));
        if (i % 4 == 1)
            b = a;
        else if (i % 4 == 2)
            b.setY(a.y());
        else if (i % 4 == 3 && i % 8 == 3)
            b.setX(a.x());
        if (!sameAsReference(size, a, b, why))
            QFAIL(qPrintable(why));
    }
}

void TestLineRaster::chosenSegments_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPointF>("a");
    QTest::addColumn<QPointF>("b");
    const QSize s(433, 433);
    QTest::newRow("a point") << s << QPointF(10.2, 10.7) << QPointF(10.9, 10.1);
    QTest::newRow("corner to corner") << s << QPointF(0, 0) << QPointF(433, 433);
    QTest::newRow("along the top edge") << s << QPointF(-5, 0) << QPointF(500, 0);
    QTest::newRow("along the bottom edge") << s << QPointF(-5, 432.999) << QPointF(500, 432.999);
    QTest::newRow("just outside the right edge") << s << QPointF(433, -10) << QPointF(433, 500);
    QTest::newRow("wholly outside") << s << QPointF(-10, -10) << QPointF(-1, 500);
    QTest::newRow("huge ends") << s << QPointF(-1e300, 5) << QPointF(1e300, 7);
    QTest::newRow("infinite end") << s << QPointF(5, 5)
                                  << QPointF(std::numeric_limits<double>::infinity(), 5);
    QTest::newRow("not a number") << s << QPointF(5, 5)
                                  << QPointF(std::numeric_limits<double>::quiet_NaN(), 5);
    QTest::newRow("ties at a half") << s << QPointF(0.5, 0.5) << QPointF(4.5, 2.5);
    QTest::newRow("span at the limit")
        << QSize(16400, 2) << QPointF(0.5, 0.5) << QPointF(16384.5, 1.5);
    QTest::newRow("span one short of it")
        << QSize(16400, 2) << QPointF(0.5, 0.5) << QPointF(16383.5, 1.5);
    QTest::newRow("empty image") << QSize(0, 0) << QPointF(0, 0) << QPointF(10, 10);
}

void TestLineRaster::chosenSegments()
{
    QFETCH(QSize, size);
    QFETCH(QPointF, a);
    QFETCH(QPointF, b);
    QString why;
    QVERIFY2(sameAsReference(size, a, b, why), qPrintable(why));
    QVERIFY2(sameAsReference(size, b, a, why), qPrintable(why));
}

// The line replaces the pixels it crosses and leaves the rest as they were.
void TestLineRaster::drawsOnTopOfWhatIsThere()
{
    QImage image(8, 8, QImage::Format_ARGB32_Premultiplied);
    image.fill(qRgb(0, 0, 128));
    rasterLine(image, {0.5, 3.5}, {7.5, 3.5}, qRgb(255, 255, 0));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            QCOMPARE(image.pixel(x, y), y == 3 ? qRgb(255, 255, 0) : qRgb(0, 0, 128));
}

void TestLineRaster::circlesCulledAtTheGuard_data()
{
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<double>("radius");
    QTest::addColumn<bool>("drawn");
    const double g = kDrawGuard;
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("on the surface") << QPointF(50, 40) << 10.0 << true;
    QTest::newRow("touches the left guard") << QPointF(-g - 5, 40) << 5.0 << true;
    QTest::newRow("past the left guard") << QPointF(-g - 6, 40) << 5.0 << false;
    QTest::newRow("past the top guard") << QPointF(50, -g - 6) << 5.0 << false;
    QTest::newRow("touches the right guard") << QPointF(100 + g + 5, 40) << 5.0 << true;
    QTest::newRow("past the bottom guard") << QPointF(50, 80 + g + 6) << 5.0 << false;
    QTest::newRow("huge") << QPointF(50, 40) << g * 16 + 1 << false;
    QTest::newRow("infinite") << QPointF(50, 40) << inf << false;
    QTest::newRow("not a number") << QPointF(50, 40) << std::nan("") << false;
}

void TestLineRaster::circlesCulledAtTheGuard()
{
    QFETCH(QPointF, centre);
    QFETCH(double, radius);
    QFETCH(bool, drawn);
    QCOMPARE(circleWithinGuard(centre, radius, 100, 80), drawn);
    // Box corners far out are brought to the guard on both sides, not beyond.
    QCOMPARE(clampToGuard(QPointF(-1e300, 1e300), 100, 80), QPointF(-kDrawGuard, 80 + kDrawGuard));
}

QTEST_APPLESS_MAIN(TestLineRaster)
#include "test_line_raster.moc"
