#pragma once

#include <QWidget>

namespace lumenary
{

// Frees a lab window that is laid out to grow with its frame (unlike the fixed classic labs)
// from the fixed size: at least 720 x 520 pixels, no upper bound, opened at initial.
inline void growWithFrame(QWidget* window, QSize initial)
{
    window->setMinimumSize(720, 520);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->resize(initial);
}

} // namespace lumenary
