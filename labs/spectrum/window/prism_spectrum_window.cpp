#include "prism_spectrum_window.h"

#include "dispersion.h"
#include "export_actions.h"
#include "fine_slider.h"
#include "picture_choice.h"
#include "prism_spectrum_views.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace lumenary
{

namespace
{

// The minimum's read-out where the d line has none in the chart's range.
QString noMinimum()
{
    return PrismSpectrumWindow::tr("none in 0\u00b0–89\u00b0");
}

// Sliders move in tenths of a degree.
constexpr int kTenths = 10;

QString degrees(double value)
{
    return fixedText(value, 4) + QStringLiteral("\u00b0");
}

QString degrees(const std::optional<double>& value)
{
    return value ? degrees(*value) : PrismSpectrumWindow::tr("totally reflected");
}

FineSlider* angleSlider(const char* name, double low, double high, double start, const QString& tip)
{
    auto* slider = new FineSlider(name, low, high, start, kTenths);
    slider->setPageStep(5 * kTenths);
    slider->setToolTip(tip);
    slider->setShownAs(1, QStringLiteral("\u00b0"));
    return slider;
}

// A caption beside its control; the control is named for assistive technology by the caption.
void addRow(QFormLayout* form, const QString& caption, QWidget* control)
{
    auto* label = new QLabel(ModernWindow::labelText(caption));
    label->setBuddy(control);
    control->setAccessibleName(caption);
    form->addRow(label, control);
}

} // namespace

PrismSpectrumWindow::PrismSpectrumWindow(QWidget* parent)
    : ModernWindow(QStringLiteral("PrismSpectrum"), tr("Prism Spectrum"), {1180, 760}, parent)
{
    m_picture = new SpectrumPicture;
    m_picture->setObjectName(QStringLiteral("pictureView"));
    m_picture->setAccessibleName(tr("White light through the prism"));
    makeFocusablePicture(m_picture);
    m_chart = new PrismDeviationChart;
    m_chart->setObjectName(QStringLiteral("deviationChart"));
    m_chart->setAccessibleName(tr("Deviation against the angle of incidence"));
    makeFocusablePicture(m_chart);

    auto* side = new QVBoxLayout;
    side->addWidget(buildControls());
    side->addWidget(buildReadouts());
    side->addStretch(1);
    QPushButton* close = closeButton(tr("Hide this window (Esc)"));
    side->addWidget(close, 0, Qt::AlignRight);

    auto* views = new QVBoxLayout;
    views->addWidget(m_picture, 3);
    views->addWidget(m_chart, 2);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(side, 0);
    layout->addLayout(views, 1);

    // Reading order: the settings column top to bottom, then the pictures, then Close.
    setTabChain({m_material, m_apex, m_incidence, m_count, m_beam, m_picture, m_chart, close});
    refreshOn({m_material, m_apex, m_incidence, m_count, m_beam});
    refresh();

    auto pictures = std::make_unique<PictureChoice>();
    pictures->add(m_picture,
                  [this](QPainter& p, const QRectF& at) { m_picture->paintPicture(p, at); });
    pictures->add(m_chart, [this](QPainter& p, const QRectF& at) { m_chart->paintPicture(p, at); });
    installExportActions(this, std::move(pictures));
}

QWidget* PrismSpectrumWindow::buildControls()
{
    const PrismSpectrumSettings start;
    auto* group = new QGroupBox(tr("Prism and light"));
    auto* form = new QFormLayout(group);

    m_material = new QComboBox;
    m_material->setObjectName(QStringLiteral("materialList"));
    for (const auto& m : dispersiveMaterials())
        m_material->addItem(materialName(m));
    m_material->setCurrentIndex(static_cast<int>(start.material));
    m_material->setToolTip(tr("The prism's material, with its measured dispersion"));
    addRow(form, tr("Material"), m_material);

    m_apex = angleSlider("apexSlider", kSpectrumApexMin, kSpectrumApexMax, start.apex,
                         tr("The angle between the two faces the light crosses"));
    // Captioned without the unit: the value beside the slider says it ("65.0°").
    addRow(form, tr("Apex angle"),
           sliderWithValue(m_apex, &m_apexValue, "apexValue", tr("Apex angle")));
    m_apex->setAccessibleName(tr("Apex angle"));

    m_incidence = angleSlider("incidenceSlider", 0.0, kSpectrumIncidenceMax, start.incidence,
                              tr("The angle between the incoming light and the normal "
                                 "to the first face"));
    addRow(form, tr("Angle of incidence"),
           sliderWithValue(m_incidence, &m_incidenceValue, "incidenceValue",
                           tr("Angle of incidence")));
    m_incidence->setAccessibleName(tr("Angle of incidence"));

    m_count = new QSpinBox;
    m_count->setObjectName(QStringLiteral("countSpin"));
    m_count->setRange(kMinWavelengths, kMaxWavelengths);
    m_count->setValue(start.wavelengths);
    m_count->setToolTip(tr("How many wavelengths, spread evenly from 400 to 700 nm"));
    addRow(form, tr("Wavelengths (400–700 nm)"), m_count);

    m_beam = new QComboBox;
    m_beam->setObjectName(QStringLiteral("beamList"));
    m_beam->addItem(tr("A single ray"));
    m_beam->addItem(tr("A narrow parallel beam"));
    m_beam->setToolTip(tr("One ray, or a narrow beam of parallel rays"));
    addRow(form, tr("Beam width"), m_beam);
    return group;
}

// A slider with its value shown beside it, as a read-out named by caption.
QWidget* PrismSpectrumWindow::sliderWithValue(FineSlider* slider, Readout** value, const char* name,
                                              const QString& caption)
{
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(slider, 1);
    *value = addReadout(row, name, caption, ReadoutLook::Label);
    QWidget* shown = (*value)->widget();
    shown->setFixedWidth(shown->fontMetrics().horizontalAdvance(QStringLiteral("000.00\u00b0")) +
                         12);
    return box;
}

Readout* PrismSpectrumWindow::addReadoutRow(QFormLayout* form, const char* name,
                                            const QString& caption)
{
    Readout* value = addReadout(form, name, caption, ReadoutLook::Label);
    // Wide enough for the longest text, so that the layout keeps still as values change.
    QWidget* shown = value->widget();
    shown->setMinimumWidth(shown->fontMetrics().horizontalAdvance(noMinimum()) + 4);
    return value;
}

QWidget* PrismSpectrumWindow::buildReadouts()
{
    auto* group = new QGroupBox(tr("Read-outs"));
    auto* form = new QFormLayout(group);
    m_indexD = addReadoutRow(form, "indexD", tr("Index n_d (587.56 nm)"));
    m_indexF = addReadoutRow(form, "indexF", tr("Index n_F (486.13 nm)"));
    m_indexC = addReadoutRow(form, "indexC", tr("Index n_C (656.27 nm)"));
    m_abbe = addReadoutRow(form, "abbeNumber", tr("Abbe number V_d"));
    m_deviationD = addReadoutRow(form, "deviationD", tr("Deviation (d line)"));
    m_deviationF = addReadoutRow(form, "deviationF", tr("Deviation (F line)"));
    m_deviationC = addReadoutRow(form, "deviationC", tr("Deviation (C line)"));
    m_spread = addReadoutRow(form, "spreadFC", tr("Spread \u03b4_F \u2212 \u03b4_C"));
    m_minimum = addReadoutRow(form, "minimumDeviation", tr("Minimum deviation (d line)"));
    m_minimumIncidence =
        addReadoutRow(form, "minimumIncidence", tr("Incidence at the minimum (d line)"));
    m_measured = addReadoutRow(form, "measuredIndex",
                               tr("Spectrometer n = sin((A + \u03b4_min)/2) / sin(A/2)"));
    m_measured->explain(tr("The index a spectrometer finds from the apex angle and the minimum "
                           "deviation of the d line"));
    return group;
}

PrismSpectrumSettings PrismSpectrumWindow::settings() const
{
    PrismSpectrumSettings s;
    s.material = static_cast<std::size_t>(std::max(m_material->currentIndex(), 0));
    s.apex = m_apex->unitValue();
    s.incidence = m_incidence->unitValue();
    s.wavelengths = m_count->value();
    s.beam = m_beam->currentIndex() == 1 ? BeamWidth::NarrowBeam : BeamWidth::SingleRay;
    return withinRange(s);
}

void PrismSpectrumWindow::refresh()
{
    const PrismSpectrumSettings s = settings();
    m_apexValue->write(m_apex->shownValue());
    m_incidenceValue->write(m_incidence->shownValue());
    const PrismSpectrumReadings r = prismSpectrumReadings(s);
    m_picture->setScene(traceSpectrum(s));
    // The curves follow the material and the apex only: a new incidence moves the marks.
    if (!m_curvesFor || m_curvesFor->material != s.material || m_curvesFor->apex != s.apex) {
        m_curves = deviationCurves(s, 180);
        m_curvesFor = s;
    } else {
        for (DeviationCurve& c : m_curves)
            c.present = prismDeviation(prismIndex(s, c.nanometres), s.apex, s.incidence);
    }
    m_chart->setCurves(m_curves, s.incidence);
    writeReadouts(r);
    describePictures(r);
}

void PrismSpectrumWindow::writeReadouts(const PrismSpectrumReadings& r)
{
    m_indexD->write(fixedText(r.indexD, 5));
    m_indexF->write(fixedText(r.indexF, 5));
    m_indexC->write(fixedText(r.indexC, 5));
    m_abbe->write(fixedText(r.abbe, 2));
    m_deviationD->write(degrees(r.deviationD));
    m_deviationF->write(degrees(r.deviationF));
    m_deviationC->write(degrees(r.deviationC));
    m_spread->write(r.spreadFC ? degrees(*r.spreadFC) : tr("none"));
    m_minimum->write(r.minimumD ? degrees(r.minimumD->deviation) : noMinimum());
    m_minimumIncidence->write(r.minimumD ? degrees(r.minimumD->incidence) : noMinimum());
    m_measured->write(r.measuredIndex ? fixedText(*r.measuredIndex, 5) : tr("none"));
}

void PrismSpectrumWindow::describePictures(const PrismSpectrumReadings& r)
{
    const PrismSpectrumSettings s = settings();
    const PrismScene& scene = m_picture->scene();
    QString text = tr("A %1 prism of %2 with white light at %3 incidence, split into "
                      "%4 colours from 400 to 700 nm. ")
                       .arg(degrees(s.apex), m_material->currentText(), degrees(s.incidence))
                       .arg(s.wavelengths);
    if (scene.reflectedColours == s.wavelengths)
        text += tr("Every colour is totally reflected at the second face.");
    else if (scene.reflectedColours > 0)
        text += tr("%1 colours, from violet on, are totally reflected inside; the "
                   "rest leave, red deviated least.")
                    .arg(scene.reflectedColours);
    else
        text += tr("Every colour leaves the prism, violet deviated most, red least.");
    m_picture->setAccessibleDescription(text);
    QString chart = tr("Deviation of the F, d and C lines from 0\u00b0 to 89\u00b0 "
                       "incidence. ");
    if (r.minimumD)
        chart += tr("The d line's minimum is %1 at %2 incidence.")
                     .arg(degrees(r.minimumD->deviation), degrees(r.minimumD->incidence));
    else
        chart += tr("The d line has no minimum in that range.");
    m_chart->setAccessibleDescription(chart);
}

QWidget* createPrismSpectrumWindow()
{
    return new PrismSpectrumWindow;
}

} // namespace lumenary
