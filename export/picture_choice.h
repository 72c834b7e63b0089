#pragma once

#include "picture_source.h"

#include <QObject>
#include <QRectF>

#include <functional>
#include <vector>

namespace lumenary
{

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
