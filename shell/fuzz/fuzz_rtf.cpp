// Drives the RTF reader with arbitrary bytes and checks what it promises about its result.
#include "rtf_reader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace
{

using namespace lumenary::rtf;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkParagraph(const Paragraph& paragraph, const Document& document, std::size_t& units)
{
    check(paragraph.format.tabs.size() <= kMaxTabs);
    for (const Piece& piece : paragraph.pieces) {
        if (piece.picture >= 0) {
            check(static_cast<std::size_t>(piece.picture) < document.pictures.size());
            check(piece.text.empty());
            continue;
        }
        check(!piece.text.empty());
        check(piece.format.halfPoints >= 2 && piece.format.halfPoints <= 400);
        for (std::size_t i = 0; i < piece.text.size(); ++i) {
            const char16_t c = piece.text[i];
            check(c >= 0x20 || c == u'\t');
            check(c != 0x7F && c != 0xFFFC && c != 0x2029 && !(c >= 0xFDD0 && c <= 0xFDEF));
            if (c >= 0xD800 && c <= 0xDBFF) // a high surrogate is always followed by a low one
                check(i + 1 < piece.text.size() && piece.text[i + 1] >= 0xDC00 &&
                      piece.text[i + 1] <= 0xDFFF);
            if (c >= 0xDC00 && c <= 0xDFFF)
                check(i > 0 && piece.text[i - 1] >= 0xD800 && piece.text[i - 1] <= 0xDBFF);
        }
        units += piece.text.size();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const Document document = read(input);
    std::size_t units = 0;
    for (const Block& block : document.blocks) {
        if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
            checkParagraph(*paragraph, document, units);
            continue;
        }
        const auto& table = std::get<Table>(block);
        check(!table.rows.empty());
        for (const TableRow& row : table.rows) {
            check(!row.cells.empty() && row.cells.size() <= kMaxCellsPerRow);
            check(row.cellRights.size() <= kMaxCellsPerRow);
            for (const TableCell& cell : row.cells)
                for (const Paragraph& paragraph : cell.paragraphs)
                    checkParagraph(paragraph, document, units);
        }
    }
    // Every unit of text costs at least one input byte, except the line breaks that stand
    // for paragraphs past the limit, which cost at least two.
    check(units <= size);
    check(document.fonts.size() <= kMaxFonts && document.colours.size() <= kMaxColours);
    std::size_t pictureBytes = 0;
    for (const Picture& picture : document.pictures)
        pictureBytes += picture.data.size();
    check(pictureBytes <= size);
    return 0;
}
