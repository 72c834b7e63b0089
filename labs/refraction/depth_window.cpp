#include "depth_window.h"

#include "apparent_depth.h"
#include "controls.h"
#include "export_actions.h"
#include "material_lists.h"
#include "plot_widget.h"

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
constexpr Rgb kMedium2Colour = fromBgr(0xFFFF80);

// Picture frames in twips, with their top-left corners in plot units.
constexpr int kPictureWidth = 540;
constexpr int kPictureHeight = 525;

QLabel* mediumLabel(QWidget* parent, const char* name, const QString& caption, QRect at)
{
    QLabel* label = addLabel(parent, name, caption, at);
    label->setFont(timesBold(12));
    return label;
}

} // namespace

DepthWindow::DepthWindow(QWidget* parent)
    : LabWindow(QStringLiteral("Depth"), QStringLiteral("Reflection and Refraction"), parent)
{
    m_plot = new PlotWidget(this);
    m_plot->setObjectName(QStringLiteral("plot1"));
    m_plot->setAccessibleName(QStringLiteral("plot1"));
    m_plot->setGeometry(twips(0, 45, 9000, 5000));
    m_plot->setBackground(kMedium1Colour);

    // Angle captions wrap in two lines in the room left of their read-outs.
    auto* label3 =
        addLabel(this, "Label3", QStringLiteral("Angle of Incidence"), twips(180, 5145, 900, 495));
    m_xval = addField(this, "xval", QString(), twips(1110, 5175, 1335, 330), true);
    labelField(label3, m_xval);
    auto* label4 = addLabel(this, "Label4", QStringLiteral("Angle of Refraction"),
                            twips(2505, 5145, 885, 495));
    m_zval = addField(this, "zval", QString(), twips(3420, 5175, 1335, 360), true);
    labelField(label4, m_zval);
    auto* label5 = addLabel(this, "Label5", QStringLiteral("x"), twips(4905, 5265, 630, 240));
    m_xx = addField(this, "xx", QString(), twips(5625, 5205, 1335, 360), true);
    labelField(label5, m_xx);
    auto* label6 = addLabel(this, "Label6", QStringLiteral("y"), twips(7125, 5220, 420, 240));
    m_yy = addField(this, "yy", QString(), twips(7575, 5175, 1335, 360), true);
    labelField(label6, m_yy);

    auto* label1 = mediumLabel(this, "Label1", QStringLiteral("Medium 1 - Index of Refraction"),
                               twips(270, 5820, 3585, 360));
    m_refraction1 =
        addList(this, "refraction1", QStringLiteral("vacuum"), twips(510, 6135, 1740, 315));
    m_n1 = addField(this, "n1", localeNumber("1.00"), twips(2235, 6135, 720, 315), true);
    labelField(label1, m_n1);
    m_refraction1->setAccessibleName(QStringLiteral("Medium 1"));
    label1->setBuddy(m_refraction1);
    auto* label2 = mediumLabel(this, "Label2", QStringLiteral("Medium 2 - Index of Refraction"),
                               twips(3855, 5820, 3585, 360));
    m_refraction2 =
        addList(this, "refraction2", QStringLiteral("water"), twips(4215, 6135, 1740, 315));
    m_n2 = addField(this, "n2", localeNumber("1.33"), twips(5940, 6135, 720, 315), true);
    labelField(label2, m_n2);
    m_refraction2->setAccessibleName(QStringLiteral("Medium 2"));
    label2->setBuddy(m_refraction2);

    auto* clear = addButton(this, "Clear", QStringLiteral("Clear"), twips(7815, 5805, 1155, 420));
    auto* quit = addButton(this, "quit", QStringLiteral("Quit"), twips(7815, 6210, 1155, 420));

    Form_Load();

    connect(m_plot, &PlotWidget::mouseDown, this, &DepthWindow::plot1_MouseDown);
    connect(m_plot, &PlotWidget::mouseMove, this, &DepthWindow::plot1_MouseMove);
    connect(m_refraction1, &QComboBox::activated, this, &DepthWindow::refraction1_Click);
    connect(m_refraction2, &QComboBox::activated, this, &DepthWindow::refraction2_Click);
    connect(clear, &QPushButton::clicked, this, &DepthWindow::Clear_Click);
    connect(quit, &QPushButton::clicked, this, &DepthWindow::Quit_Click);
    installExportActions(this, m_plot, RightButton::Acts); // any press draws
}

void DepthWindow::Form_Load()
{
    m_plot->setScale(DepthScene::kLeft, DepthScene::kTop, DepthScene::kRight, DepthScene::kBottom);
    addFixedShapes();
    fillMaterialLists(m_refraction1, m_refraction2);
}

void DepthWindow::addFixedShapes()
{
    PlotShape medium;
    medium.kind = PlotShape::Kind::Rect;
    medium.a = {DepthScene::kLeft, 0};
    medium.b = {DepthScene::kRight, DepthScene::kBottom};
    medium.pen = fromBgr(0xFFFF00);
    medium.fill = kMedium2Colour;
    medium.filled = true;
    m_plot->addShape(medium); // Shape1

    PlotShape normal;
    normal.kind = PlotShape::Kind::Line;
    normal.a = {0, DepthScene::kTop};
    normal.b = {0, DepthScene::kBottom};
    normal.pen = lumenary::palette(0);
    normal.dotted = true;
    m_plot->addShape(normal); // Line4

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
    click.n1 = m_n1->text().toStdString();
    click.n2 = m_n2->text().toStdString();
    click.decimalPoint = decimalPoint();
    DepthReadouts readouts{m_xval->text().toStdString(), m_zval->text().toStdString()};
    if (!clickDepth(readouts, click, *m_plot))
        return;
    showText(m_xval, QString::fromStdString(readouts.xval));
    showText(m_zval, QString::fromStdString(readouts.zval));
}

void DepthWindow::plot1_MouseMove(double x, double y)
{
    setReadout(m_xx, x, Precision::Single7);
    setReadout(m_yy, y, Precision::Single7);
}

void DepthWindow::refraction1_Click()
{
    writeChosenIndex(m_refraction1, m_n1);
}

void DepthWindow::refraction2_Click()
{
    writeChosenIndex(m_refraction2, m_n2);
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
