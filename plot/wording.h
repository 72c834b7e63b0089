#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks an English text of a Qt-free table for translation without translating it: the text
// stays as it is, lupdate collects it under context (the build passes lupdate the alias
// QT_TRANSLATE_NOOP+=LUMENARY_TRANSLATE_NOOP), and a window translates it where it shows it.
#define LUMENARY_TRANSLATE_NOOP(context, text) text

namespace lumenary
{

// How a core's English text becomes the running language's: UTF-8 text for a context and an
// English source text.
using TranslateFunction = std::string (*)(const char* context, const char* english);

// The sentences the Qt-free cores build (for assistive technology) go through here: the text in
// the running language, or the English text itself until the window kit connects a
// translation (setTranslateFunction). lupdate collects every call with two literal texts.
std::string translate(const char* context, const char* english);

// Connects translate() to the program's translations; nullptr keeps the English.
void setTranslateFunction(TranslateFunction function);

// text with each of %1 … %9 replaced by the argument of that number (a translation may put them
// in any order); a marker without an argument, and every other character, stays as it is.
std::string fillIn(std::string_view text, std::initializer_list<std::string_view> args);

} // namespace lumenary
