#pragma once

#include "rtf_document.h"
#include "rtf_limits.h"

#include <optional>
#include <string_view>

namespace lumenary::rtf
{

// The control words the reader acts on. Everything else is ignored.
enum class WordId {
    Unknown,
    // destinations
    FontTable,
    ColourTable,
    Picture,
    SkippedDestination,
    // document
    DefaultFont,
    Unicode,
    UnicodeSkip,
    Binary,
    // characters
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Super,
    Sub,
    NoSuperSub,
    FontSize,
    Font,
    Colour,
    // paragraphs
    ParagraphDefaults,
    Par,
    Line,
    Tab,
    Left,
    Centre,
    Right,
    Justify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    TabStop,
    // tables
    InTable,
    RowDefaults,
    CellRight,
    Cell,
    Row,
    // special characters
    EmDash,
    EnDash,
    Bullet,
    LeftQuote,
    RightQuote,
    LeftDoubleQuote,
    RightDoubleQuote,
    EnSpace,
    EmSpace,
    QuarterEmSpace,
    ZeroWidthJoiner,
    ZeroWidthNonJoiner,
    // font-table families
    FamilyAny,
    FamilyRoman,
    FamilySwiss,
    FamilyModern,
    FamilyScript,
    FamilyDecorative,
    FamilyTechnical,
    // colour-table components
    Red,
    Green,
    Blue,
    // picture properties
    PngBlip,
    JpegBlip,
    OtherBlip,
    GoalWidth,
    GoalHeight,
    ScaleX,
    ScaleY,
};

// The meaning of a control word's letters.
WordId lookupWord(std::string_view letters);

// Whether a word marked with \* is one the reader understands (all others are skipped).
bool isKnownStarredWord(std::string_view letters);

// Applies a character-formatting word to format; false when id is none.
bool applyCharWord(CharFormat& format, WordId id, bool hasParam, int param);
// Applies a paragraph-formatting word to format; false when id is none.
bool applyParagraphWord(ParagraphFormat& format, WordId id, int param);
// The character a word such as \emdash or \bullet stands for, or 0.
char16_t specialCharacter(WordId id);
// The family a font-table word such as \froman names, if it names one.
std::optional<FontFamily> fontFamily(WordId id);

} // namespace lumenary::rtf
