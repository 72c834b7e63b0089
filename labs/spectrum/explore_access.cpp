#include "explore_access.h"

#include "controls.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>

namespace lumenary
{

namespace
{

// Lies over a picture, lets the mouse through, and draws the focus frame while the picture
// has the focus.
class FocusFrameOverlay final : public QWidget
{
public:
    explicit FocusFrameOverlay(QWidget* picture) : QWidget(picture)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(picture->rect());
        picture->installEventFilter(this);
        raise();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Resize:
            setGeometry(parentWidget()->rect());
            break;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            update();
            break;
        default:
            break;
        }
        return false;
    }
    void paintEvent(QPaintEvent*) override
    {
        if (!parentWidget()->hasFocus())
            return;
        QPainter painter(this);
        drawFocusFrame(painter, this);
    }
};

} // namespace

QLineEdit* addLaidOutReadout(QWidget* parent, const char* name, const QString& caption)
{
    QLineEdit* field = addField(parent, name, QString(), QRect(), true);
    field->setAccessibleName(caption);
    return field;
}

void makeFocusablePicture(QWidget* picture)
{
    picture->setFocusPolicy(Qt::TabFocus);
    new FocusFrameOverlay(picture);
}

void setTabChain(const QList<QWidget*>& chain)
{
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

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
