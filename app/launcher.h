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

// The start-up window "Varnel Lumenary": eight lab buttons, the About and Instructions menu
// entries, a panel of physics web sites and Quit. It computes nothing itself.
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
    void Plane_Click();
    void ConcaveMirror_Click();
    void ConvexMirror_Click();
    void Refract_Click();
    void converge_Click();
    void Diverge_Click();
    void PrismPlotter_Click();
    void Sphere_Click();
    void about_Click();
    void Instruct_Click();
    void Quit_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
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
