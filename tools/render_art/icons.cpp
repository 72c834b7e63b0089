// The small pictures: the program's icon (a magnifying glass over a page) and the two
// object markers of the apparent-depth lab (a moon and a fish). They keep to the sixteen-colour
// palette so they look at home beside the labs' drawings.
#include "art.h"
#include "rgb.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <vector>

namespace lumenary::tools
{

namespace
{

QColor paletteColour(int index)
{
    const Rgb c = palette(index);
    return QColor(c.r, c.g, c.b);
}

// One shape of the icon, in a 32 x 32 design grid.
struct IconShape {
    enum class Kind { Polygon, Circle, Line } kind;
    std::vector<QPointF> points; // polygon corners; a circle's centre; a line's ends
    double radius = 0;           // circles
    int fill = -1;               // palette index, -1 for none
    int stroke = -1;             // palette index, -1 for none
    double width = 1.0;          // stroke width
};

constexpr QPointF kLens{17.0, 14.0};
constexpr double kLensRadius = 7.5;

// The chord of the lens circle at height y, shortened to the page's text column.
std::vector<QPointF> lensChord(double y, double left, double right)
{
    const double dy = y - kLens.y();
    const double half =
        std::sqrt(std::max(0.0, (kLensRadius - 1.8) * (kLensRadius - 1.8) - dy * dy));
    return {QPointF(std::max(left, kLens.x() - half), y),
            QPointF(std::min(right, kLens.x() + half), y)};
}

std::vector<IconShape> iconShapes()
{
    std::vector<IconShape> s;
    using K = IconShape::Kind;
    // The page with its folded corner.
    s.push_back({K::Polygon, {{3, 2}, {17, 2}, {22, 7}, {22, 30}, {3, 30}}, 0, 15, 0, 1.0});
    s.push_back({K::Polygon, {{17, 2}, {17, 7}, {22, 7}}, 0, 7, 0, 1.0});
    // Lines of text below and around the lens.
    for (double y : {23.5, 26.5})
        s.push_back({K::Line, {{6, y}, {y > 25 ? 14.0 : 19.0, y}}, 0, -1, 8, 1.0});
    s.push_back({K::Line, {{6, 5.5}, {14, 5.5}}, 0, -1, 8, 1.0});
    // The lens: glass, the text it enlarges, a highlight, the rim.
    s.push_back({K::Circle, {kLens}, kLensRadius, 11, -1, 1.0});
    // Enlarged words: two on the upper line, one on the lower.
    s.push_back({K::Line, lensChord(13.0, 0.0, 15.0), 0, -1, 8, 2.0});
    s.push_back({K::Line, lensChord(13.0, 17.5, 32.0), 0, -1, 8, 2.0});
    s.push_back({K::Line, lensChord(17.0, 0.0, 19.5), 0, -1, 8, 2.0});
    s.push_back({K::Line, {{12.5, 10.0}, {14.5, 8.5}}, 0, -1, 15, 1.5});
    s.push_back({K::Circle, {kLens}, kLensRadius, -1, 0, 2.0});
    // The handle.
    s.push_back({K::Line, {{22.5, 19.5}, {28.5, 25.5}}, 0, -1, 0, 5.0});
    s.push_back({K::Line, {{23.0, 20.0}, {28.3, 25.3}}, 0, -1, 4, 3.0});
    return s;
}

void paintShapes(QPainter& p, const std::vector<IconShape>& shapes)
{
    for (const auto& s : shapes) {
        QPen pen = s.stroke >= 0 ? QPen(paletteColour(s.stroke), s.width) : QPen(Qt::NoPen);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(s.fill >= 0 ? QBrush(paletteColour(s.fill)) : QBrush(Qt::NoBrush));
        switch (s.kind) {
        case IconShape::Kind::Polygon:
            p.drawPolygon(s.points.data(), static_cast<int>(s.points.size()));
            break;
        case IconShape::Kind::Circle:
            p.drawEllipse(s.points.front(), s.radius, s.radius);
            break;
        case IconShape::Kind::Line:
            p.drawLine(s.points[0], s.points[1]);
            break;
        }
    }
}

// The nearest colour of the sixteen-colour palette.
QRgb nearestPaletteColour(QRgb c)
{
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < 16; ++i) {
        const QColor p = paletteColour(i);
        const int dr = qRed(c) - p.red(), dg = qGreen(c) - p.green(), db = qBlue(c) - p.blue();
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return paletteColour(best).rgb();
}

QString svgColour(int index)
{
    return index < 0 ? QStringLiteral("none") : paletteColour(index).name();
}

QString number(double v)
{
    return QString::number(v, 'g', 6);
}

// A 32 x 32 picture painted pixel by pixel from a rule giving each pixel's palette index.
template <typename Rule> QImage pixelArt(QRgb background, Rule rule)
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(background);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (const int index = rule(x + 0.5, y + 0.5); index >= 0)
                image.setPixel(x, y, paletteColour(index).rgb());
    return image;
}

bool inCircle(double x, double y, double cx, double cy, double r)
{
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

} // namespace

QImage renderIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    paintShapes(p, iconShapes());
    return image;
}

