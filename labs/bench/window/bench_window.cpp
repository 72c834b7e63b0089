#include "bench_window.h"

#include "bench_document.h"
#include "bench_picture.h"
#include "bench_text.h"
#include "element_edit.h"
#include "element_palette.h"
#include "export_actions.h"
#include "heap_trim.h"
#include "picture_choice.h"
#include "property_panel.h"
#include "scene_check.h"
#include "scene_file.h"
#include "scene_limits.h"
#include "settings_panel.h"
#include "trace_runner.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollArea>
#include <QTabWidget>
#include <QUndoStack>

namespace lumenary::bench
{

namespace
{

// The MIME type of scene text on the clipboard and of scene files.
constexpr char kSceneMime[] = "application/x-lumenary-scene";

QAction* action(QWidget* window, QMenu* menu, const char* name, const QString& text,
                const QList<QKeySequence>& keys = {})
{
    auto* a = menu->addAction(text);
    a->setObjectName(QLatin1String(name));
    a->setShortcuts(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    window->addAction(a);
    return a;
}

QScrollArea* scrolled(QWidget* inside)
{
    auto* area = new QScrollArea;
    area->setWidget(inside);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return area;
}

} // namespace

BenchWindow::BenchWindow(QWidget* parent)
    : ModernWindow(QStringLiteral("OpticalBench"), tr("Optical Bench"), {1280, 800}, parent),
      m_dialogs(defaultBenchDialogs()), m_document(new BenchDocument(this)),
      m_trace(new TraceRunner(this))
{
    m_picture = new BenchPicture(*m_document, *m_trace);
    m_palette = new ElementPalette;
    m_properties = new PropertyPanel(*m_document, *m_trace);
    m_settings = new SettingsPanel(*m_document);

    auto* outer = new QVBoxLayout(this);
    outer->setMenuBar(buildMenus());
    auto* row = new QHBoxLayout;
    outer->addLayout(row, 1);

    auto* left = new QVBoxLayout;
    auto* add = new QLabel(tr("&Add:"));
    add->setBuddy(m_palette);
    left->addWidget(add);
    left->addWidget(m_palette, 1);
    row->addLayout(left);

    auto* centre = new QVBoxLayout;
    m_description = new QLabel;
    m_description->setObjectName(QStringLiteral("sceneDescription"));
    m_description->setWordWrap(true);
    m_description->setProperty("freeText", true); // the scene's own words; an example's translated
    m_description->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_description->hide();
    centre->addWidget(m_description);
    centre->addWidget(m_picture, 1);
    auto* statusRow = new QHBoxLayout;
    m_status = addReadout(statusRow, "traceStatus", tr("Trace"), ReadoutLook::Label);
    m_message = addReadout(statusRow, "benchMessage", tr("Message"), ReadoutLook::Label);
    statusRow->setStretch(0, 3);
    statusRow->setStretch(1, 2);
    static_cast<QLabel*>(m_status->widget())->setWordWrap(true);
    static_cast<QLabel*>(m_message->widget())->setWordWrap(true);
    centre->addLayout(statusRow);
    row->addLayout(centre, 1);
    row->addWidget(buildSide());

    connect(m_palette, &ElementPalette::addRequested, this,
            [this](ElementType type) { addElement(type, m_picture->centre()); });
    connect(m_picture, &BenchPicture::addRequested, this, &BenchWindow::addElement);
    connect(m_picture, &BenchPicture::selectionChanged, this, [this] {
        m_properties->showSelection(m_picture->selection());
        updateActions();
    });
    connect(m_picture, &BenchPicture::propertiesRequested, this, [this] {
        m_tabs->setCurrentIndex(0);
        if (QWidget* first = m_properties->firstField())
            first->setFocus(Qt::TabFocusReason);
    });
    connect(m_document, &BenchDocument::selectionProposed, m_picture, &BenchPicture::select);
    connect(m_document, &BenchDocument::stateChanged, this, &BenchWindow::updateTitle);
    connect(m_document, &BenchDocument::sceneChanged, this, &BenchWindow::refresh);
    connect(m_trace, &TraceRunner::progressed, this, &BenchWindow::refresh);

    m_recoveryTimer.setInterval(kRecoveryMs);
    connect(&m_recoveryTimer, &QTimer::timeout, this, &BenchWindow::keepRecovery);
    connect(m_document, &BenchDocument::stateChanged, this, [this] {
        if (m_document->isModified()) {
            if (!m_recoveryTimer.isActive())
                m_recoveryTimer.start();
        } else {
            m_recoveryTimer.stop();
            dropRecovery();
        }
    });

    auto pictures = std::make_unique<PictureChoice>();
    pictures->add(m_picture,
                  [this](QPainter& p, const QRectF& at) { m_picture->paintPicture(p, at); });
    m_export = installExportActions(this, std::move(pictures));
    // A document window: Ctrl+S saves the scene and Ctrl+C copies elements; the picture goes
    // out through Export Picture… (Ctrl+E) and Copy with nothing chosen.
    const QList<QAction*>& shared = m_export->actions();
    shared[0]->setShortcut({});
    shared[1]->setText(tr("Export Picture…"));
    shared[1]->setObjectName(QStringLiteral("actionExport"));
    shared[1]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    shared[2]->setObjectName(QStringLiteral("actionPrint"));
    m_fileMenu->insertActions(m_beforeClose, {shared[1], shared[2]});
    // A copy, file or page of the picture is drawn at its own size through many small blocks:
    // their pages go back to the system when it is done.
    for (QAction* a : shared)
        connect(
            a, &QAction::triggered, this, [] { trimHeap(); }, Qt::QueuedConnection);
    setDialogs(m_dialogs);
    fillExampleMenu();
    // A text field keeps Ctrl+E for itself (the end of the line on X11): here it exports.
    qApp->installEventFilter(this);

    setTabChain({m_palette, m_picture, m_tabs});
    m_trace->setScene(m_document->scene());
    updateTitle();
    updateActions();
    refresh();
}

BenchWindow::~BenchWindow()
{
    // The picture and panels refer to the document and the trace: they go first.
    delete m_picture;
    delete m_properties;
    delete m_settings;
}

void BenchWindow::setDialogs(BenchDialogs dialogs)
{
    m_dialogs = std::move(dialogs);
    if (m_dialogs.pictureFile)
        m_export->setFileChooser(m_dialogs.pictureFile);
    if (m_dialogs.printer)
        m_export->setPrinterChooser(m_dialogs.printer);
    if (m_dialogs.report)
        m_export->setErrorReporter(m_dialogs.report);
}

QMenuBar* BenchWindow::buildMenus()
{
    auto* bar = new QMenuBar;
    bar->setObjectName(QStringLiteral("benchMenuBar"));
    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    connect(action(this, file, "actionNew", tr("&New"), {QKeySequence::New}), &QAction::triggered,
            this, &BenchWindow::newScene);
    connect(action(this, file, "actionOpen", tr("&Open…"), {QKeySequence::Open}),
            &QAction::triggered, this, &BenchWindow::openFileByDialog);
    m_examples = file->addMenu(tr("Open &Example"));
    m_examples->setObjectName(QStringLiteral("exampleMenu"));
    m_examples->setToolTipsVisible(true);
    m_recent = file->addMenu(tr("Open &Recent"));
    m_recent->setObjectName(QStringLiteral("recentMenu"));
    file->addSeparator();
    connect(action(this, file, "actionSave", tr("&Save"), {QKeySequence::Save}),
            &QAction::triggered, this, &BenchWindow::save);
    connect(action(this, file, "actionSaveAs", tr("Save &As…"),
                   {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}),
            &QAction::triggered, this, &BenchWindow::saveAs);
    file->addSeparator();
    // Export Picture… and Print… of the shared export join here once it is installed.
    m_fileMenu = file;
    m_beforeClose = file->addSeparator();
    connect(action(this, file, "actionClose", tr("&Close"), {QKeySequence::Close}),
            &QAction::triggered, this, &QWidget::close);

    QMenu* edit = bar->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("editMenu"));
    QAction* undo = m_document->undoStack()->createUndoAction(this, tr("&Undo"));
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo = m_document->undoStack()->createRedoAction(this, tr("&Redo"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* a : {undo, redo}) {
        a->setShortcutContext(Qt::WindowShortcut);
        edit->addAction(a);
        addAction(a);
    }
    edit->addSeparator();
    m_copy = action(this, edit, "actionCopy", tr("&Copy"), {QKeySequence::Copy});
    connect(m_copy, &QAction::triggered, this, &BenchWindow::copySelection);
    connect(action(this, edit, "actionPaste", tr("&Paste"), {QKeySequence::Paste}),
            &QAction::triggered, this, &BenchWindow::paste);
    m_duplicate = action(this, edit, "actionDuplicate", tr("D&uplicate"),
                         {QKeySequence(Qt::CTRL | Qt::Key_D)});
    connect(m_duplicate, &QAction::triggered, this, &BenchWindow::duplicateSelection);
    m_delete = action(this, edit, "actionDelete", tr("&Delete"), {QKeySequence::Delete});
    connect(m_delete, &QAction::triggered, this, &BenchWindow::deleteSelection);
    connect(action(this, edit, "actionSelectAll", tr("Select &All"), {QKeySequence::SelectAll}),
            &QAction::triggered, this, [this] { m_picture->selectAll(); });

    QMenu* view = bar->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("viewMenu"));
    connect(action(this, view, "actionZoomIn", tr("Zoom &In"),
                   {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}),
            &QAction::triggered, this, [this] { m_picture->zoomBy(1.25); });
    connect(action(this, view, "actionZoomOut", tr("Zoom &Out"), {QKeySequence::ZoomOut}),
            &QAction::triggered, this, [this] { m_picture->zoomBy(0.8); });
    connect(action(this, view, "actionFit", tr("&Fit"), {QKeySequence(Qt::CTRL | Qt::Key_0)}),
            &QAction::triggered, this, [this] { m_picture->fit(); });
    m_grid =
        action(this, view, "actionGrid", tr("Show &Grid"), {QKeySequence(Qt::CTRL | Qt::Key_G)});
    m_grid->setCheckable(true);
    m_grid->setChecked(true);
    connect(m_grid, &QAction::toggled, this, [this](bool on) { m_picture->setGridShown(on); });
    return bar;
}

QWidget* BenchWindow::buildSide()
{
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("sideTabs"));
    m_tabs->setFixedWidth(380);
    m_tabs->addTab(scrolled(m_properties), tr("E&lement"));
    auto* scene = new QWidget;
    auto* box = new QVBoxLayout(scene);
    box->addWidget(m_settings);
    box->addStretch(1);
    m_tabs->addTab(scrolled(scene), tr("&Scene"));
    return m_tabs;
}

