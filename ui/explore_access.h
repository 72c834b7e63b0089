#pragma once

#include <QList>
#include <QString>

class QLineEdit;
class QWidget;

namespace lumenary
{

// A read-out of a laid-out window: a read-only field named by its caption for assistive
// technology, which refuses edits from it, announces each new text and shows a text too long
// for its box whole in its tooltip.
QLineEdit* addLaidOutReadout(QWidget* parent, const char* name, const QString& caption);

// Lets a picture take the focus by Tab (never by a click) and shows a focus frame over it
// while it has the focus.
void makeFocusablePicture(QWidget* picture);

// Sets the tab order to the given chain of controls.
void setTabChain(const QList<QWidget*>& chain);

} // namespace lumenary
