#include "explore_access.h"

#include "controls.h"

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

} // namespace lumenary
