#include "rainbow_window.h"

#include "controls.h"
#include "drop_trace.h"
#include "export_actions.h"
#include "material_lists.h"
#include "plot_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace lumenary
{

RainbowWindow::RainbowWindow(QWidget* parent)
    : LabWindow(QStringLiteral("Rainbow"), tr("Refraction and Reflection in a Spherical Drop"),
                parent)
{
    m_plot = new PlotWidget(this);
    m_plot->setObjectName(QStringLiteral("plot1"));
    m_plot->setAccessibleName(tr("Ray through a spherical drop"));
    m_plot->setGeometry(twips(30, 120, 6500, 6500));
    m_plot->setBackground(lumenary::palette(7));
    // The drop: the circle of radius 1 about the origin, under every trace.
    PlotShape drop;
    drop.kind = PlotShape::Kind::Ellipse;
    drop.a = {-1, 1};
    drop.b = {1, -1};
    drop.pen = lumenary::palette(0);
    drop.fill = lumenary::palette(15);
    drop.filled = true;
    drop.penWidth = 2;
    m_plot->addShape(drop);

    auto* heightLabel =
        addLabel(this, "Label2", tr("Incidence Height"), twips(7785, 135, 810, 525));
    m_f = addField(this, "f", QString(), twips(7785, 630, 855, 330), true);
    labelField(heightLabel, m_f);
    m_scroll = addScrollBar(this, "VScroll1", Qt::Vertical, 1, 100, 1, 10, 50,
                            twips(8700, 105, 270, 3060));
    m_scroll->setAccessibleName(heightLabel->accessibleName());
    m_check =
        addCheck(this, "Check1", tr("Clear Automatically"), true, twips(6810, 1155, 1680, 330));
    // Room for the whole caption in the font at hand, short of the scroll bar.
    m_check->resize(
        qBound(m_check->width(), m_check->sizeHint().width(), m_scroll->x() - m_check->x()),
        m_check->height());

    auto* countLabel =
        addLabel(this, "Label6", tr("# Internal Reflections"), twips(6735, 2565, 1050, 435));
    m_mmax = addField(this, "Mmax", QStringLiteral("0"), twips(7755, 2625, 510, 315));
    labelField(countLabel, m_mmax);

    addMediumCaption(this, "Label1", tr("Indices of Refraction "), twips(6750, 3150, 2175, 360));
    m_medium1 = addMediumChooser(this, 1, mediumName("vacuum"), "1.00",
                                 twips(6570, 3555, 1740, 315), twips(8280, 3555, 720, 315));
    m_medium2 = addMediumChooser(this, 2, mediumName("water"), "1.33", twips(6570, 4005, 1740, 315),
                                 twips(8265, 4005, 720, 315));

    auto* incidenceLabel =
        addLabel(this, "Label3", tr("Angle of Incidence"), twips(6615, 4605, 810, 450));
    m_theta2 = addField(this, "theta2", QString(), twips(7560, 4620, 1335, 330), true);
    labelField(incidenceLabel, m_theta2);
    auto* refractionLabel =
        addLabel(this, "Label4", tr("Angle of Refraction"), twips(6630, 5115, 810, 450));
    m_alpha2 = addField(this, "alpha2", QString(), twips(7560, 5100, 1335, 360), true);
    labelField(refractionLabel, m_alpha2);
    auto* deviationLabel =
        addLabel(this, "Label5", tr("Angle of Deviation"), twips(6630, 5625, 810, 390));
    m_D = addField(this, "D", QString(), twips(7560, 5610, 1335, 360), true);
    labelField(deviationLabel, m_D);

    auto* clear = addButton(this, "Clear", tr("Clear"), twips(6675, 6165, 1155, 420));
    auto* quit = addButton(this, "quit", tr("Quit"), twips(7815, 6165, 1155, 420));

    connect(m_scroll, &QScrollBar::valueChanged, this, &RainbowWindow::VScroll1_Change);
    connect(m_medium1.list, &QComboBox::activated, this, &RainbowWindow::refraction1_Click);
    connect(m_medium2.list, &QComboBox::activated, this, &RainbowWindow::refraction2_Click);
    connect(clear, &QPushButton::clicked, this, &RainbowWindow::Clear_Click);
    connect(quit, &QPushButton::clicked, this, &RainbowWindow::Quit_Click);
    // The surface has no mouse interaction: its mouse signals stay unconnected.
    installExportActions(this, m_plot);
}

void RainbowWindow::Form_Load()
{
    fillMaterialLists(m_medium1.list, m_medium2.list);
    m_plot->setScale(-2, 2, 2, -2);
}

void RainbowWindow::TraceDrop()
{
    drop::DropFields fields;
    fields.scrollValue = m_scroll->value();
    fields.n1 = m_medium1.index->text().toStdString();
    fields.n2 = m_medium2.index->text().toStdString();
    fields.reflections = m_mmax->text().toStdString();
    fields.clearAutomatically = m_check->isChecked();
    fields.decimalPoint = decimalPoint();

    const drop::DropResult result = drop::traceDrop(fields, *m_plot);
    writeReadout(m_f, result.f);
    writeReadout(m_theta2, result.theta2);
    writeReadout(m_alpha2, result.alpha2);
    writeReadout(m_D, result.D);
    m_plot->setAccessibleDescription(QString::fromStdString(result.description));
}

void RainbowWindow::VScroll1_Change()
{
    TraceDrop();
}

void RainbowWindow::refraction1_Click()
{
    if (writeChosenIndex(m_medium1.list, m_medium1.index))
        TraceDrop();
}

void RainbowWindow::refraction2_Click()
{
    if (writeChosenIndex(m_medium2.list, m_medium2.index))
        TraceDrop();
}

void RainbowWindow::Clear_Click()
{
    m_plot->clear();
}
void RainbowWindow::Quit_Click()
{
    hide();
}

RainbowWindow* createRainbowWindow()
{
    return new RainbowWindow(nullptr);
}

} // namespace lumenary