void BenchWindow::refresh()
{
    const TraceCounts counts = m_trace->tracer().counts();
    m_status->write(
        BenchText::traceStatus(m_document->scene(), counts, m_trace->tracer().pendingPaths()));
}

void BenchWindow::showMessage(const QString& text)
{
    m_message->write(text);
}

QString BenchWindow::message() const
{
    return m_message->value();
}

QString BenchWindow::status() const
{
    return m_status->value();
}

QString BenchWindow::sceneName() const
{
    if (!m_document->filePath().isEmpty())
        return QFileInfo(m_document->filePath()).fileName();
    if (!m_exampleTitle.isEmpty())
        return m_exampleTitle;
    return tr("Untitled");
}

void BenchWindow::updateTitle()
{
    QString title = tr("%1[*] — Optical Bench").arg(sceneName());
    setWindowTitle(title);
    setWindowModified(m_document->isModified());
    // The title as the frame shows it, unsaved mark resolved.
    setAccessibleName(
        title.replace(QStringLiteral("[*]"), m_document->isModified() ? QStringLiteral("*") : ""));
}

void BenchWindow::updateActions()
{
    const bool chosen = !m_picture->selection().isEmpty();
    m_duplicate->setEnabled(chosen);
    m_delete->setEnabled(chosen);
}

