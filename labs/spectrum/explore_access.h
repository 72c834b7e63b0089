#pragma once

#include "picture_source.h"

#include <QObject>
#include <QRectF>

#include <functional>
#include <vector>

class QLineEdit;

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

// The pictures of a window with several: copy, save and print take the picture that last had
// the keyboard focus or a press of a mouse button, at first the first one added.
class PictureChoice final : public QObject, public PictureSource
{
    Q_OBJECT
public:
    // Paints a picture, background included, scaled into the target.
    using Paint = std::function<void(QPainter&, const QRectF&)>;

    void add(QWidget* picture, Paint paint);

    QWidget* surface() const override;
    QSize size() const override;
    void paint(QPainter& painter) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QWidget* picture;
        Paint paint;
    };
    std::vector<Entry> m_pictures;
    std::size_t m_current = 0;
};

} // namespace lumenary
