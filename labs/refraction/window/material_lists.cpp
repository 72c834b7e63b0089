#include "material_lists.h"

#include "controls.h"
#include "materials_table.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

namespace lumenary
{

namespace
{

// A list's name of a medium as the list shows it: the English name as it stands (blanks and
// all), or its translation.
QString listName(std::string_view english)
{
    const QString name = QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
    const QString shown = mediumName(name.trimmed().toUtf8().constData());
    return shown == name.trimmed() ? name : shown;
}

} // namespace

QString mediumName(const char* english)
{
    return QCoreApplication::translate(MaterialsTable::kNamesContext, english);
}

void fillMaterialLists(QComboBox* refraction1, QComboBox* refraction2)
{
    // Adding items must not replace the starting text the window declares.
    const QString text1 = refraction1->currentText();
    const QString text2 = refraction2->currentText();
    for (const Material& m : MaterialsTable::entries())
        refraction1->addItem(listName(m.firstListName));
    for (const Material& m : MaterialsTable::entries())
        refraction2->addItem(listName(m.secondListName));
    refraction1->setCurrentIndex(-1);
    refraction2->setCurrentIndex(-1);
    refraction1->setEditText(text1);
    refraction2->setEditText(text2);
}

bool writeChosenIndex(const QComboBox* list, QLineEdit* indexField)
{
    const auto text = MaterialsTable::indexText(list->currentIndex(), decimalPoint());
    if (!text)
        return false;
    indexField->setText(QString::fromStdString(*text));
    return true;
}

MediumChooser addMediumChooser(QWidget* parent, int which, const QString& medium, const char* index,
                               QRect listAt, QRect indexAt, QLabel* caption)
{
    const QByteArray number = QByteArray::number(which);
    MediumChooser chooser;
    chooser.list = addList(parent, QByteArray("refraction" + number).constData(), medium, listAt);
    chooser.index =
        addField(parent, QByteArray("n" + number).constData(), localeNumber(index), indexAt, true);
    const QString name = QCoreApplication::translate("lumenary::MediumChooser", "Medium %1")
                             .arg(QString::fromLatin1(number));
    chooser.list->setAccessibleName(name);
    if (caption) {
        labelField(caption, chooser.index);
        caption->setBuddy(chooser.list);
    } else {
        // Without a caption of their own the pair is announced by its place.
        chooser.index->setAccessibleName(
            QCoreApplication::translate("lumenary::MediumChooser",
                                        "Medium %1 - Index of Refraction")
                .arg(QString::fromLatin1(number)));
    }
    return chooser;
}

QLabel* addMediumCaption(QWidget* parent, const char* name, const QString& text, QRect at)
{
    QLabel* label = addLabel(parent, name, text, at);
    label->setFont(timesBold(12));
    return label;
}

QLabel* addMediumCaption(QWidget* parent, const char* name, const QString& text,
                         QPoint topLeftTwips)
{
    QLabel* label = addLabel(parent, name, text, topLeftTwips);
    label->setFont(timesBold(12));
    label->adjustSize();
    return label;
}

} // namespace lumenary
