#pragma once

#include <QMainWindow>
#include <QUrl>

#include <array>
#include <functional>

class QPushButton;
class QFrame;
class QMenu;

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
    // The classic lab buttons and menu entries keep their own handlers, each showing its
    // table row's window; a row without a handler of its own (an Explore entry) needs none.
    void Plane_Click();         // "Plane Mirrors"
    void ConcaveMirror_Click(); // "Concave Mirrors"
    void ConvexMirror_Click();  // "Convex Mirrors"
    void Refract_Click();       // "Apparent Depth"
    void converge_Click();      // "Thin Lenses"
    void Diverge_Click();       // "The Basics"
    void PrismPlotter_Click();  // "Prism"
    void Sphere_Click();        // "Sphere"
    void about_Click();         // "About"
    void Instruct_Click();      // "Instructions"
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
    // A change of language retranslates the launcher's captions and menus at once.
    void changeEvent(QEvent* event) override;

private:
    // The menu-bar entries of the table of labs, and its "Explore" menu when it has entries.
    void addMenuEntries();
    // The entry's handler: the launcher's slot named "<control>_Click" where it has one,
    // otherwise showWindow.
    std::function<void()> handlerOf(const LabEntry& entry);
    // Shows the entry's window.
    void showWindow(const LabEntry& entry);
    // Shows the window of the table row whose launcher control is named control.
    void showWindowOf(const char* control);
    void openWebSite(int index);
    // Lets every window holding unsaved work settle it (save or discard it); false when the
    // student keeps one open (Cancel), and the program must not end.
    bool mayEnd();
    // Writes every caption and menu text in the running language.
    void retranslate();
    void setPanelVisible(bool visible);

    WindowRegistry& m_registry;
    UrlOpener m_openUrl;
    QFrame* m_panel = nullptr;
    std::array<QPushButton*, 5> m_panelButtons{};
    QPushButton* m_quit = nullptr;
    std::array<QPushButton*, 3> m_webButtons{}; // Command1, Command2, Command8
    QMenu* m_explore = nullptr;
};

// Ends the program at once, with every window, without any window's close handling.
void endProgram();

} // namespace lumenary
