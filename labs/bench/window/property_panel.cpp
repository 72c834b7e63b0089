#include "property_panel.h"

#include "bench_document.h"
#include "bench_text.h"
#include "detector_chart.h"
#include "element_numbers.h"
#include "modern_window.h"
#include "readout.h"
#include "readouts.h"
#include "scene_check.h"
#include "scene_limits.h"
#include "trace_runner.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace lumenary::bench
{

namespace
{

// A caption beside its control, which assistive technology names by it.
void addRow(QFormLayout* form, const QString& caption, QWidget* control)
{
    auto* label = new QLabel(ModernWindow::labelText(caption));
    label->setWordWrap(true); // a long caption takes two lines, not the fields' room
    label->setBuddy(control);
    if (control->accessibleName().isEmpty())
        control->setAccessibleName(caption);
    form->addRow(label, control);
}

void setSpin(QDoubleSpinBox* spin, double value)
{
    if (spin->hasFocus() && spin->value() == value)
        return; // the student is typing here: the text stays as typed
    const QSignalBlocker quiet(spin);
    spin->setValue(value);
}

QString number(double value, int decimals)
{
    return fixedText(value, decimals);
}

std::int64_t scenePaths(const Scene& scene)
{
    std::int64_t n = 0;
    for (const Element& e : scene.elements)
        n += pathCount(e);
    return n;
}

} // namespace

PropertyPanel::PropertyPanel(BenchDocument& document, TraceRunner& trace, QWidget* parent)
    : QWidget(parent), m_document(document), m_trace(trace)
{
    setObjectName(QStringLiteral("propertyPanel"));
    m_layout = new QVBoxLayout(this);
    m_title = new QLabel;
    m_title->setObjectName(QStringLiteral("elementTitle"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_title->setWordWrap(true);
    m_title->setProperty("freeText", true); // shows the element's own name
    m_hint = new QLabel;
    m_hint->setWordWrap(true);
    m_problem = new QLabel;
    m_problem->setObjectName(QStringLiteral("propertyProblem"));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b01818;"));
    m_problem->hide();
    m_layout->addWidget(m_title);
    m_layout->addWidget(m_hint);
    m_layout->addWidget(m_problem);
    m_layout->addStretch(1);
    connect(&m_document, &BenchDocument::sceneChanged, this, &PropertyPanel::refill);
    connect(&m_trace, &TraceRunner::progressed, this, [this] {
        if (m_trace.finished())
            refreshReadouts();
    });
    rebuild();
}

const Element* PropertyPanel::shown() const
{
    const Scene& scene = m_document.scene();
    if (m_index < 0 || std::size_t(m_index) >= scene.elements.size())
        return nullptr;
    // The fields are those of the type shown: another element now at the index is not it.
    const Element& e = scene.elements[std::size_t(m_index)];
    return e.type() == m_type ? &e : nullptr;
}

void PropertyPanel::showSelection(const QList<int>& selection)
{
    const int index = selection.size() == 1 ? selection.front() : -1;
    const Element* now = index >= 0 && std::size_t(index) < m_document.scene().elements.size()
                             ? &m_document.scene().elements[std::size_t(index)]
                             : nullptr;
    if (index == m_index && (!now || now->type() == m_type) && m_body) {
        refill();
        return;
    }
    m_index = now ? index : -1;
    if (now)
        m_type = now->type();
    m_chosen = static_cast<int>(selection.size());
    rebuild();
}

QWidget* PropertyPanel::firstField() const
{
    return m_name;
}

QString PropertyPanel::problem() const
{
    return m_problem->isVisible() ? m_problem->text() : QString();
}

void PropertyPanel::rebuild()
{
    if (m_body) {
        m_body->hide();
        m_body->deleteLater();
        m_body = nullptr;
    }
    m_name = nullptr;
    m_numbers.clear();
    m_colour = m_medium = nullptr;
    m_wavelength = m_white = m_fixedIndex = nullptr;
    m_vertices = m_spots = nullptr;
    m_chart = nullptr;
    m_readouts.clear();
    m_refused = nullptr;
    clearProblem();
    const Element* e = shown();
    if (!e) {
        if (m_chosen > 1) {
            m_title->setText(tr("%n elements chosen", nullptr, m_chosen));
            m_hint->setText(tr("Drag one of them, or use the arrow keys in the picture, to move "
                               "them together; [ and ] turn each about its own position."));
        } else {
            m_title->setText(tr("No element chosen"));
            m_hint->setText(tr("Click an element, or press Tab in the picture, to see and change "
                               "its numbers here. Add elements from the list on the left."));
        }
        m_hint->show();
        return;
    }
    m_hint->hide();
    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("elementProperties"));
    auto* box = new QVBoxLayout(m_body);
    box->setContentsMargins(0, 0, 0, 0);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    box->addLayout(form);

    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("nameField"));
    m_name->setProperty("freeText", true); // a name, not a number
    m_name->setMaxLength(int(kMaxNameBytes));
    m_name->setToolTip(tr("A name of your own for the element (saved in the file)"));
    addRow(form, BenchText::keyCaption(QStringLiteral("name")), m_name);
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (const Element* e = shown()) {
            Element after = *e;
            after.name = text.toStdString();
            apply(std::move(after), BenchText::keyCaption(QStringLiteral("name")),
                  QStringLiteral("name"), m_name);
        }
    });
    buildNumbers(form, *e);
    if (elementLight(*e))
        buildLight(form);
    if (elementMedium(*e))
        buildMedium(form);
    if (e->type() == ElementType::Glass)
        buildVertices(box, *e);
    m_layout->insertWidget(3, m_body);
    buildReadouts(*e);
    refill();
}

