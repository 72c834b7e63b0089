#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace lumenary
{

// Pictures the launcher shows at its first paint are stored as raw pixels, so that showing them
// reads no image file: no image-format plugin is looked for and nothing is inflated.
//
// Layout, all numbers 32-bit little-endian:
//   "LRP1", width, height, QImage format (RGB32 = 4 or ARGB32_Premultiplied = 6),
//   then height rows of width pixels, each pixel 0xAARRGGBB, no padding.
inline constexpr qsizetype kRawPictureHeaderSize = 16;
inline constexpr int kRawPictureMaxSide = 16384;

// The raw form of an image (converted to RGB32 when opaque, else ARGB32_Premultiplied); empty
// for a null image or one with a side beyond kRawPictureMaxSide.
QByteArray rawPictureBytes(const QImage& image);

// The image in bytes laid out as above, or a null image if the header does not match the size
// of the data exactly or the pixels are not valid for the format. Where the rows can be used in
// place, the image refers to the bytes, which must then outlive it; otherwise it holds a copy.
QImage wrapRawPicture(QByteArrayView bytes);

// The raw picture in a resource (":/images/drop.raw"): in place when the resource is stored
// uncompressed, a copy otherwise; a null image if the resource is missing or not a valid picture.
QImage rawPicture(const QString& resource);

} // namespace lumenary
