// The Explore windows' pictures copied and saved: each picture that has the focus is the one
// that goes, as an image and a file a viewer reads back, with the window's values as text; in a
// PDF its light is a lossless image at 300 dots per inch whose thin coloured lines keep their
// colour, and the page reads back as the picture on screen.

#include "export_actions.h"
#include "picture_source.h"
#include "prism_spectrum_window.h"
#include "rainbow_colours_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace lumenary;

using Factory = std::function<QWidget*()>;
Q_DECLARE_METATYPE(Factory)

class TestExploreExport : public QObject
{
    Q_OBJECT
private slots:
    void focusedPictureGoes_data();
    void focusedPictureGoes();
    void lightGoesSharpIntoPdf_data();
    void lightGoesSharpIntoPdf();
    void pdfLooksAsOnScreen_data();
    void pdfLooksAsOnScreen();
};

namespace
{

// The pixels of an image that are bright and of a strong colour.
int colouredPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.hsvSaturationF() > 0.8 && c.valueF() > 0.5;
        }
    return count;
}

// What a program of poppler-utils says about a PDF file, empty without it.
QString poppler(const QString& program, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(program).isEmpty())
        return {};
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

void TestExploreExport::focusedPictureGoes_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QByteArray>("drawing"); // an element the SVG draws the picture with
    QTest::addColumn<QString>("readout");    // a "label<TAB>" line of the values
    QTest::addColumn<QString>("once");       // a setting named once, with its unit once

    QTest::newRow("prism: the chart, in vectors")
        << Factory(createPrismSpectrumWindow) << "deviationChart" << QByteArray("<polyline")
        << "Minimum deviation (d line)\t" << QStringLiteral("Apex angle = 60.0\u00b0;");
    QTest::newRow("prism: the light")
        << Factory(createPrismSpectrumWindow) << "pictureView" << QByteArray("<image")
        << "Deviation (d line)\t" << QStringLiteral("Angle of incidence = 50.0\u00b0;");
    QTest::newRow("rainbow: the sky")
        << Factory(createRainbowColoursWindow) << "skyView" << QByteArray("<image")
        << "Primary bow, red (700 nm)\t" << QStringLiteral("Wavelengths N (400\u2013700 nm) = 40");
}

void TestExploreExport::focusedPictureGoes()
{
    QFETCH(Factory, make);
    QFETCH(QString, picture);
    QFETCH(QByteArray, drawing);
    QFETCH(QString, readout);
    QFETCH(QString, once);
    std::unique_ptr<QWidget> window(make());
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto* view = window->findChild<QWidget*>(picture);
    view->setFocus(Qt::TabFocusReason);
    auto* actions = window->findChild<ExportActions*>();
    QCOMPARE(actions->picture().surface(), view);

    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied->hasImage());
    QCOMPARE(qvariant_cast<QImage>(copied->imageData()).size(), view->size() * 2);
    QVERIFY2(copied->text().contains(readout), qPrintable(copied->text()));
    const QString name = once.section(QLatin1Char('='), 0, 0).trimmed();
    QVERIFY2(copied->text().contains(once) && copied->text().count(name) == 1,
             qPrintable(copied->text()));

    QTemporaryDir folder;
    for (const char* type : {"svg", "pdf"}) {
        const QString path = folder.filePath(QStringLiteral("picture.") + QLatin1String(type));
        actions->setFileChooser([&](QWidget*, const QString&) { return path; });
        QTest::keyClick(view, Qt::Key_S, Qt::ControlModifier);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (QLatin1String(type) == QLatin1String("pdf")) {
            QVERIFY(bytes.startsWith("%PDF-"));
            QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1);
        } else {
            QVERIFY(bytes.contains(drawing));
            QVERIFY(QSvgRenderer(bytes).isValid());
        }
    }
}

void TestExploreExport::lightGoesSharpIntoPdf_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<QString>("picture");
    // Smooth rays, hard one-pixel rays, the sky's rings.
    QTest::newRow("prism: three rays") << Factory(createPrismSpectrumWindow) << "pictureView";
    QTest::newRow("rainbow: the drop") << Factory(createRainbowColoursWindow) << "dropView";
    QTest::newRow("rainbow: the sky") << Factory(createRainbowColoursWindow) << "skyView";
}

