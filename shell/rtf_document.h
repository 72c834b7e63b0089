#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace lumenary::rtf
{

enum class Align { Left, Centre, Right, Justify };
enum class Script { Normal, Super, Sub };
// The font families a font table names (\fnil, \froman, \fswiss, \fmodern, \fscript, ...).
enum class FontFamily { Any, Roman, Swiss, Modern, Script, Decorative, Technical };

// How a run of characters looks. Sizes are in half-points, as RTF writes them.
struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    Script script = Script::Normal;
    int halfPoints = 24;
    int font = -1;  // font-table number; -1 for the document's default font
    int colour = 0; // colour-table index; 0 is the automatic colour
    bool operator==(const CharFormat&) const = default;
};

// How a paragraph is laid out. Lengths are in twips.
struct ParagraphFormat {
    Align align = Align::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0; // relative to leftIndent; negative for a hanging first line
    int spaceBefore = 0;
    int spaceAfter = 0;
    std::vector<int> tabs; // tab stops, ascending as written
    bool inTable = false;
};

// A run of text in one format, or one picture. Text holds UTF-16 code units; '\t' is a tab and
// U+2028 a line break. Never holds other control characters or lone surrogates.
struct Piece {
    CharFormat format;
    std::u16string text;
    int picture = -1; // index into Document::pictures when this piece is a picture
};

struct Paragraph {
    ParagraphFormat format;
    std::vector<Piece> pieces;
};

struct TableCell {
    std::vector<Paragraph> paragraphs;
};

struct TableRow {
    std::vector<int> cellRights; // right edge of each cell, in twips from the row's left
    std::vector<TableCell> cells;
};

struct Table {
    std::vector<TableRow> rows;
};

using Block = std::variant<Paragraph, Table>;

enum class PictureKind { Png, Jpeg };

// An embedded picture: the encoded image and the size it should be shown at.
struct Picture {
    PictureKind kind = PictureKind::Png;
    std::string data;
    int goalWidth = 0;  // twips; 0 when the document gives none
    int goalHeight = 0; // twips
    int scaleX = 100;   // percent
    int scaleY = 100;
};

struct Font {
    std::u16string name;
    FontFamily family = FontFamily::Any;
};

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Colour&) const = default;
};

// What an RTF text says, ready to be laid out.
struct Document {
    std::vector<Block> blocks;
    std::map<int, Font> fonts;
    std::vector<std::optional<Colour>> colours; // nothing for an automatic entry
    std::vector<Picture> pictures;
    int defaultFont = -1;
};

} // namespace lumenary::rtf
