#include "rtf_tokenizer.h"

#include <limits>

namespace lumenary::rtf
{

namespace
{

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

Token Tokenizer::next()
{
    Token token;
    if (m_pos >= m_in.size())
        return token;
    const char c = m_in[m_pos];
    if (c == '{' || c == '}') {
        ++m_pos;
        token.kind = c == '{' ? TokenKind::GroupOpen : TokenKind::GroupClose;
        return token;
    }
    if (c != '\\') {
        const std::size_t start = m_pos;
        while (m_pos < m_in.size() && m_in[m_pos] != '\\' && m_in[m_pos] != '{' &&
               m_in[m_pos] != '}')
            ++m_pos;
        token.kind = TokenKind::Text;
        token.text = m_in.substr(start, m_pos - start);
        return token;
    }
    ++m_pos; // the backslash
    if (m_pos >= m_in.size())
        return token; // a lone backslash at the very end: nothing more
    const char after = m_in[m_pos];
    if (isLetter(after))
        return controlWord();
    if (after == '\'')
        return hexByte();
    ++m_pos;
    token.kind = TokenKind::Symbol;
    token.symbol = after;
    return token;
}

// \letters[-digits][ ]: every letter and digit is consumed, but only the first letters and
// digits count; the value saturates at the 32-bit limits.
Token Tokenizer::controlWord()
{
    Token token;
    token.kind = TokenKind::Word;
    const std::size_t start = m_pos;
    while (m_pos < m_in.size() && isLetter(m_in[m_pos]))
        ++m_pos;
    const std::size_t letters = m_pos - start;
    token.text = m_in.substr(start, letters < kMaxWordLetters ? letters : kMaxWordLetters);

    bool negative = false;
    if (m_pos + 1 < m_in.size() && m_in[m_pos] == '-' && isDigit(m_in[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < m_in.size() && isDigit(m_in[m_pos])) {
        std::int64_t value = 0; // ten digits fit easily
        std::size_t digits = 0;
        while (m_pos < m_in.size() && isDigit(m_in[m_pos])) {
            if (digits < kMaxParamDigits)
                value = value * 10 + (m_in[m_pos] - '0');
            else
                value = std::numeric_limits<std::int64_t>::max() / 2; // far past 32 bits
            ++digits;
            ++m_pos;
        }
        if (negative)
            value = -value;
        if (value > std::numeric_limits<std::int32_t>::max())
            value = std::numeric_limits<std::int32_t>::max();
        if (value < std::numeric_limits<std::int32_t>::min())
            value = std::numeric_limits<std::int32_t>::min();
        token.hasParam = true;
        token.param = static_cast<std::int32_t>(value);
    }
    if (m_pos < m_in.size() && m_in[m_pos] == ' ')
        ++m_pos; // the delimiting blank belongs to the word
    return token;
}

// \'hh; with fewer than two hex digits the valid ones are dropped and a Symbol '\'' returned.
Token Tokenizer::hexByte()
{
    Token token;
    ++m_pos; // the quote
    int high = m_pos < m_in.size() ? hexValue(m_in[m_pos]) : -1;
    int low = m_pos + 1 < m_in.size() ? hexValue(m_in[m_pos + 1]) : -1;
    if (high >= 0 && low >= 0) {
        m_pos += 2;
        token.kind = TokenKind::HexByte;
        token.byte = static_cast<unsigned char>(high * 16 + low);
        return token;
    }
    if (high >= 0)
        ++m_pos;
    token.kind = TokenKind::Symbol;
    token.symbol = '\'';
    return token;
}

std::string_view Tokenizer::takeBinary(std::int64_t count)
{
    const std::size_t left = m_in.size() - m_pos;
    const std::size_t take =
        count <= 0 ? 0 : (static_cast<std::uint64_t>(count) < left ? std::size_t(count) : left);
    const std::string_view data = m_in.substr(m_pos, take);
    m_pos += take;
    return data;
}

} // namespace lumenary::rtf
