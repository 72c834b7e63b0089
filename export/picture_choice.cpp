#include "picture_choice.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QPainter>

namespace lumenary
{

void PictureChoice::add(QWidget* picture, Paint paint)
{
    m_pictures.push_back({picture, std::move(paint)});
    picture->installEventFilter(this);
    // A scroll area (a chart) takes the mouse on its viewport.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(picture))
        area->viewport()->installEventFilter(this);
}

QWidget* PictureChoice::surface() const
{
    return m_pictures.empty() ? nullptr : m_pictures[m_current].picture;
}

QSize PictureChoice::size() const
{
    return m_pictures.empty() ? QSize(1, 1) : surface()->size().expandedTo(QSize(1, 1));
}

void PictureChoice::paint(QPainter& painter) const
{
    if (!m_pictures.empty())
        m_pictures[m_current].paint(painter, QRectF(QPointF(0, 0), size()));
}

bool PictureChoice::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) {
        for (std::size_t i = 0; i < m_pictures.size(); ++i) {
            auto* area = qobject_cast<QAbstractScrollArea*>(m_pictures[i].picture);
            if (watched == m_pictures[i].picture || (area && watched == area->viewport()))
                m_current = i;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lumenary
