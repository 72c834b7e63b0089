#include "clip_painter.h"

#include "optics_constants.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace lumenary::tools
{

namespace
{

const QColor kPaper(250, 249, 243);
const QColor kGlass(214, 231, 248);
const QColor kIncident(32, 78, 196);
const QColor kReflected(200, 44, 40);
const QColor kRefracted(0, 128, 72);
const QColor kRay(35, 35, 35);
const QColor kWavelet(70, 70, 70);

QFont labelFont(double points, bool italic = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setItalic(italic);
    return font;
}

// A filled arrowhead at `tip`, pointing along the unit screen direction (dx, dy).
void arrowhead(QPainter& p, QPointF tip, double dx, double dy, const QColor& colour)
{
    const double len = 9.0, half = 4.0;
    const QPointF back(tip.x() - len * dx, tip.y() - len * dy);
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(back.x() - half * dy, back.y() + half * dx);
    path.lineTo(back.x() + half * dy, back.y() - half * dx);
    path.closeSubpath();
    p.fillPath(path, colour);
}

} // namespace

ClipPainter::ClipPainter(const WaveSetup& setup, const ClipText& text)
    : m_setup(setup), m_text(text),
      m_background(static_cast<int>(std::lround(setup.right - setup.left)),
                   static_cast<int>(std::lround(setup.top - setup.bottom)), QImage::Format_RGB888)
{
    paintBackground();
}

QPointF ClipPainter::toPixels(Vec2 p) const
{
    return {p.x - m_setup.left, m_setup.top - p.y};
}

void ClipPainter::paintBackground()
{
    m_background.fill(kPaper);
    QPainter p(&m_background);
    p.setRenderHint(QPainter::Antialiasing);
    const double boundary = toPixels({0, 0}).y();
    const double w = m_background.width(), h = m_background.height();
    if (m_setup.mirror) {
        // A silvered glass strip, hatched on its back.
        p.fillRect(QRectF(0, boundary, w, h - boundary), QColor(205, 210, 216));
        p.setPen(QPen(QColor(120, 124, 130), 1.0));
        for (double x = -h; x < w + h; x += 9.0)
            p.drawLine(QPointF(x, boundary + 6), QPointF(x + (h - boundary), h + 6));
        p.fillRect(QRectF(0, boundary, w, 5), QColor(236, 239, 243));
        p.setPen(QPen(QColor(60, 62, 66), 2.0));
        p.drawLine(QPointF(0, boundary), QPointF(w, boundary));
    } else {
        p.fillRect(QRectF(0, boundary, w, h - boundary), kGlass);
        p.setPen(QPen(QColor(70, 100, 140), 1.5));
        p.drawLine(QPointF(0, boundary), QPointF(w, boundary));
    }
    // The normal where the central ray meets the boundary.
    const QPointF hit = toPixels({m_setup.hitX, 0});
    QPen normal(QColor(110, 110, 110), 1.0, Qt::DashLine);
    p.setPen(normal);
    p.drawLine(QPointF(hit.x(), 0), QPointF(hit.x(), m_setup.mirror ? boundary : h));

    p.setPen(QColor(30, 30, 30));
    p.setFont(labelFont(10));
    const QFontMetricsF metrics(p.font());
    p.drawText(QPointF(w - 10 - metrics.horizontalAdvance(m_text.upper), boundary - 8),
               m_text.upper);
    p.drawText(QPointF(w - 10 - metrics.horizontalAdvance(m_text.lower), boundary + 18),
               m_text.lower);
}

void ClipPainter::paintRaysAndAngles(QImage& image) const
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const auto rays = beamRays(m_setup);
    for (const auto& [in, out] : rays) {
        for (const Segment& leg : {in, out}) {
            const QPointF a = toPixels(leg.a), b = toPixels(leg.b);
            p.setPen(QPen(kRay, 1.4));
            p.drawLine(a, b);
            const double len = std::hypot(b.x() - a.x(), b.y() - a.y());
            if (len > 30) {
                const double dx = (b.x() - a.x()) / len, dy = (b.y() - a.y()) / len;
                // Arrowheads a little past the middle of each leg.
                const double at = std::min(len * 0.55, len - 12);
                arrowhead(p, QPointF(a.x() + at * dx, a.y() + at * dy), dx, dy, kRay);
            }
        }
    }
    // The angles with the normal, both measured from it.
    const auto out = outgoingDirection(m_setup);
    if (!out)
        return;
    const Vec2 k1 = incidentDirection(m_setup);
    const QPointF hit = toPixels({m_setup.hitX, 0});
    const double radius = 38.0;
    const QRectF arcBox(hit.x() - radius, hit.y() - radius, 2 * radius, 2 * radius);
    p.setPen(QPen(QColor(20, 20, 20), 1.2));
    p.setFont(labelFont(11, true));
    auto arc = [&](double fromDeg, double spanDeg, const QString& label) {
        p.drawArc(arcBox, static_cast<int>(std::lround(fromDeg * 16)),
                  static_cast<int>(std::lround(spanDeg * 16)));
        const double mid = (fromDeg + spanDeg / 2.0) * kDegree;
        const double r = radius + 12.0;
        const QRectF box(hit.x() + r * std::cos(mid) - 20, hit.y() - r * std::sin(mid) - 10, 40,
                         20);
        const QRectF patch = p.boundingRect(box, Qt::AlignCenter, label).adjusted(-2, 0, 2, 0);
        p.fillRect(patch, QColor(255, 255, 255, 200));
        p.drawText(box, Qt::AlignCenter, label);
    };
    // Labels sit on small patches of paper so the moving crests never hide them.
    p.setFont(labelFont(11, false));
    const QFontMetricsF metrics(p.font());
    const QRectF titleBox(6, 5, metrics.horizontalAdvance(m_text.title) + 10, metrics.height() + 6);
    p.fillRect(titleBox, QColor(250, 249, 243, 230));
    p.setPen(QColor(30, 30, 30));
    p.drawText(titleBox, Qt::AlignCenter, m_text.title);
    p.setFont(labelFont(11, true));
    p.setPen(QPen(QColor(20, 20, 20), 1.2));
    const double upNormal = 90.0;
    const double inAngle = std::atan2(-k1.y, -k1.x) / kDegree; // towards where the light comes from
    arc(upNormal, inAngle - upNormal, m_text.angleIn);
    const double outAngle = std::atan2(out->y, out->x) / kDegree;
    const double outNormal = out->y > 0 ? 90.0 : -90.0;
    arc(outNormal, outAngle - outNormal, m_text.angleOut);
}

