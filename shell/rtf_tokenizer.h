#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lumenary::rtf
{

// Control words keep at most this many letters; longer ones are read whole and cut.
constexpr std::size_t kMaxWordLetters = 32;
// Parameters keep at most this many significant digits and are clamped to 32 bits.
constexpr std::size_t kMaxParamDigits = 10;

enum class TokenKind {
    End,        // no input left
    GroupOpen,  // {
    GroupClose, // }
    Word,       // \letters with an optional signed number
    Symbol,     // \ and one other character (also a \' without two hex digits)
    HexByte,    // \'hh
    Text,       // a run of bytes that are none of \ { }
};

// One piece of RTF. Views point into the tokenizer's input.
struct Token {
    TokenKind kind = TokenKind::End;
    std::string_view text; // Word: its letters (at most kMaxWordLetters); Text: the bytes
    bool hasParam = false;
    std::int32_t param = 0; // Word: the number, clamped to the 32-bit range
    char symbol = 0;        // Symbol: the character after the backslash
    unsigned char byte = 0; // HexByte: the value
};

// Splits RTF bytes into tokens. Every call consumes at least one byte until the input ends,
// so a loop over next() ends after at most input.size() + 1 calls.
class Tokenizer
{
public:
    explicit Tokenizer(std::string_view input) : m_in(input) {}

    // The next token, or End.
    Token next();
    // Takes up to count raw bytes (the data of \binN); fewer where the input ends first.
    std::string_view takeBinary(std::int64_t count);

private:
    Token controlWord();
    Token hexByte();

    std::string_view m_in;
    std::size_t m_pos = 0;
};

} // namespace lumenary::rtf
