#include "avi_summary.h"
#include "rgb.h"

#include <QFile>
#include <QImage>
#include <QTest>

using namespace lumenary;
using lumenary::test::readAvi;

// The pictures compiled into the program and the clips shipped beside it.
class TestAssets : public QObject
{
    Q_OBJECT
private slots:
    void pictures_data();
    void pictures();
    void iconKeepsToThePalette();
    void markerBackgrounds_data();
    void markerBackgrounds();
    void clips_data();
    void clips();
    void damagedClipsAreRejected_data();
    void damagedClipsAreRejected();
};

static QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

static QString assetPath(const char* name)
{
    return QStringLiteral(LUMENARY_ASSETS_DIR "/") + QString::fromLatin1(name);
}

void TestAssets::pictures_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    // The launcher's art is compiled in as raw pixels (test_raw_picture); its PNGs stay beside
    // them in the source tree.
    QTest::newRow("soap film") << assetPath("images/soapfilm.png") << QSize(200, 159);
    QTest::newRow("drop") << assetPath("images/drop.png") << QSize(253, 214);
    QTest::newRow("spectrum") << assetPath("images/spectrum.png") << QSize(320, 194);
    QTest::newRow("icon") << ":/images/lumenary-32.png" << QSize(32, 32);
    QTest::newRow("large icon") << ":/images/lumenary-128.png" << QSize(128, 128);
    QTest::newRow("moon") << ":/images/moon.png" << QSize(32, 32);
    QTest::newRow("fish") << ":/images/fish.png" << QSize(32, 32);
}

void TestAssets::pictures()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    const QImage image(resource);
    QVERIFY2(!image.isNull(), qPrintable(resource));
    QCOMPARE(image.size(), size);
}

void TestAssets::iconKeepsToThePalette()
{
    const QImage icon(QStringLiteral(":/images/lumenary-32.png"));
    QVERIFY(!icon.isNull());
    QSet<QRgb> allowed;
    for (int i = 0; i < 16; ++i) {
        const Rgb c = palette(i);
        allowed.insert(qRgb(c.r, c.g, c.b));
    }
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const QRgb c = icon.pixel(x, y);
            if (qAlpha(c) == 0)
                continue;
            QVERIFY2(qAlpha(c) == 255 && allowed.contains(qRgb(qRed(c), qGreen(c), qBlue(c))),
                     qPrintable(QStringLiteral("pixel (%1, %2)").arg(x).arg(y)));
        }
    }
}

void TestAssets::markerBackgrounds_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QColor>("background");
    QTest::newRow("moon on light grey") << ":/images/moon.png" << QColor(192, 192, 192);
    QTest::newRow("fish on light cyan") << ":/images/fish.png" << QColor(128, 255, 255);
}

void TestAssets::markerBackgrounds()
{
    QFETCH(QString, resource);
    QFETCH(QColor, background);
    const QImage image(resource);
    QVERIFY(!image.isNull());
    // The corners show the background; the picture itself does not fill it.
    int backgroundPixels = 0;
    for (QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        QCOMPARE(image.pixelColor(corner), background);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            backgroundPixels += image.pixelColor(x, y) == background ? 1 : 0;
    QVERIFY(backgroundPixels > 200);
    QVERIFY(backgroundPixels < 32 * 32 - 100);
}

void TestAssets::clips_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("reflection") << assetPath("Reflct1.avi");
    QTest::newRow("refraction") << assetPath("Refract2.avi");
}

void TestAssets::clips()
{
    QFETCH(QString, path);
    const QByteArray bytes = readFile(path);
    QVERIFY2(!bytes.isEmpty(), qPrintable(path));
    const auto avi = readAvi(bytes);
    QVERIFY2(avi.has_value(), "not a well-formed AVI file");
    QCOMPARE(avi->videoStreams, 1);
    QVERIFY(avi->totalFrames >= 25);
    QCOMPARE(static_cast<quint32>(avi->videoChunks), avi->totalFrames);
    QVERIFY(avi->width >= 160 && avi->height >= 120);
}

void TestAssets::damagedClipsAreRejected_data()
{
    const QByteArray good = readFile(assetPath("Reflct1.avi"));
    QVERIFY(readAvi(good).has_value());
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("cut short") << good.left(good.size() / 2);
    QTest::newRow("wave file") << QByteArray("RIFF\x04\0\0\0WAVE", 12);
    QByteArray oversized = good;
    qToLittleEndian<quint32>(0x7fffffff, oversized.data() + 16); // the first list's size
    QTest::newRow("chunk larger than its file") << oversized;
    QTest::newRow("a picture") << readFile(assetPath("images/drop.png"));
}

void TestAssets::damagedClipsAreRejected()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!readAvi(bytes).has_value());
}

QTEST_GUILESS_MAIN(TestAssets)
#include "test_assets.moc"
