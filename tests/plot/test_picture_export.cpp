#include "export_actions.h"
#include "picture_export.h"
#include "picture_source.h"
#include "plane_mirror_window.h"
#include "plot_widget.h"
#include "prism_window.h"
#include "rainbow_window.h"
#include "ray_diagram_window.h"
#include "window_support.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cmath>
#include <functional>
#include <memory>

using namespace lumenary;
using lumenary::test::child;

using Draw = std::function<void(Canvas&)>;
Q_DECLARE_METATYPE(Draw)
using Factory = std::function<QWidget*()>;
Q_DECLARE_METATYPE(Factory)

namespace
{

// The share of drawn pixels (those unlike the background) of either image with no drawn pixel
// of like colour within one pixel in the other. Vector lines land up to a pixel away from the
// screen's and are smoothed into the background; their colour's direction from the
// background is kept. A missing or misplaced line is not matched.
double unmatchedInk(const QImage& a, const QImage& b, QColor background)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size())
        return 1.0;
    auto fromBackground = [&](QRgb p) {
        return std::array<double, 3>{double(qRed(p) - background.red()),
                                     double(qGreen(p) - background.green()),
                                     double(qBlue(p) - background.blue())};
    };
    auto ink = [&](QRgb p) {
        const auto d = fromBackground(p);
        return std::max({std::fabs(d[0]), std::fabs(d[1]), std::fabs(d[2])}) > 24;
    };
    auto alike = [&](QRgb p, QRgb q) {
        const auto u = fromBackground(p);
        const auto v = fromBackground(q);
        const double dot = u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
        const double norms = std::hypot(u[0], u[1], u[2]) * std::hypot(v[0], v[1], v[2]);
        return dot > 0.9 * norms;
    };
    int drawn = 0;
    int unmatched = 0;
    for (const auto& [from, to] : {std::pair{&x, &y}, std::pair{&y, &x}}) {
        for (int r = 0; r < x.height(); ++r)
            for (int c = 0; c < x.width(); ++c) {
                const QRgb p = from->pixel(c, r);
                if (!ink(p))
                    continue;
                ++drawn;
                bool found = false;
                for (int dr = -1; dr <= 1 && !found; ++dr)
                    for (int dc = -1; dc <= 1 && !found; ++dc) {
                        const QRgb q = to->pixel(std::clamp(c + dc, 0, x.width() - 1),
                                                 std::clamp(r + dr, 0, x.height() - 1));
                        found = ink(q) && alike(p, q);
                    }
                unmatched += !found;
            }
    }
    return drawn == 0 ? 0.0 : unmatched / double(drawn);
}

// The plot as the student sees it, without its frame.
QImage onScreen(PlotWidget* plot)
{
    return plot->grab(plot->contentsRect()).toImage();
}

// An SVG file or text drawn at size, smoothed as viewers draw it.
template <typename Source> QImage renderedSvg(const Source& file, QSize size)
{
    QSvgRenderer svg(file);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    return image;
}

QColor toQColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

QByteArray written(const PictureSource& picture, PictureFormat format)
{
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    writePicture(picture, format, file, QStringLiteral("picture"));
    return file.data();
}

// A PDF's page as pdftoppm draws it at dpi; a null image without pdftoppm.
QImage pdfPage(const QByteArray& pdf, int dpi)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("page.pdf")));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty() ||
        !file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"),
                       QString::number(dpi), file.fileName(),
                       folder.filePath(QStringLiteral("p"))});
    return QImage(folder.filePath(QStringLiteral("p.png"))).convertToFormat(QImage::Format_RGB32);
}

// A picture painted by its own paintEvent, as the custom-painted pictures are.
class PaintedPicture : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        p.setPen(QPen(Qt::yellow, 2));
        p.drawLine(10, 10, width() - 10, height() - 10);
    }
};

// A plot whose drawing area is size pixels, each a user unit, under its frame.
std::unique_ptr<PlotWidget> pixelPlot(QSize size, Rgb background)
{
    auto plot = std::make_unique<PlotWidget>();
    plot->resize(size + QSize(4, 4));
    plot->setBackground(background);
    plot->setScale(0, 0, size.width(), size.height());
    plot->clear();
    return plot;
}

} // namespace

