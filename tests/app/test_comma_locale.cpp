// Every window under a locale whose decimal separator is a comma: the starting numbers show
// with a comma and read back, so each lab works from its first event.
#include "plot_widget.h"
#include "window_catalog.h"
#include "window_registry.h"

#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

using namespace lumenary;

class TestCommaLocale : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void startingNumbersUseTheComma_data();
    void startingNumbersUseTheComma();
    void firstEventReadsOut_data();
    void firstEventReadsOut();

private:
    QWidget* open(const QString& name)
    {
        QWidget* w = m_registry->show(name);
        if (!w)
            qFatal("no window %s", qPrintable(name));
        return w;
    }
    std::unique_ptr<WindowRegistry> m_registry;
};

void TestCommaLocale::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestCommaLocale::cleanupTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void TestCommaLocale::init()
{
    m_registry = std::make_unique<WindowRegistry>();
    registerWindows(*m_registry);
}

void TestCommaLocale::cleanup()
{
    m_registry.reset();
}

void TestCommaLocale::startingNumbersUseTheComma_data()
{
    QTest::addColumn<QString>("window");
    WindowRegistry names;
    registerWindows(names);
    for (const QString& name : names.names())
        QTest::newRow(qPrintable(name)) << name;
}

void TestCommaLocale::startingNumbersUseTheComma()
{
    QFETCH(QString, window);
    for (const QLineEdit* field : open(window)->findChildren<QLineEdit*>()) {
        const QString text = field->text();
        const bool number = !text.isEmpty() && text.front().isDigit();
        if (number)
            QVERIFY2(!text.contains(QLatin1Char('.')),
                     qPrintable(field->objectName() + " starts as " + text));
    }
}

void TestCommaLocale::firstEventReadsOut_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    QTest::newRow("reflection and refraction: press at 45 degrees") << "Basics"
                                                                    << "zval"
                                                                    << "45,000038009906";
    QTest::newRow("apparent depth: press above the surface") << "Depth"
                                                             << "zval"
                                                             << "34,2008851990276";
    QTest::newRow("prism: one ray") << "Prism"
                                    << "theta12"
                                    << "29,9942704220487";
    QTest::newRow("drop: one step down") << "Rainbow"
                                         << "theta2"
                                         << "29,3405815750237";
}

void TestCommaLocale::firstEventReadsOut()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    QWidget* w = open(window);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto* plot = w->findChild<PlotWidget*>();
    QVERIFY(plot);
    if (window == "Basics")
        QTest::mouseClick(plot, Qt::LeftButton, {}, QPoint(151, 2));
    else if (window == "Depth")
        QTest::mouseClick(plot, Qt::RightButton, {}, QPoint(449, 2));
    else if (window == "Prism")
        QTest::mouseClick(w->findChild<QPushButton*>("Test"), Qt::LeftButton);
    else
        w->findChild<QScrollBar*>("VScroll1")->setValue(51);
    auto* readout = w->findChild<QLineEdit*>(field);
    QVERIFY(readout);
    QTEST(readout->text(), "expected");
}

QTEST_MAIN(TestCommaLocale)
#include "test_comma_locale.moc"
