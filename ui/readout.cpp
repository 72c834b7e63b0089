#include "readout.h"

#include "controls.h"

#include <QLabel>
#include <QLineEdit>

namespace lumenary
{

namespace
{

// A read-only field: the classic labs' read-out field, laid out instead of placed.
class ReadoutField final : public QLineEdit, public Readout
{
public:
    ReadoutField(const char* name, const QString& caption, QWidget* parent)
        : QLineEdit(parent), m_caption(caption)
    {
        setUpField(this, name, QString(), QRect(), true);
        setAccessibleName(caption);
    }

    QString caption() const override { return m_caption; }
    QString value() const override { return text(); }
    void write(const QString& text) override
    {
        if (text == this->text())
            return;    // nothing to announce, nor to paint again
        setText(text); // announced by the field's own follower of its text
        setCursorPosition(0);
        showTip();
    }
    void explain(const QString& sentence) override
    {
        m_explanation = sentence;
        showTip();
    }
    QWidget* widget() override { return this; }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QLineEdit::resizeEvent(event);
        showTip();
    }

private:
    void showTip() { setToolTip(fieldTextCut(this, text()) ? text() : m_explanation); }

    QString m_caption;
    QString m_explanation;
};

// Plain text beside its caption; its accessible name says both.
class ReadoutLabel final : public QLabel, public Readout
{
public:
    ReadoutLabel(const char* name, const QString& caption, QWidget* parent)
        : QLabel(parent), m_caption(caption)
    {
        setObjectName(QLatin1String(name));
        setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    QString caption() const override { return m_caption; }
    QString value() const override { return text(); }
    void write(const QString& text) override
    {
        if (text == this->text())
            return;
        setText(text);
        setAccessibleName(m_caption + QStringLiteral(": ") + text); // a new name is announced
        showTip();
    }
    void explain(const QString& sentence) override
    {
        m_explanation = sentence;
        showTip();
    }
    QWidget* widget() override { return this; }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QLabel::resizeEvent(event);
        showTip();
    }

private:
    void showTip()
    {
        const bool cut = fontMetrics().horizontalAdvance(text()) > contentsRect().width();
        setToolTip(cut ? text() : m_explanation);
    }

    QString m_caption;
    QString m_explanation;
};

} // namespace

Readout* makeReadout(const char* name, const QString& caption, ReadoutLook look, QWidget* parent)
{
    if (look == ReadoutLook::Label)
        return new ReadoutLabel(name, caption, parent);
    return new ReadoutField(name, caption, parent);
}

QString fixedText(double value, int decimals, FixedForm form)
{
    return QString::fromStdString(formatFixed(value, decimals, decimalPoint(), form));
}

} // namespace lumenary
