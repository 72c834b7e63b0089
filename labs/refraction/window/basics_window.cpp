#include "basics_window.h"

#include "asset_path.h"
#include "controls.h"
#include "export_actions.h"
#include "external_open.h"
#include "material_lists.h"
#include "plot_widget.h"
#include "refraction_description.h"
#include "refraction_shapes.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace lumenary
{

namespace
{

constexpr Rgb kRayColour = fromBgr(0x0000FF);
constexpr int kRayWidth = 3;

PlotShape rayShape(Point a, Point b)
{
    PlotShape ray;
    ray.kind = PlotShape::Kind::Line;
    ray.a = a;
    ray.b = b;
    ray.pen = kRayColour;
    ray.penWidth = kRayWidth;
    return ray;
}

} // namespace

BasicsWindow::BasicsWindow(QWidget* parent)
    : LabWindow(QStringLiteral("Basics"), tr("Reflection and Refraction"), parent),
      m_openClip([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
    setAccessibleDescription(
        tr("The basics: reflection and refraction of a ray at the interface between two media"));
    m_plot = new PlotWidget(this);
    m_plot->setObjectName(QStringLiteral("plot1"));
    m_plot->setAccessibleName(tr("Incident, reflected and refracted rays"));
    m_plot->setGeometry(twips(0, 300, 9000, 4500));
    m_plot->setBackground(fromBgr(0xC0C0C0));
    m_plot->setScale(0, 0, InterfacePlot::kWidth, InterfacePlot::kHeight);
    addRays();
    m_plot->setAccessibleDescription(
        QString::fromStdString(describeInterface(InterfaceState(), decimalPoint())));

    // Angle captions wrap in two lines in the room left of their read-outs.
    auto* label3 = addLabel(this, "Label3", tr("Angle of Incidence"), twips(195, 4860, 900, 495));
    m_xval = addField(this, "xval", QString(), twips(1125, 4890, 1335, 330), true);
    labelField(label3, m_xval);
    auto* label5 =
        addLabel(this, "Label5", tr("Angle of Reflection"), twips(2895, 4860, 1035, 495));
    m_yval = addField(this, "yval", QString(), twips(3960, 4860, 1335, 360), true);
    labelField(label5, m_yval);
    auto* label4 = addLabel(this, "Label4", tr("Angle of Refraction"), twips(5985, 4815, 960, 495));
    m_zval = addField(this, "zval", QString(), twips(6975, 4830, 1335, 360), true);
    labelField(label4, m_zval);

    auto* label1 = addMediumCaption(this, "Label1", tr("Medium 1 - Index of Refraction"),
                                    twips(285, 5505, 3585, 360));
    m_medium1 = addMediumChooser(this, 1, mediumName("vacuum"), "1.00", twips(630, 5790, 1740, 315),
                                 twips(2355, 5790, 720, 315), label1);
    auto* label2 =
        addMediumCaption(this, "Label2", tr("Medium 2 - Index of Refraction"), QPoint(5040, 5475));
    m_medium2 = addMediumChooser(this, 2, mediumName("vacuum"), "1.00",
                                 twips(5400, 5790, 1740, 315), twips(7125, 5790, 720, 315), label2);

    // One line, as wide as its caption needs, short of the first button.
    auto* label6 =
        addMediumCaption(this, "Label6", tr("Animated Wavefronts"), twips(330, 6255, 2235, 345));
    label6->setWordWrap(false);
    label6->resize(std::min(label6->sizeHint().width(), twips(330, 0, 2790 - 330, 0).width()),
                   label6->height());
    auto* command1 = addButton(this, "Command1", tr("Reflection"), twips(2790, 6270, 990, 345));
    auto* command2 = addButton(this, "Command2", tr("Refraction"), twips(3765, 6270, 990, 345));
    auto* quit = addButton(this, "quit", tr("Quit"), twips(7785, 6195, 1155, 420));

    connect(m_plot, &PlotWidget::mouseDown, this, &BasicsWindow::plot1_MouseDown);
    connect(m_medium1.list, &QComboBox::activated, this, &BasicsWindow::refraction1_Click);
    connect(m_medium2.list, &QComboBox::activated, this, &BasicsWindow::refraction2_Click);
    connect(command1, &QPushButton::clicked, this, &BasicsWindow::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &BasicsWindow::Command2_Click);
    connect(quit, &QPushButton::clicked, this, &BasicsWindow::Quit_Click);
    installExportActions(this, m_plot, RightButton::Acts); // any press draws
}

void BasicsWindow::Form_Load()
{
    fillMaterialLists(m_medium1.list, m_medium2.list);
}

void BasicsWindow::addRays()
{
    const InterfaceState start;
    const Point incidence{InterfacePlot::kNormalX, InterfacePlot::kInterfaceY};

    // Shape1, the second medium, and Line4, the normal.
    m_plot->addShape(mediumShape({0, InterfacePlot::kInterfaceY},
                                 {InterfacePlot::kWidth, InterfacePlot::kHeight}));
    m_plot->addShape(normalShape({InterfacePlot::kNormalX, InterfacePlot::kInterfaceY / 2},
                                 {InterfacePlot::kNormalX, InterfacePlot::kInterfaceY * 3 / 2}));

    m_incident = m_plot->addShape(rayShape(start.incidentStart, incidence));
    m_reflected = m_plot->addShape(rayShape(start.reflectedStart, incidence));
    m_refracted = m_plot->addShape(rayShape(incidence, start.refractedEnd));
}

InterfaceState BasicsWindow::currentState() const
{
    InterfaceState state;
    state.incidentStart = m_plot->shape(m_incident).a;
    state.reflectedStart = m_plot->shape(m_reflected).a;
    state.refractedEnd = m_plot->shape(m_refracted).b;
    state.refractedVisible = m_plot->shape(m_refracted).visible;
    state.xval = m_xval->text().toStdString();
    state.yval = m_yval->text().toStdString();
    state.zval = m_zval->text().toStdString();
    return state;
}

void BasicsWindow::showState(const InterfaceState& state)
{
    PlotShape incident = m_plot->shape(m_incident);
    incident.a = state.incidentStart;
    m_plot->setShape(m_incident, incident);
    PlotShape reflected = m_plot->shape(m_reflected);
    reflected.a = state.reflectedStart;
    m_plot->setShape(m_reflected, reflected);
    PlotShape refracted = m_plot->shape(m_refracted);
    refracted.b = state.refractedEnd;
    refracted.visible = state.refractedVisible;
    m_plot->setShape(m_refracted, refracted);
    writeReadout(m_xval, state.xval);
    writeReadout(m_yval, state.yval);
    writeReadout(m_zval, state.zval);
    m_plot->setAccessibleDescription(
        QString::fromStdString(describeInterface(state, decimalPoint())));
}

void BasicsWindow::plot1_MouseDown(double x, double y)
{
    // The press position is single precision, as the plot's mouse events report it.
    InterfaceClick click;
    click.x = static_cast<float>(x);
    click.y = static_cast<float>(y);
    click.n1 = m_medium1.index->text().toStdString();
    click.n2 = m_medium2.index->text().toStdString();
    click.decimalPoint = decimalPoint();
    InterfaceState state = currentState();
    if (clickInterface(state, click))
        showState(state);
}

void BasicsWindow::refraction1_Click()
{
    writeChosenIndex(m_medium1.list, m_medium1.index);
}

void BasicsWindow::refraction2_Click()
{
    writeChosenIndex(m_medium2.list, m_medium2.index);
}

void BasicsWindow::playClip(const QString& fileName)
{
    // The path travels as a file URL, never inside a command line: blanks, quotes and other
    // signs in the folder's name reach the player unchanged.
    if (const auto path = findAsset(fileName))
        openExternally(QUrl::fromLocalFile(*path), this, m_openClip);
}

void BasicsWindow::Command1_Click()
{
    playClip(reflectionClip());
}

void BasicsWindow::Command2_Click()
{
    playClip(refractionClip());
}

void BasicsWindow::Quit_Click()
{
    hide();
}

BasicsWindow* createBasicsWindow()
{
    return new BasicsWindow();
}

} // namespace lumenary
