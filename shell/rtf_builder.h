#pragma once

#include "rtf_document.h"

#include <QByteArrayView>

class QTextDocument;

namespace lumenary
{

// Replaces the contents of target with what an RTF document says: paragraphs with their
// alignment, indents, spacing and tab stops; bold, italic, underline, strike-out, size, font and
// colour; line breaks; tables; PNG and JPEG pictures at their intended size. The document is
// first held to the layout bounds, and pictures to the decoded-pixel bounds, of rtf_limits.h.
void buildTextDocument(rtf::Document document, QTextDocument& target);

// Reads RTF bytes (any bytes) into target.
void setRtf(QTextDocument& target, QByteArrayView rtf);

} // namespace lumenary
