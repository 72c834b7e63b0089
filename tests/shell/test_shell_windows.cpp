#include "about_box.h"
#include "asset_path.h"
#include "fake_registry.h"
#include "instructions_viewer.h"
#include "rtf_builder.h"
#include "window_catalog.h"
#include "window_registry.h"
#include "window_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <memory>

using namespace lumenary;
using lumenary::test::child;
using lumenary::test::FakeRegistry;

namespace
{

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A document long enough to scroll: numbered paragraphs.
QByteArray longDocument(const char* word)
{
    QByteArray rtf = "{\\rtf1\\ansi ";
    for (int i = 1; i <= 300; ++i)
        rtf += word + QByteArray::number(i) + "\\par\n";
    return rtf + "}";
}

QString viewerText(QWidget* viewer)
{
    return child<QTextEdit>(viewer, "RichTextBox1")->toPlainText();
}

} // namespace

class TestShellWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void assetsAreFoundInOrder();
    void viewerLayout_data();
    void viewerLayout();
    void viewerHidesAndKeepsItsPlace();
    void viewerNamesTheFoldersOfAMissingDocument();
    void viewerNamesAnUnreadableDocument_data();
    void viewerNamesAnUnreadableDocument();
    void shippedDocument_data();
    void shippedDocument();
    void shippedFigureLoads();

    void aboutLayout_data();
    void aboutLayout();
    void aboutIsAFixedDialog();
    void aboutIsFreshAfterEachClosing_data();
    void aboutIsFreshAfterEachClosing();
    void aboutStartsTheToolItFinds();
    void aboutShowsTheMessageWithoutARegistry();

private:
    std::unique_ptr<WindowRegistry> m_registry;
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_startFolder;
};

void TestShellWindows::initTestCase()
{
    QApplication::setApplicationName(QStringLiteral("Lumenary"));
    m_startFolder = QDir::currentPath();
}

// Each test runs in an empty folder of its own, the first place the viewer looks.
void TestShellWindows::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    QVERIFY(QDir::setCurrent(m_folder->path()));
    m_registry = std::make_unique<WindowRegistry>();
    registerWindows(*m_registry);
}

void TestShellWindows::cleanup()
{
    m_registry.reset();
    QDir::setCurrent(m_startFolder);
    m_folder.reset();
}

// The working folder comes first, then the executable's folder; folders are not files.
void TestShellWindows::assetsAreFoundInOrder()
{
    const QString name = QStringLiteral("lumenary-asset-order.txt");
    const QString here = QDir::current().filePath(name);
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    QVERIFY(!QFile::exists(beside));
    QVERIFY(!findAsset(name));
    QVERIFY(QDir::current().mkdir(name)); // a folder of that name is passed over
    QVERIFY(!findAsset(name));
    writeFile(beside, "beside");
    const auto found = findAsset(name);
    QFile::remove(beside);
    QCOMPARE(found, std::optional<QString>(beside));
    QVERIFY(QDir::current().rmdir(name));
    writeFile(beside, "beside");
    writeFile(here, "here");
    const auto first = findAsset(name);
    QFile::remove(beside);
    QCOMPARE(first, std::optional<QString>(QFileInfo(here).absoluteFilePath()));
}

void TestShellWindows::viewerLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("RichTextBox1") << "RichTextBox1" << QRect(7, 4, 587, 412);
    QTest::newRow("Command1") << "Command1" << QRect(250, 419, 44, 25);
}

void TestShellWindows::viewerLayout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QWidget* viewer = m_registry->show("LumenaryDoc");
    QVERIFY(viewer);
    QCOMPARE(viewer->windowTitle(), QString("Lumenary Instructions"));
    QCOMPARE(viewer->size(), QSize(601, 444));
    auto* control = viewer->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    auto* text = child<QTextEdit>(viewer, "RichTextBox1");
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(child<QPushButton>(viewer, "Command1")->text(), QString("Close"));
}

