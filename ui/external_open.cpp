#include "external_open.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

namespace lumenary
{

namespace
{

// Receives the URLs QDesktopServices::openUrl is given and runs xdg-open on each without
// waiting; a failure to start or a failing exit shows the failure box. A run still going when
// the program ends is let go rather than killed (a player xdg-open waits on stays open).
class XdgOpener final : public QObject
{
    Q_OBJECT
public:
    explicit XdgOpener(QString program) : m_program(std::move(program)) {}
    ~XdgOpener() override
    {
        for (auto* process : findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) {
            process->disconnect();
            process->setParent(nullptr);
        }
    }

public slots:
    void open(const QUrl& url)
    {
        auto* process = new QProcess(this);
        // xdg-open lists every browser it tried; the box says what matters.
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
        auto done = [process, url](bool failed) {
            if (failed)
                showOpenFailure(url, QApplication::activeWindow());
            process->deleteLater();
        };
        connect(process, &QProcess::finished, process,
                [done](int code, QProcess::ExitStatus status) {
                    done(status != QProcess::NormalExit || code != 0);
                });
        connect(process, &QProcess::errorOccurred, process, [done](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                done(true);
        });
        const QString argument =
            url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded);
        process->start(m_program, QStringList{argument});
    }

private:
    QString m_program;
};

QPointer<QMessageBox>& failureBox()
{
    static QPointer<QMessageBox> box;
    return box;
}

} // namespace

QString openFailedText(const QUrl& url)
{
    if (url.isLocalFile())
        return QCoreApplication::translate("lumenary::ExternalOpen", "Could not open the file %1.")
            .arg(QDir::toNativeSeparators(url.toLocalFile()));
    return QCoreApplication::translate("lumenary::ExternalOpen", "Could not open %1.")
        .arg(url.toDisplayString());
}

void showOpenFailure(const QUrl& url, QWidget* parent)
{
    QPointer<QMessageBox>& box = failureBox();
    if (!box) {
        // Shown with open(): window-modal but non-blocking, so no handler waits on the student.
        box = new QMessageBox(parent);
        box->setObjectName(QStringLiteral("openFailed"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setIcon(QMessageBox::Warning);
        box->setWindowTitle(QStringLiteral("Varnel Lumenary"));
        box->setStandardButtons(QMessageBox::Ok);
    }
    box->setText(openFailedText(url));
    box->open();
    box->raise();
}

bool openExternally(const QUrl& url, QWidget* parent, const ExternalOpener& opener)
{
    const bool opened = opener ? opener(url) : QDesktopServices::openUrl(url);
    if (!opened)
        showOpenFailure(url, parent);
    return opened;
}

void routeUrlsThroughXdgOpen()
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (program.isEmpty())
        return;
    auto* opener = new XdgOpener(program);
    opener->setParent(qApp);
    for (const char* scheme : {"http", "https", "file"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), opener, "open");
}

} // namespace lumenary

#include "external_open.moc"
