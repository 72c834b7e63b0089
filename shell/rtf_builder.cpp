#include "rtf_builder.h"

#include "rtf_layout_bounds.h"
#include "rtf_reader.h"

#include <QBuffer>

#include <QImage>
#include <QImageReader>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>

#include <algorithm>

namespace lumenary
{

namespace
{

constexpr double kTwipsPerPixel = 15.0;
constexpr int kMaxPictureSide = 4000; // pixels

QString toQString(const std::u16string& text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

class Builder
{
public:
    Builder(const rtf::Document& document, QTextDocument& target)
        : m_doc(document), m_target(target), m_cursor(&target)
    {
    }
    void run();

private:
    void paragraph(const rtf::Paragraph& paragraph);
    void table(const rtf::Table& table);
    void picture(const rtf::Piece& piece);
    QTextCharFormat charFormat(const rtf::CharFormat& format) const;
    static QTextBlockFormat blockFormat(const rtf::ParagraphFormat& format);

    const rtf::Document& m_doc;
    QTextDocument& m_target;
    QTextCursor m_cursor;
    long long m_picturePixels = 0; // decoded so far
    bool m_freshBlock = true;      // the cursor's block is empty and not yet used
};

void Builder::run()
{
    m_target.clear();
    // One edit block: the document's layout and views hear of the change once, at the end,
    // rather than after every insertion; and no undo history is kept of a document being read.
    const bool undo = m_target.isUndoRedoEnabled();
    m_target.setUndoRedoEnabled(false);
    QTextCursor whole(&m_target);
    whole.beginEditBlock();
    m_cursor = QTextCursor(&m_target);
    for (const rtf::Block& block : m_doc.blocks) {
        if (const auto* p = std::get_if<rtf::Paragraph>(&block))
            paragraph(*p);
        else
            table(std::get<rtf::Table>(block));
    }
    whole.endEditBlock();
    m_target.setUndoRedoEnabled(undo);
}

void Builder::paragraph(const rtf::Paragraph& paragraph)
{
    const QTextBlockFormat format = blockFormat(paragraph.format);
    QTextCharFormat first =
        charFormat(paragraph.pieces.empty() ? rtf::CharFormat{} : paragraph.pieces.front().format);
    if (m_freshBlock) {
        m_cursor.setBlockFormat(format);
        m_cursor.setBlockCharFormat(first);
        m_freshBlock = false;
    } else {
        m_cursor.insertBlock(format, first);
    }
    for (const rtf::Piece& piece : paragraph.pieces) {
        if (piece.picture >= 0)
            picture(piece);
        else
            m_cursor.insertText(toQString(piece.text), charFormat(piece.format));
    }
}

void Builder::table(const rtf::Table& table)
{
    int columns = 0;
    for (const rtf::TableRow& row : table.rows)
        columns = std::max(columns, static_cast<int>(row.cells.size()));
    if (columns == 0 || table.rows.empty())
        return;
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellPadding(3);
    format.setCellSpacing(0);
    const std::vector<int>& rights = table.rows.front().cellRights;
    if (static_cast<int>(rights.size()) == columns) {
        QList<QTextLength> widths;
        int left = 0;
        for (const int right : rights) {
            widths << QTextLength(QTextLength::FixedLength,
                                  std::max(right - left, 150) / kTwipsPerPixel);
            left = std::max(left, right);
        }
        format.setColumnWidthConstraints(widths);
    }
    QTextTable* qtable = m_cursor.insertTable(static_cast<int>(table.rows.size()), columns, format);
    for (int r = 0; r < static_cast<int>(table.rows.size()); ++r) {
        const auto& cells = table.rows[static_cast<std::size_t>(r)].cells;
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            m_cursor = qtable->cellAt(r, c).firstCursorPosition();
            m_freshBlock = true;
            for (const rtf::Paragraph& p : cells[static_cast<std::size_t>(c)].paragraphs)
                paragraph(p);
        }
    }
    m_cursor.movePosition(QTextCursor::End);
    m_freshBlock = true; // the empty block a document keeps after a table
}

void Builder::picture(const rtf::Piece& piece)
{
    const rtf::Picture& pic = m_doc.pictures[static_cast<std::size_t>(piece.picture)];
    QByteArray data =
        QByteArray::fromRawData(pic.data.data(), static_cast<qsizetype>(pic.data.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, pic.kind == rtf::PictureKind::Png ? "PNG" : "JPEG");
    // The header's size is checked before anything is decoded; the allocation limit holds the
    // decoder to it should the header lie.
    const QSize size = reader.size();
    const long long pixels = static_cast<long long>(size.width()) * size.height();
    if (!size.isValid() || pixels <= 0 || pixels > rtf::kMaxPicturePixels ||
        m_picturePixels + pixels > rtf::kMaxDocumentPicturePixels)
        return;
    reader.setAllocationLimit(static_cast<int>(rtf::kMaxPicturePixels * 4 / (1024 * 1024)) + 1);
    QImage image;
    if (!reader.read(&image))
        return;
    m_picturePixels += pixels;
    const QString name = QStringLiteral("rtfpicture:%1").arg(piece.picture);
    m_target.addResource(QTextDocument::ImageResource, QUrl(name), image);
    const double width = pic.goalWidth > 0 ? pic.goalWidth / kTwipsPerPixel : image.width();
    const double height = pic.goalHeight > 0 ? pic.goalHeight / kTwipsPerPixel : image.height();
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(std::clamp(width * pic.scaleX / 100.0, 1.0, double(kMaxPictureSide)));
    format.setHeight(std::clamp(height * pic.scaleY / 100.0, 1.0, double(kMaxPictureSide)));
    m_cursor.insertImage(format);
}

QTextCharFormat Builder::charFormat(const rtf::CharFormat& format) const
{
    QTextCharFormat result;
    result.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    result.setFontItalic(format.italic);
    result.setFontUnderline(format.underline);
    result.setFontStrikeOut(format.strike);
    result.setFontPointSize(format.halfPoints / 2.0);
    if (format.script == rtf::Script::Super)
        result.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (format.script == rtf::Script::Sub)
        result.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    auto font = m_doc.fonts.find(format.font >= 0 ? format.font : m_doc.defaultFont);
    if (font == m_doc.fonts.end())
        font = m_doc.fonts.find(m_doc.defaultFont);
    if (font != m_doc.fonts.end() && !font->second.name.empty()) {
        result.setFontFamilies({toQString(font->second.name)});
        static const QFont::StyleHint hints[] = {
            QFont::AnyStyle, QFont::Serif,      QFont::SansSerif, QFont::TypeWriter,
            QFont::Cursive,  QFont::Decorative, QFont::AnyStyle};
        result.setFontStyleHint(hints[static_cast<int>(font->second.family)]);
    }
    const auto index = static_cast<std::size_t>(format.colour);
    if (format.colour > 0 && index < m_doc.colours.size() && m_doc.colours[index]) {
        const rtf::Colour& c = *m_doc.colours[index];
        result.setForeground(QColor(c.red, c.green, c.blue));
    }
    return result;
}

QTextBlockFormat Builder::blockFormat(const rtf::ParagraphFormat& format)
{
    QTextBlockFormat result;
    switch (format.align) {
    case rtf::Align::Left:
        result.setAlignment(Qt::AlignLeft);
        break;
    case rtf::Align::Centre:
        result.setAlignment(Qt::AlignHCenter);
        break;
    case rtf::Align::Right:
        result.setAlignment(Qt::AlignRight);
        break;
    case rtf::Align::Justify:
        result.setAlignment(Qt::AlignJustify);
        break;
    }
    result.setLeftMargin(std::max(format.leftIndent, 0) / kTwipsPerPixel);
    result.setRightMargin(std::max(format.rightIndent, 0) / kTwipsPerPixel);
    result.setTextIndent(format.firstIndent / kTwipsPerPixel);
    result.setTopMargin(format.spaceBefore / kTwipsPerPixel);
    result.setBottomMargin(format.spaceAfter / kTwipsPerPixel);
    QList<QTextOption::Tab> tabs;
    for (const int tab : format.tabs)
        tabs << QTextOption::Tab(tab / kTwipsPerPixel, QTextOption::LeftTab);
    if (!tabs.isEmpty())
        result.setTabPositions(tabs);
    return result;
}

} // namespace

void buildTextDocument(rtf::Document document, QTextDocument& target)
{
    rtf::boundForLayout(document);
    Builder(document, target).run();
}

void setRtf(QTextDocument& target, QByteArrayView rtf)
{
    buildTextDocument(rtf::read(std::string_view(rtf.data(), static_cast<std::size_t>(rtf.size()))),
                      target);
}

} // namespace lumenary