void TestShellWindows::viewerHidesAndKeepsItsPlace()
{
    const QString path = QDir::current().filePath("lumenary.rtf");
    writeFile(path, longDocument("Line "));
    QWidget* viewer = m_registry->show("LumenaryDoc");
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    QVERIFY(viewerText(viewer).startsWith("Line 1\nLine 2\n"));

    QScrollBar* bar = child<QTextEdit>(viewer, "RichTextBox1")->verticalScrollBar();
    QVERIFY(bar->maximum() > 100);
    bar->setValue(bar->maximum() / 2);
    const int place = bar->value();
    QVERIFY(place > 0);

    // The document on disk changes, but the window read it when it was created.
    writeFile(path, longDocument("Changed "));
    QTest::mouseClick(child<QPushButton>(viewer, "Command1"), Qt::LeftButton);
    QVERIFY(!viewer->isVisible());
    QCOMPARE(m_registry->show("LumenaryDoc"), viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(bar->value(), place);
    QVERIFY(viewerText(viewer).startsWith("Line 1"));

    // The frame's close box hides it too.
    viewer->close();
    QVERIFY(!viewer->isVisible());
    QCOMPARE(m_registry->show("LumenaryDoc"), viewer);
    QCOMPARE(bar->value(), place);
    int viewers = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        viewers += w->objectName() == "LumenaryDoc";
    QCOMPARE(viewers, 1);
}

void TestShellWindows::viewerNamesTheFoldersOfAMissingDocument()
{
    QWidget* viewer = m_registry->show("LumenaryDoc");
    const QString text = viewerText(viewer);
    QVERIFY(text.startsWith("The instructions document \"lumenary.rtf\" was not found"));
    QVERIFY(text.endsWith('.'));
    QVERIFY(!text.contains('\n'));
    for (const QString& folder : {QDir::currentPath(), QCoreApplication::applicationDirPath(),
                                  QDir::toNativeSeparators("/share/lumenary")})
        QVERIFY2(text.contains(QDir::toNativeSeparators(folder)), qPrintable(folder));
}

void TestShellWindows::viewerNamesAnUnreadableDocument_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not rtf") << QByteArray("Instructions for the lab");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("too large") << "{\\rtf1 " + QByteArray(16 * 1024 * 1024, 'x') + "}";
}

void TestShellWindows::viewerNamesAnUnreadableDocument()
{
    QFETCH(QByteArray, content);
    const QString path = QDir::current().filePath("lumenary.rtf");
    writeFile(path, content);
    QWidget* viewer = m_registry->show("LumenaryDoc");
    QCOMPARE(viewerText(viewer), unreadableDocumentText(QFileInfo(path).absoluteFilePath()));
    QVERIFY(viewerText(viewer).contains(QDir::toNativeSeparators(QDir::currentPath())));
}

void TestShellWindows::shippedDocument_data()
{
    QTest::addColumn<QString>("phrase");
    // Every lab window by its caption, and the physics each one rests on.
    for (const char* phrase : {"Thin Lenses",
                               "Spherical Mirrors - Concave",
                               "Spherical Mirrors - Convex",
                               "Plane Mirrors",
                               "Reflection and Refraction",
                               "Refraction and Reflection in a Spherical Drop",
                               "Prism",
                               "Apparent Depth",
                               "Snell",
                               "critical angle",
                               "law of reflection",
                               "1/f",
                               "rainbow",
                               "deviation",
                               "Exercises",
                               "Setup system",
                               "Clear Automatically",
                               "Plot One Ray",
                               "Bottom Incident Rays",
                               "Two Mirrors",
                               "Animated Wavefronts",
                               "System Info",
                               "Rainbow Colours"})
        QTest::newRow(phrase) << QString::fromLatin1(phrase);
}

// The document the program ships reads cleanly: no RTF leaks into the text, and it covers
// every lab.
void TestShellWindows::shippedDocument()
{
    QFETCH(QString, phrase);
    QFile file(QStringLiteral(LUMENARY_INSTRUCTIONS_PATH));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("{\\rtf1"));
    QTextDocument document;
    setRtf(document, bytes);
    const QString text = document.toPlainText();
    QVERIFY2(text.contains(phrase, Qt::CaseInsensitive), qPrintable(phrase));
    for (const QChar c : {QChar('\\'), QChar('{'), QChar('}'), QChar(0xFFFD)})
        QVERIFY2(!text.contains(c), qPrintable(QString("stray %1").arg(c)));
}

void TestShellWindows::shippedFigureLoads()
{
    QFile file(QStringLiteral(LUMENARY_INSTRUCTIONS_PATH));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QTextDocument document;
    setRtf(document, file.readAll());
    int figures = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
            if (!image.isValid())
                continue;
            const QVariant stored =
                document.resource(QTextDocument::ImageResource, QUrl(image.name()));
            QVERIFY(stored.canConvert<QImage>() && !stored.value<QImage>().isNull());
            QCOMPARE(image.width(), 480.0);
            ++figures;
        }
    QCOMPARE(figures, 1);
}

void TestShellWindows::aboutLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("picIcon") << "picIcon" << QRect(16, 16, 36, 36);
    QTest::newRow("Line1") << "Line1" << QRect(6, 137, 371, 1);
    QTest::newRow("cmdSysInfo") << "cmdSysInfo" << QRect(284, 206, 83, 23);
}

