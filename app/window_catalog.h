#pragma once

#include <QPoint>

#include <functional>
#include <vector>

class QWidget;

namespace lumenary
{

class WindowRegistry;

// Where the launcher offers a window: a lab button, an entry of its menu bar, or an entry of
// its "Explore" menu (a menu that appears only when it has an entry).
enum class LaunchPlace { Button, Menu, Explore };

// One window of the program and the launcher control that shows it.
struct LabEntry {
    const char* window;  // the registry's name for the window
    const char* control; // objectName of the launcher's button or menu entry
    const char* caption; // the control's caption, in English: marked with
                         // QT_TRANSLATE_NOOP("lumenary::Launcher", ...), shown translated
    LaunchPlace place;
    QPoint at;                              // a button's top-left corner, in twips
    std::function<QWidget*()> createWindow; // builds the window, without a parent
};

// Every window the launcher opens: the buttons in tab order, then the menu entries in menu
// order. Adding a window is adding its row; the launcher makes its control and the registry
// creates the window the first time it is shown:
//
//     {"PrismSpectrum", "PrismSpectrum",
//      QT_TRANSLATE_NOOP("lumenary::Launcher", "Prism Spectrum"), LaunchPlace::Explore, {},
//      createPrismSpectrumWindow},
const std::vector<LabEntry>& labTable();

// Makes every window of the table known to the registry under its name.
void registerWindows(WindowRegistry& registry);

} // namespace lumenary
