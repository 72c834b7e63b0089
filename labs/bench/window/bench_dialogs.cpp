#include "bench_dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace lumenary::bench
{

namespace
{

class DialogText
{
    Q_DECLARE_TR_FUNCTIONS(DialogText)
public:
    static QString filter() { return tr("Optical Bench scenes (*.lumenary);;All files (*)"); }
};

QString openByDialog(QWidget* parent, const QString& folder)
{
    return QFileDialog::getOpenFileName(parent, DialogText::tr("Open Scene"), folder,
                                        DialogText::filter());
}

QString saveByDialog(QWidget* parent, const QString& suggested)
{
    QFileDialog dialog(parent, DialogText::tr("Save Scene As"), suggested, DialogText::filter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("lumenary"));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

UnsavedAnswer askByMessageBox(QWidget* parent, const QString& sceneName)
{
    QMessageBox box(QMessageBox::Warning, DialogText::tr("Optical Bench"),
                    DialogText::tr("Save the changes to “%1” before closing?").arg(sceneName),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setInformativeText(DialogText::tr("Your changes are lost if you don’t save them."));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return UnsavedAnswer::Save;
    case QMessageBox::Discard:
        return UnsavedAnswer::Discard;
    default:
        return UnsavedAnswer::Cancel;
    }
}

bool restoreByMessageBox(QWidget* parent, const QString& question)
{
    return QMessageBox::question(parent, DialogText::tr("Optical Bench"), question,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void reportByMessageBox(QWidget* parent, const QString& message)
{
    QMessageBox::warning(parent, DialogText::tr("Optical Bench"), message);
}

BenchDialogs& defaults()
{
    static BenchDialogs dialogs = systemBenchDialogs();
    return dialogs;
}

} // namespace

BenchDialogs systemBenchDialogs()
{
    BenchDialogs d;
    d.openFile = openByDialog;
    d.saveFile = saveByDialog;
    d.askUnsaved = askByMessageBox;
    d.askRestore = restoreByMessageBox;
    d.report = reportByMessageBox;
    // Empty: Export Picture… and Print… keep the shared export's own dialogs.
    return d;
}

BenchDialogs defaultBenchDialogs()
{
    return defaults();
}

void setDefaultBenchDialogs(BenchDialogs dialogs)
{
    defaults() = std::move(dialogs);
}

} // namespace lumenary::bench
