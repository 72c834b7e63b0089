#include "basics_window.h"

#include "asset_path.h"
#include "controls.h"
#include "export_actions.h"
#include "material_lists.h"
#include "plot_widget.h"

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

QLabel* mediumLabel(QWidget* parent, const char* name, const QString& caption, QRect at)
{
    QLabel* label = addLabel(parent, name, caption, at);
    label->setFont(timesBold(12));
    return label;
}

} // namespace

BasicsWindow::BasicsWindow(QWidget* parent)
    : LabWindow(QStringLiteral("Basics"), QStringLiteral("Reflection and Refraction"), parent),
      m_openClip([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
    m_plot = new PlotWidget(this);
    m_plot->setObjectName(QStringLiteral("plot1"));
    m_plot->setAccessibleName(QStringLiteral("plot1"));
    m_plot->setGeometry(twips(0, 300, 9000, 4500));
    m_plot->setBackground(fromBgr(0xC0C0C0));
    m_plot->setScale(0, 0, InterfacePlot::kWidth, InterfacePlot::kHeight);
    addRays();

    // Angle captions wrap in two lines in the room left of their read-outs.
    auto* label3 =
        addLabel(this, "Label3", QStringLiteral("Angle of Incidence"), twips(195, 4860, 900, 495));
    m_xval = addField(this, "xval", QString(), twips(1125, 4890, 1335, 330), true);
    labelField(label3, m_xval);
    auto* label5 = addLabel(this, "Label5", QStringLiteral("Angle of Reflection"),
                            twips(2895, 4860, 1035, 495));
    m_yval = addField(this, "yval", QString(), twips(3960, 4860, 1335, 360), true);
    labelField(label5, m_yval);
    auto* label4 = addLabel(this, "Label4", QStringLiteral("Angle of Refraction"),
                            twips(5985, 4815, 960, 495));
    m_zval = addField(this, "zval", QString(), twips(6975, 4830, 1335, 360), true);
    labelField(label4, m_zval);

    auto* label1 = mediumLabel(this, "Label1", QStringLiteral("Medium 1 - Index of Refraction"),
                               twips(285, 5505, 3585, 360));
    m_refraction1 =
        addList(this, "refraction1", QStringLiteral("vacuum"), twips(630, 5790, 1740, 315));
    m_n1 = addField(this, "n1", localeNumber("1.00"), twips(2355, 5790, 720, 315), true);
    labelField(label1, m_n1);
    m_refraction1->setAccessibleName(QStringLiteral("Medium 1"));
    label1->setBuddy(m_refraction1);

    auto* label2 = addLabel(this, "Label2", QStringLiteral("Medium 2 - Index of Refraction"),
                            QPoint(5040, 5475));
    label2->setFont(timesBold(12));
    label2->adjustSize();
    m_refraction2 =
        addList(this, "refraction2", QStringLiteral("vacuum"), twips(5400, 5790, 1740, 315));
    m_n2 = addField(this, "n2", localeNumber("1.00"), twips(7125, 5790, 720, 315), true);
    labelField(label2, m_n2);
    m_refraction2->setAccessibleName(QStringLiteral("Medium 2"));
    label2->setBuddy(m_refraction2);

    // One line, as wide as its caption needs, short of the first button.
    auto* label6 = mediumLabel(this, "Label6", QStringLiteral("Animated Wavefronts"),
                               twips(330, 6255, 2235, 345));
    label6->setWordWrap(false);
    label6->resize(std::min(label6->sizeHint().width(), twips(330, 0, 2790 - 330, 0).width()),
                   label6->height());
    auto* command1 =
        addButton(this, "Command1", QStringLiteral("Reflection"), twips(2790, 6270, 990, 345));
    auto* command2 =
        addButton(this, "Command2", QStringLiteral("Refraction"), twips(3765, 6270, 990, 345));
    auto* quit = addButton(this, "quit", QStringLiteral("Quit"), twips(7785, 6195, 1155, 420));

    Form_Load();

    connect(m_plot, &PlotWidget::mouseDown, this, &BasicsWindow::plot1_MouseDown);
    connect(m_refraction1, &QComboBox::activated, this, &BasicsWindow::refraction1_Click);
    connect(m_refraction2, &QComboBox::activated, this, &BasicsWindow::refraction2_Click);
    connect(command1, &QPushButton::clicked, this, &BasicsWindow::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &BasicsWindow::Command2_Click);
    connect(quit, &QPushButton::clicked, this, &BasicsWindow::Quit_Click);
    installExportActions(this, m_plot, RightButton::Acts); // any press draws
}

void BasicsWindow::Form_Load()
{
    fillMaterialLists(m_refraction1, m_refraction2);
}

void BasicsWindow::addRays()
{
    const InterfaceState start;
    const Point incidence{InterfacePlot::kNormalX, InterfacePlot::kInterfaceY};

    PlotShape medium;
    medium.kind = PlotShape::Kind::Rect;
    medium.a = {0, InterfacePlot::kInterfaceY};
    medium.b = {InterfacePlot::kWidth, InterfacePlot::kHeight};
    medium.pen = fromBgr(0xFFFF00);
    medium.fill = fromBgr(0xFFFF80);
    medium.filled = true;
    m_plot->addShape(medium); // Shape1

    PlotShape normal;
    normal.kind = PlotShape::Kind::Line;
    normal.a = {InterfacePlot::kNormalX, InterfacePlot::kInterfaceY / 2};
    normal.b = {InterfacePlot::kNormalX, InterfacePlot::kInterfaceY * 3 / 2};
    normal.pen = lumenary::palette(0);
    normal.dotted = true;
    m_plot->addShape(normal); // Line4

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
    showText(m_xval, QString::fromStdString(state.xval));
    showText(m_yval, QString::fromStdString(state.yval));
    showText(m_zval, QString::fromStdString(state.zval));
}

void BasicsWindow::plot1_MouseDown(double x, double y)
{
    // The press position is single precision, as the plot's mouse events report it.
    InterfaceClick click;
    click.x = static_cast<float>(x);
    click.y = static_cast<float>(y);
    click.n1 = m_n1->text().toStdString();
    click.n2 = m_n2->text().toStdString();
    click.decimalPoint = decimalPoint();
    InterfaceState state = currentState();
    if (clickInterface(state, click))
        showState(state);
}

void BasicsWindow::refraction1_Click()
{
    writeChosenIndex(m_refraction1, m_n1);
}

void BasicsWindow::refraction2_Click()
{
    writeChosenIndex(m_refraction2, m_n2);
}

void BasicsWindow::playClip(const QString& fileName)
{
    // The path travels as a file URL, never inside a command line: blanks, quotes and other
    // signs in the folder's name reach the player unchanged.
    if (const auto path = findAsset(fileName))
        m_openClip(QUrl::fromLocalFile(*path));
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
