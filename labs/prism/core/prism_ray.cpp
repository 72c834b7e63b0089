#include "prism_ray.h"

#include "numbers.h"

#include <cmath>

namespace lumenary
{

namespace
{

// One ray on its way through the prism: the drawing, the read-outs and the carried exit
// direction it updates.
class RayTrace
{
public:
    RayTrace(Canvas& canvas, const RaySetting& setting, double& exitDirection,
             PrismReadouts& readouts)
        : m_canvas(canvas), m_s(setting), m_p(setting.prism), m_e(exitDirection), m_out(readouts),
          m_pi(prismPi())
    {
    }

    void run(double h);
    const RayOutcome& outcome() const { return m_outcome; }

private:
    void enterLeft(double h, double xL, double i1);
    void enterBottom(double h);
    void write(std::optional<std::string>& slot, double radians) const;
    // Continues the polyline to p; false (nothing drawn) when p is not a finite point.
    bool continueTo(Point p);
    // The outgoing segment from p along the exit direction to the right edge.
    void leave(Point p);

    Canvas& m_canvas;
    const RaySetting& m_s;
    const PrismGeometry& m_p;
    double& m_e;
    PrismReadouts& m_out;
    const double m_pi;
    const Rgb m_colour = palette(kRayColour);
    RayOutcome m_outcome;
};

void RayTrace::write(std::optional<std::string>& slot, double radians) const
{
    std::string text = formatReadout(radians * 180 / m_pi, Precision::Double15, m_s.decimalPoint);
    if (!text.empty())
        slot = std::move(text);
}

bool RayTrace::continueTo(Point p)
{
    if (!isFinite(p))
        return false;
    m_canvas.lineTo(p, m_colour);
    return true;
}

void RayTrace::leave(Point p)
{
    m_canvas.lineTo({kFrame, p.y + (kFrame - p.x) * std::tan(m_e)}, m_colour);
}

void RayTrace::run(double h)
{
    const double i1 = m_p.phi / 2 - m_p.theta;
    write(m_out.theta12, i1);
    // A ray along the left face's line has no crossing with it: it ends before it starts.
    const double mL = m_p.leftSlope();
    if (mL != 0) {
        const double xL = m_p.p1.x + (h - m_p.p1.y) / mL;
        if (std::isfinite(xL)) {
            if (xL > m_p.p2.x)
                enterLeft(h, xL, i1);
            else
                enterBottom(h);
        }
    }
    write(m_out.dev, m_e);
}

void RayTrace::enterLeft(double h, double xL, double i1)
{
    m_canvas.line({-kFrame, h}, {xL, h}, m_colour);
    const auto r1 = entryRefraction(m_s.n1 * std::sin(i1) / m_s.n2);
    if (!r1)
        return;
    write(m_out.theta1p2, *r1);
    m_outcome.entry = "left";
    const double d = *r1 - i1;
    const double m = std::tan(d);
    const Point entry{xL, h};

    const auto xR = linex(m, m_p.rightSlope(), entry, m_p.p1);
    if (!xR)
        return;
    const double yR = h + (*xR - xL) * m;
    if (yR > m_p.p3.y) {
        if (!continueTo({*xR, yR}))
            return;
        m_outcome.exit = "right";
        const double i2 = m_p.phi - *r1;
        write(m_out.theta22, i2);
        const auto r2 = exitRefraction(m_s.n2 * std::sin(i2) / m_s.n1);
        if (!r2)
            return;
        write(m_out.theta2p2, *r2);
        m_outcome.left = true;
        m_e = d - (*r2 - i2);
        leave({*xR, yR});
        return;
    }

    const auto xb = linex(m, m_p.bottomSlope(), entry, m_p.p3);
    if (!xb)
        return;
    const Point exit{*xb, h + (*xb - xL) * m};
    if (!continueTo(exit))
        return;
    m_outcome.exit = "bottom";
    // ib is how far the inside ray lies counter-clockwise of the bottom face's outward normal,
    // which points at theta - pi/2; the refracted ray lies rb counter-clockwise of it.
    const double ib = m_pi / 2 + *r1 - m_p.phi / 2;
    write(m_out.theta2b2, ib);
    const auto rb = exitRefraction(m_s.n2 * std::sin(ib) / m_s.n1);
    if (!rb)
        return;
    write(m_out.theta2pb2, *rb);
    m_outcome.left = true;
    m_e = m_p.theta - m_pi / 2 + *rb;
    leave(exit);
}

void RayTrace::enterBottom(double h)
{
    // A horizontal bottom face never meets a horizontal ray.
    const double mB = m_p.bottomSlope();
    if (mB == 0)
        return;
    const double xB = m_p.p3.x + (h - m_p.p3.y) / mB;
    if (!std::isfinite(xB))
        return;
    m_canvas.line({-kFrame, h}, {xB, h}, m_colour);
    const double iB = m_pi / 2 + m_p.theta;
    write(m_out.theta2b2, iB);
    const auto rB = entryRefraction(m_s.n1 * std::sin(iB) / m_s.n2);
    if (!rB)
        return;
    write(m_out.theta2pb2, *rB);
    m_outcome.entry = "bottom";
    const double d = m_pi / 2 + m_p.theta - *rB;
    const double m = std::tan(d);

    // The ray is taken on to the right face, whichever face it would meet first.
    const auto xR = linex(m, m_p.rightSlope(), {xB, h}, m_p.p1);
    if (!xR)
        return;
    const Point exit{*xR, h + (*xR - xB) * m};
    if (!continueTo(exit))
        return;
    m_outcome.exit = "right";
    const double i2 = m_pi / 2 - m_p.phi / 2 - *rB;
    write(m_out.theta22, i2);
    const auto r2 = exitRefraction(m_s.n2 * std::sin(i2) / m_s.n1);
    if (!r2)
        return;
    write(m_out.theta2p2, *r2);
    m_outcome.left = true;
    m_e = d + (*r2 - i2);
    leave(exit);
}

} // namespace

std::optional<double> entryRefraction(double s)
{
    if (!(s * s < 1))
        return std::nullopt;
    return std::atan(s / std::sqrt(1 - s * s));
}

std::optional<double> exitRefraction(double s)
{
    if (s * s < 1)
        return std::atan(s / std::sqrt(1 - s * s));
    if (s * s == 1)
        return s == 1 ? prismPi() / 2 : -prismPi() / 2;
    return std::nullopt;
}

RayOutcome PlotRay(Canvas& canvas, const RaySetting& setting, double h, double& exitDirection,
                   PrismReadouts& readouts)
{
    RayTrace trace(canvas, setting, exitDirection, readouts);
    trace.run(h);
    return trace.outcome();
}

} // namespace lumenary