void PropertyPanel::buildNumbers(QFormLayout* form, const Element& element)
{
    for (const NumberSpec& entry : numberSpecs(element.type())) {
        const QString key = QString::fromLatin1(entry.key);
        const QString caption = BenchText::keyCaption(key);
        auto* row = new QWidget;
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 0);
        for (int c = 0; c < entry.components; ++c) {
            QDoubleSpinBox* spin = numberSpin(entry.kind);
            const QString part =
                entry.components == 1 ? caption : caption + (c == 0 ? tr(" x") : tr(" y"));
            spin->setObjectName(key + (entry.components == 1 ? QString() : c == 0 ? "X" : "Y"));
            spin->setAccessibleName(part);
            if (entry.components == 2)
                spin->setPrefix(c == 0 ? tr("x ") : tr("y "));
            line->addWidget(spin);
            m_numbers.push_back({key, c, spin});
            connect(spin, &QDoubleSpinBox::valueChanged, this,
                    [this, key, c, part, spin](double v) {
                        if (const Element* e = shown()) {
                            Element after = *e;
                            setElementNumber(after, key.toStdString(), c, v);
                            apply(std::move(after), part, key + QString::number(c), spin);
                        }
                    });
        }
        auto* label = new QLabel(ModernWindow::labelText(caption));
        label->setWordWrap(true);
        label->setBuddy(m_numbers.back().spin);
        form->addRow(label, row);
    }
}

void PropertyPanel::buildLight(QFormLayout* form)
{
    m_colour = new QComboBox;
    m_colour->setObjectName(QStringLiteral("colourList"));
    m_colour->addItems({tr("One wavelength"), tr("White light")});
    m_colour->setToolTip(tr("Light of one wavelength, or white light of many wavelengths "
                            "spread evenly over 400–700 nm"));
    addRow(form, tr("Colour"), m_colour);
    m_wavelength = new QDoubleSpinBox;
    m_wavelength->setObjectName(QStringLiteral("wavelength"));
    m_wavelength->setDecimals(2);
    m_wavelength->setRange(kShortestWavelength, kLongestWavelength);
    m_wavelength->setSuffix(tr(" nm"));
    m_wavelength->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    m_wavelength->setToolTip(tr("from 380 to 780 nm"));
    addRow(form, BenchText::keyCaption(QStringLiteral("wavelength")), m_wavelength);
    m_white = new QDoubleSpinBox;
    m_white->setObjectName(QStringLiteral("white"));
    m_white->setDecimals(0);
    m_white->setRange(kMinWhite, kMaxWhite);
    m_white->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    m_white->setToolTip(tr("a whole number from 2 to 400"));
    addRow(form, BenchText::keyCaption(QStringLiteral("white")), m_white);
    const auto changed = [this](QWidget* field) {
        const Element* e = shown();
        if (!e)
            return;
        Element after = *e;
        Light* l = elementLight(after);
        l->wavelength = m_wavelength->value();
        l->white = m_colour->currentIndex() == 1 ? static_cast<int>(m_white->value()) : 0;
        apply(std::move(after), tr("Colour"), field->objectName(), field);
    };
    connect(m_colour, &QComboBox::currentIndexChanged, this, [=, this] { changed(m_colour); });
    connect(m_wavelength, &QDoubleSpinBox::valueChanged, this,
            [=, this] { changed(m_wavelength); });
    connect(m_white, &QDoubleSpinBox::valueChanged, this, [=, this] { changed(m_white); });
}

