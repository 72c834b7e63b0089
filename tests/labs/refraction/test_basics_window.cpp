#include "asset_path.h"
#include "basics_window.h"
#include "plot_widget.h"
#include "window_support.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace lumenary;
using lumenary::test::child;
using lumenary::test::drawnPixels;
using lumenary::test::typeInto;

namespace
{

// Shapes in the order the window lays them: medium 2, the normal, then the three rays.
enum ShapeHandle { kMedium, kNormal, kIncident, kReflected, kRefracted };

// The plot's contents are 596 x 296 pixels inside a 2-pixel frame for 9000 x 4500 twips: pixel
// 2 + 149 k falls on 2250 k twips across, 2 + 74 k on 1125 k twips down.
QPoint pixelOf(int twipsX, int twipsY)
{
    return QPoint(2 + twipsX * 149 / 2250, 2 + twipsY * 74 / 1125);
}

} // namespace

class TestBasicsWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startState();
    void pressMovesRays_data();
    void pressMovesRays();
    void pressOutsideQuarterIgnored_data();
    void pressOutsideQuarterIgnored();
    void mediumTakesEffectAtNextPress();
    void typingIntoListChangesNothing();
    void quitKeepsEverything();
    void clipPathSurvivesUrl_data();
    void clipPathSurvivesUrl();
    void missingClipDoesNothing();

private:
    QLineEdit* field(const char* name) { return child<QLineEdit>(m_window.get(), name); }
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(m_window->plot(), button, {}, at);
    }

    std::unique_ptr<BasicsWindow> m_window;
    QList<QUrl> m_opened;
    QString m_startFolder;
};

void TestBasicsWindow::init()
{
    m_startFolder = QDir::currentPath();
    m_opened.clear();
    m_window.reset(createBasicsWindow());
    m_window->setClipOpener([this](const QUrl& url) {
        m_opened << url;
        return true;
    });
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestBasicsWindow::cleanup()
{
    m_window.reset();
    QDir::setCurrent(m_startFolder);
}

void TestBasicsWindow::startState()
{
    QCOMPARE(m_window->objectName(), QString("Basics"));
    QCOMPARE(m_window->windowTitle(), QString("Reflection and Refraction"));
    QCOMPARE(m_window->size(), QSize(601, 444));
    QCOMPARE(m_window->plot()->geometry(), QRect(0, 20, 600, 300));
    QCOMPARE(m_window->plot()->background(), (Rgb{192, 192, 192}));
    QCOMPARE(m_window->plot()->shape(kIncident).a, (Point{0, 0}));
    QCOMPARE(m_window->plot()->shape(kIncident).pen, (Rgb{255, 0, 0}));
    QCOMPARE(m_window->plot()->shape(kIncident).penWidth, 3);
    QCOMPARE(m_window->plot()->shape(kRefracted).b, (Point{9000, 4500}));
    QVERIFY(m_window->plot()->shape(kRefracted).visible);
    QVERIFY(m_window->plot()->shape(kNormal).dotted);
    QCOMPARE(m_window->plot()->shape(kMedium).fill, (Rgb{128, 255, 255}));

    for (const char* name : {"xval", "yval", "zval"}) {
        QVERIFY(field(name)->text().isEmpty());
        QVERIFY(field(name)->isReadOnly());
    }
    QCOMPARE(field("xval")->accessibleName(), QString("Angle of Incidence"));
    QCOMPARE(field("zval")->accessibleName(), QString("Angle of Refraction"));
    QCOMPARE(field("n2")->accessibleName(), QString("Medium 2 - Index of Refraction"));
    QVERIFY(field("n1")->isReadOnly() && field("n2")->isReadOnly());
    QCOMPARE(field("n1")->text(), QString("1.00"));
    for (const char* name : {"refraction1", "refraction2"}) {
        auto* list = child<QComboBox>(m_window.get(), name);
        QCOMPARE(list->count(), 15);
        QCOMPARE(list->currentText(), QString("vacuum"));
    }
    QVERIFY(child<QLabel>(m_window.get(), "Label6")->font().bold());
    QCOMPARE(child<QPushButton>(m_window.get(), "Command2")->text(), QString("Refraction"));
}

void TestBasicsWindow::pressMovesRays_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<Point>("start");
    QTest::addColumn<QString>("incidence");
    QTest::newRow("45 degrees, left button")
        << Qt::LeftButton << pixelOf(2250, 0) << Point{2250, 0} << "45.000038009906";
    QTest::newRow("45 degrees, right button")
        << Qt::RightButton << pixelOf(2250, 0) << Point{2250, 0} << "45.000038009906";
    QTest::newRow("from the top-left corner, middle button")
        << Qt::MiddleButton << pixelOf(0, 0) << Point{0, 0} << "63.4350024041763";
}

