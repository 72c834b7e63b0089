#include "plane_mirror_window.h"

#include "controls.h"
#include "export_actions.h"
#include "plot_widget.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lumenary
{

namespace
{

// The plot's accessible description follows every drawing.
void describe(PlotWidget* plot, const MirrorLab& lab)
{
    plot->setAccessibleDescription(QString::fromStdString(lab.description()));
}

} // namespace

PlaneMirrorWindow::PlaneMirrorWindow(QWidget* parent)
    : LabWindow(QStringLiteral("PlaneMirror"), tr("Plane Mirrors"), parent)
{
    m_plot = new PlotWidget(this);
    m_plot->setObjectName(QStringLiteral("Plot1"));
    m_plot->setAccessibleName(tr("Mirrors, object and rays"));
    m_plot->setGeometry(twips(0, 105, 9000, 4500));
    m_plot->setBackground(Rgb{255, 255, 255});

    auto* pmirror = addButton(this, "PMirror", tr("Plane Mirror"), twips(90, 4950, 1095, 525));
    auto* twoMirrors =
        addButton(this, "TwoMirrors", tr("Two Mirrors"), twips(105, 5535, 1095, 525));
    auto* clear = addButton(this, "Clear", tr("Clear"), twips(7005, 5760, 1095, 525));
    auto* quit = addButton(this, "Command1", tr("Quit"), twips(7005, 5145, 1095, 525));

    auto* xLabel = addLabel(this, "Label1", QStringLiteral("x"), twips(1515, 5070, 465, 375));
    m_xvar = addField(this, "xvar", QStringLiteral("0"), twips(2130, 5025, 960, 375), true);
    labelField(xLabel, m_xvar);
    auto* yLabel = addLabel(this, "Label2", QStringLiteral("y"), twips(3180, 5025, 465, 375));
    m_yvar = addField(this, "yvar", QStringLiteral("0"), twips(3675, 5010, 960, 375), true);
    labelField(yLabel, m_yvar);

    m_angleText =
        addLabel(this, "angletext", tr("Angle between Mirrors"), twips(1830, 5565, 1695, 270));
    m_alpha = addField(this, "alpha", QStringLiteral("90"), twips(3705, 5505, 960, 375));
    labelField(m_angleText, m_alpha);
    m_label3 = addLabel(this, "Label3", tr("Single Reflection"), twips(5055, 4860, 1710, 270));
    m_label3->setFont(timesBold(9.75));
    m_m11 = addCheck(this, "M11", tr("Mirror 1"), true, twips(5040, 5115, 855, 315));
    m_m21 = addCheck(this, "M21", tr("Mirror 2"), false, twips(5985, 5115, 855, 315));
    m_label4 = addLabel(this, "Label4", tr("Double Reflection"), twips(5040, 5700, 1710, 270));
    m_label4->setFont(timesBold(9.75));
    m_m12 = addCheck(this, "M12", tr("Mirror 1"), false, twips(5040, 6000, 855, 315));
    m_m22 = addCheck(this, "M22", tr("Mirror 2"), false, twips(6000, 5985, 855, 315));
    // The two pairs share their captions; their group headings tell them apart.
    for (QCheckBox* box : {m_m11, m_m21})
        box->setAccessibleDescription(m_label3->text());
    for (QCheckBox* box : {m_m12, m_m22})
        box->setAccessibleDescription(m_label4->text());

    connect(pmirror, &QPushButton::clicked, this, &PlaneMirrorWindow::PMirror_Click);
    connect(twoMirrors, &QPushButton::clicked, this, &PlaneMirrorWindow::TwoMirrors_Click);
    connect(clear, &QPushButton::clicked, this, &PlaneMirrorWindow::Clear_Click);
    connect(quit, &QPushButton::clicked, this, &PlaneMirrorWindow::Command1_Click);
    connect(m_alpha, &QLineEdit::textChanged, this, &PlaneMirrorWindow::alpha_Change);
    connect(m_plot, &PlotWidget::mouseMove, this, &PlaneMirrorWindow::plot1_MouseMove);
    connect(m_plot, &PlotWidget::mouseUp, this, &PlaneMirrorWindow::Plot1_MouseUp);
    installExportActions(this, m_plot, RightButton::Acts); // any release draws
}

std::string PlaneMirrorWindow::alphaText() const
{
    return m_alpha->text().toStdString();
}

void PlaneMirrorWindow::showTwoMirrorControls(bool visible)
{
    for (QWidget* w : {static_cast<QWidget*>(m_alpha), static_cast<QWidget*>(m_angleText),
                       static_cast<QWidget*>(m_label3), static_cast<QWidget*>(m_label4),
                       static_cast<QWidget*>(m_m11), static_cast<QWidget*>(m_m12),
                       static_cast<QWidget*>(m_m21), static_cast<QWidget*>(m_m22)})
        w->setVisible(visible);
}

void PlaneMirrorWindow::Form_Load()
{
    PMirror_Click();
}

void PlaneMirrorWindow::PMirror_Click()
{
    showTwoMirrorControls(false);
    m_lab.enterPlaneMirror(*m_plot);
    describe(m_plot, m_lab);
}

void PlaneMirrorWindow::TwoMirrors_Click()
{
    showTwoMirrorControls(true);
    m_m11->setChecked(true);
    m_m12->setChecked(false);
    m_m21->setChecked(false);
    m_m22->setChecked(false);
    m_lab.enterTwoMirrors(*m_plot, alphaText(), decimalPoint());
    describe(m_plot, m_lab);
}

void PlaneMirrorWindow::alpha_Change()
{
    m_lab.angleEdited(*m_plot, alphaText(), decimalPoint());
    describe(m_plot, m_lab);
}

void PlaneMirrorWindow::Clear_Click()
{
    m_lab.clear(*m_plot, alphaText(), decimalPoint());
    describe(m_plot, m_lab);
}

void PlaneMirrorWindow::Command1_Click()
{
    hide();
}

void PlaneMirrorWindow::plot1_MouseMove(double x, double y)
{
    setReadout(m_xvar, x, Precision::Single7);
    setReadout(m_yvar, y, Precision::Single7);
}

void PlaneMirrorWindow::Plot1_MouseUp(double x, double y)
{
    // A release after a press that wandered off the surface is not over it.
    if (!QRectF(m_plot->rect()).contains(m_plot->lastMousePosition()))
        return;
    MirrorPaths ticked;
    ticked.m11 = m_m11->isChecked();
    ticked.m21 = m_m21->isChecked();
    ticked.m12 = m_m12->isChecked();
    ticked.m22 = m_m22->isChecked();
    m_lab.release(*m_plot, Point{x, y}, alphaText(), decimalPoint(), ticked);
    describe(m_plot, m_lab);
}

PlaneMirrorWindow* createPlaneMirrorWindow()
{
    return new PlaneMirrorWindow(nullptr);
}

} // namespace lumenary