void BenchWindow::addElement(ElementType type, Vec2 at)
{
    addElements({newElement(type, at, m_picture->newElementSize())}, {});
}

bool BenchWindow::addElements(std::vector<Element> elements, const QString& what)
{
    const Scene& scene = m_document->scene();
    if (scene.elements.size() + elements.size() > kMaxElements) {
        showMessage(tr("Not added: a scene holds at most 10000 elements."));
        return false;
    }
    std::int64_t paths = 0;
    for (const Element& e : scene.elements)
        paths += pathCount(e);
    for (const Element& e : elements)
        paths += pathCount(e);
    if (paths > kMaxPaths) {
        showMessage(tr("Not added: the scene would start more than 250000 paths (rays × "
                       "wavelengths)."));
        return false;
    }
    m_document->add(std::move(elements), what);
    showMessage(m_document->undoStack()->undoText());
    return true;
}

void BenchWindow::copySelection()
{
    const QList<int>& chosen = m_picture->selection();
    if (chosen.isEmpty()) {
        m_export->copy(); // the picture and its values
        trimHeap();
        showMessage(tr("Copied the picture"));
        return;
    }
    Scene part = m_document->scene();
    part.elements.clear();
    part.description.clear();
    for (int i : chosen)
        part.elements.push_back(m_document->scene().elements[std::size_t(i)]);
    const QByteArray text = QByteArray::fromStdString(writeScene(part));
    auto* data = new QMimeData;
    data->setText(QString::fromUtf8(text));
    data->setData(QLatin1String(kSceneMime), text);
    QGuiApplication::clipboard()->setMimeData(data);
    showMessage(tr("Copied %n elements as scene text", nullptr, int(chosen.size())));
}

