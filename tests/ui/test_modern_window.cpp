// The modern window base once, for every window built on it: the Tab chain set on the first
// show, a read-out of either look as a screen reader meets it, every kind of control feeding
// refresh(), and Esc hiding the window.

#include "fine_slider.h"
#include "modern_window.h"
#include "window_support.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <functional>
#include <memory>

using namespace lumenary;
using lumenary::test::child;
using lumenary::test::readout;

namespace
{

// A window with one control of each kind and one read-out that counts the refreshes.
class Sample final : public ModernWindow
{
public:
    explicit Sample(ReadoutLook look) : ModernWindow("Sample", "Sample", {760, 540})
    {
        auto* form = new QFormLayout(this);
        auto* slider = new FineSlider("slider", 0.0, 10.0, 5.0, 10);
        auto* spin = new QSpinBox;
        spin->setObjectName("spin");
        auto* list = new QComboBox;
        list->setObjectName("list");
        list->addItems({"one", "two"});
        auto* check = new QCheckBox("check");
        check->setObjectName("check");
        auto* field = new QLineEdit;
        field->setObjectName("field");
        for (QWidget* control : {static_cast<QWidget*>(slider), static_cast<QWidget*>(spin),
                                 static_cast<QWidget*>(list), static_cast<QWidget*>(check),
                                 static_cast<QWidget*>(field)})
            form->addRow(control);
        m_value = addReadout(form, "value", "Value", look);
        m_value->explain("What the value is");
        QPushButton* close = closeButton("Hide (Esc)");
        form->addRow(close);
        refreshOn({slider, spin, list, check, field});
        // Not the layout's order: the chain must be the one given.
        setTabChain({check, slider, m_value->widget(), close});
        refresh();
    }

    void refresh() override { m_value->write(QString::number(++refreshes)); }

    int refreshes = 0;

private:
    Readout* m_value = nullptr;
};

} // namespace

class TestModernWindow : public QObject
{
    Q_OBJECT
private slots:
    void readoutAndKeys_data();
    void readoutAndKeys();
    void everyControlRefreshes_data();
    void everyControlRefreshes();
};

void TestModernWindow::readoutAndKeys_data()
{
    QTest::addColumn<ReadoutLook>("look");
    QTest::addColumn<QString>("afterSlider"); // where Tab goes from the slider
    QTest::addColumn<QString>("name"); // the read-out's accessible name and value after a change
    QTest::addColumn<QString>("value");
    QTest::newRow("field") << ReadoutLook::Field << "value"
                           << "Value"
                           << "2";
    QTest::newRow("label") << ReadoutLook::Label << "closeButton"
                           << "Value: 2"
                           << "";
}

void TestModernWindow::readoutAndKeys()
{
    QFETCH(ReadoutLook, look);
    Sample window(look);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("check"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("slider"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTEST(QApplication::focusWidget()->objectName(), "afterSlider");

    Readout* value = readout(&window, "value");
    child<QCheckBox>(&window, "check")->toggle();
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(value->widget());
    QTEST(heard->text(QAccessible::Name), "name");
    QTEST(heard->text(QAccessible::Value), "value");
    // Assistive technology cannot write into a read-out.
    heard->setText(QAccessible::Value, QStringLiteral("99"));
    QVERIFY(!heard->editableTextInterface());
    QCOMPARE(value->value(), QStringLiteral("2"));
    // The whole text in the tooltip only while it is cut; else the read-out's explanation.
    const QString whole(200, QLatin1Char('8'));
    value->write(whole);
    QCOMPARE(value->widget()->toolTip(), whole);
    value->write(QStringLiteral("3"));
    QCOMPARE(value->widget()->toolTip(), QStringLiteral("What the value is"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!window.isVisible());
}

using Change = std::function<void(QWidget*)>;
Q_DECLARE_METATYPE(Change)

void TestModernWindow::everyControlRefreshes_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<Change>("change");
    QTest::newRow("slider") << "slider"
                            << Change([](QWidget* w) { QTest::keyClick(w, Qt::Key_Right); });
    QTest::newRow("spin box") << "spin"
                              << Change([](QWidget* w) { QTest::keyClick(w, Qt::Key_Up); });
    QTest::newRow("list") << "list" << Change([](QWidget* w) { QTest::keyClick(w, Qt::Key_Down); });
    QTest::newRow("check box") << "check"
                               << Change([](QWidget* w) { QTest::keyClick(w, Qt::Key_Space); });
    QTest::newRow("field") << "field" << Change([](QWidget* w) { QTest::keyClicks(w, "7"); });
}

// One change by the keyboard, one refresh, and the read-out written again.
void TestModernWindow::everyControlRefreshes()
{
    QFETCH(QString, control);
    QFETCH(Change, change);
    Sample window(ReadoutLook::Field);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.refreshes, 1);
    auto* target = child<QWidget>(&window, qPrintable(control));
    target->setFocus();
    change(target);
    QCOMPARE(window.refreshes, 2);
    QCOMPARE(readout(&window, "value")->value(), QStringLiteral("2"));
}

QTEST_MAIN(TestModernWindow)
#include "test_modern_window.moc"
