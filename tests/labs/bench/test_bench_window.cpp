// The Optical Bench's window as a student uses it: every kind of edit undone and redone, a scene
// saved, opened again, asked about before it is lost and kept in a recovery file, a scene built
// by keyboard alone, and a bad file refused in lumenary-trace's words.
#include "bench_document.h"
#include "bench_files.h"
#include "bench_picture.h"
#include "bench_text.h"
#include "bench_window.h"
#include "dispersion.h"
#include "element_edit.h"
#include "element_palette.h"
#include "example_texts.h"
#include "scene_file.h"
#include "trace_runner.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QUndoStack>

#include <csignal>
#include <memory>
#include <sys/resource.h>

using namespace lumenary;
using namespace lumenary::bench;

Q_DECLARE_METATYPE(lumenary::bench::Element)
Q_DECLARE_METATYPE(lumenary::bench::TraceCounts)

namespace
{

QString sceneText(const BenchWindow& w)
{
    return QString::fromStdString(writeScene(w.document().scene()));
}

// What the dialogs were asked and what they answer.
struct Answers {
    QString saveAs;
    UnsavedAnswer unsaved = UnsavedAnswer::Cancel;
    bool restore = true;
    QStringList reports;
    int unsavedAsked = 0;
};

BenchDialogs dialogsFor(const std::shared_ptr<Answers>& a)
{
    BenchDialogs d;
    d.openFile = [](QWidget*, const QString&) { return QString(); };
    d.saveFile = [a](QWidget*, const QString&) { return a->saveAs; };
    d.askUnsaved = [a](QWidget*, const QString&) {
        ++a->unsavedAsked;
        return a->unsaved;
    };
    d.askRestore = [a](QWidget*, const QString&) { return a->restore; };
    d.report = [a](QWidget*, const QString& text) { a->reports << text; };
    d.pictureFile = [](QWidget*, const QString&) { return QString(); };
    d.printer = [](QWidget*, QPrinter&) { return false; };
    return d;
}

// A window with a beam, an ideal lens and a detector, the last selected.
void fillScene(BenchWindow& w)
{
    w.addElement(ElementType::Beam, {-60, 0});
    w.addElement(ElementType::IdealLens, {0, 0});
    w.addElement(ElementType::Detector, {40, 0});
}

} // namespace

class TestBenchWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void undoRedoRoundTrips_data();
    void undoRedoRoundTrips();
    void saveAndOpen();
    void failedSaveKeepsTheScene();
    void unsavedChangesOnClose_data();
    void unsavedChangesOnClose();
    void recoveryOfferedAtNextStart();
    void keyboardOnlyLensAndDetector();
    void elementsSpokenFromTheirNumbers_data();
    void elementsSpokenFromTheirNumbers();
    void badFileRefusedInTheTraceCommandsWords_data();
    void badFileRefusedInTheTraceCommandsWords();
    void traceStatusCounts_data();
    void traceStatusCounts();
    void examplesInTheRunningLanguage_data();
    void examplesInTheRunningLanguage();

private:
    QTemporaryDir m_dir;
    std::shared_ptr<Answers> m_answers;
};

void TestBenchWindow::init()
{
    QVERIFY(m_dir.isValid());
    // A state folder of each test's own: recovery files do not carry over.
    static int run = 0;
    qputenv("XDG_STATE_HOME", m_dir.filePath(QStringLiteral("state%1").arg(++run)).toLocal8Bit());
    m_answers = std::make_shared<Answers>();
    setDefaultBenchDialogs(dialogsFor(m_answers));
}

void TestBenchWindow::undoRedoRoundTrips_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("undoText");
    QTest::newRow("add") << "add"
                         << "Undo Add Mirror";
    QTest::newRow("delete") << "delete"
                            << "Undo Delete Detector";
    QTest::newRow("arrow move") << "nudge"
                                << "Undo Move Detector";
    QTest::newRow("turn") << "turn"
                          << "Undo Rotate Detector";
    QTest::newRow("duplicate") << "duplicate"
                               << "Undo Duplicate Detector";
    QTest::newRow("paste") << "paste"
                           << "Undo Paste Mirror";
    QTest::newRow("mouse drag") << "drag"
                                << "Undo Move Ideal lens";
    QTest::newRow("settings") << "settings"
                              << "Undo Change Fresnel";
    QTest::newRow("select all, move") << "moveAll"
                                      << "Undo Move 3 elements";
}

