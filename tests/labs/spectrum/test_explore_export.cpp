// The Explore windows' pictures copied and saved: each picture that has the focus is the one
// that goes, as an image and a file a viewer reads back, with the window's values as text.

#include "export_actions.h"
#include "picture_source.h"
#include "prism_spectrum_window.h"
#include "rainbow_colours_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
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
};

void TestExploreExport::focusedPictureGoes_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QByteArray>("drawing"); // an element the SVG draws the picture with
    QTest::addColumn<QString>("readout");    // a "label<TAB>" line of the values
    QTest::addColumn<QString>("once");       // a setting named once, with its unit once

    QTest::newRow("prism: the chart, in vectors")
        << Factory(createPrismSpectrumWindow) << "deviationChart" << QByteArray("<path")
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

QTEST_MAIN(TestExploreExport)
#include "test_explore_export.moc"
