#include "rainbow_colours_window.h"

#include "dispersion.h"
#include "export_actions.h"
#include "picture_choice.h"
#include "prism_spectrum_views.h"
#include "rainbow_colours_scene.h"
#include "rainbow_colours_views.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace lumenary
{

using namespace rainbow;

namespace
{

constexpr int kDefaultWavelengths = 40;

} // namespace

RainbowColoursWindow::RainbowColoursWindow(QWidget* parent)
    : ModernWindow(QStringLiteral("RainbowColours"), tr("Rainbow Colours"), {1240, 800}, parent)
{
    auto* left = new QVBoxLayout;
    left->addWidget(buildControls());
    left->addWidget(buildReadouts());
    left->addStretch(1);
    QPushButton* close = closeButton(tr("Hide the window; it opens again as you left it (Esc)"));
    left->addWidget(close, 0, Qt::AlignRight);

    m_chart = new DeviationPanels(this);
    m_chart->setObjectName(QStringLiteral("deviationChart"));
    m_chart->setAccessibleName(tr("Deviation curves"));
    m_chart->setToolTip(tr("Deviation D against impact parameter b for each colour; "
                           "the least deviation of each curve is its rainbow ray"));
    m_drop = new DropView(this);
    m_drop->setObjectName(QStringLiteral("dropView"));
    m_drop->setAccessibleName(tr("Rays through the drop"));
    m_drop->setToolTip(tr("Sunlight entering a drop, reflected inside and leaving, "
                          "in each colour; the rainbow rays in bold"));
    m_sky = new SkyView(this);
    m_sky->setObjectName(QStringLiteral("skyView"));
    m_sky->setAccessibleName(tr("The sky"));
    m_sky->setToolTip(tr("The bows as you see them with the sun behind you, out to "
                         "60\u00b0 from the antisolar point"));

    auto* pictures = new QGridLayout;
    pictures->addWidget(m_chart, 0, 0, 1, 2);
    pictures->addWidget(m_drop, 1, 0);
    pictures->addWidget(m_sky, 1, 1);
    pictures->setRowStretch(0, 5);
    pictures->setRowStretch(1, 6);

    auto* root = new QHBoxLayout(this);
    root->addLayout(left, 0);
    root->addLayout(pictures, 1);

    // Reading order: the settings column top to bottom, then the pictures, then Close.
    QList<QWidget*> chain{m_liquid};
    for (QCheckBox* check : m_orders)
        chain << check;
    chain << m_countSlider << m_countSpin;
    for (const BowReadouts& r : m_bowReadouts)
        for (Readout* value : r.values)
            chain << value->widget();
    chain << m_darkBand->widget() << m_agreement->widget() << m_chart << m_drop << m_sky << close;
    setTabChain(chain);
    keepInStep(m_countSlider, m_countSpin);
    refreshOn({m_liquid, m_orders[0], m_orders[1], m_orders[2], m_orders[3], m_orders[4],
               m_countSlider, m_countSpin});
    refresh();

    auto choice = std::make_unique<PictureChoice>();
    for (PictureView* view : {static_cast<PictureView*>(m_chart), static_cast<PictureView*>(m_drop),
                              static_cast<PictureView*>(m_sky)}) {
        makeFocusablePicture(view);
        choice->add(view, [view](QPainter& p, const QRectF& at) { view->paintPicture(p, at); });
    }
    installExportActions(this, std::move(choice));
}

QWidget* RainbowColoursWindow::buildControls()
{
    auto* box = new QGroupBox(tr("Settings"), this);
    auto* form = new QFormLayout(box);

    m_liquid = new QComboBox(box);
    m_liquid->setObjectName(QStringLiteral("liquidList"));
    for (const SellmeierMaterial& m : dispersiveMaterials())
        m_liquid->addItem(materialName(m));
    m_liquid->setToolTip(tr("What the drop is made of: water, or a glass to compare"));
    auto* liquidLabel = new QLabel(tr("&Liquid:"), box);
    liquidLabel->setBuddy(m_liquid);
    m_liquid->setAccessibleName(tr("Liquid"));
    form->addRow(liquidLabel, m_liquid);

    auto* orders = new QWidget(box);
    auto* orderRow = new QGridLayout(orders);
    orderRow->setContentsMargins(0, 0, 0, 0);
    const QString captions[5] = {tr("1 (primary)"), tr("2 (secondary)"), QStringLiteral("3"),
                                 QStringLiteral("4"), QStringLiteral("5")};
    for (int k = 0; k < 5; ++k) {
        auto* check = new QCheckBox(captions[k], orders);
        check->setObjectName(QStringLiteral("order%1Check").arg(k + 1));
        check->setChecked(k < 2);
        check->setAccessibleName(
            k == 0 ? tr("Show light leaving after 1 internal reflection")
                   : tr("Show light leaving after %1 internal reflections").arg(k + 1));
        check->setToolTip(k == 0 ? tr("%1 bow: light leaving after 1 reflection inside the drop")
                                       .arg(orderName(k + 1))
                                 : tr("%1 bow: light leaving after %2 reflections inside the drop")
                                       .arg(orderName(k + 1))
                                       .arg(k + 1));
        orderRow->addWidget(check, k < 2 ? 0 : 1, k < 2 ? k : k - 2);
        m_orders[static_cast<std::size_t>(k)] = check;
    }
    auto* ordersLabel = new QLabel(tr("&Internal reflections:"), box);
    ordersLabel->setBuddy(m_orders[0]);
    form->addRow(ordersLabel, orders);

    auto* count = new QWidget(box);
    auto* countRow = new QHBoxLayout(count);
    countRow->setContentsMargins(0, 0, 0, 0);
    m_countSlider = new QSlider(Qt::Horizontal, count);
    m_countSlider->setObjectName(QStringLiteral("countSlider"));
    m_countSlider->setRange(kMinWavelengths, kMaxWavelengths);
    m_countSlider->setValue(kDefaultWavelengths);
    m_countSlider->setTracking(true);
    m_countSlider->setToolTip(tr("How many colours, evenly from 400 to 700 nm"));
    m_countSpin = new QSpinBox(count);
    m_countSpin->setObjectName(QStringLiteral("countSpin"));
    m_countSpin->setRange(kMinWavelengths, kMaxWavelengths);
    m_countSpin->setValue(kDefaultWavelengths);
    m_countSpin->setToolTip(m_countSlider->toolTip());
    countRow->addWidget(m_countSlider, 1);
    countRow->addWidget(m_countSpin);
    auto* countLabel = new QLabel(tr("&Wavelengths N (400–700 nm):"), box);
    countLabel->setBuddy(m_countSlider);
    m_countSlider->setAccessibleName(tr("Wavelengths N (400–700 nm)"));
    m_countSpin->setAccessibleName(m_countSlider->accessibleName());
    form->addRow(countLabel, count);
    return box;
}

Readout* RainbowColoursWindow::addBowReadout(QFormLayout* form, const QString& caption,
                                             const QString& name)
{
    Readout* value = addReadout(form, name.toLatin1().constData(), caption);
    value->widget()->setMinimumWidth(90);
    return value;
}

QWidget* RainbowColoursWindow::buildReadouts()
{
    auto* box = new QGroupBox(tr("Rainbow angles from the antisolar point"), this);
    auto* form = new QFormLayout(box);
    for (int k = 1; k <= kMaxOrder; ++k) {
        BowReadouts& r = m_bowReadouts[static_cast<std::size_t>(k - 1)];
        const QString bow = orderName(k);
        r.values[0] = addBowReadout(form, tr("%1 bow, red (700 nm)").arg(bow),
                                    QStringLiteral("bow%1Red").arg(k));
        r.values[1] = addBowReadout(form, tr("%1 bow, violet (400 nm)").arg(bow),
                                    QStringLiteral("bow%1Violet").arg(k));
        r.values[2] =
            addBowReadout(form, tr("%1 bow width").arg(bow), QStringLiteral("bow%1Width").arg(k));
        r.values[2]->explain(
            tr("The span of angles from the antisolar point that the bow's colours "
               "cover. Angles fold at 180\u00b0 (straight back toward the sun) and at "
               "0\u00b0: a bow whose colours run past a fold reaches it and turns back, "
               "so its width runs from its edge nearest the fold to the fold, not "
               "from red to violet"));
        for (int j = 0; j < 3; ++j)
            r.captions[j] = form->labelForField(r.values[j]->widget());
    }
    m_darkBand =
        addBowReadout(form, tr("Alexander's dark band width"), QStringLiteral("darkBandWidth"));
    m_darkBand->explain(tr("The secondary bow's inner edge minus the primary bow's "
                           "outer edge; shown only while both bows are ticked"));
    m_agreement = addBowReadout(form, tr("Curve minima against closed form"),
                                QStringLiteral("curveAgreement"));
    m_agreement->explain(tr("The largest difference between a plotted curve's least "
                            "deviation, found numerically, and the closed form "
                            "cos\u00b2 i = (n\u00b2 \u2212 1) / (k(k + 2))"));
    return box;
}

unsigned RainbowColoursWindow::chosenOrders() const
{
    unsigned orders = 0;
    for (int k = 1; k <= kMaxOrder; ++k)
        if (m_orders[static_cast<std::size_t>(k - 1)]->isChecked())
            orders |= orderBit(k);
    return orders;
}

void RainbowColoursWindow::refresh()
{
    const auto materials = dispersiveMaterials();
    const int index =
        std::clamp(m_liquid->currentIndex(), 0, static_cast<int>(materials.size()) - 1);
    const unsigned orders = chosenOrders();
    auto scene = std::make_shared<const RainbowScene>(
        buildScene(materials[static_cast<std::size_t>(index)], orders, m_countSpin->value()));
    m_chart->setScene(scene);
    m_drop->setScene(scene);
    m_sky->setScene(scene);
    PictureView::renderForScreen({m_chart, m_drop, m_sky});

    for (int k = 1; k <= kMaxOrder; ++k) {
        BowReadouts& r = m_bowReadouts[static_cast<std::size_t>(k - 1)];
        const bool shown = orders & orderBit(k);
        const Bow* bow = nullptr;
        for (const Bow& b : scene->bows)
            if (b.order == k)
                bow = &b;
        for (int j = 0; j < 3; ++j) {
            r.captions[j]->setVisible(shown);
            r.values[j]->widget()->setVisible(shown);
        }
        r.values[0]->write(bow ? degreesText(bow->red) : QString());
        r.values[1]->write(bow ? degreesText(bow->violet) : QString());
        r.values[2]->write(bow ? degreesText(bow->width()) : QString());
    }
    // The band lies between two bows: with either hidden there is no band to read.
    const unsigned bothBows = orderBit(1) | orderBit(2);
    if ((orders & bothBows) != bothBows)
        m_darkBand->write(tr("needs the primary and secondary"));
    else
        m_darkBand->write(scene->darkBand ? degreesText(*scene->darkBand) : QString());
    // A small angle in exponent form: "1.4e-12°".
    m_agreement->write(scene->orders.empty()
                           ? QString()
                           : fixedText(scene->largestDisagreement, 1, FixedForm::Exponent) +
                                 QChar(0x00b0));
}

QWidget* createRainbowColoursWindow()
{
    return new RainbowColoursWindow;
}

} // namespace lumenary