void TestBenchWindow::undoRedoRoundTrips()
{
    QFETCH(QString, edit);
    QFETCH(QString, undoText);
    BenchWindow w;
    w.resize(1200, 800);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    fillScene(w);
    BenchPicture* picture = w.picture();
    const QString before = sceneText(w);

    if (edit == "add") {
        w.addElement(ElementType::Mirror, {0, 30});
    } else if (edit == "delete") {
        w.deleteSelection();
    } else if (edit == "nudge") {
        picture->setFocus();
        QTest::keyClick(picture, Qt::Key_Right);
        QTest::keyClick(picture, Qt::Key_Right); // one step with the first
    } else if (edit == "turn") {
        picture->setFocus();
        QTest::keyClick(picture, Qt::Key_BracketRight);
    } else if (edit == "duplicate") {
        w.duplicateSelection();
    } else if (edit == "paste") {
        QApplication::clipboard()->setText(
            QStringLiteral(R"({"format": "lumenary-scene", "version": 1, "elements": )"
                           R"([{"type": "mirror", "from": [0, -5], "to": [0, 5]}]})"));
        w.paste();
    } else if (edit == "drag") {
        w.picture()->select({});
        const QPoint at = picture->elementRect(1).center();
        QTest::mousePress(picture, Qt::LeftButton, {}, at);
        QTest::mouseMove(picture, at + QPoint(30, 10));
        QTest::mouseMove(picture, at + QPoint(60, 20));
        QTest::mouseRelease(picture, Qt::LeftButton, {}, at + QPoint(60, 20));
    } else if (edit == "settings") {
        SceneSettings s = settingsOf(w.document().scene());
        s.fresnel = !s.fresnel;
        w.document().setSettings(s, QStringLiteral("Change Fresnel"));
    } else if (edit == "moveAll") {
        picture->selectAll();
        picture->nudge(0, 1, BenchPicture::StepSize::Big);
    }
    const QString after = sceneText(w);
    QVERIFY2(after != before, "the edit changed nothing");
    QUndoStack* undo = w.document().undoStack();
    QCOMPARE(undo->createUndoAction(&w)->text(), undoText);
    undo->undo();
    QCOMPARE(sceneText(w), before);
    undo->redo();
    QCOMPARE(sceneText(w), after);
    // Back to the three elements as added: the whole history undoes to the empty bench.
    while (undo->canUndo())
        undo->undo();
    QVERIFY(w.document().scene().elements.empty());
    QVERIFY(!w.document().isModified());
}

void TestBenchWindow::saveAndOpen()
{
    const QString path = m_dir.filePath(QStringLiteral("telescope.lumenary"));
    m_answers->saveAs = path;
    BenchWindow w;
    fillScene(w);
    QVERIFY(w.document().isModified());
    QVERIFY(w.windowTitle().contains(QStringLiteral("[*]")));
    QVERIFY(w.isWindowModified());
    QVERIFY(w.saveAs());
    QVERIFY(!w.isWindowModified());
    QVERIFY(w.windowTitle().startsWith(QStringLiteral("telescope.lumenary")));

    // The picture's file is named after the scene, without the title's unsaved mark.
    w.addElement(ElementType::Mirror, {0, 20});
    QString suggested;
    BenchDialogs d = dialogsFor(m_answers);
    d.pictureFile = [&](QWidget*, const QString& name) {
        suggested = name;
        return QString();
    };
    w.setDialogs(d);
    w.findChild<QAction*>(QStringLiteral("actionExport"))->trigger();
    QCOMPARE(QFileInfo(suggested).fileName(),
             QStringLiteral("telescope.lumenary — Optical Bench.png"));
    w.document().undoStack()->undo();

    BenchWindow again;
    QVERIFY(again.openFile(path));
    QCOMPARE(sceneText(again), sceneText(w));
    QVERIFY(!again.document().isModified());
    QCOMPARE(again.document().filePath(), path);
}

