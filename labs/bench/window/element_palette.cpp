#include "element_palette.h"

#include "bench_picture.h"
#include "bench_text.h"
#include "element_edit.h"
#include "scene_picture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

namespace lumenary::bench
{

namespace
{

constexpr int kIconSize = 32;

// The element as the picture draws it, on black, filling most of the icon.
QIcon iconOf(ElementType type)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(kIconSize, kIconSize) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::black);
    Element e = newElement(type, {0.0, 0.0}, 40.0);
    if (type == ElementType::Beam || type == ElementType::Ray)
        moveElement(e, {-12.0, 0.0}); // the arrow of a source points into the icon
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF target(0, 0, kIconSize, kIconSize);
    paintElement(painter, target, SceneView{{0.0, 0.0}, kIconSize / 56.0}, e);
    return QIcon(pixmap);
}

} // namespace

ElementPalette::ElementPalette(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("elementPalette"));
    setAccessibleName(tr("Elements to add"));
    setToolTip(tr("Click an element (or press Enter) to add it in the middle of the picture, or "
                  "drag it to where it belongs"));
    setIconSize(QSize(kIconSize, kIconSize));
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    for (int t = 0; t < kElementTypeCount; ++t) {
        const auto type = static_cast<ElementType>(t);
        auto* item = new QListWidgetItem(iconOf(type), BenchText::typeName(type), this);
        item->setData(Qt::UserRole, t);
        item->setToolTip(tr("Add a %1").arg(BenchText::typeName(type).toLower()));
    }
    setCurrentRow(0);
    setMinimumWidth(sizeHintForColumn(0) + 24);
    setMaximumWidth(sizeHintForColumn(0) + 40);
    connect(this, &QListWidget::itemClicked, this, &ElementPalette::request);
    m_sinceAdd.start();
}

void ElementPalette::request(QListWidgetItem* item)
{
    if (!item)
        return;
    if (item == m_lastAdded && m_sinceAdd.elapsed() < QApplication::doubleClickInterval())
        return;
    m_lastAdded = item;
    m_sinceAdd.restart();
    emit addRequested(static_cast<ElementType>(item->data(Qt::UserRole).toInt()));
}

void ElementPalette::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        m_lastAdded = nullptr; // every key press adds
        request(currentItem());
        return;
    default:
        QListWidget::keyPressEvent(event);
    }
}

QStringList ElementPalette::mimeTypes() const
{
    return {QLatin1String(kElementTypeMime)};
}

QMimeData* ElementPalette::mimeData(const QList<QListWidgetItem*>& items) const
{
    if (items.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    data->setData(QLatin1String(kElementTypeMime),
                  QByteArray::number(items.first()->data(Qt::UserRole).toInt()));
    return data;
}

} // namespace lumenary::bench
