#include "rtf_words.h"

#include "rtf_reader.h"

#include <algorithm>
#include <array>
#include <string>
#include <unordered_map>

namespace lumenary::rtf
{

namespace
{

using Map = std::unordered_map<std::string_view, WordId>;

Map makeMap()
{
    Map m{
        {"fonttbl", WordId::FontTable},
        {"colortbl", WordId::ColourTable},
        {"pict", WordId::Picture},
        {"deff", WordId::DefaultFont},
        {"u", WordId::Unicode},
        {"uc", WordId::UnicodeSkip},
        {"bin", WordId::Binary},
        {"plain", WordId::Plain},
        {"b", WordId::Bold},
        {"i", WordId::Italic},
        {"ul", WordId::Underline},
        {"ulnone", WordId::UnderlineNone},
        {"strike", WordId::Strike},
        {"striked", WordId::Strike},
        {"super", WordId::Super},
        {"sub", WordId::Sub},
        {"nosupersub", WordId::NoSuperSub},
        {"fs", WordId::FontSize},
        {"f", WordId::Font},
        {"cf", WordId::Colour},
        {"pard", WordId::ParagraphDefaults},
        {"par", WordId::Par},
        {"sect", WordId::Par},
        {"page", WordId::Par},
        {"line", WordId::Line},
        {"tab", WordId::Tab},
        {"ql", WordId::Left},
        {"qc", WordId::Centre},
        {"qr", WordId::Right},
        {"qj", WordId::Justify},
        {"li", WordId::LeftIndent},
        {"ri", WordId::RightIndent},
        {"fi", WordId::FirstIndent},
        {"sb", WordId::SpaceBefore},
        {"sa", WordId::SpaceAfter},
        {"tx", WordId::TabStop},
        {"intbl", WordId::InTable},
        {"trowd", WordId::RowDefaults},
        {"cellx", WordId::CellRight},
        {"cell", WordId::Cell},
        {"nestcell", WordId::Cell},
        {"row", WordId::Row},
        {"nestrow", WordId::Row},
        {"emdash", WordId::EmDash},
        {"endash", WordId::EnDash},
        {"bullet", WordId::Bullet},
        {"lquote", WordId::LeftQuote},
        {"rquote", WordId::RightQuote},
        {"ldblquote", WordId::LeftDoubleQuote},
        {"rdblquote", WordId::RightDoubleQuote},
        {"enspace", WordId::EnSpace},
        {"emspace", WordId::EmSpace},
        {"qmspace", WordId::QuarterEmSpace},
        {"zwj", WordId::ZeroWidthJoiner},
        {"zwnj", WordId::ZeroWidthNonJoiner},
        {"fnil", WordId::FamilyAny},
        {"froman", WordId::FamilyRoman},
        {"fswiss", WordId::FamilySwiss},
        {"fmodern", WordId::FamilyModern},
        {"fscript", WordId::FamilyScript},
        {"fdecor", WordId::FamilyDecorative},
        {"ftech", WordId::FamilyTechnical},
        {"fbidi", WordId::FamilyAny},
        {"red", WordId::Red},
        {"green", WordId::Green},
        {"blue", WordId::Blue},
        {"pngblip", WordId::PngBlip},
        {"jpegblip", WordId::JpegBlip},
        {"picwgoal", WordId::GoalWidth},
        {"pichgoal", WordId::GoalHeight},
        {"picscalex", WordId::ScaleX},
        {"picscaley", WordId::ScaleY},
    };
    // Every way of underlining is shown as a plain underline.
    for (const char* w :
         {"uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd",
          "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
        m.emplace(w, WordId::Underline);
    // Pictures in formats that are not shown.
    for (const char* w : {"wmetafile", "emfblip", "macpict", "pmmetafile", "dibitmap", "wbitmap"})
        m.emplace(w, WordId::OtherBlip);
    // Destinations whose text is never shown, written with or without \*.
    for (const char* w : {"info",
                          "stylesheet",
                          "header",
                          "headerl",
                          "headerr",
                          "headerf",
                          "footer",
                          "footerl",
                          "footerr",
                          "footerf",
                          "footnote",
                          "annotation",
                          "atnid",
                          "atnauthor",
                          "object",
                          "objdata",
                          "fldinst",
                          "xe",
                          "tc",
                          "txe",
                          "rxe",
                          "bkmkstart",
                          "bkmkend",
                          "datafield",
                          "nonshppict",
                          "template",
                          "listtable",
                          "listoverridetable",
                          "revtbl",
                          "rsidtbl",
                          "generator",
                          "userprops",
                          "docvar",
                          "themedata",
                          "colorschememapping",
                          "latentstyles",
                          "datastore",
                          "xmlnstbl",
                          "pgdsctbl",
                          "filetbl",
                          "private",
                          "comment",
                          "title",
                          "subject",
                          "author",
                          "operator",
                          "keywords",
                          "doccomm",
                          "company",
                          "pn",
                          "fchars",
                          "lchars",
                          "falt",
                          "panose",
                          "mmathPr",
                          "pnseclvl",
                          "shpinst",
                          "sp"})
        m.emplace(w, WordId::SkippedDestination);
    return m;
}

} // namespace

WordId lookupWord(std::string_view letters)
{
    static const Map map = makeMap();
    const auto found = map.find(letters);
    return found == map.end() ? WordId::Unknown : found->second;
}

bool isKnownStarredWord(std::string_view letters)
{
    // A shape's picture: the \pict inside it is the figure to show.
    return letters == "shppict";
}

bool applyCharWord(CharFormat& f, WordId id, bool hasParam, int param)
{
    const bool on = !hasParam || param != 0; // \b and \b1 switch on, \b0 off
    switch (id) {
    case WordId::Plain:
        f = CharFormat{};
        break;
    case WordId::Bold:
        f.bold = on;
        break;
    case WordId::Italic:
        f.italic = on;
        break;
    case WordId::Underline:
        f.underline = on;
        break;
    case WordId::UnderlineNone:
        f.underline = false;
        break;
    case WordId::Strike:
        f.strike = on;
        break;
    case WordId::Super:
        f.script = Script::Super;
        break;
    case WordId::Sub:
        f.script = Script::Sub;
        break;
    case WordId::NoSuperSub:
        f.script = Script::Normal;
        break;
    case WordId::FontSize:
        f.halfPoints = hasParam ? std::clamp(param, 2, 400) : 24;
        break;
    case WordId::Font:
        f.font = hasParam ? param : 0;
        break;
    case WordId::Colour:
        f.colour = std::max(param, 0);
        break;
    default:
        return false;
    }
    return true;
}

bool applyParagraphWord(ParagraphFormat& f, WordId id, int param)
{
    const int length = std::clamp(param, -kMaxTwips, kMaxTwips);
    switch (id) {
    case WordId::ParagraphDefaults:
        f = ParagraphFormat{};
        break;
    case WordId::Left:
        f.align = Align::Left;
        break;
    case WordId::Centre:
        f.align = Align::Centre;
        break;
    case WordId::Right:
        f.align = Align::Right;
        break;
    case WordId::Justify:
        f.align = Align::Justify;
        break;
    case WordId::LeftIndent:
        f.leftIndent = length;
        break;
    case WordId::RightIndent:
        f.rightIndent = length;
        break;
    case WordId::FirstIndent:
        f.firstIndent = length;
        break;
    case WordId::SpaceBefore:
        f.spaceBefore = std::max(length, 0);
        break;
    case WordId::SpaceAfter:
        f.spaceAfter = std::max(length, 0);
        break;
    case WordId::TabStop:
        if (f.tabs.size() < kMaxTabs)
            f.tabs.push_back(std::max(length, 0));
        break;
    case WordId::InTable:
        f.inTable = true;
        break;
    default:
        return false;
    }
    return true;
}

char16_t specialCharacter(WordId id)
{
    switch (id) {
    case WordId::Line:
        return 0x2028; // line break within the paragraph
    case WordId::Tab:
        return u'\t';
    case WordId::EmDash:
        return 0x2014;
    case WordId::EnDash:
        return 0x2013;
    case WordId::Bullet:
        return 0x2022;
    case WordId::LeftQuote:
        return 0x2018;
    case WordId::RightQuote:
        return 0x2019;
    case WordId::LeftDoubleQuote:
        return 0x201C;
    case WordId::RightDoubleQuote:
        return 0x201D;
    case WordId::EnSpace:
        return 0x2002;
    case WordId::EmSpace:
        return 0x2003;
    case WordId::QuarterEmSpace:
        return 0x2005;
    case WordId::ZeroWidthJoiner:
        return 0x200D;
    case WordId::ZeroWidthNonJoiner:
        return 0x200C;
    default:
        return 0;
    }
}

std::optional<FontFamily> fontFamily(WordId id)
{
    switch (id) {
    case WordId::FamilyAny:
        return FontFamily::Any;
    case WordId::FamilyRoman:
        return FontFamily::Roman;
    case WordId::FamilySwiss:
        return FontFamily::Swiss;
    case WordId::FamilyModern:
        return FontFamily::Modern;
    case WordId::FamilyScript:
        return FontFamily::Script;
    case WordId::FamilyDecorative:
        return FontFamily::Decorative;
    case WordId::FamilyTechnical:
        return FontFamily::Technical;
    default:
        return std::nullopt;
    }
}

char16_t fromWindows1252(unsigned char byte)
{
    static constexpr std::array<char16_t, 32> kHigh{
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    if (byte >= 0x80 && byte <= 0x9F)
        return kHigh[byte - 0x80];
    return byte;
}

} // namespace lumenary::rtf