void PropertyPanel::buildMedium(QFormLayout* form)
{
    m_medium = mediumList();
    m_medium->setObjectName(QStringLiteral("materialList"));
    addRow(form, BenchText::keyCaption(QStringLiteral("material")), m_medium);
    m_fixedIndex = indexSpin();
    m_fixedIndex->setObjectName(QStringLiteral("fixedIndex"));
    addRow(form, tr("Fixed index"), m_fixedIndex);
    const auto changed = [this](QWidget* field) {
        const Element* e = shown();
        if (!e)
            return;
        Element after = *e;
        *elementMedium(after) = mediumShown(m_medium, m_fixedIndex);
        apply(std::move(after), BenchText::keyCaption(QStringLiteral("material")),
              QStringLiteral("material"), field);
    };
    connect(m_medium, &QComboBox::currentIndexChanged, this, [=, this] { changed(m_medium); });
    connect(m_fixedIndex, &QDoubleSpinBox::valueChanged, this,
            [=, this] { changed(m_fixedIndex); });
}

void PropertyPanel::buildVertices(QVBoxLayout* box, const Element& element)
{
    const auto& vertices = std::get<Glass>(element.shape).vertices;
    box->addWidget(new QLabel(BenchText::keyCaption(QStringLiteral("vertices")) + ':'));
    m_vertices = new QTableWidget(static_cast<int>(vertices.size()), 2);
    m_vertices->setObjectName(QStringLiteral("vertexTable"));
    m_vertices->setAccessibleName(BenchText::keyCaption(QStringLiteral("vertices")));
    m_vertices->setHorizontalHeaderLabels({tr("x (mm)"), tr("y (mm)")});
    m_vertices->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_vertices->setMinimumHeight(110);
    box->addWidget(m_vertices);
    connect(m_vertices, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        const Element* e = shown();
        if (!e || m_applying)
            return;
        bool ok = false;
        const double v = QLocale().toDouble(item->text().trimmed(), &ok);
        if (!ok || !std::isfinite(v)) {
            refuse(m_vertices,
                   tr("Corner %1: “%2” is not a number.").arg(item->row() + 1).arg(item->text()));
            return;
        }
        Element after = *e;
        auto& corners = std::get<Glass>(after.shape).vertices;
        if (std::size_t(item->row()) >= corners.size())
            return;
        Vec2& p = corners[std::size_t(item->row())];
        (item->column() == 0 ? p.x : p.y) = v;
        apply(std::move(after), tr("Corner %1").arg(item->row() + 1),
              QStringLiteral("vertex%1").arg(item->row()), m_vertices);
    });
}

