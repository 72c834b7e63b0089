#pragma once

#include "numbers.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QScrollBar;

namespace lumenary
{

// Layouts are written in twips: 15 twips to a logical pixel.
constexpr int kTwipsPerPixel = 15;

// A rectangle given in twips (left, top, width, height), in logical pixels.
QRect twips(int left, int top, int width, int height);

// Fonts of the layouts. Debian's metric-compatible Liberation fonts stand in for these names.
QFont timesBold(double points);
QFont arialBold(double points);

// Controls placed at their twips positions, named for code and assistive technology alike:
// the objectName is the control's name; the accessible name is its caption or label (a
// caption's soft hyphens left out).
QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, QRect at);
// A label with no size in the layout: as large as its caption needs.
QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, QPoint topLeftTwips);
QLineEdit* addField(QWidget* parent, const char* name, const QString& text, QRect at,
                    bool readOnly = false);
// What addField does to a field it has made: name, geometry, text, a read-only field's
// announcements, the tooltip of a text too long for its box, the bounded undo history.
void setUpField(QLineEdit* field, const char* name, const QString& text, QRect at, bool readOnly);
// Whether text is wider than the room field's box gives it.
bool fieldTextCut(const QLineEdit* field, const QString& text);
QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, QRect at);
QCheckBox* addCheck(QWidget* parent, const char* name, const QString& caption, bool checked,
                    QRect at);
// A scroll bar whose value changes on arrow clicks, track clicks and the release of a dragged
// thumb, never during the drag.
QScrollBar* addScrollBar(QWidget* parent, const char* name, Qt::Orientation orientation, int min,
                         int max, int smallStep, int largeStep, int value, QRect at);
// A drop-down list with an editable text part that adds nothing, sorts nothing and chooses
// nothing: typing there never activates an item.
QComboBox* addList(QWidget* parent, const char* name, const QString& text, QRect at);

// The focus frame of controls that draw their own: an outline in the highlight colour around
// the whole widget, over its edge, with nothing filled.
void drawFocusFrame(QPainter& painter, const QWidget* widget);

// Gives field the text of label as its accessible name (without the soft hyphens of a caption
// that wraps a long word).
void labelField(QLabel* label, QWidget* field);

// The decimal point of the user's locale, used for reading and writing numbers. (The default
// locale: the system's, unless a test chooses another.)
char decimalPoint();
// A starting number text written with a point ("1.33"), shown with the user's decimal point so
// that it reads back as the number it shows.
QString localeNumber(const char* text);
// The number in a field, by the numeric-field rule.
std::optional<double> fieldNumber(const QLineEdit* field);
// The read-out text of value in the user's locale.
QString readoutText(double value, Precision precision);
// Writes a field's text so that it shows from its first character, as a read-out should.
void showText(QLineEdit* field, const QString& text);
// Writes a read-out text the core produced; none (nullopt) leaves the field as it is.
void writeReadout(QLineEdit* field, const std::optional<std::string>& text);
// Writes value into a read-out field; a value with no read-out (non-finite) is not written.
void setReadout(QLineEdit* field, double value, Precision precision);

} // namespace lumenary
