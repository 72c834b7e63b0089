#pragma once

#include <QString>
#include <QStringList>

// The shipped example scenes' titles and descriptions in the running language. A scene's own
// words stay in its file in English; only what the window shows is translated, and any text that
// is not a shipped example's (a student's own) passes unchanged.
namespace lumenary::bench
{

// The text in the running language if it is a shipped example's title or description, else as it
// is.
QString exampleText(const QString& english);

// Every shipped example's English title and description, as the translations know them.
QStringList exampleTexts();

} // namespace lumenary::bench
