#include "prism_spectrum_window.h"

#include "controls.h"
#include "dispersion.h"
#include "explore_access.h"
#include "export_actions.h"
#include "picture_choice.h"
#include "prism_spectrum_views.h"
#include "window_frame.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace lumenary
{

namespace
{

const QString kNoMinimum = QStringLiteral("none in 0\u00b0\u201389\u00b0");

// Sliders move in tenths of a degree.
constexpr int kTenths = 10;

// A number with a fixed count of decimals and the user's decimal point; never "-0".
QString fixed(double value, int decimals)
{
    QString text = QString::number(value + 0.0, 'f', decimals);
    if (text.startsWith(QLatin1Char('-')) && text.count(QLatin1Char('0')) == text.size() - 2)
        text.remove(0, 1);
    return text.replace(QLatin1Char('.'), QLatin1Char(decimalPoint()));
}

QString degrees(double value)
{
    return fixed(value, 4) + QStringLiteral("\u00b0");
}

QString degrees(const std::optional<double>& value)
{
    return value ? degrees(*value) : QStringLiteral("totally reflected");
}

QSlider* angleSlider(const char* name, double low, double high, double start, const QString& tip)
{
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(QLatin1String(name));
    slider->setRange(static_cast<int>(low * kTenths), static_cast<int>(high * kTenths));
    slider->setSingleStep(1);
    slider->setPageStep(5 * kTenths);
    slider->setValue(static_cast<int>(start * kTenths));
    slider->setTracking(true);
    slider->setToolTip(tip);
    return slider;
}

// A caption beside its control; the control is named for assistive technology by the caption.
void addRow(QFormLayout* form, const QString& caption, QWidget* control)
{
    auto* label = new QLabel(caption + QLatin1Char(':'));
    label->setBuddy(control);
    control->setAccessibleName(caption);
    form->addRow(label, control);
}

// A read-out: a label whose caption names it in the copied values, and which tells assistive
// technology "caption: value" (a new name is announced).
QLabel* readoutLabel(const char* name, const QString& caption)
{
    auto* value = new QLabel;
    value->setObjectName(QLatin1String(name));
    value->setProperty("caption", caption);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return value;
}

void writeReadout(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setAccessibleName(label->property("caption").toString() + QStringLiteral(": ") + text);
}

// A slider with its value shown beside it, as a read-out named by caption.
QWidget* sliderWithValue(QSlider* slider, QLabel** value, const char* name, const QString& caption)
{
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(slider, 1);
    *value = readoutLabel(name, caption);
    (*value)->setFixedWidth(
        (*value)->fontMetrics().horizontalAdvance(QStringLiteral("000.00\u00b0")) + 12);
    row->addWidget(*value);
    return box;
}

} // namespace

PrismSpectrumWindow::PrismSpectrumWindow(QWidget* parent)
    : LabWindow(QStringLiteral("PrismSpectrum"), QStringLiteral("Prism Spectrum"), parent)
{
    growWithFrame(this, {1180, 760});

    m_picture = new SpectrumPicture;
    m_picture->setObjectName(QStringLiteral("pictureView"));
    m_picture->setAccessibleName(QStringLiteral("White light through the prism"));
    makeFocusablePicture(m_picture);
    m_chart = new PrismDeviationChart;
    m_chart->setObjectName(QStringLiteral("deviationChart"));
    m_chart->setAccessibleName(QStringLiteral("Deviation against the angle of incidence"));
    makeFocusablePicture(m_chart);

    auto* side = new QVBoxLayout;
    side->addWidget(buildControls());
    side->addWidget(buildReadouts());
    side->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("closeButton"));
    close->setToolTip(QStringLiteral("Hide this window (Esc)"));
    side->addWidget(close, 0, Qt::AlignRight);

    auto* views = new QVBoxLayout;
    views->addWidget(m_picture, 3);
    views->addWidget(m_chart, 2);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(side, 0);
    layout->addLayout(views, 1);

    // Reading order: the settings column top to bottom, then the pictures, then Close.
    m_tabChain = {m_material, m_apex, m_incidence, m_count, m_beam, m_picture, m_chart, close};

    connect(m_material, &QComboBox::currentIndexChanged, this, &PrismSpectrumWindow::refresh);
    connect(m_apex, &QSlider::valueChanged, this, &PrismSpectrumWindow::refresh);
    connect(m_incidence, &QSlider::valueChanged, this, &PrismSpectrumWindow::refresh);
    connect(m_count, &QSpinBox::valueChanged, this, &PrismSpectrumWindow::refresh);
    connect(m_beam, &QComboBox::currentIndexChanged, this, &PrismSpectrumWindow::refresh);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::hide);
    refresh();

    auto pictures = std::make_unique<PictureChoice>();
    pictures->add(m_picture,
                  [this](QPainter& p, const QRectF& at) { m_picture->paintPicture(p, at); });
    pictures->add(m_chart, [this](QPainter& p, const QRectF& at) { m_chart->paintPicture(p, at); });
    installExportActions(this, std::move(pictures));
}

