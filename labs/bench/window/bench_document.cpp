#include "bench_document.h"

#include "bench_text.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>

namespace lumenary::bench
{

namespace
{

// How many steps the Edit menu can undo: far more than a lesson makes, with a bound on memory.
constexpr int kUndoSteps = 1000;

// Elements put in place of others (moved, turned, resized, a number changed).
class ReplaceStep final : public QUndoCommand
{
public:
    ReplaceStep(BenchDocument& doc, QList<int> indices, std::vector<Element> before,
                std::vector<Element> after, const QString& what, QString mergeKey)
        : QUndoCommand(what), m_doc(doc), m_indices(std::move(indices)),
          m_before(std::move(before)), m_after(std::move(after)), m_mergeKey(std::move(mergeKey))
    {
    }
    int id() const override { return m_mergeKey.isEmpty() ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const ReplaceStep*>(other);
        if (next->m_mergeKey != m_mergeKey || next->m_indices != m_indices)
            return false;
        m_after = next->m_after;
        return true;
    }
    void redo() override { m_doc.putElements(m_indices, m_after); }
    void undo() override { m_doc.putElements(m_indices, m_before); }

private:
    BenchDocument& m_doc;
    QList<int> m_indices;
    std::vector<Element> m_before;
    std::vector<Element> m_after;
    QString m_mergeKey;
};

// Elements added (inserting: true) or removed at indices of the scene that holds them.
class InsertStep final : public QUndoCommand
{
public:
    InsertStep(BenchDocument& doc, QList<int> indices, std::vector<Element> elements,
               bool inserting, const QString& what)
        : QUndoCommand(what), m_doc(doc), m_indices(std::move(indices)),
          m_elements(std::move(elements)), m_inserting(inserting)
    {
    }
    void redo() override { apply(m_inserting); }
    void undo() override { apply(!m_inserting); }

private:
    void apply(bool insert)
    {
        if (insert)
            m_doc.insertElements(m_indices, m_elements);
        else
            m_doc.eraseElements(m_indices);
    }
    BenchDocument& m_doc;
    QList<int> m_indices;
    std::vector<Element> m_elements;
    bool m_inserting;
};

class SettingsStep final : public QUndoCommand
{
public:
    SettingsStep(BenchDocument& doc, SceneSettings before, SceneSettings after, const QString& what,
                 QString mergeKey)
        : QUndoCommand(what), m_doc(doc), m_before(before), m_after(after),
          m_mergeKey(std::move(mergeKey))
    {
    }
    int id() const override { return m_mergeKey.isEmpty() ? -1 : 2; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const SettingsStep*>(other);
        if (next->m_mergeKey != m_mergeKey)
            return false;
        m_after = next->m_after;
        return true;
    }
    void redo() override { m_doc.putSettings(m_after); }
    void undo() override { m_doc.putSettings(m_before); }

private:
    BenchDocument& m_doc;
    SceneSettings m_before;
    SceneSettings m_after;
    QString m_mergeKey;
};

QList<int> sortedUnique(QList<int> indices, std::size_t size)
{
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    indices.erase(std::remove_if(indices.begin(), indices.end(),
                                 [size](int i) { return i < 0 || std::size_t(i) >= size; }),
                  indices.end());
    return indices;
}

} // namespace

SceneSettings settingsOf(const Scene& scene)
{
    return {scene.surroundings, scene.fresnel, scene.minIntensity, scene.maxInteractions,
            scene.maxSegments};
}

QString stepName(const Scene& scene, const QList<int>& indices, const QString& pattern)
{
    if (indices.size() == 1 && std::size_t(indices.front()) < scene.elements.size())
        return pattern.arg(
            BenchText::typeName(scene.elements[std::size_t(indices.front())].type()));
    return pattern.arg(BenchText::tr("%n elements", nullptr, static_cast<int>(indices.size())));
}

BenchDocument::BenchDocument(QObject* parent) : QObject(parent), m_undo(new QUndoStack(this))
{
    m_undo->setUndoLimit(kUndoSteps);
    connect(m_undo, &QUndoStack::cleanChanged, this, &BenchDocument::stateChanged);
}

BenchDocument::~BenchDocument()
{
    // The steps refer to this document: they go first, and quietly: the window that listens
    // may already be half destroyed.
    m_undo->disconnect(this);
    blockSignals(true);
    delete m_undo;
}

bool BenchDocument::isModified() const
{
    return m_modifiedWithoutHistory || !m_undo->isClean();
}

void BenchDocument::reset(const Scene& scene, const QString& filePath, bool modified)
{
    m_undo->clear();
    m_scene = scene;
    m_filePath = filePath;
    m_modifiedWithoutHistory = modified;
    emit sceneChanged();
    emit selectionProposed({});
    emit stateChanged();
}

void BenchDocument::markSaved(const QString& filePath)
{
    m_filePath = filePath;
    m_modifiedWithoutHistory = false;
    m_undo->setClean();
    emit stateChanged();
}

void BenchDocument::add(std::vector<Element> elements, const QString& what)
{
    if (elements.empty())
        return;
    QList<int> at;
    for (std::size_t i = 0; i < elements.size(); ++i)
        at << static_cast<int>(m_scene.elements.size() + i);
    QString name = what;
    if (name.isEmpty())
        name = elements.size() == 1 ? tr("Add %1").arg(BenchText::typeName(elements[0].type()))
                                    : tr("Add %n elements", nullptr, int(elements.size()));
    m_undo->push(new InsertStep(*this, at, std::move(elements), true, name));
}

void BenchDocument::remove(QList<int> indices)
{
    indices = sortedUnique(indices, m_scene.elements.size());
    if (indices.isEmpty())
        return;
    std::vector<Element> gone;
    for (int i : indices)
        gone.push_back(m_scene.elements[std::size_t(i)]);
    const QString name = stepName(m_scene, indices, tr("Delete %1"));
    m_undo->push(new InsertStep(*this, indices, std::move(gone), false, name));
}

void BenchDocument::replace(const QList<int>& indices, const std::vector<Element>& after,
                            const QString& what, const QString& mergeKey)
{
    if (indices.isEmpty() || std::size_t(indices.size()) != after.size())
        return;
    std::vector<Element> before;
    for (int i : indices) {
        if (i < 0 || std::size_t(i) >= m_scene.elements.size())
            return;
        before.push_back(m_scene.elements[std::size_t(i)]);
    }
    if (before == after)
        return;
    m_undo->push(new ReplaceStep(*this, indices, std::move(before), after, what, mergeKey));
}

void BenchDocument::preview(const QList<int>& indices, const std::vector<Element>& elements)
{
    putElements(indices, elements);
}

void BenchDocument::finish(const QList<int>& indices, const std::vector<Element>& before,
                           const QString& what)
{
    std::vector<Element> after;
    for (int i : indices)
        if (i >= 0 && std::size_t(i) < m_scene.elements.size())
            after.push_back(m_scene.elements[std::size_t(i)]);
    if (after.size() != before.size() || after == before)
        return;
    // The step's first redo puts back what the drag already shows.
    m_undo->push(new ReplaceStep(*this, indices, before, std::move(after), what, {}));
}

void BenchDocument::setSettings(const SceneSettings& settings, const QString& what,
                                const QString& mergeKey)
{
    const SceneSettings now = settingsOf(m_scene);
    if (now == settings)
        return;
    m_undo->push(new SettingsStep(*this, now, settings, what, mergeKey));
}

void BenchDocument::putElements(const QList<int>& indices, const std::vector<Element>& elements)
{
    for (qsizetype k = 0; k < indices.size() && std::size_t(k) < elements.size(); ++k) {
        const auto i = std::size_t(indices[k]);
        if (i < m_scene.elements.size())
            m_scene.elements[i] = elements[std::size_t(k)];
    }
    emit sceneChanged();
}

void BenchDocument::insertElements(const QList<int>& indices, const std::vector<Element>& elements)
{
    // Ascending indices of the scene after the insertion.
    for (qsizetype k = 0; k < indices.size() && std::size_t(k) < elements.size(); ++k) {
        const auto at = std::min(std::size_t(indices[k]), m_scene.elements.size());
        m_scene.elements.insert(m_scene.elements.begin() + std::ptrdiff_t(at),
                                elements[std::size_t(k)]);
    }
    emit sceneChanged();
    emit selectionProposed(indices);
}

void BenchDocument::eraseElements(const QList<int>& indices)
{
    for (qsizetype k = indices.size() - 1; k >= 0; --k) {
        const auto at = std::size_t(indices[k]);
        if (at < m_scene.elements.size())
            m_scene.elements.erase(m_scene.elements.begin() + std::ptrdiff_t(at));
    }
    emit sceneChanged();
    emit selectionProposed({});
}

void BenchDocument::putSettings(const SceneSettings& s)
{
    m_scene.surroundings = s.surroundings;
    m_scene.fresnel = s.fresnel;
    m_scene.minIntensity = s.minIntensity;
    m_scene.maxInteractions = s.maxInteractions;
    m_scene.maxSegments = s.maxSegments;
    emit sceneChanged();
}

} // namespace lumenary::bench
