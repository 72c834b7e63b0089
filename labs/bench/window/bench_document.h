#pragma once

#include "scene.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>
#include <vector>

class QUndoStack;

namespace lumenary::bench
{

// The scene-wide settings, edited together.
struct SceneSettings {
    Medium surroundings;
    bool fresnel = false;
    double minIntensity = kDefaultMinIntensity;
    std::int64_t maxInteractions = kDefaultMaxInteractions;
    std::int64_t maxSegments = kDefaultMaxSegments;
    friend bool operator==(const SceneSettings&, const SceneSettings&) = default;
};
SceneSettings settingsOf(const Scene& scene);

// The scene the bench's window edits, with its file and its undo history. Every edit goes
// through one of the functions below as one undoable step named for the Edit menu ("Move
// Spherical lens"); a drag shows its moves with preview() and becomes one step when it ends.
//
//     BenchDocument doc;
//     doc.add(newElement(ElementType::Mirror, {0, 0}, 40));
//     doc.undoStack()->undo(); // the mirror is gone again
class BenchDocument final : public QObject
{
    Q_OBJECT
public:
    explicit BenchDocument(QObject* parent = nullptr);
    ~BenchDocument() override;

    const Scene& scene() const { return m_scene; }
    QUndoStack* undoStack() const { return m_undo; }

    // The file the scene was read from or saved to; empty for a new scene.
    QString filePath() const { return m_filePath; }
    // True when the scene differs from its file (or, for a new scene, from the empty one).
    bool isModified() const;

    // Starts again from a scene (a new one, or one read from a file), with no history.
    // modified: the scene is not what its file holds (a restored recovery file).
    void reset(const Scene& scene, const QString& filePath, bool modified = false);
    // The scene is now what the file holds.
    void markSaved(const QString& filePath);

    // Adds elements at the end (an added, duplicated or pasted group), selecting them.
    void add(std::vector<Element> elements, const QString& what = {});
    void add(Element element) { add(std::vector<Element>{std::move(element)}); }
    // Removes the elements at these indices.
    void remove(QList<int> indices);
    // Puts new versions of the elements at these indices in place, as one step named what.
    // Steps with the same merge key on the same elements in a row become one (a number typed
    // digit by digit, a run of arrow-key moves).
    void replace(const QList<int>& indices, const std::vector<Element>& after, const QString& what,
                 const QString& mergeKey = {});
    // Shows the elements changed while a drag goes on, without a step; finish() makes the
    // whole drag one step (before: the elements as the drag found them), cancel() undoes it.
    void preview(const QList<int>& indices, const std::vector<Element>& elements);
    void finish(const QList<int>& indices, const std::vector<Element>& before, const QString& what);
    // Changes the scene-wide settings, as one step named what.
    void setSettings(const SceneSettings& settings, const QString& what,
                     const QString& mergeKey = {});

    // Applied by the undo steps: not for other callers.
    void putElements(const QList<int>& indices, const std::vector<Element>& elements);
    void insertElements(const QList<int>& indices, const std::vector<Element>& elements);
    void eraseElements(const QList<int>& indices);
    void putSettings(const SceneSettings& settings);

signals:
    // The scene changed (any edit, undo, redo, reset).
    void sceneChanged();
    // A step asks for these elements to be selected (added ones, restored ones; none after
    // a removal).
    void selectionProposed(const QList<int>& indices);
    // The file path or the modified state changed: the title follows.
    void stateChanged();

private:
    Scene m_scene;
    QUndoStack* m_undo;
    QString m_filePath;
    bool m_modifiedWithoutHistory = false;
};

// A step's name from a pattern such as tr("Move %1"): %1 is the element's type for one element
// ("Move Spherical lens"), "3 elements" for several.
QString stepName(const Scene& scene, const QList<int>& indices, const QString& pattern);

} // namespace lumenary::bench
