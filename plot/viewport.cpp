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

Viewport Viewport::placed(double x, double y, double width, double height) const
{
    Viewport other = resized(width, height);
    other.m_x = x;
    other.m_y = y;
    return other;
}

std::optional<Viewport> Viewport::fitted(double left, double top, double right, double bottom,
                                         double width, double height)
{
    Viewport view;
    if (!view.setWindow(left, top, right, bottom))
        return std::nullopt;
    const double w = std::isfinite(width) ? std::max(width, 0.0) : 0.0;
    const double h = std::isfinite(height) ? std::max(height, 0.0) : 0.0;
    const double across = std::fabs(right - left);
    const double down = std::fabs(top - bottom);
    const double scale = std::min(w / across, h / down);
    if (!std::isfinite(scale)) // a surface too large for so narrow a window
        return view.placed(w / 2.0, h / 2.0, 0.0, 0.0);
    const double shownWidth = scale * across;
    const double shownHeight = scale * down;
    return view.placed((w - shownWidth) / 2.0, (h - shownHeight) / 2.0, shownWidth, shownHeight);
}

Point Viewport::toUser(Point pixel) const
{
    const double w = std::max(1.0, m_width);
    const double h = std::max(1.0, m_height);
    return Point{m_left + (pixel.x - m_x) / w * (m_right - m_left),
                 m_top + (pixel.y - m_y) / h * (m_bottom - m_top)};
}

} // namespace lumenary