void TestBenchWindow::failedSaveKeepsTheScene()
{
    // A file of that name exists; the save goes to a folder that does not.
    m_answers->saveAs = m_dir.filePath(QStringLiteral("no-such-folder/scene.lumenary"));
    BenchWindow w;
    fillScene(w);
    QVERIFY(!w.saveAs());
    QCOMPARE(m_answers->reports.size(), 1);
    QVERIFY2(m_answers->reports[0].contains(QStringLiteral("scene.lumenary")),
             qPrintable(m_answers->reports[0]));
    QVERIFY(w.document().isModified());

    // An existing file is left whole when writing over it fails: files may grow to 64 bytes
    // only (a limit that holds for root too) while the larger scene is saved over it.
    const QString kept = m_dir.filePath(QStringLiteral("kept.lumenary"));
    m_answers->saveAs = kept;
    QVERIFY(w.saveAs());
    QFile f(kept);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray whole = f.readAll();
    f.close();
    w.addElement(ElementType::Mirror, {0, 20});
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{64, limit.rlim_max};
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = w.save();
    setrlimit(RLIMIT_FSIZE, &limit);
    QVERIFY(!saved);
    QCOMPARE(m_answers->reports.size(), 2);
    QVERIFY(w.document().isModified());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), whole);
}

void TestBenchWindow::unsavedChangesOnClose_data()
{
    QTest::addColumn<UnsavedAnswer>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("fileWritten");
    QTest::newRow("save") << UnsavedAnswer::Save << true << true;
    QTest::newRow("discard") << UnsavedAnswer::Discard << true << false;
    QTest::newRow("cancel") << UnsavedAnswer::Cancel << false << false;
}

void TestBenchWindow::unsavedChangesOnClose()
{
    QFETCH(UnsavedAnswer, answer);
    QFETCH(bool, closes);
    QFETCH(bool, fileWritten);
    const QString path = m_dir.filePath(QStringLiteral("closing.lumenary"));
    QFile::remove(path);
    m_answers->saveAs = path;
    m_answers->unsaved = answer;
    BenchWindow w;
    w.show();
    fillScene(w);
    w.keepRecovery();
    const QString recovery = QDir(recoveryFolder()).entryList(QDir::Files).join(',');
    QVERIFY2(recovery.contains(QStringLiteral(".lumenary")), qPrintable(recovery));

    w.close(); // a window that closes hides (the launcher may show it again)
    QCOMPARE(!w.isVisible(), closes);
    QCOMPARE(m_answers->unsavedAsked, 1);
    QCOMPARE(QFile::exists(path), fileWritten);
    // The recovery file goes with a clean save or a discard, and stays while the work is open.
    const QStringList left = QDir(recoveryFolder()).entryList({QStringLiteral("*.lumenary")});
    QCOMPARE(left.isEmpty(), closes);

    // Nothing unsaved: no question.
    if (!closes) {
        m_answers->unsavedAsked = 0;
        m_answers->unsaved = UnsavedAnswer::Discard;
        w.close();
        QVERIFY(!w.isVisible());
    }
    BenchWindow clean;
    clean.show();
    m_answers->unsavedAsked = 0;
    clean.close();
    QVERIFY(!clean.isVisible());
    QCOMPARE(m_answers->unsavedAsked, 0);
}

