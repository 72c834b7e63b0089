#include "boundary_picture.h"

#include "boundary_text.h"
#include "controls.h"
#include "numbers.h"
#include "optics_constants.h"
#include "spectral_colour.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumenary::boundary
{

namespace
{

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// The largest picture the field is computed for; beyond it the image is scaled up.
constexpr int kMaxFieldSide = 2400;
constexpr int kColourSteps = 512;

const QColor kBoundaryLine(225, 225, 235);
const QColor kText(220, 220, 230);
const QColor kNormal(170, 170, 185);
const QColor kNegative(95, 120, 165);

// Where things go in a target rectangle: the point of incidence in the middle, the field's
// scale in pixels per vacuum wavelength, the rays' length and their widest width.
struct Frame {
    QPointF hit;
    double scale;
    double rayLength;
    double maxWidth;
    double fontPixels;
};

Frame frameFor(const QRectF& t)
{
    const double h = t.height();
    const double w = t.width();
    return {t.center(), h / 7.0, 0.9 * std::min(w, h) / 2.0, std::clamp(h / 28.0, 4.0, 22.0),
            std::clamp(std::min(h / 30.0, w / 26.0), 10.0, 18.0)};
}

QColor lightColour(double nanometres)
{
    const Rgb c = wavelengthColour(nanometres);
    return QColor(c.r, c.g, c.b);
}

// A medium's background: darker blue-grey the higher its index.
QColor mediumColour(double index)
{
    const double k = std::clamp((index - 1.0) / 1.5, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(0.08 + 0.05 * k),
                            static_cast<float>(0.09 + 0.09 * k),
                            static_cast<float>(0.12 + 0.16 * k));
}

// A screen direction for an angle from the downward normal, towards the right.
QPointF downRight(double degrees)
{
    return {std::sin(degrees * kDegree), std::cos(degrees * kDegree)};
}

void drawRay(QPainter& p, QPointF from, QPointF to, double width, QColor colour)
{
    if (!(width >= 0.25))
        return;
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, to);
    // An arrowhead halfway, pointing the way the light goes.
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (!(length > 1.0))
        return;
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    const double a = std::max(6.0, width + 5.0);
    const QPointF tip = from + d * 0.5 + u * a * 0.5;
    QPolygonF head{tip, tip - u * a + n * a * 0.5, tip - u * a - n * a * 0.5};
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
    p.setBrush(Qt::NoBrush);
}

// An arc at the point of incidence from one screen angle (degrees, counter-clockwise from the
// right) over a span, with its label beyond the arc's middle.
void drawAngle(QPainter& p, QPointF centre, double radius, double start, double span,
               const QString& label)
{
    if (!(std::fabs(span) >= 0.05))
        return;
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.setPen(QPen(kText, 1.0));
    p.drawArc(box, static_cast<int>(std::lround(start * 16)),
              static_cast<int>(std::lround(span * 16)));
    const double middle = (start + span / 2.0) * kDegree;
    const QPointF at = centre + QPointF(std::cos(middle), -std::sin(middle)) * (radius + 14.0);
    if (label.isEmpty())
        return;
    // On a dark plate, so that a wide ray passing under the label leaves it readable.
    const QRectF textBox(at.x() - 60, at.y() - 10, 120, 20);
    const QRectF plate = p.boundingRect(textBox, Qt::AlignCenter, label).adjusted(-3, 0, 3, 0);
    p.fillRect(plate, QColor(0, 0, 0, 150));
    p.drawText(textBox, Qt::AlignCenter, label);
}

// A number as the read-outs write it, with the user's decimal point.
QString decimals(double value, int count)
{
    return QString::fromStdString(formatFixed(value, count, decimalPoint()));
}

QString oneDecimal(double value)
{
    return decimals(value, 1);
}

QString text(std::string_view name)
{
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString fieldCaption(Polarisation p)
{
    switch (p) {
    case Polarisation::S:
        return BoundaryPicture::tr("field: E perpendicular to the plane (s)");
    case Polarisation::P:
        return BoundaryPicture::tr("field: H perpendicular to the plane (p)");
    case Polarisation::Unpolarised:
        break;
    }
    return BoundaryPicture::tr("field: the s part of unpolarised light");
}

} // namespace

BoundaryPicture::BoundaryPicture(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(240, 180);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Picture of the light at the boundary"));
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(16);
    connect(&m_timer, &QTimer::timeout, this, &BoundaryPicture::advance);
}

void BoundaryPicture::setState(const BoundaryState& state)
{
    const bool newColour =
        !m_state || m_state->settings.airNanometres != state.settings.airNanometres;
    m_state = state;
    m_field.emplace(state);
    m_samples = {};
    m_overlayValid = false;
    if (newColour || m_colours.empty()) {
        // Positive field in the light's colour, negative in a cool grey, both fading to black.
        const QColor hue = lightColour(state.settings.airNanometres);
        m_colours.resize(kColourSteps);
        for (int i = 0; i < kColourSteps; ++i) {
            const double v = (i + 0.5) / kColourSteps * 2.0 - 1.0;
            const QColor c = v >= 0 ? hue : kNegative;
            const double k = std::fabs(v);
            m_colours[static_cast<std::size_t>(i)] =
                qRgb(static_cast<int>(c.red() * k), static_cast<int>(c.green() * k),
                     static_cast<int>(c.blue() * k));
        }
    }
    setAccessibleDescription(
        QString::fromStdString(pictureDescription(state, m_waves, decimalPoint())));
    update();
}

void BoundaryPicture::setWaves(bool on)
{
    if (on == m_waves)
        return;
    m_waves = on;
    m_overlayValid = false;
    if (m_state)
        setAccessibleDescription(
            QString::fromStdString(pictureDescription(*m_state, on, decimalPoint())));
    updateTimer();
    update();
}

void BoundaryPicture::setPlaying(bool playing)
{
    if (playing == m_playing)
        return;
    m_playing = playing;
    updateTimer();
    emit playingChanged(playing);
}

void BoundaryPicture::setSpeed(double periodsPerSecond)
{
    if (periodsPerSecond >= 0.05 && periodsPerSecond <= 5.0)
        m_speed = periodsPerSecond;
}

void BoundaryPicture::setPhase(double phase)
{
    if (!std::isfinite(phase))
        return;
    m_phase = std::fmod(phase, kTwoPi);
    if (m_waves)
        update();
}

void BoundaryPicture::advance()
{
    // Real time, so that a late frame does not slow the waves; a long stall is not caught up.
    // The timer counts whole milliseconds: it ticks every 16 ms, 62.5 times a second, and
    // every 25th tick draws nothing, which leaves 60 frames a second.
    if (++m_tick % 25 == 0)
        return;
    const double seconds = std::min(0.1, static_cast<double>(m_clock.restart()) / 1000.0);
    setPhase(m_phase + kTwoPi * m_speed * seconds);
}

void BoundaryPicture::updateTimer()
{
    const bool run = m_waves && m_playing && isVisible();
    if (run && !m_timer.isActive()) {
        m_clock.start();
        m_timer.start();
    } else if (!run) {
        m_timer.stop();
    }
}

void BoundaryPicture::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    updateTimer();
}

