#pragma once

#include <QWidget>

class QShowEvent;

namespace lumenary
{

// The frame every lab window shares: a fixed client area of 9015 x 6660 twips (601 x 444
// pixels), placed where the window system puts new windows. Closing it by its frame hides it,
// like its Quit button: a lab window lives until the program ends.
class LabWindow : public QWidget
{
    Q_OBJECT
public:
    explicit LabWindow(const QString& name, const QString& title, QWidget* parent = nullptr);

protected:
    // The window's load handler: runs once, when the window is first shown.
    virtual void Form_Load() {}

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool m_loaded = false;
};

} // namespace lumenary
