// Keyboard and assistive-technology access to the plotting surface: a crosshair that the keys
// move and press with, a focus frame, and the plot's accessible value (where the crosshair is).

#include "controls.h"
#include "plot_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>

#include <algorithm>

namespace lumenary
{

namespace
{

constexpr int kBigStep = 10; // pixels per Shift+arrow

// A plot as assistive technology sees it: a drawing whose name says what it shows, whose
// description says what is drawn, and whose value is the crosshair's position.
class PlotAccessible final : public QAccessibleWidget
{
public:
    explicit PlotAccessible(PlotWidget* plot) : QAccessibleWidget(plot, QAccessible::Canvas) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return static_cast<PlotWidget*>(widget())->crosshairText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* plotAccessible(const QString& className, QObject* object)
{
    auto* plot = qobject_cast<PlotWidget*>(object);
    if (!plot || className != QLatin1String("lumenary::PlotWidget"))
        return nullptr;
    return new PlotAccessible(plot);
}

} // namespace

void PlotWidget::installAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(plotAccessible);
        return true;
    }();
    (void)installed;
}

QString PlotWidget::crosshairText() const
{
    if (m_crosshair.x() < 0)
        return QString();
    const Point at = userFromWidget(QPointF(m_crosshair));
    return tr("x = %1, y = %2")
        .arg(readoutText(at.x, Precision::Single7), readoutText(at.y, Precision::Single7));
}

void PlotWidget::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods & ~Qt::ShiftModifier) {
        QWidget::keyPressEvent(event); // shortcuts with Ctrl or Alt belong to others
        return;
    }
    const int step = (mods & Qt::ShiftModifier) ? kBigStep : 1;
    const QRect area = contentsRect();
    QPoint to = m_crosshair;
    switch (event->key()) {
    case Qt::Key_Left:
        to.rx() -= step;
        break;
    case Qt::Key_Right:
        to.rx() += step;
        break;
    case Qt::Key_Up:
        to.ry() -= step;
        break;
    case Qt::Key_Down:
        to.ry() += step;
        break;
    case Qt::Key_Home:
        to.setX(area.left());
        break;
    case Qt::Key_End:
        to.setX(area.right());
        break;
    case Qt::Key_PageUp:
        to.setY(area.top());
        break;
    case Qt::Key_PageDown:
        to.setY(area.bottom());
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pressAtCrosshair();
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    moveCrosshair(to);
}

void PlotWidget::moveCrosshair(QPoint to)
{
    const QRect area = contentsRect();
    m_crosshair = QPoint(std::clamp(to.x(), area.left(), std::max(area.left(), area.right())),
                         std::clamp(to.y(), area.top(), std::max(area.top(), area.bottom())));
    m_lastMouse = QPointF(m_crosshair);
    update();
    const Point u = userFromWidget(m_lastMouse);
    emit mouseMove(u.x, u.y);
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, crosshairText());
        QAccessible::updateAccessibility(&event);
    }
}

void PlotWidget::pressAtCrosshair()
{
    // A press and a release where the crosshair stands; each maps the point afresh, as the
    // mouse's events do, since a handler may change the coordinate window in between.
    m_lastMouse = QPointF(m_crosshair);
    const Point down = userFromWidget(m_lastMouse);
    emit mouseDown(down.x, down.y);
    m_lastMouse = QPointF(m_crosshair);
    const Point up = userFromWidget(m_lastMouse);
    emit mouseUp(up.x, up.y);
}

void PlotWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (m_crosshair.x() < 0)
        m_crosshair = contentsRect().center();
    update();
}

void PlotWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void PlotWidget::paintFocus(QPainter& painter)
{
    if (!hasFocus())
        return;
    drawFocusFrame(painter, this);

    // Black dashes over white, seen on any background and over any drawing.
    const QRect area = contentsRect();
    const QPoint c = m_crosshair;
    for (const QPen& pen : {QPen(Qt::white, 1), QPen(Qt::black, 1, Qt::DashLine)}) {
        painter.setPen(pen);
        painter.drawLine(area.left(), c.y(), area.right(), c.y());
        painter.drawLine(c.x(), area.top(), c.x(), area.bottom());
    }
}

} // namespace lumenary
