#include "external_open.h"

#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QWidget>

namespace lumenary
{

namespace
{

const QString kBoxName = QStringLiteral("openFailed");

// The failure box already showing over parent, or a new one. Shown with open(): window-modal
// but non-blocking, so no handler waits on the student.
QMessageBox* failureBox(QWidget* parent)
{
    if (parent) {
        if (auto* box = parent->findChild<QMessageBox*>(kBoxName, Qt::FindDirectChildrenOnly))
            return box;
    }
    auto* box = new QMessageBox(parent);
    box->setObjectName(kBoxName);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIcon(QMessageBox::Warning);
    box->setWindowTitle(QStringLiteral("Varnel Lumenary"));
    box->setStandardButtons(QMessageBox::Ok);
    return box;
}

} // namespace

QString openFailedText(const QUrl& url)
{
    if (url.isLocalFile())
        return QStringLiteral("Could not open the file %1.")
            .arg(QDir::toNativeSeparators(url.toLocalFile()));
    return QStringLiteral("Could not open %1.").arg(url.toDisplayString());
}

bool openExternally(const QUrl& url, QWidget* parent, const ExternalOpener& opener)
{
    const bool opened = opener ? opener(url) : QDesktopServices::openUrl(url);
    if (opened)
        return true;
    QMessageBox* box = failureBox(parent);
    box->setText(openFailedText(url));
    box->open();
    box->raise();
    return false;
}

} // namespace lumenary
