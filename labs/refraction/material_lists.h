#pragma once

class QComboBox;
class QLineEdit;

namespace lumenary
{

// The two drop-down lists of media every refraction window has.
// Fills the medium-1 list and then the medium-2 list with the fifteen media, in table order.
// A window calls it once, when it is created.
void fillMaterialLists(QComboBox* refraction1, QComboBox* refraction2);

// A choice in a list: writes the chosen medium's index into its index field. A position
// outside the table (nothing chosen) writes nothing. Returns whether it wrote.
bool writeChosenIndex(const QComboBox* list, QLineEdit* indexField);

} // namespace lumenary
