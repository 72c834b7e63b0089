#pragma once

#include "sys_info.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

class QLabel;
class QPushButton;

namespace lumenary
{

// How the about box reaches the system; tests replace each part so that nothing is started and
// no message waits for a click.
struct AboutBoxServices {
    std::unique_ptr<RegistryReader> registry;                 // systemRegistry() when empty
    std::function<bool(const QString& path)> fileExists;      // a regular file there
    std::function<bool(const QString& program)> startProgram; // QProcess::startDetached
    std::function<void(QWidget* box, const QString& text)> showMessage; // an OK-only message box
};

// The about box "frmAbout": icon, program name, version, description, warning, OK and
// "System Info...". It is destroyed when closed; the next "About" creates it afresh.
class AboutBox final : public QDialog
{
    Q_OBJECT
public:
    explicit AboutBox(AboutBoxServices services = {}, QWidget* parent = nullptr);

    // The version text, "Version " and the program's major, minor and patch numbers.
    static QString versionText();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Esc presses OK.
    void reject() override;

private slots:
    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    void Form_Load();
    void StartSysInfo();

    AboutBoxServices m_services;
    QLabel* m_title = nullptr;
    QLabel* m_version = nullptr;
    QPushButton* m_ok = nullptr;
};

// Creates the about box with the system's registry, file system, processes and message box.
QWidget* createAboutBox();

} // namespace lumenary
