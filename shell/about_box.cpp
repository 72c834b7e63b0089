#include "about_box.h"

#include "controls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>

namespace lumenary
{

namespace
{

void fillDefaults(AboutBoxServices& services)
{
    if (!services.registry)
        services.registry = systemRegistry();
    if (!services.fileExists)
        services.fileExists = [](const QString& path) { return QFileInfo(path).isFile(); };
    if (!services.startProgram)
        services.startProgram = [](const QString& program) {
            return QProcess::startDetached(program, {});
        };
    if (!services.showMessage)
        services.showMessage = [](QWidget* box, const QString& text) {
            auto* message = new QMessageBox(QMessageBox::NoIcon, QApplication::applicationName(),
                                            text, QMessageBox::Ok, box);
            message->setAttribute(Qt::WA_DeleteOnClose);
            message->open();
        };
}

} // namespace

AboutBox::AboutBox(AboutBoxServices services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_services(std::move(services))
{
    fillDefaults(m_services);
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setSizeGripEnabled(false);
    setFixedSize(twips(0, 0, 5730, 3555).size());

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setGeometry(twips(240, 240, 540, 540));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QString iconPath = QStringLiteral(":/images/lumenary-32.png");
    if (QFile::exists(iconPath))
        icon->setPixmap(QPixmap(iconPath));

    QPalette black = palette();
    black.setColor(QPalette::WindowText, Qt::black);
    m_title = addLabel(this, "lblTitle", QString(), twips(1065, 225, 3885, 480));
    QFont titleFont = font();
    titleFont.setPointSizeF(12);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setPalette(black);
    m_version = addLabel(this, "lblVersion", QString(), twips(1050, 780, 3885, 225));
    auto* description = addLabel(
        this, "lblDescription",
        tr("In this lab students explore the basics of reflection and refraction of light with "
           "mirrors, lenses, drops and prisms. Designed by the Varnel Lumenary team, December "
           "2026."),
        twips(1050, 1125, 3885, 825));
    description->setPalette(black);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    const QRect from = twips(90, 2055, 5654 - 90, 15);
    line->setGeometry(from.x(), from.y(), from.width(), 1);
    QPalette grey = line->palette();
    grey.setColor(QPalette::WindowText, QColor(128, 128, 128));
    line->setPalette(grey);

    auto* disclaimer = addLabel(
        this, "lblDisclaimer",
        tr("Warning: this program was written in one week. It is not free of errors, and it is "
           "being tried out on the students of this course. If something looks wrong, tell your "
           "instructor."),
        twips(285, 2220, 3870, 1275));
    disclaimer->setPalette(black);

    m_ok = addButton(this, "cmdOK", tr("OK"), twips(4245, 2625, 1260, 345));
    m_ok->setDefault(true);
    auto* sysInfo =
        addButton(this, "cmdSysInfo", tr("&System Info..."), twips(4260, 3090, 1245, 345));
    sysInfo->setAutoDefault(true);
    m_ok->setFocus();
    connect(m_ok, &QPushButton::clicked, this, &AboutBox::cmdOK_Click);
    connect(sysInfo, &QPushButton::clicked, this, &AboutBox::cmdSysInfo_Click);

    Form_Load();
}

QString AboutBox::versionText()
{
    return tr("Version %1.%2.%3")
        .arg(LUMENARY_VERSION_MAJOR)
        .arg(LUMENARY_VERSION_MINOR)
        .arg(LUMENARY_VERSION_PATCH);
}

void AboutBox::Form_Load()
{
    setWindowTitle(tr("About Lumenary.Exe"));
    m_version->setText(versionText());
    m_version->setAccessibleName(m_version->text());
    m_title->setText(QStringLiteral("Lumenary.Exe"));
    m_title->setAccessibleName(m_title->text());
}

void AboutBox::cmdOK_Click()
{
    close();
}

void AboutBox::cmdSysInfo_Click()
{
    StartSysInfo();
}

void AboutBox::StartSysInfo()
{
    SysInfoActions actions;
    actions.fileExists = [this](const std::string& path) {
        return m_services.fileExists(QString::fromLocal8Bit(path));
    };
    actions.startProgram = [this](const std::string& program) {
        return m_services.startProgram(QString::fromLocal8Bit(program));
    };
    actions.showMessage = [this](const std::string& text) {
        m_services.showMessage(this, text == kSysInfoUnavailable
                                         ? tr("System Information Is Unavailable At This Time")
                                         : QString::fromLatin1(text));
    };
    lumenary::StartSysInfo(*m_services.registry, actions);
}

// Closing by the frame is the same as OK: the box goes and WA_DeleteOnClose destroys it.
void AboutBox::closeEvent(QCloseEvent* event)
{
    event->accept();
}

void AboutBox::reject()
{
    m_ok->click();
}

QWidget* createAboutBox()
{
    return new AboutBox();
}

} // namespace lumenary