void BoundaryPicture::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    updateTimer();
}

void BoundaryPicture::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        setPlaying(!m_playing);
        return;
    }
    QWidget::keyPressEvent(event);
}

QImage BoundaryPicture::fieldImage(QSize size, FieldSamples& s) const
{
    const int w = std::min(size.width(), kMaxFieldSide);
    const int h = std::min(size.height(), kMaxFieldSide);
    if (w <= 0 || h <= 0 || !m_field || m_colours.size() != kColourSteps)
        return {};
    if (s.size != QSize(w, h)) {
        // In vacuum wavelengths from the middle of the picture.
        const Frame f = frameFor(QRectF(0, 0, w, h));
        const double peak = m_field->peak();
        s = {QSize(w, h), {}, {}, {}, {}};
        for (int x = 0; x < w; ++x) {
            const auto c = m_field->along((x + 0.5 - w / 2.0) / f.scale);
            s.columnRe.push_back(static_cast<float>(c.real()));
            s.columnIm.push_back(static_cast<float>(c.imag()));
        }
        for (int y = 0; y < h; ++y) {
            const auto c = m_field->across((y + 0.5 - h / 2.0) / f.scale) / peak;
            s.rowRe.push_back(static_cast<float>(c.real()));
            s.rowIm.push_back(static_cast<float>(c.imag()));
        }
    }
    // The moment: every column turned by e^{iωt}.
    const auto turn = std::polar(1.0f, static_cast<float>(m_phase));
    std::vector<float> re(static_cast<std::size_t>(w)), im(static_cast<std::size_t>(w));
    for (std::size_t x = 0; x < re.size(); ++x) {
        const std::complex<float> c = turn * std::complex<float>(s.columnRe[x], s.columnIm[x]);
        re[x] = c.real() * (kColourSteps / 2.0f);
        im[x] = c.imag() * (kColourSteps / 2.0f);
    }
    QImage image(w, h, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const std::uint32_t* colours = m_colours.data();
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        const float zr = s.rowRe[static_cast<std::size_t>(y)];
        const float zi = s.rowIm[static_cast<std::size_t>(y)];
        for (int x = 0; x < w; ++x) {
            const float v = re[static_cast<std::size_t>(x)] * zr -
                            im[static_cast<std::size_t>(x)] * zi + kColourSteps / 2.0f;
            const int i = std::clamp(static_cast<int>(v), 0, kColourSteps - 1);
            line[x] = colours[i];
        }
    }
    return image;
}

