#include "rtf_sink.h"

#include "rtf_reader.h"

namespace lumenary::rtf
{

namespace
{

constexpr char16_t kReplacement = 0xFFFD;
constexpr char16_t kLineBreak = 0x2028;

bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

void DocumentSink::emit(char16_t unit, const CharFormat& format)
{
    if (m_highSurrogate != 0) {
        const char16_t first = m_highSurrogate;
        m_highSurrogate = 0;
        if (isLowSurrogate(unit)) {
            put(first, format);
            put(unit, format);
            return;
        }
        put(kReplacement, format);
    }
    if (isHighSurrogate(unit))
        m_highSurrogate = unit;
    else
        put(isLowSurrogate(unit) ? kReplacement : unit, format);
}

void DocumentSink::flushSurrogate(const CharFormat& format)
{
    if (m_highSurrogate != 0) {
        m_highSurrogate = 0;
        put(kReplacement, format);
    }
}

// Characters a text layout treats as structure are replaced: paragraph separators become line
// breaks, object and frame markers the replacement character.
void DocumentSink::put(char16_t unit, const CharFormat& format)
{
    if ((unit < 0x20 && unit != u'\t') || unit == 0x7F)
        return;
    if (unit == 0x2029)
        unit = kLineBreak;
    if (unit == 0xFFFC || unit == 0xFFFE || unit == 0xFFFF || (unit >= 0xFDD0 && unit <= 0xFDEF))
        unit = kReplacement;
    auto& pieces = m_paragraph.pieces;
    if (!pieces.empty() && pieces.back().picture < 0 &&
        (pieces.back().format == format || m_pieceCount >= kMaxPieces)) {
        pieces.back().text.push_back(unit);
        return;
    }
    pieces.push_back(Piece{format, std::u16string(1, unit), -1});
    ++m_pieceCount;
}

void DocumentSink::picture(int index, const CharFormat& format)
{
    flushSurrogate(format);
    m_paragraph.pieces.push_back(Piece{format, {}, index});
    ++m_pieceCount;
}

Paragraph DocumentSink::takeParagraph(const ParagraphFormat& format, bool inTable)
{
    Paragraph paragraph = std::move(m_paragraph);
    m_paragraph = Paragraph{};
    paragraph.format = format;
    paragraph.format.inTable = inTable;
    return paragraph;
}

void DocumentSink::endParagraph(const ParagraphFormat& format, const CharFormat& chr)
{
    flushSurrogate(chr);
    if (m_paragraphCount >= kMaxParagraphs) {
        put(kLineBreak, chr);
        return;
    }
    ++m_paragraphCount;
    if (format.inTable) {
        m_cell.paragraphs.push_back(takeParagraph(format, true));
        return;
    }
    closeTable(format, chr);
    m_blocks.emplace_back(takeParagraph(format, false));
}

void DocumentSink::endCell(const ParagraphFormat& format, const CharFormat& chr)
{
    flushSurrogate(chr);
    if (m_row.cells.size() >= kMaxCellsPerRow || m_cellCount >= kMaxCells) {
        put(u'\t', chr);
        return;
    }
    ++m_cellCount;
    m_cell.paragraphs.push_back(takeParagraph(format, true));
    m_row.cells.push_back(std::move(m_cell));
    m_cell = TableCell{};
}

// The text of cells past the row limit joins the row's last cell.
void DocumentSink::mergeIntoLastCell(const ParagraphFormat& format)
{
    Paragraph paragraph = takeParagraph(format, true);
    auto& target = m_row.cells.back().paragraphs;
    for (Paragraph& p : m_cell.paragraphs)
        target.push_back(std::move(p));
    m_cell = TableCell{};
    if (!paragraph.pieces.empty())
        target.push_back(std::move(paragraph));
}

void DocumentSink::addCellRight(int twips)
{
    if (m_cellRights.size() < kMaxCellsPerRow)
        m_cellRights.push_back(twips);
}

void DocumentSink::endRow(const ParagraphFormat& format, const CharFormat& chr)
{
    flushSurrogate(chr);
    if (!m_paragraph.pieces.empty() || !m_cell.paragraphs.empty()) {
        // text after the row's last \cell
        if (m_row.cells.size() >= kMaxCellsPerRow)
            mergeIntoLastCell(format);
        else
            endCell(format, chr);
    }
    if (m_row.cells.empty())
        return;
    m_row.cellRights = m_cellRights;
    if (!m_tableOpen || m_blocks.empty() || !std::holds_alternative<Table>(m_blocks.back()))
        m_blocks.emplace_back(Table{});
    m_tableOpen = true;
    std::get<Table>(m_blocks.back()).rows.push_back(std::move(m_row));
    m_row = TableRow{};
}

// A paragraph outside the table ends it; a row left without \row is kept.
void DocumentSink::closeTable(const ParagraphFormat& format, const CharFormat& chr)
{
    if (!m_row.cells.empty() || !m_cell.paragraphs.empty())
        endRow(format, chr);
    m_tableOpen = false;
}

void DocumentSink::finish(const ParagraphFormat& format, const CharFormat& chr)
{
    flushSurrogate(chr);
    if (!m_paragraph.pieces.empty()) {
        ++m_paragraphCount;
        if (format.inTable) {
            m_cell.paragraphs.push_back(takeParagraph(format, true));
        } else {
            closeTable(format, chr);
            m_blocks.emplace_back(takeParagraph(format, false));
        }
    }
    closeTable(format, chr);
}

} // namespace lumenary::rtf
