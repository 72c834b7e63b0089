#include "boundary_chart.h"

#include "boundary_text.h"
#include "controls.h"
#include "numbers.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace lumenary::boundary
{

namespace
{

const QColor kBackground(18, 20, 26);
const QColor kFrame(120, 122, 135);
const QColor kGrid(48, 50, 60);
const QColor kText(215, 215, 225);
const QColor kS(90, 160, 255);
const QColor kP(255, 140, 70);
const QColor kUnpolarised(235, 235, 240);
const QColor kMarker(255, 230, 90);
const QColor kShade(255, 255, 255, 18);

// The two panels in a target rectangle and the size of their lettering.
struct Panels {
    QRectF power, phase;
    double font;
    bool usable;
};

Panels panelsFor(const QRectF& t)
{
    // Lettering by the smaller of height and width, so that a narrow chart keeps its labels.
    const double font = std::clamp(std::min(t.height() / 32.0, t.width() / 30.0), 9.0, 15.0);
    const double left = t.left() + 4.0 * font;
    const double right = t.right() - 1.5 * font;
    const double top = t.top() + 3.3 * font;
    const double bottom = t.bottom() - 2.8 * font;
    const double gap = 2.4 * font;
    const double height = bottom - top - gap;
    Panels p;
    p.font = font;
    p.usable = right - left > 40.0 && height > 60.0;
    p.power = QRectF(left, top, right - left, 0.6 * height);
    p.phase = QRectF(left, p.power.bottom() + gap, right - left, 0.4 * height);
    return p;
}

double xAt(const QRectF& r, double degrees)
{
    return r.left() + degrees / 90.0 * r.width();
}

// Values from 0 to top, with a little room above and below so that a curve along either end
// stays clear of the frame.
double yAt(const QRectF& r, double value, double top)
{
    return r.bottom() - (value / top + 0.04) / 1.08 * r.height();
}

QString decimals(double value, int count)
{
    return QString::fromStdString(formatFixed(value, count, decimalPoint()));
}

// A panel's frame, grid and scale: the vertical axis from 0 to top in steps.
void drawPanel(QPainter& p, const QRectF& r, double top, double step, int places, double font,
               bool xLabels)
{
    p.setPen(QPen(kGrid, 1.0));
    for (int d = 10; d < 90; d += 10)
        p.drawLine(QPointF(xAt(r, d), r.top()), QPointF(xAt(r, d), r.bottom()));
    for (double v = step; v < top - 1e-9; v += step)
        p.drawLine(QPointF(r.left(), yAt(r, v, top)), QPointF(r.right(), yAt(r, v, top)));
    p.setPen(QPen(kFrame, 1.0));
    p.drawRect(r);
    p.setPen(kText);
    for (double v = 0.0; v <= top + 1e-9; v += step)
        p.drawText(QRectF(r.left() - 4.0 * font, yAt(r, v, top) - font, 3.6 * font, 2 * font),
                   Qt::AlignRight | Qt::AlignVCenter, decimals(v, places));
    if (!xLabels)
        return;
    for (int d = 0; d <= 90; d += 15)
        p.drawText(QRectF(xAt(r, d) - 2 * font, r.bottom() + 0.2 * font, 4 * font, 1.4 * font),
                   Qt::AlignCenter, QStringLiteral("%1\u00b0").arg(d));
}

void drawCurve(QPainter& p, const QRectF& r, const std::vector<CurvePoint>& curve,
               double (*value)(const CurvePoint&), double top, const QPen& pen)
{
    // Points closer than half a pixel to the last one kept add nothing but stroking time.
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(curve.size()));
    for (std::size_t i = 0; i < curve.size(); ++i) {
        const QPointF at(xAt(r, curve[i].incidence), yAt(r, value(curve[i]), top));
        if (line.isEmpty() || i + 1 == curve.size() || std::fabs(at.x() - line.back().x()) >= 0.5 ||
            std::fabs(at.y() - line.back().y()) >= 0.5)
            line << at;
    }
    p.setPen(pen);
    p.drawPolyline(line);
}

// A vertical mark across both panels with its label above the upper one, ending at the mark
// (Brewster's angle) or starting there (the critical angle, which always lies beyond it).
void drawMark(QPainter& p, const Panels& panels, double degrees, const QString& label,
              bool labelLeft)
{
    const double x = xAt(panels.power, degrees);
    p.setPen(QPen(kText, 1.0, Qt::DashLine));
    p.drawLine(QPointF(x, panels.power.top()), QPointF(x, panels.power.bottom()));
    p.drawLine(QPointF(x, panels.phase.top()), QPointF(x, panels.phase.bottom()));
    p.setPen(kText);
    const double w = p.fontMetrics().horizontalAdvance(label) + 0.6 * panels.font;
    const double wanted = labelLeft ? x - w : x;
    const double left = std::clamp(wanted, panels.power.left() - 3.5 * panels.font,
                                   std::max(panels.power.left(), panels.power.right() - w));
    p.drawText(QRectF(left, panels.power.top() - 1.5 * panels.font, w, 1.4 * panels.font),
               labelLeft ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter,
               label);
}

QPen curvePen(QColor colour, bool chosen, bool dashed)
{
    QPen pen(colour, chosen ? 2.6 : 1.3, dashed ? Qt::DashLine : Qt::SolidLine, Qt::FlatCap);
    return pen;
}

} // namespace

