#include "controls.h"

#include "accessible_text.h"
#include "caption_button.h"
#include "language.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <cmath>
#include <memory>

namespace lumenary
{

namespace
{

// A scroll bar the keyboard reaches by Tab, with a focus frame around it while it has the focus
// (the style draws none of its own).
class FocusScrollBar final : public QScrollBar
{
public:
    FocusScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent)
    {
        setFocusPolicy(Qt::TabFocus);
    }

protected:
    // The keys step the bar as its arrows and track do: one step, one page, or to an end.
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool across = orientation() == Qt::Horizontal;
        SliderAction action = SliderNoAction;
        switch (event->key()) {
        case Qt::Key_Left:
            action = across ? SliderSingleStepSub : SliderNoAction;
            break;
        case Qt::Key_Right:
            action = across ? SliderSingleStepAdd : SliderNoAction;
            break;
        case Qt::Key_Up:
            action = across ? SliderNoAction : SliderSingleStepSub;
            break;
        case Qt::Key_Down:
            action = across ? SliderNoAction : SliderSingleStepAdd;
            break;
        case Qt::Key_PageUp:
            action = SliderPageStepSub;
            break;
        case Qt::Key_PageDown:
            action = SliderPageStepAdd;
            break;
        case Qt::Key_Home:
            action = SliderToMinimum;
            break;
        case Qt::Key_End:
            action = SliderToMaximum;
            break;
        default:
            break;
        }
        if (action == SliderNoAction) {
            QScrollBar::keyPressEvent(event);
            return;
        }
        triggerAction(action);
    }

    void paintEvent(QPaintEvent* event) override
    {
        QScrollBar::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        drawFocusFrame(painter, this);
    }
};

// Every change of a field's text: a text too long for its box becomes the field's tooltip (and
// so its accessible description), and a read-out tells assistive technology its new value.
void followText(QLineEdit* field, const QString& text)
{
    field->setToolTip(fieldTextCut(field, text) ? text : QString());
    if (field->isReadOnly()) {
        QAccessibleValueChangeEvent event(field, text);
        QAccessible::updateAccessibility(&event);
    }
}

// Characters of edits a field's undo history may hold before it is dropped: a few dozen edits.
constexpr qsizetype kUndoBudget = 4000;

// A line edit keeps every edit for undo, with no limit of its own, so a day of typing into one
// field would grow the program without end. Past a budget of edited characters (each change
// counted as its old and new text, an upper bound of what it records) the history is dropped;
// the text, cursor and selection stay, and undo reaches back to that point only.
void boundUndoHistory(QLineEdit* field)
{
    auto spent = std::make_shared<qsizetype>(0);
    auto last = std::make_shared<qsizetype>(field->text().size());
    QObject::connect(field, &QLineEdit::textChanged, field,
                     [field, spent, last](const QString& text) {
                         *spent += *last + text.size() + 1;
                         *last = text.size();
                         if (*spent < kUndoBudget)
                             return;
                         *spent = 0;
                         // After the edit that filled the budget has finished: setting the text
                         // clears the history.
                         QMetaObject::invokeMethod(
                             field,
                             [field] {
                                 const int start = field->selectionStart();
                                 const int length = static_cast<int>(field->selectedText().size());
                                 const int cursor = field->cursorPosition();
                                 const QSignalBlocker quiet(field);
                                 field->setText(field->text());
                                 if (start >= 0 && length > 0)
                                     field->setSelection(cursor == start ? start + length : start,
                                                         cursor == start ? -length : length);
                                 else
                                     field->setCursorPosition(cursor);
                             },
                             Qt::QueuedConnection);
                     });
}

} // namespace

QRect twips(int left, int top, int width, int height)
{
    auto px = [](int t) { return static_cast<int>(std::lround(t / double(kTwipsPerPixel))); };
    return QRect(px(left), px(top), px(width), px(height));
}

QFont timesBold(double points)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QFont arialBold(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, QRect at)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(withoutSoftHyphens(caption));
    label->setGeometry(at);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, QPoint topLeftTwips)
{
    auto* label = addLabel(parent, name, caption, QRect());
    label->setWordWrap(false);
    label->move(twips(topLeftTwips.x(), topLeftTwips.y(), 0, 0).topLeft());
    label->adjustSize();
    return label;
}