void PrismSpectrumWindow::showEvent(QShowEvent* event)
{
    const bool first = !m_shown;
    LabWindow::showEvent(event);
    if (first) {
        m_shown = true;
        setTabChain(m_tabChain);
        m_material->setFocus(Qt::OtherFocusReason);
    }
}

QWidget* PrismSpectrumWindow::buildControls()
{
    const PrismSpectrumSettings start;
    auto* group = new QGroupBox(QStringLiteral("Prism and light"));
    auto* form = new QFormLayout(group);

    m_material = new QComboBox;
    m_material->setObjectName(QStringLiteral("materialList"));
    for (const auto& m : dispersiveMaterials())
        m_material->addItem(
            QString::fromUtf8(m.name.data(), static_cast<qsizetype>(m.name.size())));
    m_material->setCurrentIndex(static_cast<int>(start.material));
    m_material->setToolTip(QStringLiteral("The prism's material, with its measured dispersion"));
    addRow(form, QStringLiteral("Material"), m_material);

    m_apex = angleSlider("apexSlider", kSpectrumApexMin, kSpectrumApexMax, start.apex,
                         QStringLiteral("The angle between the two faces the light crosses"));
    addRow(form, QStringLiteral("Apex angle (\u00b0)"),
           sliderWithValue(m_apex, &m_apexValue, "apexValue", QStringLiteral("Apex angle")));
    m_apex->setAccessibleName(QStringLiteral("Apex angle (\u00b0)"));

    m_incidence = angleSlider("incidenceSlider", 0.0, kSpectrumIncidenceMax, start.incidence,
                              QStringLiteral("The angle between the incoming light and the normal "
                                             "to the first face"));
    addRow(form, QStringLiteral("Angle of incidence (\u00b0)"),
           sliderWithValue(m_incidence, &m_incidenceValue, "incidenceValue",
                           QStringLiteral("Angle of incidence")));
    m_incidence->setAccessibleName(QStringLiteral("Angle of incidence (\u00b0)"));

    m_count = new QSpinBox;
    m_count->setObjectName(QStringLiteral("countSpin"));
    m_count->setRange(kMinWavelengths, kMaxWavelengths);
    m_count->setValue(start.wavelengths);
    m_count->setToolTip(QStringLiteral("How many wavelengths, spread evenly from 400 to 700 nm"));
    addRow(form, QStringLiteral("Wavelengths (400\u2013700 nm)"), m_count);

    m_beam = new QComboBox;
    m_beam->setObjectName(QStringLiteral("beamList"));
    m_beam->addItem(QStringLiteral("A single ray"));
    m_beam->addItem(QStringLiteral("A narrow parallel beam"));
    m_beam->setToolTip(QStringLiteral("One ray, or a narrow beam of parallel rays"));
    addRow(form, QStringLiteral("Beam width"), m_beam);
    return group;
}

QLabel* PrismSpectrumWindow::addReadout(QFormLayout* form, const char* name, const QString& caption)
{
    auto* value = readoutLabel(name, caption);
    // Wide enough for the longest text, so that the layout keeps still as values change.
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(kNoMinimum) + 4);
    form->addRow(new QLabel(caption + QLatin1Char(':')), value);
    return value;
}

QWidget* PrismSpectrumWindow::buildReadouts()
{
    auto* group = new QGroupBox(QStringLiteral("Read-outs"));
    auto* form = new QFormLayout(group);
    m_indexD = addReadout(form, "indexD", QStringLiteral("Index n_d (587.56 nm)"));
    m_indexF = addReadout(form, "indexF", QStringLiteral("Index n_F (486.13 nm)"));
    m_indexC = addReadout(form, "indexC", QStringLiteral("Index n_C (656.27 nm)"));
    m_abbe = addReadout(form, "abbeNumber", QStringLiteral("Abbe number V_d"));
    m_deviationD = addReadout(form, "deviationD", QStringLiteral("Deviation (d line)"));
    m_deviationF = addReadout(form, "deviationF", QStringLiteral("Deviation (F line)"));
    m_deviationC = addReadout(form, "deviationC", QStringLiteral("Deviation (C line)"));
    m_spread = addReadout(form, "spreadFC", QStringLiteral("Spread \u03b4_F \u2212 \u03b4_C"));
    m_minimum = addReadout(form, "minimumDeviation", QStringLiteral("Minimum deviation (d line)"));
    m_minimumIncidence =
        addReadout(form, "minimumIncidence", QStringLiteral("Incidence at the minimum (d line)"));
    m_measured = addReadout(form, "measuredIndex",
                            QStringLiteral("Spectrometer n = sin((A + \u03b4_min)/2) / sin(A/2)"));
    m_measured->setToolTip(
        QStringLiteral("The index a spectrometer finds from the apex angle and the minimum "
                       "deviation of the d line"));
    return group;
}