void TestBenchWindow::recoveryOfferedAtNextStart()
{
    QString kept;
    QString text;
    {
        BenchWindow w;
        fillScene(w);
        w.keepRecovery();
        text = sceneText(w);
        const QStringList files = QDir(recoveryFolder()).entryList({QStringLiteral("*.lumenary")});
        QCOMPARE(files.size(), 1);
        // A run that was killed leaves its file without a holder: a copy stands for it.
        kept = QDir(recoveryFolder()).filePath(QStringLiteral("killed-run.lumenary"));
        QVERIFY(QFile::copy(QDir(recoveryFolder()).filePath(files[0]), kept));
        m_answers->unsaved = UnsavedAnswer::Discard;
        QVERIFY(w.settleUnsavedWork());
    }
    QVERIFY(QFile::exists(kept));

    std::unique_ptr<BenchWindow> restored;
    startBench({}, nullptr, [&] {
        restored = std::make_unique<BenchWindow>();
        return restored.get();
    });
    QVERIFY(restored);
    QCOMPARE(sceneText(*restored), text);
    QVERIFY(restored->document().isModified());
    // Offered once: the next start finds nothing to offer.
    restored->setDialogs(dialogsFor(m_answers));
    m_answers->unsaved = UnsavedAnswer::Discard;
    QVERIFY(restored->settleUnsavedWork());
    int shown = 0;
    startBench({}, nullptr, [&]() -> BenchWindow* {
        ++shown;
        return nullptr;
    });
    QCOMPARE(shown, 0);
    QVERIFY(QDir(recoveryFolder()).entryList({QStringLiteral("*.lumenary")}).isEmpty());
}

void TestBenchWindow::keyboardOnlyLensAndDetector()
{
    BenchWindow w;
    w.resize(1200, 800);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* palette = w.findChild<ElementPalette*>();
    QVERIFY(palette);
    BenchPicture* picture = w.picture();
    // Each type from the palette with Enter, at the middle of the view; then into the picture,
    // where Shift+arrows move the selected element ten grid steps.
    const auto addByKeys = [&](ElementType type, int bigStepsRight) {
        palette->setFocus();
        palette->setCurrentRow(0);
        for (int i = 0; i < int(type); ++i)
            QTest::keyClick(palette, Qt::Key_Down);
        QTest::keyClick(palette, Qt::Key_Return);
        picture->setFocus();
        for (int i = 0; i < bigStepsRight; ++i)
            QTest::keyClick(picture, Qt::Key_Right, Qt::ShiftModifier);
        for (int i = 0; i < -bigStepsRight; ++i)
            QTest::keyClick(picture, Qt::Key_Left, Qt::ShiftModifier);
    };
    addByKeys(ElementType::Beam, -1);
    addByKeys(ElementType::IdealLens, 0);
    addByKeys(ElementType::Detector, 1);
    const Scene& scene = w.document().scene();
    QCOMPARE(scene.elements.size(), std::size_t(3));
    QCOMPARE(scene.elements[0].type(), ElementType::Beam);
    QCOMPARE(scene.elements[2].type(), ElementType::Detector);
    QVERIFY(elementAnchor(scene.elements[0]).x < elementAnchor(scene.elements[1]).x);
    QVERIFY(elementAnchor(scene.elements[1]).x < elementAnchor(scene.elements[2]).x);

    // Tab walks to the detector; its description gives the spot of the beam's one wavelength,
    // on the axis the beam shares with the lens.
    picture->setFocus();
    QTest::keyClick(picture, Qt::Key_Escape);
    QVERIFY(picture->selection().isEmpty());
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(picture, Qt::Key_Tab);
    QCOMPARE(picture->selection(), QList<int>{2});
    w.trace().finish();
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(picture);
    QVERIFY(a);
    QCOMPARE(a->childCount(), 3);
    QAccessibleInterface* detector = a->child(2);
    QCOMPARE(detector->text(QAccessible::Name), QStringLiteral("Detector 1"));
    const QString spoken = detector->text(QAccessible::Description);
    // The beam's white light, each wavelength's spot where the beam's axis crosses the
    // detector, measured along it from its first end.
    const auto& ends = std::get<Detector>(scene.elements[2].shape);
    const double along = elementAnchor(scene.elements[0]).y - ends.from.y;
    for (const char* nm : {"400", "550", "700"})
        QVERIFY2(spoken.contains(QStringLiteral("%1 nm at %2 mm").arg(nm).arg(along)),
                 qPrintable(spoken));
    // Enter opens its properties: the focus goes to the panel's first field.
    QTest::keyClick(picture, Qt::Key_Return);
    QVERIFY(QApplication::focusWidget() != picture);
}

