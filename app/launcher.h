#pragma once

#include <QMainWindow>
#include <QUrl>

#include <array>
#include <functional>

class QPushButton;
class QFrame;

namespace lumenary
{

class WindowRegistry;
struct LabEntry;

// The start-up window "Varnel Lumenary": a button or menu entry for every row of the table of
// labs, a panel of physics web sites and Quit. It computes nothing itself.
class Launcher final : public QMainWindow
{
    Q_OBJECT
public:
    // How a web address is opened; the default hands it to the user's browser.
    using UrlOpener = std::function<void(const QUrl&)>;

    explicit Launcher(WindowRegistry& registry, UrlOpener openUrl = {}, QWidget* parent = nullptr);

    // The six web addresses, one per web button, in button order.
    static const std::array<QUrl, 6>& webAddresses();

private slots:
    void Quit_Click();
    void Command1_Click(); // "From the Exploratorium"
    void Command2_Click(); // "See the Geometry Center"
    void Command3_Click(); // "Ithaca High School Physics"
    void Command4_Click(); // "Virtual Physics Lab"
    void Command5_Click(); // "Interactive Physics and Math "
    void Command6_Click(); // "Physics 2000"
    void Command7_Click(); // "Hide"
    void Command8_Click(); // "Web Physics Sites"

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The menu-bar entries of the table of labs, and its "Explore" menu when it has entries.
    void addMenuEntries();
    // The handler of every lab button and menu entry: shows the entry's window.
    void showWindow(const LabEntry& entry);
    void openWebSite(int index);
    void setPanelVisible(bool visible);

    WindowRegistry& m_registry;
    UrlOpener m_openUrl;
    QFrame* m_panel = nullptr;
    std::array<QPushButton*, 5> m_panelButtons{};
};

// Ends the program at once, with every window, without any window's close handling.
void endProgram();

} // namespace lumenary