QImage renderIconSmall()
{
    // Painted large and reduced by majority, so every pixel takes one palette colour.
    constexpr int kScale = 8;
    QImage large(32 * kScale, 32 * kScale, QImage::Format_ARGB32);
    large.fill(Qt::transparent);
    {
        QPainter p(&large);
        p.scale(kScale, kScale);
        paintShapes(p, iconShapes());
    }
    QImage small(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            // The colour seen at the pixel's middle decides; transparency stays transparent.
            const QRgb c = large.pixel(x * kScale + kScale / 2, y * kScale + kScale / 2);
            small.setPixel(x, y, qAlpha(c) < 128 ? qRgba(0, 0, 0, 0) : nearestPaletteColour(c));
        }
    }
    return small;
}

QString iconSvg()
{
    QString svg =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"128\" height=\"128\" "
                       "viewBox=\"0 0 32 32\">\n"
                       "  <title>Varnel Lumenary</title>\n");
    for (const auto& s : iconShapes()) {
        const QString paint = QStringLiteral(" fill=\"%1\" stroke=\"%2\" stroke-width=\"%3\"")
                                  .arg(svgColour(s.fill), svgColour(s.stroke), number(s.width));
        switch (s.kind) {
        case IconShape::Kind::Polygon: {
            QStringList corners;
            for (const auto& c : s.points)
                corners << number(c.x()) + QLatin1Char(',') + number(c.y());
            svg += QStringLiteral("  <polygon points=\"%1\"%2 stroke-linejoin=\"round\"/>\n")
                       .arg(corners.join(QLatin1Char(' ')), paint);
            break;
        }
        case IconShape::Kind::Circle:
            svg +=
                QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\"%4/>\n")
                    .arg(number(s.points[0].x()), number(s.points[0].y()), number(s.radius), paint);
            break;
        case IconShape::Kind::Line:
            svg += QStringLiteral("  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"%5 "
                                  "stroke-linecap=\"round\"/>\n")
                       .arg(number(s.points[0].x()), number(s.points[0].y()),
                            number(s.points[1].x()), number(s.points[1].y()), paint);
            break;
        }
    }
    svg += QStringLiteral("</svg>\n");
    return svg;
}

QImage renderMoon()
{
    auto crescent = [](double x, double y) {
        return inCircle(x, y, 15.0, 16.0, 11.5) && !inCircle(x, y, 21.0, 11.5, 10.0);
    };
    // Each star: centre and arm length.
    struct Star {
        double x, y;
        int arm;
    };
    const Star stars[] = {{24.5, 9.5, 2}, {28.5, 25.5, 1}, {17.5, 4.5, 1}, {4.5, 5.5, 1}};
    return pixelArt(qRgb(192, 192, 192), [&](double x, double y) {
        if (crescent(x, y)) {
            // Dark yellow where the crescent meets the sky, to give it an edge.
            const bool edge = !crescent(x + 1, y) || !crescent(x - 1, y) || !crescent(x, y + 1) ||
                              !crescent(x, y - 1);
            return edge ? 6 : 14;
        }
        for (const Star& s : stars) {
            const double dx = std::fabs(x - s.x), dy = std::fabs(y - s.y);
            if ((dx < 0.5 && dy < s.arm + 0.5) || (dy < 0.5 && dx < s.arm + 0.5))
                return (dx < 0.5 && dy < 0.5) ? 15 : 14;
        }
        return -1;
    });
}

QImage renderFish()
{
    auto body = [](double x, double y) {
        const double u = (x - 14.0) / 10.5, v = (y - 16.0) / 6.5;
        return u * u + v * v <= 1.0;
    };
    auto tail = [](double x, double y) {
        // A forked tail: a wedge opening to the right, notched in the middle.
        const double dx = x - 22.5, dy = std::fabs(y - 16.0);
        return dx >= 0 && dx <= 7.5 && dy <= 0.9 * dx + 0.5 && !(dx > 5.0 && dy < dx - 5.0);
    };
    auto fin = [](double x, double y) {
        return y >= 7.5 && y <= 10.5 && x >= 11.0 && x <= 18.0 && (y - 7.5) >= (18.0 - x) * 0.45;
    };
    return pixelArt(qRgb(128, 255, 255), [&](double x, double y) {
        if (body(x, y)) {
            const bool edge =
                !body(x + 1, y) || !body(x - 1, y) || !body(x, y + 1) || !body(x, y - 1);
            if (edge)
                return 0;
            if (inCircle(x, y, 8.0, 14.5, 1.1))
                return 0; // the eye
            if (x < 10.5)
                return 15; // the head stays white around the eye
            // Bands two pixels wide, black and white in turn.
            return (static_cast<int>(std::floor((x - 10.5) / 2.0)) % 2 == 0) ? 0 : 15;
        }
        if (tail(x, y) || fin(x, y))
            return 0;
        return -1;
    });
}

} // namespace lumenary::tools
