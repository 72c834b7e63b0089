#include "depth_window.h"

#include "apparent_depth.h"
#include "controls.h"
#include "export_actions.h"
#include "material_lists.h"
#include "plot_widget.h"
#include "refraction_shapes.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <cmath>

namespace lumenary
{

namespace
{

constexpr Rgb kMedium1Colour = fromBgr(0xC0C0C0);

// Picture frames in twips, with their top-left corners in plot units.
constexpr int kPictureWidth = 540;
constexpr int kPictureHeight = 525;

} // namespace

DepthWindow::DepthWindow(QWidget* parent)
    : LabWindow(QStringLiteral("Depth"), tr("Reflection and Refraction"), parent)
{
    setAccessibleDescription(
        tr("Apparent depth: a fish seen from above the water, the moon seen from below it"));
    m_plot = new PlotWidget(this);
    m_plot->setObjectName(QStringLiteral("plot1"));
    m_plot->setAccessibleName(tr("Fish under water, moon above it, and the rays seen"));
    m_plot->setGeometry(twips(0, 45, 9000, 5000));
    m_plot->setBackground(kMedium1Colour);
    m_plot->setScale(DepthScene::kLeft, DepthScene::kTop, DepthScene::kRight, DepthScene::kBottom);

    // Angle captions wrap in two lines in the room left of their read-outs.
    auto* label3 = addLabel(this, "Label3", tr("Angle of Incidence"), twips(180, 5145, 900, 495));
    m_xval = addField(this, "xval", QString(), twips(1110, 5175, 1335, 330), true);
    labelField(label3, m_xval);
    auto* label4 = addLabel(this, "Label4", tr("Angle of Refraction"), twips(2505, 5145, 885, 495));
    m_zval = addField(this, "zval", QString(), twips(3420, 5175, 1335, 360), true);
    labelField(label4, m_zval);
    auto* label5 = addLabel(this, "Label5", QStringLiteral("x"), twips(4905, 5265, 630, 240));
    m_xx = addField(this, "xx", QString(), twips(5625, 5205, 1335, 360), true);
    labelField(label5, m_xx);
    auto* label6 = addLabel(this, "Label6", QStringLiteral("y"), twips(7125, 5220, 420, 240));
    m_yy = addField(this, "yy", QString(), twips(7575, 5175, 1335, 360), true);
    labelField(label6, m_yy);

    auto* label1 = addMediumCaption(this, "Label1", tr("Medium 1 - Index of Refraction"),
                                    twips(270, 5820, 3585, 360));
    m_medium1 = addMediumChooser(this, 1, mediumName("vacuum"), "1.00", twips(510, 6135, 1740, 315),
                                 twips(2235, 6135, 720, 315), label1);
    auto* label2 = addMediumCaption(this, "Label2", tr("Medium 2 - Index of Refraction"),
                                    twips(3855, 5820, 3585, 360));
    m_medium2 = addMediumChooser(this, 2, mediumName("water"), "1.33", twips(4215, 6135, 1740, 315),
                                 twips(5940, 6135, 720, 315), label2);

    auto* clear = addButton(this, "Clear", tr("Clear"), twips(7815, 5805, 1155, 420));
    auto* quit = addButton(this, "quit", tr("Quit"), twips(7815, 6210, 1155, 420));

    addFixedShapes();

    connect(m_plot, &PlotWidget::mouseDown, this, &DepthWindow::plot1_MouseDown);
    connect(m_plot, &PlotWidget::mouseMove, this, &DepthWindow::plot1_MouseMove);
    connect(m_medium1.list, &QComboBox::activated, this, &DepthWindow::refraction1_Click);
    connect(m_medium2.list, &QComboBox::activated, this, &DepthWindow::refraction2_Click);
    connect(clear, &QPushButton::clicked, this, &DepthWindow::Clear_Click);
    connect(quit, &QPushButton::clicked, this, &DepthWindow::Quit_Click);
    installExportActions(this, m_plot, RightButton::Acts); // any press draws
}

void DepthWindow::Form_Load()
{
    fillMaterialLists(m_medium1.list, m_medium2.list);
}

void DepthWindow::addFixedShapes()
{
    // Shape1, the second medium, and Line4, the normal.
    m_plot->addShape(
        mediumShape({DepthScene::kLeft, 0}, {DepthScene::kRight, DepthScene::kBottom}));
    m_plot->addShape(normalShape({0, DepthScene::kTop}, {0, DepthScene::kBottom}));

    // The pictures mark the objects; they take the presses and moves that fall on them.
    addPicture("Picture1", QPixmap(QStringLiteral(":/images/moon.png")), -1.95, 18.4)
        ->setStyleSheet(QStringLiteral("background-color: rgb(192, 192, 192);"));
    addPicture("Picture2", QPixmap(QStringLiteral(":/images/fish.png")), -2.1, -12.2)
        ->setStyleSheet(QStringLiteral("background-color: rgb(128, 255, 255);"));
}

QLabel* DepthWindow::addPicture(const char* name, const QPixmap& picture, double left, double top)
{
    auto* label = new QLabel(m_plot);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(QString::fromLatin1(name));
    label->setPixmap(picture);
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_NoMousePropagation);
    const QPointF corner = m_plot->widgetFromUser(Point{left, top});
    label->setGeometry(QRect(QPoint(static_cast<int>(std::lround(corner.x())),
                                    static_cast<int>(std::lround(corner.y()))),
                             twips(0, 0, kPictureWidth, kPictureHeight).size()));
    return label;
}

void DepthWindow::plot1_MouseDown(double x, double y)
{
    // The press position is single precision, as the plot's mouse events report it.
    DepthClick click;
    click.x = static_cast<float>(x);
    click.y = static_cast<float>(y);
    click.n1 = m_medium1.index->text().toStdString();
    click.n2 = m_medium2.index->text().toStdString();
    click.decimalPoint = decimalPoint();
    DepthReadouts readouts{m_xval->text().toStdString(), m_zval->text().toStdString()};
    std::string drawn;
    if (!clickDepth(readouts, click, *m_plot, &drawn))
        return;
    writeReadout(m_xval, readouts.xval);
    writeReadout(m_zval, readouts.zval);
    if (!drawn.empty())
        m_plot->setAccessibleDescription(QString::fromStdString(drawn));
}

void DepthWindow::plot1_MouseMove(double x, double y)
{
    setReadout(m_xx, x, Precision::Single7);
    setReadout(m_yy, y, Precision::Single7);
}

void DepthWindow::refraction1_Click()
{
    writeChosenIndex(m_medium1.list, m_medium1.index);
}

void DepthWindow::refraction2_Click()
{
    writeChosenIndex(m_medium2.list, m_medium2.index);
}

void DepthWindow::Clear_Click()
{
    m_plot->clear();
}

void DepthWindow::Quit_Click()
{
    hide();
}

DepthWindow* createDepthWindow()
{
    return new DepthWindow();
}

} // namespace lumenary
