#include "material_lists.h"

#include "controls.h"
#include "materials_table.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace lumenary
{

void fillMaterialLists(QComboBox* refraction1, QComboBox* refraction2)
{
    // Adding items must not replace the starting text the window declares.
    const QString text1 = refraction1->currentText();
    const QString text2 = refraction2->currentText();
    for (const Material& m : MaterialsTable::entries())
        refraction1->addItem(
            QString::fromUtf8(m.firstListName.data(), static_cast<int>(m.firstListName.size())));
    for (const Material& m : MaterialsTable::entries())
        refraction2->addItem(
            QString::fromUtf8(m.secondListName.data(), static_cast<int>(m.secondListName.size())));
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
    if (caption) {
        labelField(caption, chooser.index);
        chooser.list->setAccessibleName(QStringLiteral("Medium ") + QString::fromLatin1(number));
        caption->setBuddy(chooser.list);
    } else {
        // Without a caption of their own the pair is announced by its place.
        chooser.list->setAccessibleName(QStringLiteral("Medium ") + QString::fromLatin1(number));
        chooser.index->setAccessibleName(QStringLiteral("Medium ") + QString::fromLatin1(number) +
                                         QStringLiteral(" - Index of Refraction"));
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
