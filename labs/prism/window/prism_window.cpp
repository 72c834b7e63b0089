#include "prism_window.h"

#include "controls.h"
#include "export_actions.h"
#include "plot_widget.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace lumenary
{

namespace
{

// A group heading of the read-out column.
void addHeading(QWidget* parent, const char* name, const QString& caption, QRect at)
{
    addLabel(parent, name, caption, at)->setFont(timesBold(9.75));
}

// A field with its label to the left, the label naming it for assistive technology.
QLineEdit* addLabelledField(QWidget* parent, const char* labelName, const QString& caption,
                            QRect labelAt, const char* name, const QString& text, QRect at)
{
    auto* label = addLabel(parent, labelName, caption, labelAt);
    auto* field = addField(parent, name, text, at);
    labelField(label, field);
    return field;
}

} // namespace

PrismWindow::PrismWindow(QWidget* parent) : LabWindow(QStringLiteral("Prism"), tr("Prism"), parent)
{
    m_plot = new PlotWidget(this);
    m_plot->setObjectName(QStringLiteral("Plot2"));
    m_plot->setAccessibleName(tr("Prism and rays"));
    m_plot->setGeometry(twips(210, 165, 5500, 5500));
    m_plot->setBackground(lumenary::palette(0));

    m_scroll = addScrollBar(this, "HScroll1", Qt::Horizontal, 1, 100, 1, 10, 50,
                            twips(225, 5775, 6180, 240));
    m_angle = addField(this, "angle", QStringLiteral("0"), twips(6390, 5775, 975, 255));
    m_scroll->setAccessibleName(tr("Prism rotation"));
    m_angle->setAccessibleName(tr("Rotation angle"));
    auto* plotPrism = addButton(this, "Command1", tr("Plot Prism"), twips(495, 6135, 960, 480));
    auto* clear = addButton(this, "Clear", tr("Clear"), twips(1410, 6135, 960, 480));
    m_phi = addLabelledField(this, "Label1", tr("Apex Angle"), twips(2520, 6240, 1155, 255), "Phi",
                             QStringLiteral("60"), twips(3735, 6195, 390, 315));
    m_nray = addLabelledField(this, "Label2", tr("# Rays"), twips(4260, 6240, 660, 255), "NRay",
                              QStringLiteral("30"), twips(4965, 6195, 390, 315));
    m_check1 =
        addCheck(this, "Check1", tr("Incident Rays Only"), true, twips(5865, 6090, 1830, 300));
    m_check2 =
        addCheck(this, "Check2", tr("Bottom Incident Rays"), false, twips(5865, 6360, 1830, 300));
    auto* quit = addButton(this, "Quit", tr("Quit"), twips(7875, 6135, 1095, 480));

    addHeading(this, "Label3", tr("Indices of Refraction"), twips(6735, 90, 2115, 285));
    m_n1 = addLabelledField(this, "Label4", tr("Medium"), twips(5910, 495, 780, 255), "n1",
                            QStringLiteral("1"), twips(6735, 450, 525, 315));
    m_n2 = addLabelledField(this, "Label5", tr("Prism", "the prism's index"),
                            twips(7680, 495, 600, 255), "n2", localeNumber("1.5"),
                            twips(8325, 450, 525, 315));
    addReadouts();
    auto* test = addButton(this, "Test", tr("Plot One Ray"), twips(5940, 5265, 1185, 405));
    m_yh = addLabelledField(this, "Label16", tr("at height"), twips(7200, 5340, 690, 255), "yh",
                            QStringLiteral("0"), twips(7920, 5295, 975, 315));

    connect(m_scroll, &QScrollBar::valueChanged, this, &PrismWindow::HScroll1_Change);
    connect(plotPrism, &QPushButton::clicked, this, &PrismWindow::Command1_Click);
    connect(clear, &QPushButton::clicked, this, &PrismWindow::Clear_Click);
    connect(m_phi, &QLineEdit::textChanged, this, &PrismWindow::Phi_Change);
    connect(test, &QPushButton::clicked, this, &PrismWindow::Test_Click);
    connect(quit, &QPushButton::clicked, this, &PrismWindow::Quit_Click);
    installExportActions(
        this, m_plot, RightButton::Free,
        {"angle", "theta12", "theta1p2", "theta22", "theta2p2", "theta2b2", "theta2pb2", "Dev"});
}

void PrismWindow::addReadouts()
{
    const QString incidence = tr("Angle of Incidence");
    const QString refraction = tr("Angle of Refraction");
    addHeading(this, "Label6", tr("Left Surface"), twips(6735, 1185, 1800, 285));
    m_theta12 = addLabelledField(this, "Label7", incidence, twips(5820, 1530, 1530, 420), "theta12",
                                 QStringLiteral("0"), twips(7395, 1530, 1455, 315));
    m_theta1p2 = addLabelledField(this, "Label8", refraction, twips(5820, 1950, 1530, 420),
                                  "theta1p2", QStringLiteral("0"), twips(7395, 1950, 1455, 315));
    addHeading(this, "Label9", tr("Right Surface"), twips(6735, 2415, 1800, 285));
    m_theta22 = addLabelledField(this, "Label10", incidence, twips(5820, 2745, 1530, 420),
                                 "theta22", QStringLiteral("0"), twips(7395, 2745, 1455, 315));
    m_theta2p2 = addLabelledField(this, "Label11", refraction, twips(5820, 3180, 1530, 420),
                                  "theta2p2", QStringLiteral("0"), twips(7395, 3180, 1455, 315));
    addHeading(this, "Label12", tr("Bottom Surface"), twips(6735, 3645, 1800, 285));
    m_theta2b2 = addLabelledField(this, "Label13", incidence, twips(5820, 3975, 1530, 420),
                                  "theta2b2", QStringLiteral("0"), twips(7395, 3975, 1455, 315));
    m_theta2pb2 = addLabelledField(this, "Label14", refraction, twips(5820, 4365, 1530, 420),
                                   "theta2pb2", QStringLiteral("0"), twips(7410, 4365, 1455, 315));
    m_dev = addLabelledField(this, "Label15", tr("Deviation"), twips(5820, 4845, 750, 255), "Dev",
                             QStringLiteral("0"), twips(6600, 4800, 750, 315));
}

PrismFields PrismWindow::fields() const
{
    PrismFields f;
    f.phi = m_phi->text().toStdString();
    f.n1 = m_n1->text().toStdString();
    f.n2 = m_n2->text().toStdString();
    f.nray = m_nray->text().toStdString();
    f.yh = m_yh->text().toStdString();
    f.scroll = m_scroll->value();
    f.check1 = m_check1->isChecked();
    f.check2 = m_check2->isChecked();
    f.decimalPoint = decimalPoint();
    return f;
}

void PrismWindow::apply(const PrismAction& action)
{
    const PrismReadouts& r = action.readouts;
    writeReadout(m_angle, r.angle);
    writeReadout(m_theta12, r.theta12);
    writeReadout(m_theta1p2, r.theta1p2);
    writeReadout(m_theta22, r.theta22);
    writeReadout(m_theta2p2, r.theta2p2);
    writeReadout(m_theta2b2, r.theta2b2);
    writeReadout(m_theta2pb2, r.theta2pb2);
    writeReadout(m_dev, r.dev);
    if (action.acted)
        m_plot->setAccessibleDescription(QString::fromStdString(action.description));
}

void PrismWindow::HScroll1_Change()
{
    apply(plotFan(fields(), *m_plot));
}
void PrismWindow::Command1_Click()
{
    apply(plotPrism(fields(), *m_plot));
}
void PrismWindow::Clear_Click()
{
    m_plot->clear();
}
void PrismWindow::Test_Click()
{
    apply(plotOneRay(fields(), *m_plot));
}
void PrismWindow::Quit_Click()
{
    hide();
}

void PrismWindow::Phi_Change()
{
    if (apexAccepted(m_phi->text().toStdString(), decimalPoint()))
        apply(plotPrism(fields(), *m_plot));
}

PrismWindow* createPrismWindow()
{
    return new PrismWindow(nullptr);
}

} // namespace lumenary