BoundaryChart::BoundaryChart(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(240, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Chart of the reflected and transmitted shares and the phases against "
                         "the angle of incidence"));
}

void BoundaryChart::setState(const BoundaryState& state)
{
    const bool newCurves = !m_state || m_state->n1() != state.n1() || m_state->n2() != state.n2();
    const bool restyled =
        newCurves || m_state->settings.polarisation != state.settings.polarisation;
    m_state = state;
    if (newCurves)
        m_curves = angleCurves(state.n1(), state.n2());
    if (restyled)
        m_cacheValid = false;
    setAccessibleDescription(QString::fromStdString(chartDescription(state, decimalPoint())));
    update();
}

void BoundaryChart::paintCurves(QPainter& p, const QRectF& t) const
{
    p.fillRect(t, kBackground);
    const Panels panels = panelsFor(t);
    if (!m_state || !panels.usable)
        return;
    const BoundaryState& s = *m_state;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setPixelSize(static_cast<int>(panels.font));
    p.setFont(font);

    // Past the critical angle all light is reflected: shaded in both panels.
    if (s.critical) {
        for (const QRectF& r : {panels.power, panels.phase}) {
            QRectF shade = r;
            shade.setLeft(xAt(r, *s.critical));
            p.fillRect(shade, kShade);
        }
    }
    drawPanel(p, panels.power, 1.0, 0.2, 1, panels.font, false);
    drawPanel(p, panels.phase, 180.0, 45.0, 0, panels.font, true);
    p.setPen(kText);
    p.drawText(QRectF(panels.phase.left(), panels.phase.bottom() + 1.4 * panels.font,
                      panels.phase.width(), 1.4 * panels.font),
               Qt::AlignCenter, tr("angle of incidence \u03b8\u2081"));
    p.drawText(QRectF(panels.phase.left(), panels.phase.top() - 1.5 * panels.font,
                      panels.phase.width(), 1.4 * panels.font),
               Qt::AlignLeft | Qt::AlignVCenter, tr("phase of r_s and r_p (degrees)"));

    // The legend above the upper panel.
    const double ly = t.top() + 0.2 * panels.font;
    double lx = panels.power.left();
    const auto legend = [&](QColor c, const QString& label) {
        p.setPen(QPen(c, 2.6));
        p.drawLine(QPointF(lx, ly + 0.7 * panels.font),
                   QPointF(lx + 1.6 * panels.font, ly + 0.7 * panels.font));
        p.setPen(kText);
        p.drawText(QRectF(lx + 2.0 * panels.font, ly, 10 * panels.font, 1.4 * panels.font),
                   Qt::AlignLeft | Qt::AlignVCenter, label);
        lx += 2.4 * panels.font + p.fontMetrics().horizontalAdvance(label);
    };
    legend(kS, QStringLiteral("s"));
    legend(kP, QStringLiteral("p"));
    legend(kUnpolarised, tr("unpolarised"));
    p.setPen(kText);
    p.drawText(QRectF(lx, ly, panels.power.right() - lx, 1.4 * panels.font),
               Qt::AlignRight | Qt::AlignVCenter, tr("R solid, T dashed"));

    const Polarisation chosen = s.settings.polarisation;
    const auto rs = [](const CurvePoint& c) { return c.powers.rs; };
    const auto rp = [](const CurvePoint& c) { return c.powers.rp; };
    const auto ts = [](const CurvePoint& c) { return c.powers.ts; };
    const auto tp = [](const CurvePoint& c) { return c.powers.tp; };
    const auto ru = [](const CurvePoint& c) { return c.powers.unpolarisedR(); };
    const auto tu = [](const CurvePoint& c) { return c.powers.unpolarisedT(); };
    const bool onS = chosen == Polarisation::S;
    const bool onP = chosen == Polarisation::P;
    const bool onU = chosen == Polarisation::Unpolarised;
    p.setClipRect(panels.power.adjusted(-2, -2, 2, 2));
    drawCurve(p, panels.power, m_curves, tu, 1.0, curvePen(kUnpolarised, onU, true));
    drawCurve(p, panels.power, m_curves, ru, 1.0, curvePen(kUnpolarised, onU, false));
    drawCurve(p, panels.power, m_curves, ts, 1.0, curvePen(kS, onS, true));
    drawCurve(p, panels.power, m_curves, tp, 1.0, curvePen(kP, onP, true));
    drawCurve(p, panels.power, m_curves, rs, 1.0, curvePen(kS, onS, false));
    drawCurve(p, panels.power, m_curves, rp, 1.0, curvePen(kP, onP, false));
    p.setClipRect(panels.phase.adjusted(-2, -2, 2, 2));
    if (s.brewster) {
        drawCurve(
            p, panels.phase, m_curves, [](const CurvePoint& c) { return c.phaseS; }, 180.0,
            curvePen(kS, !onP, false));
        drawCurve(
            p, panels.phase, m_curves, [](const CurvePoint& c) { return c.phaseP; }, 180.0,
            curvePen(kP, !onS, false));
    } else {
        p.setPen(kText);
        p.drawText(panels.phase, Qt::AlignCenter, tr("equal indices: nothing is reflected"));
    }
    p.setClipping(false);

    if (s.brewster)
        drawMark(p, panels, *s.brewster, tr("Brewster %1\u00b0").arg(decimals(*s.brewster, 2)),
                 true);
    if (s.critical)
        drawMark(p, panels, *s.critical, tr("critical %1\u00b0").arg(decimals(*s.critical, 2)),
                 false);
    p.restore();
}

