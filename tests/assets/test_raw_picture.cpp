#include "raw_picture.h"

#include <QResource>
#include <QTest>
#include <QtEndian>

#include <cstdint>
#include <cstring>
#include <vector>

using namespace lumenary;

// Raw pictures: what the tool writes reads back the same, the pictures compiled in match their
// PNGs, and damaged data gives a null image rather than a read past its end.
class TestRawPicture : public QObject
{
    Q_OBJECT
private slots:
    void compiledInPictures_data();
    void compiledInPictures();
    void roundTrip_data();
    void roundTrip();
    void damagedDataIsRefused_data();
    void damagedDataIsRefused();
    void unalignedBytesAreCopied();
    void missingOrForeignResources_data();
    void missingOrForeignResources();
};

namespace
{

// A raw header and pixels written by hand, to damage at will.
QByteArray rawBytes(quint32 width, quint32 height, quint32 format, qsizetype pixelBytes,
                    QRgb fill = 0xff102030)
{
    QByteArray bytes(kRawPictureHeaderSize + pixelBytes, '\0');
    std::memcpy(bytes.data(), "LRP1", 4);
    qToLittleEndian<quint32>(width, bytes.data() + 4);
    qToLittleEndian<quint32>(height, bytes.data() + 8);
    qToLittleEndian<quint32>(format, bytes.data() + 12);
    for (qsizetype i = 0; i + 4 <= pixelBytes; i += 4)
        qToLittleEndian<quint32>(fill, bytes.data() + kRawPictureHeaderSize + i);
    return bytes;
}

QImage sample(QImage::Format format, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(
                x, y,
                qRgba(x * 37 % 256, y * 53 % 256, (x + y) * 11 % 256, (x * 7 + y * 13) % 256));
    return image.convertToFormat(format);
}

} // namespace

void TestRawPicture::compiledInPictures_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QString>("png");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("opaque");
    const QString dir = QStringLiteral(LUMENARY_ASSETS_DIR "/images/");
    QTest::newRow("soap film") << ":/images/soapfilm.raw" << dir + "soapfilm.png" << QSize(200, 159)
                               << true;
    QTest::newRow("drop") << ":/images/drop.raw" << dir + "drop.png" << QSize(253, 214) << true;
    QTest::newRow("spectrum") << ":/images/spectrum.raw" << dir + "spectrum.png" << QSize(320, 194)
                              << true;
    QTest::newRow("icon") << ":/images/lumenary-32.raw" << dir + "lumenary-32.png" << QSize(32, 32)
                          << false;
}

void TestRawPicture::compiledInPictures()
{
    QFETCH(QString, resource);
    QFETCH(QString, png);
    QFETCH(QSize, size);
    QFETCH(bool, opaque);
    // Stored uncompressed, or the program would inflate it at every start.
    const QResource file(resource);
    QVERIFY2(file.isValid(), qPrintable(resource));
    QCOMPARE(file.compressionAlgorithm(), QResource::NoCompression);

    const QImage raw = rawPicture(resource);
    QVERIFY(!raw.isNull());
    QCOMPARE(raw.size(), size);
    QCOMPARE(raw.format(), opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    const auto* pixels = reinterpret_cast<const uchar*>(file.data()) + kRawPictureHeaderSize;
    if (reinterpret_cast<std::uintptr_t>(pixels) % 4 == 0)
        QCOMPARE(raw.constBits(), pixels); // used in place, not copied

    // The same pixels as the PNG made from the same drawing.
    const QImage reference(png);
    QVERIFY2(!reference.isNull(), qPrintable(png));
    QCOMPARE(raw, reference.convertToFormat(raw.format()));
    for (QPoint p : {QPoint(0, 0), QPoint(size.width() / 2, size.height() / 2),
                     QPoint(size.width() - 1, size.height() - 1)})
        QCOMPARE(raw.pixel(p), reference.convertToFormat(raw.format()).pixel(p));
}

void TestRawPicture::roundTrip_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QImage::Format>("stored");
    QTest::newRow("opaque") << sample(QImage::Format_RGB32, 7, 5) << QImage::Format_RGB32;
    QTest::newRow("opaque 24-bit") << sample(QImage::Format_RGB888, 3, 9) << QImage::Format_RGB32;
    QTest::newRow("with alpha") << sample(QImage::Format_ARGB32, 6, 4)
                                << QImage::Format_ARGB32_Premultiplied;
    QTest::newRow("premultiplied")
        << sample(QImage::Format_ARGB32_Premultiplied, 5, 5) << QImage::Format_ARGB32_Premultiplied;
    QTest::newRow("one pixel") << sample(QImage::Format_RGB32, 1, 1) << QImage::Format_RGB32;
    QTest::newRow("one row") << sample(QImage::Format_ARGB32, 40, 1)
                             << QImage::Format_ARGB32_Premultiplied;
}

