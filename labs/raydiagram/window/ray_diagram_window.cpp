#include "ray_diagram_window.h"

#include "concave_mirror.h"
#include "controls.h"
#include "convex_mirror.h"
#include "diagram_description.h"
#include "export_actions.h"
#include "plot_widget.h"
#include "thin_lens.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <tuple>

namespace lumenary
{

RayDiagramWindow::RayDiagramWindow(RayDiagramDescription description, QWidget* parent)
    : LabWindow(description.name, description.title, parent), m_description(std::move(description))
{
    const auto& desc = m_description;
    m_plot = new PlotWidget(this);
    m_plot->setObjectName(QStringLiteral("Plot1"));
    m_plot->setAccessibleName(tr("Ray diagram: %1").arg(desc.title));
    m_plot->setGeometry(twips(195, desc.plotTop, 7095, 6165));
    m_plot->setBackground(desc.background);

    m_slider = addScrollBar(this, "HScroll1", Qt::Horizontal, 0, 500, 1, 10, 0,
                            twips(0, desc.scrollTop, 7155, 225));
    auto* sliderLabel =
        addLabel(this, "Label9", tr("Object Position"), twips(7230, 6360, 1200, 300));
    labelField(sliderLabel, m_slider);

    addLabel(this, "Label10", tr("Window"), twips(7725, 0, 855, 270))->setFont(arialBold(9.75));
    auto* xRange = addLabel(this, "Label5", tr("x-range"), twips(7710, 255, 735, 300));
    m_xmin = addField(this, "xmin", desc.xminDefault, twips(7380, 495, 750, 345));
    m_xmax = addField(this, "xmax", desc.xmaxDefault, twips(8235, 495, 750, 345));
    auto* yRange = addLabel(this, "Label6", tr("y-range"), twips(7710, 900, 735, 300));
    m_ymin = addField(this, "ymin", QStringLiteral("-20"), twips(7410, 1185, 750, 345));
    m_ymax = addField(this, "ymax", QStringLiteral("20"), twips(8235, 1185, 750, 345));
    // Each range label names both its fields; their descriptions tell them apart.
    for (auto [label, field, edge] :
         {std::tuple(xRange, m_xmin, tr("left edge")), std::tuple(xRange, m_xmax, tr("right edge")),
          std::tuple(yRange, m_ymin, tr("bottom edge")),
          std::tuple(yRange, m_ymax, tr("top edge"))}) {
        labelField(label, field);
        field->setAccessibleDescription(edge);
    }
    addLabel(this, "Label11", tr("Parameters"), twips(7620, 1545, 1140, 270))
        ->setFont(arialBold(9.75));
    auto* paramLabel = addLabel(this, "Label4", desc.paramCaption, desc.label4);
    m_param = addField(this, desc.paramName, desc.paramDefault, twips(8235, 1830, 750, 345));
    labelField(paramLabel, m_param);
    auto* hLabel = addLabel(this, "Label2", QStringLiteral("h"), twips(7425, 2280, 735, 300));
    m_h = addField(this, "h", QStringLiteral("5"), twips(8235, 2250, 750, 345));
    labelField(hLabel, m_h);

    addLabel(this, "Label12", tr("Commands"), twips(7665, 2730, 1140, 270))
        ->setFont(arialBold(9.75));
    auto* clear = addButton(this, "Clear", tr("Clear Plot"), twips(7620, 3015, 1305, 360));
    auto* batch = addButton(this, "Batch", tr("Setup system"), twips(7620, 3390, 1305, 360));
    auto* quit = addButton(this, "quit", tr("Quit"), twips(7620, 3765, 1305, 360));

    addLabel(this, "Label13", tr("Values"), twips(7710, 4245, 1140, 270))->setFont(arialBold(9.75));
    auto* dLabel = addLabel(this, "Label3", QStringLiteral("d"), twips(7365, 4560, 360, 300));
    m_d = addField(this, "d", QStringLiteral("50"), twips(7770, 4530, 1230, 345), true);
    labelField(dLabel, m_d);
    auto* iLabel = addLabel(this, "Label1", QStringLiteral("i"), twips(7350, 4935, 360, 300));
    m_xi = addField(this, "xi", QStringLiteral("0"), twips(7770, 4905, 1230, 345), true);
    labelField(iLabel, m_xi);
    auto* xLabel = addLabel(this, "Label7", QStringLiteral("x"), twips(7410, 5280, 330, 300));
    m_varx = addField(this, "varx", QStringLiteral("0"), twips(7770, 5265, 1230, 345), true);
    labelField(xLabel, m_varx);
    auto* yLabel = addLabel(this, "Label8", QStringLiteral("y"), twips(7380, 5625, 360, 300));
    m_vary = addField(this, "vary", QStringLiteral("0"), twips(7770, 5640, 1230, 345), true);
    labelField(yLabel, m_vary);

    connect(m_slider, &QScrollBar::valueChanged, this, &RayDiagramWindow::HScroll1_Change);
    connect(batch, &QPushButton::clicked, this, &RayDiagramWindow::Batch_Click);
    connect(clear, &QPushButton::clicked, this, &RayDiagramWindow::Clear_Click);
    connect(quit, &QPushButton::clicked, this, &RayDiagramWindow::Quit_Click);
    connect(m_xmin, &QLineEdit::textChanged, this, &RayDiagramWindow::xmin_Change);
    connect(m_xmax, &QLineEdit::textChanged, this, &RayDiagramWindow::xmax_Change);
    connect(m_ymin, &QLineEdit::textChanged, this, &RayDiagramWindow::ymin_Change);
    connect(m_ymax, &QLineEdit::textChanged, this, &RayDiagramWindow::ymax_Change);
    connect(m_h, &QLineEdit::textChanged, this, &RayDiagramWindow::h_Change);
    const QString paramName = QString::fromLatin1(desc.paramName);
    if (paramName == QLatin1String("f"))
        connect(m_param, &QLineEdit::textChanged, this, &RayDiagramWindow::f_Change);
    else if (paramName == QLatin1String("R"))
        connect(m_param, &QLineEdit::textChanged, this, &RayDiagramWindow::R_Change);
    else
        connect(m_param, &QLineEdit::textChanged, this, &RayDiagramWindow::R0_Change);
    connect(m_plot, &PlotWidget::mouseDown, this, &RayDiagramWindow::plot1_MouseDown);
    connect(m_plot, &PlotWidget::mouseUp, this, &RayDiagramWindow::Plot1_MouseUp);
    connect(m_plot, &PlotWidget::mouseMove, this, &RayDiagramWindow::plot1_MouseMove);
    installExportActions(this, m_plot);
}

void RayDiagramWindow::DrawDiagram(bool setup)
{
    DiagramFields fields;
    fields.xmin = m_xmin->text().toStdString();
    fields.xmax = m_xmax->text().toStdString();
    fields.ymin = m_ymin->text().toStdString();
    fields.ymax = m_ymax->text().toStdString();
    fields.h = m_h->text().toStdString();
    fields.param = m_param->text().toStdString();
    fields.sliderValue = m_slider->value();
    fields.decimalPoint = decimalPoint();

    const DiagramResult result =
        lumenary::drawDiagram(*m_description.element, fields, setup, *m_plot);
    // Writing back from inside the pass must not start a nested pass: the picture would be the
    // same, drawn twice.
    if (result.param) {
        const QSignalBlocker block(m_param);
        m_param->setText(QString::fromStdString(*result.param)); // the student may still be typing
    }
    if (result.sliderValue) {
        const QSignalBlocker block(m_slider);
        m_slider->setMaximum(500);
        m_slider->setMinimum(0);
        m_slider->setValue(*result.sliderValue);
    }
    writeReadout(m_d, result.d);
    writeReadout(m_xi, result.xi);
    m_plot->setAccessibleDescription(
        QString::fromStdString(describeDiagram(*m_description.element, fields, result)));
}

void RayDiagramWindow::setupIfNumeric(const QLineEdit* field)
{
    if (fieldNumber(field))
        SetupSystem();
}

void RayDiagramWindow::parameterChanged()
{
    const auto value = fieldNumber(m_param);
    if (value && m_description.element->acceptsParameter(*value))
        SetupSystem();
}

void RayDiagramWindow::HScroll1_Change()
{
    DrawDiagram();
}
void RayDiagramWindow::Batch_Click()
{
    SetupSystem();
}
void RayDiagramWindow::xmin_Change()
{
    setupIfNumeric(m_xmin);
}
void RayDiagramWindow::xmax_Change()
{
    setupIfNumeric(m_xmax);
}
void RayDiagramWindow::ymin_Change()
{
    setupIfNumeric(m_ymin);
}
void RayDiagramWindow::ymax_Change()
{
    setupIfNumeric(m_ymax);
}
void RayDiagramWindow::h_Change()
{
    setupIfNumeric(m_h);
}
void RayDiagramWindow::f_Change()
{
    parameterChanged();
}
void RayDiagramWindow::R_Change()
{
    parameterChanged();
}
void RayDiagramWindow::R0_Change()
{
    parameterChanged();
}
void RayDiagramWindow::Clear_Click()
{
    m_plot->clear();
}
void RayDiagramWindow::Quit_Click()
{
    hide();
}
void RayDiagramWindow::plot1_MouseDown()
{
    setCursor(Qt::CrossCursor);
}
void RayDiagramWindow::Plot1_MouseUp()
{
    unsetCursor();
}

void RayDiagramWindow::plot1_MouseMove()
{
    // The user window comes from the fields, as a drawing pass would set it.
    const auto xmin = fieldNumber(m_xmin);
    const auto xmax = fieldNumber(m_xmax);
    const auto ymin = fieldNumber(m_ymin);
    const auto ymax = fieldNumber(m_ymax);
    if (!xmin || !xmax || !ymin || !ymax || !m_plot->setScale(*xmin, *ymax, *xmax, *ymin))
        return;
    const Point at = m_plot->userFromWidget(m_plot->lastMousePosition());
    setReadout(m_varx, at.x, Precision::Single7);
    setReadout(m_vary, at.y, Precision::Single7);
}

RayDiagramWindow* createThinLensWindow()
{
    RayDiagramDescription d{QStringLiteral("ThinLens"),
                            RayDiagramWindow::tr("Thin Lenses"),
                            "f",
                            QStringLiteral("10"),
                            QStringLiteral("f"),
                            twips(7425, 1845, 735, 300),
                            QStringLiteral("-40"),
                            QStringLiteral("40"),
                            palette(7),
                            120,
                            6390,
                            std::make_unique<ThinLens>()};
    return new RayDiagramWindow(std::move(d), nullptr);
}

RayDiagramWindow* createConcaveWindow()
{
    RayDiagramDescription d{QStringLiteral("Concave"),
                            RayDiagramWindow::tr("Spherical Mirrors - Concave"),
                            "R",
                            QStringLiteral("10"),
                            QStringLiteral("R"),
                            twips(7440, 1860, 735, 300),
                            QStringLiteral("-40"),
                            QStringLiteral("20"),
                            palette(8),
                            105,
                            6390,
                            std::make_unique<ConcaveMirror>()};
    return new RayDiagramWindow(std::move(d), nullptr);
}

RayDiagramWindow* createConvexWindow()
{
    RayDiagramDescription d{QStringLiteral("Convex"),
                            RayDiagramWindow::tr("Spherical Mirrors - Convex"),
                            "R0",
                            QStringLiteral("-10"),
                            QStringLiteral("R"),
                            twips(7425, 1845, 735, 300),
                            QStringLiteral("-35"),
                            QStringLiteral("5"),
                            palette(8),
                            105,
                            6405,
                            std::make_unique<ConvexMirror>()};
    return new RayDiagramWindow(std::move(d), nullptr);
}

} // namespace lumenary