void BoundaryChart::paintMarker(QPainter& p, const QRectF& t) const
{
    const Panels panels = panelsFor(t);
    if (!m_state || !panels.usable)
        return;
    const BoundaryState& s = *m_state;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double x = xAt(panels.power, s.settings.incidence);
    p.setPen(QPen(kMarker, 1.5));
    p.drawLine(QPointF(x, panels.power.top()), QPointF(x, panels.power.bottom()));
    p.drawLine(QPointF(x, panels.phase.top()), QPointF(x, panels.phase.bottom()));
    // The angle at the top, the middle or the bottom of the panel, whichever lies farthest from
    // both dots, so that it covers neither.
    QFont font = p.font();
    font.setPixelSize(static_cast<int>(panels.font));
    p.setFont(font);
    p.setPen(kMarker);
    const double w = 6 * panels.font;
    const double left = std::clamp(x - w / 2, panels.power.left() - 2 * panels.font,
                                   panels.power.right() - w + panels.font);
    double at = 0.93;
    for (double place : {0.5, 0.07})
        if (std::min(std::fabs(place - s.reflected()), std::fabs(place - s.transmitted())) >
            std::min(std::fabs(at - s.reflected()), std::fabs(at - s.transmitted())))
            at = place;
    const QRectF box(left, yAt(panels.power, at, 1.0) - 0.7 * panels.font, w, 1.4 * panels.font);
    p.fillRect(box, kBackground);
    p.drawText(box, Qt::AlignCenter,
               tr("\u03b8\u2081 %1\u00b0").arg(decimals(s.settings.incidence, 1)));
    const double dot = std::max(3.0, panels.font * 0.35);
    const auto mark = [&](const QRectF& r, double value, double top, QColor c) {
        p.setPen(QPen(kBackground, 1.0));
        p.setBrush(c);
        p.drawEllipse(QPointF(x, yAt(r, value, top)), dot, dot);
    };
    const Polarisation chosen = s.settings.polarisation;
    const QColor c = chosen == Polarisation::S ? kS : chosen == Polarisation::P ? kP : kUnpolarised;
    mark(panels.power, s.reflected(), 1.0, c);
    mark(panels.power, s.transmitted(), 1.0, c);
    if (s.brewster) {
        if (chosen != Polarisation::P)
            mark(panels.phase, s.phaseS, 180.0, kS);
        if (chosen != Polarisation::S)
            mark(panels.phase, s.phaseP, 180.0, kP);
    }
    p.restore();
}

void BoundaryChart::paintPicture(QPainter& painter, const QRectF& target) const
{
    if (target.isEmpty())
        return;
    paintCurves(painter, target);
    paintMarker(painter, target);
}

void BoundaryChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF area(rect());
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (pixels.isEmpty())
        return;
    if (!m_cacheValid || m_cache.size() != pixels) {
        m_cache = QImage(pixels, QImage::Format_RGB32);
        if (m_cache.isNull())
            return;
        m_cache.setDevicePixelRatio(ratio);
        QPainter cache(&m_cache);
        paintCurves(cache, area);
        m_cacheValid = true;
    }
    painter.drawImage(QPointF(0, 0), m_cache);
    paintMarker(painter, area);
}

} // namespace lumenary::boundary