bool fieldTextCut(const QLineEdit* field, const QString& text)
{
    const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
    const QMargins margins = field->textMargins();
    const int room = field->width() - 2 * frame - 4 - margins.left() - margins.right();
    return field->fontMetrics().horizontalAdvance(text) > room;
}

QLineEdit* addField(QWidget* parent, const char* name, const QString& text, QRect at, bool readOnly)
{
    auto* field = new QLineEdit(parent);
    setUpField(field, name, text, at, readOnly);
    return field;
}

void setUpField(QLineEdit* field, const char* name, const QString& text, QRect at, bool readOnly)
{
    installTextAccessibles();
    field->setObjectName(QString::fromLatin1(name));
    field->setAccessibleName(QString::fromLatin1(name));
    field->setGeometry(at);
    field->setReadOnly(readOnly);
    field->setMaxLength(1000);
    field->setText(text);
    followText(field, text);
    QObject::connect(field, &QLineEdit::textChanged, field,
                     [field](const QString& now) { followText(field, now); });
    boundUndoHistory(field);
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, QRect at)
{
    auto* button = new CaptionButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    button->setGeometry(at);
    button->setAutoDefault(false);
    return button;
}

QCheckBox* addCheck(QWidget* parent, const char* name, const QString& caption, bool checked,
                    QRect at)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(withoutSoftHyphens(caption));
    box->setChecked(checked);
    box->setGeometry(at);
    return box;
}

QScrollBar* addScrollBar(QWidget* parent, const char* name, Qt::Orientation orientation, int min,
                         int max, int smallStep, int largeStep, int value, QRect at)
{
    auto* bar = new FocusScrollBar(orientation, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setAccessibleName(QString::fromLatin1(name));
    bar->setRange(min, max);
    bar->setSingleStep(smallStep);
    bar->setPageStep(largeStep);
    bar->setValue(value);
    bar->setTracking(false);
    bar->setGeometry(at);
    return bar;
}

QComboBox* addList(QWidget* parent, const char* name, const QString& text, QRect at)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(QString::fromLatin1(name));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setDuplicatesEnabled(true);
    list->setMaxVisibleItems(15);
    list->setEditText(text);
    list->setGeometry(at);
    // What is typed into the text part chooses nothing: no completion, and neither Return nor
    // leaving the field picks the item whose name was typed. Only the drop-down, the arrow keys
    // and the wheel choose.
    list->setCompleter(nullptr);
    QObject::disconnect(list->lineEdit(), &QLineEdit::returnPressed, list, nullptr);
    QObject::disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);
    boundUndoHistory(list->lineEdit());
    return list;
}

void drawFocusFrame(QPainter& painter, const QWidget* widget)
{
    painter.save();
    painter.setPen(QPen(widget->palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(widget->rect()).adjusted(1, 1, -1, -1));
    painter.restore();
}

void labelField(QLabel* label, QWidget* field)
{
    field->setAccessibleName(withoutSoftHyphens(label->text().trimmed()));
    label->setBuddy(field);
}

char decimalPoint()
{
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 128)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

QString localeNumber(const char* text)
{
    QString shown = QString::fromLatin1(text);
    shown.replace(QLatin1Char('.'), QLatin1Char(decimalPoint()));
    return shown;
}

std::optional<double> fieldNumber(const QLineEdit* field)
{
    return parseNumber(field->text().toStdString(), decimalPoint());
}

QString readoutText(double value, Precision precision)
{
    return QString::fromStdString(formatReadout(value, precision, decimalPoint()));
}

void showText(QLineEdit* field, const QString& text)
{
    field->setText(text);
    field->setCursorPosition(0);
}

void writeReadout(QLineEdit* field, const std::optional<std::string>& text)
{
    if (text)
        showText(field, QString::fromStdString(*text));
}

void setReadout(QLineEdit* field, double value, Precision precision)
{
    const QString text = readoutText(value, precision);
    if (!text.isEmpty())
        showText(field, text);
}

} // namespace lumenary
