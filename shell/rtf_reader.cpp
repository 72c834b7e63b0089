#include "rtf_reader.h"

#include "rtf_sink.h"
#include "rtf_tokenizer.h"
#include "rtf_words.h"

#include <algorithm>

namespace lumenary::rtf
{

namespace
{

constexpr char16_t kReplacement = 0xFFFD;

// Which part of the document the text of a group belongs to.
enum class Destination { Normal, Skip, FontTable, ColourTable, Picture };

// What a group saves and restores.
struct GroupState {
    CharFormat chr;
    ParagraphFormat para;
    Destination dest = Destination::Normal;
    int uc = 1; // fallback characters after \uN
};

class Reader
{
public:
    explicit Reader(std::string_view rtf) : m_tokens(rtf) {}
    Document run();

private:
    void groupOpen();
    void groupClose();
    void textByte(unsigned char byte);
    void hexByte(unsigned char byte);
    void symbol(char c);
    void word(const Token& token, bool starred);
    void documentWord(WordId id, bool hasParam, int param);
    void fontTableWord(WordId id, int param);
    void pictureWord(WordId id, int param);
    void binary(std::int32_t count);

    void emit(char16_t unit) { m_sink.emit(unit, m_state.chr); }
    void commitFont();
    void commitColour();
    void commitPicture();

    Tokenizer m_tokens;
    Document m_doc;
    DocumentSink m_sink{m_doc.blocks};
    GroupState m_state;
    std::vector<GroupState> m_stack;
    std::size_t m_overflow = 0; // groups opened past the depth limit and not yet closed
    bool m_starPending = false;
    int m_skip = 0; // fallback characters still to skip after \uN