void TestBenchWindow::elementsSpokenFromTheirNumbers_data()
{
    QTest::addColumn<Element>("element");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("said");
    Element lens;
    lens.shape = SphericalLens{{120, 0}, 0, 30, 6, 50, -50, Medium{mediumByName("N-BK7"), 1.0}};
    // The thick-lens formula with n_d = 1.5168: 1/f = (n − 1)(2/50 + (n − 1)·6/(n·50²)),
    // f = 49.384 mm, said to three figures.
    QTest::newRow("spherical lens") << lens << "Spherical lens 1"
                                    << QStringList{"N-BK7", "thickness 6 mm", "radii 50 and -50 mm",
                                                   "at (120, 0)", "focal length 49.4 mm (d line)"};
    Element ideal;
    ideal.shape = IdealLens{{-40, 10}, 90, 30, -80};
    QTest::newRow("ideal lens") << ideal << "Ideal lens 1"
                                << QStringList{"focal length -80 mm", "aperture 30 mm",
                                               "at (-40, 10)", "axis 90"};
    Element mirror;
    mirror.shape = Mirror{{0, -5}, {0, 5}};
    QTest::newRow("mirror") << mirror << "Mirror 1" << QStringList{"(0, -5)", "(0, 5)"};
}

void TestBenchWindow::elementsSpokenFromTheirNumbers()
{
    QFETCH(Element, element);
    QFETCH(QString, name);
    QFETCH(QStringList, said);
    Scene scene;
    scene.elements.push_back(element);
    QCOMPARE(BenchText::elementLabel(scene, 0), name);
    // Minus signs as the screen reader gets them, compared as hyphens here.
    const QString spoken = BenchText::description(scene, 0).replace(QChar(0x2212), '-');
    for (const QString& part : said)
        QVERIFY2(spoken.contains(part), qPrintable(spoken));
}

void TestBenchWindow::badFileRefusedInTheTraceCommandsWords_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("not json") << QByteArray("elements: mirror");
    QTest::newRow("cut short") << QByteArray(R"({"format": "lumenary-scene", "version": 1,)");
    QTest::newRow("unknown type") << QByteArray(
        R"({"format": "lumenary-scene", "version": 1, "elements": [{"type": 7}]})");
    QTest::newRow("empty") << QByteArray();
}