PrismSpectrumSettings PrismSpectrumWindow::settings() const
{
    PrismSpectrumSettings s;
    s.material = static_cast<std::size_t>(std::max(m_material->currentIndex(), 0));
    s.apex = m_apex->value() / static_cast<double>(kTenths);
    s.incidence = m_incidence->value() / static_cast<double>(kTenths);
    s.wavelengths = m_count->value();
    s.beam = m_beam->currentIndex() == 1 ? BeamWidth::NarrowBeam : BeamWidth::SingleRay;
    return withinRange(s);
}

void PrismSpectrumWindow::refresh()
{
    const PrismSpectrumSettings s = settings();
    const QString apex = fixed(s.apex, 1) + QStringLiteral("\u00b0");
    const QString incidence = fixed(s.incidence, 1) + QStringLiteral("\u00b0");
    writeReadout(m_apexValue, apex);
    writeReadout(m_incidenceValue, incidence);
    // The sliders step in tenths; copied values give their angles.
    m_apex->setProperty("valueText", apex);
    m_incidence->setProperty("valueText", incidence);
    const PrismSpectrumReadings r = prismSpectrumReadings(s);
    m_picture->setScene(traceSpectrum(s));
    m_chart->setCurves(deviationCurves(s, 180), s.incidence);
    writeReadouts(r);
    describePictures(r);
}

void PrismSpectrumWindow::writeReadouts(const PrismSpectrumReadings& r)
{
    const auto write = [](QLabel* label, const QString& text) { writeReadout(label, text); };
    write(m_indexD, fixed(r.indexD, 5));
    write(m_indexF, fixed(r.indexF, 5));
    write(m_indexC, fixed(r.indexC, 5));
    write(m_abbe, fixed(r.abbe, 2));
    write(m_deviationD, degrees(r.deviationD));
    write(m_deviationF, degrees(r.deviationF));
    write(m_deviationC, degrees(r.deviationC));
    write(m_spread, r.spreadFC ? degrees(*r.spreadFC) : QStringLiteral("none"));
    write(m_minimum, r.minimumD ? degrees(r.minimumD->deviation) : kNoMinimum);
    write(m_minimumIncidence, r.minimumD ? degrees(r.minimumD->incidence) : kNoMinimum);
    write(m_measured, r.measuredIndex ? fixed(*r.measuredIndex, 5) : QStringLiteral("none"));
}

void PrismSpectrumWindow::describePictures(const PrismSpectrumReadings& r)
{
    const PrismSpectrumSettings s = settings();
    const PrismScene& scene = m_picture->scene();
    QString text = QStringLiteral("A %1 prism of %2 with white light at %3 incidence, split into "
                                  "%4 colours from 400 to 700 nm. ")
                       .arg(degrees(s.apex), m_material->currentText(), degrees(s.incidence))
                       .arg(s.wavelengths);
    if (scene.reflectedColours == s.wavelengths)
        text += QStringLiteral("Every colour is totally reflected at the second face.");
    else if (scene.reflectedColours > 0)
        text += QStringLiteral("%1 colours, from violet on, are totally reflected inside; the "
                               "rest leave, red deviated least.")
                    .arg(scene.reflectedColours);
    else
        text += QStringLiteral("Every colour leaves the prism, violet deviated most, red least.");
    m_picture->setAccessibleDescription(text);
    QString chart = QStringLiteral("Deviation of the F, d and C lines from 0\u00b0 to 89\u00b0 "
                                   "incidence. ");
    if (r.minimumD)
        chart += QStringLiteral("The d line's minimum is %1 at %2 incidence.")
                     .arg(degrees(r.minimumD->deviation), degrees(r.minimumD->incidence));
    else
        chart += QStringLiteral("The d line has no minimum in that range.");
    m_chart->setAccessibleDescription(chart);
}

QWidget* createPrismSpectrumWindow()
{
    return new PrismSpectrumWindow;
}

} // namespace lumenary
