// Every caption, label and list entry of the classic windows fits its control in every
// language, measured with the control's own font against its room, as the window draws it.
#include "app_style.h"
#include "language.h"
#include "launcher.h"
#include "window_catalog.h"
#include "window_registry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

#include <memory>

using namespace lumenary;

namespace
{

// What one text needs against the room its control gives it.
struct Measure {
    QSize needed;
    QSize room;
    bool fits = false;
};

QString shown(const QString& text)
{
    return QString(text).replace(QChar(QChar::SoftHyphen), QLatin1Char('-'));
}

Measure measureLabel(const QLabel* label)
{
    const QRect room = label->contentsRect();
    const int flags =
        int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine);
    const QSize needed = label->fontMetrics().boundingRect(room, flags, label->text()).size();
    return {needed, room.size(),
            needed.width() <= room.width() && needed.height() <= room.height()};
}

// The caption button's own rule: one line where it fits, else wrapped at its blanks; a
// mnemonic's "&" takes no room.
Measure measureButton(const QPushButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QFontMetrics metrics = button->fontMetrics();
    const QString caption = button->text();
    const int line = metrics.horizontalAdvance(QString(caption).remove(QLatin1Char('&')));
    if (line <= room.width())
        return {QSize(line, metrics.height()), room.size(), metrics.height() <= room.height()};
    const QSize wrapped =
        metrics
            .boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption)
            .size();
    const bool fits = caption.contains(QLatin1Char(' ')) && wrapped.width() <= room.width() &&
                      wrapped.height() <= room.height();
    return {wrapped, room.size(), fits};
}

Measure measureCheck(const QCheckBox* box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    const QSize needed(box->fontMetrics().horizontalAdvance(box->text()),
                       box->fontMetrics().height());
    return {needed, room.size(),
            needed.width() <= room.width() && needed.height() <= room.height()};
}

// A list's text part: its line edit less the edit's own margins of two pixels a side.
Measure measureListText(const QComboBox* list, const QString& text)
{
    const QLineEdit* edit = list->lineEdit();
    const QSize room(edit->contentsRect().width() - 4, edit->contentsRect().height());
    const QSize needed(edit->fontMetrics().horizontalAdvance(text), edit->fontMetrics().height());
    return {needed, room, needed.width() <= room.width() && needed.height() <= room.height()};
}

// Every text of window and what it needs, by control name ("Label3", "refraction1[4]").
QMap<QString, std::pair<QString, Measure>> measureTexts(QWidget* window)
{
    QMap<QString, std::pair<QString, Measure>> texts;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window)
            continue;
        const QString name = w->objectName();
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty())
            texts.insert(name, {label->text(), measureLabel(label)});
        else if (auto* button = qobject_cast<QPushButton*>(w))
            texts.insert(name, {button->text(), measureButton(button)});
        else if (auto* box = qobject_cast<QCheckBox*>(w))
            texts.insert(name, {box->text(), measureCheck(box)});
        else if (auto* list = qobject_cast<QComboBox*>(w)) {
            texts.insert(name, {list->currentText(), measureListText(list, list->currentText())});
            for (int i = 0; i < list->count(); ++i)
                texts.insert(name + QStringLiteral("[%1]").arg(i),
                             {list->itemText(i), measureListText(list, list->itemText(i))});
        }
    }
    return texts;
}

} // namespace

class TestTranslatedLayouts : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void textsFit_data();
    void textsFit();

private:
    // The window named name ("Launcher" or a registry name), made in the running language and
    // shown once, so that what it fills in on first show (the media lists) is there.
    std::unique_ptr<QWidget> makeWindow(const QString& name);
    QMap<QString, std::pair<QString, Measure>> textsIn(const QString& name, const QString& code);

    WindowRegistry m_registry;
};

void TestTranslatedLayouts::initTestCase()
{
    // The program's font and style, as its windows get them.
    setUpApplication();
}

void TestTranslatedLayouts::cleanup()
{
    setLanguage(QStringLiteral("en"));
}

std::unique_ptr<QWidget> TestTranslatedLayouts::makeWindow(const QString& name)
{
    std::unique_ptr<QWidget> window;
    if (name == QLatin1String("Launcher")) {
        window = std::make_unique<Launcher>(m_registry, [](const QUrl&) {});
    } else {
        for (const LabEntry& entry : labTable())
            if (QString::fromLatin1(entry.window) == name)
                window.reset(entry.createWindow());
    }
    if (window) {
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
    }
    return window;
}

QMap<QString, std::pair<QString, Measure>> TestTranslatedLayouts::textsIn(const QString& name,
                                                                          const QString& code)
{
    if (!setLanguage(code, {QStringLiteral(LUMENARY_QM_DIR)}))
        qFatal("no translation %s in %s", qPrintable(code), LUMENARY_QM_DIR);
    const std::unique_ptr<QWidget> window = makeWindow(name);
    if (!window)
        qFatal("no window %s", qPrintable(name));
    return measureTexts(window.get());
}

void TestTranslatedLayouts::textsFit_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("language");
    QStringList windows{QStringLiteral("Launcher")};
    for (const LabEntry& entry : labTable())
        if (entry.place != LaunchPlace::Explore)
            windows << QString::fromLatin1(entry.window);
    for (const QString& window : windows)
        for (const QString& code : languageCodes())
            if (code != QLatin1String("en"))
                QTest::newRow(qPrintable(window + QLatin1Char('/') + code)) << window << code;
}

void TestTranslatedLayouts::textsFit()
{
    QFETCH(QString, window);
    QFETCH(QString, language);
    const auto english = textsIn(window, QStringLiteral("en"));
    const auto translated = textsIn(window, language);
    QCOMPARE(translated.keys(), english.keys());
    QStringList faults;
    for (auto it = translated.cbegin(); it != translated.cend(); ++it) {
        const auto& [text, measure] = it.value();
        if (measure.fits)
            continue;
        // A control whose English caption already overflows may hold a translation no larger.
        const Measure& before = english.value(it.key()).second;
        if (!before.fits && measure.needed.width() <= before.needed.width() &&
            measure.needed.height() <= before.needed.height())
            continue;
        faults << QStringLiteral("%1/%2: %3 \"%4\" needs %5x%6, has %7x%8")
                      .arg(window, language, it.key(), shown(text))
                      .arg(measure.needed.width())
                      .arg(measure.needed.height())
                      .arg(measure.room.width())
                      .arg(measure.room.height());
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestTranslatedLayouts)
#include "test_translated_layouts.moc"
