#pragma once

#include <QWidget>

class QShowEvent;

namespace lumenary
{

// The frame every lab window shares: a fixed client area of 9015 x 6660 twips (601 x 444
// pixels), placed where the window system puts new windows. Closing it by its frame hides it,
// like its Quit button: a lab window lives until the program ends. Esc does the same. On its
// first show the keyboard's tab order is set to reading order: top to bottom, left to right.
class LabWindow : public QWidget
{
    Q_OBJECT
public:
    explicit LabWindow(const QString& name, const QString& title, QWidget* parent = nullptr);

protected:
    // The window's load handler: runs once, when the window is first shown.
    virtual void Form_Load() {}

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool m_loaded = false;
};

// Sets the tab order of window's direct children that take the focus by Tab to reading order:
// rows top to bottom (a control whose top lies within a few pixels of a row's first top joins
// that row), each row left to right.
void setReadingTabOrder(QWidget* window);

} // namespace lumenary
