#include "scene_picture.h"

#include "element_edit.h"
#include "element_geometry.h"
#include "light_image.h"
#include "scene_check.h"
#include "segment_clip.h"
#include "spectral_colour.h"
#include "surfaces.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace lumenary::bench
{

namespace
{

// Shapes whose pixels lie further than this outside the target are cut to it first: QPainter is
// not asked to handle coordinates of a kilometre at a hundred pixels a millimetre.
constexpr double kGuard = 4096.0;

// Colours of the elements on the black picture.
const QColor kGlassLine(150, 200, 255);
const QColor kGlassFill(110, 160, 230, 56);
const QColor kMirrorLine(225, 225, 235);
const QColor kLensLine(150, 200, 255);
const QColor kBlockerLine(130, 130, 130);
const QColor kSplitterLine(200, 200, 255);
const QColor kDetectorLine(90, 225, 120);
const QColor kSourceColour(255, 255, 255);

// Draws elements in pixels, cutting to the guard what QPainter should not see whole.
class Pen
{
public:
    Pen(QPainter& painter, const QRectF& target, const SceneView& view)
        : m_painter(painter), m_target(target), m_map(sceneTransform(target, view)),
          m_scale(view.pixelsPerMm)
    {
    }

    QPointF at(Vec2 p) const { return m_map.map(QPointF(p.x, p.y)); }
    double scale() const { return m_scale; }

    void line(QPointF a, QPointF b) const
    {
        Point p{a.x() - m_target.left() + kGuard, a.y() - m_target.top() + kGuard};
        Point q{b.x() - m_target.left() + kGuard, b.y() - m_target.top() + kGuard};
        if (!clipSegment(p, q, 0.0, m_target.width() + 2 * kGuard, m_target.height() + 2 * kGuard))
            return;
        const QPointF shift(m_target.left() - kGuard, m_target.top() - kGuard);
        m_painter.drawLine(QPointF(p.x, p.y) + shift, QPointF(q.x, q.y) + shift);
    }

    // A polyline in scene points; closed ones are filled with the painter's brush when the
    // whole shape lies near enough to be handed to QPainter.
    void shape(const std::vector<Vec2>& points, bool closed) const
    {
        QPolygonF poly;
        for (const Vec2 p : points)
            poly << at(p);
        const QRectF near = m_target.adjusted(-kGuard, -kGuard, kGuard, kGuard);
        if (near.contains(poly.boundingRect())) {
            if (closed)
                m_painter.drawPolygon(poly);
            else
                m_painter.drawPolyline(poly);
            return;
        }
        for (int i = 0; i + 1 < poly.size(); ++i)
            line(poly[i], poly[i + 1]);
        if (closed && poly.size() > 2)
            line(poly.back(), poly.front());
    }

private:
    QPainter& m_painter;
    QRectF m_target;
    QTransform m_map;
    double m_scale;
};

// A chevron at pixel point p pointing along the unit pixel direction d.
void chevron(const Pen& pen, QPointF p, QPointF d, double size)
{
    const QPointF across(-d.y(), d.x());
    pen.line(p, p - size * d + size * across);
    pen.line(p, p - size * d - size * across);
}

QPointF pixelDirection(Vec2 d)
{
    return {d.x, -d.y};
}

void paintSource(const Pen& pen, QPainter& painter, Vec2 at, const std::vector<Vec2>& directions)
{
    const QPointF p = pen.at(at);
    painter.drawEllipse(p, 3.0, 3.0);
    for (const Vec2 d : directions) {
        const QPointF tip = p + 18.0 * pixelDirection(d);
        pen.line(p, tip);
        chevron(pen, tip, pixelDirection(d), 5.0);
    }
}

} // namespace

SceneView fitView(const Tracer& tracer, QSizeF size)
{
    const CompiledScene& cs = tracer.compiled();
    Box box;
    for (std::size_t i = 0; i < cs.scene().elements.size(); ++i)
        if (cs.traced(i))
            box.add(cs.elementBox(i));
    for (const TracedPath& p : tracer.paths())
        box.add(p.start.origin);
    SceneView view;
    if (!(box.lo.x <= box.hi.x) || size.width() < 1.0 || size.height() < 1.0) {
        view.pixelsPerMm = std::max(1.0, std::min(size.width(), size.height())) / 100.0;
        return view;
    }
    view.centre = 0.5 * (box.lo + box.hi);
    const double w = std::max(box.hi.x - box.lo.x, 10.0) * 1.3;
    const double h = std::max(box.hi.y - box.lo.y, 10.0) * 1.3;
    view.pixelsPerMm = std::min(size.width() / w, size.height() / h);
    return view;
}

QTransform sceneTransform(const QRectF& target, const SceneView& view)
{
    const double s = view.pixelsPerMm;
    const QPointF c = target.center();
    return QTransform(s, 0.0, 0.0, -s, c.x() - view.centre.x * s, c.y() + view.centre.y * s);
}

QImage renderRays(const Tracer& tracer, const SceneView& view, QSize pixels)
{
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const QTransform map = sceneTransform(QRectF(QPointF(0, 0), QSizeF(pixels)), view);
    // Each source's colours together make white at full brightness, one colour alone shows its
    // hue at full brightness; a source of many rays is dimmed by the square root of their number
    // past eight, so that a dense beam shows its rays rather than a white band.
    std::map<std::int32_t, double> weight;
    for (const TracedPath& p : tracer.paths())
        weight[p.start.source] += 1.0;
    for (auto& [source, w] : weight) {
        LinearRgb sum;
        const Element& e = tracer.scene().elements[static_cast<std::size_t>(source)];
        std::vector<double> colours;
        std::visit(
            [&](const auto& s) {
                if constexpr (requires { s.light; })
                    colours = s.light.wavelengths();
            },
            e.shape);
        for (const double nm : colours) {
            const LinearRgb c = spectralColour(nm);
            sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
        }
        const double peak = std::max({sum.r, sum.g, sum.b});
        const double rays = w / static_cast<double>(std::max<std::size_t>(1, colours.size()));
        w = peak > 0.0 ? 1.0 / peak / std::sqrt(std::max(1.0, rays / 8.0)) : 0.0;
    }
    // The segments in pixels, once; then the light is added band by band of rows on both cores
    // (the same pixels, bit for bit, as one image of the whole picture).
    struct Ray {
        Point a;
        Point b;
        LinearRgb light;
    };
    std::vector<Ray> rays;
    for (const TracedPath& p : tracer.paths()) {
        const LinearRgb c = spectralColour(p.start.wavelength);
        const double w = weight[p.start.source];
        for (const TraceSegment& s : p.segments) {
            const double k = w * s.intensity;
            const QPointF a = map.map(QPointF(s.from.x, s.from.y)) - QPointF(0.5, 0.5);
            const QPointF b = map.map(QPointF(s.to.x, s.to.y)) - QPointF(0.5, 0.5);
            rays.push_back({{a.x(), a.y()}, {b.x(), b.y()}, {c.r * k, c.g * k, c.b * k}});
        }
    }
    encodeInBands(
        pixels.width(), pixels.height(),
        [&rays](LightImage& band) {
            for (const Ray& r : rays)
                band.addSmoothLine(r.a, r.b, r.light);
        },
        reinterpret_cast<std::uint32_t*>(image.bits()), static_cast<int>(image.bytesPerLine() / 4));
    return image;
}

void paintElement(QPainter& painter, const QRectF& target, const SceneView& view,
                  const Element& element, bool highlight)
{
    if (checkElement(element))
        return;
    const Pen pen(painter, target, view);
    const double wide = highlight ? 1.8 : 1.0;
    const auto stroke = [&](const QColor& colour, double width) {
        painter.setPen(QPen(highlight ? colour.lighter(130) : colour, width * wide, Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
    };
    const auto glass = [&](const std::vector<Vec2>& outline) {
        stroke(kGlassLine, 1.5);
        painter.setBrush(kGlassFill);
        pen.shape(outline, true);
        painter.setBrush(Qt::NoBrush);
    };
    const ElementShape& shape = element.shape;
    if (const auto* s = std::get_if<RaySource>(&shape)) {
        stroke(kSourceColour, 1.5);
        paintSource(pen, painter, s->from, {directionVector(s->direction)});
    } else if (const auto* b = std::get_if<BeamSource>(&shape)) {
        stroke(kSourceColour, 1.5);
        const Vec2 d = directionVector(b->direction);
        const Vec2 half = (b->width / 2.0) * perpendicular(d);
        pen.line(pen.at(b->from - half), pen.at(b->from + half));
        paintSource(pen, painter, b->from, {d});
    } else if (const auto* p = std::get_if<PointSource>(&shape)) {
        stroke(kSourceColour, 1.5);
        paintSource(pen, painter, p->at, {});
    } else if (const auto* l = std::get_if<IdealLens>(&shape)) {
        stroke(kLensLine, 2.0);
        const Vec2 side = perpendicular(directionVector(l->axis));
        const QPointF a = pen.at(l->at - (l->aperture / 2.0) * side);
        const QPointF c = pen.at(l->at + (l->aperture / 2.0) * side);
        pen.line(a, c);
        const QPointF out = pixelDirection(side);
        // Arrow heads pointing out for a converging lens, in for a diverging one.
        const double sign = l->focalLength > 0.0 ? 1.0 : -1.0;
        chevron(pen, c, sign * out, 6.0);
        chevron(pen, a, -sign * out, 6.0);
    } else if (const auto* s = std::get_if<SphericalLens>(&shape)) {
        glass(lensOutline(*s));
    } else if (const auto* g = std::get_if<Glass>(&shape)) {
        glass(g->vertices);
    } else if (const auto* c = std::get_if<Circle>(&shape)) {
        glass(circleOutline(*c));
    } else if (const auto* m = std::get_if<Mirror>(&shape)) {
        stroke(kMirrorLine, 3.0);
        pen.line(pen.at(m->from), pen.at(m->to));
    } else if (const auto* a = std::get_if<ArcMirror>(&shape)) {
        stroke(kMirrorLine, 3.0);
        pen.shape(arcOutline(*a), false);
    } else if (const auto* q = std::get_if<ParabolicMirror>(&shape)) {
        stroke(kMirrorLine, 3.0);
        pen.shape(parabolaOutline(*q), false);
    } else if (const auto* b = std::get_if<BeamSplitter>(&shape)) {
        stroke(kSplitterLine, 2.0);
        painter.setPen(QPen(painter.pen().color(), 2.0 * wide, Qt::DashLine, Qt::FlatCap));
        pen.line(pen.at(b->from), pen.at(b->to));
    } else if (const auto* k = std::get_if<Blocker>(&shape)) {
        stroke(kBlockerLine, 5.0);
        pen.line(pen.at(k->from), pen.at(k->to));
    } else if (const auto* d = std::get_if<Detector>(&shape)) {
        stroke(kDetectorLine, 2.5);
        pen.line(pen.at(d->from), pen.at(d->to));
    }
}

void paintScene(QPainter& painter, const QRectF& target, const Tracer& tracer,
                const SceneView& view)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(target, Qt::black);
    const QSize pixels(std::max(1, static_cast<int>(std::lround(target.width()))),
                       std::max(1, static_cast<int>(std::lround(target.height()))));
    // The rays are drawn at the target's size in pixels; a scaled painter scales the image.
    SceneView pixelView = view;
    pixelView.pixelsPerMm = view.pixelsPerMm * pixels.width() / target.width();
    painter.drawImage(target, renderRays(tracer, pixelView, pixels));
    for (const Element& e : tracer.scene().elements)
        paintElement(painter, target, view, e);
    painter.restore();
}

} // namespace lumenary::bench
