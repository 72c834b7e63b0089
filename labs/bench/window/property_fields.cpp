#include "property_fields.h"

#include "bench_text.h"
#include "scene_limits.h"

#include <QComboBox>
#include <QDoubleSpinBox>

namespace lumenary::bench
{

namespace
{

struct KindLimits {
    double min;
    double max;
    int decimals;
    double step;
};

KindLimits limitsOf(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Coordinate:
        return {-kMaxCoordinate, kMaxCoordinate, 3, 1.0};
    case FieldKind::Length:
        return {0.001, kMaxCoordinate, 3, 1.0};
    case FieldKind::Width:
        return {0.0, kMaxCoordinate, 3, 1.0};
    case FieldKind::Signed:
        return {-kMaxCoordinate, kMaxCoordinate, 3, 1.0};
    case FieldKind::Angle:
        return {-kMaxAngle, kMaxAngle, 2, 1.0};
    case FieldKind::Rays:
        return {1.0, double(kMaxPaths), 0, 1.0};
    case FieldKind::Reflectance:
        return {0.0, 1.0, 3, 0.05};
    }
    return {0.0, 1.0, 3, 1.0};
}

// The index the list's row for a fixed index stands at: after the table's materials.
int fixedRow()
{
    return static_cast<int>(dispersiveMaterials().size());
}

} // namespace

std::vector<NumberSpec> numberSpecs(ElementType type)
{
    using enum FieldKind;
    switch (type) {
    case ElementType::Ray:
        return {{"from", 2, Coordinate}, {"direction", 1, Angle}};
    case ElementType::Beam:
        return {{"from", 2, Coordinate},
                {"direction", 1, Angle},
                {"width", 1, Width},
                {"rays", 1, Rays}};
    case ElementType::Point:
        return {{"at", 2, Coordinate},
                {"rays", 1, Rays},
                {"from_angle", 1, Angle},
                {"to_angle", 1, Angle}};
    case ElementType::IdealLens:
        return {{"at", 2, Coordinate},
                {"axis", 1, Angle},
                {"aperture", 1, Length},
                {"focal_length", 1, Signed}};
    case ElementType::SphericalLens:
        return {{"at", 2, Coordinate},    {"axis", 1, Angle}, {"aperture", 1, Length},
                {"thickness", 1, Length}, {"r1", 1, Signed},  {"r2", 1, Signed}};
    case ElementType::ArcMirror:
        return {{"from", 2, Coordinate}, {"to", 2, Coordinate}, {"radius", 1, Signed}};
    case ElementType::ParabolicMirror:
        return {{"vertex", 2, Coordinate},
                {"axis", 1, Angle},
                {"focal_length", 1, Length},
                {"aperture", 1, Length}};
    case ElementType::Glass:
        return {};
    case ElementType::Circle:
        return {{"centre", 2, Coordinate}, {"radius", 1, Length}};
    case ElementType::BeamSplitter:
        return {{"from", 2, Coordinate}, {"to", 2, Coordinate}, {"reflectance", 1, Reflectance}};
    case ElementType::Mirror:
    case ElementType::Blocker:
    case ElementType::Detector:
        return {{"from", 2, Coordinate}, {"to", 2, Coordinate}};
    }
    return {};
}

QString FieldText::unit(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Coordinate:
    case FieldKind::Length:
    case FieldKind::Width:
    case FieldKind::Signed:
        return tr(" mm");
    case FieldKind::Angle:
        return tr("°");
    case FieldKind::Rays:
    case FieldKind::Reflectance:
        return {};
    }
    return {};
}

QString FieldText::range(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Coordinate:
    case FieldKind::Signed:
        return tr("from -1000000 to 1000000 mm");
    case FieldKind::Length:
        return tr("from 0.001 to 1000000 mm");
    case FieldKind::Width:
        return tr("from 0 to 1000000 mm");
    case FieldKind::Angle:
        return tr("from -1000000° to 1000000°");
    case FieldKind::Rays:
        return tr("a whole number from 1 to 250000");
    case FieldKind::Reflectance:
        return tr("from 0 to 1");
    }
    return {};
}

QDoubleSpinBox* numberSpin(FieldKind kind, QWidget* parent)
{
    const KindLimits l = limitsOf(kind);
    auto* spin = new QDoubleSpinBox(parent);
    spin->setDecimals(l.decimals);
    spin->setRange(l.min, l.max);
    spin->setSingleStep(l.step);
    spin->setSuffix(FieldText::unit(kind));
    spin->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    spin->setAccelerated(true);
    spin->setToolTip(FieldText::range(kind));
    return spin;
}

QDoubleSpinBox* indexSpin(QWidget* parent)
{
    auto* spin = new QDoubleSpinBox(parent);
    spin->setDecimals(4);
    spin->setRange(kMinIndex, kMaxIndex);
    spin->setSingleStep(0.01);
    spin->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    spin->setToolTip(FieldText::tr("A fixed refractive index, from 1 to 10"));
    return spin;
}

QComboBox* mediumList(QWidget* parent)
{
    auto* list = new QComboBox(parent);
    for (const SellmeierMaterial& m : dispersiveMaterials())
        list->addItem(BenchText::mediumName(Medium{&m, 1.0}));
    list->addItem(FieldText::tr("Fixed index"));
    list->setToolTip(FieldText::tr("A measured material, whose index follows the wavelength, or "
                                   "a fixed index"));
    return list;
}

void showMedium(QComboBox* list, QDoubleSpinBox* index, const Medium& medium)
{
    const auto table = dispersiveMaterials();
    int row = fixedRow();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (medium.material == &table[i])
            row = static_cast<int>(i);
    list->setCurrentIndex(row);
    index->setValue(medium.material ? 1.5 : medium.index);
    index->setEnabled(!medium.material);
}

Medium mediumShown(const QComboBox* list, const QDoubleSpinBox* index)
{
    const auto table = dispersiveMaterials();
    const int row = list->currentIndex();
    if (row >= 0 && std::size_t(row) < table.size())
        return Medium{&table[std::size_t(row)], 1.0};
    return Medium{nullptr, index->value()};
}

} // namespace lumenary::bench