void TestExploreExport::lightGoesSharpIntoPdf()
{
    QFETCH(Factory, make);
    QFETCH(QString, picture);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty())
        QSKIP("poppler-utils are not installed");
    std::unique_ptr<QWidget> window(make());
    window->findChild<QSpinBox*>(QStringLiteral("countSpin"))->setValue(3); // thin, far apart
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto* view = window->findChild<QWidget*>(picture);
    view->setFocus(Qt::TabFocusReason);
    const QImage screen = view->grab().toImage();

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("picture.pdf"));
    auto* actions = window->findChild<ExportActions*>();
    actions->setFileChooser([&](QWidget*, const QString&) { return path; });
    QTest::keyClick(view, Qt::Key_S, Qt::ControlModifier);

    // The picture's image (the largest: its edges are drawn again past the page as strips),
    // lossless, at 300 pixels to the inch of the page.
    QStringList image;
    const QStringList rows = poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
                                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& row : rows.mid(2)) {
        const QStringList fields =
            row.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        if (fields.size() > 13 &&
            (image.isEmpty() || fields[3].toLongLong() * fields[4].toLongLong() >
                                    image[3].toLongLong() * image[4].toLongLong()))
            image = fields;
    }
    QVERIFY2(!image.isEmpty(), qPrintable(rows.join(QLatin1Char('\n'))));
    QCOMPARE(image[8], QStringLiteral("image")); // Flate, not "jpeg"
    QVERIFY2(image[12].toInt() >= 299 && image[13].toInt() >= 299, qPrintable(image.join(' ')));

    // Drawn at 300 dots per inch, the lines keep their colours: as many strongly coloured
    // pixels as on screen times the area's growth, give or take their ends.
    poppler(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"),
             QStringLiteral("300"), path, folder.filePath(QStringLiteral("page"))});
    const QImage page(folder.filePath(QStringLiteral("page.png")));
    QVERIFY(!page.isNull());
    const double growth = double(page.width()) * page.height() / (screen.width() * screen.height());
    const int onScreen = colouredPixels(screen);
    const int printed = colouredPixels(page);
    QVERIFY(onScreen > 20);
    QVERIFY2(printed > 0.7 * growth * onScreen,
             qPrintable(QStringLiteral("%1 against %2 on screen").arg(printed).arg(onScreen)));
}

void TestExploreExport::pdfLooksAsOnScreen_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<QString>("picture");
    QTest::newRow("prism: the light") << Factory(createPrismSpectrumWindow) << "pictureView";
    QTest::newRow("prism: the chart") << Factory(createPrismSpectrumWindow) << "deviationChart";
    QTest::newRow("rainbow: the curves") << Factory(createRainbowColoursWindow) << "deviationChart";
    QTest::newRow("rainbow: the drop") << Factory(createRainbowColoursWindow) << "dropView";
    QTest::newRow("rainbow: the sky") << Factory(createRainbowColoursWindow) << "skyView";
}

// A PDF page read back at the picture's size on screen is the picture on screen, words and all
// at their size (a page counts points at its own resolution: words came out ten times too big).
void TestExploreExport::pdfLooksAsOnScreen()
{
    QFETCH(Factory, make);
    QFETCH(QString, picture);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("poppler-utils are not installed");
    std::unique_ptr<QWidget> window(make());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto* view = window->findChild<QWidget*>(picture);
    view->setFocus(Qt::TabFocusReason);
    const QImage screen = view->grab().toImage().convertToFormat(QImage::Format_RGB32);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("picture.pdf"));
    window->findChild<ExportActions*>()->setFileChooser(
        [&](QWidget*, const QString&) { return path; });
    QTest::keyClick(view, Qt::Key_S, Qt::ControlModifier);
    poppler(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-scale-to-x"),
             QString::number(screen.width()), QStringLiteral("-scale-to-y"),
             QString::number(screen.height()), path, folder.filePath(QStringLiteral("page"))});
    const QImage page =
        QImage(folder.filePath(QStringLiteral("page.png"))).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(page.size(), screen.size());
    // Compared in blocks of four by four pixels, so that the edges the two rasterisers smooth
    // apart count for little; the focus frame on screen, at the edge, is left out.
    const QSize blocks = (screen.size() - QSize(8, 8)) / 4;
    const auto shrunk = [&](const QImage& image) {
        return image.copy(4, 4, blocks.width() * 4, blocks.height() * 4)
            .scaled(blocks, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage a = shrunk(page);
    const QImage b = shrunk(screen);
    int apart = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            apart += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                         std::abs(p.blue() - q.blue()) >
                     96;
        }
    const double share = double(apart) / (a.width() * a.height());
    QVERIFY2(share < 0.005, qPrintable(QString::number(share)));
}

QTEST_MAIN(TestExploreExport)
#include "test_explore_export.moc"
