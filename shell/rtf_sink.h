#pragma once

#include "rtf_document.h"

#include <cstddef>
#include <vector>

namespace lumenary::rtf
{

// Collects a document's text into paragraphs and tables, keeping to the reader's bounds. The
// reader passes the formats in effect with each call.
class DocumentSink
{
public:
    explicit DocumentSink(std::vector<Block>& blocks) : m_blocks(blocks) {}

    // One UTF-16 unit of text. Surrogates are paired here, so no lone half reaches the
    // document; control and layout characters are dropped or replaced.
    void emit(char16_t unit, const CharFormat& format);
    // A picture (an index into the document's pictures) in the running paragraph.
    void picture(int index, const CharFormat& format);
    // \par: ends the running paragraph, inside the table when format says so. Past the
    // paragraph limit it becomes a line break.
    void endParagraph(const ParagraphFormat& format, const CharFormat& chr);
    // \cell: ends the running paragraph and the cell; past the cell limits it becomes a tab.
    void endCell(const ParagraphFormat& format, const CharFormat& chr);
    // \trowd: a new row definition, whose \cellx edges follow.
    void startRowDefinition() { m_cellRights.clear(); }
    // \cellx: the right edge of the next cell, in twips.
    void addCellRight(int twips);
    // \row: ends the row.
    void endRow(const ParagraphFormat& format, const CharFormat& chr);
    // The end of the input: keeps the last paragraph and any open row.
    void finish(const ParagraphFormat& format, const CharFormat& chr);

private:
    void put(char16_t unit, const CharFormat& format);
    void flushSurrogate(const CharFormat& format);
    Paragraph takeParagraph(const ParagraphFormat& format, bool inTable);
    void mergeIntoLastCell(const ParagraphFormat& format);
    void closeTable(const ParagraphFormat& format, const CharFormat& chr);

    std::vector<Block>& m_blocks;
    Paragraph m_paragraph;
    char16_t m_highSurrogate = 0;
    std::size_t m_pieceCount = 0;
    std::size_t m_paragraphCount = 0;
    std::size_t m_cellCount = 0;
    TableCell m_cell;
    TableRow m_row;
    std::vector<int> m_cellRights; // of the row being defined
    bool m_tableOpen = false;
};

} // namespace lumenary::rtf
