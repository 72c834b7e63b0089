#include "launcher.h"

#include "controls.h"
#include "external_open.h"
#include "raw_picture.h"
#include "unsaved_work.h"
#include "window_catalog.h"
#include "window_registry.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QPixmap>
#include <QPushButton>

namespace lumenary
{

namespace
{

QPushButton* labButton(QWidget* parent, const LabEntry& entry)
{
    auto* button = addButton(parent, entry.control, Launcher::tr(entry.caption),
                             twips(entry.at.x(), entry.at.y(), 1830, 810));
    button->setFont(timesBold(14.25));
    return button;
}

QPushButton* webButton(QWidget* parent, const char* name, const QString& caption, QRect at)
{
    auto* button = addButton(parent, name, caption, at);
    button->setFont(timesBold(9.75));
    return button;
}

// A decorative picture: scaled to its frame, no behaviour. Raw pixels from the resources, so
// that the first paint decodes no image file.
void addPicture(QWidget* parent, const char* name, const QString& resource, QRect at)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setGeometry(at);
    picture->setPixmap(QPixmap::fromImage(rawPicture(resource)));
    picture->setScaledContents(true);
    picture->setAccessibleName(QString::fromLatin1(name));
}

// A button's caption and, as for every control, its accessible name.
void setCaption(QAbstractButton* button, const QString& caption)
{
    button->setText(caption);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
}

} // namespace

const std::array<QUrl, 6>& Launcher::webAddresses()
{
    static const std::array<QUrl, 6> addresses{
        QUrl(QStringLiteral("https://www.exploratorium.edu/")),
        QUrl(QStringLiteral("http://www.geom.uiuc.edu/")),
        QUrl(QStringLiteral("https://www.physicsclassroom.com/")),
        QUrl(QStringLiteral("http://hyperphysics.phy-astr.gsu.edu/hbase/hframe.html")),
        QUrl(QStringLiteral("https://mathworld.wolfram.com/")),
        QUrl(QStringLiteral("https://www.colorado.edu/physics/2000/")),
    };
    return addresses;
}

void endProgram()
{
    QCoreApplication::exit(0);
}

Launcher::Launcher(WindowRegistry& registry, UrlOpener openUrl, QWidget* parent)
    : QMainWindow(parent), m_registry(registry), m_openUrl(std::move(openUrl))
{
    if (!m_openUrl)
        m_openUrl = [this](const QUrl& url) { openExternally(url, this); };
    setObjectName(QStringLiteral("Lumenary"));
    setWindowTitle(QStringLiteral("Varnel Lumenary"));
    setAccessibleName(windowTitle());
    setWindowIcon(
        QIcon(QPixmap::fromImage(rawPicture(QStringLiteral(":/images/lumenary-32.raw")))));

    addMenuEntries();

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twips(0, 0, 9015, 6660).size());
    setCentralWidget(client);

    addPicture(client, "Picture3", QStringLiteral(":/images/soapfilm.raw"),
               twips(885, -90, 3060, 2445));
    addPicture(client, "Picture4", QStringLiteral(":/images/drop.raw"),
               twips(5145, -45, 3795, 3210));
    addPicture(client, "Picture1", QStringLiteral(":/images/spectrum.raw"),
               twips(-15, 4125, 4800, 2910));

    // Lab buttons, in tab order.
    for (const LabEntry& entry : labTable()) {
        if (entry.place == LaunchPlace::Button)
            connect(labButton(client, entry), &QPushButton::clicked, this, handlerOf(entry));
    }

    auto* quit = addButton(client, "quit", tr("Quit"), twips(7980, 6045, 930, 555));
    quit->setFont(timesBold(14.25));
    m_quit = quit;
    auto* command1 =
        webButton(client, "Command1", tr("From the Exploratorium"), twips(45, 4230, 2325, 345));
    QPalette face = command1->palette();
    face.setColor(QPalette::Button, QColor(192, 192, 192));
    command1->setPalette(face);
    auto* command2 =
        webButton(client, "Command2", tr("See the Geometry Center"), twips(6630, 45, 2265, 315));
    auto* command8 =
        webButton(client, "Command8", tr("Web Physics Sites"), twips(5505, 5640, 1980, 315));
    m_webButtons = {command1, command2, command8};

    m_panel = new QFrame(client);
    m_panel->setObjectName(QStringLiteral("Shape1"));
    m_panel->setGeometry(twips(5175, 5010, 2610, 1590));
    m_panel->setAutoFillBackground(true);
    QPalette dark = m_panel->palette();
    dark.setColor(QPalette::Window, QColor(64, 64, 64));
    m_panel->setPalette(dark);
    m_panel->hide();
    const QString panelCaptions[5] = {QStringLiteral("Ithaca High School Physics"),
                                      QStringLiteral("Virtual Physics Lab"),
                                      QStringLiteral("Interactive Physics and Math "),
                                      QStringLiteral("Physics 2000"), tr("Hide")};
    const char* panelNames[5] = {"Command3", "Command4", "Command5", "Command6", "Command7"};
    for (int i = 0; i < 5; ++i) {
        m_panelButtons[i] = webButton(client, panelNames[i], panelCaptions[i],
                                      twips(5190, 5040 + 300 * i, 2565, 315));
        m_panelButtons[i]->hide();
    }

    connect(quit, &QPushButton::clicked, this, &Launcher::Quit_Click);
    connect(command1, &QPushButton::clicked, this, &Launcher::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &Launcher::Command2_Click);
    connect(m_panelButtons[0], &QPushButton::clicked, this, &Launcher::Command3_Click);
    connect(m_panelButtons[1], &QPushButton::clicked, this, &Launcher::Command4_Click);
    connect(m_panelButtons[2], &QPushButton::clicked, this, &Launcher::Command5_Click);
    connect(m_panelButtons[3], &QPushButton::clicked, this, &Launcher::Command6_Click);
    connect(m_panelButtons[4], &QPushButton::clicked, this, &Launcher::Command7_Click);
    connect(command8, &QPushButton::clicked, this, &Launcher::Command8_Click);
}

