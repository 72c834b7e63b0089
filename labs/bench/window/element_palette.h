#pragma once

#include "scene.h"

#include <QElapsedTimer>
#include <QListWidget>

namespace lumenary::bench
{

// The element types to add, each with its icon (the element as the picture draws it) and its
// name. A click or Enter (or Space) asks for the type at the middle of the view; a drag carries
// it onto the picture, which places it where it is dropped.
class ElementPalette final : public QListWidget
{
    Q_OBJECT
public:
    explicit ElementPalette(QWidget* parent = nullptr);

signals:
    // The student chose a type to add at the middle of the view.
    void addRequested(ElementType type);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    QStringList mimeTypes() const override;

private:
    void request(QListWidgetItem* item);

    QElapsedTimer m_sinceAdd; // a double click adds once
    QListWidgetItem* m_lastAdded = nullptr;
};

} // namespace lumenary::bench
