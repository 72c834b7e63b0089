#pragma once

#include <QString>

namespace lumenary
{

// Installs, once, the accessible interfaces of the program's text widgets, in place of the
// toolkit's own:
// - a line edit refuses every change through assistive technology while it is read-only, as it
//   refuses typing (a read-out set that way would feed a lab a value the student never chose);
// - a read-only document (the instructions) reads as plain text, without the markers the
//   document keeps where its tables begin and end, and gives its formatting (font, size,
//   weight, style, colour, alignment) as text attributes.
void installTextAccessibles();

// A document's raw text as assistive technology should read it: block, line and frame markers
// become line breaks and embedded objects blanks, one character for one, so that offsets into
// it stay document positions.
QString readableDocumentText(const QString& raw);

} // namespace lumenary