    int m_fontNumber = -1;
    Font m_font;
    Colour m_colour;
    bool m_colourGiven = false;
    Picture m_picture;
    bool m_pictureShown = false; // a format the viewer can show
    int m_nibble = -1;           // the first hex digit of a picture byte
};

Document Reader::run()
{
    for (Token t = m_tokens.next(); t.kind != TokenKind::End; t = m_tokens.next()) {
        if (t.kind == TokenKind::GroupOpen) {
            groupOpen();
            continue;
        }
        if (t.kind == TokenKind::GroupClose) {
            groupClose();
            continue;
        }
        const bool starred = m_starPending;
        m_starPending = false;
        if (t.kind == TokenKind::Word && lookupWord(t.text) == WordId::Binary) {
            binary(t.hasParam ? t.param : 0); // its data is consumed whatever the state
            continue;
        }
        if (m_overflow > 0 || m_state.dest == Destination::Skip)
            continue;
        switch (t.kind) {
        case TokenKind::Text:
            for (const char c : t.text)
                textByte(static_cast<unsigned char>(c));
            break;
        case TokenKind::HexByte:
            if (m_skip > 0)
                --m_skip;
            else
                hexByte(t.byte);
            break;
        case TokenKind::Symbol:
            if (m_skip > 0)
                --m_skip;
            else
                symbol(t.symbol);
            break;
        case TokenKind::Word:
            if (m_skip > 0)
                --m_skip;
            else
                word(t, starred);
            break;
        default:
            break;
        }
    }
    m_sink.finish(m_state.para, m_state.chr);
    return std::move(m_doc);
}

void Reader::groupOpen()
{
    m_skip = 0;
    m_starPending = false;
    if (m_overflow > 0 || m_stack.size() >= kMaxGroupDepth) {
        ++m_overflow;
        return;
    }
    m_stack.push_back(m_state);
}

void Reader::groupClose()
{
    m_skip = 0;
    m_starPending = false;
    if (m_overflow > 0) {
        --m_overflow;
        return;
    }
    if (m_stack.empty())
        return; // a stray closing brace
    const Destination leaving = m_state.dest;
    m_state = std::move(m_stack.back());
    m_stack.pop_back();
    if (leaving == Destination::FontTable)
        commitFont();
    if (leaving == Destination::Picture && m_state.dest != Destination::Picture)
        commitPicture();
}

void Reader::textByte(unsigned char byte)
{
    if (byte == '\r' || byte == '\n')
        return; // line ends in RTF source are not text
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    switch (m_state.dest) {
    case Destination::Normal:
        if (byte >= 0x20 || byte == '\t')
            emit(fromWindows1252(byte));
        break;
    case Destination::FontTable:
        if (byte == ';')
            commitFont();
        else if (byte >= 0x20 && m_font.name.size() < kMaxFontNameUnits)
            m_font.name.push_back(fromWindows1252(byte));
        break;
    case Destination::ColourTable:
        if (byte == ';')
            commitColour();
        break;
    case Destination::Picture: {
        int v = -1;
        if (byte >= '0' && byte <= '9')
            v = byte - '0';
        else if (byte >= 'a' && byte <= 'f')
            v = byte - 'a' + 10;
        else if (byte >= 'A' && byte <= 'F')
            v = byte - 'A' + 10;
        if (v < 0)
            break;
        if (m_nibble < 0) {
            m_nibble = v;
        } else {
            m_picture.data.push_back(static_cast<char>(m_nibble * 16 + v));
            m_nibble = -1;
        }
        break;
    }
    case Destination::Skip:
        break;
    }
}

void Reader::hexByte(unsigned char byte)
{
    if (m_state.dest == Destination::Normal) {
        if (byte >= 0x20 || byte == '\t')
            emit(fromWindows1252(byte));
    } else if (m_state.dest == Destination::FontTable) {
        if (byte >= 0x20 && m_font.name.size() < kMaxFontNameUnits)
            m_font.name.push_back(fromWindows1252(byte));
    }
}

void Reader::symbol(char c)
{
    if (c == '*') {
        m_starPending = true;
        return;
    }
    if (m_state.dest == Destination::FontTable && (c == '\\' || c == '{' || c == '}')) {
        if (m_font.name.size() < kMaxFontNameUnits)
            m_font.name.push_back(static_cast<char16_t>(c));
        return;
    }
    if (m_state.dest != Destination::Normal)
        return;
    switch (c) {
    case '\\':
    case '{':
    case '}':
        emit(static_cast<char16_t>(c));
        break;
    case '~':
        emit(0x00A0); // no-break space
        break;
    case '-':
        emit(0x00AD); // optional hyphen
        break;
    case '_':
        emit(0x2011); // no-break hyphen
        break;
    case '\n':
    case '\r':
        m_sink.endParagraph(m_state.para, m_state.chr);
        break;
    default:
        break;
    }
}

void Reader::word(const Token& token, bool starred)
{
    if (starred && !isKnownStarredWord(token.text)) {
        m_state.dest = Destination::Skip;
        return;
    }
    const WordId id = lookupWord(token.text);
    if (id == WordId::SkippedDestination) {
        m_state.dest = Destination::Skip;
        return;
    }
    const int param = token.param;
    switch (m_state.dest) {
    case Destination::Normal:
        documentWord(id, token.hasParam, param);
        break;
    case Destination::FontTable:
        fontTableWord(id, token.hasParam ? param : 0);
        break;
    case Destination::ColourTable: {
        const auto component = static_cast<std::uint8_t>(std::clamp(param, 0, 255));
        if (id == WordId::Red)
            m_colour.red = component;
        else if (id == WordId::Green)
            m_colour.green = component;
        else if (id == WordId::Blue)
            m_colour.blue = component;
        else
            break;
        m_colourGiven = true;
        break;
    }
    case Destination::Picture:
        pictureWord(id, param);
        break;
    case Destination::Skip:
        break;
    }
}

void Reader::documentWord(WordId id, bool hasParam, int param)
{
    if (applyCharWord(m_state.chr, id, hasParam, param) ||
        applyParagraphWord(m_state.para, id, param))
        return;
    if (const char16_t c = specialCharacter(id)) {
        emit(c);
        return;
    }
    switch (id) {
    case WordId::FontTable:
        m_state.dest = Destination::FontTable;
        m_fontNumber = -1;
        m_font = Font{};
        break;
    case WordId::ColourTable:
        m_state.dest = Destination::ColourTable;
        m_colour = Colour{};
        m_colourGiven = false;
        break;
    case WordId::Picture:
        m_state.dest = Destination::Picture;
        m_picture = Picture{};
        m_pictureShown = false;
        m_nibble = -1;
        break;
    case WordId::DefaultFont:
        m_doc.defaultFont = param;
        break;
    case WordId::Unicode:
        if (!hasParam)
            break;
        emit(param < -32768 || param > 0xFFFF
                 ? kReplacement
                 : static_cast<char16_t>(param < 0 ? param + 65536 : param));
        m_skip = m_state.uc;
        break;
    case WordId::UnicodeSkip:
        m_state.uc = hasParam ? std::max(param, 0) : 1;
        break;
    case WordId::Par:
        m_sink.endParagraph(m_state.para, m_state.chr);
        break;
    case WordId::RowDefaults:
        m_sink.startRowDefinition();
        break;
    case WordId::CellRight:
        m_sink.addCellRight(std::clamp(param, 0, 4 * kMaxTwips));
        break;
    case WordId::Cell:
        m_sink.endCell(m_state.para, m_state.chr);
        break;
    case WordId::Row:
        m_sink.endRow(m_state.para, m_state.chr);
        break;
    default:
        break;
    }
}

void Reader::fontTableWord(WordId id, int param)
{
    if (id == WordId::Font) {
        if (!m_font.name.empty())
            commitFont();
        m_fontNumber = param;
    } else if (const auto family = fontFamily(id)) {
        m_font.family = *family;
    }
}

void Reader::pictureWord(WordId id, int param)
{
    switch (id) {
    case WordId::PngBlip:
        m_picture.kind = PictureKind::Png;
        m_pictureShown = true;
        break;
    case WordId::JpegBlip:
        m_picture.kind = PictureKind::Jpeg;
        m_pictureShown = true;
        break;
    case WordId::OtherBlip:
        m_pictureShown = false;
        break;
    case WordId::GoalWidth:
        m_picture.goalWidth = std::clamp(param, 0, 4 * kMaxTwips);
        break;
    case WordId::GoalHeight:
        m_picture.goalHeight = std::clamp(param, 0, 4 * kMaxTwips);
        break;
    case WordId::ScaleX:
        m_picture.scaleX = std::clamp(param, 1, 1000);
        break;
    case WordId::ScaleY:
        m_picture.scaleY = std::clamp(param, 1, 1000);
        break;
    default:
        break;
    }
}

void Reader::binary(std::int32_t count)
{
    const std::string_view data = m_tokens.takeBinary(count);
    if (m_overflow > 0 || m_state.dest == Destination::Skip)
        return;
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    if (m_state.dest == Destination::Picture)
        m_picture.data.append(data);
}

void Reader::commitFont()
{
    auto& name = m_font.name;
    while (!name.empty() && name.back() == u' ')
        name.pop_back();
    while (!name.empty() && name.front() == u' ')
        name.erase(name.begin());
    if (m_fontNumber >= 0 && (m_doc.fonts.size() < kMaxFonts || m_doc.fonts.count(m_fontNumber)))
        m_doc.fonts[m_fontNumber] = m_font;
    m_font = Font{};
    m_fontNumber = -1;
}

void Reader::commitColour()
{
    if (m_doc.colours.size() < kMaxColours)
        m_doc.colours.push_back(m_colourGiven ? std::optional<Colour>(m_colour) : std::nullopt);
    m_colour = Colour{};
    m_colourGiven = false;
}

void Reader::commitPicture()
{
    if (m_pictureShown && !m_picture.data.empty() && m_doc.pictures.size() < kMaxPictures) {
        m_sink.picture(static_cast<int>(m_doc.pictures.size()), m_state.chr);
        m_doc.pictures.push_back(std::move(m_picture));
    }
    m_picture = Picture{};
    m_pictureShown = false;
    m_nibble = -1;
}

} // namespace

Document read(std::string_view rtf)
{
    return Reader(rtf.substr(0, std::min(rtf.size(), kMaxInputBytes))).run();
}

bool looksLikeRtf(std::string_view bytes)
{
    const auto start = bytes.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && bytes.substr(start, 5) == "{\\rtf";
}

} // namespace lumenary::rtf
