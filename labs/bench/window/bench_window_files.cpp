// The bench window's File menu: new, open (a file, an example, a recent one), save, the question
// before unsaved changes are lost, and the recovery file; and what the program does for the
// bench when it starts.
#include "bench_document.h"
#include "bench_picture.h"
#include "bench_window.h"
#include "example_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>
#include <QStandardPaths>

namespace lumenary::bench
{

namespace
{

// Scenes the Open Recent menu lists, newest first: those opened or saved in this run. The list
// is not kept between runs, as the recovery file is the one thing the program writes unasked.
constexpr int kRecentScenes = 8;

QString startFolder(const QString& current)
{
    if (!current.isEmpty())
        return QFileInfo(current).absolutePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

void BenchWindow::takeScene(const Scene& scene, const QString& path, const QString& example)
{
    m_exampleTitle = example;
    dropRecovery();
    m_document->reset(scene, path);
    // A shipped example's description in the running language; the scene keeps its own words.
    m_description->setText(exampleText(QString::fromStdString(scene.description)));
    m_description->setVisible(!scene.description.empty());
    m_picture->fit();
    updateTitle();
}

void BenchWindow::dropRecovery()
{
    m_recovery.remove();
}

bool BenchWindow::newScene()
{
    if (!settleUnsavedWork())
        return false;
    takeScene(Scene{}, {}, {});
    showMessage(tr("A new, empty scene"));
    return true;
}

bool BenchWindow::openFile(const QString& path, const QString& shownName)
{
    const SceneFile read = readSceneFile(path, shownName.isEmpty() ? path : shownName);
    if (!read.scene) {
        // Nothing else changes: the scene shown stays as it was.
        m_dialogs.report(this, tr("The scene could not be opened.\n\n%1").arg(read.problem));
        return false;
    }
    if (!settleUnsavedWork())
        return false;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    takeScene(*read.scene, absolute, {});
    remember(absolute);
    showMessage(tr("Opened %1").arg(QFileInfo(path).fileName()));
    return true;
}

bool BenchWindow::openFileByDialog()
{
    const QString path = m_dialogs.openFile(this, startFolder(m_document->filePath()));
    return !path.isEmpty() && openFile(path);
}

bool BenchWindow::openExample(const ExampleScene& example)
{
    const SceneFile read = readSceneFile(example.path, QFileInfo(example.path).fileName());
    if (!read.scene) {
        m_dialogs.report(this, tr("The scene could not be opened.\n\n%1").arg(read.problem));
        return false;
    }
    if (!settleUnsavedWork())
        return false;
    // An example opens as a new scene made from it: Save asks where to keep the copy.
    takeScene(*read.scene, {}, tr("%1 (example)").arg(example.title));
    showMessage(tr("Opened the example %1").arg(example.title));
    return true;
}

bool BenchWindow::save()
{
    const QString path = m_document->filePath();
    if (path.isEmpty())
        return saveAs();
    if (const auto failure = writeSceneFile(m_document->scene(), path)) {
        m_dialogs.report(this, tr("The scene could not be saved as “%1”.\n\n%2")
                                   .arg(QDir::toNativeSeparators(path), *failure));
        return false;
    }
    m_exampleTitle.clear();
    m_document->markSaved(path);
    dropRecovery();
    remember(path);
    showMessage(tr("Saved %1").arg(QFileInfo(path).fileName()));
    return true;
}

bool BenchWindow::saveAs()
{
    QString suggested = m_document->filePath();
    if (suggested.isEmpty()) {
        QString base = m_exampleTitle.isEmpty() ? tr("Untitled") : m_exampleTitle;
        base.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("-"));
        suggested = QDir(startFolder({})).filePath(base + QStringLiteral(".lumenary"));
    }
    QString path = m_dialogs.saveFile(this, suggested);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".lumenary");
    if (const auto failure = writeSceneFile(m_document->scene(), path)) {
        m_dialogs.report(this, tr("The scene could not be saved as “%1”.\n\n%2")
                                   .arg(QDir::toNativeSeparators(path), *failure));
        return false;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_exampleTitle.clear();
    m_document->markSaved(absolute);
    dropRecovery();
    remember(absolute);
    showMessage(tr("Saved %1").arg(QFileInfo(path).fileName()));
    return true;
}

bool BenchWindow::settleUnsavedWork()
{
    if (!m_document->isModified())
        return true;
    switch (m_dialogs.askUnsaved(this, sceneName())) {
    case UnsavedAnswer::Save:
        return save();
    case UnsavedAnswer::Discard:
        dropRecovery();
        return true;
    case UnsavedAnswer::Cancel:
        break;
    }
    return false;
}

bool BenchWindow::restore(const RecoveredScene& recovered)
{
    if (!settleUnsavedWork())
        return false;
    takeScene(recovered.scene, recovered.originalPath, {});
    m_document->reset(recovered.scene, recovered.originalPath, true);
    m_recovery.adopt(recovered.recoveryPath);
    if (!m_recoveryTimer.isActive())
        m_recoveryTimer.start();
    updateTitle();
    showMessage(tr("Restored the scene kept on %1")
                    .arg(QLocale().toString(recovered.kept, QLocale::ShortFormat)));
    return true;
}

void BenchWindow::keepRecovery()
{
    if (!m_document->isModified()) {
        dropRecovery();
        return;
    }
    if (!m_recovery.write(m_document->scene(), m_document->filePath()))
        showMessage(tr("The recovery file could not be written in %1")
                        .arg(QDir::toNativeSeparators(recoveryFolder())));
}

void BenchWindow::fillExampleMenu()
{
    m_examples->clear();
    const std::vector<ExampleScene> examples = exampleScenes();
    for (const ExampleScene& example : examples) {
        QAction* a = m_examples->addAction(example.title);
        a->setToolTip(example.description);
        a->setStatusTip(example.description);
        connect(a, &QAction::triggered, this, [this, example] { openExample(example); });
    }
    m_examples->setEnabled(!examples.empty());
    fillRecentMenu();
}

void BenchWindow::remember(const QString& path)
{
    m_recentPaths.removeAll(path);
    m_recentPaths.prepend(path);
    while (m_recentPaths.size() > kRecentScenes)
        m_recentPaths.removeLast();
    fillRecentMenu();
}

void BenchWindow::fillRecentMenu()
{
    m_recent->clear();
    for (const QString& path : m_recentPaths) {
        QAction* a = m_recent->addAction(QFileInfo(path).fileName());
        a->setToolTip(QDir::toNativeSeparators(path));
        connect(a, &QAction::triggered, this, [this, path] { openFile(path); });
    }
    m_recent->setEnabled(!m_recentPaths.isEmpty());
}

void startBench(const QString& sceneFile, QWidget* parent,
                const std::function<BenchWindow*()>& showBench)
{
    const BenchDialogs dialogs = defaultBenchDialogs();
    for (const RecoveredScene& r : RecoveryFile::orphans()) {
        const QString name = r.originalPath.isEmpty() ? BenchWindow::tr("Untitled")
                                                      : QFileInfo(r.originalPath).fileName();
        const QString question =
            BenchWindow::tr("The Optical Bench's scene “%1” was not saved when Varnel Lumenary "
                            "last ended; a copy was kept on %2. Restore it?")
                .arg(name, QLocale().toString(r.kept, QLocale::ShortFormat));
        if (dialogs.askRestore(parent, question)) {
            if (BenchWindow* bench = showBench())
                bench->restore(r);
        } else {
            QFile::remove(r.recoveryPath); // declined: the copy is discarded
        }
    }
    if (sceneFile.isEmpty())
        return;
    const SceneFile read = readSceneFile(sceneFile, sceneFile);
    if (!read.scene) {
        dialogs.report(parent,
                       BenchWindow::tr("The scene could not be opened.\n\n%1").arg(read.problem));
        return;
    }
    if (BenchWindow* bench = showBench())
        bench->openFile(sceneFile);
}

} // namespace lumenary::bench
