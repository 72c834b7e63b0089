#pragma once

#include "rtf_document.h"
#include "rtf_limits.h"

#include <cstddef>
#include <string_view>

namespace lumenary::rtf
{

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