void BoundaryPicture::paintOverlay(QPainter& p, const QRectF& t) const
{
    if (!m_state || t.isEmpty())
        return;
    const BoundaryState& s = *m_state;
    const Frame f = frameFor(t);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setPixelSize(static_cast<int>(f.fontPixels));
    p.setFont(font);

    // Media names, the boundary and the normal.
    p.setPen(kText);
    const double pad = f.fontPixels * 0.6;
    const QString n1 = decimals(s.n1(), 4);
    const QString n2 = decimals(s.n2(), 4);
    p.drawText(QRectF(t.left() + pad, t.top() + pad, t.width() / 2, 2 * f.fontPixels),
               Qt::AlignLeft | Qt::AlignTop, tr("%1, n = %2").arg(text(s.medium1.name), n1));
    p.drawText(QRectF(t.left() + pad, t.bottom() - pad - 2 * f.fontPixels, t.width() / 2,
                      2 * f.fontPixels),
               Qt::AlignLeft | Qt::AlignBottom, tr("%1, n = %2").arg(text(s.medium2.name), n2));
    p.setPen(QPen(kBoundaryLine, 1.5));
    p.drawLine(QPointF(t.left(), f.hit.y()), QPointF(t.right(), f.hit.y()));
    p.setPen(QPen(kNormal, 1.0, Qt::DashLine));
    p.drawLine(QPointF(f.hit.x(), t.top()), QPointF(f.hit.x(), t.bottom()));

    // The rays, each as wide as its share of the light.
    QColor light = lightColour(s.settings.airNanometres);
    if (m_waves)
        light.setAlpha(150);
    const double i = s.settings.incidence;
    const QPointF in = downRight(i);
    const QPointF out(in.x(), -in.y());
    drawRay(p, f.hit - in * f.rayLength, f.hit, f.maxWidth, light);
    drawRay(p, f.hit, f.hit + out * f.rayLength, f.maxWidth * s.reflected(), light);
    const QString reflected = tr("R %1 %").arg(oneDecimal(100.0 * s.reflected()));
    p.setPen(kText);
    const QPointF rEnd = f.hit + out * (f.rayLength * 0.75);
    p.drawText(
        QRectF(rEnd.x() + 6, rEnd.y() - 2 * f.fontPixels, 8 * f.fontPixels, 2 * f.fontPixels),
        Qt::AlignLeft | Qt::AlignBottom, reflected);

    const double arc = std::max(24.0, f.rayLength * 0.28);
    drawAngle(p, f.hit, arc, 90.0, i, tr("\u03b8\u2081 %1\u00b0").arg(oneDecimal(i)));
    drawAngle(p, f.hit, arc * 0.8, 90.0, -i, QString());
    if (s.refraction) {
        const QPointF down = downRight(*s.refraction);
        drawRay(p, f.hit, f.hit + down * f.rayLength, f.maxWidth * s.transmitted(), light);
        const QPointF tEnd = f.hit + down * (f.rayLength * 0.75);
        p.setPen(kText);
        p.drawText(QRectF(tEnd.x() + 8, tEnd.y(), 8 * f.fontPixels, 2 * f.fontPixels),
                   Qt::AlignLeft | Qt::AlignTop,
                   tr("T %1 %").arg(oneDecimal(100.0 * s.transmitted())));
        drawAngle(p, f.hit, arc, 270.0, *s.refraction,
                  tr("\u03b8\u2082 %1\u00b0").arg(oneDecimal(*s.refraction)));
    } else if (!m_waves) {
        p.setPen(kText);
        p.drawText(QRectF(f.hit.x() + pad, f.hit.y() + pad, t.right() - f.hit.x() - 2 * pad,
                          2 * f.fontPixels),
                   Qt::AlignLeft | Qt::AlignTop, tr("totally reflected"));
    }

    if (m_waves) {
        // The wavelengths, what the colours show, and the evanescent field's depth to scale.
        p.setPen(kText);
        QString lines = tr("\u03bb\u2081 %1 nm").arg(oneDecimal(s.wavelength1));
        if (s.refraction)
            lines += tr("   \u03bb\u2082 %1 nm").arg(oneDecimal(s.wavelength2));
        lines += QLatin1Char('\n') + fieldCaption(s.settings.polarisation);
        // Below the medium's name, over the whole width: the caption is long.
        p.drawText(QRectF(t.left() + pad, t.top() + pad + 1.4 * f.fontPixels, t.width() - 2 * pad,
                          3 * f.fontPixels),
                   Qt::AlignRight | Qt::AlignTop, lines);
        if (s.penetrationDepth) {
            const double depth =
                *s.penetrationDepth / vacuumNanometres(s.settings.airNanometres) * f.scale;
            const double room = t.bottom() - f.hit.y() - 2.5 * f.fontPixels;
            const bool fits = depth <= room;
            const double y = f.hit.y() + std::min(depth, room);
            p.setPen(QPen(kBoundaryLine, 1.0, Qt::DashLine));
            if (fits)
                p.drawLine(QPointF(t.left(), y), QPointF(t.right(), y));
            const double x = t.right() - 3 * f.fontPixels;
            p.setPen(QPen(kBoundaryLine, 1.0));
            p.drawLine(QPointF(x, f.hit.y()), QPointF(x, y));
            p.drawText(QRectF(t.center().x(), y + 2, t.width() / 2 - pad, 2 * f.fontPixels),
                       Qt::AlignRight | Qt::AlignTop,
                       fits ? tr("d %1 nm (field 1/e)").arg(oneDecimal(*s.penetrationDepth))
                            : tr("d %1 nm (field 1/e), beyond the picture")
                                  .arg(oneDecimal(*s.penetrationDepth)));
        }
    }
    p.restore();
}

