#pragma once

#include <QRect>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace lumenary
{

// The two drop-down lists of media every refraction window has.

// A medium's name in the running language, from its English name without blanks ("water").
QString mediumName(const char* english);
// Fills the medium-1 list and then the medium-2 list with the fifteen media, in table order.
// A window calls it once, when it is created.
void fillMaterialLists(QComboBox* refraction1, QComboBox* refraction2);

// A medium chooser: the drop-down list of media and, beside it, the read-only field that shows
// the chosen medium's index.
struct MediumChooser {
    QComboBox* list = nullptr;
    QLineEdit* index = nullptr;
};

// Places medium chooser 1 or 2 (list "refraction<which>" starting at medium, index field
// "n<which>" starting at the number index, written with a point). With a caption, the field is
// announced by the caption's text, the list as "Medium <which>", and the caption leads to it.
MediumChooser addMediumChooser(QWidget* parent, int which, const QString& medium, const char* index,
                               QRect listAt, QRect indexAt, QLabel* caption = nullptr);

// A caption over medium choosers, in their bold type: in a frame, or as large as it needs.
QLabel* addMediumCaption(QWidget* parent, const char* name, const QString& text, QRect at);
QLabel* addMediumCaption(QWidget* parent, const char* name, const QString& text,
                         QPoint topLeftTwips);

// A choice in a list: writes the chosen medium's index into its index field. A position
// outside the table (nothing chosen) writes nothing. Returns whether it wrote.
bool writeChosenIndex(const QComboBox* list, QLineEdit* indexField);

} // namespace lumenary
