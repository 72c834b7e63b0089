#include "canvas.h"

#include <cmath>

namespace lumenary
{

bool isFinite(Point p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

bool Canvas::setScale(double left, double top, double right, double bottom)
{
    if (!m_viewport.setWindow(left, top, right, bottom))
        return false;
    onScale(left, top, right, bottom);
    return true;
}

void Canvas::clear()
{
    m_current = Point{};
    onClear();
}

void Canvas::line(Point a, Point b, Rgb colour)
{
    if (!isFinite(a) || !isFinite(b))
        return;
    m_current = b;
    onLine(a, b, colour, m_dotted);
}

void Canvas::lineTo(Point b, Rgb colour)
{
    line(m_current, b, colour);
}

void Canvas::box(Point a, Point b, Rgb colour, bool filled)
{
    if (!isFinite(a) || !isFinite(b))
        return;
    m_current = b;
    onBox(a, b, colour, filled);
}

void Canvas::circle(Point centre, double radius, Rgb colour)
{
    if (!isFinite(centre) || !std::isfinite(radius))
        return;
    m_current = centre;
    onCircle(centre, std::fabs(radius), colour);
}

void Canvas::point(Point p, Rgb colour)
{
    if (!isFinite(p))
        return;
    m_current = p;
    onPoint(p, colour);
}

} // namespace lumenary