void TestBasicsWindow::pressMovesRays()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, at);
    QFETCH(Point, start);
    QFETCH(QString, incidence);
    press(at, button);
    PlotWidget* plot = m_window->plot();
    QCOMPARE(plot->shape(kIncident).a, start);
    QCOMPARE(plot->shape(kIncident).b, (Point{4500, 2250}));
    QCOMPARE(plot->shape(kReflected).a, (Point{9000 - start.x, start.y}));
    QCOMPARE(field("xval")->text(), incidence);
    QCOMPARE(field("yval")->text(), incidence);
    QCOMPARE(field("zval")->text(), incidence); // both media vacuum
    QVERIFY(plot->shape(kRefracted).visible);
    QCOMPARE(drawnPixels(plot), 0); // the rays are shapes, never drawing
}

void TestBasicsWindow::pressOutsideQuarterIgnored_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::newRow("on the normal") << pixelOf(4500, 1125);
    QTest::newRow("on the interface") << pixelOf(2250, 2250);
    QTest::newRow("upper right") << pixelOf(6750, 1125);
    QTest::newRow("lower left") << pixelOf(2250, 3375);
    QTest::newRow("bottom-right corner") << pixelOf(9000, 4500);
}

void TestBasicsWindow::pressOutsideQuarterIgnored()
{
    QFETCH(QPoint, at);
    press(pixelOf(2250, 0));
    PlotWidget* plot = m_window->plot();
    const PlotShape incident = plot->shape(kIncident);
    const PlotShape refracted = plot->shape(kRefracted);
    press(at);
    QCOMPARE(plot->shape(kIncident).a, incident.a);
    QCOMPARE(plot->shape(kRefracted).b, refracted.b);
    QCOMPARE(field("xval")->text(), QString("45.000038009906"));
    QCOMPARE(field("zval")->text(), QString("45.000038009906"));
}

