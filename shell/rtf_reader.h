#pragma once

#include "rtf_document.h"

#include <cstddef>
#include <string_view>

namespace lumenary::rtf
{

// Bounds that keep any input, however hostile, to linear time and bounded memory.
constexpr std::size_t kMaxInputBytes = 16 * 1024 * 1024; // bytes read; the rest is ignored
constexpr std::size_t kMaxGroupDepth = 128; // deeper groups are counted and their content skipped
constexpr std::size_t kMaxFontNameUnits = 128;
constexpr std::size_t kMaxFonts = 1024;
constexpr std::size_t kMaxColours = 1024;
constexpr std::size_t kMaxTabs = 64;           // per paragraph; more are dropped
constexpr std::size_t kMaxCellsPerRow = 64;    // more \cell words become tabs in the last cell
constexpr std::size_t kMaxCells = 100000;      // in the whole document; then \cell becomes a tab
constexpr std::size_t kMaxParagraphs = 200000; // then \par becomes a line break
constexpr std::size_t kMaxPieces = 1000000;    // then format changes stop starting new pieces
constexpr std::size_t kMaxPictures = 1000;

// Reads RTF into a document. Whatever the bytes, it returns: unknown control words are
// ignored, unknown and \* destinations skipped, unbalanced braces tolerated, truncated escapes
// dropped, and \binN takes at most what is left. Text is decoded as Windows-1252; \uN gives
// one UTF-16 unit (N + 65536 when negative) and skips the \ucN fallback characters after it.
Document read(std::string_view rtf);

// Whether bytes begin as an RTF file does: "{\rtf" after optional blanks.
bool looksLikeRtf(std::string_view bytes);

// The character a Windows-1252 byte stands for (U+FFFD for the five unassigned bytes).
char16_t fromWindows1252(unsigned char byte);

} // namespace lumenary::rtf
