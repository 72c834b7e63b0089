#include "rtf_layout_bounds.h"

#include "rtf_limits.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace lumenary::rtf
{

namespace
{

constexpr double kTwipsPerPixel = 15.0;
constexpr double kPixelsPerHalfPoint = 96.0 / 72.0 / 2.0;
constexpr double kLineSpacing = 1.25; // line height over font size, with room to spare
constexpr char16_t kLineBreak = 0x2028;
constexpr std::size_t kBreakSearch = 200; // how far back a split looks for a space

struct Budget {
    std::size_t runs = 0;
    std::size_t cells = 0;
    double height = 0;
};

void clampFormat(ParagraphFormat& format)
{
    format.spaceBefore = std::clamp(format.spaceBefore, 0, kMaxParagraphSpace);
    format.spaceAfter = std::clamp(format.spaceAfter, 0, kMaxParagraphSpace);
    format.leftIndent = std::clamp(format.leftIndent, 0, kMaxIndent);
    format.rightIndent = std::clamp(format.rightIndent, 0, kMaxIndent);
    format.firstIndent =
        std::clamp(format.firstIndent, -format.leftIndent, kMaxIndent - format.leftIndent);
}

// Past the paragraph's or the document's run limit, text joins the run before it.
void mergeRuns(Paragraph& paragraph, Budget& budget)
{
    std::vector<Piece> kept;
    std::size_t runs = 0;
    for (Piece& piece : paragraph.pieces) {
        const bool full = runs >= kMaxRunsPerParagraph || budget.runs >= kMaxRuns;
        if (piece.picture < 0 && !kept.empty() && kept.back().picture < 0 &&
            (full || kept.back().format == piece.format)) {
            kept.back().text += piece.text;
            continue;
        }
        kept.push_back(std::move(piece));
        ++runs;
        ++budget.runs;
    }
    paragraph.pieces = std::move(kept);
}

// Where to end a part of text from `from` with room for `room` units: at a space when one is
// near, never between the two halves of a surrogate pair.
std::size_t splitPoint(const std::u16string& text, std::size_t from, std::size_t room)
{
    const std::size_t end = from + room;
    for (std::size_t i = end; i > from && end - i < kBreakSearch; --i)
        if (text[i - 1] == u' ')
            return i;
    if (room > 0 && text[end - 1] >= 0xD800 && text[end - 1] <= 0xDBFF)
        return end - 1;
    return end;
}

// Splits a paragraph into parts of at most kMaxParagraphUnits units; the parts after the first
// go on without first-line indent or space between them.
std::vector<Paragraph> split(Paragraph paragraph)
{
    std::vector<Paragraph> parts(1);
    parts.back().format = paragraph.format;
    std::size_t units = 0;
    for (Piece& piece : paragraph.pieces) {
        std::size_t from = 0;
        while (units + piece.text.size() - from > kMaxParagraphUnits) {
            const std::size_t at = splitPoint(piece.text, from, kMaxParagraphUnits - units);
            if (at > from)
                parts.back().pieces.push_back(
                    Piece{piece.format, piece.text.substr(from, at - from), -1});
            from = at;
            parts.back().format.spaceAfter = 0;
            Paragraph next;
            next.format = paragraph.format;
            next.format.spaceBefore = 0;
            next.format.firstIndent = 0;
            parts.push_back(std::move(next));
            units = 0;
        }
        units += piece.text.size() - from;
        if (from > 0)
            piece.text.erase(0, from);
        if (piece.picture >= 0 || !piece.text.empty())
            parts.back().pieces.push_back(std::move(piece));
    }
    return parts;
}

// Bounds one paragraph and appends its parts to out; false when the height limit is reached.
bool boundParagraph(Paragraph paragraph, Budget& budget, int widthTwips,
                    std::vector<Paragraph>& out)
{
    clampFormat(paragraph.format);
    mergeRuns(paragraph, budget);
    for (Paragraph& part : split(std::move(paragraph))) {
        budget.height += estimatedHeight(part, widthTwips);
        if (budget.height > kMaxDocumentHeight)
            return false;
        out.push_back(std::move(part));
    }
    return true;
}

std::size_t cellCount(const Table& table)
{
    std::size_t cells = 0;
    for (const TableRow& row : table.rows)
        cells += row.cells.size();
    return cells;
}

int cellWidth(const TableRow& row, std::size_t c)
{
    if (c < row.cellRights.size()) {
        const int left = c > 0 ? row.cellRights[c - 1] : 0;
        return std::max(row.cellRights[c] - left, 150);
    }
    return std::max(kLayoutWidth / static_cast<int>(row.cells.size()), 150);
}

// A table row as one paragraph: its cells apart by tabs, a cell's paragraphs by line breaks.
Paragraph rowAsParagraph(TableRow& row)
{
    Paragraph result;
    for (std::size_t c = 0; c < row.cells.size(); ++c) {
        bool first = true;
        for (Paragraph& p : row.cells[c].paragraphs) {
            if (result.pieces.empty())
                result.format = p.format;
            const CharFormat format = p.pieces.empty() ? CharFormat{} : p.pieces.front().format;
            if (!first || c > 0)
                result.pieces.push_back(
                    Piece{format, std::u16string(1, first ? u'\t' : kLineBreak), -1});
            first = false;
            for (Piece& piece : p.pieces)
                result.pieces.push_back(std::move(piece));
        }
    }
    result.format.inTable = false;
    return result;
}

// Bounds a table kept as a table, each row as tall as its tallest cell; the rows past the height
// limit are dropped.
bool boundTable(Table& table, Budget& budget)
{
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        TableRow& row = table.rows[r];
        double tallest = 0;
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            Budget cell{budget.runs, 0, 0};
            std::vector<Paragraph> kept;
            for (Paragraph& p : row.cells[c].paragraphs)
                boundParagraph(std::move(p), cell, cellWidth(row, c), kept);
            row.cells[c].paragraphs = std::move(kept);
            budget.runs = cell.runs;
            tallest = std::max(tallest, cell.height);
        }
        budget.height += tallest;
        if (budget.height > kMaxDocumentHeight) {
            table.rows.resize(r);
            return false;
        }
    }
    return true;
}

} // namespace