class TestPictureExport : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void savedFileLooksLikeTheScreen_data();
    void savedFileLooksLikeTheScreen();
    void badNamesAndFolders_data();
    void badNamesAndFolders();
    void keysReachTheActions_data();
    void keysReachTheActions();
    void clipboardCarriesPictureAndValues();
    void prismValuesNameTheirSurface();
    void rightButtonOpensTheMenuOnlyWhereFree();
    void pastTheBoundTheDrawingIsAnImage_data();
    void pastTheBoundTheDrawingIsAnImage();
    void printsToPdf();
    void otherSurfacesStayVectors_data();
    void otherSurfacesStayVectors();
    void imagesGoInWhole_data();
    void imagesGoInWhole();
    void copiesFillTheScreensPixels_data();
    void copiesFillTheScreensPixels();
    void pdfPageIsCovered_data();
    void pdfPageIsCovered();
    void settingsAreNamedOnce_data();
    void settingsAreNamedOnce();

private:
    ExportActions* actions() { return m_window->findChild<ExportActions*>(); }
    std::unique_ptr<RayDiagramWindow> m_window;
    QTemporaryDir m_folder;
};

void TestPictureExport::init()
{
    m_window.reset(createThinLensWindow());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    child<QPushButton>(m_window.get(), "Batch")->click();
    QVERIFY(actions());
    actions()->setErrorReporter(
        [](QWidget*, const QString& message) { QFAIL(qPrintable(message)); });
}

void TestPictureExport::savedFileLooksLikeTheScreen_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("svg") << "lens.svg";
    QTest::newRow("pdf") << "lens.pdf";
    QTest::newRow("png") << "lens.png";
}

void TestPictureExport::savedFileLooksLikeTheScreen()
{
    QFETCH(QString, name);
    const QString path = m_folder.filePath(name);
    actions()->setFileChooser([&](QWidget*, const QString&) { return path; });
    actions()->savePictureAs();
    QVERIFY(QFile::exists(path));

    PlotWidget* plot = m_window->plot();
    const QImage screen = onScreen(plot);
    QImage saved;
    if (name.endsWith(QLatin1String(".svg"))) {
        saved = renderedSvg(path, screen.size());
    } else if (name.endsWith(QLatin1String(".png"))) {
        saved = QImage(path);
        QCOMPARE(saved.size(), screen.size() * 2);
        saved = saved.scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 1);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm is not installed");
        const QString png = m_folder.filePath(QStringLiteral("lens-page"));
        QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"),
                                   {QStringLiteral("-png"), QStringLiteral("-scale-to-x"),
                                    QString::number(screen.width()), QStringLiteral("-scale-to-y"),
                                    QString::number(screen.height()), QStringLiteral("-singlefile"),
                                    path, png}),
                 0);
        saved = QImage(png + QStringLiteral(".png"));
    }
    QCOMPARE(saved.size(), screen.size());
    const QColor background = toQColor(plot->background());
    const double unmatched = unmatchedInk(screen, saved, background);
    QVERIFY2(unmatched < 0.03, qPrintable(QString::number(unmatched)));
    // The measure sees missing rays: the screen against itself with its top third painted over.
    QImage lacking = screen;
    QPainter(&lacking).fillRect(QRect(0, 0, screen.width(), screen.height() / 3), background);
    QVERIFY(unmatchedInk(screen, lacking, background) > 0.03);
}

void TestPictureExport::badNamesAndFolders_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("magic"); // the start of the file written; empty: none
    QTest::addColumn<QString>("said");     // in the message, besides the file's name
    QTest::newRow("type in capitals") << "LENS.SVG" << QByteArray("<?xml") << QString();
    QTest::newRow("no type") << "lens" << QByteArray() << ".png, .svg or .pdf";
    QTest::newRow("another type") << "lens.xyz" << QByteArray() << ".png, .svg or .pdf";
    QTest::newRow("missing folder")
        << "no such folder/lens.svg" << QByteArray() << "No such file or directory";
}

void TestPictureExport::badNamesAndFolders()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, magic);
    QFETCH(QString, said);
    const QString path = m_folder.filePath(name);
    QString message;
    actions()->setErrorReporter([&](QWidget*, const QString& text) { message = text; });
    actions()->setFileChooser([&](QWidget*, const QString&) { return path; });
    actions()->savePictureAs();
    QFile file(path);
    if (magic.isEmpty()) {
        QVERIFY(!file.exists());
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)) && message.contains(said),
                 qPrintable(message));
        return;
    }
    QVERIFY2(message.isEmpty(), qPrintable(message));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith(magic));
}

void TestPictureExport::keysReachTheActions_data()
{
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<QString>("reached");
    QTest::newRow("Ctrl+S") << QKeyCombination(Qt::CTRL, Qt::Key_S) << "file";
    QTest::newRow("Ctrl+P") << QKeyCombination(Qt::CTRL, Qt::Key_P) << "printer";
    QTest::newRow("Ctrl+Shift+C") << QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_C) << "values";
    QTest::newRow("Menu key") << QKeyCombination(Qt::Key_Menu) << "menu";
    QTest::newRow("Shift+F10") << QKeyCombination(Qt::SHIFT, Qt::Key_F10) << "menu";
}

