#include "raw_picture.h"

#include <QResource>
#include <QSysInfo>
#include <QtEndian>

#include <cstdint>
#include <cstring>

namespace lumenary
{

namespace
{

constexpr char kMagic[4] = {'L', 'R', 'P', '1'};

// Opaque pixels in RGB32; no colour above its alpha in premultiplied pixels, which would wrap
// around when blended. Reads the little-endian pixels where they lie, aligned or not.
bool validPixels(const uchar* pixels, qsizetype count, QImage::Format format)
{
    const bool opaque = format == QImage::Format_RGB32;
    for (qsizetype i = 0; i < count; ++i, pixels += 4) {
        const int a = pixels[3];
        if (opaque ? a != 255 : (pixels[2] > a || pixels[1] > a || pixels[0] > a))
            return false;
    }
    return true;
}

} // namespace

QByteArray rawPictureBytes(const QImage& image)
{
    if (image.isNull() || image.width() > kRawPictureMaxSide || image.height() > kRawPictureMaxSide)
        return {};
    const QImage pixels = image.convertToFormat(
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    const qsizetype rowBytes = qsizetype(pixels.width()) * 4;
    QByteArray bytes(kRawPictureHeaderSize + rowBytes * pixels.height(), Qt::Uninitialized);
    char* out = bytes.data();
    std::memcpy(out, kMagic, 4);
    qToLittleEndian<quint32>(quint32(pixels.width()), out + 4);
    qToLittleEndian<quint32>(quint32(pixels.height()), out + 8);
    qToLittleEndian<quint32>(quint32(pixels.format()), out + 12);
    out += kRawPictureHeaderSize;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x, out += 4)
            qToLittleEndian<quint32>(row[x], out);
    }
    return bytes;
}

QImage wrapRawPicture(QByteArrayView bytes)
{
    if (bytes.size() < kRawPictureHeaderSize || std::memcmp(bytes.data(), kMagic, 4) != 0)
        return {};
    const auto* header = reinterpret_cast<const uchar*>(bytes.data());
    const quint32 width = qFromLittleEndian<quint32>(header + 4);
    const quint32 height = qFromLittleEndian<quint32>(header + 8);
    const quint32 code = qFromLittleEndian<quint32>(header + 12);
    if (width == 0 || height == 0 || width > kRawPictureMaxSide || height > kRawPictureMaxSide)
        return {};
    if (code != QImage::Format_RGB32 && code != QImage::Format_ARGB32_Premultiplied)
        return {};
    const auto format = static_cast<QImage::Format>(code);
    const qsizetype rowBytes = qsizetype(width) * 4;
    if (bytes.size() - kRawPictureHeaderSize != rowBytes * qsizetype(height))
        return {};

    const uchar* rows = header + kRawPictureHeaderSize;
    if (!validPixels(rows, qsizetype(width) * height, format))
        return {};
    const bool aligned = reinterpret_cast<std::uintptr_t>(rows) % alignof(quint32) == 0;
    if (aligned && QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        // Read-only over the caller's bytes: Qt copies them before any change.
        return QImage(rows, int(width), int(height), rowBytes, format);
    }
    QImage image(int(width), int(height), format);
    if (image.isNull())
        return {};
    for (int y = 0; y < int(height); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uchar* in = rows + rowBytes * y;
        for (quint32 x = 0; x < width; ++x, in += 4)
            row[x] = qFromLittleEndian<quint32>(in);
    }
    return image;
}

QImage rawPicture(const QString& resource)
{
    const QResource file(resource);
    if (!file.isValid() || file.data() == nullptr)
        return {};
    if (file.compressionAlgorithm() == QResource::NoCompression)
        return wrapRawPicture(QByteArrayView(file.data(), file.size()));
    // A compressed resource has no bytes to use in place: inflate it and keep a copy.
    const QByteArray bytes = file.uncompressedData();
    return wrapRawPicture(bytes).copy();
}

} // namespace lumenary