void BoundaryPicture::paintBackground(QPainter& painter, const QRectF& target,
                                      FieldSamples& samples) const
{
    if (m_waves) {
        painter.drawImage(target, fieldImage(target.size().toSize(), samples));
        return;
    }
    QRectF upper = target;
    upper.setBottom(target.center().y());
    QRectF lower = target;
    lower.setTop(target.center().y());
    painter.fillRect(upper, mediumColour(m_state->n1()));
    painter.fillRect(lower, mediumColour(m_state->n2()));
}

void BoundaryPicture::paintPicture(QPainter& painter, const QRectF& target) const
{
    if (target.isEmpty() || !m_state)
        return;
    FieldSamples samples;
    paintBackground(painter, target, samples);
    paintOverlay(painter, target);
}

void BoundaryPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF area(rect());
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (!m_state || pixels.isEmpty()) {
        painter.fillRect(area, Qt::black);
        return;
    }
    paintBackground(painter, area, m_samples);
    // The rays and labels change only with the setting: kept as an image at the screen's
    // resolution and laid over each frame.
    if (!m_overlayValid || m_overlay.size() != pixels) {
        m_overlay = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_overlay.setDevicePixelRatio(ratio);
        m_overlay.fill(Qt::transparent);
        QPainter overlay(&m_overlay);
        paintOverlay(overlay, area);
        m_overlayValid = true;
    }
    painter.drawImage(QPointF(0, 0), m_overlay);
}

} // namespace lumenary::boundary