void TestBasicsWindow::mediumTakesEffectAtNextPress()
{
    press(pixelOf(2250, 0));
    PlotWidget* plot = m_window->plot();
    const Point end = plot->shape(kRefracted).b;

    // Choose diamond for medium 1 from the drop-down.
    auto* list = child<QComboBox>(m_window.get(), "refraction1");
    list->showPopup();
    QAbstractItemView* view = list->view();
    QTRY_VERIFY(view->isVisible());
    const QRect item = view->visualRect(view->model()->index(14, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QCOMPARE(field("n1")->text(), QString("2.42"));
    QCOMPARE(field("zval")->text(), QString("45.000038009906"));
    QCOMPARE(plot->shape(kRefracted).b, end);
    QVERIFY(plot->shape(kRefracted).visible);

    // The same press now finds the light totally reflected.
    press(pixelOf(2250, 0));
    QCOMPARE(field("xval")->text(), QString("45.000038009906"));
    QCOMPARE(field("zval")->text(), QString());
    QVERIFY(!plot->shape(kRefracted).visible);
    QVERIFY(plot->shape(kReflected).visible);

    // Nearer the normal the refracted ray comes back.
    press(pixelOf(4000, 0));
    QVERIFY(!field("zval")->text().isEmpty());
    QVERIFY(plot->shape(kRefracted).visible);
}

void TestBasicsWindow::typingIntoListChangesNothing()
{
    auto* list = child<QComboBox>(m_window.get(), "refraction1");
    list->setFocus();
    typeInto(list->lineEdit(), "diamond");
    QTest::keyClick(list->lineEdit(), Qt::Key_Return);
    field("xval")->setFocus(); // leaving the list must not choose either
    QCOMPARE(list->currentText(), QString("diamond"));
    QCOMPARE(field("n1")->text(), QString("1.00"));
    press(pixelOf(2250, 0));
    QCOMPARE(field("zval")->text(), QString("45.000038009906"));

    // The arrow keys do choose.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(field("n1")->text(), QString("1"));
}

void TestBasicsWindow::quitKeepsEverything()
{
    press(pixelOf(2250, 0));
    auto* list = child<QComboBox>(m_window.get(), "refraction2");
    list->setCurrentIndex(2);
    emit list->activated(2);
    QCOMPARE(field("n2")->text(), QString("1.33"));
    QTest::mouseClick(child<QPushButton>(m_window.get(), "quit"), Qt::LeftButton);
    QVERIFY(!m_window->isVisible());
    m_window->show();
    QCOMPARE(field("xval")->text(), QString("45.000038009906"));
    QCOMPARE(field("n2")->text(), QString("1.33"));
    QCOMPARE(list->count(), 15);
    QCOMPARE(m_window->plot()->shape(kIncident).a, (Point{2250, 0}));
}

void TestBasicsWindow::clipPathSurvivesUrl_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("clip");
    QTest::newRow("blanks") << "my clips"
                            << "Command1"
                            << "Reflct1.avi";
    QTest::newRow("quotes") << "it's \"here\""
                            << "Command2"
                            << "Refract2.avi";
    QTest::newRow("hash and question mark") << "take#1?"
                                            << "Command1"
                                            << "Reflct1.avi";
    QTest::newRow("percent sign") << "100% light %20"
                                  << "Command2"
                                  << "Refract2.avi";
    QTest::newRow("non-ASCII letters")
        << QString::fromUtf8("Lichtbrechung Größe ひかり") << "Command1"
        << "Reflct1.avi";
    QTest::newRow("everything at once") << QString::fromUtf8("a b'\"#?%&;$(x) é") << "Command2"
                                        << "Refract2.avi";
}

void TestBasicsWindow::clipPathSurvivesUrl()
{
    QFETCH(QString, folder);
    QFETCH(QString, button);
    QFETCH(QString, clip);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QVERIFY(QDir(root.path()).mkdir(folder));
    const QString path = root.filePath(folder) + QLatin1Char('/') + clip;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(QDir::setCurrent(root.filePath(folder)));

    QTest::mouseClick(child<QPushButton>(m_window.get(), qPrintable(button)), Qt::LeftButton);
    QCOMPARE(m_opened.size(), 1);
    const QUrl url = m_opened.first();
    QVERIFY(url.isLocalFile());
    QCOMPARE(QFileInfo(url.toLocalFile()).canonicalFilePath(), QFileInfo(path).canonicalFilePath());
    // As a player receives it: the encoded text of the URL leads back to the same file.
    const QUrl received = QUrl::fromEncoded(url.toEncoded());
    QCOMPARE(QFileInfo(received.toLocalFile()).canonicalFilePath(),
             QFileInfo(path).canonicalFilePath());
}

void TestBasicsWindow::missingClipDoesNothing()
{
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    QVERIFY(QDir::setCurrent(empty.path()));
    if (findAsset(BasicsWindow::reflectionClip()) || findAsset(BasicsWindow::refractionClip()))
        QSKIP("a clip is installed beside the program or in the data folder");
    QTest::mouseClick(child<QPushButton>(m_window.get(), "Command1"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(m_window.get(), "Command2"), Qt::LeftButton);
    QVERIFY(m_opened.isEmpty());
    QVERIFY(m_window->isVisible());
    int shown = 0; // no message box or other window appeared
    for (QWidget* w : QApplication::topLevelWidgets())
        shown += w->isVisible();
    QCOMPARE(shown, 1);
}

QTEST_MAIN(TestBasicsWindow)
#include "test_basics_window.moc"