void TestPictureExport::keysReachTheActions()
{
    QFETCH(QKeyCombination, keys);
    QFETCH(QString, reached);
    QString seen;
    QGuiApplication::clipboard()->clear();
    actions()->setFileChooser([&](QWidget*, const QString&) {
        seen = QStringLiteral("file");
        return QString();
    });
    actions()->setPrinterChooser([&](QWidget*, QPrinter&) {
        seen = QStringLiteral("printer");
        return false;
    });
    // From a button: the window, not a field, has the focus.
    auto* button = child<QPushButton>(m_window.get(), "Batch");
    button->setFocus();
    QTest::keyClick(button, keys.key(), keys.keyboardModifiers());
    if (QGuiApplication::clipboard()->text() == actions()->values())
        seen = QStringLiteral("values");
    if (actions()->menu()->isVisible())
        seen = QStringLiteral("menu");
    actions()->menu()->hide();
    QCOMPARE(seen, reached);
}

void TestPictureExport::clipboardCarriesPictureAndValues()
{
    actions()->copy();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data->hasImage());
    QCOMPARE(qvariant_cast<QImage>(data->imageData()).size(),
             onScreen(m_window->plot()).size() * 2);
    const QStringList lines = data->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0),
             QStringLiteral("Thin Lenses\tx-range (left edge) = -40; x-range (right edge) = 40; "
                            "y-range (bottom edge) = -20; y-range (top edge) = 20; f = 10; h = 5"));
    const QString d = child<QLineEdit>(m_window.get(), "d")->text();
    const QString i = child<QLineEdit>(m_window.get(), "xi")->text();
    QCOMPARE(lines.mid(1), QStringList({"d\t" + d, "i\t" + i, "x\t0", "y\t0"}));
}

void TestPictureExport::prismValuesNameTheirSurface()
{
    std::unique_ptr<PrismWindow> prism(createPrismWindow());
    prism->show();
    const QString values = prism->findChild<ExportActions*>()->values();
    // The same label under three headings, and the editable read-outs among the read-outs.
    for (const char* line :
         {"\nLeft Surface: Angle of Incidence\t",
          "\nRight Surface: Angle of "
          "Refraction\t",
          "\nBottom Surface: Angle of Incidence\t", "\nDeviation\t", "\nRotation angle\t"})
        QVERIFY2(values.contains(QLatin1String(line)), line);
    QVERIFY(values.startsWith(QStringLiteral("Prism\t")));
    QVERIFY(values.section('\n', 0, 0).contains(QStringLiteral("Apex Angle = 60")));
    QVERIFY(!values.section('\n', 0, 0).contains(QStringLiteral("Deviation")));
}

void TestPictureExport::rightButtonOpensTheMenuOnlyWhereFree()
{
    PlotWidget* lensPlot = m_window->plot();
    QTest::mouseClick(lensPlot, Qt::RightButton, {}, lensPlot->rect().center());
    QTRY_VERIFY(actions()->menu()->isVisible());
    actions()->menu()->hide();

    // The plane mirror draws on the release of any button: the right one keeps drawing.
    std::unique_ptr<PlaneMirrorWindow> mirror(createPlaneMirrorWindow());
    mirror->show();
    QVERIFY(QTest::qWaitForWindowExposed(mirror.get()));
    auto* plot = child<PlotWidget>(mirror.get(), "Plot1");
    const int before = lumenary::test::drawnPixels(plot);
    QTest::mouseClick(plot, Qt::RightButton, {}, QPoint(plot->width() / 4, plot->height() / 4));
    QTest::qWait(20);
    QVERIFY(!mirror->findChild<ExportActions*>()->menu()->isVisible());
    QVERIFY(lumenary::test::drawnPixels(plot) > before);
}

void TestPictureExport::pastTheBoundTheDrawingIsAnImage_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("image");
    const int bound = static_cast<int>(PictureRecord::kMaxPrimitives);
    QTest::newRow("at the bound") << bound << false;
    QTest::newRow("one past") << bound + 1 << true;
}

