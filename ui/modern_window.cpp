#include "modern_window.h"

#include "controls.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QBoxLayout>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>

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

ModernWindow::ModernWindow(const QString& name, const QString& title, QSize initial,
                           QWidget* parent)
    : LabWindow(name, title, parent)
{
    // Free of the classic labs' fixed size.
    setMinimumSize(720, 520);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(initial);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::hide);
}

Readout* ModernWindow::addReadout(QFormLayout* form, const char* name, const QString& caption,
                                  ReadoutLook look)
{
    QWidget* box = form->parentWidget();
    auto* label = new QLabel(labelText(caption), box);
    Readout* readout = makeReadout(name, caption, look, box);
    // A field is named by its caption; a label names itself.
    if (look == ReadoutLook::Field)
        label->setBuddy(readout->widget());
    form->addRow(label, readout->widget());
    return readout;
}

Readout* ModernWindow::addReadout(QBoxLayout* row, const char* name, const QString& caption,
                                  ReadoutLook look)
{
    Readout* readout = makeReadout(name, caption, look, row->parentWidget());
    row->addWidget(readout->widget());
    return readout;
}

void ModernWindow::refreshOn(std::initializer_list<QWidget*> controls)
{
    const auto again = [this] { refresh(); };
    for (QWidget* control : controls) {
        if (auto* slider = qobject_cast<QAbstractSlider*>(control))
            connect(slider, &QAbstractSlider::valueChanged, this, again);
        else if (auto* spin = qobject_cast<QSpinBox*>(control))
            connect(spin, &QSpinBox::valueChanged, this, again);
        else if (auto* real = qobject_cast<QDoubleSpinBox*>(control))
            connect(real, &QDoubleSpinBox::valueChanged, this, again);
        else if (auto* list = qobject_cast<QComboBox*>(control))
            connect(list, &QComboBox::currentIndexChanged, this, again);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            connect(button, &QAbstractButton::toggled, this, again);
        else if (auto* field = qobject_cast<QLineEdit*>(control))
            connect(field, &QLineEdit::textChanged, this, again);
        else
            qWarning("refreshOn: %s is not a control with a value",
                     qPrintable(control->objectName()));
    }
}

void ModernWindow::setTabChain(QList<QWidget*> chain)
{
    m_tabChain = std::move(chain);
}

QString ModernWindow::labelText(const QString& caption)
{
    return tr("%1:", "a caption before its control").arg(caption);
}

QPushButton* ModernWindow::closeButton(const QString& toolTip)
{
    auto* close = new QPushButton(tr("Close")); // the layout it joins adopts it
    close->setObjectName(QStringLiteral("closeButton"));
    close->setToolTip(toolTip);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    return close;
}

void ModernWindow::showEvent(QShowEvent* event)
{
    const bool first = !m_shown;
    LabWindow::showEvent(event);
    if (!first)
        return;
    m_shown = true;
    for (qsizetype i = 1; i < m_tabChain.size(); ++i)
        QWidget::setTabOrder(m_tabChain[i - 1], m_tabChain[i]);
    if (!m_tabChain.isEmpty())
        m_tabChain.first()->setFocus(Qt::OtherFocusReason);
}

void keepInStep(QAbstractSlider* slider, QSpinBox* spin)
{
    QObject::connect(slider, &QAbstractSlider::valueChanged, spin, [spin](int value) {
        const QSignalBlocker quiet(spin);
        spin->setValue(value);
    });
    QObject::connect(spin, &QSpinBox::valueChanged, slider, [slider](int value) {
        const QSignalBlocker quiet(slider);
        slider->setValue(value);
    });
}

void makeFocusablePicture(QWidget* picture)
{
    picture->setFocusPolicy(Qt::TabFocus);
    new FocusFrameOverlay(picture);
}

} // namespace lumenary
