#pragma once

#include "rgb.h"

#include <QColor>

namespace lumenary
{

// A plot colour as Qt paints it.
inline QColor toQColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

} // namespace lumenary