void PropertyPanel::buildReadouts(const Element& element)
{
    auto* box = static_cast<QVBoxLayout*>(m_body->layout());
    auto* title = new QLabel(tr("Read-outs"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    box->addWidget(title);
    auto* form = new QFormLayout;
    box->addLayout(form);
    const auto add = [&](const char* name, const QString& caption) {
        Readout* r = makeReadout(name, caption, ReadoutLook::Field, m_body);
        auto* label = new QLabel(ModernWindow::labelText(caption));
        label->setBuddy(r->widget());
        label->setWordWrap(true);
        form->addRow(label, r->widget());
        m_readouts.push_back(r);
    };
    const QString lines[3] = {tr("F line"), tr("d line"), tr("C line")};
    const char* focal[3] = {"focalLengthF", "focalLengthD", "focalLengthC"};
    const char* back[3] = {"backFocalLengthF", "backFocalLengthD", "backFocalLengthC"};
    const char* rainbow[3] = {"rainbowAngleF", "rainbowAngleD", "rainbowAngleC"};
    switch (element.type()) {
    case ElementType::IdealLens:
    case ElementType::ParabolicMirror:
        add("focalLength", tr("Focal length (mm)"));
        break;
    case ElementType::ArcMirror:
        add("focalLength", tr("Focal length, paraxial (mm)"));
        break;
    case ElementType::SphericalLens:
        for (int i = 0; i < 3; ++i)
            add(focal[i], tr("Focal length, %1 (mm)").arg(lines[i]));
        for (int i = 0; i < 3; ++i)
            add(back[i], tr("Back focal length, %1 (mm)").arg(lines[i]));
        break;
    case ElementType::Circle:
        for (int i = 0; i < 3; ++i)
            add(focal[i], tr("Focal length from the centre, %1 (mm)").arg(lines[i]));
        for (int i = 0; i < 3; ++i)
            add(rainbow[i], tr("Rainbow angle, %1 (°)").arg(lines[i]));
        break;
    case ElementType::Ray:
    case ElementType::Beam:
    case ElementType::Point:
        add("pathCount", tr("Paths (rays × wavelengths)"));
        break;
    case ElementType::Detector: {
        add("raysCaught", tr("Rays caught"));
        m_spots = new QTableWidget(0, 4);
        m_spots->setObjectName(QStringLiteral("spotTable"));
        m_spots->setAccessibleName(tr("Spots per wavelength"));
        m_spots->setHorizontalHeaderLabels(
            {tr("Wavelength (nm)"), tr("Centre (mm)"), tr("RMS (mm)"), tr("Rays")});
        m_spots->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_spots->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        m_spots->verticalHeader()->hide();
        m_spots->setMinimumHeight(120);
        box->addWidget(m_spots);
        m_chart = new DetectorChart;
        box->addWidget(m_chart);
        break;
    }
    default:
        title->hide();
        break;
    }
}

void PropertyPanel::refill()
{
    const Element* e = shown();
    if (!e || e->type() != m_type || !m_body) {
        if (m_body || (m_index >= 0 && !e))
            showSelection({});
        return;
    }
    const QSignalBlocker quietTable(m_vertices);
    m_applying = true;
    m_title->setText(BenchText::elementLabel(m_document.scene(), std::size_t(m_index)));
    if (m_name && !m_name->hasFocus())
        m_name->setText(QString::fromStdString(e->name));
    for (const NumberField& f : m_numbers)
        setSpin(f.spin, elementNumber(*e, f.key.toStdString(), f.component).value_or(0.0));
    if (const Light* l = elementLight(*e)) {
        const QSignalBlocker quiet(m_colour);
        m_colour->setCurrentIndex(l->white > 0 ? 1 : 0);
        setSpin(m_wavelength, l->wavelength);
        setSpin(m_white, l->white > 0 ? l->white : 7);
        m_wavelength->setEnabled(l->white == 0);
        m_white->setEnabled(l->white > 0);
    }
    if (const Medium* m = elementMedium(*e)) {
        const QSignalBlocker quiet(m_medium);
        const QSignalBlocker quietIndex(m_fixedIndex);
        if (!m_fixedIndex->hasFocus())
            showMedium(m_medium, m_fixedIndex, *m);
    }
    if (const auto* g = std::get_if<Glass>(&e->shape); g && m_vertices) {
        m_vertices->setRowCount(static_cast<int>(g->vertices.size()));
        for (int r = 0; r < m_vertices->rowCount(); ++r)
            for (int c = 0; c < 2; ++c) {
                const Vec2 p = g->vertices[std::size_t(r)];
                const QString text = QLocale().toString(c == 0 ? p.x : p.y, 'g', 12);
                if (auto* item = m_vertices->item(r, c))
                    item->setText(text);
                else
                    m_vertices->setItem(r, c, new QTableWidgetItem(text));
            }
    }
    m_applying = false;
    refreshReadouts();
}

void PropertyPanel::refreshReadouts()
{
    const Element* e = shown();
    if (!e || m_readouts.empty())
        return;
    const Scene& scene = m_document.scene();
    const ElementReadouts r = elementReadouts(scene, *e);
    const auto value = [](const std::optional<double>& v, int decimals) {
        return v ? number(*v, decimals) : QString();
    };
    const auto lineValues = [&](std::size_t first, const std::optional<LineValues>& v, int d) {
        const std::optional<double> at[3] = {v ? v->F : std::nullopt, v ? v->d : std::nullopt,
                                             v ? v->C : std::nullopt};
        for (std::size_t i = 0; i < 3 && first + i < m_readouts.size(); ++i) {
            m_readouts[first + i]->write(value(at[i], d));
            if (!at[i])
                m_readouts[first + i]->explain(tr("Not defined: the lens is afocal there."));
        }
    };
    switch (e->type()) {
    case ElementType::IdealLens:
    case ElementType::ParabolicMirror:
    case ElementType::ArcMirror:
        m_readouts[0]->write(value(r.focalLength, 4));
        break;
    case ElementType::SphericalLens:
        lineValues(0, r.focalLengths, 4);
        lineValues(3, r.backFocalLengths, 4);
        break;
    case ElementType::Circle:
        lineValues(0, r.focalLengths, 4);
        lineValues(3, r.rainbowAngles, 4);
        break;
    case ElementType::Ray:
    case ElementType::Beam:
    case ElementType::Point:
        m_readouts[0]->write(QString::number(pathCount(*e)));
        break;
    case ElementType::Detector: {
        const auto& d = std::get<Detector>(e->shape);
        const DetectorReadout det = m_trace.finished()
                                        ? detectorReadout(m_trace.tracer().paths(), m_index)
                                        : DetectorReadout{};
        m_readouts[0]->write(m_trace.finished() ? QString::number(det.hits.size()) : QString());
        m_spots->setRowCount(static_cast<int>(det.spots.size()));
        for (int row = 0; row < m_spots->rowCount(); ++row) {
            const Spot& s = det.spots[std::size_t(row)];
            const QString cells[4] = {number(s.wavelength, 2), number(s.centroid, 4),
                                      number(s.rms, 4), QString::number(s.count)};
            for (int c = 0; c < 4; ++c) {
                auto* item = m_spots->item(row, c);
                if (!item)
                    m_spots->setItem(row, c, item = new QTableWidgetItem);
                item->setText(cells[c]);
            }
        }
        m_chart->setHits(det.hits, length(d.to - d.from));
        break;
    }
    default:
        break;
    }
}

void PropertyPanel::apply(Element after, const QString& caption, const QString& mergeKey,
                          QWidget* field)
{
    if (m_applying || m_index < 0)
        return;
    if (const auto problem = checkElement(after)) {
        refuse(field, tr("%1 not applied: %2 %3.")
                          .arg(caption, BenchText::keyCaption(QString::fromStdString(problem->key)),
                               QString::fromStdString(problem->message)));
        return;
    }
    const Scene& scene = m_document.scene();
    if (scenePaths(scene) - pathCount(*shown()) + pathCount(after) > kMaxPaths) {
        refuse(field, tr("%1 not applied: the scene would start more than 250000 paths "
                         "(rays × wavelengths).")
                          .arg(caption));
        return;
    }
    clearProblem();
    const QString what = tr("Change %1 of %2").arg(caption, BenchText::typeName(after.type()));
    m_applying = true;
    m_document.replace({m_index}, {std::move(after)}, what,
                       mergeKey + QLatin1Char('@') + QString::number(m_index));
    m_applying = false;
    refill();
}

void PropertyPanel::refuse(QWidget* field, const QString& why)
{
    clearProblem();
    m_refused = field;
    m_refusedTip = field->toolTip();
    QPalette warn = field->palette();
    warn.setColor(QPalette::Base, QColor(255, 214, 214));
    field->setPalette(warn);
    field->setToolTip(why);
    field->setAccessibleDescription(why);
    m_problem->setText(why);
    m_problem->show();
}

void PropertyPanel::clearProblem()
{
    if (m_refused) {
        m_refused->setPalette(QPalette());
        m_refused->setAccessibleDescription(QString());
        m_refused->setToolTip(m_refusedTip);
        m_refused = nullptr;
    }
    m_problem->clear();
    m_problem->hide();
}

} // namespace lumenary::bench
