#include "settings_panel.h"

#include "bench_document.h"
#include "bench_text.h"
#include "modern_window.h"
#include "property_fields.h"
#include "scene_limits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace lumenary::bench
{

namespace
{

void addRow(QFormLayout* form, const QString& caption, QWidget* control)
{
    auto* label = new QLabel(ModernWindow::labelText(caption));
    label->setBuddy(control);
    control->setAccessibleName(caption);
    form->addRow(label, control);
}

QSpinBox* wholeSpin(const char* name, int max, const QString& tip)
{
    auto* spin = new QSpinBox;
    spin->setObjectName(QLatin1String(name));
    spin->setRange(1, max);
    spin->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    spin->setAccelerated(true);
    spin->setToolTip(tip);
    return spin;
}

} // namespace

SettingsPanel::SettingsPanel(BenchDocument& document, QWidget* parent)
    : QWidget(parent), m_document(document)
{
    setObjectName(QStringLiteral("sceneSettings"));
    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_surroundings = mediumList();
    m_surroundings->setObjectName(QStringLiteral("surroundingsList"));
    m_surroundings->setToolTip(tr("What fills the space between the elements"));
    addRow(form, BenchText::keyCaption(QStringLiteral("surroundings")), m_surroundings);
    m_index = indexSpin();
    m_index->setObjectName(QStringLiteral("surroundingsIndex"));
    addRow(form, tr("Surroundings' fixed index"), m_index);
    m_fresnel = new QCheckBox(tr("Glass surfaces also reflect (Fresnel)"));
    m_fresnel->setObjectName(QStringLiteral("fresnelCheck"));
    m_fresnel->setToolTip(tr("Trace the share of light each glass surface reflects as well as "
                             "the light it lets through; the brightness of a ray shows its "
                             "intensity"));
    form->addRow(m_fresnel);
    m_minIntensity = new QDoubleSpinBox;
    m_minIntensity->setObjectName(QStringLiteral("minIntensity"));
    m_minIntensity->setDecimals(6);
    m_minIntensity->setRange(0.0, 1.0);
    m_minIntensity->setSingleStep(0.001);
    m_minIntensity->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    m_minIntensity->setToolTip(tr("A part of a ray fainter than this is not traced on (from 0 "
                                  "to 1; each ray starts at 1)"));
    addRow(form, BenchText::keyCaption(QStringLiteral("min_intensity")), m_minIntensity);
    m_maxInteractions =
        wholeSpin("maxInteractions", int(kMaxInteractionsLimit),
                  tr("Surfaces a path may meet before it is stopped (1 to 10000000)"));
    addRow(form, BenchText::keyCaption(QStringLiteral("max_interactions")), m_maxInteractions);
    m_maxSegments = wholeSpin("maxSegments", int(kMaxSegmentsLimit),
                              tr("Straight pieces the whole trace may hold (1 to 4000000)"));
    addRow(form, BenchText::keyCaption(QStringLiteral("max_segments")), m_maxSegments);

    connect(m_surroundings, &QComboBox::currentIndexChanged, this,
            [this] { apply(QStringLiteral("surroundings")); });
    connect(m_index, &QDoubleSpinBox::valueChanged, this,
            [this] { apply(QStringLiteral("surroundings")); });
    connect(m_fresnel, &QCheckBox::toggled, this, [this] { apply(QStringLiteral("fresnel")); });
    connect(m_minIntensity, &QDoubleSpinBox::valueChanged, this,
            [this] { apply(QStringLiteral("min_intensity")); });
    connect(m_maxInteractions, &QSpinBox::valueChanged, this,
            [this] { apply(QStringLiteral("max_interactions")); });
    connect(m_maxSegments, &QSpinBox::valueChanged, this,
            [this] { apply(QStringLiteral("max_segments")); });
    connect(&m_document, &BenchDocument::sceneChanged, this, &SettingsPanel::refill);
    refill();
}

QList<QWidget*> SettingsPanel::controls() const
{
    return {m_surroundings, m_index, m_fresnel, m_minIntensity, m_maxInteractions, m_maxSegments};
}

void SettingsPanel::refill()
{
    if (m_filling)
        return;
    const Scene& scene = m_document.scene();
    m_filling = true;
    const QSignalBlocker a(m_surroundings), b(m_index), c(m_fresnel), d(m_minIntensity),
        e(m_maxInteractions), f(m_maxSegments);
    if (!m_index->hasFocus())
        showMedium(m_surroundings, m_index, scene.surroundings);
    m_fresnel->setChecked(scene.fresnel);
    if (!m_minIntensity->hasFocus())
        m_minIntensity->setValue(scene.minIntensity);
    if (!m_maxInteractions->hasFocus())
        m_maxInteractions->setValue(int(scene.maxInteractions));
    if (!m_maxSegments->hasFocus())
        m_maxSegments->setValue(int(scene.maxSegments));
    m_filling = false;
}

void SettingsPanel::apply(const QString& key)
{
    if (m_filling)
        return;
    SceneSettings s = settingsOf(m_document.scene());
    s.surroundings = mediumShown(m_surroundings, m_index);
    m_index->setEnabled(!s.surroundings.material);
    s.fresnel = m_fresnel->isChecked();
    s.minIntensity = m_minIntensity->value();
    s.maxInteractions = m_maxInteractions->value();
    s.maxSegments = m_maxSegments->value();
    const QString what =
        key == QLatin1String("fresnel")
            ? (s.fresnel ? tr("Turn Fresnel reflection on") : tr("Turn Fresnel reflection off"))
            : tr("Change %1").arg(BenchText::keyCaption(key));
    m_filling = true;
    m_document.setSettings(s, what, key == QLatin1String("fresnel") ? QString() : key);
    m_filling = false;
}

} // namespace lumenary::bench
