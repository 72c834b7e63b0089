#pragma once

#include <QPushButton>

namespace lumenary
{

// A push button whose caption wraps onto several lines when one line is too wide, as the
// captions of the lab buttons need; a caption that fits is drawn as any button draws it.
class CaptionButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CaptionButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace lumenary