QImage ClipPainter::frame(double phase) const
{
    QImage image = m_background;
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const WaveFrame f = waveFrame(m_setup, phase);
        const bool upper = m_setup.mirror;
        for (const Wavelet& w : f.wavelets) {
            QColor c = kWavelet;
            c.setAlphaF(static_cast<float>(0.9 * (1.0 - w.age)));
            p.setPen(QPen(c, 1.3));
            const QPointF centre = toPixels(w.centre);
            const QRectF box(centre.x() - w.radius, centre.y() - w.radius, 2 * w.radius,
                             2 * w.radius);
            p.drawArc(box, upper ? 0 : 180 * 16, 180 * 16);
        }
        p.setPen(QPen(kIncident, 2.2, Qt::SolidLine, Qt::RoundCap));
        for (const Segment& s : f.incidentFronts)
            p.drawLine(toPixels(s.a), toPixels(s.b));
        p.setPen(QPen(m_setup.mirror ? kReflected : kRefracted, 2.2, Qt::SolidLine, Qt::RoundCap));
        for (const Segment& s : f.outgoingFronts)
            p.drawLine(toPixels(s.a), toPixels(s.b));
        // The boundary points whose wavelets are shown.
        p.setPen(Qt::NoPen);
        p.setBrush(kWavelet);
        for (const Vec2 q : waveletSourcePoints(m_setup))
            p.drawEllipse(toPixels(q), 2.0, 2.0);
    }
    paintRaysAndAngles(image);
    return image;
}

} // namespace lumenary::tools
