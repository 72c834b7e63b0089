#include "soak_driver.h"

#include "launcher.h"
#include "numbers.h"
#include "plot_widget.h"
#include "readout.h"
#include "unsaved_work.h"
#include "window_registry.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>

#include <QPointer>

#include <algorithm>
#include <cmath>
#include <functional>

namespace lumenary::soak
{

namespace
{

// Texts a student might type on purpose or by accident, beyond plain numbers.
const QStringList& hostileTexts()
{
    static const QStringList texts{
        QString(),
        QStringLiteral("-"),
        QStringLiteral("+"),
        QStringLiteral("."),
        QStringLiteral("-."),
        QStringLiteral("e"),
        QStringLiteral("1e"),
        QStringLiteral("1e+"),
        QStringLiteral("1e999"),
        QStringLiteral("-1e999"),
        QStringLiteral("1e-999"),
        QStringLiteral("-1e308"),
        QStringLiteral("1e308"),
        QStringLiteral("1.7976931348623157e308"),
        QStringLiteral("1e300"),
        QStringLiteral("-1e300"),
        QStringLiteral("1e-300"),
        QStringLiteral("4.9e-324"),
        QStringLiteral("1e-320"),
        QStringLiteral("3.5e38"),
        QStringLiteral("-3.4028235e38"),
        QStringLiteral("1e15"),
        QStringLiteral("9.2233720368547758e18"),
        QStringLiteral("nan"),
        QStringLiteral("NaN"),
        QStringLiteral("inf"),
        QStringLiteral("-inf"),
        QStringLiteral("Infinity"),
        QStringLiteral("0"),
        QStringLiteral("-0"),
        QStringLiteral("0.0"),
        QStringLiteral("00000"),
        QStringLiteral("1,5"),
        QStringLiteral("1.2.3"),
        QStringLiteral("--1"),
        QStringLiteral("0x1A"),
        QStringLiteral("abc"),
        QStringLiteral("12abc"),
        QStringLiteral(" 7 "),
        QStringLiteral("\t3"),
        QStringLiteral("1 2"),
        QStringLiteral("\u0663"),
        QStringLiteral("\u00bd"),
        QStringLiteral("1e-5"),
        QStringLiteral("-1e-7"),
        QStringLiteral("90"),
        QStringLiteral("-90"),
        QStringLiteral("180"),
        QStringLiteral("360"),
        QStringLiteral("1e9"),
        QStringLiteral("2147483648"),
        QStringLiteral("-2147483649"),
    };
    return texts;
}

int keyOf(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return Qt::Key_0 + (c.unicode() - '0');
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        return Qt::Key_A + (c.unicode() - 'a');
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        return Qt::Key_A + (c.unicode() - 'A');
    switch (c.unicode()) {
    case '-':
        return Qt::Key_Minus;
    case '+':
        return Qt::Key_Plus;
    case '.':
        return Qt::Key_Period;
    case ',':
        return Qt::Key_Comma;
    case ' ':
        return Qt::Key_Space;
    default:
        return Qt::Key_unknown;
    }
}

void sendKey(QWidget* target, int key, const QString& text = {},
             Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

// A mouse event at point of surface, delivered to the widget a real pointer would hit there.
void sendMouse(QWidget* surface, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held)
{
    QWidget* target = surface->childAt(at);
    if (!target || target->window() != surface->window())
        target = surface;
    const QPointF global = surface->mapToGlobal(QPointF(at));
    const QPointF local = target->mapFromGlobal(global);
    const QPointF scene = surface->mapTo(surface->window(), QPointF(at));
    QMouseEvent event(type, local, scene, global, button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

QString quoted(const QString& text)
{
    QString shown = text.size() > 40 ? text.left(37) + QStringLiteral("...") : text;
    shown.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

bool isListText(const QLineEdit* field)
{
    return qobject_cast<const QComboBox*>(field->parentWidget()) != nullptr;
}

// The editor of a table's cell: it holds what the student types there, never a read-out.
bool isCellEditor(const QLineEdit* field)
{
    const QWidget* area = field->parentWidget();
    return area && qobject_cast<const QAbstractItemView*>(area->parentWidget()) != nullptr;
}

// A drawing the mouse and the keys act on: a plot, or any picture that tells assistive
// technology it is a canvas (the Optical Bench's).
bool isCanvas(QWidget* w)
{
    if (qobject_cast<PlotWidget*>(w))
        return true;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a && a->role() == QAccessible::Canvas;
}

// The number a spin box's field shows, without its prefix and unit; the field's own text for
// any other field.
QString numberShown(const QLineEdit* field)
{
    if (const auto* spin = qobject_cast<const QSpinBox*>(field->parentWidget()))
        return spin->cleanText();
    if (const auto* real = qobject_cast<const QDoubleSpinBox*>(field->parentWidget()))
        return real->cleanText();
    return field->text();
}

// "nan", "inf" and the like as words: never part of a read-out or caption.
const QRegularExpression& nonNumberWord()
{
    static const QRegularExpression word(QStringLiteral("\\b(nan|inf|infinity|#inf|#ind)\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    return word;
}

// Words and spaces only: what a read-out says where it has no number to show.
const QRegularExpression& sentence()
{
    static const QRegularExpression words(QStringLiteral("^[A-Za-z][A-Za-z ]*$"));
    return words;
}

char localeDecimalPoint()
{
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 128
               ? static_cast<char>(point.at(0).unicode())
               : '.';
}

} // namespace

QString describe(const QWidget* widget)
{
    if (!widget)
        return QStringLiteral("(gone)");
    const QWidget* window = widget->window();
    QString name = widget->objectName();
    if (name.isEmpty())
        name = QString::fromLatin1(widget->metaObject()->className());
    if (window == widget)
        return name;
    QString windowName = window->objectName();
    if (windowName.isEmpty())
        windowName = QString::fromLatin1(window->metaObject()->className());
    return windowName + QLatin1Char('.') + name;
}

Driver::Driver(Launcher& launcher, WindowRegistry& registry, std::uint64_t seed)
    : m_launcher(launcher), m_registry(registry), m_random(seed)
{
}

QList<QWidget*> Driver::openWindows() const
{
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != &m_launcher && w->isVisible() && w->isWindow() && w->windowType() != Qt::Popup &&
            w->windowType() != Qt::ToolTip && !w->testAttribute(Qt::WA_DontShowOnScreen))
            windows << w;
    }
    // The application's own list has no fixed order; a replay needs one.
    std::sort(windows.begin(), windows.end(), [](QWidget* a, QWidget* b) {
        const auto key = [](QWidget* w) {
            return w->objectName() + QLatin1Char('|') +
                   QString::fromLatin1(w->metaObject()->className()) + QLatin1Char('|') +
                   w->windowTitle();
        };
        return key(a) < key(b);
    });
    return windows;
}

QList<QWidget*> Driver::controls(QWidget* window) const
{
    QList<QWidget*> found;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisible() || !w->isEnabled())
            continue;
        if (isCanvas(w) || qobject_cast<QAbstractSlider*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractItemView*>(w) ||
            isPicture(w))
            found << w;
        else if (auto* field = qobject_cast<QLineEdit*>(w); field && !field->isReadOnly())
            found << w;
    }
    return found;
}

QString Driver::step()
{
    QString what;
    if (!m_pending.empty()) {
        const Action next = std::move(m_pending.front());
        m_pending.pop_front();
        what = next();
    } else {
        const QList<QWidget*> windows = openWindows();
        sweepMenusOf(windows);
        if (windows.isEmpty() || chance(80))
            what = launcherEvent();
        else
            what = windowEvent(windows.at(static_cast<qsizetype>(below(windows.size()))));
    }
    noteShownWindows();
    return what;
}

QString Driver::launcherEvent()
{
    // Every way into a window the launcher offers: its buttons, its menu and the entries of the
    // menu's drop-down menus. Its Quit alone is left out, as it ends the program.
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* b : m_launcher.findChildren<QAbstractButton*>()) {
        if (b->isVisible() && b->isEnabled() && b->objectName() != QLatin1String("quit"))
            buttons << b;
    }
    QList<QAction*> entries;
    for (QAction* a : m_launcher.menuBar()->actions()) {
        // A menu's own entry opens nothing; its entries do.
        const QList<QAction*> inside = a->menu() ? a->menu()->actions() : QList<QAction*>{a};
        for (QAction* entry : inside) {
            if (entry->isVisible() && entry->isEnabled() && !entry->isSeparator() && !entry->menu())
                entries << entry;
        }
    }
    const std::uint64_t n = static_cast<std::uint64_t>(buttons.size() + entries.size());
    if (n == 0)
        return QStringLiteral("launcher: nothing to press");
    const auto pick = static_cast<qsizetype>(below(n));
    if (pick < buttons.size())
        return buttonEvent(buttons.at(pick));
    QAction* entry = entries.at(pick - buttons.size());
    entry->trigger();
    return QStringLiteral("menu ") + entry->text();
}

QString Driver::windowEvent(QWidget* window)
{
    if (chance(4)) {
        const QString name = describe(window);
        if (chance(500)) {
            sendKey(window, Qt::Key_Escape);
            return name + QStringLiteral(": Esc");
        }
        window->close();
        return name + QStringLiteral(": closed by its frame");
    }
    if (auto* bar = window->findChild<QMenuBar*>(); bar && chance(60))
        return menuBarEvent(window, bar);
    if (chance(10))
        return clipboardEvent();
    // Copying, saving and printing, and a new size: rarer than a control's events.
    if (chance(5))
        return exportEvent(window);
    if (chance(8))
        return resizeEvent(window);
    const QList<QWidget*> found = controls(window);
    if (found.isEmpty())
        return describe(window) + QStringLiteral(": no control");
    // Weighted toward what takes numbers: plots and fields.
    std::vector<int> weights;
    int total = 0;
    for (QWidget* w : found) {
        int weight = 2;
        if (isCanvas(w) || qobject_cast<QLineEdit*>(w))
            weight = 6;
        else if (qobject_cast<QAbstractSlider*>(w))
            weight = 4;
        weights.push_back(weight);
        total += weight;
    }
    auto roll = static_cast<int>(below(static_cast<std::uint64_t>(total)));
    std::size_t i = 0;
    while (roll >= weights[i])
        roll -= weights[i++];
    QWidget* control = found.at(static_cast<qsizetype>(i));
    if (qobject_cast<PlotWidget*>(control))
        return mouseGesture(control, true);
    if (isCanvas(control))
        return chance(400) ? canvasKeyEvent(control) : mouseGesture(control, true);
    if (auto* view = qobject_cast<QAbstractItemView*>(control))
        return itemViewEvent(view);
    if (auto* bar = qobject_cast<QAbstractSlider*>(control))
        return scrollEvent(bar);
    if (auto* list = qobject_cast<QComboBox*>(control))
        return listEvent(list);
    if (auto* field = qobject_cast<QLineEdit*>(control))
        return textEvent(field);
    if (isPicture(control))
        return pictureEvent(control);
    return buttonEvent(qobject_cast<QAbstractButton*>(control));
}

QString Driver::numberText()
{
    double value = 0;
    switch (below(5)) {
    case 0:
        value = static_cast<double>(static_cast<int>(below(41)) - 20);
        break;
    case 1:
        value = (static_cast<double>(below(20001)) - 10000.0) / 100.0;
        break;
    case 2:
        value = static_cast<double>(below(2001)) / 1000.0;
        break;
    case 3:
        value = static_cast<double>(below(181));
        break;
    default:
        value = (static_cast<double>(below(2000001)) - 1000000.0) / 1000.0;
        break;
    }
    QString text = QString::number(value, 'g', 1 + static_cast<int>(below(7)));
    text.replace(QLatin1Char('.'), QLatin1Char(localeDecimalPoint()));
    return text;
}

QString Driver::hostileText()
{
    switch (below(6)) {
    case 0: { // a long digit string, sometimes with a point or an exponent
        QString digits;
        const std::uint64_t length = 16 + below(400);
        for (std::uint64_t i = 0; i < length; ++i)
            digits += QLatin1Char(static_cast<char>('0' + below(10)));
        if (chance(300))
            digits.insert(static_cast<qsizetype>(below(length)), QLatin1Char('.'));
        if (chance(200))
            digits += QStringLiteral("e-") + QString::number(below(400));
        return digits;
    }
    case 1: { // letters and signs
        static const QString alphabet = QStringLiteral("abcdefxyzENIA+-.,e ");
        QString text;
        const std::uint64_t length = 1 + below(8);
        for (std::uint64_t i = 0; i < length; ++i)
            text += alphabet.at(static_cast<qsizetype>(below(alphabet.size())));
        return text;
    }
    default:
        return hostileTexts().at(static_cast<qsizetype>(below(hostileTexts().size())));
    }
}

QString Driver::textEvent(QLineEdit* field)
{
    QString what;
    if (chance(300)) {
        // One key at a time, as a student edits.
        static const int keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Minus,
                                   Qt::Key_Period,    Qt::Key_5,      Qt::Key_E,
                                   Qt::Key_Return,    Qt::Key_Home,   Qt::Key_End};
        static const char* texts[] = {"", "", "-", ".", "5", "e", "\r", "", ""};
        const auto k = below(std::size(keys));
        sendKey(field, keys[k], QString::fromLatin1(texts[k]));
        what = QStringLiteral("key %1").arg(keys[k], 0, 16);
    } else {
        const QString text = chance(500) ? numberText() : hostileText();
        sendKey(field, Qt::Key_A, QString(), Qt::ControlModifier); // select all
        if (text.isEmpty()) {
            sendKey(field, Qt::Key_Delete);
        } else if (text.size() <= 16) {
            for (QChar c : text)
                sendKey(field, keyOf(c), QString(c));
        } else {
            field->insert(text); // pasted in one piece
        }
        what = QStringLiteral("type ") + quoted(text);
    }
    if (!m_typed.contains(field))
        QObject::connect(field, &QObject::destroyed, &m_context,
                         [this, field] { m_typed.remove(field); });
    m_typed.insert(field, field->text());
    return describe(field) + QStringLiteral(": ") + what;
}

QString Driver::scrollEvent(QAbstractSlider* bar)
{
    switch (below(4)) {
    case 0: {
        static const QAbstractSlider::SliderAction actions[] = {
            QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
            QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
            QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};
        const auto a = below(std::size(actions));
        bar->triggerAction(actions[a]);
        return describe(bar) + QStringLiteral(": step %1").arg(static_cast<int>(actions[a]));
    }
    case 1: {
        const auto span = static_cast<std::uint64_t>(bar->maximum() - bar->minimum()) + 1;
        const int value = bar->minimum() + static_cast<int>(below(span));
        bar->setValue(value); // a thumb dragged there and released
        return describe(bar) + QStringLiteral(": jump to %1").arg(value);
    }
    default:
        return mouseGesture(bar, false);
    }
}

QString Driver::listEvent(QComboBox* list)
{
    if (list->count() > 0 && chance(600)) {
        const int index = static_cast<int>(below(static_cast<std::uint64_t>(list->count())));
        // What choosing from the open list does.
        list->setCurrentIndex(index);
        emit list->activated(index);
        return describe(list) + QStringLiteral(": choose %1").arg(index);
    }
    static const int keys[] = {Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Home,  Qt::Key_End,
                               Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Return};
    const auto k = below(std::size(keys));
    sendKey(list, keys[k]);
    return describe(list) + QStringLiteral(": key %1").arg(keys[k], 0, 16);
}

QString Driver::buttonEvent(QAbstractButton* button)
{
    const QString name = describe(button);
    if (chance(500)) {
        button->click();
    } else {
        QPointer<QAbstractButton> alive(button);
        const QPoint at = button->rect().center();
        sendMouse(button, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        if (alive)
            sendMouse(button, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    return name + QStringLiteral(": click");
}

void Driver::sweepMenusOf(const QList<QWidget*>& windows)
{
    for (QWidget* window : windows) {
        auto* bar = window->findChild<QMenuBar*>();
        if (!bar || m_swept.contains(window->objectName()))
            continue;
        m_swept.insert(window->objectName());
        std::function<void(const QList<QAction*>&)> collect = [&](const QList<QAction*>& actions) {
            for (QAction* a : actions) {
                if (a->menu()) {
                    collect(a->menu()->actions());
                } else if (!a->isSeparator()) {
                    QPointer<QAction> entry(a);
                    const QString name = describe(window) + QStringLiteral(": first use of ");
                    m_pending.push_back([entry, name] {
                        if (!entry)
                            return name + QStringLiteral("(gone)");
                        if (entry->isEnabled())
                            entry->trigger();
                        return name + entry->text();
                    });
                }
            }
        };
        collect(bar->actions());
    }
}

QString Driver::menuBarEvent(QWidget* window, QMenuBar* bar)
{
    // A window's own menus (a document window's File, Edit and View): any entry that is
    // enabled, through its dialogs, which the soak answers (soak_main).
    QList<QAction*> entries;
    std::function<void(const QList<QAction*>&)> collect = [&](const QList<QAction*>& actions) {
        for (QAction* a : actions) {
            if (a->menu())
                collect(a->menu()->actions());
            else if (a->isVisible() && a->isEnabled() && !a->isSeparator())
                entries << a;
        }
    };
    collect(bar->actions());
    if (entries.isEmpty())
        return describe(window) + QStringLiteral(": no menu entry");
    QAction* entry = entries.at(static_cast<qsizetype>(below(entries.size())));
    const QString name = describe(window) + QStringLiteral(": menu ") + entry->text();
    entry->trigger();
    return name;
}

QString Driver::clipboardEvent()
{
    // What a student might paste: a scene's beginning, nonsense, a number.
    static const QStringList texts{
        QStringLiteral("{\"format\": \"lumenary-scene\", \"version\": 1, \"elements\": [{\"type\": "
                       "\"mirror\", \"from\": [0, -5], \"to\": [0, 5]}]}"),
        QStringLiteral("{\"format\": \"lumenary-scene\", \"version\": 1, \"elements\": ["),
        QStringLiteral("{\"format\": \"lumenary-scene\", \"version\": 2}"),
        QStringLiteral("[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[["),
    };
    const QString text =
        chance(500) ? texts.at(static_cast<qsizetype>(below(texts.size()))) : hostileText();
    QGuiApplication::clipboard()->setText(text);
    return QStringLiteral("clipboard ") + quoted(text);
}

QString Driver::canvasKeyEvent(QWidget* canvas)
{
    static const int keys[] = {Qt::Key_Left,        Qt::Key_Right,        Qt::Key_Up,
                               Qt::Key_Down,        Qt::Key_Tab,          Qt::Key_Backtab,
                               Qt::Key_BracketLeft, Qt::Key_BracketRight, Qt::Key_Return,
                               Qt::Key_Escape,      Qt::Key_Space,        Qt::Key_Home};
    static const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::NoModifier,
                                                      Qt::ShiftModifier, Qt::AltModifier};
    const int key = keys[below(std::size(keys))];
    const Qt::KeyboardModifiers mods = modifiers[below(std::size(modifiers))];
    const QString name = describe(canvas);
    QPointer<QWidget> alive(canvas);
    canvas->setFocus(Qt::OtherFocusReason);
    sendKey(canvas, key, {}, mods);
    if (alive && key == Qt::Key_Space && chance(500)) {
        // Space held for a drag of the view, let go by a later event.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(canvas, &press);
        m_pending.push_back([alive, name] {
            if (alive) {
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier,
                                  QStringLiteral(" "));
                QApplication::sendEvent(alive, &release);
            }
            return name + QStringLiteral(": space let go");
        });
    }
    return name + QStringLiteral(": key %1 with %2").arg(key, 0, 16).arg(int(mods), 0, 16);
}

QString Driver::itemViewEvent(QAbstractItemView* view)
{
    const QString name = describe(view);
    QAbstractItemModel* model = view->model();
    if (!model || model->rowCount() == 0)
        return name + QStringLiteral(": empty");
    const int row = static_cast<int>(below(static_cast<std::uint64_t>(model->rowCount())));
    const int column =
        static_cast<int>(below(static_cast<std::uint64_t>(std::max(1, model->columnCount()))));
    const QModelIndex index = model->index(row, column);
    view->setCurrentIndex(index);
    if (chance(500)) {
        static const int keys[] = {Qt::Key_Return, Qt::Key_Space, Qt::Key_Down, Qt::Key_Up,
                                   Qt::Key_F2};
        const int key = keys[below(std::size(keys))];
        view->setFocus(Qt::OtherFocusReason);
        sendKey(view, key, key == Qt::Key_Space ? QStringLiteral(" ") : QString());
        return name + QStringLiteral(": row %1, key %2").arg(row).arg(key, 0, 16);
    }
    const QPoint at = view->visualRect(index).center();
    QWidget* area = view->viewport();
    sendMouse(area, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    QPointer<QWidget> alive(area);
    m_pending.push_back([alive, name, at] {
        if (alive)
            sendMouse(alive, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        return name + QStringLiteral(": release");
    });
    return name + QStringLiteral(": press row %1, column %2").arg(row).arg(column);
}

QPoint Driver::pointOver(QWidget* surface, bool outsideToo)
{
    const int w = surface->width();
    const int h = surface->height();
    const int lastX = std::max(0, w - 1);
    const int lastY = std::max(0, h - 1);
    const auto anyX = [&] { return static_cast<int>(below(static_cast<std::uint64_t>(w))); };
    const auto anyY = [&] { return static_cast<int>(below(static_cast<std::uint64_t>(h))); };
    switch (below(outsideToo ? 8 : 7)) {
    case 0: { // a corner
        const bool right = chance(500);
        const bool bottom = chance(500);
        return QPoint(right ? lastX : 0, bottom ? lastY : 0);
    }
    case 1:
        return QPoint(chance(500) ? 0 : lastX, anyY()); // a left or right edge
    case 2:
        return QPoint(anyX(), chance(500) ? 0 : lastY); // a top or bottom edge
    case 3:
        return QPoint(static_cast<int>(below(4)), anyY()); // in the frame
    case 7:                                                // beyond the surface, as a drag goes
        return QPoint(static_cast<int>(below(static_cast<std::uint64_t>(w) + 200)) - 100,
                      static_cast<int>(below(static_cast<std::uint64_t>(h) + 200)) - 100);
    default:
        return QPoint(anyX(), anyY());
    }
}

QString Driver::mouseGesture(QWidget* surface, bool wholeArea)
{
    QPointer<QWidget> target(surface);
    const QString name = describe(surface);
    if (wholeArea && chance(250)) {
        // The pointer passing over without a button.
        const QPoint at = pointOver(surface, false);
        sendMouse(surface, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
        return name + QStringLiteral(": hover (%1, %2)").arg(at.x()).arg(at.y());
    }
    static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton,
                                              Qt::RightButton, Qt::MiddleButton};
    const Qt::MouseButton button = buttons[below(std::size(buttons))];
    const QPoint start = pointOver(surface, false);
    sendMouse(surface, QEvent::MouseButtonPress, start, button, button);
    // The moves and the release follow as events of their own.
    const std::uint64_t moves = below(5);
    for (std::uint64_t i = 0; i < moves; ++i) {
        const QPoint at = pointOver(surface, true);
        m_pending.push_back([this, target, name, at, button] {
            if (target)
                sendMouse(target, QEvent::MouseMove, at, Qt::NoButton, button);
            return name + QStringLiteral(": drag to (%1, %2)").arg(at.x()).arg(at.y());
        });
    }
    const QPoint end = moves > 0 ? pointOver(surface, true) : start;
    m_pending.push_back([target, name, end, button] {
        if (target)
            sendMouse(target, QEvent::MouseButtonRelease, end, button, Qt::NoButton);
        return name + QStringLiteral(": release at (%1, %2)").arg(end.x()).arg(end.y());
    });
    return name + QStringLiteral(": press %1 at (%2, %3)")
                      .arg(static_cast<int>(button))
                      .arg(start.x())
                      .arg(start.y());
}

void Driver::noteShownWindows()
{
    for (const QString& name : m_registry.names()) {
        if (m_registry.find(name))
            m_shown.insert(name);
    }
}

std::uint64_t Driver::workBytes() const
{
    std::uint64_t bytes = 0;
    for (const QString& name : m_registry.names())
        if (const auto* work = dynamic_cast<const UnsavedWork*>(m_registry.find(name)))
            bytes += work->workBytes();
    return bytes;
}

QStringList Driver::windowsNeverShown() const
{
    QStringList missing;
    for (const QString& name : m_registry.names()) {
        if (!m_shown.contains(name))
            missing << name;
    }
    return missing;
}

QString Driver::check()
{
    if (!m_launcher.isVisible())
        return QStringLiteral("the launcher is no longer shown");
    const char point = localeDecimalPoint();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (const QLineEdit* field : window->findChildren<QLineEdit*>()) {
            if (isListText(field) || isCellEditor(field) || field->property("freeText").toBool())
                continue;
            const QString text = field->text();
            // A read-out of a laid-out window may carry the words and units its core chose
            // ("totally reflected", "589.3000 nm"); like a label, never a non-number word.
            if (dynamic_cast<const Readout*>(field)) {
                if (text.contains(nonNumberWord()))
                    return describe(field) + QStringLiteral(" shows %1").arg(quoted(text));
                continue;
            }
            // A text the soak typed is the student's; any other is the program's and must be
            // a number or nothing.
            const auto typed = m_typed.constFind(field);
            if (!field->isReadOnly() && typed != m_typed.constEnd() && *typed == text)
                continue;
            // An angle may carry its degree sign; a spin box its prefix and unit; a read-out that
            // cannot be read says why in words, without a digit.
            const QString shown = numberShown(field);
            const QString number = shown.endsWith(QChar(0x00b0)) ? shown.chopped(1) : shown;
            if (!number.isEmpty() && !parseNumber(number.toStdString(), point) &&
                (!sentence().match(text).hasMatch() || text.contains(nonNumberWord())))
                return describe(field) +
                       QStringLiteral(" shows %1, not a number").arg(quoted(text));
        }
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            // A label that shows the student's own words (a name) may hold any word.
            if (label->property("freeText").toBool())
                continue;
            if (label->text().contains(nonNumberWord()))
                return describe(label) + QStringLiteral(" shows %1").arg(quoted(label->text()));
        }
        for (const PlotWidget* plot : window->findChildren<PlotWidget*>()) {
            const QRect area = plot->contentsRect();
            for (const QPoint corner : {area.topLeft(), area.bottomRight()}) {
                const Point user = plot->userFromWidget(corner);
                const QPointF back = plot->widgetFromUser(user);
                if (!std::isfinite(user.x) || !std::isfinite(user.y) || !std::isfinite(back.x()) ||
                    !std::isfinite(back.y()))
                    return describe(plot) + QStringLiteral(" maps a corner to a non-number");
            }
        }
    }
    return {};
}

} // namespace lumenary::soak