void Launcher::openWebSite(int index)
{
    m_openUrl(webAddresses().at(static_cast<std::size_t>(index)));
}

void Launcher::setPanelVisible(bool visible)
{
    for (auto* button : m_panelButtons)
        button->setVisible(visible);
    m_panel->setVisible(visible);
    if (visible) {
        // The panel's buttons lie on its background.
        m_panel->raise();
        for (auto* button : m_panelButtons)
            button->raise();
    }
}

void Launcher::addMenuEntries()
{
    QMenu* explore = nullptr;
    for (const LabEntry& entry : labTable()) {
        QAction* action = nullptr;
        if (entry.place == LaunchPlace::Menu) {
            action = menuBar()->addAction(tr(entry.caption));
        } else if (entry.place == LaunchPlace::Explore) {
            if (!explore) {
                explore = menuBar()->addMenu(tr("Explore"));
                explore->setObjectName(QStringLiteral("Explore"));
                m_explore = explore;
            }
            action = explore->addAction(tr(entry.caption));
        } else {
            continue;
        }
        action->setObjectName(QString::fromLatin1(entry.control));
        connect(action, &QAction::triggered, this, handlerOf(entry));
    }
}

std::function<void()> Launcher::handlerOf(const LabEntry& entry)
{
    const QByteArray handler = QByteArray(entry.control) + "_Click()";
    const int slot = metaObject()->indexOfSlot(handler.constData());
    if (slot < 0)
        return [this, &entry] { showWindow(entry); };
    const QMetaMethod method = metaObject()->method(slot);
    return [this, method] { method.invoke(this, Qt::DirectConnection); };
}

void Launcher::showWindow(const LabEntry& entry)
{
    m_registry.show(QString::fromLatin1(entry.window));
}

void Launcher::showWindowOf(const char* control)
{
    for (const LabEntry& entry : labTable())
        if (qstrcmp(entry.control, control) == 0)
            showWindow(entry);
}

void Launcher::Plane_Click()
{
    showWindowOf("Plane");
}

void Launcher::ConcaveMirror_Click()
{
    showWindowOf("ConcaveMirror");
}

void Launcher::ConvexMirror_Click()
{
    showWindowOf("ConvexMirror");
}

void Launcher::Refract_Click()
{
    showWindowOf("Refract");
}

void Launcher::converge_Click()
{
    showWindowOf("converge");
}

void Launcher::Diverge_Click()
{
    showWindowOf("Diverge");
}

void Launcher::PrismPlotter_Click()
{
    showWindowOf("PrismPlotter");
}

void Launcher::Sphere_Click()
{
    showWindowOf("Sphere");
}

void Launcher::about_Click()
{
    showWindowOf("about");
}

void Launcher::Instruct_Click()
{
    showWindowOf("Instruct");
}

void Launcher::Quit_Click()
{
    if (mayEnd())
        endProgram();
}

bool Launcher::mayEnd()
{
    for (const QString& name : m_registry.names())
        if (auto* work = dynamic_cast<UnsavedWork*>(m_registry.find(name)))
            if (!work->settleUnsavedWork())
                return false;
    return true;
}
void Launcher::Command1_Click()
{
    openWebSite(0);
}
void Launcher::Command2_Click()
{
    openWebSite(1);
}
void Launcher::Command3_Click()
{
    openWebSite(2);
}
void Launcher::Command4_Click()
{
    openWebSite(3);
}
void Launcher::Command5_Click()
{
    openWebSite(4);
}
void Launcher::Command6_Click()
{
    openWebSite(5);
}
void Launcher::Command7_Click()
{
    setPanelVisible(false);
}
void Launcher::Command8_Click()
{
    setPanelVisible(true);
}

void Launcher::retranslate()
{
    for (const LabEntry& entry : labTable()) {
        const QString control = QString::fromLatin1(entry.control);
        if (entry.place == LaunchPlace::Button) {
            if (auto* button = findChild<QPushButton*>(control))
                setCaption(button, tr(entry.caption));
        } else if (auto* action = findChild<QAction*>(control)) {
            action->setText(tr(entry.caption));
        }
    }
    if (m_explore)
        m_explore->setTitle(tr("Explore"));
    setCaption(m_quit, tr("Quit"));
    setCaption(m_webButtons[0], tr("From the Exploratorium"));
    setCaption(m_webButtons[1], tr("See the Geometry Center"));
    setCaption(m_webButtons[2], tr("Web Physics Sites"));
    setCaption(m_panelButtons[4], tr("Hide"));
}

void Launcher::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && m_quit)
        retranslate();
    QMainWindow::changeEvent(event);
}

void Launcher::closeEvent(QCloseEvent* event)
{
    // Closing the launcher ends the program, as its Quit button does.
    if (!mayEnd()) {
        event->ignore();
        return;
    }
    event->accept();
    endProgram();
}

} // namespace lumenary