double estimatedHeight(const Paragraph& paragraph, int widthTwips)
{
    int halfPoints = CharFormat{}.halfPoints;
    std::size_t units = 0;
    std::size_t breaks = 0;
    for (const Piece& piece : paragraph.pieces) {
        halfPoints = std::max(halfPoints, piece.format.halfPoints);
        units += piece.text.size();
        breaks +=
            static_cast<std::size_t>(std::count(piece.text.begin(), piece.text.end(), kLineBreak));
    }
    const ParagraphFormat& f = paragraph.format;
    const int width = widthTwips - f.leftIndent - f.rightIndent - std::max(f.firstIndent, 0);
    const double em = halfPoints * kPixelsPerHalfPoint;
    // Every character taken as wide as the font is tall.
    const double perLine = std::max(1.0, std::floor(std::max(width, 1) / kTwipsPerPixel / em));
    const double lines =
        1.0 + static_cast<double>(breaks) + std::ceil(static_cast<double>(units) / perLine);
    return (f.spaceBefore + f.spaceAfter) / kTwipsPerPixel + lines * em * kLineSpacing;
}

void boundForLayout(Document& document)
{
    Budget budget;
    std::vector<Block> kept;
    std::vector<Paragraph> parts;
    bool room = true;
    for (Block& block : document.blocks) {
        if (!room)
            break;
        parts.clear();
        if (auto* p = std::get_if<Paragraph>(&block)) {
            room = boundParagraph(std::move(*p), budget, kLayoutWidth, parts);
        } else if (Table& table = std::get<Table>(block);
                   budget.cells + cellCount(table) <= kMaxTableCells) {
            budget.cells += cellCount(table);
            room = boundTable(table, budget);
            if (!table.rows.empty())
                kept.emplace_back(std::move(table));
            continue;
        } else {
            // Too many cells to lay out as a table: a paragraph for each row instead.
            for (TableRow& row : table.rows)
                if (room)
                    room = boundParagraph(rowAsParagraph(row), budget, kLayoutWidth, parts);
        }
        for (Paragraph& p : parts)
            kept.emplace_back(std::move(p));
    }
    document.blocks = std::move(kept);
}

} // namespace lumenary::rtf