void TestRawPicture::roundTrip()
{
    QFETCH(QImage, image);
    QFETCH(QImage::Format, stored);
    const QByteArray bytes = rawPictureBytes(image);
    QCOMPARE(bytes.size(), kRawPictureHeaderSize + qsizetype(image.width()) * image.height() * 4);
    const QImage back = wrapRawPicture(bytes);
    QCOMPARE(back.format(), stored);
    QCOMPARE(back, image.convertToFormat(stored));
}

void TestRawPicture::damagedDataIsRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = rawPictureBytes(sample(QImage::Format_ARGB32, 4, 3));
    QVERIFY(!wrapRawPicture(good).isNull());
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("magic only") << good.left(4);
    QTest::newRow("header only") << good.left(kRawPictureHeaderSize);
    QTest::newRow("one byte short") << good.chopped(1);
    QTest::newRow("one pixel short") << good.chopped(4);
    QTest::newRow("one byte over") << good + '\0';
    QByteArray magic = good;
    magic[3] = '2';
    QTest::newRow("wrong magic") << magic;
    QTest::newRow("zero width") << rawBytes(0, 3, QImage::Format_RGB32, 0);
    QTest::newRow("zero height") << rawBytes(3, 0, QImage::Format_RGB32, 0);
    QTest::newRow("too wide") << rawBytes(kRawPictureMaxSide + 1, 1, QImage::Format_RGB32,
                                          (kRawPictureMaxSide + 1) * 4);
    // Sides whose product overflows 32 bits, with data to match the wrapped-around size.
    QTest::newRow("size wraps") << rawBytes(0x10000, 0x10000, QImage::Format_RGB32, 0);
    QTest::newRow("huge sides, little data")
        << rawBytes(kRawPictureMaxSide, kRawPictureMaxSide, QImage::Format_RGB32, 64);
    QTest::newRow("unknown format") << rawBytes(2, 2, 0, 16);
    QTest::newRow("indexed format") << rawBytes(2, 2, QImage::Format_Indexed8, 16);
    QTest::newRow("ARGB32 not premultiplied") << rawBytes(2, 2, QImage::Format_ARGB32, 16);
    QTest::newRow("translucent RGB32") << rawBytes(2, 2, QImage::Format_RGB32, 16, 0x80102030);
    QTest::newRow("colour above alpha")
        << rawBytes(2, 2, QImage::Format_ARGB32_Premultiplied, 16, 0x40ff0000);
}

void TestRawPicture::damagedDataIsRefused()
{
    QFETCH(QByteArray, bytes);
    // The exact bytes in a buffer of their own size, so that a read past the end shows under
    // the address sanitizer.
    std::vector<char> exact(bytes.cbegin(), bytes.cend());
    QVERIFY(wrapRawPicture(QByteArrayView(exact.data(), qsizetype(exact.size()))).isNull());
}

void TestRawPicture::unalignedBytesAreCopied()
{
    const QImage image = sample(QImage::Format_ARGB32_Premultiplied, 9, 7);
    const QByteArray bytes = rawPictureBytes(image);
    QByteArray buffer(bytes.size() + 8, '\0');
    int aligned = 0;
    while (reinterpret_cast<std::uintptr_t>(buffer.constData() + aligned + kRawPictureHeaderSize) %
           4)
        ++aligned;
    for (int shift = 0; shift < 4; ++shift) {
        char* at = buffer.data() + aligned + shift;
        std::memcpy(at, bytes.constData(), std::size_t(bytes.size()));
        const QImage back = wrapRawPicture(QByteArrayView(at, bytes.size()));
        QCOMPARE(back, image);
        // In place only where the pixels start on a 4-byte boundary.
        const auto* pixels = reinterpret_cast<const uchar*>(at) + kRawPictureHeaderSize;
        QCOMPARE(back.constBits() == pixels, shift == 0);
    }
}

void TestRawPicture::missingOrForeignResources_data()
{
    QTest::addColumn<QString>("resource");
    QTest::newRow("missing") << ":/images/none.raw";
    QTest::newRow("a folder") << ":/images";
    QTest::newRow("a PNG") << ":/images/moon.png";
    QTest::newRow("empty name") << "";
}

void TestRawPicture::missingOrForeignResources()
{
    QFETCH(QString, resource);
    QVERIFY(rawPicture(resource).isNull());
}

QTEST_GUILESS_MAIN(TestRawPicture)
#include "test_raw_picture.moc"