void TestPictureExport::pastTheBoundTheDrawingIsAnImage()
{
    QFETCH(int, lines);
    QFETCH(bool, image);
    PlotWidget plot;
    plot.resize(200, 150);
    plot.setScale(0, 1, 1, 0);
    plot.clear();
    for (int k = 0; k < lines; ++k)
        plot.line(Point{0, k % 97 / 97.0}, Point{1, 1 - k % 89 / 89.0}, Rgb{0, 0, 128});
    PlotPicture picture(&plot);
    QCOMPARE(!picture.rasterNote().isEmpty(), image);
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    QVERIFY(writePicture(picture, PictureFormat::Svg, svg, QStringLiteral("chords")));
    QCOMPARE(svg.data().contains("<image"), image);
    if (image)
        QVERIFY(svg.data().contains(picture.rasterNote().toUtf8()));
    QVERIFY(unmatchedInk(onScreen(&plot), pictureImage(picture, 1), Qt::white) < 0.03);
}

void TestPictureExport::printsToPdf()
{
    const QString path = m_folder.filePath(QStringLiteral("printed.pdf"));
    actions()->setPrinterChooser([&](QWidget*, QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    actions()->print();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.size() > 2000);
}

void TestPictureExport::otherSurfacesStayVectors_data()
{
    QTest::addColumn<bool>("chart");
    QTest::newRow("graphics view") << true;
    QTest::newRow("custom painted") << false;
}

void TestPictureExport::otherSurfacesStayVectors()
{
    QFETCH(bool, chart);
    QGraphicsScene scene(0, 0, 180, 80);
    scene.setBackgroundBrush(Qt::black);
    scene.addLine(10, 10, 170, 70, QPen(Qt::yellow, 2));
    std::unique_ptr<QWidget> surface;
    if (chart)
        surface = std::make_unique<QGraphicsView>(&scene);
    else
        surface = std::make_unique<PaintedPicture>();
    surface->resize(180, 80);
    surface->show();
    QVERIFY(QTest::qWaitForWindowExposed(surface.get()));
    const WidgetPicture picture(surface.get());
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    QVERIFY(writePicture(picture, PictureFormat::Svg, svg, QStringLiteral("picture")));
    QVERIFY(!svg.data().contains("<image"));
    QVERIFY(svg.data().contains("stroke=\"#ffff00\""));
}

void TestPictureExport::imagesGoInWhole_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("painted picture") << "painted";
    QTest::newRow("picture placed on a plot") << "placed";
    QTest::newRow("drawing past the record's bound") << "drawing";
}

// An image keeps a one-pixel line's colour in a PDF (JPEG would smear it towards grey) and is
// PNG in an SVG.
void TestPictureExport::imagesGoInWhole()
{
    QFETCH(QString, kind);
    const QColor thin(255, 40, 200);
    QImage image(96, 64, QImage::Format_RGB32); // whole points: the page is not stretched
    image.fill(Qt::black);
    QPainter(&image).fillRect(8, 30, 80, 1, thin);
    auto plot = pixelPlot(image.size(), Rgb{0, 0, 0});
    QLabel label;
    label.setPixmap(QPixmap::fromImage(image));
    label.resize(image.size());
    std::unique_ptr<PictureSource> picture = std::make_unique<PlotPicture>(plot.get());
    if (kind == QLatin1String("painted")) {
        picture = std::make_unique<WidgetPicture>(&label);
    } else if (kind == QLatin1String("placed")) {
        label.setParent(plot.get());
        label.move(plot->contentsRect().topLeft());
        plot->show();
    } else {
        for (std::size_t k = 0; k <= PictureRecord::kMaxPrimitives; ++k)
            plot->line(Point{8, 30}, Point{87, 30}, Rgb{255, 40, 200});
    }
    QVERIFY(written(*picture, PictureFormat::Svg).contains("xlink:href=\"data:image/png;base64,"));
    const QByteArray pdf = written(*picture, PictureFormat::Pdf);
    QVERIFY(pdf.contains("/Subtype /Image") && !pdf.contains("/DCTDecode"));
    const QImage page = pdfPage(pdf, 192);
    if (page.isNull())
        QSKIP("pdftoppm is not installed");
    int lit = 0; // smoothed into the black around it, in the same proportions of colour
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() < 48)
                continue;
            ++lit;
            QVERIFY(std::fabs(c.greenF() / c.redF() - thin.greenF() / thin.redF()) < 0.05 &&
                    std::fabs(c.blueF() / c.redF() - thin.blueF() / thin.redF()) < 0.05);
        }
    QVERIFY(lit >= 2 * 80);
}