void BenchWindow::paste()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QByteArray text = !data                                        ? QByteArray()
                            : data->hasFormat(QLatin1String(kSceneMime)) ? data->data(kSceneMime)
                                                                         : data->text().toUtf8();
    const SceneReading reading = readScene(std::string_view(text.constData(), text.size()));
    if (!reading.scene) {
        showMessage(tr("Nothing pasted: the clipboard holds no scene (%1)")
                        .arg(QString::fromStdString(
                            errorLine(tr("clipboard").toStdString(), reading.error))));
        return;
    }
    std::vector<Element> elements = reading.scene->elements;
    if (elements.empty()) {
        showMessage(tr("Nothing pasted: the scene on the clipboard has no elements"));
        return;
    }
    // A copy pasted over its original is set off by a grid step, so that both show.
    const auto& here = m_document->scene().elements;
    const bool over = std::all_of(elements.begin(), elements.end(), [&](const Element& e) {
        return std::find(here.begin(), here.end(), e) != here.end();
    });
    if (over)
        for (Element& e : elements)
            moveElement(e, {m_picture->gridStep(), -m_picture->gridStep()});
    // Named as every step: "Paste Mirror", "Paste 3 elements".
    const QString what =
        elements.size() == 1
            ? tr("Paste %1").arg(BenchText::typeName(elements.front().type()))
            : tr("Paste %1").arg(BenchText::tr("%n elements", nullptr, int(elements.size())));
    addElements(std::move(elements), what);
}

void BenchWindow::duplicateSelection()
{
    std::vector<Element> copies;
    for (int i : m_picture->selection()) {
        Element e = m_document->scene().elements[std::size_t(i)];
        moveElement(e, {m_picture->gridStep(), -m_picture->gridStep()});
        copies.push_back(std::move(e));
    }
    if (!copies.empty())
        addElements(std::move(copies),
                    stepName(m_document->scene(), m_picture->selection(), tr("Duplicate %1")));
}

void BenchWindow::deleteSelection()
{
    if (m_picture->selection().isEmpty())
        return;
    m_document->remove(m_picture->selection());
    showMessage(m_document->undoStack()->undoText());
}

void BenchWindow::closeEvent(QCloseEvent* event)
{
    if (!settleUnsavedWork()) {
        event->ignore();
        return;
    }
    if (m_document->isModified())
        takeScene(Scene{}, {}, {}); // the changes were discarded
    ModernWindow::closeEvent(event);
}

bool BenchWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_E)) {
            event->ignore(); // the window's shortcut takes it
            return true;
        }
    }
    return ModernWindow::eventFilter(watched, event);
}

std::size_t BenchWindow::workBytes() const
{
    return m_trace->heldBytes();
}

QWidget* createBenchWindow()
{
    return new BenchWindow;
}

} // namespace lumenary::bench
