// The bench picture for assistive technology: a drawing whose children are the elements, each
// named ("Spherical lens 2") and described from its numbers, the selected ones selected and the
// keyboard's one focused; a new selection and a changed element are announced.
#include "bench_document.h"
#include "bench_picture.h"
#include "bench_text.h"
#include "element_edit.h"
#include "readouts.h"
#include "trace_runner.h"

#include <QAccessibleWidget>

#include <algorithm>

namespace lumenary::bench
{

namespace
{

// One element of the picture.
class ElementAccessible final : public QAccessibleInterface
{
public:
    ElementAccessible(BenchPicture* picture, int index) : m_picture(picture), m_index(index) {}

    bool isValid() const override { return m_picture && m_index < m_picture->elementCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override
    {
        return m_picture ? m_picture->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_picture.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return m_picture->elementName(m_index);
        if (t == QAccessible::Description)
            return m_picture->elementDescription(m_index);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = m_picture->elementRect(m_index);
        return QRect(m_picture->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.selectable = true;
        s.focusable = true;
        if (isValid()) {
            s.selected = m_picture->selection().contains(m_index);
            s.focused = m_picture->hasFocus() && m_picture->current() == m_index;
        }
        return s;
    }

private:
    QPointer<BenchPicture> m_picture;
    int m_index;
};

// The picture: a drawing with the elements as its children.
class PictureAccessible final : public QAccessibleWidget
{
public:
    explicit PictureAccessible(BenchPicture* picture)
        : QAccessibleWidget(picture, QAccessible::Canvas)
    {
    }
    BenchPicture* picture() const { return static_cast<BenchPicture*>(widget()); }
    int childCount() const override { return picture()->elementCount(); }
    QAccessibleInterface* child(int index) const override
    {
        return picture()->elementAccessible(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (picture()->elementAccessible(i) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        const int current = picture()->current();
        return current >= 0 ? picture()->elementAccessible(current) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = childCount() - 1; i >= 0; --i)
            if (picture()->elementAccessible(i)->rect().contains(x, y))
                return picture()->elementAccessible(i);
        return nullptr;
    }
};

QAccessibleInterface* pictureAccessible(const QString& className, QObject* object)
{
    auto* picture = qobject_cast<BenchPicture*>(object);
    if (!picture || className != QLatin1String("lumenary::bench::BenchPicture"))
        return nullptr;
    return new PictureAccessible(picture);
}

} // namespace

void BenchPicture::installAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(pictureAccessible);
        return true;
    }();
    (void)installed;
}

BenchPicture::~BenchPicture()
{
    for (const QAccessible::Id id : m_accessibleIds)
        QAccessible::deleteAccessibleInterface(id);
}

int BenchPicture::elementCount() const
{
    return static_cast<int>(m_document.scene().elements.size());
}

QString BenchPicture::elementName(int index) const
{
    return BenchText::elementLabel(m_document.scene(), std::size_t(index));
}

QString BenchPicture::elementDescription(int index) const
{
    const Scene& scene = m_document.scene();
    if (index < 0 || std::size_t(index) >= scene.elements.size())
        return {};
    if (scene.elements[std::size_t(index)].type() == ElementType::Detector && m_trace.finished()) {
        const DetectorReadout r = detectorReadout(m_trace.tracer().paths(), index);
        return BenchText::description(scene, std::size_t(index), &r);
    }
    return BenchText::description(scene, std::size_t(index));
}

QRect BenchPicture::elementRect(int index) const
{
    if (index < 0 || index >= elementCount())
        return {};
    QRectF box;
    for (const auto& line : elementOutline(m_document.scene().elements[std::size_t(index)]))
        for (const Vec2 p : line) {
            const QPointF q = pixelAt(p);
            box = box.isNull() ? QRectF(q, QSizeF(1, 1)) : box.united(QRectF(q, QSizeF(1, 1)));
        }
    return box.adjusted(-3, -3, 3, 3).toAlignedRect().intersected(rect().adjusted(-1, -1, 1, 1));
}

QAccessibleInterface* BenchPicture::elementAccessible(int index) const
{
    if (index < 0 || index >= elementCount())
        return nullptr;
    while (m_accessibleIds.size() <= std::size_t(index))
        m_accessibleIds.push_back(QAccessible::registerAccessibleInterface(new ElementAccessible(
            const_cast<BenchPicture*>(this), static_cast<int>(m_accessibleIds.size()))));
    return QAccessible::accessibleInterface(m_accessibleIds[std::size_t(index)]);
}

void BenchPicture::announceSelection()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent selection(this, QAccessible::SelectionWithin);
    QAccessible::updateAccessibility(&selection);
    if (m_current >= 0 && hasFocus()) {
        QAccessibleEvent focus(elementAccessible(m_current), QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void BenchPicture::updateDescription()
{
    const Scene& scene = m_document.scene();
    // Interfaces of elements that are gone are given back.
    while (m_accessibleIds.size() > scene.elements.size()) {
        QAccessible::deleteAccessibleInterface(m_accessibleIds.back());
        m_accessibleIds.pop_back();
    }
    const TraceCounts counts = m_trace.tracer().counts();
    const QString text =
        (elementCount() == 1 ? tr("1 element; ") : tr("%n elements; ", nullptr, elementCount())) +
        BenchText::traceStatus(scene, counts, m_trace.tracer().pendingPaths());
    if (text == accessibleDescription())
        return;
    setAccessibleDescription(text);
    if (QAccessible::isActive() && m_current >= 0) {
        // The element the keyboard is on has new numbers.
        QAccessibleEvent changed(elementAccessible(m_current), QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

} // namespace lumenary::bench
