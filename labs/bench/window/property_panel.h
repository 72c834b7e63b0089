#pragma once

#include "property_fields.h"
#include "scene.h"

#include <QList>
#include <QWidget>

#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QTableWidget;
class QVBoxLayout;

namespace lumenary
{
class Readout;
}

namespace lumenary::bench
{

class BenchDocument;
class DetectorChart;
class TraceRunner;

// The selected element's properties: every key of its type with its unit and limits, applied
// as it is typed (one undoable step per field and element); below them its exact read-outs
// (focal lengths at the F, d and C lines, …) and, for a detector, its spots per wavelength and a
// chart of the light along it. A value the element cannot take (a radius below half the
// aperture) is not applied: the field turns red and the panel says why.
class PropertyPanel final : public QWidget
{
    Q_OBJECT
public:
    PropertyPanel(BenchDocument& document, TraceRunner& trace, QWidget* parent = nullptr);

    // Shows the element of a one-element selection (a title alone for none or several).
    void showSelection(const QList<int>& selection);
    // The first field of the element shown (its name), for Enter in the picture.
    QWidget* firstField() const;
    // Why the last value typed was not applied; empty when it was.
    QString problem() const;

private:
    struct NumberField {
        QString key;
        int component;
        QDoubleSpinBox* spin;
    };

    void rebuild();
    void buildNumbers(QFormLayout* form, const Element& element);
    void buildLight(QFormLayout* form);
    void buildMedium(QFormLayout* form);
    void buildVertices(QVBoxLayout* box, const Element& element);
    void buildReadouts(const Element& element);
    void refill();
    void refreshReadouts();
    // Applies an edited copy of the element as one step, or refuses it and marks the field.
    void apply(Element after, const QString& caption, const QString& mergeKey, QWidget* field);
    void refuse(QWidget* field, const QString& why);
    void clearProblem();
    const Element* shown() const;

    BenchDocument& m_document;
    TraceRunner& m_trace;
    QLabel* m_title;
    QLabel* m_hint;
    QVBoxLayout* m_layout;
    QWidget* m_body = nullptr; // the fields and read-outs of the element shown
    QLabel* m_problem;
    int m_index = -1;
    ElementType m_type = ElementType::Ray;
    bool m_applying = false;
    int m_chosen = 0;             // how many elements are selected
    QWidget* m_refused = nullptr; // the field whose value was refused, and its own tooltip
    QString m_refusedTip;
    QLineEdit* m_name = nullptr;
    std::vector<NumberField> m_numbers;
    QComboBox* m_colour = nullptr;
    QDoubleSpinBox* m_wavelength = nullptr;
    QDoubleSpinBox* m_white = nullptr;
    QComboBox* m_medium = nullptr;
    QDoubleSpinBox* m_fixedIndex = nullptr;
    QTableWidget* m_vertices = nullptr;
    std::vector<Readout*> m_readouts;
    QTableWidget* m_spots = nullptr;
    DetectorChart* m_chart = nullptr;
};

} // namespace lumenary::bench
