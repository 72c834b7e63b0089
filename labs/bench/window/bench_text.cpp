#include "bench_text.h"

#include "controls.h"
#include "element_geometry.h"
#include "scene_check.h"
#include "spoken.h"
#include "tracer.h"

#include <QLocale>

#include <algorithm>
#include <climits>

namespace lumenary::bench
{

namespace
{

QString spoken(double value)
{
    return QString::fromStdString(spokenNumber(value, decimalPoint()));
}

QString count(std::int64_t n)
{
    return QLocale().toString(static_cast<qlonglong>(n));
}

} // namespace

QString BenchText::typeName(ElementType type)
{
    switch (type) {
    case ElementType::Ray:
        return tr("Ray");
    case ElementType::Beam:
        return tr("Beam");
    case ElementType::Point:
        return tr("Point source");
    case ElementType::IdealLens:
        return tr("Ideal lens");
    case ElementType::SphericalLens:
        return tr("Spherical lens");
    case ElementType::Mirror:
        return tr("Mirror");
    case ElementType::ArcMirror:
        return tr("Arc mirror");
    case ElementType::ParabolicMirror:
        return tr("Parabolic mirror");
    case ElementType::Glass:
        return tr("Glass block");
    case ElementType::Circle:
        return tr("Drop or ball lens");
    case ElementType::BeamSplitter:
        return tr("Beam splitter");
    case ElementType::Blocker:
        return tr("Blocker");
    case ElementType::Detector:
        return tr("Detector");
    }
    return {};
}

QString BenchText::keyCaption(const QString& key)
{
    static const struct {
        const char* key;
        const char* caption;
    } captions[] = {
        {"name", QT_TR_NOOP("Name")},
        {"from", QT_TR_NOOP("From")},
        {"to", QT_TR_NOOP("To")},
        {"at", QT_TR_NOOP("Position")},
        {"centre", QT_TR_NOOP("Centre")},
        {"vertex", QT_TR_NOOP("Vertex")},
        {"vertices", QT_TR_NOOP("Corners")},
        {"direction", QT_TR_NOOP("Direction")},
        {"axis", QT_TR_NOOP("Axis")},
        {"width", QT_TR_NOOP("Width")},
        {"rays", QT_TR_NOOP("Rays")},
        {"from_angle", QT_TR_NOOP("From angle")},
        {"to_angle", QT_TR_NOOP("To angle")},
        {"wavelength", QT_TR_NOOP("Wavelength")},
        {"white", QT_TR_NOOP("Wavelengths of white light")},
        {"aperture", QT_TR_NOOP("Aperture")},
        {"focal_length", QT_TR_NOOP("Focal length")},
        {"thickness", QT_TR_NOOP("Thickness")},
        {"r1", QT_TR_NOOP("Radius r1")},
        {"r2", QT_TR_NOOP("Radius r2")},
        {"radius", QT_TR_NOOP("Radius")},
        {"material", QT_TR_NOOP("Material")},
        {"reflectance", QT_TR_NOOP("Reflectance")},
        {"surroundings", QT_TR_NOOP("Surroundings")},
        {"fresnel", QT_TR_NOOP("Fresnel reflection")},
        {"min_intensity", QT_TR_NOOP("Least intensity traced")},
        {"max_interactions", QT_TR_NOOP("Interactions per path")},
        {"max_segments", QT_TR_NOOP("Segments in all")},
        {"description", QT_TR_NOOP("Description")},
    };
    for (const auto& c : captions)
        if (key == QLatin1String(c.key))
            return tr(c.caption);
    return key;
}

QString BenchText::mediumName(const Medium& medium)
{
    const std::string_view name = bench::mediumName(medium);
    if (name == "water")
        return tr("water");
    if (name == "fused silica")
        return tr("fused silica");
    if (!name.empty())
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    return tr("index %1").arg(spoken(medium.index));
}

QString BenchText::typeLabel(const Scene& scene, std::size_t index)
{
    if (index >= scene.elements.size())
        return {};
    const ElementType type = scene.elements[index].type();
    int number = 0;
    for (std::size_t i = 0; i <= index; ++i)
        number += scene.elements[i].type() == type;
    return tr("%1 %2").arg(typeName(type)).arg(number);
}

QString BenchText::elementLabel(const Scene& scene, std::size_t index)
{
    if (index >= scene.elements.size())
        return {};
    const std::string& own = scene.elements[index].name;
    if (own.empty())
        return typeLabel(scene, index);
    return tr("%1 (%2)").arg(QString::fromStdString(own), typeLabel(scene, index));
}

QString BenchText::millimetres(double value)
{
    return tr("%1 mm").arg(spoken(value));
}

QString BenchText::degrees(double value)
{
    return tr("%1°").arg(spoken(value));
}

QString BenchText::point(Vec2 p)
{
    return QString::fromStdString(spokenPoint({p.x, p.y}, decimalPoint()));
}

namespace
{

QString lightText(const Light& l)
{
    if (l.white > 0)
        return BenchText::tr("white light of %1 wavelengths").arg(l.white);
    return BenchText::tr("%1 nm").arg(spoken(l.wavelength));
}

QString lineValue(const std::optional<LineValues>& v, const QString& what)
{
    if (!v)
        return {};
    if (!v->d)
        return BenchText::tr(", afocal");
    return BenchText::tr(", %1 %2 (d line)").arg(what, BenchText::millimetres(*v->d));
}

QString ends(Vec2 from, Vec2 to)
{
    return BenchText::tr("from %1 to %2").arg(BenchText::point(from), BenchText::point(to));
}

QString detectorText(const Detector& d, const DetectorReadout* r)
{
    QString text = ends(d.from, d.to);
    if (!r)
        return text;
    if (r->hits.empty())
        return text + BenchText::tr(", no rays caught");
    // English has no plural of one without a translation file: the singular is a text of its own.
    text += r->hits.size() == 1
                ? BenchText::tr(", 1 ray caught")
                : BenchText::tr(", %n rays caught", nullptr, static_cast<int>(r->hits.size()));
    constexpr std::size_t kSpoken = 7;
    for (std::size_t i = 0; i < r->spots.size() && i < kSpoken; ++i) {
        const Spot& s = r->spots[i];
        text += BenchText::tr("; %1 nm at %2, RMS %3")
                    .arg(spoken(s.wavelength), BenchText::millimetres(s.centroid),
                         BenchText::millimetres(s.rms));
    }
    if (r->spots.size() > kSpoken)
        text += BenchText::tr("; and %n more wavelengths", nullptr,
                              static_cast<int>(r->spots.size() - kSpoken));
    return text;
}

} // namespace

QString BenchText::description(const Scene& scene, std::size_t index,
                               const DetectorReadout* detector)
{
    if (index >= scene.elements.size())
        return {};
    const Element& e = scene.elements[index];
    if (const auto problem = checkElement(e))
        return tr("not traced: %1 %2")
            .arg(keyCaption(QString::fromStdString(problem->key)),
                 QString::fromStdString(problem->message));
    const ElementReadouts r = elementReadouts(scene, e);
    const ElementShape& shape = e.shape;
    if (const auto* s = std::get_if<RaySource>(&shape))
        return tr("%1, from %2, direction %3")
            .arg(lightText(s->light), point(s->from), degrees(s->direction));
    if (const auto* b = std::get_if<BeamSource>(&shape))
        return (b->rays == 1 ? tr("1 ray across %1, %2, from %3, direction %4")
                             : tr("%n rays across %1, %2, from %3, direction %4", nullptr, b->rays))
            .arg(millimetres(b->width), lightText(b->light), point(b->from), degrees(b->direction));
    if (const auto* p = std::get_if<PointSource>(&shape))
        return (p->rays == 1 ? tr("1 ray from %1 to %2, %3, at %4")
                             : tr("%n rays from %1 to %2, %3, at %4", nullptr, p->rays))
            .arg(degrees(p->fromAngle), degrees(p->toAngle), lightText(p->light), point(p->at));
    if (const auto* l = std::get_if<IdealLens>(&shape))
        return tr("focal length %1, aperture %2, at %3, axis %4")
            .arg(millimetres(l->focalLength), millimetres(l->aperture), point(l->at),
                 degrees(l->axis));
    if (const auto* l = std::get_if<SphericalLens>(&shape))
        return tr("%1, thickness %2, radii %3 and %4 mm%5, aperture %6, at %7, axis %8")
            .arg(mediumName(l->material), millimetres(l->thickness), spoken(l->r1), spoken(l->r2),
                 lineValue(r.focalLengths, tr("focal length")), millimetres(l->aperture),
                 point(l->at), degrees(l->axis));
    if (const auto* m = std::get_if<Mirror>(&shape))
        return ends(m->from, m->to);
    if (const auto* a = std::get_if<ArcMirror>(&shape))
        return tr("radius %1, focal length %2, %3")
            .arg(millimetres(a->radius), millimetres(r.focalLength.value_or(0.0)),
                 ends(a->from, a->to));
    if (const auto* q = std::get_if<ParabolicMirror>(&shape))
        return tr("focal length %1, aperture %2, vertex at %3, axis %4")
            .arg(millimetres(q->focalLength), millimetres(q->aperture), point(q->vertex),
                 degrees(q->axis));
    if (const auto* g = std::get_if<Glass>(&shape))
        return tr("%1, %n corners, first at %2", nullptr, static_cast<int>(g->vertices.size()))
            .arg(mediumName(g->material), point(g->vertices.front()));
    if (const auto* c = std::get_if<Circle>(&shape)) {
        QString text = tr("%1, radius %2, centre at %3")
                           .arg(mediumName(c->material), millimetres(c->radius), point(c->centre));
        text += lineValue(r.focalLengths, tr("focal length from the centre"));
        if (r.rainbowAngles && r.rainbowAngles->d)
            text += tr(", rainbow at %1 (d line)").arg(degrees(*r.rainbowAngles->d));
        return text;
    }
    if (const auto* s = std::get_if<BeamSplitter>(&shape))
        return tr("reflects %1 %, %2").arg(spoken(100.0 * s->reflectance), ends(s->from, s->to));
    if (const auto* k = std::get_if<Blocker>(&shape))
        return ends(k->from, k->to);
    if (const auto* d = std::get_if<Detector>(&shape))
        return detectorText(*d, detector);
    return {};
}

QString BenchText::traceStatus(const Scene& scene, const TraceCounts& c, std::size_t pendingPaths)
{
    // One of a thing is said in the singular; the counts keep the locale's digit grouping.
    const auto n = [](std::int64_t value) {
        return static_cast<int>(std::min<std::int64_t>(value, INT_MAX));
    };
    const QString paths = c.paths == 1 ? tr("1 path") : tr("%Ln paths", nullptr, n(c.paths));
    const QString segments =
        c.segments == 1 ? tr("1 segment") : tr("%Ln segments", nullptr, n(c.segments));
    const QString text = tr("%1, %2").arg(paths, segments);
    if (pendingPaths > 0) {
        const auto pending = static_cast<std::int64_t>(pendingPaths);
        return (pending == 1 ? tr("Tracing: %1; 1 path still to trace")
                             : tr("Tracing: %1; %Ln paths still to trace", nullptr, n(pending)))
            .arg(text);
    }
    if (c.paths == 0)
        return tr("No light: add a ray, a beam or a point source");
    QStringList cuts;
    if (c.cutInteractions > 0)
        cuts << (c.cutInteractions == 1
                     ? tr("1 path stopped after %1 interactions")
                     : tr("%Ln paths stopped after %1 interactions", nullptr, n(c.cutInteractions)))
                    .arg(count(scene.maxInteractions));
    if (c.cutIntensity > 0)
        cuts << (c.cutIntensity == 1
                     ? tr("1 part fainter than %1 not traced on")
                     : tr("%Ln parts fainter than %1 not traced on", nullptr, n(c.cutIntensity)))
                    .arg(spoken(scene.minIntensity));
    if (c.cutSegments > 0)
        cuts << (c.cutSegments == 1
                     ? tr("1 path cut at the limit of %1 segments")
                     : tr("%Ln paths cut at the limit of %1 segments", nullptr, n(c.cutSegments)))
                    .arg(count(scene.maxSegments));
    if (cuts.isEmpty())
        return tr("%1; every path traced to its end").arg(text);
    return tr("%1; %2").arg(text, cuts.join(tr("; ")));
}

} // namespace lumenary::bench