void TestPictureExport::copiesFillTheScreensPixels_data()
{
    QTest::addColumn<Draw>("draw");     // on a plot of 40 x 24 pixels, in pixels
    QTest::addColumn<bool>("diagonal"); // an aliased PNG may take either pixel at a dot's end
    const Rgb ink{0, 0, 0};
    auto dots = [ink](Point a, Point b) {
        return Draw([=](Canvas& c) {
            c.setDotted(true);
            c.line(a, b, ink);
        });
    };
    QTest::newRow("line on pixel corners") << Draw([=](Canvas& c) {
        c.line({2, 5}, {30, 5}, ink);
    }) << false;
    QTest::newRow("line through pixels") << Draw([=](Canvas& c) {
        c.line({20.3, 2}, {20.3, 20.6}, ink);
    }) << false;
    QTest::newRow("box and point") << Draw([=](Canvas& c) {
        c.box({3.5, 4}, {15, 18}, ink, false);
        c.point({30.7, 12.2}, ink);
    }) << false;
    QTest::newRow("dots") << dots({2, 10}, {38, 10}) << false;
    QTest::newRow("dots at 45 degrees") << dots({3, 3}, {21, 21}) << true;
    QTest::newRow("dots from beyond the edge") << dots({50, 14}, {3, 14}) << false;
}

// A copy twice the size fills the pixels the screen fills, each made four: no line half a
// pixel off, smoothed into two grey rows; no dot lengthened into a dash.
void TestPictureExport::copiesFillTheScreensPixels()
{
    QFETCH(Draw, draw);
    QFETCH(bool, diagonal);
    auto plot = pixelPlot(QSize(40, 24), Rgb{255, 255, 255});
    draw(*plot);
    const QImage screen = onScreen(plot.get()).scaled(QSize(80, 48));
    const PlotPicture picture(plot.get());
    const QImage svg = renderedSvg(written(picture, PictureFormat::Svg), screen.size());
    const QImage png = pictureImage(picture, 2);
    auto inked = [](const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) {
            const bool drawn = inked(screen, x, y);
            QVERIFY2(inked(svg, x, y) == drawn, qPrintable(QString("SVG at %1, %2").arg(x).arg(y)));
            QVERIFY2(diagonal || inked(png, x, y) == drawn,
                     qPrintable(QString("PNG at %1, %2").arg(x).arg(y)));
        }
}

void TestPictureExport::pdfPageIsCovered_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("page rounded down") << QSize(31, 31); // 23.25 points
    QTest::newRow("page rounded up") << QSize(30, 22);   // 22.5 by 16.5 points
}

// The page is whole points: a black picture still shows no paper at its right or bottom edge
// where the fraction of a point is a pixel.
void TestPictureExport::pdfPageIsCovered()
{
    QFETCH(QSize, size);
    auto plot = pixelPlot(size, Rgb{0, 0, 0});
    const QImage page = pdfPage(written(PlotPicture(plot.get()), PictureFormat::Pdf), 1200);
    if (page.isNull())
        QSKIP("pdftoppm is not installed");
    const int w = page.width();
    const int h = page.height();
    for (int k = 0; k < std::max(w, h); ++k)
        QVERIFY2(qGray(page.pixel(std::min(k, w - 1), h - 1)) < 8 &&
                     qGray(page.pixel(w - 1, std::min(k, h - 1))) < 8,
                 qPrintable(QString::number(k)));
}

void TestPictureExport::settingsAreNamedOnce_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<QString>("said"); // once in the values
    QTest::newRow("prism: its rotation, in degrees")
        << Factory(createPrismWindow) << "\nRotation angle\t-0.6\n";
    QTest::newRow("drop: its incidence height, in radii")
        << Factory(createRainbowWindow) << "\nIncidence Height\t0.49\n";
    QTest::newRow("a slider and its spin box") << Factory([] {
        auto* window = new QWidget;
        auto* slider = new QSlider(window);
        auto* spin = new QSpinBox(window);
        slider->setAccessibleName(QStringLiteral("N"));
        spin->setAccessibleName(QStringLiteral("N"));
        slider->setValue(40);
        spin->setValue(40);
        return window;
    }) << "\tN = 40\n";
}

// A scroll bar's position is not among the settings: the read-out names its quantity.
void TestPictureExport::settingsAreNamedOnce()
{
    QFETCH(Factory, make);
    QFETCH(QString, said);
    std::unique_ptr<QWidget> window(make());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    for (auto* bar : window->findChildren<QScrollBar*>())
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); // to 51
    const auto* actions = window->findChild<ExportActions*>();
    const QString values = actions ? actions->values() : windowValues(window.get());
    QVERIFY2(values.count(said) == 1 && !values.section('\n', 0, 0).contains(QLatin1String("= 51")),
             qPrintable(values));
}

QTEST_MAIN(TestPictureExport)
#include "test_picture_export.moc"
