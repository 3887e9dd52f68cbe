// Dragging a toolbar button to another control, and drags of other controls over a button.
#include "ToolbarButtons.h"

#include <QApplication>
#include <QDrag>
#include <QMetaMethod>
#include <QMimeData>
#include <QPointer>
#include <memory>

void TToolbarButton::BeginDrag(bool immediate, int threshold) {
    if (!isEnabled())
        return;
    if (immediate) {
        startControlDrag();
        return;
    }
    m_dragPending = true;
    m_dragStart = m_lastMousePos;
    m_dragThreshold = threshold < 0 ? QApplication::startDragDistance() : threshold;
}

void TToolbarButton::startControlDrag() {
    ++m_controlDrags;
    // The press becomes the drag: it will not click, and the button looks as it did before it.
    cancelTracking();
    QPointer<TToolbarButton> self(this);
    auto data = std::make_unique<QMimeData>();
    emit OnStartDrag(this, data.get());
    if (!self)
        return;

    QPointer<QDrag> drag(new QDrag(this)); // the toolkit deletes it once the drag is over
    drag->setMimeData(data.release());
    drag->setPixmap(grab());
    drag->setHotSpot(rect().contains(m_lastMousePos) ? m_lastMousePos : rect().center());
    TDropPointWatcher watcher;
    const Qt::DropAction action =
        drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::MoveAction);
    if (!self)
        return;

    QObject* target = nullptr;
    if (action != Qt::IgnoreAction)
        target = drag && drag->target() ? drag->target() : watcher.lastReceiver();
    QPoint at;
    if (auto* widget = qobject_cast<QWidget*>(target))
        at = widget->mapFromGlobal(watcher.dropPoint());
    emit OnEndDrag(this, target, at.x(), at.y());
}

bool TToolbarButton::dragOver(QObject* source, QPoint pos, TDragState state) {
    bool accept = isSignalConnected(QMetaMethod::fromSignal(&TToolbarButton::OnDragOver));
    emit OnDragOver(this, source, pos.x(), pos.y(), state, accept);
    return accept;
}

void TToolbarButton::dragDrop(QObject* source, QPoint pos) {
    emit OnDragDrop(this, source, pos.x(), pos.y());
}