void TestBenchWindow::badFileRefusedInTheTraceCommandsWords()
{
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath(QStringLiteral("bad.lumenary"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.close();

    QProcess trace;
    trace.setWorkingDirectory(m_dir.path());
    trace.start(QStringLiteral(LUMENARY_TRACE), {QStringLiteral("bad.lumenary")});
    QVERIFY(trace.waitForFinished(30000));
    const QString words = QString::fromUtf8(trace.readAllStandardError()).trimmed();
    QVERIFY2(words.startsWith(QStringLiteral("bad.lumenary:")), qPrintable(words));

    BenchWindow w;
    fillScene(w);
    const QString before = sceneText(w);
    QVERIFY(!w.openFile(path, QStringLiteral("bad.lumenary")));
    QCOMPARE(m_answers->reports.size(), 1);
    QVERIFY2(m_answers->reports[0].contains(words), qPrintable(m_answers->reports[0]));
    QCOMPARE(sceneText(w), before);
    // The same text pasted adds nothing and says why.
    QApplication::clipboard()->setText(QString::fromUtf8(bytes));
    w.paste();
    QCOMPARE(sceneText(w), before);
    QVERIFY2(w.message().startsWith(QStringLiteral("Nothing pasted")), qPrintable(w.message()));

    // From the command line: the same words, and no window.
    m_answers->reports.clear();
    bool shown = false;
    startBench(path, nullptr, [&]() -> BenchWindow* {
        shown = true;
        return nullptr;
    });
    QVERIFY(!shown);
    QCOMPARE(m_answers->reports.size(), 1);
    QVERIFY2(m_answers->reports[0].contains(path), qPrintable(m_answers->reports[0]));
    m_answers->unsaved = UnsavedAnswer::Discard;
}

// The status line counts in the singular for one and with the locale's grouping, and names
// every cut.
void TestBenchWindow::traceStatusCounts_data()
{
    QTest::addColumn<TraceCounts>("counts");
    QTest::addColumn<qsizetype>("pending");
    QTest::addColumn<QString>("status");
    TraceCounts one;
    one.paths = 1;
    one.segments = 1;
    QTest::newRow("one of each") << one << qsizetype(0)
                                 << QStringLiteral(
                                        "1 path, 1 segment; every path traced to its end");
    TraceCounts cut;
    cut.paths = 1234;
    cut.segments = 2;
    cut.cutInteractions = 1;
    cut.cutIntensity = 12;
    QTest::newRow("cuts") << cut << qsizetype(0)
                          << QStringLiteral(
                                 "1,234 paths, 2 segments; 1 path stopped after 1,000 "
                                 "interactions; 12 parts fainter than 0.001 not traced on");
    QTest::newRow("still tracing")
        << one << qsizetype(1)
        << QStringLiteral("Tracing: 1 path, 1 segment; 1 path still to trace");
}

void TestBenchWindow::traceStatusCounts()
{
    QFETCH(TraceCounts, counts);
    QFETCH(qsizetype, pending);
    QFETCH(QString, status);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Scene scene;
    scene.maxInteractions = 1000;
    scene.minIntensity = 0.001;
    QCOMPARE(BenchText::traceStatus(scene, counts, std::size_t(pending)), status);
    QLocale::setDefault(QLocale::c());
}

// Every shipped example's title and description is in the list of translated texts, so the list
// cannot drift from the files; opened, an example shows its description in the running language,
// while the scene keeps the file's English words.
void TestBenchWindow::examplesInTheRunningLanguage_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("language"); // empty: no translation loaded
    QTest::addColumn<QString>("shown");    // the description label; empty: the file's own words
    const QStringList files = QDir(QStringLiteral(LUMENARY_SOURCE_DIR "/examples"))
                                  .entryList({QStringLiteral("*.lumenary")}, QDir::Files);
    for (const QString& file : files)
        QTest::newRow(qPrintable(file)) << file << QString() << QString();
    QTest::newRow("Kepler telescope in German")
        << QStringLiteral("kepler_telescope.lumenary") << QStringLiteral("de")
        << QStringLiteral("Ein Kepler-Fernrohr: ein Objektiv von 200 mm und ein Okular von 50 mm "
                          "Brennweite, 250 mm voneinander entfernt, sodass paralleles Licht "
                          "parallel austritt. Ein um 1 Grad geneigtes Strahlenbündel tritt um "
                          "etwa -4 Grad geneigt aus: Die Winkelvergrößerung ist -200/50 = -4, und "
                          "der Detektor sitzt in der Austrittspupille.");
}

void TestBenchWindow::examplesInTheRunningLanguage()
{
    QFETCH(QString, file);
    QFETCH(QString, language);
    QFETCH(QString, shown);
    const QDir examples(QStringLiteral(LUMENARY_SOURCE_DIR "/examples"));
    QCOMPARE(exampleTexts().size(),
             2 * int(examples.entryList({QStringLiteral("*.lumenary")}, QDir::Files).size()));
    const SceneFile read = readSceneFile(examples.filePath(file), file);
    QVERIFY(read.scene);
    const QString english = QString::fromStdString(read.scene->description);
    QString title = QFileInfo(file).completeBaseName().replace(QLatin1Char('_'), QLatin1Char(' '));
    title[0] = title[0].toUpper();
    QVERIFY2(exampleTexts().contains(title), qPrintable(title));
    QVERIFY2(exampleTexts().contains(english), qPrintable(english));

    QTranslator translator;
    if (!language.isEmpty()) {
        QVERIFY(translator.load(QStringLiteral("lumenary_") + language,
                                QStringLiteral(LUMENARY_QM_DIR)));
        QCoreApplication::installTranslator(&translator);
    }
    BenchWindow w;
    const bool opened = w.openExample({examples.filePath(file), title, english});
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(opened);
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("sceneDescription"))->text(),
             shown.isEmpty() ? english : shown);
    QCOMPARE(w.document().scene().description, read.scene->description);
}

QTEST_MAIN(TestBenchWindow)
#include "test_bench_window.moc"
