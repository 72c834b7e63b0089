#include "picture_export.h"

#include "picture_source.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

namespace lumenary
{

namespace
{

constexpr double kScreenDpi = 96.0;
constexpr double kInchesPerMetre = 1.0 / 0.0254;

// A PDF description in the document's metadata, for a picture drawn partly as an image.
QByteArray xmpDescription(const QString& title, const QString& note)
{
    const QString xmp =
        QStringLiteral(
            "<?xpacket begin=\"\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>"
            "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
            "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
            "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">"
            "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:title>"
            "<dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">%2</rdf:li></rdf:Alt>"
            "</dc:description></rdf:Description></rdf:RDF></x:xmpmeta>"
            "<?xpacket end=\"w\"?>")
            .arg(title.toHtmlEscaped(), note.toHtmlEscaped());
    return xmp.toUtf8();
}

bool writeSvg(const PictureSource& source, QIODevice& device, const QString& title)
{
    const QSize size = source.size();
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(static_cast<int>(kScreenDpi));
    svg.setTitle(title);
    const QString note = source.rasterNote();
    svg.setDescription(note.isEmpty() ? QCoreApplication::translate("lumenary::PictureExport",
                                                                    "Drawn by Varnel Lumenary.")
                                      : note);
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.setRenderHint(QPainter::LosslessImageRendering);
    source.paint(painter);
    return painter.end();
}

// The part of the picture within strip, painted as on screen.
QImage paintedStrip(const PictureSource& source, const QRect& strip)
{
    QImage image(strip.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(-strip.topLeft());
    source.paint(painter);
    return image;
}

// The picture's right column and bottom row of pixels drawn once more, a pixel wide, beyond its
// right and bottom edges. A viewer whose last pixel lies partly beyond the page shows the
// picture's own colour there, not a hairline of paper.
void paintPastTheEdges(QPainter& painter, const PictureSource& source)
{
    const QSize size = source.size();
    const int w = size.width();
    const int h = size.height();
    painter.drawImage(QRectF(w, 0, 1, h), paintedStrip(source, QRect(w - 1, 0, 1, h)));
    painter.drawImage(QRectF(0, h, w + 1, 1), paintedStrip(source, QRect(0, h - 1, w, 1)));
}

bool writePdf(const PictureSource& source, QIODevice& device, const QString& title)
{
    // One page the size of the picture on screen, so that it drops into a report as it is.
    const QSize size = source.size();
    QPdfWriter pdf(&device);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Varnel Lumenary"));
    const QString note = source.rasterNote();
    if (!note.isEmpty())
        pdf.setDocumentXmpMetadata(xmpDescription(title, note));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageSize(QPageSize(QSizeF(size) * (72.0 / kScreenDpi), QPageSize::Point, QString(),
                              QPageSize::ExactMatch));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    // Images as they are: a PDF would store a many-coloured one as JPEG, which smears thin
    // coloured lines into grey.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    // The page is a whole number of points (the writer rounds it), the picture seldom is: it is
    // stretched by that fraction of a point to fill the page (the page in the writer's units,
    // not pdf.width(), which drops a fraction of a unit).
    const QSizeF page =
        QSizeF(pdf.pageLayout().fullRectPoints().size()) * (pdf.resolution() / 72.0);
    painter.scale(page.width() / size.width(), page.height() / size.height());
    paintPastTheEdges(painter, source);
    source.paint(painter);
    return painter.end();
}

} // namespace

bool writeAll(QSaveFile& file, const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

std::optional<PictureFormat> formatForFile(const QString& fileName)
{
    const QString type = QFileInfo(fileName).suffix().toLower();
    if (type == QLatin1String("png"))
        return PictureFormat::Png;
    if (type == QLatin1String("svg"))
        return PictureFormat::Svg;
    if (type == QLatin1String("pdf"))
        return PictureFormat::Pdf;
    return std::nullopt;
}

QImage pictureImage(const PictureSource& source, int scale)
{
    const QSize size = source.size();
    QImage image(size * scale, QImage::Format_RGB32); // opaque: PNG stores no alpha
    image.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(std::lround(kScreenDpi * scale * kInchesPerMetre));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    painter.scale(scale, scale);
    source.paint(painter);
    return image;
}

bool writePicture(const PictureSource& source, PictureFormat format, QIODevice& device,
                  const QString& title)
{
    switch (format) {
    case PictureFormat::Svg:
        return writeSvg(source, device, title);
    case PictureFormat::Pdf:
        return writePdf(source, device, title);
    case PictureFormat::Png:
        break;
    }
    return pictureImage(source).save(&device, "PNG");
}

std::optional<QString> savePicture(const PictureSource& source, const QString& fileName,
                                   const QString& title)
{
    const std::optional<PictureFormat> format = formatForFile(fileName);
    if (!format)
        return QCoreApplication::translate("lumenary::PictureExport",
                                           "Pictures are saved as PNG, SVG or PDF files: end the "
                                           "name with .png, .svg or .pdf.");
    // The file is made in memory first: a picture that cannot be drawn and a disk that takes no
    // more are then different failures, and the disk's is the system's own words.
    QBuffer made;
    made.open(QIODevice::WriteOnly);
    if (!writePicture(source, *format, made, title))
        return QCoreApplication::translate("lumenary::PictureExport",
                                           "The picture could not be drawn.");
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (!writeAll(file, made.data())) {
        const QString reason =
            file.error() != QFileDevice::NoError
                ? file.errorString()
                : QCoreApplication::translate("lumenary::PictureExport",
                                              "The file could not be written whole.");
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

bool printPicture(const PictureSource& source, QPrinter& printer, const QString& title,
                  const QString& values)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const QRectF page(QPointF(0, 0), QSizeF(printer.width(), printer.height()));
    const double gap = page.height() / 60.0;

    QFont heading = painter.font();
    heading.setPointSizeF(14);
    heading.setBold(true);
    painter.setFont(heading);
    const QRectF titleBox = painter.boundingRect(page, Qt::AlignHCenter | Qt::TextWordWrap, title);
    painter.drawText(titleBox, Qt::AlignHCenter | Qt::TextWordWrap, title);

    // The caption: the settings line wrapped, then the read-outs, label and value in columns.
    QFont body = painter.font();
    body.setPointSizeF(10);
    body.setBold(false);
    painter.setFont(body);
    QStringList lines = values.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString settings = lines.isEmpty() ? QString() : lines.takeFirst().section('\t', 1);
    const QRectF settingsBox =
        painter.boundingRect(page, Qt::AlignLeft | Qt::TextWordWrap, settings);
    const double lineHeight = painter.fontMetrics().lineSpacing();
    const double captionHeight = settingsBox.height() + gap + lines.size() * lineHeight;

    // The picture, as large as the page allows between the title and the caption.
    const QSizeF size = source.size();
    const QRectF room(page.left(), titleBox.bottom() + gap, page.width(),
                      std::max(1.0, page.height() - titleBox.height() - captionHeight - 3 * gap));
    const double factor = std::min(room.width() / size.width(), room.height() / size.height());
    const QRectF target(room.left() + (room.width() - size.width() * factor) / 2, room.top(),
                        size.width() * factor, size.height() * factor);
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(factor, factor);
    source.paint(painter);
    painter.restore();

    double y = target.bottom() + gap;
    painter.drawText(QRectF(page.left(), y, page.width(), settingsBox.height()),
                     Qt::AlignLeft | Qt::TextWordWrap, settings);
    y += settingsBox.height() + gap;
    double labelWidth = 0;
    for (const QString& line : lines)
        labelWidth = std::max<double>(
            labelWidth, painter.fontMetrics().horizontalAdvance(line.section('\t', 0, 0)));
    for (const QString& line : lines) {
        painter.drawText(QPointF(page.left(), y + painter.fontMetrics().ascent()),
                         line.section('\t', 0, 0));
        painter.drawText(
            QPointF(page.left() + labelWidth + 2 * gap, y + painter.fontMetrics().ascent()),
            line.section('\t', 1));
        y += lineHeight;
    }
    return painter.end();
}

} // namespace lumenary