void TestShellWindows::aboutLayout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QWidget* about = m_registry->show("frmAbout");
    QVERIFY(about);
    auto* control = about->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
}

void TestShellWindows::aboutIsAFixedDialog()
{
    auto* about = qobject_cast<QDialog*>(m_registry->show("frmAbout"));
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->size(), QSize(382, 237));
    QCOMPARE(about->minimumSize(), about->maximumSize());
    const Qt::WindowFlags flags = about->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!about->isModal());
    QVERIFY(child<QPushButton>(about, "cmdOK")->isDefault());
    QCOMPARE(child<QPushButton>(about, "cmdSysInfo")->text(), QString("&System Info..."));
    QVERIFY(child<QLabel>(about, "lblDescription")->text().contains("reflection and refraction"));
    QVERIFY(child<QLabel>(about, "lblDisclaimer")->text().contains("one week"));
}

void TestShellWindows::aboutIsFreshAfterEachClosing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK") << "OK";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("close box") << "close box";
}

void TestShellWindows::aboutIsFreshAfterEachClosing()
{
    QFETCH(QString, how);
    QPointer<QWidget> about = m_registry->show("frmAbout");
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->windowTitle(), QString("About Lumenary.Exe"));
    QCOMPARE(child<QLabel>(about, "lblTitle")->text(), QString("Lumenary.Exe"));
    QCOMPARE(child<QLabel>(about, "lblVersion")->text(),
             QString("Version " LUMENARY_PROJECT_VERSION));
    child<QLabel>(about, "lblVersion")->setText("scribbled");
    about->setWindowTitle("scribbled");

    if (how == "OK")
        QTest::mouseClick(child<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    else if (how == "Esc")
        QTest::keyClick(about, Qt::Key_Escape);
    else if (how == "Enter")
        QTest::keyClick(about, Qt::Key_Return);
    else
        about->close();
    QTRY_VERIFY(about.isNull());
    QVERIFY(!m_registry->find("frmAbout"));

    QPointer<QWidget> again = m_registry->show("frmAbout");
    QVERIFY(again);
    QCOMPARE(again->windowTitle(), QString("About Lumenary.Exe"));
    QCOMPARE(child<QLabel>(again, "lblVersion")->text(), QString("Version 1.0.0"));
    QCOMPARE(child<QLabel>(again, "lblTitle")->text(), QString("Lumenary.Exe"));
}

void TestShellWindows::aboutStartsTheToolItFinds()
{
    auto registry = std::make_unique<FakeRegistry>();
    FakeRegistry* fake = registry.get();
    fake->set("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
              {kRegistryString, std::string("C:\\Shared\0", 10)});
    QStringList started;
    QStringList messages;
    QStringList asked;
    AboutBoxServices services{std::move(registry),
                              [&](const QString& p) {
                                  asked << p;
                                  return true;
                              },
                              [&](const QString& p) {
                                  started << p;
                                  return true;
                              },
                              [&](QWidget*, const QString& m) { messages << m; }};
    auto* about = new AboutBox(std::move(services));
    about->show();
    QTest::mouseClick(child<QPushButton>(about, "cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(asked, QStringList{"C:\\Shared\\MSINFO32.EXE"});
    QCOMPARE(started, QStringList{"C:\\Shared\\MSINFO32.EXE"});
    QVERIFY(messages.isEmpty());
    QVERIFY(about->isVisible()); // the box stays open
    QCOMPARE(fake->openNow(), std::size_t(0));
    QPointer<QWidget> guard = about;
    about->close();
    QTRY_VERIFY(guard.isNull());
}

void TestShellWindows::aboutShowsTheMessageWithoutARegistry()
{
#ifdef _WIN32
    QSKIP("the registry of Windows may name the tool");
#endif
    QWidget* about = m_registry->show("frmAbout");
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTest::keyClick(about, Qt::Key_S, Qt::AltModifier); // the button's access key
    QMessageBox* message = nullptr;
    QTRY_VERIFY((message = about->findChild<QMessageBox*>()) && message->isVisible());
    QCOMPARE(message->text(), QString("System Information Is Unavailable At This Time"));
    QCOMPARE(message->windowTitle(), QString("Lumenary"));
    QCOMPARE(message->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    QPointer<QMessageBox> guard = message;
    message->button(QMessageBox::Ok)->click();
    QTRY_VERIFY(guard.isNull());
    QVERIFY(about->isVisible()); // only the message goes
}

QTEST_MAIN(TestShellWindows)
#include "test_shell_windows.moc"
