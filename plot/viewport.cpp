#include "viewport.h"

#include <algorithm>
#include <cmath>

namespace lumenary
{

bool Viewport::setWindow(double left, double top, double right, double bottom)
{
    // Narrower than this, a window's pixels per unit overflow a double on any surface, and a
    // position on its edge maps to 0 times infinity.
    constexpr double kNarrowest = 1e-300;
    if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(right) ||
        !std::isfinite(bottom) || !std::isfinite(right - left) || !std::isfinite(top - bottom) ||
        std::fabs(right - left) < kNarrowest || std::fabs(top - bottom) < kNarrowest)
        return false;
    m_left = left;
    m_top = top;
    m_right = right;
    m_bottom = bottom;
    return true;
}

Viewport Viewport::resized(double width, double height) const
{
    Viewport other = *this;
    other.m_width = width;
    other.m_height = height;
    return other;
}

Point Viewport::toUser(Point pixel) const
{
    const double w = std::max(1.0, m_width);
    const double h = std::max(1.0, m_height);
    return Point{m_left + pixel.x / w * (m_right - m_left),
                 m_top + pixel.y / h * (m_bottom - m_top)};
}

} // namespace lumenary
