#include "boundary_window.h"

#include "boundary_chart.h"
#include "boundary_media.h"
#include "boundary_picture.h"
#include "boundary_text.h"
#include "controls.h"
#include "dispersion.h"
#include "export_actions.h"
#include "fine_slider.h"
#include "picture_choice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumenary
{

using namespace boundary;

namespace
{

// The wavelength in tenths of a nanometre, the angle in tenths of a degree, the speed in tenths
// of a period a second.
constexpr int kTenths = 10;
constexpr double kSlowest = 0.1, kFastest = 2.0, kStartSpeed = 0.5;

// The list positions of the polarisations.
constexpr int kS = 0, kP = 1, kUnpolarised = 2;

QString fromCore(const std::string& text)
{
    return QString::fromStdString(text);
}

QLabel* captionFor(QWidget* control, const QString& caption)
{
    auto* label = new QLabel(caption + QLatin1Char(':'));
    label->setBuddy(control);
    control->setAccessibleName(caption);
    return label;
}

// A read-out field wide enough for its widest expected text, so that the layout keeps still.
void fitReadout(Readout* readout, const QString& widest)
{
    QWidget* w = readout->widget();
    w->setMinimumWidth(w->fontMetrics().horizontalAdvance(widest) + 14);
}

} // namespace

BoundaryWindow::BoundaryWindow(QWidget* parent)
    : ModernWindow(QStringLiteral("Boundary"), tr("Light at a Boundary"), {1180, 760}, parent)
{
    m_picture = new BoundaryPicture;
    m_picture->setObjectName(QStringLiteral("boundaryPicture"));
    m_picture->setAccessibleName(tr("The light at the boundary"));
    m_picture->setToolTip(tr("The incident, reflected and transmitted light, each ray as wide as "
                             "its share; with the wave view, the waves on both sides (Space "
                             "plays or pauses them)"));
    makeFocusablePicture(m_picture);
    m_chart = new BoundaryChart;
    m_chart->setObjectName(QStringLiteral("boundaryChart"));
    m_chart->setAccessibleName(tr("Shares and phases against the angle of incidence"));
    m_chart->setToolTip(
        tr("Above: the shares reflected (solid) and transmitted (dashed) from 0\u00b0 "
           "to 90\u00b0; below: the phases of r_s and r_p. The yellow line is the "
           "present angle"));
    makeFocusablePicture(m_chart);

    auto* side = new QVBoxLayout;
    side->addWidget(buildSettings());
    buildAngleReadouts(readoutGroup(tr("Angles and wavelengths"), side));
    buildAmplitudeReadouts(readoutGroup(tr("Amplitudes"), side));
    side->addStretch(1);
    QPushButton* close = closeButton(tr("Hide this window; it opens again as you left it (Esc)"));
    side->addWidget(close, 0, Qt::AlignRight);

    auto* views = new QHBoxLayout;
    views->addWidget(m_picture, 1);
    views->addWidget(m_chart, 1);
    auto* right = new QVBoxLayout;
    right->addLayout(views, 1);
    auto* shares = new QHBoxLayout;
    QFormLayout* polarised = readoutGroup(tr("Shares of the power"), shares);
    buildShareReadouts(polarised, readoutGroup(tr("Unpolarised light"), shares));
    right->addLayout(shares, 0);
    auto* root = new QHBoxLayout(this);
    root->addLayout(side, 0);
    root->addLayout(right, 1);

    connect(m_play, &QPushButton::clicked, this,
            [this] { m_picture->setPlaying(!m_picture->playing()); });
    connect(m_picture, &BoundaryPicture::playingChanged, this, &BoundaryWindow::showPlaying);
    showPlaying(m_picture->playing());

    // Reading order: the settings column top to bottom with its read-outs, the shares below the
    // pictures, the pictures, Close.
    setTabChain({m_medium1,
                 m_index1->widget(),
                 m_medium2,
                 m_index2->widget(),
                 m_wavelength,
                 m_incidence,
                 m_polarisation,
                 m_waves,
                 m_play,
                 m_speed,
                 m_refraction->widget(),
                 m_brewster->widget(),
                 m_critical->widget(),
                 m_wavelength1->widget(),
                 m_wavelength2->widget(),
                 m_depth->widget(),
                 m_rs->widget(),
                 m_rp->widget(),
                 m_ts->widget(),
                 m_tp->widget(),
                 m_powerRs->widget(),
                 m_powerRp->widget(),
                 m_powerTs->widget(),
                 m_powerTp->widget(),
                 m_reflected->widget(),
                 m_transmitted->widget(),
                 m_sum->widget(),
                 m_picture,
                 m_chart,
                 close});
    refreshOn({m_medium1, m_medium2, m_wavelength, m_incidence, m_polarisation, m_waves, m_speed});
    refresh();

    // Copy, save and print take the picture (a still frame of the waves) or the chart.
    auto pictures = std::make_unique<PictureChoice>();
    pictures->add(m_picture,
                  [this](QPainter& p, const QRectF& at) { m_picture->paintPicture(p, at); });
    pictures->add(m_chart, [this](QPainter& p, const QRectF& at) { m_chart->paintPicture(p, at); });
    installExportActions(this, std::move(pictures));
}

QWidget* BoundaryWindow::mediumWithIndex(QComboBox* list, Readout** index, const char* name,
                                         const QString& caption)
{
    for (int position = 0; position < kMediumCount; ++position) {
        const auto medium = mediumAt(position, 589.3);
        list->addItem(medium ? QString::fromUtf8(medium->listName.data(),
                                                 static_cast<qsizetype>(medium->listName.size()))
                             : QString());
    }
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(list, 1);
    *index = addReadout(row, name, caption);
    fitReadout(*index, QStringLiteral("0.00000"));
    (*index)->widget()->setMaximumWidth((*index)->widget()->minimumWidth());
    (*index)->explain(tr("The index of refraction at the wavelength set"));
    return box;
}

QWidget* BoundaryWindow::sliderWithValue(FineSlider* slider, Readout** value, const char* name,
                                         const QString& caption, const QString& widest)
{
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(slider, 1);
    *value = addReadout(row, name, caption, ReadoutLook::Label);
    QWidget* shown = (*value)->widget();
    shown->setFixedWidth(shown->fontMetrics().horizontalAdvance(widest) + 8);
    return box;
}

QWidget* BoundaryWindow::buildSettings()
{
    const BoundarySettings start;
    auto* group = new QGroupBox(tr("Settings"));
    auto* form = new QFormLayout(group);

    m_medium1 = new QComboBox;
    m_medium1->setObjectName(QStringLiteral("medium1List"));
    m_medium1->setToolTip(tr("The medium the light comes from (above the boundary)"));
    QWidget* first = mediumWithIndex(m_medium1, &m_index1, "index1", tr("Index n\u2081"));
    form->addRow(captionFor(m_medium1, tr("Medium 1")), first);
    m_medium2 = new QComboBox;
    m_medium2->setObjectName(QStringLiteral("medium2List"));
    m_medium2->setToolTip(tr("The medium beyond the boundary (below it)"));
    QWidget* second = mediumWithIndex(m_medium2, &m_index2, "index2", tr("Index n\u2082"));
    form->addRow(captionFor(m_medium2, tr("Medium 2")), second);
    m_medium1->setCurrentIndex(start.medium1);
    m_medium2->setCurrentIndex(start.medium2);

    m_wavelength = new FineSlider("wavelengthSlider", kShortestWavelength, kLongestWavelength,
                                  start.airNanometres, kTenths);
    m_wavelength->setPageStep(10 * kTenths);
    m_wavelength->setShownAs(1, QStringLiteral(" nm"));
    m_wavelength->setToolTip(tr("The wavelength in air; the measured materials' indices follow "
                                "it, the other media keep their fixed index"));
    QWidget* wavelength = sliderWithValue(m_wavelength, &m_wavelengthValue, "wavelengthValue",
                                          tr("Wavelength in air"), QStringLiteral("000.0 nm"));
    form->addRow(captionFor(m_wavelength, tr("Wavelength in air (nm)")), wavelength);

    m_incidence = new FineSlider("incidenceSlider", 0.0, 90.0, start.incidence, kTenths);
    m_incidence->setPageStep(5 * kTenths);
    m_incidence->setShownAs(1, QStringLiteral("\u00b0"));
    m_incidence->setToolTip(tr("The angle between the incoming light and the normal"));
    QWidget* incidence = sliderWithValue(m_incidence, &m_incidenceValue, "incidenceValue",
                                         tr("Angle of incidence"), QStringLiteral("00.0\u00b0"));
    form->addRow(captionFor(m_incidence, tr("Angle of incidence \u03b8\u2081 (\u00b0)")),
                 incidence);

    m_polarisation = new QComboBox;
    m_polarisation->setObjectName(QStringLiteral("polarisationList"));
    m_polarisation->insertItem(kS, tr("s (E \u22a5 plane of incidence)"));
    m_polarisation->insertItem(kP, tr("p (E \u2225 plane of incidence)"));
    m_polarisation->insertItem(kUnpolarised, tr("unpolarised"));
    m_polarisation->setCurrentIndex(kUnpolarised);
    m_polarisation->setToolTip(tr("Which way the electric field of the incoming light points"));
    form->addRow(captionFor(m_polarisation, tr("Polarisation")), m_polarisation);

    m_waves = new QCheckBox(tr("Show the waves"));
    m_waves->setObjectName(QStringLiteral("wavesCheck"));
    m_waves->setToolTip(tr("The field of the three waves instead of the medium colours, to "
                           "scale: the wavelength in each medium is \u03bb\u2080/n"));
    m_play = new QPushButton;
    m_play->setObjectName(QStringLiteral("playButton"));
    m_play->setToolTip(tr("Play or pause the waves (Space on the picture)"));
    auto* waveRow = new QHBoxLayout;
    waveRow->addWidget(m_waves, 1);
    waveRow->addWidget(m_play);
    form->addRow(waveRow);

    m_speed = new FineSlider("speedSlider", kSlowest, kFastest, kStartSpeed, kTenths);
    m_speed->setPageStep(5);
    m_speed->setShownAs(1, QStringLiteral(" /s"));
    m_speed->setToolTip(tr("How many wave periods pass a second"));
    QWidget* speed = sliderWithValue(m_speed, &m_speedValue, "speedValue", tr("Speed"),
                                     QStringLiteral("0.0 /s"));
    form->addRow(captionFor(m_speed, tr("Speed (periods/s)")), speed);
    return group;
}

QFormLayout* BoundaryWindow::readoutGroup(const QString& title, QBoxLayout* into)
{
    auto* group = new QGroupBox(title);
    into->addWidget(group);
    return new QFormLayout(group);
}

void BoundaryWindow::buildAngleReadouts(QFormLayout* form)
{
    m_refraction = addReadout(form, "refraction", tr("Angle of refraction \u03b8\u2082"));
    m_brewster = addReadout(form, "brewster", tr("Brewster's angle \u03b8_B"));
    m_brewster->explain(tr("atan(n\u2082/n\u2081): p light is not reflected at this angle"));
    m_critical = addReadout(form, "critical", tr("Critical angle \u03b8_c"));
    m_critical->explain(tr("asin(n\u2082/n\u2081), only where n\u2081 > n\u2082: past it all "
                           "the light is reflected"));
    m_wavelength1 = addReadout(form, "wavelength1", tr("Wavelength in medium 1 \u03bb\u2081"));
    m_wavelength2 = addReadout(form, "wavelength2", tr("Wavelength in medium 2 \u03bb\u2082"));
    m_depth = addReadout(form, "penetrationDepth", tr("Penetration depth d"));
    m_depth->explain(tr("How far into medium 2 the field of the evanescent wave falls to 1/e "
                        "of its value at the boundary, past the critical angle"));
    for (Readout* r : {m_refraction, m_brewster, m_critical, m_wavelength1, m_wavelength2, m_depth})
        fitReadout(r, QStringLiteral("none (n\u2081 \u2264 n\u2082)"));
}

void BoundaryWindow::buildAmplitudeReadouts(QFormLayout* form)
{
    m_rs = addReadout(form, "rs", tr("Amplitude r_s"));
    m_rp = addReadout(form, "rp", tr("Amplitude r_p"));
    m_ts = addReadout(form, "ts", tr("Amplitude t_s"));
    m_tp = addReadout(form, "tp", tr("Amplitude t_p"));
    const QString signedTip = tr("Signed; past the critical angle the magnitude \u2220 how far the "
                                 "wave leads the incident one");
    m_rs->explain(signedTip);
    m_ts->explain(signedTip);
    m_tp->explain(signedTip);
    m_rp->explain(tr("Signed, by r_p = (n\u2082 cos \u03b8\u2081 \u2212 n\u2081 cos \u03b8\u2082) "
                     "/ (n\u2082 cos \u03b8\u2081 + n\u2081 cos \u03b8\u2082), so that r_p = "
                     "\u2212r_s head on; past the critical angle the magnitude \u2220 how far the "
                     "reflected wave leads the incident one"));
    for (Readout* r : {m_rs, m_rp, m_ts, m_tp})
        fitReadout(r, QStringLiteral("0.0000 \u2220 000.0000\u00b0"));
}

void BoundaryWindow::buildShareReadouts(QFormLayout* polarised, QFormLayout* unpolarised)
{
    m_powerRs = addReadout(polarised, "powerRs", tr("Reflected R_s"));
    m_powerRp = addReadout(polarised, "powerRp", tr("Reflected R_p"));
    m_powerTs = addReadout(polarised, "powerTs", tr("Transmitted T_s"));
    m_powerTp = addReadout(polarised, "powerTp", tr("Transmitted T_p"));
    m_reflected = addReadout(unpolarised, "reflected", tr("Reflected R"));
    m_transmitted = addReadout(unpolarised, "transmitted", tr("Transmitted T"));
    m_sum = addReadout(unpolarised, "sum", tr("R + T"));
    m_sum->explain(tr("All the light is either reflected or transmitted"));
    for (Readout* r :
         {m_powerRs, m_powerRp, m_powerTs, m_powerTp, m_reflected, m_transmitted, m_sum})
        fitReadout(r, QStringLiteral("0.00000"));
}

BoundarySettings BoundaryWindow::settings() const
{
    BoundarySettings s;
    s.medium1 = m_medium1->currentIndex();
    s.medium2 = m_medium2->currentIndex();
    s.airNanometres = m_wavelength->unitValue();
    s.incidence = m_incidence->unitValue();
    switch (m_polarisation->currentIndex()) {
    case kS:
        s.polarisation = Polarisation::S;
        break;
    case kP:
        s.polarisation = Polarisation::P;
        break;
    default:
        s.polarisation = Polarisation::Unpolarised;
        break;
    }
    return s;
}

void BoundaryWindow::refresh()
{
    m_wavelengthValue->write(m_wavelength->shownValue());
    m_incidenceValue->write(m_incidence->shownValue());
    m_speedValue->write(m_speed->shownValue());
    const bool waves = m_waves->isChecked();
    m_play->setEnabled(waves);
    m_speed->setEnabled(waves);
    m_picture->setSpeed(m_speed->unitValue());
    m_picture->setWaves(waves);
    // The controls' ranges keep every setting valid; a refused one leaves everything as it was.
    const auto state = boundaryState(settings());
    if (!state)
        return;
    m_picture->setState(*state);
    m_chart->setState(*state);
    writeReadouts(*state);
}

void BoundaryWindow::writeReadouts(const BoundaryState& state)
{
    const BoundaryReadouts r = boundaryReadouts(state, decimalPoint());
    m_index1->write(fromCore(r.n1));
    m_index2->write(fromCore(r.n2));
    m_refraction->write(fromCore(r.refraction));
    m_brewster->write(fromCore(r.brewster));
    m_critical->write(fromCore(r.critical));
    m_wavelength1->write(fromCore(r.wavelength1));
    m_wavelength2->write(fromCore(r.wavelength2));
    m_depth->write(fromCore(r.penetrationDepth));
    m_rs->write(fromCore(r.rs));
    m_rp->write(fromCore(r.rp));
    m_ts->write(fromCore(r.ts));
    m_tp->write(fromCore(r.tp));
    m_powerRs->write(fromCore(r.powerRs));
    m_powerRp->write(fromCore(r.powerRp));
    m_powerTs->write(fromCore(r.powerTs));
    m_powerTp->write(fromCore(r.powerTp));
    m_reflected->write(fromCore(r.reflected));
    m_transmitted->write(fromCore(r.transmitted));
    m_sum->write(fromCore(r.sum));
}

void BoundaryWindow::showPlaying(bool playing)
{
    m_play->setText(playing ? tr("Pause") : tr("Play"));
    m_play->setAccessibleName(playing ? tr("Pause the waves") : tr("Play the waves"));
}

QWidget* createBoundaryWindow()
{
    return new BoundaryWindow;
}

} // namespace lumenary
