#pragma once

#include "rtf_document.h"

namespace lumenary::rtf
{

// Bounds what laying out a document can cost, whatever the reader made of its bytes: clamps
// spacing and indents, merges formatting runs past their limits, splits very long paragraphs,
// turns tables past the cell limit into paragraphs and drops the blocks past the height limit
// (rtf_limits.h says how far each goes and why).
void boundForLayout(Document& document);

// An upper estimate of a paragraph's height in pixels when laid out widthTwips wide.
double estimatedHeight(const Paragraph& paragraph, int widthTwips);

} // namespace lumenary::rtf
