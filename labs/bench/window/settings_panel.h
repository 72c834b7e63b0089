#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

namespace lumenary::bench
{

class BenchDocument;

// The scene-wide settings: what surrounds the elements, whether glass surfaces also reflect
// (Fresnel), and the limits of a trace; each change one undoable step.
class SettingsPanel final : public QWidget
{
    Q_OBJECT
public:
    explicit SettingsPanel(BenchDocument& document, QWidget* parent = nullptr);

    // The controls in reading order, for the window's tab chain.
    QList<QWidget*> controls() const;

private:
    void refill();
    void apply(const QString& key);

    BenchDocument& m_document;
    QComboBox* m_surroundings;
    QDoubleSpinBox* m_index;
    QCheckBox* m_fresnel;
    QDoubleSpinBox* m_minIntensity;
    QSpinBox* m_maxInteractions;
    QSpinBox* m_maxSegments;
    bool m_filling = false;
};

} // namespace lumenary::bench
